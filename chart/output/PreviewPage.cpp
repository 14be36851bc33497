#include "chart/output/PreviewPage.h"

#include "chart/panel/CustomTeePanel.h"
#include "chart/support/LibraryItems.h"
#include "platform/Bitmap.h"
#include "platform/ExceptionBoundary.h"
#include "platform/CanvasImage.h"
#include "platform/CanvasRounding.h"
#include "platform/HourglassCursor.h"
#include "platform/Metafile.h"
#include "platform/Printer.h"

namespace chart {

namespace {

// The panel draws as on paper while it lives.
class TPrintingScope {
public:
  explicit TPrintingScope(TCustomTeePanel& panel) : panel_(panel), was_(panel.IsPrinting()) { panel_.SetPrinting(true); }
  ~TPrintingScope() { panel_.SetPrinting(was_); }
  TPrintingScope(const TPrintingScope&) = delete;
  TPrintingScope& operator=(const TPrintingScope&) = delete;

private:
  TCustomTeePanel& panel_;
  bool was_;
};

// The panel's layout size on paper: its client less the print resolution in percent.
TRect LogicalPrintRect(const TCustomTeePanel& panel)
{
  const TRect client = panel.GetRectangle();
  const int resolution = panel.PrintResolution();
  return {0, 0, client.Width() - platform::MulDiv(client.Width(), resolution, 100),
          client.Height() - platform::MulDiv(client.Height(), resolution, 100)};
}

}  // namespace

TTeePreviewPage::TTeePreviewPage(QWidget* parent) : platform::CustomControl(parent)
{
  if (!platform::IsCursorRegistered(crTeeHand))
    RegisterTeeHandCursor();
  setMouseTracking(true);
}

TTeePreviewPage::~TTeePreviewPage() = default;

void TTeePreviewPage::SetAsBitmap(bool on)
{
  if (asBitmap_ == on)
    return;
  asBitmap_ = on;
  InvalidatePage();
}

void TTeePreviewPage::SetImage(TCustomTeePanel* panel)
{
  image_ = panel;
  picture_.reset();
  InvalidatePage();
}

void TTeePreviewPage::SetPaperColor(platform::TColor color)
{
  if (paperColor_ == color)
    return;
  paperColor_ = color;
  InvalidatePage();
}

void TTeePreviewPage::SetShowImage(bool on)
{
  if (showImage_ == on)
    return;
  showImage_ = on;
  InvalidatePage();
}

void TTeePreviewPage::SetShowMargins(bool on)
{
  showMargins_ = on;
  InvalidatePage();
}

void TTeePreviewPage::InvalidatePage()
{
  stale_ = true;
  Invalidate();
}

void TTeePreviewPage::Resized() { InvalidatePage(); }

TTeePreviewPage::TPictureKey TTeePreviewPage::CurrentKey() const
{
  TPictureKey key;
  const TRect logical = LogicalPrintRect(*image_);
  key.Revision = image_->Revision();
  key.Width = logical.Width();
  key.Height = logical.Height();
  key.Resolution = image_->PrintResolution();
  key.AsBitmap = asBitmap_;
  key.Paper = paperColor_;
  const platform::TPrinter& printer = platform::Printer();
  key.Printer = printer.PrinterName();
  key.PageWidth = printer.PageWidth();
  key.PageHeight = printer.PageHeight();
  return key;
}

std::unique_ptr<platform::TGraphic> TTeePreviewPage::MakePicture(bool asBitmap)
{
  const TRect logical = LogicalPrintRect(*image_);
  if (logical.IsEmpty())
    return nullptr;
  const TPrintingScope printing(*image_);
  if (asBitmap)
    return image_->CreateBitmap(paperColor_, logical);
  return image_->CreateMetafile(true, logical);
}

const platform::TGraphic* TTeePreviewPage::PagePicture()
{
  const TPictureKey key = CurrentKey();
  if (picture_ && key == pictureKey_)
    return picture_.get();
  picture_.reset();
  pictureKey_ = key;  // a chart that fails to draw is tried again at the next change, not at every paint
  picture_ = MakePicture(asBitmap_);
  return picture_.get();
}

bool TTeePreviewPage::InsidePaper(int x, int y) const
{
  return x >= paperRect_.Left && x <= paperRect_.Right && y >= paperRect_.Top && y <= paperRect_.Bottom;
}

// Everything goes into the page image: the background, the paper with its outline and shadow, the
// margin lines, then the chart.
void TTeePreviewPage::Compose()
{
  stale_ = false;
  const int width = std::max(ClientWidth(), 1);
  const int height = std::max(ClientHeight(), 1);
  if (page_.width() != width || page_.height() != height)
    page_ = QImage(width, height, QImage::Format_RGB32);
  platform::TImageCanvas canvas(page_);
  const platform::TPrinter& printer = platform::Printer();
  paperRect_ = PreviewPaperRect(printer.PageWidth(), printer.PageHeight(), width, height);
  chartRect_ = image_ ? PreviewChartRect(paperRect_, image_->PrintMargins()) : paperRect_;

  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect({0, 0, width, height});
  canvas.Pen().SetColor(platform::clBlack);
  canvas.Pen().SetWidth(1);
  canvas.Brush().SetColor(paperColor_);
  canvas.Rectangle(paperRect_);
  const TRect& p = paperRect_;
  canvas.Brush().SetColor(platform::clBlack);
  canvas.FillRect({p.Left + 5, p.Bottom, p.Right + 5, p.Bottom + 4});
  canvas.FillRect({p.Right, p.Top + 4, p.Right + 5, p.Bottom + 4});
  if (showMargins_)
    DrawLines(canvas);
  if (image_)
    DrawChart(canvas);
}

void TTeePreviewPage::DrawChart(platform::TCanvas& canvas)
{
  const TPrintingScope printing(*image_);
  struct TClipScope {
    platform::TCanvas& canvas;
    ~TClipScope() { canvas.RemoveClipping(); }
  } clip{canvas};
  canvas.SetClipRect(image_->CanClip() ? chartRect_ : paperRect_);
  if (!showImage_)
    return;
  if (const platform::TGraphic* picture = PagePicture())
    canvas.StretchDraw(chartRect_, *picture);
}

void TTeePreviewPage::DrawLines(platform::TCanvas& canvas) const
{
  platform::TPen& pen = canvas.Pen();
  pen.SetStyle(platform::TPenStyle::psDot);
  pen.SetWidth(1);
  pen.SetColor(paperColor_ == platform::clSilver || paperColor_ == platform::clGray ? platform::clWhite
                                                                                      : platform::clSilver);
  pen.SetMode(platform::TPenMode::pmNotXor);
  canvas.SetBkMode(platform::TBkMode::bmTransparent);
  const TRect& p = paperRect_;
  const TRect& c = chartRect_;
  for (int x : {c.Left - 1, c.Right + 1}) {
    canvas.MoveTo(x, p.Top);
    canvas.LineTo(x, p.Bottom);
  }
  for (int y : {c.Top - 1, c.Bottom + 1}) {
    canvas.MoveTo(p.Left, y);
    canvas.LineTo(p.Right, y);
  }
  pen.SetMode(platform::TPenMode::pmCopy);
  pen.SetStyle(platform::TPenStyle::psSolid);
}

void TTeePreviewPage::DrawMarginLines()
{
  if (!showMargins_ || stale_ || page_.isNull())
    return;
  {
    platform::TImageCanvas canvas(page_);
    DrawLines(canvas);
  }
  Invalidate();
}

const QImage* TTeePreviewPage::FinishedPicture()
{
  if (stale_ || page_.width() != std::max(ClientWidth(), 1) || page_.height() != std::max(ClientHeight(), 1) ||
      (image_ && showImage_ && !(CurrentKey() == pictureKey_)))
    platform::GuardDeferred([this] { Compose(); });
  return page_.isNull() ? nullptr : &page_;
}

void TTeePreviewPage::MouseDown(platform::TMouseButton, platform::TShiftState, int x, int y)
{
  drag_.Mode = PreviewHitTest(chartRect_, {x, y}, allowMove_, allowResize_);
  drag_.Start = {x, y};
  drag_.StartRect = chartRect_;
}

void TTeePreviewPage::MouseMove(platform::TShiftState, int x, int y)
{
  if (!InsidePaper(x, y))
    return;
  if (drag_.Mode == TPreviewDragMode::None) {
    SetCursorNumber(PreviewCursor(PreviewHitTest(chartRect_, {x, y}, allowMove_, allowResize_)));
    return;
  }
  if (!image_ || paperRect_.IsEmpty())
    return;
  const TRect next = PreviewDragTo(drag_, paperRect_, chartRect_, {x, y});
  if (next == chartRect_)
    return;
  if (!dragImage_)
    DrawMarginLines();  // off again
  chartRect_ = next;
  const TRect margins = PreviewMargins(paperRect_, chartRect_);
  image_->SetPrintMargins(margins);
  if (OnChangeMargins)
    OnChangeMargins(*this, true, margins);
  else if (dragImage_)
    InvalidatePage();
  else
    DrawMarginLines();
}

void TTeePreviewPage::MouseUp(platform::TMouseButton, platform::TShiftState, int, int)
{
  if (drag_.Mode == TPreviewDragMode::None)
    return;
  drag_ = {};
  InvalidatePage();
}

void TTeePreviewPage::Print()
{
  if (!image_)
    return;
  const platform::HourglassCursor hourglass;
  if (!asBitmap_) {
    image_->Print();
    return;
  }
  const TRect target = image_->ChartPrintRect();
  const std::unique_ptr<platform::TGraphic> bitmap = MakePicture(true);
  platform::TPrinter& printer = platform::Printer();
  printer.SetTitle(image_->objectName());
  printer.BeginDoc();
  try {
    if (bitmap)
      printer.Canvas().StretchDraw(target, *bitmap);
  } catch (...) {
    printer.Abort();
    if (printer.Printing())
      printer.EndDoc();
    throw;
  }
  printer.EndDoc();
}

}  // namespace chart
