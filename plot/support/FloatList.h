#pragma once
// A list of doubles with their running minimum and maximum.

#include <vector>

namespace plot {

// Doubles with their running minimum and maximum (SetItem leaves them). Items are numbered from 0
// and checked.
class TFloatList {
public:
  int Add(double x);
  double GetItem(int index) const;
  void SetItem(int index, double x);
  void Clear() { items_.clear(); }
  int Count() const { return static_cast<int>(items_.size()); }

  double MinValue = 0;
  double MaxValue = 0;

private:
  std::vector<double> items_;
};

}  // namespace plot
