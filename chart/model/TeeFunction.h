#pragma once
// A series function: computes the points of its parent series from the parent's data sources,
// across several sources point by point or over periods of one source (every N points, or every
// range of values such as a week). Owned by its parent series.

#include <QString>
#include <vector>

namespace chart {

class TChartSeries;
class TChartValueList;

enum class TFunctionPeriodAlign { paFirst, paCenter, paLast };
enum class TFunctionPeriodStyle { psNumPoints, psRange };

// At most this many periods are added, however small the range period.
inline constexpr int kMaxFunctionPeriods = 1000000;

class TTeeFunction {
public:
  TTeeFunction() = default;
  virtual ~TTeeFunction() = default;
  TTeeFunction(const TTeeFunction&) = delete;
  TTeeFunction& operator=(const TTeeFunction&) = delete;

  double Period() const { return period_; }
  void SetPeriod(double period);  // below 0: platform::Exception, unchanged
  TFunctionPeriodAlign PeriodAlign() const { return periodAlign_; }
  void SetPeriodAlign(TFunctionPeriodAlign align);
  TFunctionPeriodStyle PeriodStyle() const { return periodStyle_; }
  void SetPeriodStyle(TFunctionPeriodStyle style);
  void Assign(const TTeeFunction& source);  // the period settings

  const QString& Name() const { return name_; }
  void SetName(const QString& name) { name_ = name; }
  TChartSeries* ParentSeries() const { return parent_; }
  // Moves this function from its parent to series (which frees the function it had).
  void SetParentSeries(TChartSeries& series);

  void BeginUpdate() { updating_ = true; }
  void EndUpdate();
  bool Updating() const { return updating_; }
  void ReCalculate();  // the parent takes its first source again, unless updating

  // Adds the parent's points computed from source; the parent was cleared.
  virtual void AddPoints(const TChartSeries* source);
  // Over the points first..last of source, or all of them for first -1.
  virtual double Calculate(const TChartSeries& source, int first, int last) const;
  // Across the sources at one point index.
  virtual double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const;

protected:
  // The list of source the function reads: the one the parent's mandatory list names, else the
  // source's mandatory list.
  const TChartValueList& ValueListOf(const TChartSeries& source) const;
  void AddFunctionXY(bool sourceYMandatory, double value, double position);
  // Folds the index values of the sources that have the index, in order; found counts them.
  double FoldSources(const std::vector<TChartSeries*>& sources, int index, double (*fold)(double, double),
                     int& found) const;
  virtual void AddPeriodPoint(const TChartSeries& source, int first, int last, double position);
  virtual void AddAllPoints(const TChartSeries& source, const TChartValueList& positions);
  virtual void AddPeriodPoints(const TChartSeries& source, const TChartValueList& positions);

private:
  friend class TChartSeries;  // sets the parent when it takes or drops the function
  double NextRangeBoundary(double boundary, int stepKind) const;
  TChartSeries* parent_ = nullptr;
  QString name_;
  double period_ = 0;
  TFunctionPeriodAlign periodAlign_ = TFunctionPeriodAlign::paCenter;
  TFunctionPeriodStyle periodStyle_ = TFunctionPeriodStyle::psNumPoints;
  bool updating_ = false;
};

// Combines the sources pairwise in order: the first value found, then each further one.
class TManySeriesTeeFunction : public TTeeFunction {
public:
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const override;

protected:
  virtual double CalculateValue(double result, double value) const = 0;
};

}  // namespace chart
