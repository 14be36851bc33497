#include "platform/CustomControl.h"

#include "platform/CanvasImage.h"
#include "platform/Caret.h"
#include "platform/ExceptionBoundary.h"
#include "platform/KeyTranslation.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>
#include <algorithm>

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

void CustomControl::SetFrameWidth(int width)
{
  width = std::clamp(width, 0, 2);
  if (frame_ == width)
    return;
  frame_ = width;
  LayoutScrollBars();
}

void CustomControl::InvalidateClient(const QRect& area)
{
  update(area.translated(frame_, frame_));
}

void CustomControl::PaintFrame(QPainter& painter) const
{
  if (frame_ == 0)
    return;
  const auto edge = [&](int inset, TColor topLeft, TColor bottomRight) {
    const int right = width() - 1 - inset;
    const int bottom = height() - 1 - inset;
    painter.setPen(ColorToQColor(topLeft));
    painter.drawLine(inset, inset, right - 1, inset);
    painter.drawLine(inset, inset, inset, bottom - 1);
    painter.setPen(ColorToQColor(bottomRight));
    painter.drawLine(inset, bottom, right, bottom);
    painter.drawLine(right, inset, right, bottom);
  };
  if (frame_ == 1) {
    edge(0, clWindowFrame, clWindowFrame);
    return;
  }
  edge(0, clBtnShadow, clBtnHighlight);
  edge(1, cl3DDkShadow, cl3DLight);
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
  caret::SetPosition(*this, x + frame_, y + frame_);
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
const QImage* CustomControl::FinishedPicture() { return nullptr; }
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
  return std::max(0, width() - 2 * frame_ - (ScrollBarShown(SB_VERT) ? kScrollBarSize : 0));
}

int CustomControl::ClientHeight() const
{
  return std::max(0, height() - 2 * frame_ - (ScrollBarShown(SB_HORZ) ? kScrollBarSize : 0));
}

void CustomControl::LayoutScrollBars()
{
  const bool horizontal = ScrollBarShown(SB_HORZ);
  const bool vertical = ScrollBarShown(SB_VERT);
  if (horizontal)
    Bar(SB_HORZ).Bar().setGeometry(frame_, height() - frame_ - kScrollBarSize, ClientWidth(), kScrollBarSize);
  if (vertical)
    Bar(SB_VERT).Bar().setGeometry(width() - frame_ - kScrollBarSize, frame_, kScrollBarSize, ClientHeight());
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
  QPainter painter(this);
  const QImage* picture = FinishedPicture();
  if (picture) {
    const QRect client(frame_, frame_, std::max(ClientWidth(), 1), std::max(ClientHeight(), 1));
    const QRect shown = client.intersected(QRect(client.topLeft(), picture->size()));
    painter.drawImage(shown.topLeft(), *picture, QRect(QPoint(0, 0), shown.size()));
    const QRegion uncovered = QRegion(client).subtracted(shown);
    for (const QRect& part : uncovered)
      painter.fillRect(part, ColorToQColor(color_));
  } else {
    PaintBuffer();
    painter.drawImage(frame_, frame_, buffer_);
  }
  if (ScrollBarShown(SB_HORZ) && ScrollBarShown(SB_VERT))
    painter.fillRect(frame_ + ClientWidth(), frame_ + ClientHeight(), kScrollBarSize, kScrollBarSize,
                     ColorToQColor(clBtnFace));
  PaintFrame(painter);
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
  const QPoint p = event->position().toPoint() - QPoint(frame_, frame_);
  Guard([&] { MouseDown(button, ShiftStateFromQt(event->modifiers(), event->buttons()), p.x(), p.y()); });
}

void CustomControl::mouseMoveEvent(QMouseEvent* event)
{
  const QPoint p = event->position().toPoint() - QPoint(frame_, frame_);
  Guard([&] { MouseMove(ShiftStateFromQt(event->modifiers(), event->buttons()), p.x(), p.y()); });
}

void CustomControl::mouseReleaseEvent(QMouseEvent* event)
{
  TMouseButton button;
  if (!MouseButtonEvent(*event, button))
    return;
  const QPoint p = event->position().toPoint() - QPoint(frame_, frame_);
  Guard([&] { MouseUp(button, ShiftStateFromQt(event->modifiers(), event->buttons()), p.x(), p.y()); });
}

void CustomControl::mouseDoubleClickEvent(QMouseEvent* event)
{
  TMouseButton button;
  if (!MouseButtonEvent(*event, button))
    return;
  const QPoint p = event->position().toPoint() - QPoint(frame_, frame_);
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
  const QPoint p = event->position().toPoint() - QPoint(frame_, frame_);
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
