// "Paint" in the plot windows: the annotation palette beside the window, figures drawn with the
// mouse on the graph and edited through their properties, as the screen shows them.
#include "tools/ContourPlotWindow.h"
#include "tools/Plot2DWindow.h"

#include "plotui/annotate/AnnotateTools.h"
#include "plotui/annotate/FigsProperties.h"
#include "plotui/dialogs/MarkerStyleDialog.h"
#include "plotui/series/Series.h"

#include "platform/ModalRun.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

namespace tools {
namespace {

using testing_support::Click;
using testing_support::ClickAt;
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

// Pixels of one colour (a TColor) within the area.
int CountColour(const QImage& image, const QRect& area, platform::TColor color)
{
  const QRgb wanted = qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      n += (image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF);
  return n;
}

class PlotAnnotateWindowTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }
  void TearDown() override
  {
    if (plotui::TfmAnnotateTools* palette = plotui::CurrentAnnotateTools())
      palette->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    plotui::FigureDialogs() = {};
  }

  template <typename Window>
  std::unique_ptr<Window> Shown()
  {
    auto form = std::make_unique<Window>(folder.filePath("Vexal.INI"), TFormPlacement{});
    // Points in two corners only, clear of the figures.
    auto series = std::make_unique<plotui::TSeries>(*form->Chart->Graph, "s", plot::kStylePoints, platform::clGreen);
    series->AddPoint(0, 0, platform::clGreen, QString());
    series->AddPoint(10, 10, platform::clGreen, QString());
    form->Chart->AddLayer(std::move(series));
    form->setGeometry(80, 80, 620, 460);
    form->show();
    form->Chart->Redraw();
    QApplication::processEvents();
    return form;
  }

  QTemporaryDir folder;
};

TEST_F(PlotAnnotateWindowTest, PaintOpensThePaletteAtTheRightEdgeAndStaysDownOnlyWhileItIsOpen)
{
  auto fx = Shown<TfmPlot2D>();
  auto contour = Shown<TfmContourPlot>();
  contour->setGeometry(300, 200, 500, 400);
  for (TPlotWindow* form : {static_cast<TPlotWindow*>(fx.get()), static_cast<TPlotWindow*>(contour.get())}) {
    const QString name = form->objectName();
    Click(*form->sbAnnotate);
    plotui::TfmAnnotateTools* palette = plotui::CurrentAnnotateTools();
    ASSERT_NE(palette, nullptr) << name.toStdString();
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->Plot(), form->Chart);
    const QRect window = form->frameGeometry();
    const QRect shown = palette->frameGeometry();
    EXPECT_EQ(shown.right(), window.right()) << name.toStdString();
    EXPECT_EQ(shown.top(), window.top() + 20) << name.toStdString();
    EXPECT_TRUE(form->sbAnnotate->Down());
  }
  // The contour window took the palette from the f(x) window.
  EXPECT_FALSE(fx->sbAnnotate->Down());
  plotui::CurrentAnnotateTools()->close();
  EXPECT_FALSE(contour->sbAnnotate->Down());
  // A press on the button while the palette is open keeps it down.
  Click(*fx->sbAnnotate);
  Click(*fx->sbAnnotate);
  EXPECT_TRUE(fx->sbAnnotate->Down());
  EXPECT_TRUE(plotui::CurrentAnnotateTools()->isVisible());
}

TEST_F(PlotAnnotateWindowTest, FiguresDrawnWithTheMouseShowOnTheScreenAndTakeTheirNewColour)
{
  auto form = Shown<TfmPlot2D>();
  plotui::TPlot& chart = *form->Chart;
  QWidget& image = *chart.Image;
  Click(*form->sbAnnotate);
  plotui::TfmAnnotateTools& palette = *plotui::CurrentAnnotateTools();
  const platform::TRect plotRect = chart.Graph->GetPlotRect();
  const int cellW = (plotRect.Right - plotRect.Left) / 3, cellH = (plotRect.Bottom - plotRect.Top) / 3;
  // Cell (col, row) of a 3 x 3 grid over the plot, shrunk to keep off its neighbours.
  const auto cell = [&](int col, int row) {
    return QRect(plotRect.Left + col * cellW + 10, plotRect.Top + row * cellH + 10, cellW - 20, cellH - 20);
  };
  const auto drag = [&](platform::TSpeedButton* tool, QRect area) {
    Click(*tool);
    PressAt(image, area.topLeft());
    MoveHeldTo(image, area.center());
    MoveHeldTo(image, area.bottomRight());
    ReleaseAt(image, area.bottomRight());
  };
  drag(palette.sbLine, cell(0, 0));
  drag(palette.sbArrow, cell(1, 0));
  drag(palette.sbRect, cell(2, 0));
  drag(palette.sbCircle, cell(0, 1));
  drag(palette.sbPencil, cell(1, 1));
  {
    platform::ModalScript script;
    script.Act([](platform::Form& form) {
      auto& d = dynamic_cast<plotui::TfmMarkerStyle&>(form);
      const QRect r = d.Markers->visualItemRect(d.Markers->findItems("Diamond", Qt::MatchExactly)[0]);
      ClickAt(*d.Markers->viewport(), r.center());
      Click(*d.btClose);
    });
    Click(*palette.sbShap);
    ClickAt(image, cell(2, 1).center());
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  {
    platform::ModalScript script;
    script.Act([](platform::Form& form) {
      auto& d = dynamic_cast<plotui::TfmFigsProperties&>(form);
      testing_support::TypeText(*d.edText, "Note");
      Click(*d.btOk);
    });
    Click(*palette.sbText);
    ClickAt(image, cell(0, 2).topLeft());
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  auto& layer = dynamic_cast<plotui::TGraphAnnotate&>(chart.Graph->GetAnnotations());
  ASSERT_EQ(layer.GetCount(), 7);
  Click(*palette.sbtRefresh);
  QImage screen = OnScreen(image);
  EXPECT_EQ(screen, chart.Image->Picture.Image().convertToFormat(QImage::Format_RGB32));
  for (const QRect& area : {cell(0, 0), cell(1, 0), cell(2, 0), cell(0, 1), cell(1, 1)})
    EXPECT_GT(CountColour(screen, area, platform::clRed), 20) << area.x() << "," << area.y();
  EXPECT_GT(CountColour(screen, cell(2, 1), platform::clBlue) + CountColour(screen, cell(2, 1), platform::clRed), 10);
  EXPECT_GT(CountColour(screen, cell(0, 2), platform::clBlack), 10);  // the note's text

  // The line's properties by a right click on it: blue and thicker.
  Click(*palette.sbNone);
  platform::ModalScript script;
  script.ChooseItem("Properties")
      .Act([](platform::Form& form) {
        auto& d = dynamic_cast<plotui::TfmFigsProperties&>(form);
        Click(*d.btColor);
        testing_support::PressKey(*d.edThickness, Qt::Key_Up);
        testing_support::PressKey(*d.edThickness, Qt::Key_Up);
        Click(*d.btOk);
      })
      .PickColor(platform::clBlue);
  const QPointF onLine = cell(0, 0).center();
  PressAt(image, onLine, Qt::RightButton);
  ReleaseAt(image, onLine, Qt::RightButton);
  EXPECT_EQ(script.StepsLeft(), 0);
  screen = OnScreen(image);
  EXPECT_EQ(screen, chart.Image->Picture.Image().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(CountColour(screen, cell(0, 0), platform::clRed), 0);
  EXPECT_GT(CountColour(screen, cell(0, 0), platform::clBlue), 3 * cell(0, 0).width() / 2);
  EXPECT_EQ(dynamic_cast<plotui::TMonoLine&>(*layer.GetFigure(0)).LineWidth, 3);
}

}  // namespace
}  // namespace tools
