#include "platform/Cursors.h"

#include <QBitmap>
#include <QImage>
#include <map>

namespace platform {

namespace {

std::map<TCursor, QCursor>& Table()
{
  static std::map<TCursor, QCursor> table{
      {crDefault, QCursor(Qt::ArrowCursor)},     {crNone, QCursor(Qt::BlankCursor)},
      {crArrow, QCursor(Qt::ArrowCursor)},       {crCross, QCursor(Qt::CrossCursor)},
      {crIBeam, QCursor(Qt::IBeamCursor)},       {crSizeNESW, QCursor(Qt::SizeBDiagCursor)},
      {crSizeNS, QCursor(Qt::SizeVerCursor)},    {crSizeNWSE, QCursor(Qt::SizeFDiagCursor)},
      {crSizeWE, QCursor(Qt::SizeHorCursor)},    {crUpArrow, QCursor(Qt::UpArrowCursor)},
      {crHourGlass, QCursor(Qt::WaitCursor)},    {crDrag, QCursor(Qt::DragCopyCursor)},
      {crNoDrop, QCursor(Qt::ForbiddenCursor)},  {crHSplit, QCursor(Qt::SplitHCursor)},
      {crVSplit, QCursor(Qt::SplitVCursor)},     {crMultiDrag, QCursor(Qt::DragCopyCursor)},
      {crSQLWait, QCursor(Qt::BusyCursor)},      {crNo, QCursor(Qt::ForbiddenCursor)},
      {crAppStart, QCursor(Qt::BusyCursor)},     {crHelp, QCursor(Qt::WhatsThisCursor)},
      {crHandPoint, QCursor(Qt::PointingHandCursor)}, {crSizeAll, QCursor(Qt::SizeAllCursor)},
  };
  return table;
}

}  // namespace

void RegisterCursor(TCursor number, const QCursor& cursor)
{
  Table()[number] = cursor;
}

QCursor CursorFor(TCursor number)
{
  const auto found = Table().find(number);
  return found != Table().end() ? found->second : QCursor(Qt::ArrowCursor);
}

bool IsCursorRegistered(TCursor number)
{
  return Table().count(number) != 0;
}

QCursor MonochromeCursor(const QImage& picture, int hotX, int hotY)
{
  QImage bits(picture.size(), QImage::Format_Mono);
  QImage mask(picture.size(), QImage::Format_Mono);
  bits.fill(0);
  mask.fill(0);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      if (qAlpha(pixel) == 0)
        continue;
      mask.setPixel(x, y, 1);
      bits.setPixel(x, y, qRed(pixel) == 0 ? 1 : 0);
    }
  return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), hotX, hotY);
}

}  // namespace platform
