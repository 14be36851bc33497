#include "plot/graph/Zoom.h"

#include "plot/graph/Graph.h"

#include "platform/Cursors.h"
#include "platform/Timer.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace plot {

using platform::TRect;

namespace {

double ToData(const TAxis& axis, double v)
{
  return axis.Log ? static_cast<double>(std::pow(10.0L, static_cast<long double>(v))) : v;
}

// The limits low..high (ascending, data units) of one axis as a range keeps them.
void ToRange(const TGraph& graph, const TAxis& axis, double low, double high, double& first, double& second)
{
  if (axis.Log) {
    low = graph.SafeLog10(low);
    high = graph.SafeLog10(high);
  }
  first = axis.Inverted ? high : low;
  second = axis.Inverted ? low : high;
}

bool TooNarrow(double first, double second, double rangeFirst, double rangeSecond)
{
  return std::fabs(second - first) < std::fabs(rangeSecond - rangeFirst) / 10000;
}

}  // namespace

TZoom::TZoom(TGraph& graph) : Graph(&graph) {}

TZoom::~TZoom() = default;

void TZoom::StartZoom(int x, int y, double wx, double wy)
{
  if (Animating())
    return;
  if (Graph->AnimatedZoom) {
    StartAnimation(x, y, wx, wy);
    return;
  }
  StartX = ToData(*Graph->XAxis, wx);
  StartY = ToData(*Graph->YAxis, wy);
  StartX2 = ToData(*Graph->XAxis2, Graph->ScreenToX2(x));
  StartY2 = ToData(*Graph->YAxis2, Graph->ScreenToY2(y));
  BandRect = {};
  Dragging = Enabled;
  if (Stack.empty())
    SavedRange = Graph->Range;
}

void TZoom::DragTo(int, int, double wx, double wy)
{
  if (inDragTo_)
    return;
  inDragTo_ = true;
  const double x = ToData(*Graph->XAxis, wx);
  const double y = ToData(*Graph->YAxis, wy);
  const int left = Graph->X1ToScreen(std::min(StartX, x));
  const int right = Graph->X1ToScreen(std::max(StartX, x));
  const int bottom = Graph->Y1ToScreen(std::min(StartY, y));
  const int top = Graph->Y1ToScreen(std::max(StartY, y));
  const TRect band{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  if (!BandRect.IsEmpty())
    DrawBand(BandRect);
  DrawBand(band);
  BandRect = band;
  inDragTo_ = false;
}

// Drawn in the inverting pen mode: the same band drawn again erases it.
void TZoom::DrawBand(const TRect& r)
{
  platform::TCanvas& canvas = Graph->Image->Canvas();
  const platform::TPenData pen = canvas.Pen().Data();
  const platform::TBrushData brush = canvas.Brush().Data();
  canvas.Pen().SetColor(platform::clBlack);
  canvas.Pen().SetMode(platform::TPenMode::pmNotXor);
  canvas.Pen().SetStyle(platform::TPenStyle::psDot);
  canvas.Pen().SetWidth(1);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  canvas.Brush().SetColor(Color);
  canvas.Rectangle(r);
  canvas.Pen().SetData(pen);
  canvas.Brush().SetData(brush);
}

void TZoom::EndZoom(int x, int y, double wx, double wy)
{
  TGraph& g = *Graph;
  const double x2 = ToData(*g.XAxis2, g.ScreenToX2(x));
  const double y2 = ToData(*g.YAxis2, g.ScreenToY2(y));
  TFloatRect r, r2;
  ToRange(g, *g.XAxis, std::min(StartX, wx), std::max(StartX, wx), r.Left, r.Right);
  ToRange(g, *g.YAxis, std::min(StartY, wy), std::max(StartY, wy), r.Top, r.Bottom);
  ToRange(g, *g.XAxis2, std::min(StartX2, x2), std::max(StartX2, x2), r2.Left, r2.Right);
  ToRange(g, *g.YAxis2, std::min(StartY2, y2), std::max(StartY2, y2), r2.Top, r2.Bottom);
  BandRect = {};
  // Spans compared in axis units, so a band on a logarithmic axis is judged as it is drawn.
  if (TooNarrow(r.Left, r.Right, g.Range.Left, g.Range.Right) ||
      TooNarrow(r.Top, r.Bottom, g.Range.Top, g.Range.Bottom)) {
    Enabled = false;
    Dragging = false;
    return;
  }
  if (ZoomAutoStop)
    Enabled = false;
  else
    g.AnimatedZoom = false;
  Dragging = false;
  PushAndApply(r, r2);
}

void TZoom::PushAndApply(const TFloatRect& newRange, const TFloatRect& newRange2)
{
  if (Stack.empty())
    SavedRange = Graph->Range;
  Stack.push_back({Graph->Range, Graph->Range2});
  Graph->Range2 = newRange2;
  Graph->SetRange(newRange);
}

bool TZoom::ZoomOut()
{
  if (Stack.empty())
    return false;
  const TZoomStep step = Stack.back();
  Stack.pop_back();
  Graph->Range2 = step.Range2;
  Graph->SetRange(step.Range);
  Graph->Paint();
  return !Stack.empty();
}

void TZoom::Reset()
{
  if (Stack.empty())
    return;
  Graph->Range2 = Stack.front().Range2;
  Stack.clear();
  Graph->Range = SavedRange;
  Enabled = false;
  Graph->SetRange(Graph->Range);
  Graph->Paint();
  ReportRange();
}

void TZoom::ReportRange()
{
  const TFloatRect& r = Graph->Range;
  if (Graph->OnZoomEnded)
    Graph->OnZoomEnded(*Graph, r.Left, r.Bottom, r.Right, r.Top);
}

void TZoom::StartAnimation(int x, int y, double wx, double wy)
{
  const double s = Style == zsIn ? 1 : -1;
  const auto fractions = [s](double v, double low, double high) {
    const double span = high - low;
    return TFractions{(v - low) * s / span, (high - v) * s / span};
  };
  const TFloatRect& r = Graph->Range;
  const TFloatRect& r2 = Graph->Range2;
  animation_.X = fractions(wx, r.Left, r.Right);
  animation_.Y = fractions(wy, r.Top, r.Bottom);
  animation_.X2 = fractions(Graph->ScreenToX2(x), r2.Left, r2.Right);
  animation_.Y2 = fractions(Graph->ScreenToY2(y), r2.Top, r2.Bottom);
  if (ZoomAutoStop)
    Dragging = false;
  stepsLeft_ = std::max(Steps, 0);
  if (!Animating()) {
    AnimationStep();  // ends at once
    return;
  }
  if (!timer_)
    timer_ = std::make_unique<platform::Timer>([this] { AnimationStep(); }, StepInterval);
  timer_->SetInterval(StepInterval);
  timer_->SetEnabled(true);
}

void TZoom::AnimationStep()
{
  if (stepsLeft_ > 0) {
    --stepsLeft_;
    const auto move = [this](double& low, double& high, const TFractions& f) {
      const double span = high - low;
      low += ChangePerStep * span * f.Low;
      high -= ChangePerStep * span * f.High;
    };
    TFloatRect r = Graph->Range;
    TFloatRect r2 = Graph->Range2;
    move(r.Left, r.Right, animation_.X);
    move(r.Top, r.Bottom, animation_.Y);
    move(r2.Left, r2.Right, animation_.X2);
    move(r2.Top, r2.Bottom, animation_.Y2);
    PushAndApply(r, r2);
    Graph->Paint();
  }
  if (stepsLeft_ > 0)
    return;
  if (timer_)
    timer_->SetEnabled(false);
  if (ZoomAutoStop) {
    Enabled = false;
    Graph->AnimatedZoom = false;
    Graph->Image->SetCursor(platform::crDefault);
  }
}

}  // namespace plot
