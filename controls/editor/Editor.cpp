// The editor control: construction, properties, metrics, scroll bars and the view the core talks to.
#include "controls/editor/Editor.h"

#include "controls/editor/BookmarkGlyphs.h"
#include "controls/editor/Controller.h"
#include "controls/editor/EditorScroll.h"
#include "controls/editor/Exceptions.h"
#include "platform/Application.h"
#include "platform/CanvasImage.h"
#include "platform/Caret.h"

#include <QMetaObject>
#include <algorithm>

namespace controls {

using namespace platform;

namespace {

// The caret's position when its cell is out of view.
constexpr int kCaretOutside = 32767;

}  // namespace

TOvcCustomEditor::TOvcCustomEditor(QWidget* parent)
    : TOvcEditBase(parent),
      core_(this),
      caretHost_(*this),
      carets_(&caretHost_),
      highlight_(clHighlightText, clHighlight)
{
  SetColor(clWindow);
  SetCursorNumber(cursor_);
  resize(200, 150);
  fixedFont_.SetColor(clWindowText);
  fixedFont_.OnChange = [this] { FontChanged(); };
  highlight_.OnChange = [this] { InvalidateAll(false); };
  SetFrameWidth(2);
  for (TOvcBorder* border : {&borders_.LeftBorder, &borders_.RightBorder, &borders_.TopBorder, &borders_.BottomBorder})
    border->OnChange = [this] {
      // Drawn borders take the frame's place.
      if (borders_.LeftBorder.Enabled() || borders_.RightBorder.Enabled() || borders_.TopBorder.Enabled() ||
          borders_.BottomBorder.Enabled())
        SetBorderStyle(bsNone);
      InvalidateAll(false);
    };
  bookmarkGlyphs_ = BookmarkGlyphs();

  core_.OnChange = [this] {
    if (OnChange)
      OnChange(*this);
  };
  core_.OnError = [this](int code) {
    if (OnError)
      OnError(*this, code);
    else
      throw EEditorError(EditorErrorText(code), code);
  };
  core_.OnTopLineChanged = [this](int top) {
    if (OnTopLineChanged)
      OnTopLineChanged(*this, top);
  };
  core_.OnUserCommand = [this](TOvcCommand cmd) {
    if (OnUserCommand)
      OnUserCommand(*this, cmd);
  };
}

TOvcCustomEditor::~TOvcCustomEditor()
{
  EndDrag();
  carets_.SetLinked(false);
}

void TOvcCustomEditor::SetSelection(int line1, int col1, int line2, int col2, bool caretAtEnd)
{
  core_.SetSelection(line1, col1, line2, col2, caretAtEnd);
}

// Window

void TOvcCustomEditor::CreateWnd()
{
  hasHBar_ = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
  hasVBar_ = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  ShowScrollBar(SB_HORZ, false);
  ShowScrollBar(SB_VERT, hasVBar_);
  SetWantTabs(wantTab_);
  metricsValid_ = true;
  RefreshVerticalBar();
  RefreshHorizontalRange();
  CalcMetrics();
  ApplyWrapToWindow();
}

void TOvcCustomEditor::RecreateWindow()
{
  if (!HandleAllocated())
    return;
  CreateWnd();
  InvalidateAll(false);
}

int TOvcCustomEditor::GetVisibleColumns()
{
  HandleNeeded();
  return columns_;
}

int TOvcCustomEditor::Rows() const { return metricsValid_ ? rows_ : 0; }

TRect TOvcCustomEditor::TextArea() const
{
  return {leftMargin_, 0, leftMargin_ + columns_ * charWidth_, rows_ * lineHeight_};
}

void TOvcCustomEditor::ApplyFont(TFont& font) const
{
  font.SetName(QString::fromStdString(fixedFont_.Name()));
  font.SetSize(fixedFont_.Size());
  font.SetStyle(fixedFont_.Style());
  font.SetColor(fixedFont_.Color());
}

void TOvcCustomEditor::CalcMetrics()
{
  QImage probe(1, 1, QImage::Format_RGB32);
  TImageCanvas canvas(probe);
  ApplyFont(canvas.Font());
  const TTextMetric metric = canvas.TextMetrics();
  charWidth_ = std::max(metric.AveCharWidth, 1);
  lineHeight_ = metric.Height + metric.ExternalLeading + 1;
  // Scroll bars that come or go change the client area; repeat until it settles.
  for (int pass = 0; pass < 4; ++pass) {
    const int columns = std::max((ClientWidth() - leftMargin_ - rightMargin_) / charWidth_, 1);
    const int rows = std::max(ClientHeight() / lineHeight_, 1);
    if (columns == columns_ && rows == rows_)
      break;
    if (columns != columns_) {
      columns_ = columns;
      if (ClientWidth() > 0) {
        RefreshHorizontalRange();
        if (!ScrollBarShown(SB_HORZ) && core_.HorizontalOffset() != 0)
          core_.ScrollView(-core_.HorizontalOffset(), 0);
        RefreshHorizontalPos();
      }
    }
    if (rows != rows_) {
      rows_ = rows;
      if (ClientHeight() > 0)
        RefreshVerticalBar();
    }
  }
  InvalidateAll(false);
}

void TOvcCustomEditor::ApplyWrapToWindow()
{
  if (!wrapToWindow_ || !WordWrap() || columns_ - 2 <= 0)
    return;
  if (WrapColumn() != columns_ - 2)
    core_.ParaList().SetWrapColumn(columns_ - 2);
}

void TOvcCustomEditor::FontChanged()
{
  if (!HandleAllocated())
    return;
  CalcMetrics();
  ApplyWrapToWindow();
  if (hasFocus()) {
    carets_.SetCellHeight(lineHeight_);
    carets_.SetCellWidth(charWidth_);
    PositionCaret();
  }
}

void TOvcCustomEditor::SetBorderStyle(TBorderStyle style)
{
  if (style == borderStyle_)
    return;
  borderStyle_ = style;
  SetFrameWidth(style == bsSingle ? 2 : 0);
  Resized();
  InvalidateAll(false);
}

void TOvcCustomEditor::Resized()
{
  if (!HandleAllocated())
    return;
  const bool didNotFit = GetLineCount() > rows_;
  CalcMetrics();
  ApplyWrapToWindow();
  if (didNotFit && GetLineCount() <= rows_)
    core_.ScrollView(0, 1 - core_.TopLine());
}

// Scroll bars

int TOvcCustomEditor::ScrollDivisor() const { return VerticalDivisor(GetLineCount(), rows_); }

void TOvcCustomEditor::RefreshVerticalBar()
{
  vRangeStale_ = vPosStale_ = false;
  if (!hasVBar_ || !metricsValid_)
    return;
  const int lines = GetLineCount();
  const int d = ScrollDivisor();
  TScrollInfo info;
  info.Mask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.Min = 1;
  info.Max = std::max(lines / d, 1);
  info.Page = VerticalPage(lines, rows_);
  info.Pos = core_.TopLine() / d;
  SetScrollInfo(SB_VERT, info);
}

void TOvcCustomEditor::RefreshHorizontalRange()
{
  if (!hasHBar_ || !metricsValid_)
    return;
  const int h = HorizontalMaximum(WordWrap(), WrapColumn(), ParaLengthLimit(), scrollBarsAlways_);
  TScrollInfo info;
  info.Mask = SIF_RANGE | SIF_POS;
  info.Min = 0;
  info.Max = columns_ < h || scrollBarsAlways_ ? h : 0;
  info.Pos = core_.HorizontalOffset();
  SetScrollInfo(SB_HORZ, info);
  ShowScrollBar(SB_HORZ, info.Max > 0);
}

void TOvcCustomEditor::RefreshHorizontalPos()
{
  hPosStale_ = false;
  if (hasHBar_ && metricsValid_)
    SetScrollPos(SB_HORZ, core_.HorizontalOffset());
}

void TOvcCustomEditor::ScrollStateStale()
{
  vRangeStale_ = vPosStale_ = hPosStale_ = true;
}

void TOvcCustomEditor::ApplyStaleScrollState()
{
  if (vRangeStale_ || vPosStale_)
    RefreshVerticalBar();
  if (hPosStale_)
    RefreshHorizontalPos();
}

void TOvcCustomEditor::ScrollBarMessage(int bar, int code, int pos)
{
  if (bar == SB_VERT)
    VerticalBarMessage(code, pos);
  else
    HorizontalBarMessage(code, pos);
}

void TOvcCustomEditor::VerticalBarMessage(int code, int pos)
{
  switch (code) {
    case SB_LINEUP: core_.ScrollView(0, -1); break;
    case SB_LINEDOWN: core_.ScrollView(0, 1); break;
    case SB_PAGEUP: core_.ScrollView(0, -rows_); break;
    case SB_PAGEDOWN: core_.ScrollView(0, rows_); break;
    case SB_TOP: core_.ScrollView(0, 1 - core_.TopLine()); break;
    case SB_BOTTOM: core_.ScrollView(0, GetLineCount() - core_.TopLine()); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      ScrollToLine(ThumbToTopLine(pos, GetLineCount(), rows_, scrollBarsAlways_));
      break;
    default: break;
  }
}

void TOvcCustomEditor::HorizontalBarMessage(int code, int pos)
{
  switch (code) {
    case SB_LINELEFT: core_.ScrollView(-1, 0); break;
    case SB_LINERIGHT: core_.ScrollView(1, 0); break;
    case SB_PAGELEFT: core_.ScrollView(-(columns_ - 1), 0); break;
    case SB_PAGERIGHT: core_.ScrollView(columns_ - 1, 0); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      core_.ScrollView(pos - core_.HorizontalOffset(), 0);
      RefreshHorizontalPos();
      Repaint();
      break;
    default: break;
  }
}

void TOvcCustomEditor::ScrollToLine(int line)
{
  if (line < 1 || line > GetLineCount())
    throw EInvalidLineOrPara();
  core_.ScrollView(0, line - core_.TopLine());
}

// The view

void TOvcCustomEditor::InvalidateLines(int first, int last)
{
  if (repaintPending_ || !metricsValid_)
    return;
  if (first > last)
    std::swap(first, last);
  const int top = core_.TopLine();
  const int firstRow = std::max(first - top, 0);
  const int lastRow = std::min(last - top, rows_ - 1);
  if (lastRow < firstRow)
    return;
  const int bottom = lastRow == rows_ - 1 ? ClientHeight() : (lastRow + 1) * lineHeight_;
  InvalidateClient(QRect(0, firstRow * lineHeight_, ClientWidth(), bottom - firstRow * lineHeight_));
}

void TOvcCustomEditor::InvalidateAll(bool updateNow)
{
  if (!repaintPending_) {
    repaintPending_ = true;
    Invalidate();
  }
  if (updateNow)
    Repaint();
}

void TOvcCustomEditor::ViewScrolled(int deltaCols, int deltaLines)
{
  // The back buffer is painted whole, so a scroll is one repaint of the text and the margin.
  if (deltaLines != 0)
    RefreshVerticalBar();
  if (deltaCols != 0)
    RefreshHorizontalPos();
  InvalidateAll(false);
}

void TOvcCustomEditor::RefreshView(bool updateNow)
{
  if (!HandleAllocated())
    return;
  RefreshVerticalBar();
  RefreshHorizontalRange();
  RefreshHorizontalPos();
  CalcMetrics();
  ApplyWrapToWindow();
  InvalidateAll(updateNow);
}

void TOvcCustomEditor::PositionCaret() { PlaceCaret(true); }

void TOvcCustomEditor::PlaceCaret(bool reportStatus)
{
  if (!metricsValid_)
    return;
  if (carets_.InsertMode() != core_.InsertMode())
    carets_.SetInsertMode(core_.InsertMode());
  const int line = std::min(core_.CaretLine(), GetLineCount());
  const int column = core_.CaretDisplayColumn();
  const int top = core_.TopLine();
  const int offset = core_.HorizontalOffset();
  int x = kCaretOutside;
  int y = kCaretOutside;
  if (line >= top && line <= top + rows_ - 1 && column >= offset + 1 && column <= offset + columns_) {
    x = (column - offset - 1) * charWidth_ + leftMargin_;
    y = (line - top) * lineHeight_;
  }
  if (hasFocus()) {
    const TOvcCaretShape shape = carets_.Caret()->Shape();
    const bool atCell = shape == csBlock || shape == csHalfBlock || shape == csHorzLine || carets_.CaretWidth() > 4;
    if (!atCell && x != kCaretOutside)
      --x;
    // Moving the caret repaints its cell: only a real move, so that a paint never asks for another.
    if (x != caretX_ || y != caretY_) {
      caretX_ = x;
      caretY_ = y;
      carets_.SetPosition(x, y);
    }
  }
  if (!reportStatus)
    return;
  // The status follows the operation that placed the caret.
  QMetaObject::invokeMethod(
      this,
      [this, line, column] {
        if (OnShowStatus)
          OnShowStatus(*this, line, column);
      },
      Qt::QueuedConnection);
}

void TOvcCustomEditor::Beep() { platform::Beep(); }

void TOvcCustomEditor::ShowBusy(bool busy)
{
  if (busy)
    busy_ = std::make_unique<platform::HourglassCursor>();
  else
    busy_.reset();
}

// The caret

bool TOvcCustomEditor::TCaretHost::HasWindow() const { return editor_.HandleAllocated(); }

void TOvcCustomEditor::TCaretHost::CreateCaret(const TCaretBitmap*, int width, int height, bool gray)
{
  editor_.CustomControl::CreateCaret(width, height, gray);
}

void TOvcCustomEditor::TCaretHost::DestroyCaret() { editor_.CustomControl::DestroyCaret(); }
void TOvcCustomEditor::TCaretHost::ShowCaret() { editor_.CustomControl::ShowCaret(); }
void TOvcCustomEditor::TCaretHost::HideCaret() { editor_.CustomControl::HideCaret(); }
void TOvcCustomEditor::TCaretHost::SetCaretPos(int x, int y) { editor_.CustomControl::SetCaretPos(x, y); }

void TOvcCustomEditor::TCaretHost::SetCaretBlinkTime(int milliseconds)
{
  constexpr int kSystemBlinkTime = 530;
  caret::SetBlinkTime(milliseconds > 0 ? milliseconds : kSystemBlinkTime);
}

// Properties

void TOvcCustomEditor::SetByteLimit(int limit)
{
  if (limit >= 0)
    core_.ParaList().SetByteLimit(limit);
}

void TOvcCustomEditor::SetCursor(TCursor cursor)
{
  cursor_ = cursor;
  if (!overMargin_)
    SetCursorNumber(cursor);
}

void TOvcCustomEditor::SetHideSelection(bool on)
{
  hideSelection_ = on;
  InvalidateAll(false);
}

void TOvcCustomEditor::SetInsertMode(bool on)
{
  core_.SetInsertMode(on);
  carets_.SetInsertMode(on);
  PositionCaret();
}

void TOvcCustomEditor::SetLeftMargin(int margin)
{
  if (margin < 0 || margin == leftMargin_)
    return;
  leftMargin_ = margin;
  RefreshView(false);
}

void TOvcCustomEditor::SetRightMargin(int margin)
{
  if (margin < 0 || margin == rightMargin_)
    return;
  rightMargin_ = margin;
  RefreshView(false);
}

void TOvcCustomEditor::SetMargin(int margin)
{
  SetLeftMargin(margin);
  SetRightMargin(margin);
}

void TOvcCustomEditor::SetMarginColor(TColor color)
{
  marginColor_ = color;
  Invalidate();
}

void TOvcCustomEditor::SetParaLengthLimit(int limit)
{
  if (limit < 1 || limit > DefaultParaLengthLimit)
    return;
  core_.ParaList().SetParaLengthLimit(limit);
  RefreshHorizontalRange();
  RefreshHorizontalPos();
}

void TOvcCustomEditor::SetParaLimit(int limit)
{
  if (limit > 0)
    core_.ParaList().SetParaLimit(limit);
}

void TOvcCustomEditor::SetScrollBars(TScrollStyle style)
{
  if (style == scrollBars_)
    return;
  scrollBars_ = style;
  if (style == ssNone)
    scrollBarsAlways_ = false;
  RecreateWindow();
}

void TOvcCustomEditor::SetScrollBarsAlways(bool on)
{
  if (on && scrollBars_ == ssNone)
    return;
  if (on == scrollBarsAlways_)
    return;
  scrollBarsAlways_ = on;
  RecreateWindow();
}

void TOvcCustomEditor::SetShowBookmarks(bool on)
{
  if (on == showBookmarks_)
    return;
  showBookmarks_ = on;
  bookmarkGlyphs_ = on ? BookmarkGlyphs() : QImage();
  InvalidateAll(false);
}

void TOvcCustomEditor::SetTabSize(int size)
{
  if (size <= 0 || size > 255)
    return;
  core_.SetTabSize(size);
  InvalidateAll(false);
}

void TOvcCustomEditor::SetTabType(TTabType type)
{
  core_.SetTabType(type);
  InvalidateAll(false);
}

void TOvcCustomEditor::SetUndoBufferSize(int size)
{
  if (size < 0 || size > 65535)
    return;
  core_.ParaList().SetUndoBufferSize(size);
}

void TOvcCustomEditor::SetWantTab(bool on)
{
  wantTab_ = on;
  SetWantTabs(on);
}

void TOvcCustomEditor::SetWrapColumn(int column)
{
  if (column > 0)
    core_.ParaList().SetWrapColumn(column);
}

void TOvcCustomEditor::SetWrapToWindow(bool on)
{
  wrapToWindow_ = on;
  ApplyWrapToWindow();
}

}  // namespace controls
