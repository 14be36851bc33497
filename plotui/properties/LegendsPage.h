#pragma once
// The "Legends" page of the properties dialog: the series legend or the first colour legend, its
// visibility, background, position, colours, font, frame and shadow.

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace platform {
class RadioGroup;
}

namespace plotui {

class TfmGraphProperties;
class TPlotLegendBase;

class TLegendsPage : public QWidget {
public:
  TLegendsPage(TfmGraphProperties& dialog, QWidget* parent);

  // Shows the legend the type chooses.
  void Fill();

  platform::RadioGroup* rgLType;
  QCheckBox* chLegendVisible;
  QCheckBox* chTransparent;
  platform::RadioGroup* rgPosition;
  QPushButton* bbLegendColor;
  QPushButton* bbLegendFont;
  QCheckBox* chFrameVisible;
  QPushButton* BitBtn2;  // frame colour
  QComboBox* cbFrameStyle;
  QLineEdit* edFrameWidth;
  QToolButton* SpeedButton13;  // frame thickness down
  QToolButton* SpeedButton15;  // frame thickness up
  QCheckBox* chShadowVisible;
  QPushButton* bbShadowColor;
  QLineEdit* edShadowWidth;
  QToolButton* SpeedButton14;  // shadow thickness down
  QToolButton* SpeedButton16;  // shadow thickness up

private:
  TPlotLegendBase& Target() const;
  void Connect();
  void Change(const std::function<void()>& write);
  void StepThickness(QLineEdit& edit, int delta, bool frame);

  TfmGraphProperties& d_;
};

}  // namespace plotui
