#pragma once
// Fuzz targets of the editor library's file readers: any bytes as a text file of the editor and the
// viewer, and as a command table file.

#include <string_view>

namespace fuzz {

// The library's lines hold no carriage return and no end-of-file code.
void TextFileLinesTarget(std::string_view bytes);
// The viewer loads any file, lines cut at the viewer's limit, and shows each line in the font's range.
void ViewerFileTarget(std::string_view bytes);
// The text-file editor loads the file's text whole or says why not.
void EditorFileTarget(std::string_view bytes);
// A command table file loads and saves back the same, or is refused and the table kept as it was.
void CommandTableFileTarget(std::string_view bytes);

}  // namespace fuzz
