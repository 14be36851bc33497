#include "grid/model/IntegerSet.h"

namespace grid {

namespace {

class TtsIntegerSetNode : public TtsSetNode {
 public:
  explicit TtsIntegerSetNode(int value) : Value(value) {}
  int Value;
};

int ValueOf(const TtsSetNode& node) { return static_cast<const TtsIntegerSetNode&>(node).Value; }

TtsNodeCompare CompareWith(int value)
{
  return [value](const TtsSetNode& node) {
    const int stored = ValueOf(node);
    if (value == stored)
      return TtsCompareResult::crEqual;
    return value < stored ? TtsCompareResult::crBefore : TtsCompareResult::crAfter;
  };
}

}  // namespace

const int* TtsIntegerSet::Add(int value)
{
  TtsSetNode* node = InsertNode(CompareWith(value), [value] { return std::make_unique<TtsIntegerSetNode>(value); }).first;
  return &static_cast<TtsIntegerSetNode*>(node)->Value;
}

const int* TtsIntegerSet::Find(int value) const
{
  const TtsSetNode* node = FindNode(CompareWith(value));
  return node ? &static_cast<const TtsIntegerSetNode*>(node)->Value : nullptr;
}

void TtsIntegerSet::Remove(int value) { RemoveNode(CompareWith(value)); }

TtsSetList<const int> TtsIntegerSet::ToList() const
{
  TtsSetList<const int> list(Count());
  int index = 0;
  ForEachNode([&](TtsSetNode& node) { list.Put(++index, &static_cast<TtsIntegerSetNode&>(node).Value); });
  return list;
}

std::unique_ptr<TtsSetNode> TtsIntegerSet::CopyNode(const TtsSetNode& source)
{
  return std::make_unique<TtsIntegerSetNode>(ValueOf(source));
}

}  // namespace grid
