// The ring of editors sharing one text store, and how each follows the changes made through another.
#include "controls/editor/EditorCore.h"

namespace controls {

// Every editor of the ring, starting after this one and ending with it.
void TOvcEditorCore::ForEachInRing(const std::function<void(TOvcEditorCore&)>& visit)
{
  TOvcEditorCore* editor = this;
  do {
    editor = editor->next_;
    visit(*editor);
  } while (editor != this);
}

void TOvcEditorCore::Adjust(const TRule& rule, const TRule& caretRule, int para, bool isOrigin, bool paraDeleted)
{
  if (topPos_.Para >= para)
    rule(topPos_);
  SyncTop();
  if (!isOrigin) {
    const bool wholeSelection = paraDeleted && selStart_.Para == para && selEnd_.Para == para;
    TParaPos caret = CaretPara();
    caretRule(caret);
    SyncCaret(caret.Para, caret.Pos);
    if (wholeSelection) {
      selStart_ = selEnd_ = selMoving_ = CutToPara(CaretPara());
    } else {
      caretRule(selStart_);
      caretRule(selEnd_);
      caretRule(selMoving_);
    }
  }
  View().ScrollStateStale();
  View().InvalidateAll();
}

void TOvcEditorCore::ParaDeleted(int para)
{
  const int count = GetParaCount();
  const TRule rule = [para, count](TParaPos& p) { CaretOnParaDeleted(p, para, count); };
  ForEachInRing([&](TOvcEditorCore& e) { e.Adjust(rule, rule, para, &e == this, true); });
}

void TOvcEditorCore::TextDeleted(int para, int pos, int count)
{
  const TRule rule = [=](TParaPos& p) { CaretOnTextDeleted(p, para, pos, count); };
  ForEachInRing([&](TOvcEditorCore& e) { e.Adjust(rule, rule, para, &e == this, false); });
}

void TOvcEditorCore::ParaSplit(int para, int pos, int indent)
{
  const TRule rule = [=](TParaPos& p) { ShiftOnParaSplit(p, para, pos, indent); };
  ForEachInRing([&](TOvcEditorCore& e) {
    // A split right at the start of the origin's top line leaves that top line where it is.
    const bool atOwnTop = &e == this && e.topPos_ == TParaPos{para, pos};
    const TRule topRule = atOwnTop ? TRule([](TParaPos&) {}) : rule;
    e.Adjust(topRule, rule, para, &e == this, false);
  });
}

void TOvcEditorCore::TextInserted(int para, int pos, int count)
{
  const TRule rule = [=](TParaPos& p) { ShiftOnTextInserted(p, para, pos, count); };
  ForEachInRing([&](TOvcEditorCore& e) { e.Adjust(rule, rule, para, &e == this, false); });
}

void TOvcEditorCore::ParasJoined(int para, int pos)
{
  const TRule rule = [=](TParaPos& p) { ShiftOnParasJoined(p, para, pos); };
  ForEachInRing([&](TOvcEditorCore& e) { e.Adjust(rule, rule, para, &e == this, false); });
}

void TOvcEditorCore::SetModified(bool modified)
{
  list_->SetModified(modified);
  if (!modified)
    list_->UndoBuffer().MarkAllModified();
  ForEachInRing([](TOvcEditorCore& e) { e.View().InvalidateAll(); });
}

void TOvcEditorCore::UpdateLayout()
{
  ForEachInRing([](TOvcEditorCore& e) { e.Relayout(); });
}

void TOvcEditorCore::Relayout()
{
  SyncCaret(caretPara_, caretOffset_ + caretCol_);
  SyncTop();
  View().RefreshView();
}

void TOvcEditorCore::LeaveRing()
{
  if (next_ == this) {
    ownedList_.reset();
    list_ = nullptr;
    return;
  }
  if (ownedList_) {
    next_->ownedList_ = std::move(ownedList_);
    list_->SetEditor(next_);
  }
  prev_->next_ = next_;
  next_->prev_ = prev_;
  prev_ = next_ = this;
  list_ = nullptr;
}

void TOvcEditorCore::Attach(TOvcEditorCore* other)
{
  if (!other || other == this || other->list_ == list_)
    return;
  LeaveRing();
  list_ = other->list_;
  TOvcEditorCore* owner = other;
  while (!owner->ownedList_)
    owner = owner->next_;
  next_ = owner;
  prev_ = owner->prev_;
  owner->prev_->next_ = this;
  owner->prev_ = this;
  caretLine_ = caretCol_ = caretPara_ = 1;
  caretOffset_ = 0;
  selStart_ = selEnd_ = selMoving_ = {1, 1};
  hOffset_ = 0;
  topPos_ = {1, 1};
  SyncTop();
  View().RefreshView();
}

void TOvcEditorCore::ClearText(bool redraw)
{
  const TOvcParaList& old = *list_;
  const int byteLimit = old.ByteLimit();
  const int paraLimit = old.ParaLimit();
  const int lengthLimit = old.ParaLengthLimit();
  const bool wrap = old.WordWrap();
  const int wrapColumn = old.WrapColumn();
  const int undoSize = old.UndoBuffer().BufferSize();
  const int tabSize = old.TabSize();
  LeaveRing();
  ownedList_ = std::make_unique<TOvcParaList>(this, wrap, undoSize);
  list_ = ownedList_.get();
  list_->SetByteLimit(byteLimit);
  list_->SetParaLimit(paraLimit);
  list_->SetParaLengthLimit(lengthLimit);
  list_->SetWrapColumn(wrapColumn);
  list_->SetTabSize(tabSize);
  SetTopLine(1);
  topPos_ = {1, 1};
  caretLine_ = caretCol_ = caretPara_ = 1;
  caretOffset_ = 0;
  hOffset_ = 0;
  selStart_ = selEnd_ = selMoving_ = {1, 1};
  if (redraw)
    View().RefreshView();
}

}  // namespace controls
