#include "tools/matrix/MatrixText.h"

#include "plot/support/NumberText.h"

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
      text += j < grid.Cols() ? '\t' : '\r';
    }
  return text;
}

std::vector<std::string> PasteLines(const std::string& text)
{
  std::vector<std::string> lines;
  std::string line;
  const std::size_t length = std::min(text.size(), kMaxPasteLength);
  for (std::size_t k = 0; k <= length; ++k) {
    const bool end = k == length;
    const char c = end ? '\n' : text[k];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (!line.empty())
      lines.push_back(line);
    line.clear();
    if (c == '\r' && k + 1 < length && text[k + 1] == '\n')
      ++k;
  }
  return lines;
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

void PasteIntoGrid(TMatrixGrid& grid, const std::string& text, int row, int col)
{
  int l = 0;
  for (std::string line : PasteLines(text)) {
    for (int f = 0; !line.empty(); ++f) {
      const std::string field = CutField(line);
      if (!field.empty())
        grid.SetCell(row + l, col + f, field);
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
