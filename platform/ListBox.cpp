#include "platform/ListBox.h"

#include <QScrollBar>

namespace platform {

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setTextElideMode(Qt::ElideNone);
}

void ListBox::SetHorizontalExtent(int pixels)
{
  extent_ = qMax(0, pixels);
  UpdateRange();
}

void ListBox::updateGeometries()
{
  QListWidget::updateGeometries();
  UpdateRange();
}

void ListBox::resizeEvent(QResizeEvent* event)
{
  QListWidget::resizeEvent(event);
  UpdateRange();
}

void ListBox::UpdateRange()
{
  const int range = qMax(0, extent_ - viewport()->width());
  horizontalScrollBar()->setRange(0, range);
  horizontalScrollBar()->setPageStep(viewport()->width());
  setHorizontalScrollBarPolicy(range > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

}  // namespace platform
