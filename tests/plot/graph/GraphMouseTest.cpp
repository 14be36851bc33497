#include "../contour/ContourFixtures.h"
#include "GraphDoubles.h"
#include "GraphImageWidget.h"

#include "platform/Application.h"
#include "platform/ClipboardPicture.h"
#include "platform/Shell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "platform/ModalRun.h"

#include <gtest/gtest.h>
#include "platform/Menus.h"

namespace plot::test {
namespace {

using platform::mbLeft;
using platform::mbRight;

// A series that takes a press (or not) and counts what reaches it.
class TPressSeries : public TTestSeries {
public:
  TPressSeries(TGraph& graph, bool takes) : TTestSeries(graph, "press", PointsXY({{0, 0}, {10, 10}})), Takes(takes) {}
  void MouseMoveActive(platform::TShiftState, int, int) override { HitIndex = Takes ? 0 : -1; }
  void MouseDown(platform::TMouseButton, platform::TShiftState, int, int) override
  {
    ++Downs;
    HitIndex = Takes ? 0 : -1;
  }
  void MouseUp(platform::TMouseButton, platform::TShiftState, int, int) override { ++Ups; }
  bool Takes;
  int Downs = 0;
  int Ups = 0;
};

class TCursorImage : public TRecordingGraphImage {
public:
  void SetCursor(platform::TCursor cursor) override { Cursor = cursor; }
  platform::TCursor Cursor = platform::crDefault;
};

struct TMouseFixture {
  TCursorImage image;
  TTestStatusBar statusBar;
  TGraph graph{nullptr, image, &statusBar};
  TPressSeries* series = nullptr;

  explicit TMouseFixture(bool seriesTakes = false)
  {
    graph.ProcessMessages = [] {};
    auto s = std::make_unique<TPressSeries>(graph, seriesTakes);
    series = s.get();
    graph.AddLayer(std::move(s));
    graph.Paint();
  }
  platform::TPoint Middle() const
  {
    const platform::TRect p = graph.PlotRect;
    return {(p.Left + p.Right) / 2, (p.Top + p.Bottom) / 2};
  }
};

QStringList Captions(platform::TPopupMenu& menu)
{
  QStringList captions;
  for (int i = 0; i < menu.Items().Count(); ++i)
    captions << menu.Items().Item(i).Caption();
  return captions;
}

TEST(GraphPopupMenu, ItemsFollowThePopupMenuItems)
{
  struct TCase {
    TPopupMenuItems items;
    QStringList captions;
  };
  const TCase cases[] = {
      {{piProperties}, {"Properties"}},
      {{piProperties, piPrint}, {"Print", "-", "Properties"}},
      {{piPrint}, {"Print"}},
      {{},  {}},
      {{piProperties, piCopyToClipboard, piPrint, piSaveAs, piHelp, piZoomIn, piZoomOut},
       {"Copy to Clipboard", "Save As...", "Print", "Help", "Zoom In", "Zoom Out", "-", "Properties"}},
  };
  for (const TCase& c : cases) {
    TGraphFixture f;
    f.graph.PopupMenuItems = c.items;
    f.graph.CreatePopupMenu();
    EXPECT_EQ(Captions(*f.graph.PopupMenu), c.captions);
  }
  TGraphFixture f;
  EXPECT_EQ(Captions(*f.graph.PopupMenu), QStringList{"Properties"});  // made with the graph
  EXPECT_EQ(f.graph.PopupItems.Properties->Name(), "miPropertiesGraph");
  EXPECT_EQ(f.graph.PopupItems.Separator, nullptr);
}

TEST(GraphPopupMenu, RightClickOnAnEmptyPartOfThePlotOpensIt)
{
  TMouseFixture f;
  f.graph.PopupMenuItems = {piZoomIn, piZoomOut, piProperties};
  f.graph.CreatePopupMenu();
  platform::ModalScript script;
  script.ChooseItem(QStringLiteral("miZoomInGraph"));
  f.graph.AnimatedZoom = true;
  const platform::TPoint at = f.Middle();
  f.graph.MouseDown(mbRight, {}, at.X, at.Y);
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_TRUE(f.graph.Zoom.Enabled);
  EXPECT_FALSE(f.graph.AnimatedZoom);
  EXPECT_EQ(f.series->Downs, 1);  // the layer was asked first

  // Zoom in with a band, then "Zoom Out" from the menu undoes every step and leaves zoom mode.
  f.graph.Zoom.ZoomAutoStop = false;
  f.graph.MouseDown(mbLeft, {}, at.X - 50, at.Y - 50);
  f.graph.MouseMove({}, at.X + 50, at.Y + 50);
  f.graph.MouseUp(mbLeft, {}, at.X + 50, at.Y + 50);
  ASSERT_EQ(f.graph.Zoom.GetCount(), 1);
  script.ChooseItem(QStringLiteral("Zoom Out"));
  f.graph.MouseDown(mbRight, {}, at.X, at.Y);
  EXPECT_EQ(f.graph.Zoom.GetCount(), 0);
  EXPECT_FALSE(f.graph.Zoom.Enabled);
}

TEST(GraphPopupMenu, RightClickTakenByASeriesOpensNothing)
{
  TMouseFixture f(true);
  std::vector<QString> problems;
  platform::ModalScript script([&](const QString& message) { problems.push_back(message); });
  const platform::TPoint at = f.Middle();
  f.graph.MouseDown(mbRight, {}, at.X, at.Y);
  EXPECT_TRUE(script.Answered().isEmpty());
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(f.series->Downs, 1);

  // Nor does a right click outside the plot area, or one with no items.
  f.series->Takes = false;
  f.graph.MouseDown(mbRight, {}, 1, 1);
  f.graph.PopupMenuItems = {};
  f.graph.CreatePopupMenu();
  f.graph.MouseDown(mbRight, {}, at.X, at.Y);
  EXPECT_TRUE(script.Answered().isEmpty());
}

TEST(GraphPopupMenu, HandlersReachTheHost)
{
  struct THost : TPlotHost {
    bool LiveUpdate() const override { return false; }
    QString LoadErrorPrefix() const override { return {}; }
    QWidget* OwnerWindow() const override { return nullptr; }
    void SavePictureAs() override { calls << "save"; }
    void ShowProperties() override { calls << "properties"; }
    void RunPrintDialog(TGraph&) override { calls << "print"; }
    QStringList calls;
  } host;
  TRecordingGraphImage image;
  TGraph graph(&host, image, nullptr);
  graph.PopupMenuItems = {piSaveAs, piPrint, piProperties};
  graph.CreatePopupMenu();
  for (const char* name : {"miSaveAsGraph", "miPrintGraph", "miPropertiesGraph"})
    graph.PopupMenu->Items().Find(QString::fromLatin1(name))->Click();
  EXPECT_EQ(host.calls, (QStringList{"save", "print", "properties"}));
}

TEST(GraphMouse, StatusBarShowsTheWorldPositionOrNothingOutside)
{
  TMouseFixture f;
  const platform::TPoint at = f.Middle();
  f.graph.MouseMove({}, at.X, at.Y);
  EXPECT_TRUE(f.statusBar.Panels[0].startsWith("X=")) << f.statusBar.Panels[0].toStdString();
  EXPECT_TRUE(f.statusBar.Panels[1].startsWith("Y="));
  const double x = f.statusBar.Panels[0].mid(2).toDouble();
  EXPECT_NEAR(x, f.graph.ScreenToX(at.X), std::pow(10.0, -f.graph.XAxis->Decimals - 1));

  f.graph.XAxis->Name = QStringLiteral("Time");
  f.graph.MouseMove({}, at.X, at.Y);
  EXPECT_TRUE(f.statusBar.Panels[0].startsWith("Time=")) << f.statusBar.Panels[0].toStdString();

  f.graph.XAxis->Name.clear();
  f.graph.MouseMove({}, 0, 0);
  EXPECT_EQ(f.statusBar.Panels[0], "X=n/a");
  EXPECT_EQ(f.statusBar.Panels[1], "Y=n/a");

  f.statusBar.History.clear();
  f.graph.MouseMove({}, -1, -1);  // no position
  EXPECT_TRUE(f.statusBar.History.empty());

  // Over a legend box the cursor says it can be moved.
  f.graph.Legend->BoxRect = {300, 100, 380, 140};
  f.graph.MouseMove({}, 310, 110);
  EXPECT_EQ(f.image.Cursor, kMoveItCursor);
  EXPECT_TRUE(f.statusBar.History.empty());
}

TEST(GraphMouse, ZoomModeCursorsAndTheHourglassDuringAPaint)
{
  TMouseFixture f;
  const platform::TPoint at = f.Middle();
  f.graph.Zoom.Enabled = true;
  f.graph.MouseMove({}, at.X, at.Y);
  EXPECT_EQ(f.image.Cursor, kZoomInCursor);
  f.graph.AnimatedZoom = true;
  f.graph.MouseMove({}, at.X, at.Y);
  EXPECT_EQ(f.image.Cursor, kAnimatedZoomCursor);

  f.graph.Zoom.Enabled = false;
  f.series->OnDraw = [&] {
    f.graph.MouseDown(mbLeft, {}, at.X, at.Y);
    EXPECT_EQ(f.image.Cursor, platform::crHourGlass);
  };
  f.graph.Paint();
  EXPECT_EQ(f.series->Downs, 0);  // a press during the paint reaches nobody
}

TEST(GraphMouse, ReleaseGoesToTheSeriesAndABandReleasedOutsideEndsAtTheEdge)
{
  TMouseFixture f;
  const platform::TPoint at = f.Middle();
  f.graph.MouseUp(mbLeft, {}, at.X, at.Y);
  EXPECT_EQ(f.series->Ups, 1);

  f.graph.Zoom.Enabled = true;
  f.graph.MouseDown(mbLeft, {}, at.X, at.Y);
  f.graph.MouseMove({}, f.graph.PlotRect.Right - 1, f.graph.PlotRect.Bottom - 1);
  f.graph.MouseUp(mbLeft, {}, f.graph.PlotRect.Right + 30, 5000);
  EXPECT_FALSE(f.graph.Zoom.Dragging);
  ASSERT_EQ(f.graph.Zoom.GetCount(), 1);
  EXPECT_NEAR(f.graph.Range.Right, f.graph.Zoom.Stack[0].Range.Right, 1e-9);
  EXPECT_NEAR(f.graph.Range.Top, f.graph.Zoom.Stack[0].Range.Top, 1e-9);
  EXPECT_EQ(f.series->Ups, 1);
}

}  // namespace
}  // namespace plot::test

namespace plot::test {
namespace {

TEST(GraphPopupMenu, CopyToClipboardPutsThePictureThere)
{
  TGraphImageWidget widget(200, 150);
  TGraph graph(nullptr, widget, nullptr);
  graph.ProcessMessages = [] {};
  graph.BackColor = platform::clYellow;
  graph.Paint();
  graph.PopupMenuItems = {piCopyToClipboard};
  graph.CreatePopupMenu();
  graph.PopupItems.CopyToClipboard->Click();
  platform::TBitmap pasted;
  ASSERT_TRUE(platform::PasteBitmapFromClipboard(pasted));
  EXPECT_EQ(pasted.Width(), 200);
  EXPECT_EQ(pasted.Image().pixel(1, 1) & 0xFFFFFFu, widget.Image().pixel(1, 1) & 0xFFFFFFu);
}

}  // namespace
}  // namespace plot::test

namespace plot::test {
namespace {

TEST(GraphPopupMenu, HelpOpensThePlotHelpOnlyWhenItsFileIsThere)
{
  QTemporaryDir dir;
  platform::SetProgramFolder(dir.path());
  QList<QUrl> opened;
  platform::SetUrlOpener([&](const QUrl& url) {
    opened.append(url);
    return true;
  });
  TGraphFixture f;
  f.graph.HelpClick();  // no "Plot.HLP": nothing, not even a message
  EXPECT_TRUE(opened.isEmpty());
  for (const char* name : {"Plot.HLP", "Plot.html"}) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  f.graph.HelpClick();
  ASSERT_EQ(opened.size(), 1);
  EXPECT_TRUE(opened.front().toLocalFile().endsWith("Plot.html"));
  platform::SetUrlOpener({});
  platform::SetProgramFolder(QString());
}

}  // namespace
}  // namespace plot::test

namespace plot::test {
namespace {

TEST(GraphMouse, StatusBarShowsTheValueOfTheFirstContour)
{
  TPlaneContour plane;  // z = x over [0, 1] x [0, 1]
  plane.contour->Name = QStringLiteral("Depth");
  plane.Paint();
  TGraph& graph = plane.f.graph;
  graph.MouseMove({}, graph.X1ToScreen(0.5), graph.Y1ToScreen(0.5));
  const QString panel = plane.f.statusBar.Panels[2];
  ASSERT_TRUE(panel.startsWith("Depth=")) << panel.toStdString();
  EXPECT_NEAR(panel.mid(6).toDouble(), graph.ScreenToX(graph.X1ToScreen(0.5)), 1e-4);
  plane.contour->Name.clear();
  graph.MouseMove({}, graph.X1ToScreen(0.25), graph.Y1ToScreen(0.5));
  EXPECT_TRUE(plane.f.statusBar.Panels[2].startsWith("Z="));
}

}  // namespace
}  // namespace plot::test
