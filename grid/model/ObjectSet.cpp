#include "grid/model/ObjectSet.h"

#include <stdexcept>

namespace grid {

namespace {

class TtsObjectSetNode : public TtsSetNode {
 public:
  explicit TtsObjectSetNode(std::unique_ptr<TtsSetElement> element) : Element(std::move(element)) {}
  std::unique_ptr<TtsSetElement> Element;
};

TtsObjectSetNode& AsObjectNode(const TtsSetNode& node)
{
  return const_cast<TtsObjectSetNode&>(static_cast<const TtsObjectSetNode&>(node));
}

}  // namespace

TtsCompareResult TtsSetElement::CompareElement(const TtsSetElement&) const { return TtsCompareResult::crEqual; }

TtsCompareResult TtsSetElement::CompareKeys(TtsSetKey) const { return TtsCompareResult::crEqual; }

TtsCompareResult CompareKeyFields(TtsSetKey key, std::span<const std::int64_t> fields)
{
  for (std::size_t i = 0; i < key.size() && i < fields.size(); ++i) {
    if (key[i] < fields[i])
      return TtsCompareResult::crBefore;
    if (key[i] > fields[i])
      return TtsCompareResult::crAfter;
  }
  return TtsCompareResult::crEqual;
}

TtsSetElement* TtsObjectSet::Add(std::unique_ptr<TtsSetElement> element)
{
  TtsSetElement* added = element.get();
  auto compare = [added](const TtsSetNode& node) { return AsObjectNode(node).Element->CompareElement(*added); };
  auto [node, isNew] = InsertNode(compare, [&] { return std::make_unique<TtsObjectSetNode>(std::move(element)); });
  if (!isNew)
    AsObjectNode(*node).Element = std::move(element);  // the stored equal element is disposed
  return added;
}

TtsSetElement* TtsObjectSet::Find(TtsSetKey key) const
{
  const TtsSetNode* node = FindNode([key](const TtsSetNode& n) { return AsObjectNode(n).Element->CompareKeys(key); });
  return node ? AsObjectNode(*node).Element.get() : nullptr;
}

void TtsObjectSet::Remove(TtsSetKey key)
{
  RemoveNode([key](const TtsSetNode& n) { return AsObjectNode(n).Element->CompareKeys(key); });
}

TtsSetList<TtsSetElement> TtsObjectSet::ToList() const
{
  TtsSetList<TtsSetElement> list(Count());
  int index = 0;
  ForEachNode([&](TtsSetNode& node) { list.Put(++index, AsObjectNode(node).Element.get()); });
  return list;
}

std::unique_ptr<TtsSetElement> TtsObjectSet::CloneElement(const TtsSetElement&) const
{
  throw std::logic_error("this object set cannot copy its elements");
}

std::unique_ptr<TtsSetNode> TtsObjectSet::CopyNode(const TtsSetNode& source)
{
  return std::make_unique<TtsObjectSetNode>(CloneElement(*AsObjectNode(source).Element));
}

}  // namespace grid
