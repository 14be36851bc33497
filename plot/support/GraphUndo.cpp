#include "plot/support/GraphUndo.h"

#include "platform/Menus.h"

#include <QWidget>

namespace plot {

TGraphUndo::TGraphUndo(QWidget* button, platform::TMenuItem* menuItem) : button_(button), menuItem_(menuItem)
{
  Enable(false);
}

void TGraphUndo::Add(const void* object, std::uint8_t kind, std::function<void()> restore)
{
  items_.push_back({kUndoGroupMarker, nullptr, {}});
  items_.push_back({kind, object, std::move(restore)});
  Enable(true);
}

void TGraphUndo::Append(const void* object, std::uint8_t kind, std::function<void()> restore)
{
  if (items_.empty())
    items_.push_back({kUndoGroupMarker, nullptr, {}});
  items_.push_back({kind, object, std::move(restore)});
  Enable(true);
}

bool TGraphUndo::Undo()
{
  if (items_.empty())
    return false;
  // The entry is taken off first: a step may add records or clear the list.
  std::vector<TUndoRecord> entry;
  while (!items_.empty()) {
    TUndoRecord record = std::move(items_.back());
    items_.pop_back();
    if (record.Kind == kUndoGroupMarker && record.Object == nullptr && !record.Restore)
      break;
    entry.push_back(std::move(record));
  }
  if (items_.empty())
    Enable(false);
  for (TUndoRecord& record : entry)
    if (record.Restore)
      record.Restore();
  return true;
}

void TGraphUndo::Clear()
{
  items_.clear();
  Enable(false);
}

void TGraphUndo::Enable(bool on)
{
  if (auto* button = qobject_cast<QWidget*>(button_.data()))
    button->setEnabled(on);
  if (menuItem_)
    menuItem_->SetEnabled(on);
  if (OnEnabledChange)
    OnEnabledChange(on);
}

}  // namespace plot
