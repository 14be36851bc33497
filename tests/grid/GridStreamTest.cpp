// Whole-grid saves and loads: what a stream holds for each choice of parts and properties, loads by
// data column and by field name, files and registry values, and damaged streams.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include "ErrorOf.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <functional>
#include <string>

namespace grid {
namespace {

using Bytes = std::vector<std::uint8_t>;

TtsCellValue Text(const char* text) { return TtsCellValue(std::string(text)); }

// Five columns, six rows, values everywhere, and one of each kind of layout change.
void Fill(TtsBaseGrid& grid)
{
  grid.SetStoreData(true);
  grid.SetCols(5);
  grid.SetRows(6);
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 5; ++c)
      grid.SetCell(c, r, TtsCellValue(std::to_string(c) + "," + std::to_string(r)));
  grid.SetDefaultColWidth(50);
  grid.Model().Col(2).SetColor(platform::clBlue);
  grid.Model().Col(2).SetHeadingColor(platform::clYellow);
  grid.Model().Col(3).SetReadOnly(true);
  grid.Model().Col(3).SetFieldName("Unit");
  grid.Model().Col(4).SetWidth(90);
  grid.SetDisplayColOfData(5, 1);
  grid.MoveRowTo(6, 2);
  grid.SetRowColor(3, platform::clRed);
  grid.SetRowHeightOf(4, 30);
  grid.CellAt(1, 1).SetColor(platform::clGreen);
  grid.SetGridLines(glHorzLines);
}

Bytes Save(TtsBaseGrid& grid, TtsPropKinds kinds = kAllPropKinds, TtsPropMask properties = kAllProperties,
           bool saveData = true)
{
  TtsByteWriter writer;
  grid.SaveGridToStream(writer, kinds, properties, saveData);
  return writer.Bytes();
}

std::vector<std::string> Names(const Bytes& bytes)
{
  std::vector<std::string> names;
  for (const TtsStreamEntry& entry : ReadGridStream(bytes))
    names.push_back(entry.Name);
  return names;
}

bool Holds(const std::vector<std::string>& names, const char* name)
{
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(GridStream, ADefaultGridWritesNoCollectionsAndNoDataWithoutStoreData)
{
  TtsGrid grid;
  EXPECT_EQ(Names(Save(grid)), (std::vector<std::string>{"SavePropKinds", "SaveData", "Properties", "AllProperties",
                                                        "ResetProps", "Grid", "Cols"}));
  grid.SetStoreData(true);
  EXPECT_TRUE(Holds(Names(Save(grid)), "Data"));
  EXPECT_FALSE(Holds(Names(Save(grid, kAllPropKinds, kAllProperties, false)), "Data"));
}

TEST(GridStream, EntriesFollowTheChosenKindsAndFilter)
{
  TtsGrid grid;
  Fill(grid);
  struct Case {
    TtsPropKinds Kinds;
    TtsPropMask Properties;
    std::vector<const char*> Present;
    std::vector<const char*> Absent;
  };
  const Case cases[] = {
      {kAllPropKinds, kAllProperties, {"Grid", "Cols", "ColProperties", "RowProperties", "CellProperties", "Data"},
       {"Rows", "DefaultColWidth", "DefaultRowHeight"}},
      {PropKindBit(pkCols), PropBit(piColor), {"Cols", "ColProperties", "Data"},
       {"Grid", "Rows", "DefaultColWidth", "RowProperties", "CellProperties"}},
      {TtsPropKinds(PropKindBit(pkCols) | PropKindBit(pkRows)), kAllProperties,
       {"Cols", "Rows", "DefaultColWidth", "DefaultRowHeight"}, {"Grid", "CellProperties"}},
  };
  for (const Case& test : cases) {
    const std::vector<std::string> names = Names(Save(grid, test.Kinds, test.Properties));
    for (const char* name : test.Present)
      EXPECT_TRUE(Holds(names, name)) << name << " kinds " << int(test.Kinds);
    for (const char* name : test.Absent)
      EXPECT_FALSE(Holds(names, name)) << name << " kinds " << int(test.Kinds);
  }
}

TEST(GridStream, AWholeSaveLoadsBackIntoAnotherGrid)
{
  TtsGrid source;
  Fill(source);
  TtsGrid target;
  target.SetRowColor(2, platform::clYellow);  // reset by the load
  target.SetName("Target");
  target.LoadGridFromStream(Save(source), true);

  EXPECT_EQ(target.Name(), "Target");
  EXPECT_EQ(target.Cols(), 5);
  EXPECT_EQ(target.Rows(), 6);
  EXPECT_TRUE(target.StoreData());
  EXPECT_EQ(target.Cell(4, 5).Text(), "4,5");
  EXPECT_EQ(target.DefaultColWidth(), 50);
  EXPECT_EQ(target.GridLines(), glHorzLines);
  for (int c = 1; c <= 5; ++c)
    EXPECT_EQ(target.DisplayColOfData(c), source.DisplayColOfData(c)) << c;
  for (int r = 1; r <= 6; ++r)
    EXPECT_EQ(target.DisplayRowOfData(r), source.DisplayRowOfData(r)) << r;
  EXPECT_EQ(target.Model().Col(2).Color(), platform::clBlue);
  EXPECT_EQ(target.Model().Col(2).HeadingColor(), platform::clYellow);
  EXPECT_TRUE(target.Model().Col(3).ReadOnly());
  EXPECT_EQ(target.Model().Col(3).FieldName(), "Unit");
  EXPECT_EQ(target.Model().Col(4).Width(), 90);
  EXPECT_EQ(target.RowColor(3), platform::clRed);
  EXPECT_EQ(target.RowColor(2), platform::clNone);
  EXPECT_EQ(target.RowHeightOf(4), 30);
  EXPECT_EQ(target.CellAt(1, 1).Color(), platform::clGreen);
  EXPECT_EQ(Save(target), Save(source));
}

TEST(GridStream, AFilteredSaveCarriesOnlyTheFilteredProperties)
{
  TtsGrid source;
  Fill(source);
  TtsGrid target;
  target.SetCols(5);
  target.Model().Col(3).SetReadOnly(true);  // outside the filter: kept
  target.Model().Col(1).SetColor(platform::clRed);  // inside: reset
  target.LoadGridFromStream(Save(source, PropKindBit(pkCols), PropBit(piColor), false), true);

  EXPECT_EQ(target.Model().Col(2).Color(), platform::clBlue);
  EXPECT_EQ(target.Model().Col(1).Color(), platform::clNone);
  EXPECT_TRUE(target.Model().Col(3).ReadOnly());
  EXPECT_FALSE(target.StoreData());
  EXPECT_TRUE(source.Model().Col(3).ReadOnly());  // the source is untouched by the filtered copy
}

TEST(GridStream, LoadingByFieldNameKeepsTheNamedColumnsAndDropsTheOthers)
{
  TtsGrid source;
  source.SetStoreData(true);
  source.SetCols(3);
  source.SetRows(2);
  const char* names[] = {"A", "B", "C"};
  for (int c = 1; c <= 3; ++c) {
    source.Model().Col(c).SetFieldName(names[c - 1]);
    source.SetCell(c, 1, Text(names[c - 1]));
  }
  source.Model().Col(2).SetColor(platform::clRed);

  TtsGrid target;
  target.SetCols(2);
  target.Model().Col(1).SetFieldName("c");
  target.Model().Col(2).SetFieldName("A");
  target.LoadGridFromStream(Save(source), false);

  EXPECT_EQ(target.Cols(), 2);
  EXPECT_EQ(target.Cell(1, 1).Text(), "C");
  EXPECT_EQ(target.Cell(2, 1).Text(), "A");
  EXPECT_EQ(target.Model().Col(1).Color(), platform::clNone);
  EXPECT_EQ(target.Model().Col(2).Color(), platform::clNone);
}

TEST(GridStream, ThePropertiesTextNamesTheFilterOfTheReset)
{
  struct Case {
    TtsStreamValue Properties;
    bool ColourReset;
    bool ReadOnlyReset;
  };
  const Case cases[] = {
      {std::string(1, char(PropBit(piColor))), true, false},  // shorter than four bytes: the low byte only
      {std::string(1, char(PropBit(piReadOnly))), false, true},
      {std::int32_t(5), true, true},  // an older form naming properties: all were saved
  };
  for (const Case& test : cases) {
    TtsGridStreamWriter writer;
    writer.WriteValue("SavePropKinds", std::int32_t(PropKindBit(pkCols)));
    writer.WriteValue("Properties", test.Properties);
    writer.WriteValue("ResetProps", true);
    TtsGrid grid;
    grid.Model().Col(1).SetColor(platform::clRed);
    grid.Model().Col(1).SetReadOnly(true);
    grid.LoadGridFromStream(writer.Bytes(), true);
    EXPECT_EQ(grid.Model().Col(1).Color() == platform::clNone, test.ColourReset);
    EXPECT_EQ(!grid.Model().Col(1).ReadOnly(), test.ReadOnlyReset);
  }
}

TEST(GridStream, AFailedLoadLeavesTheGridAsItWas)
{
  TtsGrid source;
  Fill(source);
  const Bytes stream = Save(source);

  TtsGrid grid;
  grid.SetStoreData(true);
  grid.SetCell(2, 2, Text("mine"));
  grid.Model().Col(1).SetColor(platform::clRed);
  const Bytes before = Save(grid);

  // Every cut of a good stream, a foreign one, and a column the grid lacks (after the reset ran).
  for (std::size_t length = 0; length < stream.size(); ++length) {
    EXPECT_THROW(grid.LoadGridFromStream(std::span(stream.data(), length), true), EReadError) << length;
    ASSERT_EQ(Save(grid), before) << length;
  }
  const Bytes foreign = {'P', 'K', 3, 4, 0, 0};
  EXPECT_THROW(grid.LoadGridFromStream(foreign, true), EReadError);

  TtsGridStreamWriter writer;
  writer.WriteValue("SavePropKinds", std::int32_t(kAllPropKinds));
  writer.WriteValue("ResetProps", true);
  writer.WriteCollection("ColProperties", {{{"DataCol", std::int32_t(9)}, {"Col.Color", std::int32_t(5)}}});
  grid.SetName("Units");
  EXPECT_EQ(ErrorOf([&] { grid.LoadGridFromStream(writer.Bytes(), true); }), "Units: Column index 9 out of range");
  EXPECT_EQ(Save(grid), before);
  EXPECT_EQ(grid.Cell(2, 2).Text(), "mine");

  // Hostile counts fail before anything is allocated for them.
  TtsGridStreamWriter huge;
  huge.WriteValue("Rows", std::int32_t(0x7FFFFFFF));
  EXPECT_THROW(grid.LoadGridFromStream(huge.Bytes(), true), EReadError);
  Bytes lying = {'V', 'X', 'G', 'S'};  // a collection of two billion items in ten bytes
  for (int byte : {4, int('D'), int('a'), int('t'), int('a'), 6, 0xFF, 0xFF, 0xFF, 0x7F})
    lying.push_back(std::uint8_t(byte));
  EXPECT_THROW(grid.LoadGridFromStream(lying, true), EReadError);
  EXPECT_EQ(Save(grid), before);
}

TEST(GridStream, AssignCopiesAGridAndRefusesAnythingElse)
{
  TtsGrid source;
  Fill(source);
  struct Case {
    const char* Name;
    std::function<void(TtsGrid&)> Prepare;
  };
  const Case cases[] = {
      {"default", [](TtsGrid&) {}},
      {"wider, with its own values", [](TtsGrid& grid) {
         grid.SetStoreData(true);
         grid.SetCols(9);
         grid.SetCell(8, 1, Text("gone"));
       }},
      {"moved and coloured", [](TtsGrid& grid) {
         grid.SetDisplayColOfData(4, 1);
         grid.SetRowColor(1, platform::clRed);
       }},
  };
  for (const Case& test : cases) {
    TtsGrid copy;
    test.Prepare(copy);
    copy.Assign(static_cast<const QObject&>(source));
    EXPECT_EQ(Save(copy), Save(source)) << test.Name;
  }
  TtsGrid grid;
  const Bytes before = Save(grid);
  QObject other;
  EXPECT_EQ(ErrorOf([&] { grid.Assign(other); }), "Cannot assign QObject to TtsGrid");
  EXPECT_EQ(Save(grid), before);
}

class GridStreamFiles : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return QDir(dir_.path()).filePath(name).toStdString(); }
  QTemporaryDir dir_;
};

TEST_F(GridStreamFiles, AFileHoldsTheGridAndAnUnwritableOneSaysSo)
{
  TtsGrid source;
  Fill(source);
  source.SaveGridToFile(Path("units.grd"), kAllPropKinds, kAllProperties, true);
  TtsGrid target;
  target.LoadGridFromFile(Path("units.grd"), true);
  EXPECT_EQ(Save(target), Save(source));

  const std::string missing = Path("no/such/folder/units.grd");
  EXPECT_EQ(ErrorOf([&] { source.SaveGridToFile(missing, kAllPropKinds, kAllProperties, true); }),
            "Can't create file " + missing);
  EXPECT_NE(ErrorOf([&] { target.LoadGridFromFile(missing, true); }), "");
  EXPECT_EQ(Save(target), Save(source));
}

TEST_F(GridStreamFiles, ASaveIntoAClosedFolderKeepsTheOldFile)
{
  TtsGrid grid;
  Fill(grid);
  const std::string path = Path("units.grd");
  grid.SaveGridToFile(path, kAllPropKinds, kAllProperties, true);
  const Bytes before = Save(grid);
  grid.SetCell(1, 1, Text("changed"));
  QFile::setPermissions(dir_.path(),
                        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
  const auto saveFails = [&] {
    EXPECT_EQ(ErrorOf([&] { grid.SaveGridToFile(path, kAllPropKinds, kAllProperties, true); }),
              "Can't create file " + path);
  };
  if (geteuid() != 0) {
    saveFails();
  } else {
    // Folder permissions do not bind root: the save runs as an unprivileged user in a forked child.
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
          if (setgid(65534) != 0 || setuid(65534) != 0)
            std::_Exit(2);
          saveFails();
          std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
  }
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  TtsGrid reloaded;
  reloaded.LoadGridFromFile(path, true);
  EXPECT_EQ(Save(reloaded), before);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"units.grd"});
}

TEST_F(GridStreamFiles, ARegistryValueHoldsTheGridOrThePathOfItsFile)
{
  const std::string settings = Path("Registry.INI");
  TtsGrid source;
  Fill(source);
  source.SaveGridToRegistry("\\Software\\Vexal\\Grids", "Inline", "", true, settings);
  source.SaveGridToRegistry("\\Software\\Vexal\\Grids", "InFile", Path("units.grd"), true, settings);
  const auto key = OpenRegistryPath("\\Software\\Vexal\\Grids", false, settings);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->DataType("Inline"), rdBinary);
  EXPECT_EQ(key->ReadString("InFile"), Path("units.grd"));

  for (const char* value : {"Inline", "InFile"}) {
    TtsGrid target;
    EXPECT_TRUE(target.LoadGridFromRegistry("\\Software\\Vexal\\Grids", value, true, settings)) << value;
    EXPECT_EQ(Save(target), Save(source)) << value;
  }
  TtsGrid untouched;
  const Bytes before = Save(untouched);
  EXPECT_FALSE(untouched.LoadGridFromRegistry("\\Software\\Vexal\\Grids", "Missing", true, settings));
  EXPECT_FALSE(untouched.LoadGridFromRegistry("\\Software\\Vexal\\Nowhere", "Inline", true, settings));
  EXPECT_EQ(Save(untouched), before);
  EXPECT_EQ(ErrorOf([&] { source.SaveGridToRegistry("\\\\HKEY_NOWHERE\\Software", "X", "", true, settings); }),
            "Unknown registry key HKEY_NOWHERE");
}

}  // namespace
}  // namespace grid
