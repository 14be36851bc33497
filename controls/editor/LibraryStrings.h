#pragma once
// The editor library's string tables, compiled into the program.

#include <cstdint>
#include <span>
#include <string>

namespace controls {

// One text of a string table.
struct TStringEntry {
  std::int32_t Id;
  const char* Text;
};

// Reads a string table: entries sorted by id, found by bisection.
class TOvcStringResource {
 public:
  TOvcStringResource() = default;  // an empty reader
  TOvcStringResource(std::string name, std::span<const TStringEntry> entries, bool raiseOnMissing = false);

  // The text of id; empty (or ETpsStringResourceError when raising) when missing.
  std::string GetString(std::int32_t id) const;
  bool Contains(std::int32_t id) const;
  const std::string& Name() const { return name_; }
  std::size_t Count() const { return entries_.size(); }

 private:
  const TStringEntry* Find(std::int32_t id) const;

  std::string name_;
  std::span<const TStringEntry> entries_;
  bool raiseOnMissing_ = false;
};

// Reader messages (ids 1..5 of "OVCSRMGR_STRINGS").
const TOvcStringResource& ReaderStrings();
// The library's English table.
const TOvcStringResource& LibraryStrings();

// The library table's text for id; "Unknown" when there is none.
std::string GetLibraryString(std::int32_t id);

}  // namespace controls
