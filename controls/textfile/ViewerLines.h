#pragma once
// The lines of a text file as the viewer holds them: read with the editor library's line rule, each cut
// to 1023 characters, one empty line after the last. Open failures raise EInOutError with the library's
// text for the system's error.

#include "controls/editor/Exceptions.h"

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace controls {

inline constexpr int ViewerLineLimit = 1023;

class EInOutError : public EOvcException {
  using EOvcException::EOvcException;
};

// The viewer's lines, 0-based.
class TVwrStringList {
 public:
  void Append(std::string_view text) { lines_.emplace_back(text); }
  int Count() const { return int(lines_.size()); }
  // The text of line index; empty outside 0 .. Count() - 1.
  std::string_view Line(int index) const;

 private:
  std::vector<std::string> lines_;
};

// The message of a load failure by error code: 2, 3, 4, 5 have texts of their own.
std::string ViewerErrorText(int code);
// Reads the file; raises EInOutError (its ErrorCode the error code); size gets the file's bytes.
TVwrStringList LoadViewerLines(const QString& path, std::int64_t& size);

// A line as shown: tabs expanded to tabSize, at most maxLen characters, control characters (outside the
// font's range) shown as "?".
std::string ShownLine(std::string_view text, bool expandTabs, int tabSize, int maxLen);

}  // namespace controls
