#pragma once
// A narrow strip holding a vertical scroll bar, shown beside a picture for a list drawn in it that
// does not fit: the strip is two pixels wider than the bar and the bar two pixels shorter. A click
// in the bar's page area or Page Up/Down moves it by LargeChange; every move calls OnChange.

#include <QWidget>
#include <functional>

class QScrollBar;

namespace platform {

class TScrollStrip : public QWidget {
public:
  explicit TScrollStrip(QWidget* parent = nullptr);

  // The strip; its state stays what was set while the parent is hidden.
  void SetStripVisible(bool on);
  bool StripVisible() const { return stripVisible_; }
  int StripWidth() const { return width(); }
  int StripHeight() const { return height(); }

  void SetBarVisible(bool on);
  bool BarVisible() const { return barVisible_; }
  void SetBarHeight(int height);
  int Max() const;
  void SetMax(int max);  // the minimum is 0
  int LargeChange() const;
  void SetLargeChange(int lines);
  int Position() const;
  void SetPosition(int position);

  QScrollBar& Bar() const { return *bar_; }

  std::function<void()> OnChange;

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  QScrollBar* bar_;  // a child
  bool stripVisible_ = false;
  bool barVisible_ = true;
};

}  // namespace platform
