#include "controls/editor/PositionRules.h"

#include <algorithm>

namespace controls {

void ShiftOnParaDeleted(TParaPos& p, int para)
{
  if (p.Para == para)
    p = {};
  else if (p.Para > para)
    --p.Para;
}

void ShiftOnTextDeleted(TParaPos& p, int para, int pos, int count)
{
  if (p.Para != para || p.Pos < pos)
    return;
  if (p.Pos < pos + count)
    p = {};
  else
    p.Pos -= count;
}

void ShiftOnParaSplit(TParaPos& p, int para, int pos, int indent)
{
  if (p.Para > para) {
    ++p.Para;
  } else if (p.Para == para && p.Pos >= pos) {
    ++p.Para;
    p.Pos = indent + p.Pos - pos + 1;
  }
}

void ShiftOnTextInserted(TParaPos& p, int para, int pos, int count)
{
  if (p.Para == para && p.Pos >= pos)
    p.Pos += count;
}

void ShiftOnParasJoined(TParaPos& p, int para, int pos)
{
  if (p.Para <= para)
    return;
  if (p.Para == para + 1)
    p.Pos += pos - 1;
  --p.Para;
}

void CaretOnParaDeleted(TParaPos& p, int para, int paraCount)
{
  if (p.Para == para)
    p.Pos = 1;
  else if (p.Para > para)
    --p.Para;
  p.Para = std::min(p.Para, paraCount);
}

void CaretOnTextDeleted(TParaPos& p, int para, int pos, int count)
{
  if (p.Para != para || p.Pos < pos)
    return;
  p.Pos = p.Pos < pos + count ? pos : p.Pos - count;
}

}  // namespace controls
