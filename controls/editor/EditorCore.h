#pragma once
// The editing core of the multi-line editor: caret, selection and top line over one text store, the
// editor commands, bookmarks, clipboard, undo and redo, and the ring of editors sharing one store.
// The window side (painting, scroll bars, keys and mouse) reaches it through TOvcEditorView.

#include "controls/editor/CommandCodes.h"
#include "controls/editor/EditorView.h"
#include "controls/editor/ParaList.h"
#include "controls/editor/PositionRules.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace controls {

enum TTabType { ttReal, ttFixed, ttSmart };

// The code of a typed character passed to ProcessCommand.
inline constexpr TOvcCommand ccChar = 249;
inline constexpr TOvcCommand ccUserFirst = 256;

// Option bits of a search or replace.
using TEditorSearchOptions = std::uint8_t;
inline constexpr TEditorSearchOptions soBackward = 0x02;    // clear: forward
inline constexpr TEditorSearchOptions soMatchCase = 0x04;   // clear: ignore case
inline constexpr TEditorSearchOptions soGlobal = 0x08;      // from the start (or end) of the text, not the caret
inline constexpr TEditorSearchOptions soReplace = 0x10;     // replace a selection equal to the text, find the next
inline constexpr TEditorSearchOptions soReplaceAll = 0x20;
inline constexpr TEditorSearchOptions soWholeWord = 0x40;
inline constexpr TEditorSearchOptions soSelection = 0x80;   // only inside the selection (before soGlobal)

// The characters that end a word.
bool IsWordDelimiter(char ch);
// The message of an editing result code (263..268; any other code is an unknown error).
std::string EditorErrorText(int code);

class TOvcEditorCore : public TParaListEditor {
 public:
  explicit TOvcEditorCore(TOvcEditorView* view = nullptr);
  ~TOvcEditorCore() override;
  TOvcEditorCore(const TOvcEditorCore&) = delete;
  TOvcEditorCore& operator=(const TOvcEditorCore&) = delete;

  // Queries.
  int GetLineCount() const { return list_->LineCount(); }
  int GetParaCount() const { return list_->ParaCount(); }
  // Display line, tabs expanded; EInvalidLineOrPara for a line outside the text.
  std::string GetLine(int line) const;
  std::string GetLineText(int line) const { return GetLine(line); }
  std::string_view GetPara(int para) const;
  std::string_view GetParaText(int para) const { return GetPara(para); }
  void ParaPosToLineCol(int& para, int& pos) const;
  bool HasSelection() const { return !(selStart_ == selEnd_); }
  bool CanUndo() const { return !readOnly_ && list_->UndoBuffer().UndoCount() > 0; }
  bool CanRedo() const { return !readOnly_ && list_->UndoBuffer().RedoCount() > 0; }

  // Positions.
  int CaretLine() const { return caretLine_; }
  int CaretCol() const { return caretCol_; }
  TParaPos CaretPara() const { return {caretPara_, caretOffset_ + caretCol_}; }
  // Display column of the caret (tabs expanded).
  int CaretDisplayColumn() const;
  TParaPos SelStart() const { return selStart_; }
  TParaPos SelEnd() const { return selEnd_; }
  int TopLine() const { return topLine_; }
  int HorizontalOffset() const { return hOffset_; }

  // Commands and edits.
  bool ProcessCommand(TOvcCommand cmd, int charCode);
  void MoveCaret(int deltaCol, int deltaLine, bool absoluteCol, bool extend, bool keepRow);
  void MoveCaretTo(int line, int col, bool extend);
  void MoveCaretToPara(int para, int pos, bool extend);
  void SetSelection(int line1, int col1, int line2, int col2, bool caretAtEnd);
  void SetSelectionPara(int para1, int pos1, int para2, int pos2, bool caretAtEnd);
  void SelectAll(bool caretAtEnd) { SetSelection(1, 1, MaxLimit, 32767, caretAtEnd); }
  int InsertString(std::string_view text);
  void DeleteAtCaret();
  void Backspace();
  void InsertChar(char ch);
  void NewLine(bool split, bool moveCaret);
  void InsertTab();
  void DeleteToLineStart();
  void DeleteToLineEnd();
  void DeleteLine();
  void DeleteWord();
  void ScrollView(int deltaCols, int deltaLines);

  // Search and replace. Search: true when a match was selected or the text is empty. Replace and
  // DoSearchReplace: -1 nothing found, 0 a match selected (or nothing to do), a positive count of
  // replacements, or the store's error code (263..268) after DoOnError.
  bool Search(std::string_view text, TEditorSearchOptions options);
  int Replace(std::string_view text, std::string_view replacement, TEditorSearchOptions options);
  int DoSearchReplace(std::string_view text, std::optional<std::string_view> replacement,
                      TEditorSearchOptions options);
  // The word holding the character at the caret; empty on a delimiter or past the paragraph's end.
  std::string GetCurrentWord() const;

  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  void Redo();

  void SetMarker(int n);
  void SetMarkerAt(int n, int line, int col);
  void ClearMarker(int n);
  void GotoMarker(int n);

  void ClearText(bool redraw);
  // Shares other's text store; nothing for none, itself or an editor already sharing its store.
  void Attach(TOvcEditorCore* other);
  bool SharesTextWith(const TOvcEditorCore& other) const { return list_ == other.list_; }
  TOvcParaList& ParaList() { return *list_; }
  const TOvcParaList& ParaList() const { return *list_; }

  bool Modified() const { return list_->Modified(); }
  void SetModified(bool modified);

  // Properties of the editing core.
  bool InsertMode() const { return insertMode_; }
  void SetInsertMode(bool on) { insertMode_ = on; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { readOnly_ = on; }
  bool AutoIndent() const { return autoIndent_; }
  void SetAutoIndent(bool on) { autoIndent_ = on; }
  TTabType TabType() const { return tabType_; }
  void SetTabType(TTabType type) { tabType_ = type; }
  int TabSize() const { return list_->TabSize(); }
  void SetTabSize(int size);
  bool WrapAtLeft() const { return wrapAtLeft_ || list_->WordWrap(); }
  void SetWrapAtLeft(bool on) { wrapAtLeft_ = on; }
  bool ScrollPastEnd() const { return scrollPastEnd_; }
  void SetScrollPastEnd(bool on);
  bool WordWrap() const { return list_->WordWrap(); }
  void SetWordWrap(bool on);

  void DoOnChange();
  void DoOnError(int code);

  std::function<void()> OnChange;
  std::function<void(int code)> OnError;
  std::function<void(int topLine)> OnTopLineChanged;
  std::function<void(TOvcCommand cmd)> OnUserCommand;

  // Announcements of the text store, passed to every editor of the ring.
  void ParaDeleted(int para) override;
  void TextDeleted(int para, int pos, int count) override;
  void ParaSplit(int para, int pos, int indent) override;
  void TextInserted(int para, int pos, int count) override;
  void ParasJoined(int para, int pos) override;
  void UpdateLayout() override;

 private:
  using TRule = std::function<void(TParaPos&)>;

  TOvcEditorView& View() const { return *view_; }
  int Rows() const { return view_->Rows(); }
  int Page() const { return Rows() > 1 ? Rows() - 1 : 1; }
  bool CaretInView() const;
  int LineLength(int line) const { return list_->GetLineLength(line); }
  int DisplayColumn(int line, int col) const;
  int CharColumn(int line, int displayCol) const;
  int ParaLength(int para) const { return list_->GetParaLength(para); }
  TParaPos CutToPara(TParaPos p) const;
  void SyncCaret(int para, int pos);
  void SyncTop();
  void SetTopLine(int line);

  // Selection.
  void CollapseSelection();
  void ExtendSelection();
  void InvalidatePara(TParaPos a, TParaPos b);
  void DeleteSelection();

  // Moves.
  void Left(bool extend);
  void Right(bool extend);
  void WordLeft(bool extend);
  void WordRight(bool extend);
  void TopOfPage(bool extend);
  void BotOfPage(bool extend);
  void InsertBlanks(int count);
  void Replay(bool undo);
  int SmartTabTarget() const;

  // The ring.
  void ForEachInRing(const std::function<void(TOvcEditorCore&)>& visit);
  void Adjust(const TRule& rule, const TRule& caretRule, int para, bool isOrigin, bool paraDeleted);
  void LeaveRing();
  void Relayout();

  TOvcEditorView defaultView_;
  TOvcEditorView* view_;
  TOvcParaList* list_ = nullptr;
  std::unique_ptr<TOvcParaList> ownedList_;
  TOvcEditorCore* prev_ = this;
  TOvcEditorCore* next_ = this;

  int caretLine_ = 1;
  int caretCol_ = 1;
  int caretPara_ = 1;
  int caretOffset_ = 0;
  TParaPos selStart_{1, 1};
  TParaPos selEnd_{1, 1};
  TParaPos selMoving_{1, 1};
  int topLine_ = 1;
  TParaPos topPos_{1, 1};
  int hOffset_ = 0;

  bool insertMode_ = true;
  bool readOnly_ = false;
  bool autoIndent_ = false;
  TTabType tabType_ = ttReal;
  bool wrapAtLeft_ = true;
  bool scrollPastEnd_ = false;
};

}  // namespace controls
