// The clicks of the contour-plot window: add the contour through a point, delete a level, show,
// hide and move labels.
#include "plot/contour/Contour.h"

#include "plot/graph/Graph.h"
#include "plot/support/FloatUtils.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace plot {

platform::TCursor TContour::EditCursor() const
{
  switch (EditMode) {
  case emAddContour:
  case emAddMoveLabel:
    return kCursorSeriesAdd;
  case emDeleteContour:
  case emDeleteLabel:
    return kCursorSeriesDelete;
  case emMoveLabel:
    return kCursorMoveIt;
  default:
    return platform::crDefault;
  }
}

void TContour::MouseMoveActive(platform::TShiftState, int x, int y)
{
  if (EditMode == 6)
    EditCursor6(x, y);
  else if (EditMode == 7)
    EditCursor7(x, y);
  else
    Graph->Image->SetCursor(EditCursor());
}

void TContour::MouseDown(platform::TMouseButton, platform::TShiftState, int x, int y)
{
  const double wx = Graph->ScreenToX(x);
  const double wy = Graph->ScreenToY(y);
  switch (EditMode) {
  case emAddContour:
    AddContourAt(wx, wy);
    break;
  case emDeleteContour:
    DeleteContourAt(wx, wy);
    break;
  case emMoveLabel:
    MoveLabelAt(wx, wy);
    break;
  case emAddMoveLabel:
    LabelOnAt(wx, wy);
    MoveLabelAt(wx, wy);
    break;
  case emDeleteLabel:
    LabelOffAt(wx, wy);
    break;
  default:
    return;
  }
  Graph->Paint();
}

void TContour::AddContourAt(double x, double y)
{
  const double value = InterpolateGrid(XValues, YValues, ZValues, x, y);
  if (SkipZero && !(value > 0))
    return;
  if (!std::isfinite(value) || std::fabs(value) == MissingValue)
    return;  // no level where a node is missing
  TContourChains added;
  AddLevel(added, value);
  LabelChains(added);
  Chains.splice(Chains.begin(), added);
}

namespace {

std::string SevenDigits(double value)
{
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", value);
  return text;
}

}  // namespace

void TContour::DeleteLevel(double value)
{
  const std::string text = SevenDigits(value);
  for (auto chain = Chains.begin(); chain != Chains.end();) {
    if (SevenDigits(chain->Level) != text) {
      ++chain;
      continue;
    }
    RemoveLabelsOf(*chain);
    chain = Chains.erase(chain);
  }
}

// The level of the chain clicked is deleted whether or not the chain carries a label (a chain of
// level 0 has none).
void TContour::DeleteContourAt(double x, double y)
{
  if (const auto nearest = NearestSegment(x, y))
    DeleteLevel(nearest->Chain->Level);
}

void TContour::MoveLabelAt(double x, double y)
{
  const auto nearest = NearestSegment(x, y);
  if (!nearest)
    return;
  TContourChain& chain = *nearest->Chain;
  chain.LabelP1 = nearest->P;
  chain.LabelP2 = nearest->Q;
  if (chain.Level == 0 || !chain.Label)
    return;
  if (TContourLabel* label = NearestLabel(chain, x, y)) {
    label->P1 = nearest->P;
    label->P2 = nearest->Q;
  }
}

// The chain's label at its label segment is shown again; one that drawing moved further along the
// chain is found as the chain's first label.
void TContour::LabelOnAt(double x, double y)
{
  const auto nearest = NearestSegment(x, y);
  if (!nearest)
    return;
  const TContourChain& chain = *nearest->Chain;
  const auto near = [](const TFloatPoint& a, const TFloatPoint& b) {
    return std::fabs(a.X - b.X) < 0.1 && std::fabs(a.Y - b.Y) < 0.1;
  };
  TContourLabel* first = nullptr;
  for (const auto& label : Labels) {
    if (label->Chain != &chain)
      continue;
    if (near(label->P1, chain.LabelP1) && near(label->P2, chain.LabelP2)) {
      label->Visible = true;
      return;
    }
    if (!first)
      first = label.get();
  }
  if (first)
    first->Visible = true;
}

void TContour::LabelOffAt(double x, double y)
{
  const auto nearest = NearestSegment(x, y);
  if (!nearest)
    return;
  for (const auto& label : Labels)
    if (label->Chain == nearest->Chain) {
      label->Visible = false;
      return;
    }
}

namespace {

double SegmentDistance(const TFloatPoint& p, const TFloatPoint& q, double x, double y)
{
  return std::fabs(p.X - x) + std::fabs(q.X - x) + std::fabs(p.Y - y) + std::fabs(q.Y - y);
}

}  // namespace

std::optional<TContourSegment> TContour::NearestSegment(double x, double y)
{
  std::optional<TContourSegment> nearest;
  double least = 1e38;
  for (TContourChain& chain : Chains) {
    if (chain.Points.size() < 2)
      continue;
    for (auto p = chain.Points.begin(), q = std::next(p); q != chain.Points.end(); ++p, ++q) {
      if (*p == *q)
        continue;
      const double d = SegmentDistance(*p, *q, x, y);
      if (d < least) {
        least = d;
        nearest = TContourSegment{&chain, *p, *q};
      }
    }
  }
  return nearest;
}

TContourLabel* TContour::NearestLabel(const TContourChain& chain, double x, double y) const
{
  TContourLabel* nearest = nullptr;
  double least = 1e38;
  for (const auto& label : Labels) {
    if (label->Chain != &chain)
      continue;
    const double d = SegmentDistance(label->P1, label->P2, x, y);
    if (d < least) {
      least = d;
      nearest = label.get();
    }
  }
  return nearest;
}

}  // namespace plot
