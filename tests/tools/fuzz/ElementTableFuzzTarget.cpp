#include "tests/tools/fuzz/ElementTableFuzzTarget.h"

#include "platform/TextFile.h"
#include "tests/support/FuzzCheck.h"
#include "tools/elements/ElementTable.h"

#include <string>

namespace fuzz {

using testsupport::Require;

void ElementTableTarget(std::string_view bytes)
{
  tools::TElementTable table;
  if (!table.Parse(platform::SplitLines(bytes))) {
    Require(table.ElementCount() == 0 && table.PropertyCount() == 0 && table.Element(1) == nullptr,
            "a refused file gives no data");
    return;
  }
  Require(table.ElementCount() <= tools::TElementTable::kMaxCount &&
              table.PropertyCount() <= tools::TElementTable::kMaxCount,
          "the counts stay within the limit");
  std::vector<std::string> lines{std::to_string(table.ElementCount()), std::to_string(table.PropertyCount())};
  lines.insert(lines.end(), table.PropertyNames().begin(), table.PropertyNames().end());
  for (int n = 1; n <= table.ElementCount(); ++n) {
    const std::vector<std::string>* values = table.Element(n);
    Require(values != nullptr && int(values->size()) == table.PropertyCount(), "every element has every value");
    lines.push_back("===");
    lines.insert(lines.end(), values->begin(), values->end());
  }
  tools::TElementTable again;
  Require(again.Parse(lines), "a loaded table reads back");
  Require(again.PropertyNames() == table.PropertyNames() && again.ElementCount() == table.ElementCount(),
          "a loaded table reads back the same");
  for (int n = 1; n <= table.ElementCount(); ++n)
    Require(*again.Element(n) == *table.Element(n), "each element reads back the same");
}

}  // namespace fuzz
