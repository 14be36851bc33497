#pragma once
// The pens of chart parts: a platform pen that can be hidden or drawn as alternate dots.

#include "platform/Pen.h"

#include <functional>

namespace chart {

class TChartPen : public platform::TPen {
public:
  explicit TChartPen(std::function<void()> onChange = {});

  bool SmallDots() const { return smallDots_; }
  bool Visible() const { return visible_; }
  void SetSmallDots(bool on);  // a one-pixel pen drawn as alternate dots
  void SetVisible(bool on);    // a hidden pen draws nothing
  // The two flags, then the pen.
  void Assign(const TChartPen& other);

private:
  bool smallDots_ = false;
  bool visible_ = true;
};

// Title frames, legend dividing lines.
class TChartHiddenPen : public TChartPen {
public:
  explicit TChartHiddenPen(std::function<void()> onChange = {});
};

// Axis grids: grey, dotted.
class TDottedGrayPen : public TChartPen {
public:
  explicit TDottedGrayPen(std::function<void()> onChange = {});
};

// Axis ticks: grey.
class TDarkGrayPen : public TChartPen {
public:
  explicit TDarkGrayPen(std::function<void()> onChange = {});
};

// The axis line: two pixels wide.
class TChartAxisPen : public TChartPen {
public:
  explicit TChartAxisPen(std::function<void()> onChange = {});
};

// Series mark arrows: white.
class TChartArrowPen : public TChartPen {
public:
  explicit TChartArrowPen(std::function<void()> onChange = {});
};

}  // namespace chart
