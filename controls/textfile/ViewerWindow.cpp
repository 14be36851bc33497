// The viewer's window: metrics of the fixed-pitch font, painting of margin, bookmarks, rows and
// selection, the scroll bars, the caret, keys, mouse and wheel.
#include "controls/textfile/BaseViewer.h"

#include "controls/editor/BookmarkGlyphs.h"
#include "controls/editor/CommandProcessor.h"
#include "controls/editor/Controller.h"
#include "platform/Canvas.h"
#include "platform/CanvasImage.h"
#include "platform/ScrollBars.h"

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

constexpr int kDragTimer = 1;
constexpr int kDragPeriod = 50;  // milliseconds between two drag steps while the pointer stands still
constexpr int kLetters = 52;

void FillBox(TCanvas& canvas, TColor color, const TRect& box)
{
  if (box.Right <= box.Left || box.Bottom <= box.Top)
    return;
  canvas.Brush().SetColor(color);
  canvas.FillRect(box);
}

}  // namespace

void TOvcBaseViewer::CreateWnd()
{
  bookmarkGlyphs_ = BookmarkGlyphs();
  CalcMetrics();
}

void TOvcBaseViewer::ApplyFont(TFont& font) const
{
  font.SetName(QString::fromStdString(fixedFont_.Name()));
  font.SetSize(fixedFont_.Size());
  font.SetStyle(fixedFont_.Style());
  font.SetColor(fixedFont_.Color());
}

void TOvcBaseViewer::CalcMetrics()
{
  QImage probe(1, 1, QImage::Format_RGB32);
  TImageCanvas canvas(probe);
  ApplyFont(canvas.Font());
  rowHeight_ = std::max(canvas.TextHeight(QStringLiteral("Wy")) + 2, 12);
  charWidth_ = std::max(canvas.TextWidth(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) / kLetters, 1);
  // Never less than one row and one column of client area.
  setMinimumSize(kMarginWidth + charWidth_ + width() - ClientWidth(), rowHeight_ + height() - ClientHeight());
  RefreshScrollBars();
  Invalidate();
}

void TOvcBaseViewer::Resized()
{
  CalcMetrics();
  SetTopLine(topLine_);
}

// Scroll bars

int TOvcBaseViewer::VerticalDivisor() const
{
  const int t = std::max(lineCount_ - rows_ + 1, 0);
  return t > 32767 ? t / 32768 * 2 : 1;
}

void TOvcBaseViewer::RefreshScrollBars()
{
  // Scroll bars that come or go change the client area; once more after them.
  for (int pass = 0; pass < 2; ++pass) {
    rows_ = std::max(ClientHeight() / rowHeight_, 1);
    columns_ = std::max((ClientWidth() - kMarginWidth) / charWidth_, 1);
    SetScrollRanges();
  }
}

void TOvcBaseViewer::SetScrollRanges()
{
  const bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  const bool horizontal = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
  const int divisor = VerticalDivisor();
  TScrollInfo info;
  info.Mask = SIF_RANGE | SIF_POS | SIF_PAGE;
  info.Max = vertical ? std::max(lineCount_ - rows_, 0) / divisor : 0;
  info.Pos = vertical ? topLine_ / divisor : 0;
  SetScrollInfo(SB_VERT, info);
  info.Max = horizontal && lineCount_ > 0 ? kMaxOffset : 0;
  info.Pos = horizontal ? offset_ : 0;
  SetScrollInfo(SB_HORZ, info);
}

void TOvcBaseViewer::SetScrollBars(TScrollStyle style)
{
  if (style == scrollBars_)
    return;
  scrollBars_ = style;
  RefreshScrollBars();
  Invalidate();
}

void TOvcBaseViewer::ScrollBarMessage(int bar, int code, int pos)
{
  const bool vertical = bar == SB_VERT;
  const int page = vertical ? rows_ : 10;
  const auto by = [&](int delta) {
    if (vertical)
      ScrollLines(delta);
    else
      SetOffset(offset_ + delta);
  };
  switch (code) {
    case SB_LINEUP:
      by(-1);
      break;
    case SB_LINEDOWN:
      by(1);
      break;
    case SB_PAGEUP:
      by(-page);
      break;
    case SB_PAGEDOWN:
      by(page);
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      if (!vertical)
        SetOffset(pos);
      else if (pos >= GetScrollInfo(SB_VERT).Max && pos > 0)
        SetTopLine(lineCount_ - rows_);
      else
        SetTopLine(ValidLine(pos * VerticalDivisor()));
      break;
    case SB_TOP:
      vertical ? SetTopLine(0) : SetOffset(0);
      break;
    case SB_BOTTOM:
      vertical ? SetTopLine(lineCount_) : SetOffset(kMaxOffset);
      break;
    default:
      break;
  }
}

// Painting

void TOvcBaseViewer::Paint(TCanvas& canvas)
{
  ApplyFont(canvas.Font());
  FillBox(canvas, Color(), {0, 0, ClientWidth(), ClientHeight()});
  for (int row = 0; row < rows_ + 1; ++row) {
    PaintMargin(canvas, row);
    PaintRow(canvas, row);
  }
  const auto line = [&](const TOvcBorder& border, int x1, int y1, int x2, int y2) {
    if (!border.Enabled())
      return;
    canvas.Pen().SetColor(border.PenColor());
    canvas.Pen().SetWidth(border.PenWidth());
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  line(borders_.LeftBorder, 0, 0, 0, ClientHeight());
  line(borders_.RightBorder, ClientWidth() - 1, 0, ClientWidth() - 1, ClientHeight());
  line(borders_.TopBorder, 0, 0, ClientWidth(), 0);
  line(borders_.BottomBorder, 0, ClientHeight() - 1, ClientWidth(), ClientHeight() - 1);
}

void TOvcBaseViewer::PaintMargin(TCanvas& canvas, int row)
{
  const int y = row * rowHeight_;
  FillBox(canvas, marginColor_, {0, y, kMarginWidth, y + rowHeight_});
  const int line = topLine_ + row;
  if (!showBookmarks_ || bookmarkGlyphs_.isNull() || line >= lineCount_)
    return;
  const auto found = std::find_if(bookmarks_.begin(), bookmarks_.end(), [line](TViewerPos mark) { return mark.Line == line; });
  if (found == bookmarks_.end())
    return;
  const int mark = int(found - bookmarks_.begin());
  const int glyph = bookmarkGlyphs_.width() / 10;
  const int top = y + (rowHeight_ > 13 ? (rowHeight_ - bookmarkGlyphs_.height()) / 2 : 0);
  canvas.DrawImage({2, top, 2 + glyph, top + bookmarkGlyphs_.height()}, bookmarkGlyphs_,
                   {mark * glyph, 0, (mark + 1) * glyph, bookmarkGlyphs_.height()});
}

void TOvcBaseViewer::PaintRow(TCanvas& canvas, int row)
{
  const int line = topLine_ + row;
  if (line >= lineCount_)
    return;
  const int top = row * rowHeight_;
  const std::string shown = GetLine(line, kMaxOffset + columns_ + 1);
  const int length = std::clamp(int(shown.size()) - offset_, 0, columns_ + 1);
  const std::string_view visible = std::string_view(shown).substr(std::size_t(std::min(offset_, int(shown.size()))), std::size_t(length));
  // The selected run in display columns of the visible text.
  int from = length;
  int to = length;
  if (HasSelection() && line >= selStart_.Line && line <= selEnd_.Line) {
    from = std::clamp((line == selStart_.Line ? DisplayColumn(line, selStart_.Col) : 0) - offset_, 0, length);
    to = line == selEnd_.Line ? std::clamp(DisplayColumn(line, selEnd_.Col) - offset_, 0, length) : length;
  }
  struct Run {
    int begin, end;
    TColor text, back;
  };
  const Run runs[] = {{0, from, fixedFont_.Color(), Color()},
                      {from, to, highlight_.TextColor(), highlight_.BackColor()},
                      {to, length, fixedFont_.Color(), Color()}};
  for (const Run& run : runs) {
    if (run.end <= run.begin)
      continue;
    const int left = kMarginWidth + run.begin * charWidth_;
    const int right = kMarginWidth + run.end * charWidth_;
    canvas.Font().SetColor(run.text);
    canvas.SetBkColor(run.back);
    const std::string_view part = visible.substr(std::size_t(run.begin), std::size_t(run.end - run.begin));
    canvas.ExtTextOut(left, top + 1, ETO_OPAQUE | ETO_CLIPPED, {left, top, right, top + rowHeight_},
                      QString::fromLatin1(part.data(), qsizetype(part.size())));
  }
}

// Input

void TOvcBaseViewer::KeyDown(int& key, TShiftState shift)
{
  if (!Controller())
    return;
  const TOvcCommand command = Controller()->EntryCommands().TranslateKeyShift(key, shift);
  if (command != ccNone && command != ccNoCommand && ProcessCommand(command))
    key = 0;
}

TViewerPos TOvcBaseViewer::PointerPosition(int x, int y) const
{
  int display = x >= kMarginWidth ? (x - kMarginWidth) / charWidth_ + offset_ : std::max(offset_ - 1, 0);
  display = std::min(display, offset_ + columns_);
  int line = 0;
  if (y < 0)
    line = std::max(topLine_ - 1, 0);
  else if (y >= rows_ * rowHeight_)
    line = topLine_ + rows_;
  else
    line = y / rowHeight_ + topLine_;
  line = std::clamp(line, 0, std::max(lineCount_ - 1, 0));
  return {line, CharColumn(line, display)};
}

void TOvcBaseViewer::SelectMarginLines(int line, TShiftState shift)
{
  if (!(shift & ssShift) || line == caret_.Line) {
    SetSelection(line, 0, line, LineLength(line), true);
  } else if (line > caret_.Line) {
    SetSelection(std::min(anchor_.Line, caret_.Line), 0, line, LineLength(line), true);
  } else {
    const int end = std::max(anchor_.Line, caret_.Line);
    SetSelection(line, 0, end, LineLength(end), false);
  }
}

void TOvcBaseViewer::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  setFocus();
  if (button != mbLeft || lineCount_ <= 0)
    return;
  const TViewerPos pos = PointerPosition(x, y);
  marginDrag_ = x < kMarginWidth;
  if (shift & ssDouble) {
    if (!marginDrag_)
      SelectRunAt(pos);
    return;
  }
  dragging_ = true;
  pointer_ = {x, y};
  SetMouseCapture(true);
  SetTimer(kDragTimer, kDragPeriod);
  if (marginDrag_)
    SelectMarginLines(pos.Line, shift);
  else
    MoveCaretTo(pos, (shift & ssShift) != 0);
}

void TOvcBaseViewer::MouseMove(TShiftState, int x, int y)
{
  if (!dragging_)
    return;
  pointer_ = {x, y};
  const TViewerPos pos = PointerPosition(x, y);
  if (marginDrag_)
    SelectMarginLines(pos.Line, ssShift);
  else
    MoveCaretTo(pos, true);
}

void TOvcBaseViewer::MouseUp(TMouseButton, TShiftState, int, int)
{
  dragging_ = false;
  KillTimer(kDragTimer);
  SetMouseCapture(false);
}

// While the button is held the selection follows the pointer, so one above or below the rows scrolls on.
void TOvcBaseViewer::TimerTick(int id)
{
  if (id != kDragTimer)
    return;
  if (!dragging_) {
    KillTimer(kDragTimer);
    return;
  }
  MouseMove(ssLeft, pointer_.x(), pointer_.y());
}

// A double click: the run of non-blanks at the pointer (on blanks, the run before them) and the
// blanks after it.
void TOvcBaseViewer::SelectRunAt(TViewerPos pos)
{
  const std::string_view text = GetLinePtr(pos.Line);
  const auto blank = [&](int i) { return text[std::size_t(i)] == ' ' || text[std::size_t(i)] == '\t'; };
  int start = std::min(pos.Col, int(text.size()));
  while (start > 0 && start < int(text.size()) && blank(start))
    --start;
  while (start > 0 && !blank(start - 1))
    --start;
  int end = start;
  while (end < int(text.size()) && !blank(end))
    ++end;
  while (end < int(text.size()) && blank(end))
    ++end;
  SetSelection(pos.Line, start, pos.Line, end, true);
}

void TOvcBaseViewer::DoOnMouseWheel(TShiftState shift, int delta, int x, int y)
{
  TOvcCustomControlEx::DoOnMouseWheel(shift, delta, x, y);
  ScrollLines(delta < 0 ? 1 : -1);
}

void TOvcBaseViewer::FocusIn()
{
  TOvcCustomControlEx::FocusIn();
  if (showCaret_) {
    singleCaret_.SetCellHeight(rowHeight_);
    singleCaret_.SetCellWidth(charWidth_);
    singleCaret_.SetLinked(true);
    singleCaret_.SetVisible(true);
    caretX_ = caretY_ = -1;
    PlaceCaret();
  }
  Invalidate();
}

void TOvcBaseViewer::FocusOut()
{
  TOvcCustomControlEx::FocusOut();
  singleCaret_.SetVisible(false);
  singleCaret_.SetLinked(false);
  Invalidate();
}

// The caret in its character cell, or off the screen when its position is outside the view.
void TOvcBaseViewer::PlaceCaret()
{
  if (!hasFocus() || !showCaret_)
    return;
  int x = CaretOffScreen;
  int y = CaretOffScreen;
  if (caret_.Line >= topLine_ && caret_.Line < topLine_ + rows_ && caretDisplayCol_ >= offset_ &&
      caretDisplayCol_ <= offset_ + columns_) {
    x = (caretDisplayCol_ - offset_) * charWidth_ + kMarginWidth;
    y = (caret_.Line - topLine_) * rowHeight_;
  }
  // Moving the caret repaints its cell: only a real move.
  if (x == caretX_ && y == caretY_)
    return;
  caretX_ = x;
  caretY_ = y;
  singleCaret_.SetPosition(x, y);
}

}  // namespace controls
