#include "tools/PrintJob.h"

#include "platform/MessageDlg.h"
#include "platform/Printer.h"

#include <QDir>
#include <QFileInfo>
#include <exception>

namespace tools {

QString FreeFileName(const QString& path)
{
  const QFileInfo info(path);
  QString candidate = path;
  for (int n = 2; QFileInfo::exists(candidate); ++n)
    candidate = info.dir().filePath(QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
  return candidate;
}

void RunPrintJob(const QString& title, const QString& printedTo, const std::function<void()>& print)
{
  platform::TPrinter& printer = platform::Printer();
  const bool toFile = printer.IsPdfPrinter();
  const bool nameSet = printer.FileNameSet();
  printer.SetTitle(title);
  const QString chosen = printer.FileName();
  const QString path = FreeFileName(chosen);
  if (toFile)
    printer.SetFileName(path);
  QString failure;
  try {
    print();
  } catch (const std::exception& error) {  // no printer, or the printer failed
    failure = QString::fromUtf8(error.what());
  }
  if (toFile)
    printer.SetFileName(nameSet ? chosen : QString());
  if (!failure.isEmpty())
    platform::ShowError(failure);
  else if (toFile)
    platform::MessageDlg(printedTo + QDir::toNativeSeparators(path), platform::mtInformation, platform::mbOK);
}

}  // namespace tools
