// The editing operations of the text store.
#include "controls/editor/ParaList.h"

#include "controls/editor/TextColumns.h"

#include <algorithm>
#include <new>

namespace controls {

namespace {

// Keeps NotifyEditors off for the lifetime of the object, then restores it.
class TNotifyOff {
 public:
  explicit TNotifyOff(bool& flag) : flag_(flag), saved_(flag) { flag_ = false; }
  ~TNotifyOff() { flag_ = saved_; }
  TNotifyOff(const TNotifyOff&) = delete;
  TNotifyOff& operator=(const TNotifyOff&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace

int TOvcParaList::InsertText(TParaListEditor* editor, int para, int pos, std::string_view text)
{
  TParaNode* node = GetNode(para);
  if (!node)
    return ecOK;
  pos = std::max(pos, 1);
  const int oldLen = node->Length();
  const int gap = std::max(0, pos - 1 - oldLen);
  const int added = gap + int(text.size());
  if (added == 0)
    return ecOK;
  // The blanks that fill a gap count against the limits like the text itself.
  if (const int code = CheckLimits(para, 0, added))
    return code;
  std::string& buffer = node->MutableText();
  try {
    buffer.reserve(std::size_t(oldLen + added));
  } catch (const std::bad_alloc&) {
    return ecOutOfMemory;
  }
  buffer.append(std::size_t(gap), ' ');
  buffer.insert(std::size_t(pos - 1), text);
  if (gap > 0)
    Record(utInsertText, para, oldLen + 1, node->Text().substr(std::size_t(oldLen), std::size_t(added)));
  else
    Record(utInsertText, para, pos, text);
  const int oldLines = node->LineCount();
  const int firstLine = node->ReWrap(EffectiveWrapColumn(), tabSize_, std::min(pos - 1, oldLen));
  textBytes_ += added;
  TextChanged(para, firstLine, oldLines);
  modified_ = true;
  NotifyTextInserted(editor, para, pos, int(text.size()));
  return ecOK;
}

void TOvcParaList::DeleteText(TParaListEditor* editor, int para, int pos, int count)
{
  TParaNode* node = GetNode(para);
  if (!node)
    return;
  pos = std::max(pos, 1);
  const int len = node->Length();
  if (count < 0 || len == 0)
    count = 0;
  if (pos + count - 1 > len)
    count = std::max(0, len - pos + 1);
  if (count > 0) {
    Record(utDeleteText, para, pos, node->Text().substr(std::size_t(pos - 1), std::size_t(count)));
    node->MutableText().erase(std::size_t(pos - 1), std::size_t(count));
    const int oldLines = node->LineCount();
    const int firstLine = node->ReWrap(EffectiveWrapColumn(), tabSize_, pos - 1);
    textBytes_ -= count;
    TextChanged(para, firstLine, oldLines);
    modified_ = true;
  }
  NotifyTextDeleted(editor, para, pos, count);
}

int TOvcParaList::ReplaceText(TParaListEditor* editor, int para, int pos, int oldLen, std::string_view text)
{
  TParaNode* node = GetNode(para);
  if (!node)
    return ecOK;
  pos = std::max(pos, 1);
  const int len = node->Length();
  if (pos > len + 1)
    return InsertText(editor, para, pos, text);
  oldLen = std::clamp(oldLen, 0, len - pos + 1);
  const int newLen = int(text.size());
  const int delta = newLen - oldLen;
  if (delta > 0) {
    if (const int code = CheckLimits(para, 0, delta))
      return code;
  }
  std::string& buffer = node->MutableText();
  try {
    buffer.reserve(std::size_t(len + std::max(delta, 0)));
  } catch (const std::bad_alloc&) {
    return ecOutOfMemory;
  }
  if (!inUndoRedo_)
    undoBuffer_->AddReplaceRecord(modified_, para, pos, node->Text().substr(std::size_t(pos - 1), std::size_t(oldLen)),
                                  text);
  buffer.replace(std::size_t(pos - 1), std::size_t(oldLen), text);
  const int oldLines = node->LineCount();
  const int firstLine = node->ReWrap(EffectiveWrapColumn(), tabSize_, pos - 1);
  textBytes_ += delta;
  TextChanged(para, firstLine, oldLines);
  modified_ = true;
  if (delta == 0)
    NotifyTextInserted(editor, para, pos, 0);
  else if (delta > 0)
    NotifyTextInserted(editor, para, pos + oldLen, delta);
  else
    NotifyTextDeleted(editor, para, pos + newLen, -delta);
  return ecOK;
}

void TOvcParaList::Link(TParaListEditor* editor, int index, std::unique_ptr<TParaNode> node)
{
  node->Wrap(EffectiveWrapColumn(), tabSize_);
  const int lines = node->LineCount();
  textBytes_ += node->Length() + 2;
  paras_.insert(paras_.begin() + index, std::move(node));
  ParaLinked(index + 1, lines);
  firstChangedLine_ = FirstLineOf(index + 1);
  lastChangedLine_ = MaxLimit;
  modified_ = true;
  NotifyParaSplit(editor, index + 1, 1, 0);
}

int TOvcParaList::InsertParaBefore(TParaListEditor* editor, int para, std::string_view text)
{
  if (!GetNode(para))
    return ecOK;
  if (const int code = CheckLimits(para, 1, std::int64_t(text.size()) + 2))
    return code;
  std::unique_ptr<TParaNode> node = NewNode(text);
  if (!inUndoRedo_)
    undoBuffer_->AddParaRecord(utInsertParaBefore, modified_, para, 1, nullptr);
  Link(editor, para - 1, std::move(node));
  return ecOK;
}

int TOvcParaList::InsertParaAfter(TParaListEditor* editor, int para, std::string_view text)
{
  if (!GetNode(para))
    return ecOK;
  std::unique_ptr<TParaNode> node = NewNode(text);
  if (!inUndoRedo_)
    undoBuffer_->AddParaRecord(utInsertParaAfter, modified_, para, 1, nullptr);
  Link(editor, para, std::move(node));
  return ecOK;
}

std::unique_ptr<TParaNode> TOvcParaList::Unlink(TParaListEditor* editor, int para)
{
  std::unique_ptr<TParaNode> node = std::move(paras_[std::size_t(para - 1)]);
  paras_.erase(paras_.begin() + (para - 1));
  textBytes_ -= node->Length() + 2;
  ParaUnlinked(para, node->LineCount());
  firstChangedLine_ = FirstLineOf(std::min(para, ParaCount()));
  lastChangedLine_ = MaxLimit;
  modified_ = true;
  NotifyParaDeleted(editor, para);
  return node;
}

void TOvcParaList::DeletePara(TParaListEditor* editor, int para)
{
  // The list always keeps one paragraph.
  if (!GetNode(para) || ParaCount() == 1)
    return;
  const bool modifiedBefore = modified_;
  std::unique_ptr<TParaNode> node = Unlink(editor, para);
  // A refused record destroys the paragraph at once (the node goes out of scope).
  if (!inUndoRedo_)
    undoBuffer_->AddParaRecord(utDeletePara, modifiedBefore, para, 1, std::move(node));
}

int TOvcParaList::SplitPara(TParaListEditor* editor, int para, int pos, bool trimBlanks, int& indent,
                            int indentTabSize)
{
  TParaNode* node = GetNode(para);
  if (!node)
    return ecOK;
  const int len = node->Length();
  pos = std::clamp(pos, 1, len + 1);
  if (pos == 1)
    return InsertParaBefore(editor, para, {});
  TUndoGroup group(*undoBuffer_);
  Record(utPosition, para, pos);
  int code = ecOK;
  {
    TNotifyOff quiet(notifyEditors_);
    const std::string tail(node->Text().substr(std::size_t(pos - 1)));
    code = InsertParaAfter(editor, para, tail);
    if (code != ecOK)
      return code;
    if (pos <= len) {
      const int blanks = trimBlanks ? node->BlanksBefore(pos - 1) : 0;
      DeleteText(editor, para, pos - blanks, len - (pos - blanks) + 1);
    }
    if (indent > 0) {
      std::string blanks;
      if (indentTabSize > 0)
        blanks = std::string(std::size_t(indent / indentTabSize), '\t') +
                 std::string(std::size_t(indent % indentTabSize), ' ');
      else
        blanks = std::string(std::size_t(indent), ' ');
      indent = int(blanks.size());
      InsertText(editor, para + 1, 1, blanks);
    }
    Record(utPosition, para + 1, indent + 1);
  }
  NotifyParaSplit(editor, para, pos, std::max(indent, 0));
  return code;
}

int TOvcParaList::JoinParas(TParaListEditor* editor, int para, int pos)
{
  TParaNode* node = GetNode(para);
  TParaNode* next = GetNode(para + 1);
  if (!node || !next)
    return ecOK;
  TUndoGroup group(*undoBuffer_);
  if (pos <= 1) {
    {
      TNotifyOff quiet(notifyEditors_);
      DeletePara(editor, para);
    }
    NotifyParasJoined(editor, para, 1);
    return ecOK;
  }
  const int nextLen = next->Length();
  if (CheckLimits(para, 0, std::int64_t(nextLen) + pos - node->Length() - 1) != ecOK)
    return ecCannotJoin;
  int code = ecOK;
  {
    TNotifyOff quiet(notifyEditors_);
    if (nextLen > 0)
      code = InsertText(editor, para, pos, std::string(next->Text()));
    if (code == ecOK)
      DeletePara(editor, para + 1);
  }
  if (code == ecOK) {
    Record(utPosition, para, pos);
    NotifyParasJoined(editor, para, pos);
  }
  return code;
}

void TOvcParaList::DeleteRegion(TParaListEditor* editor, int para1, int pos1, int para2, int pos2)
{
  if (para1 >= para2 || !GetNode(para1) || !GetNode(para2))
    return;
  TUndoGroup group(*undoBuffer_);
  if (pos1 == 1 && pos2 == 1) {
    for (int i = para1; i < para2; ++i)
      DeletePara(editor, para1);
    return;
  }
  const int len1 = GetParaLength(para1);
  if (pos1 <= len1)
    DeleteText(editor, para1, pos1, len1 - pos1 + 1);
  if (pos2 > 1)
    DeleteText(editor, para2, 1, pos2 - 1);
  for (int i = para1 + 1; i < para2; ++i)
    DeletePara(editor, para1 + 1);
  JoinParas(editor, para1, GetParaLength(para1) + 1);
}

int TOvcParaList::InsertTextWithBreaks(TParaListEditor* editor, int& para, int& pos, std::string_view text)
{
  text = text.substr(0, text.find('\0'));  // a zero-terminated text: nothing after a zero
  if (text.find('\n') == std::string_view::npos) {
    const int code = InsertText(editor, para, pos, text);
    if (code == ecOK)
      pos += int(text.size());
    return code;
  }
  TUndoGroup group(*undoBuffer_);
  int col = 0;
  const int startLine = std::max(1, ParaPosToLine(para, pos, col) - 1);
  int code = ecOK;
  std::size_t start = 0;
  while (code == ecOK && start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const bool broke = end != std::string_view::npos;
    std::string_view chunk = text.substr(start, broke ? end - start + 1 : std::string_view::npos);
    start = broke ? end + 1 : text.size();
    while (!chunk.empty() && (chunk.back() == '\n' || chunk.back() == '\r'))
      chunk.remove_suffix(1);
    if (broke && pos == 1) {
      code = InsertParaBefore(editor, para, chunk);
    } else {
      code = InsertText(editor, para, pos, chunk);
      if (code == ecOK)
        pos += int(chunk.size());
      if (code == ecOK && broke)
        code = CheckLimits(0, 1, 2);
      if (code == ecOK && broke) {
        int indent = 0;
        code = SplitPara(editor, para, pos, true, indent, 0);
      }
    }
    if (code == ecOK && broke) {
      ++para;
      pos = 1;
    }
  }
  firstChangedLine_ = startLine;
  lastChangedLine_ = MaxLimit;
  return code;
}

int TOvcParaList::AddPara(std::string_view text, bool trimBlanks)
{
  std::unique_ptr<TParaNode> node = NewNode(text);
  if (trimBlanks && node->TrimTrailingBlanks() > 0)
    node->Wrap(EffectiveWrapColumn(), tabSize_);
  textBytes_ += node->Length() + 2;
  lineCount_ += node->LineCount();
  paras_.insert(paras_.end() - 1, std::move(node));
  cachePara_ = 1;
  cacheLine_ = 1;
  return ecOK;
}

}  // namespace controls
