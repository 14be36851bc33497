#pragma once
// A group of radio buttons made from a list of item texts that may change at run time; ItemIndex is the
// checked item (-1: none).

#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <vector>

class QRadioButton;

namespace platform {

class RadioGroup : public QGroupBox {
 public:
  explicit RadioGroup(QWidget* parent = nullptr);

  void SetItems(const QStringList& items);  // keeps ItemIndex when it is still in range, else -1
  QStringList Items() const { return items_; }
  int ItemIndex() const { return index_; }
  void SetItemIndex(int index);             // out of range: none checked
  void SetColumns(int columns);
  void SetItemEnabled(int index, bool enabled);

  std::function<void()> OnClick;  // the user checked an item

  QRadioButton* Button(int index) const;

 private:
  void Rebuild();
  void Clicked(int index);

  QStringList items_;
  std::vector<QRadioButton*> buttons_;  // children of the group
  int index_ = -1;
  int columns_ = 1;
};

}  // namespace platform
