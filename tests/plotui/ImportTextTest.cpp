// Reading series data from text: tokenizer, lines, the cells' number form and the grid readers.
#include "plotui/data/ImportText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace plotui::test {
namespace {

std::vector<std::string> Tokens(const TDelimiterTable& table, std::string line)
{
  std::vector<std::string> tokens;
  std::string token;
  while (!line.empty()) {
    NextToken(table, line, token);
    tokens.push_back(token);
  }
  return tokens;
}

using Strings = std::vector<std::string>;

TEST(ImportText, TokensFollowTheTableOrderAndSkipLeadingBlanks)
{
  const TDelimiterTable initial;
  const struct {
    const char* line;
    Strings tokens;
  } cases[] = {
      {"1 2", {"1", "2"}},
      {"1,2 3", {"1,2", "3"}},  // the blank comes first in the table
      {"5  6", {"5", "6"}},
      {"   1.5   2.5", {"1.5", "2.5"}},
      {"1,2,3", {"1", "2", "3"}},
      {"1\t\t2", {"1", "2"}},
      {",5,6", {"", "5", "6"}},  // a leading delimiter leaves the first field empty
      {"1 2 ", {"1", "2"}},
      {"a;b", {"a;b"}},
      {"   ", {""}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Tokens(initial, c.line), c.tokens) << c.line;

  EXPECT_EQ(GetToken(initial, "10 20 30", 2), "20");
  EXPECT_EQ(GetToken(initial, "10 20 30", 3), "30");
  EXPECT_EQ(GetToken(initial, "10 20 30", 4), "");
  EXPECT_EQ(GetToken(initial, "10 20 30", 0), "");
  EXPECT_EQ(GetToken(initial, "10 20 30", 1000), "");
}

TEST(ImportText, EveryLineEndEndsALineAndEmptyLinesAreSkipped)
{
  EXPECT_EQ(TextLines("1 2\r\n3 4"), Strings({"1 2", "3 4"}));
  EXPECT_EQ(TextLines("a\rb\nc\r\n\r\nd\n"), Strings({"a", "b", "c", "d"}));
  EXPECT_EQ(TextLines(""), Strings());
  EXPECT_EQ(TextLines("\r\n\n\r"), Strings());
}

TEST(ImportText, CellsConvertOnlyInTheNumberForm)
{
  const struct {
    const char* text;
    bool converts;
    double value;
  } cases[] = {
      {"1", true, 1},         {"  -2.5", true, -2.5},    {"+.5", true, 0.5},      {".", true, 0},
      {"1.", true, 1},        {"1E3", true, 1000},       {"2.5e-3", true, 0.0025}, {"-1E+2", true, -100},
      {"0.1", true, 0.1},     {"", false, 0},            {"   ", false, 0},       {"1 ", false, 0},
      {"1,5", false, 0},      {"+", false, 0},           {"-", false, 0},        {"1e", false, 0},
      {"1e+", false, 0},      {"e5", false, 0},          {"1.5.5", false, 0},    {"0x10", false, 0},
      {"NaN", false, 0},      {"INF", false, 0},         {"1E99999", false, 0},  {"--1", false, 0},
      {"\t1", false, 0},      {"1\xb2", false, 0},
  };
  for (const auto& c : cases) {
    double value = -7;
    EXPECT_EQ(CellToNumber(QString::fromLatin1(c.text), value), c.converts) << c.text;
    if (c.converts) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
  double third = 0;
  ASSERT_TRUE(CellToNumber(QStringLiteral("0.3333333333333333"), third));
  EXPECT_EQ(third, 1.0 / 3);
}

TEST(ImportText, PasteAsIsFillsFromTheCurrentCellAndGrowsTheGrid)
{
  const TDelimiterTable table;
  TImportGrid grid;
  EXPECT_EQ(grid.PasteAsIs(table, "1 2\r\n3 4", 0, 0), 2);
  EXPECT_EQ(grid.Cell(0, 0), "1");
  EXPECT_EQ(grid.Cell(1, 0), "2");
  EXPECT_EQ(grid.Cell(0, 1), "3");
  EXPECT_EQ(grid.Cell(1, 1), "4");

  // From column 1 the second token has no column; an empty token keeps its cell.
  grid.PasteAsIs(table, "7 8\n,9", 0, 1);
  EXPECT_EQ(grid.Cell(1, 0), "7");
  EXPECT_EQ(grid.Cell(1, 1), "4");

  std::string many;
  for (int i = 0; i < 1500; ++i)
    many += std::to_string(i) + " " + std::string(300, '5') + "\n";
  grid.PasteAsIs(table, many, 10, 0);
  EXPECT_EQ(grid.RowCount(), 1510);
  EXPECT_EQ(grid.Cell(0, 1509), "1499");
  EXPECT_EQ(grid.Cell(1, 1509).size(), 300);
}

TEST(ImportText, RowCommandsKeepEveryRowAndOrigins)
{
  TImportGrid grid;
  for (int r = 0; r < 1000; ++r) {
    grid.SetCell(0, r, QString::number(r));
    grid.SetCell(1, r, QString(400, QLatin1Char('x')));
    grid.SetOrigin(r, r);
  }
  grid.InsertRow(5);
  EXPECT_EQ(grid.RowCount(), 1001);
  EXPECT_EQ(grid.Cell(0, 5), "");
  EXPECT_EQ(grid.Origin(5), -1);
  EXPECT_EQ(grid.Cell(0, 1000), "999");
  EXPECT_EQ(grid.Cell(1, 6).size(), 400);
  EXPECT_EQ(grid.Origin(6), 5);
  grid.DeleteRow(5);
  EXPECT_EQ(grid.RowCount(), 1000);
  EXPECT_EQ(grid.Cell(0, 999), "999");
  EXPECT_EQ(grid.Origin(5), 5);
  grid.SetCell(1, 7, "1");
  EXPECT_EQ(grid.Origin(7), -1);
  grid.EraseColumn(1);
  EXPECT_EQ(grid.Cell(1, 0), "");
  EXPECT_EQ(grid.Cell(0, 0), "0");
  grid.EraseAll();
  EXPECT_EQ(grid.Cell(0, 0), "");
}

TEST(ImportText, FileColumnsReplaceTheWholeGrid)
{
  TImportGrid grid;
  for (int r = 0; r < 100; ++r) {
    grid.SetCell(0, r, "1");
    grid.SetCell(1, r, "1");
  }
  Strings lines;
  for (int i = 0; i < 50; ++i)
    lines.push_back("a " + std::to_string(i) + " " + std::to_string(2 * i));
  grid.ReadColumns(TDelimiterTable(), lines, 3, 2);
  const TGridPoints points = ReadGridPoints(grid);
  ASSERT_EQ(points.X.size(), 50u);
  EXPECT_EQ(points.X[49], 98);
  EXPECT_EQ(points.Y[49], 49);
  EXPECT_EQ(points.BadRow, -1);
}

TEST(ImportText, ReadingEndsAtTheFirstBadRowAndNamesItWhenTextFollows)
{
  const struct {
    Strings rows;  // "x|y"
    int points;
    int badRow;
  } cases[] = {
      {{"1|2", "3|4"}, 2, -1},
      {{"1|2", "3|4", "5|6", "|7", "8|9"}, 3, 3},
      {{"1|2", "3|4", "5|6", "|7"}, 3, 3},
      {{"1,2|3"}, 0, 0},
      {{"1|2", "|", "3|4"}, 1, 1},
      {{"1|2", " | "}, 1, -1},
      {{}, 0, -1},
  };
  for (const auto& c : cases) {
    TImportGrid grid;
    for (std::size_t r = 0; r < c.rows.size(); ++r) {
      const std::string& row = c.rows[r];
      const std::size_t bar = row.find('|');
      grid.SetCell(0, int(r), QString::fromStdString(row.substr(0, bar)));
      grid.SetCell(1, int(r), QString::fromStdString(row.substr(bar + 1)));
    }
    const TGridPoints points = ReadGridPoints(grid);
    EXPECT_EQ(int(points.X.size()), c.points) << c.rows.size();
    EXPECT_EQ(points.BadRow, c.badRow) << c.rows.size();
  }
}

TEST(ImportText, FieldNamesTakeTabThenCommaThenBlank)
{
  const TDelimiterTable table;
  EXPECT_EQ(FieldNames(table, "x\ty z"), QStringList({"x", "y z"}));
  EXPECT_EQ(FieldNames(table, "time, volt"), QStringList({"time", "volt"}));
  EXPECT_EQ(FieldNames(table, "a b"), QStringList({"a", "b"}));
  EXPECT_EQ(FieldNames(table, "a;b"), QStringList({"a;b"}));
  TImportGrid grid;
  grid.PasteFields(table, {"1,2,3", "4,5,6"}, {2, 0}, 3);
  EXPECT_EQ(grid.Cell(0, 3), "3");
  EXPECT_EQ(grid.Cell(1, 3), "1");
  EXPECT_EQ(grid.Cell(0, 4), "6");
  grid.PasteFields(table, {"7,8"}, {-1, 1}, 3);
  EXPECT_EQ(grid.Cell(0, 3), "3");
  EXPECT_EQ(grid.Cell(1, 3), "8");
}

}  // namespace
}  // namespace plotui::test
