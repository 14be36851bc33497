#pragma once
// Pictures named by 32-bit handles, so that a cell value or a property value can carry one. The
// registry does not own the pictures: a handle whose picture is gone (or was never issued) means
// "no picture".

#include <cstdint>
#include <memory>

namespace platform {
class TBitmap;
}

namespace grid {

using TtsPictureHandle = std::int32_t;  // 0: no picture

using TtsPicture = platform::TBitmap;
using TtsPicturePtr = std::shared_ptr<TtsPicture>;

// The handle of a picture; the same picture keeps its handle while it lives.
TtsPictureHandle RegisterPicture(const TtsPicturePtr& picture);
// The picture of a handle, or none.
TtsPicturePtr FindPicture(TtsPictureHandle handle);

}  // namespace grid
