// The in-cell editors as windows among others: their standard events around the editor's own
// handling, the focus that follows the focus owner, the dialog keys they leave to their parent,
// the slanted caret of italic text, the check box's 3-D edge, and the adapters' window operations.

#include "grid/editor/CellEditorAdapters.h"

#include "platform/Caret.h"
#include "tests/support/KeyInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

using platform::TShiftState;
using testing_support::PressKey;

// A parent that records the keys that reach it.
class KeyParent : public platform::CustomControl {
 public:
  std::vector<int> keys;

 protected:
  void KeyDown(int& key, TShiftState) override { keys.push_back(key); }
};

struct EditorWindow {
  EditorWindow()
  {
    parent.resize(200, 60);
    edit.SetLeft(10);
    edit.SetTop(10);
    edit.SetWidth(120);
    edit.SetHeight(16);
    edit.Show();
    parent.show();
    edit.SetFocus();
    QApplication::processEvents();
  }
  TtsGridEditBox& Box() { return edit.Box(); }
  void Click(int x, int y)
  {
    const QPointF at(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, at, Box().mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&Box(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, Box().mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&Box(), &release);
  }

  KeyParent parent;
  TtsEditGridControl edit{&parent};
  std::vector<std::string> log;
};

TEST(InCellEditorWindow, KeyEventsComeBeforeTheEditorAndMaySwallowTheKey)
{
  EditorWindow w;
  w.edit.SetValue(std::string("ab"));
  w.edit.Events().OnKeyDown = [&](TtsGridControl&, int& key, TShiftState) {
    w.log.push_back("down " + std::to_string(key));
    if (key == platform::VK_RIGHT)
      key = 0;
  };
  w.edit.Events().OnKeyPress = [&](TtsGridControl&, char& key) {
    if (key == 'x')
      key = 0;
  };
  w.edit.Hooks().OnEditKeyDown = [&](TtsGridControl&, int& key, TShiftState) {
    w.log.push_back("unused " + std::to_string(key));
  };
  PressKey(w.Box(), Qt::Key_Right);
  EXPECT_EQ(w.Box().CaretPos(), 0);
  testing_support::TypeText(w.Box(), "xy");
  EXPECT_EQ(w.edit.Value().AsString(), "yab");
  PressKey(w.Box(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  const std::vector<std::string> expected{"down " + std::to_string(platform::VK_RIGHT), "down 88", "unused 88",
                                          "down 89", "unused 89", "down " + std::to_string(platform::VK_RETURN),
                                          "unused " + std::to_string(platform::VK_RETURN)};
  EXPECT_EQ(w.log, expected);
}

TEST(InCellEditorWindow, MouseEventsFollowTheEditorsOwnHandling)
{
  EditorWindow w;
  w.edit.SetValue(std::string("WWWW"));
  auto& events = w.edit.Events();
  events.OnMouseDown = [&](TtsGridControl&, platform::TMouseButton, TShiftState shift, int, int) {
    w.log.push_back((shift & platform::ssDouble) != 0 ? "down double" : "down");
  };
  events.OnMouseUp = [&](TtsGridControl&, platform::TMouseButton, TShiftState, int, int) { w.log.push_back("up"); };
  events.OnClick = [&](TtsGridControl&) { w.log.push_back("click"); };
  events.OnDblClick = [&](TtsGridControl&) { w.log.push_back("double click"); };
  w.Click(5, 7);
  w.Click(5, 7);
  EXPECT_EQ(w.log, (std::vector<std::string>{"down", "click", "up", "double click", "down double", "click", "up"}));
  EXPECT_EQ(w.Box().SelLength(), 4);
}

TEST(InCellEditorWindow, FocusFollowsTheFocusOwnerAndReportsEnterAndExit)
{
  EditorWindow w;
  QWidget owner(&w.parent);
  owner.setFocusPolicy(Qt::StrongFocus);
  owner.show();
  w.edit.SetFocusOwner(&owner);
  owner.setFocus();
  w.edit.Events().OnEnter = [&](TtsGridControl&) { w.log.push_back("enter"); };
  w.edit.Events().OnExit = [&](TtsGridControl&) { w.log.push_back("exit"); };
  w.edit.SetFocus();
  EXPECT_TRUE(w.edit.Focused());
  owner.setFocus();
  EXPECT_EQ(w.log, (std::vector<std::string>{"enter", "exit"}));
  owner.setEnabled(false);
  w.log.clear();
  w.edit.SetFocus();
  EXPECT_FALSE(w.edit.Focused());
  EXPECT_EQ(w.log, (std::vector<std::string>{}));
}

TEST(InCellEditorWindow, AnEscapeThatNobodyWantsGoesOnToTheParent)
{
  EditorWindow w;
  bool wantEscape = false;
  w.edit.Hooks().OnWantKey = [&](TtsGridControl&, int, bool& want) { want = wantEscape; };
  w.edit.SetValue(std::string("abc"));
  PressKey(w.Box(), Qt::Key_Escape);
  EXPECT_EQ(w.parent.keys, (std::vector<int>{platform::VK_ESCAPE}));
  wantEscape = true;
  PressKey(w.Box(), Qt::Key_Escape);
  EXPECT_EQ(w.parent.keys.size(), 1u);
  // An edit to undo takes the Escape whoever wants it.
  wantEscape = false;
  testing_support::TypeText(w.Box(), "d");
  PressKey(w.Box(), Qt::Key_Escape);
  EXPECT_EQ(w.edit.Value().AsString(), "abc");
  EXPECT_EQ(w.parent.keys.size(), 1u);
}

TEST(InCellEditorWindow, ItalicTextGetsASlantedCaret)
{
  EditorWindow w;
  w.Box().clearFocus();
  w.Box().Font().SetStyle(platform::fsItalic);
  w.edit.SetFocus();
  ASSERT_EQ(platform::caret::Owner(), &w.Box());
  const int slanted = platform::caret::Rect().width();
  w.Box().clearFocus();
  w.Box().Font().SetStyle(0);
  w.edit.SetFocus();
  EXPECT_EQ(platform::caret::Rect().width(), 1);
  EXPECT_GT(slanted, 1);
}

TEST(InCellEditorWindow, TheCheckBoxIn3DSitsLowerUnderARaisedEdge)
{
  KeyParent parent;
  TtsCheckGridControl check(&parent);
  check.SetColor(platform::clWhite);
  check.SetWidth(40);
  check.SetHeight(18);
  check.Show();
  const QImage flat = check.Box().PaintToImage();
  check.SetCtl3D(true);
  const QImage raised = check.Box().PaintToImage();
  // The glyph's sunken frame starts a row lower; the top row is the edge's light line.
  const int glyphTop = (18 - kCheckGlyphSize) / 2;
  EXPECT_NE(flat.pixel(20, glyphTop), flat.pixel(20, glyphTop - 1));
  EXPECT_EQ(raised.pixel(20, glyphTop), flat.pixel(20, glyphTop - 1));
  EXPECT_EQ(raised.pixel(20, glyphTop + 1), flat.pixel(20, glyphTop));
  EXPECT_EQ(QColor(raised.pixel(20, 0)), QColor(platform::ColorToQColor(platform::clBtnHighlight)));
}

TEST(InCellEditorWindow, AdaptersGiveTheirWindowGlyphsAndDragEvents)
{
  KeyParent parent;  // outlives the windows it takes
  TtsEditGridControl orphan(nullptr);
  EXPECT_EQ(orphan.Handle(), nullptr);
  orphan.SetParentWindow(&parent);
  EXPECT_EQ(orphan.Handle(), &orphan.Window());
  EXPECT_EQ(orphan.ParentWindow(), &parent);
  EXPECT_FALSE(orphan.DragEvents().OnDragOver);
  orphan.DragEvents().OnStartDrag = [] {};
  EXPECT_TRUE(platform::DragEvents(orphan.Window()).OnStartDrag);

  TtsCheckGridControl check(&parent);
  check.SetCheckBoxStyle(stCross);  // cells 0..2
  const auto glyph = check.Glyph(cbGrayed, false);
  EXPECT_EQ(glyph.Source, (platform::TRect{0, 2 * kCheckGlyphSize, kCheckGlyphSize, 3 * kCheckGlyphSize}));
  check.SetCheckBoxStyle(stFlat);
  EXPECT_EQ(check.Glyph(cbChecked, true).Source.Top, 6 * kCheckGlyphSize);  // not pressed: no pressed look
  EXPECT_EQ(check.Glyph(cbChecked, false).Rop, CheckGlyphRop(6));
}

}  // namespace
}  // namespace grid
