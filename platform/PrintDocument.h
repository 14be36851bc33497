#pragma once
// A printed document recorded page by page: each page a metafile in the printer's dots, drawn through
// a canvas with the printer's resolution. A printer that records into a document (SetRecordTo) runs
// the same printing code as on paper; the print preview shows the pages and prints them unchanged.

#include "platform/Metafile.h"

#include <memory>
#include <vector>

namespace platform {

class TPrinter;

class TPrintDocument {
public:
  TPrintDocument();
  ~TPrintDocument();
  TPrintDocument(const TPrintDocument&) = delete;
  TPrintDocument& operator=(const TPrintDocument&) = delete;

  // Recording: Begin drops the pages held; every page is as large as the first.
  void Begin(int pageWidth, int pageHeight, int resolution);
  void NewPage();
  void End();
  void Abort();  // drops every page
  bool Recording() const { return recording_; }
  TCanvas& Canvas();  // the page being recorded

  int PageCount() const { return int(pages_.size()); }
  const TMetafile& Page(int index) const { return pages_.at(std::size_t(index)); }
  int PageWidth() const { return pageWidth_; }
  int PageHeight() const { return pageHeight_; }
  int Resolution() const { return resolution_; }

  // One job on the printer, each page played over its whole sheet. Throws EPrinter while the
  // printer records into this document.
  void Print(TPrinter& printer) const;

private:
  class TPageCanvas;
  void TakePage();
  std::unique_ptr<TPageCanvas> canvas_;
  std::vector<TMetafile> pages_;
  int pageWidth_ = 0;
  int pageHeight_ = 0;
  int resolution_ = 96;
  bool recording_ = false;
};

// Records the printer's jobs into a document while it lives.
class TRecordPrinting {
public:
  TRecordPrinting(TPrinter& printer, TPrintDocument& document);
  ~TRecordPrinting();
  TRecordPrinting(const TRecordPrinting&) = delete;
  TRecordPrinting& operator=(const TRecordPrinting&) = delete;

private:
  TPrinter& printer_;
};

}  // namespace platform
