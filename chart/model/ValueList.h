#pragma once
// One named list of doubles of a series (X, Y or a kind's extra list): ordered insertion, a
// multiplier applied on every read, and cached statistics that skip values that are not finite.

#include <QString>
#include <vector>

namespace chart {

class TChartSeries;

enum class TChartListOrder { loNone, loAscending, loDescending };

class TChartValueList {
public:
  // Made by the owner, which keeps it in its value lists.
  TChartValueList(TChartSeries& owner, const QString& name);
  TChartValueList(const TChartValueList&) = delete;
  TChartValueList& operator=(const TChartValueList&) = delete;

  TChartSeries& Owner() const { return owner_; }
  const QString& Name() const { return name_; }
  void SetName(const QString& name) { name_ = name; }

  // Values, read times Multiplier.
  int Count() const { return int(values_.size()); }
  std::size_t Capacity() const { return values_.capacity(); }
  double GetValue(int index) const  // EListIndexError outside the list
  {
    if (index < 0 || std::size_t(index) >= values_.size()) ThrowIndexError(index);
    return values_[std::size_t(index)] * multiplier_;
  }
  double operator[](int index) const { return GetValue(index); }
  double First() const { return GetValue(0); }
  double Last() const { return GetValue(Count() - 1); }
  double RawValue(int index) const { return values_[std::size_t(index)]; }  // unchecked, no Multiplier
  void SetValue(int index, double value);  // tells the linked series; no repaint

  int AddChartValue(double value);  // by Order; returns the index
  void InsertChartValue(int index, double value);
  void Delete(int index);
  void ClearValues();  // capacity back to the owner's DefaultCapacity
  void Scroll();       // first value to the end
  int Locate(double value) const;  // first index whose multiplied value equals value, -1 when none
  void FillSequence();             // value i := i
  void Sort();                     // the owner's points by this list; nothing for loNone
  void Exchange(int a, int b);     // two values (the owner's SwapValueIndex moves whole points)

  // Statistics of the finite multiplied values, 0 when there is none; recomputed on the first read
  // after a change.
  double MaxValue() const;
  double MinValue() const;
  double Total() const;
  double TotalAbs() const;
  void RecalcStats() const;
  // Replaces the cached total of absolute values until the next change (a pie counts its merged
  // points once, in its "Other" slice).
  void SetCachedTotalAbs(double total) const;
  bool StatsStale() const { return statsStale_; }

  // Settings.
  TChartListOrder Order() const { return order_; }
  void SetOrder(TChartListOrder order) { order_ = order; }
  bool DateTime() const { return dateTime_; }
  void SetDateTime(bool on);  // repaints
  double Multiplier() const { return multiplier_; }
  void SetMultiplier(double multiplier);  // repaints, tells the linked series to recompute
  const QString& ValueSource() const { return valueSource_; }
  void SetValueSource(const QString& source);  // the owner rechecks its data source
  // Order, DateTime, Multiplier and ValueSource; not the values, not the name.
  void Assign(const TChartValueList& source);

  // The value staged for the next add of a point.
  double StagedValue() const { return staged_; }
  void SetStagedValue(double value) { staged_ = value; }

private:
  [[noreturn]] static void ThrowIndexError(int index);
  void Changed() { statsStale_ = true; }
  int CompareIndices(int a, int b) const;
  void QuickSortRange(int l, int r);

  TChartSeries& owner_;
  QString name_;
  std::vector<double> values_;
  TChartListOrder order_ = TChartListOrder::loNone;
  bool dateTime_ = false;
  double multiplier_ = 1.0;
  QString valueSource_;
  double staged_ = 0.0;
  mutable bool statsStale_ = true;
  mutable double max_ = 0.0;
  mutable double min_ = 0.0;
  mutable double total_ = 0.0;
  mutable double totalAbs_ = 0.0;
};

}  // namespace chart
