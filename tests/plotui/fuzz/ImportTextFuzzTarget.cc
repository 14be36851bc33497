// Fuzz target of the series data readers: any clipboard text or file lines fill the grid without
// fault; tokens never start with a blank, every point read comes from cells that convert to
// finite values, and the file columns give one row per line.
#include "plotui/data/ImportText.h"

#include "tests/support/FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using testsupport::Require;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int pick = size > 0 ? data[0] : 0;
  plotui::TDelimiterTable table;
  if (pick & 1) {  // user delimiters from the text itself
    table.Count = 4 + std::min<int>(6, int(size % 7));
    for (int i = 4; i < table.Count; ++i)
      table.Chars[std::size_t(i)] = size > std::size_t(i) ? text[std::size_t(i)] : '/';
  }

  const std::vector<std::string> lines = plotui::TextLines(text);
  for (const std::string& line : lines) {
    Require(line.find_first_of("\r\n") == std::string::npos, "a line holds no line end");
    std::string rest = line, token;
    for (int guard = 0; !rest.empty(); ++guard) {
      const std::size_t before = rest.size();
      plotui::NextToken(table, rest, token);
      Require(rest.size() < before, "every token shortens the line");
      Require(token.empty() || token[0] != ' ', "a token never starts with a blank");
    }
  }

  plotui::TImportGrid grid;
  const int row = (pick >> 1) % 5, col = (pick >> 4) % 3;
  Require(grid.PasteAsIs(table, text, row, col) == int(lines.size()), "every line is pasted");
  Require(grid.RowCount() >= 1000, "the grid keeps its rows");
  if (!lines.empty()) {
    const QStringList names = plotui::FieldNames(table, lines[0]);
    for (const QString& name : names)
      Require(!name.isEmpty(), "field names are not empty");
    grid.PasteFields(table, {lines.begin() + 1, lines.end()}, {pick % 4 - 1, pick % 3}, row);
  }
  const plotui::TGridPoints pasted = plotui::ReadGridPoints(grid);
  Require(pasted.X.size() == pasted.Y.size(), "pairs");

  grid.ReadColumns(table, lines, 1 + pick % 3, 1 + (pick >> 2) % 4);
  Require(grid.RowCount() >= int(lines.size()), "one row per line");
  const plotui::TGridPoints points = plotui::ReadGridPoints(grid);
  Require(points.X.size() <= lines.size(), "no more points than lines");
  for (std::size_t i = 0; i < points.X.size(); ++i) {
    Require(std::isfinite(points.X[i]) && std::isfinite(points.Y[i]), "points are finite");
    double x = 0;
    Require(plotui::CellToNumber(grid.Cell(0, int(i)), x) && x == points.X[i], "points come from their cells");
  }
  Require(points.BadRow == -1 || points.BadRow == int(points.X.size()), "the bad row ends the points");
  return 0;
}
