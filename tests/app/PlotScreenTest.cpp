// What the plot windows put on the screen after the commands that draw inside the graph: the
// window's pixels as the platform shows them (its backing store after the event loop ran), not a
// grab that paints the controls again on demand.
#include "MainWindowFixture.h"

#include "plot/contour/Contour.h"
#include "plotui/series/Series.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"
#include "tools/ContourPlotWindow.h"
#include "tools/Plot2DWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <functional>

namespace app::testing {
namespace {

using testing_support::Click;
using testing_support::ClickAt;
using testing_support::Drag;
using testing_support::MoveHeldTo;
using testing_support::PressAt;
using testing_support::ReleaseAt;

// The pixels of the control as the screen shows them once pending paints have run.
QImage OnScreen(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  QWidget& top = *control.window();
  const QPixmap shown = top.windowHandle()->screen()->grabWindow(top.winId());
  const QPoint at = control.mapTo(&top, QPoint(0, 0));
  return shown.toImage().copy(QRect(at, control.size())).convertToFormat(QImage::Format_RGB32);
}

QImage Bitmap(const plotui::TPlot& chart) { return chart.Image->Picture.Image().convertToFormat(QImage::Format_RGB32); }

struct TScreenAction {
  const char* Name;
  std::function<void()> Run;
};

class PlotScreenTest : public MainWindowTest {
 protected:
  void SetUpRanges(int type, const QString& expression)
  {
    Retype(*window->Edit1, expression);
    window->pcCalc->setCurrentWidget(window->tsGraph);
    Click(*window->rgPlot->Button(type));
    Retype(*window->edFromX, QStringLiteral("-3"));
    Retype(*window->edToX, QStringLiteral("3"));
    window->edFromY->setText(QStringLiteral("-3"));  // disabled for f(x)
    window->edToY->setText(QStringLiteral("3"));
    Retype(*window->edStepsX, QStringLiteral("60"));
    if (type != 0)
      Retype(*window->edStepsY, QStringLiteral("30"));
  }

  // Plots the expression as f(x) over -3..3 and places its window.
  tools::TfmPlot2D& ShowFxPlot(const QString& expression)
  {
    Open();
    SetUpRanges(0, expression);
    Click(*window->bbOK);
    tools::TfmPlot2D& form = *window->fmPlot2D;
    form.setGeometry(80, 80, 620, 460);
    return form;
  }

  // Runs each action on the shown window: the screen changes and shows the graph's bitmap.
  void ExpectEachShown(plotui::TPlot& chart, const std::vector<TScreenAction>& actions)
  {
    QImage before = OnScreen(*chart.Image);
    ASSERT_EQ(before, Bitmap(chart));
    for (const TScreenAction& action : actions) {
      action.Run();
      const QImage after = OnScreen(*chart.Image);
      EXPECT_NE(after, before) << action.Name << ": the screen did not change";
      EXPECT_EQ(after, Bitmap(chart)) << action.Name << ": the screen is not the graph's picture";
      before = after;
    }
  }

  static QPointF Pixel(const plot::TGraph& graph, double x, double y)
  {
    return {double(graph.XToScreen(x)), double(graph.YToScreen(y))};
  }
};

TEST_F(PlotScreenTest, ZoomsBubblesAndLegendDragsOfTheFxWindowReachTheScreenAtOnce)
{
  tools::TfmPlot2D& form = ShowFxPlot(QStringLiteral("sin(x)"));
  plotui::TPlot& chart = *form.Chart;
  plot::TGraph& graph = *chart.Graph;
  QWidget& image = *chart.Image;
  const QPointF a(image.width() * 0.35, image.height() * 0.3);
  const QPointF b(image.width() * 0.65, image.height() * 0.7);
  const auto zoomDrag = [&] {
    Click(*form.sbZoomIn);
    Drag(image, a, b);
  };
  plot::TFloatRect whole;
  const std::vector<TScreenAction> actions{
      {"rubber band while dragging",
       [&] {
         whole = graph.Range;
         Click(*form.sbZoomIn);
         PressAt(image, a);
         MoveHeldTo(image, b);
       }},
      {"release of the band zooms",
       [&] {
         ReleaseAt(image, b);
         ASSERT_EQ(graph.Zoom.GetCount(), 1);
       }},
      {"a second zoom", zoomDrag},
      {"zoom previous", [&] { Click(*form.sbZoomPrev); }},
      {"zoom out",
       [&] {
         Click(*form.sbZoomOut);
         EXPECT_DOUBLE_EQ(graph.Range.Left, whole.Left);
       }},
      {"animated zoom",
       [&] {
         Click(*form.sbZoomAnime);
         Drag(image, a, b);
         QElapsedTimer waited;
         waited.start();
         while (graph.Zoom.Animating() && waited.elapsed() < 5000)
           QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
         EXPECT_FALSE(graph.Zoom.Animating());
       }},
      {"zoom out after the animation", [&] { Click(*form.sbZoomOut); }},
      {"info bubble pinned",
       [&] {
         auto& series = dynamic_cast<plotui::TSeries&>(*graph.GetLayer(0));
         const plotui::TGraphData& point = series.Points[20];
         const QPointF at = Pixel(graph, point.X2, point.Y2);
         testing_support::SendMouse(image, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
         ClickAt(image, at);
         ASSERT_EQ(graph.Info->Locations.size(), 1u);
       }},
      {"info bubble removed",
       [&] {
         const platform::TRect r = *graph.Info->Locations[0].Location->BubbleRect;
         ClickAt(image, QPointF((r.Left + r.Right) / 2.0, (r.Top + r.Bottom) / 2.0));
         EXPECT_TRUE(graph.Info->Locations.empty());
       }},
      {"legend dragged",
       [&] {
         const platform::TRect box = graph.Legend->BoxRect;
         ASSERT_FALSE(box.IsEmpty());
         const QPointF from((box.Left + box.Right) / 2.0, (box.Top + box.Bottom) / 2.0);
         PressAt(image, from);
         MoveHeldTo(image, QPointF(image.width() / 2.0, image.height() / 2.0));
         ReleaseAt(image, QPointF(image.width() / 2.0, image.height() / 2.0));
       }},
  };
  ExpectEachShown(chart, actions);
}

// With the legend dragged inside the plot, the 3-D view's walls stay within the picture.
TEST_F(PlotScreenTest, TheThreeDFrameWithTheLegendInsideStaysInTheWindow)
{
  tools::TfmPlot2D& form = ShowFxPlot(QStringLiteral("x^2"));
  plotui::TPlot& chart = *form.Chart;
  plot::TGraph& graph = *chart.Graph;
  QWidget& image = *chart.Image;
  OnScreen(image);
  const platform::TRect box = graph.Legend->BoxRect;
  ASSERT_FALSE(box.IsEmpty());
  PressAt(image, QPointF((box.Left + box.Right) / 2.0, (box.Top + box.Bottom) / 2.0));
  MoveHeldTo(image, QPointF(image.width() * 0.4, image.height() * 0.5));
  ReleaseAt(image, QPointF(image.width() * 0.4, image.height() * 0.5));
  ASSERT_EQ(graph.Legend->Style, plot::lsInside);
  Click(*form.sb3D);
  ASSERT_GT(graph.Depth, 0);
  const QImage shown = OnScreen(image);
  EXPECT_EQ(shown, Bitmap(chart));
  EXPECT_LE(graph.PlotRect.Right + graph.Depth, image.width() - 1);
  EXPECT_GE(graph.PlotRect.Top - graph.Depth, 0);
  const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(shots);
  EXPECT_TRUE(OnScreen(form).save(shots + QStringLiteral("/plot_fx_3d_legend_inside.png")));
}

TEST_F(PlotScreenTest, EveryContourEditModeReachesTheScreenAtOnce)
{
  Open();
  SetUpRanges(1, QStringLiteral("x^2+y^2"));
  Click(*window->bbOK);
  tools::TfmContourPlot& form = *window->fmContourPlot;
  form.setGeometry(80, 80, 620, 520);
  plotui::TPlot& chart = *form.Chart;
  plot::TGraph& graph = *chart.Graph;
  QWidget& image = *chart.Image;
  plot::TContour& contour = *form.Contour();
  // A point on the middle of a labelled chain, and on a chain of another level.
  const auto labelled = [&]() -> const plot::TContourChain& {
    for (const auto& chain : contour.Chains)
      if (chain.Label && chain.Label->Visible && chain.Points.size() > 8)
        return chain;
    throw std::logic_error("no labelled chain");
  };
  const auto clickChain = [&](const plot::TContourChain& chain, std::size_t at) {
    const plot::TFloatPoint p = chain.Points[at % chain.Points.size()];
    ClickAt(image, Pixel(graph, p.X, p.Y));
  };
  std::size_t chains = 0;
  const std::vector<TScreenAction> actions{
      {"add a contour",
       [&] {
         chains = contour.Chains.size();
         Click(*form.sbAddContours);
         ClickAt(image, Pixel(graph, 0.35, 0.2));
         EXPECT_GT(contour.Chains.size(), chains);
       }},
      {"delete a contour",
       [&] {
         chains = contour.Chains.size();
         Click(*form.sbDeleteContours);
         clickChain(contour.Chains.back(), 3);
         EXPECT_LT(contour.Chains.size(), chains);
       }},
      {"move a label",
       [&] {
         form.SetEditMode(plot::emMoveLabel);
         const plot::TContourChain& chain = labelled();
         clickChain(chain, chain.Points.size() / 2 + 3);
       }},
      {"label off",
       [&] {
         Click(*form.sbDeleteLabels);
         clickChain(labelled(), 2);
       }},
      {"label on and moved",
       [&] {
         Click(*form.sbAddLabels);
         for (const auto& chain : contour.Chains)
           if (chain.Label && !chain.Label->Visible) {
             clickChain(chain, 2);
             EXPECT_TRUE(chain.Label->Visible);
             return;
           }
         ADD_FAILURE() << "no label was off";
       }},
      {"zoom", [&] {
         Click(*form.sbZoomIn);
         Drag(image, QPointF(image.width() * 0.3, image.height() * 0.3),
              QPointF(image.width() * 0.6, image.height() * 0.6));
       }},
  };
  ExpectEachShown(chart, actions);
  const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(shots);
  EXPECT_TRUE(OnScreen(form).save(shots + QStringLiteral("/plot_contour_after_edits.png")));
}

}  // namespace
}  // namespace app::testing
