#pragma once
// The grid's balanced search trees (AVL): nodes, the path stack of removal, and the tree core that
// the integer and object sets build on.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace grid {

enum class TtsCompareResult : std::uint8_t { crBefore, crEqual, crAfter };

class TtsSetNode {
 public:
  virtual ~TtsSetNode() = default;

  std::unique_ptr<TtsSetNode> Left;   // keys that sort before this node
  std::unique_ptr<TtsSetNode> Right;  // keys that sort after it
  std::int8_t Balance = 0;            // height of the right subtree less that of the left: -1, 0, +1
};

// Where the key being looked for sorts relative to a node.
using TtsNodeCompare = std::function<TtsCompareResult(const TtsSetNode&)>;

struct TtsStackEntry {
  TtsSetNode* Node = nullptr;
  std::int8_t Direction = 0;  // -1 the path went left from the node, +1 right
};

// The path from the root while removing; entries are addressed 1..Top.
class TtsNodeStack {
 public:
  int Push(TtsSetNode* node, std::int8_t direction);  // returns the new Top
  TtsStackEntry Pop();                                // {nullptr, 0} when empty
  TtsStackEntry Peek(int index) const;                // {nullptr, 0} outside 1..Top
  void Replace(int index, TtsSetNode* node, std::int8_t direction);
  void Reset() { top_ = 0; }
  int Top() const { return top_; }
  int Capacity() const { return int(entries_.size()); }

 private:
  std::vector<TtsStackEntry> entries_;
  int top_ = 0;
};

// A 1-based list of pointers that a set is flattened into; it owns nothing.
template <class T>
class TtsSetList {
 public:
  explicit TtsSetList(int count = 0) : items_(std::size_t(count), nullptr) {}
  int Count() const { return int(items_.size()); }
  T* Get(int index) const { return index >= 1 && index <= Count() ? items_[std::size_t(index - 1)] : nullptr; }
  void Put(int index, T* item)
  {
    if (index >= 1 && index <= Count())
      items_[std::size_t(index - 1)] = item;
  }

 private:
  std::vector<T*> items_;
};

// The tree core: insertion with at most one rotation, removal through the reusable path stack
// (nodes have no parent links), search, copy and in-order walks.
class TtsCustomSet {
 public:
  TtsCustomSet() = default;
  TtsCustomSet(const TtsCustomSet&) = delete;
  TtsCustomSet& operator=(const TtsCustomSet&) = delete;
  virtual ~TtsCustomSet();

  int Count() const { return count_; }
  bool IsAssigning() const { return assignDepth_ > 0; }
  void Clear();
  const TtsSetNode* Root() const { return root_.get(); }

 protected:
  // The node that holds the key: the existing one, or a new one made by `make` (second: true).
  std::pair<TtsSetNode*, bool> InsertNode(const TtsNodeCompare& compare,
                                          const std::function<std::unique_ptr<TtsSetNode>()>& make);
  // Unlinks the node that holds the key and hands it over; null when absent.
  std::unique_ptr<TtsSetNode> RemoveNode(const TtsNodeCompare& compare);
  TtsSetNode* FindNode(const TtsNodeCompare& compare) const;
  // Copies the source's tree shape and balances; nodes come from CopyNode. Used on empty sets.
  void AssignTree(const TtsCustomSet& source);
  virtual std::unique_ptr<TtsSetNode> CopyNode(const TtsSetNode& source) = 0;
  // Visits the nodes in ascending key order.
  void ForEachNode(const std::function<void(TtsSetNode&)>& visit) const;

 private:
  std::unique_ptr<TtsSetNode> CopyTree(const TtsSetNode* source);
  std::unique_ptr<TtsSetNode>& SlotOf(int stackIndex);  // the link that holds the node at that entry

  std::unique_ptr<TtsSetNode> root_;
  int count_ = 0;
  int assignDepth_ = 0;
  TtsNodeStack stack_;
};

}  // namespace grid
