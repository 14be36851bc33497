#pragma once
// A grid on a shown form as a user meets it: the form shown and active, the grid focused, keys sent
// where a user's would go.

#include "grid/window/Grid.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace grid {

// Lays out a new grid on the form with an edit below it (where the focus goes when it leaves the grid).
inline TtsGrid* PlaceGridAboveEdit(QWidget& form, QLineEdit*& after)
{
  auto* layout = new QVBoxLayout(&form);
  auto* grid = new TtsGrid(&form);
  after = new QLineEdit(&form);
  layout->addWidget(grid);
  layout->addWidget(after);
  return grid;
}

// Shows the form at the size, makes it the active window and gives the grid the focus.
inline void ShowFocused(QWidget& form, QWidget& grid, int width, int height)
{
  form.resize(width, height);
  form.show();
  form.activateWindow();
  grid.setFocus();
  QApplication::processEvents();
}

// The widget with the focus (the grid's in-cell editor while it shows), else the grid.
inline QWidget& KeyTarget(QWidget& grid)
{
  QWidget* focused = QApplication::focusWidget();
  return focused ? *focused : grid;
}

// The widget's pixels as the screen shows them once the pending paints have run.
inline QImage OnScreen(QWidget& widget)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  QWidget& top = *widget.window();
  const QPixmap shown = QGuiApplication::primaryScreen()->grabWindow(top.winId());
  const QPoint at = widget.mapTo(&top, QPoint(0, 0));
  return shown.toImage().copy(QRect(at, widget.size())).convertToFormat(QImage::Format_RGB32);
}

}  // namespace grid
