#include "plot/contour/ChainMerge.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plot {

namespace {

constexpr double kTouch = 1e-5;

// Both coordinates closer than the join tolerance.
bool Touches(const TFloatPoint& a, const TFloatPoint& b)
{
  return std::fabs(a.X - b.X) < kTouch && std::fabs(a.Y - b.Y) < kTouch;
}

bool EndsTouch(const TContourChain& chain, const TContourChain& c)
{
  return Touches(chain.EndB, c.EndA) || Touches(chain.EndB, c.EndB) || Touches(chain.EndA, c.EndA) ||
         Touches(chain.EndA, c.EndB);
}

double CellSlope(const TContourCell& c)
{
  const double a = c.x[1] + c.x[2] - c.x[0] - c.x[3];
  const double b = c.y[2] + c.y[3] - c.y[0] - c.y[1];
  if (a == 0 || b == 0)
    return std::numeric_limits<double>::infinity();
  const double gx = (c.z[1] + c.z[2] - c.z[0] - c.z[3]) / a;
  const double gy = (c.z[2] + c.z[3] - c.z[0] - c.z[1]) / b;
  return gx * gx + gy * gy;
}

bool Within(double v, double a, double b) { return std::min(a, b) <= v && v <= std::max(a, b); }

// The candidate repeats a piece of the chain along one grid line.
bool Duplicate(const TContourChain& chain, const TContourChain& c)
{
  if (chain.EndA.X == chain.EndB.X && chain.EndA.X == c.EndA.X && chain.EndA.X == c.EndB.X)
    return Within(c.EndA.Y, chain.EndA.Y, chain.EndB.Y) && Within(c.EndB.Y, chain.EndA.Y, chain.EndB.Y);
  if (chain.EndA.Y == chain.EndB.Y && chain.EndA.Y == c.EndA.Y && chain.EndA.Y == c.EndB.Y)
    return Within(c.EndA.X, chain.EndA.X, chain.EndB.X) && Within(c.EndB.X, chain.EndA.X, chain.EndB.X);
  return false;
}

// Joins c to chain by the first pair of ends that touch: EndB to c's EndA, EndB to c's EndB, EndA
// to c's EndA, EndA to c's EndB. A fresh c brings only its far end, a chain all its points.
void Join(TContourChain& chain, TContourChain& c, bool fresh)
{
  if (c.LabelSlope < chain.LabelSlope) {
    chain.LabelP1 = c.LabelP1;
    chain.LabelP2 = c.LabelP2;
    chain.LabelSlope = c.LabelSlope;
  }
  auto& points = chain.Points;
  if (Touches(chain.EndB, c.EndA)) {
    chain.EndB = c.EndB;
    if (fresh)
      points.push_back(c.EndB);
    else
      points.insert(points.end(), c.Points.begin(), c.Points.end());
  } else if (Touches(chain.EndB, c.EndB)) {
    chain.EndB = c.EndA;
    if (fresh)
      points.push_back(c.EndA);
    else
      points.insert(points.end(), c.Points.rbegin(), c.Points.rend());
  } else if (Touches(chain.EndA, c.EndA)) {
    chain.EndA = c.EndB;
    if (fresh)
      points.push_front(c.EndB);
    else
      points.insert(points.begin(), c.Points.rbegin(), c.Points.rend());
  } else {
    chain.EndA = c.EndA;
    if (fresh)
      points.push_front(c.EndA);
    else
      points.insert(points.begin(), c.Points.begin(), c.Points.end());
  }
}

std::uint64_t Mix(std::uint64_t x)
{
  x ^= x >> 29;
  x *= 0xbf58476d1ce4e5b9ULL;
  return x ^ (x >> 32);
}

template <typename Map>
void EraseEntry(Map& map, double key, TContourChains::iterator chain)
{
  const auto [first, last] = map.equal_range(key);
  for (auto it = first; it != last; ++it)
    if (it->second.chain == chain) {
      map.erase(it);
      return;
    }
}

}  // namespace

TChainMerger::TChainMerger(TContourChains& list, double level, double cellSize)
    : list_(list), perCell_(1 / (std::isfinite(cellSize) && cellSize > 4 * kTouch ? cellSize : 4 * kTouch))
{
  slots_.resize(256);
  // Candidates of another level arise only when the list's first chain, of this level, grows and
  // the second goes round; otherwise the chains of other levels are never looked at.
  const bool all = !list_.empty() && list_.front().Level == level;
  for (auto chain = list_.begin(); chain != list_.end(); ++chain, ++nextOrder_)
    if (all || chain->Level == level)
      Index({chain, nextOrder_});
}

// The index cell of a coordinate: floor(v / cell size); far off, or not a number, the outermost.
std::int64_t TChainMerger::CellOf(double v) const
{
  constexpr double limit = 4.0e18;
  const double t = v * perCell_;
  if (!(t > -limit))
    return -static_cast<std::int64_t>(limit);
  if (!(t < limit))
    return static_cast<std::int64_t>(limit);
  const auto cell = static_cast<std::int64_t>(t);
  return t < static_cast<double>(cell) ? cell - 1 : cell;
}

std::uint64_t TChainMerger::CellKey(std::int64_t ix, std::int64_t iy) const
{
  return Mix(static_cast<std::uint64_t>(ix) * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(iy));
}

std::size_t TChainMerger::FindSlot(std::uint64_t key) const
{
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = key & mask; slots_[i].used; i = (i + 1) & mask)
    if (slots_[i].key == key)
      return i;
  return kNoSlot;
}

// Linear probing without tombstones: the entries after the freed slot move back to where their
// probe would find them.
void TChainMerger::EraseSlot(std::size_t slot)
{
  const std::size_t mask = slots_.size() - 1;
  slots_[slot].used = false;
  --usedSlots_;
  for (std::size_t i = (slot + 1) & mask; slots_[i].used; i = (i + 1) & mask) {
    const std::size_t home = slots_[i].key & mask;
    // The entry at i may fill the hole when its home does not lie cyclically in (hole, i].
    const bool stays = slot <= i ? (slot < home && home <= i) : (slot < home || home <= i);
    if (stays)
      continue;
    slots_[slot] = slots_[i];
    slots_[i].used = false;
    slot = i;
  }
}

// The slot of the key, taken when it is new.
std::int32_t& TChainMerger::Head(std::uint64_t key)
{
  if (2 * (usedSlots_ + 1) > slots_.size())
    Grow();
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = key & mask;; i = (i + 1) & mask) {
    TSlot& slot = slots_[i];
    if (slot.used && slot.key == key)
      return slot.head;
    if (!slot.used) {
      slot = {key, -1, true};
      ++usedSlots_;
      return slot.head;
    }
  }
}

void TChainMerger::Grow()
{
  std::vector<TSlot> old(slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const TSlot& slot : old) {
    if (!slot.used)
      continue;
    std::size_t i = slot.key & mask;
    while (slots_[i].used)
      i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

// Every indexed end in the cells within the join tolerance of p.
template <typename Visit>
void TChainMerger::VisitNear(const TFloatPoint& p, Visit visit)
{
  const std::int64_t x0 = CellOf(p.X - kTouch), x1 = CellOf(p.X + kTouch);
  const std::int64_t y0 = CellOf(p.Y - kTouch), y1 = CellOf(p.Y + kTouch);
  const std::size_t mask = slots_.size() - 1;
  for (std::int64_t ix = x0; ix <= x1; ++ix)
    for (std::int64_t iy = y0; iy <= y1; ++iy) {
      const std::uint64_t key = CellKey(ix, iy);
      for (std::size_t i = key & mask; slots_[i].used; i = (i + 1) & mask) {
        if (slots_[i].key != key)
          continue;
        for (std::int32_t e = slots_[i].head; e >= 0; e = ends_[static_cast<std::size_t>(e)].next)
          visit(ends_[static_cast<std::size_t>(e)].entry);
        break;
      }
    }
}

void TChainMerger::Index(const TEntry& entry)
{
  const TContourChain& chain = *entry.chain;
  for (const TFloatPoint* end : {&chain.EndA, &chain.EndB}) {
    std::int32_t& head = Head(CellKey(CellOf(end->X), CellOf(end->Y)));
    std::int32_t e;
    if (freeEnds_.empty()) {
      e = static_cast<std::int32_t>(ends_.size());
      ends_.push_back({entry, head});
    } else {
      e = freeEnds_.back();
      freeEnds_.pop_back();
      ends_[static_cast<std::size_t>(e)] = {entry, head};
    }
    head = e;
  }
  // A chain whose ends are one point holds only a candidate that ends there twice, and that
  // candidate touches it: the ends index finds it.
  if (chain.EndA == chain.EndB)
    return;
  if (chain.EndA.X == chain.EndB.X)
    straightX_.emplace(chain.EndA.X, entry);
  if (chain.EndA.Y == chain.EndB.Y)
    straightY_.emplace(chain.EndA.Y, entry);
}

void TChainMerger::Unindex(TChainRef chain)
{
  for (const TFloatPoint* end : {&chain->EndA, &chain->EndB}) {
    const std::size_t slot = FindSlot(CellKey(CellOf(end->X), CellOf(end->Y)));
    if (slot == kNoSlot)
      continue;
    std::int32_t* link = &slots_[slot].head;
    while (*link >= 0) {
      TEndEntry& e = ends_[static_cast<std::size_t>(*link)];
      if (e.entry.chain == chain) {
        freeEnds_.push_back(*link);
        *link = e.next;
        break;
      }
      link = &e.next;
    }
    if (slots_[slot].head < 0)
      EraseSlot(slot);
  }
  if (chain->EndA == chain->EndB)
    return;
  if (chain->EndA.X == chain->EndB.X)
    EraseEntry(straightX_, chain->EndA.X, chain);
  if (chain->EndA.Y == chain->EndB.Y)
    EraseEntry(straightY_, chain->EndA.Y, chain);
}

TChainMerger::TEntry TChainMerger::FirstMatch(const TContourChain& c)
{
  TEntry best{list_.end(), std::numeric_limits<std::uint64_t>::max()};
  const auto consider = [&](const TEntry& entry, bool byEnds) {
    if (entry.order >= best.order || entry.chain->Level != c.Level)
      return;
    if (byEnds ? EndsTouch(*entry.chain, c) || Duplicate(*entry.chain, c) : Duplicate(*entry.chain, c))
      best = entry;
  };
  VisitNear(c.EndA, [&](const TEntry& entry) { consider(entry, true); });
  VisitNear(c.EndB, [&](const TEntry& entry) { consider(entry, true); });
  if (c.EndA.X == c.EndB.X) {
    const auto [first, last] = straightX_.equal_range(c.EndA.X);
    for (auto it = first; it != last; ++it)
      consider(it->second, false);
  }
  if (c.EndA.Y == c.EndB.Y) {
    const auto [first, last] = straightY_.equal_range(c.EndA.Y);
    for (auto it = first; it != last; ++it)
      consider(it->second, false);
  }
  return best;
}

// Only chains of the same level are joined or taken as repeated. The candidate lives in a list
// of its own, so that chains move between it and the list without being copied.
void TChainMerger::Add(double level, const TFloatPoint& p, const TFloatPoint& q, const TContourCell& cell)
{
  if (Touches(p, q))
    return;
  while (spare_.size() > 2)
    spare_.pop_back();
  if (spare_.empty())
    spare_.emplace_back();
  TContourChain& candidate = spare_.front();
  candidate.Points.clear();
  candidate.Label = nullptr;
  candidate.Level = level;
  candidate.EndA = p;
  candidate.EndB = q;
  candidate.LabelP1 = p;
  candidate.LabelP2 = q;
  candidate.LabelSlope = CellSlope(cell);
  bool fresh = true;
  for (;;) {
    TContourChain& c = spare_.front();
    const TEntry match = FirstMatch(c);
    if (match.chain == list_.end())
      break;
    if (Duplicate(*match.chain, c))
      return;
    const bool first = match.chain == list_.begin();
    Unindex(match.chain);
    Join(*match.chain, c, fresh);
    if (first && std::next(match.chain) == list_.end()) {
      Index(match);
      return;
    }
    // The chain that grew joins again from the head of the list; a first chain stays in place
    // and the second goes round instead.
    TChainRef taken = match.chain;
    if (first) {
      Index(match);
      taken = std::next(match.chain);
      Unindex(taken);
    }
    spare_.splice(spare_.begin(), list_, taken);  // the joined candidate behind it is spare
    fresh = false;
  }
  TContourChain& c = spare_.front();
  if (fresh)
    c.Points = {c.EndA, c.EndB};
  list_.splice(list_.end(), spare_, spare_.begin());
  Index({std::prev(list_.end()), nextOrder_++});
}

}  // namespace plot
