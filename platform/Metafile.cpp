#include "platform/Metafile.h"

#include "platform/Canvas.h"

#include <algorithm>

namespace platform {

void TMetafile::SetSize(int width, int height)
{
  width_ = std::max(0, width);
  height_ = std::max(0, height);
}

void TMetafile::DrawOn(TCanvas& canvas, const TRect& dest) const
{
  canvas.Play(records_, {0, 0, std::max(1, width_), std::max(1, height_)}, dest);
}

void TMetafile::LoadFromFile(const QString& path)
{
  throw EInvalidGraphic("Can't read file " + path.toStdString());
}

void TMetafile::SaveToFile(const QString& path) const
{
  bool enhanced = enhanced_;
  if (path.endsWith(QStringLiteral(".wmf"), Qt::CaseInsensitive))
    enhanced = false;
  else if (path.endsWith(QStringLiteral(".emf"), Qt::CaseInsensitive))
    enhanced = true;
  SavePictureBytes(path, enhanced ? ToEmf() : ToWmf());
}

QByteArray TMetafile::ToEmf() const
{
  return WriteEmf(records_, std::max(1, width_), std::max(1, height_));
}

QByteArray TMetafile::ToWmf() const
{
  return WriteWmf(records_, std::max(1, width_), std::max(1, height_));
}

TMetafileCanvas::TMetafileCanvas(TMetafile& metafile) : metafile_(&metafile)
{
  SetDeviceBounds({0, 0, metafile.Width(), metafile.Height()});
}

TMetafileCanvas::~TMetafileCanvas()
{
  Close();
}

void TMetafileCanvas::Close()
{
  if (!metafile_)
    return;
  std::vector<TCanvasRecord> all = metafile_->Records();
  for (TCanvasRecord& r : TakeRecords())
    all.push_back(std::move(r));
  metafile_->SetRecords(std::move(all));
  metafile_ = nullptr;
}

}  // namespace platform
