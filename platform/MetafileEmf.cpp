// Enhanced metafile writer: records in device units, one object slot per kind of tool, every
// state change written just before the call that needs it.

#include "platform/Metafile.h"
#include "platform/MetafileGdi.h"

#include <optional>

namespace platform {

namespace {

using namespace gdi;

enum EmrType : std::uint32_t {
  EMR_HEADER = 1, EMR_POLYGON = 3, EMR_POLYLINE = 4, EMR_POLYLINE16 = 87, EMR_POLYGON16 = 86, EMR_EOF = 14, EMR_SETPIXELV = 15,
  EMR_SETMAPMODE = 17, EMR_SETBKMODE = 18, EMR_SETPOLYFILLMODE = 19, EMR_SETROP2 = 20,
  EMR_SETSTRETCHBLTMODE = 21, EMR_SETTEXTALIGN = 22, EMR_SETTEXTCOLOR = 24, EMR_INTERSECTCLIPRECT = 30, EMR_SETBKCOLOR = 25,
  EMR_MOVETOEX = 27, EMR_SELECTOBJECT = 37, EMR_CREATEPEN = 38, EMR_CREATEBRUSHINDIRECT = 39,
  EMR_DELETEOBJECT = 40, EMR_ELLIPSE = 42, EMR_RECTANGLE = 43, EMR_ROUNDRECT = 44, EMR_ARC = 45,
  EMR_CHORD = 46, EMR_PIE = 47, EMR_LINETO = 54, EMR_EXTSELECTCLIPRGN = 75, EMR_STRETCHDIBITS = 81,
  EMR_EXTCREATEFONTINDIRECTW = 82, EMR_EXTTEXTOUTW = 84, EMR_CREATEDIBPATTERNBRUSHPT = 94
};

constexpr std::uint32_t NULL_PEN = 0x80000008;
constexpr std::uint32_t RGN_AND = 1;
constexpr std::uint32_t RGN_COPY = 5;
constexpr std::uint32_t MM_TEXT = 1;
constexpr std::uint32_t COLORONCOLOR = 3;
// A clip of at most this many rectangles is written as the drawing once per rectangle.
constexpr std::size_t kClipPartsRepeated = 16;

// Object slots: two per kind so a new object is made before the old one goes.
enum Slot : std::uint32_t { PenA = 1, PenB, BrushA, BrushB, FontA, FontB, SlotCount };

class EmfWriter {
public:
  EmfWriter(int width, int height) : width_(width), height_(height) {}
  QByteArray Write(const std::vector<TCanvasRecord>& records);

private:
  void Begin(EmrType type);
  void End();
  void Simple(EmrType type, std::uint32_t value);
  void Rect(const TRect& r);
  void Point(TPoint p);

  void UsePen(const TPenData& pen);
  void UseNullPen();
  void UseBrush(const TBrushData& brush);
  void UseFont(const TFontData& font);
  void UseRop2(std::uint32_t rop);
  void UseBackground(const TCanvasState& s);
  void UseTextColor(TColor color);
  void UseTextAlign(unsigned align);
  void UseClip(bool clipped, const TRegion& clip);

  void Draw(const TCanvasRecord& r);
  void Paint(const TCanvasRecord& r);
  void Fill(const TCanvasState& s, const TRect& r);
  void Poly(bool closed, const std::vector<TPoint>& points);
  void Text(const TCanvasRecord& r);
  void Image(const TCanvasRecord& r);

  ByteWriter w_;
  qsizetype recordStart_ = 0;
  std::uint32_t recordCount_ = 0;
  int width_;
  int height_;

  std::optional<TPenData> pen_;
  std::uint32_t penSlot_ = 0;
  bool penSelected_ = false;
  bool nullPen_ = false;
  std::optional<TBrushData> brush_;
  std::uint32_t brushSlot_ = 0;
  std::optional<TFontData> font_;
  std::uint32_t fontSlot_ = 0;
  std::uint32_t rop2_ = R2_COPYPEN;
  std::uint32_t bkMode_ = OPAQUE;
  std::uint32_t bkColor_ = 0xFFFFFF;
  std::uint32_t textColor_ = 0;
  unsigned textAlign_ = 0;
  bool clipped_ = false;
  TRegion clip_;
};

void EmfWriter::Begin(EmrType type)
{
  recordStart_ = w_.Size();
  w_.U32(type);
  w_.U32(0);  // size, patched by End
}

void EmfWriter::End()
{
  w_.PadTo4();
  w_.PatchU32(recordStart_ + 4, std::uint32_t(w_.Size() - recordStart_));
  ++recordCount_;
}

void EmfWriter::Simple(EmrType type, std::uint32_t value)
{
  Begin(type);
  w_.U32(value);
  End();
}

void EmfWriter::Rect(const TRect& r)
{
  w_.I32(r.Left);
  w_.I32(r.Top);
  w_.I32(r.Right);
  w_.I32(r.Bottom);
}

void EmfWriter::Point(TPoint p)
{
  w_.I32(p.X);
  w_.I32(p.Y);
}

void EmfWriter::UsePen(const TPenData& pen)
{
  if (pen_ && *pen_ == pen) {
    if (!penSelected_)
      Simple(EMR_SELECTOBJECT, penSlot_);
    penSelected_ = true;
    nullPen_ = false;
    return;
  }
  const std::uint32_t slot = penSlot_ == PenA ? PenB : PenA;
  Begin(EMR_CREATEPEN);
  w_.U32(slot);
  w_.U32(PenStyle(pen));
  w_.I32(pen.Width);
  w_.I32(0);
  w_.U32(ColorRef(pen.Color));
  End();
  Simple(EMR_SELECTOBJECT, slot);
  if (penSlot_)
    Simple(EMR_DELETEOBJECT, penSlot_);
  penSlot_ = slot;
  pen_ = pen;
  penSelected_ = true;
  nullPen_ = false;
}

void EmfWriter::UseNullPen()
{
  if (nullPen_)
    return;
  Simple(EMR_SELECTOBJECT, NULL_PEN);
  nullPen_ = true;
  penSelected_ = false;
}

void EmfWriter::UseBrush(const TBrushData& brush)
{
  if (brush_ && *brush_ == brush)
    return;
  const std::uint32_t slot = brushSlot_ == BrushA ? BrushB : BrushA;
  if (BrushStyle(brush) == BS_DIBPATTERN) {
    const QByteArray info = DibInfo(brush.Pattern.width(), brush.Pattern.height());
    const QByteArray bits = DibBits(brush.Pattern);
    Begin(EMR_CREATEDIBPATTERNBRUSHPT);
    w_.U32(slot);
    w_.U32(0);  // DIB_RGB_COLORS
    w_.U32(32);
    w_.U32(std::uint32_t(info.size()));
    w_.U32(std::uint32_t(32 + info.size()));
    w_.U32(std::uint32_t(bits.size()));
    w_.Bytes(info);
    w_.Bytes(bits);
    End();
  } else {
    Begin(EMR_CREATEBRUSHINDIRECT);
    w_.U32(slot);
    w_.U32(BrushStyle(brush));
    w_.U32(ColorRef(brush.Color));
    w_.U32(Hatch(brush));
    End();
  }
  Simple(EMR_SELECTOBJECT, slot);
  if (brushSlot_)
    Simple(EMR_DELETEOBJECT, brushSlot_);
  brushSlot_ = slot;
  brush_ = brush;
}

void EmfWriter::UseFont(const TFontData& font)
{
  if (font_ && *font_ == font)
    return;
  const std::uint32_t slot = fontSlot_ == FontA ? FontB : FontA;
  Begin(EMR_EXTCREATEFONTINDIRECTW);
  w_.U32(slot);
  w_.I32(font.Height);
  w_.I32(0);
  w_.I32(font.Escapement);
  w_.I32(font.Escapement);
  w_.U32(FontWeight(font));
  w_.U8((font.Style & fsItalic) ? 1 : 0);
  w_.U8((font.Style & fsUnderline) ? 1 : 0);
  w_.U8((font.Style & fsStrikeOut) ? 1 : 0);
  w_.U8(std::uint8_t(font.Charset));
  w_.U8(0);
  w_.U8(0);
  w_.U8(0);
  w_.U8(PitchAndFamily(font));
  const QString face = font.Name.left(31);
  for (int i = 0; i < 32; ++i)
    w_.U16(i < face.size() ? face[i].unicode() : 0);
  End();
  Simple(EMR_SELECTOBJECT, slot);
  if (fontSlot_)
    Simple(EMR_DELETEOBJECT, fontSlot_);
  fontSlot_ = slot;
  font_ = font;
}

void EmfWriter::UseRop2(std::uint32_t rop)
{
  if (rop != rop2_)
    Simple(EMR_SETROP2, rop);
  rop2_ = rop;
}

void EmfWriter::UseBackground(const TCanvasState& s)
{
  const std::uint32_t mode = s.BkMode == TBkMode::bmOpaque ? OPAQUE : TRANSPARENT;
  if (mode != bkMode_)
    Simple(EMR_SETBKMODE, mode);
  bkMode_ = mode;
  if (ColorRef(s.BkColor) != bkColor_)
    Simple(EMR_SETBKCOLOR, ColorRef(s.BkColor));
  bkColor_ = ColorRef(s.BkColor);
}

void EmfWriter::UseTextColor(TColor color)
{
  if (ColorRef(color) != textColor_)
    Simple(EMR_SETTEXTCOLOR, ColorRef(color));
  textColor_ = ColorRef(color);
}

void EmfWriter::UseTextAlign(unsigned align)
{
  align &= ~TA_UPDATECP;
  if (align != textAlign_)
    Simple(EMR_SETTEXTALIGN, align);
  textAlign_ = align;
}

// Readers honour a clip reset followed by an intersect-rectangle record far better than a region
// selected in copy mode. A clip of a few rectangles is written as the drawing once per rectangle;
// only a larger one is combined as a region in AND mode.
void EmfWriter::UseClip(bool clipped, const TRegion& clip)
{
  if (clipped == clipped_ && (!clipped || clip == clip_))
    return;
  clipped_ = clipped;
  clip_ = clip;
  Begin(EMR_EXTSELECTCLIPRGN);  // no region: clipping off
  w_.U32(0);
  w_.U32(RGN_COPY);
  End();
  if (!clipped)
    return;
  const std::vector<TRect> rects = clip.Rects();
  if (rects.size() == 1) {
    Begin(EMR_INTERSECTCLIPRECT);
    Rect(rects.front());
    End();
    return;
  }
  Begin(EMR_EXTSELECTCLIPRGN);
  w_.U32(std::uint32_t(32 + 16 * rects.size()));
  w_.U32(RGN_AND);
  w_.U32(32);
  w_.U32(1);  // RDH_RECTANGLES
  w_.U32(std::uint32_t(rects.size()));
  w_.U32(std::uint32_t(16 * rects.size()));
  Rect(clip.BoundingBox());
  for (const TRect& r : rects)
    Rect(r);
  End();
}

// The compact 16-bit records when every point fits them, else the 32-bit ones.
void EmfWriter::Poly(bool closed, const std::vector<TPoint>& points)
{
  TRect bounds{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (const TPoint& p : points)
    bounds = {std::min(bounds.Left, p.X), std::min(bounds.Top, p.Y), std::max(bounds.Right, p.X), std::max(bounds.Bottom, p.Y)};
  const auto fits = [](int v) { return v >= -32768 && v <= 32767; };
  const bool compact = fits(bounds.Left) && fits(bounds.Top) && fits(bounds.Right) && fits(bounds.Bottom);
  Begin(compact ? (closed ? EMR_POLYGON16 : EMR_POLYLINE16) : (closed ? EMR_POLYGON : EMR_POLYLINE));
  Rect(bounds);
  w_.U32(std::uint32_t(points.size()));
  for (const TPoint& p : points) {
    if (compact) {
      w_.I16(p.X);
      w_.I16(p.Y);
    } else {
      Point(p);
    }
  }
  End();
}

void EmfWriter::Fill(const TCanvasState& s, const TRect& r)
{
  if (r.IsEmpty() || BrushStyle(s.Brush) == BS_NULL)
    return;
  UseNullPen();
  UseBrush(s.Brush);
  UseRop2(R2_COPYPEN);
  UseBackground(s);
  Begin(EMR_RECTANGLE);
  Rect({r.Left, r.Top, r.Right + 1, r.Bottom + 1});  // a null pen leaves out one more row and column
  End();
}

void EmfWriter::Text(const TCanvasRecord& r)
{
  const TCanvasState& s = r.State;
  UseFont(s.Font);
  UseTextColor(s.Font.Color);
  UseTextAlign(s.TextAlign);
  UseBackground(s);
  const std::vector<int> advances = CharAdvances(s.Font, r.Text);
  const bool boxed = r.Points.size() >= 3;
  const TRect box = boxed ? r.RectAt(1) : TRect{};
  Begin(EMR_EXTTEXTOUTW);
  Rect({0, 0, -1, -1});
  w_.U32(1);  // GM_COMPATIBLE
  w_.F32(0);
  w_.F32(0);
  Point(r.Points[0]);
  w_.U32(std::uint32_t(r.Text.size()));
  const std::uint32_t offString = 76;
  const std::uint32_t offDx = offString + std::uint32_t((r.Text.size() * 2 + 3) & ~3);
  w_.U32(offString);
  w_.U32(boxed ? (r.Value & (ETO_CLIPPED | ETO_OPAQUE)) : 0);
  Rect(box);
  w_.U32(offDx);
  for (const QChar c : r.Text)
    w_.U16(c.unicode());
  w_.PadTo4();
  for (const int a : advances)
    w_.I32(a);
  End();
}

void EmfWriter::Image(const TCanvasRecord& r)
{
  const TRect dest = r.RectAt(0);
  const TRect src = r.RectAt(2);
  const QImage part = r.Image.copy(src.Left, src.Top, src.Width(), src.Height());
  if (part.isNull())
    return;
  const QByteArray info = DibInfo(part.width(), part.height());
  const QByteArray bits = DibBits(part);
  Begin(EMR_STRETCHDIBITS);
  Rect(dest);
  w_.I32(dest.Left);
  w_.I32(dest.Top);
  w_.I32(0);
  w_.I32(0);
  w_.I32(part.width());
  w_.I32(part.height());
  w_.U32(80);
  w_.U32(std::uint32_t(info.size()));
  w_.U32(std::uint32_t(80 + info.size()));
  w_.U32(std::uint32_t(bits.size()));
  w_.U32(0);  // DIB_RGB_COLORS
  w_.U32(r.Value);
  w_.I32(dest.Width());
  w_.I32(dest.Height());
  w_.Bytes(info);
  w_.Bytes(bits);
  End();
}

void EmfWriter::Draw(const TCanvasRecord& record)
{
  const TCanvasRecord r = ToDevice(record);
  const TCanvasState& s = r.State;
  const std::vector<TRect> parts = s.Clipped ? s.Clip.Rects() : std::vector<TRect>{};
  if (parts.size() < 2 || parts.size() > kClipPartsRepeated) {
    UseClip(s.Clipped, s.Clip);
    Paint(r);
    return;
  }
  for (const TRect& part : parts) {  // disjoint, so every pixel is drawn once
    UseClip(true, TRegion(part));
    Paint(r);
  }
}

void EmfWriter::Paint(const TCanvasRecord& r)
{
  const TCanvasState& s = r.State;
  const auto shapeTools = [&](bool filled) {
    if (s.Pen.Style == TPenStyle::psClear)
      UseNullPen();
    else
      UsePen(s.Pen);
    UseBrush(filled ? s.Brush : TBrushData{clWhite, TBrushStyle::bsClear, {}});
    UseRop2(Rop2(s.Pen.Mode));
    UseBackground(s);
  };
  switch (r.Op) {
  case TCanvasOp::LineTo:
    shapeTools(false);
    Begin(EMR_MOVETOEX);
    Point(r.Points[0]);
    End();
    Begin(EMR_LINETO);
    Point(r.Points[1]);
    End();
    return;
  case TCanvasOp::Polyline: shapeTools(false); Poly(false, r.Points); return;
  case TCanvasOp::Polygon: shapeTools(true); Poly(true, r.Points); return;
  case TCanvasOp::Rectangle:
  case TCanvasOp::Ellipse:
    shapeTools(true);
    Begin(r.Op == TCanvasOp::Rectangle ? EMR_RECTANGLE : EMR_ELLIPSE);
    Rect(r.RectAt(0));
    End();
    return;
  case TCanvasOp::RoundRect:
    shapeTools(true);
    Begin(EMR_ROUNDRECT);
    Rect(r.RectAt(0));
    Point(r.Points[2]);
    End();
    return;
  case TCanvasOp::Arc:
  case TCanvasOp::Pie:
  case TCanvasOp::Chord:
    shapeTools(r.Op != TCanvasOp::Arc);
    Begin(r.Op == TCanvasOp::Arc ? EMR_ARC : r.Op == TCanvasOp::Pie ? EMR_PIE : EMR_CHORD);
    Rect(r.RectAt(0));
    Point(r.Points[2]);
    Point(r.Points[3]);
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
      return;  // inverting fills are screen effects
    Fill(solid, r.RectAt(0));
    return;
  }
  case TCanvasOp::SetPixel:
    Begin(EMR_SETPIXELV);
    Point(r.Points[0]);
    w_.U32(ColorRef(r.Value));
    End();
    return;
  case TCanvasOp::TextOut: Text(r); return;
  case TCanvasOp::DrawImage:
    UseBrush(s.Brush);  // merge copies take it
    Image(r);
    return;
  default: return;  // focus rectangles are screen effects
  }
}

QByteArray EmfWriter::Write(const std::vector<TCanvasRecord>& records)
{
  // Header; the sizes and counts are patched at the end.
  Begin(EMR_HEADER);
  Rect({0, 0, width_ - 1, height_ - 1});
  Rect({0, 0, width_ * 2540 / 96 - 1, height_ * 2540 / 96 - 1});
  w_.U32(0x464D4520);  // " EMF"
  w_.U32(0x10000);
  w_.U32(0);  // bytes
  w_.U32(0);  // records
  w_.U16(SlotCount);
  w_.U16(0);
  w_.U32(0);
  w_.U32(0);
  w_.U32(0);
  w_.I32(960);  // a 96 dpi reference device
  w_.I32(960);
  w_.I32(254);
  w_.I32(254);
  w_.U32(0);
  w_.U32(0);
  w_.U32(0);
  w_.I32(254000);
  w_.I32(254000);
  End();
  Simple(EMR_SETMAPMODE, MM_TEXT);
  Simple(EMR_SETPOLYFILLMODE, ALTERNATE);
  Simple(EMR_SETSTRETCHBLTMODE, COLORONCOLOR);
  Simple(EMR_SETTEXTALIGN, 0);

  for (const TCanvasRecord& r : JoinedLines(records))
    Draw(r);

  Begin(EMR_EOF);
  w_.U32(0);
  w_.U32(16);
  w_.U32(20);
  End();
  w_.PatchU32(48, std::uint32_t(w_.Size()));
  w_.PatchU32(52, recordCount_);
  return w_.Data();
}

}  // namespace

QByteArray WriteEmf(const std::vector<TCanvasRecord>& records, int width, int height)
{
  return EmfWriter(width, height).Write(records);
}

}  // namespace platform
