#pragma once
// The line rule of the editor library's text files: CR LF, CR or LF ends a line; code 26 ends the file,
// and so does the physical end. A last line without a line end counts like any other.

#include <string>
#include <string_view>
#include <vector>

namespace controls {

std::vector<std::string> SplitTextFileLines(std::string_view bytes);

}  // namespace controls
