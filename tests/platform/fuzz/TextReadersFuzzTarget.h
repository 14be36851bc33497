#pragma once
// Fuzz targets of the platform's text readers: any bytes as a text file and as a settings file.

#include <string_view>

namespace fuzz {

// Lines read from the bytes never hold a line end, read the same from a file, and write and read back.
void TextFileTarget(std::string_view bytes);
// The settings file reads every value of the bytes; a write changes its own key and keeps every other.
void IniFileTarget(std::string_view bytes);

}  // namespace fuzz
