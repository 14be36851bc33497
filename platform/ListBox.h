#pragma once
// A list box whose horizontal scroll range is set by the program (its horizontal extent in pixels),
// as lists of long lines need, instead of following the item widths.

#include <QListWidget>

namespace platform {

class ListBox : public QListWidget {
 public:
  explicit ListBox(QWidget* parent = nullptr);

  void SetHorizontalExtent(int pixels);  // 0: no horizontal scrolling
  int HorizontalExtent() const { return extent_; }

 protected:
  void updateGeometries() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateRange();
  int extent_ = 0;
};

}  // namespace platform
