#pragma once
// The in-cell text editor: a self-painted window laid exactly over a text cell that draws its text
// as the grid draws the cell, with its own caret and selection, multi-line cells with word wrap, a
// maximum length, and every step reported to the grid through the hooks of TtsGridControl. Text is
// 8-bit (Latin-1); a line break typed by the user is stored as CR LF.

#include "grid/editor/EditMask.h"
#include "grid/editor/GridControl.h"
#include "grid/paint/CellText.h"
#include "platform/Bitmap.h"

#include <string>

namespace grid {

inline constexpr double kQuarterMargin = 0.25;  // caret margin after typing and arrow moves

class TtsGridEditBox : public TtsGridControl {
 public:
  explicit TtsGridEditBox(QWidget* parent = nullptr);
  ~TtsGridEditBox() override;

  void SetHorzAlignment(TtsHorzAlignment value) override;
  void SetVertAlignment(TtsVertAlignment value) override;
  void SetWordWrap(TtsWordWrap value) override;
  bool IsEditChar(char ch) const override;  // Backspace and codes 32..255

  // The program's value (not an edit) and a value put in as an edit.
  void SetValue(const std::string& text);
  void SetEditedValue(const std::string& text, bool edited);
  std::string Value() const;  // up to the first zero byte
  bool Modified() const { return modified_; }

  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSelStart(int start);    // collapses the selection there and scrolls the caret into view
  void SetSelLength(int length);  // cut at the end of the text
  std::string SelText() const;
  void SetSelText(const std::string& text);
  void SelectAll();
  int CaretPos() const { return caretPos_; }

  void CutToClipboard(bool byUser);
  void CopyToClipboard() const;
  void PasteFromClipboard(bool byUser);
  bool UndoEdit();  // restored the text before the first change

  int EditMaxLength() const { return editMaxLength_; }
  void SetEditMaxLength(int value) { editMaxLength_ = std::max(value, 0); }
  const std::string& MaskName() const { return maskName_; }
  void SetMaskName(const std::string& name);
  void SetMaskDefs(TtsMaskLookup lookup);
  // The mask MaskName names, looked up once; none without one.
  TtsEditMask* Mask();
  // The definitions changed or are going away: the next check looks the mask up again.
  void ForgetMask() { editMask_ = nullptr; }

  int LineCount() const { return int(lines_.size()); }
  const TtsLineStarts& LineStarts() const { return lines_; }
  int TopLine() const { return topLine_; }
  int ScrollOffset() const { return scrollOffset_; }
  bool IsMultiLine() const;
  platform::TPoint CaretPoint() const { return caretPoint_; }

  // Draws the text as the editor shows it, without caret, at (x, y) clipped to rect (the grid's
  // painting of the cell under edit).
  void PaintText(platform::TCanvas& canvas, int height, const platform::TRect& rect, int x, int y,
                 bool showSelection) const;

 protected:
  void PaintEditor(platform::TCanvas& canvas) override;
  void SwitchesChanged() override;
  void EditorKeyDown(int& key, platform::TShiftState shift) override;
  void EditorKeyPress(char& key) override;
  void EditorKeyUp(int& key, platform::TShiftState shift) override;
  void EditorMouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void EditorMouseMove(platform::TShiftState shift, int x, int y) override;
  void EditorMouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void EditorDblClick() override;
  void FocusIn() override;
  void FocusOut() override;
  void Resized() override;
  void TimerTick(int id) override;

 private:
  struct Command;

  TtsTextMetrics Metrics() const;
  int LineHeight() const { return Metrics().LineHeight(); }
  bool IsRightAligned() const { return HorzAlignment() == htaRight; }
  int RightEdge() const { return width() - rightMargin_; }
  void Layout();
  void Relayout();  // after a resize, alignment or wrap change
  int LineEnd(int line, bool withBreak) const;
  int LineOf(int offset) const;
  int LineLeft(int line) const;
  int FirstTop() const;
  int CaretXAt(int offset, int line) const;
  int HitTest(int x, int y) const;
  void UpdateCaret();
  int CaretOverhang() const;  // italic fonts get a slanted caret this much wider
  void ScrollCaretIntoView(double margin);
  void MoveCaretTo(int offset, bool extend, double margin);
  int NextChar(int offset) const;
  int PrevChar(int offset) const;
  int NextWord(int offset) const;
  int PrevWord(int offset) const;

  void AssignText(const std::string& text, bool byUser, bool edited);
  void SaveUndoState();
  bool InsertText(const std::string& text);
  bool MaskAccepts(std::string& keys);
  bool DeleteSelection(bool byUser);
  bool DeleteChar(bool backwards);
  void ReplaceSelection(const std::string& text);
  void AfterTextChange(int caret, double margin);
  bool RunKey(int key, platform::TShiftState shift, bool& consume, bool& changed, bool& undone);

  std::string text_;
  std::string undoText_;
  bool modified_ = false;
  int selStart_ = 0;
  int selLength_ = 0;
  int caretPos_ = 0;
  int scrollOffset_ = 0;
  int topLine_ = 0;
  TtsLineStarts lines_{0};
  platform::TPoint caretPoint_{0, 0};
  int caretLine_ = 0;
  bool caretOnNextLine_ = true;
  bool caretWanted_ = false;
  bool mouseSelecting_ = false;
  int selAnchor_ = 0;
  platform::TPoint mouseDownPoint_{0, 0};
  platform::TPoint dragPoint_{0, 0};  // repeated while held outside a single-line editor
  bool keyRepeating_ = false;
  int rightMargin_ = 0;
  int editMaxLength_ = 0;
  std::string maskName_;
  TtsMaskLookup maskDefs_;
  TtsEditMask* editMask_ = nullptr;
  mutable platform::TBitmap measure_{1, 1};
};

}  // namespace grid
