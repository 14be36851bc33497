#include "plotui/print/MarginDrag.h"

#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cstdlib>

namespace plotui {

void TMarginDrag::Place(const platform::TRect& area)
{
  area_ = area;
  position_[mlTop] = area.Top;
  position_[mlBottom] = area.Bottom;
  position_[mlLeft] = area.Left;
  position_[mlRight] = area.Right;
}

bool TMarginDrag::Near(TMarginLine line, int x, int y) const
{
  return std::abs((Horizontal(line) ? y : x) - position_[line]) <= kMarginLineReach;
}

platform::TCursor TMarginDrag::CursorAt(int x, int y, platform::TCursor inside) const
{
  const auto near = [&](TMarginLine line) { return Near(line, x, y); };
  if ((near(mlTop) && near(mlLeft)) || (near(mlBottom) && near(mlRight)))
    return platform::crSizeNWSE;
  if ((near(mlTop) && near(mlRight)) || (near(mlBottom) && near(mlLeft)))
    return platform::crSizeNESW;
  if (near(mlTop) || near(mlBottom))
    return platform::crSizeNS;
  if (near(mlLeft) || near(mlRight))
    return platform::crSizeWE;
  if (x >= area_.Left && x <= area_.Right && y >= area_.Top && y <= area_.Bottom)
    return inside;
  return platform::crDefault;
}

bool TMarginDrag::Press(int x, int y)
{
  lastX_ = x;
  lastY_ = y;
  start_ = position_;
  bool any = false;
  for (int i = 0; i < 4; ++i) {
    dragging_[i] = Near(TMarginLine(i), x, y);
    any = any || dragging_[i];
  }
  wholeArea_ = !any && x >= area_.Left && x <= area_.Right && y >= area_.Top && y <= area_.Bottom;
  if (wholeArea_)
    dragging_.fill(true);
  active_ = any || wholeArea_;
  return active_;
}

bool TMarginDrag::Move(int x, int y)
{
  if (!active_)
    return false;
  bool moved = false;
  for (int i = 0; i < 4; ++i) {
    if (!dragging_[i])
      continue;
    const int step = Horizontal(TMarginLine(i)) ? y - lastY_ : x - lastX_;
    position_[i] += step;
    moved = moved || step != 0;
  }
  lastX_ = x;
  lastY_ = y;
  return moved;
}

TPrintMargins TMarginDrag::Release(int x, int y, const TPrintMargins& margins, double f, double pageWidthMm,
                                   double pageHeightMm)
{
  Move(x, y);
  active_ = false;
  const auto moved = [&](TMarginLine line) {
    return dragging_[line] && f > 0 ? platform::SafeRound((position_[line] - start_[line]) / f) : 0;
  };
  // The lines keep at least 1 mm between them, and no margin goes below 0.
  const int pageW = int(pageWidthMm);
  const int pageH = int(pageHeightMm);
  TPrintMargins m = margins;
  if (wholeArea_) {
    const int dx = std::clamp(moved(mlLeft), -margins.Left, std::max(margins.Right, -margins.Left));
    const int dy = std::clamp(moved(mlTop), -margins.Top, std::max(margins.Bottom, -margins.Top));
    m.Left += dx;
    m.Right -= dx;
    m.Top += dy;
    m.Bottom -= dy;
    return m;
  }
  const auto keep = [](int value, int room) { return std::clamp(value, 0, std::max(room, 0)); };
  if (dragging_[mlLeft])
    m.Left = keep(m.Left + moved(mlLeft), pageW - m.Right - 1);
  if (dragging_[mlRight])
    m.Right = keep(m.Right - moved(mlRight), pageW - m.Left - 1);
  if (dragging_[mlTop])
    m.Top = keep(m.Top + moved(mlTop), pageH - m.Bottom - 1);
  if (dragging_[mlBottom])
    m.Bottom = keep(m.Bottom - moved(mlBottom), pageH - m.Top - 1);
  return m;
}

}  // namespace plotui
