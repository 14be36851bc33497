#include "grid/editor/GridEditBox.h"

#include "grid/paint/TextRun.h"
#include "platform/Canvas.h"
#include "platform/ClipboardText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace grid {

using platform::TCanvas;
using platform::TMouseButton;
using platform::TShiftState;

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsWordChar(char c) { return c != ' ' && c != '\t' && !IsLineBreak(c) && c != '\0'; }



}  // namespace

TtsGridEditBox::TtsGridEditBox(QWidget* parent) : TtsGridControl(parent)
{
  SetCursorNumber(platform::crIBeam);
  setFocusPolicy(Qt::StrongFocus);
}

TtsGridEditBox::~TtsGridEditBox() = default;

bool TtsGridEditBox::IsEditChar(char ch) const { return ch == '\b' || static_cast<unsigned char>(ch) >= 32; }

// Layout ----------------------------------------------------------------------------------------------

TtsTextMetrics TtsGridEditBox::Metrics() const
{
  measure_.Canvas().Font().Assign(Font());
  return ReadTextMetrics(measure_.Canvas());
}

bool TtsGridEditBox::IsMultiLine() const
{
  const TtsTextMetrics metrics = Metrics();
  return WordWrap() != wwOff &&
         IsMultiLineHeight(height() - metrics.ExtraLineSpacing, metrics.ExtraLineSpacing + metrics.Height);
}

void TtsGridEditBox::Layout()
{
  measure_.Canvas().Font().Assign(Font());
  LayoutLines(measure_.Canvas(), Metrics(), text_, height(), 0, lines_, WordWrap() != wwOff, HorzAlignment(),
              width());
  if (lines_.empty())
    lines_.push_back(0);
}

void TtsGridEditBox::Relayout()
{
  Layout();
  scrollOffset_ = IsRightAligned() ? int(text_.size()) : 0;
  topLine_ = 0;
  UpdateCaret();
  ScrollCaretIntoView(kQuarterMargin);
  Repaint();
}

void TtsGridEditBox::SetHorzAlignment(TtsHorzAlignment value)
{
  if (value == HorzAlignment())
    return;
  TtsGridControl::SetHorzAlignment(value);
  rightMargin_ = value == htaRight || value == htaDefault ? 1 : 0;
  Relayout();
}

void TtsGridEditBox::SetVertAlignment(TtsVertAlignment value)
{
  if (value == VertAlignment())
    return;
  TtsGridControl::SetVertAlignment(value);
  Relayout();
}

void TtsGridEditBox::SetWordWrap(TtsWordWrap value)
{
  if (value == WordWrap())
    return;
  TtsGridControl::SetWordWrap(value);
  Relayout();
}

void TtsGridEditBox::Resized() { Relayout(); }

int TtsGridEditBox::LineEnd(int line, bool withBreak) const
{
  int end = line + 1 < LineCount() ? lines_[std::size_t(line + 1)] : int(text_.size());
  if (!withBreak) {
    const int start = lines_[std::size_t(line)];
    while (end > start && IsLineBreak(text_[std::size_t(end - 1)]))
      --end;
  }
  return end;
}

int TtsGridEditBox::LineOf(int offset) const
{
  int line = 0;
  while (line + 1 < LineCount() && lines_[std::size_t(line + 1)] <= offset)
    ++line;
  // At a soft line end the caret may stay at the end of the line before.
  if (line > 0 && offset == lines_[std::size_t(line)] && !caretOnNextLine_ &&
      !IsLineBreak(text_[std::size_t(offset - 1)]))
    --line;
  return line;
}

int TtsGridEditBox::FirstTop() const
{
  const TtsTextMetrics metrics = Metrics();
  const platform::TRect rect{-TextOffset(), 0, width(), height()};
  if (IsMultiLine())
    return FirstLineTop(0, rect, &lines_, metrics, VertAlignment());
  if (VertAlignment() == vtaBottom)
    return height() - metrics.Height;
  if (VertAlignment() == vtaCenter && height() > metrics.Height + 1)
    return (height() - metrics.Height) / 2;
  return metrics.ExtraLineSpacing;
}

int TtsGridEditBox::LineLeft(int line) const
{
  const TtsTextMetrics metrics = Metrics();
  const int start = lines_[std::size_t(line)];
  const int lineWidth =
      TextWidth(measure_.Canvas(), metrics, std::string_view(text_).substr(std::size_t(start),
                                                                            std::size_t(LineEnd(line, false) - start)));
  if (HorzAlignment() == htaCenter)
    return std::max((width() + TextOffset() - lineWidth) / 2 - TextOffset(), 0);
  if (IsRightAligned())
    return RightEdge() - lineWidth;
  return 0;
}

int TtsGridEditBox::CaretXAt(int offset, int line) const
{
  const TtsTextMetrics metrics = Metrics();
  const std::string_view text = text_;
  auto widthOf = [&](int from, int to) {
    return TextWidth(measure_.Canvas(), metrics, text.substr(std::size_t(from), std::size_t(to - from)));
  };
  if (IsMultiLine()) {
    const int start = lines_[std::size_t(line)];
    return LineLeft(line) + widthOf(start, std::min(offset, LineEnd(line, false)));
  }
  if (IsRightAligned()) {
    const int scroll = scrollOffset_ == 0 ? int(text_.size()) : scrollOffset_;
    const int edge = RightEdge();
    return offset <= scroll ? edge - widthOf(offset, scroll) : edge + widthOf(scroll, offset);
  }
  int left = 0;
  if (HorzAlignment() == htaCenter) {
    const int shown = widthOf(scrollOffset_, int(text_.size()));
    left = std::max((width() + TextOffset() - shown) / 2 - TextOffset(), 0);
  }
  return offset >= scrollOffset_ ? left + widthOf(scrollOffset_, offset) : left - widthOf(offset, scrollOffset_);
}

void TtsGridEditBox::UpdateCaret()
{
  caretPos_ = std::clamp(caretPos_, 0, int(text_.size()));
  caretLine_ = IsMultiLine() ? LineOf(caretPos_) : 0;
  const int top = FirstTop() + (IsMultiLine() ? (caretLine_ - topLine_) * LineHeight() : 0);
  caretPoint_ = {CaretXAt(caretPos_, caretLine_), top};
  if (OwnsCaret())
    SetCaretPos(caretPoint_.X, caretPoint_.Y);
}

int TtsGridEditBox::HitTest(int x, int y) const
{
  int line = 0;
  if (IsMultiLine()) {
    const int top = FirstTop();
    line = LineCount();
    for (int k = topLine_; k < LineCount(); ++k) {
      if (top + (k - topLine_ + 1) * LineHeight() > y) {
        line = k;
        break;
      }
    }
    if (line >= LineCount())
      return int(text_.size());
    line = std::max(line, 0);
  }
  const int from = IsMultiLine() ? lines_[std::size_t(line)] : 0;
  const int to = IsMultiLine() ? LineEnd(line, false) : int(text_.size());
  int best = from;
  int bestDistance = std::abs(CaretXAt(from, line) - x);
  for (int offset = NextChar(from); offset <= to && offset > from; offset = NextChar(offset)) {
    const int distance = std::abs(CaretXAt(offset, line) - x);
    // An exact middle goes to the right-hand edge, in right-aligned text to the left-hand one.
    if (distance < bestDistance || (distance == bestDistance && !IsRightAligned())) {
      best = offset;
      bestDistance = distance;
    }
    if (offset == to)
      break;
  }
  return best;
}

void TtsGridEditBox::ScrollCaretIntoView(double margin)
{
  UpdateCaret();
  bool scrolled = false;
  if (IsMultiLine()) {
    const int lineHeight = LineHeight();
    while (caretPoint_.Y + lineHeight > height() && topLine_ < caretLine_) {
      ++topLine_;
      scrolled = true;
      UpdateCaret();
    }
    while (caretPoint_.Y < 0 && topLine_ > 0) {
      --topLine_;
      scrolled = true;
      UpdateCaret();
    }
  } else {
    const int overhang = Metrics().Overhang;
    const int size = int(text_.size());
    const int lowest = IsRightAligned() && size > 0 ? 1 : 0;
    if (caretPoint_.X + overhang >= width()) {
      while (scrollOffset_ < size && caretPoint_.X + overhang >= int(std::trunc((1 - margin) * width()))) {
        scrollOffset_ = NextChar(scrollOffset_);
        scrolled = true;
        UpdateCaret();
      }
    } else if (caretPoint_.X < 0) {
      while (scrollOffset_ > lowest && caretPoint_.X < int(std::trunc(width() * margin))) {
        scrollOffset_ = PrevChar(scrollOffset_);
        scrolled = true;
        UpdateCaret();
      }
    }
  }
  if (scrolled)
    Repaint();
}

// Caret moves ------------------------------------------------------------------------------------------

int TtsGridEditBox::NextChar(int offset) const
{
  if (offset >= int(text_.size()))
    return int(text_.size());
  if (text_[std::size_t(offset)] == '\r' && offset + 1 < int(text_.size()) && text_[std::size_t(offset + 1)] == '\n')
    return offset + 2;
  return offset + 1;
}

int TtsGridEditBox::PrevChar(int offset) const
{
  if (offset <= 0)
    return 0;
  if (offset >= 2 && text_[std::size_t(offset - 1)] == '\n' && text_[std::size_t(offset - 2)] == '\r')
    return offset - 2;
  return offset - 1;
}

int TtsGridEditBox::NextWord(int offset) const
{
  const int size = int(text_.size());
  while (offset < size && IsWordChar(text_[std::size_t(offset)]))
    ++offset;
  while (offset < size && !IsWordChar(text_[std::size_t(offset)]))
    ++offset;
  return offset;
}

int TtsGridEditBox::PrevWord(int offset) const
{
  while (offset > 0 && !IsWordChar(text_[std::size_t(offset - 1)]))
    --offset;
  while (offset > 0 && IsWordChar(text_[std::size_t(offset - 1)]))
    --offset;
  return offset;
}

void TtsGridEditBox::MoveCaretTo(int offset, bool extend, double margin)
{
  offset = std::clamp(offset, 0, int(text_.size()));
  if (extend) {
    const int anchor = selLength_ == 0 ? caretPos_ : caretPos_ == selStart_ ? selStart_ + selLength_ : selStart_;
    selStart_ = std::min(anchor, offset);
    selLength_ = std::abs(offset - anchor);
  } else {
    selStart_ = offset;
    selLength_ = 0;
  }
  caretPos_ = offset;
  ScrollCaretIntoView(margin);
  Repaint();
}

// Selection --------------------------------------------------------------------------------------------

void TtsGridEditBox::SetSelStart(int start)
{
  if (start < 0 || start > int(text_.size()))
    return;
  if (start == selStart_ && selLength_ == 0)
    return;
  caretOnNextLine_ = true;
  MoveCaretTo(start, false, kQuarterMargin);
  CallEditChange(false);
}

void TtsGridEditBox::SetSelLength(int length)
{
  if (length < 0)
    return;
  length = std::min(length, int(text_.size()) - selStart_);
  if (length == selLength_)
    return;
  selLength_ = length;
  Repaint();
  CallEditChange(false);
}

std::string TtsGridEditBox::SelText() const { return text_.substr(std::size_t(selStart_), std::size_t(selLength_)); }

void TtsGridEditBox::SetSelText(const std::string& text)
{
  if ((text.empty() && selLength_ == 0) || !BeginModify(false))
    return;
  SaveUndoState();
  ReplaceSelection(text);
  CallEditChange(true);
  CallEditValueChanged(true, false, false);
}

void TtsGridEditBox::SelectAll()
{
  caretPos_ = !IsMultiLine() && IsRightAligned() ? int(text_.size()) : 0;
  selStart_ = 0;
  selLength_ = int(text_.size());
  ScrollCaretIntoView(0);
  Repaint();
}

// Values -----------------------------------------------------------------------------------------------

void TtsGridEditBox::SetValue(const std::string& text)
{
  if (CanModify(false))
    AssignText(text, false, false);
}

void TtsGridEditBox::SetEditedValue(const std::string& text, bool edited)
{
  if (BeginModify(false))
    AssignText(text, true, edited);
}

std::string TtsGridEditBox::Value() const { return text_.substr(0, text_.find('\0')); }

void TtsGridEditBox::SaveUndoState()
{
  if (!modified_) {
    undoText_ = text_;
    modified_ = true;
  }
}

void TtsGridEditBox::AssignText(const std::string& text, bool byUser, bool edited)
{
  if (byUser && edited && (AllowEdit() || AllowSelect()))
    SaveUndoState();
  else
    modified_ = false;
  text_ = text;
  Layout();
  caretPos_ = 0;
  caretOnNextLine_ = true;
  selStart_ = selLength_ = 0;
  topLine_ = 0;
  if (byUser) {
    CallEditChange(true);
    const int oldHeight = height();
    CallTextResized(edited);
    if (height() != oldHeight)
      Layout();
  }
  scrollOffset_ = IsRightAligned() ? int(text_.size()) : 0;
  caretPos_ = IsMultiLine() || !IsRightAligned() ? 0 : int(text_.size());
  selStart_ = caretPos_;
  ScrollCaretIntoView(0);
  Repaint();
  CallEditChange(true);
  CallEditValueChanged(byUser, edited, false);
}

void TtsGridEditBox::AfterTextChange(int caret, double margin)
{
  Layout();
  caretPos_ = caret;
  selStart_ = caret;
  selLength_ = 0;
  const int oldHeight = height();
  CallTextResized(true);
  if (height() != oldHeight)
    Layout();
  ScrollCaretIntoView(margin);
  Repaint();
}

void TtsGridEditBox::SetMaskName(const std::string& name)
{
  if (name != maskName_) {
    maskName_ = name;
    ForgetMask();
  }
}

void TtsGridEditBox::SetMaskDefs(TtsMaskLookup lookup)
{
  maskDefs_ = std::move(lookup);
  ForgetMask();
}

TtsEditMask* TtsGridEditBox::Mask()
{
  if (!editMask_ && maskDefs_ && !maskName_.empty())
    editMask_ = maskDefs_(maskName_);
  return editMask_;
}

// A mask that checks while typing must accept the keys, or the grid must accept its refusal.
bool TtsGridEditBox::MaskAccepts(std::string& keys)
{
  if (!Mask() || (editMask_->GetCheckModes() & 1) == 0)
    return true;
  if (editMask_->Validate(text_, keys, selStart_ + 1, false, (editMask_->GetMaskOptions() & 1) != 0))
    return true;
  bool accept = false;
  if (Hooks.OnInvalidKeys)
    Hooks.OnInvalidKeys(*this, keys, accept);
  return accept;
}

bool TtsGridEditBox::InsertText(const std::string& given)
{
  std::string text = given;
  if (editMaxLength_ > 0 &&
      int(text_.size()) + int(text.size()) + (text == "\r" ? 1 : 0) - selLength_ > editMaxLength_)
    return false;
  if (!BeginModify(true) || !MaskAccepts(text))
    return false;
  SaveUndoState();
  if (selLength_ > 0)
    text_.erase(std::size_t(selStart_), std::size_t(selLength_));
  int caret = selStart_;
  std::string inserted;
  for (const char c : text) {
    inserted += c;
    if (c == '\r')
      inserted += '\n';
  }
  text_.insert(std::size_t(caret), inserted);
  if (caret < scrollOffset_ || (IsRightAligned() && caret == scrollOffset_))
    scrollOffset_ += int(inserted.size());
  caret += int(inserted.size());
  caretOnNextLine_ = true;
  AfterTextChange(caret, kQuarterMargin);
  return true;
}

bool TtsGridEditBox::DeleteSelection(bool byUser)
{
  if (selLength_ == 0 || (byUser && !BeginModify(true)))
    return false;
  SaveUndoState();
  const int end = selStart_ + selLength_;
  text_.erase(std::size_t(selStart_), std::size_t(selLength_));
  if (scrollOffset_ > selStart_)
    scrollOffset_ = std::max(selStart_, scrollOffset_ - (std::min(end, scrollOffset_) - selStart_));
  caretOnNextLine_ = true;
  AfterTextChange(selStart_, kQuarterMargin);
  return true;
}

bool TtsGridEditBox::DeleteChar(bool backwards)
{
  if (selLength_ > 0)
    return DeleteSelection(true);
  const int from = backwards ? PrevChar(caretPos_) : caretPos_;
  const int to = backwards ? caretPos_ : NextChar(caretPos_);
  if (from == to || !BeginModify(true))
    return false;
  SaveUndoState();
  text_.erase(std::size_t(from), std::size_t(to - from));
  if (scrollOffset_ > from)
    scrollOffset_ = std::max(from, scrollOffset_ - (to - from));
  AfterTextChange(from, kQuarterMargin);
  return true;
}

void TtsGridEditBox::ReplaceSelection(const std::string& text)
{
  const int start = selStart_;
  text_.erase(std::size_t(start), std::size_t(selLength_));
  text_.insert(std::size_t(start), text);
  if (start < scrollOffset_)
    scrollOffset_ = std::max(start, scrollOffset_ - selLength_ + int(text.size()));
  AfterTextChange(start + int(text.size()), kQuarterMargin);
}

bool TtsGridEditBox::UndoEdit()
{
  if (!modified_ || CallUndoRequest())
    return false;
  AssignText(undoText_, false, false);
  CallEditChange(true);
  CallTextResized(true);
  modified_ = false;
  return true;
}

// Clipboard --------------------------------------------------------------------------------------------

void TtsGridEditBox::CopyToClipboard() const
{
  if (selLength_ > 0)
    platform::SetClipboardText(SelText());
}

void TtsGridEditBox::CutToClipboard(bool byUser)
{
  if (selLength_ == 0 || !BeginModify(byUser))
    return;
  SaveUndoState();
  CopyToClipboard();
  ReplaceSelection({});
  CallEditChange(true);
  CallEditValueChanged(true, byUser, false);
}

void TtsGridEditBox::PasteFromClipboard(bool byUser)
{
  std::optional<std::string> text = platform::ClipboardText();
  if (!text)
    return;
  if (editMaxLength_ > 0 && int(text_.size()) + int(text->size()) - selLength_ > editMaxLength_)
    return;
  if (!BeginModify(byUser) || !MaskAccepts(*text))
    return;
  SaveUndoState();
  ReplaceSelection(*text);
  CallEditChange(true);
  CallEditValueChanged(true, byUser, true);
}

}  // namespace grid
