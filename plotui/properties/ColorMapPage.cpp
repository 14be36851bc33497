#include "plotui/properties/ColorMapPage.h"

#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/PropertiesWidgets.h"

#include "plot/contour/Contour.h"
#include "plot/graph/Graph.h"
#include "plot/support/GraphValidates.h"

#include "platform/Color.h"
#include "platform/HourglassCursor.h"
#include "platform/MessageDlg.h"
#include "platform/RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace plotui {

namespace {

constexpr int kPreviewBands = 110;

platform::RadioGroup* Radios(QWidget* parent, const char* name, const QString& caption, const QStringList& items)
{
  auto* group = new platform::RadioGroup(parent);
  group->setObjectName(QLatin1String(name));
  group->setTitle(caption);
  group->SetItems(items);
  return group;
}

// The number of a text as the standard conversion reads it.
bool ReadNumber(const QString& text, double& value)
{
  bool ok = false;
  value = text.trimmed().toDouble(&ok);
  return ok && std::isfinite(value);
}

}  // namespace

TColorMapPage::TColorMapPage(TfmGraphProperties& dialog, QWidget* parent) : QWidget(parent), d_(dialog)
{
  rgPalette = Radios(this, "rgPalette", QStringLiteral("Palette"),
                     {QStringLiteral("Rainbow"), QStringLiteral("Black"), QStringLiteral("Red"), QStringLiteral("Blue"),
                      QStringLiteral("Yellow"), QStringLiteral("Green"), QStringLiteral("Aqua"),
                      QStringLiteral("Fuchsia")});
  rgPalette->SetColumns(2);
  rgPalette->SetItemIndex(0);
  rgQuality = Radios(this, "rgQuality", QStringLiteral("Quality"),
                     {QStringLiteral("High"), QStringLiteral("Good"), QStringLiteral("Middle"), QStringLiteral("Poor"),
                      QStringLiteral("Low")});
  rgQuality->SetItemIndex(2);
  auto* cut = new QGroupBox(QStringLiteral("Cut off Color  Shading for values"), this);
  ckLoColor = NamedCheck(cut, "ckLoColor", QStringLiteral("Greater than"));
  ckHiColor = NamedCheck(cut, "ckHiColor", QStringLiteral("Less than"));
  edLoColor = NamedEdit(cut, "edLoColor");
  edHiColor = NamedEdit(cut, "edHiColor");
  pnLoColor = new QLabel(cut);
  pnLoColor->setObjectName(QStringLiteral("pnLoColor"));
  pnHiColor = new QLabel(cut);
  pnHiColor->setObjectName(QStringLiteral("pnHiColor"));
  for (QLabel* l : {pnLoColor, pnHiColor})
    l->setFrameShape(QFrame::Panel);
  Button2 = NamedButton(cut, "Button2", QStringLiteral("Apply"));
  auto* c = new QGridLayout(cut);
  c->addWidget(Caption(cut, QStringLiteral("Min")), 0, 1);
  c->addWidget(Caption(cut, QStringLiteral("Max")), 0, 2);
  c->addWidget(pnLoColor, 1, 1);
  c->addWidget(pnHiColor, 1, 2);
  c->addWidget(ckLoColor, 2, 0);
  c->addWidget(edLoColor, 2, 1);
  c->addWidget(ckHiColor, 3, 0);
  c->addWidget(edHiColor, 3, 2);
  c->addWidget(Button2, 4, 2);
  cbTransparent = NamedCheck(this, "cbTransparent", QStringLiteral("Transparent"));
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedSize(330, 20);

  auto* top = new QHBoxLayout;
  top->addWidget(rgPalette);
  top->addWidget(rgQuality);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top);
  layout->addWidget(Image1);
  layout->addWidget(cut);
  layout->addWidget(cbTransparent);
  layout->addStretch();
  Connect();
}

void TColorMapPage::Connect()
{
  rgPalette->OnClick = [this] {
    if (!ContourLayer)
      return;
    ContourLayer->Palette = rgPalette->ItemIndex();
    DrawPalette();
    RepaintBusy();
  };
  rgQuality->OnClick = [this] {
    if (d_.Filling || !ContourLayer)
      return;
    ContourLayer->Quality = rgQuality->ItemIndex() + 1;
    RepaintBusy();
  };
  connect(ckLoColor, &QCheckBox::toggled, this, [this](bool on) {
    edLoColor->setEnabled(on);
    d_.Changed = true;
  });
  connect(ckHiColor, &QCheckBox::toggled, this, [this](bool on) {
    edHiColor->setEnabled(on);
    d_.Changed = true;
  });
  for (QLineEdit* edit : {edLoColor, edHiColor})
    connect(edit, &QLineEdit::textChanged, this, [this, edit] {
      if (d_.Filling)
        return;
      d_.RealValidator(edit)->FilterInput();
      d_.Changed = true;
    });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(cbTransparent, &QCheckBox::clicked, this, [this](bool on) {
    if (d_.Filling || !ContourLayer)
      return;
    ContourLayer->Transparent = on;
    d_.MarkChanged();
    d_.ApplyIfLive();
  });
}

bool TColorMapPage::Fill()
{
  ContourLayer = nullptr;
  for (const auto& layer : d_.Graph->Layers)
    if (auto* contour = dynamic_cast<plot::TContour*>(layer.get()); contour && contour->GetColorMap()) {
      ContourLayer = contour;
      break;
    }
  if (!ContourLayer)
    return false;
  cbTransparent->setChecked(ContourLayer->Transparent);
  // The group opens on the layer's own palette.
  rgPalette->SetItemIndex(ContourLayer->Palette);
  DrawPalette();
  edHiColor->setText(GeneralText(ContourLayer->ScaleMax, 7));
  edLoColor->setText(GeneralText(ContourLayer->ScaleMin, 7));
  ckHiColor->setChecked(ContourLayer->UpperFixed);
  ckLoColor->setChecked(ContourLayer->LowerFixed);
  edHiColor->setEnabled(ckHiColor->isChecked());
  edLoColor->setEnabled(ckLoColor->isChecked());
  pnHiColor->setText(GeneralText(ContourLayer->GetZMax(), 7));
  pnLoColor->setText(GeneralText(ContourLayer->GetZMin(), 7));
  rgQuality->SetItemIndex(ContourLayer->Quality - 1);
  return true;
}

void TColorMapPage::DrawPalette()
{
  if (!ContourLayer)
    return;
  QImage image(Image1->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const double w = double(image.width()) / kPreviewBands;
  for (int i = 0; i < kPreviewBands; ++i) {
    const int left = int(std::lround(i * w));
    const int right = int(std::lround(i * w + w));
    painter.fillRect(QRect(left, 0, right - left, image.height()),
                     platform::ToQColor(ContourLayer->GetScaleColor(2 * i + 10)));
  }
  painter.end();
  Image1->setPixmap(QPixmap::fromImage(image));
}

void TColorMapPage::RepaintBusy()
{
  platform::HourglassCursor busy;
  d_.Graph->Paint();
  d_.Changed = false;
}

void TColorMapPage::Button2Click()
{
  if (!ContourLayer)
    return;
  // Both limits are read before either is assigned.
  double hi = 0, lo = 0;
  for (auto [edit, value] : {std::pair{edHiColor, &hi}, {edLoColor, &lo}})
    if (!ReadNumber(edit->text(), *value)) {
      platform::MessageDlg(QStringLiteral("'%1' is not a valid floating point value").arg(edit->text()),
                           platform::mtError, platform::mbOK);
      return;
    }
  ContourLayer->ScaleMax = hi;
  ContourLayer->ScaleMin = lo;
  ContourLayer->UpperFixed = ckHiColor->isChecked();
  ContourLayer->LowerFixed = ckLoColor->isChecked();
  if (d_.Changed)
    RepaintBusy();
}

}  // namespace plotui
