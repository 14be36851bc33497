#include "chart/support/Palette.h"

#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"

#include <cstdlib>

namespace chart {

namespace {
int Wrap(int index, int count)
{
  const int r = index % count;
  return r < 0 ? -r : r;
}
}  // namespace

platform::TColor PaletteColor(int index) { return kDefaultPalette[std::size_t(Wrap(index, 16))]; }

platform::TBrushStyle PatternBrushStyle(int index)
{
  using platform::TBrushStyle;
  static constexpr TBrushStyle styles[] = {TBrushStyle::bsHorizontal, TBrushStyle::bsVertical,
                                           TBrushStyle::bsFDiagonal,  TBrushStyle::bsBDiagonal,
                                           TBrushStyle::bsCross,      TBrushStyle::bsDiagCross};
  return styles[Wrap(index, 6)];
}

void CheckAngle(int value, const QString& description)
{
  if (value < 0 || value > 359)
    throw ChartException(FormatMessage(msg::AngleRange, {description}));
}

}  // namespace chart
