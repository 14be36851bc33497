#include "platform/CustomControl.h"

#include "platform/CanvasImage.h"
#include "platform/Caret.h"
#include "platform/ExceptionBoundary.h"
#include "platform/KeyTranslation.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace platform {

namespace {

constexpr int kWheelStep = 120;

}  // namespace

CustomControl::CustomControl(QWidget* parent) : QWidget(parent)
{
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

CustomControl::~CustomControl()
{
  caret::Destroy(*this);
  if (capture_)
    releaseMouse();
}

void CustomControl::Invalidate()
{
  update();
}

void CustomControl::Repaint()
{
  repaint();
}

QImage CustomControl::PaintToImage()
{
  PaintBuffer();
  return buffer_;
}

void CustomControl::SetColor(TColor color)
{
  if (color_ == color)
    return;
  color_ = color;
  Invalidate();
}

void CustomControl::SetMouseCapture(bool on)
{
  if (on == capture_)
    return;
  capture_ = on;
  if (on)
    grabMouse();
  else
    releaseMouse();
}

void CustomControl::SetTimer(int id, int milliseconds)
{
  KillTimer(id);
  timers_[id] = startTimer(qMax(milliseconds, 1));
}

void CustomControl::KillTimer(int id)
{
  const auto found = timers_.find(id);
  if (found == timers_.end())
    return;
  killTimer(found->second);
  timers_.erase(found);
}

void CustomControl::CreateCaret(int width, int height, bool gray)
{
  caret::Create(*this, width, height, gray);
}

void CustomControl::CreateCaret(const QImage& shape)
{
  caret::CreateShaped(*this, shape);
}

void CustomControl::DestroyCaret()
{
  caret::Destroy(*this);
}

void CustomControl::SetCaretPos(int x, int y)
{
  caret::SetPosition(*this, x, y);
}

void CustomControl::ShowCaret()
{
  caret::Show(*this);
}

void CustomControl::HideCaret()
{
  caret::Hide(*this);
}

bool CustomControl::OwnsCaret() const
{
  return caret::Owner() == this;
}

void CustomControl::SetCursorNumber(TCursor number)
{
  cursorNumber_ = number;
  setCursor(CursorFor(number));
}

// Default handlers do nothing.
void CustomControl::Paint(TCanvas&) {}
void CustomControl::KeyDown(int&, TShiftState) {}
void CustomControl::KeyPress(char&) {}
void CustomControl::KeyUp(int&, TShiftState) {}
void CustomControl::MouseDown(TMouseButton, TShiftState, int, int) {}
void CustomControl::MouseMove(TShiftState, int, int) {}
void CustomControl::MouseUp(TMouseButton, TShiftState, int, int) {}
void CustomControl::DblClick() {}
bool CustomControl::MouseWheel(TShiftState, int, int, int) { return false; }
void CustomControl::MouseEnter() {}
void CustomControl::MouseLeave() {}
void CustomControl::FocusIn() {}
void CustomControl::FocusOut() {}
void CustomControl::Resized() {}
void CustomControl::TimerTick(int) {}
void CustomControl::ScrollBarMessage(int, int, int) {}

TWindowScrollBar& CustomControl::Bar(int bar)
{
  const int i = bar == SB_VERT ? 1 : 0;
  if (!bars_[i])
    bars_[i] = std::make_unique<TWindowScrollBar>(*this, i, [this, i](int code, int pos) {
      Guard([&] { ScrollBarMessage(i, code, pos); });
    });
  return *bars_[i];
}

int CustomControl::SetScrollInfo(int bar, const TScrollInfo& info)
{
  const int pos = Bar(bar).SetInfo(info);
  LayoutScrollBars();
  return pos;
}

TScrollInfo CustomControl::GetScrollInfo(int bar) const
{
  const auto& b = bars_[bar == SB_VERT ? 1 : 0];
  return b ? b->Info() : TScrollInfo{};
}

int CustomControl::SetScrollPos(int bar, int pos)
{
  return Bar(bar).SetPos(pos);
}

void CustomControl::ShowScrollBar(int bar, bool show)
{
  Bar(bar).Show(show);
  LayoutScrollBars();
}

void CustomControl::EnableScrollBar(int bar, bool enable)
{
  Bar(bar).Enable(enable);
}

bool CustomControl::ScrollBarShown(int bar) const
{
  const auto& b = bars_[bar == SB_VERT ? 1 : 0];
  return b && b->Shown();
}

bool CustomControl::ScrollBarEnabled(int bar) const
{
  const auto& b = bars_[bar == SB_VERT ? 1 : 0];
  return !b || b->Enabled();
}

int CustomControl::ClientWidth() const
{
  return std::max(0, width() - (ScrollBarShown(SB_VERT) ? kScrollBarSize : 0));
}

int CustomControl::ClientHeight() const
{
  return std::max(0, height() - (ScrollBarShown(SB_HORZ) ? kScrollBarSize : 0));
}

void CustomControl::LayoutScrollBars()
{
  const bool horizontal = ScrollBarShown(SB_HORZ);
  const bool vertical = ScrollBarShown(SB_VERT);
  if (horizontal)
    Bar(SB_HORZ).Bar().setGeometry(0, height() - kScrollBarSize, ClientWidth(), kScrollBarSize);
  if (vertical)
    Bar(SB_VERT).Bar().setGeometry(width() - kScrollBarSize, 0, kScrollBarSize, ClientHeight());
  update();
}

void CustomControl::PaintBuffer()
{
  // One buffer pixel per unit: the drawing rules are pixel-exact; a high-density screen scales the buffer.
  const QSize pixels = QSize(ClientWidth(), ClientHeight()).expandedTo(QSize(1, 1));
  if (buffer_.size() != pixels)
    buffer_ = QImage(pixels, QImage::Format_RGB32);
  buffer_.fill(ColorToQColor(color_));
  TImageCanvas canvas(buffer_);
  GuardDeferred([&] { Paint(canvas); });  // no modal box in the middle of a paint
}

void CustomControl::paintEvent(QPaintEvent*)
{
  PaintBuffer();
  QPainter painter(this);
  painter.drawImage(0, 0, buffer_);
  if (ScrollBarShown(SB_HORZ) && ScrollBarShown(SB_VERT))
    painter.fillRect(ClientWidth(), ClientHeight(), kScrollBarSize, kScrollBarSize, ColorToQColor(clBtnFace));
  caret::PaintOn(*this, painter);
}

void CustomControl::keyPressEvent(QKeyEvent* event)
{
  event->accept();
  Guard([&] {
    int key = VirtualKeyFromQt(event->key(), event->modifiers());
    if (key != 0)
      KeyDown(key, ShiftStateFromQt(event->modifiers()));
    if (!wantDialogKeys_ && (key == VK_ESCAPE || key == VK_RETURN)) {
      event->ignore();  // the window's turn
      return;
    }
    for (char c : TypedCharacters(*event))
      KeyPress(c);
  });
}

void CustomControl::keyReleaseEvent(QKeyEvent* event)
{
  event->accept();
  if (event->isAutoRepeat())
    return;
  Guard([&] {
    int key = VirtualKeyFromQt(event->key(), event->modifiers());
    if (key != 0)
      KeyUp(key, ShiftStateFromQt(event->modifiers()));
  });
}

bool CustomControl::MouseButtonEvent(QMouseEvent& event, TMouseButton& button) const
{
  switch (event.button()) {
    case Qt::LeftButton: button = mbLeft; return true;
    case Qt::RightButton: button = mbRight; return true;
    case Qt::MiddleButton: button = mbMiddle; return true;
    default: return false;
  }
}

void CustomControl::mousePressEvent(QMouseEvent* event)
{
  TMouseButton button;
  if (!MouseButtonEvent(*event, button))
    return;
  const QPoint p = event->position().toPoint();
  Guard([&] { MouseDown(button, ShiftStateFromQt(event->modifiers(), event->buttons()), p.x(), p.y()); });
}

void CustomControl::mouseMoveEvent(QMouseEvent* event)
{
  const QPoint p = event->position().toPoint();
  Guard([&] { MouseMove(ShiftStateFromQt(event->modifiers(), event->buttons()), p.x(), p.y()); });
}

void CustomControl::mouseReleaseEvent(QMouseEvent* event)
{
  TMouseButton button;
  if (!MouseButtonEvent(*event, button))
    return;
  const QPoint p = event->position().toPoint();
  Guard([&] { MouseUp(button, ShiftStateFromQt(event->modifiers(), event->buttons()), p.x(), p.y()); });
}

void CustomControl::mouseDoubleClickEvent(QMouseEvent* event)
{
  TMouseButton button;
  if (!MouseButtonEvent(*event, button))
    return;
  const QPoint p = event->position().toPoint();
  Guard([&] {
    if (button == mbLeft)
      DblClick();
    MouseDown(button, ShiftStateFromQt(event->modifiers(), event->buttons(), true), p.x(), p.y());
  });
}

void CustomControl::wheelEvent(QWheelEvent* event)
{
  // Fine-grained wheels and touchpads send parts of a step; they add up to whole steps of 120.
  wheelRemainder_ += event->angleDelta().y();
  const QPoint p = event->position().toPoint();
  const TShiftState shift = ShiftStateFromQt(event->modifiers(), event->buttons());
  bool used = false;
  while (wheelRemainder_ >= kWheelStep || wheelRemainder_ <= -kWheelStep) {
    const int delta = wheelRemainder_ > 0 ? kWheelStep : -kWheelStep;
    wheelRemainder_ -= delta;
    Guard([&] { used = MouseWheel(shift, delta, p.x(), p.y()) || used; });
  }
  event->setAccepted(used || event->angleDelta().y() != 0);
}

void CustomControl::enterEvent(QEnterEvent*)
{
  Guard([&] { MouseEnter(); });
}

void CustomControl::leaveEvent(QEvent*)
{
  Guard([&] { MouseLeave(); });
}

void CustomControl::focusInEvent(QFocusEvent*)
{
  Guard([&] { FocusIn(); });
}

void CustomControl::focusOutEvent(QFocusEvent*)
{
  Guard([&] { FocusOut(); });
}

void CustomControl::resizeEvent(QResizeEvent*)
{
  LayoutScrollBars();
  Guard([&] { Resized(); });
}

void CustomControl::timerEvent(QTimerEvent* event)
{
  for (const auto& [id, qtId] : timers_)
    if (qtId == event->timerId()) {
      const int tick = id;  // the handler may kill or set timers
      Guard([&] { TimerTick(tick); });
      return;
    }
}

bool CustomControl::focusNextPrevChild(bool next)
{
  if (wantTabs_)
    return false;
  return QWidget::focusNextPrevChild(next);
}

}  // namespace platform
