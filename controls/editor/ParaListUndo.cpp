// Undo and redo: the records of one group replayed through the text store's own operations.
#include "controls/editor/ParaList.h"

#include <algorithm>

namespace controls {

namespace {

std::string_view OldText(std::string_view data) { return data.substr(0, data.find('\0')); }

std::string_view NewText(std::string_view data)
{
  const std::string_view rest = data.substr(OldText(data).size() + 1);
  return rest.substr(0, rest.find('\0'));
}

// Sets a flag for the lifetime of the object.
class TReplaying {
 public:
  explicit TReplaying(bool& flag) : flag_(flag) { flag_ = true; }
  ~TReplaying() { flag_ = false; }
  TReplaying(const TReplaying&) = delete;
  TReplaying& operator=(const TReplaying&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void TOvcParaList::Undo(TParaListEditor* editor, int& para, int& pos)
{
  TOvcUndoBuffer& buffer = *undoBuffer_;
  if (buffer.UndoCount() == 0)
    return;
  TReplaying replaying(inUndoRedo_);
  const int group = buffer.UndoGroupId();
  bool modifiedBefore = modified_;
  do {
    const TUndoStep step = buffer.PopUndo();
    para = step.Record.Para;
    pos = step.Record.Pos;
    modifiedBefore = step.Record.Modified;
    switch (step.Record.Type) {
      case utInsertText:
        DeleteText(editor, para, pos, step.Record.DataLen);
        break;
      case utDeleteText:
        InsertText(editor, para, pos, step.Data);
        break;
      case utReplaceText:
        ReplaceText(editor, para, pos, int(NewText(step.Data).size()), OldText(step.Data));
        break;
      case utInsertParaBefore:
        if (GetNode(para) && ParaCount() > 1)
          buffer.StorePara(step.Handle, Unlink(editor, para));
        break;
      case utInsertParaAfter:
        if (GetNode(para + 1))
          buffer.StorePara(step.Handle, Unlink(editor, para + 1));
        break;
      case utDeletePara:
        if (auto node = buffer.TakePara(step.Handle))
          Link(editor, std::min(para, ParaCount() + 1) - 1, std::move(node));
        break;
      case utPosition:
        break;
    }
  } while (buffer.UndoGroupId() == group);
  modified_ = modifiedBefore;
}

void TOvcParaList::Redo(TParaListEditor* editor, int& para, int& pos)
{
  TOvcUndoBuffer& buffer = *undoBuffer_;
  if (buffer.RedoCount() == 0)
    return;
  TReplaying replaying(inUndoRedo_);
  const int group = buffer.RedoGroupId();
  do {
    const TUndoStep step = buffer.PopRedo(modified_);
    para = step.Record.Para;
    pos = step.Record.Pos;
    switch (step.Record.Type) {
      case utInsertText:
        InsertText(editor, para, pos, step.Data);
        pos += step.Record.DataLen;
        break;
      case utDeleteText:
        DeleteText(editor, para, pos, step.Record.DataLen);
        break;
      case utReplaceText:
        ReplaceText(editor, para, pos, int(OldText(step.Data).size()), NewText(step.Data));
        pos += int(NewText(step.Data).size());
        break;
      case utInsertParaBefore:
        if (auto node = buffer.TakePara(step.Handle))
          Link(editor, std::min(para, ParaCount() + 1) - 1, std::move(node));
        ++para;
        pos = 1;
        break;
      case utInsertParaAfter:
        if (auto node = buffer.TakePara(step.Handle))
          Link(editor, std::min(para, ParaCount()), std::move(node));
        ++para;
        pos = 1;
        break;
      case utDeletePara:
        if (GetNode(para) && ParaCount() > 1)
          buffer.StorePara(step.Handle, Unlink(editor, para));
        break;
      case utPosition:
        break;
    }
  } while (buffer.RedoGroupId() == group);
}

}  // namespace controls
