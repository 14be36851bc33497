#pragma once
// The undo history: records of every change of the text store in one fixed block, grouped by user action.

#include "controls/editor/ParaHandles.h"
#include "controls/editor/UndoRecord.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace controls {

inline constexpr int DefaultUndoBufferSize = 8192;

// A record taken off the history by PopUndo or PopRedo.
struct TUndoStep {
  TUndoRecord Record;
  std::string Data;
  std::uint32_t Handle = 0;  // paragraph records only
};

class TOvcUndoBuffer {
 public:
  explicit TOvcUndoBuffer(int size = DefaultUndoBufferSize);
  TOvcUndoBuffer(const TOvcUndoBuffer&) = delete;
  TOvcUndoBuffer& operator=(const TOvcUndoBuffer&) = delete;

  // Grouping: nested calls open and close only the outermost group.
  bool BeginGroup();
  void EndGroup(bool saved);

  // Records one step; false when it was not recorded.
  bool AddRecord(TUndoType type, bool modified, int para, int pos, std::string_view data);
  // Records a paragraph step; owned is the removed paragraph of a utDeletePara record (destroyed if refused).
  bool AddParaRecord(TUndoType type, bool modified, int para, int pos, std::unique_ptr<TParaNode> owned);
  bool AddReplaceRecord(bool modified, int para, int pos, std::string_view oldText, std::string_view newText);
  bool MakeRoom(int size);
  void Clear();

  TUndoStep PopUndo();
  TUndoStep PopRedo(bool modifiedNow);
  // Group of the newest undo (next redo) record; -1 when there is none.
  int UndoGroupId() const;
  int RedoGroupId() const;
  void MarkAllModified();

  // Paragraphs named by paragraph records.
  std::unique_ptr<TParaNode> TakePara(std::uint32_t handle) { return handles_.Take(handle); }
  void StorePara(std::uint32_t handle, std::unique_ptr<TParaNode> node) { handles_.Store(handle, std::move(node)); }
  const TParaHandles& Handles() const { return handles_; }

  // Queries.
  int BufferSize() const { return int(block_.size()); }
  int FreeBytes() const { return freeBytes_; }
  int UndoCount() const { return undoCount_; }
  int RedoCount() const { return redoCount_; }
  int GroupId() const { return groupId_; }
  bool Grouping() const { return grouping_; }
  bool GroupBroken() const { return groupBroken_; }
  // Header and data of the n-th record (1-based) from the start of the block.
  TUndoRecord RecordHeader(int n) const;
  std::string_view RecordData(int n) const;

 private:
  int RecordAt(int n) const;  // offset of the n-th record; 0 for n = 0
  int NextOffset() const;     // where the record after Current starts
  void NextGroupId();
  bool CanExtend(TUndoType type, int para, int pos, int len) const;
  void Extend(TUndoType type, int pos, std::string_view oldText, std::string_view newText);
  bool Append(TUndoType type, bool modified, int para, int pos, std::string_view data);
  bool Add(TUndoType type, bool modified, int para, int pos, std::string_view oldText, std::string_view newText);
  void ReleaseRecord(int offset);
  void DiscardRedo();
  TUndoStep StepAt(int offset) const;

  std::vector<std::uint8_t> block_;
  TParaHandles handles_;
  int freeBytes_ = 0;
  int current_ = 0;  // offset of the newest undo record
  int undoCount_ = 0;
  int redoCount_ = 0;
  std::uint8_t groupId_ = 0;
  bool grouping_ = false;
  bool groupBroken_ = false;
};

// One undo group for the lifetime of the object.
class TUndoGroup {
 public:
  explicit TUndoGroup(TOvcUndoBuffer& buffer) : buffer_(buffer), saved_(buffer.BeginGroup()) {}
  ~TUndoGroup() { buffer_.EndGroup(saved_); }
  TUndoGroup(const TUndoGroup&) = delete;
  TUndoGroup& operator=(const TUndoGroup&) = delete;

 private:
  TOvcUndoBuffer& buffer_;
  bool saved_;
};

}  // namespace controls
