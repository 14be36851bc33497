// Painting of the editor: margin and bookmarks, the rows of text with the selection, the borders.
#include "controls/editor/Editor.h"

#include "controls/editor/TextColumns.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <array>
#include <climits>

namespace controls {

using namespace platform;

namespace {

void FillBox(TCanvas& canvas, TColor color, const TRect& box)
{
  if (box.Right <= box.Left || box.Bottom <= box.Top)
    return;
  canvas.Brush().SetColor(color);
  canvas.FillRect(box);
}

}  // namespace

TOvcCustomEditor::TLineCol TOvcCustomEditor::DisplayPosition(TParaPos pos)
{
  TOvcParaList& list = core_.ParaList();
  int col = 1;
  const int line = list.ParaPosToLine(pos.Para, pos.Pos, col);
  std::string_view text;
  list.GetLine(line, text);
  return {line, list.PosToColumn(text, int(text.size()), col)};
}

void TOvcCustomEditor::Paint(TCanvas& canvas)
{
  ApplyFont(canvas.Font());
  const TRect area = TextArea();
  const int clientWidth = ClientWidth();
  const int clientHeight = ClientHeight();
  FillBox(canvas, Color(), {0, 0, leftMargin_, clientHeight});
  FillBox(canvas, Color(), {area.Right, 0, clientWidth, clientHeight});
  PaintMargin(canvas, 1, rows_);

  const bool selShown = isEnabled() && core_.HasSelection() && (!hideSelection_ || hasFocus());
  TLineCol selStart{0, 0};
  TLineCol selEnd{0, 0};
  if (selShown) {
    selStart = DisplayPosition(core_.SelStart());
    selEnd = DisplayPosition(core_.SelEnd());
  }
  for (int row = 1; row <= rows_; ++row)
    PaintRow(canvas, row, selStart, selEnd, selShown);
  // The partial row below the last full one.
  FillBox(canvas, Color(), {leftMargin_, area.Bottom, area.Right, clientHeight});

  repaintPending_ = false;
  ApplyStaleScrollState();
  PlaceCaret(false);
  PaintBorders(canvas);
}

void TOvcCustomEditor::PaintMargin(TCanvas& canvas, int firstRow, int lastRow)
{
  std::array<int, BookmarkCount> bookmarkLines{};
  const int glyphWidth = bookmarkGlyphs_.width() / BookmarkCount;
  const bool glyphs = showBookmarks_ && glyphWidth > 0 && glyphWidth <= leftMargin_;
  if (glyphs) {
    TOvcParaList& list = core_.ParaList();
    for (int i = 0; i < BookmarkCount; ++i) {
      const TParaPos mark = list.Bookmark(i);
      int col = 0;
      bookmarkLines[std::size_t(i)] = mark.Para > 0 && mark.Para <= list.ParaCount()
                                          ? list.ParaPosToLine(mark.Para, std::max(mark.Pos, 1), col)
                                          : 0;
    }
  }
  const int glyphHeight = bookmarkGlyphs_.height();
  for (int row = firstRow; row <= lastRow; ++row) {
    const int y = (row - 1) * lineHeight_;
    FillBox(canvas, marginColor_, {0, y, leftMargin_, y + lineHeight_});
    if (!glyphs)
      continue;
    const int line = core_.TopLine() + row - 1;
    const auto found = std::find(bookmarkLines.begin(), bookmarkLines.end(), line);
    if (found == bookmarkLines.end())
      continue;
    const int mark = int(found - bookmarkLines.begin());
    const int top = y + (lineHeight_ >= glyphHeight + 2 ? (lineHeight_ - glyphHeight) / 2 : 0);
    canvas.DrawImage({1, top, 1 + glyphWidth, top + glyphHeight}, bookmarkGlyphs_,
                     {mark * glyphWidth, 0, (mark + 1) * glyphWidth, glyphHeight});
  }
}

void TOvcCustomEditor::PaintRow(TCanvas& canvas, int row, const TLineCol& selStart, const TLineCol& selEnd,
                                bool selShown)
{
  const TRect area = TextArea();
  const int line = core_.TopLine() + row - 1;
  const int offset = core_.HorizontalOffset();
  const int top = (row - 1) * lineHeight_;
  const TRect box{area.Left, top, area.Right, top + lineHeight_};

  std::string_view text;
  std::string expanded;
  if (line <= GetLineCount()) {
    core_.ParaList().GetLine(line, text);
    if (HasTab(text, int(text.size()))) {
      expanded = DetabText(text, TabSize());
      text = expanded;
    }
  }
  if (offset >= int(text.size()))
    text = {};
  const std::string_view visible = text.empty() ? text : text.substr(std::size_t(offset), std::size_t(columns_));

  if (OnDrawLine) {
    TEditorDrawLine args{canvas, box, text, line, offset, columns_};
    if (selShown) {
      args.HBLine = selStart.Line;
      args.HBCol = selStart.Col;
      args.HELine = selEnd.Line;
      args.HECol = selEnd.Col;
    }
    bool wasDrawn = false;
    OnDrawLine(*this, args, wasDrawn);
    if (wasDrawn)
      return;
  }

  const int length = int(visible.size());
  // The selected part of the visible text: [from, to) in characters of visible.
  int from = length;
  int to = length;
  if (selShown && line >= selStart.Line && line <= selEnd.Line) {
    const int first = line == selStart.Line ? selStart.Col : 1;
    const int last = line == selEnd.Line ? selEnd.Col : INT_MAX;
    from = std::clamp(first - 1 - offset, 0, length);
    to = last == INT_MAX ? length : std::clamp(last - 1 - offset, 0, length);
  }
  const TColor textColor = isEnabled() ? fixedFont_.Color() : clGrayText;
  struct Run {
    int begin, end;
    TColor text, back;
  };
  const Run runs[] = {{0, from, textColor, Color()},
                      {from, to, highlight_.TextColor(), highlight_.BackColor()},
                      {to, length, textColor, Color()}};
  for (const Run& run : runs) {
    const bool last = &run == &runs[2];
    if (run.end <= run.begin && !last)
      continue;
    const int left = area.Left + run.begin * charWidth_;
    const int right = last ? area.Right : area.Left + run.end * charWidth_;
    canvas.Font().SetColor(run.text);
    canvas.SetBkColor(run.back);
    const auto part = visible.substr(std::size_t(run.begin), std::size_t(std::max(run.end - run.begin, 0)));
    canvas.ExtTextOut(left, top + 1, ETO_OPAQUE | ETO_CLIPPED, {left, top, right, box.Bottom},
                      QString::fromLatin1(part.data(), qsizetype(part.size())));
  }
}

void TOvcCustomEditor::PaintBorders(TCanvas& canvas)
{
  const int width = ClientWidth();
  const int height = ClientHeight();
  const auto line = [&](const TOvcBorder& border, int x1, int y1, int x2, int y2) {
    if (!border.Enabled())
      return;
    canvas.Pen().SetColor(border.PenColor());
    canvas.Pen().SetWidth(border.PenWidth());
    canvas.Pen().SetStyle(static_cast<TPenStyle>(border.PenStyle()));
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  const auto half = [](const TOvcBorder& border) { return border.PenWidth() / 2; };
  const auto rest = [](const TOvcBorder& border) { return (border.PenWidth() + 1) / 2; };
  const TOvcBorder& l = borders_.LeftBorder;
  const TOvcBorder& r = borders_.RightBorder;
  const TOvcBorder& t = borders_.TopBorder;
  const TOvcBorder& b = borders_.BottomBorder;
  line(l, half(l), 0, half(l), height - l.PenWidth());
  line(r, width - rest(r), 0, width - rest(r), height - r.PenWidth());
  line(t, 0, half(t), width, half(t));
  line(b, 0, height - rest(b), width, height - rest(b));
}

}  // namespace controls
