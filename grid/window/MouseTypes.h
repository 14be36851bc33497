#pragma once
// The grid's mouse: the one action under way, where a click landed, the mouse events, and the
// state a press leaves for the moves and the release that follow it.

#include "platform/CanvasTypes.h"
#include "platform/CustomControl.h"
#include "platform/Timer.h"
#include "platform/VirtualKeys.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace grid {

class TtsBaseGrid;

enum TtsMouseStatus : std::uint8_t {
  msNone,
  msRowSelect,
  msColSelect,
  msCellSelect,
  msSelectAll,
  msRowResize,
  msColResize,
  msHeadingResize,
  msRowBarResize,
  msRowMove,
  msColMove,
  msCellButton,
  msHeadingButton,
};

inline bool IsResizeStatus(TtsMouseStatus s) { return s >= msRowResize && s <= msRowBarResize; }
inline bool IsColSizing(TtsMouseStatus s) { return s == msColResize || s == msRowBarResize; }
inline bool IsRowSizing(TtsMouseStatus s) { return s == msRowResize || s == msHeadingResize; }

enum TtsClickPosition : std::uint8_t { cpHeading, cpRowBar, cpCorner, cpCell, cpOutside };

// Where a click on data column and row landed.
TtsClickPosition ClickPositionOf(int dataCol, int dataRow);

using TtsMouseStatusChangedEvent =
    std::function<void(TtsBaseGrid& sender, TtsMouseStatus oldStatus, TtsMouseStatus newStatus)>;
using TtsClickCellEvent = std::function<void(TtsBaseGrid& sender, int dataColDown, int dataRowDown, int dataColUp,
                                             int dataRowUp, TtsClickPosition downPos, TtsClickPosition upPos)>;
using TtsDblClickCellEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, TtsClickPosition pos)>;
using TtsMouseButtonEvent = std::function<void(TtsBaseGrid& sender, platform::TMouseButton button,
                                               platform::TShiftState shift, int x, int y)>;
using TtsMouseMoveEvent = std::function<void(TtsBaseGrid& sender, platform::TShiftState shift, int x, int y)>;
using TtsSenderEvent = std::function<void(TtsBaseGrid& sender)>;
using TtsSpinButtonEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, int spinButton)>;
using TtsSpinRepeatEvent =
    std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, int count, int spinButton)>;

// The mouse events of the grid, beside its other events.
struct TtsMouseEvents {
  TtsSenderEvent OnClick;
  TtsSenderEvent OnDblClick;
  TtsSenderEvent OnEnter;
  TtsSenderEvent OnExit;
  TtsClickCellEvent OnClickCell;
  TtsDblClickCellEvent OnDblClickCell;
  TtsMouseButtonEvent OnMouseDown;
  TtsMouseButtonEvent OnMouseUp;
  TtsMouseMoveEvent OnMouseMove;
  TtsMouseStatusChangedEvent OnMouseStatusChanged;
  // A press in the selected area without Shift or Ctrl; a handler may start a drag and drop.
  TtsSenderEvent OnCanStartDrag;
  TtsSpinButtonEvent OnSpinButtonDown;
  TtsSpinButtonEvent OnSpinButtonUp;
  TtsSpinButtonEvent OnSpinButtonClick;
  TtsSpinRepeatEvent OnSpinRepeat;
};

// An inverted line of mouse feedback on the window; dotted ones invert every other pixel.
struct TtsFeedbackLine {
  platform::TRect Rect;
  bool Dotted = false;
  friend bool operator==(const TtsFeedbackLine&, const TtsFeedbackLine&) = default;
};

// What a press leaves for the moves and the release.
struct TtsMouseState {
  TtsMouseStatus Status = msNone;
  TtsMouseStatus Reported = msNone;
  bool Captured = false;  // from a left press to its release, unless released earlier
  bool DblClickHandled = false;
  bool PressForwardPending = false;
  bool Forwarded = false;  // the press went on to the in-cell editor, and its moves and release follow
  platform::TPoint PressPoint{};
  platform::TPoint DownCell{-1, -1};
  platform::TPoint UpCell{-1, -1};
  bool BorderDblClick = false;
  bool InMouseMove = false;
  platform::TPoint Hover{-1, -1};
  platform::TPoint LastMove{-1, -1};  // the pointer at the last move (client)
  // Resizing.
  int ResizeIndex = 0;
  int ResizeLinePos = 0;
  int ResizeOffset = 0;
  // Selection drags.
  int SelectEndCol = 0;
  int SelectEndRow = 0;
  platform::TRect SelectionAnchor{};
  bool AutoscrollBlocked = false;  // a drop-down list just opened: no autoscroll until the pointer is inside
  bool InDataArea = false;
  // A drop-down list: the next move over it from its owner's held combo button hands the press on.
  bool CaptureHandOver = false;
  // The owner: its press went on in the drop-down list, and the moves and the release follow it there.
  bool HandedOver = false;
  // Moving.
  int MoveTarget = 0;
  int MoveSource = 0;
  bool ColMoveAtEnd = false;
  bool RowMoveAtEnd = false;
  bool ColMoveLineShown = false;
  bool RowMoveLineShown = false;
  // Cell buttons: a press pending on a button part.
  bool ButtonPressPending = false;
  int PendingPart = 0;
  // Sizes the mouse set, and what the program had set before (for the double-click restore).
  int MouseDefaultColWidth = -1;
  int ProgramDefaultColWidth = 64;
  int MouseDefaultRowHeight = -1;
  int ProgramDefaultRowHeight = 0;
  // The autoscroll loop: its direction by axis (-1, 0, 1) and the pointer when it began (screen).
  int ScrollDx = 0;
  int ScrollDy = 0;
  platform::TPoint ScrollStart{};
  // Feedback lines shown on the window.
  std::vector<TtsFeedbackLine> Feedback;
};

}  // namespace grid
