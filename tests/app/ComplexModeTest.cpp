#include "MainWindowFixture.h"

#include "engine/ComplexEvaluator.h"

#include "platform/IniFile.h"
#include "tests/support/MouseInput.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace app::testing {
namespace {

class ComplexModeTest : public MainWindowTest {
 protected:
  void TearDown() override
  {
    engine::ComplexForm = engine::cfRectangular;
    engine::ComplexResult = engine::ComplexZero;
    MainWindowTest::TearDown();
  }

  // Switches to complex mode; the syntax dialog is answered with its box unticked.
  void SwitchToComplex(bool expectHelp)
  {
    platform::ModalScript script;
    if (expectHelp)
      script.Act([](platform::Form& form) {
        auto& dialog = dynamic_cast<TfmCompMess&>(form);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Complex Numbers"));
        EXPECT_TRUE(dialog.chShow->isChecked());
        dialog.chShow->setChecked(false);
        dialog.Button1->click();
      });
    window->rgReal->SetItemIndex(1);
    window->rgReal->OnClick();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
};

TEST_F(ComplexModeTest, CalculatesInComplexModeAndShowsTheFormChosen)
{
  Open();
  SwitchToComplex(true);
  EXPECT_TRUE(window->ComplexMode);
  EXPECT_FALSE(window->ShowComplexHelp);
  EXPECT_EQ(window->rgBase->Items(), QStringList{"dec"});
  EXPECT_EQ(window->rgNotation->Items().size(), 3);
  Calculate(QStringLiteral("comp(1,2)*comp(3,4)"));
  EXPECT_EQ(Result(), QStringLiteral("-5.0E+0+1.0E+1i"));
  EXPECT_TRUE(ResultIsBlue());
  window->chbRes->setChecked(true);  // no effect in complex mode
  Calculate(QStringLiteral("comp(0,2)"));
  EXPECT_EQ(TapeLine(0), QStringLiteral("comp(0,2) = 0.0E+0+2.0E+0i; "));
  window->rgComplexForm->SetItemIndex(0);
  window->rgComplexForm->OnClick();
  EXPECT_EQ(Result(), QStringLiteral("2.0E+0*exp(1.570796E+0i)"));
  EXPECT_EQ(TapeLine(0), QStringLiteral("comp(0,2) = 2.0E+0*exp(1.570796E+0i)"));

  Calculate(QStringLiteral("comp(1,2"));
  EXPECT_TRUE(ResultIsRed());
  EXPECT_TRUE(window->LastWasError);
  Close();
  const platform::TIniFile ini(File("Vexal.INI"));
  EXPECT_FALSE(ini.ReadBool(QStringLiteral("Calc Settings"), QStringLiteral("ShowComp"), true));
}

TEST_F(ComplexModeTest, SwitchingTwiceChangesNothingAndRealModeRestoresTheItems)
{
  Open();
  window->rgNotation->SetItemIndex(3);  // Sxg goes away in complex mode
  window->rgNotation->OnClick();
  SwitchToComplex(true);
  EXPECT_EQ(window->rgNotation->ItemIndex(), 0);
  EXPECT_EQ(engine::NotationMode, engine::nmScn);
  SwitchToComplex(false);  // the dialog shows once per run
  EXPECT_EQ(window->rgBase->Items(), QStringList{"dec"});
  EXPECT_EQ(window->Edit1->isEnabled(), true);
  window->rgReal->SetItemIndex(0);
  window->rgReal->OnClick();
  EXPECT_FALSE(window->ComplexMode);
  EXPECT_EQ(window->rgBase->Items().size(), 3);
  EXPECT_EQ(window->rgAngle->Items().size(), 2);
  EXPECT_EQ(window->rgAngle->ItemIndex(), engine::AngleMode);
  EXPECT_EQ(window->rgNotation->Items().size(), 4);
}

TEST_F(ComplexModeTest, EachModeShowsItsOwnLastResultAlsoAfterARestart)
{
  Open();
  auto switchTo = [&](int mode) {
    window->rgReal->SetItemIndex(mode);
    window->rgReal->OnClick();
  };
  Calculate(QStringLiteral("2*3"));
  SwitchToComplex(true);
  EXPECT_EQ(Result(), QString());  // no complex result yet
  Calculate(QStringLiteral("comp(1,2)"));
  EXPECT_EQ(Result(), QStringLiteral("1.0E+0+2.0E+0i"));
  switchTo(0);
  EXPECT_EQ(Result(), QStringLiteral("6.0E+0"));
  switchTo(1);
  EXPECT_EQ(Result(), QStringLiteral("1.0E+0+2.0E+0i"));
  Close();

  // The newest result is complex; the program starts in real mode.
  ResetEngine();
  engine::ComplexResult = engine::ComplexZero;
  Open();
  EXPECT_FALSE(window->ComplexMode);
  EXPECT_EQ(Result(), QStringLiteral("6.0E+0"));
  SwitchToComplex(false);
  EXPECT_EQ(Result(), QStringLiteral("1.0E+0+2.0E+0i"));
  switchTo(0);
  EXPECT_EQ(Result(), QStringLiteral("6.0E+0"));
  Calculate(QStringLiteral("1+1"));
  switchTo(1);
  switchTo(0);
  EXPECT_EQ(Result(), QStringLiteral("2.0E+0"));
}

TEST_F(ComplexModeTest, BothPagesAndTheCaptionsFollowTheMode)
{
  Open();
  window->rgPlot->SetItemIndex(4);  // Polar
  SwitchToComplex(true);
  for (platform::RadioGroup* group : {window->rgBase2, window->rgAngle2})
    EXPECT_EQ(group->Items().size(), 1);
  EXPECT_EQ(window->rgNotation2->Items(), (QStringList{"Scn", "Fix", "Eng"}));
  EXPECT_EQ(window->rgReal2->ItemIndex(), 1);
  EXPECT_EQ(window->rgPlot->ItemIndex(), 3);  // Surface
  QToolButton* gamma = nullptr;
  QToolButton* log = nullptr;
  for (QToolButton* button : window->tsCalc->findChildren<QToolButton*>()) {
    if (button->property("Tag") == QVariant(26))
      gamma = button;
    if (button->property("Tag") == QVariant(17))
      log = button;
  }
  ASSERT_TRUE(gamma && log);
  EXPECT_EQ(gamma->text(), QStringLiteral("LnGm"));
  EXPECT_EQ(log->text(), QStringLiteral("comp"));

  window->rgReal2->Button(0)->click();  // back through the twin
  EXPECT_EQ(window->rgReal->ItemIndex(), 0);
  for (platform::RadioGroup* group : {window->rgBase, window->rgBase2})
    EXPECT_EQ(group->Items(), (QStringList{"dec", "hex", "bin"}));
  for (platform::RadioGroup* group : {window->rgAngle, window->rgAngle2})
    EXPECT_EQ(group->Items(), (QStringList{"Rad", "Deg"}));
  for (platform::RadioGroup* group : {window->rgNotation, window->rgNotation2})
    EXPECT_EQ(group->Items(), (QStringList{"Scn", "Fix", "Eng", "Sxg"}));
  EXPECT_EQ(gamma->text(), QString(QChar(0x0393)));  // the capital Gamma in a normal font
  EXPECT_EQ(log->text(), QStringLiteral("log"));
}

TEST_F(ComplexModeTest, TheStopFlagIsClearedInComplexModeToo)
{
  Open();
  SwitchToComplex(true);
  engine::StopFlag = 1;  // left over from an earlier stop
  Calculate(QStringLiteral("comp(1,1)+comp(1,1)"));
  EXPECT_EQ(Result(), QStringLiteral("2.0E+0+2.0E+0i"));
  EXPECT_EQ(engine::StopFlag, 0);
}

// Every plot type can be chosen whichever mode rebuilt the plot types.
TEST_F(ComplexModeTest, EveryPlotTypeStaysAvailableAfterEveryRebuildOfThePlotTypes)
{
  Open();
  window->pcCalc->setCurrentWidget(window->tsGraph);
  const auto expectAvailable = [this](const char* when) {
    for (int type : {0, 1, 2, 3, 4})
      EXPECT_TRUE(window->rgPlot->Button(type)->isEnabled()) << when << " type " << type;
    EXPECT_TRUE(window->bbOK->isEnabled()) << when;
  };
  expectAvailable("at the start");
  SwitchToComplex(true);
  EXPECT_EQ(window->rgPlot->Items()[3], QStringLiteral("Surface Z=|f(X+Yi)|"));
  for (int type : {3, 4})
    EXPECT_TRUE(window->rgPlot->Button(type)->isEnabled()) << "complex, type " << type;
  testing_support::Click(*window->rgPlot->Button(2));
  window->rgReal2->Button(0)->click();
  EXPECT_EQ(window->rgPlot->Items()[3], QStringLiteral("Surface"));
  expectAvailable("back in real mode");
  testing_support::Click(*window->rgPlot->Button(0));
  EXPECT_TRUE(window->bbOK->isEnabled());
}

}  // namespace
}  // namespace app::testing
