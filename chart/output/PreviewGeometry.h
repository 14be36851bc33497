#pragma once
// The arithmetic of the print preview's page: the paper and the chart on it, the margins they make,
// what a point over the chart grabs, and where a drag puts the chart.

#include "platform/CanvasTypes.h"
#include "platform/Cursors.h"

namespace chart {

using platform::TPoint;
using platform::TRect;

enum class TPreviewDragMode { None, LeftEdge, TopEdge, RightEdge, BottomEdge, Move, TopLeft, TopRight, BottomLeft,
                              BottomRight };

// A drag under way: what it holds, and for a move where it started.
struct TPreviewDrag {
  TPreviewDragMode Mode = TPreviewDragMode::None;
  TPoint Start;
  TRect StartRect;
};

// The page of pageWidth x pageHeight dots on a client of the given size: 90 % of the client's
// height (portrait) or width (landscape), centred the other way.
TRect PreviewPaperRect(int pageWidth, int pageHeight, int clientWidth, int clientHeight);
// The paper less the margins (percent of its width and height).
TRect PreviewChartRect(const TRect& paper, const TRect& margins);
// The margins in percent that put the chart where it is on the paper.
TRect PreviewMargins(const TRect& paper, const TRect& chart);

// What a press at p would drag: an edge or corner within 4 pixels of the chart's sides, a move inside.
TPreviewDragMode PreviewHitTest(const TRect& chart, TPoint p, bool allowMove, bool allowResize);
platform::TCursor PreviewCursor(TPreviewDragMode mode);
// The chart rectangle after the pointer went to p: an edge follows within the paper without crossing
// its opposite; a move keeps the chart's size and stays on the paper.
TRect PreviewDragTo(const TPreviewDrag& drag, const TRect& paper, const TRect& chart, TPoint p);

}  // namespace chart
