#include "plotui/properties/LegendsPage.h"

#include "plotui/Plot.h"
#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/PropertiesWidgets.h"
#include "plotui/properties/SettingsPage.h"

#include "platform/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace plotui {

namespace {

constexpr int kMinThickness = 1;
constexpr int kMaxThickness = 8;

platform::RadioGroup* Radios(QWidget* parent, const char* name, const QString& caption, const QStringList& items)
{
  auto* group = new platform::RadioGroup(parent);
  group->setObjectName(QLatin1String(name));
  group->setTitle(caption);
  group->SetItems(items);
  return group;
}

QLayout* Thickness(QWidget* parent, QLineEdit* edit, QToolButton* up, QToolButton* down)
{
  auto* row = new QHBoxLayout;
  row->addWidget(Caption(parent, QStringLiteral("Thickness")));
  row->addWidget(edit);
  auto* steps = new QVBoxLayout;
  steps->setSpacing(0);
  steps->addWidget(up);
  steps->addWidget(down);
  row->addLayout(steps);
  row->addStretch();
  return row;
}

}  // namespace

TLegendsPage::TLegendsPage(TfmGraphProperties& dialog, QWidget* parent) : QWidget(parent), d_(dialog)
{
  rgLType = Radios(this, "rgLType", QStringLiteral("Type"),
                   {QStringLiteral("Lines Legend"), QStringLiteral("Color Legend")});
  rgLType->SetItemIndex(0);
  chLegendVisible = NamedCheck(this, "chLegendVisible", QStringLiteral("Visible"));
  chTransparent = NamedCheck(this, "chTransparent", QStringLiteral("Transparent"));
  rgPosition = Radios(this, "rgPosition", QStringLiteral("Position"),
                      {QStringLiteral("Right"), QStringLiteral("Left"), QStringLiteral("Bottom"), QStringLiteral("Top")});
  bbLegendColor = NamedButton(this, "bbLegendColor", QStringLiteral("Color..."));
  bbLegendFont = NamedButton(this, "bbLegendFont", QStringLiteral("Font..."));

  auto* frame = new QGroupBox(QStringLiteral("Frame"), this);
  chFrameVisible = NamedCheck(frame, "chFrameVisible", QStringLiteral("Visible"));
  BitBtn2 = NamedButton(frame, "BitBtn2", QStringLiteral("Color..."));
  cbFrameStyle = NamedCombo(frame, "cbFrameStyle",
                            {QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"),
                             QStringLiteral("DashDot"), QStringLiteral("DashDotDot"), QStringLiteral("Transparent")});
  edFrameWidth = NamedEdit(frame, "edFrameWidth", QStringLiteral("1"));
  SpeedButton13 = StepButton(frame, "SpeedButton13", false);
  SpeedButton15 = StepButton(frame, "SpeedButton15", true);
  auto* fl = new QGridLayout(frame);
  fl->addWidget(chFrameVisible, 0, 0);
  fl->addWidget(BitBtn2, 0, 1);
  fl->addWidget(Caption(frame, QStringLiteral("Style")), 1, 0);
  fl->addWidget(cbFrameStyle, 1, 1);
  fl->addLayout(Thickness(frame, edFrameWidth, SpeedButton15, SpeedButton13), 2, 0, 1, 2);

  auto* shadow = new QGroupBox(QStringLiteral("Shadow"), this);
  chShadowVisible = NamedCheck(shadow, "chShadowVisible", QStringLiteral("Visible"));
  bbShadowColor = NamedButton(shadow, "bbShadowColor", QStringLiteral("Color..."));
  edShadowWidth = NamedEdit(shadow, "edShadowWidth", QStringLiteral("0"));
  SpeedButton14 = StepButton(shadow, "SpeedButton14", false);
  SpeedButton16 = StepButton(shadow, "SpeedButton16", true);
  auto* sl = new QGridLayout(shadow);
  sl->addWidget(chShadowVisible, 0, 0);
  sl->addWidget(bbShadowColor, 0, 1);
  sl->addLayout(Thickness(shadow, edShadowWidth, SpeedButton16, SpeedButton14), 1, 0, 1, 2);
  for (QLineEdit* edit : {edFrameWidth, edShadowWidth}) {
    edit->setReadOnly(true);
    edit->setMaximumWidth(40);
  }

  auto* left = new QVBoxLayout;
  left->addWidget(rgLType);
  left->addWidget(chLegendVisible);
  left->addWidget(chTransparent);
  left->addWidget(bbLegendColor);
  left->addWidget(bbLegendFont);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(rgPosition);
  right->addWidget(frame);
  right->addWidget(shadow);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(left);
  layout->addLayout(right, 1);
  Connect();
}

TPlotLegendBase& TLegendsPage::Target() const
{
  if (rgLType->ItemIndex() == 1)
    return *d_.Plot->ColorLegend;
  return *d_.Plot->Legend;
}

void TLegendsPage::Change(const std::function<void()>& write)
{
  if (d_.Filling)
    return;
  write();
  d_.MarkChanged();
  d_.ApplyIfLive();
}

void TLegendsPage::Connect()
{
  rgLType->OnClick = [this] {
    const bool filling = d_.Filling;
    d_.Filling = true;
    Fill();
    d_.Settings->cbBarStyle->setCurrentIndex(d_.Plot->BarStyle());
    d_.Filling = filling;
  };
  connect(chLegendVisible, &QCheckBox::clicked, this, [this](bool on) { Change([&] { Target().SetVisible(on); }); });
  connect(chTransparent, &QCheckBox::clicked, this,
          [this](bool on) { Change([&] { Target().SetTransparentBackGround(on); }); });
  rgPosition->OnClick = [this] {
    Change([this] { Target().SetStyle(plot::TLegendStyle(rgPosition->ItemIndex())); });
  };
  connect(chFrameVisible, &QCheckBox::clicked, this,
          [this](bool on) { Change([&] { Target().SetFrameVisible(on); }); });
  connect(chShadowVisible, &QCheckBox::clicked, this,
          [this](bool on) { Change([&] { Target().SetShadowVisible(on); }); });
  connect(cbFrameStyle, &QComboBox::activated, this,
          [this](int index) { Change([&] { Target().SetFrameStyle(platform::TPenStyle(index)); }); });
  // Colour and font buttons act also while the page fills.
  const auto colorButton = [this](QPushButton* button, auto get, auto set) {
    connect(button, &QPushButton::clicked, this, [this, get, set] {
      platform::TColor color = get(Target());
      if (!ChooseColor(color))
        return;
      set(Target(), color);
      d_.MarkChanged();
      d_.ApplyIfLive();
    });
  };
  colorButton(bbLegendColor, [](TPlotLegendBase& l) { return l.Color(); },
              [](TPlotLegendBase& l, platform::TColor c) { l.SetColor(c); });
  colorButton(BitBtn2, [](TPlotLegendBase& l) { return l.FrameColor(); },
              [](TPlotLegendBase& l, platform::TColor c) { l.SetFrameColor(c); });
  colorButton(bbShadowColor, [](TPlotLegendBase& l) { return l.ShadowColor(); },
              [](TPlotLegendBase& l, platform::TColor c) { l.SetShadowColor(c); });
  connect(bbLegendFont, &QPushButton::clicked, this, [this] {
    platform::TFont font;
    font.Assign(Target().Font());
    if (!ChooseFont(font))
      return;
    Target().SetFont(font);
    d_.MarkChanged();
    d_.ApplyIfLive();
  });
  connect(SpeedButton13, &QToolButton::clicked, this, [this] { StepThickness(*edFrameWidth, -1, true); });
  connect(SpeedButton15, &QToolButton::clicked, this, [this] { StepThickness(*edFrameWidth, 1, true); });
  connect(SpeedButton14, &QToolButton::clicked, this, [this] { StepThickness(*edShadowWidth, -1, false); });
  connect(SpeedButton16, &QToolButton::clicked, this, [this] { StepThickness(*edShadowWidth, 1, false); });
}

void TLegendsPage::Fill()
{
  TPlotLegendBase& legend = Target();
  chTransparent->setChecked(legend.TransparentBackGround());
  chLegendVisible->setChecked(legend.Visible());
  chFrameVisible->setChecked(legend.FrameVisible());
  chShadowVisible->setChecked(legend.ShadowVisible());
  edFrameWidth->setText(QString::number(legend.FrameThickness()));
  edShadowWidth->setText(QString::number(legend.ShadowThickness()));
  rgPosition->SetItemIndex(legend.Style());
  cbFrameStyle->setCurrentIndex(int(legend.FrameStyle()));
}

void TLegendsPage::StepThickness(QLineEdit& edit, int delta, bool frame)
{
  if (d_.Filling)
    return;
  bool number = false;
  int value = TextToInt(edit.text(), 0, &number);
  if (!number) {
    edit.setText(QString::number(delta < 0 ? kMinThickness : kMaxThickness));
    return;
  }
  if ((delta < 0 && value <= kMinThickness) || (delta > 0 && value >= kMaxThickness))
    return;
  value += delta;
  edit.setText(QString::number(value));
  if (delta > 0)
    d_.setEnabled(false);
  if (frame)
    Target().SetFrameThickness(value);
  else
    Target().SetShadowThickness(value);
  d_.MarkChanged();
  d_.ApplyIfLive();
  d_.setEnabled(true);
}

}  // namespace plotui
