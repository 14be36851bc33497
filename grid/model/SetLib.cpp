#include "grid/model/SetLib.h"

namespace grid {

namespace {

std::unique_ptr<TtsSetNode>& Child(TtsSetNode& node, int direction)
{
  return direction < 0 ? node.Left : node.Right;
}

// Single rotation at the node in `slot` toward d (its heavy side).
void RotateSingle(std::unique_ptr<TtsSetNode>& slot, int d)
{
  std::unique_ptr<TtsSetNode> s = std::move(slot);
  std::unique_ptr<TtsSetNode> r = std::move(Child(*s, d));
  Child(*s, d) = std::move(Child(*r, -d));
  if (r->Balance != 0) {
    s->Balance = 0;
    r->Balance = 0;
  } else {  // only while removing
    s->Balance = std::int8_t(d);
    r->Balance = std::int8_t(-d);
  }
  Child(*r, -d) = std::move(s);
  slot = std::move(r);
}

// Double rotation at the node in `slot` toward d: the inner grandchild becomes the subtree root.
void RotateDouble(std::unique_ptr<TtsSetNode>& slot, int d)
{
  std::unique_ptr<TtsSetNode> s = std::move(slot);
  std::unique_ptr<TtsSetNode> r = std::move(Child(*s, d));
  std::unique_ptr<TtsSetNode> p = std::move(Child(*r, -d));
  Child(*r, -d) = std::move(Child(*p, d));
  Child(*s, d) = std::move(Child(*p, -d));
  const int e = p->Balance;
  if (e == d) {
    s->Balance = std::int8_t(-d);
    r->Balance = 0;
  } else if (e == 0) {
    s->Balance = 0;
    r->Balance = 0;
  } else {
    s->Balance = 0;
    r->Balance = std::int8_t(d);
  }
  p->Balance = 0;
  Child(*p, d) = std::move(r);
  Child(*p, -d) = std::move(s);
  slot = std::move(p);
}

int DirectionOf(TtsCompareResult result) { return result == TtsCompareResult::crBefore ? -1 : 1; }

}  // namespace

int TtsNodeStack::Push(TtsSetNode* node, std::int8_t direction)
{
  if (top_ == Capacity())
    entries_.resize(entries_.size() + 10);
  entries_[std::size_t(top_)] = {node, direction};
  return ++top_;
}

TtsStackEntry TtsNodeStack::Pop()
{
  if (top_ == 0)
    return {};
  return entries_[std::size_t(--top_)];
}

TtsStackEntry TtsNodeStack::Peek(int index) const
{
  if (index < 1 || index > top_)
    return {};
  return entries_[std::size_t(index - 1)];
}

void TtsNodeStack::Replace(int index, TtsSetNode* node, std::int8_t direction)
{
  if (index >= 1 && index <= top_)
    entries_[std::size_t(index - 1)] = {node, direction};
}

TtsCustomSet::~TtsCustomSet() = default;

void TtsCustomSet::Clear()
{
  root_.reset();
  count_ = 0;
  stack_.Reset();
}

std::pair<TtsSetNode*, bool> TtsCustomSet::InsertNode(const TtsNodeCompare& compare,
                                                      const std::function<std::unique_ptr<TtsSetNode>()>& make)
{
  if (!root_) {
    root_ = make();
    ++count_;
    return {root_.get(), true};
  }
  // Walk down, remembering the link of the last node with a nonzero balance (the critical node).
  std::unique_ptr<TtsSetNode>* critical = &root_;
  std::unique_ptr<TtsSetNode>* slot = &root_;
  for (;;) {
    TtsSetNode& node = **slot;
    const TtsCompareResult result = compare(node);
    if (result == TtsCompareResult::crEqual)
      return {&node, false};
    if (node.Balance != 0)
      critical = slot;
    slot = &Child(node, DirectionOf(result));
    if (!*slot)
      break;
  }
  *slot = make();
  ++count_;
  TtsSetNode* added = slot->get();

  TtsSetNode& s = **critical;
  const int d = DirectionOf(compare(s));
  TtsSetNode* r = Child(s, d).get();
  for (TtsSetNode* p = r; p != added;) {
    const int step = DirectionOf(compare(*p));
    p->Balance = std::int8_t(step);
    p = Child(*p, step).get();
  }
  if (s.Balance == 0)
    s.Balance = std::int8_t(d);
  else if (s.Balance == -d)
    s.Balance = 0;
  else if (r->Balance == d)
    RotateSingle(*critical, d);
  else
    RotateDouble(*critical, d);
  return {added, true};
}

std::unique_ptr<TtsSetNode>& TtsCustomSet::SlotOf(int stackIndex)
{
  if (stackIndex <= 1)
    return root_;
  const TtsStackEntry parent = stack_.Peek(stackIndex - 1);
  return Child(*parent.Node, parent.Direction);
}

std::unique_ptr<TtsSetNode> TtsCustomSet::RemoveNode(const TtsNodeCompare& compare)
{
  stack_.Reset();
  TtsSetNode* node = root_.get();
  while (node) {
    const TtsCompareResult result = compare(*node);
    if (result == TtsCompareResult::crEqual)
      break;
    const int direction = DirectionOf(result);
    stack_.Push(node, std::int8_t(direction));
    node = Child(*node, direction).get();
  }
  if (!node)
    return nullptr;

  TtsSetNode* found = node;
  int foundIndex = 0;
  if (found->Left && found->Right) {  // cut out the in-order successor instead
    foundIndex = stack_.Push(found, 1);
    node = found->Right.get();
    while (node->Left) {
      stack_.Push(node, -1);
      node = node->Left.get();
    }
  }
  std::unique_ptr<TtsSetNode>& slot = SlotOf(stack_.Top() + 1);
  std::unique_ptr<TtsSetNode> cut = std::move(slot);
  slot = std::move(cut->Left ? cut->Left : cut->Right);
  --count_;

  if (cut.get() != found) {
    std::unique_ptr<TtsSetNode>& foundSlot = SlotOf(foundIndex);
    std::unique_ptr<TtsSetNode> foundOwned = std::move(foundSlot);
    cut->Left = std::move(foundOwned->Left);
    cut->Right = std::move(foundOwned->Right);
    cut->Balance = foundOwned->Balance;
    stack_.Replace(foundIndex, cut.get(), 1);
    foundSlot = std::move(cut);
    cut = std::move(foundOwned);
  }

  // Rebalance on the way up.
  while (stack_.Top() > 0) {
    const int index = stack_.Top();
    const TtsStackEntry entry = stack_.Peek(index);
    TtsSetNode& n = *entry.Node;
    const int direction = entry.Direction;
    if (n.Balance == 0) {
      n.Balance = std::int8_t(-direction);
      break;
    }
    if (n.Balance == direction) {
      n.Balance = 0;
      stack_.Pop();
      continue;
    }
    const int a = -direction;
    const TtsSetNode& c = *Child(n, a);
    std::unique_ptr<TtsSetNode>& nodeSlot = SlotOf(index);
    stack_.Pop();
    if (c.Balance != 0 && c.Balance != a) {
      RotateDouble(nodeSlot, a);
      continue;
    }
    const bool heightKept = c.Balance == 0;
    RotateSingle(nodeSlot, a);
    if (heightKept)
      break;
  }
  stack_.Reset();
  cut->Left.reset();
  cut->Right.reset();
  return cut;
}

TtsSetNode* TtsCustomSet::FindNode(const TtsNodeCompare& compare) const
{
  TtsSetNode* node = root_.get();
  while (node) {
    const TtsCompareResult result = compare(*node);
    if (result == TtsCompareResult::crEqual)
      return node;
    node = Child(*node, DirectionOf(result)).get();
  }
  return nullptr;
}

std::unique_ptr<TtsSetNode> TtsCustomSet::CopyTree(const TtsSetNode* source)
{
  if (!source)
    return nullptr;
  std::unique_ptr<TtsSetNode> copy = CopyNode(*source);
  ++count_;
  copy->Balance = source->Balance;
  copy->Left = CopyTree(source->Left.get());
  copy->Right = CopyTree(source->Right.get());
  return copy;
}

void TtsCustomSet::AssignTree(const TtsCustomSet& source)
{
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } depth(assignDepth_);
  const int countBefore = count_;
  count_ = 0;  // the copy replaces the present tree
  try {
    root_ = CopyTree(source.root_.get());
  } catch (...) {
    count_ = countBefore;
    throw;
  }
}

void TtsCustomSet::ForEachNode(const std::function<void(TtsSetNode&)>& visit) const
{
  // Iterative in-order walk: the tree is balanced, but the callback may be deep already.
  std::vector<TtsSetNode*> path;
  TtsSetNode* node = root_.get();
  while (node || !path.empty()) {
    while (node) {
      path.push_back(node);
      node = node->Left.get();
    }
    node = path.back();
    path.pop_back();
    visit(*node);
    node = node->Right.get();
  }
}

}  // namespace grid
