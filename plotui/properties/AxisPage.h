#pragma once
// The "Axis" page of the properties dialog: a group for the X axis and one for the Y axis (name,
// range, switches, colour, fonts, ticks, label frequency, inside position) and the smallest value a
// logarithmic axis shows.

#include <QGroupBox>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace plot {
class TAxis;
}

namespace plotui {

class TfmGraphProperties;
class TPlotAxis;

// The controls of one axis; names follow the X or the Y axis.
class TAxisGroup : public QGroupBox {
public:
  TAxisGroup(TfmGraphProperties& dialog, bool isX, QWidget* parent);

  void Fill();
  // The edits show the range ordered; each is enabled while its automatic limit is off.
  void ShowRange();

  QLineEdit* edName;
  QLineEdit* edMin;
  QLineEdit* edMax;
  QCheckBox* chVisible;
  QCheckBox* chLogarithm;
  QCheckBox* chInvert;
  QCheckBox* chGrid;
  QCheckBox* chAutoMin;
  QCheckBox* chAutoMax;
  QPushButton* btColor;
  QPushButton* btFont;
  QPushButton* btNameFont;
  QPushButton* btTicks;
  QLineEdit* edFrequency;
  QToolButton* sbDown;
  QToolButton* sbUp;
  QCheckBox* chbPos;
  QLineEdit* edPos;

private:
  TPlotAxis& Axis() const;
  // The range ends of this axis in the graph: the lower one first (swapped on an inverted axis).
  double& LowEnd() const;
  double& HighEnd() const;
  void Connect();
  void Change(const std::function<void()>& write);
  void MinChange();
  void MaxChange();
  void AutoClick(bool isMin);
  void StepFrequency(int delta);

  TfmGraphProperties& d_;
  bool isX_;
};

class TAxisPage : public QWidget {
public:
  TAxisPage(TfmGraphProperties& dialog, QWidget* parent);

  void Fill();
  void ShowRanges();

  TAxisGroup* gbXAxis;
  TAxisGroup* GroupBox3;
  QLineEdit* edMinLog;

private:
  TfmGraphProperties& d_;
};

}  // namespace plotui
