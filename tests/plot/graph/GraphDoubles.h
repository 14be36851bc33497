#pragma once
// Doubles of what a graph asks of the plot component: the shared picture controls, a status bar,
// and series whose drawing leaves a text mark on the canvas.

#include "plot/graph/Graph.h"
#include "plot/graph/SeriesLayer.h"

#include "platform/CanvasRecording.h"

#include "tests/support/GraphImages.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace plot::test {

using testing_support::TBitmapGraphImage;
using testing_support::TRecordingGraphImage;

class TTestStatusBar : public TGraphStatusBar {
public:
  void SetPanelText(int panel, const QString& text) override
  {
    Panels.at(panel) = text;
    History.push_back(text);
  }
  std::array<QString, 3> Panels;
  std::vector<QString> History;
};

// A layer that writes its name on the canvas when drawn, at a place nothing else draws at.
inline constexpr platform::TPoint kMarkPoint{-30000, -30000};
inline void Mark(TGraph& graph, const QString& text) { graph.Canvas->TextOut(kMarkPoint.X, kMarkPoint.Y, text); }

class TTestSeries : public TSeriesLayer {
public:
  TTestSeries(TGraph& graph, const QString& name, std::vector<TFloatPoint> points, TSeriesStyle style = kStyleLine)
      : TSeriesLayer(graph), Points(std::move(points)), Style(style)
  {
    Name = name;
    Interactive = true;
    Tolerance = 0.01;
  }

  int GetCount() const override { return static_cast<int>(Points.size()); }
  void GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const override
  {
    TLayer::GetExtents(xMin, xMax, yMin, yMax);
    for (const TFloatPoint& p : Points) {
      if (std::isfinite(p.X)) {
        xMin = std::min(xMin, p.X);
        xMax = std::max(xMax, p.X);
      }
      if (std::isfinite(p.Y)) {
        yMin = std::min(yMin, p.Y);
        yMax = std::max(yMax, p.Y);
      }
    }
  }
  void Draw() override
  {
    Mark(*Graph, Name);
    if (OnDraw)
      OnDraw();
  }

  TSeriesStyle GetStyle() const override { return Style; }
  void SetStyle(TSeriesStyle style) override { Style = style; }
  double GetBarWidth() const override { return BarWidth; }
  int GetMarkerStyle() const override { return MarkerStyle; }
  TFloatPoint GetPoint(int index) override
  {
    if (Points.empty())
      return {};
    return Points[std::min<std::size_t>(static_cast<std::size_t>(std::max(index, 0)), Points.size() - 1)];
  }
  int GetSymbolWidth(int, int) const override { return SymbolWidth; }
  void DrawClusteredBar(int p, int k, int, int, double, double, double, double) override
  {
    Mark(*Graph, QStringLiteral("%1 bar %2 slot %3").arg(Name).arg(p).arg(k));
  }
  void DrawStackedBar(int p) override
  {
    Mark(*Graph, QStringLiteral("%1 stacked %2 on %3").arg(Name).arg(p).arg(Graph->StackBase));
    Graph->StackBase += GetPoint(p).Y;
  }

  std::vector<TFloatPoint> Points;
  TSeriesStyle Style;
  double BarWidth = 0.7;
  int MarkerStyle = 1;
  int SymbolWidth = 0;
  std::function<void()> OnDraw;
};

// A graph on a recording canvas whose yield between layers runs a test's action.
struct TGraphFixture {
  TRecordingGraphImage image;
  TTestStatusBar statusBar;
  TGraph graph{nullptr, image, &statusBar};
  std::function<void()> betweenLayers;

  TGraphFixture()
  {
    graph.ProcessMessages = [this] {
      if (betweenLayers)
        betweenLayers();
    };
  }

  TTestSeries& AddSeries(const QString& name, std::vector<TFloatPoint> points, TSeriesStyle style = kStyleLine)
  {
    auto series = std::make_unique<TTestSeries>(graph, name, std::move(points), style);
    TTestSeries& ref = *series;
    graph.AddLayer(std::move(series));
    return ref;
  }

  // The marks written on the canvas, in order.
  std::vector<QString> Marks() const
  {
    std::vector<QString> marks;
    for (const auto& record : image.Recording().Records())
      if (record.Op == platform::TCanvasOp::TextOut && record.Points.at(0) == kMarkPoint)
        marks.push_back(record.Text);
    return marks;
  }
};

inline std::vector<TFloatPoint> PointsXY(std::initializer_list<std::pair<double, double>> xy)
{
  std::vector<TFloatPoint> points;
  for (const auto& [x, y] : xy)
    points.push_back({x, y});
  return points;
}

}  // namespace plot::test
