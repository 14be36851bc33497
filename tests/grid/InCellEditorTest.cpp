// The in-cell text editor driven by real key and mouse events.
#include "grid/editor/GridEditBox.h"

#include "platform/ClipboardText.h"
#include "tests/support/KeyInput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using grid::TtsGridControl;
using grid::TtsGridEditBox;
using testing_support::PressKey;
using testing_support::TypeText;

class InCellEditor : public ::testing::Test {
 protected:
  InCellEditor()
  {
    box.resize(120, 14);
    box.SetTextOffset(3);
    box.Hooks.OnEditKeyDown = [this](TtsGridControl&, int& key, platform::TShiftState) { passedKeys.push_back(key); };
    box.Hooks.OnEditValueChanged = [this](TtsGridControl&, bool modified, bool byUser, bool typed) {
      changes.push_back({modified, byUser, typed});
    };
    box.show();
    box.setFocus();
  }

  void Click(int x, int y)
  {
    const QPointF at(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, at, box.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, box.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&box, &release);
  }

  struct Change {
    bool Modified, ByUser, Typed;
  };
  TtsGridEditBox box;
  std::vector<int> passedKeys;
  std::vector<Change> changes;
};

TEST_F(InCellEditor, TypingInsertsAtTheCaretAndReportsTypedEdits)
{
  box.SetValue("ac");
  PressKey(box, Qt::Key_Right);
  TypeText(box, "b");
  EXPECT_EQ(box.Value(), "abc");
  EXPECT_EQ(box.CaretPos(), 2);
  ASSERT_FALSE(changes.empty());
  EXPECT_TRUE(changes.back().Modified && changes.back().ByUser && changes.back().Typed);
  PressKey(box, Qt::Key_Backspace);
  PressKey(box, Qt::Key_Home);
  PressKey(box, Qt::Key_Delete);
  EXPECT_EQ(box.Value(), "c");
}

TEST_F(InCellEditor, EscRestoresTheTextFromBeforeTheFirstEditUnlessTheGridHandlesIt)
{
  box.SetValue("12");
  PressKey(box, Qt::Key_End);
  TypeText(box, "3");
  TypeText(box, "4");
  EXPECT_EQ(box.Value(), "1234");
  PressKey(box, Qt::Key_Escape);
  EXPECT_EQ(box.Value(), "12");
  EXPECT_FALSE(box.Modified());
  // Not modified: Esc goes on to the grid.
  PressKey(box, Qt::Key_Escape);
  EXPECT_EQ(passedKeys.back(), platform::VK_ESCAPE);

  box.Hooks.OnUndoRequest = [](TtsGridControl&, bool, bool& handled) { handled = true; };
  TypeText(box, "9");
  PressKey(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box.Value(), "912");
}

TEST_F(InCellEditor, ArrowAtTheEdgeGoesToTheGridOnTheFirstPressOnlyWhenNotRepeating)
{
  box.SetValue("ab");
  PressKey(box, Qt::Key_End);
  passedKeys.clear();
  PressKey(box, Qt::Key_Right);  // press and release: goes on
  ASSERT_EQ(passedKeys.size(), 1u);
  EXPECT_EQ(passedKeys[0], platform::VK_RIGHT);
  // A held key: two presses without a release stop at the edge.
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QApplication::sendEvent(&box, &press);
  QApplication::sendEvent(&box, &press);
  EXPECT_EQ(passedKeys.size(), 2u);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
  QApplication::sendEvent(&box, &release);
  // Inside the text the arrow moves the caret and stays in the editor.
  PressKey(box, Qt::Key_Left);
  EXPECT_EQ(box.CaretPos(), 1);
  EXPECT_EQ(passedKeys.size(), 2u);
}

TEST_F(InCellEditor, AMoveWithTheWholeTextSelectedGoesOnToTheGrid)
{
  box.SetValue("abc");
  box.SelectAll();
  passedKeys.clear();
  PressKey(box, Qt::Key_Left);
  EXPECT_EQ(passedKeys.size(), 1u);
}

TEST_F(InCellEditor, MaximumLengthCountsTheSelectionAndALineBreakAsTwo)
{
  box.SetEditMaxLength(5);
  box.SetValue("abcd");
  box.SelectAll();
  TypeText(box, "x");
  EXPECT_EQ(box.Value(), "x");
  box.SetValue("abcde");
  PressKey(box, Qt::Key_End);
  TypeText(box, "f");
  EXPECT_EQ(box.Value(), "abcde");
  box.SetValue("abcd");
  PressKey(box, Qt::Key_End);
  PressKey(box, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(box.Value(), "abcd");
  box.SetValue("abc");
  PressKey(box, Qt::Key_End);
  PressKey(box, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(box.Value(), "abc\r\n");
}

TEST_F(InCellEditor, ARefusedStartOfEditLeavesTextAndCaretAlone)
{
  box.SetValue("abc");
  box.Hooks.OnStartModify = [](TtsGridControl&, bool& cancel) { cancel = true; };
  PressKey(box, Qt::Key_End);
  TypeText(box, "x");
  PressKey(box, Qt::Key_Backspace);
  EXPECT_EQ(box.Value(), "abc");
  EXPECT_EQ(box.CaretPos(), 3);
}

TEST_F(InCellEditor, WithoutAllowEditAUserEditFailsWithoutAskingTheGrid)
{
  int asked = 0;
  box.Hooks.OnStartModify = [&](TtsGridControl&, bool&) { ++asked; };
  box.SetAllowEdit(false);
  EXPECT_FALSE(box.BeginModify(true));
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(box.BeginModify(false));
  EXPECT_EQ(asked, 1);
}

TEST_F(InCellEditor, TypingPastTheRightEdgeScrollsTheCaretBackInside)
{
  box.SetValue("");
  int scrolls = 0;
  for (const QChar c : QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789")) {
    const int before = box.ScrollOffset();
    TypeText(box, QString(c));
    EXPECT_GE(box.CaretPoint().X, 0);
    EXPECT_LT(box.CaretPoint().X, box.width());
    if (box.ScrollOffset() != before) {
      ++scrolls;
      EXPECT_LT(box.CaretPoint().X, int(0.75 * box.width()));
      EXPECT_GE(box.CaretPoint().X, int(0.75 * box.width()) - 12);
    }
  }
  EXPECT_GT(scrolls, 0);
  PressKey(box, Qt::Key_Home);
  EXPECT_EQ(box.ScrollOffset(), 0);
  EXPECT_EQ(box.CaretPoint().X, 0);
}

TEST_F(InCellEditor, WordMovesAndShiftExtendTheSelection)
{
  box.SetValue("one two  three");
  PressKey(box, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(box.CaretPos(), 4);
  PressKey(box, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(box.SelStart(), 4);
  EXPECT_EQ(box.SelLength(), 5);
  PressKey(box, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(box.SelText(), "two ");
  PressKey(box, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(box.Value(), "one  three");
  EXPECT_EQ(platform::ClipboardText().value_or(""), "two ");
  PressKey(box, Qt::Key_End);
  PressKey(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box.Value(), "one  threetwo ");
}

TEST_F(InCellEditor, ClickPlacesTheCaretAtTheNearerEdgeAndADoubleClickSelectsAll)
{
  box.SetValue("WWWW");
  box.SetFocus();
  const int w = box.CaretPoint().X;  // 0
  ASSERT_EQ(w, 0);
  PressKey(box, Qt::Key_Right);
  const int charWidth = box.CaretPoint().X;
  Click(charWidth + charWidth / 2 + 1, 8);  // right of the middle of the second W
  EXPECT_EQ(box.CaretPos(), 2);
  Click(charWidth + charWidth / 2 + 1, 8);
  EXPECT_EQ(box.SelLength(), 4);
}

TEST_F(InCellEditor, ButtonDownsOnePixelApartStayTwoSingleClicks)
{
  box.SetValue("WWWW");
  Click(5, 7);
  Click(6, 7);
  EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(InCellEditor, AButtonDownWithoutTheLeftButtonFlagBreaksTheDoubleClickPair)
{
  box.SetValue("WWWW");
  const QPointF at(5, 7);
  QMouseEvent bare(QEvent::MouseButtonPress, at, box.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&box, &bare);
  QMouseEvent up(QEvent::MouseButtonRelease, at, box.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&box, &up);
  Click(5, 7);
  EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(InCellEditor, EnterAlwaysReachesTheEditorAndEscOnlyWhenTheGridWantsIt)
{
  EXPECT_TRUE(box.WantsDialogKey(platform::VK_RETURN, 0));
  EXPECT_FALSE(box.WantsDialogKey(platform::VK_ESCAPE, 0));
  box.Hooks.OnWantKey = [](TtsGridControl&, int, bool& want) { want = true; };
  EXPECT_TRUE(box.WantsDialogKey(platform::VK_ESCAPE, 0));
  EXPECT_FALSE(box.WantsDialogKey(platform::VK_TAB, platform::ssCtrl));
}

TEST_F(InCellEditor, RightAlignedTextKeepsTheCaretAtTheRightEdgeWhileTyping)
{
  box.SetColor(platform::clWhite);
  box.SetHorzAlignment(grid::htaRight);
  box.SetValue("12");
  EXPECT_EQ(box.CaretPos(), 2);
  const int edge = box.CaretPoint().X;
  EXPECT_GE(edge, box.width() - 3);
  TypeText(box, "345");
  EXPECT_EQ(box.Value(), "12345");
  EXPECT_EQ(box.CaretPoint().X, edge);
  PressKey(box, Qt::Key_Left);
  PressKey(box, Qt::Key_Backspace);
  EXPECT_EQ(box.Value(), "1235");
  box.PaintToImage().save(VEXAL_TEST_OUTPUT_DIR "InCellEditorRight.png");
}

TEST_F(InCellEditor, DraggingSelectsFromTheButtonDownAndScrollsPastTheRightEdge)
{
  box.SetValue("abcdefghijklmnopqrstuvwxyz0123456789");
  auto send = [this](QEvent::Type type, int x, Qt::MouseButtons buttons) {
    const QPointF at(x, 7);
    QMouseEvent event(type, at, box.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&box, &event);
  };
  send(QEvent::MouseButtonPress, 0, Qt::LeftButton);
  send(QEvent::MouseMove, 40, Qt::LeftButton);
  const int within = box.SelLength();
  EXPECT_GT(within, 0);
  EXPECT_EQ(box.SelStart(), 0);
  for (int i = 0; i < 30; ++i)
    send(QEvent::MouseMove, box.width() + 5, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, box.width() + 5, Qt::NoButton);
  EXPECT_GT(box.ScrollOffset(), 0);
  EXPECT_EQ(box.SelStart(), 0);
  EXPECT_GT(box.SelLength(), within + 10);
  send(QEvent::MouseMove, 10, Qt::NoButton);  // the drag has ended
  EXPECT_GT(box.SelLength(), within + 10);
}

// Digits only, checked while typing.
class DigitsMask : public grid::TtsEditMask {
 public:
  int GetMaskOptions() const override { return 0; }
  int GetCheckModes() const override { return 1; }
  bool Validate(const std::string&, std::string& keys, int position, bool, bool) override
  {
    positions.push_back(position);
    return keys.find_first_not_of("0123456789") == std::string::npos;
  }
  std::vector<int> positions;
};

TEST_F(InCellEditor, AnEditMaskRefusesTypedKeysUnlessTheGridAcceptsThem)
{
  DigitsMask mask;
  box.SetMaskDefs([&](const std::string& name) { return name == "digits" ? &mask : nullptr; });
  box.SetMaskName("digits");
  box.SetValue("1");
  PressKey(box, Qt::Key_End);
  TypeText(box, "2x3");
  EXPECT_EQ(box.Value(), "123");
  EXPECT_EQ(mask.positions, (std::vector<int>{2, 3, 3}));
  std::string offered;
  box.Hooks.OnInvalidKeys = [&](TtsGridControl&, const std::string& keys, bool& accept) {
    offered = keys;
    accept = true;
  };
  TypeText(box, "y");
  EXPECT_EQ(offered, "y");
  EXPECT_EQ(box.Value(), "123y");
  box.SetMaskName("");
  box.Hooks.OnInvalidKeys = nullptr;
  TypeText(box, "z");
  EXPECT_EQ(box.Value(), "123yz");
}

TEST_F(InCellEditor, HoldingTheMouseRightOfTheEditorGoesOnScrolling)
{
  box.SetValue("abcdefghijklmnopqrstuvwxyz0123456789");
  const QPointF down(2, 7);
  QMouseEvent press(QEvent::MouseButtonPress, down, box.mapToGlobal(down), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&box, &press);
  const QPointF out(box.width() + 5, 7);
  QMouseEvent move(QEvent::MouseMove, out, box.mapToGlobal(out), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&box, &move);
  const int once = box.SelLength();
  QElapsedTimer waited;
  waited.start();
  while (box.CaretPos() < 36 && waited.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(box.CaretPos(), 36);
  EXPECT_GT(box.SelLength(), once);
  QMouseEvent release(QEvent::MouseButtonRelease, out, box.mapToGlobal(out), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&box, &release);
  EXPECT_FALSE(box.HasTimer(1));
}

TEST_F(InCellEditor, PageDownInAWrappedCellMovesByWholeLinesAndStopsAtTheLast)
{
  box.resize(60, 40);
  box.SetValue("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven");
  ASSERT_TRUE(box.IsMultiLine());
  ASSERT_EQ(box.LineCount(), 7);
  PressKey(box, Qt::Key_PageDown);
  EXPECT_GT(box.TopLine(), 0);
  EXPECT_GT(box.CaretPos(), 0);
  passedKeys.clear();
  for (int i = 0; i < 6; ++i)
    PressKey(box, Qt::Key_PageDown);
  EXPECT_LE(box.TopLine(), 6);
  EXPECT_FALSE(passedKeys.empty());  // on the last line it goes on to the grid
  EXPECT_GE(box.CaretPoint().Y, 0);
  EXPECT_LT(box.CaretPoint().Y, box.height());
}

TEST_F(InCellEditor, TheIBeamShowsOnlyWhileTheTextCanBeEditedOrSelected)
{
  EXPECT_EQ(box.CursorNumber(), platform::crIBeam);
  box.SetAllowEdit(false);
  box.SetAllowSelect(false);
  EXPECT_EQ(box.CursorNumber(), platform::crDefault);
  box.SetAllowSelect(true);
  EXPECT_EQ(box.CursorNumber(), platform::crIBeam);
}

TEST_F(InCellEditor, CtrlEnterInAOneLineCellStoresTheBreakAndWrapsOnlyInATallerCell)
{
  box.SetValue("ab");
  PressKey(box, Qt::Key_End);
  PressKey(box, Qt::Key_Return, Qt::ControlModifier);
  TypeText(box, "cd");
  EXPECT_EQ(box.Value(), "ab\r\ncd");
  EXPECT_FALSE(box.IsMultiLine());
  box.resize(120, 40);
  EXPECT_TRUE(box.IsMultiLine());
  EXPECT_EQ(box.LineCount(), 2);
  PressKey(box, Qt::Key_Home, Qt::ControlModifier);
  PressKey(box, Qt::Key_Down);
  EXPECT_EQ(box.CaretPos(), 4);
}

TEST_F(InCellEditor, PictureOfASelectionInAWrappedCell)
{
  box.resize(90, 60);
  box.SetColor(platform::clWhite);
  box.SetEditShowFocus(true);
  box.SetValue("A wrapped cell text over lines");
  box.SetSelStart(2);
  box.SetSelLength(7);
  const QImage image = box.PaintToImage();
  image.save(VEXAL_TEST_OUTPUT_DIR "InCellEditorWrapped.png");
  EXPECT_GT(box.LineCount(), 1);
}

}  // namespace
