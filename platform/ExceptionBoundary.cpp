#include "platform/ExceptionBoundary.h"

#include "platform/Exceptions.h"
#include "platform/MessageDlg.h"

#include <QCoreApplication>
#include <QString>
#include <QTimer>
#include <cstdio>

namespace platform {

namespace {

QString CurrentMessage()
{
  try {
    throw;
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return QStringLiteral("Unknown error");
  }
}

bool deferredMessageWaiting = false;

void Show(const QString& message) noexcept
{
  try {
    MessageDlg(message, mtError, mbOK);
  } catch (...) {
    std::fprintf(stderr, "Unhandled error: %s\n", message.toLocal8Bit().constData());
  }
}

}  // namespace

void ShowCurrentExceptionLater() noexcept
{
  try {
    const QString message = CurrentMessage();
    if (deferredMessageWaiting || !QCoreApplication::instance())
      return;
    deferredMessageWaiting = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [message] {
      Show(message);
      deferredMessageWaiting = false;
    });
  } catch (...) {
  }
}

void ShowCurrentException() noexcept
{
  // The box itself must not throw back into Qt either; a failure here is only logged.
  try {
    Show(CurrentMessage());
  } catch (...) {
  }
}

}  // namespace platform
