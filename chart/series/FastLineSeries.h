#pragma once
// A plain line through the points, drawn with as little work as possible: no pointers, no point
// colours, no nulls, and nothing for a point on the pixel of the one before.

#include "chart/model/ChartSeries.h"
#include "platform/CanvasTypes.h"

#include <memory>

namespace chart {

class TChartPen;

class TFastLineSeries : public TChartSeries {
public:
  TFastLineSeries();
  ~TFastLineSeries() override;

  TChartPen& LinePen() { return *linePen_; }
  const TChartPen& LinePen() const { return *linePen_; }
  void SetLinePen(const TChartPen& pen);  // the series takes the pen's colour
  // Off: an added point is drawn at once instead of repainting the chart.
  bool AutoRepaint() const { return autoRepaint_; }
  void SetAutoRepaint(bool on) { autoRepaint_ = on; }

  void Assign(const TFastLineSeries& source);

  QString GetEditorClassName() const override { return QStringLiteral("TFastLineSeriesEditor"); }
  void SetSeriesColor(TColor color) override;
  void DrawAllValues() override;
  void DrawValue(int valueIndex) override;
  void AddedValue(TChartSeries& sender, int valueIndex) override;
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;
  void DrawLegendShape(int legendIndex, const platform::TRect& rect) override;
  int Clicked(int x, int y) override;

private:
  void PreparePen();
  void LineTo(platform::TPoint p);

  std::unique_ptr<TChartPen> linePen_;
  bool autoRepaint_ = true;
  platform::TPoint previous_;
};

}  // namespace chart
