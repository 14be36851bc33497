// The surface plot window driven as the user drives it: its view bars by keys and mouse, its tool
// buttons and menu items, Save As and the clipboard, checked on what reaches the screen and the disk.
#include "tools/SurfacePlotWindow.h"

#include "tools/SurfaceViewBars.h"

#include "chart/output/ChartPreview.h"
#include "chart/output/PreviewPage.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/SurfaceSeries.h"

#include "platform/ClipboardPicture.h"
#include "platform/Menus.h"
#include "platform/ModalRun.h"
#include "platform/SpeedButton.h"
#include "platform/ToolBar.h"
#include "tests/support/FullDisk.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace tools {
namespace {

using testing_support::Click;
using testing_support::ClickAt;
using testing_support::PressKey;

QImage OnScreen(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  QWidget& top = *control.window();
  const QPixmap shown = top.windowHandle()->screen()->grabWindow(top.winId());
  const QPoint at = control.mapTo(&top, QPoint(0, 0));
  return shown.toImage().copy(QRect(at, control.size())).convertToFormat(QImage::Format_RGB32);
}

// Pixels of a hue (not grey, white or black): the surface's cells, as the walls, axes and the
// background gradient are all grey shades.
int TintedPixels(const QImage& image)
{
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
      const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
      n += hi - lo > 24;
    }
  return n;
}

// Kept for a look by eye beside the test program.
void SaveShot(const QImage& image, const char* name)
{
  const QString folder = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(folder);
  image.save(folder + QLatin1Char('/') + QString::fromLatin1(name));
}

QByteArray FileBytes(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

platform::TMenuItem& MainMenuItem(TfmSurfaceTee& form, const QString& name)
{
  platform::TMenuItem* item = form.MainMenu1->Items().Find(name);
  EXPECT_NE(item, nullptr) << name.toStdString();
  return *item;
}

class SurfaceWindowTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    form = std::make_unique<TfmSurfaceTee>([] { return true; });
    form->setGeometry(60, 60, 606, 469);
  }
  void TearDown() override { form.reset(); }

  void ShowForm()
  {
    form->Show();
    QApplication::processEvents();
  }
  chart::TSurfaceSeries& Series() { return *form->SurfaceSeries1; }
  chart::TChart& Chart() { return *form->Chart; }

  std::unique_ptr<TfmSurfaceTee> form;
};

TEST_F(SurfaceWindowTest, StartsWithTheSampleSurfaceTheStoredViewAndTogglesAsTheChartShowsThem)
{
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Surface"));
  EXPECT_EQ(Series().Count(), 15 * 15);
  EXPECT_EQ(Series().Pen().Color(), platform::clBlack);
  EXPECT_EQ(form->SavedPenColor, platform::clBlack);
  EXPECT_TRUE(Chart().Gradient().Visible());
  // The bars start where the table puts them, the chart at its stored view until a bar moves.
  const int positions[] = {340, 340, 0, 0, 60, 0};
  for (int i = 0; i < TSurfaceViewBars::kCount; ++i) {
    const TViewBarLayout& layout = TSurfaceViewBars::Layouts()[std::size_t(i)];
    QScrollBar& bar = form->Panel2->Bar(i);
    EXPECT_EQ(bar.value(), positions[i]) << layout.Name;
    EXPECT_EQ(bar.minimum(), layout.Min) << layout.Name;
    EXPECT_EQ(bar.maximum(), layout.Max) << layout.Name;
    EXPECT_EQ(form->Panel2->Label(i).text(), QString::fromLatin1(layout.Label));
  }
  EXPECT_EQ(Chart().View3DOptions().Rotation(), 324);
  EXPECT_EQ(Chart().View3DOptions().Zoom(), 60);
  // The legend starts hidden, the grids shown, the wire frame off: buttons and checks say so.
  EXPECT_FALSE(form->Legend().Visible());
  EXPECT_FALSE(form->sbLegend->Down());
  EXPECT_FALSE(form->miShowLegend->Checked());
  EXPECT_TRUE(form->GridsShown());
  EXPECT_TRUE(form->sbGrid->Down());
  EXPECT_TRUE(form->miGrid->Checked());
  EXPECT_FALSE(form->sbWireFrame->Down());
  EXPECT_FALSE(form->miWireFrame->Checked());
  EXPECT_TRUE(form->miColorRange->Checked());
  for (platform::TSpeedButton* partner : {form->sbL1, form->sbG1, form->sbW1})
    EXPECT_FALSE(partner->isVisible());
  EXPECT_FALSE(form->sbProp->Enabled());
  EXPECT_FALSE(form->miProperties->Enabled());

  ShowForm();
  EXPECT_GT(TintedPixels(OnScreen(Chart())), 2000);
}

TEST_F(SurfaceWindowTest, EachViewBarMovedByKeysOrMouseTurnsTheChartAndChangesThePicture)
{
  ShowForm();
  using TViewValue = std::function<int(const chart::TView3DOptions&)>;
  const TViewValue values[] = {
      [](const chart::TView3DOptions& v) { return v.Rotation(); },
      [](const chart::TView3DOptions& v) { return v.Elevation(); },
      [](const chart::TView3DOptions& v) { return v.HorizOffset(); },
      [](const chart::TView3DOptions& v) { return v.VertOffset(); },
      [](const chart::TView3DOptions& v) { return v.Zoom(); },
      [](const chart::TView3DOptions& v) { return v.Tilt(); },
  };
  for (int i = 0; i < TSurfaceViewBars::kCount; ++i) {
    QScrollBar& bar = form->Panel2->Bar(i);
    const QImage before = OnScreen(Chart());
    const int start = bar.value();
    bar.setFocus();
    PressKey(bar, Qt::Key_Right);
    PressKey(bar, Qt::Key_Right);
    EXPECT_EQ(bar.value(), start + 2) << bar.objectName().toStdString();
    EXPECT_EQ(values[i](Chart().View3DOptions()), start + 2) << bar.objectName().toStdString();
    // A click left of the thumb pages back.
    ClickAt(bar, QPointF(bar.width() * 0.05 + 12, bar.height() / 2.0));
    EXPECT_LT(bar.value(), start + 2) << bar.objectName().toStdString();
    EXPECT_EQ(values[i](Chart().View3DOptions()), bar.value()) << bar.objectName().toStdString();
    EXPECT_NE(OnScreen(Chart()), before) << bar.objectName().toStdString();
  }
}

TEST_F(SurfaceWindowTest, LegendAndGridButtonsAndItemsStayInStepWithWhatTheChartShows)
{
  ShowForm();
  struct TToggle {
    const char* Name;
    platform::TSpeedButton* Button;
    platform::TMenuItem* Item;
    std::function<bool()> Shown;
  };
  const TToggle toggles[] = {
      {"legend", form->sbLegend, form->miShowLegend, [this] { return form->Legend().Visible(); }},
      {"grids", form->sbGrid, form->miGrid, [this] {
         EXPECT_EQ(Chart().BottomAxis().Grid().Visible(), Chart().LeftAxis().Grid().Visible());
         EXPECT_EQ(Chart().DepthAxis().Grid().Visible(), Chart().LeftAxis().Grid().Visible());
         return Chart().LeftAxis().Grid().Visible();
       }},
  };
  for (const TToggle& toggle : toggles) {
    const bool start = toggle.Shown();
    const QImage before = OnScreen(Chart());
    Click(*toggle.Button);
    EXPECT_EQ(toggle.Shown(), !start) << toggle.Name;
    EXPECT_EQ(toggle.Button->Down(), !start) << toggle.Name;
    EXPECT_EQ(toggle.Item->Checked(), !start) << toggle.Name;
    EXPECT_NE(OnScreen(Chart()), before) << toggle.Name;
    toggle.Item->Click();
    EXPECT_EQ(toggle.Shown(), start) << toggle.Name;
    EXPECT_EQ(toggle.Button->Down(), start) << toggle.Name;
    EXPECT_EQ(toggle.Item->Checked(), start) << toggle.Name;
  }
}

TEST_F(SurfaceWindowTest, TheWireFrameOnAndOffGivesThePenBackAsItWas)
{
  ShowForm();
  chart::TChartPen& pen = Series().Pen();
  pen.SetVisible(false);  // as a plot leaves it
  pen.SetColor(platform::clGreen);
  const int cellsShown = TintedPixels(OnScreen(Chart()));
  Click(*form->sbWireFrame);
  EXPECT_TRUE(Series().WireFrame());
  EXPECT_FALSE(Series().DotFrame());
  EXPECT_TRUE(pen.Visible());
  EXPECT_EQ(pen.Color(), Series().StartColor());
  EXPECT_TRUE(form->sbWireFrame->Down());
  EXPECT_TRUE(form->miWireFrame->Checked());
  // Only the cells' outlines are drawn now.
  const QImage wire = OnScreen(Chart());
  SaveShot(wire, "surface_wire_frame.png");
  EXPECT_LT(TintedPixels(wire), cellsShown);

  form->miWireFrame->Click();
  EXPECT_FALSE(Series().WireFrame());
  EXPECT_FALSE(pen.Visible());
  EXPECT_EQ(pen.Color(), platform::clGreen);
  EXPECT_FALSE(form->sbWireFrame->Down());
  EXPECT_TRUE(form->sbW1->Down());
  EXPECT_FALSE(form->miWireFrame->Checked());
}

TEST_F(SurfaceWindowTest, ColourModesSetThePaletteAndASecondSingleColourKeepsThePenToComeBackTo)
{
  ShowForm();
  chart::TChartPen& pen = Series().Pen();
  pen.SetVisible(false);
  pen.SetColor(platform::clMaroon);
  form->miColorPalette->Click();
  EXPECT_TRUE(Series().UsePalette());
  EXPECT_FALSE(Series().UseColorRange());
  EXPECT_EQ(Series().Palette().size(), 50u);
  SaveShot(OnScreen(Chart()), "surface_palette.png");
  EXPECT_TRUE(form->miColorPalette->Checked());
  EXPECT_FALSE(form->miColorRange->Checked());

  form->miSingleColor->Click();
  form->miSingleColor->Click();
  EXPECT_FALSE(Series().UsePalette());
  EXPECT_FALSE(Series().UseColorRange());
  EXPECT_EQ(Series().Palette().size(), 10u);
  EXPECT_TRUE(pen.Visible());
  EXPECT_EQ(pen.Color(), platform::clBlack);
  EXPECT_TRUE(form->miViewFrame->Checked());
  EXPECT_TRUE(form->miSingleColor->Checked());

  form->miColorRange->Click();
  EXPECT_TRUE(Series().UseColorRange());
  EXPECT_EQ(Series().Palette().size(), 10u);
  EXPECT_EQ(pen.Color(), platform::clMaroon);
  EXPECT_FALSE(pen.Visible());
  EXPECT_TRUE(form->miColorRange->Checked());
}

TEST_F(SurfaceWindowTest, TheViewFrameOutlinesTheCellsInTheModesColour)
{
  form->miViewFrame->Click();
  EXPECT_TRUE(form->miViewFrame->Checked());
  EXPECT_TRUE(Series().Pen().Visible());
  EXPECT_EQ(Series().Pen().Color(), Series().StartColor());
  EXPECT_EQ(form->SavedPenColor, Series().StartColor());
  form->miColorPalette->Click();
  form->miViewFrame->Click();
  form->miViewFrame->Click();
  EXPECT_EQ(Series().Pen().Color(), platform::clBlack);
  EXPECT_TRUE(Series().Pen().Visible());
}

TEST_F(SurfaceWindowTest, TheCleanViewShowsTheSurfaceAloneOnBlackAndComesBack)
{
  ShowForm();
  Chart().SetColor(platform::clTeal);
  form->miClean->Click();
  EXPECT_TRUE(form->miClean->Checked());
  EXPECT_EQ(Chart().Color(), platform::clBlack);
  EXPECT_FALSE(Chart().View3DWalls());
  EXPECT_FALSE(Chart().AxisVisible());
  EXPECT_FALSE(Chart().Gradient().Visible());
  const QImage clean = OnScreen(Chart());
  SaveShot(clean, "surface_clean.png");
  EXPECT_EQ(clean.pixel(3, 3) & 0xFFFFFF, 0u);
  EXPECT_GT(TintedPixels(clean), 2000);

  form->miClean->Click();
  EXPECT_FALSE(form->miClean->Checked());
  EXPECT_EQ(Chart().Color(), platform::clTeal);
  EXPECT_TRUE(Chart().View3DWalls());
  EXPECT_TRUE(Chart().AxisVisible());
  EXPECT_TRUE(Chart().Gradient().Visible());
}

TEST(SurfaceWindowLowColour, ALowColourScreenIsToldOnceAndTheGradientStaysHidden)
{
  platform::ModalScript script;
  script.ExpectMessage(QStringLiteral("This demo looks much better with\r16k colors or greater."), platform::mrOk);
  TfmSurfaceTee form([] { return false; });
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_FALSE(form.Chart->Gradient().Visible());
  form.miClean->Click();
  form.miClean->Click();
  EXPECT_FALSE(form.Chart->Gradient().Visible());
}

TEST(SurfacePictureChoice, TheTypedExtensionDecidesAndANameWithoutOneTakesTheTypes)
{
  struct TCase {
    const char* Name;
    int FilterIndex;
    TSurfacePictureFormat Format;
    const char* Written;
  };
  const TCase cases[] = {
      {"/t/x.emf", 1, TSurfacePictureFormat::EnhancedMetafile, "/t/x.emf"},
      {"/t/x.WMF", 1, TSurfacePictureFormat::Metafile, "/t/x.WMF"},
      {"/t/x.Bmp", 3, TSurfacePictureFormat::Bitmap, "/t/x.Bmp"},
      {"/t/x", 2, TSurfacePictureFormat::Metafile, "/t/x.WMF"},
      {"/t/x", 3, TSurfacePictureFormat::EnhancedMetafile, "/t/x.EMF"},
      {"/t/x", 0, TSurfacePictureFormat::Bitmap, "/t/x.BMP"},
      {"/t/x.pic", 2, TSurfacePictureFormat::Metafile, "/t/x.pic"},
      {"/t/a.emf.bmp", 3, TSurfacePictureFormat::Bitmap, "/t/a.emf.bmp"},
  };
  for (const TCase& c : cases) {
    const TSurfacePictureChoice choice = SurfacePictureChoice(QString::fromLatin1(c.Name), c.FilterIndex);
    EXPECT_EQ(choice.Format, c.Format) << c.Name;
    EXPECT_EQ(choice.FileName, QString::fromLatin1(c.Written)) << c.Name;
  }
}

TEST_F(SurfaceWindowTest, SaveAsWritesTheFormatOfTheTypedExtensionWhateverTheType)
{
  ShowForm();
  QTemporaryDir folder;
  struct TCase {
    const char* Name;
    int FilterIndex;
    const char* Written;
    int MagicAt;
    QByteArray Magic;
  };
  const TCase cases[] = {
      {"a.bmp", 1, "a.bmp", 0, QByteArray("BM")},
      {"b.emf", 1, "b.emf", 40, QByteArray(" EMF")},
      {"c.wmf", 1, "c.wmf", 0, QByteArray("\xD7\xCD\xC6\x9A", 4)},
      {"d", 3, "d.EMF", 40, QByteArray(" EMF")},
  };
  for (const TCase& c : cases) {
    platform::ModalScript script;
    script.Choose(folder.filePath(QString::fromLatin1(c.Name)), c.FilterIndex);
    Click(*form->sbSaveAs);
    EXPECT_EQ(script.StepsLeft(), 0) << c.Name;
    const QByteArray bytes = FileBytes(folder.filePath(QString::fromLatin1(c.Written)));
    EXPECT_EQ(bytes.mid(c.MagicAt, c.Magic.size()), c.Magic) << c.Name;
    EXPECT_GT(bytes.size(), 200) << c.Name;
  }
  // "&Save As..." of the menu runs the same command.
  platform::ModalScript script;
  script.Choose(folder.filePath(QStringLiteral("e.bmp")), 2);
  MainMenuItem(*form, QStringLiteral("SaveAs1")).Click();
  EXPECT_EQ(FileBytes(folder.filePath(QStringLiteral("e.bmp"))).left(2), QByteArray("BM"));
}

TEST_F(SurfaceWindowTest, SaveAsOnAFullDiskSaysSoAndLeavesTheOldFile)
{
  const testsupport::FullDisk disk("64k");
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  const QString path = QString::fromStdString(disk.Path("surface.bmp"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old picture");
  }
  disk.Fill();
  ShowForm();
  platform::ModalScript script;
  script.Choose(path, 1);
  script.PressOn(platform::ModalKind::MessageBox, platform::mrYes);  // replace it
  script.Then([](platform::ModalSubject& subject) {
    EXPECT_TRUE(subject.Describe().contains(QStringLiteral("Can't create file"))) << subject.Describe().toStdString();
    return platform::mrOk;
  });
  Click(*form->sbSaveAs);
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(FileBytes(path), QByteArray("old picture"));
}

TEST_F(SurfaceWindowTest, TheEditItemsCopyThePictureAndExitHidesTheWindow)
{
  ShowForm();
  QApplication::clipboard()->clear();
  MainMenuItem(*form, QStringLiteral("SavetoClipbord1")).Click();
  const QImage copied = QApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), Chart().size());
  MainMenuItem(*form, QStringLiteral("CopytoclipboardasMetafile1")).Click();
  EXPECT_EQ(platform::ClipboardEmfBytes().mid(40, 4), QByteArray(" EMF"));
  // Print opens the chart's print preview of this chart, from the button and the menu.
  {
    platform::ModalScript script;
    for (int i = 0; i < 2; ++i)
      script.Act([](platform::Form& preview) {
        EXPECT_EQ(preview.windowTitle(), chart::kPreviewCaption);
        preview.SetModalResult(platform::mrCancel);
      });
    Click(*form->sbPrint);
    MainMenuItem(*form, QStringLiteral("Print1")).Click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  MainMenuItem(*form, QStringLiteral("exit1")).Click();
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace tools
