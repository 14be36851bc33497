#include "platform/MetafileGdi.h"

#include "platform/CanvasRounding.h"
#include "platform/PenRules.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace platform::gdi {

std::uint32_t PenStyle(const TPenData& pen)
{
  if (pen.Mode == TPenMode::pmNop)
    return PS_NULL;
  if (pen.Style == TPenStyle::psAlternate)
    return 2;  // dotted: the plain pen records have no alternate style
  return static_cast<std::uint32_t>(pen.Style);  // declared in the system's order
}

std::uint32_t Rop2(TPenMode mode)
{
  static constexpr std::array<std::uint32_t, 16> kCodes = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
  return kCodes[static_cast<std::size_t>(mode)];
}

std::uint32_t BrushStyle(const TBrushData& brush)
{
  if (!brush.Pattern.isNull())
    return BS_DIBPATTERN;
  if (brush.Style == TBrushStyle::bsSolid)
    return BS_SOLID;
  return brush.Style == TBrushStyle::bsClear ? BS_NULL : BS_HATCHED;
}

std::uint32_t Hatch(const TBrushData& brush)
{
  if (BrushStyle(brush) != BS_HATCHED)
    return 0;
  return static_cast<std::uint32_t>(brush.Style) - static_cast<std::uint32_t>(TBrushStyle::bsHorizontal);
}

std::uint32_t ColorRef(TColor color)
{
  return ColorToRGB(color) & 0xFFFFFF;
}

std::uint32_t FontWeight(const TFontData& font)
{
  return (font.Style & fsBold) ? 700 : 400;
}

std::uint8_t PitchAndFamily(const TFontData& font)
{
  switch (font.Pitch) {
  case TFontPitch::fpFixed: return 1;
  case TFontPitch::fpVariable: return 2;
  default: return 0;
  }
}

QByteArray DibInfo(int width, int height)
{
  ByteWriter w;
  w.U32(40);
  w.I32(width);
  w.I32(height);
  w.U16(1);
  w.U16(24);
  w.U32(0);  // BI_RGB
  w.U32(std::uint32_t(((width * 3 + 3) & ~3) * height));
  w.I32(3780);
  w.I32(3780);
  w.U32(0);
  w.U32(0);
  return w.Data();
}

QByteArray DibBits(const QImage& image)
{
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  ByteWriter w;
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      w.U8(std::uint8_t(qBlue(line[x])));
      w.U8(std::uint8_t(qGreen(line[x])));
      w.U8(std::uint8_t(qRed(line[x])));
    }
    w.PadTo4();
  }
  return w.Data();
}

void ByteWriter::U16(std::uint16_t v)
{
  U8(std::uint8_t(v));
  U8(std::uint8_t(v >> 8));
}

void ByteWriter::U32(std::uint32_t v)
{
  U16(std::uint16_t(v));
  U16(std::uint16_t(v >> 16));
}

void ByteWriter::I16(int v)
{
  U16(std::uint16_t(std::clamp(v, -32768, 32767)));
}

void ByteWriter::F32(float v)
{
  std::uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  U32(bits);
}

void ByteWriter::PadTo4()
{
  while (bytes_.size() % 4)
    U8(0);
}

void ByteWriter::PadTo2()
{
  if (bytes_.size() % 2)
    U8(0);
}

void ByteWriter::PatchU32(qsizetype at, std::uint32_t v)
{
  for (int i = 0; i < 4; ++i)
    bytes_[at + i] = char((v >> (8 * i)) & 0xFF);
}

TCanvasRecord ToDevice(const TCanvasRecord& record)
{
  TCanvasRecord r = ScaledToDevice(record);
  // Readers draw an inside-frame pen centred on the outline: the figure is shrunk here instead.
  if (IsBoxFigure(r.Op) && r.State.Pen.Style == TPenStyle::psInsideFrame) {
    const TRect box = InsideFrameBox(r.RectAt(0), r.State.Pen);
    r.Points[0] = {box.Left, box.Top};
    r.Points[1] = {box.Right, box.Bottom};
    r.State.Pen.Style = TPenStyle::psSolid;
  }
  return r;
}

TCanvasRecord ScaledToDevice(const TCanvasRecord& record)
{
  TCanvasRecord r = record;
  const TCanvasMapping& m = record.State.Mapping;
  if (m.IsIdentity())
    return r;
  const double scale = std::sqrt(std::abs(m.ScaleX * m.ScaleY));
  const bool sizeAt2 = r.Op == TCanvasOp::RoundRect;
  for (std::size_t i = 0; i < r.Points.size(); ++i) {
    if (sizeAt2 && i == 2)
      r.Points[i] = {ToPixel(r.Points[i].X * m.ScaleX), ToPixel(r.Points[i].Y * m.ScaleY)};
    else if (!(r.Op == TCanvasOp::DrawImage && i >= 2))
      r.Points[i] = m.ToDevice(r.Points[i]);
  }
  r.State.Font.Height = ToPixel(r.State.Font.Height * std::abs(m.ScaleY));
  if (r.State.Pen.Width > 0)
    r.State.Pen.Width = std::max(1, ToPixel(r.State.Pen.Width * scale));
  r.State.Mapping = {};
  return r;
}

namespace {

bool DrawnAlike(const TCanvasState& a, const TCanvasState& b)
{
  return a.Pen == b.Pen && a.BkMode == b.BkMode && a.BkColor == b.BkColor && a.Mapping == b.Mapping &&
         a.Clipped == b.Clipped && (!a.Clipped || a.Clip == b.Clip);
}

}  // namespace

std::vector<TCanvasRecord> JoinedLines(const std::vector<TCanvasRecord>& records)
{
  std::vector<TCanvasRecord> joined;
  bool open = false;  // the last record joined is a line that may go on
  for (const TCanvasRecord& r : records) {
    if (!r.IsDrawing())
      continue;
    TCanvasRecord* last = joined.empty() ? nullptr : &joined.back();
    if (open && r.Op == TCanvasOp::LineTo && r.Points[0] == last->Points.back() && DrawnAlike(r.State, last->State)) {
      last->Op = TCanvasOp::Polyline;
      last->Points.push_back(r.Points[1]);
      continue;
    }
    joined.push_back(r);
    open = r.Op == TCanvasOp::LineTo;
  }
  return joined;
}

std::vector<int> CharAdvances(const TFontData& font, const QString& text)
{
  const QFontMetrics m(ToQFont(font));
  const QString shown = IsSymbolFont(font) ? SymbolToUnicode(text) : text;
  std::vector<int> advances;
  int previous = 0;
  for (qsizetype i = 1; i <= shown.size(); ++i) {
    const int upTo = m.horizontalAdvance(shown.left(i));
    advances.push_back(upTo - previous);
    previous = upTo;
  }
  return advances;
}

}  // namespace platform::gdi
