#include "tools/matrix/MatrixText.h"

#include "platform/ClipboardText.h"
#include "plot/support/NumberText.h"

#include <algorithm>

namespace tools {

std::string MatrixValueText(engine::Extended value)
{
  const std::string text = plot::GeneralText(value, 7);
  return text == "-0" ? "0" : text;
}

std::string GridClipboardText(const TMatrixGrid& grid)
{
  std::string text;
  for (int i = 1; i <= grid.Rows(); ++i)
    for (int j = 1; j <= grid.Cols(); ++j) {
      text += grid.Cell(i, j);
      text += j < grid.Cols() ? "\t" : platform::kClipboardLineEnd;
    }
  return text;
}

std::vector<std::string> PasteLines(const std::string& text)
{
  return platform::ClipboardLines(text.substr(0, std::min(text.size(), kMaxPasteLength)));
}

std::string CutField(std::string& line)
{
  for (const char separator : {' ', ',', '\t'}) {
    const std::size_t at = line.find(separator);
    if (at == std::string::npos)
      continue;
    std::string field = line.substr(0, at);
    std::size_t rest = at + 1;
    while (rest < line.size() && line[rest] == separator)
      ++rest;
    line.erase(0, rest);
    return field;
  }
  std::string field = std::move(line);
  line.clear();
  return field;
}

std::vector<std::string> PasteFields(std::string line)
{
  std::vector<std::string> fields;
  if (line.find('\t') == std::string::npos) {
    while (!line.empty())
      fields.push_back(CutField(line));
    return fields;
  }
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

void PasteIntoGrid(TMatrixGrid& grid, const std::string& text, int row, int col)
{
  int l = 0;
  for (const std::string& line : PasteLines(text)) {
    int f = 0;
    for (const std::string& field : PasteFields(line)) {
      if (!field.empty())
        grid.SetCell(row + l, col + f, field);
      ++f;
    }
    ++l;
  }
}

void AppendMatrixLines(const TMatrixGrid& grid, std::vector<std::string>& lines)
{
  lines.push_back("Matrix " + grid.Name());
  for (int j = 1; j <= grid.Cols(); ++j) {
    std::string line;
    for (int i = 1; i <= grid.Rows(); ++i) {
      if (i > 1)
        line += ',';
      line += grid.Cell(i, j);
    }
    lines.push_back(line);
  }
}

}  // namespace tools
