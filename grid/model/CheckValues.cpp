#include "grid/model/CheckValues.h"

#include "grid/model/TextRoutines.h"

namespace grid {

bool SplitCheckValues(const std::string& text, TtsCheckValues& values)
{
  values = {};
  std::string rest = text;
  if (!SplitAt(rest, values.Checked, '|'))
    return text.empty();
  if (!SplitAt(rest, values.Unchecked, '|'))
    return !values.Unchecked.empty();
  const bool third = SplitAt(rest, values.Grayed, '|');
  return !values.Unchecked.empty() && !third;
}

bool IsValidCheckValues(const std::string& text)
{
  TtsCheckValues values;
  return SplitCheckValues(text, values);
}

TCheckBoxState CheckStateOfText(const std::string& text, const std::string& values)
{
  if (values.empty())
    return cbGrayed;
  TtsCheckValues parts;
  SplitCheckValues(values, parts);
  if (SameTextIgnoringCase(text, parts.Checked))
    return cbChecked;
  if (SameTextIgnoringCase(text, parts.Unchecked))
    return cbUnchecked;
  return cbGrayed;
}

TCheckBoxState CheckStateOfValue(const TtsCellValue& value, const std::string& values)
{
  if (value.IsString())
    return CheckStateOfText(value.Text(), values);
  if (value.IsNull()) {
    TtsCheckValues parts;
    SplitCheckValues(values, parts);
    if (parts.Checked == "Null")
      return cbChecked;
    return parts.Unchecked == "Null" ? cbUnchecked : cbGrayed;
  }
  if (value.IsOrdinal() && value.Type() != TVarType::varBoolean) {
    const std::int64_t state = value.AsInt64();
    return state == cbUnchecked || state == cbChecked ? TCheckBoxState(state) : cbGrayed;  // no state beyond 0..2
  }
  return cbGrayed;
}

TtsCellValue CheckValueOfState(TCheckBoxState state, const std::string& values)
{
  if (values.empty())
    return std::string();
  TtsCheckValues parts;
  SplitCheckValues(values, parts);
  const std::string& text = state == cbChecked ? parts.Checked : state == cbUnchecked ? parts.Unchecked : parts.Grayed;
  if (SameTextIgnoringCase(text, "Null"))
    return TtsCellValue::Null();
  return text;
}

}  // namespace grid
