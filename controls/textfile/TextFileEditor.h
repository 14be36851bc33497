#pragma once
// The editor bound to a plain text file: one line of the file per paragraph, loaded whole (a line beyond
// the paragraph limit is split, never cut), saved with CR LF line ends and codes below 10 as blanks,
// optionally keeping the previous file as a backup. Saving replaces the file atomically. A file of valid
// UTF-8 whose characters all have a Latin-1 byte is read as UTF-8 and saved as UTF-8 again.

#include "controls/editor/Editor.h"

#include <QString>
#include <string>
#include <string_view>

namespace controls {

class TOvcCustomTextFileEditor : public TOvcCustomEditor {
 public:
  explicit TOvcCustomTextFileEditor(QWidget* parent = nullptr);

  // Extension of the backup file without the dot, at most 3 characters.
  const std::string& BackupExt() const { return backupExt_; }
  void SetBackupExt(std::string_view ext);
  const QString& FileName() const { return fileName_; }
  // A name that differs ignoring case closes the file (the text stays); one trailing full stop goes.
  void SetFileName(const QString& name);
  bool MakeBackup() const { return makeBackup_; }
  void SetMakeBackup(bool on) { makeBackup_ = on; }
  bool IsOpen() const { return isOpen_; }
  // True loads FileName; false empties the editor. Nothing without a file name.
  void SetIsOpen(bool open);

  // Replaces the text by the file's lines. Raises platform::EFileError when the file can't be read and
  // EEditorError when the text store's limits are exceeded; a failed load closes the file.
  virtual void LoadFromFile(const QString& name);
  // Writes the text to name (FileName stays); raises platform::EFileError "Can't create file ".
  virtual void SaveToFile(const QString& name);
  // The file's bytes as SaveToFile writes them.
  std::string FileText() const;
  // True while the text came from a UTF-8 file and is saved so.
  bool Utf8() const { return utf8_; }

  // Shares other's text store and takes its file name.
  void Attach(TOvcCustomTextFileEditor& other);

 private:
  int AppendPara(std::string_view text);
  void AppendLine(std::string_view text);
  void MakeBackupFile(const QString& name) const;

  std::string backupExt_ = "BAK";
  QString fileName_;
  bool makeBackup_ = false;
  bool isOpen_ = false;
  bool utf8_ = false;
};

class TOvcTextFileEditor : public TOvcCustomTextFileEditor {
 public:
  using TOvcCustomTextFileEditor::TOvcCustomTextFileEditor;
};

// The backup name of a file: its extension replaced by a full stop and ext.
QString BackupFileName(const QString& name, std::string_view ext);

}  // namespace controls
