#pragma once
// What the unit converter shows: the general and the custom tables, the category chosen (none until
// one is), and what a typed value gives every row. No widgets.

#include "tools/units/UnitConversion.h"
#include "tools/units/UnitTable.h"

#include <string_view>
#include <vector>

namespace tools {

enum class TUnitSet { General, Custom };

// What a value cell's new text gives: nothing (an empty cell), no number (the cell turns red) or the
// other rows' results.
struct TUnitEdit {
  enum TKind { Cleared, NotANumber, Converted };
  TKind Kind = Cleared;
  std::vector<TUnitResult> Results;  // by row, 0-based; Converted only
};

class TUnitConverter {
public:
  TUnitTable General;
  TUnitTable Custom;

  const TUnitTable& Table(TUnitSet set) const { return set == TUnitSet::Custom ? Custom : General; }
  // Shows a category of a set; false (and nothing changes) for an index outside it.
  bool Choose(TUnitSet set, int index);
  // No category shown.
  void ChooseNone() { shownIndex_ = -1; }
  // The category shown, none before one is chosen.
  const TUnitCategory* Shown() const;
  TUnitSet ShownSet() const { return shownSet_; }
  int ShownIndex() const { return shownIndex_; }

  // The text typed for row `row` (0-based) of the category shown. A general "Temperature" goes by
  // its formulas, every other category by its factors.
  TUnitEdit Edit(int row, std::string_view text) const;

private:
  TUnitSet shownSet_ = TUnitSet::General;
  int shownIndex_ = -1;
};

}  // namespace tools
