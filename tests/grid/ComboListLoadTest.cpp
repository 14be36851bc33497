// A combo's list loading its cells: the owner grid hears each value after the list's own events and
// may change it; the list checks what comes back.

#include "ComboFixture.h"

#include "ErrorOf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

TEST(ComboCellLoaded, TheOwnerHearsEachValueAfterTheListsOwnEventsAndMayChangeIt)
{
  ComboFixture f;
  std::vector<std::string> events;
  f.list->OnRowLoaded = [&](TtsBaseGrid&, int r) { events.push_back("row " + std::to_string(r)); };
  f.list->OnCellLoaded = [&](TtsBaseGrid&, int c, int r, TtsCellValue& v) {
    events.push_back("cell " + std::to_string(c) + "," + std::to_string(r) + " " + v.AsString());
  };
  TtsBaseGrid* sender = nullptr;
  TtsComboGrid* combo = nullptr;
  f.drops().OnComboCellLoaded = [&](TtsBaseGrid& s, TtsComboGrid& list, int c, int r, TtsCellValue& v) {
    sender = &s;
    combo = &list;
    events.push_back("combo " + std::to_string(c) + "," + std::to_string(r) + " " + v.AsString());
    if (r == 2)
      v = TtsCellValue(std::string("Changed"));
  };
  EXPECT_EQ(f.list->Cell(1, 2).AsString(), "Changed");
  EXPECT_EQ(f.list->Cell(1, 3).AsString(), "Bravo");
  EXPECT_EQ(events, (std::vector<std::string>{"row 2", "cell 1,2 Beta", "combo 1,2 Beta", "row 3", "cell 1,3 Bravo",
                                              "combo 1,3 Bravo"}));
  EXPECT_EQ(sender, &f.grid);
  EXPECT_EQ(combo, f.list);
  EXPECT_EQ(f.list->Store()->GetValue(1, 2).AsString(), "Beta");  // the stored value stays

  // The dropped-down list is the working one.
  f.drops().OpenComboDropDown(2, 2);
  f.working().Cell(1, 4);
  EXPECT_EQ(combo, &f.working());
  f.drops().CloseDropDowns(false);
}

TEST(ComboCellLoaded, AValueOfTheWrongKindFromTheOwnerIsRefusedByTheList)
{
  ComboFixture f;
  f.drops().OnComboCellLoaded = [](TtsBaseGrid&, TtsComboGrid&, int, int, TtsCellValue& v) { v = TtsCellValue(42); };
  const std::string error = ErrorOf([&] { f.list->Cell(1, 1); });
  EXPECT_NE(error.find(".Combo: Invalid cell value. A text column requires a value of type string"), std::string::npos)
      << error;
}

TEST(ComboCellLoaded, OtherGridsFireNothing)
{
  ComboFixture f;
  int calls = 0;
  f.drops().OnComboCellLoaded = [&](TtsBaseGrid&, TtsComboGrid&, int, int, TtsCellValue&) { ++calls; };
  f.grid.Cell(2, 2);
  TtsGrid other;
  other.Cell(1, 1);
  EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace grid
