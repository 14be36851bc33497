#pragma once
// The print preview: the pages of a recorded document, one at a time on a grey desk, zoomed to the
// whole page, the page width or a percentage of the printed size, paged with buttons and keys, and
// printed unchanged on the program's printer. A modal window; tests answer it through a ModalScript.

#include "platform/Form.h"

#include <QPointer>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace platform {

class TPrintDocument;
class TPreviewPage;

enum class TPreviewZoom { WholePage, PageWidth, Percent };

class TPrintPreview : public Form {
public:
  explicit TPrintPreview(const TPrintDocument& document, QWidget* parent = nullptr);
  ~TPrintPreview() override;

  // Shows the preview modally; true when the document was printed from it.
  bool Execute();

  // Paging (indexes from 0; kept within the document)
  int PageIndex() const { return page_; }
  void SetPageIndex(int index);
  void FirstPage() { SetPageIndex(0); }
  void PriorPage() { SetPageIndex(page_ - 1); }
  void NextPage() { SetPageIndex(page_ + 1); }
  void LastPage();
  QString PageText() const;  // "Page 2 of 3"

  // Zoom
  TPreviewZoom Zoom() const { return zoom_; }
  int ZoomPercent() const { return percent_; }  // of the printed size on a 96 dpi screen
  void SetZoom(TPreviewZoom zoom, int percent = 100);
  double Scale() const;  // screen pixels per printer dot

  // Prints every page on the program's printer and closes with OK.
  void Print();

  // The page view as shown (tests and screenshots).
  QWidget& PageView();

protected:
  void FormKeyDown(int& key, TShiftState shift) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void Update();
  const TPrintDocument& document_;
  int page_ = 0;
  TPreviewZoom zoom_ = TPreviewZoom::WholePage;
  int percent_ = 100;
  QPointer<QScrollArea> scroll_;
  QPointer<TPreviewPage> view_;
  QPointer<QLabel> pageLabel_;
  QPointer<QComboBox> zoomBox_;
  QPointer<QPushButton> first_, prior_, next_, last_;
};

}  // namespace platform
