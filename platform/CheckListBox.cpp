#include "platform/CheckListBox.h"

#include "platform/ExceptionBoundary.h"

namespace platform {

namespace {

// The state the item showed before the toolkit toggled it.
constexpr int kStateRole = Qt::UserRole + 1;

Qt::CheckState ToQt(TCheckBoxState state)
{
  switch (state) {
    case TCheckBoxState::cbChecked: return Qt::Checked;
    case TCheckBoxState::cbGrayed: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
  }
}

}  // namespace

TCheckListBox::TCheckListBox(QWidget* parent) : ListBox(parent)
{
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* changed) { ItemChanged(changed); });
}

int TCheckListBox::AddItem(const QString& text, bool checked)
{
  auto* added = new QListWidgetItem(text);
  added->setFlags(added->flags() | Qt::ItemIsUserCheckable);
  setting_ = true;
  addItem(added);  // the list owns it
  setting_ = false;
  SetChecked(count() - 1, checked);
  return count() - 1;
}

void TCheckListBox::SetChecked(int index, bool on)
{
  SetState(index, on ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

TCheckBoxState TCheckListBox::State(int index) const
{
  const QListWidgetItem* it = item(index);
  if (it == nullptr)
    return TCheckBoxState::cbUnchecked;
  return TCheckBoxState(it->data(kStateRole).toInt());
}

void TCheckListBox::SetState(int index, TCheckBoxState state)
{
  QListWidgetItem* it = item(index);
  if (it == nullptr)
    return;
  setting_ = true;
  it->setData(kStateRole, int(state));
  it->setCheckState(ToQt(state));
  setting_ = false;
}

bool TCheckListBox::ItemEnabled(int index) const
{
  const QListWidgetItem* it = item(index);
  return it != nullptr && (it->flags() & Qt::ItemIsEnabled);
}

void TCheckListBox::SetItemEnabled(int index, bool on)
{
  if (QListWidgetItem* it = item(index)) {
    setting_ = true;
    it->setFlags(on ? it->flags() | Qt::ItemIsEnabled : it->flags() & ~Qt::ItemIsEnabled);
    setting_ = false;
  }
}

TCheckBoxState TCheckListBox::NextState(TCheckBoxState state) const
{
  switch (state) {
    case TCheckBoxState::cbUnchecked: return TCheckBoxState::cbChecked;
    case TCheckBoxState::cbChecked: return allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked;
    default: return TCheckBoxState::cbUnchecked;
  }
}

bool TCheckListBox::ClickCheck(int index)
{
  if (item(index) == nullptr || !ItemEnabled(index) || !isEnabled())
    return false;
  SetState(index, NextState(State(index)));
  if (OnClickCheck)
    Guard([&] { OnClickCheck(index); });
  return true;
}

void TCheckListBox::ItemChanged(QListWidgetItem* changed)
{
  if (setting_)
    return;
  const int index = row(changed);
  const TCheckBoxState before = State(index);
  if (changed->checkState() == ToQt(before))
    return;  // the text or another role changed
  // The toolkit toggled the box: take the step in this list's own order instead.
  SetState(index, before);
  ClickCheck(index);
}

}  // namespace platform
