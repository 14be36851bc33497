#include "platform/FileDialogs.h"

#include "platform/Application.h"
#include "platform/MessageDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QFileInfo>

namespace platform {

QStringList TFileDialog::QtNameFilters() const
{
  QStringList result;
  const QStringList parts = Filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    result.append(parts[i] + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')'));
  }
  return result;
}

QString TFileDialog::Describe() const
{
  return QStringLiteral("%1 \"%2\"").arg(ModalKindName(Kind()), Title);
}

bool TFileDialog::Execute()
{
  Files.clear();
  if (RunModal(*this, [this] { return ShowForReal(); }) != mrOk)
    return false;
  return AcceptChoice();
}

void SizeDetailColumns(QFileDialog& dialog)
{
  // The name takes the room left; size, type and date are as wide as what they show.
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!view)
    return;  // the desktop's own dialog lays itself out
  QHeaderView& header = *view->header();
  header.setStretchLastSection(false);
  header.setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header.count(); ++column)
    header.setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

TModalResult TFileDialog::ShowForReal()
{
  QFileDialog dialog(ActiveWindowOrNull(), Title);
  dialog.setAcceptMode(IsSave() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // The overwrite prompt is ours (AcceptChoice), the same with and without a script.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (IsSave())
    dialog.setFileMode(QFileDialog::AnyFile);
  else if (Options & ofAllowMultiSelect)
    dialog.setFileMode(QFileDialog::ExistingFiles);
  else
    dialog.setFileMode((Options & ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  const QStringList filters = QtNameFilters();
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (FilterIndex >= 1 && FilterIndex <= filters.size())
      dialog.selectNameFilter(filters[FilterIndex - 1]);
  }
  if (!DefaultExt.isEmpty())
    dialog.setDefaultSuffix(DefaultExt);
  const QFileInfo proposed(FileName);
  if (!InitialDir.isEmpty())
    dialog.setDirectory(InitialDir);
  else if (!FileName.isEmpty() && proposed.isAbsolute())
    dialog.setDirectory(proposed.absolutePath());
  if (!FileName.isEmpty())
    dialog.selectFile(proposed.fileName());
  SizeDetailColumns(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return mrCancel;
  Files = dialog.selectedFiles();
  FileName = Files.first();
  const int index = filters.indexOf(dialog.selectedNameFilter());
  if (index >= 0)
    FilterIndex = index + 1;
  return mrOk;
}

bool TFileDialog::AcceptChoice()
{
  if (FileName.isEmpty())
    return false;
  QFileInfo info(FileName);
  if (info.isRelative() && !InitialDir.isEmpty())
    info.setFile(QDir(InitialDir), FileName);
  if (!DefaultExt.isEmpty() && info.suffix().isEmpty() && !info.exists())
    info.setFile(info.filePath() + QLatin1Char('.') + DefaultExt);
  FileName = QDir::cleanPath(info.absoluteFilePath());
  if (Files.isEmpty())
    Files.append(FileName);

  if ((Options & ofPathMustExist) && !QFileInfo(info.absolutePath()).isDir()) {
    MessageDlg(QStringLiteral("The folder of %1 does not exist.").arg(QDir::toNativeSeparators(FileName)),
               mtError, mbOK);
    return false;
  }
  if (!IsSave() && (Options & ofFileMustExist) && !info.isFile()) {
    MessageDlg(QStringLiteral("File not found: %1").arg(QDir::toNativeSeparators(FileName)), mtError, mbOK);
    return false;
  }
  if (IsSave() && (Options & ofOverwritePrompt) && info.exists()) {
    const QString question = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                 .arg(QDir::toNativeSeparators(FileName));
    if (MessageBoxCaptioned(question, Title, mtWarning, mbYesNo) != mrYes)
      return false;
  }
  return true;
}

}  // namespace platform
