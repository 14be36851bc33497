#include "platform/CanvasRecording.h"

namespace platform {

std::vector<std::string> TRecordingCanvas::Calls() const
{
  std::vector<std::string> calls;
  for (const TCanvasRecord& r : records_)
    if (r.IsDrawing())
      calls.push_back(r.ToString());
  return calls;
}

}  // namespace platform
