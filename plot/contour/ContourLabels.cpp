// The labels of the contour lines: one per chain of a level other than 0, placed on the plot where
// its box fits and clear of the labels before it, turned along its line and never upside down.
#include "plot/contour/Contour.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"
#include "plot/support/NumberText.h"
#include "plot/support/RotatedFont.h"

#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cmath>

namespace plot {

void TContour::ClearLabels()
{
  for (TContourChain& chain : Chains)
    chain.Label = nullptr;
  Labels.clear();
}

TContourLabel& TContour::AddLabel(std::unique_ptr<TContourLabel> label)
{
  label->UpdateBox();
  Labels.push_back(std::move(label));
  return *Labels.back();
}

void TContour::LabelChains(TContourChains& chains)
{
  for (TContourChain& chain : chains) {
    if (chain.Level == 0)
      continue;
    const QString text = QString::fromStdString(FloatToSignificantText(DecimalPlaces, chain.Level));
    chain.Label = &AddLabel(std::make_unique<TContourLabel>(*Graph, chain.LabelP1, chain.LabelP2, text, &chain, *this));
  }
}

void TContour::CreateLabels()
{
  ClearLabels();
  LabelChains(Chains);
}

void TContour::RemoveLabelsOf(const TContourChain& chain)
{
  std::erase_if(Labels, [&](const std::unique_ptr<TContourLabel>& label) { return label->Chain == &chain; });
}

namespace {

// The length of the chain in whole pixels along its points.
double PixelLength(const TGraph& graph, const TContourChain& chain)
{
  double length = 0;
  platform::TPoint previous{};
  bool first = true;
  for (const TFloatPoint& p : chain.Points) {
    const platform::TPoint pixel{graph.XToScreen(p.X), graph.YToScreen(p.Y)};
    if (!first)
      length += std::hypot(static_cast<double>(pixel.X) - previous.X, static_cast<double>(pixel.Y) - previous.Y);
    previous = pixel;
    first = false;
  }
  return std::isfinite(length) ? length : 0;
}

// Calls place(p, q) for consecutive points of the chain from its head until it returns true.
template <typename Place>
bool AlongChain(const TContourChain& chain, Place place)
{
  if (chain.Points.size() < 2)
    return false;
  for (auto p = chain.Points.begin(), q = std::next(p); q != chain.Points.end(); ++p, ++q)
    if (place(*p, *q))
      return true;
  return false;
}

}  // namespace

// The label moves along its chain to the first piece where its whole box lies on the plot.
bool TContour::PlaceInside(TContourLabel& label, int textWidth, int textHeight)
{
  const platform::TRect plot = Graph->PlotRect;
  if (BoxInside(label.Box, plot))
    return true;
  return AlongChain(*label.Chain, [&](const TFloatPoint& p, const TFloatPoint& q) {
    label.P1 = p;
    label.P2 = q;
    label.UpdateBox(textWidth, textHeight);
    return p != q && BoxInside(label.Box, plot);
  });
}

// Earlier labels drawn in this pass are obstacles; a label that meets one moves along its chain to
// a place clear of all of them, or is rejected.
bool TContour::PlaceClearOfOthers(std::size_t index, int textWidth, int textHeight)
{
  TContourLabel& label = *Labels[index];
  const platform::TRect plot = Graph->PlotRect;
  const auto obstacle = [&](std::size_t j) {
    const TContourLabel& other = *Labels[j];
    return !other.Rejected && !other.Hidden && other.Visible && BoxInside(other.Box, plot);
  };
  bool meets = false;
  for (std::size_t j = 0; j < index && !meets; ++j)
    meets = obstacle(j) && BoxesOverlap(label.Box, Labels[j]->Box);
  if (!meets)
    return true;
  const bool placed = AlongChain(*label.Chain, [&](const TFloatPoint& p, const TFloatPoint& q) {
    if (p == q)
      return false;
    label.P1 = p;
    label.P2 = q;
    label.UpdateBox(textWidth, textHeight);
    if (!BoxInside(label.Box, plot))
      return false;
    for (std::size_t j = 0; j < index; ++j)
      if (obstacle(j) && BoxesOverlap(label.Box, Labels[j]->Box))
        return false;
    return true;
  });
  if (!placed)
    label.Rejected = true;
  return placed;
}

void TContour::DrawLabels()
{
  if (!LabelsVisible)
    return;
  TGraph& graph = *Graph;
  platform::TCanvas& canvas = *graph.Canvas;
  canvas.Font().Assign(LabelFont);
  if (GraphLibrary().PrintPreviewing)
    canvas.Font().SetSize(platform::SafeRound(LabelFont.Size() * 0.5));
  if (BlackAndWhiteApplies())
    canvas.Font().SetColor(platform::clBlack);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  for (const auto& label : Labels)
    label->Rejected = false;
  const std::size_t interval = static_cast<std::size_t>(std::max(LabelInterval, 1));
  const int textHeight = canvas.TextHeight(QStringLiteral("1"));
  for (std::size_t i = 0; i < Labels.size(); ++i) {
    TContourLabel& label = *Labels[i];
    label.Frame = LabelFrames;
    label.Hidden = i % interval != 0 || !label.Chain;
    if (label.Hidden)
      continue;
    const int textWidth = canvas.TextWidth(label.Text);
    label.UpdateBox(textWidth, textHeight);
    if (!label.Visible)
      continue;  // not hidden: its line is drawn whole
    label.Hidden = true;
    if (PixelLength(graph, *label.Chain) <= 3.0 * textWidth)
      continue;
    if (!PlaceInside(label, textWidth, textHeight) || !PlaceClearOfOthers(i, textWidth, textHeight))
      continue;
    label.UpdateBox(textWidth, textHeight);
    if (!BoxInside(label.Box, graph.PlotRect))
      continue;
    DrawLabel(label);
    label.Hidden = false;
  }
}

// The text along its segment, written from the corner that keeps it upright.
void TContour::DrawLabel(TContourLabel& label)
{
  TGraph& graph = *Graph;
  platform::TCanvas& canvas = *graph.Canvas;
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  if (label.Frame) {
    canvas.Pen().SetColor(platform::clBlack);
    const platform::TPoint outline[] = {label.Corner(1), label.Corner(2), label.Corner(3), label.Corner(4),
                                        label.Corner(1)};
    canvas.Polyline(outline);
  }
  const int angle = label.TextAngle();
  canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
  if (OpaqueLabels) {
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    canvas.Brush().SetColor(graph.Color);
  }
  // A text straight down the screen reads upward like every other steep one.
  const bool upright = -90 < angle && angle <= 90;
  const platform::TPoint at = label.Corner(upright ? 4 : 2);
  if (angle == 0) {
    canvas.TextOut(at.X, at.Y, label.Text);
  } else {
    const platform::TFontData own = canvas.Font().Data();
    const int turned = upright ? angle : (angle > 0 ? angle - 180 : angle + 180);
    canvas.Font().SetData(CreateRotatedFont(canvas.Font(), turned, graph.Charset));
    canvas.TextOut(at.X, at.Y, label.Text);
    canvas.Font().SetData(own);
  }
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
}

}  // namespace plot
