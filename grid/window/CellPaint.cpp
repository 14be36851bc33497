// Data cells: the paint record with its resolved attributes and button layout, the text, check-box
// and picture cells, the cell fill with selection and focus colours, the dithered highlight of
// pictures, and the focus border.

#include "grid/window/GridPainter.h"

#include "grid/dropdown/ComboGrid.h"

#include "grid/model/CheckValues.h"
#include "grid/model/PictureHandles.h"
#include "grid/paint/CellPicture.h"
#include "grid/paint/CellText.h"

#include "platform/CanvasEdge.h"

#include <algorithm>

namespace grid {

using namespace platform;

namespace {

bool DrawOption(TtsDrawOption option, bool gridValue) { return option == dopDefault ? gridValue : option == dopOn; }

constexpr int kCheckBoxSize = 13;

}  // namespace

// Paint record -------------------------------------------------------------------------------------------

TtsCellPaintInfo TtsBaseGrid::GetCellPaintInfo(int displayCol, int displayRow, bool full)
{
  const QRect bounds = CellBounds(displayCol, displayRow);
  const TRect rect = bounds.isEmpty() ? TRect{}
                                      : TRect{bounds.left(), bounds.top(), bounds.left() + ColWidth(displayCol),
                                              bounds.top() + RowHeight(displayRow)};
  return FillCellPaintInfo(displayCol, displayRow, rect, full);
}

TtsCellPaintInfo TtsBaseGrid::FillCellPaintInfo(int displayCol, int displayRow, const TRect& rect, bool full)
{
  TtsCellPaintInfo info;
  info.DisplayCol = displayCol;
  info.DisplayRow = displayRow;
  info.DataCol = model_.DataColOf(displayCol);
  info.DataRow = displayRow == 0 ? 0 : model_.DataRowOf(displayRow);
  info.PaintRect = rect;
  info.CellRect = {rect.Left, rect.Top, rect.Left + ColWidth(displayCol) - VertLineWidth(),
                   rect.Top + RowHeight(displayRow) - HorzLineWidth()};
  if (rect == TRect{})
    info.CellRect = {};
  info.TextRect = info.CellRect;
  info.ControlType = model_.ResolveControlType(info.DataCol, info.DataRow);
  info.Is3D = model_.ResolveIs3D(info.DataCol, info.DataRow);
  if (displayRow == 0 && displayCol > 0)
    LayoutHeading(info);
  else if (displayRow > 0 && displayCol > 0)
    LayoutButton(info);
  if (full)
    ResolvePaintAttributes(info);
  return info;
}

void TtsBaseGrid::ResolvePaintAttributes(TtsCellPaintInfo& info)
{
  info.HorzAlignment = model_.ResolveHorzAlignment(info.DataCol, info.DataRow);
  info.VertAlignment = model_.ResolveVertAlignment(info.DataCol, info.DataRow);
  info.WordWrap = model_.ResolveWordWrap(info.DataCol, info.DataRow);
  info.Color = model_.ResolveColor(info.DataCol, info.DataRow, info.Is3D);
  info.Font = &model_.ResolveFont(info.DataCol, info.DataRow);
  info.TransparentColor = kPictureOwnTransparent;
  if (info.DisplayRow > 0 && info.DisplayCol > 0 && OnGetDrawInfo) {
    drawInfoFont_.Assign(*info.Font);
    TtsDrawInfo drawInfo{drawInfoFont_, info.Color, info.WordWrap, info.TransparentColor, info.VertAlignment,
                         info.HorzAlignment};
    if (Fire(OnGetDrawInfo, info.DataCol, info.DataRow, drawInfo)) {
      drawInfoFont_.Assign(drawInfo.Font);
      info.Font = &drawInfoFont_;
      info.Color = drawInfo.Color;
      info.WordWrap = drawInfo.WordWrap;
      info.TransparentColor = drawInfo.TransparentColor;
      info.VertAlignment = drawInfo.VertAlignment == vtaDefault ? vtaTop : drawInfo.VertAlignment;
      info.HorzAlignment = drawInfo.HorzAlignment == htaDefault ? htaLeft : drawInfo.HorzAlignment;
    }
  }
}

void TtsBaseGrid::RefreshCellPaintInfo(TtsCellPaintInfo& info, bool editing)
{
  const bool was3D = info.Is3D;
  info.Is3D = model_.ResolveIs3D(info.DataCol, info.DataRow);
  ResolvePaintAttributes(info);
  info.Editing = editing;
  if (editing && info.DisplayRow > 0 && info.ControlType == ctText &&
      info.DisplayCol == model_.CurrentDisplayCol() && info.DisplayRow == model_.CurrentDisplayRow()) {
    if (EditColor != clNone)
      info.Color = EditColor;
    if (EditFontColor != clNone) {
      editFont_.Assign(*info.Font);
      editFont_.SetColor(EditFontColor);
      info.Font = &editFont_;
    }
  }
  if (was3D != info.Is3D && info.DisplayRow != 0 && info.DisplayCol > 0) {
    info.TextRect = info.CellRect;
    LayoutButton(info);
  }
}

void TtsBaseGrid::LayoutButton(TtsCellPaintInfo& info) const
{
  info.ButtonType = model_.ResolveButtonType(info.DataCol, info.DataRow, info.DropDownStyle);
  info.HasButton = info.ButtonType != btNone;
  if (info.Is3D && VertLineWidth() == 0)
    info.TextRect.Right -= 1;
  if (info.Is3D && HorzLineWidth() == 0)
    info.TextRect.Bottom -= 1;
  if (!info.HasButton)
    return;
  const int width = ButtonOuterSize(info.ButtonType).cx;
  const int oldRight = info.TextRect.Right;
  info.TextRect.Right -= width;
  info.ButtonRect = {std::max(info.TextRect.Left + 3, oldRight - width), info.TextRect.Top, oldRight,
                     info.TextRect.Bottom};
}

void TtsBaseGrid::LayoutHeading(TtsCellPaintInfo& info) const
{
  if (VertLineWidth() == 0)
    info.CellRect.Right -= 1;
  if (HorzLineWidth() == 0)
    info.CellRect.Bottom -= 1;
  info.TextRect = info.CellRect;
  const bool pressedColumn = info.DataCol == PressedHeadingCol && !PressedHeadingIsButton;
  if (pressedColumn && HeadingShownDown) {
    info.TextRect.Left += 1;
    info.TextRect.Top += 1;
  }
  info.TextRect.Right -= 1;
  const TtsCol* col = model_.ColAt(info.DataCol);
  info.HasButton = model_.HasHeadingButton(info.DisplayCol) ||
                   (model_.HeadingIsButton(info.DisplayCol) && col && col->SortPicture() != spNone);
  if (!info.HasButton)
    return;
  const TRect& cell = info.CellRect;
  if (model_.ResolveHorzAlignment(info.DataCol, 0) == htaRight) {
    info.TextRect.Left += 12;
    info.ButtonRect.Left = cell.Left;
    info.ButtonRect.Right = std::min(cell.Right, cell.Left + 14);
  } else {
    info.TextRect.Right -= 13;
    info.ButtonRect.Left = std::max(cell.Left + 3, info.TextRect.Right);
    info.ButtonRect.Right = cell.Right;
  }
  info.ButtonRect.Top = cell.Top + 1;
  info.ButtonRect.Bottom = std::min(cell.Bottom + 2, cell.Top + HeadingHeight());
  if (pressedColumn) {
    info.ButtonRect.Right += 1;
    info.ButtonRect.Bottom -= 1;
  }
}

TSize TtsBaseGrid::ButtonInnerSize(TtsButtonType type) const
{
  switch (type) {
    case btNone:
    case btDefault:
      return {0, 0};
    case btVertSpin:
    case btHorzSpin:
      return {SpinButtonWidth, SpinButtonHeight};
    default:
      return {DefaultButtonWidth, DefaultButtonHeight};
  }
}

TSize TtsBaseGrid::ButtonOuterSize(TtsButtonType type) const
{
  const TSize inner = ButtonInnerSize(type);
  if (inner.cx == 0)
    return inner;
  const int edges = 2 * ButtonEdgeWidth;
  if (type == btVertSpin)
    return {inner.cx + edges, 2 * inner.cy + 1 + edges};
  if (type == btHorzSpin)
    return {2 * inner.cx + 1 + edges, inner.cy + edges};
  return {inner.cx + edges, inner.cy + edges};
}

// Selection and focus --------------------------------------------------------------------------------------

bool TtsBaseGrid::IsCellSelected(int displayCol, int displayRow) const
{
  if (displayCol == selectedCache_.Col && displayRow == selectedCache_.Row)
    return selectedCache_.Selected;
  const bool colSelected = displayCol > 0 && model_.ColSelection().Selected(displayCol);
  const bool rowSelected = displayRow > 0 && model_.RowSelection().Selected(displayRow);
  if (displayRow == 0)
    return colSelected;
  if (displayCol == 0)
    return rowSelected;
  const TtsRange& range = model_.SelectedRange;
  const bool inRange = model_.HasCellRange() && displayCol >= range.Left && displayCol <= range.Right &&
                       displayRow >= range.Top && displayRow <= range.Bottom;
  return colSelected || rowSelected || inRange;
}

bool TtsBaseGrid::IsSelectionColored() const
{
  // A drop-down list left at sltDefault shows its selection the way its owner grid does.
  TtsSelectionType type = SelectionType;
  const auto* list = dynamic_cast<const TtsComboGrid*>(this);
  if (type == sltDefault && list != nullptr && list->OwnerGrid() != nullptr)
    type = list->OwnerGrid()->SelectionType;
  return type == sltColor && SelectionColor != clNone;
}

bool TtsBaseGrid::IsFocusCell(int displayCol, int displayRow, bool checkFocus) const
{
  if (displayCol != model_.CurrentDisplayCol() || displayRow != model_.CurrentDisplayRow())
    return false;
  if (displayCol < 1 || displayRow < 1 || displayCol >= GridCols() || displayRow >= GridRows())
    return false;
  const bool display = FocusBorder != fbNone || FocusColor != clNone || FocusFontColor != clNone;
  if (!display || GridMode() == gmListBox || InDirectPaint() || SelectionKind() != 0)
    return false;
  return !checkFocus || hasFocus() || AlwaysShowFocus;
}

TtsPaintCellState TtsBaseGrid::GetPaintCellState(int displayCol, int displayRow) const
{
  TtsPaintCellState state = 0;
  if (displayCol == model_.CurrentDisplayCol() && displayRow == model_.CurrentDisplayRow())
    state |= kPaintCurrent;
  if (IsCellSelected(displayCol, displayRow))
    state |= kPaintSelected;
  if (displayCol < FixedCols() || displayRow < FixedRows())
    state |= kPaintFixed;
  return state;
}

bool TtsBaseGrid::PaintCellHook(TtsCellPaintInfo& info, bool /*selected*/)
{
  if (!OnPaintCell || info.DataCol < 1 || info.DisplayRow < 0 || info.TextRect.IsEmpty())
    return false;
  bool cancel = false;
  Fire(OnPaintCell, info.DataCol, info.DataRow, info.TextRect, GetPaintCellState(info.DisplayCol, info.DisplayRow),
       cancel);
  return cancel;
}

// Painter: data cells -------------------------------------------------------------------------------------

TColor TtsGridPainter::HighlightColor(const TtsCellPaintInfo& info, bool selected) const
{
  if (selected && grid_.IsSelectionColored())
    return grid_.SelectionColor;
  if (!selected && grid_.FocusColor != clNone && grid_.IsFocusCell(info.DisplayCol, info.DisplayRow, true))
    return grid_.FocusColor;
  return clNone;
}

TColor TtsGridPainter::FillColor(const TtsCellPaintInfo& info, bool selected) const
{
  const TColor highlight = HighlightColor(info, selected);
  return highlight != clNone ? highlight : info.Color;
}

void TtsGridPainter::FillCell(const TRect& rect, const TtsCellPaintInfo& info, bool selected)
{
  if (rect.IsEmpty())
    return;
  SetBrush(FillColor(info, selected));
  canvas_.FillRect(rect);
}

void TtsGridPainter::RaisedEdge(TRect rect, unsigned sides)
{
  if (!rect.IsEmpty())
    DrawEdge(canvas_, rect, BDR_RAISEDINNER, sides);
}

void TtsGridPainter::PaintDataCell(TtsCellPaintInfo& info, bool selected)
{
  grid_.lastPaintedCell_ = {-1, -1};
  if (grid_.ColWidth(info.DisplayCol) <= 0 || grid_.RowHeight(info.DisplayRow) <= 0)
    return;
  const TtsCellValue value = grid_.Cell(info.DataCol, info.DataRow);
  if (!value.IsEmpty())
    PaintCellValue(info, value, selected);
  if (grid_.lastPaintedCell_ != TGridCoord{info.DisplayCol, info.DisplayRow})
    PaintEmptyCell(info, selected);
  grid_.lastPaintedCell_ = {-1, -1};
}

void TtsGridPainter::PaintEmptyCell(TtsCellPaintInfo& info, bool selected)
{
  switch (info.ControlType) {
    case ctText:
      PaintCellValue(info, TtsCellValue(std::string()), selected);
      break;
    case ctCheck:
      PaintCellValue(info, TtsCellValue(std::int32_t(cbGrayed)), selected);
      break;
    case ctPicture:
      PaintCellValue(info, TtsCellValue(std::int32_t(0)), selected);
      break;
    default:
      PaintBackground(info, selected);
  }
}

void TtsGridPainter::PaintCellValue(TtsCellPaintInfo& info, const TtsCellValue& value, bool selected)
{
  switch (info.ControlType) {
    case ctText:
      PaintTextCell(info, value.AsString(), selected);
      break;
    case ctCheck:
      PaintCheckCell(info, value, selected);
      break;
    case ctPicture:
      PaintPictureCell(info, value, selected);
      break;
    default:
      PaintBackground(info, selected);
  }
}

void TtsGridPainter::FinishCell(TtsCellPaintInfo& info, bool selected)
{
  PaintButtonArea(info, selected);
  if (grid_.IsFocusCell(info.DisplayCol, info.DisplayRow, true))
    PaintFocusBorder(info.DisplayCol, info.DisplayRow);
  PaintCellButton(info, selected);
  grid_.lastPaintedCell_ = {info.DisplayCol, info.DisplayRow};
}

void TtsGridPainter::PaintBackground(TtsCellPaintInfo& info, bool selected)
{
  if (!grid_.CanPaintDirect() || info.CellRect.IsEmpty())
    return;
  if (info.TextRect.Right >= info.TextRect.Left) {
    FillCell(info.TextRect, info, selected);
    if (info.Is3D)
      RaisedEdge(info.TextRect);
  }
  FinishCell(info, selected);
}

void TtsGridPainter::PaintNarrowStrip(const TtsCellPaintInfo& info, bool selected)
{
  if (grid_.Designing())
    return;
  TRect strip = info.CellRect;
  strip.Right = std::min(strip.Right, strip.Left + 3);
  if (info.Is3D)
    strip.Bottom += grid_.HorzLineWidth() - 1;
  FillCell(strip, info, selected);
  if (info.Is3D && !(info.Editing && info.ControlType == ctText))
    RaisedEdge(strip);
}

void TtsGridPainter::PaintTextCell(TtsCellPaintInfo& info, const std::string& text, bool selected)
{
  if (!grid_.CanPaintDirect()) {
    grid_.InvalidateCell(info.DisplayCol, info.DisplayRow);
    return;
  }
  if (info.TextRect.Width() > 3) {
    TColor fontColor = clNone;
    if (selected && grid_.IsSelectionColored())
      fontColor = grid_.SelectionFontColor;
    else if (!selected && grid_.FocusFontColor != clNone && grid_.IsFocusCell(info.DisplayCol, info.DisplayRow, true))
      fontColor = grid_.FocusFontColor;
    if (!(canvas_.Font().Data() == info.Font->Data()))
      canvas_.Font().Assign(*info.Font);
    if (fontColor != clNone)
      canvas_.Font().SetColor(fontColor);
    SetBrush(FillColor(info, selected));
    DrawCellText(canvas_, text, grid_.RowHeight(info.DisplayRow) - grid_.HorzLineWidth(), 0, info.WordWrap != wwOff,
                 info.VertAlignment, info.HorzAlignment, info.TextRect.Top, info.TextRect.Left + 3, info.TextRect);
    if (info.Is3D)
      RaisedEdge(info.TextRect);
  } else {
    PaintNarrowStrip(info, selected);
  }
  FinishCell(info, selected);
}

void TtsGridPainter::PaintCheckCell(TtsCellPaintInfo& info, const TtsCellValue& value, bool selected)
{
  const TRect& text = info.TextRect;
  if (text.Width() > 3) {
    FillCell(text, info, selected);
    std::string values = model_.ResolveCheckBoxValues(info.DataCol, info.DataRow);
    const TCheckBoxState state = CheckStateOfValue(value, values);
    const int size = kCheckBoxSize;
    const int x = std::max(text.Left + 3, text.Left + 3 + (text.Width() - 3 - size) / 2 - 1);
    const int y = std::max(text.Top, text.Top + (text.Height() - size) / 2 + (info.Is3D ? 1 : 0));
    canvas_.SaveState();
    canvas_.IntersectClipRect(text);
    const TRect box{x, y, x + size, y + size};
    SetBrush(state == cbGrayed ? clBtnFace : clWindow);
    canvas_.FillRect(box);
    TRect frame = box;
    DrawEdge(canvas_, frame, grid_.CheckBoxStyle == stFlat ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
    canvas_.Pen().SetColor(state == cbGrayed ? clGray : clBlack);
    if (state != cbUnchecked && grid_.CheckBoxStyle == stCross) {
      for (int d = 0; d < 2; ++d) {
        canvas_.MoveTo(x + 3 + d, y + 3);
        canvas_.LineTo(x + size - 3 + d, y + size - 3);
        canvas_.MoveTo(x + size - 4 + d, y + 3);
        canvas_.LineTo(x + 2 + d, y + size - 3);
      }
    } else if (state != cbUnchecked) {
      for (int d = 0; d < 3; ++d) {
        canvas_.MoveTo(x + 3, y + 5 + d);
        canvas_.LineTo(x + 5, y + 7 + d);
        canvas_.LineTo(x + 10, y + 2 + d);
      }
    }
    canvas_.RestoreState();
    if (info.Is3D)
      RaisedEdge(text);
  }
  FinishCell(info, selected);
}

void TtsGridPainter::PaintPictureCell(TtsCellPaintInfo& info, const TtsCellValue& value, bool selected)
{
  if (!grid_.CanPaintDirect()) {
    grid_.InvalidateCell(info.DisplayCol, info.DisplayRow);
    return;
  }
  if (info.CellRect.IsEmpty())
    return;
  TtsPicturePtr picture;
  if (value.IsOrdinal())
    picture = FindPicture(value.AsInteger());
  if (!picture || picture->Empty()) {
    PaintBackground(info, selected);
    return;
  }
  if (info.TextRect.Width() <= 3) {
    PaintNarrowStrip(info, selected);
    FinishCell(info, selected);
    return;
  }
  const TtsGridLevel& level = model_.Level;
  const bool stretch = DrawOption(model_.ResolvePicture(info.DataCol, info.DataRow, poStretch), level.StretchPicture);
  const bool shrink = DrawOption(model_.ResolvePicture(info.DataCol, info.DataRow, poShrink), level.ShrinkPicture);
  const bool center = DrawOption(model_.ResolvePicture(info.DataCol, info.DataRow, poCenter), level.CenterPicture);
  const bool keep =
      DrawOption(model_.ResolvePicture(info.DataCol, info.DataRow, poKeepAspectRatio), level.KeepAspectRatio);
  TColor transparent = info.TransparentColor;
  if (transparent == kPictureOwnTransparent)
    transparent = picture->Transparent() ? picture->TransparentColor() : grid_.TransparentColor;
  SetBrush(info.Is3D ? clBtnFace : info.Color);
  DrawPicture(canvas_, info.TextRect, picture.get(), keep, shrink, stretch, center, transparent);
  const TColor highlight = HighlightColor(info, selected);
  if (highlight != clNone)
    Dither(info.TextRect, highlight);
  if (info.Is3D)
    RaisedEdge(info.TextRect);
  FinishCell(info, selected);
}

void TtsGridPainter::Dither(const TRect& rect, TColor color)
{
  // Every other pixel in the highlight: the pixels the colour pattern colours are cleared to black,
  // then the pattern is laid over them with XOR.
  const TBitmap* pattern = grid_.ColorPatternIn(color);
  if (!pattern || rect.IsEmpty())
    return;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    for (int x = rect.Left + ((rect.Left + y) % 2 + 2) % 2; x < rect.Right; x += 2)
      canvas_.SetPixel(x, y, clBlack);
  }
  canvas_.Brush().SetBitmap(pattern);
  canvas_.PatBlt(rect, cmPatInvert);
  canvas_.Brush().SetBitmap(nullptr);
}

void TtsGridPainter::PaintFocusBorder(int displayCol, int displayRow)
{
  grid_.focusFrameOnFixedRow_ = false;
  grid_.focusFrameOnFixedCol_ = false;
  const TtsCellPaintInfo info = grid_.GetCellPaintInfo(displayCol, displayRow, false);
  if (info.PaintRect.IsEmpty())
    return;
  if (grid_.FocusBorder == fbDot) {
    const bool own = grid_.FocusColor != clNone && grid_.FocusFontColor != clNone;
    SetBrush(own ? grid_.FocusColor : grid_.GridColor());
    const TColor oldFont = canvas_.Font().Color();
    canvas_.Font().SetColor(own ? grid_.FocusFontColor : model_.Font.Color());
    if (grid_.Designing() || info.ControlType == ctNone || info.ControlType == ctPicture)
      canvas_.FrameRect(info.CellRect);
    canvas_.DrawFocusRect(info.CellRect);
    canvas_.Font().SetColor(oldFont);
    return;
  }
  if (grid_.FocusBorder != fbSingle && grid_.FocusBorder != fbDouble)
    return;
  TRect frame = info.PaintRect;
  frame.Left -= 1;
  frame.Top -= 1;
  SetBrush(clBlack);
  canvas_.FrameRect(frame);
  if (grid_.FocusBorder == fbDouble)
    canvas_.FrameRect({frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1});
  if (frame.Top <= grid_.FixedHeight())
    grid_.focusFrameOnFixedRow_ = true;
  if (frame.Left <= grid_.FixedWidth())
    grid_.focusFrameOnFixedCol_ = true;
}

}  // namespace grid
