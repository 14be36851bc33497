#include "chart/series/ContourSeries.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/SeriesChart.h"
#include "chart/series/Conrec.h"
#include "chart/support/NumberPicture.h"
#include "chart/support/Palette.h"

#include <algorithm>
#include <array>

namespace chart {

TContourSeries::TContourSeries() : pen_(CreateChartPen()) { SetColorEachPoint(true); }

TContourSeries::~TContourSeries() = default;

void TContourSeries::Assign(const TChartSeries& source)
{
  if (const auto* other = dynamic_cast<const TContourSeries*>(&source); other != nullptr && other != this) {
    numLevels_ = other->numLevels_;
    pen_->Assign(*other->pen_);
    yPosition_ = other->yPosition_;
    yPositionLevel_ = other->yPositionLevel_;
  }
  TCustom3DGridSeries::Assign(source);
}

TContourLevel TContourSeries::Level(int levelIndex) const
{
  const double minY = YValues().MinValue();
  const double maxY = YValues().MaxValue();
  TContourLevel level{minY + levelIndex * (maxY - minY) / numLevels_, SeriesColor()};
  if (ColorEachPoint())
    level.Color = PaletteColor(levelIndex);
  else if (UsePalette() || UseColorRange())
    level.Color = ColorOfValue(level.Value);
  if (OnGetLevel) OnGetLevel(*this, levelIndex, level.Value, level.Color);
  return level;
}

void TContourSeries::DoBeforeDrawChart()
{
  TCustom3DGridSeries::DoBeforeDrawChart();
  levels_.clear();
  for (int i = 0; i < numLevels_; ++i) levels_.push_back(Level(i));
}

void TContourSeries::DrawAllValues()
{
  if (Count() == 0 || ParentChart() == nullptr || levels_.empty()) return;
  ParentChart()->Canvas().ApplyChartPen(*pen_);
  const int yPixel = YValueToPixel(yPosition_);
  const int numX = std::min(NumXValues(), TGridIndex::kGridSize);
  const int numZ = std::min(NumZValues(), TGridIndex::kGridSize);
  for (int z = 1; z < numZ; ++z)
    for (int x = 1; x < numX; ++x) DrawCellLevels(x, z, yPixel);
}

void TContourSeries::DrawCellLevels(int x, int z, int yPixel)
{
  const std::array<int, 4> corners{GetGridIndex(x, z), GetGridIndex(x + 1, z), GetGridIndex(x + 1, z + 1),
                                   GetGridIndex(x, z + 1)};
  if (std::find(corners.begin(), corners.end(), -1) != corners.end()) return;
  std::array<double, 4> values{};
  for (std::size_t i = 0; i < 4; ++i) values[i] = YValues().GetValue(corners[i]);
  const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
  if (*highest < levels_.front().Value || *lowest > levels_.back().Value) return;

  // Corners 1 and 4 share a horizontal pixel, as 2 and 3 do; 1 and 2 share a depth, as 3 and 4 do.
  const int h1 = CalcXPos(corners[0]);
  const int h2 = CalcXPos(corners[1]);
  const int d1 = DepthPixel(ZValues().GetValue(corners[0]));
  const int d4 = DepthPixel(ZValues().GetValue(corners[3]));
  TContourCell cell;
  cell.Points = {{{(h1 + h2) / 2, (d1 + d4) / 2}, {h1, d1}, {h2, d1}, {h2, d4}, {h1, d4}}};
  const double centre = (values[0] + values[1] + values[2] + values[3]) / 4;

  TTeeCanvas3D& canvas = ParentChart()->Canvas();
  std::array<TContourSegment, 4> segments;
  for (const TContourLevel& level : levels_) {
    if (level.Value < *lowest || level.Value > *highest) continue;
    canvas.Pen().SetColor(level.Color);
    cell.Heights = {centre - level.Value, values[0] - level.Value, values[1] - level.Value, values[2] - level.Value,
                    values[3] - level.Value};
    const int y = yPositionLevel_ ? YValueToPixel(level.Value) : yPixel;
    const int count = TraceContourCell(cell, segments);
    for (int i = 0; i < count; ++i) {
      const TContourSegment& s = segments[std::size_t(i)];
      canvas.MoveToPoint3D(s.From.X, y, s.From.Y);
      canvas.LineToPoint3D(s.To.X, y, s.To.Y);
    }
  }
}

void TContourSeries::FillSampleValues(int numValues)
{
  TCustom3DGridSeries::FillSampleValues(numValues);
  SetYPosition((YValues().MinValue() + YValues().MaxValue()) / 2);
}

TColor TContourSeries::LegendItemColor(int legendIndex) const
{
  const int level = numLevels_ - 1 - legendIndex;
  return level >= 0 && level < numLevels_ ? Level(level).Color : SeriesColor();
}

QString TContourSeries::LegendString(int legendIndex, TLegendTextStyle /*style*/) const
{
  const int level = numLevels_ - 1 - legendIndex;
  if (level < 0 || level >= numLevels_) return {};
  return FormatFloatPicture(ValueFormat(), Level(level).Value);
}

void TContourSeries::PrepareForGallery(bool isEnabled)
{
  TCustom3DGridSeries::PrepareForGallery(isEnabled);
  if (!isEnabled) SetSeriesColor(platform::clGray);
  SetUseColorRange(false);
  SetUsePalette(isEnabled);
}

}  // namespace chart
