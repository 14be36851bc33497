#include "MainWindowFixture.h"

#include "engine/Evaluator.h"
#include "plotui/series/Series.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"
#include "tools/ContourPlotWindow.h"
#include "tools/Plot2DWindow.h"
#include "tools/PlotWindowPictures.h"

#include "platform/IniFile.h"
#include "platform/Shell.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <functional>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace app::testing {
namespace {

using testing_support::Click;
using testing_support::ClickAt;
using testing_support::Drag;

// The expression evaluated directly at (x, y), as the calculator evaluates a typed text.
double Direct(const char* text, double x, double y = 0)
{
  engine::VarValues[1] = x;
  engine::VarValues[2] = y;
  engine::Extended value = 0;
  EXPECT_TRUE(engine::EvalTypedText(text, value)) << text << " at " << x;
  return double(value);
}

QString Shots()
{
  const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(shots);
  return shots;
}

class GraphicsPageTest : public MainWindowTest {
 protected:
  // Types the expression, opens the Graphics page, picks the plot type and types the X range.
  void SetUpPlot(const QString& expression, const QString& from, const QString& to, const QString& steps)
  {
    Retype(*window->Edit1, expression);
    window->pcCalc->setCurrentWidget(window->tsGraph);
    Click(*window->rgPlot->Button(0));
    Retype(*window->edFromX, from);
    Retype(*window->edToX, to);
    Retype(*window->edStepsX, steps);
  }

  // Presses OK and answers the one message box, which must hold the part given.
  void PlotExpectingMessage(const QString& part)
  {
    platform::ModalScript script;
    script.Then([&](platform::ModalSubject& subject) {
      EXPECT_TRUE(subject.Describe().contains(part)) << subject.Describe().toStdString();
      return platform::mrOk;
    });
    Click(*window->bbOK);
    EXPECT_EQ(script.StepsLeft(), 0) << part.toStdString();
  }

  // Types the expression and both ranges for a plot over x and y of the type given.
  void SetUpPlotXY(int type, const QString& expression, const QString& range, const QString& steps)
  {
    Retype(*window->Edit1, expression);
    window->pcCalc->setCurrentWidget(window->tsGraph);
    Click(*window->rgPlot->Button(type));
    for (QLineEdit* edit : {window->edFromX, window->edFromY})
      Retype(*edit, QStringLiteral("-") + range);
    for (QLineEdit* edit : {window->edToX, window->edToY})
      Retype(*edit, range);
    Retype(*window->edStepsX, steps);
    Retype(*window->edStepsY, steps);
  }

  // A click on the type's round button, as the user picks a plot type.
  void ChooseType(int type)
  {
    QRadioButton& button = *window->rgPlot->Button(type);
    ClickAt(button, QPointF(8, button.height() / 2.0));
  }

  tools::TfmPlot2D& PlotWindow() { return *window->fmPlot2D; }
  plot::TGraph& Graph() { return *PlotWindow().Chart->Graph; }
  plotui::TSeries& Series(int index) { return dynamic_cast<plotui::TSeries&>(*Graph().GetLayer(index)); }
  int SeriesCount()
  {
    int count = 0;
    for (int i = 0; i < Graph().GetLayerCount(); ++i)
      count += dynamic_cast<plotui::TSeries*>(Graph().GetLayer(i)) != nullptr;
    return count;
  }
};

TEST_F(GraphicsPageTest, TheFxLauncherPlotsTheCurveAndASecondPlotTakesTheNextColour)
{
  Open();
  engine::VarValues[1] = 7;
  SetUpPlot(QStringLiteral("x^2"), QStringLiteral("-2"), QStringLiteral("2"), QStringLiteral("200"));
  EXPECT_EQ(window->StepsX[0], 200);
  EXPECT_EQ(window->edLegend->text(), QStringLiteral("f(x^2)"));
  EXPECT_FALSE(window->edFromY->isEnabled());  // the Y range belongs to the plots over x and y
  EXPECT_TRUE(window->Gauge->isVisible());
  Click(*window->bbOK);

  ASSERT_TRUE(PlotWindow().isVisible());
  EXPECT_EQ(PlotWindow().windowTitle(), QStringLiteral("2D - Plot"));
  ASSERT_EQ(SeriesCount(), 1);
  plotui::TSeries& square = Series(0);
  ASSERT_EQ(square.GetCount(), 201);
  EXPECT_EQ(square.Name, QStringLiteral("f(x^2)"));
  EXPECT_EQ(square.GetStyle(), plot::kStyleLineAndPoint);
  EXPECT_EQ(square.MarkerInterval, 10);
  for (int i = 0; i < 201; ++i) {
    const double x = -2 + i * 0.02;
    const plotui::TGraphData& point = square.GetData(i);
    EXPECT_NEAR(point.X2, x, 1e-12) << i;
    EXPECT_EQ(point.Y2, Direct("x^2", point.X2)) << i;
    EXPECT_EQ(square.HasMarkerAt(i), i % 10 == 0) << i;
  }
  engine::VarValues[1] = 7;
  EXPECT_EQ(square.GetData(200).X2, 2.0);
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("x^2"));
  EXPECT_EQ(window->Gauge->value(), 0);
  EXPECT_TRUE(window->sbShow->isEnabled());
  EXPECT_TRUE(window->miPlotfx->isEnabled());
  EXPECT_EQ(double(engine::VarValues[1]), 7.0);  // the calculator's X is not the plot's

  Retype(*window->Edit1, QStringLiteral("sin(x) * 3"));
  window->pcCalc->setCurrentWidget(window->tsGraph);
  Click(*window->bbOK);
  ASSERT_EQ(SeriesCount(), 2);
  plotui::TSeries& sine = Series(1);
  EXPECT_EQ(sine.Name, QStringLiteral("f(sin(x)*3)"));
  EXPECT_NE(sine.GetColor(), square.GetColor());
  EXPECT_NE(sine.GetMarkerStyle(), square.GetMarkerStyle());
  EXPECT_EQ(PlotWindow().Chart->Legend->Count(), 2);
  for (int i : {0, 37, 100, 200})
    EXPECT_EQ(sine.GetData(i).Y2, Direct("sin(x) * 3", sine.GetData(i).X2)) << i;
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("sin(x) * 3"));

  QApplication::processEvents();
  EXPECT_TRUE(PlotWindow().grab().save(Shots() + QStringLiteral("/plot_fx_two_curves.png")));

  // Closing hides; "Plot f(X)" of the show-plots menu brings it back.
  PlotWindow().close();
  EXPECT_FALSE(PlotWindow().isVisible());
  window->miPlotfx->trigger();
  EXPECT_TRUE(PlotWindow().isVisible());
}

TEST_F(GraphicsPageTest, TypingSinXAndPressingTheLauncherShowsItsCurve)
{
  Open();
  QRadioButton& radians = *window->rgAngle->Button(0);
  ClickAt(radians, QPointF(6, radians.height() / 2.0));
  ASSERT_EQ(engine::AngleMode, 0) << window->rgAngle->ItemIndex();
  window->Edit1->setFocus();
  Type(QStringLiteral("sin(x)"));
  QTabBar& tabs = *window->pcCalc->tabBar();
  ClickAt(tabs, tabs.tabRect(window->pcCalc->indexOf(window->tsGraph)).center());
  ASSERT_EQ(window->pcCalc->currentWidget(), window->tsGraph);
  Click(*window->rgPlot->Button(0));
  Click(*window->bbOK);

  ASSERT_TRUE(PlotWindow().isVisible());
  QApplication::processEvents();
  ASSERT_EQ(SeriesCount(), 1);
  plotui::TSeries& sine = Series(0);
  ASSERT_EQ(sine.GetCount(), 201);
  // The curve is on the picture: the series colour at (or next to) the points' pixels.
  const plot::TGraph& graph = Graph();
  const platform::TCanvas& picture = PlotWindow().Chart->Image->Picture.Canvas();
  for (int i = 0; i <= 200; i += 13) {
    const plotui::TGraphData& point = sine.GetData(i);
    EXPECT_EQ(point.Y2, Direct("sin(x)", point.X2)) << i;
    const int px = graph.XToScreen(point.X2);
    const int py = graph.YToScreen(point.Y2);
    bool drawn = false;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        drawn = drawn || picture.Pixel(px + dx, py + dy) == sine.GetColor();
    EXPECT_TRUE(drawn) << "point " << i << " at " << px << "," << py;
  }
  EXPECT_NEAR(sine.GetData(116).Y2, std::sin(1.6), 1e-15);
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("sin(x)"));
  EXPECT_TRUE(PlotWindow().grab().save(Shots() + QStringLiteral("/plot_fx_sin.png")));
}

TEST_F(GraphicsPageTest, AChosenColourDrawsTheNextCurveAndHelpAndShowPlotsServeThePage)
{
  Open();
  EXPECT_FALSE(window->SpeedButton6->isEnabled());
  SetUpPlot(QStringLiteral("x"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("10"));
  EXPECT_TRUE(window->sbColor->isVisible());
  {
    platform::ModalScript script;
    script.PickColor(platform::clTeal);
    Click(*window->sbColor);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_TRUE(window->PlotColorSet);
  Click(*window->bbOK);
  ASSERT_EQ(SeriesCount(), 1);
  EXPECT_EQ(Series(0).GetColor(), platform::clTeal);
  window->pcCalc->setCurrentWidget(window->tsGraph);
  Click(*window->bbOK);  // the next curve takes a free colour again
  ASSERT_EQ(SeriesCount(), 2);
  EXPECT_NE(Series(1).GetColor(), platform::clTeal);
  {
    platform::ModalScript script;
    script.Press(platform::mrCancel);
    Click(*window->sbColor);
  }
  EXPECT_FALSE(window->PlotColorSet);
  // The Extended page's show-plots button follows the Calculator page's.
  EXPECT_TRUE(window->sbShow->isEnabled());
  EXPECT_TRUE(window->SpeedButton6->isEnabled());
  EXPECT_EQ(window->SpeedButton6->toolTip(), QStringLiteral("Show plots"));

  // Help for the plot types that have a page of their own.
  {
    platform::ModalScript script;
    script.ExpectMessage(QString::fromLatin1(platform::kNoHelpInstalled), platform::mrOk);
    Click(*window->Button1);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  // Every plot type can be chosen, also as a settings file may give it.
  for (int type : {3, 4})
    EXPECT_TRUE(window->rgPlot->Button(type)->isEnabled());
  window->rgPlot->SetItemIndex(3);
  window->rgPlotClick();
  EXPECT_TRUE(window->bbOK->isEnabled());
  window->rgPlot->SetItemIndex(4);
  window->rgPlotClick();
  EXPECT_TRUE(window->bbOK->isEnabled());
  Click(*window->Button1);  // no help page for the polar plot: nothing to answer
  QRadioButton& fx = *window->rgPlot->Button(0);
  ClickAt(fx, QPointF(6, fx.height() / 2.0));
  EXPECT_EQ(window->rgPlot->ItemIndex(), 0);
  EXPECT_TRUE(window->bbOK->isEnabled());
}

TEST_F(GraphicsPageTest, BadRangesAreRefusedWithTheirMessages)
{
  Open();
  struct Case {
    const char* from;
    const char* to;
    const char* steps;
    const char* message;
  };
  const Case cases[] = {
      {"2", "-2", "100", "Maximum X-coordinate must be more than minimum one"},
      {"1", "1", "100", "Maximum X-coordinate must be more than minimum one"},
      {"-1", "1", "1", "Number of Steps must be in the range [2..16000]"},
      {"-1", "1", "16001", "Number of Steps must be in the range [2..16000]"},
      {"-200000", "1", "100", "Minimum X-coordinate must be in the range"},
  };
  for (const Case& c : cases) {
    SetUpPlot(QStringLiteral("x"), QString::fromLatin1(c.from), QString::fromLatin1(c.to), QString::fromLatin1(c.steps));
    PlotExpectingMessage(QString::fromLatin1(c.message).section(QLatin1Char(' '), 0, 4));
    EXPECT_FALSE(PlotWindow().isVisible());
    EXPECT_EQ(SeriesCount(), 0);
    EXPECT_TRUE(window->tsGraph->isEnabled());  // the pages come back after a refusal
  }
  // A Y range the wrong way round, typed under another plot type, stops the f(x) plot too.
  Retype(*window->edStepsX, QStringLiteral("10"));
  Retype(*window->edFromX, QStringLiteral("0"));
  window->edFromY->setText(QStringLiteral("5"));
  window->edToY->setText(QStringLiteral("-5"));
  PlotExpectingMessage(QStringLiteral("Maximum Y-coordinate must be more than minimum one"));
  EXPECT_EQ(SeriesCount(), 0);
  EXPECT_FALSE(PlotWindow().isVisible());
  window->edToY->setText(QStringLiteral("5"));
  PlotExpectingMessage(QStringLiteral("Maximum Y-coordinate must be more than minimum one"));
  window->edToY->setText(QStringLiteral("6"));
  Click(*window->bbOK);
  EXPECT_EQ(SeriesCount(), 1);
}

// An empty expression line, or one of blanks, is not plotted as a flat line at 0.
TEST_F(GraphicsPageTest, AnEmptyExpressionSaysThereIsNothingToPlot)
{
  Open();
  for (int type : {0, 1, 2}) {
    for (const QString& text : {QString(), QStringLiteral("   ")}) {
      if (type == 0)
        SetUpPlot(text, QStringLiteral("-2"), QStringLiteral("2"), QStringLiteral("10"));
      else
        SetUpPlotXY(type, text, QStringLiteral("2"), QStringLiteral("10"));
      PlotExpectingMessage(QStringLiteral("Nothing to plot"));
      EXPECT_EQ(SeriesCount(), 0) << type;
      EXPECT_FALSE(PlotWindow().isVisible()) << type;
      EXPECT_FALSE(window->fmContourPlot->isVisible()) << type;
      EXPECT_EQ(window->fmContourPlot->Contour(), nullptr) << type;
      EXPECT_TRUE(window->tsGraph->isEnabled());
    }
  }
}

// The calculator's X (and Y) after a plot: one step past the last point of an f(x) plot, the last
// node of a contour, the point where an error stopped the loop.
TEST_F(GraphicsPageTest, APlotLeavesXAndYWhereItsLoopEnded)
{
  Open();
  struct Case {
    int type;
    const char* expression;
    const char* range;  // -range..range both ways
    const char* steps;
    bool fails;
    double x, y;  // afterwards; y only for the plots over x and y
  };
  const Case cases[] = {
      {0, "x^2", "2", "200", false, 2.02, 0},
      {0, "1/(x-1)", "3", "6", true, 1, 0},
      {1, "x*y", "1", "4", false, 1, 1},
      {2, "1/(x*y-0.25)", "1", "4", true, -0.5, -0.5},
  };
  for (const Case& c : cases) {
    engine::VarValues[1] = 7;
    engine::VarValues[2] = 8;
    const QString range = QString::fromLatin1(c.range);
    if (c.type == 0)
      SetUpPlot(QString::fromLatin1(c.expression), QStringLiteral("-") + range, range, QString::fromLatin1(c.steps));
    else
      SetUpPlotXY(c.type, QString::fromLatin1(c.expression), range, QString::fromLatin1(c.steps));
    if (c.fails)
      PlotExpectingMessage(QStringLiteral("Cann't calculate this function"));
    else
      Click(*window->bbOK);
    EXPECT_NEAR(double(engine::VarValues[1]), c.x, 1e-15) << c.expression;
    EXPECT_EQ(double(engine::VarValues[2]), c.type == 0 ? 8.0 : c.y) << c.expression;
  }
}

// Choosing the contour type shows the exaggeration the last OK accepted, in 8 digits.
TEST_F(GraphicsPageTest, TheContourTypeShowsTheLastAcceptedExaggeration)
{
  Open();
  SetUpPlot(QStringLiteral("x"), QStringLiteral("-1"), QStringLiteral("1"), QStringLiteral("4"));
  Retype(*window->edExaggerate, QStringLiteral("1.23456789"));
  Click(*window->bbOK);
  Retype(*window->edExaggerate, QStringLiteral("5"));  // typed, never accepted
  ChooseType(2);
  EXPECT_EQ(window->edExaggerate->text(), QStringLiteral("5"));
  ChooseType(1);
  EXPECT_EQ(window->edExaggerate->text(), QStringLiteral("1.235E+0"));  // 8 characters in Scn
  Retype(*window->edExaggerate, QStringLiteral("0.5"));
  Click(*window->bbOK);
  EXPECT_TRUE(window->fmContourPlot->isVisible());
  window->pcCalc->setCurrentWidget(window->tsGraph);
  ChooseType(0);
  EXPECT_EQ(window->rgPlot->ItemIndex(), 0);
  Retype(*window->edExaggerate, QStringLiteral("9"));
  ChooseType(1);
  EXPECT_EQ(window->edExaggerate->text(), QStringLiteral("5.0E-1"));
}

TEST_F(GraphicsPageTest, AnErrorAtAPointShowsNoWindowAndSaysWhichErrorAtWhichX)
{
  Open();
  SetUpPlot(QStringLiteral("1/(x-1)"), QStringLiteral("-3"), QStringLiteral("3"), QStringLiteral("6"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Cann't calculate this function\nDivision by zero at x = 1"), platform::mrOk);
    Click(*window->bbOK);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_FALSE(PlotWindow().isVisible());
  EXPECT_EQ(SeriesCount(), 0);
  EXPECT_TRUE(Result().startsWith(QStringLiteral("Division by zero")));
  EXPECT_TRUE(ResultIsRed());
  EXPECT_NE(window->cbHistory->itemText(0), QStringLiteral("1/(x-1)"));

  // At the first point, with a syntax error the text itself gives.
  SetUpPlot(QStringLiteral("ln(x"), QStringLiteral("-3"), QStringLiteral("3"), QStringLiteral("6"));
  PlotExpectingMessage(QStringLiteral("at x = -3"));
  EXPECT_FALSE(PlotWindow().isVisible());
  EXPECT_EQ(SeriesCount(), 0);
  // An overflow is not plotted as a number either.
  SetUpPlot(QStringLiteral("exp(x)"), QStringLiteral("0"), QStringLiteral("100000"), QStringLiteral("10"));
  PlotExpectingMessage(QStringLiteral("Overflow at x = 10000"));
  EXPECT_EQ(SeriesCount(), 0);
}

TEST_F(GraphicsPageTest, TheStopButtonEndsTheLoopWithoutAPlotAndNoToTheQuestionLetsItFinish)
{
  Open();
  SetUpPlot(QStringLiteral("x^3"), QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("16000"));
  {
    // Stop is pressed while the loop pumps events; Yes to the question ends it quietly.
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Do you really want to stop the calculation?"), platform::mrYes);
    QTimer::singleShot(0, window.get(), [this] { Click(*window->sbStop); });
    Click(*window->bbOK);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_FALSE(PlotWindow().isVisible());
  EXPECT_EQ(SeriesCount(), 0);
  EXPECT_EQ(window->Gauge->value(), 0);
  EXPECT_TRUE(window->tsGraph->isEnabled());
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Do you really want to stop the calculation?"), platform::mrNo);
    QTimer::singleShot(0, window.get(), [this] { Click(*window->sbStop); });
    Click(*window->bbOK);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  ASSERT_EQ(SeriesCount(), 1);
  EXPECT_EQ(Series(0).GetCount(), 16001);
  EXPECT_TRUE(PlotWindow().isVisible());
}

TEST_F(GraphicsPageTest, ZoomPreviousAtTheLastStepDisablesTheZoomControls)
{
  Open();
  SetUpPlot(QStringLiteral("x"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("10"));
  Click(*window->bbOK);
  tools::TfmPlot2D& plot = PlotWindow();
  QApplication::processEvents();
  EXPECT_FALSE(plot.sbZoomPrev->isEnabled());
  EXPECT_FALSE(plot.sbZoomOut->isEnabled());
  Click(*plot.sbZoomIn);
  EXPECT_TRUE(plot.sbZoomPrev->isEnabled());
  EXPECT_TRUE(plot.miZoomPrev->isEnabled());
  QWidget& image = *plot.Chart->Image;
  const plot::TFloatRect before = Graph().Range;
  EXPECT_NEAR(before.Right - before.Left, 10, 3);
  Drag(image, QPointF(image.width() * 0.3, image.height() * 0.3), QPointF(image.width() * 0.6, image.height() * 0.6));
  ASSERT_EQ(Graph().Zoom.GetCount(), 1);
  EXPECT_LT(Graph().Range.Right - Graph().Range.Left, 0.5 * (before.Right - before.Left));
  Click(*plot.sbZoomPrev);
  EXPECT_DOUBLE_EQ(Graph().Range.Left, before.Left);
  EXPECT_DOUBLE_EQ(Graph().Range.Right, before.Right);
  for (QWidget* control : {static_cast<QWidget*>(plot.sbZoomPrev), static_cast<QWidget*>(plot.sbZoomOut)})
    EXPECT_FALSE(control->isEnabled());
  EXPECT_FALSE(plot.miZoomPrev->isEnabled());
  EXPECT_FALSE(plot.miZoomOut->isEnabled());
}

TEST_F(GraphicsPageTest, BoundsSettingsAndTheThreeDFrameSurviveARestart)
{
  Open();
  SetUpPlot(QStringLiteral("x"), QStringLiteral("-4"), QStringLiteral("6"), QStringLiteral("50"));
  Click(*window->bbOK);
  tools::TfmPlot2D& plot = PlotWindow();
  const int frame = plot.Chart->Frame->Width();
  plot.setGeometry(120, 130, 500, 400);
  Click(*plot.sbVertGrid);
  EXPECT_TRUE(plot.Chart->XAxis->Grid());
  Click(*plot.sb3D);
  EXPECT_EQ(plot.Chart->Frame->Width(), 10);
  EXPECT_NE(plot.Chart->View3D(), 0);
  Click(*plot.sbLegend);
  EXPECT_FALSE(plot.miShowLegend->isChecked());
  plot.close();  // in 3-D view
  Close();

  Open();
  EXPECT_EQ(window->edFromX->text(), QStringLiteral("-4"));
  EXPECT_EQ(window->edToX->text(), QStringLiteral("6"));
  EXPECT_EQ(window->StepsX[0], 50);
  tools::TfmPlot2D& again = PlotWindow();
  EXPECT_FALSE(again.isVisible());
  EXPECT_FALSE(again.Shown);
  EXPECT_EQ(again.size(), QSize(500, 400));
  EXPECT_TRUE(again.Chart->XAxis->Grid());
  EXPECT_NE(again.Chart->View3D(), 0);
  Click(*again.sb3D);  // back to 2-D: the frame of before the 3-D view
  EXPECT_EQ(again.Chart->View3D(), 0);
  EXPECT_EQ(again.Chart->Frame->Width(), frame);
  Click(*again.sb3D);
  Click(*again.sb3D);
  EXPECT_EQ(again.Chart->Frame->Width(), frame);
}

TEST_F(GraphicsPageTest, TheContourLauncherEvaluatesTheGridAndDrawsLabelledContours)
{
  Open();
  SetUpPlotXY(1, QStringLiteral("sin(x*10)*cos(y*10)"), QStringLiteral("10"), QStringLiteral("40"));
  EXPECT_TRUE(window->edFromY->isEnabled());
  EXPECT_TRUE(window->edNumCont->isVisible());
  EXPECT_EQ(window->edTitle->text(), QStringLiteral("f(sin(x*10)*cos(y*10))"));
  Click(*window->bbOK);
  tools::TfmContourPlot& contours = *window->fmContourPlot;
  ASSERT_TRUE(contours.isVisible());
  EXPECT_EQ(contours.windowTitle(), QStringLiteral("Contour Plot f(x,y)"));
  ASSERT_NE(contours.Contour(), nullptr);
  const plot::TContour& layer = *contours.Contour();
  ASSERT_EQ(layer.XValues.GetCount(), 41);
  ASSERT_EQ(layer.YValues.GetCount(), 41);
  EXPECT_EQ(layer.ZValues.GetRowCount() * layer.YValues.GetCount(), 1681);
  for (const auto& [i, j] : {std::pair{1, 1}, std::pair{17, 33}, std::pair{41, 41}, std::pair{41, 2}})
    EXPECT_EQ(layer.ZValues.GetValue(i, j),
              Direct("sin(x*10)*cos(y*10)", layer.XValues.GetValue(i), layer.YValues.GetValue(j)))
        << i << "," << j;
  EXPECT_EQ(layer.XValues.GetValue(1), -10.0);
  EXPECT_EQ(layer.YValues.GetValue(41), 10.0);
  // The contour holds the grid the launcher evaluated, node for node (the one copy there is).
  for (int k = 1; k <= 41; ++k) {
    EXPECT_EQ(layer.XValues.GetValue(k), k == 41 ? 10.0 : -10 + (k - 1) * 0.5) << k;
    EXPECT_EQ(layer.YValues.GetValue(k), k == 41 ? 10.0 : -10 + (k - 1) * 0.5) << k;
  }
  EXPECT_EQ(layer.LevelCount, 10);
  EXPECT_FALSE(layer.Chains.empty());
  EXPECT_EQ(contours.Chart->Legend->Count(), 1);
  // The lines' colours by level are shown on the colour scale below the plot.
  const plot::TColorLegend& scale = *contours.Chart->Graph->ColorLegends[0];
  EXPECT_EQ(scale.GetCount(), 1);
  EXPECT_TRUE(scale.GetVisible());
  EXPECT_EQ(scale.Style, plot::lsBottom);
  EXPECT_TRUE(contours.sbAddContours->isVisible());
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("sin(x*10)*cos(y*10)"));
  QApplication::processEvents();
  EXPECT_TRUE(contours.grab().save(Shots() + QStringLiteral("/plot_contour.png")));

  // The menu's radio items and the buttons show one mode; a new contour starts in it.
  EXPECT_TRUE(contours.sbBreakEdit->Down());
  EXPECT_TRUE(contours.Arrow1->isChecked());
  contours.Movelabel1->trigger();
  EXPECT_TRUE(contours.sbAddLabels->Down());
  EXPECT_FALSE(contours.sbBreakEdit->Down());
  EXPECT_EQ(contours.Contour()->EditMode, plot::emAddMoveLabel);
  Click(*contours.sbAddContours);
  EXPECT_TRUE(contours.AddContour1->isChecked());
  EXPECT_FALSE(contours.Movelabel1->isChecked());
  window->pcCalc->setCurrentWidget(window->tsGraph);
  Click(*window->bbOK);
  ASSERT_NE(contours.Contour(), nullptr);
  EXPECT_EQ(contours.Chart->Graph->GetLayerCount(), 1);  // the previous contour went with the clear
  EXPECT_EQ(contours.Contour()->EditMode, plot::emAddContour);
  Click(*contours.sbBreakEdit);
  EXPECT_TRUE(contours.Arrow1->isChecked());
  EXPECT_EQ(contours.Contour()->EditMode, plot::emNone);
}

// Stop pressed once the contour window shows, while the levels are traced: Yes ends the tracing
// and no contour is shown; a grid whose values can't be held is refused before the evaluation.
TEST_F(GraphicsPageTest, TheStopButtonEndsTheContourTracingAndATooLargeGridIsRefused)
{
  Open();
  SetUpPlotXY(1, QStringLiteral("sin(x*10)*cos(y*10)"), QStringLiteral("10"), QStringLiteral("300"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Do you really want to stop the calculation?"), platform::mrYes);
    std::function<void()> stopWhenShown = [&] {
      if (window->fmContourPlot->isVisible())
        Click(*window->sbStop);
      else
        QTimer::singleShot(0, window.get(), stopWhenShown);
    };
    QTimer::singleShot(0, window.get(), stopWhenShown);
    Click(*window->bbOK);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->fmContourPlot->Contour(), nullptr);
  EXPECT_TRUE(window->tsGraph->isEnabled());

  Retype(*window->edStepsX, QStringLiteral("16000"));
  Retype(*window->edStepsY, QStringLiteral("16000"));
  PlotExpectingMessage(QStringLiteral("Too many points for a contour plot: 16001 x 16001"));
  EXPECT_EQ(window->fmContourPlot->Contour(), nullptr);
  EXPECT_EQ(window->fmContourPlot->Chart->Graph->GetLayerCount(), 0);
}

// The contour and shade titles name the expression being plotted, however the type and the
// expression line changed on the page, until the user types a title of their own.
TEST_F(GraphicsPageTest, TitlesAndLegendsFollowTheExpressionUnlessTheUserTypedTheirOwn)
{
  Open();
  SetUpPlot(QStringLiteral("x^2"), QStringLiteral("-1"), QStringLiteral("1"), QStringLiteral("10"));
  Click(*window->bbOK);
  Retype(*window->Edit1, QStringLiteral("sin(x)*cos(y)"));  // on the page, under f(x)
  EXPECT_EQ(window->edLegend->text(), QStringLiteral("f(sin(x)*cos(y))"));
  ChooseType(1);
  EXPECT_EQ(window->edTitle->text(), QStringLiteral("f(sin(x)*cos(y))"));
  Click(*window->bbOK);
  plotui::TPlot& contours = *window->fmContourPlot->Chart;
  EXPECT_EQ(contours.Title->Text(), QStringLiteral("f(sin(x)*cos(y))#"));  // one line
  EXPECT_EQ(contours.Graph->ColorLegends[0]->Layer->Name, QStringLiteral("sin(x)*cos(y)"));

  window->pcCalc->setCurrentWidget(window->tsGraph);
  ChooseType(2);
  Retype(*window->edTitle, QStringLiteral("Waves"));
  Retype(*window->Edit1, QStringLiteral("x*y"));
  ChooseType(1);
  EXPECT_EQ(window->edTitle->text(), QStringLiteral("Waves"));
  Click(*window->bbOK);
  EXPECT_EQ(contours.Title->Text(), QStringLiteral("Waves#"));

  // Emptied, the title follows again; the f(x) type has none and the legend follows there.
  window->pcCalc->setCurrentWidget(window->tsGraph);
  Retype(*window->edTitle, QString());
  Retype(*window->Edit1, QStringLiteral("x+y"));
  EXPECT_EQ(window->edTitle->text(), QStringLiteral("f(x+y)"));
  Retype(*window->edLegend, QStringLiteral("Mine"));
  ChooseType(0);
  EXPECT_EQ(window->edTitle->text(), QString());
  EXPECT_EQ(window->edLegend->text(), QStringLiteral("Mine"));
  ChooseType(2);
  EXPECT_EQ(window->edTitle->text(), QStringLiteral("f(x+y)"));
}

TEST_F(GraphicsPageTest, TheColourShadeHidesTheEditModesAndItsLegendButtonTogglesTheColourLegend)
{
  Open();
  SetUpPlotXY(2, QStringLiteral("x*y"), QStringLiteral("3"), QStringLiteral("30"));
  EXPECT_FALSE(window->edNumCont->isVisible());
  Click(*window->bbOK);
  tools::TfmContourPlot& shade = *window->fmContourPlot;
  ASSERT_TRUE(shade.isVisible());
  EXPECT_EQ(shade.windowTitle(), QStringLiteral("Color Shade f(x,y)"));
  ASSERT_NE(shade.Contour(), nullptr);
  EXPECT_TRUE(shade.ColorShade());
  EXPECT_EQ(shade.Contour()->LevelCount, 1);
  for (platform::TSpeedButton* button : {shade.sbAddContours, shade.sbDeleteContours, shade.sbAddLabels, shade.sbDeleteLabels,
                              shade.sbBreakEdit})
    EXPECT_FALSE(button->isVisible());
  EXPECT_FALSE(shade.Arrow1->isVisible());
  EXPECT_EQ(shade.Chart->Legend->Count(), 0);
  plot::TColorLegend& colors = *shade.Chart->Graph->ColorLegends[0];
  const bool before = colors.GetVisible();
  Click(*shade.sbLegend);
  EXPECT_EQ(colors.GetVisible(), !before);
  EXPECT_EQ(shade.miShowLegend->isChecked(), !before);
  shade.miShowLegend->trigger();
  EXPECT_EQ(colors.GetVisible(), before);
  EXPECT_TRUE(shade.Chart->Legend->Visible());
  QApplication::processEvents();
  EXPECT_TRUE(shade.grab().save(Shots() + QStringLiteral("/plot_colour_shade.png")));

  // A failed grid shows no new plot and leaves the window with no contour to edit.
  SetUpPlotXY(1, QStringLiteral("1/(x*y-1)"), QStringLiteral("1"), QStringLiteral("2"));
  PlotExpectingMessage(QStringLiteral("Division by zero at x = -1, y = -1"));
  EXPECT_EQ(shade.Contour(), nullptr);
  EXPECT_EQ(shade.Chart->Graph->GetLayerCount(), 0);  // no layer keeps the failed grid
  EXPECT_EQ(engine::ProcDigits, 9);
  shade.AddContour1->trigger();  // changes only the controls
  EXPECT_TRUE(shade.sbAddContours->Down());
  EXPECT_TRUE(shade.AddContour1->isChecked());
  EXPECT_NE(window->cbHistory->itemText(0), QStringLiteral("1/(x*y-1)"));
}

TEST_F(GraphicsPageTest, InComplexModeTheContourShowsTheModulusAtEveryPointOfATextWithBlanks)
{
  Open();
  {
    platform::ModalScript script;  // the complex syntax note
    script.Act([](platform::Form& form) { form.SetModalResult(platform::mrOk); });
    window->rgReal->SetItemIndex(1);
    window->rgReal->OnClick();
  }
  ASSERT_TRUE(window->ComplexMode);
  SetUpPlotXY(1, QStringLiteral("comp(x, y) * comp(2, 0)"), QStringLiteral("2"), QStringLiteral("4"));
  Click(*window->bbOK);
  tools::TfmContourPlot& contours = *window->fmContourPlot;
  ASSERT_NE(contours.Contour(), nullptr);
  EXPECT_TRUE(contours.Chart->Title->Text().startsWith(QStringLiteral("|f(comp(x, y) * comp(2, 0))|")));
  const plot::TContour& layer = *contours.Contour();
  for (int i = 1; i <= 5; ++i)
    for (int j = 1; j <= 5; ++j) {
      const double x = layer.XValues.GetValue(i);
      const double y = layer.YValues.GetValue(j);
      EXPECT_NEAR(layer.ZValues.GetValue(i, j), 2 * std::hypot(x, y), 1e-12) << x << "," << y;
    }
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("comp(x, y) * comp(2, 0)"));
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("comp(x, y) * comp(2, 0)"));
  window->rgReal->SetItemIndex(0);
  window->rgReal->OnClick();
}

TEST_F(GraphicsPageTest, SwitchingAGridOnDrawsOnlyItsAxisOverTheShadeAndSwitchingItOffRepaintsAll)
{
  Open();
  SetUpPlotXY(2, QStringLiteral("x*y"), QStringLiteral("3"), QStringLiteral("30"));
  Click(*window->bbOK);
  tools::TfmContourPlot& shade = *window->fmContourPlot;
  ASSERT_TRUE(shade.isVisible());
  QApplication::processEvents();
  const plot::TGraph& graph = *shade.Chart->Graph;
  platform::TBitmap& picture = shade.Chart->Image->Picture;
  const int row = (graph.GetPlotRect().Top + graph.GetPlotRect().Bottom) / 2 + 7;
  const int gridColumn = graph.XToScreen(1);  // a major tick
  const int markColumn = graph.XToScreen(1.3);
  // A mark only a full repaint removes.
  picture.Canvas().SetPixel(markColumn, row, platform::clFuchsia);
  const QRgb shaded = picture.Image().pixel(gridColumn, row);

  Click(*shade.sbVertGrid);
  EXPECT_TRUE(shade.Chart->XAxis->Grid());
  EXPECT_NE(picture.Image().pixel(gridColumn, row), shaded);  // the grid line over the shade
  EXPECT_EQ(picture.Canvas().Pixel(markColumn, row), platform::clFuchsia);
  EXPECT_TRUE(shade.grab().save(Shots() + QStringLiteral("/plot_shade_grid_on.png")));

  Click(*shade.sbVertGrid);
  EXPECT_FALSE(shade.Chart->XAxis->Grid());
  EXPECT_EQ(picture.Image().pixel(gridColumn, row), shaded);
  EXPECT_NE(picture.Canvas().Pixel(markColumn, row), platform::clFuchsia);

  // The horizontal grid alike, through the menu.
  picture.Canvas().SetPixel(markColumn, row, platform::clFuchsia);
  const int gridRow = graph.YToScreen(1);
  const QRgb shadedRow = picture.Image().pixel(markColumn + 3, gridRow);
  Click(*shade.sbHorizGrid);
  EXPECT_NE(picture.Image().pixel(markColumn + 3, gridRow), shadedRow);
  EXPECT_EQ(picture.Canvas().Pixel(markColumn, row), platform::clFuchsia);
}

TEST_F(GraphicsPageTest, ThePlotWindowsShowPicturesOnTheirButtonsAndRegisterTheirCursors)
{
  Open();
  for (const tools::TPlotWindow* plotWindow :
       {static_cast<const tools::TPlotWindow*>(window->fmPlot2D.get()),
        static_cast<const tools::TPlotWindow*>(window->fmContourPlot.get())})
    for (const platform::TSpeedButton* button : plotWindow->ToolBar->findChildren<platform::TSpeedButton*>()) {
      EXPECT_EQ(button->Glyph().Width(), 16) << button->objectName().toStdString();
      EXPECT_EQ(button->Glyph().Height(), 16) << button->objectName().toStdString();
      EXPECT_FALSE(button->Hint().isEmpty()) << button->objectName().toStdString();
    }
  // The stored layout: the f(x) title bold and centred, the contour title plain at the left with
  // a black foot shown below.
  const plotui::TPlot& fx = *window->fmPlot2D->Chart;
  const plotui::TPlot& xy = *window->fmContourPlot->Chart;
  EXPECT_TRUE(fx.Title->Font().Style() & platform::fsBold);
  EXPECT_EQ(fx.Title->Alignment(), plot::taCenter);
  EXPECT_FALSE(fx.Foot->Visible());
  EXPECT_EQ(fx.Foot->Font().Color(), platform::clWhite);
  EXPECT_FALSE(xy.Title->Font().Style() & platform::fsBold);
  EXPECT_EQ(xy.Title->Alignment(), plot::taLeftJustify);
  EXPECT_TRUE(xy.Foot->Visible());
  EXPECT_EQ(xy.Foot->Font().Color(), platform::clBlack);
  for (const plotui::TPlot* plot : {&fx, &xy}) {
    EXPECT_EQ(plot->Gradient->Style(), plot::gsTopBottom);
    EXPECT_EQ(plot->XAxis->Font().Name(), QStringLiteral("Arial"));
    EXPECT_EQ(plot->XAxis->Font().Size(), 8);
    EXPECT_EQ(plot->BackColor(), platform::clBtnFace);
    EXPECT_EQ(plot->PlotColor(), platform::clWhite);
  }
  EXPECT_EQ(window->fmPlot2D->ToolBar->ButtonCount(), 15);
  EXPECT_EQ(window->fmContourPlot->ToolBar->ButtonCount(), 20);
  for (platform::TCursor number : {tools::crZoomIn, tools::crAim, tools::crEraze}) {
    EXPECT_TRUE(platform::IsCursorRegistered(number)) << number;
    EXPECT_FALSE(tools::PlotWindowCursorImage(number).isNull()) << number;
  }
  // The annotation button keeps a group of its own; the edit modes share one, one button down.
  EXPECT_EQ(window->fmPlot2D->sbAnnotate->GroupIndex(), 5);
  tools::TfmContourPlot& contours = *window->fmContourPlot;
  EXPECT_TRUE(contours.sbBreakEdit->Down());
  Click(*contours.sbDeleteLabels);
  EXPECT_TRUE(contours.sbDeleteLabels->Down());
  EXPECT_FALSE(contours.sbBreakEdit->Down());
  EXPECT_TRUE(contours.Labeloff1->isChecked());
  Click(*contours.sbBreakEdit);

  window->fmPlot2D->show();
  window->fmPlot2D->raise();
  QApplication::processEvents();
  EXPECT_TRUE(window->fmPlot2D->ToolBar->grab().save(Shots() + QStringLiteral("/plot_fx_tool_bar.png")));
  contours.show();
  QApplication::processEvents();
  EXPECT_TRUE(contours.ToolBar->grab().save(Shots() + QStringLiteral("/plot_contour_tool_bar.png")));
  QImage cursors(3 * 20, 20, QImage::Format_ARGB32);
  cursors.fill(Qt::gray);
  QPainter painter(&cursors);
  int x = 2;
  for (platform::TCursor number : {tools::crZoomIn, tools::crAim, tools::crEraze}) {
    painter.drawImage(x, 2, tools::PlotWindowCursorImage(number));
    x += 20;
  }
  painter.end();
  EXPECT_TRUE(cursors.scaled(240, 80).save(Shots() + QStringLiteral("/plot_window_cursors.png")));
}

TEST_F(GraphicsPageTest, TheYRangeAndItsStepsSurviveARestart)
{
  Open();
  SetUpPlotXY(1, QStringLiteral("x+y"), QStringLiteral("5"), QStringLiteral("12"));
  EXPECT_EQ(window->StepsY[1], 12);
  Click(*window->bbOK);
  window->fmContourPlot->close();
  Close();
  Open();
  EXPECT_EQ(window->edFromY->text(), QStringLiteral("-5"));
  EXPECT_EQ(window->edToY->text(), QStringLiteral("5"));
  EXPECT_EQ(window->StepsY[1], 12);
  EXPECT_EQ(window->StepsX[1], 12);
}

TEST_F(MainWindowTest, APastedTitleWithLineBreaksIsSavedOnItsOwnLine)
{
  Open();
  window->pcCalc->setCurrentWidget(window->tsGraph);
  window->edTitle->setFocus();
  window->edTitle->selectAll();
  QGuiApplication::clipboard()->setText(QStringLiteral("Sales\n[Files]\nVariables=/elsewhere.USR"));
  testing_support::PressKey(*window->edTitle, Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(window->edTitle->text(), QStringLiteral("Sales\n[Files]\nVariables=/elsewhere.USR"));
  Close();

  const platform::TIniFile ini(File("Vexal.INI"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Graphics"), QStringLiteral("Title"), {}),
            QStringLiteral("Sales [Files] Variables=/elsewhere.USR"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Files"), QStringLiteral("Variables"), QStringLiteral("none")),
            QStringLiteral("none"));
  ResetEngine();
  Open();
  EXPECT_EQ(window->VariablesFile, File("Vexal.USR"));
}

}  // namespace
}  // namespace app::testing
