#include "grid/model/ValueRoutines.h"

namespace grid {

bool IsNumericValue(const TtsCellValue& value)
{
  switch (value.Type()) {
    case TVarType::varSmallint:
    case TVarType::varInteger:
    case TVarType::varSingle:
    case TVarType::varDouble:
    case TVarType::varCurrency:
    case TVarType::varByte:
      return true;
    default:
      return false;
  }
}

bool SameValue(const TtsCellValue& a, const TtsCellValue& b)
{
  if (a.IsEmpty() || b.IsEmpty())
    return a.IsEmpty() && b.IsEmpty();
  return a == b;
}

bool SameValueLoose(const TtsCellValue& a, const TtsCellValue& b)
{
  if (SameValue(a, b))
    return true;
  return a.Type() != b.Type() && IsNumericValue(a) && IsNumericValue(b) && a.AsDouble() == b.AsDouble();
}

TtsPictureHandle VariantToPicture(const TtsCellValue& value)
{
  return value.Type() == TVarType::varInteger ? value.AsInteger() : 0;
}

TtsCellValue PictureToVariant(TtsPictureHandle picture) { return TtsCellValue(int(picture)); }

}  // namespace grid
