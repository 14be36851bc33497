#pragma once
// Drawing entities (lines, circles, filled quadrilaterals) as text: DXF group pairs or two simpler
// line formats. While the one writer of the plotting library is active, the graph's world drawing
// goes here instead of onto the canvas. The entity lines collect in memory; SaveToFile writes them
// out as a whole.

#include "plot/support/FloatGeometry.h"

#include "platform/Color.h"

#include <QByteArray>
#include <QString>

namespace plot {

// Entity formats of TDXF::OutputMode.
inline constexpr int kDxfPlainLines = 0;     // "LINE,1", then x1,y1,x2,y2
inline constexpr int kDxfGroups2D = 1;       // DXF group pairs
inline constexpr int kDxfGroups = 2;         // DXF group pairs with the Z groups of lines and circles
inline constexpr int kDxfPointLines = 3;     // "10", x1,y1 and x2,y2, "END"

class TDXF {
public:
  void WriteLine(const QString& layer, platform::TColor color, double x1, double y1, double x2, double y2);
  // The four sides: top, right, bottom, left.
  void WriteRectangle(const TFloatRect& rect, const QString& layer, platform::TColor color);
  // Group modes only.
  void WriteCircle(const QString& layer, platform::TColor color, double cx, double cy, double r);
  void WriteSolid(const TFloatRect& rect, const QString& layer, platform::TColor color);

  // The entity lines written so far, each ending in a line break.
  const QByteArray& Output() const { return output_; }
  void ClearOutput() { output_.clear(); }
  // Writes the entities to path (atomically; EFileError "Can't create file " on failure). In the
  // group modes they stand in an ENTITIES section followed by the end of file, as a drawing
  // program reads them; the plain modes are written bare.
  void SaveToFile(const QString& path) const;

  bool Active = false;
  int OutputMode = kDxfGroups;

private:
  void Put(const QByteArray& line);
  void PutLayerAndColor(const char* layerCode, const QString& layer, platform::TColor color);
  bool GroupMode() const { return OutputMode == kDxfGroups2D || OutputMode == kDxfGroups; }

  QByteArray output_;
};

// The DXF colour number of the sixteen standard colours; 8 for any other value.
int ColorToDXFIndex(platform::TColor color);

// A layer name as DXF takes it: at most 255 characters, ASCII letters upper-cased, blanks and "/"
// as "_".
QString DXFLayerName(const QString& layer);

// Number texts: fixed point with four decimals ("1.0000"), and the 23-character real form
// (" 1.50000000000000E+0000").
QByteArray DXFFixed4(double value);
QByteArray DXFReal(double value);

// The writer the graph's drawing asks (user-interface thread only).
TDXF& DXFWriter();

// Makes the writer active with empty output for its lifetime, then inactive again.
class TDXFRecording {
public:
  explicit TDXFRecording(TDXF& writer) : writer_(writer)
  {
    writer_.ClearOutput();
    writer_.Active = true;
  }
  ~TDXFRecording() { writer_.Active = false; }
  TDXFRecording(const TDXFRecording&) = delete;
  TDXFRecording& operator=(const TDXFRecording&) = delete;

private:
  TDXF& writer_;
};

}  // namespace plot
