// The plot component: a new plot, repaints by the live flag, the 3-D view's ticks, zoom and
// layers, and the checked writes of pictures.
#include "PlotFixture.h"

#include "plotui/annotate/GraphAnnotate.h"

#include "platform/ClipboardPicture.h"
#include "platform/DragDrop.h"
#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "platform/ModalRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

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

TEST(Plot, TheClipboardCopyReportsAPictureItDidNotTake)
{
  TPlotFixture f;
  f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}});
  f.chart->Redraw();
  f.chart->CopyToClipboard();
  platform::TBitmap pasted(1, 1);
  ASSERT_TRUE(platform::PasteBitmapFromClipboard(pasted));
  EXPECT_EQ(pasted.Width(), f.chart->Image->Picture.Width());
  // The earlier picture still on the clipboard does not pass for this one.
  f.chart->Image->Picture.SetSize(0, 0);
  EXPECT_THROW(f.chart->CopyToClipboard(), platform::Exception);
}

TEST(Plot, ClicksAndDropsOnThePictureRaiseThePlotsEvents)
{
  TPlotFixture f;
  f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}});
  f.chart->Redraw();
  std::vector<QString> events;
  f.chart->OnMouseDown = [&](platform::TMouseButton, platform::TShiftState, int, int) { events.push_back("down"); };
  f.chart->OnMouseUp = [&](platform::TMouseButton, platform::TShiftState, int, int) { events.push_back("up"); };
  f.chart->OnClick = [&] { events.push_back("click"); };
  f.chart->OnDblClick = [&] { events.push_back("double"); };
  QWidget& image = *f.chart->Image;
  const QPoint at(40, 40);
  const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), image.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&image, &event);
  };
  send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
  send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ((std::vector<QString>(events.begin(), events.begin() + 3)), (std::vector<QString>{"down", "up", "click"}));
  EXPECT_NE(std::find(events.begin(), events.end(), "double"), events.end());

  // A drop: refused while the plot has no OnDragOver, taken at the point in the plot's pixels after.
  QWidget source(&f.window);
  source.setGeometry(0, 0, 10, 10);
  int dropX = -1, dropY = -1;
  f.chart->OnDragDrop = [&](QWidget*, int x, int y) {
    dropX = x;
    dropY = y;
  };
  const auto dragTo = [&](QPoint local) {
    platform::BeginDrag(source);
    platform::DragMouseMove(image.mapToGlobal(local));
    platform::DragMouseUp(image.mapToGlobal(local));
  };
  dragTo({50, 60});
  EXPECT_EQ(dropX, -1);
  f.chart->OnDragOver = [](QWidget*, int, int, platform::TDragState, bool& accept) { accept = true; };
  dragTo({50, 60});
  EXPECT_EQ(dropX, 50);
  EXPECT_EQ(dropY, 60);

  int changed = 0;
  f.chart->OnAfterChangeProperties = [&](plot::TGraph& graph) { changed += &graph == f.chart->Graph.get(); };
  f.chart->AfterChangeProperties();
  EXPECT_EQ(changed, 1);
}

TEST(Plot, SaveAsWritesTheFileTypeChosenWithItsExtension)
{
  TPlotFixture f;
  f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}});
  f.chart->Redraw();
  QTemporaryDir dir;
  const struct {
    int filter;
    const char* name;
    const char* written;
    QByteArray start;
  } cases[] = {{3, "picture", "picture.EMF", QByteArray::fromHex("01000000")},
               {2, "drawing", "drawing.WMF", QByteArray::fromHex("d7cdc69a")},
               {1, "image", "image.BMP", QByteArray("BM")}};
  for (const auto& c : cases) {
    platform::ModalScript script;
    script.Choose(dir.filePath(c.name), c.filter);
    f.chart->SavePictureAs();
    QFile file(dir.filePath(c.written));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.written;
    EXPECT_TRUE(file.readAll().startsWith(c.start)) << c.written;
  }
  // The extension typed, in either case, wins over the file type chosen.
  const struct {
    int filter;
    const char* name;
    QByteArray start;
  } typed[] = {{1, "typed.wmf", QByteArray::fromHex("d7cdc69a")},
               {2, "typed.Emf", QByteArray::fromHex("01000000")},
               {3, "typed.bmp", QByteArray("BM")},
               {1, "typed.png", QByteArray("\x89PNG")},
               {2, "typed.pic", QByteArray::fromHex("d7cdc69a")}};
  for (const auto& c : typed) {
    platform::ModalScript script;
    script.Choose(dir.filePath(c.name), c.filter);
    f.chart->SavePictureAs();
    QFile file(dir.filePath(c.name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
    EXPECT_TRUE(file.readAll().startsWith(c.start)) << c.name;
  }
  platform::ModalScript cancel;
  cancel.Dismiss(platform::ModalKind::SaveDialog);
  f.chart->SavePictureAs();
  EXPECT_EQ(cancel.StepsLeft(), 0);
}

// Each file type of the dialog lists the files of its extension in upper and lower case.
TEST(Plot, SaveAsListsPictureFilesInEitherCase)
{
  TPlotFixture f;
  QTemporaryDir dir;
  for (const char* name : {"a.bmp", "B.BMP", "c.wmf", "D.WMF", "e.emf", "F.EMF"}) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const QStringList expected[] = {{"B.BMP", "a.bmp"}, {"D.WMF", "c.wmf"}, {"F.EMF", "e.emf"}};
  platform::ModalScript script;
  script.Then([&](platform::ModalSubject& subject) {
    const auto& dialog = dynamic_cast<platform::TFileDialog&>(subject);
    const QStringList filters = dialog.QtNameFilters();
    EXPECT_EQ(filters.size(), 3);
    for (int i = 0; i < filters.size() && i < 3; ++i) {
      // The patterns between the parentheses, matched as the dialog matches them: case-sensitive.
      const QString patterns = filters[i].section(QLatin1Char('('), -1).chopped(1);
      const QStringList listed =
          QDir(dir.path()).entryList(patterns.split(QLatin1Char(' ')), QDir::Files | QDir::CaseSensitive, QDir::Name);
      EXPECT_EQ(listed, expected[i]) << filters[i].toStdString();
    }
    return platform::mrCancel;
  });
  f.chart->SavePictureAs();
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST(Plot, PopupPropertiesOpensThePropertiesDialogAndPrintThePrintDialog)
{
  TPlotFixture f;
  plot::TPopupMenuItems items{plot::piProperties, plot::piPrint, plot::piSaveAs};
  f.chart->SetPopupMenuItems(items);
  for (const plot::TGraphPopupItems& popup : {f.chart->Graph->PopupItems}) {
    ASSERT_NE(popup.Properties, nullptr);
    EXPECT_TRUE(popup.Properties->Enabled());
    ASSERT_NE(popup.Print, nullptr);
    EXPECT_TRUE(popup.Print->Enabled());
    ASSERT_NE(popup.SaveAs, nullptr);
    EXPECT_TRUE(popup.SaveAs->Enabled());
  }

  platform::ModalScript script;
  for (const char* title : {"Properties", "Print"})
    script.Then([title](platform::ModalSubject& subject) {
      EXPECT_EQ(dynamic_cast<platform::Form&>(subject).windowTitle(), QString::fromLatin1(title));
      return platform::mrCancel;
    });
  f.chart->Graph->PopupItems.Properties->OnClick();
  f.chart->Graph->PopupItems.Print->OnClick();
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST(Plot, TheGraphsPopupIsMergedOnceIntoThePlotsOwnMenu)
{
  TPlotFixture f;
  f.AddSeries("s", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}});
  f.chart->SetPopupMenuItems({plot::piProperties, plot::piSaveAs, plot::piZoomIn});
  int redraws = 0;
  f.chart->PopupMenu = std::make_unique<platform::TPopupMenu>();
  f.chart->PopupMenu->Items().Add("miRedraw", "Redraw", [&] { ++redraws; });
  f.chart->resize(f.chart->width() + 10, f.chart->height());
  ASSERT_EQ(f.chart->PopupMergeCount, 2);
  EXPECT_EQ(f.chart->PopupMenu, nullptr);
  const platform::TMenuItem& merged = f.chart->Graph->PopupMenu->Items();
  std::vector<QString> names;
  for (int i = 0; i < merged.Count(); ++i)
    names.push_back(merged.Item(i).Name());
  EXPECT_EQ(names, (std::vector<QString>{"miRedraw", "miPlotN1", "miSaveAsGraph", "miZoomInGraph", "miGraphN1",
                                         "miPropertiesGraph"}));
  // The graph's handles point at the moved items.
  EXPECT_EQ(f.chart->Graph->PopupItems.SaveAs, &merged.Item(2));
  EXPECT_EQ(f.chart->Graph->PopupItems.Properties, &merged.Item(5));
  EXPECT_TRUE(f.chart->Graph->PopupItems.Properties->Enabled());

  // A right click shows the merged menu; later settings and resizes merge nothing again.
  f.chart->Redraw();
  const platform::TRect r = f.chart->Graph->GetPlotRect();
  const QPoint at((r.Left + r.Right) / 2 + 7, (r.Top + r.Bottom) / 2 + 11);
  QWidget& image = *f.chart->Image;
  platform::ModalScript script;
  script.ChooseItem("miRedraw");
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), image.mapToGlobal(QPointF(at)), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&image, &press);
  EXPECT_EQ(redraws, 1);
  f.chart->resize(f.chart->width() + 10, f.chart->height());
  f.chart->SetPopupMenuItems({plot::piProperties});
  EXPECT_EQ(f.chart->Graph->PopupMenu->Items().Count(), 6);
}

TEST(Plot, ScrollingTheLegendHidesTheEntriesAboveThePositionAndRepaintsLater)
{
  TPlotFixture f(400, 120);
  for (int i = 0; i < 12; ++i)
    f.AddSeries(QStringLiteral("series %1").arg(i), plot::kStyleLine, platform::clRed, {{0, i}, {1, i}}, true);
  f.chart->Redraw();
  ASSERT_TRUE(f.chart->LegendPanel->StripVisible());
  f.paints = 0;
  f.chart->LegendPanel->SetPosition(2);
  EXPECT_FALSE(f.chart->Graph->Legend->Entry(0)->Visible);
  EXPECT_FALSE(f.chart->Graph->Legend->Entry(1)->Visible);
  EXPECT_TRUE(f.chart->Graph->Legend->Entry(2)->Visible);
  EXPECT_EQ(f.paints, 0);
  QElapsedTimer clock;
  clock.start();
  while (f.paints == 0 && clock.elapsed() < 2000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(f.paints, 1);
  EXPECT_GE(clock.elapsed(), 200);
}

TEST(Plot, RemovingASeriesTakesItsLegendEntryAlong)
{
  TPlotFixture f;
  TSeries& a = f.AddSeries("a", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 1}}, true);
  f.AddSeries("b", plot::kStyleLine, platform::clBlue, {{0, 1}, {1, 0}}, true);
  int deleted = 0;
  f.chart->Graph->OnDeleteSeries = [&](plot::TGraph&, plot::TLayer&) { ++deleted; };
  a.Remove();
  EXPECT_EQ(f.chart->Graph->GetLayerCount(), 1);
  EXPECT_EQ(f.chart->Legend->Count(), 1);
  EXPECT_EQ(f.chart->Graph->Legend->Entry(0)->Caption, "b");
  f.chart->Clear();
  EXPECT_EQ(f.chart->Legend->Count(), 0);
  (void)deleted;
}

TEST(Plot, ALineIsDrawnWithTheMouseOnThePicture)
{
  TPlotFixture f;
  f.AddSeries("s", plot::kStyleLine, platform::clBlue, {{0, 0}, {10, 10}});
  f.chart->Redraw();
  auto& layer = dynamic_cast<TGraphAnnotate&>(f.chart->Graph->GetAnnotations());
  layer.Tool = atArrow;
  EXPECT_TRUE(f.chart->FigureToolSelected());
  const platform::TRect r = f.chart->Graph->GetPlotRect();
  const QPoint from((r.Left + r.Right) / 2 - 30, (r.Top + r.Bottom) / 2);
  const QPoint to = from + QPoint(60, -20);
  QWidget& image = *f.chart->Image;
  const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), image.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&image, &event);
  };
  send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  ASSERT_EQ(layer.GetCount(), 1);
  auto& arrow = dynamic_cast<TArrow&>(*layer.GetFigure(0));
  EXPECT_EQ(f.chart->Graph->XToScreen(arrow.X1), from.x());
  EXPECT_EQ(f.chart->Graph->XToScreen(arrow.X2), to.x());
  EXPECT_EQ(f.chart->Graph->YToScreen(arrow.Y2), to.y());
}

}  // namespace
}  // namespace plotui::test
