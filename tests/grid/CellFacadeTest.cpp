// The TtsCell face of one cell's attributes: reads and writes through the grid's cell elements,
// and the assignment of one cell's attributes to another.
#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace grid {
namespace {

TEST(CellFacade, AssignCopiesThePublishedAttributesAndTheOwnFont)
{
  TtsGrid grid;
  TtsDateTimeDefComponent definition;
  TtsCell source = grid.CellAt(1, 2);
  source.SetColor(platform::clRed);
  source.SetControlType(ctCheck);
  source.SetHorzAlignment(htaCenter);
  source.SetPicture(poKeepAspectRatio, dopOn);
  source.SetSpinIncrement(0.5);
  source.SetReadOnly(roOn);
  source.SetMaskName("Date");
  source.SetDateTimeDef(&definition);
  source.SetKeepFontCopy(true);

  TtsCell target = grid.CellAt(3, 4);
  target.Assign(source);
  EXPECT_EQ(target.Color(), platform::clRed);
  EXPECT_EQ(target.ControlType(), ctCheck);
  EXPECT_EQ(target.HorzAlignment(), htaCenter);
  EXPECT_TRUE(target.Align());
  EXPECT_EQ(target.Picture(poKeepAspectRatio), dopOn);
  EXPECT_EQ(target.Picture(poStretch), dopDefault);
  EXPECT_EQ(target.SpinIncrement(), 0.5);
  EXPECT_EQ(target.ReadOnly(), roOn);
  EXPECT_EQ(target.MaskName(), "Date");
  EXPECT_EQ(target.DateTimeDef(), &definition);
  EXPECT_EQ(definition.CountOf(grid.Model().DateTimeLink()), 2);
  EXPECT_FALSE(target.KeepFontCopy());  // not a published property
  EXPECT_TRUE(target.ParentFont());
  EXPECT_EQ(target.Font(), nullptr);

  platform::TFont font;
  font.SetSize(15);
  source.SetFont(font);
  TtsCell other = grid.CellAt(2, 2);
  other.Assign(source);
  EXPECT_FALSE(other.ParentFont());
  ASSERT_NE(other.Font(), nullptr);
  EXPECT_EQ(other.Font()->Size(), 15);

  // Assigning a default cell clears what was set.
  target.Assign(grid.CellAt(4, 4));
  EXPECT_FALSE(target.HasRecord());
  EXPECT_EQ(definition.CountOf(grid.Model().DateTimeLink()), 2);
}

TEST(CellFacade, KeepFontCopyPicturesAndCombosThroughTheElements)
{
  TtsGrid grid;
  TtsCell cell = grid.CellAt(2, 3);
  EXPECT_FALSE(cell.KeepFontCopy());
  cell.SetKeepFontCopy(true);
  EXPECT_TRUE(cell.HasRecord());
  EXPECT_TRUE(cell.KeepFontCopy());
  cell.SetKeepFontCopy(false);
  EXPECT_FALSE(cell.HasRecord());

  cell.SetPicture(poShrink, dopOff);
  EXPECT_EQ(cell.Picture(poShrink), dopOff);
  cell.SetPicture(poShrink, dopDefault);
  EXPECT_FALSE(cell.HasRecord());

  EXPECT_TRUE(cell.ParentCombo());
  EXPECT_EQ(cell.Combo(), nullptr);
  cell.MakeCombo();  // the grid makes the cell its own combo
  EXPECT_NE(cell.Combo(), nullptr);
  EXPECT_FALSE(cell.ParentCombo());
  cell.SetParentCombo(true);
  EXPECT_EQ(cell.Combo(), nullptr);
  EXPECT_FALSE(cell.HasRecord());
  cell.SetParentCombo(false);
  EXPECT_FALSE(cell.ParentCombo());
  cell.SetParentCombo(true);
  EXPECT_FALSE(cell.HasRecord());
}

TEST(CellFacade, WritesOutsideTheGridRaiseAndReadsGiveTheDefaults)
{
  TtsGrid grid;
  TtsDateTimeDefComponent definition;
  TtsCell outside = grid.CellAt(9, 1);
  EXPECT_EQ(outside.Picture(poCenter), dopDefault);
  EXPECT_FALSE(outside.KeepFontCopy());
  EXPECT_EQ(outside.DateTimeDef(), nullptr);
  for (const auto& write : std::vector<std::function<void()>>{
           [&] { outside.SetKeepFontCopy(true); }, [&] { outside.SetPicture(poCenter, dopOn); },
           [&] { outside.SetDateTimeDef(&definition); }, [&] { outside.SetCombo(nullptr); }}) {
    try {
      write();
      ADD_FAILURE();
    } catch (const EInvalidGridOperation& e) {
      EXPECT_NE(std::string(e.what()).find("Column index 9 out of range"), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(definition.LinkCount(), 0);
}

TEST(CellFacade, AColumnOrRowRetypedDropsTheStoredValuesThatNoLongerFit)
{
  TtsGrid grid;
  grid.SetStoreData(true);
  grid.Model().Col(2).SetControlType(ctCheck);
  grid.SetCell(2, 1, 1);       // a check state
  grid.SetCell(2, 2, "Yes");   // a text: a check cell may hold one
  grid.SetCell(3, 1, "Text");  // another column
  grid.Model().Col(2).SetControlType(ctText);
  EXPECT_TRUE(grid.Cell(2, 1).IsEmpty());
  EXPECT_EQ(grid.Cell(2, 2), TtsCellValue("Yes"));
  EXPECT_EQ(grid.Cell(3, 1), TtsCellValue("Text"));

  grid.SetCell(1, 3, "Name");
  grid.Model().ChangeRow(3, [](TtsRow& row) { row.SetControlType(ctPicture); });
  EXPECT_EQ(grid.Store()->GetKind(1, 3), 0);  // a text is no picture name
  grid.Model().ChangeRow(3, [](TtsRow& row) { row.SetControlType(ctDefault); });
}

}  // namespace
}  // namespace grid
