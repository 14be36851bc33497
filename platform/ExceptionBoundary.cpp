#include "platform/ExceptionBoundary.h"

#include "platform/Exceptions.h"
#include "platform/MessageDlg.h"

#include <QString>
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

}  // namespace

void ShowCurrentException() noexcept
{
  // The box itself must not throw back into Qt either; a failure here is only logged.
  try {
    const QString message = CurrentMessage();
    try {
      MessageDlg(message, mtError, mbOK);
    } catch (...) {
      std::fprintf(stderr, "Unhandled error: %s\n", message.toLocal8Bit().constData());
    }
  } catch (...) {
  }
}

}  // namespace platform
