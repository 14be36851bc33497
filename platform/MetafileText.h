#pragma once
// Text for the 8-bit text records of placeable metafiles: the characters in the code page of the font's
// character set, and those it lacks in the Symbol font where that font has them.

#include "platform/Font.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace platform::gdi {

struct TextRun {
  QByteArray Bytes;
  bool Symbol = false;  // written in the Symbol font
  int First = 0;        // index of its first character in the text
};

// Consecutive runs covering the text, one byte per character; a character found nowhere becomes "?".
std::vector<TextRun> EncodeText(const TFontData& font, const QString& text);

}  // namespace platform::gdi
