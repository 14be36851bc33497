// An axis' room beside the plot (title, labels, ticks), its places across the plot, drawing at
// given places, and the hit test.

#include "chart/model/ChartAxis.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ParentChart.h"
#include "platform/CanvasRounding.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace chart {

namespace {
// Runs its action when the scope ends, however it ends.
class TOnScopeExit {
public:
  explicit TOnScopeExit(std::function<void()> action) : action_(std::move(action)) {}
  ~TOnScopeExit() { action_(); }
  TOnScopeExit(const TOnScopeExit&) = delete;
  TOnScopeExit& operator=(const TOnScopeExit&) = delete;

private:
  std::function<void()> action_;
};

bool IsParallel(bool horizontal, int angle)
{
  return horizontal ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

int AddClamped(int pixel, long long by) { return platform::ClampCoord(static_cast<long long>(pixel) + by); }
}  // namespace

TAxisSide TCustomChartAxis::Side() const
{
  if (isDepth_)
    return TAxisSide::Depth;
  if (horizontal_)
    return otherSide_ ? TAxisSide::Top : TAxisSide::Bottom;
  return otherSide_ ? TAxisSide::Right : TAxisSide::Left;
}

int TCustomChartAxis::Outward(int pixel, int by) const
{
  const TAxisSide side = Side();
  const bool down = side == TAxisSide::Bottom || side == TAxisSide::Right || side == TAxisSide::Depth;
  return AddClamped(pixel, down ? static_cast<long long>(by) : -static_cast<long long>(by));
}

int TCustomChartAxis::PositionShift() const
{
  if (positionPercent_ == 0 || chart_ == nullptr)
    return 0;
  const platform::TRect plot = chart_->ChartRect();
  const double across = horizontal_ ? plot.Height() : plot.Width();
  const int d = platform::SafeRound(positionPercent_ * 0.01 * across);
  return Outward(0, -d);  // into the plot
}

int TCustomChartAxis::PlotEdge(const platform::TRect& rect) const
{
  switch (Side()) {
  case TAxisSide::Bottom:
    return rect.Bottom;
  case TAxisSide::Top:
    return rect.Top;
  case TAxisSide::Left:
    return rect.Left;
  case TAxisSide::Right:
  case TAxisSide::Depth:
    break;
  }
  return rect.Right;
}

int TCustomChartAxis::SizeTickAxis() const
{
  int size = axisPen_.Visible() ? axisPen_.Width() : 0;
  if (ticks_.Visible())
    size += tickLength_;
  if (minorTicks_.Visible())
    size = std::max(size, minorTickLength_);
  return size;
}

int TCustomChartAxis::SizeLabels()
{
  if (labelsSize_ != 0)
    return labelsSize_;
  const TTeeCanvas* canvas = MeasuringCanvas();
  if (canvas == nullptr)
    return 0;
  return IsParallel(horizontal_, labelsAngle_) ? canvas->FontHeight() : MaxLabelsWidth();
}

int TCustomChartAxis::SizeTitle()
{
  if (titleSize_ != 0)
    return titleSize_;
  if (chart_ == nullptr)
    return 0;
  TTeeCanvas& canvas = chart_->Canvas();
  canvas.AssignFont(title_.Font());
  return IsParallel(horizontal_, title_.Angle()) ? canvas.FontHeight() : canvas.TextWidthOf(title_.Caption());
}

void TCustomChartAxis::CalcRect(platform::TRect& rect, bool inflateChartRect)
{
  if (!inflateChartRect) {
    axisPixel_ = AddClamped(PlotEdge(rect), PositionShift());
    labelsPixel_ = Outward(axisPixel_, SizeTickAxis());
    titlePixel_ = Outward(labelsPixel_, SizeLabels());
    return;
  }
  if (isDepth_) {
    titlePixel_ = rect.Right;
    return;
  }
  int* edge = nullptr;
  switch (Side()) {
  case TAxisSide::Bottom:
    edge = &rect.Bottom;
    break;
  case TAxisSide::Top:
    edge = &rect.Top;
    break;
  case TAxisSide::Left:
    edge = &rect.Left;
    break;
  case TAxisSide::Right:
  case TAxisSide::Depth:
    edge = &rect.Right;
    break;
  }
  if (!title_.Caption().isEmpty()) {
    *edge = Outward(*edge, -SizeTitle());
    titlePixel_ = *edge;
  }
  if (labels_) {
    *edge = Outward(*edge, -SizeLabels());
    labelsPixel_ = *edge;
  }
  const int tickRoom = SizeTickAxis() + (chart_ != nullptr ? chart_->AxisWallSize(*this) : 0);
  if (tickRoom > 0)
    *edge = Outward(*edge, -tickRoom);
  const int shift = PositionShift();
  titlePixel_ = AddClamped(titlePixel_, shift);
  labelsPixel_ = AddClamped(labelsPixel_, shift);
}

bool TCustomChartAxis::IsPointOnAxis(int x, int y) const
{
  if (chart_ == nullptr || !chart_->IsAxisVisible(*this))
    return false;
  const int along = horizontal_ ? x : y;
  const int across = horizontal_ ? y : x;
  if (along < std::min(startPixel_, endPixel_) || along >= std::max(startPixel_, endPixel_))
    return false;
  if (labelsPixel_ < axisPixel_)
    return across >= labelsPixel_ && across < AddClamped(axisPixel_, 3);
  return across >= AddClamped(axisPixel_, -3) && across < labelsPixel_;
}

void TCustomChartAxis::CustomDraw(int posLabels, int posTitle, int posAxis, bool gridVisible, int startPos,
                                  int endPos)
{
  labelsPixel_ = posLabels;
  titlePixel_ = posTitle;
  axisPixel_ = posAxis;
  SetPixelRange(startPos, endPos);
  // The grid's switch is no change of the chart: no repaint.
  std::function<void()> onChange = std::move(grid_.OnChange);
  grid_.OnChange = nullptr;
  const bool wasVisible = grid_.Visible();
  grid_.SetVisible(gridVisible);
  const TOnScopeExit restore([&] {
    grid_.SetVisible(wasVisible);
    grid_.OnChange = std::move(onChange);
  });
  Draw(false);
}

void TCustomChartAxis::CustomDrawMinMax(int posLabels, int posTitle, int posAxis, bool gridVisible, double minimum,
                                        double maximum, double increment, int startPos, int endPos)
{
  const double oldMinimum = minimum_;
  const double oldMaximum = maximum_;
  const double oldIncrement = increment_;
  const bool oldAutomatic = automatic_;
  const TOnScopeExit restore([&] {
    minimum_ = oldMinimum;
    maximum_ = oldMaximum;
    increment_ = oldIncrement;
    automatic_ = oldAutomatic;
    SetRange(minimum_, maximum_);
  });
  automatic_ = false;
  minimum_ = minimum;
  maximum_ = maximum;
  increment_ = increment;
  SetRange(minimum, maximum);
  CustomDraw(posLabels, posTitle, posAxis, gridVisible, startPos, endPos);
}

}  // namespace chart
