#pragma once
// The graph text file: a count line, then one block per layer, each opened and closed by the
// layer's class name. The reader never reads past the end and raises EGraphFileError at the first
// line it cannot take; the graph reports it once and keeps the layers read before.

#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace plot {

class TGraph;
class TLayer;

// A line of a graph text file that cannot be read; Line is its 1-based number.
class EGraphFileError : public std::runtime_error {
public:
  explicit EGraphFileError(int line);
  int Line;
};

// Raised by a layer's reader after it has shown its one message about a block of its own: the load
// ends there and fails, and the layer is kept with what it read.
class EGraphLoadEnded : public std::runtime_error {
public:
  EGraphLoadEnded() : std::runtime_error("graph file load ended") {}
};

class TGraphFileReader {
public:
  explicit TGraphFileReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  // Raises the platform's EFileError when the file can't be read.
  static TGraphFileReader FromFile(const QString& path);

  bool AtEnd() const { return next_ >= lines_.size(); }
  // The next line whole; past the end EGraphFileError.
  const std::string& ReadLine();
  // The number of the line read last (0 before the first).
  int LineNo() const { return static_cast<int>(next_); }
  // The next line as fields.
  class TLineFields ReadFields();

private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};

// The fields of one line, separated by blanks; a field that is missing or not a number raises
// EGraphFileError with the line's number.
class TLineFields {
public:
  TLineFields(std::string_view line, int lineNo) : rest_(line), lineNo_(lineNo) {}
  int ReadInteger();
  long long ReadInteger(long long min, long long max);
  double ReadReal();  // finite values only
  bool ReadFlag() { return ReadInteger() == 1; }
  // What is left of the line, blanks and control characters trimmed at both ends.
  std::string Rest();

private:
  std::string_view NextField();
  std::string_view rest_;
  int lineNo_;
};

class TGraphFileWriter {
public:
  void WriteLine(std::string line) { lines_.push_back(std::move(line)); }
  const std::vector<std::string>& Lines() const { return lines_; }
  // Replaces the file as a whole; raises the platform's EFileError.
  void SaveTo(const QString& path) const;

private:
  std::vector<std::string> lines_;
};

inline TLineFields TGraphFileReader::ReadFields()
{
  const std::string& line = ReadLine();
  return TLineFields(line, LineNo());
}

// A text as it goes into one line of the file: Latin-1, control characters as blanks.
std::string FileText(const QString& text);
// The run-time's real output without a width: " 1.00000000000000E-0002".
std::string FileReal(double value);

// The layer classes the file knows by name; the plot engine registers "TLayer", the plot
// component its series.
using TLayerFactory = std::function<std::unique_ptr<TLayer>(TGraph&)>;
void RegisterLayerClass(const QString& className, TLayerFactory factory);
// Empty when no class has this name (compared exactly).
TLayerFactory GetLayerClass(const QString& className);

// The message of a layer that cannot be read, with %s and %d in the format.
QString LoadErrorMessage(const QString& format, const QString& className, int line);

}  // namespace plot
