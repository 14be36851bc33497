#include "platform/PrintDocument.h"

#include "platform/Printer.h"

namespace platform {

// Records with the printer's resolution, so fonts take their printed sizes.
class TPrintDocument::TPageCanvas : public TRecordingCanvas {
public:
  explicit TPageCanvas(int resolution) : resolution_(resolution) { Font().SetPixelsPerInch(resolution); }
  int PixelsPerInch() const override { return resolution_; }
  int BitsPerPixel() const override { return 24; }

private:
  int resolution_;
};

TPrintDocument::TPrintDocument() = default;
TPrintDocument::~TPrintDocument() = default;

void TPrintDocument::Begin(int pageWidth, int pageHeight, int resolution)
{
  pages_.clear();
  pageWidth_ = std::max(1, pageWidth);
  pageHeight_ = std::max(1, pageHeight);
  resolution_ = std::max(1, resolution);
  canvas_ = std::make_unique<TPageCanvas>(resolution_);
  canvas_->SetDeviceBounds({0, 0, pageWidth_, pageHeight_});
  recording_ = true;
}

void TPrintDocument::TakePage()
{
  TMetafile page;
  page.SetSize(pageWidth_, pageHeight_);
  page.SetRecords(canvas_->TakeRecords());
  pages_.push_back(std::move(page));
}

void TPrintDocument::NewPage()
{
  if (!recording_)
    return;
  TakePage();
}

void TPrintDocument::End()
{
  if (!recording_)
    return;
  TakePage();
  recording_ = false;
}

void TPrintDocument::Abort()
{
  pages_.clear();
  if (canvas_)
    canvas_->Clear();
  recording_ = false;
}

TCanvas& TPrintDocument::Canvas()
{
  if (!canvas_)
    canvas_ = std::make_unique<TPageCanvas>(resolution_);
  return *canvas_;
}

void TPrintDocument::Print(TPrinter& printer) const
{
  if (printer.RecordTo() == this)
    throw EPrinter("Printing in progress");
  if (pages_.empty())
    return;
  printer.BeginDoc();
  try {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
      if (i > 0)
        printer.NewPage();
      pages_[i].DrawOn(printer.Canvas(), {0, 0, printer.PageWidth(), printer.PageHeight()});
    }
  } catch (...) {
    printer.Abort();
    throw;
  }
  printer.EndDoc();
}

TRecordPrinting::TRecordPrinting(TPrinter& printer, TPrintDocument& document) : printer_(printer)
{
  printer_.SetRecordTo(&document);
}

TRecordPrinting::~TRecordPrinting()
{
  printer_.SetRecordTo(nullptr);
}

}  // namespace platform
