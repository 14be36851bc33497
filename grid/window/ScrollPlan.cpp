#include "grid/window/ScrollPlan.h"

#include <algorithm>
#include <cstdlib>

namespace grid {

namespace {

using platform::Rect;
using platform::TRect;

class Planner {
 public:
  explicit Planner(const TtsScrollInput& in) : in_(in), cw_(in.ClientWidth), ch_(in.ClientHeight) {}

  TtsScrollPlan Plan()
  {
    if (!in_.DirectPaint) {
      Invalidate(Rect(0, 0, cw_, ch_));
      return plan_;
    }
    const int dx = in_.DX;
    const int dy = in_.DY;
    switch (in_.Mode) {
      case 1:
        if (dy == 0)
          ColsBesideCell();
        else if (dx != 0)
          BaseScroll();
        else if (in_.KeepRect != TRect{})
          RowsBesideCell();
        else
          RowsBesideRow();
        break;
      case 2:
        RowsBesideRow();
        break;
      default:
        if (dx == 0 && dy < 0)
          ContentUp();
        else if (dx == 0 && dy > 0)
          ContentDown();
        else if (dx < 0 && dy == 0)
          ContentLeft();
        else if (dx > 0 && dy == 0)
          ContentRight();
        else
          BaseScroll();
    }
    return plan_;
  }

 private:
  void Scroll(const TRect& r, int dx, int dy) { plan_.push_back({TtsScrollStepKind::Scroll, r, dx, dy}); }
  void Validate(const TRect& r) { plan_.push_back({TtsScrollStepKind::Validate, r}); }
  void Invalidate(const TRect& r) { plan_.push_back({TtsScrollStepKind::Invalidate, r}); }
  void Update() { plan_.push_back({TtsScrollStepKind::Update}); }
  // Validate, paint the rest, repaint the rectangle; and paint it at once when asked.
  void Show(const TRect& r, bool secondUpdate)
  {
    Validate(r);
    Update();
    Invalidate(r);
    if (secondUpdate)
      Update();
  }

  // Less than a fifth of the scrollable extent would stay: repaint instead of scrolling.
  static bool WorthScrolling(int client, int fixed, int shift)
  {
    return double(client - (fixed + std::abs(shift))) >= double(client - fixed) / 5.0;
  }

  void ContentUp()
  {
    if (!WorthScrolling(ch_, in_.FixedHeight, in_.DY)) {
      Invalidate(Rect(0, in_.FixedHeight, cw_, ch_));
      return;
    }
    const int d = in_.RowsFitBottom;
    if (in_.FocusFrameOnFixedRow) {
      Invalidate(Rect(0, in_.FixedHeight - 1, cw_, in_.FixedHeight));
      Update();
    }
    Scroll(Rect(0, in_.FixedHeight, cw_, d), 0, in_.DY);
    Show(Rect(0, d + in_.DY, cw_, ch_), false);
  }

  void ContentDown()
  {
    if (!WorthScrolling(ch_, in_.FixedHeight, in_.DY)) {
      Invalidate(Rect(0, in_.FixedHeight, cw_, ch_));
      return;
    }
    Scroll(Rect(0, in_.FixedHeight, cw_, in_.LastRowBottom), 0, in_.DY);
    Show(Rect(0, in_.FixedHeight - 1, cw_, in_.FixedHeight + in_.DY), false);
  }

  void ContentLeft()
  {
    if (!WorthScrolling(cw_, in_.FixedWidth, in_.DX)) {
      Invalidate(Rect(in_.FixedWidth, 0, cw_, ch_));
      return;
    }
    const int d = in_.ColsFitRight;
    if (in_.FocusFrameOnFixedCol) {
      Invalidate(Rect(in_.FixedWidth - 1, 0, in_.FixedWidth, ch_));
      Update();
    }
    Scroll(Rect(in_.FixedWidth, 0, d, ch_), in_.DX, 0);
    Show(Rect(d + in_.DX, 0, cw_, ch_), false);
  }

  void ContentRight()
  {
    if (!WorthScrolling(cw_, in_.FixedWidth, in_.DX)) {
      Invalidate(Rect(in_.FixedWidth, 0, cw_, ch_));
      return;
    }
    Scroll(Rect(in_.FixedWidth, 0, cw_, ch_), in_.DX, 0);
    Show(Rect(in_.FixedWidth - 1, 0, in_.FixedWidth + in_.DX, ch_), false);
  }

  void BaseScroll() { plan_.push_back({TtsScrollStepKind::BaseScroll, Rect(0, 0, cw_, ch_), in_.DX, in_.DY}); }

  void ColsBesideCell()
  {
    const TRect& k = in_.KeepRect;
    if (in_.DX < 0) {
      Scroll(Rect(in_.FixedWidth, 0, k.Left - 3, ch_), in_.DX, 0);
      Show(Rect(k.Left - 3 + in_.DX, 0, cw_, ch_), true);
    } else if (in_.DX > 0) {
      Scroll(Rect(k.Right, 0, cw_, ch_), in_.DX, 0);
      Show(Rect(in_.FixedWidth, 0, k.Right + in_.DX, ch_), true);
    }
  }

  void RowsBesideCell()
  {
    const TRect& k = in_.KeepRect;
    if (in_.DY < 0) {
      if (k.Bottom + in_.DY > in_.FixedHeight) {
        Scroll(Rect(0, in_.FixedHeight, cw_, k.Top), 0, in_.DY);
        Show(Rect(0, k.Top + in_.DY, cw_, ch_), true);
      } else {
        ContentUp();
        Update();
      }
      return;
    }
    if (k.Top + in_.DY < ch_) {
      Scroll(Rect(0, k.Bottom, cw_, in_.LastRowBottom), 0, in_.DY);
      const TRect strip = Rect(0, in_.FixedHeight, cw_, k.Bottom + in_.DY);
      Validate(strip);
      Invalidate(strip);
      Update();
    } else {
      ContentDown();
      Update();
    }
  }

  void RowsBesideRow()
  {
    const TRect& p = in_.KeepRowRect;
    if (in_.DY < 0) {
      Scroll(Rect(0, in_.FixedHeight, cw_, p.Top), 0, in_.DY);
      Show(Rect(0, p.Top + in_.DY, cw_, ch_), true);
    } else if (in_.DY > 0) {
      const int t = std::max(p.Bottom + in_.HorzLineWidth, in_.FixedHeight);
      Scroll(Rect(0, t, cw_, in_.LastRowBottom), 0, in_.DY);
      Show(Rect(0, in_.FixedHeight, cw_, t + in_.DY), true);
    }
  }

  const TtsScrollInput& in_;
  int cw_;
  int ch_;
  TtsScrollPlan plan_;
};

}  // namespace

TtsScrollPlan PlanScroll(const TtsScrollInput& input) { return Planner(input).Plan(); }

}  // namespace grid
