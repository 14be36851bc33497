#include "controls/editor/UndoBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace controls {

namespace {

constexpr int MaxBufferSize = 65535;
constexpr int Header = TUndoNode::HeaderSize;

std::string_view OldTextOf(std::string_view replaceData) { return replaceData.substr(0, replaceData.find('\0')); }

std::string_view NewTextOf(std::string_view replaceData)
{
  const std::string_view rest = replaceData.substr(OldTextOf(replaceData).size() + 1);
  return rest.substr(0, rest.find('\0'));
}

std::string ReplaceData(std::string_view oldText, std::string_view newText)
{
  std::string data(oldText);
  data += '\0';
  data += newText;
  data += '\0';
  return data;
}

}  // namespace

TOvcUndoBuffer::TOvcUndoBuffer(int size)
{
  size = std::clamp(size, 0, MaxBufferSize);
  while (size > Header) {
    try {
      block_.assign(std::size_t(size), 0);
      break;
    } catch (const std::bad_alloc&) {
      size -= size / 2;
    }
  }
  freeBytes_ = BufferSize();
}

bool TOvcUndoBuffer::BeginGroup()
{
  const bool saved = grouping_;
  if (!grouping_) {
    grouping_ = true;
    NextGroupId();
  }
  return saved;
}

void TOvcUndoBuffer::EndGroup(bool saved)
{
  grouping_ = saved;
  if (!saved)
    groupBroken_ = false;
}

bool TOvcUndoBuffer::AddRecord(TUndoType type, bool modified, int para, int pos, std::string_view data)
{
  return Add(type, modified, para, pos, data, {});
}

bool TOvcUndoBuffer::AddParaRecord(TUndoType type, bool modified, int para, int pos,
                                   std::unique_ptr<TParaNode> owned)
{
  if (block_.empty())
    return false;
  const std::uint32_t handle = handles_.New(std::move(owned));
  const char data[TUndoNode::HandleSize] = {char(handle & 0xFF), char((handle >> 8) & 0xFF),
                                            char((handle >> 16) & 0xFF), char((handle >> 24) & 0xFF)};
  if (Add(type, modified, para, pos, std::string_view(data, sizeof data), {}))
    return true;
  handles_.Release(handle);
  return false;
}

bool TOvcUndoBuffer::AddReplaceRecord(bool modified, int para, int pos, std::string_view oldText,
                                      std::string_view newText)
{
  return Add(utReplaceText, modified, para, pos, oldText, newText);
}

bool TOvcUndoBuffer::Add(TUndoType type, bool modified, int para, int pos, std::string_view oldText,
                         std::string_view newText)
{
  if (block_.empty())
    return false;
  const std::string data = type == utReplaceText ? ReplaceData(oldText, newText) : std::string(oldText);
  if (!grouping_) {
    const int extension = type == utReplaceText ? int(oldText.size() + newText.size()) : int(data.size());
    if (CanExtend(type, para, pos, extension)) {
      DiscardRedo();
      if (!MakeRoom(extension))
        return false;
      // Making room may have dropped the newest record itself; then the step starts a record of its own.
      if (undoCount_ > 0 && CanExtend(type, para, pos, extension)) {
        Extend(type, pos, oldText, newText);
        freeBytes_ -= extension;
        return true;
      }
    }
    NextGroupId();
  }
  return Append(type, modified, para, pos, data);
}

// The counter wraps at 256; a new group never takes the number of the newest record's group, so that
// undo and redo, which run while the number stays the same, stop at the border of neighbouring groups.
void TOvcUndoBuffer::NextGroupId()
{
  ++groupId_;
  if (undoCount_ > 0 && TUndoNode::Read(&block_[std::size_t(current_)]).Group == groupId_)
    ++groupId_;
}

bool TOvcUndoBuffer::Append(TUndoType type, bool modified, int para, int pos, std::string_view data)
{
  const int size = Header + int(data.size());
  if (!MakeRoom(size))
    return false;
  DiscardRedo();
  const int at = NextOffset();
  TUndoRecord record;
  record.Para = para;
  record.Pos = pos;
  record.DataLen = std::uint16_t(data.size());
  record.PrevSize = std::uint16_t(undoCount_ > 0 ? TUndoNode::Size(&block_[std::size_t(current_)]) : 0);
  record.Type = type;
  record.Modified = modified;
  record.Group = groupId_;
  TUndoNode::Write(&block_[std::size_t(at)], record);
  std::memcpy(&block_[std::size_t(at + Header)], data.data(), data.size());
  current_ = at;
  ++undoCount_;
  freeBytes_ -= size;
  return true;
}

bool TOvcUndoBuffer::CanExtend(TUndoType type, int para, int pos, int len) const
{
  if (undoCount_ == 0)
    return false;
  const std::uint8_t* at = &block_[std::size_t(current_)];
  const TUndoRecord record = TUndoNode::Read(at);
  if (record.Type != type || record.Para != para)
    return false;
  switch (type) {
    case utInsertText:
      return pos == record.Pos + record.DataLen;
    case utDeleteText:
      return pos == record.Pos || pos + len == record.Pos;
    case utReplaceText:  // overwrite typing on: right after what the record's replacement put in
      return pos == record.Pos + int(NewTextOf(TUndoNode::Data(at)).size());
    default:
      return false;
  }
}

void TOvcUndoBuffer::Extend(TUndoType type, int pos, std::string_view oldText, std::string_view newText)
{
  std::uint8_t* at = &block_[std::size_t(current_)];
  TUndoRecord record = TUndoNode::Read(at);
  const std::string_view data = TUndoNode::Data(at);
  std::string merged;
  if (type == utReplaceText) {
    merged = ReplaceData(std::string(OldTextOf(data)) + std::string(oldText),
                         std::string(NewTextOf(data)) + std::string(newText));
  } else if (type == utDeleteText && pos != record.Pos) {
    merged = std::string(oldText) + std::string(data);  // Backspace: the deleted characters come before
    record.Pos = pos;
  } else {
    merged = std::string(data) + std::string(oldText);
  }
  record.DataLen = std::uint16_t(merged.size());
  TUndoNode::Write(at, record);
  std::memcpy(at + Header, merged.data(), merged.size());
}

bool TOvcUndoBuffer::MakeRoom(int size)
{
  if (groupBroken_)
    return false;
  if (size > BufferSize()) {
    Clear();
    groupBroken_ = grouping_;
    return false;
  }
  if (freeBytes_ >= size)
    return true;
  DiscardRedo();
  const int need = std::max(BufferSize() / 16, size);
  int offset = 0;
  int dropped = 0;
  while (dropped < undoCount_ && freeBytes_ < need) {
    const std::uint8_t group = TUndoNode::Read(&block_[std::size_t(offset)]).Group;
    while (dropped < undoCount_ && TUndoNode::Read(&block_[std::size_t(offset)]).Group == group) {
      const int recordSize = TUndoNode::Size(&block_[std::size_t(offset)]);
      ReleaseRecord(offset);
      freeBytes_ += recordSize;
      offset += recordSize;
      ++dropped;
    }
  }
  if (dropped == undoCount_) {
    Clear();
    groupBroken_ = grouping_;
    return !grouping_;
  }
  const int end = current_ + TUndoNode::Size(&block_[std::size_t(current_)]);
  std::memmove(block_.data(), &block_[std::size_t(offset)], std::size_t(end - offset));
  TUndoRecord first = TUndoNode::Read(block_.data());
  first.PrevSize = 0;
  TUndoNode::Write(block_.data(), first);
  undoCount_ -= dropped;
  current_ = RecordAt(undoCount_);
  return true;
}

void TOvcUndoBuffer::Clear()
{
  handles_.Clear();
  freeBytes_ = BufferSize();
  undoCount_ = 0;
  redoCount_ = 0;
  current_ = 0;
  groupId_ = 0;
}

void TOvcUndoBuffer::ReleaseRecord(int offset)
{
  const std::uint8_t* at = &block_[std::size_t(offset)];
  if (TUndoNode::HoldsParagraph(TUndoNode::Read(at).Type))
    handles_.Release(TUndoNode::Handle(at));
}

void TOvcUndoBuffer::DiscardRedo()
{
  int offset = NextOffset();
  for (int i = 0; i < redoCount_; ++i) {
    ReleaseRecord(offset);
    offset += TUndoNode::Size(&block_[std::size_t(offset)]);
  }
  redoCount_ = 0;
}

int TOvcUndoBuffer::RecordAt(int n) const
{
  int offset = 0;
  for (int i = 1; i < n; ++i)
    offset += TUndoNode::Size(&block_[std::size_t(offset)]);
  return offset;
}

int TOvcUndoBuffer::NextOffset() const
{
  if (undoCount_ == 0)
    return 0;
  return current_ + TUndoNode::Size(&block_[std::size_t(current_)]);
}

TUndoStep TOvcUndoBuffer::StepAt(int offset) const
{
  const std::uint8_t* at = &block_[std::size_t(offset)];
  TUndoStep step;
  step.Record = TUndoNode::Read(at);
  step.Data = std::string(TUndoNode::Data(at));
  if (TUndoNode::HoldsParagraph(step.Record.Type))
    step.Handle = TUndoNode::Handle(at);
  return step;
}

TUndoStep TOvcUndoBuffer::PopUndo()
{
  TUndoStep step = StepAt(current_);
  --undoCount_;
  ++redoCount_;
  freeBytes_ += Header + step.Record.DataLen;
  current_ = undoCount_ == 0 ? 0 : current_ - step.Record.PrevSize;
  return step;
}

TUndoStep TOvcUndoBuffer::PopRedo(bool modifiedNow)
{
  const int at = NextOffset();
  TUndoNode::SetModified(&block_[std::size_t(at)], modifiedNow);
  TUndoStep step = StepAt(at);
  --redoCount_;
  ++undoCount_;
  freeBytes_ -= Header + step.Record.DataLen;
  current_ = at;
  return step;
}

int TOvcUndoBuffer::UndoGroupId() const
{
  return undoCount_ > 0 ? TUndoNode::Read(&block_[std::size_t(current_)]).Group : -1;
}

int TOvcUndoBuffer::RedoGroupId() const
{
  return redoCount_ > 0 ? TUndoNode::Read(&block_[std::size_t(NextOffset())]).Group : -1;
}

void TOvcUndoBuffer::MarkAllModified()
{
  int offset = 0;
  for (int i = 0; i < undoCount_ + redoCount_; ++i) {
    TUndoNode::SetModified(&block_[std::size_t(offset)], true);
    offset += TUndoNode::Size(&block_[std::size_t(offset)]);
  }
}

TUndoRecord TOvcUndoBuffer::RecordHeader(int n) const { return TUndoNode::Read(&block_[std::size_t(RecordAt(n))]); }

std::string_view TOvcUndoBuffer::RecordData(int n) const
{
  return TUndoNode::Data(&block_[std::size_t(RecordAt(n))]);
}

}  // namespace controls
