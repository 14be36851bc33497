#include "controls/small/TextListBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace controls {

TTextListBox::TTextListBox(QWidget* parent) : platform::ListBox(parent) {}

int TTextListBox::ItemWidth(const QString& text) const
{
  const QFontMetrics metrics(font());
  const QString measured = text + QLatin1Char('x');
  if (tabWidth_ <= 0 || !text.contains(QLatin1Char('\t')))
    return metrics.horizontalAdvance(measured);
  // One tab stop repeated at "0" x TabWidth / 4 pixels.
  const int stop = std::max(1, int(std::nearbyint(metrics.horizontalAdvance(QLatin1Char('0')) * tabWidth_ / 4.0)));
  const QStringList parts = measured.split(QLatin1Char('\t'));
  int width = 0;
  for (int i = 0; i < parts.size(); ++i) {
    if (i > 0)
      width = (width / stop + 1) * stop;
    width += metrics.horizontalAdvance(parts[i]);
  }
  return width;
}

int TTextListBox::AddItem(const QString& text)
{
  return InsertItem(count(), text);
}

int TTextListBox::InsertItem(int index, const QString& text)
{
  index = std::clamp(index, 0, count());
  insertItem(index, text);
  Grow(text);
  return index;
}

void TTextListBox::DeleteItem(int index)
{
  if (index < 0 || index >= count())
    return;
  const bool widest = ItemWidth(item(index)->text()) >= maxWidth_;
  if (widest)
    horizontalScrollBar()->setValue(0);
  delete takeItem(index);
  if (widest)
    Recompute();
}

void TTextListBox::ClearItems()
{
  maxWidth_ = 0;
  SetHorizontalExtent(0);
  horizontalScrollBar()->setValue(0);
  clear();
}

void TTextListBox::SetItems(const QStringList& items)
{
  ClearItems();
  addItems(items);
  Recompute();
}

QStringList TTextListBox::Items() const
{
  QStringList items;
  for (int i = 0; i < count(); ++i)
    items << item(i)->text();
  return items;
}

QString TTextListBox::ItemText(int index) const
{
  return index >= 0 && index < count() ? item(index)->text() : QString();
}

void TTextListBox::SetTabWidth(int dialogUnits)
{
  tabWidth_ = dialogUnits;
  Recompute();
}

void TTextListBox::changeEvent(QEvent* event)
{
  platform::ListBox::changeEvent(event);
  if (event->type() == QEvent::FontChange)
    Recompute();
}

void TTextListBox::Recompute()
{
  maxWidth_ = 0;
  for (int i = 0; i < count(); ++i)
    maxWidth_ = std::max(maxWidth_, ItemWidth(item(i)->text()));
  SetHorizontalExtent(maxWidth_);
}

void TTextListBox::Grow(const QString& text)
{
  maxWidth_ = std::max(maxWidth_, ItemWidth(text));
  SetHorizontalExtent(maxWidth_);
}

}  // namespace controls
