#pragma once
// The list of undo records of a graph, with the undo button and menu item it enables while it holds
// something. A record may carry the step that puts back what it concerns; Undo runs the steps of the
// last entry, newest first.

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

namespace platform {
class TMenuItem;
}

namespace plot {

// The kind of the record that opens each added entry.
inline constexpr std::uint8_t kUndoGroupMarker = 15;

struct TUndoRecord {
  std::uint8_t Kind = 0;
  const void* Object = nullptr;  // what the record concerns; not owned
  std::function<void()> Restore;  // may be empty
};

class TGraphUndo {
public:
  // Either may be null; both start disabled. The menu item must outlive the list.
  TGraphUndo(QWidget* button, platform::TMenuItem* menuItem);

  // Appends a group marker and the record; enables the button and the menu item.
  void Add(const void* object, std::uint8_t kind, std::function<void()> restore = {});
  // Adds a record to the last entry (a new entry when the list is empty).
  void Append(const void* object, std::uint8_t kind, std::function<void()> restore);
  // Takes the last entry off and runs its steps, newest first; false when the list was empty.
  bool Undo();
  // Empties the list; the button and the menu item are disabled.
  void Clear();

  const std::vector<TUndoRecord>& Items() const { return items_; }
  bool IsEmpty() const { return items_.empty(); }
  // Raised with the new state whenever the list turns empty or not empty.
  std::function<void(bool)> OnEnabledChange;

private:
  void Enable(bool on);

  std::vector<TUndoRecord> items_;
  QPointer<QObject> button_;  // a widget
  platform::TMenuItem* menuItem_;
};

}  // namespace plot
