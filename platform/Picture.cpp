#include "platform/Picture.h"

#include "platform/AtomicFile.h"
#include "platform/Bitmap.h"
#include "platform/Exceptions.h"

namespace platform {

void SavePictureBytes(const QString& path, const QByteArray& bytes)
{
  try {
    WriteFileAtomic(path, bytes);
  } catch (const EFileError& error) {
    throw EInvalidGraphic(error.Message().toStdString());
  }
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(const TGraphic* graphic)
{
  graphic_ = graphic ? graphic->Clone() : nullptr;
  Changed();
}

TBitmap& TPicture::Bitmap()
{
  auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
  if (!bitmap) {
    graphic_ = std::make_unique<TBitmap>();
    bitmap = static_cast<TBitmap*>(graphic_.get());
    Changed();
  }
  return *bitmap;
}

void TPicture::LoadFromFile(const QString& path)
{
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromFile(path);
  graphic_ = std::move(bitmap);
  Changed();
}

void TPicture::SaveToFile(const QString& path) const
{
  if (!graphic_)
    throw EInvalidGraphic("Can't create file " + path.toStdString());
  graphic_->SaveToFile(path);
}

void TPicture::Assign(const TPicture& other)
{
  SetGraphic(other.graphic_.get());
}

void TPicture::Changed()
{
  if (OnChange)
    OnChange();
}

}  // namespace platform
