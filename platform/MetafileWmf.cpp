// Placeable Windows metafile writer: 16-bit records in device units at 96 units per inch. The
// format can't select "no clipping", so clipping lives in a saved level that is dropped and made
// anew when the clip changes (and the tools are selected again after it).

#include "platform/Metafile.h"
#include "platform/CanvasRounding.h"
#include "platform/MetafileGdi.h"
#include "platform/MetafileRange.h"
#include "platform/MetafileText.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace platform {

namespace {

using namespace gdi;

enum WmfFunction : std::uint16_t {
  META_EOF = 0x0000, META_SETBKCOLOR = 0x0201, META_SETBKMODE = 0x0102, META_SETROP2 = 0x0104,
  META_SETPOLYFILLMODE = 0x0106, META_SETSTRETCHBLTMODE = 0x0107, META_SETTEXTCOLOR = 0x0209,
  META_SETWINDOWORG = 0x020B, META_SETWINDOWEXT = 0x020C, META_LINETO = 0x0213, META_MOVETO = 0x0214,
  META_INTERSECTCLIPRECT = 0x0416, META_ARC = 0x0817, META_ELLIPSE = 0x0418, META_PIE = 0x081A,
  META_RECTANGLE = 0x041B, META_ROUNDRECT = 0x061C, META_SAVEDC = 0x001E, META_SETPIXEL = 0x041F,
  META_POLYGON = 0x0324, META_POLYLINE = 0x0325, META_RESTOREDC = 0x0127, META_CHORD = 0x0830,
  META_SELECTOBJECT = 0x012D, META_SETTEXTALIGN = 0x012E, META_DELETEOBJECT = 0x01F0,
  META_CREATEPENINDIRECT = 0x02FA, META_CREATEFONTINDIRECT = 0x02FB, META_CREATEBRUSHINDIRECT = 0x02FC,
  META_EXTTEXTOUT = 0x0A32, META_STRETCHDIB = 0x0F43, META_DIBCREATEPATTERNBRUSH = 0x0142
};

inline constexpr std::size_t kMaxPolyPoints = 16000;

// One kind of tool: the object that holds it and whether it is selected.
template <typename Data>
struct Tool {
  std::optional<Data> data;
  int index = -1;
  bool selected = false;
};

class WmfWriter {
public:
  WmfWriter(int width, int height) : width_(width), height_(height) {}
  QByteArray Write(const std::vector<TCanvasRecord>& records);

private:
  void Begin(WmfFunction f);
  void End();
  void Simple(WmfFunction f, std::uint16_t value);
  void Color(WmfFunction f, TColor color);
  void Box(const TRect& r);  // bottom, right, top, left
  void XY(TPoint p);         // y, x

  int NewObject();
  void Select(int index);
  void Delete(int index);
  template <typename Data, typename Create>
  void Use(Tool<Data>& tool, const Data& data, const Create& create);
  void UsePen(const TPenData& pen);
  void UseBrush(const TBrushData& brush);
  void UseFont(const TFontData& font);
  void UseRop2(std::uint32_t rop);
  void UseBackground(const TCanvasState& s);
  void UseClip(const TCanvasState& s);
  void ResetLevel();

  void Draw(const TCanvasRecord& r);
  void Paint(const TCanvasRecord& r);
  void PaintBeyondRange(const TCanvasRecord& r, const TRect& box);
  TRect PictureBox(int penWidth) const;
  void Fill(const TCanvasState& s, const TRect& r);
  void Poly(WmfFunction f, const std::vector<TPoint>& points);
  void Text(const TCanvasRecord& r);
  void TextRecord(TPoint at, const QByteArray& text, const std::vector<int>& advances, std::uint16_t options,
                  const TRect& box);
  void UseTextAlign(unsigned align);
  void Image(const TCanvasRecord& r);

  ByteWriter w_;
  qsizetype recordStart_ = 0;
  std::uint32_t maxRecord_ = 0;
  int width_;
  int height_;
  std::vector<bool> slots_;

  Tool<TPenData> pen_;
  Tool<TBrushData> brush_;
  Tool<TFontData> font_;
  std::uint32_t rop2_ = R2_COPYPEN;
  std::uint32_t bkMode_ = OPAQUE;
  std::uint32_t bkColor_ = 0xFFFFFF;
  std::uint32_t textColor_ = 0;
  unsigned textAlign_ = 0;
  bool clipped_ = false;
  TRegion clip_;
};

void WmfWriter::Begin(WmfFunction f)
{
  recordStart_ = w_.Size();
  w_.U32(0);
  w_.U16(f);
}

void WmfWriter::End()
{
  w_.PadTo2();
  const auto words = std::uint32_t((w_.Size() - recordStart_) / 2);
  w_.PatchU32(recordStart_, words);
  maxRecord_ = std::max(maxRecord_, words);
}

void WmfWriter::Simple(WmfFunction f, std::uint16_t value)
{
  Begin(f);
  w_.U16(value);
  End();
}

void WmfWriter::Color(WmfFunction f, TColor color)
{
  Begin(f);
  w_.U32(ColorRef(color));
  End();
}

void WmfWriter::Box(const TRect& r)
{
  w_.I16(r.Bottom);
  w_.I16(r.Right);
  w_.I16(r.Top);
  w_.I16(r.Left);
}

void WmfWriter::XY(TPoint p)
{
  w_.I16(p.Y);
  w_.I16(p.X);
}

int WmfWriter::NewObject()
{
  const auto free = std::find(slots_.begin(), slots_.end(), false);
  if (free != slots_.end()) {
    *free = true;
    return int(free - slots_.begin());
  }
  slots_.push_back(true);
  return int(slots_.size() - 1);
}

void WmfWriter::Select(int index)
{
  Simple(META_SELECTOBJECT, std::uint16_t(index));
}

void WmfWriter::Delete(int index)
{
  Simple(META_DELETEOBJECT, std::uint16_t(index));
  slots_[std::size_t(index)] = false;
}

template <typename Data, typename Create>
void WmfWriter::Use(Tool<Data>& tool, const Data& data, const Create& create)
{
  if (tool.data && *tool.data == data) {
    if (!tool.selected)
      Select(tool.index);
    tool.selected = true;
    return;
  }
  const int index = NewObject();
  create();
  Select(index);
  if (tool.index >= 0)
    Delete(tool.index);
  tool = {data, index, true};
}

void WmfWriter::UsePen(const TPenData& pen)
{
  Use(pen_, pen, [&] {
    Begin(META_CREATEPENINDIRECT);
    w_.U16(std::uint16_t(PenStyle(pen)));
    w_.I16(pen.Width);
    w_.I16(0);
    w_.U32(ColorRef(pen.Color));
    End();
  });
}

void WmfWriter::UseBrush(const TBrushData& brush)
{
  Use(brush_, brush, [&] {
    if (BrushStyle(brush) == BS_DIBPATTERN) {
      Begin(META_DIBCREATEPATTERNBRUSH);
      w_.U16(std::uint16_t(BS_DIBPATTERN));
      w_.U16(0);  // DIB_RGB_COLORS
      w_.Bytes(DibInfo(brush.Pattern.width(), brush.Pattern.height()));
      w_.Bytes(DibBits(brush.Pattern));
      End();
      return;
    }
    Begin(META_CREATEBRUSHINDIRECT);
    w_.U16(std::uint16_t(BrushStyle(brush)));
    w_.U32(ColorRef(brush.Color));
    w_.U16(std::uint16_t(Hatch(brush)));
    End();
  });
}

void WmfWriter::UseFont(const TFontData& font)
{
  Use(font_, font, [&] {
    Begin(META_CREATEFONTINDIRECT);
    w_.I16(font.Height);
    w_.I16(0);
    w_.I16(font.Escapement);
    w_.I16(font.Escapement);
    w_.I16(int(FontWeight(font)));
    w_.U8((font.Style & fsItalic) ? 1 : 0);
    w_.U8((font.Style & fsUnderline) ? 1 : 0);
    w_.U8((font.Style & fsStrikeOut) ? 1 : 0);
    w_.U8(std::uint8_t(font.Charset));
    w_.U8(0);
    w_.U8(0);
    w_.U8(0);
    w_.U8(PitchAndFamily(font));
    QByteArray face = font.Name.left(31).toLatin1();
    face.append('\0');
    w_.Bytes(face);
    End();
  });
}

void WmfWriter::UseRop2(std::uint32_t rop)
{
  if (rop != rop2_)
    Simple(META_SETROP2, std::uint16_t(rop));
  rop2_ = rop;
}

void WmfWriter::UseBackground(const TCanvasState& s)
{
  const std::uint32_t mode = s.BkMode == TBkMode::bmOpaque ? OPAQUE : TRANSPARENT;
  if (mode != bkMode_)
    Simple(META_SETBKMODE, std::uint16_t(mode));
  bkMode_ = mode;
  if (ColorRef(s.BkColor) != bkColor_)
    Color(META_SETBKCOLOR, s.BkColor);
  bkColor_ = ColorRef(s.BkColor);
}

void WmfWriter::ResetLevel()
{
  Simple(META_RESTOREDC, std::uint16_t(-1));
  Simple(META_SAVEDC, 0);
  // The restored level has the defaults: nothing of ours selected.
  pen_.selected = brush_.selected = font_.selected = false;
  rop2_ = R2_COPYPEN;
  bkMode_ = OPAQUE;
  bkColor_ = 0xFFFFFF;
  textColor_ = 0;
  textAlign_ = 0;
}

void WmfWriter::UseClip(const TCanvasState& s)
{
  if (s.Clipped == clipped_ && (!s.Clipped || s.Clip == clip_))
    return;
  clipped_ = s.Clipped;
  clip_ = s.Clip;
  ResetLevel();
  if (!s.Clipped)
    return;
  Begin(META_INTERSECTCLIPRECT);
  Box(s.Clip.BoundingBox());
  End();
}

// Readers take up to kMaxPolyPoints points a record: a longer line goes on in the next record from
// the last point written; a longer outline keeps its first points.
void WmfWriter::Poly(WmfFunction f, const std::vector<TPoint>& points)
{
  std::size_t first = 0;
  do {
    const std::size_t count = std::min(points.size() - first, kMaxPolyPoints);
    Begin(f);
    w_.U16(std::uint16_t(count));
    for (std::size_t i = first; i < first + count; ++i) {
      w_.I16(points[i].X);
      w_.I16(points[i].Y);
    }
    End();
    first += count - 1;
  } while (f == META_POLYLINE && first + 1 < points.size());
}

void WmfWriter::Fill(const TCanvasState& s, const TRect& r)
{
  if (r.IsEmpty() || BrushStyle(s.Brush) == BS_NULL)
    return;
  UsePen({clBlack, TPenStyle::psClear, 0, TPenMode::pmCopy});
  UseBrush(s.Brush);
  UseRop2(R2_COPYPEN);
  UseBackground(s);
  Begin(META_RECTANGLE);
  Box({r.Left, r.Top, r.Right + 1, r.Bottom + 1});
  End();
}

void WmfWriter::UseTextAlign(unsigned align)
{
  align &= ~TA_UPDATECP;
  if (align != textAlign_)
    Simple(META_SETTEXTALIGN, std::uint16_t(align));
  textAlign_ = align;
}

// The text in the font's character set; characters it lacks that the Symbol font has are written in
// that font, each run placed after the advances of the characters before it.
void WmfWriter::Text(const TCanvasRecord& r)
{
  const TCanvasState& s = r.State;
  if (ColorRef(s.Font.Color) != textColor_)
    Color(META_SETTEXTCOLOR, s.Font.Color);
  textColor_ = ColorRef(s.Font.Color);
  UseBackground(s);
  const std::vector<TextRun> runs = EncodeText(s.Font, r.Text);
  const std::vector<int> advances = CharAdvances(s.Font, r.Text);
  const bool boxed = r.Points.size() >= 3;
  std::uint16_t options = boxed ? std::uint16_t(r.Value & (ETO_CLIPPED | ETO_OPAQUE)) : 0;
  if (runs.size() <= 1) {
    UseFont(s.Font);
    UseTextAlign(s.TextAlign);
    TextRecord(r.Points[0], runs.empty() ? QByteArray() : runs[0].Bytes, advances, options, boxed ? r.RectAt(1) : TRect{});
    return;
  }
  // Runs are placed from the left end of the whole text along its direction.
  int width = 0;
  for (const int a : advances)
    width += a;
  const unsigned horizontal = s.TextAlign & TA_CENTER;
  const int lead = horizontal == TA_RIGHT ? width : horizontal == TA_CENTER ? width / 2 : 0;
  const double angle = s.Font.Escapement / 10.0 * std::numbers::pi / 180;
  UseTextAlign((s.TextAlign & ~(TA_CENTER | TA_UPDATECP)) | TA_LEFT);
  int offset = -lead;
  for (const TextRun& run : runs) {
    TFontData font = s.Font;
    if (run.Symbol) {
      font.Name = QStringLiteral("Symbol");
      font.Charset = SYMBOL_CHARSET;
    }
    UseFont(font);
    const std::vector<int> own(advances.begin() + run.First, advances.begin() + run.First + run.Bytes.size());
    const TPoint at{r.Points[0].X + SafeRound(offset * std::cos(angle)), r.Points[0].Y - SafeRound(offset * std::sin(angle))};
    TextRecord(at, run.Bytes, own, options, boxed ? r.RectAt(1) : TRect{});
    options &= ~std::uint16_t(ETO_OPAQUE);  // the box is filled once
    for (const int a : own)
      offset += a;
  }
}

void WmfWriter::TextRecord(TPoint at, const QByteArray& text, const std::vector<int>& advances, std::uint16_t options,
                           const TRect& box)
{
  Begin(META_EXTTEXTOUT);
  XY(at);
  w_.U16(std::uint16_t(text.size()));
  w_.U16(options);
  if (options) {
    w_.I16(box.Left);
    w_.I16(box.Top);
    w_.I16(box.Right);
    w_.I16(box.Bottom);
  }
  w_.Bytes(text);
  w_.PadTo2();
  for (const int a : advances)
    w_.I16(a);
  End();
}

void WmfWriter::Image(const TCanvasRecord& r)
{
  const TRect dest = r.RectAt(0);
  const TRect src = r.RectAt(2);
  const QImage part = r.Image.copy(src.Left, src.Top, src.Width(), src.Height());
  if (part.isNull())
    return;
  Begin(META_STRETCHDIB);
  w_.U32(r.Value);
  w_.U16(0);  // DIB_RGB_COLORS
  w_.I16(part.height());
  w_.I16(part.width());
  w_.I16(0);
  w_.I16(0);
  w_.I16(dest.Height());
  w_.I16(dest.Width());
  w_.I16(dest.Top);
  w_.I16(dest.Left);
  w_.Bytes(DibInfo(part.width(), part.height()));
  w_.Bytes(DibBits(part));
  End();
}

void WmfWriter::Draw(const TCanvasRecord& record)
{
  const TCanvasRecord r = ToDevice(record);
  UseClip(r.State);
  if (Inside(kSixteenBitBox, r.Points))
    Paint(r);
  else
    PaintBeyondRange(r, PictureBox(r.State.Pen.Width));
}

// The picture with a margin for a pen's width, where far geometry is cut.
TRect WmfWriter::PictureBox(int penWidth) const
{
  const int margin = std::max(penWidth, 1) + 2;
  return {-margin, -margin, std::min(width_ + margin, kSixteenBitBox.Right), std::min(height_ + margin, kSixteenBitBox.Bottom)};
}

// Coordinates beyond 16 bits: lines and outlines are cut to the picture, curves become point lists
// first; rectangles keep their shape when their sides are clamped; what sits at one point is left out.
void WmfWriter::PaintBeyondRange(const TCanvasRecord& r, const TRect& box)
{
  TCanvasRecord part = r;
  switch (r.Op) {
  case TCanvasOp::LineTo:
  case TCanvasOp::Polyline:
    part.Op = TCanvasOp::Polyline;
    for (const std::vector<TPoint>& piece : ClipPolyline(r.Points, box)) {
      part.Points = piece;
      Paint(part);
    }
    return;
  case TCanvasOp::Arc:
  case TCanvasOp::Ellipse:
  case TCanvasOp::RoundRect:
  case TCanvasOp::Pie:
  case TCanvasOp::Chord:
    part.Op = r.Op == TCanvasOp::Arc ? TCanvasOp::Polyline : TCanvasOp::Polygon;
    part.Points = ShapeOutline(r);
    PaintBeyondRange(part, box);
    return;
  case TCanvasOp::Polygon:
    part.Points = ClipPolygon(r.Points, box);
    if (part.Points.size() >= 3)
      Paint(part);
    return;
  case TCanvasOp::Rectangle:
  case TCanvasOp::FillRect:
  case TCanvasOp::FrameRect:
  case TCanvasOp::PatBlt:
    Paint(r);
    return;
  case TCanvasOp::DrawImage: {
    const TRect dest = r.RectAt(0);
    const TRect src = r.RectAt(2);
    if (dest.Width() <= 0 || dest.Height() <= 0)
      return;
    const TRect shown{std::max(dest.Left, box.Left), std::max(dest.Top, box.Top), std::min(dest.Right, box.Right),
                      std::min(dest.Bottom, box.Bottom)};
    if (shown.IsEmpty())
      return;
    // The source part under the shown part of the destination.
    const double sx = double(src.Width()) / dest.Width();
    const double sy = double(src.Height()) / dest.Height();
    const TPoint from{src.Left + SafeRound((shown.Left - dest.Left) * sx), src.Top + SafeRound((shown.Top - dest.Top) * sy)};
    const TPoint to{src.Left + SafeRound((shown.Right - dest.Left) * sx), src.Top + SafeRound((shown.Bottom - dest.Top) * sy)};
    part.Points = {{shown.Left, shown.Top}, {shown.Right, shown.Bottom}, from, to};
    Paint(part);
    return;
  }
  default:
    return;  // a text or pixel placed beyond the range is not in the picture
  }
}

void WmfWriter::Paint(const TCanvasRecord& r)
{
  const TCanvasState& s = r.State;
  const auto shapeTools = [&](bool filled) {
    UsePen(s.Pen);
    UseBrush(filled ? s.Brush : TBrushData{clWhite, TBrushStyle::bsClear, {}});
    UseRop2(Rop2(s.Pen.Mode));
    UseBackground(s);
  };
  switch (r.Op) {
  case TCanvasOp::LineTo:
    shapeTools(false);
    Begin(META_MOVETO);
    XY(r.Points[0]);
    End();
    Begin(META_LINETO);
    XY(r.Points[1]);
    End();
    return;
  case TCanvasOp::Polyline: shapeTools(false); Poly(META_POLYLINE, r.Points); return;
  case TCanvasOp::Polygon: shapeTools(true); Poly(META_POLYGON, r.Points); return;
  case TCanvasOp::Rectangle:
  case TCanvasOp::Ellipse:
    shapeTools(true);
    Begin(r.Op == TCanvasOp::Rectangle ? META_RECTANGLE : META_ELLIPSE);
    Box(r.RectAt(0));
    End();
    return;
  case TCanvasOp::RoundRect:
    shapeTools(true);
    Begin(META_ROUNDRECT);
    w_.I16(r.Points[2].Y);
    w_.I16(r.Points[2].X);
    Box(r.RectAt(0));
    End();
    return;
  case TCanvasOp::Arc:
  case TCanvasOp::Pie:
  case TCanvasOp::Chord:
    shapeTools(r.Op != TCanvasOp::Arc);
    Begin(r.Op == TCanvasOp::Arc ? META_ARC : r.Op == TCanvasOp::Pie ? META_PIE : META_CHORD);
    XY(r.Points[3]);
    XY(r.Points[2]);
    Box(r.RectAt(0));
    End();
    return;
  case TCanvasOp::FillRect: Fill(s, r.RectAt(0)); return;
  case TCanvasOp::FrameRect: {
    const TRect b = r.RectAt(0);
    Fill(s, {b.Left, b.Top, b.Right, b.Top + 1});
    Fill(s, {b.Left, b.Bottom - 1, b.Right, b.Bottom});
    Fill(s, {b.Left, b.Top + 1, b.Left + 1, b.Bottom - 1});
    Fill(s, {b.Right - 1, b.Top + 1, b.Right, b.Bottom - 1});
    return;
  }
  case TCanvasOp::PatBlt: {
    TCanvasState solid = s;
    if (r.Value == cmBlackness || r.Value == cmWhiteness)
      solid.Brush = {r.Value == cmBlackness ? clBlack : clWhite, TBrushStyle::bsSolid, {}};
    else if (r.Value != cmPatCopy)
      return;
    Fill(solid, r.RectAt(0));
    return;
  }
  case TCanvasOp::SetPixel:
    Begin(META_SETPIXEL);
    w_.U32(ColorRef(r.Value));
    XY(r.Points[0]);
    End();
    return;
  case TCanvasOp::TextOut: Text(r); return;
  case TCanvasOp::DrawImage:
    UseBrush(s.Brush);  // merge copies take it
    Image(r);
    return;
  default: return;
  }
}

QByteArray WmfWriter::Write(const std::vector<TCanvasRecord>& records)
{
  // Placeable header.
  ByteWriter head;
  head.U32(0x9AC6CDD7);
  head.U16(0);
  head.I16(0);
  head.I16(0);
  head.I16(width_);
  head.I16(height_);
  head.U16(96);
  head.U32(0);
  std::uint16_t checksum = 0;
  for (int i = 0; i < 20; i += 2)
    checksum ^= std::uint16_t(std::uint8_t(head.Data()[i]) | (std::uint8_t(head.Data()[i + 1]) << 8));
  head.U16(checksum);

  // Metafile header; size, object count and largest record patched at the end.
  w_.U16(1);
  w_.U16(9);
  w_.U16(0x0300);
  w_.U32(0);
  w_.U16(0);
  w_.U32(0);
  w_.U16(0);
  Begin(META_SETWINDOWORG);
  XY({0, 0});
  End();
  Begin(META_SETWINDOWEXT);
  XY({width_, height_});
  End();
  Simple(META_SETPOLYFILLMODE, ALTERNATE);
  Simple(META_SETSTRETCHBLTMODE, 3);
  Simple(META_SAVEDC, 0);

  for (const TCanvasRecord& r : JoinedLines(records))
    Draw(r);

  Simple(META_RESTOREDC, std::uint16_t(-1));
  for (std::size_t i = 0; i < slots_.size(); ++i)
    if (slots_[i])
      Delete(int(i));
  Begin(META_EOF);
  End();

  QByteArray body = w_.Data();
  const auto totalWords = std::uint32_t(body.size() / 2);
  const auto patch32 = [&body](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
      body[at + i] = char((v >> (8 * i)) & 0xFF);
  };
  patch32(6, totalWords);
  body[10] = char(slots_.size() & 0xFF);
  body[11] = char((slots_.size() >> 8) & 0xFF);
  patch32(12, maxRecord_);
  return head.Data() + body;
}

}  // namespace

QByteArray WriteWmf(const std::vector<TCanvasRecord>& records, int width, int height)
{
  return WmfWriter(width, height).Write(records);
}

}  // namespace platform
