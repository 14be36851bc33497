#pragma once
// Clipboard text, converted between the engine's 8-bit text (Latin-1 bytes) and Unicode.

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Puts Latin-1 text on the clipboard; raises EClipboardError when the clipboard does not take it.
void SetClipboardText(const std::string& latin1);
// The clipboard's text as Latin-1 (characters outside Latin-1 become '?'); nothing when it holds no text.
std::optional<std::string> ClipboardText();
// The clipboard's text as it is; nothing when it holds no text.
std::optional<QString> ClipboardUnicodeText();
bool ClipboardHasText();

// Clipboard text ends each line with CR LF, as every other program reads it.
inline constexpr char kClipboardLineEnd[] = "\r\n";
// Cuts clipboard text into lines: CR LF, LF and CR each end one; text after the last break is a line too.
std::vector<std::string> ClipboardLines(const std::string& text);

// The conversions themselves.
std::string ToLatin1(const QString& text);
QString FromLatin1(const std::string& latin1);

}  // namespace platform
