// The chart as pictures: metafiles, bitmaps, their files and the clipboard.

#include "chart/panel/CustomTeePanel.h"

#include "platform/Bitmap.h"
#include "platform/ClipboardPicture.h"
#include "platform/Exceptions.h"
#include "platform/Metafile.h"

namespace chart {

namespace {

// Restores the canvas's buffering when it goes.
class TBufferingOff {
public:
  explicit TBufferingOff(TTeeCanvas3D& canvas) : canvas_(canvas), was_(canvas.IsBuffered())
  {
    canvas_.SetBuffered(false);
  }
  ~TBufferingOff() { canvas_.SetBuffered(was_); }
  TBufferingOff(const TBufferingOff&) = delete;
  TBufferingOff& operator=(const TBufferingOff&) = delete;

private:
  TTeeCanvas3D& canvas_;
  bool was_;
};

[[noreturn]] void ClipboardRefused()
{
  throw platform::Exception(QStringLiteral("Can't copy the picture to the clipboard"));
}

}  // namespace

void TCustomTeePanel::DrawToMetaCanvas(platform::TCanvas& canvas, const TRect& r)
{
  struct TMetafilingOff {
    TTeeCanvas3D& canvas;
    ~TMetafilingOff() { canvas.SetMetafiling(false); }
  } metafiling{*canvas_};
  canvas_->SetMetafiling(true);
  TBufferingOff unbuffered(*canvas_);
  Draw(canvas, r);
}

std::unique_ptr<platform::TMetafile> TCustomTeePanel::CreateMetafile(bool enhanced, const TRect& r)
{
  auto metafile = std::make_unique<platform::TMetafile>();
  metafile->SetEnhanced(enhanced);
  metafile->SetSize(std::max(1, r.Width() - 1), std::max(1, r.Height() - 1));
  platform::TMetafileCanvas canvas(*metafile);
  DrawToMetaCanvas(canvas, r);
  canvas.Close();
  return metafile;
}

void TCustomTeePanel::SaveToMetafileRect(bool enhanced, const QString& fileName, const TRect& r)
{
  const std::unique_ptr<platform::TMetafile> metafile = CreateMetafile(enhanced, r);
  // The flag chooses the format whatever the file's ending.
  platform::SavePictureBytes(fileName, enhanced ? metafile->ToEmf() : metafile->ToWmf());
}

void TCustomTeePanel::SaveToMetafile(const QString& fileName) { SaveToMetafileRect(false, fileName, GetRectangle()); }

void TCustomTeePanel::SaveToMetafileEnh(const QString& fileName)
{
  SaveToMetafileRect(true, fileName, GetRectangle());
}

std::unique_ptr<platform::TBitmap> TCustomTeePanel::CreateBitmap(TColor backColor, const TRect& r)
{
  auto bitmap = std::make_unique<platform::TBitmap>(std::max(0, r.Width()), std::max(0, r.Height()));
  if (backColor != platform::clWhite) {  // a new bitmap is white already
    bitmap->Canvas().Brush().SetColor(backColor);
    bitmap->Canvas().Brush().SetStyle(platform::TBrushStyle::bsSolid);
    bitmap->Canvas().FillRect(r);
  }
  TBufferingOff unbuffered(*canvas_);
  Draw(bitmap->Canvas(), r);
  return bitmap;
}

void TCustomTeePanel::SaveToBitmapFile(const QString& fileName)
{
  CreateBitmap(platform::clWhite, GetRectangle())->SaveToFile(fileName);
}

// The clipboard tells nothing of a failure; reading it back shows whether it holds this picture and
// not an earlier one.
void TCustomTeePanel::CopyToClipboardBitmap()
{
  const std::unique_ptr<platform::TBitmap> bitmap = CreateBitmap(platform::clWhite, GetRectangle());
  platform::CopyBitmapToClipboard(*bitmap);
  platform::TBitmap copied;
  if (bitmap->Empty() || !platform::PasteBitmapFromClipboard(copied) || copied.Width() != bitmap->Width() ||
      copied.Height() != bitmap->Height())
    ClipboardRefused();
}

void TCustomTeePanel::CopyToClipboardMetafile(bool enhanced)
{
  const std::unique_ptr<platform::TMetafile> metafile = CreateMetafile(enhanced, GetRectangle());
  platform::CopyMetafileToClipboard(*metafile);
  if (platform::ClipboardEmfBytes() != metafile->ToEmf())
    ClipboardRefused();
}

}  // namespace chart
