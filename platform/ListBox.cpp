#include "platform/ListBox.h"

#include "platform/CanvasImage.h"
#include "platform/ExceptionBoundary.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace platform {

// The item heights of an owner-drawn list; the list paints the items itself.
class ListBox::HeightDelegate : public QStyledItemDelegate {
 public:
  explicit HeightDelegate(ListBox& list) : QStyledItemDelegate(&list), list_(list) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
  {
    if (list_.style_ == TListBoxStyle::lbStandard)
      return QStyledItemDelegate::sizeHint(option, index);
    return {option.rect.width(), list_.MeasuredHeight(index.row())};
  }

 private:
  ListBox& list_;
};

ListBox::ListBox(QWidget* parent) : QListWidget(parent), heights_(new HeightDelegate(*this))
{
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setTextElideMode(Qt::ElideNone);
  setItemDelegate(heights_);
}

ListBox::~ListBox() = default;

void ListBox::SetHorizontalExtent(int pixels)
{
  extent_ = qMax(0, pixels);
  UpdateRange();
}

void ListBox::SetStyle(TListBoxStyle style)
{
  style_ = style;
  setUniformItemSizes(style == TListBoxStyle::lbOwnerDrawFixed);
  doItemsLayout();
  viewport()->update();
}

void ListBox::SetItemHeight(int pixels)
{
  itemHeight_ = qMax(1, pixels);
  doItemsLayout();
  viewport()->update();
}

int ListBox::MeasuredHeight(int index) const
{
  int height = itemHeight_;
  if (style_ == TListBoxStyle::lbOwnerDrawVariable && OnMeasureItem)
    Guard([&] { OnMeasureItem(index, height); });
  return qMax(1, height);
}

TRect ListBox::ItemRect(int index) const
{
  const QRect r = visualItemRect(item(index));
  return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

void ListBox::SetMultiSelect(bool on, bool extended)
{
  setSelectionMode(!on ? QAbstractItemView::SingleSelection
                       : extended ? QAbstractItemView::ExtendedSelection : QAbstractItemView::MultiSelection);
}

bool ListBox::Selected(int index) const
{
  const QListWidgetItem* it = item(index);
  return it != nullptr && it->isSelected();
}

void ListBox::SetSelected(int index, bool on)
{
  if (QListWidgetItem* it = item(index))
    it->setSelected(on);
}

int ListBox::SelCount() const
{
  return int(selectedItems().size());
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
  if (style_ != TListBoxStyle::lbStandard && extent_ == 0) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return;
  }
  const int range = qMax(0, extent_ - viewport()->width());
  horizontalScrollBar()->setRange(0, range);
  horizontalScrollBar()->setPageStep(viewport()->width());
  setHorizontalScrollBarPolicy(range > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

QImage ListBox::DrawItems()
{
  QImage image(viewport()->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(ColorToQColor(color_));
  TImageCanvas canvas(image);
  canvas.Font().SetName(font().family());
  for (int i = 0; i < count(); ++i) {
    const TRect r = ItemRect(i);
    if (r.IsEmpty() || r.Bottom <= 0 || r.Top >= image.height())
      continue;
    TOwnerDrawState state = 0;
    if (item(i)->isSelected())
      state |= odSelected;
    if (!isEnabled() || !(item(i)->flags() & Qt::ItemIsEnabled))
      state |= odDisabled;
    if (i == currentRow() && hasFocus())
      state |= odFocused;
    DrawItem(canvas, i, r, state);
  }
  return image;
}

void ListBox::DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state)
{
  canvas.SaveState();
  const bool selected = state & odSelected;
  canvas.Brush().SetColor(selected ? clHighlight : color_);
  canvas.Font().SetColor(selected ? clHighlightText : clWindowText);
  if (OnDrawItem) {
    GuardDeferred([&] { OnDrawItem(canvas, index, rect, state); });
  } else {
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 2, rect.Top, item(index)->text());
  }
  canvas.RestoreState();
  if (state & odFocused)
    canvas.DrawFocusRect(rect);
}

void ListBox::paintEvent(QPaintEvent* event)
{
  if (style_ == TListBoxStyle::lbStandard) {
    QListWidget::paintEvent(event);
    return;
  }
  const QImage items = DrawItems();
  QPainter painter(viewport());
  painter.drawImage(0, 0, items);
}

}  // namespace platform
