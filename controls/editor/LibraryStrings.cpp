#include "controls/editor/LibraryStrings.h"

#include "controls/editor/Exceptions.h"
#include "controls/editor/LibraryStringIds.h"

#include <cassert>
#include <utility>

namespace controls {

TOvcStringResource::TOvcStringResource(std::string name, std::span<const TStringEntry> entries,
                                       bool raiseOnMissing)
    : name_(std::move(name)), entries_(entries), raiseOnMissing_(raiseOnMissing)
{
}

const TStringEntry* TOvcStringResource::Find(std::int32_t id) const
{
  std::ptrdiff_t low = 0;
  std::ptrdiff_t high = std::ptrdiff_t(entries_.size()) - 1;
  while (low <= high) {
    const std::ptrdiff_t middle = (low + high) / 2;
    const TStringEntry& entry = entries_[std::size_t(middle)];
    if (entry.Id == id)
      return &entry;
    if (entry.Id < id)
      low = middle + 1;
    else
      high = middle - 1;
  }
  return nullptr;
}

bool TOvcStringResource::Contains(std::int32_t id) const { return Find(id) != nullptr; }

std::string TOvcStringResource::GetString(std::int32_t id) const
{
  if (const TStringEntry* entry = Find(id))
    return entry->Text;
  if (!raiseOnMissing_)
    return {};
  std::string message = ReaderStrings().GetString(SRStringNotFound);
  message.replace(message.find("%d"), 2, std::to_string(id));
  throw ETpsStringResourceError(message);
}

}  // namespace controls
