// The assistant panel (the hint of the function at the caret, the greeting) and the font size of the
// top lines.

#include "app/MainWindow.h"

#include "app/Assistant.h"

#include "engine/EngineState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

namespace app {

namespace {

constexpr int kConstantE = 30;
constexpr int kLastFunction = 129;

}  // namespace

void TfmCalc::ShowFunctionHint(int n)
{
  if (Edit1->text().isEmpty()) {
    pnAssistant->setFixedWidth(0);
    pnAssistant->SetCaption(QString());
    return;
  }
  if (n == -1 || n == kConstantE || n > kLastFunction)
    return;
  const QString text = FunctionHintText(n, ComplexMode, engine::AngleMode);
  if (!text.isEmpty())
    ShowAssistantText(text);
}

void TfmCalc::ShowAssistantText(const QString& text)
{
  QFont font = pnAssistant->font();
  font.setPointSize(8);
  pnAssistant->setFixedWidth(QFontMetrics(font).horizontalAdvance(text + QStringLiteral("     ")));
  pnAssistant->SetCaption(QLatin1Char(' ') + text + QLatin1Char(' '));
}

void TfmCalc::chAssistantClick()
{
  pnAssistant->setVisible(chAssistant->isChecked());
  HintFunction = -1;
  pnAssistant->SetCaption(QString());
  if (chAssistant->isChecked())
    ShowFunctionHint(-1);
  if (isVisible())
    Edit1->setFocus();
}

void TfmCalc::StartAssistantTimer(int action)
{
  TimerAction = action;
  Timer1.SetEnabled(true);
}

void TfmCalc::Timer1Timer()
{
  if (TimerAction == 1) {
    if (chAssistant->isChecked())
      ShowFunctionHint(FindFunctionAtText(GetWordAtCaret(Edit1->text(), Edit1->cursorPosition()), ComplexMode));
  } else if (TimerAction == 2) {
    ShowAssistantText(GreetingText(GreetTime));
  }
  Timer1.SetEnabled(false);
}

void TfmCalc::FontSizeStep(int points)
{
  // The layout follows the new heights of the lines by itself.
  for (QWidget* widget : {static_cast<QWidget*>(Edit2), static_cast<QWidget*>(cbResults),
                          static_cast<QWidget*>(cbHistory), static_cast<QWidget*>(Edit1)}) {
    QFont font = widget->font();
    if (font.pointSize() > 0)
      font.setPointSize(std::max(1, font.pointSize() + points));
    else
      font.setPixelSize(std::max(1, font.pixelSize() + points * 4 / 3));
    widget->setFont(font);
  }
}

}  // namespace app
