#include "chart/support/LibraryItems.h"

#include "platform/Bitmap.h"

#include <utility>

namespace chart {

QString ExportExtension(int index)
{
  if (index < 0 || index >= int(kExportExtensions.size()))
    return {};
  return QString::fromLatin1(kExportExtensions[std::size_t(index)]);
}

namespace {
// A pointing hand, 16 x 16: '#' black, '.' white, ' ' transparent; the hot spot is the finger tip.
constexpr const char* kHandRows[16] = {
    "     ##         ", "    #..#        ", "    #..#        ", "    #..#        ",
    "    #..###      ", "    #..#..###   ", "    #..#..#..## ", " ## #..#..#..#.#",
    "#..##........#.#", "#...#..........#", " #.............#", "  #............#",
    "  #...........# ", "   #..........# ", "    #........#  ", "    ##########  "};

QImage HandPicture()
{
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const char c = kHandRows[y][x];
      if (c == '#')
        image.setPixel(x, y, 0xFF000000);
      else if (c == '.')
        image.setPixel(x, y, 0xFFFFFFFF);
    }
  return image;
}

const std::pair<platform::TCursor, const char*> kCursorNames[] = {
    {platform::crDefault, "crDefault"},     {platform::crNone, "crNone"},         {platform::crArrow, "crArrow"},
    {platform::crCross, "crCross"},         {platform::crIBeam, "crIBeam"},       {platform::crSizeNESW, "crSizeNESW"},
    {platform::crSizeNS, "crSizeNS"},       {platform::crSizeNWSE, "crSizeNWSE"}, {platform::crSizeWE, "crSizeWE"},
    {platform::crUpArrow, "crUpArrow"},     {platform::crHourGlass, "crHourGlass"}, {platform::crDrag, "crDrag"},
    {platform::crNoDrop, "crNoDrop"},       {platform::crHSplit, "crHSplit"},     {platform::crVSplit, "crVSplit"},
    {platform::crMultiDrag, "crMultiDrag"}, {platform::crSQLWait, "crSQLWait"},   {platform::crNo, "crNo"},
    {platform::crAppStart, "crAppStart"},   {platform::crHelp, "crHelp"},         {platform::crHandPoint, "crHandPoint"},
    {platform::crSizeAll, "crSizeAll"},     {crTeeHand, kTeeHandName}};
}  // namespace

void RegisterTeeHandCursor() { platform::RegisterCursor(crTeeHand, platform::MonochromeCursor(HandPicture(), 5, 0)); }

bool CursorFromName(const QString& name, platform::TCursor& cursor)
{
  for (const auto& [number, text] : kCursorNames)
    if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) {
      cursor = number;
      return true;
    }
  return false;
}

bool CursorName(platform::TCursor cursor, QString& name)
{
  for (const auto& [number, text] : kCursorNames)
    if (number == cursor) {
      name = QString::fromLatin1(text);
      return true;
    }
  return false;
}

void TClassImages::Add(const QString& className, const QImage& image) { images_[className] = image; }

bool TClassImages::LoadClassImage(std::span<const QString> classChain, platform::TBitmap& bitmap) const
{
  for (const QString& name : classChain) {
    const auto found = images_.find(name);
    if (found == images_.end() || found->second.isNull())
      continue;
    bitmap.SetImage(found->second);
    return true;
  }
  return false;
}

QString MakeUniqueName(const QString& baseName, const std::function<bool(const QString&)>& isTaken)
{
  for (long long n = 1;; ++n) {
    const QString name = baseName + QString::number(n);
    if (!isTaken(name))
      return name;
  }
}

QString MakeUniqueName(const QObject& owner, const QString& baseName)
{
  return MakeUniqueName(baseName, [&owner](const QString& name) {
    return owner.findChild<QObject*>(name, Qt::FindDirectChildrenOnly) != nullptr;
  });
}

}  // namespace chart
