#pragma once
// A sorted list of 32-bit integers addressed 1..Count, growing and shrinking with a slack of 100.

#include <vector>

namespace grid {

class TtsSortIntList {
 public:
  virtual ~TtsSortIntList() = default;

  int Count() const { return count_; }
  int Capacity() const { return capacity_; }
  virtual int Get(int index) const;  // 0 outside 1..Count
  void Put(int index, int value);    // ignored outside 1..Count
  // Index 0 counts as 1; ignored beyond Count + 1 or below 0.
  void Insert(int index, int value);
  void Delete(int index);  // ignored outside 1..Count
  // Inserts at the sorted place unless present.
  virtual void AddSorted(int value);
  virtual void RemoveSorted(int value);
  // The position of the value (found) or where it would be inserted.
  virtual int Search(int value, bool& found) const;
  virtual void Assign(const TtsSortIntList& source);

 protected:
  void Grow(int needed);
  void SetCapacity(int capacity);
  void SetCountRaw(int count) { count_ = count; }
  int RawItem(int index) const { return items_[std::size_t(index)]; }

 private:
  std::vector<int> items_;  // Capacity + 1 slots; slot 0 unused
  int count_ = 0;
  int capacity_ = 0;
};

}  // namespace grid
