// The expression line with the lists and the keyboard, driven by mouse clicks and key presses as a user
// gives them.
#include "MainWindowFixture.h"

#include <QAbstractItemView>
#include <QListWidget>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace app::testing {
namespace {

void Click(QWidget& widget, QPoint at = {})
{
  if (at.isNull())
    at = widget.rect().center();
  const QPointF local(at);
  const QPointF global(widget.mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &release);
}

void Key(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {},
         bool autoRepeat = false)
{
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text, autoRepeat);
  QApplication::sendEvent(&widget, &press);
}

void Release(QWidget& widget, int key)
{
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(&widget, &release);
}

// Opens the drop-down with a click and picks the entry with the arrow keys and Enter.
void Pick(QComboBox& list, int entry)
{
  Click(list);
  QAbstractItemView* view = list.view();
  ASSERT_TRUE(view->isVisible());
  view->setCurrentIndex(list.model()->index(0, 0));
  for (int i = 0; i < entry; ++i)
    Key(*view, Qt::Key_Down);
  Key(*view, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
}

TEST_F(MainWindowTest, AnEntryPickedFromAListReplacesTheLinesSelection)
{
  Open();
  Calculate(QStringLiteral("1+2"));
  Calculate(QStringLiteral("5*5"));
  ASSERT_EQ(window->Edit1->selectedText(), QStringLiteral("5*5"));
  Pick(*window->cbHistory, 1);
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("1+2"));

  // Without a selection the entry goes in at the caret.
  window->Edit1->setFocus();
  window->Edit1->setCursorPosition(1);
  Pick(*window->cbResults, 0);  // 2.5E+1
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("12.5E+1+2"));

  // A row of the constants list likewise.
  window->lbConst->SetItems({QStringLiteral("g = 9.81")});
  window->Edit1->setFocus();
  window->Edit1->selectAll();
  window->pcCalc->setCurrentWidget(window->tsConst);
  Click(*window->lbConst->viewport(), window->lbConst->visualItemRect(window->lbConst->item(0)).center());
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("9.81"));
}

TEST_F(MainWindowTest, AltShortcutsInsertOnlyTheirFunctionOrVariable)
{
  Open();
  struct Case {
    int key;
    const char* inserted;
  };
  const Case cases[] = {{Qt::Key_S, "sinh()"}, {Qt::Key_G, "gamma()"}, {Qt::Key_X, "X"}, {Qt::Key_N, "N"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.inserted);
    window->Edit1->clear();
    window->Edit1->setFocus();
    Key(*window->Edit1, c.key, Qt::AltModifier, QString(QChar(c.key).toLower()));
    EXPECT_EQ(window->Edit1->text(), QString::fromLatin1(c.inserted));
  }
}

// A stand-in for a message box that has the application's keyboard focus while it asks.
class ActiveBox {
 public:
  ActiveBox()
  {
    box_.show();
    box_.activateWindow();
    QApplication::processEvents();
  }

  QWidget& Widget() { return box_; }

 private:
  QWidget box_;
};

TEST_F(MainWindowTest, F1ShowsTheHelpOnce)
{
  Open();
  int messages = 0;
  platform::ModalScript script([](const QString&) {});  // a second message is counted, not fatal
  script.Then([&](platform::ModalSubject& subject) {
    const ActiveBox box;
    ++messages;
    EXPECT_TRUE(subject.Describe().contains(QStringLiteral("No help is installed.")));
    return platform::mrOk;
  });
  script.Then([&](platform::ModalSubject&) {
    ++messages;
    return platform::mrOk;
  });
  window->Edit1->setFocus();
  Key(*window->Edit1, Qt::Key_F1);
  Release(*window->Edit1, Qt::Key_F1);
  QApplication::processEvents();
  EXPECT_EQ(messages, 1);
}

TEST_F(MainWindowTest, TheFirstEnterAfterAStartUpMessageCalculates)
{
  // The warning about the missing constants file is answered with Enter; the box closes on the press and
  // its release reaches none of our windows.
  platform::ModalScript script;
  script.Then([&](platform::ModalSubject&) {
    ActiveBox warning;
    Key(warning.Widget(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    return platform::mrOk;
  });
  window = std::make_unique<TfmCalc>();
  window->Show();
  window->activateWindow();
  QApplication::processEvents();
  ASSERT_EQ(script.StepsLeft(), 0);

  Calculate(QStringLiteral("1+1"));
  EXPECT_EQ(Result(), QStringLiteral("2.0E+0"));
}

TEST_F(MainWindowTest, TheEnterThatAnswersTheStopQuestionStartsNothing)
{
  Open();
  // The Enter that starts the calculation is released while it runs; then the user clicks Stop.
  QTimer::singleShot(0, window.get(), [&] {
    Release(*window->Edit1, Qt::Key_Return);
    window->sbStop->click();
  });
  platform::ModalScript script;
  script.Then([&](platform::ModalSubject&) {
    ActiveBox questionBox;
    Key(questionBox.Widget(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    return platform::mrYes;
  });
  window->Edit1->setFocus();
  Type(QStringLiteral("(J=1)*0+(K=20000)*0+(M=1)*0+for J to K step M do(sin(J))"));
  Key(*window->Edit1, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  ASSERT_EQ(script.StepsLeft(), 0);
  EXPECT_TRUE(Result().startsWith(QStringLiteral("User break")));

  // The key is still down: its repeats reach the expression line, then its release.
  for (int i = 0; i < 3; ++i)
    Key(*window->Edit1, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
  Release(*window->Edit1, Qt::Key_Return);
  EXPECT_TRUE(Result().startsWith(QStringLiteral("User break")));
  EXPECT_FALSE(window->Calculating());
  EXPECT_TRUE(window->pcCalc->isEnabled());
  EXPECT_EQ(window->cbHistory->count(), 0);

  // The next Enter is the user's own.
  Calculate(QStringLiteral("1+1"));
  EXPECT_EQ(Result(), QStringLiteral("2.0E+0"));
}

}  // namespace
}  // namespace app::testing

namespace app::testing {
namespace {

TEST_F(MainWindowTest, TabGoesFromTheLinesToTheListsAndIntoThePages)
{
  Open();
  window->Edit1->setFocus();
  QList<QWidget*> visited;
  for (int i = 0; i < 8; ++i) {
    Key(*QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget();
  }
  ASSERT_GE(visited.size(), 4);
  EXPECT_EQ(visited[0], window->Edit2);
  EXPECT_EQ(visited[1], window->cbHistory);
  EXPECT_EQ(visited[2], window->cbResults);
  // Then the page control and the controls of the page.
  EXPECT_TRUE(window->pcCalc->isAncestorOf(visited[3]) || visited[3] == window->pcCalc);
  EXPECT_TRUE(std::any_of(visited.begin() + 3, visited.end(),
                          [&](QWidget* w) { return window->tsCalc->isAncestorOf(w); }));
  // Shift+Tab comes back.
  window->Edit2->setFocus();
  Key(*window->Edit2, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), window->Edit1);
}

TEST_F(MainWindowTest, DeleteInTheOpenHistoryDeletesTheHighlightedEntry)
{
  Open();
  for (const char* expression : {"1+1", "2+2", "3+3"})
    Calculate(QString::fromLatin1(expression));
  QComboBox& history = *window->cbHistory;
  Click(history);
  QAbstractItemView& view = *history.view();
  ASSERT_TRUE(view.isVisible());
  view.setCurrentIndex(history.model()->index(0, 0));
  Key(view, Qt::Key_Down);
  Key(view, Qt::Key_Delete);
  EXPECT_EQ(history.count(), 2);
  EXPECT_EQ(history.itemText(0), QStringLiteral("3+3"));
  EXPECT_EQ(history.itemText(1), QStringLiteral("1+1"));
  Key(view, Qt::Key_Delete, Qt::ShiftModifier);  // with a shift key: nothing
  EXPECT_EQ(history.count(), 2);
}

}  // namespace
}  // namespace app::testing
