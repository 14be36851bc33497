#pragma once
// Where a printed plot page puts the graph and its title blocks: the graph inside the margins, up to
// four blocks in one or two bands under it. The printed page counts in printer dots; the preview's
// page picture counts in its own pixels at scale S (picture pixels per printer dot).

#include "plotui/print/PrintSettings.h"

#include "platform/CanvasTypes.h"

#include <vector>

namespace plotui {

inline constexpr int kTitleBandMm = 15;

struct TPageLayout {
  platform::TRect Area;   // inside the margins, down to the bottom margin
  platform::TRect Graph;  // the graph's rectangle
  platform::TRect Frame;  // the frame drawn around the graph
  std::vector<platform::TRect> Blocks;  // in the order the blocks are checked
  // True when the margins leave room on the page.
  bool Fits() const { return Area.Right > Area.Left && Area.Bottom > Area.Top && Graph.Bottom > Graph.Top; }
};

// The printer's dots per millimetre, as the page layout counts them.
float DotsPerMm(int resolution);

// The printed page of width x height dots with d dots per millimetre and blocks title blocks (0..4).
TPageLayout PrintedPageLayout(int pageWidth, int pageHeight, float d, const TPrintMargins& margins, int blocks);

// The same page on the preview's picture at scale s.
TPageLayout PreviewPageLayout(int pageWidth, int pageHeight, float d, double s, const TPrintMargins& margins,
                              int blocks);

// The block rectangles between left and right with the split point given, over the bottom edge.
std::vector<platform::TRect> TitleBlockRects(int left, int right, int split, int bottom, int band, int blocks);

}  // namespace plotui
