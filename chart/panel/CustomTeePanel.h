#pragma once
// The windowed control at the root of every chart: owns the chart canvas and the 3-D view, lays out
// the chart rectangle inside the control by percent margins, paints through the canvas's buffer,
// and makes pictures (bitmap, metafiles, files, clipboard) and printed pages of the chart.

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/panel/ZoomPanningRecord.h"
#include "platform/Bitmap.h"
#include "platform/CustomControl.h"
#include "platform/Metafile.h"

#include <QString>
#include <functional>
#include <memory>

namespace chart {

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomTeePanel : public platform::CustomControl {
public:
  explicit TCustomTeePanel(QWidget* parent = nullptr);
  ~TCustomTeePanel() override;

  // 3-D view
  bool View3D() const { return view3D_; }
  void SetView3D(bool value);
  const TView3DOptions& View3DOptions() const { return *view3DOptions_; }
  TView3DOptions& View3DOptions() { return *view3DOptions_; }
  void SetView3DOptions(const TView3DOptions& options) { view3DOptions_->Assign(options); }
  int Chart3DPercent() const { return chart3DPercent_; }
  void SetChart3DPercent(int value);  // 1 to 100, else ChartException and the old value stays

  // Margins in percent of the chart bounds, by index: 0 left, 1 top, 2 right, 3 bottom. No range check.
  int Margin(int index) const { return margins_[index]; }
  void SetMargin(int index, int value);
  int MarginLeft() const { return margins_[0]; }
  int MarginTop() const { return margins_[1]; }
  int MarginRight() const { return margins_[2]; }
  int MarginBottom() const { return margins_[3]; }
  void SetMarginLeft(int value) { SetMargin(0, value); }
  void SetMarginTop(int value) { SetMargin(1, value); }
  void SetMarginRight(int value) { SetMargin(2, value); }
  void SetMarginBottom(int value) { SetMargin(3, value); }

  bool Monochrome() const { return canvas_->IsMonochrome(); }
  void SetMonochrome(bool value);
  bool PrintProportional() const { return printProportional_; }
  void SetPrintProportional(bool value) { printProportional_ = value; }
  // Percent by which a printed chart's layout is made smaller than the client (the print preview's).
  int PrintResolution() const { return printResolution_; }
  void SetPrintResolution(int value) { printResolution_ = value; }
  // Print margins in percent of the page: left, top, right, bottom.
  const TRect& PrintMargins() const { return printMargins_; }
  void SetPrintMargins(const TRect& margins) { printMargins_ = margins; }

  // The control colour: background, border and bevel frame; repaints the chart.
  void SetColor(TColor color);

  // The panel's frame: outer bevel, border in the control colour, inner bevel.
  TPanelBevel BevelInner() const { return bevelInner_; }
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  int BevelWidth() const { return bevelWidth_; }
  int BorderWidth() const { return borderWidth_; }
  void SetBevelInner(TPanelBevel value);
  void SetBevelOuter(TPanelBevel value);
  void SetBevelWidth(int value);
  void SetBorderWidth(int value);

  // Off: no clipping while printing, or while drawing into a metafile.
  bool ClipWhenPrinting = true;
  bool ClipWhenMetafiling = true;
  // On: the background is filled on paper too.
  bool PrintBackground = false;

  // Layout state of the current picture
  TTeeCanvas3D& Canvas() { return *canvas_; }
  const TTeeCanvas3D& Canvas() const { return *canvas_; }
  const TRect& ChartBounds() const { return chartBounds_; }
  TRect ChartRect() const { return chartRect_; }
  void SetChartRect(const TRect& r) { chartRect_ = r; }
  int ChartWidth() const { return chartWidth_; }
  int ChartHeight() const { return chartHeight_; }
  int ChartXCenter() const { return chartXCenter_; }
  int ChartYCenter() const { return chartYCenter_; }
  int Width3D() const { return width3D_; }
  void SetWidth3D(int pixels) { width3D_ = pixels; }
  bool ApplyZOrder() const { return applyZOrder_; }  // every series its own depth slot
  void SetApplyZOrder(bool on) { applyZOrder_ = on; }
  bool IsReady() const { return ready_; }
  bool IsPrinting() const { return printing_; }
  // Set while a page or a preview's picture of the chart is drawn: screen painting waits, thin pens.
  void SetPrinting(bool on) { printing_ = on; }
  // Counts the chart's changes (each Invalidate): a picture kept of the chart is current while it stays.
  unsigned Revision() const { return revision_; }
  TZoomPanningRecord& Zoom() { return *zoom_; }
  TZoomPanningRecord& Panning() { return *panning_; }
  platform::TCursor OriginalCursor() const { return originalCursor_; }

  // Copies canvas buffering, print settings, margins, Monochrome, View3D, view, 3-D percent, colour.
  virtual void Assign(const TCustomTeePanel& source);
  virtual void Loaded();  // saves the current cursor
  // When ready: marks the canvas dirty and repaints at the next chance.
  virtual void Invalidate();
  // Draws the chart into userRect of dest: bounds, chart rectangle, InternalDraw, then the copy.
  void Draw(platform::TCanvas& dest, const TRect& userRect);
  virtual void DrawPanelBevels(const TRect& r);
  void AssignFont(platform::TFont& font);
  // The area pictures and prints are made of: the client rectangle.
  virtual TRect GetRectangle() const;
  void CanvasChanged();  // the change handler of the chart's pens, brushes and fonts

  void RecalcWidthHeight();
  void SetBrushCanvas(TColor color, platform::TBrushStyle style, TColor backColor);
  int MultiLineTextWidth(const QString& text, int& numLines) const;
  void DrawZoomRectangle();
  // Draws on the picture shown (a buffered, current one) and shows the change without drawing the
  // chart again; false when there is no such picture.
  bool DrawOnShownPicture(const std::function<void()>& draw);
  void CheckPenWidth(platform::TPen& pen) const;
  bool CanClip() const;
  bool IsScreenHighColor() const;

  // Pictures; the caller owns what Create* returns. Files are replaced whole: on failure the old file
  // stays and EInvalidGraphic says "Can't create file " and the path.
  std::unique_ptr<platform::TMetafile> CreateMetafile(bool enhanced, const TRect& r);
  void SaveToMetafileRect(bool enhanced, const QString& fileName, const TRect& r);
  void SaveToMetafile(const QString& fileName);
  void SaveToMetafileEnh(const QString& fileName);
  std::unique_ptr<platform::TBitmap> CreateBitmap(TColor backColor, const TRect& r);
  void SaveToBitmapFile(const QString& fileName);
  // Raise platform::Exception when the clipboard does not take the picture.
  void CopyToClipboardBitmap();
  void CopyToClipboardMetafile(bool enhanced);

  // Printing on the program's printer.
  void Print();
  TRect ChartPrintRect();  // in printer pixels; proportional margins first when PrintProportional
  void CalcProportionalMargins();
  void PrintRect(const TRect& r);
  void PrintPartial(const TRect& r);
  void PrintPartialCanvas(platform::TCanvas& canvas, TRect r);

protected:
  // Draws the whole chart into bounds.
  virtual void InternalDraw(const TRect& bounds) = 0;
  void DrawToMetaCanvas(platform::TCanvas& canvas, const TRect& r);

  void Paint(platform::TCanvas& canvas) override;
  const QImage* FinishedPicture() override;
  void MouseLeave() override;
  void Resized() override;

private:
  void PrepareCanvas();

  TRect chartBounds_;
  int chartWidth_ = 0;
  int chartHeight_ = 0;
  int chartXCenter_ = 0;
  int chartYCenter_ = 0;
  bool applyZOrder_ = true;
  // The control's own canvas: measures text between pictures and is the canvas's resting target.
  std::unique_ptr<platform::TBitmap> ownCanvas_;
  int width3D_ = 0;
  platform::TCursor originalCursor_ = platform::crDefault;
  std::unique_ptr<TZoomPanningRecord> panning_;
  bool printing_ = false;
  unsigned revision_ = 0;
  bool printProportional_ = true;
  int printResolution_ = 0;
  bool view3D_ = true;
  std::unique_ptr<TView3DOptions> view3DOptions_;
  std::unique_ptr<TZoomPanningRecord> zoom_;
  bool ready_ = false;
  std::unique_ptr<TTeeCanvas3D> canvas_;
  TRect chartRect_;
  TRect printMargins_{15, 15, 15, 15};
  int chart3DPercent_ = 15;
  int margins_[4] = {3, 4, 3, 4};
  TPanelBevel bevelInner_ = TPanelBevel::bvNone;
  TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
};

}  // namespace chart
