#pragma once
// The visible display positions of columns or rows, in ascending order. Until the first position
// is hidden the list is implicit: positions 1 to the visible count.

#include "grid/model/SortIntList.h"

namespace grid {

class TtsVisibleItems : public TtsSortIntList {
 public:
  int VisibleCount() const { return visibleCount_; }
  bool Explicit() const { return explicit_; }

  // The index-th visible position; 0 outside the list.
  int Get(int index) const override;
  // The index of a position and whether it is visible (else where it would be).
  int Find(int position, bool& visible) const;
  void Add(int position);     // a position became visible
  void Remove(int position);  // a position was hidden
  void SetCount(int count, int firstNewPosition);
  // Positions from `position` on are gone (a smaller count).
  void DropFrom(int position);
  // The list after moving display position `from` to `to`.
  void Move(int from, int to);
  void Assign(const TtsSortIntList& source) override;

 private:
  int visibleCount_ = 0;
  bool explicit_ = false;
};

}  // namespace grid
