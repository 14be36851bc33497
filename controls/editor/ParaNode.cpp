#include "controls/editor/ParaNode.h"

#include "controls/editor/TextColumns.h"

#include <algorithm>

namespace controls {

TParaNode::TParaNode(std::string_view text, int wrapColumn, int tabSize) : text_(text)
{
  Wrap(wrapColumn, tabSize);
}

int TParaNode::LineLength(int line) const
{
  const int end = line < LineCount() ? LineStart(line + 1) : Length();
  return end - LineStart(line);
}

std::string_view TParaNode::LineText(int line) const
{
  return std::string_view(text_).substr(std::size_t(LineStart(line)), std::size_t(LineLength(line)));
}

namespace {

// Characters of line that fit into wrapColumn columns (tab stops restart on every display line).
int FitChars(std::string_view line, bool tabs, int wrapColumn, int tabSize)
{
  if (tabs)
    return CharsToColumn(line, wrapColumn, tabSize);
  return std::min(wrapColumn, int(line.size()));
}

}  // namespace

void TParaNode::Wrap(int wrapColumn, int tabSize)
{
  lineStarts_.assign(1, 0);
  if (wrapColumn <= 0 || wrapColumn == NoWrapColumn || text_.empty())
    return;
  const std::string_view text(text_);
  const bool tabs = HasTab(text, Length());
  int start = 0;
  int rest = Length();
  int fit = FitChars(text.substr(0), tabs, wrapColumn, tabSize);
  while (fit < rest) {
    const int next = start + FindBreak(text.substr(std::size_t(start)), fit);
    if (next - start >= rest)
      break;
    lineStarts_.push_back(next);
    rest -= next - start;
    start = next;
    fit = FitChars(text.substr(std::size_t(start)), tabs, wrapColumn, tabSize);
  }
}

int TParaNode::ReWrap(int wrapColumn, int tabSize, int changedAt)
{
  // A full wrap gives the same starts as an incremental one. A shortened word may move back onto the
  // line before the change, so the report starts there.
  Wrap(wrapColumn, tabSize);
  int col = 0;
  return std::max(1, PosToLine(changedAt + 1, col) - 1);
}

int TParaNode::PosToLine(int pos, int& col) const
{
  if (LineCount() == 1) {
    col = pos;
    return 1;
  }
  const auto it = std::upper_bound(lineStarts_.begin() + 1, lineStarts_.end(), pos - 1);
  const int line = int(it - lineStarts_.begin());
  col = pos - LineStart(line);
  return line;
}

int TParaNode::BlanksBefore(int pos) const
{
  int count = 0;
  for (int i = std::min(pos, Length()) - 1; i >= 0 && IsBlank(text_[std::size_t(i)]); --i)
    ++count;
  return count;
}

int TParaNode::TrimTrailingBlanks()
{
  const int blanks = BlanksBefore(Length());
  text_.resize(text_.size() - std::size_t(blanks));
  return blanks;
}

}  // namespace controls
