#pragma once
// The multi-line editor control: the editing core shown in a window of the fixed-pitch font, with
// margin, bookmarks, selection, scroll bars, a drawn caret, keys through the controller's command
// processor, mouse selection with drag auto-scroll, the wheel and focus.

#include "controls/editor/Borders.h"
#include "controls/editor/CaretHost.h"
#include "controls/editor/Colors.h"
#include "controls/editor/EditorCore.h"
#include "controls/editor/FixedFont.h"
#include "controls/editor/OvcControl.h"
#include "controls/editor/SingleCaret.h"
#include "platform/CanvasTypes.h"

#include <QImage>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform {
class HourglassCursor;
class TCanvas;
class TFont;
}  // namespace platform

namespace controls {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBorderStyle { bsNone, bsSingle };

class TOvcCustomEditor;

// What OnDrawLine is told of a row: S is the whole line with tabs expanded (empty past the last line
// or when scrolled beyond its end), Pos the horizontal offset, Count the columns in view, and the
// selection shown (all 0 when none is shown).
struct TEditorDrawLine {
  platform::TCanvas& Canvas;
  platform::TRect Rect;
  std::string_view S;
  int Line = 0;
  int Pos = 0;
  int Count = 0;
  int HBLine = 0, HBCol = 0, HELine = 0, HECol = 0;
};

class TOvcCustomEditor : public TOvcEditBase, public TOvcEditorView {
 public:
  explicit TOvcCustomEditor(QWidget* parent = nullptr);
  ~TOvcCustomEditor() override;

  // The editing core: positions, commands, edits, clipboard, undo, bookmarks.
  TOvcEditorCore& Core() { return core_; }
  const TOvcEditorCore& Core() const { return core_; }
  int GetLineCount() const { return core_.GetLineCount(); }
  int GetParaCount() const { return core_.GetParaCount(); }
  std::string GetLineText(int line) const { return core_.GetLineText(line); }
  bool ProcessCommand(TOvcCommand cmd, int charCode) { return core_.ProcessCommand(cmd, charCode); }
  void SetSelection(int line1, int col1, int line2, int col2, bool caretAtEnd);
  void SelectAll(bool caretAtEnd) { core_.SelectAll(caretAtEnd); }
  int InsertString(std::string_view text) { return core_.InsertString(text); }
  void CopyToClipboard() { core_.CopyToClipboard(); }
  void CutToClipboard() { core_.CutToClipboard(); }
  void PasteFromClipboard() { core_.PasteFromClipboard(); }
  void Undo() { core_.Undo(); }
  void Redo() { core_.Redo(); }
  void ClearText(bool redraw) { core_.ClearText(redraw); }
  bool Search(std::string_view text, TEditorSearchOptions options) { return core_.Search(text, options); }
  int Replace(std::string_view text, std::string_view replacement, TEditorSearchOptions options)
  {
    return core_.Replace(text, replacement, options);
  }
  std::string GetCurrentWord() const { return core_.GetCurrentWord(); }
  // Shares other's text store and follows its changes.
  void Attach(TOvcCustomEditor& other) { core_.Attach(&other.core_); }

  // Metrics (valid once the window exists).
  int CharWidth() const { return charWidth_; }
  int LineHeight() const { return lineHeight_; }
  int VisibleRows() const { return rows_; }
  int GetVisibleColumns();
  int ScrollDivisor() const;
  platform::TRect TextArea() const;
  void CalcMetrics();

  // Scrolling.
  void ScrollLines(int n) { core_.ScrollView(0, n); }
  void ScrollColumns(int n) { core_.ScrollView(n, 0); }
  // EInvalidLineOrPara for a line outside the text.
  void ScrollToLine(int line);
  void RefreshView(bool updateNow);
  void InvalidateAll(bool updateNow);

  // TOvcEditorView
  int Rows() const override;
  int Columns() const override { return columns_; }
  void InvalidateLines(int first, int last) override;
  void InvalidateAll() override { InvalidateAll(false); }
  void ViewScrolled(int deltaCols, int deltaLines) override;
  void PositionCaret() override;
  void ScrollStateStale() override;
  void RefreshView() override { RefreshView(false); }
  void Beep() override;
  void ShowBusy(bool busy) override;
  std::optional<std::string> ClipboardText() override;

  // Properties.
  bool AutoIndent() const { return core_.AutoIndent(); }
  void SetAutoIndent(bool on) { core_.SetAutoIndent(on); }
  TOvcBorders& Borders() { return borders_; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  // bsSingle: the sunken client edge inside the control, around the text.
  void SetBorderStyle(TBorderStyle style);
  int ByteLimit() const { return core_.ParaList().ByteLimit(); }
  void SetByteLimit(int limit);
  const std::shared_ptr<TOvcCaret>& CaretIns() const { return carets_.InsCaret(); }
  const std::shared_ptr<TOvcCaret>& CaretOvr() const { return carets_.OvrCaret(); }
  void SetCaretIns(std::shared_ptr<TOvcCaret> caret) { carets_.SetInsCaret(std::move(caret)); }
  void SetCaretOvr(std::shared_ptr<TOvcCaret> caret) { carets_.SetOvrCaret(std::move(caret)); }
  TOvcFixedFont& FixedFont() { return fixedFont_; }
  const TOvcFixedFont& FixedFont() const { return fixedFont_; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool on);
  TOvcColors& HighlightColors() { return highlight_; }
  bool InsertMode() const { return core_.InsertMode(); }
  void SetInsertMode(bool on);
  int LeftMargin() const { return leftMargin_; }
  int RightMargin() const { return rightMargin_; }
  void SetLeftMargin(int margin);
  void SetRightMargin(int margin);
  // The margin of older layouts: both margins at once.
  void SetMargin(int margin);
  platform::TColor MarginColor() const { return marginColor_; }
  void SetMarginColor(platform::TColor color);
  int ParaLengthLimit() const { return core_.ParaList().ParaLengthLimit(); }
  void SetParaLengthLimit(int limit);
  int ParaLimit() const { return core_.ParaList().ParaLimit(); }
  void SetParaLimit(int limit);
  bool ReadOnly() const { return core_.ReadOnly(); }
  void SetReadOnly(bool on) { core_.SetReadOnly(on); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  bool ScrollBarsAlways() const { return scrollBarsAlways_; }
  void SetScrollBarsAlways(bool on);
  bool ScrollPastEnd() const { return core_.ScrollPastEnd(); }
  void SetScrollPastEnd(bool on) { core_.SetScrollPastEnd(on); }
  bool ShowBookmarks() const { return showBookmarks_; }
  void SetShowBookmarks(bool on);
  int TabSize() const { return core_.TabSize(); }
  void SetTabSize(int size);
  TTabType TabType() const { return core_.TabType(); }
  void SetTabType(TTabType type);
  bool TrimWhiteSpace() const { return trimWhiteSpace_; }
  void SetTrimWhiteSpace(bool on) { trimWhiteSpace_ = on; }
  int UndoBufferSize() const { return core_.ParaList().UndoBuffer().BufferSize(); }
  void SetUndoBufferSize(int size);
  bool WantEnter() const { return wantEnter_; }
  void SetWantEnter(bool on) { wantEnter_ = on; }
  bool WantTab() const { return wantTab_; }
  void SetWantTab(bool on);
  bool WordWrap() const { return core_.WordWrap(); }
  void SetWordWrap(bool on) { core_.SetWordWrap(on); }
  bool WrapAtLeft() const { return core_.WrapAtLeft(); }
  void SetWrapAtLeft(bool on) { core_.SetWrapAtLeft(on); }
  int WrapColumn() const { return core_.ParaList().WrapColumn(); }
  void SetWrapColumn(int column);
  bool WrapToWindow() const { return wrapToWindow_; }
  void SetWrapToWindow(bool on);
  // The pointer over the text; the margin shows its own.
  platform::TCursor Cursor() const { return cursor_; }
  void SetCursor(platform::TCursor cursor);
  bool Modified() const { return core_.Modified(); }
  void SetModified(bool on) { core_.SetModified(on); }

  // Events.
  std::function<void(TOvcCustomEditor&)> OnChange;
  std::function<void(TOvcCustomEditor&, const TEditorDrawLine&, bool& wasDrawn)> OnDrawLine;
  std::function<void(TOvcCustomEditor&, int errorCode)> OnError;
  std::function<void(TOvcCustomEditor&, int line, int column)> OnShowStatus;
  std::function<void(TOvcCustomEditor&, int topLine)> OnTopLineChanged;
  std::function<void(TOvcCustomEditor&, TOvcCommand command)> OnUserCommand;
  // The form's own key and mouse handlers, run before the editor's.
  std::function<void(TOvcCustomEditor&, int& key, platform::TShiftState)> OnKeyDown;
  std::function<void(TOvcCustomEditor&, char& key)> OnKeyPress;
  // The 8-bit text for text beyond Latin-1 that is typed or pasted; unset, such characters typed are
  // dropped and pasted become '?'.
  std::function<std::string(const QString&)> EightBitText;
  std::function<void(TOvcCustomEditor&, platform::TMouseButton, platform::TShiftState, int x, int y)> OnMouseDown;
  std::function<void(TOvcCustomEditor&)> OnDblClick;

 protected:
  void CreateWnd() override;
  void Paint(platform::TCanvas& canvas) override;
  void KeyDown(int& key, platform::TShiftState shift) override;
  void KeyPress(char& key) override;
  void keyPressEvent(QKeyEvent* event) override;
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseMove(platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void DblClick() override;
  void DoOnMouseWheel(platform::TShiftState shift, int delta, int x, int y) override;
  void FocusIn() override;
  void FocusOut() override;
  void Resized() override;
  void TimerTick(int id) override;
  void ScrollBarMessage(int bar, int code, int pos) override;

 private:
  class TCaretHost : public TOvcCaretHost {
   public:
    explicit TCaretHost(TOvcCustomEditor& editor) : editor_(editor) {}
    bool HasWindow() const override;
    void CreateCaret(const TCaretBitmap* bitmap, int width, int height, bool gray) override;
    void DestroyCaret() override;
    void ShowCaret() override;
    void HideCaret() override;
    void SetCaretPos(int x, int y) override;
    void SetCaretBlinkTime(int milliseconds) override;

   private:
    TOvcCustomEditor& editor_;
  };

  // A position in the text grid: display line and character column.
  struct TLineCol {
    int Line = 1;
    int Col = 1;
  };

  // Metrics and scroll bars.
  void ApplyFont(platform::TFont& font) const;
  void FontChanged();
  void ApplyWrapToWindow();
  void RefreshVerticalBar();
  void RefreshHorizontalRange();
  void RefreshHorizontalPos();
  void ApplyStaleScrollState();
  void VerticalBarMessage(int code, int pos);
  void HorizontalBarMessage(int code, int pos);
  void RecreateWindow();
  void PlaceCaret(bool reportStatus);

  // Painting.
  void PaintMargin(platform::TCanvas& canvas, int firstRow, int lastRow);
  void PaintRow(platform::TCanvas& canvas, int row, const TLineCol& selStart, const TLineCol& selEnd, bool selShown);
  void PaintBorders(platform::TCanvas& canvas);
  TLineCol DisplayPosition(TParaPos pos);
  int FirstBookmarkOnLine(int line);

  // Mouse.
  TLineCol PointerToLineCol(int x, int y);
  void DragPass();
  void DragStep(bool extend);
  void SelectMarginLines(int line, bool pointerAbove);
  void SelectWordOrParagraph(int x, int y, bool extend);
  void EndDrag();

  TOvcEditorCore core_;
  std::unique_ptr<platform::HourglassCursor> busy_;
  TCaretHost caretHost_;
  TOvcCaretPair carets_;
  TOvcFixedFont fixedFont_;
  TOvcColors highlight_;
  TOvcBorders borders_;
  QImage bookmarkGlyphs_;

  int charWidth_ = 8;
  int lineHeight_ = 16;
  int rows_ = 1;
  int columns_ = 1;
  bool metricsValid_ = false;
  bool hasHBar_ = false;
  bool hasVBar_ = false;
  bool vRangeStale_ = false;
  bool vPosStale_ = false;
  bool hPosStale_ = false;
  bool repaintPending_ = false;
  bool swallowChar_ = false;
  int caretX_ = -1;
  int caretY_ = -1;

  // Mouse drag.
  bool dragging_ = false;
  bool marginDrag_ = false;
  bool firstPass_ = true;
  bool overMargin_ = false;
  TLineCol anchor_;
  TLineCol lastStep_{0, 0};
  int pointerX_ = 0;
  int pointerY_ = 0;
  std::chrono::steady_clock::time_point lastStepTime_;

  // Properties.
  TBorderStyle borderStyle_ = bsSingle;
  platform::TCursor cursor_ = platform::crIBeam;
  bool hideSelection_ = true;
  int leftMargin_ = 15;
  int rightMargin_ = 5;
  platform::TColor marginColor_ = platform::clWindow;
  TScrollStyle scrollBars_ = ssBoth;
  bool scrollBarsAlways_ = false;
  bool showBookmarks_ = true;
  bool trimWhiteSpace_ = true;
  bool wantEnter_ = true;
  bool wantTab_ = false;
  bool wrapToWindow_ = false;
};

}  // namespace controls
