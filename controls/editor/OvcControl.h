#pragma once
// The bases of the editor library's controls: focus reported after the fact, the wheel event, and the
// controller reference that a control finds on its form when its window is created.

#include "controls/editor/AttachedLabel.h"
#include "platform/CustomControl.h"

#include <functional>
#include <memory>

namespace controls {

class TOvcController;

class TOvcCustomControl : public platform::CustomControl {
 public:
  explicit TOvcCustomControl(QWidget* parent = nullptr);

  const char* About() const;
  // The attached caption label: its offsets, whether it shows, above or below the control.
  TOvcLabelInfo& LabelInfo() { return *labelInfo_; }
  // Raises "Label not attached" while LabelInfo().Visible() is false.
  TOvcAttachedLabel& AttachedLabel() const { return labelInfo_->Label(); }

  // Fired after the focus arrived or left, once the focus change is complete (queued calls).
  std::function<void(TOvcCustomControl&)> AfterEnter;
  std::function<void(TOvcCustomControl&)> AfterExit;
  std::function<void(TOvcCustomControl&, platform::TShiftState, int delta, int x, int y)> OnMouseWheel;

 protected:
  virtual void DoOnMouseWheel(platform::TShiftState shift, int delta, int x, int y);

  void FocusIn() override;
  void FocusOut() override;
  bool MouseWheel(platform::TShiftState shift, int delta, int x, int y) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  std::unique_ptr<TOvcLabelInfo> labelInfo_;
};

class TOvcCustomControlEx : public TOvcCustomControl {
 public:
  explicit TOvcCustomControlEx(QWidget* parent = nullptr);
  ~TOvcCustomControlEx() override;

  TOvcController* Controller() const { return controller_; }
  virtual void SetController(TOvcController* controller);

  // Makes sure the control has a controller: when none is set, the first one of its form; raises
  // ENoControllerAssigned when the form has none. Runs once, before the control is first shown.
  void HandleNeeded();
  bool HandleAllocated() const { return handleAllocated_; }

 protected:
  virtual void CreateWnd() {}
  void showEvent(QShowEvent* event) override;

 private:
  TOvcController* controller_ = nullptr;
  bool handleAllocated_ = false;
};

// The base of the editor; adds nothing of its own.
class TOvcEditBase : public TOvcCustomControlEx {
 public:
  using TOvcCustomControlEx::TOvcCustomControlEx;
};

}  // namespace controls
