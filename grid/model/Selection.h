#pragma once
// The selected columns or rows: a bit per display position with the count and the lowest and
// highest selected position. Position 0 (row bar, heading row) is never reported as selected.

#include <vector>

namespace grid {

class TtsSelection {
 public:
  // Copies the bits, the size and the summary; answers whether any bit changed.
  bool Assign(const TtsSelection& source);
  // Every bit cleared; the size stays.
  void Clear();
  int Size() const { return int(bits_.size()); }
  // Shrinking drops the positions cut off from the summary; new positions are not selected.
  void SetSize(int count);

  bool IsSelected(int position) const { return position > 0 && position < Size() && Bit(position); }
  // The bit itself, position 0 included.
  bool Selected(int position) const { return position >= 0 && position < Size() && Bit(position); }
  void Set(int position, bool selected);
  // The first selected position after `position` (before it), -1 when none.
  int NextSelected(int position) const;
  int PrevSelected(int position) const;
  // Selected positions in a..b (either order), clipped to 1..Size()-1.
  int CountSelected(int a, int b) const;
  int CountIn(int from, int to) const { return CountSelected(from, to); }

  int Count() const { return count_; }
  int Lowest() const { return lowest_; }  // -1 when nothing is selected
  int Highest() const { return highest_; }
  int First() const { return count_ > 0 ? lowest_ : 0; }  // 0 when nothing is selected
  int Last() const { return count_ > 0 ? highest_ : 0; }
  // The grid's range selection keeps the ends itself.
  void SetEnds(int lowest, int highest)
  {
    lowest_ = lowest;
    highest_ = highest;
  }
  // Count and ends recomputed from the bits.
  void Recount();

 private:
  bool Bit(int position) const { return bits_[std::size_t(position)]; }
  int LastSetBelow(int position) const;
  int FirstSetFrom(int position) const;

  std::vector<bool> bits_;
  int lowest_ = -1;
  int highest_ = -1;
  int count_ = 0;
};

}  // namespace grid
