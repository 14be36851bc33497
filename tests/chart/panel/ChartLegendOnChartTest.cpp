#include "chart/model/ChartSeries.h"
#include "chart/panel/Chart.h"
#include "chart/panel/ChartLegend.h"
#include "platform/Form.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

namespace chart {
namespace {

using platform::TColor;

// A chart on a window with its own legend; series draw only their legend symbols.
struct TLegendChartWindow {
  platform::Form Form;
  TCustomChart Chart{&Form};
  TChartLegend* Legend = nullptr;
  std::vector<std::unique_ptr<TChartSeries>> Series;
  std::map<int, std::pair<int, int>> Drawn;  // item index: text position

  TLegendChartWindow()
  {
    Form.resize(400, 300);
    Chart.setGeometry(0, 0, 400, 300);
    Legend = &Chart.Legend();
    Legend->SetColorWidth(60);
    Legend->OnGetLegendPos = [this](TCustomAxisPanel&, int index, int& x, int& y, int&) { Drawn[index] = {x, y}; };
  }
  TChartSeries& Add(const QString& name, TColor color, int points)
  {
    Series.push_back(std::make_unique<TChartSeries>());
    TChartSeries& s = *Series.back();
    s.SetName(name);
    s.SetSeriesColor(color);
    for (int i = 0; i < points; ++i)
      s.AddXY(i, i + 1);
    Chart.AddSeries(s);
    return s;
  }
  QImage Shown()
  {
    if (!Form.isVisible())
      Form.show();
    for (int i = 0; i < 3; ++i)
      QApplication::processEvents();
    Chart.repaint();
    const QPixmap shown = Form.windowHandle()->screen()->grabWindow(Form.winId());
    return shown.toImage().copy(Chart.geometry()).convertToFormat(QImage::Format_RGB32);
  }
  TColor SymbolAt(const QImage& shown, int index) const
  {
    const auto [x, y] = Drawn.at(index);
    return platform::FromQColor(QColor(shown.pixel(x - 4 - Legend->ColorWidthPixels() / 2, y + 5)));
  }
};

TEST(ChartLegendOnChart, TheChartDrawsItsLegendBesideThePlotAndPassesClicksOnIt)
{
  TLegendChartWindow window;
  window.Add("first", 0x0000FF, 3);
  window.Add("second", 0x00C000, 3);
  const QImage shown = window.Shown();
  ASSERT_EQ(window.Drawn.size(), 2u);
  EXPECT_EQ(window.SymbolAt(shown, 0), TColor(0x0000FF));
  EXPECT_EQ(window.SymbolAt(shown, 1), TColor(0x00C000));
  const TRect legend = window.Legend->RectLegend();
  EXPECT_LT(window.Chart.ChartRect().Right, legend.Left);

  std::vector<int> clicks;
  window.Chart.OnClickLegend = [&](TCustomChart& chart, platform::TMouseButton, platform::TShiftState, int x, int y) {
    clicks.push_back(window.Legend->ClickedItem(x, y));
    (void)chart;
  };
  const auto [x, y] = window.Drawn.at(1);
  testing_support::ClickAt(window.Chart, QPointF(x + 2, y + 4));
  testing_support::ClickAt(window.Chart, QPointF(legend.Left - 20, y + 4));
  EXPECT_EQ(clicks, std::vector<int>{1});

  // A hidden legend gives its room back.
  window.Legend->SetVisible(false);
  window.Shown();
  EXPECT_GT(window.Chart.ChartRect().Right, legend.Left);
}

TEST(ChartLegendOnChart, OneSeriesListsItsPointsWithTheLegendsTexts)
{
  TLegendChartWindow window;
  TChartSeries& s = window.Add("only", 0x0000FF, 0);
  s.AddXY(0, 5, QStringLiteral("a"), 0xFF0000);
  s.AddXY(1, 7, QStringLiteral("b"), 0x00FF00);
  const QImage shown = window.Shown();
  ASSERT_EQ(window.Drawn.size(), 2u);
  EXPECT_EQ(window.SymbolAt(shown, 0), TColor(0xFF0000));
  EXPECT_EQ(window.SymbolAt(shown, 1), TColor(0x00FF00));
  EXPECT_EQ(window.Legend->LegendText(1), QStringLiteral("7 b"));
  EXPECT_EQ(window.Chart.LegendText(s, 1), QStringLiteral("7 b"));  // what the series ask of the chart
}

}  // namespace
}  // namespace chart
