// The size of a cell's text as the grid would draw it.

#include "grid/paint/CellText.h"
#include "grid/window/Grid.h"

#include "platform/Bitmap.h"

#include <algorithm>

namespace grid {

int TtsBaseGrid::TextLineHeight() const
{
  platform::TBitmap scratch(1, 1);
  platform::TCanvas& canvas = scratch.Canvas();
  canvas.Font().Assign(model_.Font);
  return ReadTextMetrics(canvas).LineHeight();
}

TtsBaseGrid::TextSize TtsBaseGrid::MeasureCellText(int dataCol, int dataRow)
{
  CheckCol(dataCol);
  CheckRow(dataRow);
  if (model_.ResolveControlType(dataCol, dataRow) != ctText)
    return {};
  const std::string text = Cell(dataCol, dataRow).Text();
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType button = model_.ResolveButtonType(dataCol, dataRow, style);
  int width = model_.Col(dataCol).Width() - VertLineWidth() - 3;
  if (button != btNone && button != btDefault)
    width -= ButtonOuterSize(button).cx;
  platform::TBitmap scratch(1, 1);
  platform::TCanvas& canvas = scratch.Canvas();
  canvas.Font().Assign(model_.ResolveFont(dataCol, dataRow));
  const TtsTextHeight measured =
      MeasureTextHeight(canvas, ReadTextMetrics(canvas), text, std::max(width, 1),
                        model_.ResolveWordWrap(dataCol, dataRow) != wwOff, model_.ResolveHorzAlignment(dataCol, dataRow));
  return {measured.Height + 1, measured.Lines};
}

}  // namespace grid
