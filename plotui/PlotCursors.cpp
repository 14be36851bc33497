// The plot's cursors as pixel rows: '#' black, '.' white, blank transparent. Every transparent pixel
// next to a black one turns white, so the shapes show on dark and light plots alike. Those of the
// tools compose a pointer or a cross hair with a small emblem of what the tool does.
#include "plotui/PlotCursors.h"

#include "platform/Cursors.h"

#include <array>
#include <string>
#include <vector>

namespace plotui {

namespace {

using TRows = std::vector<std::string>;

TRows Blank() { return TRows(kCursorSize, std::string(kCursorSize, ' ')); }

// Lays the rows of a part over the picture with its top left at (x, y); blanks leave it as it is.
TRows Over(TRows picture, const TRows& part, int x, int y)
{
  for (std::size_t r = 0; r < part.size(); ++r)
    for (std::size_t c = 0; c < part[r].size(); ++c)
      if (part[r][c] != ' ' && y + r < picture.size() && x + c < picture[y + r].size())
        picture[y + r][x + c] = part[r][c];
  return picture;
}

const TRows kPointer = {
    "#",         "##",        "#.#",       "#..#",      "#...#",     "#....#",    "#.....#",  "#......#",
    "#.......#", "#....#####", "#..#..#",  "#.# #..#",  "##   #..#", "#    #..#", "      ##",
};

TRows CrossHair()
{
  TRows rows = Blank();
  for (int i = 0; i < 15; ++i) {
    if (i >= 6 && i <= 8)
      continue;
    rows[i][7] = '#';
    rows[7][i] = '#';
  }
  return rows;
}

const TRows kLens = {
    "   ####",    "  #    #",    " #      #",   "#        #",  "#        #",    "#        #",  "#        #",
    " #      #",  "  #    ##",   "   ######",   "        ###", "         ###",  "          ###", "           ###",
    "            ##",
};
const TRows kLensPlus = {"  #", "  #", "#####", "  #", "  #"};
const TRows kRays = {"#  #", " #  #", "", "##", "", " #  #", "#  #"};

const TRows kFourWays = {
    "       #",        "      ###",       "     #####",      "       #",        "       #",
    "  #    #    #",   " ##    #    ##",  "###############", " ##    #    ##",  "  #    #    #",
    "       #",        "       #",        "     #####",      "      ###",       "       #",
};

const TRows kDiagonalArrows = {
    "#####",        "###",          "## #",         "#   #",        "#    #",
    "      #",      "       #",     "        #",    "         #",   "          #    #",
    "           #   #", "            # ##", "              ###", "            #####",
};

const TRows kIBeam = {"### ###", "   #", "   #", "   #", "   #", "   #", "   #", "   #",
                      "   #",    "   #", "   #", "   #", "   #", "   #", "### ###"};

const TRows kPencil = {
    "            ##", "           #..#", "          #...#", "         #...#",  "        #...#",
    "       #...#",   "      #...#",     "     #...#",     "    #...#",       "   #...#",
    "  #...#",        " ##..#",          " ###.#",          "####",           "##",
};

// Emblems of 7 x 7, placed at the lower right.
const TRows kPlus = {"", "   #", "   #", " #####", "   #", "   #"};
const TRows kCross = {"", " #   #", "  # #", "   #", "  # #", " #   #"};
const TRows kSquare = {"", " #####", " #...#", " #...#", " #...#", " #####"};
const TRows kInfo = {"   ##", "", "  ###", "   ##", "   ##", "   ##", "  ####"};
const TRows kArrowHead = {"", "  ####", "    ##", "   # #", "  #  #", " #", "#"};
const TRows kLine = {"", "      #", "     #", "    #", "   #", "  #", " #"};
const TRows kRectangle = {"", "#######", "#     #", "#     #", "#     #", "#######"};
const TRows kCircle = {"  ###", " #   #", "#     #", "#     #", "#     #", " #   #", "  ###"};
const TRows kShape = {"   #", "  # #", " #   #", "#     #", " #   #", "  # #", "   #"};

struct TCursorPicture {
  platform::TCursor Number;
  TRows Rows;
  int HotX, HotY;
};

const std::vector<TCursorPicture>& Pictures()
{
  static const std::vector<TCursorPicture> pictures = [] {
    const TRows lens = Over(Over(Blank(), kLens, 0, 0), kLensPlus, 3, 3);
    return std::vector<TCursorPicture>{
        {100, lens, 5, 5},
        {101, Over(Blank(), kFourWays, 0, 0), 7, 7},
        {102, Over(Over(Blank(), kPointer, 0, 0), kPlus, 9, 9), 0, 0},
        {103, Over(Over(Blank(), kPointer, 0, 0), kCross, 9, 9), 0, 0},
        {104, Over(Over(Blank(), kPointer, 0, 0), kSquare, 9, 9), 0, 0},
        {105, Over(Blank(), kDiagonalArrows, 0, 0), 7, 7},
        {106, Over(lens, kRays, 11, 0), 5, 5},
        {107, Over(Over(Blank(), kFourWays, 0, 0), {"###", "#.#", "###"}, 6, 6), 7, 7},
        {108, Over(Over(Blank(), kFourWays, 0, 0), {"###", "###", "###"}, 6, 6), 7, 7},
        {109, Over(Over(Blank(), kPointer, 0, 0), kInfo, 9, 9), 0, 0},
        {113, Over(Blank(), kIBeam, 4, 0), 7, 8},
        {114, Over(CrossHair(), kArrowHead, 9, 9), 7, 7},
        {115, Over(CrossHair(), kLine, 9, 9), 7, 7},
        {116, Over(CrossHair(), kRectangle, 9, 9), 7, 7},
        {117, Over(CrossHair(), kCircle, 9, 9), 7, 7},
        {118, Over(CrossHair(), kShape, 9, 9), 7, 7},
        {119, Over(Blank(), kPencil, 0, 1), 0, 15},
    };
  }();
  return pictures;
}

const TCursorPicture* Find(platform::TCursor number)
{
  for (const TCursorPicture& p : Pictures())
    if (p.Number == number)
      return &p;
  return nullptr;
}

// The rows with the white edge round the black pixels.
TRows Outlined(const TRows& rows)
{
  TRows out = rows;
  const auto black = [&](int x, int y) {
    return y >= 0 && y < kCursorSize && x >= 0 && x < kCursorSize && rows[y][x] == '#';
  };
  for (int y = 0; y < kCursorSize; ++y)
    for (int x = 0; x < kCursorSize; ++x)
      if (rows[y][x] == ' ')
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx)
            if (black(x + dx, y + dy))
              out[y][x] = '.';
  return out;
}

}  // namespace

const std::vector<platform::TCursor>& PlotCursorNumbers()
{
  static const std::vector<platform::TCursor> numbers = [] {
    std::vector<platform::TCursor> n;
    for (const TCursorPicture& p : Pictures())
      n.push_back(p.Number);
    return n;
  }();
  return numbers;
}

QImage PlotCursorImage(platform::TCursor number, QPoint* hotSpot)
{
  const TCursorPicture* picture = Find(number);
  if (!picture)
    return {};
  QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  const TRows rows = Outlined(picture->Rows);
  for (int y = 0; y < kCursorSize; ++y)
    for (int x = 0; x < kCursorSize; ++x)
      if (rows[y][x] != ' ')
        image.setPixel(x, y, rows[y][x] == '#' ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  if (hotSpot)
    *hotSpot = {picture->HotX, picture->HotY};
  return image;
}

void RegisterPlotCursors()
{
  for (platform::TCursor number : PlotCursorNumbers()) {
    if (platform::IsCursorRegistered(number))
      continue;
    QPoint hot;
    const QImage image = PlotCursorImage(number, &hot);
    platform::RegisterCursor(number, platform::MonochromeCursor(image, hot.x(), hot.y()));
  }
}

}  // namespace plotui
