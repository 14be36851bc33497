#pragma once
// Pictures: the graphic base of bitmaps and metafiles, and a picture holder that loads files.

#include "platform/CanvasTypes.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

namespace platform {

class TCanvas;
class TBitmap;
class TMetafile;

// A picture file that can't be read or written; the message names the file.
class EInvalidGraphic : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Replaces a picture file as a whole; on failure the old file stays and EInvalidGraphic says
// "Can't create file " and the path.
void SavePictureBytes(const QString& path, const QByteArray& bytes);

class TGraphic {
public:
  virtual ~TGraphic() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  // Draws the picture stretched onto dest.
  virtual void DrawOn(TCanvas& canvas, const TRect& dest) const = 0;
  virtual void LoadFromFile(const QString& path) = 0;      // throws EInvalidGraphic
  virtual void SaveToFile(const QString& path) const = 0;  // throws EInvalidGraphic
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
};

// Holds one graphic: a bitmap, a metafile, or nothing.
class TPicture {
public:
  TPicture();
  ~TPicture();

  const TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(const TGraphic* graphic);  // copies; nullptr empties
  TBitmap& Bitmap();                         // the held bitmap, made when it holds none
  bool Empty() const { return !graphic_ || graphic_->Empty(); }
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }
  // Bitmaps (BMP, PNG); on failure the old picture stays and EInvalidGraphic is thrown.
  void LoadFromFile(const QString& path);
  void SaveToFile(const QString& path) const;
  void Assign(const TPicture& other);

  std::function<void()> OnChange;

private:
  void Changed();
  std::unique_ptr<TGraphic> graphic_;
};

}  // namespace platform
