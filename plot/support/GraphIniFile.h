#pragma once
// Typed reads and writes of a settings file (integers, Booleans, floats, dates and times) over the
// string operations of a derived class.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

namespace plot {

class TCustomGraphIniFile {
public:
  explicit TCustomGraphIniFile(const QString& fileName) : FileName(fileName) {}
  virtual ~TCustomGraphIniFile() = default;
  TCustomGraphIniFile(const TCustomGraphIniFile&) = delete;
  TCustomGraphIniFile& operator=(const TCustomGraphIniFile&) = delete;

  virtual QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) const = 0;
  virtual void WriteString(const QString& section, const QString& ident, const QString& value) = 0;

  // Decimal, or hexadecimal after "0x"; a text that is no integer gives the default.
  virtual int ReadInteger(const QString& section, const QString& ident, int defaultValue) const;
  virtual void WriteInteger(const QString& section, const QString& ident, int value);
  // An integer other than 0 is true; a text that is no integer ("True") gives the default.
  virtual bool ReadBool(const QString& section, const QString& ident, bool defaultValue) const;
  virtual void WriteBool(const QString& section, const QString& ident, bool value);
  // An empty text or one that does not convert gives the default. Floats use "." whatever the
  // locale and are written in the shortest text that reads back as the same value; dates take the
  // system's short form with the whole year.
  virtual QDate ReadDate(const QString& section, const QString& ident, const QDate& defaultValue) const;
  virtual QDateTime ReadDateTime(const QString& section, const QString& ident, const QDateTime& defaultValue) const;
  virtual double ReadFloat(const QString& section, const QString& ident, double defaultValue) const;
  virtual QTime ReadTime(const QString& section, const QString& ident, const QTime& defaultValue) const;
  virtual void WriteDate(const QString& section, const QString& ident, const QDate& value);
  virtual void WriteDateTime(const QString& section, const QString& ident, const QDateTime& value);
  virtual void WriteFloat(const QString& section, const QString& ident, double value);
  virtual void WriteTime(const QString& section, const QString& ident, const QTime& value);

  // The names of a section's lines; the section names; a section's lines.
  virtual void ReadSection(const QString& section, QStringList& strings) const = 0;
  virtual void ReadSections(QStringList& strings) const = 0;
  virtual void ReadSectionValues(const QString& section, QStringList& strings) const = 0;
  virtual void EraseSection(const QString& section) = 0;
  virtual void DeleteKey(const QString& section, const QString& ident) = 0;
  virtual void UpdateFile() = 0;

  const QString FileName;
};

}  // namespace plot
