#include "chart/series/SurfaceSeries.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "chart/support/HitTests.h"

#include <algorithm>
#include <cmath>

namespace chart {

TSurfaceSeries::TSurfaceSeries() : pen_(CreateChartPen()), brush_([this] { Repaint(); }) {}

TSurfaceSeries::~TSurfaceSeries() = default;

void TSurfaceSeries::SetWireFrame(bool on)
{
  if (on) pen_->SetVisible(true);
  SetBooleanProperty(wireFrame_, on);
  if (wireFrame_) dotFrame_ = false;
}

void TSurfaceSeries::SetDotFrame(bool on)
{
  if (on) pen_->SetVisible(true);
  SetBooleanProperty(dotFrame_, on);
  if (dotFrame_) wireFrame_ = false;
}

void TSurfaceSeries::Assign(const TChartSeries& source)
{
  if (const auto* other = dynamic_cast<const TSurfaceSeries*>(&source); other != nullptr && other != this) {
    wireFrame_ = other->wireFrame_;
    dotFrame_ = other->dotFrame_;
    pen_->Assign(*other->pen_);
    brush_.Assign(other->brush_);
  }
  TCustom3DGridSeries::Assign(source);
}

TPoint TSurfaceSeries::CornerPixel(int valueIndex) const
{
  if (std::size_t(valueIndex) < pixels_.size()) return pixels_[std::size_t(valueIndex)];
  return {CalcXPos(valueIndex), CalcYPos(valueIndex)};
}

int TSurfaceSeries::ZDepth(int z) const
{
  if (z >= 0 && std::size_t(z) < depths_.size()) return depths_[std::size_t(z)];
  return DepthPixel(double(z) + depthBase_);
}

void TSurfaceSeries::ProjectNodes(int numX, int numZ)
{
  const TTeeCanvas3D& canvas = ParentChart()->Canvas();
  nodeRows_ = std::max(numZ, 0) + 2;
  const std::size_t size = std::size_t(std::max(numX, 0) + 2) * std::size_t(nodeRows_);
  nodes_.assign(size, -1);
  screen_.resize(size);
  for (int x = 1; x <= numX; ++x)
    for (int z = 1; z <= numZ; ++z) {
      const std::size_t at = NodeAt(x, z);
      nodes_[at] = GetGridIndex(x, z);
      if (nodes_[at] == -1) continue;
      const TPoint p = CornerPixel(nodes_[at]);
      screen_[at] = canvas.ChartToScreen(p.X, p.Y, ZDepth(z));
    }
}

bool TSurfaceSeries::FetchCell(int x, int z)
{
  const std::array<std::array<int, 2>, 4> positions{{{x, z}, {x + xStep_, z}, {x + xStep_, z + zStep_}, {x, z + zStep_}}};
  if (!nodes_.empty()) {
    for (std::size_t i = 0; i < 4; ++i) {
      const std::size_t at = NodeAt(positions[i][0], positions[i][1]);
      cellIndex_[i] = nodes_[at];
      if (cellIndex_[i] == -1) return false;
      cellScreen_[i] = screen_[at];
    }
    return true;
  }
  for (std::size_t i = 0; i < 4; ++i) {
    cellIndex_[i] = GetGridIndex(positions[i][0], positions[i][1]);
    if (cellIndex_[i] == -1) return false;
  }
  for (std::size_t i = 0; i < 4; ++i) cellPoints_[i] = CornerPixel(cellIndex_[i]);
  return true;
}

void TSurfaceSeries::DrawCell(int x, int z)
{
  if (!FetchCell(x, z)) return;
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  if (!uniformBrush_) {
    const TColor color = ValueColor(cellIndex_[0]);
    if (color == platform::clNone) return;
    canvas.Brush().SetColor(color);
  }
  if (!nodes_.empty()) {
    if (!dotFrame_) {
      canvas.DrawPolygon(cellScreen_);
      return;
    }
    for (std::size_t i = 0; i < 4; ++i) cellPoints_[i] = CornerPixel(cellIndex_[i]);
  }
  const int z0 = ZDepth(z);
  const int z1 = ZDepth(z + zStep_);
  if (dotFrame_) {
    for (std::size_t i = 0; i < 4; ++i) {
      const TColor color = ValueColor(cellIndex_[i]);
      if (color != platform::clNone) canvas.Pixel3D(cellPoints_[i].X, cellPoints_[i].Y, i < 2 ? z0 : z1, color);
    }
    return;
  }
  canvas.QuadBetweenDepths3D(cellPoints_, z0, z1);
}

void TSurfaceSeries::DrawAllValues()
{
  if (Count() == 0 || ParentChart() == nullptr) return;
  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  canvas.ApplyChartPen(*pen_);
  if (!pen_->Visible() && !wireFrame_ && !dotFrame_) canvas.Pen().SetStyle(platform::TPenStyle::psClear);
  canvas.Brush().Assign(brush_);
  canvas.Brush().SetColor(SeriesColor());
  // Every cell in its value's colour, or in the series colour when only frames are drawn; a single
  // colour goes through the cells' colours too, so OnGetColor and missing colours always count.
  uniformBrush_ = wireFrame_ || dotFrame_;
  if (uniformBrush_) canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);

  // Corner pixels and row depths once per drawing.
  pixels_.resize(std::size_t(Count()));
  for (int i = 0; i < Count(); ++i) pixels_[std::size_t(i)] = {CalcXPos(i), CalcYPos(i)};
  depthBase_ = int(std::nearbyint(ZValues().MinValue())) - 1;
  depths_.assign(std::size_t(std::clamp(NumZValues(), 0, TGridIndex::kGridSize) + 2), 0);
  for (std::size_t z = 0; z < depths_.size(); ++z) depths_[z] = DepthPixel(double(z) + depthBase_);

  const bool depthInverted = DepthInverted();
  const TChartAxis* horizontal = ResolvedHorizAxis();
  const bool xInverted = horizontal != nullptr && horizontal->Inverted();
  zStep_ = depthInverted ? 1 : -1;
  xStep_ = xInverted ? 1 : -1;
  // No cell lies beyond the grid index.
  const int numX = std::min(NumXValues(), TGridIndex::kGridSize);
  const int numZ = std::min(NumZValues(), TGridIndex::kGridSize);
  const int xFirst = xInverted ? numX - 1 : 2;
  const int xLast = xInverted ? 1 : numX;
  const int zFirst = depthInverted ? 1 : numZ;
  const int zLast = depthInverted ? numZ - 1 : 2;
  ProjectNodes(numX, numZ);
  for (int x = xFirst; xInverted ? x >= xLast : x <= xLast; x -= xStep_)
    for (int z = zFirst; depthInverted ? z <= zLast : z >= zLast; z += zStep_) DrawCell(x, z);

  pixels_.clear();
  depths_.clear();
  nodes_.clear();
}

void TSurfaceSeries::PrepareForGallery(bool isEnabled)
{
  TCustom3DGridSeries::PrepareForGallery(isEnabled);
  SetSampleMode(true);
  SetUseColorRange(false);
  pen_->SetColor(isEnabled ? platform::clBlack : platform::clGray);
  SetUsePalette(isEnabled);
  CreateValues(10, 10);
}

int TSurfaceSeries::Clicked(int x, int y)
{
  xStep_ = zStep_ = -1;
  if (Count() == 0) return -1;
  const TPoint p{x, y};
  const int numX = std::min(NumXValues(), TGridIndex::kGridSize);
  const int numZ = std::min(NumZValues(), TGridIndex::kGridSize);
  for (int cx = 2; cx <= numX; ++cx)
    for (int cz = 2; cz <= numZ; ++cz)
      if (FetchCell(cx, cz) && IsInsidePolygon(p, cellPoints_)) return cellIndex_[0];
  return -1;
}

}  // namespace chart
