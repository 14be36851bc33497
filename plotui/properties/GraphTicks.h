#pragma once
// "Ticks Properties": the major and minor ticks of one axis (visible, length, direction), each
// change handed to the properties dialog that opened it.

#include "platform/Form.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace plot {
class TIntValidate;
}

namespace plotui {

class TfmGraphProperties;
class TPlotTicks;

class TfmGraphTicks : public platform::Form {
public:
  explicit TfmGraphTicks(QWidget* parent = nullptr);
  ~TfmGraphTicks() override;

  void Execute(TPlotTicks& axis, TfmGraphProperties& propertiesDialog);

  bool Filling = false;
  TfmGraphProperties* PropertiesDialog = nullptr;
  TPlotTicks* Axis = nullptr;

  QCheckBox* chMjVisible;
  QCheckBox* chMiVisible;
  QLineEdit* edMjLength;
  QLineEdit* edMiLength;
  QToolButton* SpeedButton1;  // major down
  QToolButton* SpeedButton4;  // major up
  QToolButton* SpeedButton2;  // minor down
  QToolButton* SpeedButton3;  // minor up
  QComboBox* cbDir;
  QPushButton* btApplay;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void Notify();
  void LengthChange(QLineEdit* edit);
  static void Step(QLineEdit& edit, int delta);

  std::unique_ptr<plot::TIntValidate> majorValidate_;
  std::unique_ptr<plot::TIntValidate> minorValidate_;
};

}  // namespace plotui
