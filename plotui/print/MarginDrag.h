#pragma once
// The four margin lines on the preview's page picture and their drags: one line, a corner (two lines)
// or the whole printable area (all four). Lines move in picture pixels; the margins change by each
// line's movement over the scale f (picture pixels per millimetre), rounded, and stay on the page.

#include "plotui/print/PrintSettings.h"

#include "platform/CanvasTypes.h"
#include "platform/Cursors.h"

#include <array>

namespace plotui {

enum TMarginLine { mlTop, mlBottom, mlLeft, mlRight };
inline constexpr int kMarginLineReach = 4;  // pixels from a line that still grab it

class TMarginDrag {
public:
  // Lines at the printable area's edges.
  void Place(const platform::TRect& area);
  int Position(TMarginLine line) const { return position_[line]; }
  bool Horizontal(TMarginLine line) const { return line == mlTop || line == mlBottom; }
  bool Near(TMarginLine line, int x, int y) const;

  // What a press at (x, y) would grab, as a cursor; crDefault outside the area.
  platform::TCursor CursorAt(int x, int y, platform::TCursor inside) const;

  // A press grabs the lines near it, else the whole area when inside it; false when nothing.
  bool Press(int x, int y);
  bool Dragging() const { return active_; }
  bool Dragging(TMarginLine line) const { return active_ && dragging_[line]; }
  // The dragging lines follow; true when one moved.
  bool Move(int x, int y);
  // Ends the drag at (x, y) and gives the margins moved by it, kept on a page of the size given.
  TPrintMargins Release(int x, int y, const TPrintMargins& margins, double f, double pageWidthMm,
                        double pageHeightMm);
  void Cancel() { active_ = false; }

private:
  std::array<int, 4> position_{};
  std::array<int, 4> start_{};
  std::array<bool, 4> dragging_{};
  bool wholeArea_ = false;
  bool active_ = false;
  platform::TRect area_;
  int lastX_ = 0;
  int lastY_ = 0;
};

}  // namespace plotui
