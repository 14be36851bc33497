#pragma once
// The page of the chart's print preview: the paper at the printer's proportions, the chart on it as
// it will print (laid out as on paper, at the print resolution), dotted margin lines, and dragging of
// the chart's edges, corners or whole rectangle to set the print margins. The chart's picture is kept
// until the chart, the printer or the resolution changes; margin lines move over the finished page
// without drawing the chart.

#include "chart/output/PreviewGeometry.h"
#include "chart/panel/CustomTeePanel.h"
#include "platform/Color.h"
#include "platform/CustomControl.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

namespace platform {
class TCanvas;
class TGraphic;
}  // namespace platform

namespace chart {


class TTeePreviewPage : public platform::CustomControl {
public:
  explicit TTeePreviewPage(QWidget* parent = nullptr);
  ~TTeePreviewPage() override;

  bool AllowMove() const { return allowMove_; }
  void SetAllowMove(bool on) { allowMove_ = on; }
  bool AllowResize() const { return allowResize_; }
  void SetAllowResize(bool on) { allowResize_ = on; }
  // The picture (and a print from the page) as a bitmap; else a metafile.
  bool AsBitmap() const { return asBitmap_; }
  void SetAsBitmap(bool on);
  // Repaint the whole page while dragging instead of moving the margin lines.
  bool DragImage() const { return dragImage_; }
  void SetDragImage(bool on) { dragImage_ = on; }
  TCustomTeePanel* Image() const { return image_; }
  void SetImage(TCustomTeePanel* panel);
  platform::TColor PaperColor() const { return paperColor_; }
  void SetPaperColor(platform::TColor color);
  bool ShowImage() const { return showImage_; }
  void SetShowImage(bool on);
  bool ShowMargins() const { return showMargins_; }
  void SetShowMargins(bool on);
  // While the margins are dragged: the page, whether proportional printing ends, the new margins.
  std::function<void(TTeePreviewPage&, bool disableProportional, const TRect& margins)> OnChangeMargins;

  // The page is drawn again at the next paint.
  void InvalidatePage();
  // The dotted margin lines over the finished page; drawn twice they are gone.
  void DrawMarginLines();
  // Prints the chart: the page's bitmap on the panel's print rectangle, or the panel's own print.
  void Print();

  // Of the last picture of the page, in client coordinates.
  const TRect& PaperRect() const { return paperRect_; }
  const TRect& ChartRect() const { return chartRect_; }
  TPreviewDragMode DragMode() const { return drag_.Mode; }

protected:
  const QImage* FinishedPicture() override;
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseMove(platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void Resized() override;

private:
  // What the chart's picture was made from; another state makes it again.
  struct TPictureKey {
    unsigned Revision = 0;
    int Width = 0;
    int Height = 0;
    int Resolution = 0;
    bool AsBitmap = false;
    platform::TColor Paper = 0;
    QString Printer;
    int PageWidth = 0;
    int PageHeight = 0;
    friend bool operator==(const TPictureKey&, const TPictureKey&) = default;
  };
  TPictureKey CurrentKey() const;
  const platform::TGraphic* PagePicture();
  std::unique_ptr<platform::TGraphic> MakePicture(bool asBitmap);
  void Compose();
  void DrawChart(platform::TCanvas& canvas);
  void DrawLines(platform::TCanvas& canvas) const;
  bool InsidePaper(int x, int y) const;

  bool allowMove_ = true;
  bool allowResize_ = true;
  bool asBitmap_ = false;
  bool dragImage_ = false;
  QPointer<TCustomTeePanel> image_;
  platform::TColor paperColor_ = platform::clWhite;
  bool showImage_ = true;
  bool showMargins_ = true;

  QImage page_;  // the finished page as it reaches the screen
  bool stale_ = true;
  std::unique_ptr<platform::TGraphic> picture_;
  TPictureKey pictureKey_;
  TRect paperRect_;
  TRect chartRect_;
  TPreviewDrag drag_;
};

}  // namespace chart
