#pragma once
// An ordered set of 32-bit integers without duplicates.

#include "grid/model/SetLib.h"

namespace grid {

class TtsIntegerSet : public TtsCustomSet {
 public:
  // The stored integer: the existing one when the value is present already.
  const int* Add(int value);
  const int* Find(int value) const;  // null when absent
  void Remove(int value);            // nothing when absent
  void Assign(const TtsIntegerSet& source) { AssignTree(source); }
  // The stored integers in ascending order.
  TtsSetList<const int> ToList() const;

 protected:
  std::unique_ptr<TtsSetNode> CopyNode(const TtsSetNode& source) override;
};

}  // namespace grid
