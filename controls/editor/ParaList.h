#pragma once
// The text store of the editor: a list of paragraphs wrapped into display lines, with limits,
// bookmarks and undo. Every change of the text goes through its editing operations.

#include "controls/editor/ParaListEditor.h"
#include "controls/editor/ParaNode.h"
#include "controls/editor/PositionRules.h"
#include "controls/editor/UndoBuffer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace controls {

// Result codes of the editing operations.
inline constexpr int ecOK = 0;
inline constexpr int ecOutOfMemory = 263;
inline constexpr int ecRegionTooBig = 264;
inline constexpr int ecTooManyParas = 265;
inline constexpr int ecCannotJoin = 266;
inline constexpr int ecBufferTooBig = 267;
inline constexpr int ecParaTooLong = 268;

inline constexpr int MaxLimit = 2147483647;
inline constexpr int DefaultParaLengthLimit = 32767;
inline constexpr int BookmarkCount = 10;

class TOvcParaList {
 public:
  TOvcParaList(TParaListEditor* editor, bool wordWrap, int undoBufferSize = DefaultUndoBufferSize);
  TOvcParaList(const TOvcParaList&) = delete;
  TOvcParaList& operator=(const TOvcParaList&) = delete;
  ~TOvcParaList();

  // Lookup (1-based paragraphs, positions, display lines and columns).
  TParaNode* GetNode(int para);
  const TParaNode* GetNode(int para) const;
  int GetParaLength(int para) const;
  std::string_view GetParaText(int para) const;
  // Text of display line line; returns its paragraph (none for a line out of range).
  int GetLine(int line, std::string_view& text);
  int GetLineLength(int line);
  int GetLineColumns(int line);
  int ParaPosToLine(int para, int pos, int& col);
  int LineToPara(int line, int& offset);
  int ColumnToPos(std::string_view text, int len, int col) const;
  int PosToColumn(std::string_view text, int len, int pos) const;

  // Editing; each returns a result code (0 or 263..268) where it can fail. Texts hold no line break
  // or zero character except for InsertTextWithBreaks.
  int InsertText(TParaListEditor* editor, int para, int pos, std::string_view text);
  void DeleteText(TParaListEditor* editor, int para, int pos, int count);
  int ReplaceText(TParaListEditor* editor, int para, int pos, int oldLen, std::string_view text);
  int InsertParaBefore(TParaListEditor* editor, int para, std::string_view text);
  int InsertParaAfter(TParaListEditor* editor, int para, std::string_view text);
  void DeletePara(TParaListEditor* editor, int para);
  int SplitPara(TParaListEditor* editor, int para, int pos, bool trimBlanks, int& indent, int indentTabSize);
  int JoinParas(TParaListEditor* editor, int para, int pos);
  void DeleteRegion(TParaListEditor* editor, int para1, int pos1, int para2, int pos2);
  int InsertTextWithBreaks(TParaListEditor* editor, int& para, int& pos, std::string_view text);
  // Appends a loaded paragraph before the last one; no undo, limit check or notification.
  int AddPara(std::string_view text, bool trimBlanks);
  int CheckLimits(int para, int newParas, std::int64_t newBytes) const;

  // Undo and redo of one group; para and pos become the caret.
  void Undo(TParaListEditor* editor, int& para, int& pos);
  void Redo(TParaListEditor* editor, int& para, int& pos);

  // Settings.
  void SetWordWrap(bool wordWrap);
  void SetWrapColumn(int column);
  void SetTabSize(int tabSize);
  void SetParaLimit(int limit) { paraLimit_ = limit; }
  void SetByteLimit(int limit) { byteLimit_ = limit; }
  void SetParaLengthLimit(int limit) { paraLengthLimit_ = limit; }
  void SetUndoBufferSize(int size);
  void SetBookmark(int index, int para, int pos);
  void SetBookmarkAtLine(int index, int line, int col);
  void SetModified(bool modified) { modified_ = modified; }
  // The editor told of re-wraps (the owner of the list; it passes them on to the editors sharing it).
  void SetEditor(TParaListEditor* editor) { editor_ = editor; }
  void ReWrapAll();
  // Called with true before and false after a long re-wrap (the control shows the busy cursor).
  void SetBusyHook(std::function<void(bool)> hook) { busyHook_ = std::move(hook); }

  // State.
  TParaListEditor* Editor() const { return editor_; }
  int ParaCount() const { return int(paras_.size()); }
  int LineCount() const { return lineCount_; }
  std::int64_t TextBytes() const { return textBytes_; }
  int ParaLimit() const { return paraLimit_; }
  int ByteLimit() const { return byteLimit_; }
  int ParaLengthLimit() const { return paraLengthLimit_; }
  bool WordWrap() const { return wordWrap_; }
  int WrapColumn() const { return wrapColumn_; }
  int EffectiveWrapColumn() const { return wordWrap_ ? wrapColumn_ : NoWrapColumn; }
  int TabSize() const { return tabSize_; }
  bool Modified() const { return modified_; }
  bool NotifyEditors() const { return notifyEditors_; }
  bool InUndoRedo() const { return inUndoRedo_; }
  TParaPos Bookmark(int index) const { return bookmarks_[std::size_t(index)]; }
  TOvcUndoBuffer& UndoBuffer() { return *undoBuffer_; }
  const TOvcUndoBuffer& UndoBuffer() const { return *undoBuffer_; }
  int FirstChangedLine() const { return firstChangedLine_; }
  int LastChangedLine() const { return lastChangedLine_; }

 private:
  // Display-line bookkeeping.
  int FirstLineOf(int para);
  void LinesChanged(int para, int delta);
  void ParaLinked(int para, int lines);
  void ParaUnlinked(int para, int lines);
  void TextChanged(int para, int firstLineInPara, int oldLines);
  bool Record(TUndoType type, int para, int pos, std::string_view data = {});

  // Paragraph chain.
  std::unique_ptr<TParaNode> NewNode(std::string_view text) const;
  std::unique_ptr<TParaNode> Unlink(TParaListEditor* editor, int para);
  // Links a paragraph in as paragraph index + 1 and reports it like a split at its start.
  void Link(TParaListEditor* editor, int index, std::unique_ptr<TParaNode> node);

  // Notifications (bookmarks and the editor), only while NotifyEditors.
  void NotifyParaDeleted(TParaListEditor* editor, int para);
  void NotifyTextDeleted(TParaListEditor* editor, int para, int pos, int count);
  void NotifyParaSplit(TParaListEditor* editor, int para, int pos, int indent);
  void NotifyTextInserted(TParaListEditor* editor, int para, int pos, int count);
  void NotifyParasJoined(TParaListEditor* editor, int para, int pos);

  TParaListEditor* editor_;
  std::vector<std::unique_ptr<TParaNode>> paras_;
  std::unique_ptr<TOvcUndoBuffer> undoBuffer_;
  int cachePara_ = 1;
  int cacheLine_ = 1;  // global number of the first display line of cachePara_
  int lineCount_ = 1;
  std::int64_t textBytes_ = 0;
  int paraLimit_ = MaxLimit;
  int byteLimit_ = MaxLimit;
  int paraLengthLimit_ = DefaultParaLengthLimit;
  bool wordWrap_;
  int wrapColumn_ = 80;
  int tabSize_ = 8;
  bool modified_ = false;
  bool notifyEditors_ = true;
  bool inUndoRedo_ = false;
  std::array<TParaPos, BookmarkCount> bookmarks_{};
  int firstChangedLine_ = 1;
  int lastChangedLine_ = MaxLimit;
  std::function<void(bool)> busyHook_;
};

}  // namespace controls
