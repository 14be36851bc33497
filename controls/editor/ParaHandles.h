#pragma once
// Paragraphs named by undo records: 32-bit handles to paragraphs a record may own.

#include "controls/editor/ParaNode.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace controls {

class TParaHandles {
 public:
  // A new handle; the slot owns node (none while the paragraph belongs to the list).
  std::uint32_t New(std::unique_ptr<TParaNode> node);
  // Hands the paragraph of a slot to the list (none when the slot does not own one).
  std::unique_ptr<TParaNode> Take(std::uint32_t handle);
  // Gives the slot ownership of a paragraph the list gave up.
  void Store(std::uint32_t handle, std::unique_ptr<TParaNode> node);
  // Drops a handle, destroying the paragraph its slot owns.
  void Release(std::uint32_t handle);
  void Clear() { slots_.clear(); }
  std::size_t Count() const { return slots_.size(); }
  std::size_t OwnedCount() const;

 private:
  std::unordered_map<std::uint32_t, std::unique_ptr<TParaNode>> slots_;
  std::uint32_t next_ = 1;
};

}  // namespace controls
