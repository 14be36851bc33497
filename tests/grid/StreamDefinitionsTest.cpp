// Date-time definitions in whole-grid streams: a named definition is written by its name and found
// again among those the loading grid uses; other names load as none. The image list and the mask
// definitions stay linked through a load.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include "SavedGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace grid {
namespace {

std::unique_ptr<TtsDateTimeDefComponent> Named(const char* name)
{
  auto definition = std::make_unique<TtsDateTimeDefComponent>();
  definition->SetName(name);
  return definition;
}

// The grid's own definition, a column's, a row's and a cell's.
void UseEverywhere(TtsBaseGrid& grid, TtsDateTimeDefComponent* dates, TtsDateTimeDefComponent* times)
{
  grid.SetDateTimeDef(dates);
  grid.Model().Col(2).SetDateTimeDef(dates);
  grid.Model().Col(3).SetDateTimeDef(times);
  grid.SetRowDateTimeDef(3, times);
  grid.CellAt(1, 1).SetDateTimeDef(dates);
}

TEST(StreamDefinitions, NamedDefinitionsComeBackAfterTheLoadResetThem)
{
  const auto dates = Named("Dates");
  const auto times = Named("Times");
  TtsGrid grid;
  UseEverywhere(grid, dates.get(), times.get());
  const std::vector<std::uint8_t> saved = SavedGrid(grid);
  grid.ResetGridProperties();
  grid.Model().Col(4).SetDateTimeDef(dates.get());  // set by program before the load
  grid.SetRowDateTimeDef(1, times.get());

  grid.LoadGridFromStream(saved, true);
  EXPECT_EQ(grid.DateTimeDef(), dates.get());
  EXPECT_EQ(grid.Model().Col(2).DateTimeDef(), dates.get());
  EXPECT_EQ(grid.Model().Col(3).DateTimeDef(), times.get());
  EXPECT_EQ(grid.RowDateTimeDef(3), times.get());
  EXPECT_EQ(grid.CellAt(1, 1).DateTimeDef(), dates.get());
  EXPECT_EQ(grid.Model().Col(4).DateTimeDef(), nullptr);  // the stream's column 4 has none
  EXPECT_EQ(grid.RowDateTimeDef(1), nullptr);
  EXPECT_EQ(SavedGrid(grid), saved);
}

TEST(StreamDefinitions, TheGridHoldsTheLoadedReferencesItself)
{
  auto dates = Named("Dates");
  TtsGrid source;
  source.Model().Col(2).SetDateTimeDef(dates.get());
  TtsGrid target;
  target.SetDateTimeDef(dates.get());
  target.LoadGridFromStream(SavedGrid(source), true);
  ASSERT_EQ(target.Model().Col(2).DateTimeDef(), dates.get());
  dates.reset();  // a definition that goes clears every reference to it
  EXPECT_EQ(target.Model().Col(2).DateTimeDef(), nullptr);
}

TEST(StreamDefinitions, UnnamedOrUnknownDefinitionsLoadAsNone)
{
  TtsDateTimeDefComponent unnamed;
  const auto other = Named("Elsewhere");
  TtsGrid source;
  source.Model().Col(1).SetDateTimeDef(&unnamed);
  source.Model().Col(2).SetDateTimeDef(other.get());
  const std::vector<std::uint8_t> saved = SavedGrid(source);
  std::vector<std::string> names;
  for (const TtsStreamEntry& entry : ReadGridStream(saved))
    for (const TtsStreamItem& item : entry.Items)
      for (const auto& [name, value] : item)
        names.push_back(name);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Col.DateTimeDef"), 1);  // the named one only

  TtsGrid target;
  target.Model().Col(1).SetDateTimeDef(&unnamed);
  target.LoadGridFromStream(saved, true);
  EXPECT_EQ(target.Model().Col(1).DateTimeDef(), nullptr);
  EXPECT_EQ(target.Model().Col(2).DateTimeDef(), nullptr);

  TtsGridStreamWriter wrongKind;
  wrongKind.WriteCollection("ColProperties", {{{"DataCol", std::int32_t(1)}, {"Col.DateTimeDef", std::int32_t(1)}}});
  EXPECT_THROW(target.LoadGridFromStream(wrongKind.Bytes(), true), EReadError);
}

// Components that only keep the links given to them.
class LinkedImages : public TtsImageListComponent {
 public:
  void AddLink(TtsComponentLink<TtsImageListComponent>& link) override { link.StoreComponent(this); }
  void RemoveLink(TtsComponentLink<TtsImageListComponent>& link) override { link.StoreComponent(nullptr); }
  TtsCellValue FindImage(const TtsCellValue&) override { return {}; }
};

class LinkedMasks : public TtsMaskDefsComponent {
 public:
  void AddLink(TtsComponentLink<TtsMaskDefsComponent>& link) override { link.StoreComponent(this); }
  void RemoveLink(TtsComponentLink<TtsMaskDefsComponent>& link) override { link.StoreComponent(nullptr); }
  TtsMask* FindMask(const TtsCellValue&) override { return nullptr; }
};

TEST(StreamDefinitions, TheImageListAndTheMaskDefinitionsStayLinkedThroughALoad)
{
  LinkedImages images;
  LinkedMasks masks;
  TtsGrid source;
  TtsGrid grid;
  grid.SetImageList(&images);
  grid.MaskDefs.SetComponent(&masks);
  grid.LoadGridFromStream(SavedGrid(source), true);
  EXPECT_EQ(grid.ImageList(), &images);
  EXPECT_EQ(grid.MaskDefs.Component(), &masks);
  grid.SetImageList(nullptr);
  grid.MaskDefs.SetComponent(nullptr);
}

}  // namespace
}  // namespace grid
