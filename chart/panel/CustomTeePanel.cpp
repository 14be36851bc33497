#include "chart/panel/CustomTeePanel.h"

#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"
#include "chart/support/TextLines.h"
#include "platform/Bitmap.h"
#include "platform/CanvasEdge.h"
#include "platform/CanvasRounding.h"

#include <algorithm>

namespace chart {

using platform::MulDiv;

TCustomTeePanel::TCustomTeePanel(QWidget* parent)
    : platform::CustomControl(parent), ownCanvas_(std::make_unique<platform::TBitmap>(1, 1))
{
  resize(400, 250);
  view3DOptions_ = std::make_unique<TView3DOptions>([this] { Invalidate(); });
  canvas_ = std::make_unique<TTeeCanvas3D>();
  canvas_->SetTargetCanvas(ownCanvas_->Canvas());
  originalCursor_ = CursorNumber();
  zoom_ = std::make_unique<TZoomPanningRecord>();
  panning_ = std::make_unique<TZoomPanningRecord>();
  SetColor(platform::clBtnFace);
  ready_ = true;
}

TCustomTeePanel::~TCustomTeePanel() = default;

void TCustomTeePanel::SetView3D(bool value)
{
  if (view3D_ == value)
    return;
  view3D_ = value;
  Invalidate();
}

void TCustomTeePanel::SetChart3DPercent(int value)
{
  constexpr int kMin = 1;
  constexpr int kMax = 100;
  if (value < kMin || value > kMax)
    throw ChartException(FormatMessage(msg::Chart3DPercent, {kMin, kMax}));
  if (chart3DPercent_ == value)
    return;
  chart3DPercent_ = value;
  Invalidate();
}

void TCustomTeePanel::SetMargin(int index, int value)
{
  if (margins_[index] == value)
    return;
  margins_[index] = value;
  Invalidate();
}

void TCustomTeePanel::SetMonochrome(bool value) { canvas_->SetMonochromeFlag(value); }

void TCustomTeePanel::SetColor(TColor color)
{
  if (Color() == color)
    return;
  CustomControl::SetColor(color);
  Invalidate();
}

void TCustomTeePanel::SetBevelInner(TPanelBevel value)
{
  if (bevelInner_ != value) {
    bevelInner_ = value;
    Invalidate();
  }
}

void TCustomTeePanel::SetBevelOuter(TPanelBevel value)
{
  if (bevelOuter_ != value) {
    bevelOuter_ = value;
    Invalidate();
  }
}

void TCustomTeePanel::SetBevelWidth(int value)
{
  if (bevelWidth_ != value) {
    bevelWidth_ = value;
    Invalidate();
  }
}

void TCustomTeePanel::SetBorderWidth(int value)
{
  if (borderWidth_ != value) {
    borderWidth_ = value;
    Invalidate();
  }
}

void TCustomTeePanel::Assign(const TCustomTeePanel& source)
{
  canvas_->SetBuffered(source.canvas_->IsBuffered());
  printProportional_ = source.printProportional_;
  printResolution_ = source.printResolution_;
  std::copy(std::begin(source.margins_), std::end(source.margins_), std::begin(margins_));
  SetMonochrome(source.Monochrome());
  view3D_ = source.view3D_;
  view3DOptions_->Assign(*source.view3DOptions_);
  chart3DPercent_ = source.chart3DPercent_;
  CustomControl::SetColor(source.Color());
  Invalidate();
}

void TCustomTeePanel::Loaded() { originalCursor_ = CursorNumber(); }

void TCustomTeePanel::Invalidate()
{
  ++revision_;
  if (!ready_)
    return;
  canvas_->MarkDirty();
  CustomControl::Invalidate();
}

void TCustomTeePanel::CanvasChanged() { Invalidate(); }

void TCustomTeePanel::Resized() { Invalidate(); }

TRect TCustomTeePanel::GetRectangle() const { return {0, 0, ClientWidth(), ClientHeight()}; }

void TCustomTeePanel::Draw(platform::TCanvas& dest, const TRect& userRect)
{
  const TRect r = canvas_->BeginDrawing(dest, view3DOptions_.get(), Color(), view3D_, userRect);
  chartBounds_ = r;
  const int w = r.Width();
  const int h = r.Height();
  chartRect_ = {r.Left + MulDiv(MarginLeft(), w, 100) + borderWidth_,
                r.Top + MulDiv(MarginTop(), h, 100) + borderWidth_,
                r.Right - borderWidth_ - MulDiv(MarginRight(), w, 100),
                r.Bottom - borderWidth_ - MulDiv(MarginBottom(), h, 100)};
  RecalcWidthHeight();
  try {
    InternalDraw(chartBounds_);
  } catch (...) {
    // The destination may not outlive the failure: the canvas rests on the control's own again.
    canvas_->SetTargetCanvas(ownCanvas_->Canvas());
    throw;
  }
  canvas_->EndDrawing(dest, ownCanvas_->Canvas(), userRect);
}

void TCustomTeePanel::RecalcWidthHeight()
{
  chartRect_.Left = std::max(chartRect_.Left, chartBounds_.Left);
  chartRect_.Top = std::max(chartRect_.Top, chartBounds_.Top);
  if (chartRect_.Right < chartRect_.Left)
    chartRect_.Right = chartRect_.Left + 1;
  else if (chartRect_.Right == chartRect_.Left)
    chartRect_.Right = chartRect_.Left + width();
  if (chartRect_.Bottom < chartRect_.Top)
    chartRect_.Bottom = chartRect_.Top + 1;
  else if (chartRect_.Bottom == chartRect_.Top)
    chartRect_.Bottom = chartRect_.Top + height();
  chartWidth_ = chartRect_.Width();
  chartHeight_ = chartRect_.Height();
  chartXCenter_ = (chartRect_.Left + chartRect_.Right) / 2;
  chartYCenter_ = (chartRect_.Top + chartRect_.Bottom) / 2;
}

void TCustomTeePanel::Paint(platform::TCanvas& canvas)
{
  if (printing_)
    return;
  canvas_->SetTargetCanvas(canvas);
  if (canvas_->RepaintFromBuffer()) {
    canvas_->SetTargetCanvas(ownCanvas_->Canvas());
    return;
  }
  Draw(canvas, GetRectangle());
}

// A buffered chart hands its buffer to the screen as it stands; a picture is drawn only after an
// invalidation or a size change.
const QImage* TCustomTeePanel::FinishedPicture()
{
  if (!canvas_->IsBuffered())
    return nullptr;
  const platform::TBitmap* buffer = canvas_->Buffer();
  if (printing_)
    return buffer ? &buffer->Image() : nullptr;
  const TRect client = GetRectangle();
  if (canvas_->IsDirty() || !buffer || buffer->Width() != client.Width() || buffer->Height() != client.Height()) {
    try {
      Draw(ownCanvas_->Canvas(), client);
    } catch (...) {
      return nullptr;  // Paint draws again and shows the error
    }
    buffer = canvas_->Buffer();
  }
  return buffer ? &buffer->Image() : nullptr;
}

void TCustomTeePanel::MouseLeave()
{
  SetCursorNumber(originalCursor_);
  panning_->Active = false;
}

void TCustomTeePanel::DrawPanelBevels(const TRect& rect)
{
  platform::TCanvas& canvas = canvas_->ReferenceCanvas();
  TRect r = rect;
  const auto bevel = [&](TPanelBevel kind) {
    if (kind == TPanelBevel::bvNone)
      return;
    TColor top = platform::clBtnHighlight;
    TColor bottom = platform::clBtnHighlight;
    if (kind == TPanelBevel::bvLowered)
      top = platform::clBtnShadow;
    else if (kind == TPanelBevel::bvRaised)
      bottom = platform::clBtnShadow;
    platform::Frame3D(canvas, r, top, bottom, bevelWidth_);
  };
  bevel(bevelOuter_);
  if (borderWidth_ > 0)
    platform::Frame3D(canvas, r, Color(), Color(), borderWidth_);
  bevel(bevelInner_);
}

void TCustomTeePanel::AssignFont(platform::TFont& font)
{
  font.SetPixelsPerInch(canvas_->Font().PixelsPerInch());
  canvas_->Font().Assign(font);
}

void TCustomTeePanel::SetBrushCanvas(TColor color, platform::TBrushStyle style, TColor backColor)
{
  const bool solid = style == platform::TBrushStyle::bsSolid;
  if (!solid && color == backColor)
    color = backColor == platform::clBlack ? platform::clWhite : platform::clBlack;
  canvas_->Brush().SetColor(color);
  canvas_->Brush().SetStyle(style);
  if (solid) {
    canvas_->SetBackgroundMode(platform::TBkMode::bmTransparent);
    return;
  }
  canvas_->SetBackgroundMode(platform::TBkMode::bmOpaque);
  canvas_->SetBackgroundColor(platform::ColorToRGB(backColor));
}

int TCustomTeePanel::MultiLineTextWidth(const QString& text, int& numLines) const
{
  if (!text.contains(QChar(kLineSeparator))) {
    numLines = 1;
    return canvas_->TextWidthOf(text);
  }
  const QStringList lines = text.split(QChar(kLineSeparator));
  numLines = CountTextLines(text);
  int widest = 0;
  for (const QString& line : lines)
    widest = std::max(widest, canvas_->TextWidthOf(line));
  return widest;
}

void TCustomTeePanel::DrawZoomRectangle()
{
  TColor color = platform::ColorToRGB(Color());
  if (color == platform::clWhite)
    color = platform::clBlack;
  platform::TPen& pen = canvas_->Pen();
  pen.SetColor(color);
  pen.SetMode(platform::TPenMode::pmNotXor);
  pen.SetStyle(platform::TPenStyle::psSolid);
  pen.SetWidth(1);
  canvas_->Brush().SetStyle(platform::TBrushStyle::bsClear);
  canvas_->DrawRectangle(zoom_->X0, zoom_->Y0, zoom_->X1, zoom_->Y1);
}

bool TCustomTeePanel::DrawOnShownPicture(const std::function<void()>& draw)
{
  platform::TBitmap* buffer = canvas_->Buffer();
  const TRect client = GetRectangle();
  if (!canvas_->IsBuffered() || canvas_->IsDirty() || printing_ || buffer == nullptr ||
      buffer->Width() != client.Width() || buffer->Height() != client.Height())
    return false;
  canvas_->SetTargetCanvas(buffer->Canvas());
  try {
    draw();
  } catch (...) {
    canvas_->SetTargetCanvas(ownCanvas_->Canvas());
    throw;
  }
  canvas_->SetTargetCanvas(ownCanvas_->Canvas());
  CustomControl::Invalidate();
  return true;
}

void TCustomTeePanel::CheckPenWidth(platform::TPen& pen) const
{
  if (printing_ && pen.Width() == 1 && pen.Style() != platform::TPenStyle::psSolid)
    pen.SetWidth(0);
}

bool TCustomTeePanel::CanClip() const
{
  if (printing_ && !ClipWhenPrinting)
    return false;
  return !(canvas_->Metafiling() && !ClipWhenMetafiling);
}

bool TCustomTeePanel::IsScreenHighColor() const
{
  const platform::TCanvas& device = canvas_->ReferenceCanvas();
  return device.DeviceCaps(platform::TDeviceCap::BitsPixel) * device.DeviceCaps(platform::TDeviceCap::Planes) > 14;
}

}  // namespace chart
