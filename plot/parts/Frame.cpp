#include "plot/parts/Frame.h"

#include "plot/graph/Graph.h"
#include "plot/support/ColorShades.h"
#include "plot/support/DxfWriter.h"
#include "plot/support/GraphLibrary.h"

#include "platform/CanvasRounding.h"

#include <cmath>

namespace plot {

using platform::TColor;
using platform::TPoint;

int TGraphFrame::GetPixelWidth() const
{
  if (Width < 2)
    return Width;
  platform::TCanvas& canvas = Graph->TargetCanvas();
  platform::TFont& font = canvas.Font();
  const int size = font.Size();
  font.SetSize(1);
  const int result = Width * canvas.TextHeight(QStringLiteral("a"));
  font.SetSize(size);
  return result;
}

TColor TGraphFrame::GetColor() const
{
  const TColor c = Color == kFrameGraphColor ? Graph->Color : Color;
  return BlackAndWhiteApplies() ? platform::clBlack : c;
}

void TGraphFrame::Draw()
{
  platform::TCanvas& canvas = *Graph->Canvas;
  canvas.Brush().SetColor(Graph->Color);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  if (DXFWriter().Active)
    return;
  const int w = GetPixelWidth();
  const TColor color = GetColor();
  const TColor outline = color == Graph->Color ? DarkenColor(color, 128) : color;
  DrawFlat(w, outline);
  if (Graph->View3D != 0)
    Draw3D(w);
}

void TGraphFrame::DrawFlat(int w, TColor outline)
{
  platform::TCanvas& canvas = *Graph->Canvas;
  const platform::TRect p = Graph->PlotRect;
  canvas.Pen().SetColor(w != 0 && GetVisible() ? outline : Graph->Color);
  canvas.Pen().SetWidth(1);
  canvas.Rectangle(p);
  if (Graph->View3D != 0 || !GetVisible() || w <= 1)
    return;
  canvas.Pen().SetColor(outline);
  canvas.Brush().SetColor(outline);
  canvas.Rectangle(p.Left - w - 1, p.Top - w - 1, p.Left, p.Bottom + w);
  canvas.Rectangle(p.Left - w - 1, p.Bottom, p.Right + w - 1, p.Bottom + w);
  canvas.Rectangle(p.Right, p.Top - w - 1, p.Right + w - 1, p.Bottom + w);
  canvas.Rectangle(p.Left, p.Top - w - 1, p.Right + w - 1, p.Top);
}

// Walls, floor and bands of the 3-D view, drawn whether or not the frame is visible.
void TGraphFrame::Draw3D(int w)
{
  platform::TCanvas& canvas = *Graph->Canvas;
  const TColor graphColor = Graph->Color;
  const TColor color = GetColor();
  const int d = Graph->Depth;
  const int r = platform::SafeRound(w / std::sqrt(2.0L));
  const int left = Graph->PlotRect.Left, top = Graph->PlotRect.Top;
  const int right = Graph->PlotRect.Right, bottom = Graph->PlotRect.Bottom;
  const auto polygon = [&canvas](TColor brush, std::initializer_list<TPoint> corners) {
    canvas.Brush().SetColor(brush);
    canvas.Polygon(std::span<const TPoint>(corners.begin(), corners.size()));
  };

  canvas.Brush().SetColor(graphColor);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  canvas.Pen().SetColor(DarkenColor(color, 128));
  canvas.Rectangle(left + d, top - d, right + d, bottom - d);
  polygon(DarkenColor(graphColor, 100), {{left, top}, {left + d, top - d}, {left + d, bottom - d}, {left, bottom}});
  canvas.Brush().SetColor(color);
  canvas.Rectangle(left - w, top, left, bottom + w);
  polygon(DarkenColor(color, 80), {{left - w, top}, {left + d - w, top - d}, {left + d, top - d}, {left, top}});
  polygon(DarkenColor(color, 80),
          {{left + d - w, top - d}, {left + d, top - d - r}, {right + d + r, top - d - r}, {right + d, top - d}});
  polygon(DarkenColor(color, 60),
          {{right + d, top - d}, {right + d + r, top - d - r}, {right + d + r, bottom - d - r}, {right + d, bottom - d}});
  polygon(DarkenColor(color, 60),
          {{right + d + r, bottom - d - r}, {right + d + r, bottom - d - r + w}, {right, bottom + w}, {right, bottom}});
  polygon(color, {{left - w, bottom}, {right, bottom}, {right, bottom + w}, {left - w, bottom + w}});
  polygon(DarkenColor(graphColor, 80), {{left, bottom}, {left + d, bottom - d}, {right + d, bottom - d}, {right, bottom}});
}

}  // namespace plot
