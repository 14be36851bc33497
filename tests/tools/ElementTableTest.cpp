#include "tools/elements/ElementTable.h"

#include "platform/TextFile.h"

#include <QDir>
#include <gtest/gtest.h>

#include <set>

namespace tools {
namespace {

std::vector<std::string> TwoElements()
{
  return {"2", "3", "Name", "Symbol", "Mass", "=== 1 ===", "Alpha", "A", "1.5", "=== 2 ===", "Beta", "B", "2.5"};
}

TEST(ElementTable, ReadsCountsNamesAndEachElementsBlock)
{
  TElementTable table;
  ASSERT_TRUE(table.Parse(TwoElements()));
  EXPECT_EQ(table.ElementCount(), 2);
  EXPECT_EQ(table.PropertyNames(), (std::vector<std::string>{"Name", "Symbol", "Mass"}));
  ASSERT_NE(table.Element(2), nullptr);
  EXPECT_EQ(*table.Element(2), (std::vector<std::string>{"Beta", "B", "2.5"}));
  EXPECT_EQ(table.Element(0), nullptr);
  EXPECT_EQ(table.Element(3), nullptr);
  EXPECT_EQ(table.Element(-1), nullptr);
}

TEST(ElementTable, CountLines)
{
  struct Case {
    const char* line;
    bool ok;
    int count;
  };
  const Case cases[] = {
      {"0", true, 0},      {"1000", true, 1000},  {"  12", true, 12},   {"12 elements", true, 12},
      {"1001", false, 0},  {"-1", false, 0},      {"abc", false, 0},    {"", false, 0},
      {"12abc", false, 0}, {"99999999999999999999", false, 0},         {"+3", false, 0},
  };
  for (const Case& c : cases) {
    int count = -7;
    EXPECT_EQ(ReadCount(c.line, count), c.ok) << c.line;
    if (c.ok) {
      EXPECT_EQ(count, c.count) << c.line;
    }
  }
}

// A damaged file gives no data at all and names the line it was refused on.
TEST(ElementTable, DamagedFilesGiveNoData)
{
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::string badLine;
  };
  std::vector<Case> cases;
  auto dashes = TwoElements();
  dashes[9] = "--";
  cases.push_back({"separator without ===", dashes, "--"});
  auto huge = TwoElements();
  huge[0] = "4000000000";
  cases.push_back({"huge element count", huge, "4000000000"});
  auto negative = TwoElements();
  negative[1] = "-3";
  cases.push_back({"negative property count", negative, "-3"});
  auto shortBlock = TwoElements();
  shortBlock.pop_back();
  cases.push_back({"last block cut short", shortBlock, TElementTable::kEndOfFile});
  auto noSecondBlock = TwoElements();
  noSecondBlock.resize(9);
  cases.push_back({"second block missing", noSecondBlock, TElementTable::kEndOfFile});
  cases.push_back({"empty file", {}, TElementTable::kEndOfFile});
  cases.push_back({"names cut short", {"1", "5", "Name"}, TElementTable::kEndOfFile});

  for (const Case& c : cases) {
    TElementTable table;
    ASSERT_TRUE(table.Parse(TwoElements()));
    EXPECT_FALSE(table.Parse(c.lines)) << c.what;
    EXPECT_EQ(table.BadLine(), c.badLine) << c.what;
    EXPECT_EQ(table.ElementCount(), 0) << c.what;
    EXPECT_EQ(table.PropertyCount(), 0) << c.what;
    EXPECT_EQ(table.Element(1), nullptr) << c.what;
  }
}

// The files the program ships.
QString ShippedFile(const char* name)
{
  return QDir::cleanPath(QStringLiteral(VEXAL_TEST_DATA_DIR "../../../data/") + QString::fromLatin1(name));
}

TEST(ShippedElementData, HoldsEveryElementWithAllItsValues)
{
  const std::vector<std::string> lines = platform::ReadTextLines(ShippedFile("Vexal.prt"));
  TElementTable table;
  ASSERT_TRUE(table.Parse(lines)) << table.BadLine();
  EXPECT_EQ(table.ElementCount(), 118);
  ASSERT_EQ(table.PropertyCount(), 18);
  EXPECT_EQ(table.PropertyNames()[3], "Atomic mass (u)");
  EXPECT_EQ(table.PropertyNames()[17], "Discovered");
  // Every line is either a count, a name, a separator or a value: 2 + 18 + 118 * 19.
  EXPECT_EQ(lines.size(), 2u + 18u + 118u * 19u);
  const auto separators = std::count_if(lines.begin(), lines.end(),
                                        [](const std::string& l) { return l.find("===") != std::string::npos; });
  EXPECT_EQ(separators, 118);

  std::set<std::string> names;
  std::set<std::string> symbols;
  for (int z = 1; z <= 118; ++z) {
    const std::vector<std::string>& values = *table.Element(z);
    names.insert(values[0]);
    symbols.insert(values[1]);
    EXPECT_EQ(values[2], std::to_string(z));
    for (const std::string& value : values)
      EXPECT_FALSE(value.empty()) << "element " << z;
    EXPECT_EQ(lines[std::size_t(20 + (z - 1) * 19)], "=== " + std::to_string(z) + " " + values[0] + " ===");
  }
  EXPECT_EQ(names.size(), 118u);
  EXPECT_EQ(symbols.size(), 118u);

  const QStringList notes = platform::ReadUnicodeLines(ShippedFile("Vexal.txt"));
  EXPECT_EQ(notes.size(), 118);
  EXPECT_EQ(notes[25], QStringLiteral("Latin 'ferrum'"));
}

}  // namespace
}  // namespace tools
