// Cell buttons: the strip of the cell a button occupies, its face idle, hot or pressed, the two
// halves of a spin button, and its glyph.

#include "grid/window/GridPainter.h"

#include "platform/CanvasEdge.h"

#include <algorithm>

namespace grid {

using namespace platform;

namespace {

TtsGlyph ButtonGlyph(TtsButtonType type) { return type == btNormal ? TtsGlyph::ButDetail : TtsGlyph::ArrowCombo; }

bool IsSpin(TtsButtonType type) { return type == btVertSpin || type == btHorzSpin; }

}  // namespace

TtsSpinHalves SpinHalves(const TtsBaseGrid& grid, const TtsCellPaintInfo& info)
{
  TtsSpinHalves halves;
  const TRect& b = info.ButtonRect;
  if (b.IsEmpty())
    return halves;
  const TSize inner = grid.ButtonInnerSize(info.ButtonType);
  const TSize outer = grid.ButtonOuterSize(info.ButtonType);
  const int top = b.Top + 1 - grid.HorzLineWidth();
  const int left = std::min(b.Left + 1, b.Right);
  if (info.ButtonType == btVertSpin) {
    const int q = std::min(std::max(3, (b.Bottom - top) / 2), inner.cy);
    halves.Part1 = {left, top, b.Right, std::min(b.Bottom, top + q)};
    halves.Part2 = {left, halves.Part1.Bottom, b.Right, std::min(b.Bottom, halves.Part1.Bottom + q)};
    halves.Size = q;
    return halves;
  }
  const int p = std::min(std::max(3, (b.Right - left) / 2), inner.cx);
  const int bottom = std::min(b.Bottom, top + outer.cy);
  halves.Part2 = {left, top, std::min(left + p, b.Right), bottom};
  halves.Part1 = {halves.Part2.Right, top, std::min(halves.Part2.Right + p, b.Right), bottom};
  const int slack = b.Right - halves.Part1.Right;
  if (slack > 0) {
    halves.Part1.Left += slack;
    halves.Part1.Right += slack;
    halves.Part2.Left += slack;
    halves.Part2.Right += slack;
  }
  halves.Size = p;
  return halves;
}

int TtsBaseGrid::SpinPartAt(int x, int y, int displayCol, int displayRow)
{
  if (displayCol < 1 || displayRow < 1)
    return 0;
  const TtsCellPaintInfo info = GetCellPaintInfo(displayCol, displayRow, false);
  if (!IsSpin(info.ButtonType))
    return 0;
  const TtsSpinHalves halves = SpinHalves(*this, info);
  auto inside = [x, y](const TRect& r) { return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom; };
  if (inside(halves.Part1))
    return 1;
  return inside(halves.Part2) ? 2 : 0;
}

bool TtsBaseGrid::IsOnSpinPart(int x, int y, int displayCol, int displayRow, int part)
{
  return part != 0 && part == SpinPartAt(x, y, displayCol, displayRow);
}

bool TtsGridPainter::IsCurrentEditableCell(const TtsCellPaintInfo& info) const
{
  const bool editing = grid_.GridMode() == gmEdit || grid_.GridMode() == gmEditInsert;
  return editing && info.DisplayCol == model_.CurrentDisplayCol() && info.DisplayRow == model_.CurrentDisplayRow() &&
         grid_.SelectionKind() == 0 && !grid_.InDirectPaint() &&
         !model_.IsCellReadOnly(info.DataCol, info.DataRow);
}

bool TtsGridPainter::IdleRaised(const TtsCellPaintInfo& info) const
{
  return !grid_.FlatButtons && (grid_.InactiveButtonState == ibsBackGround || IsCurrentEditableCell(info));
}

void TtsGridPainter::PaintButtonArea(const TtsCellPaintInfo& info, bool selected)
{
  if (!info.HasButton || info.ButtonRect.IsEmpty())
    return;
  FillCell(info.ButtonRect, info, selected);
  if (info.Is3D && !(info.Editing && info.ControlType == ctText))
    RaisedEdge(info.ButtonRect, BF_TOP);
}

void TtsGridPainter::PaintCellButton(const TtsCellPaintInfo& info, bool selected)
{
  if (!info.HasButton)
    return;
  const TGridCoord cell{info.DisplayCol, info.DisplayRow};
  int state = 0;
  TColor color = clNone;
  if (grid_.CellButtonPressed && grid_.PressedButtonCell == cell) {
    state = 2;
    color = clBtnFace;
  } else if (grid_.HotButtonCell == cell) {
    state = 1;
    color = clBtnFace;
  } else if (grid_.InactiveButtonState == ibsBackGround || IsCurrentEditableCell(info)) {
    color = clBtnFace;
  }
  if (IsSpin(info.ButtonType)) {
    if (color != clNone)
      PaintSpinButton(info, 6, state == 2 ? grid_.PressedButtonPart : 0, color);
    return;
  }
  if (color != clNone)
    PaintButtonFace(info, state, color, IdleRaised(info));
  PaintButtonGlyph(info, state, color != clNone ? color : FillColor(info, selected));
}

void TtsGridPainter::PaintFace(const TRect& face, TColor color, bool pressed, bool raised, int fitWidth, int fitHeight,
                               bool upperLine, bool leftLine, const TtsCellPaintInfo& info)
{
  if (face.IsEmpty())
    return;
  SetBrush(color);
  canvas_.FillRect(face);
  if (!pressed && !raised) {
    const bool focusFrame = (grid_.FocusBorder == fbDot || grid_.FocusBorder == fbDouble) &&
                            grid_.IsFocusCell(info.DisplayCol, info.DisplayRow, true);
    const bool editedText = info.Editing && info.ControlType == ctText;
    const bool current = info.DisplayCol == model_.CurrentDisplayCol() && info.DisplayRow == model_.CurrentDisplayRow();
    const bool nothingSelected = grid_.SelectionKind() == 0;
    if (info.Is3D && !(current && !editedText && focusFrame) && !(editedText && nothingSelected))
      RaisedEdge(info.ButtonRect, BF_TOP);
    return;
  }
  const TPenData old = canvas_.Pen().Data();
  canvas_.Pen().SetColor(clSilver);
  if (leftLine) {
    canvas_.MoveTo(face.Left - 1, face.Top);
    canvas_.LineTo(face.Left - 1, face.Bottom);
  }
  if (upperLine && grid_.HorzLineWidth() == 0) {
    canvas_.MoveTo(face.Left - 1, face.Top - 1);
    canvas_.LineTo(face.Right, face.Top - 1);
  }
  canvas_.Pen().SetData(old);
  const bool wide = face.Width() >= fitWidth - 1;
  const bool high = face.Height() >= (pressed ? fitHeight - 1 : fitHeight);
  const unsigned sides = (wide ? BF_RIGHT : 0u) | (high ? BF_BOTTOM : 0u);
  TRect r = face;
  if (pressed) {
    if (sides != 0)
      DrawEdge(canvas_, r, BDR_SUNKENINNER, sides);
    r = face;
    DrawEdge(canvas_, r, BDR_SUNKENOUTER, BF_TOPLEFT);
    return;
  }
  DrawEdge(canvas_, r, BDR_RAISEDINNER, BF_TOPLEFT);
  r = face;
  if (sides != 0)
    DrawEdge(canvas_, r, BDR_RAISEDINNER, sides);
}

void TtsGridPainter::PaintButtonFace(const TtsCellPaintInfo& info, int state, TColor color, bool idleRaised)
{
  const TRect& b = info.ButtonRect;
  if (b.IsEmpty())
    return;
  const TSize inner = grid_.ButtonInnerSize(info.ButtonType);
  const TSize outer = grid_.ButtonOuterSize(info.ButtonType);
  const int e = grid_.ButtonEdgeWidth;
  TRect face;
  if (state != 0 || !grid_.FlatButtons) {
    face.Left = std::min(b.Left + 1, b.Right);
    face.Top = b.Top + 1 - grid_.HorzLineWidth();
    face.Right = b.Right;
    face.Bottom = std::min(b.Bottom, face.Top + outer.cy);
  } else {
    face.Left = std::max(b.Left + e, b.Right - inner.cx - e);
    face.Right = std::max(face.Left, b.Right - e);
    face.Top = b.Top + e;
    face.Bottom = std::min(b.Bottom, face.Top + inner.cy);
  }
  const bool raised = state == 1 || (state == 0 && idleRaised);
  PaintFace(face, color, state == 2, raised, outer.cx, outer.cy, true, true, info);
}

void TtsGridPainter::PaintSpinButton(const TtsCellPaintInfo& info, int parts, int heldPart, TColor color)
{
  const TtsSpinHalves halves = SpinHalves(grid_, info);
  const bool vertical = info.ButtonType == btVertSpin;
  const TSize outer = grid_.ButtonOuterSize(info.ButtonType);
  for (const int part : {1, 2}) {
    if (!(parts & (1 << part)))
      continue;
    const TRect& half = part == 1 ? halves.Part1 : halves.Part2;
    const bool pressed = heldPart == part;
    const int fitWidth = vertical ? outer.cx : halves.Size + 1;
    const int fitHeight = vertical ? halves.Size : half.Height();
    // Vertical: both halves have the left line, the upper one the top line; horizontal: the left
    // half both, the right half only the top line.
    const bool upperLine = vertical ? part == 1 : true;
    const bool leftLine = vertical ? true : part == 2;
    PaintFace(half, color, pressed, !pressed, fitWidth, fitHeight, upperLine, leftLine, info);
    const TtsGlyph glyph = vertical ? (part == 1 ? TtsGlyph::SpinUp : TtsGlyph::SpinDown)
                                    : (part == 1 ? TtsGlyph::SpinRight : TtsGlyph::SpinLeft);
    const TBitmap& bitmap = GlyphBitmap(glyph);
    const int gw = bitmap.Width();
    const int gh = bitmap.Height();
    const int a = vertical ? outer.cx - 1 : halves.Size;
    const int b = vertical ? halves.Size : half.Height();
    const int f = vertical ? std::min(std::max(2, std::min(gw, a - 2)), a - 2)
                           : std::min(std::max(2, std::min(gw, a - 4)), a - 2);
    const int g = vertical ? std::min(std::max(2, std::min(gh, b - 4)), b - 2)
                           : std::min(std::max(2, std::min(gh, b - 2)), b - 2);
    if (f <= 0 || g <= 0)
      continue;
    int x = half.Left + (a - f) / 2;
    int y = half.Top + (b - g) / 2;
    if ((b - g) % 2 != 0 && (!vertical || part == 2))
      ++y;
    if ((a - f) % 2 != 0 && !vertical && part == 1)
      ++x;
    if (pressed) {
      ++x;
      ++y;
    }
    const int width = std::min(f, half.Right - x);
    const int height = std::min(g, half.Bottom - y);
    if (width <= 0 || height <= 0)
      continue;
    int sourceLeft = vertical ? (gw - f) / 2 : (part == 1 ? gw - f : 0);
    int sourceTop = vertical && part == 2 ? gh - g : 0;
    sourceLeft = std::max(sourceLeft, 0);
    sourceTop = std::max(sourceTop, 0);
    SetBrush(color);
    DrawGlyph(glyph, {x, y, x + width, y + height}, {sourceLeft, sourceTop, sourceLeft + width, sourceTop + height},
              cmMergeCopy);
  }
}

void TtsGridPainter::PaintButtonGlyph(const TtsCellPaintInfo& info, int state, TColor brush)
{
  if (grid_.InactiveButtonState == ibsNone && state == 0 && !IsCurrentEditableCell(info))
    return;
  const TtsGlyph glyph = ButtonGlyph(info.ButtonType);
  const TBitmap& bitmap = GlyphBitmap(glyph);
  const int gw = bitmap.Width();
  const int gh = bitmap.Height();
  const TSize inner = grid_.ButtonInnerSize(info.ButtonType);
  const int e = grid_.ButtonEdgeWidth;
  const TRect& cell = info.CellRect;
  int left = std::max(cell.Left + e + 3, cell.Right - e - inner.cx) + std::max(0, (inner.cx - gw) / 2);
  int top = cell.Top + 1 - grid_.HorzLineWidth() + e + std::max(0, (inner.cy - gh) / 2);
  int height = std::min(gh, inner.cy);
  if (state == 2) {
    ++left;
    ++top;
    height = std::min(height, inner.cy - 1);
  }
  const int right = std::min(left + gw, cell.Right - e);
  const int bottom = std::min(top + height, cell.Bottom);
  if (right <= left || bottom <= top)
    return;
  SetBrush(brush);
  DrawGlyph(glyph, {left, top, right, bottom}, {0, 0, right - left, bottom - top}, cmMergeCopy);
}

}  // namespace grid
