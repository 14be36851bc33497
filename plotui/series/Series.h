#pragma once
// A data series: a layer of a graph holding an ordered list of points, drawn in one of ten styles
// (markers, lines, volume bars, arrows, steps, a filled area, clustered or depth-ordered bars,
// matrix cells); its point queries for the graph and the info bubbles, its popup menu, and its
// block of the graph text file.

#include "plotui/series/GraphData.h"
#include "plotui/series/PointList.h"

#include "plot/graph/SeriesLayer.h"
#include "plot/parts/Marker.h"

#include "platform/CanvasTypes.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace plot {
class TPoly;
}

namespace plotui {

class TSeriesLegend;

// Keyboard modifier sets of the gestures: bit 0 Shift, bit 1 Alt, bit 2 Ctrl.
inline constexpr std::uint8_t kModShift = 0x01;
inline constexpr std::uint8_t kModAlt = 0x02;
inline constexpr std::uint8_t kModCtrl = 0x04;

class TSeries : public plot::TSeriesLayer {
public:
  TSeries(plot::TGraph& graph, const QString& name, plot::TSeriesStyle style, platform::TColor color);
  // The layer and the modifier defaults only (to be filled by a file or a copy).
  explicit TSeries(plot::TGraph& graph);
  ~TSeries() override;

  QString ClassName() const override { return QStringLiteral("TSeries"); }

  // Points.
  TGraphData& AddPoint(double x, double y, platform::TColor color, const QString& name);
  // Index 0 the start of record 0, else the end of record index (the last past the end); (0, 0)
  // for an empty series. Negative indices count as 0.
  plot::TFloatPoint GetPoint(int index) override;
  // The record at index clamped to the list; the series must not be empty.
  TGraphData& GetData(int index);
  platform::TColor GetPointColor(int index) const;
  void SetPointColor(int index, platform::TColor color);
  QString GetPointName(int index) override;
  int GetCount() const override { return static_cast<int>(Points.size()); }
  void Clear() override { Points.clear(); }

  // Style and looks.
  plot::TSeriesStyle GetStyle() const override { return Style; }
  void SetStyle(plot::TSeriesStyle style) override;
  double GetBarWidth() const override { return BarWidth; }
  int GetMarkerStyle() const override { return MarkerStyle; }
  bool GetPointColors() const override { return PointColors; }
  platform::TColor GetMarkerColor() const override { return MarkerColor; }
  void SetLineStyle(int value);
  void SetLineWidth(int value);
  // On screen LineWidth; while printing the width of "a" at that size.
  int GetLineWidthPixels() const;
  void SetInfoEnabled(bool value);
  // Each sets the value on every point's marker and as the default for new points.
  void SetMarkerStyle(int style);
  void SetMarkerSize(int size);
  void SetMarkerColor(platform::TColor color);
  void SetMarkerColor2(platform::TColor color);

  platform::TColor GetColor() const override;
  void SetColor(platform::TColor value) override;
  void SetVisible(bool value) override;

  // Copies the settings of another series (not its points nor the delete, hide and info switches).
  void AssignSettings(const TSeries& source);
  // Copies Name, colours, style and the rest into entry and remembers it as the series' entry.
  void UpdateLegend(TSeriesLegend& entry);
  // Takes the series out of the graph (and its entry out of the legend) and frees it.
  void Remove();

  // Queries of the graph and the info bubbles.
  void GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const override;
  int GetSymbolWidth(int n8, int n10) const override;
  int GetBarSymbolWidth() const;
  int GetMaxBarCount() const;
  int GetMaxZBarCount() const;
  double InterpolateY(double x, double y) override;
  double InterpolateYValue(double x, double y) { return InterpolateY(x, y); }
  double NearestX(double x, double y) override;
  double NearestXValue(double x, double y) { return NearestX(x, y); }
  int NearestPointIndex(double x, double y) override;
  plot::TFloatRect GetBarRect(int index) override;

  // Mouse: the point under it (HitIndex, -1 none), the popup on a right click, the info gesture.
  void MouseMoveActive(platform::TShiftState shift, int x, int y) override;
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  // The cursor for the point under the mouse with these keys and buttons down.
  void UpdateCursor(platform::TShiftState shift);
  // Point dragging: started from "&Edit" (fromMenu) or, once armed, by a plain left click.
  void StartDrag(bool fromMenu);
  void DragTo(int x, int y);
  // The feedback lines of point i, drawn in the pen mode in force (not-xor while dragging).
  void DrawDragLines(int i);
  void EndDragFeedback();

  // Popup menu.
  void CreatePopup() override;
  void InfoClick();
  void SelectClick();
  // Removes the point under the mouse (HitPoint); a middle point's neighbours are joined.
  void DeleteClick() override;
  void HideClick();

  // Drawing.
  void Draw() override;
  void DrawLines();
  void DrawMarkers();
  void DrawVolume();
  void DrawArrows();
  void DrawArrowHead(double x1, double y1, double x2, double y2);
  void DrawPiecewiseConstant();
  void DrawArea();
  void DrawClusteredBar(int p, int k, int n, int slotCount, double xMin, double xMax, double yMin,
                        double yMax) override;
  void DrawStackedBar(int p) override;
  // The bar of point i in depth order (style 10), and its outline in pixels (empty when the
  // index is past the end or the bar lies outside the ranges).
  void DrawZOrderedBar(int i);
  std::vector<platform::TPoint> GetZBarOutline(int i);
  // The bar of point i as the clustered bar pass computes it; false when it lies beyond the range.
  bool GetClusteredBarRect(int i, plot::TFloatRect& rect, bool& cut, double& rightForFaces);
  // The bar of point p of the series at layerIndex under a stacked bar style, for the hit test: on
  // the sum of the point's values over the bar series before it.
  plot::TFloatRect GetStackedBarRect(int p, int layerIndex);
  // True when point i gets a marker.
  bool HasMarkerAt(int i) const;

  // Graph text file.
  void ReadFromFile(plot::TGraphFileReader& file) override;
  void SaveToFile(plot::TGraphFileWriter& file) const override;

  TPointList Points;
  plot::TSeriesStyle Style = plot::kStyleLine;
  int LineStyle = 0;
  int LineWidth = 1;
  int MarkerStyle = 0;
  int MarkerSize = 4;
  platform::TColor MarkerColor = platform::clBlack;
  platform::TColor MarkerColor2 = platform::clBlack;
  bool ShowMarkers = true;
  int MarkerInterval = 1;
  bool MarkersFollowColor = true;
  bool PointColors = false;
  double BarWidth = 0.7;
  bool Shaded = false;
  bool Reserved = false;
  QString YName;
  TSeriesLegend* Legend = nullptr;  // not owned: the graph's series legend holds it
  mutable int CurrentPoint = 0;
  int HitPoint = 0;
  int HitDistance = 0;
  bool MarkerHit = false;
  int DownX = 0, DownY = 0;
  bool AllowDelete = false;
  bool InfoEnabled = true;
  bool AllowHide = false;
  bool AllowSelect = false;
  bool AllowPointSelect = false;
  bool HoverEnabled = true;
  bool ClickEnabled = true;
  bool MouseUpEnabled = true;
  std::uint8_t SelectShift = kModShift;
  std::uint8_t DeleteShift = kModCtrl;
  std::uint8_t InfoShift = 0;
  std::uint8_t DragState = 0;
  int DragPoint = 0;

private:
  void PreparePen();
  void DrawBarFaces(const plot::TFloatRect& r, double right, platform::TColor faceBrush);
  bool GetZBarRect(int i, double w, plot::TFloatRect& rect, bool& cut);
  // Point p's values summed over the bar series among the first layerEnd layers.
  double StackedSum(int p, int layerEnd) const;
  // Left end, foot and top of point p's stacked bar on the stack level; true when the top was cut.
  bool StackedBarSpan(int p, double level, double& left, double& foot, double& top);
  int LegendIndex() const;
  // Hit tests of MouseMoveActive by style; true on a hit (HitPoint set).
  bool HitBar(int x, int y);
  bool HitDepthBar(int x, int y);
  bool HitPointOrSegment(int x, int y);
  platform::TPoint PixelOf(double x, double y, int offset) const;
  // Undo records on the graph's list for the mouse edits, each putting back what the edit changes.
  void RecordPointDelete(int i);
  void RecordMarkerHide(int i);
  void RecordPointMove(int i);
  void RecordSelection(std::uint8_t kind);
  void RecordVisibility();
  void ReadPoints(plot::TGraphFileReader& file, int count);
};

// The label of a modifier set in the popup: " <Shift>", " <Ctrl>", else empty.
QString ModifierLabel(std::uint8_t set);

// Registers the series class with the graph text file.
void RegisterSeriesClass();

}  // namespace plotui
