#include "chart/canvas/TeeCanvas3D.h"

#include "chart/canvas/View3DOptions.h"
#include "platform/Bitmap.h"

namespace chart {

TTeeCanvas3D::TTeeCanvas3D() = default;
TTeeCanvas3D::~TTeeCanvas3D() = default;

TColor TTeeCanvas3D::GetBackgroundColor() const { return target_->BkColor(); }
platform::TBkMode TTeeCanvas3D::GetBackgroundMode() const { return target_->BkMode(); }
unsigned TTeeCanvas3D::GetTextAlignment() const { return target_->TextAlign(); }
void TTeeCanvas3D::SetBackgroundColor(TColor color) { target_->SetBkColor(color); }
void TTeeCanvas3D::SetBackgroundMode(platform::TBkMode mode) { target_->SetBkMode(mode); }
void TTeeCanvas3D::SetTextAlignment(unsigned flags) { target_->SetTextAlign(flags); }

void TTeeCanvas3D::SetMonochromeFlag(bool on)
{
  if (on == monochrome_)
    return;
  monochrome_ = on;
  buffer_.reset();
  dirty_ = true;
  if (options_ && options_->Invalidate)
    options_->Invalidate();
}

void TTeeCanvas3D::SetBuffered(bool on)
{
  buffered_ = on;
  if (!on && buffer_) {
    buffer_.reset();
    dirty_ = true;
  }
}

TRect TTeeCanvas3D::BeginDrawing(platform::TCanvas& dest, const TView3DOptions* options, TColor /*backColor*/,
                                 bool is3D, const TRect& userRect)
{
  bounds_ = userRect;
  options_ = options;
  projection_.Begin(is3D ? options : nullptr, is3D);
  orthogonal_ = projection_.Orthogonal();
  zoomText_ = is3D && options ? options->ZoomText() : zoomText_;
  if (!buffered_) {
    target_ = &dest;
    return userRect;
  }
  const int width = std::max(0, userRect.Width());
  const int height = std::max(0, userRect.Height());
  if (buffer_ && (buffer_->Width() != width || buffer_->Height() != height))
    buffer_.reset();
  if (!buffer_) {
    buffer_ = std::make_unique<platform::TBitmap>(width, height);
    buffer_->SetMonochrome(monochrome_);
  }
  target_ = &buffer_->Canvas();
  return {0, 0, width, height};
}

void TTeeCanvas3D::SetProjection(int maxDepth, const TRect& /*bounds*/, const TRect& rect)
{
  projection_.SetProjection(options_, maxDepth, rect);
}

void TTeeCanvas3D::EndDrawing(platform::TCanvas& dest, platform::TCanvas& defaultCanvas, const TRect& userRect)
{
  if (buffered_ && buffer_) {
    dest.Draw(userRect.Left, userRect.Top, *buffer_);
    dirty_ = false;
  }
  target_ = &defaultCanvas;
}

bool TTeeCanvas3D::RepaintFromBuffer()
{
  if (dirty_ || !buffer_)
    return false;
  target_->Draw(0, 0, *buffer_);
  return true;
}

void TTeeCanvas3D::PutPixel(int x, int y, TColor color) { target_->SetPixel(x, y, color); }
void TTeeCanvas3D::DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
  target_->Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}
void TTeeCanvas3D::DrawGraphic(int x, int y, const platform::TGraphic& graphic) { target_->Draw(x, y, graphic); }
void TTeeCanvas3D::DrawEllipse(int x1, int y1, int x2, int y2) { target_->Ellipse(x1, y1, x2, y2); }
void TTeeCanvas3D::FillRectangle(const TRect& r) { target_->FillRect(r); }
void TTeeCanvas3D::LineToPoint(int x, int y) { target_->LineTo(x, y); }
void TTeeCanvas3D::MoveToPoint(int x, int y) { target_->MoveTo(x, y); }
void TTeeCanvas3D::DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
  target_->Pie(x1, y1, x2, y2, x3, y3, x4, y4);
}
void TTeeCanvas3D::DrawRectangle(int x0, int y0, int x1, int y1) { target_->Rectangle(x0, y0, x1, y1); }
void TTeeCanvas3D::DrawRoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
  target_->RoundRect(x1, y1, x2, y2, x3, y3);
}
void TTeeCanvas3D::StretchGraphic(const TRect& r, const platform::TGraphic& graphic) { target_->StretchDraw(r, graphic); }
void TTeeCanvas3D::WriteText(int x, int y, const QString& text) { target_->TextOut(x, y, text); }
void TTeeCanvas3D::ClipToRectangle(const TRect& r) { target_->SetClipRect(r); }
void TTeeCanvas3D::HorizontalLine(int x0, int x1, int y)
{
  target_->MoveTo(x0, y);
  target_->LineTo(x1, y);
}
void TTeeCanvas3D::DrawRect(const TRect& r) { target_->Rectangle(r); }
void TTeeCanvas3D::VerticalLine(int x, int y0, int y1)
{
  target_->MoveTo(x, y0);
  target_->LineTo(x, y1);
}
void TTeeCanvas3D::EraseRectangle(const TRect& r) { target_->FillRect(r); }
void TTeeCanvas3D::DrawLine(int x0, int y0, int x1, int y1)
{
  target_->MoveTo(x0, y0);
  target_->LineTo(x1, y1);
}
void TTeeCanvas3D::DrawPolygon(std::span<const TPoint> points) { target_->Polygon(points); }
void TTeeCanvas3D::RemoveClipping() { target_->RemoveClipping(); }

void TTeeCanvas3D::DrawFrame3D(TRect r, TColor topColor, TColor bottomColor, int width)
{
  platform::TPen& pen = target_->Pen();
  pen.SetWidth(1);
  --r.Right;
  --r.Bottom;
  for (int i = 0; i < width; ++i) {
    pen.SetColor(topColor);
    const TPoint topLeft[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
    target_->Polyline(topLeft);
    pen.SetColor(bottomColor);
    const TPoint bottomRight[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}};
    target_->Polyline(bottomRight);
    ++r.Left;
    ++r.Top;
    --r.Right;
    --r.Bottom;
  }
}

}  // namespace chart
