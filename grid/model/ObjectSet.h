#pragma once
// An ordered set of keyed elements; the set owns its elements.

#include "grid/model/SetLib.h"

#include <cstdint>
#include <span>

namespace grid {

class TtsCustomSet;

// The key of an element: its key fields in a fixed order.
using TtsSetKey = std::span<const std::int64_t>;

// The base of everything stored in an object set.
class TtsSetElement {
 public:
  virtual ~TtsSetElement() = default;
  // Where the other element sorts relative to this one.
  virtual TtsCompareResult CompareElement(const TtsSetElement& other) const;
  // Where the key sorts relative to this element; an element compares as many key values as it has.
  virtual TtsCompareResult CompareKeys(TtsSetKey key) const;
};

// Compares key values in order against an element's own fields.
TtsCompareResult CompareKeyFields(TtsSetKey key, std::span<const std::int64_t> fields);

class TtsObjectSet : public TtsCustomSet {
 public:
  // Inserts the element; an equal element stored already is disposed and the new one takes its place.
  TtsSetElement* Add(std::unique_ptr<TtsSetElement> element);
  TtsSetElement* Find(TtsSetKey key) const;  // null when absent
  void Remove(TtsSetKey key);                // disposes the element; nothing when absent
  // The elements in ascending key order.
  TtsSetList<TtsSetElement> ToList() const;
  void Assign(const TtsObjectSet& source) { AssignTree(source); }

 protected:
  // The element that a copy of the set holds for a source element (Assign).
  virtual std::unique_ptr<TtsSetElement> CloneElement(const TtsSetElement& source) const;
  std::unique_ptr<TtsSetNode> CopyNode(const TtsSetNode& source) override;
};

}  // namespace grid
