#pragma once
// The pictures of bookmarks 0 to 9, side by side in one image of ten equal glyphs.

#include <QImage>

namespace controls {

QImage BookmarkGlyphs();

}  // namespace controls
