#include "controls/editor/BuiltinTables.h"
#include "controls/editor/CommandProcessor.h"
#include "controls/editor/Exceptions.h"
#include "controls/editor/InputSupport.h"
#include "platform/VirtualKeys.h"
#include "tests/support/FullDisk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace controls {
namespace {

using namespace platform;

constexpr std::uint8_t Ctrl = csCtrl;
constexpr std::uint8_t Shift = csShift;
constexpr std::uint8_t Alt = csAlt;

std::string Data(const char* name) { return std::string(VEXAL_TEST_DATA_DIR) + name; }

TEST(CommandProcessor, StartsWithTheThreeBuiltInTables)
{
  TOvcCommandProcessor processor;
  ASSERT_EQ(processor.Count(), 3);
  EXPECT_EQ(processor.Table(0).TableName, "Default");
  EXPECT_EQ(processor.Table(1).TableName, "WordStar");
  EXPECT_EQ(processor.Table(2).TableName, "Grid");
  EXPECT_EQ(processor.Table(0).Count(), 64);
  EXPECT_EQ(processor.Table(1).Count(), 40);
  EXPECT_EQ(processor.Table(2).Count(), 38);
  EXPECT_TRUE(processor.Table(0).Active);
  EXPECT_FALSE(processor.Table(1).Active);
  EXPECT_FALSE(processor.Table(2).Active);
  EXPECT_EQ(processor.GetTable("wordstar"), &processor.Table(1));
  EXPECT_EQ(processor.GetTable("none"), nullptr);
}

TEST(CommandProcessor, DefaultTableTranslations)
{
  struct Case {
    int key;
    std::uint8_t shift;
    TOvcCommand expected;
  } cases[] = {
      {'Z', Ctrl, ccUndo},           {'Z', Ctrl | Shift, ccRedo},       {VK_BACK, Alt, ccRestore},
      {VK_F(2), 0, ccNoCommand},     {VK_SHIFT, Shift, ccNoCommand},    {VK_LEFT, 0, ccLeft},
      {VK_RIGHT, Ctrl | Shift, ccExtWordRight}, {VK_RETURN, Ctrl, ccNewLine}, {'5', Ctrl, ccGotoMarker0 + 5},
      {'5', Ctrl | Shift, ccSetMarker0 + 5},    {VK_INSERT, Shift, ccPaste},   {'Q', Ctrl, ccNoCommand},
      {VK_BACK, Shift, ccBack},      {VK_TAB, Ctrl, ccTab},             {'A', 0, ccNoCommand},
  };
  TOvcCommandProcessor processor;
  for (const Case& c : cases) {
    EXPECT_EQ(processor.TranslateKey(c.key, c.shift), c.expected) << c.key << " shift " << int(c.shift);
    EXPECT_EQ(processor.State(), 0);
  }
  EXPECT_EQ(processor.TranslateKeyShift('Z', ssCtrl | ssShift), ccRedo);
  EXPECT_EQ(processor.TranslateKeyShift(VK_BACK, ssAlt), ccRestore);
}

TEST(CommandProcessor, GridTableHasTableEditOnF2)
{
  TOvcCommandProcessor processor;
  processor.Table(0).Active = false;
  processor.Table(2).Active = true;
  EXPECT_EQ(processor.TranslateKey(VK_F(2), 0), ccTableEdit);
  EXPECT_EQ(processor.TranslateKey('Z', Ctrl), ccRestore);
}

TEST(CommandProcessor, WordStarSequences)
{
  TOvcCommandProcessor processor;
  processor.Table(0).Active = false;
  processor.Table(1).Active = true;
  struct Step {
    int key;
    std::uint8_t shift;
    TOvcCommand expected;
  };
  const std::vector<std::vector<Step>> sequences = {
      {{'Q', Ctrl, ccSequencePending}, {'S', 0, ccHome}},
      {{'Q', Ctrl, ccSequencePending}, {'S', Ctrl, ccHome}},
      {{'Q', Ctrl, ccSequencePending}, {'X', 0, ccSequenceFailed}, {'S', Ctrl, ccLeft}},
      {{'Q', Ctrl, ccSequencePending}, {'S', Alt, ccSequenceFailed}},
      {{'Q', Ctrl, ccSequencePending}, {VK_SHIFT, Ctrl, ccSequencePending}, {'D', 0, ccEnd}},
      {{'K', Ctrl, ccSequencePending}, {'3', 0, ccSetMarker0 + 3}},
      {{'P', Ctrl, ccCtrlChar}, {'A', Ctrl, ccNoCommand}, {'S', Ctrl, ccLeft}},
      {{'P', Ctrl, ccCtrlChar}, {'Q', Ctrl, ccNoCommand}, {'S', 0, ccNoCommand}},
      {{VK_SHIFT, 0, ccNoCommand}},
  };
  for (const auto& sequence : sequences) {
    processor.ResetCommandProcessor();
    for (std::size_t i = 0; i < sequence.size(); ++i)
      EXPECT_EQ(processor.TranslateKey(sequence[i].key, sequence[i].shift), sequence[i].expected)
          << "step " << i << " of a sequence starting with key " << sequence[0].key;
  }
}

TEST(CommandProcessor, PendingSequenceFallsThroughToTheNextTable)
{
  TOvcCommandProcessor processor;
  processor.Table(1).Active = true;  // Default first, then WordStar
  EXPECT_EQ(processor.TranslateKey('Q', Ctrl), ccSequencePending);
  EXPECT_EQ(processor.TranslateKey('Y', Ctrl), ccDelEol);
  EXPECT_EQ(processor.TranslateKey('Z', Ctrl), ccUndo);  // Default answers first
}

TEST(CommandProcessor, AddTableRenamesByBaseName)
{
  TOvcCommandProcessor processor;
  EXPECT_EQ(processor.CreateCommandTable("Default", false), 3);
  EXPECT_EQ(processor.Table(3).TableName, "Default1");
  processor.CreateCommandTable("Default1", false);
  EXPECT_EQ(processor.Table(4).TableName, "Default2");
  processor.CreateCommandTable("DEFAULT", false);
  EXPECT_EQ(processor.Table(5).TableName, "DEFAULT3");
  processor.CreateCommandTable("Mine", true);
  EXPECT_EQ(processor.Table(6).TableName, "Mine");
  processor.CreateCommandTable("7", true);
  EXPECT_EQ(processor.Table(7).TableName, "7");
  processor.CreateCommandTable("7", true);
  EXPECT_EQ(processor.Table(8).TableName, "71");
}

TEST(CommandProcessor, AddCommandChecksTableAndDuplicates)
{
  TOvcCommandProcessor processor;
  EXPECT_THROW(processor.AddCommand("Nope", {'A', Ctrl, 0, 0, ccHome}), ETableNotFound);
  EXPECT_THROW(processor.AddCommand("default", {'Z', Ctrl, 0, 0, ccRedo}), EDuplicateCommand);
  processor.AddCommand("default", {'A', Ctrl, 0, 0, ccHome});
  EXPECT_EQ(processor.TranslateKey('A', Ctrl), ccHome);
  // The table itself does not check.
  processor.Table(0).AddCommand({'A', Ctrl, 0, 0, ccEnd});
  EXPECT_EQ(processor.Table(0).Count(), 66);
  EXPECT_EQ(processor.Table(0).IndexOf({'A', Ctrl, 0, 0, ccNone}), 64);
}

TEST(CommandTableStream, BuiltInTablesStoreOnlyTheirDifferences)
{
  TOvcCommandProcessor processor;
  const TCommandTableData unchanged = processor.Table(0).Store();
  EXPECT_TRUE(unchanged.Pairs.empty());
  TOvcCommandTable readBack;
  readBack.Load(unchanged);
  EXPECT_EQ(readBack.TableName, "Default");
  EXPECT_EQ(readBack.Count(), 64);

  TOvcCommandTable& table = processor.Table(0);
  table.DeleteCommand(table.IndexOf({'Z', Ctrl, 0, 0, 0}));
  table.ReplaceCommand(table.IndexOf({VK_LEFT, 0, 0, 0, 0}), {VK_LEFT, 0, 0, 0, ccWordLeft});
  table.AddCommand({'Q', Ctrl, 'S', csNoneOrCtrl, ccHome});
  const TCommandTableData changed = table.Store();
  ASSERT_EQ(changed.Pairs.size(), 3u);
  EXPECT_EQ(changed.Pairs[0].second, 0);  // the removed Ctrl+Z
  TOvcCommandTable restored;
  restored.Load(changed);
  ASSERT_EQ(restored.Count(), 64);
  for (int i = 0; i < table.Count(); ++i)
    EXPECT_EQ(restored.GetCommand(restored.IndexOf(table.GetCommand(i))).Command, table.GetCommand(i).Command);
  EXPECT_EQ(restored.IndexOf({'Z', Ctrl, 0, 0, 0}), -1);
}

TEST(CommandTableStream, OtherTablesStoreAllRowsAndTheListRoundTrips)
{
  TOvcCommandProcessor processor;
  processor.CreateCommandTable("Mine", false);
  processor.AddCommand("Mine", {'A', Ctrl, 0, 0, 300});
  const auto stored = processor.StoreTables();
  ASSERT_EQ(stored.size(), 4u);
  EXPECT_EQ(stored[3].Pairs.size(), 1u);
  EXPECT_EQ(stored[3].Pairs[0], (std::pair<std::int32_t, std::int32_t>{'A' | Ctrl << 8, 300}));

  TOvcCommandProcessor other;
  other.LoadTables(stored);
  EXPECT_EQ(other.StoreTables(), stored);
  ASSERT_EQ(other.Count(), 4);
  EXPECT_FALSE(other.Table(3).Active);

  auto bad = stored;
  bad[3].Pairs.emplace_back(0x42, 70000);
  EXPECT_THROW(other.LoadTables(bad), ECommandTableFileError);
  EXPECT_EQ(other.StoreTables(), stored);
}

TEST(CommandTableFile, SavesAlignedColumnsAndLoadsBack)
{
  TOvcCommandTable table;
  table.TableName = "Mine";
  table.AddCommand({'Z', Ctrl, 0, 0, ccUndo});
  table.AddCommand({'Q', Ctrl, 'S', csNoneOrCtrl, ccHome});
  const std::string path = (std::filesystem::temp_directory_path() / "vexal-commands-test.tbl").string();
  table.SaveToFile(path);
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "Mine\r\n  90   4   0   0    72\r\n  81   4  83 128    42\r\n");
  TOvcCommandTable loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.TableName, "Mine");
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded.GetCommand(1), table.GetCommand(1));
  std::filesystem::remove(path);

  TOvcCommandProcessor processor;
  const int index = processor.LoadCommandTable(Data("good.tbl"));
  processor.Table(index).Active = true;
  processor.Table(0).Active = false;
  EXPECT_EQ(processor.TranslateKey('Q', Ctrl), ccSequencePending);
  EXPECT_EQ(processor.TranslateKey('S', 0), ccHome);

  // Lines ended by CR alone are lines as well.
  TOvcCommandTable crOnly;
  crOnly.LoadFromFile(Data("cr-line-ends.tbl"));
  EXPECT_EQ(crOnly.TableName, "Mine");
  ASSERT_EQ(crOnly.Count(), 2);
  EXPECT_EQ(crOnly.GetCommand(1), table.GetCommand(1));
}

TEST(CommandTableFile, ASaveOnAFullDiskKeepsTheOldFile)
{
  const testsupport::FullDisk disk;
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  const std::string path = disk.Path("keys.tbl");
  TOvcCommandTable table;
  table.TableName = "Mine";
  table.AddCommand({'Z', Ctrl, 0, 0, ccUndo});
  table.SaveToFile(path);
  disk.Fill();
  table.AddCommand({'Y', Ctrl, 0, 0, ccRedo});
  try {
    table.SaveToFile(path);
    ADD_FAILURE() << "no error";
  } catch (const ECommandTableFileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create command table file " + path);
  }
  TOvcCommandTable loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Count(), 1);
}

// Values that do not fit their fields are refused; the table keeps what it had.
TEST(CommandTableFile, RefusesBadFilesAndKeepsTheOldTable)
{
  const char* files[] = {"key-out-of-range.tbl", "command-out-of-range.tbl", "negative-shift.tbl",
                         "four-fields.tbl",      "not-a-number.tbl",         "six-fields.tbl",
                         "missing.tbl",          "control-in-name.tbl"};
  for (const char* file : files) {
    TOvcCommandProcessor processor;
    TOvcCommandTable& table = processor.Table(0);
    EXPECT_THROW(table.LoadFromFile(Data(file)), ECommandTableFileError) << file;
    EXPECT_EQ(table.TableName, "Default") << file;
    EXPECT_EQ(table.Count(), 64) << file;
    EXPECT_THROW(processor.LoadCommandTable(Data(file)), ECommandTableFileError) << file;
    EXPECT_EQ(processor.Count(), 3) << file;
  }
}

TEST(InputSupport, ShiftStateToCommandBits)
{
  EXPECT_EQ(ShiftFlagsOf(ssShift), csShift);
  EXPECT_EQ(ShiftFlagsOf(ssCtrl), csCtrl);
  EXPECT_EQ(ShiftFlagsOf(ssAlt), csAlt);
  EXPECT_EQ(ShiftFlagsOf(ssCtrl | ssShift | ssLeft), csCtrl | csShift);
  EXPECT_TRUE(IsModifierKey(VK_CAPITAL));
  EXPECT_FALSE(IsModifierKey('A'));
  EXPECT_EQ(PrimaryMouseButton(), VK_LBUTTON);
}

}  // namespace
}  // namespace controls
