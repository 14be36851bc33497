// The table of image-list names that stored picture references point into, and its comma text.

#include "grid/model/ImageListIds.h"
#include "grid/model/TextRoutines.h"
#include "grid/window/Grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

TEST(ImageListIds, ANameKeepsItsIndexWhenOthersAreAdded)
{
  TtsImageListIds ids;
  EXPECT_EQ(ids.Add("Tools"), 0);
  EXPECT_EQ(ids.Add("Arrows"), 1);  // added after, not sorted in front
  EXPECT_EQ(ids.Add("Tools"), 0);
  EXPECT_EQ(ids.IndexOf("Arrows"), 1);
  EXPECT_EQ(ids.IndexOf("arrows"), -1);
  EXPECT_EQ(ids.NameAt(1), "Arrows");
  EXPECT_EQ(ids.NameAt(2), "");
  EXPECT_EQ(ids.NameAt(-1), "");

  // A stored reference finds its list again by the index it carries.
  const std::string ref = MakeImageRef("Open", ids.IndexOf("Tools"), 7);
  int list = -1;
  int image = -1;
  std::string name;
  ParseImageRef(ref, list, image, name);
  EXPECT_EQ(ids.NameAt(list), "Tools");
  EXPECT_EQ(image, 7);
  EXPECT_EQ(name, "Open");
}

TEST(ImageListIds, CommaTextRoundTrips)
{
  struct Case {
    std::vector<std::string> names;
    std::string text;
  } cases[] = {
      {{}, ""},
      {{"Tools", "Arrows"}, "Tools,Arrows"},
      {{"Big icons", "a,b", "say \"hi\""}, "\"Big icons\",\"a,b\",\"say \"\"hi\"\"\""},
      {{""}, "\"\""},
  };
  for (const Case& c : cases) {
    TtsImageListIds ids;
    for (const std::string& n : c.names)
      ids.Add(n);
    EXPECT_EQ(ids.CommaText(), c.text);
    TtsImageListIds read;
    read.Add("stale");
    read.SetCommaText(c.text);
    ASSERT_EQ(read.Count(), int(c.names.size())) << c.text;
    for (int i = 0; i < read.Count(); ++i)
      EXPECT_EQ(read.NameAt(i), c.names[std::size_t(i)]);
  }
}

TEST(ImageListIds, HostileCommaTextReadsWithoutHarm)
{
  struct Case {
    std::string text;
    std::vector<std::string> names;
  } cases[] = {
      {"  a , b,,c ", {"a", "b", "c"}},
      {"\"unterminated", {"unterminated"}},
      {"a,a,A", {"a", "A"}},
      {"x y", {"x", "y"}},
      {",,,", {}},
  };
  for (const Case& c : cases) {
    TtsImageListIds ids;
    ids.SetCommaText(c.text);
    std::vector<std::string> names;
    for (int i = 0; i < ids.Count(); ++i)
      names.push_back(ids.NameAt(i));
    EXPECT_EQ(names, c.names) << c.text;
  }
}

TEST(ImageListIds, TheGridKeepsItsOwnTable)
{
  TtsGrid g;
  EXPECT_TRUE(g.ImageListIds().Empty());
  g.ImageListIds().SetCommaText("Tools,Arrows");
  EXPECT_EQ(g.ImageListIds().IndexOf("Arrows"), 1);
}

}  // namespace
}  // namespace grid
