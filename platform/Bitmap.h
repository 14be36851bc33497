#pragma once
// A bitmap in memory (32-bit RGB) with its own canvas; loads and saves BMP and PNG files.

#include "platform/CanvasImage.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QImage>
#include <memory>

namespace platform {

class TBitmap : public TGraphic {
public:
  TBitmap();
  TBitmap(int width, int height);  // filled white
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  ~TBitmap() override;

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  bool Empty() const override { return image_.isNull(); }
  // New areas are white; the picture keeps its top-left part.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }

  TCanvas& Canvas() { return *canvas_; }
  const QImage& Image() const { return image_; }
  void SetImage(const QImage& image);  // converted to 32-bit RGB (alpha kept when present)

  // Drawn without the pixels of the transparent colour (clDefault: the bottom-left pixel's).
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on) { transparent_ = on; }
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color) { transparentColor_ = color; }
  // Black and white: every pixel becomes black or white by its brightness.
  bool Monochrome() const { return monochrome_; }
  void SetMonochrome(bool on);

  void DrawOn(TCanvas& canvas, const TRect& dest) const override;
  // BMP or PNG, found from the content; throws EInvalidGraphic and keeps the old picture.
  void LoadFromFile(const QString& path) override;
  void LoadFromBytes(const QByteArray& bytes);
  // PNG when the name ends in .png, else BMP; throws EInvalidGraphic.
  void SaveToFile(const QString& path) const override;
  QByteArray SaveToBytes(const char* format = "BMP") const;
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TBitmap>(*this); }

private:
  QImage image_;
  std::unique_ptr<TImageCanvas> canvas_;
  bool transparent_ = false;
  TColor transparentColor_ = clDefault;
  bool monochrome_ = false;
};

// Copies the source part of a bitmap onto dest with the pixels of `color` shown in the canvas's
// brush colour.
void BrushCopy(TCanvas& canvas, const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor color);

}  // namespace platform
