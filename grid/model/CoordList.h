#pragma once
// A list of (column, row) pairs: the cells that keep a copy of the grid's font.

#include "grid/model/IntegerLists.h"

namespace grid {

class TtsCoordList : public TtsIntegerList {
 public:
  void Add(int col, int row);
  void Remove(int col, int row);  // the first equal pair
  void Set(int position, int col, int row);
  // The pair at position (the list index of its column entry); moves position on by 2.
  bool Next(int& position, int& col, int& row) const;
};

}  // namespace grid
