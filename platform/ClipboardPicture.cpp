#include "platform/ClipboardPicture.h"

#include "platform/Bitmap.h"
#include "platform/Metafile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

void CopyBitmapToClipboard(const TBitmap& bitmap)
{
  if (bitmap.Empty())
    return;
  auto data = std::make_unique<QMimeData>();
  data->setImageData(bitmap.Image());
  QGuiApplication::clipboard()->setMimeData(data.release());
}

void CopyMetafileToClipboard(const TMetafile& metafile)
{
  const QByteArray emf = metafile.ToEmf();
  TBitmap picture(std::max(1, metafile.Width()), std::max(1, metafile.Height()));
  picture.Canvas().StretchDraw({0, 0, picture.Width(), picture.Height()}, metafile);
  auto data = std::make_unique<QMimeData>();
  data->setData(kEmfMimeType, emf);
  data->setData(kEmfMimeAlias, emf);
  data->setImageData(picture.Image());
  QGuiApplication::clipboard()->setMimeData(data.release());
}

bool ClipboardHasBitmap()
{
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasImage();
}

bool ClipboardHasMetafile()
{
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && (data->hasFormat(kEmfMimeType) || data->hasFormat(kEmfMimeAlias));
}

bool PasteBitmapFromClipboard(TBitmap& bitmap)
{
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasImage())
    return false;
  const QImage image = qvariant_cast<QImage>(data->imageData());
  if (image.isNull())
    return false;
  bitmap.SetImage(image);
  return true;
}

QByteArray ClipboardEmfBytes()
{
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data)
    return {};
  if (data->hasFormat(kEmfMimeType))
    return data->data(kEmfMimeType);
  return data->data(kEmfMimeAlias);
}

}  // namespace platform
