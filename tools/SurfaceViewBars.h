#pragma once
// The surface window's bar of view controls: six labelled scroll bars, each driving one value of
// the chart's 3-D view (rotation, elevation, offsets, zoom, tilt). A bar reports its position only
// when the user or a program moves it.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QScrollBar;

namespace tools {

// One bar: its name, label, range and starting position.
struct TViewBarLayout {
  const char* Name;
  const char* Label;
  int Min;
  int Max;
  int Position;
};

class TSurfaceViewBars : public QWidget {
public:
  static constexpr int kCount = 6;
  static constexpr int kHeight = 48;
  // Rotation, Elevation, Horizontal, Vertical, Zoom, Tilt, in that order.
  static const std::array<TViewBarLayout, kCount>& Layouts();

  explicit TSurfaceViewBars(QWidget* parent = nullptr);

  QScrollBar& Bar(int index) const { return *bars_.at(std::size_t(index)); }
  QLabel& Label(int index) const { return *labels_.at(std::size_t(index)); }
  // Called with the bar's index and its new position.
  std::function<void(int, int)> OnChange;

private:
  std::array<QScrollBar*, kCount> bars_{};
  std::array<QLabel*, kCount> labels_{};
};

}  // namespace tools
