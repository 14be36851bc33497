// Drawing an axis on the chart's 3-D canvas: title, ticks, grid, the labels of every style and
// the axis line.

#include "chart/model/ChartAxis.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ParentChart.h"
#include "chart/support/DateSteps.h"
#include "platform/CanvasRounding.h"

#include <cmath>
#include <optional>

namespace chart {

namespace {
constexpr double kMaxLabelValue = 2147483647.0;
constexpr double kMaxLabelSteps = 10000.0;
constexpr int kMaxPowerLabels = 1000;
constexpr int kMaxCustomLabelIndex = 1000;
constexpr double kCustomLabelSlack = 1e-7;
constexpr int kLastStepIndex = 24;
constexpr int kFirstDayStepIndex = 14;
constexpr platform::TColor kDefaultGridColor = 0x80000000;
}  // namespace

// One drawing of one axis: the step, the wall beside it and the last tick drawn.
class TAxisPainter {
public:
  TAxisPainter(TCustomChartAxis& axis, TParentChart& chart)
      : axis_(axis), chart_(chart), canvas_(chart.Canvas()), plot_(chart.ChartRect()), depth_(chart.Width3D()),
        side_(axis.Side())
  {
  }

  void Run(bool calcPosAxis);

private:
  void DrawTitle();
  void ValueLabels();
  void PowerLabels();
  void CustomLabels();
  void TextLabels(bool marks);
  void DepthLabels();
  void DrawValue(double value);
  void DrawTicksAndGrid(int p);
  void DrawTick(int p, int length, bool inward);
  void DrawGrid(int p);
  void WriteLabel(int p, const QString& text);
  int PosOf(double value) const;
  int FloorY() const { return plot_.Bottom + chart_.SideWallSize(false); }

  TCustomChartAxis& axis_;
  TParentChart& chart_;
  TTeeCanvas3D& canvas_;
  const platform::TRect plot_;
  const int depth_;
  const TAxisSide side_;
  int wallSize_ = 0;
  double step_ = 0;
  int stepIndex_ = kNoStepKind;
  std::optional<int> lastTick_;
};

void TAxisPainter::Run(bool calcPosAxis)
{
  axis_.UpdateIsDateTime();
  wallSize_ = chart_.AxisWallSize(axis_);
  canvas_.AssignFont(axis_.LabelsFont());
  step_ = axis_.CalcIncrement();
  if (calcPosAxis)
    axis_.axisPixel_ = platform::ClampCoord(static_cast<long long>(axis_.PlotEdge(plot_)) + axis_.PositionShift());
  if (!axis_.Title().Caption().isEmpty())
    DrawTitle();

  if (axis_.IsDateTime() && axis_.ExactDateTime() && axis_.Increment() != 0) {
    stepIndex_ = StepKindOf(axis_.Increment());
    while (stepIndex_ < kLastStepIndex && step_ > kDateTimeStep[stepIndex_])
      ++stepIndex_;
  }
  const bool calendarStep = stepIndex_ >= kHalfMonthKind && stepIndex_ <= kLastStepIndex;
  if ((step_ > 0 || calendarStep) && axis_.RangeMax() >= axis_.RangeMin()) {
    lastTick_.reset();
    switch (axis_.CalcLabelStyle()) {
    case TAxisLabelStyle::talValue:
      if (chart_.HasNextAxisLabel())
        CustomLabels();
      else if (axis_.Logarithmic() && axis_.Increment() == 0)
        PowerLabels();
      else
        ValueLabels();
      break;
    case TAxisLabelStyle::talMark:
      TextLabels(true);
      break;
    case TAxisLabelStyle::talText:
      if (axis_.IsDepth())
        DepthLabels();
      else
        TextLabels(false);
      break;
    case TAxisLabelStyle::talAuto:
    case TAxisLabelStyle::talNone:
      break;
    }
  }

  if (axis_.Axis().Visible()) {
    canvas_.ApplyChartPen(axis_.Axis());
    axis_.DrawAxisLine(wallSize_);
  }
}

void TAxisPainter::DrawTitle()
{
  const TChartAxisTitle& title = axis_.Title();
  canvas_.AssignFont(title.Font());
  if (axis_.IsDepth())
    axis_.DrawAxisLabelAt(axis_.TitlePixel(), plot_.Bottom, depth_ / 2, title.Angle(), title.Caption());
  else if (axis_.Horizontal())
    axis_.DrawAxisLabel(axis_.CenterPixel(), axis_.TitlePixel(), title.Angle(), title.Caption());
  else
    axis_.DrawAxisLabel(axis_.TitlePixel(), axis_.CenterPixel(), title.Angle(), title.Caption());
  canvas_.AssignFont(axis_.LabelsFont());
}

int TAxisPainter::PosOf(double value) const
{
  if (axis_.IsDepth())
    return axis_.DepthPosOfValue(value);
  return axis_.Horizontal() ? axis_.HorizPosOfValue(value) : axis_.VertPosOfValue(value);
}

void TAxisPainter::DrawValue(double value)
{
  const int p = PosOf(value);
  if (!axis_.TickOnLabelsOnly())
    DrawTicksAndGrid(p);
  if (axis_.Labels()) {
    if (axis_.TickOnLabelsOnly())
      DrawTicksAndGrid(p);
    WriteLabel(p, axis_.LabelValue(value));
  }
}

void TAxisPainter::ValueLabels()
{
  const double rangeMin = axis_.RangeMin();
  const double rangeMax = axis_.RangeMax();
  if (!(std::fabs(rangeMax / step_) < kMaxLabelValue) || !(std::fabs(axis_.RangeSpan() / step_) < kMaxLabelSteps))
    return;
  double value = rangeMax;
  if (axis_.IsDateTime() && axis_.ExactDateTime() && stepIndex_ >= kFirstDayStepIndex && stepIndex_ <= kLastStepIndex)
    value = RoundDateToStep(rangeMax, stepIndex_);
  else if (rangeMin != rangeMax && axis_.RoundFirstLabel())
    value = std::trunc(rangeMax / step_) * step_;
  const auto down = [&] { axis_.StepLabelValue(false, value, stepIndex_, step_); };
  // The label count is bounded above; the guard also ends steps that no longer move the value.
  int rounds = 2 * static_cast<int>(kMaxLabelSteps) + 4;
  if (axis_.LabelsOnAxis()) {
    while (value > rangeMax && --rounds > 0)
      down();
    while (value >= rangeMin && --rounds > 0) {
      DrawValue(value);
      down();
    }
  } else {
    while (value >= rangeMax && --rounds > 0)
      down();
    while (value > rangeMin && --rounds > 0) {
      DrawValue(value);
      down();
    }
  }
}

void TAxisPainter::PowerLabels()
{
  double rangeMin = axis_.RangeMin();
  const double rangeMax = axis_.RangeMax();
  if (rangeMin == rangeMax)
    return;
  const double base = axis_.LogarithmicBase();
  double value;
  if (rangeMin > 0) {
    value = std::pow(base, std::round(std::log(rangeMin) / std::log(base)));
  } else {
    rangeMin = rangeMin < 0 ? 1e-10 : 0.1;
    axis_.SetRange(rangeMin, rangeMax);
    value = rangeMin;
  }
  const int minorCount = axis_.MinorTickCount();
  // An infinite maximum would never end the labels: stop at a non-finite value or the last label.
  for (int n = 0; n < kMaxPowerLabels && std::isfinite(value) && value <= rangeMax; ++n) {
    if (value >= rangeMin)
      DrawValue(value);
    if (axis_.MinorTicks().Visible()) {
      canvas_.ApplyChartPen(axis_.MinorTicks());
      const double gap = (base * value - value) / (minorCount + 1);
      for (int i = 1; i <= minorCount; ++i) {
        const double minor = value + i * gap;
        if (minor > rangeMax)
          break;
        if (minor >= rangeMin)
          DrawTick(PosOf(minor), axis_.MinorTickLength(), false);
      }
    }
    value *= base;
  }
}

void TAxisPainter::CustomLabels()
{
  const double low = axis_.RangeMin() - kCustomLabelSlack;
  const double high = axis_.RangeMax() + kCustomLabelSlack;
  for (int index = 0; index <= kMaxCustomLabelIndex; ++index) {
    double value = axis_.RangeMin();
    bool stop = true;
    chart_.GetNextAxisLabel(axis_, index, value, stop);
    if (stop) {
      if (index == 0)
        ValueLabels();
      return;
    }
    if (!(value >= low && value <= high))
      return;
    DrawValue(value);
  }
}

void TAxisPainter::TextLabels(bool marks)
{
  const bool along = axis_.Horizontal() != (axis_.LabelsAngle() == 90 || axis_.LabelsAngle() == 270);
  const int separation = axis_.LabelsSeparation();
  std::optional<int> lastLabel;
  int lastHalf = 0;
  for (const TAxisTextLabel& label : chart_.AxisTextLabels(axis_, marks)) {
    if (!(label.Value >= axis_.RangeMin() && label.Value <= axis_.RangeMax()))
      continue;
    const int p = PosOf(label.Value);
    if (!axis_.TickOnLabelsOnly())
      DrawTicksAndGrid(p);
    if (!axis_.Labels())
      continue;
    const int size = axis_.LabelExtent(label.Text, !along);
    int half = size / 2;
    if (separation != 0 && lastLabel) {
      half = (size + static_cast<int>(size * 0.02 * separation)) / 2;
      const int q = *lastLabel;
      const bool clear = p < q ? q - lastHalf >= p + half : p - half >= q + lastHalf;
      if (!clear)
        continue;
    }
    if (axis_.TickOnLabelsOnly())
      DrawTicksAndGrid(p);
    WriteLabel(p, label.Text);
    lastLabel = p;
    lastHalf = half;
  }
}

void TAxisPainter::DepthLabels()
{
  if (!chart_.HasActiveSeriesOnAxis(axis_))
    return;
  const double first = std::trunc(axis_.RangeMin());
  const double last = std::trunc(axis_.RangeMax());
  if (!std::isfinite(first) || !std::isfinite(last) || last - first >= kMaxLabelSteps)
    return;
  for (double z = first; z <= last; ++z) {
    const int p = axis_.DepthPosOfValue(axis_.RangeMax() - z - 0.5);
    if (!axis_.TickOnLabelsOnly())
      DrawTicksAndGrid(p);
    if (axis_.Labels()) {
      if (axis_.TickOnLabelsOnly())
        DrawTicksAndGrid(p);
      WriteLabel(p, chart_.DepthAxisLabel(axis_, static_cast<int>(z)));
    }
  }
}

void TAxisPainter::WriteLabel(int p, const QString& text)
{
  canvas_.AssignFont(axis_.LabelsFont());
  if (axis_.IsDepth())
    axis_.DrawAxisLabelAt(axis_.LabelsPixel(), plot_.Bottom, p, axis_.LabelsAngle(), text);
  else if (axis_.Horizontal())
    axis_.DrawAxisLabel(p, axis_.LabelsPixel(), axis_.LabelsAngle(), text);
  else
    axis_.DrawAxisLabel(axis_.LabelsPixel(), p, axis_.LabelsAngle(), text);
}

// A tick at p from the axis line, outward (beyond the wall of the bottom and left axes) or inward.
void TAxisPainter::DrawTick(int p, int length, bool inward)
{
  const int axis = axis_.AxisPixel();
  switch (side_) {
  case TAxisSide::Bottom: {
    const int y = inward ? axis : axis + wallSize_;
    canvas_.VerticalLine3D(p, y, inward ? y - length : y + length, 0);
    break;
  }
  case TAxisSide::Top:
    canvas_.VerticalLine3D(p, axis, inward ? axis + length : axis - length, depth_);
    break;
  case TAxisSide::Left: {
    const int x = inward ? axis : axis - wallSize_;
    canvas_.HorizontalLine3D(x, inward ? x + length : x - length, p, 0);
    break;
  }
  case TAxisSide::Right:
    canvas_.HorizontalLine3D(axis, inward ? axis - length : axis + length, p, depth_);
    break;
  case TAxisSide::Depth:
    canvas_.HorizontalLine3D(axis, inward ? axis - length : axis + length, FloorY(), p);
    break;
  }
}

void TAxisPainter::DrawTicksAndGrid(int p)
{
  if (axis_.Ticks().Visible()) {
    canvas_.ApplyChartPen(axis_.Ticks());
    DrawTick(p, axis_.TickLength(), false);
  }
  if (axis_.Grid().Visible()) {
    if (!axis_.gridCentered_)
      DrawGrid(p);
    else if (lastTick_)
      DrawGrid(static_cast<int>((static_cast<long long>(p) + *lastTick_) / 2));
  }
  if (axis_.TicksInner().Visible()) {
    canvas_.ApplyChartPen(axis_.TicksInner());
    DrawTick(p, axis_.TickInnerLength(), true);
  }
  if (axis_.MinorTicks().Visible() && lastTick_ && !axis_.Logarithmic()) {
    canvas_.ApplyChartPen(axis_.MinorTicks());
    const int count = axis_.MinorTickCount();
    const double gap = (double(p) - *lastTick_) / (count + 1);
    for (int i = 1; i <= count; ++i)
      DrawTick(p - platform::SafeRound(gap * i), axis_.MinorTickLength(), false);
  }
  lastTick_ = p;
}

void TAxisPainter::DrawGrid(int p)
{
  TChartPen pen;
  pen.Assign(axis_.Grid());
  if (pen.Color() == kDefaultGridColor)
    pen.SetColor(platform::clGray);
  canvas_.ApplyChartPen(pen);
  chart_.CheckPenWidth(canvas_.Pen());
  canvas_.Brush().SetStyle(platform::TBrushStyle::bsClear);
  canvas_.SetBackgroundMode(platform::TBkMode::bmTransparent);
  const bool is3D = chart_.View3D();
  switch (side_) {
  case TAxisSide::Depth:
    canvas_.VerticalLine3D(plot_.Left, plot_.Top, plot_.Bottom, p);
    canvas_.HorizontalLine3D(plot_.Left, plot_.Right, plot_.Bottom, p);
    break;
  case TAxisSide::Top:
  case TAxisSide::Bottom:
    if (!is3D) {
      canvas_.VerticalLine3D(p, plot_.Top, plot_.Bottom, 0);
    } else if (side_ == TAxisSide::Top) {
      canvas_.VerticalLine3D(p, plot_.Top, plot_.Bottom, depth_);
    } else {
      canvas_.MoveToPoint3D(p, axis_.AxisPixel(), 0);
      canvas_.LineToPoint3D(p, axis_.AxisPixel(), depth_);
      canvas_.LineToPoint3D(p, plot_.Top, depth_);
    }
    break;
  case TAxisSide::Left:
  case TAxisSide::Right:
    if (!is3D) {
      canvas_.HorizontalLine3D(plot_.Left, plot_.Right, p, 0);
    } else if (side_ == TAxisSide::Right) {
      canvas_.HorizontalLine3D(plot_.Left, plot_.Right, p, depth_);
    } else {
      canvas_.MoveToPoint3D(axis_.AxisPixel(), p, 0);
      canvas_.LineToPoint3D(axis_.AxisPixel(), p, depth_);
      canvas_.LineToPoint3D(plot_.Right, p, depth_);
    }
    break;
  }
  canvas_.SetBackgroundMode(platform::TBkMode::bmOpaque);
}

void TCustomChartAxis::Draw(bool calcPosAxis)
{
  if (chart_ != nullptr)
    TAxisPainter(*this, *chart_).Run(calcPosAxis);
}

// The bottom axis reaches under the left wall, the left axis down over the bottom wall.
void TChartAxis::DrawAxisLine(int extra)
{
  TParentChart* chart = ParentChart();
  if (chart == nullptr)
    return;
  TTeeCanvas3D& canvas = chart->Canvas();
  const int depth = chart->Width3D();
  switch (Side()) {
  case TAxisSide::Bottom:
    canvas.HorizontalLine3D(StartPixel() - chart->SideWallSize(true), EndPixel(), AxisPixel() + extra, 0);
    break;
  case TAxisSide::Top:
    canvas.HorizontalLine3D(StartPixel(), EndPixel(), AxisPixel(), depth);
    break;
  case TAxisSide::Left:
    canvas.VerticalLine3D(AxisPixel() - extra, StartPixel(), EndPixel() + chart->SideWallSize(false), 0);
    break;
  case TAxisSide::Right:
  case TAxisSide::Depth:
    canvas.VerticalLine3D(AxisPixel(), StartPixel(), EndPixel(), depth);
    break;
  }
}

void TChartDepthAxis::DrawAxisLine(int)
{
  TParentChart* chart = ParentChart();
  if (chart == nullptr)
    return;
  const platform::TRect plot = chart->ChartRect();
  chart->Canvas().DepthLine3D(plot.Right, plot.Bottom + chart->SideWallSize(false), 0, chart->Width3D());
}

}  // namespace chart
