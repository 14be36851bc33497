#pragma once
// One paragraph of the text store: its characters and the starts of its display lines.

#include <string>
#include <string_view>
#include <vector>

namespace controls {

inline constexpr int NoWrapColumn = 32767;

class TParaNode {
 public:
  TParaNode() = default;
  TParaNode(std::string_view text, int wrapColumn, int tabSize);

  std::string_view Text() const { return text_; }
  std::string& MutableText() { return text_; }
  int Length() const { return int(text_.size()); }

  int LineCount() const { return int(lineStarts_.size()); }
  // 0-based offset of display line line (1-based) in the text.
  int LineStart(int line) const { return lineStarts_[std::size_t(line - 1)]; }
  // Length in characters of display line line.
  int LineLength(int line) const;
  std::string_view LineText(int line) const;

  // Re-wraps the paragraph at wrapColumn (0 or 32767: no wrapping).
  void Wrap(int wrapColumn, int tabSize);
  // Re-wraps after a change at 0-based offset changedAt; returns the first changed display line.
  int ReWrap(int wrapColumn, int tabSize, int changedAt);
  // Display line (1-based) holding character pos and, in col, the position within that line.
  int PosToLine(int pos, int& col) const;

  // Blanks immediately before 0-based offset pos.
  int BlanksBefore(int pos) const;
  // Removes trailing blanks; returns how many.
  int TrimTrailingBlanks();

 private:
  std::string text_;
  std::vector<int> lineStarts_{0};
};

}  // namespace controls
