#include "controls/textfile/ViewerLines.h"

#include "controls/editor/LibraryStrings.h"
#include "controls/editor/LibraryStringIds.h"
#include "controls/textfile/TextFileLines.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace controls {

namespace {

// The font range a line is shown in; other characters show as the substitute.
constexpr unsigned char kFirstChar = 32;
constexpr unsigned char kSubstitute = '?';

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// The system's error as the library numbers it: 2 no file, 3 no path, 4 too many files, 5 access denied.
int ErrorCode(int error, const QString& path)
{
  switch (error) {
    case ENOENT:
      return QFileInfo(QFileInfo(path).absolutePath()).isDir() && !path.isEmpty() ? 2 : 3;
    case ENOTDIR:
    case ENAMETOOLONG:
      return 3;
    case EMFILE:
    case ENFILE:
      return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
      return 5;
    default:
      return error;
  }
}

[[noreturn]] void RaiseLoadError(int error, const QString& path)
{
  const int code = ErrorCode(error, path);
  throw EInOutError(ViewerErrorText(code), code);
}

}  // namespace

std::string_view TVwrStringList::Line(int index) const
{
  if (index < 0 || index >= Count())
    return {};
  return lines_[std::size_t(index)];
}

std::string ViewerErrorText(int code)
{
  switch (code) {
    case 2:
      return GetLibraryString(SCViewerFileNotFound);
    case 3:
      return GetLibraryString(SCViewerPathNotFound);
    case 4:
      return GetLibraryString(SCViewerTooManyOpenFiles);
    case 5:
      return GetLibraryString(SCViewerFileAccessDenied);
    default: {
      std::string text = GetLibraryString(SCViewerIOError);
      const auto at = text.find("%d");
      if (at != std::string::npos)
        text.replace(at, 2, std::to_string(code));
      return text;
    }
  }
}

TVwrStringList LoadViewerLines(const QString& path, std::int64_t& size)
{
  size = 0;
  errno = 0;
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(QFile::encodeName(path).constData(), "rb"));
  if (!file)
    RaiseLoadError(errno, path);
  std::string bytes;
  char buffer[8192];
  for (;;) {
    const std::size_t read = std::fread(buffer, 1, sizeof buffer, file.get());
    bytes.append(buffer, read);
    if (read < sizeof buffer)
      break;
  }
  if (std::ferror(file.get()))
    RaiseLoadError(errno != 0 ? errno : EIO, path);
  size = std::int64_t(bytes.size());
  TVwrStringList lines;
  for (const std::string& line : SplitTextFileLines(bytes))
    lines.Append(std::string_view(line).substr(0, ViewerLineLimit));
  lines.Append({});
  return lines;
}

std::string ShownLine(std::string_view text, bool expandTabs, int tabSize, int maxLen)
{
  std::string shown;
  const bool tabs = expandTabs && tabSize > 0 && text.find('\t') != std::string_view::npos;
  for (const char c : text) {
    if (int(shown.size()) >= maxLen)
      break;
    if (tabs && c == '\t') {
      shown.append(std::size_t(tabSize - int(shown.size()) % tabSize), ' ');
      continue;
    }
    shown += c;
  }
  if (int(shown.size()) > maxLen)
    shown.resize(std::size_t(maxLen));
  for (char& c : shown)
    if (static_cast<unsigned char>(c) < kFirstChar)
      c = char(kSubstitute);
  return shown;
}

}  // namespace controls
