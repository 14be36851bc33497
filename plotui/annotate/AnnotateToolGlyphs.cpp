#include "plotui/annotate/AnnotateToolGlyphs.h"

#include "platform/Canvas.h"

namespace plotui {

namespace {

using platform::TColor;

constexpr int kSize = 16;

// A glyph drawn on a bitmap cleared to the transparent colour.
class TGlyph {
public:
  TGlyph() : bitmap_(kSize, kSize), canvas_(bitmap_.Canvas())
  {
    canvas_.Brush().SetColor(platform::clFuchsia);
    canvas_.FillRect({0, 0, kSize, kSize});
    canvas_.Brush().SetStyle(platform::TBrushStyle::bsClear);
  }
  TGlyph& Line(int x1, int y1, int x2, int y2, TColor color, int width = 1)
  {
    canvas_.Pen().SetColor(color);
    canvas_.Pen().SetWidth(width);
    canvas_.MoveTo(x1, y1);
    canvas_.LineTo(x2, y2);
    canvas_.Pen().SetWidth(1);
    return *this;
  }
  TGlyph& Box(int left, int top, int right, int bottom, TColor color)
  {
    canvas_.Pen().SetColor(color);
    canvas_.Rectangle(left, top, right, bottom);
    return *this;
  }
  TGlyph& Oval(int left, int top, int right, int bottom, TColor color)
  {
    canvas_.Pen().SetColor(color);
    canvas_.Ellipse(left, top, right, bottom);
    return *this;
  }
  platform::TBitmap Take() { return bitmap_; }

private:
  platform::TBitmap bitmap_;
  platform::TCanvas& canvas_;
};

}  // namespace

platform::TBitmap ToolGlyph(TAnnotateTool tool)
{
  using namespace platform;
  TGlyph g;
  switch (tool) {
  case atNone:  // the mouse pointer
    for (int y = 2; y <= 11; ++y)
      g.Line(4, y, 4 + (y - 2) * 6 / 9 + 1, y, y == 11 ? clBlack : clWhite).Line(4, y, 5, y, clBlack);
    g.Line(4, 2, 11, 9, clBlack).Line(7, 11, 10, 15, clBlack).Line(9, 11, 12, 15, clBlack);
    break;
  case atSymbol:
    g.Box(4, 4, 12, 12, clRed).Line(8, 1, 8, 15, clBlue).Line(1, 8, 15, 8, clBlue);
    break;
  case atLine:
    g.Line(2, 13, 14, 2, clBlack);
    break;
  case atArrow:
    g.Line(2, 13, 13, 2, clBlack).Line(13, 2, 7, 3, clBlack).Line(13, 2, 12, 8, clBlack);
    break;
  case atRectangle:
    g.Box(2, 3, 14, 13, clBlack);
    break;
  case atText:
    g.Line(4, 14, 8, 2, clBlack, 2).Line(8, 2, 12, 14, clBlack, 2).Line(5, 10, 11, 10, clBlack);
    break;
  case atCircle:
    g.Oval(1, 3, 15, 13, clBlack);
    break;
  case atPencil:
    g.Line(4, 11, 13, 2, clOlive, 3).Line(2, 13, 4, 11, clBlack, 2).Line(1, 15, 8, 15, clBlue);
    break;
  }
  return g.Take();
}

platform::TBitmap RefreshGlyph()
{
  using namespace platform;
  TGlyph g;
  g.Oval(2, 2, 14, 14, clGreen).Line(11, 1, 13, 4, clGreen, 2).Line(13, 4, 9, 5, clGreen, 2);
  return g.Take();
}

platform::TBitmap DeleteAllGlyph()
{
  using namespace platform;
  TGlyph g;
  g.Line(3, 3, 13, 13, clRed, 2).Line(13, 3, 3, 13, clRed, 2);
  return g.Take();
}

}  // namespace plotui
