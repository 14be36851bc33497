#pragma once
// A settings file held in memory: read whole when the object is made, changed in memory, and
// written back whole (atomically) when it was changed, on release or on request. Section and entry
// names are found without regard to case, the first match counting. Comment lines and the lines
// before the first section stay where they were; empty lines are dropped and one separates the
// written sections.

#include "plot/support/GraphIniFile.h"

#include <vector>

namespace plot {

class TGraphMemIniFile : public TCustomGraphIniFile {
public:
  // Reads the file when the name is not empty and the file exists; raises EFileError ("Can't read
  // file ") when it exists but can't be read.
  explicit TGraphMemIniFile(const QString& fileName);
  // Writes the file when something changed since it was read or last written (an object without
  // a file name stays in memory); a failure then is shown after the current event.
  ~TGraphMemIniFile() override;

  QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) const override;
  void WriteString(const QString& section, const QString& ident, const QString& value) override;
  void ReadSection(const QString& section, QStringList& strings) const override;
  void ReadSections(QStringList& strings) const override;
  void ReadSectionValues(const QString& section, QStringList& strings) const override;
  void EraseSection(const QString& section) override;
  void DeleteKey(const QString& section, const QString& ident) override;
  // Writes every section to the file (raises EFileError "Can't create file " and keeps the old
  // file on failure).
  void UpdateFile() override;

  bool Modified() const { return modified_; }
  // The file's text as UpdateFile writes it.
  QByteArray Text() const;

private:
  struct TLine {
    QString Text;
    bool Comment = false;  // kept for the file only
  };
  struct TSection {
    QString Name;
    std::vector<TLine> Lines;
  };

  void Parse(const QByteArray& bytes);
  TSection* FindSection(const QString& name);
  const TSection* FindSection(const QString& name) const;

  std::vector<QString> leading_;  // lines before the first section
  std::vector<TSection> sections_;
  bool modified_ = false;
};

}  // namespace plot
