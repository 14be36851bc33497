#include "platform/RadioGroup.h"

#include "platform/ExceptionBoundary.h"

#include <QGridLayout>
#include <QRadioButton>

namespace platform {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent)
{
  setLayout(new QGridLayout);
}

void RadioGroup::SetItems(const QStringList& items)
{
  items_ = items;
  if (index_ >= items_.size())
    index_ = -1;
  Rebuild();
}

void RadioGroup::SetColumns(int columns)
{
  columns_ = qMax(1, columns);
  Rebuild();
}

void RadioGroup::SetItemIndex(int index)
{
  index_ = (index >= 0 && index < int(buttons_.size())) ? index : -1;
  for (int i = 0; i < int(buttons_.size()); ++i) {
    QRadioButton* b = buttons_[i];
    // Radio buttons of a group can't be unchecked one by one; turn exclusivity off for a moment.
    b->setAutoExclusive(false);
    b->setChecked(i == index_);
    b->setAutoExclusive(true);
  }
}

void RadioGroup::SetItemEnabled(int index, bool enabled)
{
  if (QRadioButton* b = Button(index))
    b->setEnabled(enabled);
}

QRadioButton* RadioGroup::Button(int index) const
{
  return (index >= 0 && index < int(buttons_.size())) ? buttons_[index] : nullptr;
}

void RadioGroup::Rebuild()
{
  for (QRadioButton* b : buttons_)
    delete b;
  buttons_.clear();
  auto* grid = static_cast<QGridLayout*>(layout());
  const int rows = (int(items_.size()) + columns_ - 1) / columns_;
  for (int i = 0; i < int(items_.size()); ++i) {
    auto* b = new QRadioButton(items_[i], this);
    grid->addWidget(b, rows ? i % rows : 0, rows ? i / rows : 0);
    connect(b, &QRadioButton::clicked, this, [this, i] { Clicked(i); });
    buttons_.push_back(b);
  }
  SetItemIndex(index_);
}

void RadioGroup::Clicked(int index)
{
  if (index == index_)
    return;
  index_ = index;
  if (auto handler = OnClick)  // a copy: the handler may replace itself
    Guard(handler);
}

}  // namespace platform
