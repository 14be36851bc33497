#pragma once
// "Symbol Style": chooses a marker style from pictures, its size and its pen and fill colours,
// either for four values given (Execute, written back on OK) or straight on a series and the
// other series selected with it (EditSeries, every change at once).

#include "plot/support/GraphValidates.h"

#include "platform/Color.h"
#include "platform/CommonDialogs.h"
#include "platform/Form.h"

#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace plotui {

class TSeries;

class TfmMarkerStyle : public platform::Form {
public:
  explicit TfmMarkerStyle(QWidget* parent = nullptr);
  ~TfmMarkerStyle() override;

  // Runs on the four values; true and the values written back on OK, else nothing changes.
  bool Execute(int& style, int& size, platform::TColor& fillColor, platform::TColor& penColor);
  // Runs on the series, opening on its marker; seriesList: the series selected with it, which
  // follow its style and size.
  bool EditSeries(TSeries& series, std::vector<TSeries*> seriesList);

  // The entry of a marker style: the style, or half of it beyond the last entry.
  static int EntryOfStyle(int style);

  bool Filling = false;
  TSeries* Series = nullptr;
  std::vector<TSeries*> SeriesList;
  platform::TColor PenColor = platform::clBlack;
  platform::TColor FillColor = platform::clBlack;
  int Size = 1;
  int Style = 0;

  QListWidget* Markers;
  QLabel* Image1;  // the preview
  QLineEdit* edSize;
  QPushButton* btPenColor;
  QPushButton* btFillColor;
  QPushButton* btClose;
  QPushButton* btCancel;
  platform::TColorDialog ColorDialog1;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void MarkersClick();
  void edSizeChange();
  void btPenColorClick();
  void btFillColorClick();
  void ShowPreview(int style);
  void RepaintSeries();
  // The series selected with Series.
  std::vector<TSeries*> Others() const;

  std::unique_ptr<plot::TIntValidate> sizeValidate_;
};

}  // namespace plotui
