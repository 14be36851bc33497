#include "controls/editor/OvcControl.h"

#include "controls/editor/Controller.h"
#include "controls/editor/Exceptions.h"
#include "platform/ExceptionBoundary.h"

#include <QMetaObject>

namespace controls {

TOvcCustomControl::TOvcCustomControl(QWidget* parent) : platform::CustomControl(parent) {}

const char* TOvcCustomControl::About() const { return OvcAbout; }

void TOvcCustomControl::DoOnMouseWheel(platform::TShiftState shift, int delta, int x, int y)
{
  if (OnMouseWheel)
    OnMouseWheel(*this, shift, delta, x, y);
}

void TOvcCustomControl::FocusIn()
{
  // A queued call: dropped when the control is destroyed before it runs.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (AfterEnter)
          AfterEnter(*this);
      },
      Qt::QueuedConnection);
}

void TOvcCustomControl::FocusOut()
{
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (AfterExit)
          AfterExit(*this);
      },
      Qt::QueuedConnection);
}

bool TOvcCustomControl::MouseWheel(platform::TShiftState shift, int delta, int x, int y)
{
  DoOnMouseWheel(shift, delta, x, y);
  return true;
}

TOvcCustomControlEx::TOvcCustomControlEx(QWidget* parent) : TOvcCustomControl(parent) {}

TOvcCustomControlEx::~TOvcCustomControlEx()
{
  if (controller_)
    controller_->RemoveDestroyHook(this);
}

void TOvcCustomControlEx::SetController(TOvcController* controller)
{
  if (controller_ == controller)
    return;
  if (controller_)
    controller_->RemoveDestroyHook(this);
  controller_ = controller;
  if (controller_)
    controller_->AddDestroyHook(this, [this] { controller_ = nullptr; });
}

void TOvcCustomControlEx::HandleNeeded()
{
  if (handleAllocated_)
    return;
  if (!controller_) {
    TOvcController* found = TOvcController::ControllerOf(window());
    if (!found)
      throw ENoControllerAssigned();
    SetController(found);
  }
  handleAllocated_ = true;
  CreateWnd();
}

void TOvcCustomControlEx::showEvent(QShowEvent* event)
{
  try {
    HandleNeeded();
  } catch (...) {
    platform::ShowCurrentExceptionLater();
  }
  TOvcCustomControl::showEvent(event);
}

}  // namespace controls
