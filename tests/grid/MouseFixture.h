#pragma once
// A shown grid for driving the mouse, and real mouse and key events sent to it.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace grid {

// A grid of 8 columns and 20 rows in a window that shows about six of them.
struct MouseGrid : TtsGrid {
  MouseGrid()
  {
    resize(400, 160);
    SetScrollBars(TScrollStyle::ssNone);
    SetCols(8);
    SetRows(20);
  }
  QPoint Center(int col, int row) const
  {
    return {ColLeft(*this, col) + ColWidth(col) / 2, RowTop(*this, row) + RowHeight(row) / 2};
  }
  int Right(int col) const { return ColLeft(*this, col) + ColWidth(col) - 1; }  // the column's last pixel
  int Bottom(int row) const { return RowTop(*this, row) + RowHeight(row) - 1; }
};

inline void Send(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers keys = Qt::NoModifier)
{
  QMouseEvent event(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, held, keys);
  QApplication::sendEvent(&w, &event);
}

inline void Press(QWidget& w, QPoint at, Qt::KeyboardModifiers keys = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton)
{
  Send(w, QEvent::MouseButtonPress, at, button, button, keys);
}
inline void MoveTo(QWidget& w, QPoint at) { Send(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
inline void Release(QWidget& w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
  Send(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}
inline void Click(QWidget& w, QPoint at, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
  Press(w, at, keys);
  Release(w, at);
}
inline void DoubleClick(QWidget& w, QPoint at)
{
  Click(w, at);
  Send(w, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
  Release(w, at);
}
inline void Escape(QWidget& w)
{
  QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&w, &key);
}

}  // namespace grid
