// The grid's cursors drawn from pixel rows: '#' black, '.' white, blank transparent.

#include "grid/window/GridCursors.h"

#include <string>
#include <vector>

namespace grid {

namespace {

constexpr int kSize = 16;

struct CursorPicture {
  platform::TCursor Number;
  std::vector<std::string> Rows;
  QPoint HotSpot;
};

// An arrow pointing up and to the right, a short arrow pointing right and one pointing down.
const std::vector<CursorPicture>& Pictures()
{
  static const std::vector<CursorPicture> pictures = {
      {crCellRange,
       {"         #", "        ##", "       #.#", "      #..#", "     #...#", "    #....#", "   #.....#",
        "  #......#", " #.......#", "#####....#", "    #..#.#", "   #..# ##", "   #..#  #", "  #..#", "   ##"},
       {9, 0}},
      {crRowSelect,
       {"", "", "", "", "        #", "        ##", "#########.#", "#.........#", "#########.#", "        ##",
        "        #"},
       {10, 7}},
      {crColSelect,
       {"   ###", "   #.#", "   #.#", "   #.#", "   #.#", "   #.#", "   #.#", "####.####", " #.....#",
        "  #...#", "   #.#", "    #"},
       {4, 11}},
  };
  return pictures;
}

}  // namespace

QImage GridCursorImage(platform::TCursor number, QPoint* hotSpot)
{
  for (const CursorPicture& picture : Pictures()) {
    if (picture.Number != number)
      continue;
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < int(picture.Rows.size()); ++y)
      for (int x = 0; x < int(picture.Rows[y].size()) && x < kSize; ++x) {
        const char c = picture.Rows[y][x];
        if (c != ' ')
          image.setPixel(x, y, c == '#' ? 0xFF000000 : 0xFFFFFFFF);
      }
    if (hotSpot)
      *hotSpot = picture.HotSpot;
    return image;
  }
  return {};
}

void RegisterGridCursors()
{
  for (const CursorPicture& picture : Pictures()) {
    if (platform::IsCursorRegistered(picture.Number))
      continue;
    platform::RegisterCursor(picture.Number, platform::MonochromeCursor(GridCursorImage(picture.Number),
                                                                      picture.HotSpot.x(), picture.HotSpot.y()));
  }
}

}  // namespace grid
