#include "controls/editor/EditorScroll.h"
#include "controls/editor/Exceptions.h"
#include "platform/CanvasImage.h"
#include "platform/Caret.h"
#include "platform/ClipboardText.h"
#include "platform/Color.h"
#include "tests/controls/EditorWindow.h"

#include <QDir>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace controls {
namespace {

using platform::SB_HORZ;
using platform::SB_VERT;
using test::EditorWindow;
using Lines = std::vector<std::string>;

TEST(EditorScroll, DivisorKeepsHugeTextsWithinTheBarsRange)
{
  struct Case {
    int lines, rows, divisor, maximum;
  };
  for (const Case& c : {Case{100000, 20, 6, 16663}, Case{32786, 20, 1, 32767}, Case{32787, 20, 2, 16384},
                        Case{5, 20, 1, 0}, Case{1, 1, 1, 1}}) {
    SCOPED_TRACE(c.lines);
    EXPECT_EQ(VerticalDivisor(c.lines, c.rows), c.divisor);
    EXPECT_EQ(VerticalMaximum(c.lines, c.rows, false), c.maximum);
  }
  EXPECT_EQ(VerticalMaximum(5, 20, true), 2);
  // The thumb's ends reach the first and the last page.
  EXPECT_EQ(ThumbToTopLine(1, 100000, 20, false), 1);
  EXPECT_EQ(ThumbToTopLine(16663, 100000, 20, false), 16663 * 6);
  EXPECT_EQ(ThumbToTopLine(2, 100000, 20, false), 12);
  EXPECT_EQ(ThumbToTopLine(16666, 100000, 20, false), 99996);
  EXPECT_EQ(ThumbToTopLine(20000, 100000, 20, false), 99999);
  EXPECT_EQ(HorizontalMaximum(false, 80, 32767, false), 512);
  EXPECT_EQ(HorizontalMaximum(true, 80, 32767, false), 80);
}

TEST(EditorScroll, DragStepsComeSoonerFurtherFromTheText)
{
  // A 16-pixel scroll bar: base wait 48 ms.
  EXPECT_EQ(DragStepWait(0, 16), 0);
  EXPECT_EQ(DragStepWait(10, 16), 38);
  EXPECT_LT(DragStepWait(60, 16), 0);
}

TEST(EditorControl, MetricsFollowTheFixedFontAndNeverDropBelowOneCell)
{
  EditorWindow w(10);
  TOvcCustomEditor& e = *w.editor;
  EXPECT_GT(e.CharWidth(), 3);
  EXPECT_GT(e.LineHeight(), 8);
  EXPECT_EQ(e.VisibleRows(), 10);
  EXPECT_EQ(e.GetVisibleColumns(), (e.ClientWidth() - 15 - 5) / e.CharWidth());

  e.resize(10, 5);
  QApplication::processEvents();
  EXPECT_EQ(e.GetVisibleColumns(), 1);
  EXPECT_EQ(e.VisibleRows(), 1);

  // Every character fills one cell: the text grid does not drift along a line.
  QImage probe(1, 1, QImage::Format_RGB32);
  platform::TImageCanvas canvas(probe);
  canvas.Font().SetName(QString::fromStdString(e.FixedFont().Name()));
  canvas.Font().SetSize(e.FixedFont().Size());
  EXPECT_EQ(canvas.TextWidth(QString(200, QLatin1Char('W'))), 200 * e.CharWidth());

  const int before = e.CharWidth();
  e.FixedFont().SetSize(20);
  EXPECT_GT(e.CharWidth(), before);
}

TEST(EditorControl, KeysSplitIndentAndTabAsTheSettingsSay)
{
  EditorWindow w;
  w.Type("abc   def");
  w.Key(Qt::Key_Home);
  for (int i = 0; i < 6; ++i)
    w.Key(Qt::Key_Right);
  w.Key(Qt::Key_Return);
  EXPECT_EQ(w.Text(), (Lines{"abc", "def"}));
  EXPECT_EQ(w.editor->Core().CaretPara(), (TParaPos{2, 1}));

  // Down on the last line changes nothing, not even the column.
  w.Key(Qt::Key_End);
  w.Key(Qt::Key_Down);
  EXPECT_EQ(w.editor->Core().CaretLine(), 2);
  EXPECT_EQ(w.editor->Core().CaretCol(), 4);

  EditorWindow indent;
  indent.editor->SetAutoIndent(true);
  indent.editor->SetWantTab(true);
  indent.Key(Qt::Key_Tab);
  indent.Key(Qt::Key_Tab);
  indent.Type("x");
  indent.Key(Qt::Key_Return);
  indent.Type("y");
  EXPECT_EQ(indent.Text(), (Lines{"\t\tx", "\t\ty"}));

  EditorWindow fixed;
  fixed.editor->SetTabType(ttFixed);
  fixed.editor->SetWantTab(true);
  fixed.Type("abcd");
  fixed.Key(Qt::Key_Tab);
  fixed.Type("e");
  EXPECT_EQ(fixed.Text(), (Lines{"abcd    e"}));
}

TEST(EditorControl, TabLeavesTheEditorUnlessItIsWanted)
{
  EditorWindow w;
  QWidget next(&w.form);
  next.setFocusPolicy(Qt::StrongFocus);
  next.show();
  w.editor->setFocus();
  w.Key(Qt::Key_Tab);
  EXPECT_EQ(w.Text(), (Lines{""}));
  EXPECT_FALSE(w.editor->hasFocus());
}

TEST(EditorControl, CopyPasteAndUndoThroughKeys)
{
  EditorWindow w;
  w.Load({"a\tb", "cd", "ef"});
  w.Key(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
  w.Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(platform::ClipboardText(), std::optional<std::string>("a b\r\ncd\r\nef"));

  platform::SetClipboardText("x\r\ny\r\nz");
  w.Key(Qt::Key_End, Qt::ControlModifier);
  w.Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w.Text(), (Lines{"a\tb", "cd", "efx", "y", "z"}));
  EXPECT_EQ(w.editor->Core().CaretPara(), (TParaPos{5, 2}));
  w.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(w.Text(), (Lines{"a\tb", "cd", "ef"}));
  w.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(w.Text(), (Lines{"a\tb", "cd", "efx", "y", "z"}));
}

TEST(EditorControl, BookmarksBySequenceAndCommandsFromTheKeyMap)
{
  EditorWindow w;
  w.Load({"one", "two", "three"});
  w.Key(Qt::Key_Down);
  w.Key(Qt::Key_Right);
  w.Key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(w.editor->Core().ParaList().Bookmark(3), (TParaPos{2, 2}));
  w.Key(Qt::Key_End, Qt::ControlModifier);
  w.Key(Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(w.editor->Core().CaretPara(), (TParaPos{2, 2}));
  // A two-key sequence of the WordStar table: Ctrl+K 4 sets bookmark 4 and the 4 is not typed.
  w.controller.EntryCommands().GetTable("WordStar")->Active = true;
  w.Key(Qt::Key_Right);
  w.Key(Qt::Key_K, Qt::ControlModifier);
  w.Key(Qt::Key_4);
  EXPECT_EQ(w.editor->Core().ParaList().Bookmark(4), (TParaPos{2, 3}));
  EXPECT_EQ(w.Text(), (Lines{"one", "two", "three"}));
  w.Key(Qt::Key_Left);

  // Overwrite mode from Insert; the caret turns into a block.
  w.Key(Qt::Key_Insert);
  EXPECT_FALSE(w.editor->InsertMode());
  w.Type("X");
  EXPECT_EQ(w.Text(), (Lines{"one", "tXo", "three"}));
  w.Key(Qt::Key_Backspace);
  EXPECT_EQ(w.Text(), (Lines{"one", "to", "three"}));
}

TEST(EditorControl, InsertModeIsSharedThroughTheController)
{
  EditorWindow w;
  auto* other = new TOvcCustomEditor(&w.form);
  other->setGeometry(0, 300, 200, 100);
  other->show();
  w.Key(Qt::Key_Insert);
  other->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(other->InsertMode());
}

TEST(EditorControl, EditorsSharingOneTextStoreFollowEachOther)
{
  EditorWindow w;
  auto* second = new TOvcCustomEditor(&w.form);
  second->setGeometry(0, 300, 300, 150);
  second->show();
  QApplication::processEvents();
  w.Load({"hello world", "second"});
  second->Attach(*w.editor);
  second->Core().MoveCaretTo(1, 7, false);  // before the w
  w.editor->setFocus();
  w.Key(Qt::Key_Home);
  w.Type("X");
  EXPECT_EQ(second->GetLineText(1), "Xhello world");
  EXPECT_EQ(second->Core().CaretPara(), (TParaPos{1, 8}));  // still before the w
  w.Key(Qt::Key_Return);
  EXPECT_EQ(second->Core().CaretPara(), (TParaPos{2, 7}));
  EXPECT_EQ(second->GetLineCount(), 3);

  // Attaching to the store it already shares changes nothing.
  second->Attach(*w.editor);
  EXPECT_EQ(second->Core().CaretPara(), (TParaPos{2, 7}));
}

TEST(EditorControl, HundredThousandLinesScrollWithTheDivisorAndKeepTheCaretVisible)
{
  EditorWindow w(20);
  TOvcParaList& list = w.editor->Core().ParaList();
  for (int i = 1; i < 100000; ++i)
    list.AddPara("line " + std::to_string(i), false);
  w.editor->RefreshView(false);
  ASSERT_EQ(w.editor->GetLineCount(), 100000);
  ASSERT_EQ(w.editor->VisibleRows(), 20);
  EXPECT_EQ(w.editor->ScrollDivisor(), 6);
  const platform::TScrollInfo bar = w.editor->GetScrollInfo(SB_VERT);
  EXPECT_EQ(bar.Min, 1);
  EXPECT_EQ(bar.Max, 100000 / 6);

  w.Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(w.editor->Core().CaretLine(), 100000);
  EXPECT_EQ(w.editor->Core().TopLine(), 99981);
  EXPECT_EQ(w.editor->GetScrollPos(SB_VERT), 99981 / 6);
  w.Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(w.editor->Core().TopLine(), 1);
  EXPECT_EQ(w.editor->Core().CaretLine(), 1);

  // Dragging the thumb to the end shows the last page.
  auto* thumb = w.editor->findChildren<QScrollBar*>().at(0);
  if (thumb->orientation() != Qt::Vertical)
    thumb = w.editor->findChildren<QScrollBar*>().at(1);
  thumb->setSliderDown(true);
  thumb->setSliderPosition(thumb->maximum());
  thumb->setSliderDown(false);
  EXPECT_EQ(w.editor->Core().TopLine(), 99981);

  // The caret stayed on line 1; a page down brings the view back to it.
  w.Key(Qt::Key_PageDown);
  EXPECT_EQ(w.editor->Core().CaretLine(), 20);
  EXPECT_EQ(w.editor->Core().TopLine(), 20);
}

TEST(EditorControl, ScrollBarStepsMoveTheViewAndTheHorizontalRangeIsTheParagraphLimit)
{
  EditorWindow w(5);
  Lines text;
  for (int i = 1; i <= 30; ++i)
    text.push_back(std::string(std::size_t(i * 3), 'x'));
  w.Load(text);
  auto* bars = w.editor->findChildren<QScrollBar*>().data();
  QScrollBar* vertical = bars[0]->orientation() == Qt::Vertical ? bars[0] : bars[1];
  QScrollBar* horizontal = bars[0]->orientation() == Qt::Vertical ? bars[1] : bars[0];
  vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(w.editor->Core().TopLine(), 1 + 1 + 5);
  horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(w.editor->Core().HorizontalOffset(), 1);
  EXPECT_EQ(w.editor->GetScrollInfo(SB_HORZ).Max, 512);
  int tops = 0;
  w.editor->OnTopLineChanged = [&](TOvcCustomEditor&, int) { ++tops; };
  w.editor->ScrollToLine(30);
  EXPECT_EQ(w.editor->Core().TopLine(), 26);  // the last page stays full
  EXPECT_EQ(tops, 1);
  EXPECT_THROW(w.editor->ScrollToLine(31), EInvalidLineOrPara);
}

TEST(EditorControl, WheelScrollsOneLinePerStep)
{
  EditorWindow w(5);
  w.Load(Lines(40, "text"));
  const auto wheel = [&](int delta) {
    QWheelEvent event(QPointF(30, 10), QPointF(30, 10), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.editor, &event);
  };
  wheel(-120);
  EXPECT_EQ(w.editor->Core().TopLine(), 2);
  wheel(-360);
  EXPECT_EQ(w.editor->Core().TopLine(), 5);
  wheel(120);
  EXPECT_EQ(w.editor->Core().TopLine(), 4);
  EXPECT_EQ(w.editor->Core().CaretLine(), 1);  // the caret stays
}

TEST(EditorControl, StatusReportsTheCaretAfterTheOperation)
{
  EditorWindow w;
  w.Load({"a\tb"});
  std::vector<std::pair<int, int>> status;
  w.editor->OnShowStatus = [&](TOvcCustomEditor&, int line, int column) { status.emplace_back(line, column); };
  w.Key(Qt::Key_End);
  EXPECT_TRUE(status.empty());  // posted, not yet delivered
  QApplication::processEvents();
  ASSERT_FALSE(status.empty());
  EXPECT_EQ(status.back(), (std::pair<int, int>{1, 10}));  // after the tab's 8 cells and the b
}

// A text with a selection, a bookmark and a line longer than the window.
void FillSample(EditorWindow& w)
{
  w.Load({"int main()", "{", "\treturn 0;  // a comment that runs far beyond the right edge of the window", "}",
          "selected text here", "last"});
  w.editor->Core().MoveCaretTo(3, 1, false);
  w.editor->Core().SetMarker(2);
  w.editor->SetSelection(5, 1, 5, 9, true);
}

TEST(EditorControl, PaintsMarginBookmarkSelectionAndClippedText)
{
  EditorWindow w(8, 320);
  FillSample(w);
  TOvcCustomEditor& e = *w.editor;
  const QImage image = e.PaintToImage();
  QDir().mkpath(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots"));
  image.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots/editor.png"));
  e.grab().save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots/editor-window.png"));

  const QColor highlight = platform::ColorToQColor(platform::clHighlight);
  const QColor window = platform::ColorToQColor(platform::clWindow);
  // The selection: characters 1 to 8 of line 5, not beyond.
  EXPECT_EQ(image.pixelColor(w.Cell(5, 1) + QPoint(1, 0)), highlight);
  EXPECT_EQ(image.pixelColor(w.Cell(5, 8) + QPoint(1, 0)), highlight);
  EXPECT_EQ(image.pixelColor(w.Cell(5, 9) + QPoint(1, 0)), window);
  EXPECT_EQ(image.pixelColor(w.Cell(4, 3) + QPoint(1, 0)), window);
  // The bookmark's glyph sits in the margin of line 3 and nowhere else.
  const auto marginInk = [&](int line) {
    int ink = 0;
    for (int y = 0; y < e.LineHeight(); ++y)
      for (int x = 0; x < e.LeftMargin(); ++x)
        ink += image.pixelColor(x, (line - 1) * e.LineHeight() + y) != window;
    return ink;
  };
  EXPECT_GT(marginInk(3), 20);
  EXPECT_EQ(marginInk(2), 0);
  // The long line is cut at the text area's right edge.
  int inkRightOfText = 0;
  for (int x = e.TextArea().Right; x < e.ClientWidth(); ++x)
    for (int y = 2 * e.LineHeight(); y < 3 * e.LineHeight(); ++y)
      inkRightOfText += image.pixelColor(x, y) != window;
  EXPECT_EQ(inkRightOfText, 0);
}

TEST(EditorControl, HideSelectionShowsTheSelectionOnlyWithTheFocus)
{
  EditorWindow w;
  FillSample(w);
  QWidget other(&w.form);
  other.setFocusPolicy(Qt::StrongFocus);
  other.show();
  const QColor highlight = platform::ColorToQColor(platform::clHighlight);
  const auto selectedShown = [&] { return w.editor->PaintToImage().pixelColor(w.Cell(5, 2)) == highlight; };
  EXPECT_TRUE(selectedShown());
  other.setFocus();
  EXPECT_FALSE(selectedShown());
  w.editor->SetHideSelection(false);
  EXPECT_TRUE(selectedShown());
  w.editor->SetHideSelection(true);
  w.editor->setFocus();
  EXPECT_TRUE(selectedShown());
}

TEST(EditorControl, DrawLineHandlerSeesTheRowAndMayDrawIt)
{
  EditorWindow w(3);
  FillSample(w);
  w.editor->Core().MoveCaretTo(4, 1, false);
  w.editor->SetSelection(3, 2, 4, 1, true);
  std::vector<int> lines;
  w.editor->OnDrawLine = [&](TOvcCustomEditor&, const TEditorDrawLine& row, bool& wasDrawn) {
    lines.push_back(row.Line);
    if (row.Line == 3) {
      EXPECT_EQ(row.S.substr(0, 14), "        return");  // tab expanded
      EXPECT_EQ(row.HBLine, 3);
      EXPECT_EQ(row.HBCol, 9);
      EXPECT_EQ(row.HELine, 4);
      EXPECT_EQ(row.HECol, 1);
      wasDrawn = true;
    }
  };
  w.editor->PaintToImage();
  EXPECT_EQ(lines, (std::vector<int>{w.editor->Core().TopLine(), w.editor->Core().TopLine() + 1,
                                     w.editor->Core().TopLine() + 2}));
}

TEST(EditorControl, SettersIgnoreValuesOutsideTheirRange)
{
  EditorWindow w;
  TOvcCustomEditor& e = *w.editor;
  e.SetLeftMargin(-1);
  e.SetParaLengthLimit(0);
  e.SetParaLengthLimit(40000);
  e.SetParaLimit(0);
  e.SetByteLimit(-5);
  e.SetTabSize(0);
  e.SetWrapColumn(0);
  EXPECT_EQ(e.LeftMargin(), 15);
  EXPECT_EQ(e.ParaLengthLimit(), 32767);
  EXPECT_EQ(e.ParaLimit(), 2147483647);
  EXPECT_EQ(e.ByteLimit(), 2147483647);
  EXPECT_EQ(e.TabSize(), 8);
  EXPECT_EQ(e.WrapColumn(), 80);
  e.SetMargin(4);
  EXPECT_EQ(e.LeftMargin(), 4);
  EXPECT_EQ(e.RightMargin(), 4);
  e.SetScrollBars(ssNone);
  EXPECT_FALSE(e.ScrollBarShown(SB_VERT));
  EXPECT_FALSE(e.ScrollBarShown(SB_HORZ));
  e.SetScrollBarsAlways(true);
  EXPECT_FALSE(e.ScrollBarsAlways());
  e.SetWordWrap(true);
  e.SetScrollPastEnd(true);
  EXPECT_FALSE(e.WordWrap());
}

TEST(EditorControl, WrapToWindowFollowsTheColumnsInView)
{
  EditorWindow w(5, 300);
  w.editor->SetWordWrap(true);
  w.editor->SetWrapToWindow(true);
  EXPECT_EQ(w.editor->WrapColumn(), w.editor->GetVisibleColumns() - 2);
  w.Load({std::string(200, 'a')});
  EXPECT_GT(w.editor->GetLineCount(), 1);
  w.editor->resize(600, w.editor->height());
  QApplication::processEvents();
  EXPECT_EQ(w.editor->WrapColumn(), w.editor->GetVisibleColumns() - 2);
}

}  // namespace
}  // namespace controls

namespace controls {
namespace {

// Keys of the "Default" table, pressed on "alpha beta" / "gamma delta" / "last" with the caret at (1, 3).
TEST(EditorControl, KeysReachTheirCommandsThroughTheKeyMap)
{
  struct Case {
    const char* name;
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
    Lines text;
    TParaPos caret;
    TParaPos selStart;
  };
  const Qt::KeyboardModifiers none = Qt::NoModifier;
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
  const Lines original{"alpha beta", "gamma delta", "last"};
  const Case cases[] = {
      {"word right", {{Qt::Key_Right, ctrl}}, original, {1, 7}, {1, 7}},
      {"word left", {{Qt::Key_Down, none}, {Qt::Key_Left, ctrl}}, original, {2, 1}, {2, 1}},
      {"extend word right", {{Qt::Key_Right, ctrl | shift}}, original, {1, 7}, {1, 3}},
      {"extend down", {{Qt::Key_Down, shift}}, original, {2, 3}, {1, 3}},
      {"extend to end", {{Qt::Key_End, ctrl | shift}}, original, {3, 5}, {1, 3}},
      {"delete", {{Qt::Key_Delete, none}}, {"alha beta", "gamma delta", "last"}, {1, 3}, {1, 3}},
      {"backspace", {{Qt::Key_Backspace, none}}, {"apha beta", "gamma delta", "last"}, {1, 2}, {1, 2}},
      {"join by delete at the end", {{Qt::Key_End, none}, {Qt::Key_Delete, none}},
       {"alpha betagamma delta", "last"}, {1, 11}, {1, 11}},
      {"cut and paste by Shift+Delete and Shift+Insert",
       {{Qt::Key_End, shift}, {Qt::Key_Delete, shift}, {Qt::Key_Down, none}, {Qt::Key_Insert, shift}},
       {"al", "gapha betamma delta", "last"}, {2, 11}, {2, 11}},
      {"bottom of page", {{Qt::Key_PageDown, ctrl}}, original, {3, 3}, {3, 3}},
      {"ctrl+enter splits", {{Qt::Key_Return, ctrl}}, {"al", "pha beta", "gamma delta", "last"}, {2, 1}, {2, 1}},
      {"undo of a typed word", {{Qt::Key_X, none}, {Qt::Key_Y, none}, {Qt::Key_Z, ctrl}}, original, {1, 3}, {1, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorWindow w;
    w.Load(original);
    w.editor->Core().MoveCaretTo(1, 3, false);
    for (const auto& [key, modifiers] : c.keys) {
      if (key == Qt::Key_X || key == Qt::Key_Y)
        w.Type(key == Qt::Key_X ? "x" : "y");
      else
        w.Key(key, modifiers);
    }
    EXPECT_EQ(w.Text(), c.text);
    EXPECT_EQ(w.editor->Core().CaretPara(), c.caret);
    EXPECT_EQ(w.editor->Core().SelStart(), c.selStart);
  }
}

TEST(EditorControl, EventsReportChangesErrorsAndUserCommands)
{
  EditorWindow w;
  int changes = 0;
  std::vector<int> errors;
  std::vector<TOvcCommand> commands;
  w.editor->OnChange = [&](TOvcCustomEditor&) { ++changes; };
  w.editor->OnError = [&](TOvcCustomEditor&, int code) { errors.push_back(code); };
  w.editor->OnUserCommand = [&](TOvcCustomEditor&, TOvcCommand cmd) { commands.push_back(cmd); };
  w.editor->SetParaLengthLimit(5);
  w.Type("abcdefg");
  EXPECT_EQ(w.Text(), (Lines{"abcde"}));
  EXPECT_EQ(errors, (std::vector<int>{ecParaTooLong, ecParaTooLong}));
  EXPECT_EQ(changes, 7);
  w.Key(Qt::Key_Left);
  EXPECT_EQ(changes, 7);
  w.controller.EntryCommands().AddCommand("Default", TOvcCmdRow{'U', csCtrl, 0, 0, 300});
  w.Key(Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(commands, (std::vector<TOvcCommand>{300}));

  // Without a handler the error is raised and shown; the text stays as it was.
  w.editor->OnError = nullptr;
  EXPECT_THROW(w.editor->ProcessCommand(ccChar, 'z'), EEditorError);
  EXPECT_EQ(w.Text(), (Lines{"abcde"}));
}

TEST(EditorControl, TheCaretIsDrawnAtTheCaretCellWhileFocused)
{
  EditorWindow w;
  w.Type("a\tb");
  const int x = w.editor->LeftMargin() + 9 * w.editor->CharWidth();  // after the tab's 8 cells and the b
  ASSERT_TRUE(w.editor->OwnsCaret());
  // The caret's rectangle is in the control's coordinates, the cell's inside the frame.
  EXPECT_EQ(platform::caret::Rect().topLeft(), w.OnWidget(QPoint(x - 1, 0)));
  EXPECT_EQ(platform::caret::Rect().height(), w.editor->LineHeight());
  w.Key(Qt::Key_Insert);  // overwrite: a block over the cell
  EXPECT_EQ(platform::caret::Rect().topLeft(), w.OnWidget(QPoint(x, 0)));
  EXPECT_EQ(platform::caret::Rect().width(), w.editor->CharWidth());
  w.Key(Qt::Key_Insert);
}

}  // namespace
}  // namespace controls

namespace controls {
namespace {

TEST(EditorControl, GrowingTheWindowUntilTheTextFitsShowsItFromTheTop)
{
  EditorWindow w(5);
  w.Load(Lines(8, "row"));
  w.Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(w.editor->Core().TopLine(), 4);
  w.SetRows(10, 300);
  EXPECT_EQ(w.editor->Core().TopLine(), 1);
}

TEST(EditorControl, ADisabledEditorDrawsGrayTextWithoutTheSelection)
{
  EditorWindow w;
  FillSample(w);
  w.editor->SetHideSelection(false);
  w.editor->setEnabled(false);
  const QImage image = w.editor->PaintToImage();
  const QColor gray = platform::ColorToQColor(platform::clGrayText);
  const QColor highlight = platform::ColorToQColor(platform::clHighlight);
  bool grayInk = false;
  bool highlighted = false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = w.editor->LeftMargin(); x < image.width(); ++x) {
      grayInk = grayInk || image.pixelColor(x, y) == gray;
      highlighted = highlighted || image.pixelColor(x, y) == highlight;
    }
  EXPECT_TRUE(grayInk);
  EXPECT_FALSE(highlighted);
}

TEST(EditorControl, ScrollBarsAlwaysKeepsBothBarsForAShortText)
{
  EditorWindow w(5, 600);
  w.editor->SetParaLengthLimit(40);  // fewer columns than the window shows
  EXPECT_FALSE(w.editor->ScrollBarShown(SB_HORZ));
  EXPECT_FALSE(w.editor->ScrollBarEnabled(SB_VERT));
  w.editor->SetScrollBarsAlways(true);
  EXPECT_TRUE(w.editor->ScrollBarShown(SB_HORZ));
  EXPECT_TRUE(w.editor->ScrollBarShown(SB_VERT));
}

}  // namespace
}  // namespace controls

namespace controls {
namespace {

TEST(EditorControl, TheViewFollowsTheCaretPastTheRightEdge)
{
  EditorWindow w(5);
  w.Load({std::string(300, 'x'), "short"});
  const int columns = w.editor->GetVisibleColumns();
  w.Key(Qt::Key_End);
  EXPECT_EQ(w.editor->Core().HorizontalOffset(), 301 - columns);
  w.Key(Qt::Key_Home);
  EXPECT_EQ(w.editor->Core().HorizontalOffset(), 0);
  for (int i = 0; i < columns; ++i)
    w.Key(Qt::Key_Right);
  EXPECT_EQ(w.editor->Core().HorizontalOffset(), 1);  // one column at a time
  w.Type("abc");
  EXPECT_EQ(w.editor->Core().HorizontalOffset(), 4);
}

}  // namespace
}  // namespace controls
