// The assistant panel (the hint of the function at the caret, the greeting) and the font size of the
// top lines.

#include "app/MainWindow.h"

#include "app/Assistant.h"

#include "engine/EngineState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

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
  // Readable at the bottom, within the window at the top.
  constexpr int kMinPixels = 11;
  constexpr int kMaxPixels = 48;
  QWidget& topLines = *Edit1->parentWidget();
  const int oldHeight = topLines.sizeHint().height();
  for (QWidget* widget : {static_cast<QWidget*>(Edit2), static_cast<QWidget*>(cbResults),
                          static_cast<QWidget*>(cbHistory), static_cast<QWidget*>(Edit1)}) {
    QFont font = widget->font();
    const int pixels = QFontInfo(font).pixelSize();
    font.setPixelSize(std::clamp(pixels + points * 4 / 3, kMinPixels, kMaxPixels));
    widget->setFont(font);
  }
  const int pixels = QFontInfo(Edit2->font()).pixelSize();
  SpinDown->setEnabled(pixels > kMinPixels);
  SpinUp->setEnabled(pixels < kMaxPixels);
  // The window changes as the two lines do (by 2 d when each changes by d), so the pages keep their size.
  const int change = topLines.sizeHint().height() - oldHeight;
  if (change != 0)
    resize(width(), height() + change);
}

}  // namespace app
