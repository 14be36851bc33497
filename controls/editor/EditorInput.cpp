// Input of the editor: keys through the controller's command processor, mouse selection with drag
// auto-scroll by a timer, double clicks, the wheel and the focus.
#include "controls/editor/Editor.h"

#include "controls/editor/Controller.h"
#include "controls/editor/EditorScroll.h"
#include "controls/editor/TextColumns.h"
#include "platform/ClipboardText.h"
#include "platform/ExceptionBoundary.h"
#include "platform/KeyTranslation.h"

#include <QKeyEvent>
#include <algorithm>

namespace controls {

using namespace platform;

namespace {

constexpr int kDragTimer = 1;
constexpr int kDragTimerPeriod = 10;  // milliseconds between two passes while the pointer stands still

}  // namespace

// Keys

void TOvcCustomEditor::KeyDown(int& key, TShiftState shift)
{
  if (OnKeyDown)
    OnKeyDown(*this, key, shift);
  if (key == 0)
    return;
  TOvcCommandProcessor* keys = Controller() ? &Controller()->EntryCommands() : nullptr;
  if (shift & ssAlt) {
    if (keys && key != VK_TAB && key != VK_MENU) {
      const TOvcCommand cmd = keys->TranslateKeyShift(key, shift);
      if (cmd != ccNone && core_.ProcessCommand(cmd, key))
        key = 0;
    }
    return;
  }
  const TOvcCommand cmd = keys ? keys->TranslateKeyShift(key, shift) : ccNoCommand;
  if (core_.ProcessCommand(cmd, key)) {
    key = 0;
    return;
  }
  if (key == VK_TAB && wantTab_) {
    core_.InsertTab();
    core_.DoOnChange();
  } else if (key == VK_RETURN && wantEnter_) {
    core_.NewLine(core_.InsertMode() && !core_.ReadOnly(), true);
  }
  // The character of a key that began a two-key sequence, and of Backspace, is not typed.
  swallowChar_ = cmd == ccSequencePending || key == VK_BACK;
}

// Text beyond Latin-1 has no 8-bit key press: its 8-bit form is typed character by character.
void TOvcCustomEditor::keyPressEvent(QKeyEvent* event)
{
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (!EightBitText || !plain || event->text().isEmpty() || !TypedCharacters(*event).empty()) {
    TOvcEditBase::keyPressEvent(event);
    return;
  }
  event->accept();
  Guard([&] {
    for (char c : EightBitText(event->text()))
      KeyPress(c);
  });
}

std::optional<std::string> TOvcCustomEditor::ClipboardText()
{
  if (!EightBitText)
    return TOvcEditorView::ClipboardText();
  const std::optional<QString> text = ClipboardUnicodeText();
  if (!text)
    return std::nullopt;
  return EightBitText(*text);
}

void TOvcCustomEditor::KeyPress(char& key)
{
  if (OnKeyPress)
    OnKeyPress(*this, key);
  const int code = static_cast<unsigned char>(key);
  if (code >= 32 && !swallowChar_)
    core_.ProcessCommand(ccChar, code);
}

// Mouse

TOvcCustomEditor::TLineCol TOvcCustomEditor::PointerToLineCol(int x, int y)
{
  TOvcParaList& list = core_.ParaList();
  const int top = core_.TopLine();
  int line = 0;
  if (y < 0) {
    line = top - 1;
  } else if (y >= ClientHeight()) {
    line = top + rows_;
  } else {
    const int row = y / lineHeight_;
    line = top + (row >= rows_ ? rows_ - 1 : row);
  }
  line = std::clamp(line, 1, GetLineCount());

  const int offset = core_.HorizontalOffset();
  const int lastMiddle = leftMargin_ + (columns_ - 1) * charWidth_ + charWidth_ / 2;
  int display = 0;
  if (x > lastMiddle && x < ClientWidth())
    display = offset + columns_;
  else
    display = (x + charWidth_ / 2 - leftMargin_) / charWidth_ + offset + 1;
  int col = 1;
  if (display > 0) {
    std::string_view text;
    list.GetLine(line, text);
    col = std::max(list.ColumnToPos(text, int(text.size()), display), 1);
  }
  if (!core_.ScrollPastEnd())
    col = std::min(col, list.GetLineLength(line) + 1);
  return {line, col};
}

void TOvcCustomEditor::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  if (OnMouseDown)
    OnMouseDown(*this, button, shift, x, y);
  if (button != mbLeft)
    return;
  if (isEnabled() && focusPolicy() != Qt::NoFocus && !hasFocus())
    setFocus(Qt::MouseFocusReason);
  const bool extend = (shift & ssShift) != 0;
  if (shift & ssDouble) {
    SelectWordOrParagraph(x, y, extend);
    return;
  }
  if (core_.ParaList().TextBytes() == 0 || !metricsValid_)
    return;
  pointerX_ = x;
  pointerY_ = y;
  marginDrag_ = x <= leftMargin_;
  if (marginDrag_) {
    const int line = PointerToLineCol(x, y).Line;
    if (!extend) {
      anchor_ = {line, 1};
    } else {
      TParaPos end = line < DisplayPosition(core_.SelStart()).Line ? core_.SelEnd() : core_.SelStart();
      core_.ParaPosToLineCol(end.Para, end.Pos);
      anchor_ = {end.Para, end.Pos};
    }
  }
  dragging_ = true;
  firstPass_ = true;
  SetMouseCapture(true);
  DragStep(extend);
  SetTimer(kDragTimer, kDragTimerPeriod);
}

void TOvcCustomEditor::MouseMove(TShiftState, int x, int y)
{
  if (dragging_) {
    pointerX_ = x;
    pointerY_ = y;
    DragPass();
    return;
  }
  overMargin_ = x <= leftMargin_;
  const TCursor wanted = overMargin_ ? crArrow : cursor_;
  if (CursorNumber() != wanted)
    SetCursorNumber(wanted);
}

void TOvcCustomEditor::MouseUp(TMouseButton button, TShiftState, int x, int y)
{
  if (button != mbLeft || !dragging_)
    return;
  // The selection ends where the button was let go.
  pointerX_ = x;
  pointerY_ = y;
  DragStep(true);
  EndDrag();
}

void TOvcCustomEditor::TimerTick(int id)
{
  if (id == kDragTimer && dragging_)
    DragPass();
}

void TOvcCustomEditor::EndDrag()
{
  if (!dragging_)
    return;
  dragging_ = false;
  KillTimer(kDragTimer);
  SetMouseCapture(false);
}

// One pass of the drag: steps sooner the further the pointer is above or below the text.
void TOvcCustomEditor::DragPass()
{
  const int height = ClientHeight();
  int distance = 0;
  if (pointerY_ < 0)
    distance = -pointerY_;
  else if (pointerY_ > height - 1)
    distance = pointerY_ - (height - 1);
  const auto waited = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                            lastStepTime_).count();
  if (waited > std::int64_t(DragStepWait(distance, kScrollBarSize)) * 1000)
    DragStep(true);
}

void TOvcCustomEditor::DragStep(bool extend)
{
  lastStepTime_ = std::chrono::steady_clock::now();
  const TLineCol at = PointerToLineCol(pointerX_, pointerY_);
  const bool moved = at.Line != lastStep_.Line || (!marginDrag_ && at.Col != lastStep_.Col);
  if (!firstPass_ && !moved)
    return;
  firstPass_ = false;
  lastStep_ = at;
  if (marginDrag_)
    SelectMarginLines(at.Line, pointerY_ < 0);
  else
    core_.MoveCaretTo(at.Line, at.Col, extend);
}

// Whole lines from the anchor to the line under the pointer.
void TOvcCustomEditor::SelectMarginLines(int line, bool pointerAbove)
{
  if (line < anchor_.Line || pointerAbove) {
    core_.SetSelection(line, 1, anchor_.Line, anchor_.Col, false);
    return;
  }
  if (line < GetLineCount())
    core_.SetSelection(anchor_.Line, anchor_.Col, line + 1, 1, true);
  else
    core_.SetSelection(anchor_.Line, anchor_.Col, line, core_.ParaList().GetLineLength(line) + 1, true);
}

void TOvcCustomEditor::DblClick()
{
  if (OnDblClick)
    OnDblClick(*this);
}

// A double click selects the word under the pointer, or in the margin the paragraph; Shift grows the
// selection to it.
void TOvcCustomEditor::SelectWordOrParagraph(int x, int y, bool extend)
{
  if (!metricsValid_)
    return;
  TOvcParaList& list = core_.ParaList();
  const TLineCol at = PointerToLineCol(x, y);
  const TParaPos selStart = core_.SelStart();
  const TParaPos selEnd = core_.SelEnd();
  if (x <= leftMargin_) {
    int offset = 0;
    const int para = list.LineToPara(at.Line, offset);
    const int end = list.GetParaLength(para) + 1;
    if (!extend || (selStart.Para == para && selEnd.Para == para))
      core_.SetSelectionPara(para, 1, para, end, true);
    else if (selStart.Para < para)
      core_.SetSelectionPara(selStart.Para, selStart.Pos, para, end, true);
    else
      core_.SetSelectionPara(para, 1, selEnd.Para, selEnd.Pos, false);
    return;
  }
  std::string_view text;
  list.GetLine(at.Line, text);
  const int length = int(text.size());
  const auto delimiter = [&](int pos) { return IsWordDelimiter(text[std::size_t(pos - 1)]); };
  int pos = std::min(at.Col, length);
  while (pos >= 1 && delimiter(pos))
    --pos;
  while (pos >= 1 && !delimiter(pos))
    --pos;
  const int start = pos + 1;
  int end = start;
  while (end <= length && !delimiter(end))
    ++end;
  while (end <= length && IsBlank(text[std::size_t(end - 1)]))
    ++end;
  if (!extend) {
    core_.SetSelection(at.Line, start, at.Line, end, true);
    return;
  }
  TParaPos first = selStart;
  TParaPos last = selEnd;
  core_.ParaPosToLineCol(first.Para, first.Pos);
  core_.ParaPosToLineCol(last.Para, last.Pos);
  if (first.Para < at.Line || (first.Para == at.Line && first.Pos < start))
    core_.SetSelection(first.Para, first.Pos, at.Line, end, true);
  else
    core_.SetSelection(at.Line, start, last.Para, last.Pos, false);
}

// Wheel and focus

void TOvcCustomEditor::DoOnMouseWheel(TShiftState shift, int delta, int x, int y)
{
  TOvcEditBase::DoOnMouseWheel(shift, delta, x, y);
  core_.ProcessCommand(delta >= 0 ? ccScrollUp : ccScrollDown, 0);
}

void TOvcCustomEditor::FocusIn()
{
  TOvcEditBase::FocusIn();
  if (!HandleAllocated())
    return;
  if (Controller())
    core_.SetInsertMode(Controller()->InsertMode());
  carets_.SetInsertMode(core_.InsertMode());
  carets_.SetCellHeight(lineHeight_);
  carets_.SetCellWidth(charWidth_);
  carets_.SetLinked(true);
  carets_.SetVisible(true);
  caretX_ = caretY_ = -1;
  PlaceCaret(true);
  if (hideSelection_)
    InvalidateAll(false);
}

void TOvcCustomEditor::FocusOut()
{
  TOvcEditBase::FocusOut();
  EndDrag();
  carets_.SetVisible(false);
  carets_.SetLinked(false);
  if (hideSelection_)
    InvalidateAll(false);
  if (Controller())
    Controller()->SetInsertMode(core_.InsertMode());
}

}  // namespace controls
