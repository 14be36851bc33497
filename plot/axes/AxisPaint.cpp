#include "plot/axes/AxisPaint.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"
#include "plot/support/PixelGeometry.h"

#include "platform/CanvasRounding.h"

namespace plot {

int PaintFontSize(int size)
{
  return GraphLibrary().PrintPreviewing ? platform::SafeRound(size / 2.0) : size;
}

int FramePixelWidth(TGraph& graph)
{
  const int width = graph.Frame->Width;
  if (width < 2)
    return width;
  platform::TFont& font = graph.TargetCanvas().Font();
  const int size = font.Size();
  font.SetSize(1);
  const int unit = graph.TargetCanvas().TextHeight(QStringLiteral("a"));
  font.SetSize(size);
  return width * unit;
}

TAxisPainter::TAxisPainter(TAxis& axis)
    : Axis(axis),
      Graph(*axis.Graph),
      Canvas(axis.Graph->TargetCanvas()),
      Text(*axis.Graph, axis.Font.Name()),
      Pen(*axis.Graph),
      P(axis.Graph->PlotRect),
      R(axis.Graph->PlotRect),
      FrameWidth(FramePixelWidth(*axis.Graph)),
      Depth(axis.Graph->Depth),
      View3D(axis.Graph->View3D != 0)
{
  InflateIntRect(R, FrameWidth, FrameWidth);
  Canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  Text.SetSize(1);
  UnitHeight = Text.TextHeight(QStringLiteral("a"));
  const bool inward = axis.Ticks.Direction == tdIN;
  MajorLength = axis.Ticks.MajorLength * UnitHeight * (inward ? -1 : 1);
  MinorLength = axis.Ticks.MinorLength * UnitHeight * (inward ? -1 : 1);
  Offset = inward ? 0 : MajorLength;
  RestorePen();
  Text.SetSize(PaintFontSize(axis.Font.Size()));
  LineHeight = Text.TextHeight(QStringLiteral("Aj"));
}

platform::TColor TAxisPainter::PenColor() const
{
  const bool paper = PrinterPrinting() || GraphLibrary().PrintPreviewing;
  if (paper && (Axis.Color == platform::clWhite || GraphLibrary().PrintColorMode == kPrintBlackAndWhite))
    return platform::clBlack;
  return Axis.Color;
}

void TAxisPainter::Line(int x1, int y1, int x2, int y2)
{
  Pen.MoveTo(x1, y1);
  Pen.LineTo(x2, y2);
}

void TAxisPainter::UseLabelFont()
{
  Text.SetFontName(Axis.Font.Name());
  Text.SetColor(Axis.Font.Color());
  Text.SetStyle(Axis.Font.Style());
  Text.SetSize(PaintFontSize(Axis.Font.Size()));
}

void TAxisPainter::UseCaptionFont()
{
  Text.SetFontName(Axis.NameFont.Name());
  Text.SetColor(Axis.NameFont.Color());
  Text.SetStyle(Axis.NameFont.Style());
  Text.SetSize(PaintFontSize(Axis.NameFont.Size()));
}

void TAxisPainter::GridLine(std::initializer_list<platform::TPoint> points)
{
  {
    TWPen grid(Graph);
    grid.SetColor(Axis.GridColor);
    bool first = true;
    for (const platform::TPoint& p : points) {
      if (first)
        grid.MoveTo(p.X, p.Y);
      else
        grid.LineTo(p.X, p.Y);
      first = false;
    }
  }
  RestorePen();
}

void TAxisPainter::RestorePen()
{
  Pen.SetColor(PenColor());
  Pen.SetStyle(platform::TPenStyle::psSolid);
  Pen.SetWidth(Axis.LineWidth);
}

}  // namespace plot
