#include "plotui/dialogs/MarkerStyleDialog.h"

#include "plotui/dialogs/MarkerPictures.h"
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

namespace plotui {

namespace {

constexpr int kIconSide = 20;
constexpr int kIconFontSize = 8;
constexpr int kPreviewSide = 48;
constexpr int kPreviewFontSize = 20;

const char* const kMarkerNames[] = {
    "None",        "Rectangle",   "Circle",     "TriangleUp",  "TriangleDown", "Crest",       "Cross",
    "Star",        "Diamond",     "RectDiag",   "ConcaveRect", "CircleCircle", "CircleDiamond", "HalfCircle",
    "CircleCrest", "CrestCircle", "4Star",      "5Star",       "6Star",        "4StarCircle", "5StarCircle",
    "6StarCircle", "4CircleStar", "5CircleStar", "6CircleStar", "Well",        "Wisker"};
constexpr int kEntries = int(std::size(kMarkerNames));

}  // namespace

TfmMarkerStyle::TfmMarkerStyle(QWidget* parent) : Form(parent)
{
  setObjectName(QStringLiteral("fmMarkerStyle"));
  setWindowTitle(QStringLiteral("Symbol Style"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  Markers = new QListWidget(this);
  Markers->setObjectName(QStringLiteral("Markers"));
  Markers->setViewMode(QListView::ListMode);
  Markers->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Markers->setIconSize(QSize(kIconSide, kIconSide));
  for (int i = 0; i < kEntries; ++i) {
    auto* item = new QListWidgetItem(QString::fromLatin1(kMarkerNames[i]), Markers);
    if (i > 0)
      item->setIcon(QIcon(QPixmap::fromImage(MarkerPicture(i, kIconSide, kIconFontSize))));
  }
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedSize(kPreviewSide, kPreviewSide);
  Image1->setFrameShape(QFrame::Box);
  edSize = new QLineEdit(this);
  edSize->setObjectName(QStringLiteral("edSize"));
  btPenColor = new QPushButton(QStringLiteral("Pen Color..."), this);
  btPenColor->setObjectName(QStringLiteral("btPenColor"));
  btFillColor = new QPushButton(QStringLiteral("Fill Color..."), this);
  btFillColor->setObjectName(QStringLiteral("btFillColor"));
  btClose = new QPushButton(QStringLiteral("Close"), this);
  btClose->setObjectName(QStringLiteral("btClose"));
  btCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  btCancel->setObjectName(QStringLiteral("btCancel"));
  btCancel->setVisible(false);

  auto* side = new QVBoxLayout;
  side->addWidget(Image1, 0, Qt::AlignHCenter);
  auto* size = new QHBoxLayout;
  size->addWidget(new QLabel(QStringLiteral("Size"), this));
  size->addWidget(edSize);
  side->addLayout(size);
  side->addWidget(btPenColor);
  side->addWidget(btFillColor);
  side->addStretch();
  side->addWidget(btClose);
  side->addWidget(btCancel);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(Markers, 1);
  layout->addLayout(side);
  resize(330, 300);

  sizeValidate_ = std::make_unique<plot::TIntValidate>(1, 100, edSize, this, QStringLiteral("Size of Marker"));
  connect(Markers, &QListWidget::currentRowChanged, this, [this] { MarkersClick(); });
  connect(edSize, &QLineEdit::textChanged, this, [this] { edSizeChange(); });
  connect(btPenColor, &QPushButton::clicked, this, [this] { btPenColorClick(); });
  connect(btFillColor, &QPushButton::clicked, this, [this] { btFillColorClick(); });
  // Nothing changes while the window closes.
  connect(btClose, &QPushButton::clicked, this, [this] { Filling = true; });
  BindModalButton(btClose, platform::mrOk);
  BindModalButton(btCancel, platform::mrCancel);
  SetDefaultButton(btClose);
  SetCancelButton(btCancel);
}

TfmMarkerStyle::~TfmMarkerStyle() = default;

int TfmMarkerStyle::EntryOfStyle(int style) { return style < kEntries ? style : style / 2; }

bool TfmMarkerStyle::Execute(int& style, int& size, platform::TColor& fillColor, platform::TColor& penColor)
{
  Style = style;
  Size = size;
  FillColor = fillColor;
  PenColor = penColor;
  Filling = true;
  Series = nullptr;
  SeriesList.clear();
  if (ShowModal() != platform::mrOk)
    return false;
  style = Style;
  size = Size;
  fillColor = FillColor;
  penColor = PenColor;
  return true;
}

bool TfmMarkerStyle::EditSeries(TSeries& series, std::vector<TSeries*> seriesList)
{
  Filling = true;
  Series = &series;
  SeriesList = std::move(seriesList);
  ShowModal();
  return true;
}

void TfmMarkerStyle::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  Filling = true;
  // A series opens on its own marker.
  if (Series) {
    Style = Series->MarkerStyle;
    Size = Series->MarkerSize;
    PenColor = Series->MarkerColor2;
    FillColor = Series->MarkerColor;
  }
  const int entry = EntryOfStyle(Style);
  Markers->setCurrentRow(entry);
  Markers->scrollToItem(Markers->item(entry));
  edSize->setText(QString::number(Size));
  ShowPreview(entry);
  btCancel->setVisible(true);
  btClose->setText(QStringLiteral("&OK"));
  Filling = false;
}

void TfmMarkerStyle::ShowPreview(int style)
{
  Image1->setPixmap(QPixmap::fromImage(MarkerPicture(style, kPreviewSide, kPreviewFontSize)));
}

std::vector<TSeries*> TfmMarkerStyle::Others() const
{
  std::vector<TSeries*> others;
  if (SeriesList.size() < 2)
    return others;
  for (TSeries* s : SeriesList)
    if (s && s != Series)
      others.push_back(s);
  return others;
}

void TfmMarkerStyle::RepaintSeries() { Series->Graph->Paint(); }

void TfmMarkerStyle::MarkersClick()
{
  const int i = Markers->currentRow();
  if (Filling || i < 0)
    return;
  ShowPreview(i);
  if (!Series) {
    Style = i;
    return;
  }
  Series->SetMarkerStyle(i);
  for (TSeries* other : Others())
    other->SetMarkerStyle(Series->MarkerStyle);
  RepaintSeries();
}

void TfmMarkerStyle::edSizeChange()
{
  if (Filling)
    return;
  sizeValidate_->FilterInput();
  if (!sizeValidate_->CheckSilent())
    return;
  const int value = sizeValidate_->GetValue();
  if (!Series) {
    Size = value;
    return;
  }
  Series->SetMarkerSize(value);
  for (TSeries* other : Others())
    other->SetMarkerSize(value);
  RepaintSeries();
}

void TfmMarkerStyle::btPenColorClick()
{
  if (Filling)
    return;
  ColorDialog1.Color = Series ? Series->MarkerColor2 : PenColor;
  if (!ColorDialog1.Execute())
    return;
  if (!Series) {
    PenColor = ColorDialog1.Color;
    return;
  }
  Series->SetMarkerColor2(ColorDialog1.Color);
  RepaintSeries();
}

void TfmMarkerStyle::btFillColorClick()
{
  if (Filling)
    return;
  ColorDialog1.Color = Series ? Series->MarkerColor : FillColor;
  if (!ColorDialog1.Execute())
    return;
  if (!Series) {
    FillColor = ColorDialog1.Color;
    return;
  }
  Series->SetMarkerColor(ColorDialog1.Color);
  RepaintSeries();
}

}  // namespace plotui
