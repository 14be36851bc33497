#include "grid/model/CoordList.h"

namespace grid {

void TtsCoordList::Add(int col, int row)
{
  TtsIntegerList::Add(col);
  TtsIntegerList::Add(row);
}

void TtsCoordList::Remove(int col, int row)
{
  for (int i = 0; i + 1 < Count(); i += 2) {
    if (Get(i) == col && Get(i + 1) == row) {
      Delete(i + 1);
      Delete(i);
      return;
    }
  }
}

void TtsCoordList::Set(int position, int col, int row)
{
  if (position < 0 || position >= Count() - 1)
    return;
  Put(position, col);
  Put(position + 1, row);
}

bool TtsCoordList::Next(int& position, int& col, int& row) const
{
  if (position < 0 || position >= Count() - 1) {
    col = 0;
    row = 0;
    return false;
  }
  col = Get(position);
  row = Get(position + 1);
  position += 2;
  return true;
}

}  // namespace grid
