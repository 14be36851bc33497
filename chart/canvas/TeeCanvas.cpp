#include "chart/canvas/TeeCanvas.h"

#include "platform/CanvasRounding.h"

namespace chart {

void TTeeCanvas::ResetState()
{
  platform::TCanvas& c = *target_;
  c.Pen().SetData({platform::clBlack, platform::TPenStyle::psSolid, 1, platform::TPenMode::pmCopy});
  c.Brush().SetColor(platform::clWhite);
  c.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  c.Font().SetColor(platform::clBlack);
  SetScreenFontSize(10);
  c.SetBkColor(platform::clWhite);
  c.SetBkMode(platform::TBkMode::bmTransparent);
}

void TTeeCanvas::AssignFont(const platform::TFont& font) const
{
  platform::TFontData data = font.Data();
  data.PixelsPerInch = target_->Font().PixelsPerInch();
  target_->Font().SetData(data);
}

int TTeeCanvas::ScreenFontSize() const
{
  return -platform::MulDiv(target_->Font().Height(), 72, platform::kScreenPixelsPerInch);
}

void TTeeCanvas::SetScreenFontSize(int points) const
{
  target_->Font().SetHeight(-platform::MulDiv(points, platform::kScreenPixelsPerInch, 72));
}

void TTeeCanvas::ApplyChartPen(const TChartPen& pen)
{
  platform::TPen& target = target_->Pen();
  if (!pen.Visible()) {
    target.SetStyle(platform::TPenStyle::psClear);
    return;
  }
  if (pen.SmallDots() && pen.Width() == 1) {
    target.SetData({platform::ColorToRGB(pen.Color()), platform::TPenStyle::psAlternate, 1, pen.Mode()});
    return;
  }
  target.Assign(pen);
}

}  // namespace chart
