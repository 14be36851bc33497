#pragma once
// The text lines of exported series: the number format, the padding of the automatic layout and the
// lines of every series chosen, with their name, title, axis header and foot lines.

#include <QString>
#include <QStringList>
#include <vector>

namespace plotui {

class TSeries;

// The delimiter choices in the order the window offers them.
enum class TExportDelimiter { Automatic, Space, Comma, Tab, Slash, UserDefine };

struct TExportOptions {
  bool Name = true;
  bool Title = false;
  bool XAxis = true;
  bool YAxis = true;
  bool Foot = false;
  QString XColumn = QStringLiteral("1");
  QString YColumn = QStringLiteral("2");
  TExportDelimiter Delimiter = TExportDelimiter::Tab;
  QString UserText;  // the whole separator for UserDefine
};

// What the lines are built from besides the series.
struct TExportSource {
  QStringList TitleLines;
  QStringList FootLines;
  QString XAxisName;
  QString YAxisName;
};

inline const char* const kExportColumnMessage =
    "X Column, Y Column must be in range[1..2] and X Colunm not equal Y Column";

// A coordinate in the general format with 9 significant digits and "." as the decimal point,
// whatever the locale: plain below 10^9 and from 0.00001 on, else scientific ("1E-7", "1.5E20").
QString ExportNumber(double value);
// The same with the given number of significant digits.
QString GeneralNumber(double value, int digits);
// The automatic layout's padding: below 10 characters to 30 - 2n, else to 16.
QString PadAuto(const QString& text);
QString ExportSeparator(const TExportOptions& options);

// The lines of each series in turn. False when both axis lines are asked for and the columns are
// neither "1", "2" nor "2", "1": the lines built up to there stay in lines.
bool BuildExportLines(const std::vector<TSeries*>& series, const TExportOptions& options,
                      const TExportSource& source, QStringList& lines);

// The lines as file or clipboard bytes, each followed by CR LF; Latin-1 when every character has a
// Latin-1 byte, else UTF-8.
QByteArray ExportBytes(const QStringList& lines);

}  // namespace plotui
