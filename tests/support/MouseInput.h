#pragma once
// Mouse clicks and drags sent to a widget as the user makes them.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace testing_support {

inline void SendMouse(QWidget& target, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
  QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(&target, &event);
}

// The steps of a drag one at a time: the press, a move with the button held, the release.
inline void PressAt(QWidget& target, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
  SendMouse(target, QEvent::MouseButtonPress, at, button, button);
}
inline void MoveHeldTo(QWidget& target, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
  SendMouse(target, QEvent::MouseMove, at, Qt::NoButton, button);
}
inline void ReleaseAt(QWidget& target, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
  SendMouse(target, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

// A left press and release at a point, by default the middle of the widget.
inline void ClickAt(QWidget& target, QPointF at)
{
  PressAt(target, at);
  ReleaseAt(target, at);
}

inline void Click(QWidget& target) { ClickAt(target, QPointF(target.width() / 2.0, target.height() / 2.0)); }

// Pressed at from, moved to to with the left button held, released there.
inline void Drag(QWidget& target, QPointF from, QPointF to)
{
  PressAt(target, from);
  MoveHeldTo(target, to);
  ReleaseAt(target, to);
}

}  // namespace testing_support
