// Own combos of columns, rows and cells, and the references of date-time definitions at the
// grid's link.
#include "GridFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace grid {
namespace {

TestCombo& ComboOf(const TtsColRowBase& object) { return static_cast<TestCombo&>(*object.Combo()); }

TEST(OwnCombos, AGridThatMakesNoCombosRaisesAndKeepsNothing)
{
  GridFixture f;
  f.grid.Name = "tsUnits";
  try {
    f.grid.Col(2).MakeCombo();
    ADD_FAILURE();
  } catch (const EInvalidGridOperation& e) {
    EXPECT_STREQ(e.what(),
                 "tsUnits: Cannot create combo box. Method CreateCombo has not been not implemented in derived class");
  }
  EXPECT_TRUE(f.grid.Col(2).ParentCombo());
  EXPECT_THROW(f.grid.CellProps().MakeCombo(2, 3), EInvalidGridOperation);
  EXPECT_EQ(f.grid.CellProps().Find(2, 3), nullptr);
}

TEST(OwnCombos, AColumnsComboTakesItsStyleAndWidthAndGoesWithParentCombo)
{
  GridFixture f;
  f.services.makesCombos = true;
  TtsCol& col = f.grid.Col(2);
  col.SetWidth(70);
  col.SetDropDownStyle(ddDropDownList);
  col.MakeCombo();
  ASSERT_NE(col.Combo(), nullptr);
  EXPECT_FALSE(col.ParentCombo());
  EXPECT_EQ(ComboOf(col).style, ddDropDownList);
  EXPECT_EQ(ComboOf(col).defaultColWidth, 80);
  EXPECT_FALSE(col.IsDefault());
  col.SetDropDownStyle(ddDropDown);
  EXPECT_EQ(ComboOf(col).style, ddDropDown);

  TestCombo source;
  source.rows = 7;
  f.services.calls.clear();
  col.SetCombo(&source);
  EXPECT_EQ(ComboOf(col).rows, 7);
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"combo forgotten"}));  // not the current column

  f.services.calls.clear();
  col.SetParentCombo(true);
  EXPECT_EQ(col.Combo(), nullptr);
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"combo closed"}));

  col.MakeCombo();
  col.Reset(PropBit(piCombo));
  EXPECT_EQ(col.Combo(), nullptr);
  col.SetCombo(&source);
  EXPECT_FALSE(col.ParentCombo());
  col.SetCombo(nullptr);
  EXPECT_EQ(col.Combo(), nullptr);

  // The current column's new combo drops the grid's combo state.
  f.services.calls.clear();
  f.grid.Col(1).MakeCombo();
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"combo state"}));
}

TEST(OwnCombos, ObjectsThatGoTakeTheirDropDownsWithThem)
{
  GridFixture f;
  f.services.makesCombos = true;
  TtsDateTimeDefComponent definition;
  f.grid.Col(5).MakeCombo();
  EXPECT_FALSE(f.grid.Col(5).ComboStored());
  f.grid.Col(5).SetButtonType(btCombo);
  EXPECT_TRUE(f.grid.Col(5).ComboStored());
  f.grid.Col(4).SetDateTimeDef(&definition);
  f.grid.CellProps().SetDateTimeDef(2, 2, &definition);
  f.services.calls.clear();
  f.grid.SetCols(3);
  f.grid.CellProps().SetDateTimeDef(2, 2, nullptr);
  std::sort(f.services.calls.begin(), f.services.calls.end());
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"combo closed", "combo state", "date-time state if shown",
                                                        "date-time state if shown"}));
  EXPECT_EQ(definition.LinkCount(), 0);
}

TEST(OwnCombos, ARowsComboIsForgottenUnlessTheRowIsCurrent)
{
  GridFixture f;
  f.services.makesCombos = true;
  f.grid.ChangeRow(3, [](TtsRow& row) { row.MakeCombo(); });
  ASSERT_NE(f.grid.GridRows().At(3), nullptr);
  f.services.calls.clear();
  f.grid.ChangeRow(3, [](TtsRow& row) { row.SetParentCombo(true); });
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"combo forgotten"}));
  EXPECT_EQ(f.grid.GridRows().At(3), nullptr);  // back at its defaults

  f.grid.ChangeRow(1, [](TtsRow& row) { row.MakeCombo(); });
  f.services.calls.clear();
  f.grid.ChangeRow(1, [](TtsRow& row) { row.SetParentCombo(true); });
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"combo closed"}));
}

TEST(OwnCombos, ACellsComboKeepsItsElementUntilItGoes)
{
  GridFixture f;
  f.services.makesCombos = true;
  TtsCellPropSet& cells = f.grid.CellProps();
  f.grid.Col(4).SetWidth(50);
  cells.MakeCombo(4, 2);
  const TtsCellElement* element = cells.Find(4, 2);
  ASSERT_NE(element, nullptr);
  ASSERT_NE(element->Combo(), nullptr);
  EXPECT_EQ(static_cast<TestCombo*>(element->Combo())->defaultColWidth, 60);
  EXPECT_FALSE(element->Attributes().ParentCombo);
  cells.SetProp(4, 2, piDropDownStyle, int(ddDropDownList));
  EXPECT_EQ(element->DropDownStyle(), ddDropDownList);
  EXPECT_EQ(static_cast<TestCombo*>(element->Combo())->style, ddDropDownList);
  cells.SetProp(4, 2, piDropDownStyle, int(ddDropDown));

  f.services.calls.clear();
  cells.SetProp(4, 2, piParentCombo, true);
  EXPECT_EQ(cells.Find(4, 2), nullptr);
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"combo closed"}));

  TestCombo source;
  source.rows = 3;
  cells.SetCombo(1, 5, &source);
  ASSERT_NE(cells.Find(1, 5), nullptr);
  EXPECT_EQ(static_cast<TestCombo*>(cells.Find(1, 5)->Combo())->rows, 3);
  cells.SetCombo(1, 5, nullptr);  // the combo goes; ParentCombo stays off
  ASSERT_NE(cells.Find(1, 5), nullptr);
  EXPECT_EQ(cells.Find(1, 5)->Combo(), nullptr);
  cells.SetProp(1, 5, piParentCombo, true);
  EXPECT_EQ(cells.Find(1, 5), nullptr);
}

TEST(OwnCombos, ButtonTypesTellTheGridWhatItNeeds)
{
  GridFixture f;
  f.grid.Col(1).SetButtonType(btCombo);
  f.grid.Col(1).SetButtonType(btDateTimePopup);
  f.grid.Col(3).SetButtonType(btDateTimeDropDown);  // not the current column
  f.grid.CellProps().SetProp(2, 2, piButtonType, int(btDateTimeDropDown));
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"ensure combo", "date-time state", "date-time state"}));
}

TEST(OwnCombos, TheComboOfACellComesFromTheFirstLevelThatHasOne)
{
  GridFixture f;
  f.services.makesCombos = true;
  TtsCol& col = f.grid.Col(2);
  col.MakeCombo();
  col.SetButtonType(btCombo);
  TtsCombo* const colCombo = col.Combo();
  EXPECT_EQ(f.grid.ResolveCombo(2, 3), colCombo);
  EXPECT_EQ(f.grid.ResolveCombo(3, 3), nullptr);
  EXPECT_EQ(f.grid.ResolveCombo(2, 0), nullptr);  // the heading
  EXPECT_EQ(f.grid.ResolveCombo(2, 6), nullptr);

  f.grid.ChangeRow(3, [](TtsRow& row) {
    row.MakeCombo();
    row.SetButtonType(btCombo);
  });
  TtsCombo* const rowCombo = f.grid.GridRows().At(3)->Combo();
  EXPECT_EQ(f.grid.ResolveCombo(2, 3), colCombo);  // the column is on top
  f.grid.Level.DrawOverlap = doDrawRowOnTop;
  EXPECT_EQ(f.grid.ResolveCombo(2, 3), rowCombo);
  // The first level follows its parent's combo: the second level's own one serves.
  f.grid.ChangeRow(3, [](TtsRow& row) { row.SetParentCombo(true); });
  f.grid.ChangeRow(3, [](TtsRow& row) { row.SetButtonType(btCombo); });
  EXPECT_EQ(f.grid.ResolveCombo(2, 3), colCombo);

  f.grid.CellProps().MakeCombo(2, 3);
  f.grid.CellProps().SetProp(2, 3, piButtonType, int(btCombo));
  EXPECT_EQ(f.grid.ResolveCombo(2, 3), f.grid.CellProps().Find(2, 3)->Combo());
  EXPECT_EQ(f.grid.CellCombo(2, 3), f.grid.CellProps().Find(2, 3)->Combo());
  EXPECT_THROW(f.grid.CellCombo(0, 3), EInvalidGridOperation);
  EXPECT_THROW(f.grid.CellCombo(2, 0), EInvalidGridOperation);
}

TEST(DateTimeDefinitions, EveryUserHoldsOneReferenceAtTheGridsLink)
{
  TtsDateTimeDefComponent kept;
  {
    GridFixture f;
    auto definition = std::make_unique<TtsDateTimeDefComponent>();
    const TtsDateTimeLink& link = f.grid.DateTimeLink();
    f.grid.Col(2).SetDateTimeDef(definition.get());
    f.grid.Col(3).SetDateTimeDef(definition.get());
    f.grid.ChangeRow(4, [&](TtsRow& row) { row.SetDateTimeDef(definition.get()); });
    f.grid.CellProps().SetDateTimeDef(5, 5, definition.get());
    f.grid.SetDateTimeDef(definition.get());
    EXPECT_EQ(definition->CountOf(link), 5);
    f.grid.Col(3).SetDateTimeDef(&kept);
    EXPECT_EQ(definition->CountOf(link), 4);
    EXPECT_EQ(kept.CountOf(link), 1);

    f.services.calls.clear();
    definition.reset();  // every user lets go of it
    EXPECT_EQ(f.grid.Col(2).DateTimeDef(), nullptr);
    EXPECT_EQ(f.grid.GridRows().At(4)->DateTimeDef(), nullptr);
    ASSERT_NE(f.grid.CellProps().Find(5, 5), nullptr);
    EXPECT_EQ(f.grid.CellProps().Find(5, 5)->Attributes().DateTimeDef, nullptr);
    EXPECT_EQ(f.grid.DateTimeDef(), nullptr);
    EXPECT_EQ(f.services.calls, (std::vector<std::string>{"date-time state if shown"}));
    EXPECT_EQ(f.grid.Col(3).DateTimeDef(), &kept);

    // A cell that lets go of its definition is default again.
    f.grid.CellProps().SetDateTimeDef(1, 1, &kept);
    EXPECT_EQ(kept.CountOf(link), 2);
    f.grid.CellProps().SetProp(1, 1, piDateTimeDef, 0);
    EXPECT_EQ(f.grid.CellProps().Find(1, 1), nullptr);
    EXPECT_EQ(kept.CountOf(link), 1);
    f.grid.CellProps().SetDateTimeDef(2, 2, &kept);
    f.grid.ChangeRow(2, [&](TtsRow& row) { row.SetDateTimeDef(&kept); });
  }
  EXPECT_EQ(kept.LinkCount(), 0);  // the grid went: no reference is left behind
}

}  // namespace
}  // namespace grid
