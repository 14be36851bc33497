#pragma once
// A canvas that keeps its calls as data instead of drawing them: the metafile canvas, and the
// canvas tests draw on to check order and geometry. Text is measured as on the screen.

#include "platform/Canvas.h"

#include <string>
#include <vector>

namespace platform {

class TRecordingCanvas : public TCanvas {
public:
  // The calls so far, drawing and state calls in order.
  const std::vector<TCanvasRecord>& Records() const { return records_; }
  std::vector<TCanvasRecord> TakeRecords() { return std::move(records_); }
  // The drawing calls as text, e.g. "Rectangle(0,0,10,10)".
  std::vector<std::string> Calls() const;
  void Clear() { records_.clear(); }

  TRect DeviceBounds() const override { return bounds_; }
  void SetDeviceBounds(const TRect& bounds) { bounds_ = bounds; }

protected:
  void Render(const TCanvasCall& call) override { records_.push_back(call.ToRecord()); }
  void StateCall(const TCanvasCall& call) override { records_.push_back(call.ToRecord()); }

private:
  std::vector<TCanvasRecord> records_;
  TRect bounds_;
};

}  // namespace platform
