#pragma once
// Drag and drop between the program's controls. A drag begins at BeginDrag (or at a left press on a
// control whose DragMode is automatic) and starts once the mouse has moved the threshold: the source's
// OnStartDrag runs, and while the left button is held the control under the mouse (the nearest one
// that has drag events) gets OnDragOver: enter, then a move at every step, leave when the mouse goes on.
// Releasing asks the target once more (leave); when it accepts, its OnDragDrop runs. The source's
// OnEndDrag ends every drag: with the target and its point, or with none and (0, 0). Escape cancels.
// Points are in the receiving control's client pixels.

#include "platform/Cursors.h"

#include <QPoint>
#include <functional>

class QWidget;

namespace platform {

enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum class TDragMode { dmManual, dmAutomatic };

struct TDragEvents {
  // Accept starts true; a control without OnDragOver accepts nothing.
  std::function<void(QWidget* source, int x, int y, TDragState state, bool& accept)> OnDragOver;
  std::function<void(QWidget* source, int x, int y)> OnDragDrop;
  std::function<void()> OnStartDrag;
  std::function<void(QWidget* target, int x, int y)> OnEndDrag;  // target null: nothing took it
  TDragMode DragMode = TDragMode::dmManual;
  TCursor DragCursor = crDrag;  // shown over a target that accepts; crNoDrop elsewhere
};

// The drag events of a control, made on first use; they live as long as the control.
TDragEvents& DragEvents(QWidget& control);
TDragEvents* FindDragEvents(const QWidget& control);

inline constexpr int kDragThreshold = 5;  // pixels the mouse moves before a pending drag starts

// Immediate: the drag starts now; otherwise once the mouse has moved `threshold` pixels. Nothing
// while another drag is under way.
void BeginDrag(QWidget& control, bool immediate = true, int threshold = kDragThreshold);
void EndDrag(bool drop);  // drop at the last point (when the target accepts), or cancel
void CancelDrag();
bool Dragging();                        // begun and not ended (started or pending)
bool Dragging(const QWidget& control);  // with this control as the source
QWidget* DragTarget();                  // the control under the mouse, or null

// What the mouse does during a drag, in screen pixels; the event filter calls these, tests may too.
void DragMouseMove(QPoint global);
void DragMouseUp(QPoint global);

}  // namespace platform
