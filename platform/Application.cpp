#include "platform/Application.h"

#include "platform/ExceptionBoundary.h"

#include <QCursor>
#include <QDir>
#include <QFont>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {

QString& Title()
{
  static QString title;
  return title;
}

QString& FolderOverride()
{
  static QString folder;
  return folder;
}

bool quitPending = false;

QString WithSeparator(QString folder)
{
  folder = QDir::fromNativeSeparators(folder);
  if (!folder.endsWith(QLatin1Char('/')))
    folder += QLatin1Char('/');
  return folder;
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
  const int type = event->type();
  const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride;
  if (key) {
    // The user's keys may arrive while a handler pumps messages; a key sent on by code may not return.
    const bool again = std::any_of(keyDeliveries_.begin(), keyDeliveries_.end(), [&](const KeyDelivery& d) {
      return d.Receiver == receiver && d.Type == type;
    });
    if (again && !event->spontaneous()) {
      event->ignore();
      return false;
    }
    keyDeliveries_.push_back({receiver, type});
  }
  const auto delivered = qScopeGuard([&] {
    if (key)
      keyDeliveries_.pop_back();
  });
  bool result = false;
  Guard([&] { result = QApplication::notify(receiver, event); });
  return result;
}

QString ApplicationTitle()
{
  if (Title().isEmpty())
    return QCoreApplication::applicationName();
  return Title();
}

void SetApplicationTitle(const QString& title)
{
  Title() = title;
}

QString ProgramFolder()
{
  if (!FolderOverride().isEmpty())
    return FolderOverride();
  return WithSeparator(QCoreApplication::applicationDirPath());
}

void SetProgramFolder(const QString& folder)
{
  FolderOverride() = folder.isEmpty() ? QString() : WithSeparator(folder);
}

bool PumpMessages()
{
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return !quitPending;
}

bool QuitPending()
{
  return quitPending;
}

void RequestQuit()
{
  quitPending = true;
  QCoreApplication::quit();
}

void ClearQuitPending()
{
  quitPending = false;
}

void Beep()
{
  QApplication::beep();
}

QWidget* ActiveWindowOrNull()
{
  return QApplication::activeWindow();
}

void ApplyStandardLook(QApplication& app)
{
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
    app.setStyle(fusion);
  // Pixel size and no hinting: the same metrics on every desktop and under the offscreen platform.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  app.setFont(font);
  app.setPalette(app.style()->standardPalette());
}

HourglassCursor::HourglassCursor()
{
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

HourglassCursor::~HourglassCursor()
{
  QApplication::restoreOverrideCursor();
}

}  // namespace platform
