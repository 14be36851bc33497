#pragma once
// The "Settings" page of the properties dialog: exaggeration, 3-D depth, bar style, clipping,
// colours, gradient, background picture, zoom and frame.

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace plotui {

class TfmGraphProperties;

class TSettingsPage : public QWidget {
public:
  TSettingsPage(TfmGraphProperties& dialog, QWidget* parent);

  void Fill();

  QLineEdit* edExaggerate;
  QLabel* lbView3D;
  QLineEdit* edView3D;
  QLabel* lbBarStyle;
  QComboBox* cbBarStyle;
  QCheckBox* chClipMarkers;
  QPushButton* bbPlotColor;
  QPushButton* BitBtn3;
  QComboBox* cbGradientStyle;
  QPushButton* btStartColor;
  QPushButton* btEndColor;
  QGroupBox* gbPicture;
  QCheckBox* chPictureVisible;
  QLineEdit* edPictureFileName;
  QPushButton* btBrowse;
  QComboBox* cbPictureStyle;
  QGroupBox* gbZoom;
  QComboBox* cbZoomStyle;
  QLineEdit* edZoomSteps;
  QLineEdit* edZoomPerStep;
  QPushButton* BitBtn1;
  QLineEdit* Edit2;
  QToolButton* SpeedButton6;  // up
  QToolButton* SpeedButton5;  // down

private:
  void Build();
  void Connect();
  // Nothing while the dialog fills; else change, then mark and apply.
  void Change(const std::function<void()>& write);
  void LoadPictureFile(const QString& name);
  void btBrowseClick();
  void StepFrameWidth(int delta);

  TfmGraphProperties& d_;
};

}  // namespace plotui
