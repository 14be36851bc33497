#pragma once
// Settings files in the INI format: "[Section]" lines, "Key=Value" lines and ";" comments. Sections and keys
// are found without regard to case; reads take defaults; every write changes only its own line and
// rewrites the file at once (atomically), keeping every other line and comment as it stood.
// Numbers use "." as the decimal separator whatever the locale. Text is 8-bit (Latin-1).

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace platform {

class TIniFile {
 public:
  // Reads the file when it exists; raises EFileError ("Can't read file ") when it exists but can't be read.
  explicit TIniFile(const QString& fileName);

  const QString& FileName() const { return fileName_; }

  // Reads
  QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
  int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
  bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
  double ReadFloat(const QString& section, const QString& key, double defaultValue) const;
  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;
  QStringList ReadSections() const;                          // section names in file order
  QStringList ReadSection(const QString& section) const;     // key names in file order
  QStringList ReadSectionValues(const QString& section) const;  // "Key=Value" lines

  // Writes (each rewrites the file; raises EFileError "Can't create file " and keeps the old file on failure)
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);
  void WriteFloat(const QString& section, const QString& key, double value);
  void DeleteKey(const QString& section, const QString& key);
  void EraseSection(const QString& section);
  // Adds the section, empty, when the file has none of that name.
  void CreateSection(const QString& section);

  // Batching: with auto-flush off, writes stay in memory until UpdateFile.
  void SetAutoFlush(bool on) { autoFlush_ = on; }
  void UpdateFile();

  // The text form of numbers in the file.
  static QString FloatToText(double value);
  static std::optional<double> TextToFloat(const QString& text);
  static std::optional<int> TextToInteger(const QString& text);

 private:
  struct Range {
    int header;  // index of the "[Section]" line
    int end;     // one past the section's last line
  };
  std::optional<Range> FindSection(const QString& section) const;
  std::optional<int> FindKey(const Range& range, const QString& key) const;
  std::optional<QString> Value(const QString& section, const QString& key) const;
  std::vector<int> KeyLines(const QString& section) const;  // the first line of each key of the section
  void Changed();

  QString fileName_;
  std::vector<QString> lines_;
  bool autoFlush_ = true;
  bool dirty_ = false;
};

}  // namespace platform
