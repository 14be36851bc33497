#pragma once
// The "Color Map" page of the properties dialog: the palette, quality, cut-off limits and
// transparency of the graph's first colour-shaded layer, with a preview of the palette.

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class RadioGroup;
}

namespace plot {
class TContour;
}

namespace plotui {

class TfmGraphProperties;

class TColorMapPage : public QWidget {
public:
  TColorMapPage(TfmGraphProperties& dialog, QWidget* parent);

  // Finds the layer and shows it; false when the graph has none.
  bool Fill();
  void DrawPalette();

  plot::TContour* ContourLayer = nullptr;

  platform::RadioGroup* rgPalette;
  platform::RadioGroup* rgQuality;
  QCheckBox* ckLoColor;
  QCheckBox* ckHiColor;
  QLineEdit* edLoColor;
  QLineEdit* edHiColor;
  QLabel* pnLoColor;
  QLabel* pnHiColor;
  QPushButton* Button2;  // "Apply"
  QCheckBox* cbTransparent;
  QLabel* Image1;        // the palette preview

private:
  void Connect();
  void RepaintBusy();
  void Button2Click();

  TfmGraphProperties& d_;
};

}  // namespace plotui
