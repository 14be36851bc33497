// "Import data" and "Export data" of the plot window: a pasted series reaches the screen and the
// export window lists the plot's series.
#include "tools/Plot2DWindow.h"

#include "plotui/data/ExportDialog.h"
#include "plotui/data/ImportDialog.h"
#include "plotui/series/Series.h"

#include "platform/ClipboardText.h"
#include "platform/ModalRun.h"
#include "platform/SpeedButton.h"
#include "platform/ToolBar.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QListWidget>
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

TEST(PlotDataWindow, ImportedSeriesIsDrawnAndExportListsIt)
{
  QTemporaryDir folder;
  TfmPlot2D form(folder.filePath("Vexal.INI"), TFormPlacement{});
  form.setGeometry(80, 80, 620, 460);
  form.show();
  form.Chart->Redraw();
  platform::SetClipboardText("0 0\r\n10 10\r\n");
  const platform::TColor colour = form.Chart->GetFreeColor();
  EXPECT_EQ(CountColour(OnScreen(*form.Chart->Image), colour), 0);

  platform::ModalScript script;
  script.Act([](platform::Form& window) {
    auto& d = dynamic_cast<plotui::TfmGraphImport&>(window);
    d.ToolBar->ClickButton("sbPaste");
    Click(*d.BitBtn1);
  });
  script.Act([](platform::Form& window) {
    auto& d = dynamic_cast<plotui::TfmExports&>(window);
    ASSERT_EQ(d.clSeries->count(), 1);
    EXPECT_EQ(d.clSeries->item(0)->text(), "New Series");
    Click(*d.btClose);
  });
  ASSERT_TRUE(form.ToolBar->Button("sbImport")->Enabled());
  EXPECT_TRUE(form.ToolBar->ClickButton("sbImport"));
  ASSERT_EQ(form.Chart->Graph->GetLayerCount(), 1);
  EXPECT_GT(CountColour(OnScreen(*form.Chart->Image), colour), 20);
  EXPECT_TRUE(form.ToolBar->ClickButton("sbExport"));
  EXPECT_EQ(script.StepsLeft(), 0);
}

}  // namespace
}  // namespace tools
