// "Properties" of the plot windows: the dialog opened from the tool bar button and the menu, its
// changes reaching the screen.
#include "tools/ContourPlotWindow.h"
#include "tools/Plot2DWindow.h"

#include "plotui/properties/AxisPage.h"
#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/SettingsPage.h"
#include "plotui/properties/TitlesPage.h"
#include "plotui/series/Series.h"

#include "platform/Menus.h"
#include "platform/ModalRun.h"
#include "platform/PageControl.h"
#include "platform/ToolBar.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

namespace tools {
namespace {

using testing_support::Click;

QImage OnScreen(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  QWidget& top = *control.window();
  const QPixmap shown = top.windowHandle()->screen()->grabWindow(top.winId());
  const QPoint at = control.mapTo(&top, QPoint(0, 0));
  return shown.toImage().copy(QRect(at, control.size())).convertToFormat(QImage::Format_RGB32);
}

int CountColour(const QImage& image, platform::TColor color)
{
  const QRgb wanted = qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      n += (image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF);
  return n;
}

void Retype(QLineEdit& edit, const QString& text)
{
  edit.setFocus();
  edit.selectAll();
  testing_support::PressKey(edit, Qt::Key_Delete);
  testing_support::TypeText(edit, text);
}

plotui::TfmGraphProperties& Dialog(platform::Form& form) { return dynamic_cast<plotui::TfmGraphProperties&>(form); }

TEST(PlotPropertiesWindow, ToolBarPropertiesChangesReachTheScreenOnApply)
{
  QTemporaryDir folder;
  TfmPlot2D form(folder.filePath("Vexal.INI"), TFormPlacement{});
  form.setGeometry(80, 80, 620, 460);
  form.show();
  auto series = std::make_unique<plotui::TSeries>(*form.Chart->Graph, "s", plot::kStyleLine, platform::clBlue);
  series->AddPoint(0, 0, platform::clBlue, {});
  series->AddPoint(10, 10, platform::clBlue, {});
  form.Chart->AddLayer(std::move(series));
  form.Chart->SetLiveUpdate(false);
  form.Chart->Redraw();
  constexpr platform::TColor kPlot = 0x00C0E0;  // a colour nothing else uses
  EXPECT_EQ(CountColour(OnScreen(*form.Chart->Image), kPlot), 0);

  platform::ModalScript script;
  script
      .Act([&](platform::Form& window) {
        plotui::TfmGraphProperties& d = Dialog(window);
        d.pcProperties->SelectPage("tsSettings");
        Click(*d.Settings->bbPlotColor);
        // Not live: nothing reaches the screen before Apply.
        EXPECT_EQ(CountColour(OnScreen(*form.Chart->Image), kPlot), 0);
        plotui::TAxisGroup& x = *d.Axes->gbXAxis;
        testing_support::ClickAt(*x.chAutoMax, QPointF(8, x.chAutoMax->height() / 2.0));
        Retype(*x.edMax, "40");
        testing_support::PressEnter(*x.edMax);
        Click(*d.btApply);
        Click(*d.btClose);
      })
      .PickColor(kPlot);
  ASSERT_TRUE(form.ToolBar->ClickButton("sbProp"));
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_GT(CountColour(OnScreen(*form.Chart->Image), kPlot), 1000);
  EXPECT_DOUBLE_EQ(form.Chart->XAxis->GetMaximum(), 40);
  EXPECT_DOUBLE_EQ(form.Chart->Graph->Range.Right, 40);
}

TEST(PlotPropertiesWindow, ContourWindowMenuAndGraphPopupOpenTheDialog)
{
  QTemporaryDir folder;
  TfmContourPlot form(folder.filePath("Vexal.INI"), TFormPlacement{});
  form.setGeometry(80, 80, 620, 460);
  form.show();
  QAction* properties = nullptr;
  for (QAction* action : form.findChildren<QAction*>())
    if (action->text() == "&Properties")
      properties = action;
  ASSERT_NE(properties, nullptr);
  EXPECT_TRUE(properties->isEnabled());
  platform::ModalScript script;
  script.Act([](platform::Form& window) { Click(*Dialog(window).btClose); });
  properties->trigger();
  EXPECT_EQ(script.StepsLeft(), 0);
  ASSERT_NE(form.Chart->Graph->PopupItems.Properties, nullptr);
  EXPECT_TRUE(form.Chart->Graph->PopupItems.Properties->Enabled());
}

}  // namespace
}  // namespace tools
