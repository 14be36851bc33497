#pragma once
// The legends of a graph: the series legend box (one entry per series, placed beside, above, below
// or inside the plot, with a scroll strip when its lines don't fit) and the colour-scale legend
// boxes (the colour bar of one layer, always beside the plot). The graph holds the boxes in fields
// of its own; its layout asks each box to take its room, its paint draws them.

#include "plot/graph/Layer.h"
#include "plot/parts/Marker.h"
#include "plot/support/GraphAbstract.h"
#include "plot/support/GraphTypes.h"

#include "platform/CanvasTypes.h"
#include "platform/Font.h"
#include "platform/Pen.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {
class TScrollStrip;
}

namespace plot {

// One line of the series legend: a symbol drawn by the descendant, then the caption.
class TLegend : public TGraphAbstract {
public:
  TLegend(TGraph& graph, const QString& caption);

  // Its own flag, and the layer's visibility when it belongs to one.
  bool GetVisible() const override;
  void Draw() override;
  // Caption and symbol area in the series legend's font; 0 while the layer is hidden.
  virtual int GetWidth() const;
  virtual int GetHeight() const;
  // The symbol left of the caption, one symbol width wide; nothing in the base.
  virtual void DrawSymbol() {}
  virtual void SetPosition(int x, int y);
  // LineWidth on screen; on the printer the width of "a" at that size.
  int GetPenWidth() const;

  std::uint16_t LineWidth = 1;
  TGraph* Graph;  // not owned
  int X = 0;
  int Y = 0;
  QString Caption;
  TLayer* Layer = nullptr;  // not owned
  std::unique_ptr<TMarker> Marker;
  platform::TPenStyle LineStyle = platform::TPenStyle::psSolid;
  std::uint8_t SeriesStyle = 0;
};

// The text that stands for the symbol area of an entry.
inline const QString kLegendSymbolText = QStringLiteral("-----------");

// True when the point lies in the rectangle, its right and bottom edges included.
bool PointInPixelRect(const platform::TRect& r, platform::TPoint p);

class TAbstractLegend : public TLayer {
public:
  TAbstractLegend(TGraph& graph, const QString& name, int charset);

  // Repaints the graph when the value changes while the host updates live.
  void SetVisible(bool value) override;
  // Places the box in the layout rectangle and takes its room from r.
  virtual void ReserveSpace(platform::TRect& r) = 0;

  // Round(1.3 * the height of "()") in Font.
  int GetLineHeight() const;
  // Candidate outlines at (0, 0): a bar along the image or across it, and the box's own size.
  platform::TRect GetHorizontalRect(int x, int y) const;
  platform::TRect GetVerticalRect(int x, int y) const;
  virtual platform::TRect GetDefaultRect(int x, int y) const;
  // The closed outline on the image; nothing while the graph paints.
  void DrawOutline(const platform::TRect& r, int width, platform::TColor color, platform::TPenMode mode);

  // Dragging the box to another place; (-1, -1) is no point.
  void DragStart(int x, int y);
  virtual void DragMove(int x, int y);
  virtual void DragEnd(int x, int y);
  // The side of the image nearest to the point; right wins ties, then left, then top.
  TLegendStyle NearestSide(int x, int y) const;

  int DragX = 0;
  int DragY = 0;
  platform::TRect OutlineRect;
  platform::TRect InsideRect;
  platform::TRect HorizontalRect;
  platform::TRect VerticalRect;
  TLegendStyle Style = lsRight;
  platform::TFont Font;
  bool TransparentBackGround = false;
  int ShadowThickness = 3;
  platform::TColor ShadowColor = platform::clBlack;
  bool ShadowVisible = true;
  platform::TColor FrameColor = platform::clBlack;
  bool FrameVisible = true;
  int FrameThickness = 1;
  platform::TPenStyle FrameStyle = platform::TPenStyle::psSolid;
  platform::TRect BoxRect;

protected:
  void EraseOutline();
  void MoveCandidates(int x, int y);
};

// The series legend.
class TWLegend : public TAbstractLegend {
public:
  TWLegend(TGraph& graph, int charset);

  int GetCount() const override { return static_cast<int>(Entries.size()); }
  void Clear() override { Entries.clear(); }
  void Draw() override;
  platform::TRect GetDefaultRect(int x, int y) const override;
  void DragEnd(int x, int y) override;
  void ReserveSpace(platform::TRect& r) override { LayoutEntries(r, false); }

  // Entries: the legend owns them.
  int Add(std::unique_ptr<TLegend> entry);
  int IndexOf(const TLegend* entry) const;
  int IndexOfSeries(const TLayer* series) const;
  int IndexOfCaption(const QString& text) const;
  void Delete(int index);
  TLegend* Entry(int index) const { return Entries.at(static_cast<std::size_t>(index)).get(); }

  // The widest entry plus 3; 0 without entries.
  int GetMaxEntryWidth() const;
  // Places the box and its entries in r and takes their room; again marks the second run after
  // the scroll strip came or went.
  void LayoutEntries(platform::TRect& r, bool again);
  // With style lsInside: the box at its world anchor inside the plot rectangle.
  void PlaceInside(const platform::TRect& plotRect);

  std::vector<std::unique_ptr<TLegend>> Entries;
  double InsideY = 0;  // axis units of the box's top-left corner
  double InsideX = 0;
  int VisibleLines = 0;  // entry lines that fit beside the plot
  // The host's strip with the legend scroll bar, aligned right; not owned, may be null.
  platform::TScrollStrip* ScrollStrip = nullptr;

private:
  bool Shown(const TLegend& entry) const { return entry.GetVisible(); }
  void LayoutRows(platform::TRect& r);
  void LayoutColumn(platform::TRect& r);
  void UpdateScrollStrip(platform::TRect& r, const platform::TRect& onEntry, bool again);
};

// A colour-scale legend: the colour bar of one layer with its level labels.
class TColorLegend : public TAbstractLegend {
public:
  TColorLegend(TGraph& graph, int charset);

  // 1 when the layer is set and shows a colour map or asks for a colour legend.
  int GetCount() const override;
  void Clear() override { Layer = nullptr; }
  void Draw() override;
  platform::TRect GetDefaultRect(int x, int y) const override;
  void DragMove(int x, int y) override;
  void DragEnd(int x, int y) override;
  void ReserveSpace(platform::TRect& r) override { Layout(r); }
  void Layout(platform::TRect& r);

  TLayer* Layer = nullptr;  // not owned
  int ScaleWidth = 0;       // thickness of the colour bar

private:
  void DrawScale(platform::TRect bar, bool vertical);
};

// The palette index of value v in the layer's colour scale: -1 beyond a fixed limit, else
// interpolated between the two levels around v.
int ColorScaleIndex(const TLayer& scale, double v);

}  // namespace plot
