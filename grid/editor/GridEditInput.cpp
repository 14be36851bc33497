// Keys, mouse, focus and painting of the in-cell text editor.
#include "grid/editor/GridEditBox.h"

#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QImage>

#include <algorithm>

namespace grid {

using platform::TCanvas;
using platform::TMouseButton;
using platform::TShiftState;
using namespace platform;  // virtual-key codes and shift flags

namespace {

constexpr int kDragScrollTimer = 1;
constexpr int kDragScrollMilliseconds = 50;

bool IsCommandChar(char c)
{
  switch (c) {
    case 1: case 3: case 8: case 9: case 10: case 13: case 22: case 24: case 26: case 27:
      return true;
    default:
      return false;
  }
}

}  // namespace

// Runs the editing command of a key; consume tells whether the key stops here.
bool TtsGridEditBox::RunKey(int key, TShiftState shift, bool& consume, bool& changed, bool& undone)
{
  const TShiftState mods = shift & (ssShift | ssCtrl | ssAlt);
  const bool none = mods == 0;
  const bool shiftOnly = mods == ssShift;
  const bool ctrl = mods == ssCtrl;
  const bool ctrlShift = mods == (ssShift | ssCtrl);
  const int size = int(text_.size());
  const bool whole = selStart_ == 0 && selLength_ == size;
  const bool extend = shiftOnly || ctrlShift;
  // A move without Shift is passed on while the whole text is selected; one that cannot happen
  // goes on to the grid on the first press and stops at the edge while the key repeats.
  auto move = [&](int target, bool possible) {
    consume = !((none || ctrl) && whole) && (possible || keyRepeating_);
    MoveCaretTo(target, extend, kQuarterMargin);
    CallEditChange(false);
    return true;
  };

  if (none || shiftOnly) {
    switch (key) {
      case VK_PRIOR:
      case VK_NEXT: {
        if (!IsMultiLine())
          return false;
        const int lineHeight = LineHeight();
        const int page = std::max(height() / lineHeight, 1);
        const int caretLine = caretLine_;
        const bool up = key == VK_PRIOR;
        const platform::TPoint point = CaretPoint();
        topLine_ = std::clamp(topLine_ + (up ? -page : page), 0, LineCount() - 1);
        const int target = HitTest(point.X, point.Y + lineHeight / 2);
        return move(target, up ? caretLine > 0 : caretLine < LineCount() - 1);
      }
      case VK_HOME:
        consume = true;
        MoveCaretTo(lines_[std::size_t(caretLine_)], extend, 0);
        CallEditChange(false);
        return true;
      case VK_END:
        consume = true;
        caretOnNextLine_ = false;
        MoveCaretTo(LineEnd(caretLine_, false), extend, 0);
        CallEditChange(false);
        return true;
      case VK_LEFT:
        caretOnNextLine_ = true;
        return move(PrevChar(caretPos_), caretPos_ > 0);
      case VK_RIGHT: {
        const bool atSoftEnd = IsMultiLine() && caretLine_ + 1 < LineCount() &&
                               caretPos_ == lines_[std::size_t(caretLine_ + 1)] && !caretOnNextLine_;
        caretOnNextLine_ = true;
        return move(atSoftEnd ? caretPos_ : NextChar(caretPos_), caretPos_ < size || atSoftEnd);
      }
      case VK_UP:
      case VK_DOWN: {
        if (LineCount() < 2)
          return false;
        const bool up = key == VK_UP;
        const int lineHeight = LineHeight();
        const platform::TPoint point = CaretPoint();
        const int y = point.Y + lineHeight / 2 + (up ? -lineHeight : lineHeight);
        const bool possible = up ? caretLine_ > 0 : caretLine_ < LineCount() - 1;
        if (up && caretLine_ <= topLine_ && topLine_ > 0)
          --topLine_;
        return move(possible ? HitTest(point.X, y) : caretPos_, possible);
      }
      default:
        break;
    }
  }
  if (none) {
    switch (key) {
      case VK_BACK:
        consume = true;
        changed = DeleteChar(true);
        return true;
      case VK_DELETE:
        consume = true;
        changed = DeleteChar(false);
        return true;
      case VK_ESCAPE:
        consume = modified_;
        undone = UndoEdit();
        return true;
      case VK_F1 + 1:
        consume = true;
        MoveCaretTo(caretPos_, false, 0);
        CallEditChange(false);
        return true;
      default:
        return false;
    }
  }
  if (shiftOnly && (key == VK_INSERT || key == VK_DELETE)) {
    consume = true;
    if (key == VK_INSERT)
      PasteFromClipboard(true);
    else
      CutToClipboard(true);
    return true;
  }
  if (ctrl || ctrlShift) {
    switch (key) {
      case VK_HOME:
        consume = caretPos_ > 0 && !(ctrl && whole);
        MoveCaretTo(0, extend, 0);
        CallEditChange(false);
        return true;
      case VK_END:
        consume = caretPos_ < size && !(ctrl && whole);
        MoveCaretTo(size, extend, 0);
        CallEditChange(false);
        return true;
      case VK_LEFT:
        return move(PrevWord(caretPos_), caretPos_ > 0);
      case VK_RIGHT:
        return move(NextWord(caretPos_), caretPos_ < size);
      default:
        break;
    }
  }
  if (!ctrl)
    return false;
  switch (key) {
    case VK_RETURN:
      consume = true;
      changed = InsertText("\r");
      return true;
    case VK_INSERT:
    case 'C':
      consume = true;
      CopyToClipboard();
      return true;
    case 'A':
      consume = true;
      SelectAll();
      CallEditChange(false);
      return true;
    case 'V':
      consume = true;
      PasteFromClipboard(true);
      return true;
    case 'X':
      consume = true;
      CutToClipboard(true);
      return true;
    case 'Z':
      consume = modified_;
      undone = UndoEdit();
      return true;
    default:
      return false;
  }
}

void TtsGridEditBox::EditorKeyDown(int& key, TShiftState shift)
{
  bool changed = false;
  bool undone = false;
  if (key != 0 && (AllowEdit() || AllowSelect())) {
    bool consume = false;
    if (RunKey(key, shift, consume, changed, undone) && consume)
      key = 0;
  }
  keyRepeating_ = true;
  if (key != 0 && Hooks.OnEditKeyDown)
    Hooks.OnEditKeyDown(*this, key, shift);
  if (changed || undone)
    CallEditChange(true);
  if (changed)
    CallEditValueChanged(true, true, key == VK_RETURN);
}

void TtsGridEditBox::EditorKeyPress(char& key)
{
  bool inserted = false;
  if (key != 0 && !IsCommandChar(key) && AllowEdit())
    inserted = InsertText(std::string(1, key));
  if (key != 0 && Hooks.OnEditKeyPress)
    Hooks.OnEditKeyPress(*this, key);
  if (inserted) {
    CallEditChange(true);
    CallEditValueChanged(true, true, true);
  }
}

void TtsGridEditBox::EditorKeyUp(int& key, TShiftState shift)
{
  keyRepeating_ = false;
  if (key != 0 && Hooks.OnEditKeyUp)
    Hooks.OnEditKeyUp(*this, key, shift);
}

// Mouse ------------------------------------------------------------------------------------------------

void TtsGridEditBox::EditorMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  keyRepeating_ = false;
  const bool second = (shift & ssDouble) != 0;
  if (!second && focusPolicy() != Qt::NoFocus)
    SetFocus();
  if (button != mbLeft || second || !(AllowEdit() || AllowSelect()))
    return;
  const int offset = HitTest(x, y);
  caretOnNextLine_ = true;
  MoveCaretTo(offset, false, 0);
  mouseDownPoint_ = {x, y};
  selAnchor_ = offset;
  SetMouseCapture(true);
  mouseSelecting_ = MouseCapture();
  CallEditChange(false);
}

void TtsGridEditBox::EditorMouseMove(TShiftState, int x, int y)
{
  if (!mouseSelecting_ || (x == mouseDownPoint_.X && y == mouseDownPoint_.Y))
    return;
  int offset;
  const bool outside = !IsMultiLine() && (x < 0 || x >= width());
  if (outside) {
    offset = x < 0 ? PrevChar(caretPos_) : NextChar(caretPos_);
    // Holding the mouse outside goes on scrolling.
    dragPoint_ = {x, y};
    if (!HasTimer(kDragScrollTimer))
      SetTimer(kDragScrollTimer, kDragScrollMilliseconds);
  } else {
    KillTimer(kDragScrollTimer);
    const int lastLineY = FirstTop() + (LineCount() - 1 - topLine_) * LineHeight();
    offset = HitTest(x, std::min(y, lastLineY));
  }
  caretPos_ = selAnchor_;
  selStart_ = selAnchor_;
  selLength_ = 0;
  MoveCaretTo(offset, true, 0);
  CallEditChange(false);
}

void TtsGridEditBox::EditorMouseUp(TMouseButton button, TShiftState, int, int)
{
  if (button != mbLeft)
    return;
  SetMouseCapture(false);
  mouseSelecting_ = false;
  KillTimer(kDragScrollTimer);
}

void TtsGridEditBox::TimerTick(int id)
{
  if (id != kDragScrollTimer)
    return;
  if (mouseSelecting_)
    MouseMove(0, dragPoint_.X, dragPoint_.Y);
  else
    KillTimer(kDragScrollTimer);
}

// The I-beam while the text can be edited or selected.
void TtsGridEditBox::SwitchesChanged() { SetCursorNumber(AllowEdit() || AllowSelect() ? crIBeam : crDefault); }

void TtsGridEditBox::EditorDblClick()
{
  if (!(AllowEdit() || AllowSelect()))
    return;
  SelectAll();
  CallEditChange(false);
}

// Focus and painting -----------------------------------------------------------------------------------

namespace {

// A caret for italic text: black, with a white line from the bottom-left to the top-right corner.
QImage SlantedCaret(int width, int height)
{
  QImage shape(width, height, QImage::Format_RGB32);
  shape.fill(Qt::black);
  for (int y = 0; y < height; ++y) {
    const int x = height > 1 ? (height - 1 - y) * (width - 1) / (height - 1) : 0;
    shape.setPixel(x, y, qRgb(255, 255, 255));
  }
  return shape;
}

}  // namespace

int TtsGridEditBox::CaretOverhang() const
{
  if ((Font().Style() & platform::fsItalic) == 0)
    return 0;
  // How far the slanted glyphs reach beyond their advance; a bold font a pixel less.
  const int overhang = std::max(0, -QFontMetrics(platform::ToQFont(Font().Data())).minRightBearing());
  return (Font().Style() & platform::fsBold) != 0 ? std::max(0, overhang - 1) : overhang;
}

void TtsGridEditBox::FocusIn()
{
  const int overhang = CaretOverhang();
  if (overhang > 0)
    CreateCaret(SlantedCaret(overhang + 1, Metrics().Height));
  else
    CreateCaret(1, Metrics().Height);
  UpdateCaret();
  ShowCaret();
  if (selLength_ > 0)
    Repaint();
}

void TtsGridEditBox::FocusOut()
{
  TtsGridControl::FocusOut();
  DestroyCaret();
  keyRepeating_ = false;
  KillTimer(kDragScrollTimer);
  if (mouseSelecting_) {
    SetMouseCapture(false);
    mouseSelecting_ = false;
  }
  if (selLength_ > 0)
    Repaint();
}

void TtsGridEditBox::PaintText(TCanvas& canvas, int height, const platform::TRect& rect, int x, int y,
                               bool showSelection) const
{
  DrawEditText(canvas, text_, height, WordWrap() != wwOff, VertAlignment(), HorzAlignment(), clHighlightText,
               clHighlight, showSelection ? selLength_ : 0, selStart_, &lines_, topLine_, scrollOffset_, y, x, rect);
}

void TtsGridEditBox::PaintEditor(TCanvas& canvas)
{
  PaintText(canvas, height(), {-TextOffset(), 0, width(), height()}, 0, 0, ShowsFocus() || EditShowFocus());
}

}  // namespace grid
