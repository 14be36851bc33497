// Picture names of picture cells stored with their image list and read back under the picture's
// present name.

#include "grid/window/Grid.h"
#include "tests/grid/NamedImageList.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace grid {
namespace {

// An image list of named pictures, each "Category.Name" or a bare name, by identity.
struct FakeImageList : NamedImageList {
  FakeImageList() { pictures = {{7, "Sky.Sun"}, {9, "Rain"}}; }
};

const std::string kSep(1, '\x01');

TEST(PictureNames, StoredTextsSplitIntoNameListAndIdentity)
{
  struct Case {
    std::string Text;
    std::string Name;
    int ListIndex;
    int Identity;
  };
  const Case cases[] = {
      {"Sun", "Sun", -1, -1},
      {"Sun" + kSep + "0" + kSep + "7", "Sun", 0, 7},
      {"Sun" + kSep + "x" + kSep + "7", "Sun", -1, -1},
      {"Sun" + kSep + "2", "Sun", -1, -1},
      {"Sun" + kSep + "1" + kSep + "99999999999", "Sun", -1, -1},
  };
  for (const Case& test : cases) {
    const TtsStoredPictureName parts = ParseStoredPictureName(test.Text);
    EXPECT_EQ(parts.Name, test.Name) << test.Text;
    EXPECT_EQ(parts.ListIndex, test.ListIndex) << test.Text;
    EXPECT_EQ(parts.Identity, test.Identity) << test.Text;
  }
  EXPECT_EQ(StoredPictureName("Sky.Sun", 3, 7), "Sky.Sun" + kSep + "3" + kSep + "7");
}

class PictureCells : public ::testing::Test {
 protected:
  PictureCells()
  {
    grid_.SetStoreData(true);
    grid_.Model().Col(1).SetControlType(ctPicture);
    grid_.SetImageList(&list_);
  }
  std::string Stored(int row) const { return grid_.Store()->GetValue(1, row).Text(); }

  FakeImageList list_;
  TtsGrid grid_;
};

TEST_F(PictureCells, WhileDesignedANameIsStoredWithItsListAndFollowsARename)
{
  grid_.Model().Designing = true;
  grid_.SetCell(1, 1, TtsCellValue(std::string("Sky.Sun")));
  grid_.SetCell(1, 2, TtsCellValue(std::string("Unknown")));
  EXPECT_EQ(Stored(1), "Sky.Sun" + kSep + "0" + kSep + "7");
  EXPECT_EQ(Stored(2), "Unknown");
  EXPECT_EQ(grid_.ImageListIds().CommaText(), "Weather");
  EXPECT_EQ(grid_.Cell(1, 1).Text(), "Sky.Sun");

  list_.pictures[7] = "Sky.Sunshine";
  EXPECT_EQ(grid_.Cell(1, 1).Text(), "Sky.Sunshine");
  EXPECT_EQ(Stored(1), "Sky.Sunshine" + kSep + "0" + kSep + "7");
}

TEST_F(PictureCells, ANameWithoutValidNumbersIsRenumberedOnlyWhileDesigned)
{
  grid_.SetCell(1, 1, TtsCellValue(std::string("Rain")));
  EXPECT_EQ(Stored(1), "Rain");  // not designed: stored as given
  EXPECT_EQ(grid_.Cell(1, 1).Text(), "Rain");
  EXPECT_EQ(Stored(1), "Rain");
  grid_.Model().Designing = true;
  EXPECT_EQ(grid_.Cell(1, 1).Text(), "Rain");
  EXPECT_EQ(Stored(1), "Rain" + kSep + "0" + kSep + "9");
}

TEST_F(PictureCells, WithoutTheListACellReadsTheBareName)
{
  grid_.Model().Designing = true;
  grid_.SetCell(1, 1, TtsCellValue(std::string("Sky.Sun")));
  grid_.SetImageList(nullptr);
  EXPECT_EQ(grid_.Cell(1, 1).Text(), "Sky.Sun");
  grid_.SetStoreData(false);
  EXPECT_TRUE(grid_.ImageListIds().Empty());  // the names go with the stored values
}

}  // namespace
}  // namespace grid
