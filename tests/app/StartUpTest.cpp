#include "MainWindowFixture.h"

#include "app/ProgramFiles.h"

#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "tests/support/FullDisk.h"
#include "tools/Plot2DWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QWidget>

namespace app::testing {
namespace {

TEST_F(MainWindowTest, SettingsFromTheFileAndTheKeyThatIsNeverWritten)
{
  platform::WriteTextLines(File("Vexal.INI"), {"[Calc Settings]", "Angle=0", "Complex Form=0", "Digits=15",
                                               "[Calc]", "Left=40", "Top=30", "[fmPlot2D]", "Width=700"});
  Open();
  EXPECT_EQ(engine::AngleMode, 0);
  EXPECT_EQ(window->rgAngle->ItemIndex(), 0);
  EXPECT_EQ(window->rgComplexForm->ItemIndex(), 0);
  EXPECT_EQ(window->DisplayDigits, 15);
  EXPECT_EQ(window->pos(), QPoint(40, 30));
  Close();
  const platform::TIniFile ini(File("Vexal.INI"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Calc Settings"), QStringLiteral("Complex Form"), {}), QStringLiteral("0"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Calc Settings"), QStringLiteral("Angle"), {}), QStringLiteral("0"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Calc Settings"), QStringLiteral("Digits"), {}), QStringLiteral("15"));
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("fmPlot2D"), QStringLiteral("Width"), 0), 700);  // other sections stay
}

TEST_F(MainWindowTest, ClosingOnAFullDiskKeepsTheSettingsAndHistoryAndSaysSo)
{
  const testsupport::FullDisk disk;
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  platform::SetProgramFolder(QString::fromStdString(disk.Path("")));
  const QString ini = QString::fromStdString(disk.Path("Vexal.INI"));
  const QString history = QString::fromStdString(disk.Path("Vexal.HST"));
  const std::vector<std::string> settings{"[Calc Settings]", "Digits=15", "[fmPlot2D]", "Width=700"};
  const std::vector<std::string> entries{"1", "1+2", "1", "3"};
  platform::WriteTextLines(ini, settings);
  platform::WriteTextLines(history, entries);
  Open();
  disk.Fill();
  platform::ModalScript script;
  script.ExpectMessage(QStringLiteral("Can't create file ") + ini, platform::mrOk)
      .ExpectMessage(QStringLiteral("Can't create file ") + history, platform::mrOk);
  Close();
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(platform::ReadTextLines(ini), settings);
  EXPECT_EQ(platform::ReadTextLines(history), entries);
}

TEST_F(MainWindowTest, ClosingAPlotWindowOnAFullDiskSaysSoOnce)
{
  const testsupport::FullDisk disk;
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  platform::SetProgramFolder(QString::fromStdString(disk.Path("")));
  const QString ini = QString::fromStdString(disk.Path("Vexal.INI"));
  const std::vector<std::string> settings{"[Calc Settings]", "Digits=15", "[fmPlot2D]", "Width=700"};
  platform::WriteTextLines(ini, settings);
  platform::WriteTextLines(QString::fromStdString(disk.Path("Vexal.HST")), {"1", "1+2", "1", "3"});
  Open();
  window->fmPlot2D->Show();
  disk.Fill();
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Can't create file ") + ini, platform::mrOk);
    window->fmPlot2D->close();
    for (int i = 0; i < 5; ++i)
      QCoreApplication::processEvents();  // a message shown later would come now
    EXPECT_EQ(script.StepsLeft(), 0);
    EXPECT_EQ(script.Answered().size(), 1u);
    script.ExpectMessage(QStringLiteral("Can't create file ") + ini, platform::mrOk)
        .ExpectMessage(QStringLiteral("Can't create file ") + QString::fromStdString(disk.Path("Vexal.HST")),
                       platform::mrOk);
    Close();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(platform::ReadTextLines(ini), settings);
}

TEST_F(MainWindowTest, UserVariablesAndFunctionsAreLoadedAtStart)
{
  platform::WriteTextLines(File("Vexal.USR"), {"rate = 0.05", "count = 12", "broken line", "late = 1"});
  platform::WriteTextLines(File("Vexal.FNC"), {"SQ(a)=a*a"});
  // A bad line ends the loading there with the conversion message; what came before stays.
  Open(true, {QStringLiteral("'broken line' is not a valid floating point value")});
  ASSERT_EQ(window->lbVars->count(), 2);
  EXPECT_EQ(window->lbVars->ItemText(0), QStringLiteral("rate = 5.0E-2"));
  ASSERT_EQ(engine::UserVariables->Count(), 2u);
  EXPECT_EQ(engine::UserVariables->Items()[0].Name, "rate");  // row i is entry i, in the file's order
  EXPECT_EQ(engine::UserVariables->Items()[1].Name, "count");
  EXPECT_EQ(window->lbFuncs->ItemText(0), QStringLiteral("SQ(a)=a*a"));
  Calculate(QStringLiteral("sq(3)+count*rate"));
  EXPECT_EQ(Result(), QStringLiteral("9.6E+0"));
}

TEST_F(MainWindowTest, BinaryGroupSizesSnapToTheirSteps)
{
  Open();
  window->rgBase->SetItemIndex(2);
  window->rgBase->OnClick();
  EXPECT_EQ(window->udDigits->Position(), 32);
  struct Step {
    platform::TUDBtnType button;
    int expected;
  };
  const Step steps[] = {{platform::btPrev, 16}, {platform::btPrev, 8}, {platform::btPrev, 7},
                        {platform::btPrev, 7},  {platform::btNext, 8}, {platform::btNext, 16},
                        {platform::btNext, 32}};
  for (const Step& step : steps) {
    window->udDigits->Click(step.button);
    EXPECT_EQ(window->DigitGroup(), step.expected);
  }
  Calculate(QStringLiteral("5"));
  EXPECT_TRUE(ResultIsBlue());
  EXPECT_EQ(window->DisplayDigits, 12);  // the decimal digit count is kept
}

TEST_F(MainWindowTest, FormPositionsLiveInTheirOwnSection)
{
  QWidget form;
  form.setObjectName(QStringLiteral("fmContourPlot"));
  LoadFormPosition(form);
  EXPECT_EQ(form.pos(), QPoint(0, 0));
  EXPECT_EQ(form.size(), QSize(640, 480));
  form.move(10, 20);
  form.resize(300, 200);
  SaveFormPosition(form);
  QWidget again;
  again.setObjectName(QStringLiteral("fmContourPlot"));
  LoadFormPosition(again);
  EXPECT_EQ(again.pos(), QPoint(10, 20));
  EXPECT_EQ(again.size(), QSize(300, 200));
}

}  // namespace
}  // namespace app::testing
