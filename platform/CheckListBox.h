#pragma once
// A list box with a check box before every item. A check clicked by the user (or ClickCheck) goes
// unchecked, checked, then grayed when AllowGrayed, and unchecked again, and runs OnClickCheck; a
// check set by program runs nothing. A disabled item can't be checked by the user.

#include "platform/ListBox.h"

#include <functional>

namespace platform {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckListBox : public ListBox {
public:
  explicit TCheckListBox(QWidget* parent = nullptr);

  int AddItem(const QString& text, bool checked = false);
  bool Checked(int index) const { return State(index) == TCheckBoxState::cbChecked; }
  void SetChecked(int index, bool on);
  TCheckBoxState State(int index) const;
  void SetState(int index, TCheckBoxState state);
  bool ItemEnabled(int index) const;
  void SetItemEnabled(int index, bool on);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool on) { allowGrayed_ = on; }

  // The user's click on an item's check box; false for a missing or disabled item.
  bool ClickCheck(int index);
  std::function<void(int index)> OnClickCheck;

private:
  void ItemChanged(QListWidgetItem* changed);
  TCheckBoxState NextState(TCheckBoxState state) const;

  bool allowGrayed_ = false;
  bool setting_ = false;  // a change by program
};

}  // namespace platform
