#include "grid/editor/CheckGlyphs.h"

#include "platform/Canvas.h"
#include "platform/CanvasEdge.h"

#include <initializer_list>

namespace grid {

using platform::TCanvas;
using platform::TPoint;
using platform::TRect;

namespace {

constexpr platform::TColor kSilver = 0xC0C0C0;
constexpr platform::TColor kGrey = 0x808080;

// One-pixel lines through the points (the end pixel left out), offset to a cell's top.
void Lines(TCanvas& canvas, int top, std::initializer_list<TPoint> points)
{
  bool first = true;
  for (const TPoint p : points) {
    if (first)
      canvas.MoveTo(p.X, top + p.Y);
    else
      canvas.LineTo(p.X, top + p.Y);
    first = false;
  }
}

void SunkenBox(TCanvas& canvas, int top)
{
  TRect frame{0, top, kCheckGlyphSize, top + kCheckGlyphSize};
  platform::DrawEdge(canvas, frame, platform::EDGE_SUNKEN, platform::BF_RECT);
  canvas.Brush().SetColor(platform::clWhite);
  canvas.FillRect({2, top + 2, 11, top + 11});
}

void CheckMark(TCanvas& canvas, int top)
{
  for (int d = 0; d < 3; ++d)
    Lines(canvas, top, {{3, 5 + d}, {5, 7 + d}, {10, 2 + d}});
}

void DrawCell(TCanvas& canvas, int cell)
{
  const int top = cell * kCheckGlyphSize;
  canvas.Pen().SetColor(platform::clBlack);
  switch (cell) {
    case 0:
      SunkenBox(canvas, top);
      Lines(canvas, top, {{3, 3}, {10, 10}});
      Lines(canvas, top, {{4, 3}, {10, 9}});
      Lines(canvas, top, {{3, 4}, {9, 10}});
      Lines(canvas, top, {{9, 3}, {2, 10}});
      Lines(canvas, top, {{8, 3}, {2, 9}});
      Lines(canvas, top, {{9, 4}, {3, 10}});
      break;
    case 1:
    case 4:
      SunkenBox(canvas, top);
      break;
    case 2:
      SunkenBox(canvas, top);
      Lines(canvas, top, {{3, 3}, {10, 10}});
      for (int i = 0; i <= 3; ++i) {
        Lines(canvas, top, {{3 + 2 * i, 3}, {10, 10 - 2 * i}});
        Lines(canvas, top, {{3, 3 + 2 * i}, {10 - 2 * i, 10}});
      }
      break;
    case 3:
      SunkenBox(canvas, top);
      CheckMark(canvas, top);
      break;
    case 5:
      SunkenBox(canvas, top);
      canvas.Pen().SetColor(kSilver);
      for (int i = 0; i <= 4; ++i) {
        Lines(canvas, top, {{3 + 2 * i, 2}, {11, 10 - 2 * i}});
        Lines(canvas, top, {{2, 3 + 2 * i}, {10 - 2 * i, 11}});
      }
      canvas.Pen().SetColor(kGrey);
      CheckMark(canvas, top);
      break;
    case 6: {
      TRect frame{0, top, kCheckGlyphSize, top + kCheckGlyphSize};
      platform::DrawEdge(canvas, frame, platform::BDR_RAISEDOUTER, platform::BF_RECT | platform::BF_MONO);
      Lines(canvas, top, {{0, 0}, {12, 12}});
      Lines(canvas, top, {{0, 12}, {12, 0}});
      break;
    }
    case 7:
    case 8: {
      TRect frame{0, top, kCheckGlyphSize, top + kCheckGlyphSize};
      platform::DrawEdge(canvas, frame, platform::EDGE_SUNKEN, platform::BF_RECT | platform::BF_MONO);
      if (cell == 8) {
        for (int i = 0; i <= 5; ++i) {
          Lines(canvas, top, {{2 * i + 1, 0}, {13, 12 - 2 * i}});
          Lines(canvas, top, {{0, 2 * i + 1}, {12 - 2 * i, 13}});
        }
      }
      break;
    }
    default:
      break;
  }
}

// The pressed copies: white inside a one-pixel border turns silver (cross and check), a raised mono
// frame one pixel inside the cell (flat).
void DrawPressedCell(platform::TBitmap& bitmap, int cell)
{
  const int normal = cell - kPressedGlyphShift;
  const int top = cell * kCheckGlyphSize;
  const int from = normal * kCheckGlyphSize;
  TCanvas& canvas = bitmap.Canvas();
  QImage image = bitmap.Image().copy(0, from, kCheckGlyphSize, kCheckGlyphSize);
  if (normal < 6) {
    for (int y = 1; y < kCheckGlyphSize - 1; ++y) {
      for (int x = 1; x < kCheckGlyphSize - 1; ++x) {
        if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
          image.setPixel(x, y, 0xFFC0C0C0);
      }
    }
  }
  canvas.DrawImage({0, top, kCheckGlyphSize, top + kCheckGlyphSize}, image, {0, 0, kCheckGlyphSize, kCheckGlyphSize});
  if (normal >= 6) {
    TRect frame{1, top + 1, kCheckGlyphSize - 1, top + kCheckGlyphSize - 1};
    platform::DrawEdge(canvas, frame, platform::BDR_RAISEDOUTER, platform::BF_RECT | platform::BF_MONO);
  }
}

platform::TBitmap BuildGlyphs()
{
  platform::TBitmap bitmap(kCheckGlyphSize, kCheckGlyphSize * kCheckGlyphCells);
  for (int cell = 0; cell < kPressedGlyphShift; ++cell)
    DrawCell(bitmap.Canvas(), cell);
  for (int cell = kPressedGlyphShift; cell < kCheckGlyphCells; ++cell)
    DrawPressedCell(bitmap, cell);
  return bitmap;
}

}  // namespace

const platform::TBitmap& CheckGlyphBitmap()
{
  static const platform::TBitmap glyphs = BuildGlyphs();
  return glyphs;
}

int CheckGlyphBase(TtsCheckBoxStyle style)
{
  switch (style) {
    case stCross:
      return 0;
    case stFlat:
      return 6;
    default:
      return 3;
  }
}

platform::TCopyMode CheckGlyphRop(int cell)
{
  const int normal = cell % kPressedGlyphShift;
  return normal >= 6 ? platform::cmMergeCopy : platform::cmSrcCopy;
}

}  // namespace grid
