#pragma once
// The series legend box and the colour-scale legend boxes of a graph: placement and the room they
// take from the layout. Entries, scrolling and drawing build on these.

#include "plot/graph/Layer.h"
#include "plot/support/GraphTypes.h"

#include "platform/CanvasTypes.h"
#include "platform/Font.h"

namespace plot {

class TAbstractLegend : public TLayer {
public:
  TAbstractLegend(TGraph& graph, const QString& name, int charset);

  // Places the box in the layout rectangle and takes its room from r.
  virtual void ReserveSpace(platform::TRect& r) { (void)r; }

  TLegendStyle Style = lsRight;
  platform::TFont Font;
};

class TWLegend : public TAbstractLegend {
public:
  TWLegend(TGraph& graph, int charset) : TAbstractLegend(graph, QStringLiteral("Legend"), charset) {}
  // With style lsInside: places the box inside the plot rectangle.
  virtual void PlaceInside(const platform::TRect& plotRect) { (void)plotRect; }
};

class TColorLegend : public TAbstractLegend {
public:
  TColorLegend(TGraph& graph, int charset) : TAbstractLegend(graph, QStringLiteral("ColorLegend"), charset) {}
};

}  // namespace plot
