// The series under the mouse: the point or segment hit in each style, the cursor it shows, the
// select, delete, hide and info gestures, the popup menu on a right click, and point dragging with
// not-xor feedback lines.
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"
#include "plot/parts/InfoBubble.h"
#include "plot/support/PixelGeometry.h"
#include "plot/support/Polygons.h"

#include "platform/CanvasRounding.h"
#include "platform/Menus.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace plotui {

namespace {

constexpr double kHitTolerance = 0.01;
constexpr int kSegmentReach = 5;
constexpr int kStepReach = 4;
constexpr int kVolumeReach = 5;
constexpr std::uint8_t kDragArmed = 0x10;
constexpr std::uint8_t kDragging = 0x04;
constexpr platform::TCursor kDeleteCursor = 103;
constexpr platform::TCursor kSelectCursor = 104;
constexpr platform::TCursor kInfoCursor = 109;

platform::TShiftState Keys(platform::TShiftState shift)
{
  return shift & (platform::ssShift | platform::ssAlt | platform::ssCtrl);
}

// True when shift holds every key of the set.
bool Holds(platform::TShiftState shift, std::uint8_t set) { return (shift & set) == set; }

bool Between(int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); }

}  // namespace

platform::TPoint TSeries::PixelOf(double x, double y, int offset) const
{
  return {Graph->XToScreen(x) + offset, Graph->YToScreen(y) - offset};
}

bool TSeries::HitBar(int x, int y)
{
  const plot::TFloatRect range = Graph->GetDrawRange();
  double wx = Graph->ScreenToX(x), wy = Graph->ScreenToY(y);
  if (Graph->IsXLog())
    wx = std::pow(10.0, wx);
  if (Graph->IsYLog())
    wy = std::pow(10.0, wy);
  const bool stacked = Graph->BarStyle == plot::bsStacked || Graph->BarStyle == plot::bs100Stacked;
  const int layer = Graph->IndexOfLayer(this);
  for (int i = GetCount() - 1; i >= 0; --i) {
    plot::TFloatRect r = stacked ? GetStackedBarRect(i, layer) : GetData(i).BarRect;
    const double height = std::abs(range.Bottom - range.Top);
    if (!Graph->IsYLog() && std::abs(r.Bottom - r.Top) < height * kHitTolerance)
      r.Top = std::max(r.Top, r.Bottom) + height * kHitTolerance;
    const double left = std::min(r.Left, r.Right), right = std::max(r.Left, r.Right);
    const double low = std::min(r.Top, r.Bottom), high = std::max(r.Top, r.Bottom);
    if (wx >= left && wx <= right && wy >= low && wy <= high) {
      HitPoint = i;
      return true;
    }
  }
  return false;
}

bool TSeries::HitDepthBar(int x, int y)
{
  for (int i = GetCount() - 1; i >= 0; --i) {
    const std::vector<platform::TPoint> outline = GetZBarOutline(i);
    if (outline.size() < 3)
      continue;
    plot::TPoly poly;
    for (const platform::TPoint& p : outline)
      poly.Add(p.X, p.Y);
    if (poly.PointInside(x, y)) {
      HitPoint = i;
      return true;
    }
  }
  return false;
}

bool TSeries::HitPointOrSegment(int x, int y)
{
  const platform::TRect plot = Graph->GetPlotRect();
  const int tx = platform::SafeRound((plot.Right - plot.Left) * kHitTolerance);
  const int ty = platform::SafeRound((plot.Bottom - plot.Top) * kHitTolerance);
  int o = 0, o2 = 0;
  const int count = Graph->GetDepthCount();
  if (Graph->Depth != 0 && count > 0) {
    const int index = Graph->GetDepthIndex(this);
    if (Graph->View3D != 0)
      o = Graph->GetDepthShift(index, count);
    o2 = platform::SafeRound(double(Graph->Depth) * index / (count + 1));
  }
  MarkerHit = Style == plot::kStylePoints;
  if (Style == plot::kStylePoints || Style == plot::kStyleLineAndPoint)
    for (int i = GetCount() - 1; i >= 0; --i) {
      const TGraphData& d = Points[std::size_t(i)];
      if (!d.Marker || !d.HitEnabled || !ShowMarkers || !HasMarkerAt(i))
        continue;
      const plot::TFloatPoint p = GetPoint(i);
      const platform::TPoint c = PixelOf(p.X, p.Y, o);
      const int s = d.Marker->Size / 2 + 1;
      if (std::abs(x - c.X) <= s && std::abs(y - c.Y) <= s) {
        HitPoint = i;
        MarkerHit = true;
        return true;
      }
    }
  const platform::TPoint mouse{x, y};
  // On linear flat axes a record wholly outside the mouse's reach in world units is passed over
  // without converting it to pixels.
  const bool lines = Style != plot::kStyleArea && Style != plot::kStyleVolume;
  const bool quick = lines && !Graph->IsXLog() && !Graph->IsYLog() && o == 0 && o2 == 0;
  const int rx = tx + kSegmentReach + 1, ry = ty + kSegmentReach + 1;
  const double wx0 = std::min(Graph->ScreenToX(x - rx), Graph->ScreenToX(x + rx));
  const double wx1 = std::max(Graph->ScreenToX(x - rx), Graph->ScreenToX(x + rx));
  const double wy0 = std::min(Graph->ScreenToY(y - ry), Graph->ScreenToY(y + ry));
  const double wy1 = std::max(Graph->ScreenToY(y - ry), Graph->ScreenToY(y + ry));
  for (int i = GetCount() - 1; i >= 0; --i) {
    const TGraphData& d = Points[std::size_t(i)];
    if (quick && (std::max(d.X1, d.X2) < wx0 || std::min(d.X1, d.X2) > wx1 || std::max(d.Y1, d.Y2) < wy0 ||
                  std::min(d.Y1, d.Y2) > wy1))
      continue;
    const platform::TPoint a = PixelOf(d.X1, d.Y1, o), b = PixelOf(d.X2, d.Y2, o);
    if (Style == plot::kStyleArea) {
      plot::TPoly poly;
      poly.Add(a.X, a.Y);
      poly.Add(b.X, b.Y);
      poly.Add(b.X, plot.Bottom - o);
      poly.Add(a.X, plot.Bottom - o);
      if (a != b && poly.PointInside(x, y)) {
        HitPoint = i;
        return true;
      }
      continue;
    }
    if (Style == plot::kStyleVolume) {
      const plot::TFloatPoint p = GetPoint(i);
      const platform::TPoint top = PixelOf(p.X, p.Y, 0);
      const int zero = Graph->YToScreen(Graph->IsYLog() ? 1 : 0) - o2;
      if (std::abs(x - (top.X + o2)) < kVolumeReach && Between(y, top.Y - o2, zero)) {
        HitPoint = i;
        return true;
      }
      continue;
    }
    const bool inBox = x >= std::min(a.X, b.X) - tx && x <= std::max(a.X, b.X) + tx &&
                       y >= std::min(a.Y, b.Y) - ty && y <= std::max(a.Y, b.Y) + ty;
    if (!inBox)
      continue;
    if (Style == plot::kStylePiecewiseConstant) {
      const int x1 = Graph->XToScreen(d.X1) + o2, x2 = Graph->XToScreen(d.X2) + o2;
      const int level = Graph->YToScreen(d.Y1) - o2;
      if (i > 0 && x > std::min(x1, x2) && x < std::max(x1, x2) && std::abs(y - level) <= kStepReach) {
        HitPoint = i - 1;
        HitDistance = std::abs(y - level);
        return true;
      }
    }
    if (Style == plot::kStyleLine || Style == plot::kStyleLineAndPoint || Style == plot::kStyleArrow ||
        Style == plot::kStylePiecewiseConstant) {
      const int distance = a == b ? std::max(std::abs(x - a.X), std::abs(y - a.Y)) : plot::DistanceToSegment(a, b, mouse);
      if (distance <= kSegmentReach) {
        const int toStart = std::abs(x - a.X) + std::abs(y - a.Y);
        const int toEnd = std::abs(x - b.X) + std::abs(y - b.Y);
        HitPoint = i > 0 && toStart < toEnd ? i - 1 : i;
        HitDistance = distance;
        return true;
      }
    }
    HitDistance = INT_MAX;
    if ((DragState & kDragArmed) == 0)
      Graph->Image->SetCursor(platform::crDefault);
  }
  return false;
}

void TSeries::MouseMoveActive(platform::TShiftState shift, int x, int y)
{
  HitIndex = -1;
  HitPoint = -1;
  MarkerHit = false;
  if (!Interactive || !GetVisible())
    return;
  if (DragState & kDragging) {
    DragTo(x, y);
    return;
  }
  if (Points.empty())
    return;
  bool hit = false;
  if (Style == plot::kStyleBar)
    hit = HitBar(x, y);
  else if (Style == plot::kStyleDepthBar)
    hit = HitDepthBar(x, y);
  else if (Style != plot::kStyleMatrix)
    hit = HitPointOrSegment(x, y);
  if (!hit) {
    HitPoint = -1;
    Graph->Image->SetCursor(platform::crDefault);
    return;
  }
  HitIndex = HitPoint;
  if (HoverEnabled)
    UpdateCursor(shift);
}

void TSeries::UpdateCursor(platform::TShiftState shift)
{
  const bool infoShown = Graph->Info && Graph->Info->GetVisible();
  const platform::TShiftState keys = Keys(shift);
  std::optional<platform::TCursor> cursor;
  if (shift == 0 && DragState == 0) {
    if (InfoShift == 0 && infoShown)
      cursor = kInfoCursor;
    else if (SelectShift == 0)
      cursor = kSelectCursor;
    else if (DeleteShift != 0 || (!AllowDelete && !AllowHide))
      cursor = platform::crDefault;
    else
      cursor = kDeleteCursor;
  } else if (DragState != 0) {
    const bool plain = shift == 0 || shift == platform::ssLeft;
    if (((DragState & kDragArmed) && plain) || (DragState & kDragging)) {
      if (Style == plot::kStylePiecewiseConstant)
        cursor = platform::crSizeNS;
    } else {
      cursor = platform::crDefault;
    }
  } else if (InfoShift != 0 && Holds(keys, InfoShift) && infoShown && InfoEnabled) {
    cursor = kInfoCursor;
  } else if (DeleteShift != 0 && Holds(keys, DeleteShift)) {
    if (AllowDelete || AllowHide)
      cursor = kDeleteCursor;
  } else if (SelectShift != 0 && Holds(keys, SelectShift) && (AllowPointSelect || AllowSelect)) {
    cursor = kSelectCursor;
  } else {
    cursor = platform::crDefault;
  }
  if (cursor)
    Graph->Image->SetCursor(*cursor);
}

void TSeries::MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  DownX = x;
  DownY = y;
  MouseMoveActive(shift, x, y);
  if (HitPoint < 0 || HitPoint >= GetCount())
    return;
  if (button == platform::mbRight) {
    // The items follow the switches as they are now.
    platform::TMenuItem& items = PopupMenu->Items();
    items.Find(QStringLiteral("miSelectOnOff"))->SetVisible(AllowPointSelect || AllowSelect);
    items.Find(QStringLiteral("miInfo"))->SetVisible(InfoEnabled);
    items.Find(QStringLiteral("miEdit"))->SetVisible(Style == plot::kStylePiecewiseConstant);
    items.Find(QStringLiteral("miErase"))->SetVisible(AllowDelete || AllowHide);
    items.Find(QStringLiteral("miUnvisible"))->SetVisible(AllowDelete || AllowHide);
    bool any = false;
    for (int i = 0; i < items.Count(); ++i)
      any = any || items.Item(i).Visible();
    if (!any) {
      HitPoint = -1;
      return;
    }
    const platform::TPoint at = Graph->Image->ClientToScreen({x, y});
    PopupMenu->Popup(at.X, at.Y);
    return;
  }
  if (!ClickEnabled || button != platform::mbLeft)
    return;
  const platform::TShiftState keys = Keys(shift);
  if ((DragState & kDragArmed) && keys == 0) {
    StartDrag(false);
    return;
  }
  if (keys == SelectShift && (AllowSelect || AllowPointSelect)) {
    SelectClick();
  } else if (keys == DeleteShift && (AllowDelete || AllowHide)) {
    if (AllowDelete) {
      DeleteClick();
    } else if (TGraphData& d = GetData(HitPoint); d.Marker) {
      RecordMarkerHide(HitPoint);
      d.Marker->Visible = false;
      d.HitEnabled = false;
    }
    Graph->Paint();
  } else if (keys == InfoShift && InfoEnabled) {
    InfoClick();
  }
}

void TSeries::MouseUp(platform::TMouseButton button, platform::TShiftState, int, int)
{
  // A drag from the popup ends at the next left click, not at the release that closed the menu.
  if (!MouseUpEnabled || button != platform::mbLeft || (DragState & kDragging) == 0)
    return;
  EndDragFeedback();
  DragState &= std::uint8_t(~kDragging);
  Graph->Paint();
}

void TSeries::DeleteClick()
{
  if (HitPoint < 0 || HitPoint >= GetCount())
    return;
  RecordPointDelete(HitPoint);
  const std::size_t i = std::size_t(HitPoint);
  const std::size_t last = Points.size() - 1;
  if (i == 0) {
    Points.erase(0);
    if (Points.empty()) {
      SetVisible(false);
    } else {
      Points[0].X1 = Points[0].X2;
      Points[0].Y1 = Points[0].Y2;
    }
  } else if (i < last) {
    Points[i + 1].X1 = Points[i - 1].X2;
    Points[i + 1].Y1 = Points[i - 1].Y2;
    Points.erase(i);
    Graph->Paint();
  } else {
    Points.erase(i);
  }
  HitPoint = -1;
  HitIndex = -1;
}

void TSeries::HideClick()
{
  RecordVisibility();
  SetVisible(false);
  Graph->Paint();
}

void TSeries::StartDrag(bool fromMenu)
{
  if (!fromMenu && (DragState & kDragArmed) == 0)
    return;
  if (HitPoint < 0 || HitPoint >= GetCount())
    return;
  // A press during a drag goes on with it: the point's values from before it are kept already.
  if ((DragState & kDragging) == 0 || DragPoint != HitPoint)
    RecordPointMove(HitPoint);
  DragPoint = HitPoint;
  DragState |= kDragArmed | kDragging;
  Graph->Canvas->Pen().SetMode(platform::TPenMode::pmNotXor);
  // The first feedback: nothing to erase yet.
  DrawDragLines(DragPoint);
  if (DragPoint > 0)
    DrawDragLines(DragPoint - 1);
  if (Style == plot::kStylePiecewiseConstant)
    Graph->Image->SetCursor(platform::crSizeNS);
}

void TSeries::DragTo(int x, int y)
{
  if (DragPoint < 0 || DragPoint >= GetCount())
    return;
  if (Style == plot::kStylePiecewiseConstant)
    Graph->Image->SetCursor(platform::crSizeNS);
  platform::TCanvas& canvas = *Graph->Canvas;
  canvas.Pen().SetMode(platform::TPenMode::pmNotXor);
  DrawDragLines(DragPoint);
  if (DragPoint > 0)
    DrawDragLines(DragPoint - 1);
  (void)x;
  double wy = Graph->ScreenToY(y);
  if (Graph->IsYLog())
    wy = std::pow(10.0, wy);
  const std::size_t i = std::size_t(DragPoint);
  Points[i].Y2 = wy;
  if (i == 0)
    Points[i].Y1 = wy;
  if (i + 1 < Points.size())
    Points[i + 1].Y1 = wy;
  canvas.Pen().SetMode(platform::TPenMode::pmNotXor);
  DrawDragLines(DragPoint);
  if (DragPoint > 0)
    DrawDragLines(DragPoint - 1);
  HitPoint = DragPoint;
}

void TSeries::DrawDragLines(int i)
{
  if (i < 0 || i + 1 >= GetCount())
    return;
  platform::TCanvas& canvas = *Graph->Canvas;
  canvas.Pen().SetStyle(static_cast<platform::TPenStyle>(LineStyle));
  canvas.Pen().SetWidth(GetLineWidthPixels());
  canvas.Pen().SetColor(GetColor());
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  const TGraphData& d = Points[std::size_t(i)];
  const TGraphData& next = Points[std::size_t(i) + 1];
  if (Style == plot::kStylePiecewiseConstant) {
    const int y = Graph->YToScreen(next.Y1);
    canvas.MoveTo(Graph->XToScreen(d.X2), y);
    canvas.LineTo(Graph->XToScreen(next.X2), y);
    if (std::size_t(i) + 2 < Points.size())
      canvas.LineTo(Graph->XToScreen(next.X2), Graph->YToScreen(next.Y2));
  } else if (Style == plot::kStyleLine) {
    canvas.MoveTo(Graph->XToScreen(next.X1), Graph->YToScreen(next.Y1));
    canvas.LineTo(Graph->XToScreen(next.X2), Graph->YToScreen(next.Y2));
  }
}

void TSeries::EndDragFeedback()
{
  Graph->Canvas->Pen().SetMode(platform::TPenMode::pmCopy);
}

}  // namespace plotui
