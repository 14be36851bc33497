#include "tests/controls/EditorWindow.h"

#include <QMouseEvent>
#include <gtest/gtest.h>

namespace controls {
namespace {

using test::EditorWindow;
using Lines = std::vector<std::string>;

// Mouse events straight to the editor (the pointer of a captured drag may be outside it), at points in its
// client coordinates.
struct Mouse {
  TOvcCustomEditor* target;

  void Send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {})
  {
    at += QPoint(target->FrameWidth(), target->FrameWidth());
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons, modifiers);
    QApplication::sendEvent(target, &event);
  }
  void Press(QPoint at, Qt::KeyboardModifiers modifiers = {})
  {
    Send(QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
  }
  void Move(QPoint at) { Send(QEvent::MouseMove, at, Qt::LeftButton); }
  void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::NoButton); }
  void Click(QPoint at, Qt::KeyboardModifiers modifiers = {})
  {
    Press(at, modifiers);
    Release(at);
  }
  void DoubleClick(QPoint at, Qt::KeyboardModifiers modifiers = {})
  {
    Click(at, modifiers);
    Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, modifiers);
    Release(at);
  }
};

TParaPos Pos(int para, int pos) { return {para, pos}; }

TEST(EditorMouse, ClickPlacesTheCaretAndDragSelects)
{
  EditorWindow w;
  w.Load({"first line", "second line", "third line"});
  Mouse mouse{w.editor};
  TOvcEditorCore& core = w.editor->Core();

  mouse.Click(w.Gap(2, 3));
  EXPECT_EQ(core.CaretPara(), Pos(2, 3));
  EXPECT_FALSE(core.HasSelection());

  mouse.Press(w.Gap(1, 2));
  mouse.Move(w.Gap(2, 5));
  mouse.Move(w.Gap(3, 4));
  mouse.Release(w.Gap(3, 4));
  EXPECT_EQ(core.SelStart(), Pos(1, 2));
  EXPECT_EQ(core.SelEnd(), Pos(3, 4));
  EXPECT_EQ(core.CaretPara(), Pos(3, 4));
  EXPECT_FALSE(w.editor->MouseCapture());

  // Shift+click moves the selection's caret end.
  mouse.Click(w.Gap(2, 1), Qt::ShiftModifier);
  EXPECT_EQ(core.SelStart(), Pos(1, 2));
  EXPECT_EQ(core.SelEnd(), Pos(2, 1));

  // Past the end of a line the caret stops after its last character.
  mouse.Click(w.Gap(1, 30));
  EXPECT_EQ(core.CaretPara(), Pos(1, 11));
}

TEST(EditorMouse, TheMarginSelectsWholeLinesAndParagraphs)
{
  EditorWindow w;
  w.Load({"first line", "second line", "third line"});
  Mouse mouse{w.editor};
  TOvcEditorCore& core = w.editor->Core();
  const QPoint margin(2, w.Gap(2, 1).y());

  mouse.Click(margin);
  EXPECT_EQ(core.SelStart(), Pos(2, 1));
  EXPECT_EQ(core.SelEnd(), Pos(3, 1));

  // Dragging down from the margin takes the lines passed, the last one to its end.
  mouse.Press(margin);
  mouse.Move(QPoint(2, w.Gap(3, 1).y()));
  mouse.Release(QPoint(2, w.Gap(3, 1).y()));
  EXPECT_EQ(core.SelStart(), Pos(2, 1));
  EXPECT_EQ(core.SelEnd(), Pos(3, 11));

  mouse.DoubleClick(QPoint(2, w.Gap(1, 1).y()));
  EXPECT_EQ(core.SelStart(), Pos(1, 1));
  EXPECT_EQ(core.SelEnd(), Pos(1, 11));
}

TEST(EditorMouse, DoubleClickSelectsTheWordWithItsTrailingBlanks)
{
  struct Case {
    int column;
    TParaPos start, end;
  };
  for (const Case& c : {Case{4, Pos(1, 1), Pos(1, 6)},      // the blank after abc
                        Case{1, Pos(1, 1), Pos(1, 6)},      // column 1 of a word
                        Case{8, Pos(1, 6), Pos(1, 9)},      // inside def, up to the comma
                        Case{9, Pos(1, 6), Pos(1, 9)}}) {  // the comma takes the word before it
    SCOPED_TRACE(c.column);
    EditorWindow w;
    w.Load({"abc  def, ghi"});
    Mouse mouse{w.editor};
    mouse.DoubleClick(w.Gap(1, c.column));
    EXPECT_EQ(w.editor->Core().SelStart(), c.start);
    EXPECT_EQ(w.editor->Core().SelEnd(), c.end);
    EXPECT_EQ(w.editor->Core().CaretPara(), c.end);
  }

  // Shift grows the selection to the word.
  EditorWindow w;
  w.Load({"abc  def, ghi"});
  Mouse mouse{w.editor};
  mouse.Click(w.Gap(1, 2));
  mouse.DoubleClick(w.Gap(1, 12), Qt::ShiftModifier);
  EXPECT_EQ(w.editor->Core().SelStart(), Pos(1, 2));
  EXPECT_EQ(w.editor->Core().SelEnd(), Pos(1, 14));
}

TEST(EditorMouse, DraggingBelowTheTextScrollsByTimerWithoutANestedLoop)
{
  EditorWindow w(5);
  w.Load(Lines(200, "line"));
  Mouse mouse{w.editor};
  mouse.Press(w.Gap(1, 2));
  mouse.Move(QPoint(30, w.editor->ClientHeight() + 80));
  // The press returned at once; the timer steps while the pointer stays below.
  EXPECT_TRUE(w.editor->MouseCapture());
  QTest::qWait(200);
  const int top = w.editor->Core().TopLine();
  EXPECT_GT(top, 3);
  EXPECT_EQ(w.editor->Core().CaretLine(), top + 4);
  mouse.Release(QPoint(30, w.editor->ClientHeight() + 80));
  EXPECT_FALSE(w.editor->MouseCapture());
  const int stopped = w.editor->Core().TopLine();
  QTest::qWait(50);
  EXPECT_EQ(w.editor->Core().TopLine(), stopped);
  EXPECT_EQ(w.editor->Core().SelStart(), Pos(1, 2));
}

TEST(EditorMouse, AnEmptyTextTakesTheFocusButSelectsNothing)
{
  EditorWindow w;
  QWidget other(&w.form);
  other.setFocusPolicy(Qt::StrongFocus);
  other.show();
  other.setFocus();
  Mouse mouse{w.editor};
  mouse.Press(w.Gap(1, 3));
  EXPECT_TRUE(w.editor->hasFocus());
  EXPECT_FALSE(w.editor->MouseCapture());
  mouse.Release(w.Gap(1, 3));
  EXPECT_EQ(w.editor->Core().CaretPara(), Pos(1, 1));
}

TEST(EditorMouse, TheMarginShowsItsOwnCursor)
{
  EditorWindow w;
  QMouseEvent margin(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w.editor, &margin);
  EXPECT_EQ(w.editor->CursorNumber(), platform::crArrow);
  QMouseEvent text(QEvent::MouseMove, QPointF(60, 3), QPointF(60, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w.editor, &text);
  EXPECT_EQ(w.editor->CursorNumber(), platform::crIBeam);
  w.editor->SetCursor(platform::crCross);
  EXPECT_EQ(w.editor->CursorNumber(), platform::crCross);
  QApplication::sendEvent(w.editor, &margin);
  EXPECT_EQ(w.editor->CursorNumber(), platform::crArrow);
}

TEST(EditorMouse, DraggingRightOfTheTextScrollsItSideways)
{
  EditorWindow w(5);
  w.Load({std::string(300, 'x'), "short"});
  Mouse mouse{w.editor};
  mouse.Press(w.Gap(1, 2));
  mouse.Move(QPoint(w.editor->ClientWidth() + 40, w.Gap(1, 2).y()));
  QTest::qWait(150);
  mouse.Release(QPoint(w.editor->ClientWidth() + 40, w.Gap(1, 2).y()));
  EXPECT_GT(w.editor->Core().HorizontalOffset(), 0);
  EXPECT_EQ(w.editor->Core().SelStart(), Pos(1, 2));
  EXPECT_EQ(w.editor->Core().SelEnd(), w.editor->Core().CaretPara());
  EXPECT_GT(w.editor->Core().CaretPara().Pos, w.editor->GetVisibleColumns());
}

}  // namespace
}  // namespace controls
