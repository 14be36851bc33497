// The viewer's positions, caret moves, selection, commands, bookmarks, search and copying.
#include "controls/textfile/BaseViewer.h"

#include "controls/editor/Exceptions.h"
#include "controls/editor/TextSearch.h"
#include "controls/textfile/ViewerLines.h"
#include "platform/Application.h"
#include "platform/ClipboardText.h"

#include <algorithm>

namespace controls {

namespace {

constexpr TViewerPos kNoBookmark{-1, -1};
constexpr std::size_t kClipboardLimit = 65520;

bool IsViewerBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

TOvcBaseViewer::TOvcBaseViewer(QWidget* parent) : TOvcCustomControlEx(parent)
{
  bookmarks_.fill(kNoBookmark);
  setFocusPolicy(Qt::StrongFocus);
  SetColor(platform::clWindow);
  resize(200, 150);
  fixedFont_.OnChange = [this] { CalcMetrics(); };
  highlight_.OnChange = [this] {
    if (HasSelection())
      Invalidate();
  };
}

TOvcBaseViewer::~TOvcBaseViewer() = default;

std::string TOvcBaseViewer::GetLine(int index, int maxLen) const
{
  return ShownLine(GetLinePtr(index), expandTabs_, tabSize_, maxLen);
}

// Positions

int TOvcBaseViewer::DisplayColumn(int line, int col) const
{
  if (!expandTabs_)
    return col;
  const std::string_view text = GetLinePtr(line);
  int display = 0;
  for (int i = 0; i < col && i < int(text.size()); ++i)
    display = text[std::size_t(i)] == '\t' ? (display / tabSize_ + 1) * tabSize_ : display + 1;
  return display;
}

int TOvcBaseViewer::CharColumn(int line, int displayCol) const
{
  if (!expandTabs_)
    return std::clamp(displayCol, 0, LineLength(line));
  const std::string_view text = GetLinePtr(line);
  int display = 0;
  int i = 0;
  for (; i < int(text.size()); ++i) {
    const int next = text[std::size_t(i)] == '\t' ? (display / tabSize_ + 1) * tabSize_ : display + 1;
    if (next > displayCol)
      break;
    display = next;
  }
  return i;
}

// Moves

void TOvcBaseViewer::MoveCaret(int deltaLine, int deltaCol, bool page, bool extend)
{
  if (lineCount_ <= 0)
    return;
  const int last = lineCount_ - 1;
  int line = std::clamp(caret_.Line + deltaLine, 0, last);
  if (deltaLine > 0 && deltaCol == 0 && caret_.Line == last && line == last)
    return;
  line = ValidLine(line);
  int col = caret_.Col;
  if (deltaLine != 0 && line != caret_.Line)
    col = expandTabs_ ? CharColumn(line, caretDisplayCol_) : std::min(col, LineLength(line));
  col = std::clamp(col + deltaCol, 0, LineLength(line));
  if (page)
    SetTopLine(topLine_ + (line - caret_.Line));
  caret_ = {line, col};
  CaretChanged(extend, true);
}

void TOvcBaseViewer::MoveCaretTo(TViewerPos pos, bool extend)
{
  if (lineCount_ <= 0)
    return;
  pos.Line = ValidLine(std::clamp(pos.Line, 0, lineCount_ - 1));
  pos.Col = std::clamp(pos.Col, 0, LineLength(pos.Line));
  caret_ = pos;
  CaretChanged(extend, true);
}

void TOvcBaseViewer::CaretChanged(bool extend, bool scroll)
{
  caretDisplayCol_ = DisplayColumn(caret_.Line, caret_.Col);
  if (scroll) {
    if (caret_.Line < topLine_)
      SetTopLine(caret_.Line);
    else if (caret_.Line >= topLine_ + rows_)
      SetTopLine(caret_.Line - rows_ + 1);
    if (caretDisplayCol_ < offset_)
      SetOffset(0);
    else if (caretDisplayCol_ >= offset_ + columns_)
      SetOffset(caretDisplayCol_ - columns_ + 1);
  }
  if (extend) {
    selStart_ = std::min(anchor_, caret_);
    selEnd_ = std::max(anchor_, caret_);
  } else {
    anchor_ = caret_;
    selStart_ = selEnd_ = caret_;
  }
  Invalidate();
  PlaceCaret();
  if (OnShowStatus)
    OnShowStatus(*this, caret_.Line, caretDisplayCol_);
}

void TOvcBaseViewer::WordLeft(bool extend)
{
  if (caret_.Col == 0) {
    if (caret_.Line > 0)
      MoveCaretTo({caret_.Line - 1, LineLength(caret_.Line - 1)}, extend);
    return;
  }
  const std::string_view text = GetLinePtr(caret_.Line);
  int col = caret_.Col;
  while (col > 0 && IsViewerBlank(text[std::size_t(col - 1)]))
    --col;
  while (col > 0 && !IsViewerBlank(text[std::size_t(col - 1)]))
    --col;
  MoveCaretTo({caret_.Line, col}, extend);
}

void TOvcBaseViewer::WordRight(bool extend)
{
  const std::string_view text = GetLinePtr(caret_.Line);
  int col = caret_.Col;
  if (col >= int(text.size())) {
    if (caret_.Line + 1 < lineCount_)
      MoveCaretTo({caret_.Line + 1, 0}, extend);
    return;
  }
  while (col < int(text.size()) && !IsViewerBlank(text[std::size_t(col)]))
    ++col;
  while (col < int(text.size()) && IsViewerBlank(text[std::size_t(col)]))
    ++col;
  MoveCaretTo({caret_.Line, col}, extend);
}

void TOvcBaseViewer::PageTopOrBottom(bool bottom, bool extend)
{
  const bool inView = caret_.Line >= topLine_ && caret_.Line < topLine_ + rows_;
  if (!inView) {
    const int top = bottom ? caret_.Line - rows_ + 1 : caret_.Line;
    if (top >= 0)
      SetTopLine(top);
    return;
  }
  const int line = bottom ? std::min(topLine_ + rows_ - 1, lineCount_ - 1) : topLine_;
  MoveCaret(line - caret_.Line, 0, false, extend);
}

void TOvcBaseViewer::SetTopLine(int top)
{
  top = std::clamp(top, 0, std::max(lineCount_ - rows_, 0));
  if (top == topLine_)
    return;
  topLine_ = top;
  RefreshScrollBars();
  Invalidate();
  PlaceCaret();
  if (OnTopLineChanged)
    OnTopLineChanged(*this, topLine_);
}

void TOvcBaseViewer::SetOffset(int offset)
{
  offset = std::clamp(offset, 0, kMaxOffset);
  if (offset == offset_)
    return;
  offset_ = offset;
  RefreshScrollBars();
  Invalidate();
  PlaceCaret();
}

void TOvcBaseViewer::ScrollLines(int lines) { SetTopLine(topLine_ + lines); }

void TOvcBaseViewer::ScrollToLine(int line)
{
  if (line >= 0)
    SetTopLine(line);
}

void TOvcBaseViewer::SetLineCount(int count)
{
  if (count == lineCount_)
    return;
  lineCount_ = count;
  caret_ = anchor_ = selStart_ = selEnd_ = {};
  caretDisplayCol_ = 0;
  topLine_ = 0;
  offset_ = 0;
  bookmarks_.fill(kNoBookmark);
  RefreshScrollBars();
  Invalidate();
}

void TOvcBaseViewer::SetSelection(int line1, int col1, int line2, int col2, bool caretAtEnd)
{
  if (lineCount_ <= 0)
    return;
  const auto valid = [this](int line, int col) {
    line = ValidLine(std::clamp(line, 0, lineCount_ - 1));
    return TViewerPos{line, std::clamp(col, 0, LineLength(line))};
  };
  const TViewerPos a = valid(line1, col1);
  const TViewerPos b = valid(line2, col2);
  anchor_ = caretAtEnd ? std::min(a, b) : std::max(a, b);
  caret_ = caretAtEnd ? std::max(a, b) : std::min(a, b);
  CaretChanged(true, true);
}

std::string TOvcBaseViewer::SelectedText() const
{
  std::string text;
  for (int line = selStart_.Line; line <= selEnd_.Line && HasSelection(); ++line) {
    const std::string_view whole = GetLinePtr(line);
    const int from = line == selStart_.Line ? selStart_.Col : 0;
    const int to = line == selEnd_.Line ? selEnd_.Col : int(whole.size());
    if (line > selStart_.Line)
      text += "\r\n";
    text.append(whole.substr(std::size_t(from), std::size_t(std::max(to - from, 0))));
  }
  return text;
}

void TOvcBaseViewer::CopyToClipboard()
{
  if (!HasSelection())
    return;
  const std::string text = SelectedText();
  if (text.size() > kClipboardLimit)
    throw ERegionTooLarge();
  platform::SetClipboardText(text);
}

// Bookmarks

void TOvcBaseViewer::SetMarker(int n)
{
  if (n < 0 || n > 9)
    return;
  TViewerPos& mark = bookmarks_[std::size_t(n)];
  mark = mark == caret_ ? kNoBookmark : caret_;
  Invalidate();
}

void TOvcBaseViewer::GotoMarker(int n)
{
  if (n < 0 || n > 9 || bookmarks_[std::size_t(n)] == kNoBookmark)
    return;
  MoveCaretTo(bookmarks_[std::size_t(n)], false);
}

// Search

bool TOvcBaseViewer::Search(std::string_view text, TEditorSearchOptions options)
{
  if (text.empty() || lineCount_ <= 0)
    return false;
  const platform::HourglassCursor busy;
  const TTextFinder finder(text, (options & 0x04) != 0);
  const bool backward = (options & 0x02) != 0;
  TViewerPos start = caret_;
  if (options & 0x08)
    start = backward ? TViewerPos{ValidLine(lineCount_ - 1), LineLength(ValidLine(lineCount_ - 1))} : TViewerPos{};
  if (!backward) {
    for (int line = start.Line, from = start.Col; line < lineCount_; ++line, from = 0) {
      const int at = finder.FindFirst(GetLinePtr(line), from);
      if (at >= 0) {
        SetSelection(line, at, line, at + finder.Length(), true);
        return true;
      }
    }
    return false;
  }
  for (int line = start.Line, limit = start.Col; line >= 0; --line) {
    const int at = finder.FindLast(GetLinePtr(line), limit);
    if (at >= 0) {
      SetSelection(line, at, line, at + finder.Length(), false);
      return true;
    }
    limit = line > 0 ? LineLength(line - 1) : 0;
  }
  return false;
}

// Commands

bool TOvcBaseViewer::ProcessCommand(TOvcCommand command)
{
  if (command >= 256) {
    if (OnUserCommand)
      OnUserCommand(*this, command);
    return true;
  }
  if (!showCaret_) {
    switch (command) {
      case ccDown:
      case ccScrollDown:
        ScrollLines(1);
        return true;
      case ccUp:
      case ccScrollUp:
        ScrollLines(-1);
        return true;
      case ccLeft:
        SetOffset(offset_ - 1);
        return true;
      case ccRight:
        SetOffset(offset_ + 1);
        return true;
      case ccNextPage:
        ScrollLines(rows_);
        return true;
      case ccPrevPage:
        ScrollLines(-rows_);
        return true;
      case ccHome:
      case ccFirstPage:
        SetTopLine(0);
        SetOffset(0);
        return true;
      case ccEnd:
      case ccLastPage:
        SetTopLine(lineCount_);
        return true;
      default:
        return false;
    }
  }
  const int page = std::max(rows_ - 1, 1);
  if (command >= ccGotoMarker0 && command <= ccGotoMarker0 + 9) {
    GotoMarker(command - ccGotoMarker0);
    return true;
  }
  if (command >= ccSetMarker0 && command <= ccSetMarker0 + 9) {
    SetMarker(command - ccSetMarker0);
    return true;
  }
  switch (command) {
    case ccUp:
    case ccExtendUp:
      MoveCaret(-1, 0, false, command == ccExtendUp);
      return true;
    case ccDown:
    case ccExtendDown:
      MoveCaret(1, 0, false, command == ccExtendDown);
      return true;
    case ccLeft:
    case ccExtendLeft:
      if (caret_.Col == 0 && caret_.Line > 0)
        MoveCaretTo({caret_.Line - 1, LineLength(caret_.Line - 1)}, command == ccExtendLeft);
      else
        MoveCaret(0, -1, false, command == ccExtendLeft);
      return true;
    case ccRight:
    case ccExtendRight:
      if (caret_.Col >= LineLength(caret_.Line) && caret_.Line + 1 < lineCount_)
        MoveCaretTo({caret_.Line + 1, 0}, command == ccExtendRight);
      else
        MoveCaret(0, 1, false, command == ccExtendRight);
      return true;
    case ccPrevPage:
    case ccExtendPgUp:
      MoveCaret(-page, 0, true, command == ccExtendPgUp);
      return true;
    case ccNextPage:
    case ccExtendPgDn:
      MoveCaret(page, 0, true, command == ccExtendPgDn);
      return true;
    case ccHome:
    case ccExtendHome:
      MoveCaretTo({caret_.Line, 0}, command == ccExtendHome);
      return true;
    case ccEnd:
    case ccExtendEnd:
      MoveCaretTo({caret_.Line, LineLength(caret_.Line)}, command == ccExtendEnd);
      return true;
    case ccFirstPage:
    case ccExtFirstPage:
      MoveCaretTo({0, 0}, command == ccExtFirstPage);
      return true;
    case ccLastPage:
    case ccExtLastPage:
      MoveCaretTo({lineCount_ - 1, LineLength(lineCount_ - 1)}, command == ccExtLastPage);
      return true;
    case ccTopOfPage:
    case ccExtTopOfPage:
      PageTopOrBottom(false, command == ccExtTopOfPage);
      return true;
    case ccBotOfPage:
    case ccExtBotOfPage:
      PageTopOrBottom(true, command == ccExtBotOfPage);
      return true;
    case ccWordLeft:
    case ccExtWordLeft:
      WordLeft(command == ccExtWordLeft);
      return true;
    case ccWordRight:
    case ccExtWordRight:
      WordRight(command == ccExtWordRight);
      return true;
    case ccScrollUp:
      ScrollLines(-1);
      return true;
    case ccScrollDown:
      ScrollLines(1);
      return true;
    case ccCopy:
      CopyToClipboard();
      return true;
    default:
      return false;
  }
}

// Properties

void TOvcBaseViewer::SetExpandTabs(bool on)
{
  expandTabs_ = on;
  Invalidate();
}

void TOvcBaseViewer::SetMarginColor(platform::TColor color)
{
  marginColor_ = color;
  Invalidate();
}

void TOvcBaseViewer::SetShowBookmarks(bool on)
{
  showBookmarks_ = on;
  Invalidate();
}

void TOvcBaseViewer::SetShowCaret(bool on)
{
  showCaret_ = on;
  singleCaret_.SetVisible(on && hasFocus());
  Invalidate();
}

void TOvcBaseViewer::SetTabSize(int size)
{
  if (size <= 0)
    return;
  tabSize_ = size;
  if (expandTabs_)
    Invalidate();
}

}  // namespace controls
