#pragma once
// How the grid moves its pixels when the top-left cell changes: which strips are scrolled, which
// are repainted. The plan is data, so the choice between blitting and repainting is testable; the
// window then carries it out on its back buffer.

#include "platform/CanvasTypes.h"

#include <vector>

namespace grid {

enum class TtsScrollStepKind {
  Scroll,      // move the pixels of Rect (scroll and clip rectangle) by DX, DY
  BaseScroll,  // headings, row titles and data area moved apart
  Validate,
  Invalidate,
  Update,      // paint what is invalid now
};

struct TtsScrollStep {
  TtsScrollStepKind Kind;
  platform::TRect Rect{};
  int DX = 0;
  int DY = 0;
  friend bool operator==(const TtsScrollStep&, const TtsScrollStep&) = default;
};

using TtsScrollPlan = std::vector<TtsScrollStep>;

struct TtsScrollInput {
  int DX = 0;  // negative: the content moves left
  int DY = 0;  // negative: the content moves up
  int Mode = 0;  // 0 plain, 1 around the previous current cell, 2 around its row
  int ClientWidth = 0;
  int ClientHeight = 0;
  int FixedWidth = 0;
  int FixedHeight = 0;
  int HorzLineWidth = 0;
  // FixedHeight + |DY| + the rows from the top row that fit within the client height (at most it);
  // the same for the columns.
  int RowsFitBottom = 0;
  int ColsFitRight = 0;
  int LastRowBottom = 0;  // bottom of the last visible row with its line, at most the client height
  bool FocusFrameOnFixedRow = false;
  bool FocusFrameOnFixedCol = false;
  platform::TRect KeepRect{};     // the previous current cell (all zero: none)
  platform::TRect KeepRowRect{};  // its row bar cell
  bool DirectPaint = true;        // false: the whole grid is invalidated
};

TtsScrollPlan PlanScroll(const TtsScrollInput& input);

}  // namespace grid
