#pragma once
// Numbers formatted by a picture such as "#,##0.###" or "##0.## %": '0' a digit always shown, '#' a
// digit shown when significant, '.' the decimal point, ',' anywhere before it groups thousands,
// text in quotes and any other character as it stands; up to three sections ';' for positive,
// negative and zero values. An empty picture gives 15 significant digits.

#include "chart/support/TextLines.h"

#include <QString>

namespace chart {

QString FormatFloat(const QString& picture, double value, TNumberSeparators separators = LocaleNumberSeparators());

}  // namespace chart
