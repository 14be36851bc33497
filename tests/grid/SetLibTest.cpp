// The grid's ordered sets and integer lists.
#include "grid/model/IntegerLists.h"
#include "grid/model/IntegerSet.h"
#include "grid/model/ObjectSet.h"
#include "grid/model/SortIntList.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace grid {
namespace {

// Height of a subtree; fails the test when a balance is wrong or out of range.
int CheckedHeight(const TtsSetNode* node)
{
  if (!node)
    return 0;
  const int left = CheckedHeight(node->Left.get());
  const int right = CheckedHeight(node->Right.get());
  EXPECT_GE(node->Balance, -1);
  EXPECT_LE(node->Balance, 1);
  EXPECT_EQ(node->Balance, right - left);
  return 1 + std::max(left, right);
}

std::vector<int> Contents(const TtsIntegerSet& set)
{
  const auto list = set.ToList();
  std::vector<int> values;
  for (int i = 1; i <= list.Count(); ++i)
    values.push_back(*list.Get(i));
  return values;
}

TEST(IntegerSet, KeepsItsInvariantsUnderRandomInsertsAndRemoves)
{
  TtsIntegerSet set;
  std::set<int> reference;
  std::mt19937 random(19);
  std::uniform_int_distribution<int> value(-500, 2500);
  for (int step = 0; step < 100000; ++step) {
    const int v = value(random);
    if (random() % 3 == 0) {
      set.Remove(v);
      reference.erase(v);
    } else {
      const int* stored = set.Add(v);
      ASSERT_EQ(*stored, v);
      reference.insert(v);
    }
    ASSERT_EQ(set.Count(), int(reference.size()));
    if (step % 5000 == 0)
      CheckedHeight(set.Root());
  }
  CheckedHeight(set.Root());
  EXPECT_EQ(Contents(set), std::vector<int>(reference.begin(), reference.end()));
  for (int v = -500; v <= 2500; v += 7)
    EXPECT_EQ(set.Find(v) != nullptr, reference.count(v) == 1) << v;
}

TEST(IntegerSet, AddOfAPresentValueReturnsTheStoredOne)
{
  TtsIntegerSet set;
  const int* first = set.Add(5);
  set.Add(3);
  EXPECT_EQ(set.Add(5), first);
  EXPECT_EQ(set.Count(), 2);
}

TEST(IntegerSet, EmptyAndAbsentCases)
{
  TtsIntegerSet set;
  EXPECT_EQ(set.Find(1), nullptr);
  EXPECT_EQ(set.ToList().Count(), 0);
  set.Remove(1);
  set.Add(1);
  set.Remove(2);
  EXPECT_EQ(set.Count(), 1);
}

TEST(IntegerSet, RemovingANodeWithTwoChildrenKeepsTheOrder)
{
  TtsIntegerSet set;
  for (int v : {50, 30, 70, 20, 40, 60, 80, 35, 45})
    set.Add(v);
  set.Remove(30);
  CheckedHeight(set.Root());
  EXPECT_EQ(Contents(set), (std::vector<int>{20, 35, 40, 45, 50, 60, 70, 80}));
  set.Remove(50);  // the root
  CheckedHeight(set.Root());
  EXPECT_EQ(Contents(set), (std::vector<int>{20, 35, 40, 45, 60, 70, 80}));
}

TEST(IntegerSet, AssignCopiesShapeAndBalances)
{
  TtsIntegerSet source;
  for (int v = 1; v <= 20; ++v)
    source.Add(v * 3);
  TtsIntegerSet copy;
  copy.Assign(source);
  EXPECT_EQ(copy.Count(), 20);
  EXPECT_EQ(Contents(copy), Contents(source));
  EXPECT_EQ(CheckedHeight(copy.Root()), CheckedHeight(source.Root()));

  // Assigning over a set that holds values replaces them, count included.
  TtsIntegerSet small;
  small.Add(1);
  small.Add(2);
  copy.Assign(small);
  EXPECT_EQ(copy.Count(), 2);
  EXPECT_EQ(Contents(copy), Contents(small));
}

// An element keyed by one number that counts its own disposal.
class CountedElement : public TtsSetElement {
 public:
  CountedElement(std::int64_t key, int& disposed) : key_(key), disposed_(disposed) {}
  ~CountedElement() override { ++disposed_; }
  TtsCompareResult CompareElement(const TtsSetElement& other) const override
  {
    const std::int64_t key[] = {static_cast<const CountedElement&>(other).key_};
    return CompareKeys(key);
  }
  TtsCompareResult CompareKeys(TtsSetKey key) const override
  {
    const std::int64_t fields[] = {key_};
    return CompareKeyFields(key, fields);
  }

 private:
  std::int64_t key_;
  int& disposed_;
};

TEST(ObjectSet, AnEqualElementReplacesAndDisposesTheStoredOne)
{
  int disposed = 0;
  {
    TtsObjectSet set;
    set.Add(std::make_unique<CountedElement>(7, disposed));
    set.Add(std::make_unique<CountedElement>(3, disposed));
    auto replacement = std::make_unique<CountedElement>(7, disposed);
    TtsSetElement* added = replacement.get();
    set.Add(std::move(replacement));
    EXPECT_EQ(disposed, 1);
    EXPECT_EQ(set.Count(), 2);
    const std::int64_t key[] = {7};
    EXPECT_EQ(set.Find(key), added);
    const auto list = set.ToList();
    EXPECT_EQ(list.Get(2), added);
    EXPECT_EQ(list.Get(3), nullptr);

    set.Remove(key);
    EXPECT_EQ(disposed, 2);
    EXPECT_EQ(set.Find(key), nullptr);
  }
  EXPECT_EQ(disposed, 3);  // destroying the set disposes the rest
}

TEST(NodeStack, PushPopPeekAndGrowth)
{
  TtsNodeStack stack;
  TtsSetNode nodes[12];
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(stack.Push(&nodes[i], std::int8_t(i % 2 ? 1 : -1)), i + 1);
  EXPECT_EQ(stack.Capacity(), 20);
  EXPECT_EQ(stack.Peek(13).Node, nullptr);
  EXPECT_EQ(stack.Peek(1).Node, &nodes[0]);
  stack.Replace(2, &nodes[5], -1);
  EXPECT_EQ(stack.Peek(2).Node, &nodes[5]);
  EXPECT_EQ(stack.Pop().Node, &nodes[11]);
  stack.Reset();
  EXPECT_EQ(stack.Pop().Node, nullptr);
  EXPECT_EQ(stack.Capacity(), 20);
}

std::vector<int> Items(const TtsSortIntList& list)
{
  std::vector<int> items;
  for (int i = 1; i <= list.Count(); ++i)
    items.push_back(list.Get(i));
  return items;
}

TEST(SortIntList, InsertDeleteAndOutOfRangeIndexes)
{
  TtsSortIntList list;
  list.Insert(0, 10);  // index 0 counts as 1
  list.Insert(1, 5);
  list.Insert(3, 20);
  list.Insert(5, 99);   // beyond Count + 1: ignored
  list.Insert(-1, 99);  // ignored
  EXPECT_EQ(Items(list), (std::vector<int>{5, 10, 20}));
  EXPECT_EQ(list.Get(0), 0);
  EXPECT_EQ(list.Get(4), 0);
  list.Put(4, 1);
  list.Delete(0);
  list.Delete(2);
  EXPECT_EQ(Items(list), (std::vector<int>{5, 20}));
  EXPECT_EQ(list.Capacity(), 101);
}

TEST(SortIntList, SortedAddRemoveAndSearch)
{
  TtsSortIntList list;
  for (int v : {8, 2, 6, 2, 4})
    list.AddSorted(v);
  EXPECT_EQ(Items(list), (std::vector<int>{2, 4, 6, 8}));
  struct Case {
    int value;
    int position;
    bool found;
  };
  for (const Case& c : {Case{2, 1, true}, Case{8, 4, true}, Case{5, 3, false}, Case{1, 1, false}, Case{9, 5, false}}) {
    bool found = false;
    EXPECT_EQ(list.Search(c.value, found), c.position) << c.value;
    EXPECT_EQ(found, c.found) << c.value;
  }
  list.RemoveSorted(6);
  list.RemoveSorted(7);
  EXPECT_EQ(Items(list), (std::vector<int>{2, 4, 8}));
}

TEST(SortIntList, CapacityGrowsAndShrinksWithSlack)
{
  TtsSortIntList list;
  for (int v = 1; v <= 250; ++v)
    list.AddSorted(v);
  EXPECT_EQ(list.Capacity(), 303);  // grown at 1, 102 and 203 entries, 100 beyond each
  while (list.Count() > 203)
    list.Delete(list.Count());
  EXPECT_EQ(list.Capacity(), 303);  // within the slack
  list.Delete(list.Count());
  EXPECT_EQ(list.Capacity(), 202);
  TtsSortIntList copy;
  copy.Assign(list);
  EXPECT_EQ(Items(copy), Items(list));
  copy.Assign(TtsSortIntList());
  EXPECT_EQ(copy.Count(), 0);
  EXPECT_EQ(copy.Capacity(), 0);
}

TEST(IntegerSetList, AssignCopiesOnlyTheCommonPrefix)
{
  TtsIntegerSetList source;
  source.SetCount(3);
  for (int i = 0; i < 3; ++i) {
    auto set = std::make_unique<TtsIntegerSet>();
    set->Add(i + 1);
    source.Put(i, std::move(set));
  }
  TtsIntegerSetList target;
  target.SetCount(2);
  target.Assign(source);
  EXPECT_EQ(target.Count(), 2);
  ASSERT_NE(target.Get(1), nullptr);
  EXPECT_NE(target.Get(1)->Find(2), nullptr);
  EXPECT_EQ(target.Get(2), nullptr);

  target.ClearSets();
  EXPECT_EQ(target.Count(), 2);
  EXPECT_EQ(target.Get(0), nullptr);
}

TEST(IntegerList, AddRemoveAndBounds)
{
  TtsIntegerList list;
  list.Add(4);
  list.Add(9);
  list.Add(4);
  EXPECT_EQ(list.Remove(4), 0);
  EXPECT_EQ(list.Get(0), 9);
  EXPECT_EQ(list.Remove(7), -1);
  EXPECT_THROW(list.Get(2), std::out_of_range);
}

}  // namespace
}  // namespace grid
