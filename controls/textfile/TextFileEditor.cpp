#include "controls/textfile/TextFileEditor.h"

#include "controls/editor/Exceptions.h"
#include "controls/editor/LibraryStrings.h"
#include "controls/editor/ParaList.h"
#include "controls/editor/TextColumns.h"
#include "controls/textfile/TextFileLines.h"

#include "platform/Application.h"
#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/TextFile.h"

#include <QFile>
#include <algorithm>

namespace controls {

namespace {

QString WithoutTrailingStop(const QString& name)
{
  if (name.size() >= 2 && name.endsWith(QLatin1Char('.')))
    return name.left(name.size() - 1);
  return name;
}

// The library's text for a store code met while loading.
std::string LoadErrorText(int code)
{
  switch (code) {
    case ecTooManyParas:
      return GetLibraryString(30198);
    case ecBufferTooBig:
      return GetLibraryString(30200);
    case ecParaTooLong:
      return GetLibraryString(30201);
    default:
      return GetLibraryString(30197);
  }
}

}  // namespace

QString BackupFileName(const QString& name, std::string_view ext)
{
  const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString base = dot > slash ? name.left(dot) : name;
  return base + QLatin1Char('.') + QString::fromLatin1(ext.data(), qsizetype(ext.size()));
}

TOvcCustomTextFileEditor::TOvcCustomTextFileEditor(QWidget* parent) : TOvcCustomEditor(parent) {}

void TOvcCustomTextFileEditor::SetBackupExt(std::string_view ext)
{
  backupExt_ = std::string(ext.substr(0, 3));
}

void TOvcCustomTextFileEditor::SetFileName(const QString& name)
{
  if (name.compare(fileName_, Qt::CaseInsensitive) == 0)
    return;
  isOpen_ = false;
  fileName_ = WithoutTrailingStop(name);
}

void TOvcCustomTextFileEditor::SetIsOpen(bool open)
{
  if (open == isOpen_ || fileName_.isEmpty())
    return;
  isOpen_ = open;
  if (open) {
    LoadFromFile(fileName_);
    return;
  }
  utf8_ = false;
  ClearText(true);
  RefreshView(true);
}

void TOvcCustomTextFileEditor::LoadFromFile(const QString& name)
{
  if (name.isEmpty())
    return;
  fileName_ = WithoutTrailingStop(name);
  const platform::HourglassCursor busy;
  try {
    const QByteArray bytes = platform::ReadFileBytes(fileName_);
    const platform::TLatin1Text text =
        platform::Latin1FromFileBytes(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    ClearText(true);
    utf8_ = text.Utf8;
    // The scroll bar shows once the text outgrows the view, so a long load shows it early.
    bool outgrown = false;
    for (const std::string& line : SplitTextFileLines(text.Text)) {
      AppendLine(line);
      if (!outgrown && HandleAllocated() && GetLineCount() > VisibleRows()) {
        outgrown = true;
        RefreshView(true);
      }
    }
    RefreshView(true);
    isOpen_ = true;
  } catch (...) {
    SetIsOpen(false);
    throw;
  }
}

void TOvcCustomTextFileEditor::AppendLine(std::string_view text)
{
  if (const int code = AppendPara(text); code != ecOK)
    throw EEditorError(LoadErrorText(code));
}

int TOvcCustomTextFileEditor::AppendPara(std::string_view text)
{
  TOvcParaList& list = Core().ParaList();
  int code = list.CheckLimits(0, 1, std::int64_t(text.size()) + 2);
  // A line beyond the paragraph limit becomes several paragraphs, each ending at its last blank.
  while (code == ecOK) {
    int length = int(text.size());
    if (length > list.ParaLengthLimit())
      length = LastBlankIn(text, list.ParaLengthLimit());
    if (length <= 0)
      length = std::min<int>(int(text.size()), list.ParaLengthLimit());
    code = list.AddPara(text.substr(0, std::size_t(length)), TrimWhiteSpace());
    text.remove_prefix(std::size_t(length));
    if (code != ecOK || text.empty())
      break;
    code = list.CheckLimits(0, 1, std::int64_t(text.size()) + 2);
  }
  return code;
}

std::string TOvcCustomTextFileEditor::FileText() const
{
  std::string text;
  const int count = GetParaCount();
  for (int para = 1; para <= count; ++para) {
    const std::string_view source = Core().ParaList().GetParaText(para);
    if (para == count && source.empty())
      break;
    for (const char c : source)
      text += static_cast<unsigned char>(c) < 10 ? ' ' : c;
    text += "\r\n";
  }
  return platform::FileBytesFromLatin1(text, utf8_);
}

void TOvcCustomTextFileEditor::SaveToFile(const QString& name)
{
  if (name.isEmpty())
    return;
  const platform::HourglassCursor busy;
  if (makeBackup_)
    MakeBackupFile(name);
  const std::string text = FileText();
  platform::WriteFileAtomic(name, QByteArray(text.data(), qsizetype(text.size())));
  SetModified(false);
}

// The previous file is copied, not moved, so that it stays in place when the new one can't be written.
void TOvcCustomTextFileEditor::MakeBackupFile(const QString& name) const
{
  if (!QFile::exists(name))
    return;
  const QString backup = BackupFileName(name, backupExt_);
  if (backup == name)
    return;
  try {
    platform::WriteFileAtomic(backup, platform::ReadFileBytes(name));
  } catch (const platform::EFileError&) {
    // A backup that can't be made does not stop the save.
  }
}

void TOvcCustomTextFileEditor::Attach(TOvcCustomTextFileEditor& other)
{
  TOvcCustomEditor::Attach(other);
  SetFileName(other.FileName());
}

}  // namespace controls
