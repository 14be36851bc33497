#include "plot/support/DxfWriter.h"

#include "platform/AtomicFile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace plot {

namespace {

constexpr int kMaxLayerName = 255;

QByteArray CharsText(double value, std::chars_format format, int precision)
{
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
  return QByteArray(buffer.data(), int(result.ptr - buffer.data()));
}

}  // namespace

QByteArray DXFFixed4(double value) { return CharsText(value, std::chars_format::fixed, 4); }

QByteArray DXFReal(double value)
{
  if (!std::isfinite(value))
    return CharsText(value, std::chars_format::general, 0);
  // "d.ddddddddddddddde+xx" from the library, then the sign column and a four-digit exponent.
  const QByteArray text = CharsText(std::fabs(value), std::chars_format::scientific, 14);
  const int e = int(text.indexOf('e'));
  const int exponent = std::atoi(text.constData() + e + 1);
  QByteArray result(1, std::signbit(value) ? '-' : ' ');
  result += text.left(e);
  result += exponent < 0 ? "E-" : "E+";
  result += QByteArray::number(std::abs(exponent)).rightJustified(4, '0');
  return result;
}

int ColorToDXFIndex(platform::TColor color)
{
  using namespace platform;
  switch (color) {
  case 0xFFFFFFFF:
  case clBlack:
    return 0;
  case clMaroon:
  case clRed:
    return 1;
  case clOlive:
  case clYellow:
    return 2;
  case clGreen:
  case clLime:
    return 3;
  case clTeal:
  case clAqua:
    return 4;
  case clNavy:
  case clBlue:
    return 5;
  case clPurple:
  case clFuchsia:
    return 6;
  case clWhite:
    return 7;
  default:
    return 8;
  }
}

QString DXFLayerName(const QString& layer)
{
  QString name = layer.left(kMaxLayerName);
  for (QChar& c : name) {
    if (c == QLatin1Char(' ') || c == QLatin1Char('/'))
      c = QLatin1Char('_');
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
      c = QChar(c.unicode() - 'a' + 'A');
  }
  return name;
}

void TDXF::Put(const QByteArray& line)
{
  output_ += line;
  output_ += '\n';
}

void TDXF::PutLayerAndColor(const char* layerCode, const QString& layer, platform::TColor color)
{
  Put(layerCode);
  Put(DXFLayerName(layer).toLatin1());
  Put(" 62");
  Put("     " + QByteArray::number(ColorToDXFIndex(color)));
}

void TDXF::WriteLine(const QString& layer, platform::TColor color, double x1, double y1, double x2, double y2)
{
  switch (OutputMode) {
  case kDxfPlainLines:
    Put("LINE,1");
    Put(DXFFixed4(x1) + ',' + DXFFixed4(y1) + ',' + DXFFixed4(x2) + ',' + DXFFixed4(y2));
    return;
  case kDxfPointLines:
    Put("10");
    Put(DXFFixed4(x1) + ',' + DXFFixed4(y1));
    Put(DXFFixed4(x2) + ',' + DXFFixed4(y2));
    Put("END");
    return;
  default:
    break;
  }
  Put("0");
  Put("LINE");
  PutLayerAndColor("8", layer, color);
  Put("10");
  Put(DXFFixed4(x1));
  Put("20");
  Put(DXFFixed4(y1));
  if (OutputMode == kDxfGroups) {
    Put("30");
    Put("0.0");
  }
  Put("11");
  Put(DXFFixed4(x2));
  Put("21");
  Put(DXFFixed4(y2));
  if (OutputMode == kDxfGroups) {
    Put("31");
    Put("0.0");
  }
}

void TDXF::WriteRectangle(const TFloatRect& rect, const QString& layer, platform::TColor color)
{
  WriteLine(layer, color, rect.Left, rect.Top, rect.Right, rect.Top);
  WriteLine(layer, color, rect.Right, rect.Top, rect.Right, rect.Bottom);
  WriteLine(layer, color, rect.Right, rect.Bottom, rect.Left, rect.Bottom);
  WriteLine(layer, color, rect.Left, rect.Bottom, rect.Left, rect.Top);
}

void TDXF::WriteCircle(const QString& layer, platform::TColor color, double cx, double cy, double r)
{
  if (!GroupMode())
    return;
  Put("0");
  Put("CIRCLE");
  PutLayerAndColor("8", layer, color);
  Put("10");
  Put(DXFFixed4(cx));
  Put("20");
  Put(DXFFixed4(cy));
  if (OutputMode == kDxfGroups) {
    Put("30");
    Put("0.0");
  }
  Put("40");
  Put(DXFReal(r));
}

void TDXF::WriteSolid(const TFloatRect& rect, const QString& layer, platform::TColor color)
{
  if (!GroupMode())
    return;
  Put("  0");
  Put("SOLID");
  PutLayerAndColor("  8", layer, color);
  const std::array<std::pair<double, double>, 4> corners{{{rect.Left, rect.Bottom},
                                                          {rect.Left, rect.Top},
                                                          {rect.Right, rect.Bottom},
                                                          {rect.Right, rect.Top}}};
  for (int k = 0; k < 4; ++k) {
    Put(" 1" + QByteArray::number(k));
    Put(DXFReal(corners[k].first));
    Put(" 2" + QByteArray::number(k));
    Put(DXFReal(corners[k].second));
  }
}

void TDXF::SaveToFile(const QString& path) const
{
  if (!GroupMode()) {
    platform::WriteFileAtomic(path, output_);
    return;
  }
  platform::WriteFileAtomic(path, "0\nSECTION\n2\nENTITIES\n" + output_ + "0\nENDSEC\n0\nEOF\n");
}

TDXF& DXFWriter()
{
  static TDXF writer;
  return writer;
}

}  // namespace plot
