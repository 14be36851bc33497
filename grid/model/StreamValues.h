#pragma once
// Checked reading of the named values of a grid stream: a value of the wrong form or out of its
// range raises EReadError, so a damaged stream never sets an impossible enumeration, size or font.
// Also the font values ("<prefix>.Charset", ".Color", ".Height", ".Name", ".Pitch", ".Style").

#include "grid/model/ByteStream.h"
#include "grid/model/GridStreamFormat.h"

#include "platform/Font.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace grid {

bool CheckedStreamFlag(const TtsStreamValue& value);
int CheckedStreamNumber(const TtsStreamValue& value, int first, int last);
std::string CheckedStreamText(const TtsStreamValue& value);
platform::TColor CheckedStreamColour(const TtsStreamValue& value);

template <class E>
E CheckedStreamEnum(const TtsStreamValue& value, E last)
{
  return E(CheckedStreamNumber(value, 0, int(last)));
}

// A published property's value from a stream: of the form its present value has and, for the
// enumerations, sets and sizes among the column, row and cell properties, within their range.
void CheckPropertyValue(std::string_view name, const TtsStreamValue& present, const TtsStreamValue& value);

// The font's values, each named "<prefix>.<name>".
void AddFontValues(TtsStreamItem& item, const std::string& prefix, const platform::TFont& font);
// Reads the font values of an item into a font; answers whether the item holds any.
bool ReadFontValues(const TtsStreamItem& item, const std::string& prefix, platform::TFont& font);
// Whether a name is one of the font values under a prefix.
bool IsFontValueName(const std::string& name, const std::string& prefix);

}  // namespace grid
