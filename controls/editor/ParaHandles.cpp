#include "controls/editor/ParaHandles.h"

namespace controls {

std::uint32_t TParaHandles::New(std::unique_ptr<TParaNode> node)
{
  while (next_ == 0 || slots_.contains(next_))
    ++next_;
  const std::uint32_t handle = next_++;
  slots_.emplace(handle, std::move(node));
  return handle;
}

std::unique_ptr<TParaNode> TParaHandles::Take(std::uint32_t handle)
{
  const auto it = slots_.find(handle);
  if (it == slots_.end())
    return nullptr;
  return std::move(it->second);
}

void TParaHandles::Store(std::uint32_t handle, std::unique_ptr<TParaNode> node)
{
  slots_[handle] = std::move(node);
}

void TParaHandles::Release(std::uint32_t handle) { slots_.erase(handle); }

std::size_t TParaHandles::OwnedCount() const
{
  std::size_t count = 0;
  for (const auto& [handle, node] : slots_)
    count += node ? 1 : 0;
  return count;
}

}  // namespace controls
