// The polar plot window and its launcher driven as the user drives them: plots through the launcher,
// tool buttons and the chart's popup by mouse, the view bars by keys, pictures saved through the
// scripted save dialog; what the window shows is read back from the screen.
#include "tools/PolarPlotLauncher.h"
#include "tools/PolarPlotWindow.h"
#include "tools/PrintComponents.h"

#include "chart/output/ChartPreview.h"
#include "chart/output/PreviewPage.h"
#include "chart/series/PolarSeries.h"
#include "engine/Engine.h"
#include "engine/Variables.h"
#include "platform/Color.h"
#include "platform/Menus.h"
#include "platform/ModalRun.h"
#include "platform/Printer.h"
#include "platform/SpeedButton.h"
#include "platform/ToolBar.h"
#include "tests/support/FullDisk.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"
#include "tests/support/ScratchFile.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QTemporaryDir>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <gtest/gtest.h>

#include <cmath>

namespace tools {
namespace {

using testing_support::Click;
using testing_support::ClickAt;

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

// Whether the colour is on the screen within a pixel of (x, y).
bool ColorNear(const QImage& image, int x, int y, platform::TColor color)
{
  const QRgb wanted = platform::ToQColor(color).rgb();
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (image.valid(x + dx, y + dy) && (image.pixel(x + dx, y + dy) & 0xFFFFFF) == (wanted & 0xFFFFFF))
        return true;
  return false;
}

QByteArray FileBytes(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Asks a stop at the first pump and confirms it.
class StoppingHost : public engine::EngineHost {
public:
  void PumpMessages() override { engine::StopFlag = 1; }
  bool ConfirmStop() override { return true; }
};

class PolarPlotWindowTest : public ::testing::Test {
protected:
  void SetUp() override { form.setGeometry(60, 60, 641, 507); }

  // Plots the expression over x0..x1 in steps; true when the loop ran through and the plot was shown.
  bool Plot(const QString& expression, double x0, double x1, int steps, bool degrees = true,
            engine::EngineHost* host = nullptr)
  {
    TPolarPlotLauncher launcher(form, {.Expression = expression,
                                       .Legend = QStringLiteral("f(") + expression + QStringLiteral(")"),
                                       .Title = {},
                                       .X0 = x0,
                                       .X1 = x1,
                                       .Steps = steps,
                                       .Degrees = degrees});
    engine::EngineHost plain;
    outcome = launcher.Evaluate(host ? *host : plain, gauge);
    if (outcome.Failed || outcome.Stopped)
      return false;
    launcher.Show();
    return true;
  }

  const chart::TPolarSeries& Last() const { return *form.PolarSeries().back(); }

  TPolarForm form;
  QProgressBar gauge;
  TPlotOutcome outcome;
};

TEST_F(PolarPlotWindowTest, TheWindowStartsWithItsBarsMenusAndFlatView)
{
  struct TBar {
    QScrollBar* Bar;
    int Minimum, Maximum, Position;
  };
  const TBar bars[] = {{form.sbRot, 0, 360, 360},     {form.scbElev, 0, 360, 360},    {form.scbZoom, 1, 400, 100},
                       {form.scbHoriz, -200, 200, 0}, {form.scbVert, -200, 200, 0}, {form.scbTilt, 0, 360, 0}};
  for (const TBar& bar : bars) {
    SCOPED_TRACE(bar.Bar->objectName().toStdString());
    EXPECT_EQ(bar.Bar->minimum(), bar.Minimum);
    EXPECT_EQ(bar.Bar->maximum(), bar.Maximum);
    EXPECT_EQ(bar.Bar->value(), bar.Position);
    EXPECT_TRUE(bar.Bar->isEnabled());
  }
  EXPECT_FALSE(form.Chart1->View3D());
  for (const char* item : {"miGrid", "miView3D", "miShowLegend", "piGrid", "piView3D", "piShowLegend"})
    EXPECT_TRUE(form.MenuItem(QString::fromLatin1(item)).Checked()) << item;
  EXPECT_FALSE(form.MenuItem(QStringLiteral("miProperties")).Enabled());
  EXPECT_FALSE(form.sbProp->Enabled());
  EXPECT_TRUE(form.sbLegend->Down());
  EXPECT_TRUE(form.sbGrid->Down());
  EXPECT_EQ(form.Title(), QStringLiteral("Polar co-ordinate"));
}

// Degrees over 0..360 and radians over 0..6.2832 place 361 points at the same angles.
TEST_F(PolarPlotWindowTest, DegreesAndRadiansGiveTheSameAngles)
{
  ASSERT_TRUE(Plot(QStringLiteral("1"), 0, 360, 360, true));
  ASSERT_TRUE(Plot(QStringLiteral("1"), 0, 6.2832, 360, false));
  const auto list = form.PolarSeries();
  ASSERT_EQ(list.size(), 2u);
  for (const chart::TPolarSeries* series : list) {
    ASSERT_EQ(series->Count(), 361);
    for (int k : {0, 1, 90, 180, 359, 360})
      EXPECT_NEAR(series->XValueAt(k), k, 0.001) << k;
  }
}

// Each plot switches the 3-D view over; menus and view bars follow it, also when chosen by hand.
TEST_F(PolarPlotWindowTest, EachPlotSwitchesTheThreeDViewOver)
{
  const auto expectView = [this](bool on) {
    EXPECT_EQ(form.Chart1->View3D(), on);
    EXPECT_EQ(form.MenuItem(QStringLiteral("miView3D")).Checked(), on);
    EXPECT_EQ(form.MenuItem(QStringLiteral("piView3D")).Checked(), on);
    for (QWidget* control : {static_cast<QWidget*>(form.sbRot), static_cast<QWidget*>(form.scbTilt)})
      EXPECT_EQ(control->isEnabled(), on);
    for (QLabel* label : form.Panel2->findChildren<QLabel*>())
      EXPECT_EQ(label->isEnabled(), on);
  };
  ASSERT_TRUE(Plot(QStringLiteral("x/36"), 0, 360, 36));
  expectView(true);
  EXPECT_EQ(form.Chart1->View3DOptions().Elevation(), 360);  // the elevation bar's position
  EXPECT_EQ(form.Chart1->View3DOptions().Rotation(), 360);
  ASSERT_TRUE(Plot(QStringLiteral("2"), 0, 360, 36));
  expectView(false);
  form.MenuItem(QStringLiteral("miView3D")).Click();
  expectView(true);
}

// The radius axis runs from 0 over the largest |r| of every plot: a negative radius is drawn on the
// other side as far out as its size, and a range all below 0 is set without failing.
TEST_F(PolarPlotWindowTest, TheRadiusAxisCoversTheLargestRadiusOfEveryPlot)
{
  struct TCase {
    const char* Expression;
    double X0, X1;
    double Maximum;  // of the radius axis after the plot
  };
  const TCase cases[] = {
      {"x-5", 0, 6, 5},     // -5..1
      {"-1-x", 0, 2, 5},    // -3..-1: the earlier plot still reaches 5
      {"x+2", 0, 10, 12},   // 2..12
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Expression);
    ASSERT_TRUE(Plot(QString::fromLatin1(c.Expression), c.X0, c.X1, 10));
    EXPECT_EQ(form.Chart1->LeftAxis().Minimum(), 0);
    EXPECT_DOUBLE_EQ(form.Chart1->LeftAxis().Maximum(), c.Maximum);
  }
}

// A failing point or a stop ends the plot with no series, the window unchanged and hidden.
TEST_F(PolarPlotWindowTest, AnErrorOrAStopLeavesNoSeries)
{
  ASSERT_FALSE(Plot(QStringLiteral("1/(x-90)"), 0, 360, 360));
  EXPECT_TRUE(outcome.Failed);
  EXPECT_EQ(outcome.Error.Point, QStringLiteral("x = 90"));
  StoppingHost stopping;
  ASSERT_FALSE(Plot(QStringLiteral("x"), 0, 360, 360, true, &stopping));
  EXPECT_TRUE(outcome.Stopped);
  engine::StopFlag = 0;
  EXPECT_TRUE(form.PolarSeries().empty());
  EXPECT_EQ(form.Chart1->SeriesCount(), 0);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.Chart1->View3D());
}

// The curve reaches the screen where r(phi) puts it, and every toggle by mouse or key changes the
// screen.
TEST_F(PolarPlotWindowTest, TheCurveAndTheTogglesReachTheScreen)
{
  bool shown = false;
  form.OnShown = [&] { shown = true; };
  ASSERT_TRUE(Plot(QStringLiteral("2"), 0, 360, 36));
  ASSERT_TRUE(Plot(QStringLiteral("x/36"), 0, 360, 360));  // back to the flat view
  EXPECT_TRUE(shown);
  ASSERT_FALSE(form.Chart1->View3D());
  const chart::TPolarSeries& spiral = Last();
  QImage before = OnScreen(*form.Chart1);
  ASSERT_NE(spiral.SeriesColor(), platform::clDefault);
  // The spiral at 90 and 270 degrees: straight above and below the centre.
  for (int k : {90, 270, 300}) {
    SCOPED_TRACE(k);
    const int x = spiral.CalcXPos(k);
    const int y = spiral.CalcYPos(k);
    EXPECT_TRUE(ColorNear(before, x, y, spiral.SeriesColor()));
  }
  EXPECT_NEAR(spiral.CalcXPos(90), spiral.CenterX(), 1);
  EXPECT_NEAR(spiral.CenterY() - spiral.CalcYPos(90), spiral.RadiusY() * 2.5 / 10, 1);

  const auto expectChanged = [&](const char* what) {
    const QImage after = OnScreen(*form.Chart1);
    EXPECT_NE(after, before) << what << ": the screen did not change";
    before = after;
  };
  const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(shots);
  EXPECT_TRUE(OnScreen(form).save(shots + QStringLiteral("/polar_flat.png")));
  Click(*form.sbLegend);
  EXPECT_FALSE(form.Chart1->Legend().Visible());
  EXPECT_FALSE(form.MenuItem(QStringLiteral("miShowLegend")).Checked());
  EXPECT_TRUE(form.sbL1->Down());
  expectChanged("legend off by the tool button");
  Click(*form.sbLegend);
  EXPECT_TRUE(form.Chart1->Legend().Visible());
  expectChanged("legend on again");
  Click(*form.sbGrid);
  EXPECT_FALSE(form.Chart1->LeftAxis().Grid().Visible());
  EXPECT_FALSE(form.sbGrid->Down());
  EXPECT_FALSE(form.MenuItem(QStringLiteral("piGrid")).Checked());
  expectChanged("grid off by the tool button");
  {
    platform::ModalScript script;
    script.ChooseItem(QStringLiteral("piView3D"));
    testing_support::PressAt(*form.Chart1, QPointF(200, 200), Qt::RightButton);
    testing_support::ReleaseAt(*form.Chart1, QPointF(200, 200), Qt::RightButton);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_TRUE(form.Chart1->View3D());
  expectChanged("3-D view by the chart's popup");
  form.sbRot->setFocus();
  testing_support::PressKey(*form.sbRot, Qt::Key_PageUp);
  EXPECT_EQ(form.Chart1->View3DOptions().Rotation(), 350);
  expectChanged("rotation by a key");
  form.scbZoom->setFocus();
  testing_support::PressKey(*form.scbZoom, Qt::Key_PageUp);
  EXPECT_NE(form.scbZoom->value(), 100);
  EXPECT_EQ(form.Chart1->View3DOptions().Zoom(), form.scbZoom->value());
  expectChanged("zoom by a key");
  EXPECT_TRUE(OnScreen(form).save(shots + QStringLiteral("/polar_3d.png")));
}

// The typed extension decides the format; a name without one takes the type chosen in the dialog.
TEST_F(PolarPlotWindowTest, SaveAsWritesTheFormatOfTheTypedExtension)
{
  ASSERT_TRUE(Plot(QStringLiteral("x/36"), 0, 360, 36));
  struct TCase {
    const char* Name;
    int Type;  // the file type chosen
    const char* Written;
    QByteArray Start;
  };
  const TCase cases[] = {
      {"typed.emf", 1, "typed.emf", QByteArray("\x01\x00\x00\x00", 4)},
      {"typed.wmf", 1, "typed.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4)},
      {"typed.BMP", 3, "typed.BMP", QByteArray("BM")},
      {"bare", 2, "bare.WMF", QByteArray("\xD7\xCD\xC6\x9A", 4)},
      {"other.png", 3, "other.png", QByteArray("\x01\x00\x00\x00", 4)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    {
      platform::ModalScript script;
      script.Choose(testsupport::ScratchPath(c.Name), c.Type);
      Click(*form.sbSaveAs);
      EXPECT_EQ(script.StepsLeft(), 0);
    }
    const QByteArray bytes = FileBytes(testsupport::ScratchPath(c.Written));
    EXPECT_TRUE(bytes.startsWith(c.Start));
    if (c.Start == QByteArray("\x01\x00\x00\x00", 4)) {
      EXPECT_EQ(bytes.mid(40, 4), QByteArray(" EMF"));
    }
  }
  QProcess identify;
  identify.start(QStringLiteral("identify"),
                 {QStringLiteral("-format"), QStringLiteral("%wx%h"), testsupport::ScratchPath("typed.BMP")});
  ASSERT_TRUE(identify.waitForFinished(20000));
  EXPECT_EQ(QString::fromLatin1(identify.readAllStandardOutput()),
            QStringLiteral("%1x%2").arg(form.Chart1->width()).arg(form.Chart1->height()));
}

// The copies from the chart's popup put the chart on the clipboard; Exit only hides the window.
TEST_F(PolarPlotWindowTest, TheCopiesTakeTheChartAndExitHidesTheWindow)
{
  ASSERT_TRUE(Plot(QStringLiteral("x/36"), 0, 360, 36));
  OnScreen(*form.Chart1);
  QGuiApplication::clipboard()->clear();
  for (const char* item : {"piCopyBitmap", "piCopyMetafile"}) {
    SCOPED_TRACE(item);
    platform::ModalScript script([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
    script.ChooseItem(QString::fromLatin1(item));
    testing_support::PressAt(*form.Chart1, QPointF(100, 100), Qt::RightButton);
    testing_support::ReleaseAt(*form.Chart1, QPointF(100, 100), Qt::RightButton);
    EXPECT_EQ(script.StepsLeft(), 0);
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->formats().isEmpty());
    if (QString::fromLatin1(item) == QStringLiteral("piCopyBitmap")) {
      EXPECT_EQ(QGuiApplication::clipboard()->image().size(), form.Chart1->size());
    }
  }
  form.MenuItem(QStringLiteral("Exit1")).Click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.PolarSeries().size(), 1u);
}

// The rings follow the window's size.
TEST_F(PolarPlotWindowTest, TheRingsFollowAResize)
{
  ASSERT_TRUE(Plot(QStringLiteral("1"), 0, 360, 36));
  form.MenuItem(QStringLiteral("miView3D")).Click();
  OnScreen(*form.Chart1);
  const chart::TPolarSeries& circle = Last();
  const int before = circle.RadiusX();
  form.resize(900, 700);
  const QImage shown = OnScreen(*form.Chart1);
  EXPECT_GT(circle.RadiusX(), before + 50);
  EXPECT_EQ(circle.RadiusX(), circle.RadiusY());
  EXPECT_TRUE(ColorNear(shown, circle.CenterX() + circle.RadiusX(), circle.CenterY(), circle.SeriesColor()));
  EXPECT_TRUE(ColorNear(shown, circle.CenterX(), circle.CenterY() - circle.RadiusY(), circle.SeriesColor()));
}

QString RunProgram(const QString& program, const QStringList& arguments)
{
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// "Print" opens the chart's preview; its page on the "PDF file" printer holds the title and the
// legend, and a circle of constant radius comes out round.
TEST_F(PolarPlotWindowTest, PrintedThroughThePreviewTheCircleIsRound)
{
  QTemporaryDir folder;
  platform::TPrinter& printer = platform::Printer();
  // The program's printer is shared by the tests that follow: its settings come back afterwards.
  struct TRestorePrinter {
    platform::TPrinter& Printer;
    int Index = Printer.PrinterIndex();
    QString FileName = Printer.FileName();
    QPageSize::PageSizeId Paper = Printer.PaperSize();
    int Resolution = Printer.Resolution();
    platform::TPrinterOrientation Orientation = Printer.Orientation();
    ~TRestorePrinter()
    {
      Printer.SetPrinterIndex(Index);
      Printer.SetFileName(FileName);
      Printer.SetPaperSize(Paper);
      Printer.SetResolution(Resolution);
      Printer.SetOrientation(Orientation);
    }
  } restore{printer};
  printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
  printer.SetPaperSize(QPageSize::A4);
  printer.SetResolution(600);
  ASSERT_TRUE(Plot(QStringLiteral("1"), 0, 360, 360));
  form.MenuItem(QStringLiteral("miView3D")).Click();
  const auto print = [&](const QString& pdf) {
    printer.SetFileName(pdf);
    platform::ModalScript script([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
    script.Act([](platform::Form& window) {
      window.findChild<QPushButton*>(QStringLiteral("BPrint"))->click();
      window.findChild<QPushButton*>(QStringLiteral("BClose"))->click();
    });
    Click(*form.sbPrint);
    EXPECT_EQ(script.StepsLeft(), 0);
  };
  const QString withLegend = folder.filePath(QStringLiteral("legend.pdf"));
  print(withLegend);
  const QString text = RunProgram(QStringLiteral("pdftotext"), {withLegend, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(QStringLiteral("Polar co-ordinate"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("f(1)"))) << text.toStdString();

  // Without the legend the series colour is the circle's alone.
  Click(*form.sbLegend);
  const QString bare = folder.filePath(QStringLiteral("bare.pdf"));
  print(bare);
  RunProgram(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                          QStringLiteral("-singlefile"), bare, folder.filePath(QStringLiteral("page"))});
  const QImage page(folder.filePath(QStringLiteral("page.png")));
  ASSERT_FALSE(page.isNull());
  page.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots/polar_printed.png"));
  const QColor wanted = platform::ToQColor(Last().SeriesColor());
  QRect box;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (std::abs(c.red() - wanted.red()) + std::abs(c.green() - wanted.green()) + std::abs(c.blue() - wanted.blue()) < 90)
        box = box.united(QRect(x, y, 1, 1));
    }
  ASSERT_GT(box.width(), 100);
  EXPECT_NEAR(double(box.width()) / box.height(), 1.0, 0.01) << box.width() << " x " << box.height();

  // A later job on the printer is laid out on the page as it is, not through the chart's scaling.
  const QString tape = folder.filePath(QStringLiteral("tape.pdf"));
  printer.SetFileName(tape);
  QPlainTextEdit memo;
  memo.setPlainText(QStringLiteral("1+1 = 2;"));
  PrintControlContents(&memo, "Tape");
  const QString tapeText = RunProgram(QStringLiteral("pdftotext"), {tape, QStringLiteral("-")});
  EXPECT_TRUE(tapeText.contains(QStringLiteral("Tape page 1"))) << tapeText.toStdString();
  EXPECT_TRUE(tapeText.contains(QStringLiteral("1+1 = 2;"))) << tapeText.toStdString();
}

// The height in points of the first printed word equal to text, 0 when there is none.
double PrintedWordHeight(const QString& bboxHtml, const QString& text)
{
  const QRegularExpression word(QString::fromLatin1(R"re(yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">)re") +
                                QRegularExpression::escape(text) + QLatin1Char('<'));
  const QRegularExpressionMatch match = word.match(bboxHtml);
  return match.hasMatch() ? match.captured(2).toDouble() - match.captured(1).toDouble() : 0.0;
}

// Printed through the preview, the angle and radius labels keep their size beside the title: on the
// 600 dpi page as on the screen.
TEST_F(PolarPlotWindowTest, PrintedLabelsKeepTheirSizeBesideTheTitle)
{
  QTemporaryDir folder;
  platform::TPrinter& printer = platform::Printer();
  struct TRestorePrinter {
    platform::TPrinter& Printer;
    int Index = Printer.PrinterIndex();
    QString FileName = Printer.FileName();
    int Resolution = Printer.Resolution();
    platform::TPrinterOrientation Orientation = Printer.Orientation();
    ~TRestorePrinter()
    {
      Printer.SetPrinterIndex(Index);
      Printer.SetFileName(FileName);
      Printer.SetResolution(Resolution);
      Printer.SetOrientation(Orientation);
    }
  } restore{printer};
  printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
  printer.SetResolution(600);
  const QString pdf = folder.filePath(QStringLiteral("labels.pdf"));
  printer.SetFileName(pdf);
  ASSERT_TRUE(Plot(QStringLiteral("1"), 0, 360, 36));
  form.MenuItem(QStringLiteral("miView3D")).Click();
  OnScreen(*form.Chart1);
  platform::ModalScript script([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
  script.Act([](platform::Form& window) {
    window.findChild<QPushButton*>(QStringLiteral("BPrint"))->click();
    window.findChild<QPushButton*>(QStringLiteral("BClose"))->click();
  });
  Click(*form.sbPrint);
  EXPECT_EQ(script.StepsLeft(), 0);
  const QString page = RunProgram(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});

  const auto screenHeight = [](const platform::TFont& font) {
    return double(QFontMetrics(platform::ToQFont(font.Data())).height());
  };
  const double title = PrintedWordHeight(page, QStringLiteral("Polar"));
  ASSERT_GT(title, 0) << page.toStdString();
  const double screenTitle = screenHeight(form.Chart1->Title().Font());
  struct Case {
    const char* part;
    QString word;
    const platform::TFont& font;
  };
  const Case cases[] = {
      {"angle label", QStringLiteral("90") + QChar(0xBA), Last().CircleLabelsFont()},
      {"radius label", QStringLiteral("0"), form.Chart1->LeftAxis().LabelsFont()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.part);
    const double printed = PrintedWordHeight(page, c.word);
    ASSERT_GT(printed, 0) << page.toStdString();
    const double onScreen = screenHeight(c.font) / screenTitle;
    EXPECT_NEAR(printed / title, onScreen, 0.12 * onScreen);
  }
}

TEST_F(PolarPlotWindowTest, SaveAsOnAFullDiskSaysSoAndKeepsTheOldFile)
{
  testsupport::FullDisk disk;
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  ASSERT_TRUE(Plot(QStringLiteral("x/36"), 0, 360, 36));
  const QString path = QString::fromStdString(disk.Path("polar.bmp"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old picture") == 11);
  }
  disk.Fill();
  platform::ModalScript script;
  script.Choose(path, 1)
      .ExpectMessage(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path), platform::mrYes)
      .ExpectMessage(QStringLiteral("Can't create file ") + path, platform::mrOk);
  Click(*form.sbSaveAs);
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(FileBytes(path), QByteArray("old picture"));
}

}  // namespace
}  // namespace tools
