#include "grid/editor/GridControl.h"

#include "grid/window/MemoryCanvas.h"
#include "platform/Canvas.h"
#include "platform/ExceptionBoundary.h"
#include "platform/KeyTranslation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>

namespace grid {

using platform::TCanvas;
using platform::TMouseButton;
using platform::TShiftState;

TtsGridControl::TtsGridControl(QWidget* parent) : CustomControl(parent)
{
  SetWantTabs(editWantTabs_);
  setAttribute(Qt::WA_AlwaysShowToolTips, false);
}

TtsGridControl::~TtsGridControl()
{
  if (canvasAttached_) {
    TtsMemoryCanvas& memory = EditorPaintCanvas();
    const TtsCanvasLock lock(memory, this);
    memory.Detach();
  }
}

void TtsGridControl::SetEditWantTabs(bool on)
{
  editWantTabs_ = on;
  SetWantTabs(on);
}

bool TtsGridControl::CanModify(bool byUser)
{
  bool cancel = false;
  if (Hooks.OnCanModify)
    Hooks.OnCanModify(*this, byUser, cancel);
  return !cancel;
}

bool TtsGridControl::BeginModify(bool byUser)
{
  if (byUser && !allowEdit_)
    return false;
  bool cancel = false;
  if (Hooks.OnStartModify)
    Hooks.OnStartModify(*this, cancel);
  return !cancel && CanModify(true);
}

bool TtsGridControl::IsEditChar(char) const { return false; }

void TtsGridControl::SetCtl3D(bool on)
{
  if (on == ctl3D_)
    return;
  ctl3D_ = on;
  Invalidate();
}

void TtsGridControl::SetFocus()
{
  if (!hasFocus())
    setFocus(Qt::OtherFocusReason);
}

bool TtsGridControl::ShowsFocus() const
{
  return hasFocus() || (focusOwner_ != nullptr && focusOwner_->hasFocus());
}

bool TtsGridControl::WantsDialogKey(int key, TShiftState shift)
{
  if (key == platform::VK_RETURN)
    return true;
  if (key == platform::VK_TAB)
    return editWantTabs_ && (shift & platform::ssCtrl) == 0;
  if (key == platform::VK_ESCAPE) {
    bool want = false;
    if (Hooks.OnWantKey)
      Hooks.OnWantKey(*this, key, want);
    return want;
  }
  return true;  // arrows and characters
}

// Painting -------------------------------------------------------------------------------------------

void TtsGridControl::PaintEditor(TCanvas&) {}

void TtsGridControl::Paint(TCanvas& canvas)
{
  TtsMemoryCanvas& memory = EditorPaintCanvas();
  const TtsCanvasLock lock(memory, this);
  const int w = std::max(width(), 1);
  const int h = std::max(height(), 1);
  if (canvasAttached_) {
    memory.Grow(w, h);
  } else {
    memory.Attach(w, h);
    canvasAttached_ = true;
  }
  const platform::TRect client{0, 0, w, h};
  memory.SetClipRect(client);
  TCanvas& buffer = *memory.Canvas();
  buffer.Font().Assign(font_);
  buffer.Brush().SetColor(Color());
  buffer.FillRect(client);
  PaintEditor(buffer);
  canvas.CopyRect(client, buffer, client);
}

// Mouse ----------------------------------------------------------------------------------------------

void TtsGridControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  const bool left = button == platform::mbLeft;
  if ((shift & platform::ssDouble) != 0) {
    ForgetLastClick();
  } else if ((allowEdit_ || allowSelect_) && synthesizeDblClick_ && left && (shift & platform::ssLeft) != 0 &&
             lastClickValid_ && x == lastClickX_ && y == lastClickY_ &&
             lastClickTimer_.elapsed() <= QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
    ForgetLastClick();
    RunDblClick();
    shift |= platform::ssDouble;
  } else {
    lastClickValid_ = left && (shift & platform::ssLeft) != 0;
    if (lastClickValid_) {
      lastClickTimer_.start();
      lastClickX_ = x;
      lastClickY_ = y;
    }
  }
  EditorMouseDown(button, shift, x, y);
  if (Events.OnMouseDown)
    Events.OnMouseDown(*this, button, shift, x, y);
}

void TtsGridControl::MouseMove(TShiftState shift, int x, int y)
{
  EditorMouseMove(shift, x, y);
  if (Events.OnMouseMove)
    Events.OnMouseMove(*this, shift, x, y);
}

void TtsGridControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
  if (button == platform::mbLeft)
    clicked_ = true;
  EditorMouseUp(button, shift, x, y);
  if (clicked_) {
    clicked_ = false;
    Click();
    if (Events.OnClick)
      Events.OnClick(*this);
  }
  if (Events.OnMouseUp)
    Events.OnMouseUp(*this, button, shift, x, y);
}

void TtsGridControl::RunDblClick()
{
  EditorDblClick();
  if (Events.OnDblClick)
    Events.OnDblClick(*this);
}

void TtsGridControl::EditorMouseDown(TMouseButton, TShiftState, int, int) {}
void TtsGridControl::EditorMouseMove(TShiftState, int, int) {}
void TtsGridControl::EditorMouseUp(TMouseButton, TShiftState, int, int) {}
void TtsGridControl::EditorDblClick() {}
void TtsGridControl::Click() {}

// Keys -----------------------------------------------------------------------------------------------

void TtsGridControl::KeyDown(int& key, TShiftState shift)
{
  if (Events.OnKeyDown)
    Events.OnKeyDown(*this, key, shift);
  EditorKeyDown(key, shift);
}

void TtsGridControl::KeyPress(char& key)
{
  if (Events.OnKeyPress)
    Events.OnKeyPress(*this, key);
  EditorKeyPress(key);
}

void TtsGridControl::KeyUp(int& key, TShiftState shift)
{
  if (Events.OnKeyUp)
    Events.OnKeyUp(*this, key, shift);
  EditorKeyUp(key, shift);
}

void TtsGridControl::EditorKeyDown(int& key, TShiftState shift)
{
  if (key != 0 && Hooks.OnEditKeyDown)
    Hooks.OnEditKeyDown(*this, key, shift);
}

void TtsGridControl::EditorKeyPress(char& key)
{
  if (key != 0 && Hooks.OnEditKeyPress)
    Hooks.OnEditKeyPress(*this, key);
}

void TtsGridControl::EditorKeyUp(int& key, TShiftState shift)
{
  if (key != 0 && Hooks.OnEditKeyUp)
    Hooks.OnEditKeyUp(*this, key, shift);
}

// Escape that the editor leaves alone goes on to the parent and its window unless the grid wants it.
void TtsGridControl::keyPressEvent(QKeyEvent* event)
{
  const int key = platform::VirtualKeyFromQt(event->key(), event->modifiers());
  SetWantDialogKeys(key != platform::VK_ESCAPE ||
                    WantsDialogKey(key, platform::ShiftStateFromQt(event->modifiers())));
  CustomControl::keyPressEvent(event);
}

void TtsGridControl::moveEvent(QMoveEvent* event)
{
  ForgetLastClick();
  CustomControl::moveEvent(event);
}

bool TtsGridControl::event(QEvent* event)
{
  if (event->type() == QEvent::MouseButtonDblClick) {
    // Re-sent as a button-down: the pairing above turns it into a double click when it is one.
    auto* mouse = static_cast<QMouseEvent*>(event);
    QMouseEvent press(QEvent::MouseButtonPress, mouse->position(), mouse->globalPosition(), mouse->button(),
                      mouse->buttons(), mouse->modifiers());
    mousePressEvent(&press);
    return true;
  }
  return CustomControl::event(event);
}

// Focus and hooks ------------------------------------------------------------------------------------

void TtsGridControl::FocusOut()
{
  if (Hooks.OnEditLeave)
    Hooks.OnEditLeave(*this);
}

// The form keeps its focus on the focus owner: while that can't take the focus, neither can the editor.
void TtsGridControl::focusInEvent(QFocusEvent* event)
{
  if (focusOwner_ != nullptr && (!focusOwner_->isEnabled() || !focusOwner_->isVisible())) {
    focusRefused_ = true;  // the focus-out that follows is dropped too
    clearFocus();
    return;
  }
  CustomControl::focusInEvent(event);
  platform::Guard([this] {
    if (Events.OnEnter)
      Events.OnEnter(*this);
  });
}

void TtsGridControl::focusOutEvent(QFocusEvent* event)
{
  if (focusRefused_) {
    focusRefused_ = false;
    return;
  }
  CustomControl::focusOutEvent(event);
  platform::Guard([this] {
    if (Events.OnExit)
      Events.OnExit(*this);
  });
}

void TtsGridControl::CallEditChange(bool textChanged)
{
  if (Hooks.OnEditChange)
    Hooks.OnEditChange(*this, textChanged);
}

void TtsGridControl::CallEditValueChanged(bool modified, bool byUser, bool typed)
{
  if (Hooks.OnEditValueChanged)
    Hooks.OnEditValueChanged(*this, modified, byUser, typed);
}

void TtsGridControl::CallTextResized(bool byUser)
{
  if (Hooks.OnTextResized)
    Hooks.OnTextResized(*this, byUser);
}

bool TtsGridControl::CallUndoRequest()
{
  bool handled = false;
  if (Hooks.OnUndoRequest)
    Hooks.OnUndoRequest(*this, true, handled);
  return handled;
}

}  // namespace grid
