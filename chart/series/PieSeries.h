#pragma once
// The pie: each point a slice whose angle is its share of the absolute values, slices moved
// outwards by a percentage of the radius, small points merged into one "Other" slice, and in 3-D
// solid slices drawn from the back of the circle to the front.

#include "chart/series/CircledSeries.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace chart {

class TChartPen;

enum class TPieOtherStyle { poNone, poBelowPercent, poBelowValue };

// Which points go into the "Other" slice: those below a percent of the total or below a value.
class TPieOtherSlice {
public:
  explicit TPieOtherSlice(std::function<void()> changed);

  TPieOtherStyle Style() const { return style_; }
  void SetStyle(TPieOtherStyle style);
  const QString& Text() const { return text_; }
  void SetText(const QString& text);
  double Value() const { return value_; }
  void SetValue(double value);
  void Assign(const TPieOtherSlice& source);  // style, text and value

private:
  std::function<void()> changed_;
  TPieOtherStyle style_ = TPieOtherStyle::poNone;
  QString text_;
  double value_ = 0;
};

// The explode percentage of each slice by point index; 0 beyond the stored ones.
class TExplodedSlices {
public:
  explicit TExplodedSlices(std::function<void()> changed) : changed_(std::move(changed)) {}

  int Count() const { return int(percents_.size()); }
  int Percent(int index) const;
  // Grows the list with zeros up to index; repaints when the percentage changes.
  void SetPercent(int index, int percent);
  void GrowTo(int count);
  void Exchange(int a, int b);
  void Clear() { percents_.clear(); }

private:
  std::function<void()> changed_;
  std::vector<int> percents_;
};

// A slice's angles in radians, before the rotation.
struct TPieAngle {
  double StartAngle = 0;
  double MidAngle = 0;
  double EndAngle = 0;
};

class TPieSeries : public TCircledSeries {
public:
  static constexpr double kOtherSliceX = 2147483647;
  static constexpr double kMergedX = -1;

  TPieSeries();
  ~TPieSeries() override;

  // Published.
  TChartValueList& PieValues() { return YValues(); }
  const TChartValueList& PieValues() const { return YValues(); }
  void SetPieValues(const TChartValueList& source) { SetYValues(source); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool on) { SetBooleanProperty(dark3D_, on); }
  int ExplodeBiggest() const { return explodeBiggest_; }
  void SetExplodeBiggest(int percent);  // the largest slice takes it at once (0 too)
  TPieOtherSlice& OtherSlice() { return otherSlice_; }
  const TPieOtherSlice& OtherSlice() const { return otherSlice_; }
  void SetOtherSlice(const TPieOtherSlice& other);
  TChartPen& PiePen() { return *piePen_; }
  const TChartPen& PiePen() const { return *piePen_; }
  void SetPiePen(const TChartPen& pen);
  bool UsePatterns() const { return usePatterns_; }
  void SetUsePatterns(bool on) { SetBooleanProperty(usePatterns_, on); }

  // State of the last drawing.
  TExplodedSlices& ExplodedSlices() { return exploded_; }
  const TExplodedSlices& ExplodedSlices() const { return exploded_; }
  const std::vector<TPieAngle>& Angles() const { return angles_; }
  const TPieAngle& Angle(int index) const { return angles_.at(std::size_t(index)); }
  bool Exploded() const { return isExploded_; }
  platform::TPoint EdgePixel() const { return edgePixel_; }

  // A point merged into the "Other" slice, and the "Other" slice itself.
  bool IsMergedSlice(int valueIndex) const;
  bool IsOtherSlice(int valueIndex) const;
  // The slice's displacement by its explode percentage, (0, 0) when nothing is exploded; on the
  // screen the slice moves by (x, -y).
  platform::TPoint ExplodeOffset(int valueIndex) const;
  // The radii reaching the outside of a slice moved by its percentage.
  platform::TPoint ExplodedRadii(int valueIndex) const;
  // The slice under a pixel of the screen, -1 when none.
  int SliceAtPixel(int x, int y) const;
  // How far a slice's middle lies from the top of the circle, in radians (0 to pi).
  double SliceDistance(int valueIndex) const;
  // The angles of every slice from the absolute values of the slices drawn.
  void CalcAngles();
  virtual void DrawPie(int valueIndex);

  void Assign(const TChartSeries& source) override;
  void ClearLists() override;
  void DoBeforeDrawChart() override;
  void DrawAllValues() override;
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;
  void DrawValue(int valueIndex) override;
  int CountLegendItems() const override;
  void FillSampleValues(int numValues) override;
  void GalleryChanged3D(bool is3D) override;
  int LegendToValueIndex(int legendIndex) const override;
  TColor LegendItemColor(int legendIndex) const override;
  double MaxXValue() const override;
  double MaxYValue() const override;
  double MinXValue() const override;
  double MinYValue() const override;
  int NumSampleValues() const override { return 8; }
  void PrepareForGallery(bool isEnabled) override;
  QString GetEditorClassName() const override { return QStringLiteral("TPieSeriesEditor"); }
  int CalcXPos(int valueIndex) const override;
  int Clicked(int x, int y) override;
  void SwapValueIndex(int a, int b) override;
  void PrepareLegendCanvas(int legendIndex, TColor& backColor, platform::TBrushStyle& brushStyle) override;

private:
  // Merges the points below the threshold into a new "Other" point.
  void MergeOtherSlice();
  // The chart's view for a pie: not orthogonal, rotation 0, elevation 305.
  void SetPieView();
  void SetSliceBrush(int valueIndex);
  // The slice's absolute value as it counts in the angles: 0 for a merged or null point.
  double SliceValue(int valueIndex) const;
  // The slices in the order they are drawn: by distance from the top in an exploded 3-D pie.
  std::vector<int> BackToFrontOrder() const;

  std::unique_ptr<TChartPen> piePen_;
  TPieOtherSlice otherSlice_;
  TExplodedSlices exploded_;
  std::vector<TPieAngle> angles_;
  bool dark3D_ = true;
  bool usePatterns_ = false;
  int explodeBiggest_ = 0;
  bool isExploded_ = false;
  platform::TPoint edgePixel_;
};

}  // namespace chart
