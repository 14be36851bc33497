#pragma once
// Pictures on the clipboard: a bitmap as an image; a metafile as EMF bytes together with a
// bitmap of it for programs that take only images.

#include <QByteArray>
#include <QString>

namespace platform {

class TBitmap;
class TMetafile;

inline const QString kEmfMimeType = QStringLiteral("image/emf");
inline const QString kEmfMimeAlias = QStringLiteral("image/x-emf");

void CopyBitmapToClipboard(const TBitmap& bitmap);
void CopyMetafileToClipboard(const TMetafile& metafile);

bool ClipboardHasBitmap();
bool ClipboardHasMetafile();
// The clipboard's image into bitmap; false (bitmap unchanged) when it holds none.
bool PasteBitmapFromClipboard(TBitmap& bitmap);
// The clipboard's EMF bytes, empty when it holds none.
QByteArray ClipboardEmfBytes();

}  // namespace platform
