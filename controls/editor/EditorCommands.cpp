// The editor commands and the editing operations behind them.
#include "controls/editor/EditorCore.h"

#include "controls/editor/Exceptions.h"
#include "controls/editor/LibraryStringIds.h"
#include "controls/editor/LibraryStrings.h"
#include "controls/editor/TextColumns.h"

#include <algorithm>
#include <new>
#include <optional>

namespace controls {
namespace {

std::int32_t ErrorStringId(int code)
{
  switch (code) {
    case ecOutOfMemory: return SCOutOfMemory;
    case ecRegionTooBig: return SCRegionTooLarge;
    case ecTooManyParas: return SCTooManyParas;
    case ecCannotJoin: return SCCannotJoinParas;
    case ecBufferTooBig: return SCBufferTooBig;
    case ecParaTooLong: return SCParaTooLong;
    default: return SCUnknownError;
  }
}

// Commands after which OnChange fires whether or not the text changed.
bool ChangesText(TOvcCommand cmd)
{
  switch (cmd) {
    case ccBack: case ccCut: case ccDel: case ccDelBol: case ccDelEol: case ccDelLine: case ccDelWord:
    case ccPaste: case ccRedo: case ccTab: case ccUndo: case ccChar:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string EditorErrorText(int code) { return GetLibraryString(ErrorStringId(code)); }

void TOvcEditorCore::DoOnChange()
{
  if (OnChange)
    OnChange();
}

void TOvcEditorCore::DoOnError(int code)
{
  if (code == 0)
    return;
  if (OnError) {
    OnError(code);
    return;
  }
  throw EEditorError(EditorErrorText(code), code);
}

bool TOvcEditorCore::ProcessCommand(TOvcCommand cmd, int charCode)
{
  const int marker = charCode - '0';
  switch (cmd) {
    case ccBack: readOnly_ ? Left(false) : Backspace(); break;
    case ccBotOfPage: BotOfPage(false); break;
    case ccCopy: if (HasSelection()) CopyToClipboard(); break;
    case ccCtrlChar: break;
    case ccCut: CutToClipboard(); break;
    case ccDel: DeleteAtCaret(); break;
    case ccDelBol: DeleteToLineStart(); break;
    case ccDelEol: DeleteToLineEnd(); break;
    case ccDelLine: DeleteLine(); break;
    case ccDelWord: DeleteWord(); break;
    case ccDown: MoveCaret(0, 1, false, false, false); break;
    case ccEnd: MoveCaretTo(caretLine_, LineLength(caretLine_) + 1, false); break;
    case ccExtendDown: MoveCaret(0, 1, false, true, false); break;
    case ccExtendEnd: MoveCaretTo(caretLine_, LineLength(caretLine_) + 1, true); break;
    case ccExtendHome: MoveCaretTo(caretLine_, 1, true); break;
    case ccExtendLeft: Left(true); break;
    case ccExtendPgDn: MoveCaret(0, Page(), false, true, true); break;
    case ccExtendPgUp: MoveCaret(0, -Page(), false, true, true); break;
    case ccExtendRight: Right(true); break;
    case ccExtendUp: MoveCaret(0, -1, false, true, false); break;
    case ccExtBotOfPage:
      if (caretLine_ >= topLine_ && topLine_ + std::max(Rows(), 1) - 1 >= caretLine_)
        BotOfPage(true);
      break;
    case ccExtFirstPage: MoveCaretTo(1, 1, true); break;
    case ccExtLastPage: MoveCaretTo(GetLineCount(), LineLength(GetLineCount()) + 1, true); break;
    case ccExtTopOfPage: TopOfPage(true); break;
    case ccExtWordLeft: WordLeft(true); break;
    case ccExtWordRight: WordRight(true); break;
    case ccFirstPage: MoveCaretTo(1, 1, false); break;
    case ccHome: MoveCaretTo(caretLine_, 1, false); break;
    case ccIns: insertMode_ = !insertMode_; View().PositionCaret(); break;
    case ccLastPage: MoveCaretTo(GetLineCount(), LineLength(GetLineCount()) + 1, false); break;
    case ccLeft: Left(false); break;
    case ccNewLine: NewLine(insertMode_ && !readOnly_, true); break;
    case ccNextPage: MoveCaret(0, Page(), false, false, true); break;
    case ccPaste: PasteFromClipboard(); break;
    case ccPrevPage: MoveCaret(0, -Page(), false, false, true); break;
    case ccRedo: Redo(); break;
    case ccRight: Right(false); break;
    case ccScrollDown: ScrollView(0, 1); break;
    case ccScrollUp: ScrollView(0, -1); break;
    case ccTab: InsertTab(); break;
    case ccTopOfPage: TopOfPage(false); break;
    case ccUndo: Undo(); break;
    case ccUp: MoveCaret(0, -1, false, false, false); break;
    case ccWordLeft: WordLeft(false); break;
    case ccWordRight: WordRight(false); break;
    case ccChar: if (!readOnly_) InsertChar(char(charCode)); break;
    default:
      if (cmd >= ccGotoMarker0 && cmd <= ccGotoMarker0 + 9) {
        GotoMarker(marker);
      } else if (cmd >= ccSetMarker0 && cmd <= ccSetMarker0 + 9) {
        SetMarker(marker);
      } else if (cmd >= ccUserFirst) {
        if (OnUserCommand)
          OnUserCommand(cmd);
      } else {
        return false;
      }
  }
  if (ChangesText(cmd))
    DoOnChange();
  return true;
}

// Deletions

void TOvcEditorCore::DeleteSelection()
{
  const TParaPos start = selStart_;
  const TParaPos end = selEnd_;
  if (start.Para == end.Para)
    list_->DeleteText(this, start.Para, start.Pos, end.Pos - start.Pos);
  else
    list_->DeleteRegion(this, start.Para, start.Pos, end.Para, end.Pos);
  SyncCaret(start.Para, start.Pos);
  selStart_ = selEnd_ = selMoving_ = start;
}

void TOvcEditorCore::DeleteAtCaret()
{
  if (readOnly_)
    return;
  const int firstLine = caretLine_;
  if (HasSelection()) {
    TUndoGroup group(list_->UndoBuffer());
    DeleteSelection();
  } else {
    const TParaPos caret = CaretPara();
    if (caret.Pos > ParaLength(caret.Para)) {
      const int code = list_->JoinParas(this, caret.Para, caret.Pos);
      if (code != ecOK) {
        DoOnError(code);
        return;
      }
    } else {
      list_->DeleteText(this, caret.Para, caret.Pos, 1);
    }
    SyncCaret(caret.Para, caret.Pos);
  }
  View().InvalidateLines(std::min(firstLine, caretLine_), GetLineCount());
  MoveCaretTo(caretLine_, caretCol_, false);
}

void TOvcEditorCore::Backspace()
{
  if (HasSelection()) {
    DeleteAtCaret();
    return;
  }
  if (caretLine_ == 1 && caretCol_ == 1)
    return;
  if (CaretPara().Pos == 1 && !WrapAtLeft())
    return;
  Left(false);
  DeleteAtCaret();
}

void TOvcEditorCore::DeleteToLineStart()
{
  if (readOnly_)
    return;
  if (LineLength(caretLine_) == 0 || caretCol_ == 1) {
    CollapseSelection();
    return;
  }
  TUndoGroup group(list_->UndoBuffer());
  SetSelection(caretLine_, 1, caretLine_, caretCol_, false);
  DeleteAtCaret();
}

void TOvcEditorCore::DeleteToLineEnd()
{
  if (readOnly_)
    return;
  const int end = LineLength(caretLine_) + 1;
  if (caretCol_ > end) {
    CollapseSelection();
    return;
  }
  TUndoGroup group(list_->UndoBuffer());
  SetSelection(caretLine_, caretCol_, caretLine_, end, true);
  DeleteAtCaret();
}

void TOvcEditorCore::DeleteLine()
{
  if (readOnly_)
    return;
  TUndoGroup group(list_->UndoBuffer());
  if (caretLine_ == GetLineCount()) {
    if (LineLength(caretLine_) == 0)
      return;
    SetSelection(caretLine_, 1, caretLine_, LineLength(caretLine_) + 1, true);
  } else {
    SetSelection(caretLine_, 1, caretLine_ + 1, 1, true);
  }
  DeleteAtCaret();
}

void TOvcEditorCore::DeleteWord()
{
  if (readOnly_)
    return;
  TUndoGroup group(list_->UndoBuffer());
  if (!HasSelection()) {
    const std::string_view text = list_->GetParaText(caretPara_);
    const int len = int(text.size());
    const int start = CaretPara().Pos;
    int pos = start;
    while (pos <= len && !IsWordDelimiter(text[std::size_t(pos - 1)]))
      ++pos;
    while (pos <= len && IsBlank(text[std::size_t(pos - 1)]))
      ++pos;
    if (pos == start && pos <= len)
      ++pos;  // a delimiter that is not a blank goes alone
    if (pos > start)
      SetSelectionPara(caretPara_, start, caretPara_, pos, true);
  }
  DeleteAtCaret();
}

// Insertions

void TOvcEditorCore::InsertChar(char ch)
{
  if (readOnly_)
    return;
  // Typed characters merge into one undo record; only replacing a selection needs a group.
  const bool replacing = HasSelection();
  std::optional<TUndoGroup> group;
  if (replacing) {
    group.emplace(list_->UndoBuffer());
    DeleteSelection();
  }
  const TParaPos caret = CaretPara();
  const int lines = GetLineCount();
  const int oldLine = caretLine_;
  int code = ecOK;
  if (replacing || insertMode_ || caret.Pos > ParaLength(caret.Para))
    code = list_->InsertText(this, caret.Para, caret.Pos, std::string_view(&ch, 1));
  else
    code = list_->ReplaceText(this, caret.Para, caret.Pos, 1, std::string_view(&ch, 1));
  if (code != ecOK) {
    DoOnError(code);
    return;
  }
  View().InvalidateLines(oldLine, lines != GetLineCount() ? GetLineCount() : oldLine + 1);
  if (lines != GetLineCount())
    View().ScrollStateStale();
  SyncCaret(caret.Para, caret.Pos);
  MoveCaretToPara(caret.Para, caret.Pos + 1, false);
}

void TOvcEditorCore::NewLine(bool split, bool moveCaret)
{
  bool changed = false;
  if (HasSelection() && !readOnly_) {
    TUndoGroup group(list_->UndoBuffer());
    DeleteSelection();
    changed = true;
  }
  const TParaPos caret = CaretPara();
  int indent = 0;
  if (split) {
    if (autoIndent_) {
      std::string_view text;
      list_->GetLine(caretLine_, text);
      int blanks = 0;
      while (blanks < int(text.size()) && blanks < caretCol_ - 1 && IsBlank(text[std::size_t(blanks)]))
        ++blanks;
      indent = TextColumns(text, blanks, TabSize());
    }
    int code = list_->CheckLimits(caret.Para, 1, std::int64_t(indent) + 2);
    if (code == ecOK) {
      if (caret.Pos == 1)
        indent = 0;
      code = list_->SplitPara(this, caret.Para, caret.Pos, true, indent, tabType_ == ttReal ? TabSize() : 0);
    }
    if (code != ecOK) {
      DoOnError(code);
      return;
    }
    changed = true;
    View().InvalidateLines(caretLine_, GetLineCount());
    View().ScrollStateStale();
  }
  if (moveCaret) {
    if (split || caret.Para < GetParaCount()) {
      SyncCaret(caret.Para, caret.Pos);
      MoveCaretToPara(caret.Para + 1, indent + 1, false);
    } else if (!insertMode_) {
      MoveCaretTo(GetLineCount(), LineLength(GetLineCount()) + 1, false);
    }
  }
  if (changed)
    DoOnChange();
}

void TOvcEditorCore::InsertBlanks(int count)
{
  TUndoGroup group(list_->UndoBuffer());
  const TParaPos caret = CaretPara();
  if (!insertMode_ && caret.Pos <= ParaLength(caret.Para))
    list_->DeleteText(this, caret.Para, caret.Pos, std::min(count, ParaLength(caret.Para) - caret.Pos + 1));
  int code = list_->CheckLimits(caret.Para, 0, count);
  if (code == ecOK)
    code = list_->InsertText(this, caret.Para, caret.Pos, std::string(std::size_t(count), ' '));
  if (code != ecOK) {
    DoOnError(code);
    return;
  }
  View().InvalidateLines(caretLine_, caretLine_);
  SyncCaret(caret.Para, caret.Pos);
  MoveCaretToPara(caret.Para, caret.Pos + count, false);
}

// The column the smart tab goes to, read from the line above (or below); 0 for none.
int TOvcEditorCore::SmartTabTarget() const
{
  const int column = CaretDisplayColumn();
  for (const int line : {caretLine_ - 1, caretLine_ + 1}) {
    if (line < 1 || line > GetLineCount())
      continue;
    const std::string text = GetLine(line);
    if (text.empty())
      continue;
    if (int(text.size()) < column)
      return column;
    int i = column - 1;
    while (i < int(text.size()) && text[std::size_t(i)] != ' ')
      ++i;
    while (i < int(text.size()) && text[std::size_t(i)] == ' ')
      ++i;
    return i + 1;
  }
  return 0;
}

void TOvcEditorCore::InsertTab()
{
  if (readOnly_)
    return;
  std::optional<TUndoGroup> group;
  if (HasSelection()) {
    group.emplace(list_->UndoBuffer());
    DeleteSelection();
  }
  if (tabType_ == ttReal) {
    InsertChar('\t');
    return;
  }
  const int column = CaretDisplayColumn();
  const int size = TabSize();
  int count = size * ((column - 1) / size + 1) - column + 1;
  if (tabType_ == ttSmart && caretPara_ > 1) {
    const int target = SmartTabTarget();
    if (target > column)
      count = target - column;
  }
  InsertBlanks(count);
}

int TOvcEditorCore::InsertString(std::string_view text)
{
  if (readOnly_)
    return ecOK;
  TUndoGroup group(list_->UndoBuffer());
  if (HasSelection())
    DeleteSelection();
  // The whole text goes in at once: no cut can fall inside a line break, and one undo takes it back.
  TParaPos caret = CaretPara();
  const int firstLine = caretLine_;
  const int code = list_->InsertTextWithBreaks(this, caret.Para, caret.Pos, text);
  View().ScrollStateStale();
  View().InvalidateLines(firstLine, GetLineCount());
  SyncCaret(caret.Para, caret.Pos);
  MoveCaretToPara(caret.Para, caret.Pos, false);
  return code;
}

// Clipboard

void TOvcEditorCore::CopyToClipboard()
{
  if (!HasSelection())
    return;
  std::string text;
  try {
    for (int para = selStart_.Para; para <= selEnd_.Para; ++para) {
      const std::string_view whole = list_->GetParaText(para);
      const int from = para == selStart_.Para ? selStart_.Pos - 1 : 0;
      const int to = para == selEnd_.Para ? selEnd_.Pos - 1 : int(whole.size());
      if (to > from)
        text.append(whole.substr(std::size_t(from), std::size_t(to - from)));
      if (para != selEnd_.Para)
        text.append("\r\n");
    }
  } catch (const std::bad_alloc&) {
    DoOnError(ecOutOfMemory);
    return;
  }
  for (char& ch : text)
    if (static_cast<unsigned char>(ch) < 10)
      ch = ' ';
  View().SetClipboardText(text);
}

void TOvcEditorCore::CutToClipboard()
{
  if (HasSelection() && !readOnly_) {
    CopyToClipboard();
    DeleteAtCaret();
  }
  View().ScrollStateStale();
  ScrollView(0, 0);
}

void TOvcEditorCore::PasteFromClipboard()
{
  if (readOnly_)
    return;
  const std::optional<std::string> text = View().ClipboardText();
  if (text)
    DoOnError(InsertString(*text));
  View().ScrollStateStale();
  ScrollView(0, 0);
}

// Undo and redo

void TOvcEditorCore::Undo()
{
  Replay(true);
}

void TOvcEditorCore::Redo()
{
  Replay(false);
}

void TOvcEditorCore::Replay(bool undo)
{
  if (undo ? !CanUndo() : !CanRedo()) {
    View().Beep();
    return;
  }
  int para = caretPara_;
  int pos = CaretPara().Pos;
  if (undo)
    list_->Undo(this, para, pos);
  else
    list_->Redo(this, para, pos);
  SyncCaret(para, pos);
  CollapseSelection();
  if (undo)
    View().ScrollStateStale();
  View().InvalidateAll();
  MoveCaretTo(caretLine_, caretCol_, false);
}

// Bookmarks

void TOvcEditorCore::SetMarker(int n)
{
  if (n < 0 || n >= BookmarkCount)
    return;
  list_->SetBookmark(n, caretPara_, CaretPara().Pos);
  View().InvalidateAll();
}

void TOvcEditorCore::SetMarkerAt(int n, int line, int col)
{
  if (n < 0 || n >= BookmarkCount)
    return;
  if (line < 1 || line > GetLineCount() || col < 1)
    throw EInvalidLineOrCol();
  list_->SetBookmarkAtLine(n, line, col);
  View().InvalidateAll();
}

void TOvcEditorCore::ClearMarker(int n)
{
  if (n < 0 || n >= BookmarkCount)
    return;
  list_->SetBookmark(n, 0, 0);
  View().InvalidateAll();
}

void TOvcEditorCore::GotoMarker(int n)
{
  if (n < 0 || n >= BookmarkCount)
    return;
  const TParaPos mark = list_->Bookmark(n);
  if (mark.Para != 0 && mark.Pos != 0)
    MoveCaretToPara(mark.Para, mark.Pos, false);
}

}  // namespace controls
