#pragma once
// What the EMF and WMF writers share: the system's codes for pens, brushes, raster operations and
// fonts, a little-endian byte writer, and recorded calls brought to device coordinates.

#include "platform/CanvasRecord.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace platform::gdi {

inline constexpr std::uint32_t PS_NULL = 5;
inline constexpr std::uint32_t BS_SOLID = 0;
inline constexpr std::uint32_t BS_NULL = 1;
inline constexpr std::uint32_t BS_HATCHED = 2;
inline constexpr std::uint32_t BS_DIBPATTERN = 5;
inline constexpr std::uint32_t R2_COPYPEN = 13;
inline constexpr std::uint32_t TRANSPARENT = 1;
inline constexpr std::uint32_t OPAQUE = 2;
inline constexpr std::uint32_t ALTERNATE = 1;

std::uint32_t PenStyle(const TPenData& pen);
std::uint32_t Rop2(TPenMode mode);
std::uint32_t BrushStyle(const TBrushData& brush);
std::uint32_t Hatch(const TBrushData& brush);
std::uint32_t ColorRef(TColor color);
std::uint32_t FontWeight(const TFontData& font);
std::uint8_t PitchAndFamily(const TFontData& font);
// Bytes of a 24-bit bottom-up device-independent bitmap: the info header, then the rows.
QByteArray DibInfo(int width, int height);
QByteArray DibBits(const QImage& image);

class ByteWriter {
public:
  void U8(std::uint8_t v) { bytes_.append(char(v)); }
  void U16(std::uint16_t v);
  void U32(std::uint32_t v);
  void I16(int v);  // clamped to the 16-bit range
  void I32(int v) { U32(std::uint32_t(v)); }
  void F32(float v);
  void Bytes(const QByteArray& b) { bytes_.append(b); }
  void PadTo4();
  void PadTo2();
  void PatchU32(qsizetype at, std::uint32_t v);
  qsizetype Size() const { return bytes_.size(); }
  const QByteArray& Data() const { return bytes_; }

private:
  QByteArray bytes_;
};

// A drawing call with its points, corner sizes and font height in device units, and a figure of a wide
// inside-frame pen shrunk to keep the pen inside (with a plain solid pen).
TCanvasRecord ToDevice(const TCanvasRecord& record);
// Only the units.
TCanvasRecord ScaledToDevice(const TCanvasRecord& record);
// The drawing calls with every run of lines drawn one after another (each from where the last one
// ended, with the same pen, background, clip and mapping) joined into one polyline: a curve drawn in
// pieces is one record with real joins, rather than a move and a line per piece that readers stroke
// one by one, each with its own ends.
std::vector<TCanvasRecord> JoinedLines(const std::vector<TCanvasRecord>& records);
// Per-character advances of a text in a font, in device pixels.
std::vector<int> CharAdvances(const TFontData& font, const QString& text);

}  // namespace platform::gdi
