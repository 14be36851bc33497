#include "tools/PlotWindowPictures.h"

#include "platform/Canvas.h"

#include <QBitmap>
#include <QCursor>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tools {

namespace {

using platform::TColor;

constexpr int kSize = 16;
constexpr TColor kClear = platform::clFuchsia;  // the glyphs' transparent colour

// Drawing a glyph on a 16 x 16 bitmap filled with the transparent colour.
class TGlyphPen {
public:
  TGlyphPen() : bitmap_(kSize, kSize), canvas_(bitmap_.Canvas())
  {
    canvas_.Brush().SetColor(kClear);
    canvas_.FillRect({0, 0, kSize, kSize});
  }

  // A line including both end points.
  TGlyphPen& Line(int x1, int y1, int x2, int y2, TColor color, int width = 1)
  {
    canvas_.Pen().SetColor(color);
    canvas_.Pen().SetWidth(width);
    canvas_.MoveTo(x1, y1);
    canvas_.LineTo(x2, y2);
    canvas_.SetPixel(x2, y2, color);
    canvas_.Pen().SetWidth(1);
    return *this;
  }
  // A box outlined in the pen colour and filled with the fill colour (kClear: hollow).
  TGlyphPen& Box(int left, int top, int right, int bottom, TColor pen, TColor fill)
  {
    SetPenAndFill(pen, fill);
    canvas_.Rectangle(left, top, right, bottom);
    return *this;
  }
  TGlyphPen& Oval(int left, int top, int right, int bottom, TColor pen, TColor fill = kClear)
  {
    SetPenAndFill(pen, fill);
    canvas_.Ellipse(left, top, right, bottom);
    return *this;
  }
  TGlyphPen& Pixel(int x, int y, TColor color)
  {
    canvas_.SetPixel(x, y, color);
    return *this;
  }

  // A magnifying glass: the lens at the top left, the handle to the bottom right.
  TGlyphPen& Lens()
  {
    Oval(0, 0, 11, 11, platform::clBlack, platform::clWhite);
    return Line(9, 9, 14, 14, platform::clNavy, 2);
  }
  // A sheet of paper with lines of text.
  TGlyphPen& Sheet(int left, int top, int right, int bottom)
  {
    Box(left, top, right, bottom, platform::clBlack, platform::clWhite);
    for (int y = top + 2; y < bottom - 2; y += 2)
      Line(left + 2, y, right - 3, y, platform::clGray);
    return *this;
  }
  // A small cross or plus in a colour, centred at (x, y).
  TGlyphPen& Plus(int x, int y, TColor color)
  {
    Line(x - 2, y, x + 2, y, color);
    return Line(x, y - 2, x, y + 2, color);
  }
  TGlyphPen& Cross(int x, int y, TColor color)
  {
    Line(x - 2, y - 2, x + 2, y + 2, color);
    return Line(x - 2, y + 2, x + 2, y - 2, color);
  }
  // A contour: two rings around a centre.
  TGlyphPen& Rings()
  {
    Oval(0, 2, 13, 13, platform::clBlue);
    return Oval(3, 5, 10, 10, platform::clRed);
  }
  // A label box with a number in it.
  TGlyphPen& Label()
  {
    Box(1, 4, 12, 11, platform::clBlack, platform::clYellow);
    Line(3, 6, 3, 8, platform::clBlack);
    Pixel(5, 8, platform::clBlack);
    return Box(7, 6, 10, 9, platform::clBlack, platform::clYellow);
  }
  // An arrow from (x1, y) to (x2, y) with its head at x2.
  TGlyphPen& ArrowAcross(int x1, int x2, int y, TColor color)
  {
    Line(x1, y, x2, y, color, 2);
    const int back = x2 > x1 ? -3 : 3;
    Line(x2 + back, y - 3, x2, y, color);
    return Line(x2 + back, y + 3, x2, y, color);
  }

  platform::TBitmap Done()
  {
    canvas_.SetPixel(0, kSize - 1, kClear);
    return bitmap_;
  }

private:
  void SetPenAndFill(TColor pen, TColor fill)
  {
    canvas_.Pen().SetColor(pen);
    canvas_.Brush().SetStyle(fill == kClear ? platform::TBrushStyle::bsClear : platform::TBrushStyle::bsSolid);
    canvas_.Brush().SetColor(fill);
  }

  platform::TBitmap bitmap_;
  platform::TCanvas& canvas_;
};

using TGlyphDrawing = std::function<void(TGlyphPen&)>;

const std::map<QString, TGlyphDrawing>& GlyphDrawings()
{
  using namespace platform;
  static const std::map<QString, TGlyphDrawing> drawings = {
      {QStringLiteral("sbPrint"),
       [](TGlyphPen& g) {
         g.Sheet(4, 1, 12, 8).Box(1, 7, 15, 13, clBlack, clSilver).Line(3, 9, 4, 9, clLime);
         g.Box(3, 11, 13, 15, clBlack, clWhite);
       }},
      {QStringLiteral("sbSaveAs"),
       [](TGlyphPen& g) {
         g.Box(1, 1, 15, 15, clBlack, clNavy).Box(4, 1, 12, 7, clBlack, clWhite).Box(5, 10, 11, 15, clBlack, clSilver);
         g.Line(8, 11, 8, 13, clNavy);
       }},
      {QStringLiteral("sbZoomIn"), [](TGlyphPen& g) { g.Lens().Plus(5, 5, clBlack); }},
      {QStringLiteral("sbZoomAnime"),
       [](TGlyphPen& g) {
         g.Lens().Plus(5, 5, clBlack).Line(12, 1, 14, 1, clRed).Line(13, 3, 15, 3, clRed).Line(12, 5, 14, 5, clRed);
       }},
      {QStringLiteral("sbZoomPrev"), [](TGlyphPen& g) { g.Lens().ArrowAcross(8, 2, 5, clGreen); }},
      {QStringLiteral("sbZoomOut"), [](TGlyphPen& g) { g.Lens().Line(3, 5, 7, 5, clBlack); }},
      {QStringLiteral("sbProp"),
       [](TGlyphPen& g) {
         g.Sheet(2, 0, 13, 15);
         g.Line(4, 9, 6, 11, clRed, 2).Line(6, 11, 11, 5, clRed, 2);
       }},
      {QStringLiteral("sbLegend"),
       [](TGlyphPen& g) {
         g.Box(0, 2, 16, 14, clBlack, clWhite);
         g.Line(2, 5, 6, 5, clRed).Line(2, 8, 6, 8, clBlue).Line(2, 11, 6, 11, clGreen);
         g.Line(8, 5, 13, 5, clGray).Line(8, 8, 13, 8, clGray).Line(8, 11, 13, 11, clGray);
       }},
      {QStringLiteral("sbVertGrid"),
       [](TGlyphPen& g) {
         g.Box(1, 1, 15, 15, clBlack, clWhite);
         for (int x = 4; x < 14; x += 3)
           g.Line(x, 2, x, 13, clGray);
       }},
      {QStringLiteral("sbHorizGrid"),
       [](TGlyphPen& g) {
         g.Box(1, 1, 15, 15, clBlack, clWhite);
         for (int y = 4; y < 14; y += 3)
           g.Line(2, y, 13, y, clGray);
       }},
      {QStringLiteral("sbGrid"),
       [](TGlyphPen& g) {
         g.Box(1, 1, 15, 15, clBlack, clWhite);
         for (int at = 4; at < 14; at += 3)
           g.Line(at, 2, at, 13, clGray).Line(2, at, 13, at, clGray);
       }},
      {QStringLiteral("sbWireFrame"),
       [](TGlyphPen& g) {
         // A mesh bent over a hill.
         for (int row = 0; row < 4; ++row)
           g.Line(1, 12 - row * 3, 14, 9 - row * 3 + (row == 1 || row == 2 ? -2 : 0), clNavy);
         for (int col = 0; col < 5; ++col)
           g.Line(1 + col * 3, 12 - col, 2 + col * 3, 3 - col / 2, clNavy);
       }},
      {QStringLiteral("sb3D"),
       [](TGlyphPen& g) {
         g.Box(1, 5, 11, 15, clBlack, clSilver).Line(1, 5, 5, 1, clBlack).Line(10, 5, 14, 1, clBlack);
         g.Line(5, 1, 14, 1, clBlack).Line(14, 1, 14, 10, clBlack).Line(10, 14, 14, 10, clBlack);
       }},
      {QStringLiteral("sbCopyToClipboard"),
       [](TGlyphPen& g) { g.Box(1, 2, 12, 15, clBlack, clOlive).Box(4, 0, 9, 4, clBlack, clSilver).Sheet(6, 5, 15, 16); }},
      {QStringLiteral("sbExport"), [](TGlyphPen& g) { g.Sheet(0, 1, 9, 15).ArrowAcross(6, 14, 8, clGreen); }},
      {QStringLiteral("sbImport"), [](TGlyphPen& g) { g.Sheet(7, 1, 16, 15).ArrowAcross(0, 9, 8, clBlue); }},
      {QStringLiteral("sbAnnotate"),
       [](TGlyphPen& g) {
         g.Line(4, 11, 13, 2, clOlive, 3).Line(13, 2, 14, 1, clMaroon, 2).Line(2, 13, 4, 11, clBlack, 2);
         g.Line(1, 15, 8, 15, clBlue);
       }},
      {QStringLiteral("sbAddContours"), [](TGlyphPen& g) { g.Rings().Plus(12, 3, clGreen); }},
      {QStringLiteral("sbDeleteContours"), [](TGlyphPen& g) { g.Rings().Cross(12, 3, clRed); }},
      {QStringLiteral("sbAddLabels"), [](TGlyphPen& g) { g.Label().ArrowAcross(9, 15, 14, clGreen).Plus(13, 2, clGreen); }},
      {QStringLiteral("sbDeleteLabels"), [](TGlyphPen& g) { g.Label().Cross(13, 2, clRed); }},
      {QStringLiteral("sbBreakEdit"),
       [](TGlyphPen& g) {
         for (int y = 1; y <= 10; ++y)
           g.Line(4, y, 4 + (y - 1) * 7 / 9, y, y == 10 ? clBlack : clWhite).Pixel(4, y, clBlack).Pixel(4 + (y - 1) * 7 / 9, y, clBlack);
         g.Line(7, 10, 10, 15, clBlack).Line(9, 10, 12, 15, clBlack).Line(10, 15, 12, 15, clBlack);
       }},
  };
  return drawings;
}

// The cursors as pixel rows: '#' black, '.' white, blank transparent.
struct TCursorRows {
  platform::TCursor Number;
  std::vector<std::string> Rows;
  QPoint HotSpot;
};

const std::vector<TCursorRows>& CursorRows()
{
  static const std::vector<TCursorRows> cursors = {
      {crZoomIn,
       {"   .....", "  .#####.", " .#.....#.", ".#...#...#.", ".#...#...#.", ".#.#####.#.", ".#...#...#.",
        ".#...#...#.", " .#.....##.", "  .######.##.", "   ......###.", "         .###.", "          .###.",
        "           .##.", "            ..", ""},
       {5, 5}},
      {crAim,
       {"       .", "      .#.", "      .#.", "      .#.", "     .###.", "  ...#...#...", " .####. .####.",
        "  ...#...#...", "     .###.", "      .#.", "      .#.", "      .#.", "       .", "", "", ""},
       {7, 6}},
      {crEraze,
       {"", "        .......", "       .#######.", "      .#.....##.", "     .#.....#.#.", "    .#.....#..#.",
        "   .#.....#..#.", "  .########.#.", "  .#......##.", " .#......#.#.", " .#......##.", " .########.",
        " ..........", "", "", ""},
       {2, 12}},
  };
  return cursors;
}

}  // namespace

platform::TBitmap ToolButtonGlyph(const QString& buttonName)
{
  const auto& drawings = GlyphDrawings();
  const auto found = drawings.find(buttonName);
  if (found == drawings.end())
    return {};
  TGlyphPen pen;
  found->second(pen);
  return pen.Done();
}

QImage PlotWindowCursorImage(platform::TCursor number, QPoint* hotSpot)
{
  for (const TCursorRows& cursor : CursorRows()) {
    if (cursor.Number != number)
      continue;
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < int(cursor.Rows.size()) && y < kSize; ++y)
      for (int x = 0; x < int(cursor.Rows[std::size_t(y)].size()) && x < kSize; ++x) {
        const char c = cursor.Rows[std::size_t(y)][std::size_t(x)];
        if (c != ' ')
          image.setPixel(x, y, c == '#' ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
      }
    if (hotSpot)
      *hotSpot = cursor.HotSpot;
    return image;
  }
  return {};
}

void RegisterPlotWindowCursors()
{
  for (const TCursorRows& cursor : CursorRows()) {
    QPoint hot;
    const QImage image = PlotWindowCursorImage(cursor.Number, &hot);
    platform::RegisterCursor(cursor.Number, QCursor(QPixmap::fromImage(image), hot.x(), hot.y()));
  }
}

}  // namespace tools
