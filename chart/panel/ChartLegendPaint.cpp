// The legend's painting: shadow, frame and fill, then each item's text, symbol and dividing line.
#include "chart/panel/ChartLegend.h"

#include "chart/model/ChartSeries.h"
#include "chart/panel/CustomAxisPanel.h"

#include <algorithm>

namespace chart {

using platform::TBrushStyle;

void TCustomChartLegend::DrawBackground()
{
  TTeeCanvas3D& canvas = chart_.Canvas();
  canvas.ApplyChartPen(*frame_);
  if (frame_->Color() == platform::clDefault)
    canvas.Pen().SetColor(platform::clBlack);
  const int fw = FrameWidth();
  TRect fill = rect_;
  int reach = shadowSize_ - 1;
  if (frame_->Visible()) {
    fill = {rect_.Left - fw, rect_.Top - fw, rect_.Right + fw, rect_.Bottom + fw};
    reach = shadowSize_ + fw + (fw - 1) / 2;
  }
  if (shadowSize_ > 0) {
    canvas.Brush().SetColor(shadowColor_);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRectangle({rect_.Left + shadowSize_, rect_.Top + shadowSize_, rect_.Right + reach, rect_.Bottom + reach});
  }
  if (brush_->Style() == TBrushStyle::bsSolid) {
    chart_.SetBrushCanvas(color_, TBrushStyle::bsSolid, color_);
  } else {
    const platform::TColor hatch = brush_->Color() == platform::clDefault ? platform::clBlack : brush_->Color();
    chart_.SetBrushCanvas(hatch, brush_->Style(), color_);
  }
  if (brush_->HasBitmap()) {
    platform::TBrushData data = canvas.Brush().Data();
    data.Pattern = brush_->Data().Pattern;
    canvas.Brush().SetData(data);
  }
  canvas.DrawRectangle(fill.Left, fill.Top, fill.Right, fill.Bottom);
}

void TCustomChartLegend::DrawItems(const TLayout& layout)
{
  TTeeCanvas3D& canvas = chart_.Canvas();
  canvas.SetTextAlignment(platform::TA_LEFT | platform::TA_TOP);
  for (int k = 0; k < shownItems_; ++k)
    DrawItem(layout, firstValue_ + k, inverted_ ? shownItems_ - 1 - k : k);
}

void TCustomChartLegend::DrawItem(const TLayout& layout, int index, int position)
{
  if (position >= layout.Items)
    return;
  TTeeCanvas3D& canvas = chart_.Canvas();
  const platform::TColor penColor = color_ == platform::clBlack ? platform::clWhite : platform::clBlack;
  canvas.Pen().SetData({penColor, platform::TPenStyle::psSolid, 1, canvas.Pen().Mode()});
  canvas.Brush().SetColor(color_);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);

  const int h = layout.FontHeight;
  const bool vertical = IsVertical();
  const int column = vertical ? 0 : position % numCols_;
  const int row = vertical ? position : position / numCols_;
  int y = rect_.Top + 1 + row * h;
  int x = layout.TextLeft + column * (layout.TextWidth + symbolWidth_ + 4);
  int xColor = x - 4 - symbolWidth_;
  if (OnGetLegendPos)
    OnGetLegendPos(chart_, index, x, y, xColor);

  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
  const QString text = LegendText(index);
  const TRect symbol{x - 4 - symbolWidth_, y + 2, x - 4, y + h - 2};
  if (!text.isEmpty()) {
    canvas.WriteText(x, y, text);
    DrawSymbol(index, symbol);
  }
  if (position == 0 || !dividingLines_->Visible())
    return;
  canvas.ApplyChartPen(*dividingLines_);
  canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
  if (vertical)
    canvas.HorizontalLine(rect_.Left, rect_.Right, y);
  else
    canvas.VerticalLine(symbol.Left - 4, rect_.Top, rect_.Bottom);
}

void TCustomChartLegend::DrawSymbol(int index, const TRect& symbol)
{
  const bool values = resolvedStyle_ == TLegendStyle::lsValues;
  TChartSeries* series = values ? FirstActiveSeries() : chart_.ActiveLegendSeries(index);
  if (series == nullptr) {
    TTeeCanvas3D& canvas = chart_.Canvas();
    canvas.Brush().SetColor(platform::clWhite);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.DrawRectangle(symbol.Left, symbol.Top, symbol.Right, symbol.Bottom);
    return;
  }
  series->DrawLegend(values ? index : -1, symbol);
}

}  // namespace chart
