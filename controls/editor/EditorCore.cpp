#include "controls/editor/EditorCore.h"

#include "controls/editor/Exceptions.h"
#include "controls/editor/TextColumns.h"

#include <algorithm>

namespace controls {
namespace {

constexpr std::string_view WordDelimiters = "\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*";

bool Before(TParaPos a, TParaPos b) { return a.Para < b.Para || (a.Para == b.Para && a.Pos < b.Pos); }

}  // namespace

bool IsWordDelimiter(char ch) { return WordDelimiters.find(ch) != std::string_view::npos; }

TOvcEditorCore::TOvcEditorCore(TOvcEditorView* view)
    : view_(view ? view : &defaultView_), ownedList_(std::make_unique<TOvcParaList>(this, false))
{
  list_ = ownedList_.get();
}

TOvcEditorCore::~TOvcEditorCore() { LeaveRing(); }

// Queries

std::string TOvcEditorCore::GetLine(int line) const
{
  if (line < 1 || line > GetLineCount())
    throw EInvalidLineOrPara();
  std::string_view text;
  list_->GetLine(line, text);
  if (!HasTab(text, int(text.size())))
    return std::string(text);
  return DetabText(text, TabSize());
}

std::string_view TOvcEditorCore::GetPara(int para) const
{
  if (para < 1 || para > GetParaCount())
    throw EInvalidLineOrPara();
  return list_->GetParaText(para);
}

void TOvcEditorCore::ParaPosToLineCol(int& para, int& pos) const
{
  if (para < 1 || para > GetParaCount())
    throw EInvalidLineOrPara();
  int col = 0;
  para = list_->ParaPosToLine(para, pos, col);
  pos = col;
}

int TOvcEditorCore::DisplayColumn(int line, int col) const
{
  std::string_view text;
  list_->GetLine(line, text);
  return list_->PosToColumn(text, int(text.size()), col);
}

int TOvcEditorCore::CharColumn(int line, int displayCol) const
{
  std::string_view text;
  list_->GetLine(line, text);
  return list_->ColumnToPos(text, int(text.size()), displayCol);
}

int TOvcEditorCore::CaretDisplayColumn() const { return DisplayColumn(caretLine_, caretCol_); }

bool TOvcEditorCore::CaretInView() const
{
  return caretLine_ >= topLine_ && (Rows() <= 0 || caretLine_ <= topLine_ + Rows() - 1);
}

TParaPos TOvcEditorCore::CutToPara(TParaPos p) const
{
  p.Pos = std::min(p.Pos, ParaLength(p.Para) + 1);
  return p;
}

// Sets the caret to a paragraph position without moving the view.
void TOvcEditorCore::SyncCaret(int para, int pos)
{
  para = std::clamp(para, 1, GetParaCount());
  int col = 1;
  caretLine_ = list_->ParaPosToLine(para, std::max(pos, 1), col);
  if (WordWrap())
    col = std::min(col, LineLength(caretLine_) + 1);
  caretCol_ = col;
  caretPara_ = list_->LineToPara(caretLine_, caretOffset_);
}

// The top line number again from its paragraph position.
void TOvcEditorCore::SyncTop()
{
  int col = 1;
  topPos_.Para = std::clamp(topPos_.Para, 1, GetParaCount());
  SetTopLine(list_->ParaPosToLine(topPos_.Para, std::max(topPos_.Pos, 1), col));
}

void TOvcEditorCore::SetTopLine(int line)
{
  line = std::clamp(line, 1, GetLineCount());
  int offset = 0;
  topPos_ = {list_->LineToPara(line, offset), 0};
  topPos_.Pos = offset + 1;
  if (line == topLine_)
    return;
  topLine_ = line;
  if (OnTopLineChanged)
    OnTopLineChanged(topLine_);
}

// Moves

void TOvcEditorCore::MoveCaret(int deltaCol, int deltaLine, bool absoluteCol, bool extend, bool keepRow)
{
  const int rows = Rows();
  int row = caretLine_ - topLine_;
  if (!CaretInView()) {
    row = 0;
    keepRow = false;
  }
  int line = caretLine_ + deltaLine;
  if (line < 1)
    line = 1;
  if (line > GetLineCount()) {
    line = GetLineCount();
    if (line == caretLine_)
      return;
  }
  int col = caretCol_;
  if (line != caretLine_ && !absoluteCol)
    col = CharColumn(line, DisplayColumn(caretLine_, caretCol_));
  const int limit = list_->ParaLengthLimit();
  int maxCol = scrollPastEnd_ ? limit + 1 : LineLength(line) + 1;
  if (DisplayColumn(line, maxCol) > limit)
    maxCol = CharColumn(line, limit) + 1;
  col = std::clamp(col + deltaCol, 1, std::max(maxCol, 1));
  const int oldLine = caretLine_;
  caretLine_ = line;
  caretCol_ = col;
  caretPara_ = list_->LineToPara(line, caretOffset_);
  if (extend)
    ExtendSelection();
  else
    CollapseSelection();

  // The caret's cell, not only its line, must be in view; else a caret walking past the right edge
  // would leave the view behind.
  const int display = CaretDisplayColumn();
  const int columns = View().Columns();
  const bool cellInView = CaretInView() && display > hOffset_ && display <= hOffset_ + columns;
  if (!keepRow && (rows <= 0 || cellInView)) {
    View().PositionCaret();
    return;
  }
  int top = topLine_;
  if (keepRow)
    top = line - row;
  else if (line < topLine_)
    top = line;
  else if (line > topLine_ + rows - 1)
    top = line - (rows - 1);
  top = std::max({top, 1, line - (rows - 1)});

  int offset = hOffset_;
  if (display < hOffset_ + 1)
    offset = display > 2 ? display - 1 : 0;
  else if (display > hOffset_ + columns)
    offset = display - columns;
  int deltaOffset = offset - hOffset_;
  if (line > oldLine && deltaOffset != 0)
    deltaOffset = -hOffset_;
  ScrollView(deltaOffset, top - topLine_);
}

void TOvcEditorCore::MoveCaretTo(int line, int col, bool extend)
{
  MoveCaret(col - caretCol_, line - caretLine_, true, extend, false);
}

void TOvcEditorCore::MoveCaretToPara(int para, int pos, bool extend)
{
  para = std::clamp(para, 1, GetParaCount());
  int col = 1;
  const int line = list_->ParaPosToLine(para, std::max(pos, 1), col);
  MoveCaretTo(line, col, extend);
}

void TOvcEditorCore::ScrollView(int deltaCols, int deltaLines)
{
  const int oldOffset = hOffset_;
  const int oldTop = topLine_;
  hOffset_ = deltaCols < 0 && -deltaCols > hOffset_ ? 0 : hOffset_ + deltaCols;
  int top = std::min(topLine_ + deltaLines, GetLineCount() - Rows() + 1);
  top = std::max(top, 1);
  if (top != topLine_)
    SetTopLine(top);
  if (topLine_ == oldTop && hOffset_ == oldOffset) {
    View().PositionCaret();
    return;
  }
  View().ViewScrolled(hOffset_ - oldOffset, topLine_ - oldTop);
  View().PositionCaret();
}

void TOvcEditorCore::Left(bool extend)
{
  const TParaPos caret = CaretPara();
  if (caret.Pos > 1)
    MoveCaretToPara(caret.Para, caret.Pos - 1, extend);
  else if (WrapAtLeft() && caretLine_ > 1)
    MoveCaretTo(caretLine_ - 1, LineLength(caretLine_ - 1) + 1, extend);
}

void TOvcEditorCore::Right(bool extend)
{
  const TParaPos caret = CaretPara();
  if (caret.Pos <= ParaLength(caret.Para))
    MoveCaretToPara(caret.Para, caret.Pos + 1, extend);
  else if (scrollPastEnd_)
    MoveCaret(1, 0, false, extend, false);
  else if (caretLine_ < GetLineCount())
    MoveCaretTo(caretLine_ + 1, 1, extend);
}

void TOvcEditorCore::WordLeft(bool extend)
{
  const std::string_view text = list_->GetParaText(caretPara_);
  int pos = std::min(CaretPara().Pos, int(text.size()) + 1);
  if (pos == 1) {
    if (caretPara_ > 1)
      MoveCaretTo(caretLine_ - 1, LineLength(caretLine_ - 1) + 1, extend);
    return;
  }
  while (pos > 1 && IsWordDelimiter(text[std::size_t(pos - 2)]))
    --pos;
  while (pos > 1 && !IsWordDelimiter(text[std::size_t(pos - 2)]))
    --pos;
  MoveCaretToPara(caretPara_, pos, extend);
}

void TOvcEditorCore::WordRight(bool extend)
{
  const std::string_view text = list_->GetParaText(caretPara_);
  const int len = int(text.size());
  int pos = CaretPara().Pos;
  if (pos > len) {
    if (caretLine_ < GetLineCount())
      MoveCaretTo(caretLine_ + 1, 1, extend);
    return;
  }
  while (pos <= len && !IsWordDelimiter(text[std::size_t(pos - 1)]))
    ++pos;
  while (pos <= len && IsWordDelimiter(text[std::size_t(pos - 1)]))
    ++pos;
  MoveCaretToPara(caretPara_, pos, extend);
}

void TOvcEditorCore::TopOfPage(bool extend)
{
  if (!CaretInView()) {
    if (!extend)
      ScrollView(0, caretLine_ - topLine_);
    return;
  }
  MoveCaret(0, topLine_ - caretLine_, false, extend, false);
}

void TOvcEditorCore::BotOfPage(bool extend)
{
  const int last = std::min(topLine_ + std::max(Rows(), 1) - 1, GetLineCount());
  if (!CaretInView()) {
    if (!extend)
      ScrollView(0, std::max(caretLine_ - (Rows() - 1), 1) - topLine_);
    return;
  }
  MoveCaret(0, last - caretLine_, false, extend, false);
}

// Selection

void TOvcEditorCore::InvalidatePara(TParaPos a, TParaPos b)
{
  int col = 0;
  View().InvalidateLines(list_->ParaPosToLine(a.Para, a.Pos, col), list_->ParaPosToLine(b.Para, b.Pos, col));
}

void TOvcEditorCore::CollapseSelection()
{
  const TParaPos caret = CutToPara(CaretPara());
  if (HasSelection())
    InvalidatePara(selStart_, selEnd_);
  selStart_ = selEnd_ = selMoving_ = caret;
}

void TOvcEditorCore::ExtendSelection()
{
  const TParaPos caret = CutToPara(CaretPara());
  TParaPos& moving = selMoving_ == selStart_ ? selStart_ : selEnd_;
  InvalidatePara(moving, caret);
  moving = caret;
  if (Before(selEnd_, selStart_))
    std::swap(selStart_, selEnd_);
  selMoving_ = caret;
}

void TOvcEditorCore::SetSelection(int line1, int col1, int line2, int col2, bool caretAtEnd)
{
  if (list_->TextBytes() == 0)
    return;
  line1 = std::clamp(line1, 1, GetLineCount());
  line2 = std::clamp(line2, 1, GetLineCount());
  col1 = std::clamp(col1, 1, LineLength(line1) + 1);
  col2 = std::clamp(col2, 1, LineLength(line2) + 1);
  if (caretAtEnd) {
    MoveCaretTo(line1, col1, false);
    MoveCaretTo(line2, col2, true);
  } else {
    MoveCaretTo(line2, col2, false);
    MoveCaretTo(line1, col1, true);
  }
}

void TOvcEditorCore::SetSelectionPara(int para1, int pos1, int para2, int pos2, bool caretAtEnd)
{
  para1 = std::clamp(para1, 1, GetParaCount());
  para2 = std::clamp(para2, 1, GetParaCount());
  int col1 = 1;
  int col2 = 1;
  const int line1 = list_->ParaPosToLine(para1, std::max(pos1, 1), col1);
  const int line2 = list_->ParaPosToLine(para2, std::max(pos2, 1), col2);
  SetSelection(line1, col1, line2, col2, caretAtEnd);
}

// Settings

void TOvcEditorCore::SetTabSize(int size)
{
  if (size > 0 && size != TabSize())
    list_->SetTabSize(size);
}

void TOvcEditorCore::SetScrollPastEnd(bool on)
{
  scrollPastEnd_ = on;
  if (on)
    SetWordWrap(false);
}

void TOvcEditorCore::SetWordWrap(bool on)
{
  if (on) {
    wrapAtLeft_ = true;
    scrollPastEnd_ = false;
  }
  if (on != WordWrap())
    list_->SetWordWrap(on);
}

}  // namespace controls
