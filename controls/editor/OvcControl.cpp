#include "controls/editor/OvcControl.h"

#include "controls/editor/Controller.h"
#include "controls/editor/Exceptions.h"
#include "platform/ExceptionBoundary.h"

#include <QMetaObject>

namespace controls {

TOvcCustomControl::TOvcCustomControl(QWidget* parent)
    : platform::CustomControl(parent), labelInfo_(std::make_unique<TOvcLabelInfo>(*this))
{
}

void TOvcCustomControl::moveEvent(QMoveEvent* event)
{
  platform::CustomControl::moveEvent(event);
  labelInfo_->Place();
}

void TOvcCustomControl::resizeEvent(QResizeEvent* event)
{
  platform::CustomControl::resizeEvent(event);
  labelInfo_->Place();
}

void TOvcCustomControl::showEvent(QShowEvent* event)
{
  platform::CustomControl::showEvent(event);
  labelInfo_->ControlShown(true);
}

void TOvcCustomControl::hideEvent(QHideEvent* event)
{
  platform::CustomControl::hideEvent(event);
  labelInfo_->ControlShown(false);
}

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
