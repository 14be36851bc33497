#pragma once
// The one crossing between the window's Unicode text and the engine's 8-bit Latin-1 text. Characters with
// a meaning in the expression language map to it ("√" is the root sign 189, "π" the pi sign 182, "−" the
// minus); any other character without a Latin-1 byte, a control character or the engine's end marker is not
// allowed and never reaches the engine.

#include <QString>
#include <string>

namespace tools {

struct TEngineText {
  std::string Text;        // one byte per character; a character that is not allowed stands as kNotAllowed
  int NotAllowedAt = -1;   // 0-based index of the first character that is not allowed, -1 when none
  bool Valid() const { return NotAllowedAt < 0; }
};

inline constexpr char kNotAllowed = '\x1A';

// The engine's byte for a character, or 0 when the character is not allowed.
unsigned char EngineChar(QChar c);
TEngineText ToEngineText(const QString& text);
// The bytes of a text for the engine that keeps tabs and line ends (a pasted table, a grid's cell): a
// character without a byte, another control character or the end marker stands as kNotAllowed, which the
// engine refuses, never as '?' (the engine's last result).
std::string EngineBytes(const QString& text);
// Text for an 8-bit text of expressions (the "Eval it" text): characters with an engine meaning in their
// engine form, the rest of Latin-1 as it is, and a blank for a character such a text can't hold.
std::string EightBitExpressionText(const QString& text);
// The text with every character that has an engine meaning in its engine form; the rest stays as it is.
QString WithEngineChars(const QString& text);
QString FromEngineText(const std::string& text);

// A path handed to the engine's file routines: the file system's bytes, not Latin-1, so any name opens.
std::string EngineFileName(const QString& path);
QString FromEngineFileName(const std::string& path);

// Sets the engine's error state for a character that is not allowed: a syntax error at its position, span 1;
// counted in the text without blanks when the caller evaluates it so (and maps the position back).
void SetNotAllowedError(const TEngineText& text, bool blanksRemoved);

}  // namespace tools
