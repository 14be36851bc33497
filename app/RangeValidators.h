#pragma once
// The main window's range validators: those of the plot library's number fields, with the bounds of
// a real range written as the calculator writes numbers.

#include "plot/support/GraphValidates.h"

namespace app {

using plot::FindBadIntegerChar;
using plot::FindBadRealChar;
using plot::TIntValidate;

class TRealValidate : public plot::TRealValidate {
 public:
  using plot::TRealValidate::TRealValidate;
  QString BoundText(double value) const override { return QString::number(value, 'g', 8); }
};

}  // namespace app
