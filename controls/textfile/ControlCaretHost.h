#pragma once
// A caret host over a library control's own caret: what TOvcSingleCaret shows the viewer's caret through.

#include "controls/editor/CaretHost.h"
#include "controls/editor/OvcControl.h"

namespace controls {

class TControlCaretHost : public TOvcCaretHost {
 public:
  explicit TControlCaretHost(TOvcCustomControlEx& control) : control_(control) {}

  bool HasWindow() const override { return control_.HandleAllocated(); }
  void CreateCaret(const TCaretBitmap* bitmap, int width, int height, bool gray) override;
  void DestroyCaret() override { control_.DestroyCaret(); }
  void ShowCaret() override { control_.ShowCaret(); }
  void HideCaret() override { control_.HideCaret(); }
  void SetCaretPos(int x, int y) override { control_.SetCaretPos(x, y); }
  void SetCaretBlinkTime(int milliseconds) override;

 private:
  TOvcCustomControlEx& control_;
};

}  // namespace controls
