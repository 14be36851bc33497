#include "plotui/data/ImportText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace plotui {

TDelimiterTable& ImportDelimiters()
{
  static TDelimiterTable table;
  return table;
}

void NextToken(const TDelimiterTable& table, std::string& line, std::string& token)
{
  token.clear();
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string::npos) {
    line.clear();
    return;
  }
  line.erase(0, start);
  const int count = std::clamp(table.Count, 0, TDelimiterTable::kMax);
  for (int i = 0; i < count; ++i) {
    const char d = table.Chars[std::size_t(i)];
    const std::size_t at = line.find(d);
    if (at == std::string::npos)
      continue;
    token.assign(line, 0, at);
    std::size_t rest = at + 1;
    while (rest < line.size() && line[rest] == d)
      ++rest;
    line.erase(0, rest);
    return;
  }
  token.swap(line);
  line.clear();
}

std::string GetToken(const TDelimiterTable& table, const std::string& line, int n)
{
  std::string rest = line;
  std::string token;
  for (int i = 0; i < n; ++i) {
    if (rest.empty())
      return {};
    NextToken(table, rest, token);
  }
  return token;
}

std::vector<std::string> TextLines(const std::string& text)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos)
      end = text.size();
    if (end > start)
      lines.emplace_back(text, start, end - start);
    start = end + 1;
  }
  return lines;
}

bool CellToNumber(const QString& cell, double& value)
{
  const QByteArray bytes = cell.toLatin1();
  const char* p = bytes.constData();
  const char* const end = p + bytes.size();
  while (p < end && *p == ' ')
    ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-'))
    negative = *p++ == '-';
  const char* const number = p;
  int digits = 0;
  while (p < end && *p >= '0' && *p <= '9')
    ++p, ++digits;
  const bool point = p < end && *p == '.';
  if (point) {
    ++p;
    while (p < end && *p >= '0' && *p <= '9')
      ++p, ++digits;
  }
  if (!point && digits == 0)
    return false;
  if (p < end && (*p == 'E' || *p == 'e')) {
    const char* e = p + 1;
    if (e < end && (*e == '+' || *e == '-'))
      ++e;
    if (e == end || *e < '0' || *e > '9')
      return false;
    while (e < end && *e >= '0' && *e <= '9')
      ++e;
    p = e;
  }
  if (p != end)
    return false;
  if (digits == 0) {  // a lone point, with or without an exponent
    value = negative ? -0.0 : 0.0;
    return true;
  }
  double magnitude = 0;
  const auto result = std::from_chars(number, end, magnitude, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(magnitude))
    return false;
  value = negative ? -magnitude : magnitude;
  return true;
}

const QString& TImportGrid::Cell(int col, int row) const
{
  static const QString empty;
  if (col < 0 || col >= kCols || row < 0 || row >= RowCount())
    return empty;
  return cells_[std::size_t(row)][std::size_t(col)];
}

void TImportGrid::Grow(int rows)
{
  if (rows > RowCount()) {
    cells_.resize(std::size_t(rows));
    origin_.resize(std::size_t(rows), -1);
  }
}

void TImportGrid::SetCell(int col, int row, const QString& text)
{
  if (col < 0 || col >= kCols || row < 0)
    return;
  Grow(row + 1);
  cells_[std::size_t(row)][std::size_t(col)] = text;
  origin_[std::size_t(row)] = -1;
}

int TImportGrid::Origin(int row) const
{
  return row >= 0 && row < RowCount() ? origin_[std::size_t(row)] : -1;
}

void TImportGrid::SetOrigin(int row, int point)
{
  if (row >= 0 && row < RowCount())
    origin_[std::size_t(row)] = point;
}

void TImportGrid::InsertRow(int row)
{
  if (row < 0 || row >= RowCount())
    return;
  cells_.insert(cells_.begin() + row, std::array<QString, kCols>{});
  origin_.insert(origin_.begin() + row, -1);
}

void TImportGrid::DeleteRow(int row)
{
  if (row < 0 || row >= RowCount())
    return;
  cells_.erase(cells_.begin() + row);
  origin_.erase(origin_.begin() + row);
  Grow(kMinRows);
}

void TImportGrid::EraseAll() { Reset(kMinRows); }

void TImportGrid::EraseColumn(int col)
{
  if (col < 0 || col >= kCols)
    return;
  for (auto& row : cells_)
    row[std::size_t(col)].clear();
  std::fill(origin_.begin(), origin_.end(), -1);
}

void TImportGrid::Reset(int rows)
{
  rows = std::max(rows, int(kMinRows));
  cells_.assign(std::size_t(rows), {});
  origin_.assign(std::size_t(rows), -1);
}

int TImportGrid::PasteAsIs(const TDelimiterTable& table, const std::string& text, int row, int col)
{
  const std::vector<std::string> lines = TextLines(text);
  std::string token;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    for (int j = 0; !line.empty(); ++j) {
      NextToken(table, line, token);
      if (!token.empty())
        SetCell(col + j, row + int(i), QString::fromLatin1(token));
    }
  }
  return int(lines.size());
}

void TImportGrid::PasteFields(const TDelimiterTable& table, const std::vector<std::string>& lines,
                              const std::array<int, kCols>& fieldOfColumn, int row)
{
  for (std::size_t i = 0; i < lines.size(); ++i)
    for (int c = 0; c < kCols; ++c) {
      const int field = fieldOfColumn[std::size_t(c)];
      if (field >= 0)
        SetCell(c, row + int(i), QString::fromLatin1(GetToken(table, lines[i], field + 1)));
    }
}

void TImportGrid::ReadColumns(const TDelimiterTable& table, const std::vector<std::string>& lines,
                              int xColumn, int yColumn)
{
  Reset(int(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    cells_[i][0] = QString::fromLatin1(GetToken(table, lines[i], xColumn));
    cells_[i][1] = QString::fromLatin1(GetToken(table, lines[i], yColumn));
  }
}

TGridPoints ReadGridPoints(const TImportGrid& grid)
{
  TGridPoints points;
  const int rows = grid.RowCount();
  int row = 0;
  for (; row < rows; ++row) {
    double x = 0, y = 0;
    if (!CellToNumber(grid.Cell(0, row), x) || !CellToNumber(grid.Cell(1, row), y))
      break;
    points.X.push_back(x);
    points.Y.push_back(y);
    points.Origin.push_back(grid.Origin(row));
  }
  for (int r = row; r < rows; ++r)
    if (!grid.Cell(0, r).trimmed().isEmpty() || !grid.Cell(1, r).trimmed().isEmpty()) {
      points.BadRow = row;
      break;
    }
  return points;
}

QStringList FieldNames(const TDelimiterTable& table, const std::string& line)
{
  TDelimiterTable names = table;
  names.Chars[0] = line.find('\t') != std::string::npos   ? '\t'
                   : line.find(',') != std::string::npos ? ','
                                                          : ' ';
  QStringList fields;
  std::string rest = line, token;
  while (!rest.empty()) {
    NextToken(names, rest, token);
    if (!token.empty())
      fields.append(QString::fromLatin1(token));
  }
  return fields;
}

}  // namespace plotui
