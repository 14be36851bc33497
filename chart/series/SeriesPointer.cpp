#include "chart/series/SeriesPointer.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartSeries.h"
#include "chart/model/SeriesChart.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"

#include <algorithm>
#include <climits>

namespace chart {
namespace {

// size + 1 without passing the integer range.
int HalfSymbolMargin(int size) { return size == INT_MAX ? INT_MAX : size + 1; }

}  // namespace

TSeriesPointer::TSeriesPointer(TChartSeries& owner)
    : owner_(owner), pen_(owner.CreateChartPen()), brush_([&owner] { owner.Repaint(); })
{
}

TSeriesPointer::~TSeriesPointer() = default;

void TSeriesPointer::SetVisible(bool on) { owner_.SetBooleanProperty(visible_, on); }

void TSeriesPointer::SetStyle(TSeriesPointerStyle style)
{
  if (style_ == style) return;
  style_ = style;
  owner_.Repaint();
}

void TSeriesPointer::SetSize(int& field, int size)
{
  if (size < 1) throw ChartException(msg::PointerSize);
  owner_.SetIntegerProperty(field, size);
}

void TSeriesPointer::SetHorizSize(int size) { SetSize(horizSize_, size); }

void TSeriesPointer::SetVertSize(int size) { SetSize(vertSize_, size); }

void TSeriesPointer::SetInflateMargins(bool on) { owner_.SetBooleanProperty(inflateMargins_, on); }

void TSeriesPointer::SetDark3D(bool on) { owner_.SetBooleanProperty(dark3D_, on); }

void TSeriesPointer::SetDraw3D(bool on) { owner_.SetBooleanProperty(draw3D_, on); }

void TSeriesPointer::SetPen(const TChartPen& pen) { pen_->Assign(pen); }

void TSeriesPointer::SetBrush(const platform::TBrush& brush) { brush_.Assign(brush); }

void TSeriesPointer::PrepareCanvas(TColor color) const
{
  TSeriesChart* chart = owner_.ParentChart();
  if (chart == nullptr) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  canvas.ApplyChartPen(*pen_);
  if (pen_->Visible() && pen_->Color() == platform::clDefault) canvas.Pen().SetColor(color);
  platform::TBrushData brush = brush_.Data();
  // The brush's own style stays: a pointer without fill takes the colour for its pattern only.
  if (brush.Color == platform::clDefault) brush.Color = color;
  canvas.Brush().SetData(brush);
}

void TSeriesPointer::Draw(int x, int y, TColor color, TSeriesPointerStyle style) const
{
  const TSeriesChart* chart = owner_.ParentChart();
  if (chart == nullptr) return;
  DrawSymbol(chart->View3D(), x, y, horizSize_, vertSize_, color, style);
}

void TSeriesPointer::DrawLegendSymbol(TColor color, const platform::TRect& rect, bool withLine) const
{
  if (owner_.ParentChart() == nullptr) return;
  PrepareCanvas(color);
  const int width = rect.Width();
  const int height = rect.Height();
  const int w = withLine ? width / 3 : width / 2 + 1;
  const int h = withLine ? height / 3 : height / 2 + 1;
  const int x = int((static_cast<long long>(rect.Left) + rect.Right) / 2);
  const int y = int((static_cast<long long>(rect.Top) + rect.Bottom) / 2);
  DrawSymbol(false, x, y, std::min(horizSize_, w), std::min(vertSize_, h), color, style_);
}

void TSeriesPointer::CalcHorizMargins(int& left, int& right) const
{
  if (!visible_ || !inflateMargins_) return;
  left = std::max(left, HalfSymbolMargin(horizSize_));
  right = std::max(right, HalfSymbolMargin(horizSize_));
}

void TSeriesPointer::CalcVerticalMargins(int& top, int& bottom) const
{
  if (!visible_ || !inflateMargins_) return;
  top = std::max(top, HalfSymbolMargin(vertSize_));
  bottom = std::max(bottom, HalfSymbolMargin(vertSize_));
}

void TSeriesPointer::Assign(const TSeriesPointer& source)
{
  if (&source == this) return;
  brush_.Assign(source.brush_);
  dark3D_ = source.dark3D_;
  draw3D_ = source.draw3D_;
  horizSize_ = source.horizSize_;
  inflateMargins_ = source.inflateMargins_;
  pen_->Assign(*source.pen_);
  style_ = source.style_;
  vertSize_ = source.vertSize_;
  visible_ = source.visible_;
  owner_.Repaint();
}

}  // namespace chart
