// Links between grid users and the shared definition components.
#include "grid/model/Definitions.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

// A mask component that keeps its links' component fields and records its calls.
class RecordingMasks : public TtsMaskDefsComponent {
 public:
  void RemoveLink(TtsComponentLink<TtsMaskDefsComponent>& link) override
  {
    calls += "remove;";
    link.StoreComponent(nullptr);
  }
  void AddLink(TtsComponentLink<TtsMaskDefsComponent>& link) override
  {
    calls += "add;";
    link.StoreComponent(this);
  }
  TtsMask* FindMask(const TtsCellValue& name) override
  {
    calls += "find " + name.AsString() + ";";
    return nullptr;
  }
  std::string calls;
};

TEST(Definitions, MaskLinkAddsAndRemovesThroughTheComponent)
{
  RecordingMasks first;
  RecordingMasks second;
  {
    TtsMaskLink link;
    link.SetComponent(&first);
    link.SetComponent(&first);  // the same component: neither remove nor add
    EXPECT_EQ(first.calls, "add;");
    EXPECT_EQ(link.FindMask(""), nullptr);
    link.FindMask("Phone");
    link.SetComponent(&second);
    EXPECT_EQ(first.calls, "add;find Phone;remove;");
    EXPECT_EQ(link.Component(), &second);
  }
  EXPECT_EQ(second.calls, "add;remove;");  // destroying the link leaves the component
}

class CountingLink : public TtsDateTimeLink {
 public:
  void ComponentDestroying(TtsDateTimeDefComponent&) override { ++destroyed; }
  int destroyed = 0;
};

TEST(Definitions, DateTimeLinksAreCounted)
{
  CountingLink a;
  CountingLink b;
  {
    TtsDateTimeDefComponent component;
    a.Attach(&component);
    a.Attach(&component);
    a.Detach(&component);
    EXPECT_EQ(component.CountOf(a), 1);
    b.Attach(&component);
    component.RemoveLink(b, true);
    EXPECT_EQ(component.CountOf(b), 0);
    b.Attach(&component);
    b.Attach(&component);
    component.RemoveLink(b, true);  // all: gone at once
    EXPECT_EQ(component.LinkCount(), 1);
    a.Attach(nullptr);
  }
  EXPECT_EQ(a.destroyed, 1);
  EXPECT_EQ(b.destroyed, 0);
}

}  // namespace
}  // namespace grid
