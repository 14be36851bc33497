#include "controls/editor/ParaList.h"

#include "controls/editor/Exceptions.h"
#include "controls/editor/TextColumns.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace controls {

TOvcParaList::TOvcParaList(TParaListEditor* editor, bool wordWrap, int undoBufferSize)
    : editor_(editor), undoBuffer_(std::make_unique<TOvcUndoBuffer>(undoBufferSize)), wordWrap_(wordWrap)
{
  paras_.push_back(NewNode({}));
}

// The undo buffer goes first: it releases the paragraphs its records own.
TOvcParaList::~TOvcParaList() { undoBuffer_.reset(); }

std::unique_ptr<TParaNode> TOvcParaList::NewNode(std::string_view text) const
{
  try {
    return std::make_unique<TParaNode>(text, EffectiveWrapColumn(), tabSize_);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory();
  }
}

TParaNode* TOvcParaList::GetNode(int para)
{
  if (para < 1 || para > ParaCount())
    return nullptr;
  return paras_[std::size_t(para - 1)].get();
}

const TParaNode* TOvcParaList::GetNode(int para) const
{
  if (para < 1 || para > ParaCount())
    return nullptr;
  return paras_[std::size_t(para - 1)].get();
}

int TOvcParaList::GetParaLength(int para) const
{
  const TParaNode* node = GetNode(para);
  return node ? node->Length() : 0;
}

std::string_view TOvcParaList::GetParaText(int para) const
{
  const TParaNode* node = GetNode(para);
  return node ? node->Text() : std::string_view();
}

// Walks from the nearest of paragraph 1, the cached paragraph and the last one.
int TOvcParaList::FirstLineOf(int para)
{
  para = std::clamp(para, 1, ParaCount());
  if (EffectiveWrapColumn() == NoWrapColumn || EffectiveWrapColumn() <= 0)
    return para;
  const int last = ParaCount();
  const int lastLine = lineCount_ - paras_.back()->LineCount() + 1;
  int p = 1;
  int line = 1;
  const int fromFirst = para - 1;
  const int fromCache = std::abs(para - cachePara_);
  const int fromLast = last - para;
  if (fromCache < fromFirst && fromCache <= fromLast) {
    p = cachePara_;
    line = cacheLine_;
  } else if (fromLast < fromFirst) {
    p = last;
    line = lastLine;
  }
  for (; p < para; ++p)
    line += paras_[std::size_t(p - 1)]->LineCount();
  for (; p > para; --p)
    line -= paras_[std::size_t(p - 2)]->LineCount();
  cachePara_ = para;
  cacheLine_ = line;
  return line;
}

int TOvcParaList::LineToPara(int line, int& offset)
{
  offset = 0;
  if (EffectiveWrapColumn() == NoWrapColumn || EffectiveWrapColumn() <= 0)
    return line;
  line = std::clamp(line, 1, lineCount_);
  const int lastLine = lineCount_ - paras_.back()->LineCount() + 1;
  int p = 1;
  int first = 1;
  const int fromFirst = line - 1;
  const int fromCache = std::abs(line - cacheLine_);
  const int fromLast = std::abs(line - lastLine);
  if (fromCache < fromFirst && fromCache <= fromLast) {
    p = cachePara_;
    first = cacheLine_;
  } else if (fromLast < fromFirst) {
    p = ParaCount();
    first = lastLine;
  }
  while (line >= first + paras_[std::size_t(p - 1)]->LineCount()) {
    first += paras_[std::size_t(p - 1)]->LineCount();
    ++p;
  }
  while (line < first) {
    --p;
    first -= paras_[std::size_t(p - 1)]->LineCount();
  }
  cachePara_ = p;
  cacheLine_ = first;
  offset = paras_[std::size_t(p - 1)]->LineStart(line - first + 1);
  return p;
}

int TOvcParaList::GetLine(int line, std::string_view& text)
{
  text = {};
  if (line < 1 || line > lineCount_)
    return 0;
  int offset = 0;
  const int para = LineToPara(line, offset);
  const TParaNode* node = GetNode(para);
  text = node->LineText(line - FirstLineOf(para) + 1);
  return para;
}

int TOvcParaList::GetLineLength(int line)
{
  std::string_view text;
  GetLine(line, text);
  return int(text.size());
}

int TOvcParaList::GetLineColumns(int line)
{
  std::string_view text;
  GetLine(line, text);
  return TextColumns(text, int(text.size()), tabSize_);
}

int TOvcParaList::ParaPosToLine(int para, int pos, int& col)
{
  para = std::clamp(para, 1, ParaCount());
  const int lineInPara = GetNode(para)->PosToLine(pos, col);
  return FirstLineOf(para) + lineInPara - 1;
}

int TOvcParaList::ColumnToPos(std::string_view text, int len, int col) const
{
  return controls::ColumnToPos(text, len, col, tabSize_);
}

int TOvcParaList::PosToColumn(std::string_view text, int len, int pos) const
{
  return controls::PosToColumn(text, len, pos, tabSize_);
}

void TOvcParaList::LinesChanged(int para, int delta)
{
  lineCount_ += delta;
  if (cachePara_ > para)
    cacheLine_ += delta;
}

void TOvcParaList::ParaLinked(int para, int lines)
{
  lineCount_ += lines;
  if (cachePara_ >= para) {
    ++cachePara_;
    cacheLine_ += lines;
  }
}

void TOvcParaList::ParaUnlinked(int para, int lines)
{
  lineCount_ -= lines;
  if (cachePara_ > para) {
    --cachePara_;
    cacheLine_ -= lines;
  } else if (cachePara_ == para) {
    cachePara_ = 1;
    cacheLine_ = 1;
  }
}

void TOvcParaList::TextChanged(int para, int firstLineInPara, int oldLines)
{
  const int newLines = GetNode(para)->LineCount();
  LinesChanged(para, newLines - oldLines);
  const int first = FirstLineOf(para);
  firstChangedLine_ = first + firstLineInPara - 1;
  lastChangedLine_ = newLines != oldLines ? MaxLimit : first + newLines - 1;
}

bool TOvcParaList::Record(TUndoType type, int para, int pos, std::string_view data)
{
  if (inUndoRedo_)
    return false;
  return undoBuffer_->AddRecord(type, modified_, para, pos, data);
}

int TOvcParaList::CheckLimits(int para, int newParas, std::int64_t newBytes) const
{
  if (newParas > 0 || para > paraLimit_) {
    std::int64_t allowed = paraLimit_;
    if (para <= paraLimit_ && paras_.back()->Length() == 0 && paraLimit_ != MaxLimit)
      ++allowed;
    if (std::int64_t(ParaCount()) + newParas > allowed)
      return ecTooManyParas;
  }
  if (textBytes_ + newBytes > byteLimit_)
    return ecBufferTooBig;
  if (para != 0 && newParas == 0) {
    if (const TParaNode* node = GetNode(para); node && node->Length() + newBytes > paraLengthLimit_)
      return ecParaTooLong;
  }
  return ecOK;
}

void TOvcParaList::SetWordWrap(bool wordWrap)
{
  if (wordWrap == wordWrap_)
    return;
  wordWrap_ = wordWrap;
  ReWrapAll();
  if (editor_)
    editor_->UpdateLayout();
}

void TOvcParaList::SetWrapColumn(int column)
{
  if (column == wrapColumn_)
    return;
  wrapColumn_ = column;
  if (!wordWrap_)
    return;
  ReWrapAll();
  if (editor_)
    editor_->UpdateLayout();
}

void TOvcParaList::SetTabSize(int tabSize)
{
  tabSize = std::clamp(tabSize, 0, 255);
  if (tabSize == tabSize_)
    return;
  tabSize_ = tabSize;
  if (!wordWrap_)
    return;
  ReWrapAll();
  if (editor_)
    editor_->UpdateLayout();
}

void TOvcParaList::SetUndoBufferSize(int size)
{
  undoBuffer_.reset();
  undoBuffer_ = std::make_unique<TOvcUndoBuffer>(size);
}

void TOvcParaList::SetBookmark(int index, int para, int pos)
{
  if (index < 0 || index >= BookmarkCount)
    return;
  bookmarks_[std::size_t(index)] = {para, pos};
}

void TOvcParaList::SetBookmarkAtLine(int index, int line, int col)
{
  if (index < 0 || index >= BookmarkCount)
    return;
  int offset = 0;
  const int para = LineToPara(line, offset);
  bookmarks_[std::size_t(index)] = {para, col + offset};
}

void TOvcParaList::ReWrapAll()
{
  const bool busy = textBytes_ > 10000 && busyHook_;
  if (busy)
    busyHook_(true);
  struct Restore {
    const std::function<void(bool)>* hook;
    ~Restore()
    {
      if (hook)
        (*hook)(false);
    }
  } restore{busy ? &busyHook_ : nullptr};
  int lines = 0;
  for (auto& node : paras_) {
    node->Wrap(EffectiveWrapColumn(), tabSize_);
    lines += node->LineCount();
  }
  lineCount_ = lines;
  cachePara_ = 1;
  cacheLine_ = 1;
  firstChangedLine_ = 1;
  lastChangedLine_ = MaxLimit;
}

void TOvcParaList::NotifyParaDeleted(TParaListEditor* editor, int para)
{
  if (!notifyEditors_)
    return;
  for (TParaPos& mark : bookmarks_)
    ShiftOnParaDeleted(mark, para);
  if (editor)
    editor->ParaDeleted(para);
}

void TOvcParaList::NotifyTextDeleted(TParaListEditor* editor, int para, int pos, int count)
{
  if (!notifyEditors_)
    return;
  for (TParaPos& mark : bookmarks_)
    ShiftOnTextDeleted(mark, para, pos, count);
  if (editor)
    editor->TextDeleted(para, pos, count);
}

void TOvcParaList::NotifyParaSplit(TParaListEditor* editor, int para, int pos, int indent)
{
  if (!notifyEditors_)
    return;
  for (TParaPos& mark : bookmarks_)
    ShiftOnParaSplit(mark, para, pos, indent);
  if (editor)
    editor->ParaSplit(para, pos, indent);
}

void TOvcParaList::NotifyTextInserted(TParaListEditor* editor, int para, int pos, int count)
{
  if (!notifyEditors_)
    return;
  for (TParaPos& mark : bookmarks_)
    ShiftOnTextInserted(mark, para, pos, count);
  if (editor)
    editor->TextInserted(para, pos, count);
}

void TOvcParaList::NotifyParasJoined(TParaListEditor* editor, int para, int pos)
{
  if (!notifyEditors_)
    return;
  for (TParaPos& mark : bookmarks_)
    ShiftOnParasJoined(mark, para, pos);
  if (editor)
    editor->ParasJoined(para, pos);
}

}  // namespace controls
