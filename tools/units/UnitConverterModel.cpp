#include "tools/units/UnitConverterModel.h"

namespace tools {

bool TUnitConverter::Choose(TUnitSet set, int index)
{
  if (index < 0 || index >= static_cast<int>(Table(set).Categories.size())) return false;
  shownSet_ = set;
  shownIndex_ = index;
  return true;
}

const TUnitCategory* TUnitConverter::Shown() const
{
  const auto& categories = Table(shownSet_).Categories;
  if (shownIndex_ < 0 || shownIndex_ >= static_cast<int>(categories.size())) return nullptr;
  return &categories[static_cast<std::size_t>(shownIndex_)];
}

TUnitEdit TUnitConverter::Edit(int row, std::string_view text) const
{
  if (text.empty()) return {TUnitEdit::Cleared, {}};
  const auto x = ReadTypedValue(text);
  if (!x) return {TUnitEdit::NotANumber, {}};
  const TUnitCategory* category = Shown();
  if (!category) return {TUnitEdit::Converted, {}};
  const int rows = static_cast<int>(category->Units.size());
  if (shownSet_ == TUnitSet::General && IsFormulaTemperature(category->Name))
    return {TUnitEdit::Converted, ConvertTemperature(rows, row, *x)};
  return {TUnitEdit::Converted, ConvertByFactors(*category, row, *x)};
}

}  // namespace tools
