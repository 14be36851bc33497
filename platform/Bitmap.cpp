#include "platform/Bitmap.h"

#include "platform/Exceptions.h"

#include <QBuffer>
#include <QFile>
#include <algorithm>

namespace platform {

namespace {

QImage Normalized(const QImage& image)
{
  if (image.isNull())
    return image;
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

}  // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TImageCanvas>(image_)) {}

TBitmap::TBitmap(int width, int height) : TBitmap()
{
  SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other) : TBitmap()
{
  *this = other;
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
  if (this == &other)
    return *this;
  canvas_->ReleasePainter();
  image_ = other.image_.copy();
  transparent_ = other.transparent_;
  transparentColor_ = other.transparentColor_;
  monochrome_ = other.monochrome_;
  return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height)
{
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == Width() && height == Height())
    return;
  canvas_->ReleasePainter();
  if (width == 0 || height == 0) {
    image_ = QImage();
    return;
  }
  QImage next(width, height, QImage::Format_RGB32);
  next.fill(Qt::white);
  if (!image_.isNull()) {
    const int w = std::min(width, Width());
    const int h = std::min(height, Height());
    const QImage old = image_.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
      std::copy_n(reinterpret_cast<const QRgb*>(old.constScanLine(y)), w, reinterpret_cast<QRgb*>(next.scanLine(y)));
  }
  image_ = next;
}

void TBitmap::SetImage(const QImage& image)
{
  canvas_->ReleasePainter();
  image_ = Normalized(image);
  if (monochrome_) {
    monochrome_ = false;
    SetMonochrome(true);
  }
}

TColor TBitmap::TransparentColor() const
{
  if (transparentColor_ != clDefault || image_.isNull())
    return transparentColor_;
  return FromQColor(QColor(image_.pixel(0, Height() - 1)));
}

void TBitmap::SetMonochrome(bool on)
{
  monochrome_ = on;
  if (!on || image_.isNull())
    return;
  canvas_->ReleasePainter();
  for (int y = 0; y < Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int x = 0; x < Width(); ++x)
      line[x] = qGray(line[x]) >= 128 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
  }
}

void TBitmap::DrawOn(TCanvas& canvas, const TRect& dest) const
{
  if (image_.isNull())
    return;
  const TRect source{0, 0, Width(), Height()};
  if (!transparent_) {
    canvas.DrawImage(dest, image_, source, canvas.CopyMode());
    return;
  }
  QImage keyed = image_.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ColorToQColor(TransparentColor()).rgb() & 0xFFFFFF;
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if ((line[x] & 0xFFFFFF) == key)
        line[x] = 0;
  }
  canvas.DrawImage(dest, keyed, source, cmSrcCopy);
}

void TBitmap::LoadFromFile(const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw EInvalidGraphic("Can't open file " + path.toStdString());
  QImage image;
  if (!image.loadFromData(file.readAll()))
    throw EInvalidGraphic("Can't read file " + path.toStdString());
  SetImage(image);
}

void TBitmap::LoadFromBytes(const QByteArray& bytes)
{
  QImage image;
  if (!image.loadFromData(bytes))
    throw EInvalidGraphic("Can't read the picture");
  SetImage(image);
}

void TBitmap::SaveToFile(const QString& path) const
{
  const char* format = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
  const QByteArray bytes = SaveToBytes(format);
  if (bytes.isEmpty())
    throw EInvalidGraphic(kCantCreateFile + path.toStdString());
  SavePictureBytes(path, bytes);
}

QByteArray TBitmap::SaveToBytes(const char* format) const
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QImage out = std::string_view(format) == "BMP" ? image_.convertToFormat(QImage::Format_RGB888) : image_;
  if (out.isNull() || !out.save(&buffer, format))
    return {};
  return bytes;
}

void BrushCopy(TCanvas& canvas, const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor color)
{
  if (bitmap.Empty())
    return;
  QImage part = bitmap.Image().copy(source.Left, source.Top, source.Width(), source.Height()).convertToFormat(QImage::Format_RGB32);
  const QRgb key = ColorToQColor(color).rgb() & 0xFFFFFF;
  const QRgb brush = ColorToQColor(canvas.Brush().Color()).rgb();
  for (int y = 0; y < part.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
    for (int x = 0; x < part.width(); ++x)
      if ((line[x] & 0xFFFFFF) == key)
        line[x] = brush;
  }
  canvas.DrawImage(dest, part, {0, 0, part.width(), part.height()}, cmSrcCopy);
}

}  // namespace platform
