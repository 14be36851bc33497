#include "grid/model/ValueText.h"

namespace grid {

std::string TtsStringResources::Find(int id) const
{
  const auto found = texts_.find(id);
  return found == texts_.end() ? std::string() : found->second;
}

std::string ValueText(const TtsCellValue& value, const TtsStringResources& resources)
{
  if (value.Type() == TVarType::varInteger)
    return resources.Find(value.AsInteger());
  if (value.IsNull())
    return {};
  return value.AsString();
}

}  // namespace grid
