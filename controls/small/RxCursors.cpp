#include "controls/small/RxCursors.h"

namespace controls {

void RegisterRxCursors()
{
  if (platform::IsCursorRegistered(crHand))
    return;
  platform::RegisterCursor(crHand, QCursor(Qt::PointingHandCursor));
  platform::RegisterCursor(crDragHand, QCursor(Qt::ClosedHandCursor));
}

}  // namespace controls
