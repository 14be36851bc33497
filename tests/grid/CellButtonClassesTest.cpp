// The button objects of cells (pictures and outer sizes) and the grid's image and mask links.
#include "grid/dropdown/CellButtons.h"
#include "grid/dropdown/GridLinks.h"
#include "grid/window/Grid.h"

#include <gtest/gtest.h>

namespace {

using namespace grid;

TEST(CellButtonClasses, OuterSizesFollowTheEdgesAndTheSpinFaces)
{
  TtsGrid grid;
  grid.ButtonEdgeWidth = 2;
  struct Case {
    TtsButtonType type;
    int width;
    int height;
  } cases[] = {
      {btCombo, 15, 13}, {btNormal, 15, 13}, {btVertSpin, 15, 19}, {btHorzSpin, 19, 15},
      {btDateTimeDropDown, 15, 13}, {btDateTimePopup, 15, 13},
  };
  for (const Case& c : cases) {
    const auto button = MakeCellButton(grid, c.type);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->OuterWidth(), c.width) << int(c.type);
    EXPECT_EQ(button->OuterHeight(), c.height) << int(c.type);
    EXPECT_EQ(button->Color(), platform::TColor(0x1FFFFFFF));
  }
  EXPECT_EQ(MakeCellButton(grid, btNone), nullptr);
}

TEST(CellButtonClasses, ADefaultPictureIsSharedAndAnyOtherIsCopied)
{
  TtsGrid grid;
  TtsComboButton standard(grid, &ComboArrowPicture(), 0, 11, 9);
  EXPECT_TRUE(standard.IsDefaultPicture());
  EXPECT_FALSE(standard.HasOwnCopy());
  EXPECT_EQ(standard.Picture(), &ComboArrowPicture());

  platform::TBitmap mine(5, 4);
  TtsNormalButton custom(grid, &mine, 0, 11, 9);
  EXPECT_FALSE(custom.IsDefaultPicture());
  EXPECT_TRUE(custom.HasOwnCopy());
  mine.SetSize(30, 30);  // the copy keeps its size
  EXPECT_EQ(custom.Picture()->Width(), 5);
  custom.SetPicture(&PlainButtonPicture());
  EXPECT_TRUE(custom.IsDefaultPicture());
}

TEST(CellButtonClasses, ADateTimeButtonDefaultsToThePictureItWasMadeWith)
{
  TtsGrid grid;
  TtsDateTimeButton popup(grid, &PlainButtonPicture(), 0, 11, 9);
  EXPECT_TRUE(popup.PlainDefault());
  EXPECT_EQ(popup.Picture(), &PlainButtonPicture());
  TtsDateTimeButton dropDown(grid, &ComboArrowPicture(), 0, 11, 9);
  EXPECT_FALSE(dropDown.PlainDefault());
  EXPECT_EQ(dropDown.Picture(), &ComboArrowPicture());
  EXPECT_TRUE(dropDown.IsDefaultPicture());
  platform::TBitmap mine(3, 3);
  TtsDateTimeButton custom(grid, &mine, 0, 11, 9);
  EXPECT_FALSE(custom.IsDefaultPicture());
  EXPECT_NE(custom.Picture(), &mine);
}

TEST(CellButtonClasses, ImageLinksRepaintTheirGrid)
{
  struct Images : TtsImageListComponent {
    void AddLink(TtsComponentLink<TtsImageListComponent>& link) override { link.StoreComponent(this); }
    void RemoveLink(TtsComponentLink<TtsImageListComponent>& link) override { link.StoreComponent(nullptr); }
    TtsCellValue FindImage(const TtsCellValue&) override { return {}; }
  } images;
  TtsGrid grid;
  TtsGridImageLink link(grid);
  link.SetComponent(&images);
  EXPECT_EQ(link.Component(), &images);
  EXPECT_EQ(&link.Grid(), &grid);
  link.ContentsChanged();  // repaints; nothing else changes
  link.SetComponent(nullptr);
  EXPECT_EQ(link.Component(), nullptr);
  TtsGridMaskLink masks(grid);
  EXPECT_EQ(masks.FindMask("x"), nullptr);
}

}  // namespace
