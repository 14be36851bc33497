// The colour-scale legend: its place beside the plot and its bar of colour bands with the level
// labels.
#include "plot/contour/Contour.h"
#include "plot/graph/Graph.h"
#include "plot/parts/Legend.h"
#include "plot/parts/LegendFont.h"
#include "plot/support/NumberText.h"
#include "plot/support/RotatedFont.h"

#include "platform/CanvasRounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace plot {

using platform::SafeRound;
using platform::TPoint;
using platform::TRect;

namespace {

// The room between the legend's name and its bar.
int NameGap(int textHeight) { return std::max(SafeRound(0.6 * textHeight), 4); }

// The scale's levels as the bar shows them: the fixed limits, else the layer's values.
void SetScaleOf(TLayer& layer)
{
  const double max = layer.UpperFixed ? layer.ScaleMax : layer.GetZMax();
  const double min = layer.LowerFixed ? layer.ScaleMin : layer.GetZMin();
  layer.SetScaleRange(min, max);
}

int LabelDigits(const TLayer& layer)
{
  const auto* contour = dynamic_cast<const TContour*>(&layer);
  return contour ? contour->DecimalPlaces : 3;
}

// Half the widest value label in the canvas's font: the labels are centred on the ends of the bar.
int HalfWidestLabel(platform::TCanvas& canvas, TLayer& layer)
{
  SetScaleOf(layer);
  int widest = 0;
  for (const double level : layer.Levels)
    widest = std::max(widest, canvas.TextWidth(QString::fromStdString(FloatToSignificantText(LabelDigits(layer), level))));
  return (widest + 1) / 2;
}

}  // namespace

int ColorScaleIndex(const TLayer& scale, double v)
{
  if ((scale.UpperFixed && v > scale.ScaleMax) || (scale.LowerFixed && v < scale.ScaleMin))
    return -1;
  const auto& l = scale.Levels;
  const auto& c = scale.LevelColors;
  const int last = kScaleLevelCount - 1;
  v = std::min(std::max(v, l[last]), l[0]);
  int i = 1;
  while (i < last && !(v >= l[i]))
    ++i;
  if (l[i - 1] == l[i])
    return c[i];
  return SafeRound((v - l[i]) / (l[i - 1] - l[i]) * (c[i - 1] - c[i]) + c[i]);
}

// A colour legend never sits inside the plot: the inside style takes the right side.
void TColorLegend::Layout(TRect& r)
{
  if (!GetVisible() || GetCount() == 0)
    return;
  TLegendFontScope font(*Graph, Font, false);
  Graph->UnitHeight = Graph->GetUnitHeight();
  const int u = Graph->UnitHeight;
  const int ft = FrameThickness;
  const int st = ShadowThickness;
  const int size = Font.Size();
  ScaleWidth = size * u;
  // Across the bar the box holds the bar, the value labels beside it and a margin on each side.
  const int th = font.Canvas.TextHeight(QStringLiteral("("));
  const int across = ScaleWidth + SafeRound(1.6 * th);
  const int wd = std::max(u * (size + 2 * ft + st) + u * SafeRound(1.15 * size), across + u * (3 * ft + st + 1));
  const int g = 2 * u;
  TRect& b = BoxRect;
  b = r;
  const auto sideTopBottom = [&] {
    b.Top = r.Top + g + u * ft;
    b.Bottom = r.Bottom - g - u * (2 * ft + st);
  };
  const auto acrossLeftRight = [&] {
    b.Right = r.Right - u * (ft + st + 2);
    b.Left = r.Left + u * (ft + 1);
  };
  switch (Style) {
  case lsLeft:
    b.Left = r.Left + g + u * ft;
    b.Right = r.Left + wd + g - u * (ft + st);
    r.Left += wd + 2 * g;
    sideTopBottom();
    break;
  case lsTop: {
    const int oldTop = r.Top;
    r.Top += wd + 2 * g;
    b.Top = oldTop + g + u * ft;
    b.Bottom = r.Top - g - u * (2 * ft + st);
    acrossLeftRight();
    break;
  }
  case lsBottom: {
    const int oldBottom = r.Bottom;
    r.Bottom -= wd;
    b.Top = r.Bottom + u * ft;
    b.Bottom = oldBottom - u * (2 * ft + st);
    acrossLeftRight();
    break;
  }
  case lsRight:
  case lsInside:
    r.Right -= wd + g + u * ft;
    b.Left = r.Right + g + u * ft;
    b.Right = b.Left + wd - u * (ft + st) - u;
    sideTopBottom();
    break;
  }
}

void TColorLegend::Draw()
{
  if (GetCount() != 1 || !GetVisible())
    return;
  Graph->ResetClip();
  platform::TCanvas& canvas = Graph->TargetCanvas();
  const int u = Graph->UnitHeight;
  const int ft = FrameThickness;
  const int st = ShadowThickness;
  const TRect& b = BoxRect;
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
  if (st > 0 && ShadowVisible) {
    Graph->SetPenColor(ShadowColor);
    for (int i = 1; i <= u * st; ++i) {
      const int x = b.Right + u * ft + i;
      const int y = b.Bottom + u * ft + i;
      const std::array<TPoint, 3> shadow = {TPoint{x, b.Top + u * st}, TPoint{x, y}, TPoint{b.Left + u * ft + u * st, y}};
      canvas.Polyline(shadow);
    }
  }
  Graph->SetBrushColor(GetColor());
  Graph->SetPenColor(FrameColor);
  Graph->SetBrushStyle(TransparentBackGround ? platform::TBrushStyle::bsClear : platform::TBrushStyle::bsSolid);
  if (FrameVisible) {
    for (int a = u * ft; a >= 1; --a)
      canvas.Rectangle(b.Left - a, b.Top - a, b.Right + a, b.Bottom + a);
    canvas.Pen().SetStyle(FrameStyle);
  } else
    canvas.Pen().SetStyle(platform::TPenStyle::psClear);

  canvas.Pen().SetWidth(1);
  TLegendFontScope font(*Graph, Font, true);
  canvas.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
  const int th = canvas.TextHeight(QStringLiteral("("));
  const int tw = canvas.TextWidth(QStringLiteral("("));
  const QString& name = Layer->Name;
  const bool vertical = Style == lsRight || Style == lsLeft || Style == lsInside;
  // The labels at the ends of the bar stay inside the box and clear of the name.
  const int half = HalfWidestLabel(canvas, *Layer) + 2;
  TRect bar;
  if (vertical) {
    const int h = b.Bottom - b.Top;
    const int foot = std::abs(SafeRound(0.01 * h));
    const int barTop = std::max(b.Top + SafeRound(0.05 * h), b.Top + half);
    if (!name.isEmpty()) {
      canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
      const platform::TFontData own = canvas.Font().Data();
      canvas.Font().SetData(CreateRotatedFont(canvas.Font(), 90, Graph->Charset));
      canvas.TextOut(b.Left + SafeRound(0.15 * th), b.Bottom - foot, name);
      canvas.Font().SetData(own);
      bar = {b.Left + SafeRound(0.15 * th), barTop, b.Left + ScaleWidth,
             b.Bottom - foot - canvas.TextWidth(name) - std::max(NameGap(th), half)};
    } else
      bar = {b.Left + SafeRound(0.25 * th), barTop, b.Left + ScaleWidth + SafeRound(0.25 * tw),
             std::min(b.Top + SafeRound(0.95 * h), b.Bottom - half)};
  } else {
    const int w = b.Right - b.Left;
    const int xR = std::min(b.Left + SafeRound(0.95 * w), b.Right - half);
    const int top = b.Top + SafeRound(0.15 * th);
    if (!name.isEmpty()) {
      const int xL = b.Left + SafeRound(0.01 * w);
      canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
      canvas.TextOut(xL, top, name);
      bar = {xL + canvas.TextWidth(name) + std::max(NameGap(th), half), top, xR, top + ScaleWidth};
    } else
      bar = {std::max(b.Left + SafeRound(0.05 * w), b.Left + half), top, xR, b.Top + SafeRound(0.15 * tw) + ScaleWidth};
  }
  DrawScale(bar, vertical);
  if (Style == lsLeft) {
    BoxRect.Left -= Graph->ImageRect.Left;
    BoxRect.Right -= Graph->ImageRect.Left;
  }
}

// The bands from the base value (top or left) to the top value, 4 pixels each, then a tick and a
// label at every level within the fixed limits. Equal top and base values draw no bar.
void TColorLegend::DrawScale(TRect bar, bool vertical)
{
  TLayer& layer = *Layer;
  SetScaleOf(layer);
  const double top = layer.UpperFixed ? layer.ScaleMax : layer.Levels[0];
  const double base = layer.LowerFixed ? layer.ScaleMin : layer.Levels[kScaleLevelCount - 1];
  const int start = vertical ? bar.Top : bar.Left;
  const int end = vertical ? bar.Bottom : bar.Right;
  const double e = (top - base) / (end - start);
  if (e == 0 || !std::isfinite(e))
    return;

  platform::TCanvas& canvas = Graph->TargetCanvas();
  Graph->SetPenColor(platform::clBlack);
  Graph->SetBrushStyle(platform::TBrushStyle::bsClear);
  if (vertical)
    canvas.Rectangle(bar);
  else
    canvas.Rectangle(bar.Left - 1, bar.Top, bar.Right + 1, bar.Bottom);

  double v = base;
  for (int p = start + 1; v < top && p < end - 1;) {
    Graph->SetBrushStyle(platform::TBrushStyle::bsSolid);
    Graph->SetBrushColor(layer.GetScaleColor(ColorScaleIndex(layer, v)));
    const int size = p + 4 > end ? end - p - 1 : 4;
    if (vertical)
      canvas.FillRect({bar.Left + 1, p, bar.Right - 1, p + size});
    else
      canvas.FillRect({p, bar.Top + 1, p + size + 1, bar.Bottom - 1});
    v += 4 * e;
    p += size;
  }

  Graph->SetBrushStyle(platform::TBrushStyle::bsClear);
  Graph->SetPenColor(platform::clBlack);
  canvas.Font().SetColor(platform::clBlack);
  canvas.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
  const int th = canvas.TextHeight(QStringLiteral("("));
  if (vertical)
    bar.Right += SafeRound(0.25 * th);
  const int digits = LabelDigits(layer);
  const platform::TFontData own = canvas.Font().Data();
  for (const double level : layer.Levels) {
    if ((layer.UpperFixed && level > layer.ScaleMax) || (layer.LowerFixed && level < layer.ScaleMin))
      continue;
    const QString text = QString::fromStdString(FloatToSignificantText(digits, level));
    const int p = SafeRound((level - base) / e) + start;
    if (vertical) {
      canvas.Font().SetData(CreateRotatedFont(canvas.Font(), 90, Graph->Charset));
      canvas.TextOut(bar.Right, p, text);
      canvas.Font().SetData(own);
      canvas.MoveTo(bar.Left, p);
      canvas.LineTo(bar.Right, p);
    } else {
      canvas.TextOut(p, bar.Bottom, text);
      canvas.MoveTo(p, bar.Top);
      canvas.LineTo(p, bar.Bottom);
    }
  }
}

}  // namespace plot
