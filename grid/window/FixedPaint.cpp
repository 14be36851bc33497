// The fixed area: background and frame of the heading row, the row bar and the corner, a fixed
// cell inverted for a selection, the headings with their text, heading button and sort picture,
// and the row bar glyphs of the current, changed and insert rows.

#include "grid/window/GridPainter.h"

#include "grid/paint/CellText.h"

#include "platform/CanvasEdge.h"

#include <algorithm>

namespace grid {

using namespace platform;

namespace {

TRect WithoutFrame(const TRect& rect) { return {rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1}; }

}  // namespace

void TtsGridPainter::PaintFixedBackground(const TRect& rect, TColor color, bool sunken, bool raised)
{
  TRect r = WithoutFrame(rect);
  if (r.IsEmpty())
    return;
  SetBrush(color);
  canvas_.FillRect(r);
  if (sunken)
    DrawEdge(canvas_, r, BDR_SUNKENINNER, BF_TOPLEFT);
  else if (raised)
    DrawEdge(canvas_, r, BDR_RAISEDINNER, BF_TOPLEFT);
}

void TtsGridPainter::PaintFixedFrameLine(const TRect& rect, TColor color)
{
  if (rect.IsEmpty())
    return;
  const TPenData old = canvas_.Pen().Data();
  canvas_.Pen().SetColor(color);
  canvas_.MoveTo(rect.Left, rect.Bottom - 1);
  canvas_.LineTo(rect.Right - 1, rect.Bottom - 1);
  canvas_.LineTo(rect.Right - 1, rect.Top - 1);
  canvas_.Pen().SetData(old);
}

void TtsGridPainter::PaintInvertedFixed(const TRect& rect)
{
  TRect r = WithoutFrame(rect);
  if (r.IsEmpty())
    return;
  SetBrush(grid_.HeadingColor());
  canvas_.FillRect(r);
  canvas_.PatBlt(r, cmDstInvert);
  if (grid_.Heading3D())
    DrawEdge(canvas_, r, BDR_SUNKENINNER, BF_TOPLEFT);
}

void TtsGridPainter::PaintHeading(int displayCol, const TRect& rect)
{
  const TtsCol* col = model_.ColAt(model_.DataColOf(displayCol));
  if (!col || !col->Visible())
    return;
  const std::string text = col->Heading();
  TtsCellPaintInfo info = grid_.FillCellPaintInfo(displayCol, 0, rect, true);
  if (text.empty() && !info.HasButton && col->SortPicture() == spNone)
    return;
  const TColor color = info.Color;
  SetBrush(color);
  if (!(canvas_.Font().Data() == info.Font->Data()))
    canvas_.Font().Assign(*info.Font);
  const bool anyPressed = grid_.HeadingShownDown;
  if (anyPressed && info.HorzAlignment != htaLeft && !info.HasButton)
    info.TextRect.Right += 1;
  if (info.TextRect.Width() >= 3 && !text.empty())
    DrawCellText(canvas_, text, grid_.HeadingHeight(), col->AcceleratorPos(), info.WordWrap != wwOff,
                 info.VertAlignment, info.HorzAlignment, info.TextRect.Top, info.TextRect.Left + 3, info.TextRect);
  const bool pressOnButton = grid_.PressedHeadingIsButton;
  const bool thisPressed = grid_.PressedHeadingCol == info.DataCol;
  if (grid_.Heading3D() && (!anyPressed || pressOnButton) && (grid_.PressedHeadingCol < 0 || thisPressed))
    RaisedEdge(info.CellRect);
  PaintHeadingButton(info);
}

void TtsGridPainter::PaintHeadingButton(TtsCellPaintInfo& info)
{
  if (!info.HasButton || info.TextRect.Right >= info.CellRect.Right)
    return;
  const TtsCol* col = model_.ColAt(info.DataCol);
  const TColor brush = model_.ResolveColor(info.DataCol, 0, false);
  SetBrush(brush);
  const bool rightAligned = info.HorzAlignment == htaRight;
  const bool button = model_.HasHeadingButton(info.DisplayCol);
  const TRect& b = info.ButtonRect;
  if (button)
    canvas_.FillRect({rightAligned ? b.Left + 1 : b.Left - 1, b.Top, std::min(b.Right + 1, info.CellRect.Right),
                      b.Bottom - 1});
  const TtsSortPicture sort = col ? col->SortPicture() : spNone;
  if (sort != spNone) {
    const TtsGlyph glyph = sort == spUp ? TtsGlyph::SortUp : sort == spDown ? TtsGlyph::SortDown : TtsGlyph::SortBullet;
    const int p = grid_.HeadingShownDown ? 1 : 0;
    const int s = rightAligned && sort != spBullet ? 1 : 0;
    const int w = std::min(11, b.Width() - 2 - p);
    const int h = std::min(13 - p, b.Height() - 1 - p);
    if (w > 0 && h > 0) {
      // Black is transparent: it takes the brush.
      QImage picture = GlyphBitmap(glyph).Image().copy(0, 0, w, h).convertToFormat(QImage::Format_RGB32);
      const QRgb fill = ColorToQColor(brush).rgb();
      for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < w; ++x) {
          if ((line[x] & 0xFFFFFF) == 0)
            line[x] = fill;
        }
      }
      const int left = b.Left + p + 2 - s;
      const int top = b.Top + p;
      canvas_.DrawImage({left, top, left + w, top + h}, picture, {0, 0, w, h}, cmSrcCopy);
    }
  }
  if (!button)
    return;
  const TPenData old = canvas_.Pen().Data();
  canvas_.Pen().SetStyle(TPenStyle::psSolid);
  canvas_.Pen().SetWidth(1);
  canvas_.Pen().SetMode(TPenMode::pmCopy);
  const int l = b.Left;
  const int t = b.Top;
  const int width = b.Width();
  const int height = b.Height();
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    canvas_.Pen().SetColor(color);
    canvas_.MoveTo(x1, y1);
    canvas_.LineTo(x2, y2);
  };
  if (grid_.PressedHeadingIsButton && grid_.HeadingShownDown) {
    canvas_.Pen().SetColor(clBlack);
    canvas_.MoveTo(l + std::min(width, rightAligned ? 13 : 14), t - 1);
    canvas_.LineTo(l, t - 1);
    canvas_.LineTo(l, t - 1 + std::min(height, 14));
    if (rightAligned && info.CellRect.Right >= l + 13)
      line(clBtnShadow, l + 13, t + 12, l + 13, t - 1);
    if (t + 14 < b.Bottom)
      line(clBtnShadow, l + 1, t + 12, l + 1 + std::min(width, 13), t + 12);
  } else {
    if (!rightAligned)
      line(clBtnFace, l - 1, t - 1, l - 1, t - 1 + std::min(height, 14));
    else if (width >= 14)
      line(clBtnFace, b.Right - 1, t - 1, b.Right - 1, t - 1 + std::min(height, 14));
    line(clWhite, l, t, l, t - 1 + std::min(height, 13));
    line(clWhite, l, t - 1, l + std::min(width, 13), t - 1);
    const bool wholeCellPress = grid_.PressedHeadingCol == info.DataCol && !grid_.PressedHeadingIsButton;
    if (height >= 3 && width >= 2 && !wholeCellPress) {
      if (height > 13)
        line(clBtnShadow, l, t + 12, l + std::min(width, 13), t + 12);
      if (width >= 14)
        line(clBtnShadow, l + 13, t + 12, l + 13, t - 1);
    }
  }
  canvas_.Pen().SetData(old);
}

// Row bar -----------------------------------------------------------------------------------------------

void TtsGridPainter::PaintRowIndicator(int displayRow)
{
  if (!grid_.RowBarIndicator)
    return;
  const bool changed = RowShowsChanged(model_.DataRowOf(displayRow));
  PaintRowBarGlyph(displayRow, changed ? TtsGlyph::ChangedRow : TtsGlyph::DotArrowRight, true, cmMergeCopy);
}

// The changed glyph: a row whose changed mark is set (riOn), or the current row once one of its
// values changed (riOn, riAutoReset).
bool TtsGridPainter::RowShowsChanged(int dataRow) const
{
  const TtsRowChangedIndicator indicator = grid_.RowChangedIndicator();
  if (indicator == riOn && grid_.RowChangedMark(dataRow))
    return true;
  return (indicator == riOn || indicator == riAutoReset) && grid_.RowModified();
}

void TtsGridPainter::PaintRowBarCell(int displayRow)
{
  const TtsCellPaintInfo info = grid_.GetCellPaintInfo(0, displayRow, false);
  if (grid_.IsCellSelected(0, displayRow) && !grid_.IsPainting())
    PaintInvertedFixed(info.PaintRect);
  else
    PaintFixedBackground(info.PaintRect, grid_.HeadingColor(), false, grid_.Heading3D());
}

void TtsGridPainter::PaintRowBarGlyph(int displayRow, TtsGlyph glyph, bool repaintInsertBar, TCopyMode copyMode)
{
  if (!grid_.RowBarOn() || displayRow < 1 || displayRow >= grid_.GridRows())
    return;
  const TtsCellPaintInfo info = grid_.GetCellPaintInfo(0, displayRow, false);
  if (info.PaintRect.IsEmpty())
    return;
  if (repaintInsertBar && model_.IsInsertRow(displayRow))
    PaintRowBarCell(displayRow);
  TRect target = info.CellRect;
  if (grid_.HorzLineWidth() == 0)
    target.Right -= 1;
  if (grid_.VertLineWidth() == 0)
    target.Bottom -= 1;
  SetBrush(grid_.HeadingColor());
  const TBitmap& bitmap = GlyphBitmap(glyph);
  const int gw = bitmap.Width();
  const int gh = bitmap.Height();
  const int cellWidth = grid_.ColWidth(0);
  const int rowHeight = grid_.RowHeight(displayRow);
  const int x = std::max(1, (cellWidth - 1) / 2 - gw / 2 + 1);
  TtsVertAlignment alignment = grid_.RowBarAlignment;
  if (alignment == vtaDefault)
    alignment = model_.Level.VertAlignment == vtaDefault ? vtaTop : model_.Level.VertAlignment;
  int offset = 0;
  if (alignment == vtaCenter) {
    offset = std::max(1, rowHeight / 2 - gh / 2);
  } else {
    if (!(canvas_.Font().Data() == model_.Font.Data()))
      canvas_.Font().Assign(model_.Font);
    const int textHeight = canvas_.TextHeight(QStringLiteral("X"));
    offset = alignment == vtaTop ? std::max(1, textHeight / 2 - gh / 2)
                                 : textHeight / 2 - gh / 2 + rowHeight - textHeight - 1;
  }
  const int left = target.Left + x;
  int top = target.Top + std::max(offset, 1);
  int sourceTop = 0;
  int height = std::min(gh, target.Bottom - top);
  if (gh > target.Bottom - top && model_.Level.VertAlignment == vtaBottom) {
    sourceTop = gh - (target.Bottom - top);
    height = target.Bottom - top;
  }
  const int width = std::min(gw, target.Right - left);
  if (width <= 0 || height <= 0)
    return;
  DrawGlyph(glyph, {left, top, left + width, top + height}, {0, sourceTop, width, sourceTop + height}, copyMode);
}

void TtsGridPainter::DrawGlyph(TtsGlyph glyph, const TRect& dest, const TRect& source, TCopyMode mode)
{
  const QImage& image = GlyphBitmap(glyph).Image();
  if (mode != cmMergePaint) {
    canvas_.DrawImage(dest, image, source, mode);
    return;
  }
  // Merge paint: the black pixels turn white, the white ones leave what is beneath.
  for (int y = 0; y < source.Height(); ++y) {
    for (int x = 0; x < source.Width(); ++x) {
      if ((image.pixel(source.Left + x, source.Top + y) & 0xFFFFFF) == 0)
        canvas_.SetPixel(dest.Left + x, dest.Top + y, clWhite);
    }
  }
}

}  // namespace grid
