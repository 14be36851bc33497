// Checked stream values and font values.

#include "grid/model/StreamValues.h"

#include "grid/model/GridTypes.h"
#include "grid/model/TextRoutines.h"

#include <QString>

#include <array>

namespace grid {
namespace {

// Sizes a screen can show.
constexpr int kMaxSize = 1 << 16;
constexpr int kMaxFaceName = 255;

struct PropertyRange {
  const char* Name;
  int Last;
};

// The last ordinal of every enumeration, set and size that columns, rows and cells publish.
constexpr std::array kPropertyRanges = {
    PropertyRange{"ButtonType", btDateTimePopup},
    PropertyRange{"ControlType", ctDefault},
    PropertyRange{"DropDownStyle", ddDropDownList},
    PropertyRange{"HeadingButton", cbNone},
    PropertyRange{"HeadingHorzAlignment", htaDefault},
    PropertyRange{"HeadingVertAlignment", vtaDefault},
    PropertyRange{"HeadingWordWrap", wwDefault},
    PropertyRange{"SortPicture", spNone},
    PropertyRange{"HorzAlignment", htaDefault},
    PropertyRange{"VertAlignment", vtaDefault},
    PropertyRange{"WordWrap", wwDefault},
    PropertyRange{"ReadOnly", roDefault},
    PropertyRange{"CenterPicture", dopDefault},
    PropertyRange{"KeepAspectRatio", dopDefault},
    PropertyRange{"ShrinkPicture", dopDefault},
    PropertyRange{"StretchPicture", dopDefault},
    PropertyRange{"SpinOptions", kAllSpinOptions},
    PropertyRange{"Width", kMaxSize},
    PropertyRange{"Height", kMaxSize},
    PropertyRange{"MaxLength", kMaxSize},
};

const char* const kFontNames[] = {"Charset", "Color", "Height", "Name", "Pitch", "Style"};

std::string FontValueName(const std::string& prefix, const char* name) { return prefix + "." + name; }

}  // namespace

bool CheckedStreamFlag(const TtsStreamValue& value)
{
  if (!std::holds_alternative<bool>(value))
    throw EReadError();
  return std::get<bool>(value);
}

int CheckedStreamNumber(const TtsStreamValue& value, int first, int last)
{
  if (!std::holds_alternative<std::int32_t>(value))
    throw EReadError();
  const std::int32_t number = std::get<std::int32_t>(value);
  if (number < first || number > last)
    throw EReadError();
  return number;
}

std::string CheckedStreamText(const TtsStreamValue& value)
{
  if (!std::holds_alternative<std::string>(value))
    throw EReadError();
  return std::get<std::string>(value);
}

platform::TColor CheckedStreamColour(const TtsStreamValue& value)
{
  if (!std::holds_alternative<std::int32_t>(value))
    throw EReadError();
  return platform::TColor(std::get<std::int32_t>(value));
}

void CheckPropertyValue(std::string_view name, const TtsStreamValue& present, const TtsStreamValue& value)
{
  if (value.index() != present.index())
    throw EReadError();
  if (!std::holds_alternative<std::int32_t>(value))
    return;
  for (const PropertyRange& range : kPropertyRanges) {
    if (SameTextIgnoringCase(range.Name, name))
      CheckedStreamNumber(value, 0, range.Last);
  }
}

void AddFontValues(TtsStreamItem& item, const std::string& prefix, const platform::TFont& font)
{
  item.emplace_back(FontValueName(prefix, "Charset"), std::int32_t(font.Charset()));
  item.emplace_back(FontValueName(prefix, "Color"), std::int32_t(font.Color()));
  item.emplace_back(FontValueName(prefix, "Height"), std::int32_t(font.Height()));
  item.emplace_back(FontValueName(prefix, "Name"), font.Name().toLatin1().toStdString());
  item.emplace_back(FontValueName(prefix, "Pitch"), std::int32_t(font.Pitch()));
  item.emplace_back(FontValueName(prefix, "Style"), std::int32_t(font.Style()));
}

bool IsFontValueName(const std::string& name, const std::string& prefix)
{
  for (const char* part : kFontNames) {
    if (SameTextIgnoringCase(name, FontValueName(prefix, part)))
      return true;
  }
  return false;
}

bool ReadFontValues(const TtsStreamItem& item, const std::string& prefix, platform::TFont& font)
{
  platform::TFontData data = font.Data();
  bool any = false;
  for (const auto& [name, value] : item) {
    if (!IsFontValueName(name, prefix))
      continue;
    any = true;
    const std::string part = name.substr(prefix.size() + 1);
    if (SameTextIgnoringCase(part, "Charset")) {
      data.Charset = CheckedStreamNumber(value, 0, 255);
    } else if (SameTextIgnoringCase(part, "Color")) {
      data.Color = CheckedStreamColour(value);
    } else if (SameTextIgnoringCase(part, "Height")) {
      data.Height = CheckedStreamNumber(value, -kMaxSize, kMaxSize);
    } else if (SameTextIgnoringCase(part, "Name")) {
      const std::string face = CheckedStreamText(value);
      if (face.size() > kMaxFaceName)
        throw EReadError();
      data.Name = QString::fromLatin1(face.data(), qsizetype(face.size()));
    } else if (SameTextIgnoringCase(part, "Pitch")) {
      data.Pitch = CheckedStreamEnum(value, platform::TFontPitch::fpFixed);
    } else {
      data.Style = platform::TFontStyles(CheckedStreamNumber(value, 0, 15));
    }
  }
  if (any)
    font.SetData(data);
  return any;
}

}  // namespace grid
