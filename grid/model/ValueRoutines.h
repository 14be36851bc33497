#pragma once
// Comparisons of cell values and picture handles carried in them.

#include "grid/model/CellValue.h"
#include "grid/model/PictureHandles.h"

namespace grid {

// Small integer, integer, single, double, currency or byte.
bool IsNumericValue(const TtsCellValue& value);
// Unassigned equals only Unassigned; different types differ; two Nulls are equal.
bool SameValue(const TtsCellValue& a, const TtsCellValue& b);
// SameValue, and numbers of different numeric types compared by value.
bool SameValueLoose(const TtsCellValue& a, const TtsCellValue& b);

// A picture handle carried as the value's 32-bit integer, and back; no picture for other values.
TtsPictureHandle VariantToPicture(const TtsCellValue& value);
TtsCellValue PictureToVariant(TtsPictureHandle picture);

}  // namespace grid
