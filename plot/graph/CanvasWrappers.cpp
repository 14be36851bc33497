#include "plot/graph/CanvasWrappers.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"
#include "plot/support/RotatedFont.h"

namespace plot {

using platform::TColor;

TWPen::TWPen(TGraph& graph) : Graph(&graph), Canvas(&graph.TargetCanvas())
{
  TWPen::Reset();
}

void TWPen::Reset()
{
  platform::TPen& pen = Canvas->Pen();
  pen.SetColor(platform::clBlack);
  pen.SetStyle(platform::TPenStyle::psSolid);
  pen.SetMode(platform::TPenMode::pmCopy);
  pen.SetWidth(1);
}

void TWPen::SetColor(TColor color) { Canvas->Pen().SetColor(BlackAndWhiteApplies() ? platform::clBlack : color); }

void TWPen::SetFillColor(TColor color)
{
  Canvas->Brush().SetColor(BlackAndWhiteApplies() ? platform::clWhite : color);
  Canvas->Brush().SetStyle(platform::TBrushStyle::bsSolid);
}

// The pen keeps what it has: a brush wrapper only makes the brush solid.
TWBrush::TWBrush(TGraph& graph) : TWPen(graph) { TWBrush::Reset(); }

TWBrush::~TWBrush() { Canvas->Brush().SetStyle(platform::TBrushStyle::bsClear); }

void TWBrush::SetColor(TColor color) { Canvas->Brush().SetColor(color); }

void TWBrush::Reset() { Canvas->Brush().SetStyle(platform::TBrushStyle::bsSolid); }

TWText::TWText(TGraph& graph, const QString& fontName) : TWPen(graph)
{
  Canvas->SetTextAlign(platform::TA_BASELINE);
  TWText::SetFontName(fontName);
}

void TWText::SetColor(TColor color) { Canvas->Font().SetColor(BlackAndWhiteApplies() ? platform::clBlack : color); }

void TWText::SetSize(int size)
{
  Canvas->Font().SetSize(size);
  FontSize = size;
}

void TWText::SetFontName(const QString& name)
{
  Canvas->Font().SetName(name);
  Canvas->Font().SetCharset(Graph->Charset);
}

// Another user of the canvas may have changed the size since it was set here.
void TWText::ApplyFontSize()
{
  if (FontSize > 0)
    Canvas->Font().SetSize(FontSize);
}

void TWText::TextOut(int x, int y, const QString& text)
{
  ApplyFontSize();
  Canvas->TextOut(x, y, text);
}

int TWText::TextWidth(const QString& text)
{
  ApplyFontSize();
  return Canvas->TextWidth(text);
}

void TWRText::TextOut(int x, int y, const QString& text)
{
  if (text.isEmpty())
    return;
  ApplyFontSize();
  if (Angle == 0) {
    Canvas->TextOut(x, y, text);
    return;
  }
  const platform::TFontData own = Canvas->Font().Data();
  Canvas->Font().SetData(CreateRotatedFont(Canvas->Font(), Angle, Graph->Charset));
  Canvas->TextOut(x, y, text);
  Canvas->Font().SetData(own);
}

}  // namespace plot
