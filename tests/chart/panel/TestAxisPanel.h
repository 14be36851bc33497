#pragma once
// An axis panel whose drawing steps are logged, and a series kind that logs and draws each point
// as a small square in its colour at the point's depth.

#include "chart/model/ChartSeries.h"
#include "chart/panel/CustomAxisPanel.h"

#include <QString>
#include <string>
#include <vector>

namespace chart::testing {

using TStepLog = std::vector<std::string>;

class TLoggedSeries : public TChartSeries {
public:
  TLoggedSeries(TStepLog& log, const QString& name) : log_(log)
  {
    SetName(name);
    BeforeDrawValues = [this](TChartSeries&) { Log("before"); };
    AfterDrawValues = [this](TChartSeries&) { Log("after"); };
  }

  bool ShareZOrder = false;      // takes the z order of the series before it
  bool ReverseAt3 = false;       // draws point 3 back to front across a shared z order
  bool Backwards = false;        // draws its points last to first
  static constexpr int kHalfSize = 3;

  void AddPoints(int count)
  {
    for (int i = 0; i < count; ++i) AddXY(i, i);
  }
  void DoBeforeDrawChart() override { Log("chart"); }
  void DrawValue(int valueIndex) override
  {
    Log(std::to_string(valueIndex));
    TTeeCanvas3D& canvas = ParentChart()->Canvas();
    canvas.Pen().SetStyle(platform::TPenStyle::psClear);
    canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
    canvas.Brush().SetColor(SeriesColor());
    const int x = CalcXPos(valueIndex);
    const int y = CalcYPos(valueIndex);
    canvas.Rectangle3D({x - kHalfSize, y - kHalfSize, x + kHalfSize + 1, y + kHalfSize + 1}, DepthMiddle);
  }
  void CalcZOrder() override
  {
    if (ShareZOrder && ParentChart() != nullptr)
      SetZOrder(ParentChart()->RaiseZCounter(0));
    else
      TChartSeries::CalcZOrder();
  }
  bool DrawValuesForward() const override { return !Backwards; }
  bool DrawValueForward(int valueIndex) const override { return !(ReverseAt3 && valueIndex == 3); }

private:
  void Log(const std::string& what) { log_.push_back(Name().toStdString() + " " + what); }
  TStepLog& log_;
};

class TLoggedAxisPanel : public TCustomAxisPanel {
public:
  TLoggedAxisPanel()
  {
    OnBeforeDrawAxes = [this] { Log.push_back("axes"); };
    OnBeforeDrawSeries = [this] { Log.push_back("series"); };
    OnAfterDraw = [this] { Log.push_back("done"); };
  }
  TStepLog Log;

protected:
  void DrawTitlesAndLegend() override { Log.push_back("titles"); }
  void CalcChartRect() override
  {
    TCustomAxisPanel::CalcChartRect();
    Log.push_back("layout");
  }
  void CalcSeriesMargins() override { Log.push_back("margins"); }
  void DrawWalls() override { Log.push_back("walls"); }
  void DrawAxis(TCustomChartAxis& axis) override
  {
    static const char* const names[] = {"bottom", "top", "left", "right", "depth"};
    for (int i = 0; i < AxisCount(); ++i)
      if (&AxisAt(i) == &axis)
        Log.push_back(std::string("axis ") + names[i]);
    TCustomAxisPanel::DrawAxis(axis);
  }
};

}  // namespace chart::testing
