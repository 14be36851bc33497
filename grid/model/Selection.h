#pragma once
// The selected columns or rows: a bit per display index with the count and the first and last
// selected index.

#include <vector>

namespace grid {

class TtsSelection {
 public:
  void SetSize(int count) { bits_.resize(std::size_t(count > 0 ? count : 0), false); Recount(); }
  bool Selected(int index) const { return index >= 0 && index < int(bits_.size()) && bits_[std::size_t(index)]; }
  void Set(int index, bool selected);
  int Count() const { return count_; }
  int First() const { return first_; }  // 0 when nothing is selected
  int Last() const { return last_; }
  void SetEnds(int first, int last)
  {
    first_ = first;
    last_ = last;
  }
  // Selected indexes in from..to (either order).
  int CountIn(int from, int to) const;
  void Recount();

 private:
  std::vector<bool> bits_;
  int count_ = 0;
  int first_ = 0;
  int last_ = 0;
};

}  // namespace grid
