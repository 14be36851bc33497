#include "platform/Shell.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/MessageDlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace platform {

namespace {

std::function<bool(const QUrl&)>& Opener()
{
  static std::function<bool(const QUrl&)> opener;
  return opener;
}

bool Open(const QUrl& url)
{
  if (Opener())
    return Opener()(url);
  return QDesktopServices::openUrl(url);
}

}  // namespace

void SetUrlOpener(std::function<bool(const QUrl&)> opener)
{
  Opener() = std::move(opener);
}

bool OpenUrl(const QString& url)
{
  const QUrl parsed = QUrl::fromUserInput(url);
  if (parsed.isValid() && Open(parsed))
    return true;
  MessageDlg(QStringLiteral("Can't open ") + url, mtError, mbOK);
  return false;
}

bool OpenDocument(const QString& path)
{
  if (!QFileInfo::exists(path)) {
    MessageDlg(QString::fromLatin1(kCantOpenFile) + QDir::toNativeSeparators(path), mtError, mbOK);
    return false;
  }
  if (Open(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())))
    return true;
  MessageDlg(QString::fromLatin1(kNoProgramToOpen) + QDir::toNativeSeparators(path), mtError, mbOK);
  return false;
}

bool ShowHelp(const QString& helpFile)
{
  const QString page = ProgramFolder() + QFileInfo(helpFile).completeBaseName() + QStringLiteral(".html");
  if (!QFileInfo::exists(page)) {
    MessageDlg(QString::fromLatin1(kNoHelpInstalled), mtInformation, mbOK);
    return false;
  }
  return OpenDocument(page);
}

}  // namespace platform
