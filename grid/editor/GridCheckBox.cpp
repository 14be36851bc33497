#include "grid/editor/GridCheckBox.h"

#include "platform/Canvas.h"
#include "platform/CanvasEdge.h"

#include <algorithm>

namespace grid {

using platform::TCanvas;
using platform::TMouseButton;
using platform::TRect;
using platform::TShiftState;

TtsGridCheckBox::TtsGridCheckBox(QWidget* parent) : TtsGridControl(parent)
{
  SetSynthesizeDblClick(false);
  setFocusPolicy(Qt::StrongFocus);
  CheckGlyphBitmap();
}

void TtsGridCheckBox::SetStyle(TtsCheckBoxStyle style)
{
  style_ = style;
  Invalidate();
}

int TtsGridCheckBox::GlyphCell(TCheckBoxState state, bool pressed) const
{
  const int base = CheckGlyphBase(style_);
  const int cell = base + (state == cbChecked ? 0 : state == cbUnchecked ? 1 : 2);
  return pressed && Pressed() ? cell + kPressedGlyphShift : cell;
}

namespace {

// A number stands for a state; one outside 0..2 shows grayed.
TCheckBoxState StateOfNumber(const TtsCellValue& value)
{
  const std::int64_t number = value.AsInt64();
  return number == cbUnchecked || number == cbChecked ? TCheckBoxState(number) : cbGrayed;
}

}  // namespace

// Values ------------------------------------------------------------------------------------------------

void TtsGridCheckBox::SetValue(const TtsCellValue& value)
{
  if (CanModify(false))
    SetCheckValue(value, false, false);
}

void TtsGridCheckBox::SetEditedValue(const TtsCellValue& value, bool byUser)
{
  if (BeginModify(false))
    SetCheckValue(value, true, byUser);
}

void TtsGridCheckBox::SetCheckValue(const TtsCellValue& value, bool modified, bool byUser)
{
  modified_ = false;
  savedState_ = cbUnchecked;
  if (value.IsNull() || value.IsEmpty() || value.IsString()) {
    value_ = value;
    state_ = CheckStateOfValue(value, checkBoxValues_);
  } else if (!checkBoxValues_.empty()) {
    state_ = StateOfNumber(value);
    value_ = CheckValueOfState(state_, checkBoxValues_);
  } else {
    value_ = value;
    state_ = StateOfNumber(value);
  }
  Repaint();
  CallEditChange(true);
  CallEditValueChanged(modified, byUser, false);
}

void TtsGridCheckBox::Toggle()
{
  if (!modified_) {
    savedState_ = state_;
    savedValue_ = value_;
    modified_ = true;
  }
  TCheckBoxState next = cbUnchecked;
  if (state_ == cbUnchecked)
    next = cbChecked;
  else if (state_ == cbChecked && allowGrayed_)
    next = cbGrayed;
  if (!checkBoxValues_.empty()) {
    value_ = CheckValueOfState(next, checkBoxValues_);
    state_ = CheckStateOfValue(value_, checkBoxValues_);
  } else {
    value_ = int(next);
    state_ = next;
  }
}

bool TtsGridCheckBox::Undo()
{
  if (!modified_)
    return false;
  if (!CallUndoRequest())
    SetCheckValue(savedValue_, false, false);
  return true;
}

void TtsGridCheckBox::Changed()
{
  CallEditChange(true);
  CallEditValueChanged(true, true, false);
}

// Mouse -------------------------------------------------------------------------------------------------

void TtsGridCheckBox::EditorMouseDown(TMouseButton button, TShiftState, int, int)
{
  if (focusPolicy() != Qt::NoFocus)
    SetFocus();
  if (button != platform::mbLeft || !AllowEdit())
    return;
  SetMouseCapture(true);
  mouseTracking_ = MouseCapture();
  if (!mouseTracking_)
    return;
  if (!BeginModify(true)) {
    mouseTracking_ = false;
    SetMouseCapture(false);
    return;
  }
  mouseOver_ = true;
  Repaint();
}

void TtsGridCheckBox::EditorMouseMove(TShiftState, int x, int y)
{
  if (!mouseTracking_)
    return;
  const bool inside = x >= -3 && x <= width() - 1 && y >= 0 && y <= height() - 1;
  if (inside != mouseOver_) {
    mouseOver_ = inside;
    Repaint();
  }
}

void TtsGridCheckBox::EditorMouseUp(TMouseButton button, TShiftState, int, int)
{
  if (button != platform::mbLeft || !mouseTracking_)
    return;
  mouseTracking_ = false;
  SetMouseCapture(false);
  if (mouseOver_) {
    mouseOver_ = false;
    Toggle();
    Repaint();
    Changed();
  }
}

void TtsGridCheckBox::EndPress()
{
  mouseTracking_ = false;
  if (mouseOver_) {
    mouseOver_ = false;
    Repaint();
  }
}

// Keys --------------------------------------------------------------------------------------------------

void TtsGridCheckBox::EditorKeyDown(int& key, TShiftState shift)
{
  if (Pressed() || spaceRefused_) {
    key = 0;
    return;
  }
  const TShiftState mods = shift & (platform::ssShift | platform::ssCtrl | platform::ssAlt);
  bool undone = false;
  if ((key == platform::VK_ESCAPE && mods == 0) || (key == 'Z' && mods == platform::ssCtrl)) {
    undone = Undo();
    if (undone)
      key = 0;
  }
  if (key != 0 && Hooks.OnEditKeyDown)
    Hooks.OnEditKeyDown(*this, key, shift);
  if (undone)
    CallEditChange(true);
}

void TtsGridCheckBox::EditorKeyPress(char& key)
{
  if (Pressed() || spaceRefused_) {
    key = 0;
    return;
  }
  if (key == ' ') {
    if (BeginModify(true)) {
      spaceDown_ = true;
      Repaint();
    } else {
      spaceRefused_ = true;
    }
    key = 0;
    return;
  }
  if (key != 0 && Hooks.OnEditKeyPress)
    Hooks.OnEditKeyPress(*this, key);
}

void TtsGridCheckBox::EditorKeyUp(int& key, TShiftState shift)
{
  bool toggled = false;
  if (key == platform::VK_SPACE) {
    if (spaceDown_) {
      spaceDown_ = false;
      Toggle();
      Repaint();
      toggled = true;
    }
    spaceRefused_ = false;
  }
  if (key != 0 && Hooks.OnEditKeyUp)
    Hooks.OnEditKeyUp(*this, key, shift);
  if (toggled)
    Changed();
}

// Focus and painting ------------------------------------------------------------------------------------

void TtsGridCheckBox::FocusIn()
{
  spaceRefused_ = false;
  Repaint();
}

void TtsGridCheckBox::FocusOut()
{
  TtsGridControl::FocusOut();
  if (isVisible())
    Repaint();
}

void TtsGridCheckBox::PaintGlyph(TCanvas& canvas, const TRect& rect, bool focused) const
{
  const int w = rect.Right - rect.Left;
  const int h = rect.Bottom - rect.Top;
  const int inset = Ctl3D() ? 1 : 0;  // the first row and column keep the 3-D edge
  const int left = rect.Left + (w - kCheckGlyphSize) / 2 - 1;
  const int top = rect.Top + (h - kCheckGlyphSize) / 2 + inset;
  canvas.SaveState();
  canvas.IntersectClipRect(rect);
  if (focused) {
    // 5 pixels wider and 2 taller on each side, kept inside the rectangle and symmetric about the glyph.
    const int dx = std::max(std::min({5, left - rect.Left - inset, rect.Right - (left + kCheckGlyphSize)}), 0);
    const int dy = std::max(std::min({2, top - rect.Top - inset, rect.Bottom - (top + kCheckGlyphSize)}), 0);
    canvas.DrawFocusRect({left - dx, top - dy, left + kCheckGlyphSize + dx, top + kCheckGlyphSize + dy});
  }
  const int cell = GlyphCell(state_, true);
  canvas.DrawImage({left, top, left + kCheckGlyphSize, top + kCheckGlyphSize}, CheckGlyphBitmap().Image(),
                   {0, cell * kCheckGlyphSize, kCheckGlyphSize, (cell + 1) * kCheckGlyphSize}, CheckGlyphRop(cell));
  canvas.RestoreState();
  if (Ctl3D()) {
    TRect edge = rect;
    platform::DrawEdge(canvas, edge, platform::BDR_RAISEDINNER, platform::BF_TOP);
  }
}

void TtsGridCheckBox::PaintEditor(TCanvas& canvas)
{
  PaintGlyph(canvas, {0, 0, width(), height()}, ShowsFocus() || EditShowFocus());
}

}  // namespace grid
