#include "plot/parts/Background.h"

#include "plot/graph/Graph.h"
#include "plot/support/DxfWriter.h"
#include "plot/support/GraphMemIniFile.h"
#include "plot/support/GraphLibrary.h"
#include "plot/support/PrinterServices.h"

#include "platform/Bitmap.h"
#include "platform/CanvasGradient.h"
#include "platform/CanvasRounding.h"
#include "platform/ExceptionBoundary.h"

#include <QFileInfo>
#include <cstdlib>

namespace plot {

using platform::SafeRound;
using platform::TRect;

void FillGradientRect(platform::TCanvas& canvas, const TRect& r, platform::TColor nearColor,
                      platform::TColor farColor, bool horizontal)
{
  platform::FillGradient(canvas, r, nearColor, farColor, horizontal);
}

void TGraphGradient::Draw(const TRect& r)
{
  if (Visible && Style != gsNone)
    FillGradientRect(*Graph->Canvas, r, EndColor, StartColor, Style == gsLeftRight);
}

TGraphPicture::TGraphPicture(TGraph& graph) : TLayer(graph)
{
  Name = QStringLiteral("Picture");
  Visible = false;
}

void TGraphPicture::LoadPicture()
{
  if (!QFileInfo(PictureFileName).isFile())
    return;
  try {
    PictureData.LoadFromFile(PictureFileName);
  } catch (const platform::EInvalidGraphic&) {
    failedName_ = PictureFileName;
    throw;
  }
  loadedName_ = PictureFileName;
  failedName_.clear();
  Loaded = true;
}

void TGraphPicture::SaveToIni()
{
  if (Graph->IniFileName.isEmpty())
    return;
  TGraphMemIniFile ini(Graph->IniFileName);  // written when it goes
  ini.WriteString(QStringLiteral("Picture"), QStringLiteral("Name"), Name);
}

TRect TGraphPicture::ZoomedSource(int width, int height) const
{
  const TFloatRect z = Graph->Zoom.Stack.front().Range;
  const TFloatRect& range = Graph->Range;
  const long double zx = static_cast<long double>(z.Right) - z.Left;
  const long double zy = static_cast<long double>(z.Bottom) - z.Top;
  const long double left = width * (range.Left - z.Left) / zx;
  const long double top = height * (z.Bottom - range.Bottom) / zy;
  return {SafeRound(left), SafeRound(top), SafeRound(left + width * (range.Right - range.Left) / zx),
          SafeRound(top + height * (range.Bottom - range.Top) / zy)};
}

// The plot area moved onto the back wall of the 3-D view.
TRect TGraphPicture::PlotClip(int bottomShift) const
{
  TRect clip = Graph->PlotRect;
  clip.Bottom -= bottomShift;
  if (Graph->View3D > 0) {
    clip.Top -= Graph->Depth;
    clip.Bottom -= Graph->Depth;
    clip.Right += Graph->Depth;
  }
  return clip;
}

void TGraphPicture::Draw()
{
  if (!GetVisible() || DXFWriter().Active || PictureFileName.isEmpty())
    return;
  if ((!Loaded || loadedName_ != PictureFileName) && failedName_ != PictureFileName) {
    try {
      LoadPicture();
    } catch (const platform::EInvalidGraphic&) {
      platform::ShowCurrentExceptionLater();  // once per file name; the paint goes on
    }
  }
  const auto* bitmap = dynamic_cast<const platform::TBitmap*>(PictureData.Graphic());
  if (!bitmap || bitmap->Empty())
    return;
  const bool zoomed = !Graph->Zoom.Stack.empty();
  if (PrinterPrinting())
    DrawOnPrinter(*bitmap, zoomed);
  else
    DrawOnScreen(*bitmap, zoomed);
}

namespace {

// Tiles from (x0, y0) while the corners stay before (x1, y1).
template <typename Tile>
void ForEachTile(int x0, int y0, int x1, int y1, int w, int h, const Tile& tile)
{
  if (w <= 0 || h <= 0)
    return;
  for (int x = x0; x < x1; x += w)
    for (int y = y0; y < y1; y += h)
      tile(x, y);
}

}  // namespace

void TGraphPicture::DrawOnScreen(const platform::TBitmap& bitmap, bool zoomed)
{
  platform::TCanvas& canvas = *Graph->Canvas;
  TGraphLibrary& library = GraphLibrary();
  const TRect p = Graph->PlotRect;
  const int d = Graph->Depth;
  const int w = bitmap.Width(), h = bitmap.Height();
  if (Style == psFix) {
    canvas.StretchDraw(Graph->ImageRect, bitmap);
  } else if ((Style == psTile || Style == psAsIsInside) && !zoomed) {
    Graph->ResetClip();
    canvas.IntersectClipRect(PlotClip(1));
    if (Style == psAsIsInside) {
      if (p.Left + d < p.Right + d && p.Top - d < p.Bottom - d - 1)
        canvas.Draw(p.Left + d + 1, p.Top - d + 1, bitmap);
    } else {
      ForEachTile(p.Left + d, p.Top - d, p.Right + d, p.Bottom - d - 1, w, h,
                  [&](int x, int y) { canvas.Draw(x, y, bitmap); });
    }
    canvas.RemoveClipping();
  } else if (Style == psTile) {
    Graph->SetClip();
    canvas.IntersectClipRect(PlotClip(0));
    library.Clipped = true;
    ForEachTile(p.Left + d, p.Top - d, p.Right, p.Bottom - d, w, h, [&](int x, int y) { canvas.Draw(x, y, bitmap); });
  } else {
    const TRect dest{p.Left + d + 1, p.Top - d + 1, p.Right + d - 1, p.Bottom - d - 1};
    const TRect source = zoomed ? ZoomedSource(w, h) : TRect{0, 0, w, h};
    canvas.DrawImage(dest, bitmap.Image(), source, canvas.CopyMode());
  }
}

void TGraphPicture::DrawOnPrinter(const platform::TBitmap& bitmap, bool zoomed)
{
  platform::TCanvas& canvas = *Graph->Canvas;
  const platform::TCanvas& screen = Graph->Image->Canvas();
  const TRect p = Graph->PlotRect;
  const int d = Graph->Depth;
  const auto print = [&](const TRect& r) {
    if (!PrintBitmap(r, bitmap))
      canvas.StretchDraw(r, bitmap);
  };
  const TRect dest{p.Left + d, p.Top - d, p.Right + d, p.Bottom - d};
  if (Style == psFix) {
    print(Graph->ImageRect);
  } else if (Style == psTile) {
    const int w = SafeRound(static_cast<long double>(bitmap.Width()) *
                            canvas.DeviceCaps(platform::TDeviceCap::LogPixelsX) /
                            screen.DeviceCaps(platform::TDeviceCap::LogPixelsX));
    const int h = SafeRound(static_cast<long double>(bitmap.Height()) *
                            canvas.DeviceCaps(platform::TDeviceCap::LogPixelsY) /
                            screen.DeviceCaps(platform::TDeviceCap::LogPixelsY));
    Graph->ResetClip();
    canvas.IntersectClipRect(PlotClip(0));
    ForEachTile(p.Left + d, p.Top - d, p.Right + d, p.Bottom - d, w, h,
                [&](int x, int y) { print({x, y, x + w, y + h}); });
    canvas.RemoveClipping();
  } else if (!zoomed) {
    print(dest);
  } else {
    const TRect source = ZoomedSource(bitmap.Width(), bitmap.Height());
    platform::TBitmap part(std::abs(source.Width()), std::abs(source.Height()));
    part.Canvas().DrawImage({0, 0, part.Width(), part.Height()}, bitmap.Image(), source);
    PrintBitmap(dest, part);
  }
}

}  // namespace plot
