#pragma once
// The read-only viewer: numbered lines supplied by a descendant, shown in the fixed-pitch font with a
// margin, a caret, a selection, ten bookmarks, search, copying and scrolling, but no editing. Positions
// are 0-based lines and character columns.

#include "controls/editor/Borders.h"
#include "controls/editor/CommandCodes.h"
#include "controls/editor/Colors.h"
#include "controls/editor/Editor.h"
#include "controls/editor/EditorCore.h"
#include "controls/editor/FixedFont.h"
#include "controls/editor/OvcControl.h"
#include "controls/editor/SingleCaret.h"
#include "controls/textfile/ControlCaretHost.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform {
class TCanvas;
class TFont;
}  // namespace platform

namespace controls {

struct TViewerPos {
  int Line = 0;
  int Col = 0;
  bool operator==(const TViewerPos&) const = default;
  auto operator<=>(const TViewerPos&) const = default;
};

class TOvcBaseViewer : public TOvcCustomControlEx {
 public:
  static constexpr int kMarginWidth = 16;
  static constexpr int kMaxOffset = 512;

  explicit TOvcBaseViewer(QWidget* parent = nullptr);
  ~TOvcBaseViewer() override;

  // The lines, supplied by the descendant.
  virtual std::string_view GetLinePtr(int line) const = 0;
  virtual int ValidLine(int line) const { return line; }
  int LineCount() const { return lineCount_; }

  // A line as shown, tabs expanded, at most maxLen characters; GetLineText at most 255.
  std::string GetLine(int index, int maxLen) const;
  std::string GetLineText(int index) const { return GetLine(index, 255); }

  // Caret, selection, view.
  TViewerPos CaretPos() const { return caret_; }
  TViewerPos SelStart() const { return selStart_; }
  TViewerPos SelEnd() const { return selEnd_; }
  bool HasSelection() const { return selStart_ != selEnd_; }
  std::string SelectedText() const;
  void SetSelection(int line1, int col1, int line2, int col2, bool caretAtEnd);
  int TopLine() const { return topLine_; }
  int HorizontalOffset() const { return offset_; }
  void ScrollToLine(int line);
  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  int RowHeight() const { return rowHeight_; }
  int CharWidth() const { return charWidth_; }

  // Commands (keys translated by the controller's command processor); true when handled.
  bool ProcessCommand(TOvcCommand command);
  // Search with the editor's options: backward (0x02), match case (0x04), from the text's start or end
  // (0x08). True when a match was selected.
  virtual bool Search(std::string_view text, TEditorSearchOptions options);
  // Raises ERegionTooLarge beyond 65520 bytes.
  void CopyToClipboard();
  // Bookmark n (0..9): set at the caret, or cleared when it already holds the caret's position.
  void SetMarker(int n);
  void GotoMarker(int n);
  TViewerPos Bookmark(int n) const { return bookmarks_[std::size_t(n)]; }

  // Properties.
  TOvcBorders& Borders() { return borders_; }
  // The caret's shape (a single caret, shown while the viewer has the focus and ShowCaret is on).
  const std::shared_ptr<TOvcCaret>& Caret() const { return singleCaret_.Caret(); }
  void SetCaret(std::shared_ptr<TOvcCaret> caret) { singleCaret_.SetCaret(std::move(caret)); }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style) { borderStyle_ = style; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  bool ExpandTabs() const { return expandTabs_; }
  void SetExpandTabs(bool on);
  TOvcFixedFont& FixedFont() { return fixedFont_; }
  const TOvcFixedFont& FixedFont() const { return fixedFont_; }
  TOvcColors& HighlightColors() { return highlight_; }
  platform::TColor MarginColor() const { return marginColor_; }
  void SetMarginColor(platform::TColor color);
  bool ShowBookmarks() const { return showBookmarks_; }
  void SetShowBookmarks(bool on);
  bool ShowCaret() const { return showCaret_; }
  void SetShowCaret(bool on);
  int TabSize() const { return tabSize_; }
  void SetTabSize(int size);

  // Events.
  std::function<void(TOvcBaseViewer&, int line, int column)> OnShowStatus;
  std::function<void(TOvcBaseViewer&, int line)> OnTopLineChanged;
  std::function<void(TOvcBaseViewer&, TOvcCommand command)> OnUserCommand;

 protected:
  // A new line count puts the caret at the start and clears selection, offset and bookmarks.
  void SetLineCount(int count);
  void CalcMetrics();

  void Paint(platform::TCanvas& canvas) override;
  void KeyDown(int& key, platform::TShiftState shift) override;
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseMove(platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void DoOnMouseWheel(platform::TShiftState shift, int delta, int x, int y) override;
  void FocusIn() override;
  void FocusOut() override;
  void Resized() override;
  void ScrollBarMessage(int bar, int code, int pos) override;
  void TimerTick(int id) override;
  void CreateWnd() override;

 private:
  // Positions.
  int DisplayColumn(int line, int col) const;
  int CharColumn(int line, int displayCol) const;
  int LineLength(int line) const { return int(GetLinePtr(line).size()); }
  TViewerPos PointerPosition(int x, int y) const;

  // Moves.
  void MoveCaret(int deltaLine, int deltaCol, bool page, bool extend);
  void MoveCaretTo(TViewerPos pos, bool extend);
  void WordLeft(bool extend);
  void WordRight(bool extend);
  void PageTopOrBottom(bool bottom, bool extend);
  void SetTopLine(int top);
  void SetOffset(int offset);
  void CaretChanged(bool extend, bool scroll);
  void ScrollLines(int lines);
  void PlaceCaret();

  // Window.
  void ApplyFont(platform::TFont& font) const;
  void RefreshScrollBars();
  void SetScrollRanges();
  int VerticalDivisor() const;
  void PaintRow(platform::TCanvas& canvas, int row);
  void PaintMargin(platform::TCanvas& canvas, int row);
  void SelectMarginLines(int line, platform::TShiftState shift);
  void SelectRunAt(TViewerPos pos);

  int lineCount_ = 0;
  int topLine_ = 0;
  int offset_ = 0;
  int rows_ = 1;
  int columns_ = 1;
  int rowHeight_ = 16;
  int charWidth_ = 8;
  TViewerPos caret_;
  int caretDisplayCol_ = 0;
  TViewerPos selStart_;
  TViewerPos selEnd_;
  TViewerPos anchor_;
  std::array<TViewerPos, 10> bookmarks_;
  bool marginDrag_ = false;
  bool dragging_ = false;
  QPoint pointer_;

  TControlCaretHost caretHost_{*this};
  TOvcSingleCaret singleCaret_{&caretHost_};
  int caretX_ = -1;
  int caretY_ = -1;
  TOvcBorders borders_;
  TBorderStyle borderStyle_ = bsSingle;
  TScrollStyle scrollBars_ = ssBoth;
  TOvcFixedFont fixedFont_;
  TOvcColors highlight_{platform::clHighlightText, platform::clHighlight};
  QImage bookmarkGlyphs_;
  bool expandTabs_ = true;
  platform::TColor marginColor_ = platform::clWindow;
  bool showBookmarks_ = true;
  bool showCaret_ = true;
  int tabSize_ = 8;
};

}  // namespace controls
