#include "grid/model/PictureHandles.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace grid {

namespace {

struct Registry {
  std::unordered_map<TtsPictureHandle, std::weak_ptr<TtsPicture>> pictures;
  std::unordered_map<const TtsPicture*, TtsPictureHandle> handles;
  TtsPictureHandle last = 0;
  std::size_t pruneAt = 64;

  // Forgets the pictures that are gone.
  void Prune()
  {
    for (auto it = pictures.begin(); it != pictures.end();) {
      it = it->second.expired() ? pictures.erase(it) : std::next(it);
    }
    for (auto it = handles.begin(); it != handles.end();)
      it = pictures.count(it->second) ? std::next(it) : handles.erase(it);
    pruneAt = std::max<std::size_t>(64, pictures.size() * 2);
  }
};

Registry& TheRegistry()
{
  static Registry registry;
  return registry;
}

}  // namespace

TtsPictureHandle RegisterPicture(const TtsPicturePtr& picture)
{
  if (!picture)
    return 0;
  Registry& registry = TheRegistry();
  if (const auto known = registry.handles.find(picture.get()); known != registry.handles.end()) {
    if (registry.pictures[known->second].lock() == picture)
      return known->second;
  }
  if (registry.pictures.size() >= registry.pruneAt)
    registry.Prune();
  registry.last = registry.last == std::numeric_limits<TtsPictureHandle>::max() ? 1 : registry.last + 1;
  registry.pictures[registry.last] = picture;
  registry.handles[picture.get()] = registry.last;
  return registry.last;
}

TtsPicturePtr FindPicture(TtsPictureHandle handle)
{
  Registry& registry = TheRegistry();
  const auto found = registry.pictures.find(handle);
  return found == registry.pictures.end() ? nullptr : found->second.lock();
}

}  // namespace grid
