// The plot component: a new plot, repaints by the live flag, the 3-D view's ticks, zoom and
// layers, and the checked writes of pictures.
#include "PlotFixture.h"

#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

TEST(Plot, NewPlotHasTheSettingsFileLiveFlagHiddenSecondAxesAndStatusTexts)
{
  TPlotFixture f;
  EXPECT_TRUE(f.chart->IniFileName().endsWith(".INI"));
  EXPECT_EQ(f.chart->Graph->IniFileName, f.chart->IniFileName());
  EXPECT_FALSE(f.chart->LiveUpdate());
  EXPECT_FALSE(f.chart->XAxis2->Visible());
  EXPECT_FALSE(f.chart->YAxis2->Visible());
  EXPECT_TRUE(f.chart->XAxis->Visible());
  EXPECT_EQ(f.chart->StatusBar->Panel(0).Text, "X=n/a");
  EXPECT_EQ(f.chart->StatusBar->Panel(1).Text, "Y=n/a");
  EXPECT_EQ(f.chart->SectionName(), "fmPlot2DChart");
  EXPECT_EQ(f.chart->LoadErrorPrefix(), "fmPlot2D.Chart: ");
}

TEST(Plot, AColourChangePaintsOnlyAfterRedrawUnlessLive)
{
  TPlotFixture f;
  f.paints = 0;
  f.chart->SetPlotColor(platform::clYellow);
  EXPECT_EQ(f.paints, 0);
  EXPECT_EQ(f.chart->Graph->Color, platform::clYellow);
  f.chart->Redraw();
  EXPECT_EQ(f.paints, 1);

  f.chart->SetLiveUpdate(true);
  f.chart->SetPlotColor(platform::clAqua);
  EXPECT_EQ(f.paints, 2);
  f.chart->SetPlotColor(platform::clAqua);  // equal: nothing
  EXPECT_EQ(f.paints, 2);
}

TEST(Plot, View3DStoresTheDepthFractionAndSwitchesTheTicks)
{
  TPlotFixture f;
  f.paints = 0;
  f.chart->SetView3D(0);  // equal to the current value: nothing
  EXPECT_EQ(f.paints, 0);
  f.chart->SetView3D(8);
  EXPECT_DOUBLE_EQ(f.chart->Graph->View3D, 0.04);
  EXPECT_DOUBLE_EQ(f.chart->View3D(), 8);
  for (TPlotAxis* axis : {f.chart->XAxis.get(), f.chart->YAxis.get()}) {
    EXPECT_EQ(axis->Ticks().Direction(), plot::tdIN);
    EXPECT_FALSE(axis->Ticks().MinorVisible());
    EXPECT_EQ(axis->Ticks().MajorLength(), f.chart->Frame->Width());
    EXPECT_FALSE(axis->MajorLineVisible());
  }
  f.chart->SetView3D(0);
  for (TPlotAxis* axis : {f.chart->XAxis.get(), f.chart->YAxis.get(), f.chart->XAxis2.get(), f.chart->YAxis2.get()}) {
    EXPECT_EQ(axis->Ticks().Direction(), plot::tdOut);
    EXPECT_TRUE(axis->Ticks().MinorVisible());
    EXPECT_EQ(axis->Ticks().MajorLength(), 4);
    EXPECT_EQ(axis->Ticks().MinorLength(), 2);
    EXPECT_TRUE(axis->MajorLineVisible());
  }
}

TEST(Plot, ZoomOutWithoutAStepAndLayerIndices)
{
  TPlotFixture f;
  EXPECT_FALSE(f.chart->ZoomOut());
  f.chart->ZoomIn();
  EXPECT_TRUE(f.chart->Zoom->Enabled());
  EXPECT_FALSE(f.chart->Graph->AnimatedZoom);
  f.chart->AnimatedZoomIn();
  EXPECT_TRUE(f.chart->Graph->AnimatedZoom);
  f.chart->ZoomReset();
  EXPECT_FALSE(f.chart->Zoom->Enabled());

  EXPECT_EQ(f.chart->AddLayer(std::make_unique<plot::TLayer>(*f.chart->Graph)), 0);
  f.chart->AddLayer(std::make_unique<plot::TLayer>(*f.chart->Graph));
  EXPECT_EQ(f.chart->AddLayer(std::make_unique<plot::TLayer>(*f.chart->Graph)), 2);
}

TEST(Plot, TitleTextSplitsAtEveryHash)
{
  TPlotFixture f;
  const struct {
    QString text;
    QStringList lines;
    QString readBack;
  } cases[] = {{"A#B#", {"A", "B"}, "A#B#"},
               {"A##B", {"A", "", "B"}, "A##B#"},
               {"#", {""}, "#"},
               {"Sin(x)", {"Sin(x)"}, "Sin(x)#"},
               {"", {}, ""}};
  for (const auto& c : cases) {
    f.chart->Title->SetText(c.text);
    EXPECT_EQ(f.chart->Graph->Title->Lines, c.lines) << c.text.toStdString();
    EXPECT_EQ(f.chart->Title->Text(), c.readBack) << c.text.toStdString();
  }
}

TEST(Plot, PicturesAreSavedAndAFileThatCantBeWrittenIsReportedWithItsPath)
{
  TPlotFixture f;
  f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}});
  f.chart->Redraw();
  QTemporaryDir dir;
  const QString bmp = dir.filePath("plot.bmp");
  f.chart->SaveBitmap(bmp);
  EXPECT_TRUE(QFile::exists(bmp));
  const QString emf = dir.filePath("plot.emf");
  f.chart->SaveMetafile(emf, true);
  EXPECT_TRUE(QFile::exists(emf));

  const QString bad = dir.filePath("no-such-folder/plot.bmp");
  try {
    f.chart->SaveBitmap(bad);
    FAIL() << "no error";
  } catch (const std::exception& e) {
    const QString message = QString::fromUtf8(e.what());
    EXPECT_TRUE(message.startsWith("Can't create file ")) << e.what();
    EXPECT_TRUE(message.contains("no-such-folder")) << e.what();
  }
  EXPECT_THROW(f.chart->SaveMetafile(dir.filePath("no-such-folder/plot.emf"), true), std::exception);
}

TEST(Plot, PrintEntryOfThePopupStaysDisabled)
{
  TPlotFixture f;
  plot::TPopupMenuItems items{plot::piProperties, plot::piPrint, plot::piSaveAs};
  f.chart->SetPopupMenuItems(items);
  ASSERT_NE(f.chart->Graph->PopupItems.Print, nullptr);
  EXPECT_FALSE(f.chart->Graph->PopupItems.Print->Enabled());
  ASSERT_NE(f.chart->Graph->PopupItems.SaveAs, nullptr);
  EXPECT_TRUE(f.chart->Graph->PopupItems.SaveAs->Enabled());
}

}  // namespace
}  // namespace plotui::test
