#pragma once
// Reading series data from text: the delimiter table, the tokenizer, the lines of clipboard text,
// the cells' number form, and the grid the readers fill (two columns of texts, as many rows as
// the data has).

#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

namespace plotui {

// Up to ten delimiter characters in the order they are tried.
struct TDelimiterTable {
  static constexpr int kMax = 10;
  std::array<char, kMax> Chars{' ', ',', '\t', '\0', '\0'};
  int Count = 5;
};

// The table shared by the program's import commands, kept from one import to the next.
TDelimiterTable& ImportDelimiters();

// Takes the next token off the front of line. Leading blanks are skipped; the delimiter used is the
// first one of the table, in table order, that occurs in the rest of the line: the token is the text
// before it, and it and its repeats are removed. Without any, the whole rest is the token. A line
// starting with the delimiter gives an empty token.
void NextToken(const TDelimiterTable& table, std::string& line, std::string& token);
// Token number n (from 1) of line; empty when n < 1 or the line has fewer.
std::string GetToken(const TDelimiterTable& table, const std::string& line, int n);

// Text cut into its non-empty lines: CR LF, LF and CR each end a line.
std::vector<std::string> TextLines(const std::string& text);

// A cell's number: leading blanks, an optional sign, digits with an optional "." and digits (a lone
// "." reads 0), an optional exponent with at least one digit, and nothing after. A value beyond the
// range of double does not convert.
bool CellToNumber(const QString& cell, double& value);

// The X and Y texts of the rows.
class TImportGrid {
public:
  static constexpr int kCols = 2;
  static constexpr int kMinRows = 1000;

  TImportGrid() : cells_(kMinRows), origin_(kMinRows, -1) {}
  int RowCount() const { return int(cells_.size()); }
  const QString& Cell(int col, int row) const;
  // Rows past the end are added; columns beyond the two are not kept. The row loses its origin.
  void SetCell(int col, int row, const QString& text);
  // The point a row was filled from and still shows unchanged (-1 none); it moves with the row.
  int Origin(int row) const;
  void SetOrigin(int row, int point);
  void InsertRow(int row);
  void DeleteRow(int row);
  void EraseAll();
  void EraseColumn(int col);
  // Sets the row count (at least kMinRows) and empties every cell.
  void Reset(int rows);

  // Clipboard text as it is: line i from row, token j to column col + j (an empty token leaves its
  // cell). Returns the number of lines.
  int PasteAsIs(const TDelimiterTable& table, const std::string& text, int row, int col);
  // By field: token fieldOfColumn[c] (from 0; -1 none) of each line to column c, line i at row + i.
  void PasteFields(const TDelimiterTable& table, const std::vector<std::string>& lines,
                   const std::array<int, kCols>& fieldOfColumn, int row);
  // Text-file columns (from 1): line i to row i; the grid is replaced by the lines.
  void ReadColumns(const TDelimiterTable& table, const std::vector<std::string>& lines, int xColumn,
                   int yColumn);

private:
  void Grow(int rows);

  std::vector<std::array<QString, kCols>> cells_;
  std::vector<int> origin_;
};

// The points read from the grid's leading rows.
struct TGridPoints {
  std::vector<double> X, Y;
  std::vector<int> Origin;  // of each point's row
  // The row that ended the points when it or a row after it holds text (data left out), else -1.
  int BadRow = -1;
};

// Reads rows from 0 while both cells convert.
TGridPoints ReadGridPoints(const TImportGrid& grid);

// Field names of the first line of a field-name paste: the first table character becomes tab,
// comma or blank by what the line holds, for the names only.
QStringList FieldNames(const TDelimiterTable& table, const std::string& line);

}  // namespace plotui
