#pragma once
// Plain integer lists of the grid: a list of integers and a list of integer sets (0-based).

#include "grid/model/IntegerSet.h"

#include <memory>
#include <vector>

namespace grid {

class TtsIntegerList {
 public:
  int Count() const { return int(items_.size()); }
  int Add(int value);  // returns the new entry's index
  int Get(int index) const;
  void Put(int index, int value);
  void Delete(int index);
  int Remove(int value);  // removes the first equal entry; its former index, or -1
  int IndexOf(int value) const;
  void Clear() { items_.clear(); }

 private:
  void Check(int index) const;
  std::vector<int> items_;
};

// Entries are sets or none; the list owns its sets.
class TtsIntegerSetList {
 public:
  int Count() const { return int(sets_.size()); }
  void SetCount(int count) { sets_.resize(std::size_t(count)); }
  TtsIntegerSet* Get(int index) const;  // none outside the list
  void Put(int index, std::unique_ptr<TtsIntegerSet> set);
  // Frees every set; the number of entries stays.
  void ClearSets();
  // Copies the source's sets over the common prefix of the two lists.
  void Assign(const TtsIntegerSetList& source);

 private:
  std::vector<std::unique_ptr<TtsIntegerSet>> sets_;
};

}  // namespace grid
