#include "tests/app/MainWindowFixture.h"

#include "controls/editor/Editor.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

namespace app::testing {
namespace {

std::vector<std::string> Paras(const controls::TOvcCustomEditor& editor)
{
  std::vector<std::string> out;
  for (int p = 1; p <= editor.GetParaCount(); ++p)
    out.emplace_back(editor.Core().GetParaText(p));
  return out;
}

class EvalPageTest : public MainWindowTest {
 protected:
  void TypeIntoEditor(const QString& text)
  {
    window->OE->setFocus();
    for (const QChar c : text) {
      const bool enter = c == QLatin1Char('\n');
      QKeyEvent press(QEvent::KeyPress, enter ? Qt::Key_Return : 0, Qt::NoModifier,
                      enter ? QStringLiteral("\r") : QString(c));
      QApplication::sendEvent(window->OE, &press);
    }
  }
};

TEST_F(EvalPageTest, EvalItShowsTheOutputAndEditSourceTheSourceAgain)
{
  Open();
  window->pcCalc->setCurrentWidget(window->tsEval);
  TypeIntoEditor(QStringLiteral("sum: 1+2\n\nc: comp(1,2)*comp(3,4)"));
  ASSERT_EQ(Paras(*window->OE), (std::vector<std::string>{"sum: 1+2", "", "c: comp(1,2)*comp(3,4)"}));
  EXPECT_EQ(window->cmbFormat->currentText(), QStringLiteral("10:3"));
  EXPECT_FALSE(window->SpeedButton39->isEnabled());

  window->SpeedButton7->click();
  EXPECT_EQ(Paras(*window->OE),
            (std::vector<std::string>{"sum:      3.000", "", "c:     -5.000+i*(    10.000)"}));
  EXPECT_FALSE(window->SpeedButton7->isEnabled());
  EXPECT_TRUE(window->SpeedButton39->isEnabled());

  window->SpeedButton39->click();
  EXPECT_EQ(Paras(*window->OE), (std::vector<std::string>{"sum: 1+2", "", "c: comp(1,2)*comp(3,4)"}));
  EXPECT_TRUE(window->SpeedButton7->isEnabled());
  EXPECT_FALSE(window->SpeedButton39->isEnabled());
}

TEST_F(EvalPageTest, AWorkFileThatCannotBeWrittenIsReportedAndNothingStaleIsShown)
{
  Open();
  TypeIntoEditor(QStringLiteral("1+1"));
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("temp.out")));  // a folder where the file should be
  platform::ModalScript script;
  script.Press(platform::mrOk);
  window->SpeedButton7->click();
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(Paras(*window->OE), (std::vector<std::string>{"1+1"}));
  EXPECT_TRUE(window->SpeedButton7->isEnabled());
}

}  // namespace
}  // namespace app::testing
