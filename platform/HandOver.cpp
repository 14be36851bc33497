#include "platform/HandOver.h"

#include "platform/ExceptionBoundary.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace platform {

bool HandOverSender::Post(std::function<void()> work) const
{
  QCoreApplication* app = QCoreApplication::instance();
  if (!OwnerAlive() || !app)
    return false;
  // Queued on the application object, which outlives every owner; the owner is checked when it runs.
  QMetaObject::invokeMethod(
      app,
      [alive = alive_, work = std::move(work)] {
        if (alive->load())
          Guard(work);
      },
      Qt::QueuedConnection);
  return true;
}

HandOver::HandOver() : alive_(std::make_shared<std::atomic<bool>>(true)) {}

HandOver::~HandOver()
{
  alive_->store(false);
}

}  // namespace platform
