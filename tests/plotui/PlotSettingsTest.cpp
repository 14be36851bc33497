// The plot's section of the settings file: a round trip of every property, the limits not kept,
// reals with "." whatever the locale, keys that are not numbers skipped.
#include "PlotFixture.h"

#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/ModalRun.h"

#include <QCoreApplication>

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

void Configure(TPlot& p)
{
  p.SetPlotColor(0x123456);
  p.SetBackColor(0x654321);
  p.SetExaggerate(1.25);
  p.SetClipMarkers(true);
  p.SetStatusBarVisible(false);
  p.SetView3D(8);
  p.SetStatusBarGrip(false);
  p.SetMinimumLogValue(1e-6);
  p.XAxis->SetName("x axis");
  p.XAxis->SetGridColor(0x00AA00);
  p.XAxis->SetGrid(true);
  p.XAxis->SetAutoMax(false);
  p.XAxis->SetMinimum(-3);
  p.YAxis->SetLog(true);
  p.YAxis->SetInverted(true);
  p.YAxis->Axis().AddLabel("one", 1.5);
  p.YAxis->Axis().AddLabel("two", 2.5);
  platform::TFont font;
  font.SetName("Courier New");
  font.SetSize(13);
  font.SetStyle(platform::fsBold | platform::fsItalic);
  p.YAxis->SetNameFont(font);
  p.Title->SetText("A#B#");
  p.Title->SetAlignment(plot::taCenter);
  p.Foot->SetVisible(false);
  p.Gradient->SetStyle(plot::gsTopBottom);
  p.Gradient->SetEndColor(0x0000FF);
  p.Zoom->SetColor(0x112233);
  p.Zoom->SetChangePerStep(0.125);
  p.Zoom->SetSteps(7);
  p.Info->SetPosition(plot::ipLeftBottom);
  p.Legend->SetStyle(plot::lsBottom);
  p.Legend->SetShadowThickness(5);
  p.ColorLegend->SetFrameThickness(2);
  p.Frame->SetWidth(3);
  p.Frame->SetColor(0x808000);
}

TEST(PlotSettings, ARoundTripKeepsEveryPropertyButTheAxisLimits)
{
  QTemporaryDir dir;
  const QString ini = dir.filePath("Vexal.INI");
  {
    TPlotFixture f;
    f.chart->SetIniFileName(ini);
    Configure(*f.chart);
    f.chart->SaveToIni();
  }
  const QByteArray text = [&] {
    QFile file(ini);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }();
  EXPECT_TRUE(text.contains("[fmPlot2DChart]"));
  EXPECT_TRUE(text.contains("Plot_Saved=Yes"));
  EXPECT_TRUE(text.contains("Plot_MinLogVAlue="));
  EXPECT_TRUE(text.contains("Plot_Title_Text=A#B#"));

  TPlotFixture g;
  g.chart->SetIniFileName(ini);
  g.chart->LoadFromIni();
  TPlot& p = *g.chart;
  EXPECT_EQ(p.PlotColor(), 0x123456u);
  EXPECT_EQ(p.BackColor(), 0x654321u);
  EXPECT_DOUBLE_EQ(p.Exaggerate(), 1.25);
  EXPECT_TRUE(p.ClipMarkers());
  EXPECT_FALSE(p.StatusBarVisible());
  EXPECT_DOUBLE_EQ(p.View3D(), 8);
  EXPECT_FALSE(p.StatusBarGrip());
  EXPECT_DOUBLE_EQ(p.MinimumLogValue(), 1e-6);
  EXPECT_EQ(p.XAxis->Name(), "x axis");
  EXPECT_EQ(p.XAxis->GridColor(), 0x00AA00u);
  EXPECT_TRUE(p.XAxis->Grid());
  EXPECT_TRUE(p.XAxis->AutoMin());
  EXPECT_FALSE(p.XAxis->AutoMax());
  EXPECT_EQ(p.XAxis->GetMinimum(), plot::MissingValue);
  EXPECT_EQ(p.XAxis->GetMaximum(), plot::MissingValue);
  EXPECT_TRUE(p.YAxis->Log());
  EXPECT_TRUE(p.YAxis->Inverted());
  ASSERT_EQ(p.YAxis->Axis().Labels.size(), 2u);
  EXPECT_EQ(p.YAxis->Axis().Labels[1].first, "two");
  EXPECT_DOUBLE_EQ(p.YAxis->Axis().Labels[1].second, 2.5);
  EXPECT_EQ(p.YAxis->NameFont().Name(), "Courier New");
  EXPECT_EQ(p.YAxis->NameFont().Size(), 13);
  EXPECT_EQ(p.YAxis->NameFont().Style(), platform::fsBold | platform::fsItalic);
  EXPECT_EQ(p.Graph->Title->Lines, QStringList({"A", "B"}));
  EXPECT_EQ(p.Title->Alignment(), plot::taCenter);
  EXPECT_FALSE(p.Foot->Visible());
  EXPECT_EQ(p.Gradient->Style(), plot::gsTopBottom);
  EXPECT_EQ(p.Gradient->EndColor(), 0x0000FFu);
  EXPECT_EQ(p.Zoom->Color(), 0x112233u);
  EXPECT_DOUBLE_EQ(p.Zoom->ChangePerStep(), 0.125);
  EXPECT_EQ(p.Zoom->Steps(), 7);
  EXPECT_EQ(p.Info->Position(), plot::ipLeftBottom);
  EXPECT_EQ(p.Legend->Style(), plot::lsBottom);
  EXPECT_EQ(p.Legend->ShadowThickness(), 5);
  EXPECT_EQ(p.ColorLegend->FrameThickness(), 2);
  EXPECT_EQ(p.Frame->Width(), 3);
  EXPECT_EQ(p.Frame->Color(), 0x808000u);
}

void WriteText(const QString& path, const char* text) { platform::WriteFileAtomic(path, QByteArray(text)); }

TEST(PlotSettings, RealsUseAPointWhateverTheLocaleAndBadKeysAreSkipped)
{
  QTemporaryDir dir;
  const QString ini = dir.filePath("Vexal.INI");
  WriteText(ini,
            "[fmPlot2DChart]\r\n"
            "Plot_Saved=Yes\r\n"
            "Plot_Color=blue\r\n"
            "Plot_Exaggerate=2,5\r\n"
            "Plot_View3D=abc\r\n"
            "Plot_MinLogValue=1.5e-3\r\n"
            "Plot_XAxis_Name=time\r\n"
            "Plot_XAxis_Grid=yes\r\n"
            "Plot_YAxis_Grid=1\r\n"
            "Plot_Zoom_ChangePerStep=0.25\r\n"
            "Plot_Title_Font_Style=\r\n");
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TPlotFixture f;
  f.chart->SetIniFileName(ini);
  f.chart->SetPlotColor(0x010203);
  f.chart->SetExaggerate(3);
  platform::TFont bold = f.chart->Title->Font();
  bold.SetStyle(platform::fsBold);
  f.chart->Title->SetFont(bold);
  f.chart->LoadFromIni();
  QLocale::setDefault(saved);

  EXPECT_EQ(f.chart->PlotColor(), 0x010203u);      // not a number: kept
  EXPECT_DOUBLE_EQ(f.chart->Exaggerate(), 3);       // a comma is no decimal point here: kept
  EXPECT_DOUBLE_EQ(f.chart->View3D(), 0);           // kept
  EXPECT_DOUBLE_EQ(f.chart->MinimumLogValue(), 1.5e-3);
  EXPECT_EQ(f.chart->XAxis->Name(), "time");        // the load went on
  EXPECT_FALSE(f.chart->XAxis->Grid());
  EXPECT_TRUE(f.chart->YAxis->Grid());
  EXPECT_DOUBLE_EQ(f.chart->Zoom->ChangePerStep(), 0.25);
  EXPECT_EQ(f.chart->Title->Font().Style(), 0);     // an empty style key makes the font plain
}

// Counts, lengths and steps beyond what their dialog fields take keep the current values, so a
// label count of two thousand million adds no labels instead of adding them for ever.
TEST(PlotSettings, CountsLengthsAndStepsBeyondTheirFieldsKeepTheCurrentValues)
{
  QTemporaryDir dir;
  const QString ini = dir.filePath("Vexal.INI");
  WriteText(ini,
            "[fmPlot2DChart]\r\n"
            "Plot_Saved=Yes\r\n"
            "Plot_XAxis_LabelCount=2000000000\r\n"
            "Plot_XAxis_LabelLegend0=zero\r\n"
            "Plot_YAxis_LabelCount=-3\r\n"
            "Plot_XAxis_Ticks_MajorLength=3001\r\n"
            "Plot_XAxis_Ticks_MinorLength=-1\r\n"
            "Plot_YAxis_Ticks_MajorLength=3000\r\n"
            "Plot_Zoom_Steps=1001\r\n"
            "Plot_Zoom_ChangePerStep=1e300\r\n"
            "Plot_Legend_ShadowThickness=2000000000\r\n"
            "Plot_Legend_FrameThickness=0\r\n"
            "Plot_Frame_Width=2000000000\r\n"
            "Plot_Title_Font_Size=2000000000\r\n"
            "Plot_XAxis_Label_Font_Size=12\r\n");
  TPlotFixture f;
  f.chart->SetIniFileName(ini);
  const int major = f.chart->XAxis->Ticks().MajorLength();
  const int minor = f.chart->XAxis->Ticks().MinorLength();
  const int steps = f.chart->Zoom->Steps();
  const double perStep = f.chart->Zoom->ChangePerStep();
  const int shadow = f.chart->Legend->ShadowThickness();
  const int legendFrame = f.chart->Legend->FrameThickness();
  const int frame = f.chart->Frame->Width();
  const int titleSize = f.chart->Title->Font().Size();
  f.chart->LoadFromIni();
  EXPECT_EQ(f.chart->Legend->ShadowThickness(), shadow);
  EXPECT_EQ(f.chart->Legend->FrameThickness(), legendFrame);
  EXPECT_EQ(f.chart->Frame->Width(), frame);
  EXPECT_EQ(f.chart->Title->Font().Size(), titleSize);
  EXPECT_EQ(f.chart->XAxis->Font().Size(), 12);
  EXPECT_TRUE(f.chart->XAxis->Axis().Labels.empty());
  EXPECT_TRUE(f.chart->YAxis->Axis().Labels.empty());
  EXPECT_EQ(f.chart->XAxis->Ticks().MajorLength(), major);
  EXPECT_EQ(f.chart->XAxis->Ticks().MinorLength(), minor);
  EXPECT_EQ(f.chart->YAxis->Ticks().MajorLength(), 3000);
  EXPECT_EQ(f.chart->Zoom->Steps(), steps);
  EXPECT_DOUBLE_EQ(f.chart->Zoom->ChangePerStep(), perStep);

  // A count the keys can hold reads its labels, missing ones with their defaults.
  WriteText(ini,
            "[fmPlot2DChart]\r\nPlot_Saved=Yes\r\nPlot_XAxis_LabelCount=2\r\n"
            "Plot_XAxis_LabelLegend0=zero\r\nPlot_XAxis_LabelValue0=0.5\r\n");
  TPlotFixture g;
  g.chart->SetIniFileName(ini);
  g.chart->LoadFromIni();
  ASSERT_EQ(g.chart->XAxis->Axis().Labels.size(), 2u);
  EXPECT_EQ(g.chart->XAxis->Axis().Labels[0].first, "zero");
  EXPECT_DOUBLE_EQ(g.chart->XAxis->Axis().Labels[0].second, 0.5);
}

TEST(PlotSettings, ASectionNotSavedLeavesEveryProperty)
{
  QTemporaryDir dir;
  const QString ini = dir.filePath("Vexal.INI");
  WriteText(ini, "[fmPlot2DChart]\r\nPlot_Saved=No\r\nPlot_Color=255\r\n[Other]\r\nPlot_Saved=Yes\r\n");
  TPlotFixture f;
  f.chart->SetIniFileName(ini);
  f.chart->LoadFromIni();
  EXPECT_EQ(f.chart->PlotColor(), platform::clWhite);
}

TEST(PlotSettings, ASettingsFileThatCantBeWrittenIsReported)
{
  QTemporaryDir dir;
  TPlotFixture f;
  const QString path = dir.filePath("no-such-folder/Vexal.INI");
  f.chart->SetIniFileName(path);
  platform::ModalScript script;
  script.Press(platform::mrOk);
  f.chart->SaveToIni();
  QCoreApplication::processEvents();
  ASSERT_EQ(script.StepsLeft(), 0);
  ASSERT_EQ(script.Answered().size(), 1);
  EXPECT_TRUE(script.Answered()[0].contains("Can't create file " + path)) << script.Answered()[0].toStdString();
}

}  // namespace
}  // namespace plotui::test
