#include "platform/Cursors.h"

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

}  // namespace platform
