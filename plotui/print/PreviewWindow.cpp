#include "plotui/print/PreviewWindow.h"

#include "plotui/PlotCursors.h"
#include "plotui/print/PreviewImage.h"
#include "plotui/print/PrintDialog.h"
#include "plotui/print/PrintPage.h"

#include "plot/graph/Graph.h"

#include "platform/Canvas.h"
#include "platform/CanvasRounding.h"
#include "platform/ExceptionBoundary.h"
#include "platform/HourglassCursor.h"
#include "platform/Printer.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace plotui {

namespace {

constexpr platform::TCursor kAreaCursor = 101;
constexpr platform::TColor kLineGrey = 8421504;
constexpr int kPictureTop = 5;

// Gives the graph its own picture back however the preview ends.
class TBorrowedImage {
public:
  TBorrowedImage(plot::TGraph& graph, plot::TGraphImage& image) : graph_(graph), own_(graph.Image)
  {
    graph_.Image = &image;
    graph_.Canvas = &image.Canvas();
  }
  ~TBorrowedImage()
  {
    graph_.Image = own_;
    graph_.Canvas = &own_->Canvas();
  }
  TBorrowedImage(const TBorrowedImage&) = delete;
  TBorrowedImage& operator=(const TBorrowedImage&) = delete;

private:
  plot::TGraph& graph_;
  plot::TGraphImage* own_;
};

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

TPreView::TPreView(TPrintDlg& dialog, QWidget* owner) : Form(owner), dialog_(dialog)
{
  setObjectName(QStringLiteral("PreView"));
  setWindowTitle(QStringLiteral("Print Preview"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* top = new QWidget(this);
  top->setFixedHeight(31);
  auto* row = new QHBoxLayout(top);
  row->setContentsMargins(4, 2, 4, 2);
  btnMargins = Button(top, "btnMargins", QStringLiteral("Printer &Setup"));
  btnPrint = Button(top, "btnPrint", QStringLiteral("&Print"));
  btnClose = Button(top, "btnClose", QStringLiteral("E&xit"));
  btnHelp = Button(top, "btnHelp", QStringLiteral("&Help"));
  for (QPushButton* b : {btnMargins, btnPrint, btnClose, btnHelp})
    row->addWidget(b);
  row->addStretch(1);
  column->addWidget(top);
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("pnClient"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  pnClient = panel;
  column->addWidget(panel, 1);
  Image1 = new TPreviewImage(panel);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->OnMouseDown = [this](platform::TMouseButton, platform::TShiftState, int x, int y) { Image1MouseDown(x, y); };
  Image1->OnMouseMove = [this](platform::TShiftState, int x, int y) { Image1MouseMove(x, y); };
  Image1->OnMouseUp = [this](platform::TMouseButton, platform::TShiftState, int x, int y) { Image1MouseUp(x, y); };

  connect(btnMargins, &QPushButton::clicked, this, [this] { platform::Guard([this] { btnMarginsClick(); }); });
  connect(btnPrint, &QPushButton::clicked, this, [this] { platform::Guard([this] { btnPrintClick(); }); });
  BindModalButton(btnClose, platform::mrCancel);
  SetCancelButton(btnClose);
  RegisterPlotCursors();
}

TPreView::~TPreView() = default;

bool TPreView::Execute(plot::TGraph& graph)
{
  dialog_.DefaultMargins(QStringLiteral("Read"));
  graph_ = &graph;
  const TBorrowedImage borrowed(graph, *Image1);
  setWindowState(windowState() | Qt::WindowMaximized);
  const bool printed = ShowModal() == platform::mrOk;
  graph_ = nullptr;
  return printed;
}

void TPreView::BeginScripted()
{
  Form::BeginScripted();
  showMaximized();
}

void TPreView::showEvent(QShowEvent* event)
{
  Form::showEvent(event);
  platform::Guard([this] { FormActivate(); });
}

void TPreView::resizeEvent(QResizeEvent* event)
{
  Form::resizeEvent(event);
  // The page follows the window, as when it is maximized after showing.
  if (isVisible() && !lines_.Dragging())
    platform::Guard([this] { FormActivate(); });
}

void TPreView::FormActivate()
{
  if (!graph_)
    return;
  LayoutPage();
  DrawPage();
  update();
}

double TPreView::PixelsPerMm() const { return scale_ * DotsPerMm(platform::Printer().Resolution()); }

void TPreView::LayoutPage()
{
  const platform::TPrinter& printer = platform::Printer();
  const QRect client = pnClient->contentsRect();
  const double cw = std::max(client.width(), 1);
  const double ch = std::max(client.height(), 1);
  const double ratio = std::max(printer.PageWidth() / cw, printer.PageHeight() / ch) * 1.07;
  scale_ = 1 / ratio;
  const int w = platform::SafeRound(printer.PageWidth() / ratio);
  const int h = platform::SafeRound(printer.PageHeight() / ratio);
  Image1->setGeometry(client.left() + (client.width() - w) / 2, client.top() + kPictureTop, w, h);
  Image1->NewPicture(w, h);
}

void TPreView::DrawPage()
{
  if (!graph_)
    return;
  const platform::HourglassCursor hourglass;
  const TPageLayout page = DrawPreviewPage(*graph_, Image1->Canvas(), Image1->Width(), Image1->Height(),
                                           platform::Printer(), scale_, dialog_.PrintMargins, dialog_.PageContent());
  pageArea_ = page.Area;
  lines_.Place(page.Area);
}

void TPreView::DrawLine(TMarginLine line)
{
  platform::TCanvas& canvas = Image1->Canvas();
  platform::TPen& pen = canvas.Pen();
  const platform::TColor color = pen.Color();
  const platform::TPenMode mode = pen.Mode();
  pen.SetColor(kLineGrey);
  pen.SetMode(platform::TPenMode::pmNotXor);
  pen.SetWidth(1);
  pen.SetStyle(platform::TPenStyle::psSolid);
  const int at = lines_.Position(line);
  if (lines_.Horizontal(line)) {
    canvas.MoveTo(0, at);
    canvas.LineTo(Image1->Width(), at);
  } else {
    canvas.MoveTo(at, 0);
    canvas.LineTo(at, Image1->Height());
  }
  pen.SetColor(color);
  pen.SetMode(mode);
}

void TPreView::DrawDraggingLines()
{
  for (int i = 0; i < 4; ++i)
    if (lines_.Dragging(TMarginLine(i)))
      DrawLine(TMarginLine(i));
}

void TPreView::Image1MouseDown(int x, int y)
{
  if (!graph_ || platform::Printer().Printing())
    return;
  if (lines_.Press(x, y))
    DrawDraggingLines();
}

void TPreView::Image1MouseMove(int x, int y)
{
  if (platform::Printer().Printing()) {
    Image1->SetCursor(platform::crHourGlass);
    return;
  }
  if (!lines_.Dragging()) {
    Image1->SetCursor(lines_.CursorAt(x, y, kAreaCursor));
    return;
  }
  // Only the moving lines are drawn again: each is erased where it was and drawn where it is.
  DrawDraggingLines();
  lines_.Move(x, y);
  DrawDraggingLines();
}

void TPreView::Image1MouseUp(int x, int y)
{
  if (!lines_.Dragging())
    return;
  TakeMargins(x, y);
}

void TPreView::TakeMargins(int x, int y)
{
  const platform::TPrinter& printer = platform::Printer();
  const float d = DotsPerMm(printer.Resolution());
  dialog_.PrintMargins = lines_.Release(x, y, dialog_.PrintMargins, PixelsPerMm(), printer.PageWidth() / d,
                                        printer.PageHeight() / d);
  DrawPage();
}

void TPreView::btnMarginsClick()
{
  dialog_.PrinterSetup();
  dialog_.DefaultMargins(QStringLiteral("Read"));
  LayoutPage();
  DrawPage();
  update();
}

void TPreView::btnPrintClick()
{
  bool printed = false;
  {
    const platform::HourglassCursor hourglass;
    dialog_.DefaultMargins(QStringLiteral("Write"));
    printed = dialog_.PrintGraph();
  }
  if (printed)
    SetModalResult(platform::mrOk);
}

}  // namespace plotui
