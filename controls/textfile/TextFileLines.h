#pragma once
// The line rule of the editor library's text files: a carriage return ends a line and takes one line
// feed after it along; a line feed on its own is a character of the line; code 26 ends the file, and
// so does the physical end. A last line without a line end counts like any other.

#include <string>
#include <string_view>
#include <vector>

namespace controls {

std::vector<std::string> SplitTextFileLines(std::string_view bytes);

}  // namespace controls
