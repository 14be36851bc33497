#include "plotui/print/PageLayout.h"

#include "platform/CanvasRounding.h"

#include <algorithm>

namespace plotui {

namespace {

using platform::SafeRound;
using platform::TRect;

int GraphBottom(int bottom, int band, int blocks)
{
  if (blocks <= 0)
    return bottom;
  return blocks <= 2 ? bottom - band : bottom - 2 * band;
}

}  // namespace

float DotsPerMm(int resolution) { return float(resolution) / 25.4f; }

std::vector<TRect> TitleBlockRects(int left, int right, int split, int bottom, int band, int blocks)
{
  blocks = std::clamp(blocks, 0, 4);
  if (blocks == 1)
    return {{left, bottom - band, right, bottom}};
  std::vector<TRect> rects;
  if (blocks >= 2) {
    rects.push_back({left, bottom - band, split, bottom});
    rects.push_back({split, bottom - band, right, bottom});
  }
  if (blocks == 3)
    rects.push_back({left, bottom - 2 * band, right, bottom - band});
  if (blocks == 4) {
    rects.push_back({left, bottom - 2 * band, split, bottom - band});
    rects.push_back({split, bottom - 2 * band, right, bottom - band});
  }
  return rects;
}

TPageLayout PrintedPageLayout(int pageWidth, int pageHeight, float d, const TPrintMargins& margins, int blocks)
{
  const int l = SafeRound(margins.Left * d);
  const int t = SafeRound(margins.Top * d);
  const int r = SafeRound(margins.Right * d);
  const int b = SafeRound(margins.Bottom * d);
  const int w = pageWidth - l - r;
  const int y = pageHeight - b;
  const int band = SafeRound(kTitleBandMm * d);
  TPageLayout page;
  page.Area = {l, t, l + w, y};
  page.Blocks = TitleBlockRects(l, l + w, l + w / 2, y, band, blocks);
  const int bottom = GraphBottom(y, band, blocks);
  page.Graph = {l, t, pageWidth - r, bottom};
  page.Frame = {l, t, l + w, bottom};
  return page;
}

TPageLayout PreviewPageLayout(int pageWidth, int pageHeight, float d, double s, const TPrintMargins& margins,
                              int blocks)
{
  const int band = SafeRound(d * kTitleBandMm * s);
  const int bottom = SafeRound((pageHeight - SafeRound(margins.Bottom * d)) * s);
  const int width = SafeRound((pageWidth - SafeRound(margins.Left * d) - SafeRound(margins.Right * d)) * s);
  const int left = SafeRound(SafeRound(margins.Left * d) * s);
  const int rightMargin = SafeRound(SafeRound(margins.Right * d) * s);
  const int top = SafeRound(d * (s * margins.Top));
  TPageLayout page;
  page.Area = {left, top, left + width, bottom};
  const int split = left + (SafeRound(pageWidth * s) - left - rightMargin) / 2;
  page.Blocks = TitleBlockRects(left, left + width, split, bottom, band, blocks);
  const int graphBottom = GraphBottom(bottom, band, blocks);
  page.Graph = {SafeRound(margins.Left * d * s), top, SafeRound((pageWidth - margins.Right * d) * s), graphBottom};
  page.Frame = {left, top, left + width, graphBottom};
  return page;
}

}  // namespace plotui
