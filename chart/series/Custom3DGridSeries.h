#pragma once
// A 3-D series sampled on a rectangular grid of NumXValues x NumZValues nodes: the grid index of
// its points, values computed by an event or the sample surface, and the colours of its values
// (a colour range, a palette of levels, or the series colour), shown level by level in the legend.

#include "chart/series/Custom3DSeries.h"
#include "chart/series/GridColors.h"
#include "chart/series/GridIndex.h"

#include <functional>
#include <vector>

namespace chart {

class TCustom3DGridSeries : public TCustom3DSeries {
public:
  using TGetYValueEvent = std::function<double(TChartSeries& sender, int x, int z)>;
  using TGetColorEvent = std::function<void(const TChartSeries& sender, int valueIndex, TColor& color)>;

  TCustom3DGridSeries();

  // Grid size; a change computes the grid again when values can be computed.
  int NumXValues() const { return numX_; }
  void SetNumXValues(int value);
  int NumZValues() const { return numZ_; }
  void SetNumZValues(int value);

  // Colours.
  bool UseColorRange() const { return useColorRange_; }
  void SetUseColorRange(bool on) { SetBooleanProperty(useColorRange_, on); }
  bool UsePalette() const { return usePalette_; }
  void SetUsePalette(bool on);  // switched on with an empty palette, the palette is built
  TColor StartColor() const { return startColor_; }
  void SetStartColor(TColor color) { SetColorProperty(startColor_, color); }
  TColor EndColor() const { return endColor_; }
  void SetEndColor(TColor color) { SetColorProperty(endColor_, color); }
  int PaletteSteps() const { return paletteSteps_; }
  void SetPaletteSteps(int steps);  // rebuilds the palette
  const std::vector<TPaletteLevel>& Palette() const { return palette_; }
  void BuildPalette(int steps);  // over the current Y range
  void ClearPalette() { palette_.clear(); }
  TColor ColorOfValue(double value) const;

  TGetYValueEvent OnGetYValue;
  TGetColorEvent OnGetColor;  // may change the colour of each point

  // The point at a grid position, -1 when none (the index is made before each drawing).
  int GetGridIndex(int x, int z) const { return index_.At(x, z); }
  bool CanComputeValues() const { return bool(OnGetYValue) || sampleMode_; }
  // The grid refilled from GetYValueAt, when values can be computed; else nothing changes.
  virtual void CreateValues(int numX, int numZ);
  virtual double GetYValueAt(int x, int z);

  void Assign(const TChartSeries& source) override;
  void AddValues(const TChartSeries& source) override;
  void DoBeforeDrawChart() override;
  TColor ValueColor(int valueIndex) const override;
  void Clear() override;
  int CountLegendItems() const override { return int(palette_.size()); }
  void FillSampleValues(int numValues) override;  // 0 keeps the grid size; at most 500 a side
  TColor LegendItemColor(int legendIndex) const override;
  QString LegendString(int legendIndex, TLegendTextStyle style) const override;
  int NumSampleValues() const override { return 15; }

protected:
  bool SampleMode() const { return sampleMode_; }
  void SetSampleMode(bool on) { sampleMode_ = on; }
  // Grid positions from the X and Z values, counted from the smallest of each.
  void FillGridIndex();

private:
  bool PaletteColors() const { return !useColorRange_ && usePalette_ && !palette_.empty(); }

  int numX_ = 10;
  int numZ_ = 10;
  TGridIndex index_;
  bool useColorRange_ = true;
  bool usePalette_ = false;
  TColor startColor_ = platform::clNavy;
  TColor endColor_ = platform::clWhite;
  int paletteSteps_ = 32;
  std::vector<TPaletteLevel> palette_;
  bool sampleMode_ = false;
};

}  // namespace chart
