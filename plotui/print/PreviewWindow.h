#pragma once
// The "Print Preview" window: the page the print dialog would print, scaled to the window, with four
// margin lines to drag (one, a corner's two, or the whole printable area); printing from here prints
// with the margins shown.

#include "plotui/print/MarginDrag.h"
#include "plotui/print/PageLayout.h"

#include "platform/Form.h"

class QPushButton;
class QWidget;

namespace plot {
class TGraph;
class TGraphImage;
}

namespace plotui {

class TPrintDlg;
class TPreviewImage;

class TPreView : public platform::Form {
public:
  TPreView(TPrintDlg& dialog, QWidget* owner = nullptr);
  ~TPreView() override;

  // Shows the page of the graph; true when it was printed from here.
  bool Execute(plot::TGraph& graph);
  void LayoutPage();
  void DrawPage();
  void TakeMargins(int x, int y);

  double Scale() const { return scale_; }       // picture pixels per printer dot
  double PixelsPerMm() const;                    // picture pixels per millimetre
  const platform::TRect& PageArea() const { return pageArea_; }
  const TMarginDrag& Lines() const { return lines_; }

  QPushButton* btnMargins;
  QPushButton* btnPrint;
  QPushButton* btnClose;
  QPushButton* btnHelp;
  QWidget* pnClient;
  TPreviewImage* Image1;

  void btnMarginsClick();
  void btnPrintClick();

  void BeginScripted() override;

protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void FormActivate();
  void Image1MouseDown(int x, int y);
  void Image1MouseMove(int x, int y);
  void Image1MouseUp(int x, int y);
  void DrawLine(TMarginLine line);
  void DrawDraggingLines();

  TPrintDlg& dialog_;
  plot::TGraph* graph_ = nullptr;
  double scale_ = 1;
  platform::TRect pageArea_;
  TMarginDrag lines_;
};

}  // namespace plotui
