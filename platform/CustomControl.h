#pragma once
// Base of the self-drawn controls (editor, grid, plot, chart, clock, switch): paints into a back buffer
// through one paint hook taking the platform canvas, which draws straight onto that buffer, and turns Qt events into the key, mouse, focus, size and timer handlers of the
// control. Every handler runs inside the exception boundary (Paint's errors are shown after the paint).

#include "platform/Color.h"
#include "platform/Cursors.h"
#include "platform/MouseButtons.h"
#include "platform/ScrollBars.h"
#include "platform/VirtualKeys.h"

#include <QImage>
#include <QWidget>
#include <map>
#include <memory>

class QPainter;

namespace platform {

class TCanvas;

class CustomControl : public QWidget {
 public:
  explicit CustomControl(QWidget* parent = nullptr);
  ~CustomControl() override;

  // Painting
  void Invalidate();  // paint again at the next chance
  void Repaint();     // paint again now
  QImage PaintToImage();  // paints into the back buffer and returns it (without caret)
  TColor Color() const { return color_; }
  void SetColor(TColor color);  // background the buffer is cleared to before Paint
  // A frame around the client area, inside the control: 1 a single dark line, 2 the system's sunken client
  // edge, 0 none. Painting, mouse, caret and scroll bars lie within it, in client coordinates.
  void SetFrameWidth(int width);
  int FrameWidth() const { return frame_; }
  void InvalidateClient(const QRect& area);  // paint a part again, in client coordinates

  // Mouse capture: every mouse event comes here until released
  void SetMouseCapture(bool on);
  bool MouseCapture() const { return capture_; }

  // Timers by id: TimerTick(id) every milliseconds until killed
  void SetTimer(int id, int milliseconds);
  void KillTimer(int id);
  bool HasTimer(int id) const { return timers_.count(id) != 0; }

  // Caret (one owner in the application at a time)
  void CreateCaret(int width, int height, bool gray = false);
  void CreateCaret(const QImage& shape);  // white pixels invert, black ones leave the control as it is
  void DestroyCaret();
  void SetCaretPos(int x, int y);
  void ShowCaret();
  void HideCaret();
  bool OwnsCaret() const;

  // Cursor by number
  void SetCursorNumber(TCursor number);
  TCursor CursorNumber() const { return cursorNumber_; }

  // Window scroll bars (SB_HORZ, SB_VERT) with the system's range, page and position; the user's
  // steps and thumb drags come to ScrollBarMessage. The client area leaves the shown bars out.
  int SetScrollInfo(int bar, const TScrollInfo& info);  // returns the position
  TScrollInfo GetScrollInfo(int bar) const;
  int SetScrollPos(int bar, int pos);  // returns the previous position
  int GetScrollPos(int bar) const { return GetScrollInfo(bar).Pos; }
  void ShowScrollBar(int bar, bool show);
  void EnableScrollBar(int bar, bool enable);
  bool ScrollBarShown(int bar) const;
  bool ScrollBarEnabled(int bar) const;
  int ClientWidth() const;
  int ClientHeight() const;

  // Tab and Shift+Tab come to KeyDown instead of moving the focus
  void SetWantTabs(bool on) { wantTabs_ = on; }
  // Off: Escape and Enter that KeyDown leaves alone go on to the window (its cancel and default buttons)
  void SetWantDialogKeys(bool on) { wantDialogKeys_ = on; }

 protected:
  // The paint hook: draws the whole control on the canvas of its back buffer (one pixel per unit),
  // already cleared to Color().
  virtual void Paint(TCanvas& canvas);
  // A control that already holds its finished picture (opaque, one pixel per unit) gives it here: it
  // goes to the screen as it stands, clipped to the client area, in place of Paint into the back
  // buffer, so an expose copies it once. The client area it leaves uncovered shows Color(). Null:
  // Paint as usual.
  virtual const QImage* FinishedPicture();

  // Handlers. Keys: virtual-key codes; KeyPress gets Latin-1 characters. Setting key to 0 in KeyDown
  // consumes it for the window; KeyPress still follows, as on the system the Parts were written for.
  virtual void KeyDown(int& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void KeyUp(int& key, TShiftState shift);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void DblClick();
  virtual bool MouseWheel(TShiftState shift, int delta, int x, int y);  // delta ±120; true when used
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void FocusIn();
  virtual void FocusOut();
  virtual void Resized();
  virtual void TimerTick(int id);
  // A scroll bar's message: code SB_LINEUP .. SB_ENDSCROLL, pos the thumb for SB_THUMBTRACK and
  // SB_THUMBPOSITION.
  virtual void ScrollBarMessage(int bar, int code, int pos);

  // Qt events
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void PaintBuffer();
  TWindowScrollBar& Bar(int bar);
  void LayoutScrollBars();
  bool MouseButtonEvent(QMouseEvent& event, TMouseButton& button) const;

  QImage buffer_;
  std::unique_ptr<TWindowScrollBar> bars_[2];
  void PaintFrame(QPainter& painter) const;

  TColor color_ = 0xF0F0F0;
  int frame_ = 0;
  std::map<int, int> timers_;  // id -> Qt timer id
  TCursor cursorNumber_ = crDefault;
  int wheelRemainder_ = 0;
  bool capture_ = false;
  bool wantTabs_ = false;
  bool wantDialogKeys_ = true;
};

}  // namespace platform
