// The properties dialog driven through its controls: the apply machinery, the Settings, Axis and
// Titles pages and the ticks dialog.
#include "PlotFixture.h"

#include "plotui/properties/AxisPage.h"
#include "plotui/properties/GraphProperties.h"
#include "plotui/properties/GraphTicks.h"
#include "plotui/properties/SeriesPage.h"
#include "plotui/properties/SettingsPage.h"
#include "plotui/properties/TitlesPage.h"

#include "plot/parts/Background.h"
#include "plot/parts/Frame.h"

#include "platform/CheckListBox.h"
#include "platform/ModalRun.h"
#include "platform/PageControl.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

using testing_support::Click;

TfmGraphProperties& Dialog(platform::Form& form) { return dynamic_cast<TfmGraphProperties&>(form); }

void ClickBox(QCheckBox& box) { testing_support::ClickAt(box, QPointF(8, box.height() / 2.0)); }

void Retype(QLineEdit& edit, const QString& text)
{
  edit.setFocus();
  edit.selectAll();
  testing_support::PressKey(edit, Qt::Key_Delete);
  testing_support::TypeText(edit, text);
}

void Leave(QWidget& edit)
{
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(&edit, &out);
}

// The combo's next item, as the Down key chooses it.
void Next(QComboBox& combo) { testing_support::PressKey(combo, Qt::Key_Down); }

TEST(GraphProperties, LiveUpdateOffPaintsOnceOnApplyAndOnceOnClose)
{
  TPlotFixture f;
  f.AddSeries("a", plot::kStyleLine, platform::clBlue, {{0, 0}, {1, 1}});
  f.chart->SetLiveUpdate(false);
  f.chart->Redraw();
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        TfmGraphProperties& d = Dialog(form);
        EXPECT_EQ(d.windowTitle(), "Properties");
        EXPECT_FALSE(d.cbAutoApply->isChecked());
        EXPECT_FALSE(d.btApply->isEnabled());
        f.paints = 0;
        ClickBox(*d.Axes->gbXAxis->chGrid);
        Click(*d.Settings->bbPlotColor);
        ClickBox(*d.Axes->GroupBox3->chVisible);
        EXPECT_EQ(f.paints, 0);
        EXPECT_TRUE(d.btApply->isEnabled());
        Click(*d.btApply);
        EXPECT_EQ(f.paints, 1);
        EXPECT_FALSE(d.btApply->isEnabled());
        Click(*d.btApply);
        EXPECT_EQ(f.paints, 1);
        ClickBox(*d.Axes->gbXAxis->chGrid);
        Click(*d.btClose);
      })
      .PickColor(0x00C0FF);
  f.chart->ShowProperties();
  EXPECT_EQ(f.paints, 2);
  EXPECT_FALSE(f.chart->XAxis->Grid());
  EXPECT_FALSE(f.chart->YAxis->Visible());
  EXPECT_EQ(f.chart->PlotColor(), 0x00C0FFu);
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST(GraphProperties, WindowCloseButtonPaintsPendingChangesAsCloseDoes)
{
  TPlotFixture f;
  f.chart->SetLiveUpdate(false);
  f.chart->Redraw();
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    f.paints = 0;
    ClickBox(*d.Axes->gbXAxis->chInvert);
    d.close();
  });
  f.chart->ShowProperties();
  EXPECT_EQ(f.paints, 1);
  EXPECT_TRUE(f.chart->XAxis->Inverted());
}

TEST(GraphProperties, LiveUpdateOnPaintsEachChangeAndIsKeptWithTheLastPage)
{
  TPlotFixture f;
  f.chart->SetLiveUpdate(true);
  f.chart->Redraw();
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    EXPECT_TRUE(d.cbAutoApply->isChecked());
    f.paints = 0;
    ClickBox(*d.Axes->gbXAxis->chGrid);
    EXPECT_EQ(f.paints, 1);
    Next(*d.Titles->cbTitleAlignment);
    EXPECT_EQ(f.paints, 2);
    EXPECT_FALSE(d.btApply->isEnabled());
    ClickBox(*d.cbAutoApply);
    d.pcProperties->SelectPage("tsSettings");
    Click(*d.btClose);
  });
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    EXPECT_FALSE(d.cbAutoApply->isChecked());
    EXPECT_EQ(d.pcProperties->ActivePage(), d.tsSettings);
    Click(*d.btClose);
  });
  f.chart->ShowProperties();
  EXPECT_EQ(f.chart->LastPropertiesPage, 6);
  EXPECT_FALSE(f.chart->LiveUpdate());
  f.chart->ShowProperties();
}

TEST(GraphProperties, FrameWidthEditShowsTheWidthAndStepsFromIt)
{
  const struct {
    int width;
    bool up;
    const char* shown;
    int after;
  } cases[] = {{3, true, "4", 4}, {3, false, "2", 2}, {0, false, "0", 0}, {1, true, "2", 2}};
  for (const auto& c : cases) {
    TPlotFixture f;
    f.chart->Frame->SetWidth(c.width);
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      EXPECT_EQ(d.Settings->Edit2->text(), QString::number(c.width));
      Click(c.up ? *d.Settings->SpeedButton6 : *d.Settings->SpeedButton5);
      EXPECT_EQ(d.Settings->Edit2->text(), c.shown);
      Click(*d.btClose);
    });
    f.chart->ShowProperties();
    EXPECT_EQ(f.chart->Frame->Width(), c.after) << c.width << c.up;
  }
}

TEST(GraphProperties, AxisLimitsFromTheEdits)
{
  TPlotFixture f;
  f.AddSeries("a", plot::kStyleLine, platform::clBlue, {{1, 2}, {5, 8}});
  f.chart->SetLiveUpdate(false);
  f.chart->Redraw();
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    TAxisGroup& x = *d.Axes->gbXAxis;
    EXPECT_FALSE(x.edMin->isEnabled());
    // AutoMin off: the minimum shown becomes the manual one.
    const QString shown = x.edMin->text();
    ClickBox(*x.chAutoMin);
    EXPECT_TRUE(x.edMin->isEnabled());
    EXPECT_EQ(x.edMin->text(), shown);
    EXPECT_DOUBLE_EQ(f.chart->XAxis->GetMinimum(), shown.toDouble());
    // A minimum above the maximum is taken and shown ordered.
    Retype(*x.edMin, "100");
    EXPECT_DOUBLE_EQ(f.chart->XAxis->GetMinimum(), 100);
    ClickBox(*x.chAutoMax);
    EXPECT_LE(x.edMin->text().toDouble(), x.edMax->text().toDouble());
    EXPECT_EQ(x.edMax->text(), "100");
    Click(*d.btClose);
  });
  f.chart->ShowProperties();
}

TEST(GraphProperties, LogarithmicMinimumTakesOnlyPositiveValuesAndLowersTheLogFloor)
{
  const struct {
    const char* typed;
    double minimum;       // the manual minimum afterwards
    double minLogValue;   // the graph's floor afterwards
  } cases[] = {{"-5", plot::MissingValue, 1e-10}, {"0", plot::MissingValue, 1e-10}, {"1e-12", 1e-12, 1e-12},
               {"0.5", 0.5, 1e-10}};
  for (const auto& c : cases) {
    TPlotFixture f;
    f.AddSeries("a", plot::kStyleLine, platform::clBlue, {{1, 2}, {100, 8}});
    f.chart->XAxis->SetLog(true);
    f.chart->XAxis->SetAutoMin(false);
    f.chart->Redraw();
    const double lowEnd = f.chart->Graph->Range.Left;
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      Retype(*d.Axes->gbXAxis->edMin, c.typed);
      EXPECT_DOUBLE_EQ(f.chart->XAxis->GetMinimum(), c.minimum) << c.typed;
      EXPECT_DOUBLE_EQ(f.chart->MinimumLogValue(), c.minLogValue) << c.typed;
      if (c.minimum == plot::MissingValue)
        EXPECT_DOUBLE_EQ(f.chart->Graph->Range.Left, lowEnd) << c.typed;
      else
        EXPECT_NEAR(f.chart->Graph->Range.Left, std::log10(c.minimum), 1e-12) << c.typed;
      d.Changed = false;
      Click(*d.btClose);
    });
    f.chart->XAxis->SetMinimum(plot::MissingValue);
    f.chart->ShowProperties();
  }
}

TEST(GraphProperties, TitleMemoLinesEachEndWithHash)
{
  const struct {
    const char* typed;
    const char* text;
  } cases[] = {{"A\nB", "A#B#"}, {"A\nB\n", "A#B#"}, {"A\n\nB", "A##B#"}};
  for (const auto& c : cases) {
    TPlotFixture f;
    f.chart->SetLiveUpdate(true);
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      d.pcProperties->SelectPage("tsTitles");
      d.Titles->mmTitle->setPlainText(QString::fromLatin1(c.typed));
      f.paints = 0;
      Leave(*d.Titles->mmTitle);
      EXPECT_EQ(f.paints, 1);
      Click(*d.btClose);
    });
    f.chart->ShowProperties();
    EXPECT_EQ(f.chart->Title->Text(), c.text) << c.typed;
  }
}

TEST(GraphProperties, PictureNamesDifferingInCaseAreDifferentFiles)
{
  QTemporaryDir folder;
  const QString lower = folder.filePath("a.bmp"), upper = folder.filePath("A.bmp");
  ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(lower, "BMP"));
  ASSERT_TRUE(QImage(8, 6, QImage::Format_RGB32).save(upper, "BMP"));
  TPlotFixture f;
  f.chart->Picture->SetPictureFileName(lower);
  ASSERT_EQ(f.chart->Graph->Picture->PictureData.Width(), 4);
  platform::ModalScript script;
  script.Act([&](platform::Form& form) {
    TfmGraphProperties& d = Dialog(form);
    Retype(*d.Settings->edPictureFileName, upper);
    Leave(*d.Settings->edPictureFileName);
    Click(*d.btClose);
  });
  f.chart->ShowProperties();
  EXPECT_EQ(f.chart->Picture->PictureFileName(), upper);
  EXPECT_EQ(f.chart->Graph->Picture->PictureData.Width(), 8);
}

TEST(GraphProperties, PlotSwitchesDisableOrHideTheirControls)
{
  const struct {
    bool TPlotProperties::*flag;
    const char* control;
  } cases[] = {{&TPlotProperties::Disabled3D, "edView3D"},
               {&TPlotProperties::DisabledXAxisLog, "chXAxisLogarithm"},
               {&TPlotProperties::DisabledYAxisInvert, "chYAxisInvert"},
               {&TPlotProperties::DisabledZoom, "edZoomSteps"},
               {&TPlotProperties::DisabledPicture, "btBrowse"},
               {&TPlotProperties::DisabledBarStyle, "cbBarStyle"},
               {&TPlotProperties::DisabledSeriesStyle, "cbSeriesStyle"}};
  for (const auto& c : cases) {
    TPlotFixture f;
    f.AddSeries("a", plot::kStyleLine, platform::clBlue, {{0, 0}, {1, 1}});
    f.chart->PropertiesControl.*c.flag = true;
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      QWidget* control = d.findChild<QWidget*>(c.control);
      ASSERT_NE(control, nullptr) << c.control;
      EXPECT_FALSE(control->isEnabled()) << c.control;
      EXPECT_TRUE(d.Axes->gbXAxis->chGrid->isEnabled()) << c.control;
      // Choosing a series leaves the switch in force.
      d.SeriesPage->clSeries->setCurrentRow(0);
      EXPECT_FALSE(control->isEnabled()) << c.control;
      Click(*d.btClose);
    });
    f.chart->ShowProperties();
  }
}

TEST(GraphProperties, HiddenAxisPageOpensOnAShownPage)
{
  TPlotFixture f;
  f.chart->PropertiesControl.DisabledAxisTab = true;
  for (const int last : {0, 5, 9}) {
    f.chart->LastPropertiesPage = last;
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      EXPECT_FALSE(d.tsAxis->TabVisible());
      ASSERT_NE(d.pcProperties->ActivePage(), nullptr);
      EXPECT_TRUE(d.pcProperties->ActivePage()->TabVisible()) << last;
      Click(*d.btClose);
    });
    f.chart->ShowProperties();
  }
}

TEST(GraphTicks, StepButtonsAndApplyFollowLiveUpdate)
{
  for (const bool live : {false, true}) {
    TPlotFixture f;
    f.chart->SetLiveUpdate(live);
    f.chart->XAxis->Ticks().SetMajorLength(0);
    f.chart->XAxis->Ticks().SetMinorLength(7);
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmGraphProperties& d = Dialog(form);
      Click(*d.Axes->gbXAxis->btTicks);
      Click(*d.btClose);
    });
    script.Act([&](platform::Form& form) {
      auto& t = dynamic_cast<TfmGraphTicks&>(form);
      EXPECT_EQ(t.windowTitle(), "Ticks Properties");
      EXPECT_EQ(t.btApplay->isEnabled(), !live);
      EXPECT_EQ(t.edMjLength->text(), "0");
      f.paints = 0;
      Click(*t.SpeedButton1);  // down at 0
      EXPECT_EQ(t.edMjLength->text(), "0");
      t.edMiLength->clear();
      Click(*t.SpeedButton3);  // up on an empty edit
      EXPECT_EQ(t.edMiLength->text(), "0");
      Click(*t.SpeedButton3);
      EXPECT_EQ(t.edMiLength->text(), "1");
      EXPECT_EQ(f.paints, live ? 2 : 0);
      if (!live)
        Click(*t.btApplay);
      EXPECT_EQ(f.paints, live ? 2 : 1);
      t.close();
    });
    f.chart->ShowProperties();
    EXPECT_EQ(f.chart->XAxis->Ticks().MajorLength(), 0);
    EXPECT_EQ(f.chart->XAxis->Ticks().MinorLength(), 1);
  }
}

}  // namespace
}  // namespace plotui::test
