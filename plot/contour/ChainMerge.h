#pragma once
// Joins the traced segments of contour levels into chains. A segment is joined to the first chain
// of its level in list order whose end it touches (or dropped when it repeats a piece of a straight
// chain along a grid line); a chain that grew this way may in turn join an earlier one. The chain
// ends are kept in a spatial index, so a segment finds the chains it touches without walking the
// list, and the list comes out as a walk over it would leave it.

#include "plot/contour/Contour.h"

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace plot {

class TChainMerger {
public:
  // Indexes the chains already in the list that segments of the level may meet. The cell size of
  // the index should be near the spacing of the points joined; any size gives the same chains.
  TChainMerger(TContourChains& list, double level, double cellSize);

  // A segment of the level given at construction.
  void Add(double level, const TFloatPoint& p, const TFloatPoint& q, const TContourCell& cell);

private:
  using TChainRef = TContourChains::iterator;
  struct TEntry {
    TChainRef chain;
    std::uint64_t order;  // list order: earlier chains have smaller numbers
  };

  void Index(const TEntry& entry);
  void Unindex(TChainRef chain);
  // The first chain in list order that the candidate touches or repeats; its chain is the list's
  // end when there is none.
  TEntry FirstMatch(const TContourChain& candidate);

  // Open-addressed table from the key of an index cell to its first end entry.
  std::uint64_t CellKey(std::int64_t ix, std::int64_t iy) const;
  std::int64_t CellOf(double v) const;
  static constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);
  std::int32_t& Head(std::uint64_t key);
  std::size_t FindSlot(std::uint64_t key) const;
  void EraseSlot(std::size_t slot);
  void Grow();
  template <typename Visit>
  void VisitNear(const TFloatPoint& p, Visit visit);

  TContourChains& list_;
  double perCell_;  // index cells per unit
  std::uint64_t nextOrder_ = 0;
  TContourChains spare_;  // the candidate being joined
  struct TSlot {
    std::uint64_t key = 0;
    std::int32_t head = -1;
    bool used = false;
  };
  std::vector<TSlot> slots_;
  std::size_t usedSlots_ = 0;
  struct TEndEntry {
    TEntry entry;
    std::int32_t next;
  };
  std::vector<TEndEntry> ends_;
  std::vector<std::int32_t> freeEnds_;
  // Straight chains along a grid line, by their common X and by their common Y.
  std::unordered_multimap<double, TEntry> straightX_;
  std::unordered_multimap<double, TEntry> straightY_;
};

}  // namespace plot
