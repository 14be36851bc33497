#pragma once
// Texts of property values (captions and headings): a 32-bit integer names a string resource.

#include <map>
#include <string>

#include "grid/model/CellValue.h"

namespace grid {

// The program's string resources by identifier.
class TtsStringResources {
 public:
  void Add(int id, std::string text) { texts_[id] = std::move(text); }
  // Empty for an identifier that has no string.
  std::string Find(int id) const;

 private:
  std::map<int, std::string> texts_;
};

// A 32-bit integer value gives the resource string of that identifier (empty when there is none);
// Null gives the empty text; any other value its text.
std::string ValueText(const TtsCellValue& value, const TtsStringResources& resources);

}  // namespace grid
