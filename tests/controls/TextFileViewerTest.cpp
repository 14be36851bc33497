#include "controls/editor/Controller.h"
#include "controls/editor/Exceptions.h"
#include "controls/textfile/TextFileViewer.h"
#include "platform/ClipboardText.h"
#include "platform/ScrollBars.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace controls {
namespace {

class TextFileViewerTest : public ::testing::Test {
 protected:
  TextFileViewerTest()
  {
    form.resize(420, 300);
    viewer = new TOvcTextFileViewer(&form);
    viewer->SetController(&controller);
    viewer->resize(400, 200);
    form.show();
    QApplication::setActiveWindow(&form);
    viewer->HandleNeeded();
    viewer->setFocus();
    QApplication::processEvents();
  }

  QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
  void Open(const std::string& bytes)
  {
    QFile file(Path("view.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qsizetype(bytes.size()));
    file.close();
    viewer->SetFileName(Path("view.txt"));
    viewer->SetIsOpen(true);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(viewer, key, modifiers); }

  QTemporaryDir folder;
  QWidget form;
  TOvcController controller{&form};
  TOvcTextFileViewer* viewer;  // owned by the form
};

TEST_F(TextFileViewerTest, AMissingFileRaisesTheLibraryTextAndLeavesTheViewerClosed)
{
  struct Case {
    QString path;
    const char* message;
    int code;
  };
  const Case cases[] = {{Path("missing.txt"), "Viewer: file not found", 2},
                        {Path("no-folder/missing.txt"), "Viewer: path not found or invalid file name", 3}};
  for (const Case& c : cases) {
    viewer->SetFileName(c.path);
    try {
      viewer->SetIsOpen(true);
      ADD_FAILURE() << "no exception";
    } catch (const EInOutError& error) {
      EXPECT_STREQ(error.what(), c.message);
      EXPECT_EQ(error.ErrorCode, c.code);
    }
    EXPECT_FALSE(viewer->IsOpen());
    EXPECT_EQ(viewer->LineCount(), 0);
    EXPECT_EQ(viewer->GetLinePtr(0), "");
  }
  EXPECT_EQ(ViewerErrorText(21), "Viewer triggered I/O error 21");
}

TEST_F(TextFileViewerTest, ShowsTheFilesLinesAndOneEmptyLineAfterThem)
{
  Open("one\r\ntwo\r\nthree\r\n");
  EXPECT_TRUE(viewer->IsOpen());
  EXPECT_EQ(viewer->FileSize(), 17);
  ASSERT_EQ(viewer->LineCount(), 4);
  EXPECT_EQ(viewer->GetLinePtr(2), "three");
  EXPECT_EQ(viewer->GetLinePtr(3), "");
  EXPECT_EQ(viewer->ValidLine(9), 3);
  EXPECT_EQ(viewer->ValidLine(-2), 0);

  Open(std::string(2000, 'a') + "\r\n" + std::string(300, 'b') + "\r\n\tx\x01y\r\n");
  EXPECT_EQ(viewer->GetLinePtr(0).size(), 1023u);
  EXPECT_EQ(viewer->GetLineText(1), std::string(255, 'b'));
  EXPECT_EQ(viewer->GetLineText(2), "        x?y");
  viewer->SetExpandTabs(false);
  EXPECT_EQ(viewer->GetLineText(2), "?x?y");

  viewer->SetIsOpen(false);
  EXPECT_EQ(viewer->LineCount(), 0);
  EXPECT_EQ(viewer->FileSize(), 0);
}

TEST_F(TextFileViewerTest, KeysMoveTheCaretAndExtendTheSelection)
{
  Open("alpha beta\r\nx\r\ngamma delta\r\n");
  ASSERT_TRUE(viewer->hasFocus());
  EXPECT_TRUE(viewer->OwnsCaret());
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{2, 0}));
  Key(Qt::Key_Right, Qt::ControlModifier);  // the next word
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{2, 6}));
  Key(Qt::Key_End, Qt::ShiftModifier);
  EXPECT_EQ(viewer->SelStart(), (TViewerPos{2, 6}));
  EXPECT_EQ(viewer->SelEnd(), (TViewerPos{2, 11}));
  EXPECT_EQ(viewer->SelectedText(), "delta");
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(platform::ClipboardText().value_or(""), "delta");
  Key(Qt::Key_Up);  // a shorter line: the caret stops at its end
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{1, 1}));
  Key(Qt::Key_Right);  // past the end goes on to the next line
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{2, 0}));
  Key(Qt::Key_Left);
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{1, 1}));
  Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{3, 0}));
  Key(Qt::Key_Down);  // nothing below the last line
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{3, 0}));
  viewer->SetSelection(0, 6, 2, 5, true);
  EXPECT_EQ(viewer->SelectedText(), "beta\r\nx\r\ngamma");
}

TEST_F(TextFileViewerTest, BookmarksSearchAndCopyLimits)
{
  Open("cat Cat\r\nconcat\r\n");
  viewer->SetSelection(1, 2, 1, 2, true);
  viewer->SetMarker(3);
  EXPECT_EQ(viewer->Bookmark(3), (TViewerPos{1, 2}));
  viewer->SetMarker(3);  // again at the same place: cleared
  EXPECT_EQ(viewer->Bookmark(3), (TViewerPos{-1, -1}));
  viewer->SetMarker(3);
  viewer->SetSelection(0, 0, 0, 0, true);
  viewer->GotoMarker(3);
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{1, 2}));

  viewer->SetSelection(0, 1, 0, 1, true);
  EXPECT_TRUE(viewer->Search("cat", 0));  // ignoring case, after the caret
  EXPECT_EQ(viewer->SelStart(), (TViewerPos{0, 4}));
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{0, 7}));
  EXPECT_TRUE(viewer->Search("cat", 0x04));
  EXPECT_EQ(viewer->SelStart(), (TViewerPos{1, 3}));
  EXPECT_FALSE(viewer->Search("cat", 0x04));
  EXPECT_TRUE(viewer->Search("cat", 0x02 | 0x08));  // backward from the end: the last match
  EXPECT_EQ(viewer->SelStart(), (TViewerPos{1, 3}));
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{1, 3}));
  EXPECT_TRUE(viewer->Search("cat", 0x02));
  EXPECT_EQ(viewer->SelStart(), (TViewerPos{0, 4}));
  EXPECT_FALSE(viewer->Search("", 0));

  std::string big;
  for (int i = 0; i < 70; ++i)
    big += std::string(1000, 'z') + "\r\n";
  Open(big);
  viewer->SetSelection(0, 0, 69, 1000, true);
  EXPECT_THROW(viewer->CopyToClipboard(), ERegionTooLarge);
}

TEST_F(TextFileViewerTest, TheMouseSelectsAndTheViewScrolls)
{
  std::string text;
  for (int i = 0; i < 100; ++i)
    text += "line " + std::to_string(i) + " words\r\n";
  Open(text);
  const int h = viewer->RowHeight();
  const int w = viewer->CharWidth();
  const auto at = [&](int row, int col) { return QPoint(TOvcBaseViewer::kMarginWidth + col * w + 1, row * h + h / 2); };
  QTest::mouseClick(viewer, Qt::LeftButton, Qt::NoModifier, at(1, 2));
  EXPECT_EQ(viewer->CaretPos(), (TViewerPos{1, 2}));
  QTest::mouseClick(viewer, Qt::LeftButton, Qt::ShiftModifier, at(2, 4));
  EXPECT_EQ(viewer->SelectedText(), "ne 1 words\r\nline");
  QTest::mouseClick(viewer, Qt::LeftButton, Qt::NoModifier, QPoint(4, 3 * h + h / 2));  // the margin: the line
  EXPECT_EQ(viewer->SelectedText(), "line 3 words");
  QTest::mouseDClick(viewer, Qt::LeftButton, Qt::NoModifier, at(4, 6));
  EXPECT_EQ(viewer->SelectedText(), "4 ");

  // A drag held below the rows scrolls on.
  QTest::mousePress(viewer, Qt::LeftButton, Qt::NoModifier, at(0, 0));
  QMouseEvent move(QEvent::MouseMove, QPointF(at(0, 0).x(), viewer->ClientHeight() + 5), QPointF(), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewer, &move);
  QTest::qWait(300);
  QTest::mouseRelease(viewer, Qt::LeftButton, Qt::NoModifier, at(0, 0));
  EXPECT_GT(viewer->TopLine(), 1);
  EXPECT_EQ(viewer->SelStart(), (TViewerPos{0, 0}));

  viewer->ScrollToLine(0);
  QWheelEvent wheel(QPointF(20, 20), viewer->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewer, &wheel);
  EXPECT_EQ(viewer->TopLine(), 1);
  viewer->SetSelection(0, 0, 0, 0, true);
  Key(Qt::Key_PageDown);  // a page less one line, the caret keeping its row
  EXPECT_EQ(viewer->CaretPos().Line, viewer->Rows() - 1);
  EXPECT_EQ(viewer->TopLine(), viewer->Rows() - 1);
  viewer->ScrollToLine(1000);
  EXPECT_EQ(viewer->TopLine(), viewer->LineCount() - viewer->Rows());
  EXPECT_TRUE(viewer->ScrollBarShown(platform::SB_VERT));
  viewer->SetScrollBars(ssHorizontal);
  EXPECT_FALSE(viewer->ScrollBarShown(platform::SB_VERT));
  EXPECT_TRUE(viewer->ScrollBarShown(platform::SB_HORZ));
  EXPECT_EQ(viewer->Rows(), viewer->ClientHeight() / viewer->RowHeight());
}

TEST_F(TextFileViewerTest, PaintsTheLinesTheSelectionAndABookmark)
{
  Open("first line\r\n\tsecond\r\nthird\r\n");
  viewer->SetMarker(0);
  viewer->SetSelection(2, 1, 2, 4, true);
  const QImage image = viewer->PaintToImage();
  image.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots/viewer.png"));
  // The selection is drawn on the highlight colour, the text beside it on the window colour.
  const int y = 2 * viewer->RowHeight() + viewer->RowHeight() / 2;
  const int selected = TOvcBaseViewer::kMarginWidth + 2 * viewer->CharWidth();
  EXPECT_NE(image.pixelColor(selected, y), image.pixelColor(TOvcBaseViewer::kMarginWidth + 8 * viewer->CharWidth(), y));
  EXPECT_EQ(viewer->Rows(), viewer->ClientHeight() / viewer->RowHeight());
}

}  // namespace
}  // namespace controls
