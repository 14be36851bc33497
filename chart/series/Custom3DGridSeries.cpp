#include "chart/series/Custom3DGridSeries.h"

#include "chart/model/SeriesChart.h"
#include "chart/support/NumberPicture.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chart {
namespace {

// Restores a value on every path out of a scope.
template <class T>
class TRestore {
public:
  TRestore(T& field, T value) : field_(field), saved_(field) { field_ = value; }
  ~TRestore() { field_ = saved_; }
  TRestore(const TRestore&) = delete;
  TRestore& operator=(const TRestore&) = delete;

private:
  T& field_;
  T saved_;
};

// Clears the chart's ready flag while many points are added, so they do not repaint one by one.
class TQuietChart {
public:
  explicit TQuietChart(TSeriesChart* chart) : chart_(chart), wasReady_(chart != nullptr && chart->IsReady())
  {
    if (chart_ != nullptr) chart_->SetReady(false);
  }
  ~TQuietChart()
  {
    if (chart_ != nullptr) chart_->SetReady(wasReady_);
  }
  TQuietChart(const TQuietChart&) = delete;
  TQuietChart& operator=(const TQuietChart&) = delete;

private:
  TSeriesChart* chart_;
  bool wasReady_;
};

double Squared(double v) { return v * v; }

// The grid position of a value counted from the smallest one, 0 when it has none.
int GridPosition(double value, double smallest)
{
  const double position = std::rint(value - smallest) + 1;  // as nearbyint, without its environment save
  return position >= 1 && position <= TGridIndex::kGridSize ? int(position) : 0;
}

}  // namespace

TCustom3DGridSeries::TCustom3DGridSeries() = default;

void TCustom3DGridSeries::SetNumXValues(int value)
{
  if (value == numX_) return;
  numX_ = value;
  CreateValues(numX_, numZ_);
}

void TCustom3DGridSeries::SetNumZValues(int value)
{
  if (value == numZ_) return;
  numZ_ = value;
  CreateValues(numX_, numZ_);
}

void TCustom3DGridSeries::SetUsePalette(bool on)
{
  SetBooleanProperty(usePalette_, on);
  if (usePalette_ && palette_.empty()) BuildPalette(paletteSteps_);
}

void TCustom3DGridSeries::SetPaletteSteps(int steps)
{
  paletteSteps_ = steps;
  BuildPalette(steps);
}

void TCustom3DGridSeries::BuildPalette(int steps)
{
  palette_ = BuildPaletteLevels(steps, YValues().MinValue(), YValues().MaxValue());
  Repaint();
}

TColor TCustom3DGridSeries::ColorOfValue(double value) const
{
  if (useColorRange_)
    return ColorRangeColor(value, YValues().MinValue(), YValues().MaxValue(), startColor_, endColor_);
  if (usePalette_ && !palette_.empty()) return PaletteLevelColor(palette_, value);
  return SeriesColor();
}

TColor TCustom3DGridSeries::ValueColor(int valueIndex) const
{
  TColor color = TChartSeries::ValueColor(valueIndex);
  if (color != platform::clNone) color = ColorOfValue(YValues().GetValue(valueIndex));
  if (OnGetColor) OnGetColor(*this, valueIndex, color);
  return color;
}

void TCustom3DGridSeries::CreateValues(int numX, int numZ)
{
  if (!CanComputeValues()) return;
  numX_ = numX;
  numZ_ = numZ;
  {
    // The lists grow once to the whole grid.
    const int capacity = DefaultCapacity();
    struct TCapacityBack {
      TChartSeries& Series;
      int Capacity;
      ~TCapacityBack() { Series.SetDefaultCapacity(Capacity); }
    } back{*this, capacity};
    const long long cells = static_cast<long long>(std::max(0, numX)) * std::max(0, numZ);
    SetDefaultCapacity(int(std::min<long long>(cells, std::numeric_limits<int>::max())));
    TQuietChart quiet(ParentChart());
    Clear();
    for (int x = 1; x <= numX; ++x)
      for (int z = 1; z <= numZ; ++z) AddXYZ(x, GetYValueAt(x, z), z, {}, platform::clDefault);
    NotifyLinked(TSeriesNotification::Refresh, -1);
  }
  BuildPalette(paletteSteps_);
}

double TCustom3DGridSeries::GetYValueAt(int x, int z)
{
  if (OnGetYValue) return OnGetYValue(*this, x, z);
  if (!sampleMode_) return 0;
  return 0.5 * Squared(std::cos(x / (0.2 * numX_))) + Squared(std::cos(z / (0.2 * numZ_))) -
         std::cos(z / (0.5 * numZ_));
}

void TCustom3DGridSeries::FillSampleValues(int numValues)
{
  TRestore<bool> sample(sampleMode_, true);
  if (numValues > 0) numX_ = numZ_ = std::min(TGridIndex::kGridSize, numValues);
  CreateValues(numX_, numZ_);
}

void TCustom3DGridSeries::FillGridIndex()
{
  const double smallestX = XValues().MinValue();
  const double smallestZ = ZValues().MinValue();
  for (int i = 0; i < Count(); ++i) {
    // Points beyond the index's 500 positions a side, or without finite values, have no cell.
    const int x = GridPosition(XValues().GetValue(i), smallestX);
    const int z = GridPosition(ZValues().GetValue(i), smallestZ);
    if (!index_.Set(x, z, i)) continue;
    numX_ = std::max(numX_, x);
    numZ_ = std::max(numZ_, z);
  }
}

void TCustom3DGridSeries::DoBeforeDrawChart()
{
  if (Count() > 0) FillGridIndex();
  if (palette_.empty()) BuildPalette(paletteSteps_);
}

void TCustom3DGridSeries::Clear()
{
  TCustom3DSeries::Clear();
  XValues().SetOrder(TChartListOrder::loNone);
  index_.Clear();
}

void TCustom3DGridSeries::Assign(const TChartSeries& source)
{
  if (const auto* other = dynamic_cast<const TCustom3DGridSeries*>(&source); other != nullptr && other != this) {
    numX_ = other->numX_;
    numZ_ = other->numZ_;
    useColorRange_ = other->useColorRange_;
    usePalette_ = other->usePalette_;
    startColor_ = other->startColor_;
    endColor_ = other->endColor_;
    paletteSteps_ = other->paletteSteps_;
  }
  TCustom3DSeries::Assign(source);
}

void TCustom3DGridSeries::AddValues(const TChartSeries& source)
{
  if (!CanCopyFrom(source)) return;
  if (const auto* grid = dynamic_cast<const TCustom3DGridSeries*>(&source); grid != nullptr) {
    numX_ = grid->numX_;
    numZ_ = grid->numZ_;
  }
  TCustom3DSeries::AddValues(source);
  FillGridIndex();
  Repaint();
}

TColor TCustom3DGridSeries::LegendItemColor(int legendIndex) const
{
  const int level = int(palette_.size()) - 1 - legendIndex;
  if (level < 0 || level >= int(palette_.size())) return SeriesColor();
  // In palette colours an item shows its own level's colour: the colour of the values up to it.
  if (PaletteColors()) return palette_[std::size_t(level)].Color;
  return ColorOfValue(palette_[std::size_t(level)].UpToValue);
}

QString TCustom3DGridSeries::LegendString(int legendIndex, TLegendTextStyle /*style*/) const
{
  const int level = int(palette_.size()) - 1 - legendIndex;
  if (level < 0 || level >= int(palette_.size())) return {};
  return FormatFloatPicture(ValueFormat(), palette_[std::size_t(level)].UpToValue);
}

}  // namespace chart
