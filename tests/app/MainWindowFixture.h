#pragma once
// A main window in a fresh program folder, with the engine's state reset, driven as a user would.

#include "app/MainWindow.h"

#include "engine/Engine.h"
#include "engine/UserFunctions.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

#include "platform/Application.h"
#include "platform/ModalRun.h"
#include "tests/support/KeyInput.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace app::testing {

inline const QString kMissingConstants = QStringLiteral("not found.");

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ASSERT_TRUE(folder.isValid());
    platform::SetProgramFolder(folder.path());
    platform::ClearQuitPending();
    ResetEngine();
  }

  void TearDown() override
  {
    window.reset();
    platform::SetProgramFolder(QString());
    ResetEngine();
  }

  static void ResetEngine()
  {
    engine::VarValues->fill(engine::UndefinedValue);
    for (auto& e : *engine::VarExprs)
      e.clear();
    engine::UserVariables->Clear();
    engine::UserFunctions->Clear();
    engine::ExprString->clear();
    engine::ErrorFlag = false;
    engine::StopFlag = 0;
    engine::LastResult = 0;
    engine::NotationMode = engine::nmScn;
    engine::NumberBase = engine::nbDecimal;
    engine::NumberChars = engine::DecimalNumberChars();
    engine::AngleMode = 0;
  }

  // Replaces an edit's text by typing, as a user selecting it all and typing over it.
  static void Retype(QLineEdit& edit, const QString& text)
  {
    edit.setFocus();
    edit.selectAll();
    edit.del();
    testing_support::TypeText(edit, text);
  }

  // Creates and shows the window; the missing constants file is answered with OK, then the messages
  // expected during the start.
  void Open(bool expectConstantsWarning = true, const QStringList& messages = {})
  {
    platform::ModalScript script;
    if (expectConstantsWarning)
      script.Press(platform::mrOk);
    for (const QString& message : messages)
      script.ExpectMessage(message, platform::mrOk);
    window = std::make_unique<TfmCalc>();
    window->Show();
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(script.StepsLeft(), 0);
  }

  // Types text into the expression line and presses Enter.
  void Calculate(const QString& text)
  {
    window->Edit1->setFocus();
    window->Edit1->selectAll();
    if (text.isEmpty())
      window->Edit1->del();
    Type(text);
    PressEnter();
  }

  // Key presses into the focused expression line, through the window's key preview.
  void Type(const QString& text)
  {
    for (const QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(window->Edit1, &press);
    }
  }

  void PressEnter()
  {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(window->Edit1, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(window->Edit1, &release);
  }

  QString Result() const { return window->Edit2->text(); }
  bool ResultIsRed() const { return window->Edit2->styleSheet().contains(QStringLiteral("#ff0000")); }
  bool ResultIsBlue() const { return window->Edit2->styleSheet().contains(QStringLiteral("#0000ff")); }
  QString TapeLine(int i) const { return window->mmTape->toPlainText().split(QLatin1Char('\n')).value(i); }

  void Close()
  {
    window->close();
    window.reset();
  }

  QString File(const QString& name) const { return folder.filePath(name); }

  // Runs the event loop until the condition holds (at most two seconds); true when it holds.
  template <typename Condition>
  static bool WaitFor(Condition condition)
  {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 2000) {
      QApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(1);
    }
    return condition();
  }

  QTemporaryDir folder;
  std::unique_ptr<TfmCalc> window;
};

}  // namespace app::testing
