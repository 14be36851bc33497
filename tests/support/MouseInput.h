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

// A left press and release at a point, by default the middle of the widget.
inline void ClickAt(QWidget& target, QPointF at)
{
  SendMouse(target, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  SendMouse(target, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

inline void Click(QWidget& target) { ClickAt(target, QPointF(target.width() / 2.0, target.height() / 2.0)); }

// Pressed at from, moved to to with the left button held, released there.
inline void Drag(QWidget& target, QPointF from, QPointF to)
{
  SendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  SendMouse(target, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  SendMouse(target, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

}  // namespace testing_support
