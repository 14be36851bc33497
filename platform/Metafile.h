#pragma once
// A recorded drawing: played back on any canvas (previews, printing) and saved as an enhanced
// metafile (EMF) or a placeable Windows metafile (WMF) that other programs open.

#include "platform/CanvasRecording.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <vector>

namespace platform {

class TMetafile : public TGraphic {
public:
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Empty() const override { return records_.empty() && width_ == 0 && height_ == 0; }
  void SetSize(int width, int height);  // in pixels at 96 dpi

  // Saved as EMF when set, else as placeable WMF (SaveToFile also goes by a .wmf/.emf ending).
  bool Enhanced() const { return enhanced_; }
  void SetEnhanced(bool on) { enhanced_ = on; }

  const std::vector<TCanvasRecord>& Records() const { return records_; }
  void SetRecords(std::vector<TCanvasRecord> records) { records_ = std::move(records); }
  void Clear() { records_.clear(); }

  void DrawOn(TCanvas& canvas, const TRect& dest) const override;
  void LoadFromFile(const QString& path) override;  // throws: metafiles are written only
  void SaveToFile(const QString& path) const override;
  QByteArray ToEmf() const;
  QByteArray ToWmf() const;
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TMetafile>(*this); }

private:
  std::vector<TCanvasRecord> records_;
  int width_ = 0;
  int height_ = 0;
  bool enhanced_ = true;
};

// Records into a metafile; the calls are stored in it when the canvas goes (or at Close).
// Drawing adds to what the metafile holds.
class TMetafileCanvas : public TRecordingCanvas {
public:
  explicit TMetafileCanvas(TMetafile& metafile);
  ~TMetafileCanvas() override;
  void Close();

private:
  TMetafile* metafile_;
};

// The EMF and placeable WMF bytes of recorded calls over a frame of width x height pixels.
QByteArray WriteEmf(const std::vector<TCanvasRecord>& records, int width, int height);
QByteArray WriteWmf(const std::vector<TCanvasRecord>& records, int width, int height);

}  // namespace platform
