#include "grid/dropdown/ComboStream.h"

#include "grid/dropdown/ComboGrid.h"
#include "grid/dropdown/Finally.h"
#include "grid/model/StreamValues.h"

#include <functional>
#include <optional>
#include <vector>

namespace grid {

namespace {

// Counts and column numbers a stream may give: the grid stream's column limit.
constexpr int kMaxStreamCount = 1 << 16;

// One setting of a combo's list, written and read by name.
struct ComboSetting {
  const char* Name;
  std::function<TtsStreamValue(const TtsComboGrid&)> Get;
  // Checks a value and answers how to apply it; EReadError for a value of the wrong form or range.
  std::function<std::function<void(TtsComboGrid&)>(const TtsStreamValue&)> Read;
};

ComboSetting Count(const char* name, int (TtsComboGrid::*get)() const, void (TtsComboGrid::*set)(int))
{
  return {name, [get](const TtsComboGrid& list) { return TtsStreamValue(std::int32_t((list.*get)())); },
          [set](const TtsStreamValue& value) {
            const int count = CheckedStreamNumber(value, 0, kMaxStreamCount);
            return std::function<void(TtsComboGrid&)>([set, count](TtsComboGrid& list) { (list.*set)(count); });
          }};
}

template <class V>
ComboSetting Field(const char* name, V TtsComboGrid::*field, V last)
{
  return {name, [field](const TtsComboGrid& list) { return ToStreamValue(list.*field); },
          [field, last](const TtsStreamValue& value) {
            V read;
            if constexpr (std::is_same_v<V, bool>)
              read = CheckedStreamFlag(value);
            else if constexpr (std::is_enum_v<V>)
              read = CheckedStreamEnum(value, last);
            else
              read = CheckedStreamNumber(value, 0, last);
            return std::function<void(TtsComboGrid&)>([field, read](TtsComboGrid& list) { list.*field = read; });
          }};
}

// In the order the combo writes them.
const std::vector<ComboSetting>& ComboSettings()
{
  static const std::vector<ComboSetting> list = {
      Count("DropDownRows", &TtsComboGrid::DropDownRows, &TtsComboGrid::SetDropDownRows),
      Count("DropDownCols", &TtsComboGrid::DropDownCols, &TtsComboGrid::SetDropDownCols),
      Field("ValueCol", &TtsComboGrid::ValueCol, kMaxStreamCount),
      Field("ValueColSorted", &TtsComboGrid::ValueColSorted, true),
      Field("CompareType", &TtsComboGrid::CompareType, ctOwn),
      Field("AutoSearch", &TtsComboGrid::AutoSearch, asCenter),
      {"AutoFill", [](const TtsComboGrid& list) { return TtsStreamValue(list.AutoFill()); },
       [](const TtsStreamValue& value) {
         const bool on = CheckedStreamFlag(value);
         return std::function<void(TtsComboGrid&)>([on](TtsComboGrid& list) { list.SetAutoFill(on); });
       }},
      Field("AutoFillConvertCase", &TtsComboGrid::AutoFillConvertCase, afcNone),
      {"DropDownStyle", [](const TtsComboGrid& list) { return TtsStreamValue(std::int32_t(list.DropDownStyle())); },
       [](const TtsStreamValue& value) {
         const TtsDropDownStyle style = CheckedStreamEnum(value, ddDropDownList);
         return std::function<void(TtsComboGrid&)>([style](TtsComboGrid& list) { list.SetDropDownStyle(style); });
       }},
  };
  return list;
}

const ComboSetting* FindSetting(const std::string& name)
{
  for (const ComboSetting& setting : ComboSettings()) {
    if (SameTextIgnoringCase(name, setting.Name))
      return &setting;
  }
  return nullptr;
}

}  // namespace

std::string ComboStreamBytes(const TtsCombo& combo)
{
  TtsComboGrid* list = ComboGridOf(&combo);
  if (!list)
    return {};
  TtsGridStreamWriter writer;
  for (const ComboSetting& setting : ComboSettings())
    writer.WriteValue(setting.Name, setting.Get(*list));
  TtsByteWriter listBytes;
  list->SaveGridToStream(listBytes, true);
  writer.WriteBinary("List", listBytes.Bytes());
  const std::vector<std::uint8_t> bytes = writer.Bytes();
  return std::string(bytes.begin(), bytes.end());
}

void ReadComboStream(TtsCombo& combo, std::span<const std::uint8_t> bytes)
{
  TtsComboGrid* list = ComboGridOf(&combo);
  if (!list)
    throw EReadError();
  std::vector<std::function<void(TtsComboGrid&)>> settings;
  std::optional<std::vector<std::uint8_t>> listBytes;
  for (TtsStreamEntry& entry : ReadGridStream(bytes)) {
    if (SameTextIgnoringCase(entry.Name, "List")) {
      if (entry.Kind != seBinary)
        throw EReadError();
      listBytes = std::move(entry.Binary);
    } else if (const ComboSetting* setting = FindSetting(entry.Name)) {
      if (entry.Kind != seValue)
        throw EReadError();
      settings.push_back(setting->Read(entry.Value));
    }
  }
  // The list loads whole or not at all; the settings, checked already, follow.
  if (listBytes)
    list->LoadGridFromStream(*listBytes, true);
  const bool loading = list->Loading();
  list->SetLoading(true);  // AutoFill read back leaves AutoSearch as written
  Finally restore([&] { list->SetLoading(loading); });
  for (const auto& apply : settings)
    apply(*list);
}

}  // namespace grid
