// "Undo" of the 2-D plot window takes back the point and series edits made with the mouse: the
// picture on the screen is the one from before the edit, newest edit first.
#include "tools/Plot2DWindow.h"

#include "plotui/series/Series.h"

#include "platform/Menus.h"
#include "platform/ModalRun.h"
#include "tests/support/MouseInput.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace tools {
namespace {

QImage OnScreen(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  QWidget& top = *control.window();
  const QPixmap shown = top.windowHandle()->screen()->grabWindow(top.winId());
  const QPoint at = control.mapTo(&top, QPoint(0, 0));
  return shown.toImage().copy(QRect(at, control.size())).convertToFormat(QImage::Format_RGB32);
}

struct TUndoWindow {
  QTemporaryDir folder;
  TfmPlot2D form{folder.filePath("Vexal.INI"), TFormPlacement{}};
  plotui::TSeries* series = nullptr;

  explicit TUndoWindow(plot::TSeriesStyle style, std::initializer_list<std::pair<double, double>> points)
  {
    form.setGeometry(80, 80, 620, 460);
    form.show();
    QApplication::setActiveWindow(&form);
    auto layer = std::make_unique<plotui::TSeries>(*form.Chart->Graph, QStringLiteral("s"), style, platform::clRed);
    series = layer.get();
    series->MarkerStyle = 1;
    series->MarkerSize = 8;
    series->MarkerColor = platform::clBlue;
    for (const auto& [x, y] : points)
      series->AddPoint(x, y, platform::clRed, QString());
    form.Chart->AddLayer(std::move(layer));
    form.Chart->Graph->SetRange({-1, 11, 11, -1});
    form.Chart->Redraw();
  }
  QPointF At(double x, double y) const
  {
    return QPointF(form.Chart->Graph->XToScreen(x), form.Chart->Graph->YToScreen(y));
  }
  void Mouse(QEvent::Type type, QPointF at, Qt::KeyboardModifiers keys, Qt::MouseButton button, Qt::MouseButtons held)
  {
    QWidget& image = *form.Chart->Image;
    QMouseEvent event(type, at, image.mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(&image, &event);
  }
  void ClickWith(QPointF at, Qt::KeyboardModifiers keys)
  {
    Mouse(QEvent::MouseMove, at, keys, Qt::NoButton, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, at, keys, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, at, keys, Qt::LeftButton, Qt::NoButton);
  }
  void ChooseFromPopup(QPointF at, const char* item)
  {
    platform::ModalScript script;
    script.ChooseItem(item);
    Mouse(QEvent::MouseMove, at, Qt::NoModifier, Qt::NoButton, Qt::NoButton);
    testing_support::PressAt(*form.Chart->Image, at, Qt::RightButton);
    EXPECT_EQ(script.StepsLeft(), 0) << item;
  }
  // "&Edit" from the point's popup, then the click that drops it at `to`.
  void DragStep(QPointF from, QPointF to)
  {
    ChooseFromPopup(from, "miEdit");
    Mouse(QEvent::MouseMove, to, Qt::NoModifier, Qt::NoButton, Qt::NoButton);
    ClickWith(to, Qt::NoModifier);
  }
  void PressUndoKey() { QTest::keyClick(form.Chart->Image, Qt::Key_Z, Qt::ControlModifier); }
};

TEST(PlotUndoWindow, UndoPutsBackThePictureFromBeforeEachMouseEdit)
{
  const struct {
    const char* name;
    plot::TSeriesStyle style;
    std::initializer_list<std::pair<double, double>> points;
    std::function<void(TUndoWindow&)> edit;
    int countAfter;
  } cases[] = {
      {"middle point deleted", plot::kStyleLineAndPoint, {{0, 0}, {5, 5}, {10, 0}},
       [](TUndoWindow& w) {
         w.series->AllowDelete = true;
         w.ClickWith(w.At(5, 5), Qt::ControlModifier);
       },
       2},
      {"first point deleted", plot::kStyleLineAndPoint, {{0, 0}, {5, 5}, {10, 0}},
       [](TUndoWindow& w) {
         w.series->AllowDelete = true;
         w.ClickWith(w.At(0, 0), Qt::ControlModifier);
       },
       2},
      {"only point deleted", plot::kStylePoints, {{5, 5}},
       [](TUndoWindow& w) {
         w.series->AllowDelete = true;
         w.ClickWith(w.At(5, 5), Qt::ControlModifier);
       },
       0},
      {"marker hidden", plot::kStylePoints, {{0, 0}, {5, 5}, {10, 0}},
       [](TUndoWindow& w) {
         w.series->AllowHide = true;
         w.ClickWith(w.At(5, 5), Qt::ControlModifier);
         EXPECT_FALSE(w.series->GetData(1).Marker->Visible);
       },
       3},
      {"series hidden from its popup", plot::kStyleLineAndPoint, {{0, 0}, {5, 5}, {10, 0}},
       [](TUndoWindow& w) {
         w.series->AllowHide = true;
         w.ChooseFromPopup(w.At(5, 5), "miUnvisible");
         EXPECT_FALSE(w.series->GetVisible());
       },
       3},
      {"step dragged", plot::kStylePiecewiseConstant, {{0, 1}, {5, 8}, {10, 2}},
       [](TUndoWindow& w) { w.DragStep(w.At(7, 8), w.At(7, 4)); }, 3},
  };
  for (const auto& c : cases) {
    TUndoWindow w(c.style, c.points);
    ASSERT_NE(w.form.miUndo, nullptr);
    EXPECT_FALSE(w.form.miUndo->isEnabled()) << c.name;
    const QImage before = OnScreen(*w.form.Chart->Image);
    c.edit(w);
    w.form.Chart->Redraw();
    EXPECT_EQ(w.series->GetCount(), c.countAfter) << c.name;
    EXPECT_NE(OnScreen(*w.form.Chart->Image), before) << c.name;
    ASSERT_TRUE(w.form.miUndo->isEnabled()) << c.name;
    w.PressUndoKey();
    EXPECT_EQ(w.series->GetCount(), int(c.points.size())) << c.name;
    EXPECT_TRUE(w.series->GetVisible()) << c.name;
    for (int i = 0; i < w.series->GetCount(); ++i) {
      const plotui::TGraphData& d = w.series->GetData(i);
      EXPECT_EQ(plot::TFloatPoint({d.X2, d.Y2}), plot::TFloatPoint({std::data(c.points)[i].first, std::data(c.points)[i].second})) << c.name;
      if (d.Marker) {
        EXPECT_TRUE(d.Marker->Visible) << c.name;
      }
    }
    EXPECT_TRUE(OnScreen(*w.form.Chart->Image) == before) << c.name;
    EXPECT_FALSE(w.form.miUndo->isEnabled()) << c.name;
  }
}

TEST(PlotUndoWindow, EditsAreTakenBackNewestFirstAndSelectionToo)
{
  TUndoWindow w(plot::kStyleLineAndPoint, {{0, 0}, {5, 5}, {10, 0}});
  plotui::TSeries& s = *w.series;
  s.AllowDelete = true;
  s.AllowSelect = true;
  w.ClickWith(w.At(5, 5), Qt::ControlModifier);  // delete the middle point
  w.ClickWith(w.At(10, 0), Qt::ShiftModifier);   // select the series
  ASSERT_TRUE(s.GetSelected());
  ASSERT_EQ(s.GetCount(), 2);
  w.form.miUndo->trigger();  // from the menu
  EXPECT_FALSE(s.GetSelected());
  EXPECT_EQ(s.GetCount(), 2);
  EXPECT_TRUE(w.form.miUndo->isEnabled());
  w.PressUndoKey();
  ASSERT_EQ(s.GetCount(), 3);
  EXPECT_EQ(s.GetPoint(1), plot::TFloatPoint({5, 5}));
  // The point after it starts at the restored point again.
  EXPECT_EQ(s.GetData(2).X1, 5);
  EXPECT_EQ(s.GetData(2).Y1, 5);
  EXPECT_FALSE(w.form.miUndo->isEnabled());
  w.PressUndoKey();  // nothing left: nothing changes
  EXPECT_EQ(s.GetCount(), 3);
}

TEST(PlotUndoWindow, ASeriesLeavingThePlotEmptiesTheUndoList)
{
  TUndoWindow w(plot::kStyleLineAndPoint, {{0, 0}, {5, 5}, {10, 0}});
  w.series->AllowDelete = true;
  w.ClickWith(w.At(5, 5), Qt::ControlModifier);
  ASSERT_TRUE(w.form.miUndo->isEnabled());
  w.form.Chart->Graph->DeleteLayer(0);
  EXPECT_FALSE(w.form.miUndo->isEnabled());
  w.PressUndoKey();  // refers to no freed series
  EXPECT_EQ(w.form.Chart->Graph->GetLayerCount(), 0);
}

}  // namespace
}  // namespace tools
