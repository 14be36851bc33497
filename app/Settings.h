#pragma once
// The main window's keys of the settings file, with their defaults, read order and write order.

#include <QString>
#include <array>

namespace platform {
class TIniFile;
}

namespace app {

struct TCalcSettings {
  // [Calc Settings]
  int Notation = 0;
  int Digits = 12;
  int ComplexForm = 1;  // read, never written
  int Precision = 9;    // key "Precison"
  bool Assistant = true;
  bool Hint = true;
  int Angle = 1;        // 1 degrees, 0 radians
  bool ShowComp = true;
  // [Files]
  QString VariablesFile;
  QString FunctionsFile;
  // [Graphics]
  int PlotType = 0;
  QString FromX = QStringLiteral("-10");
  QString ToX = QStringLiteral("10");
  QString FromY = QStringLiteral("-10");
  QString ToY = QStringLiteral("10");
  std::array<int, 5> StepsX{200, 40, 40, 40, 360};
  std::array<int, 5> StepsY{0, 40, 40, 40, 0};
  QString Legend;
  QString Title = QStringLiteral("f()");
  QString XAxis = QStringLiteral("X");
  QString YAxis = QStringLiteral("Y");
  // [Calc]
  int Left = 0;
  int Top = 0;
};

// Reads every key; a missing key keeps its default.
void ReadSettings(const platform::TIniFile& ini, TCalcSettings& settings);
// Writes the keys in their fixed order (not the complex form and not the files).
void WriteSettings(platform::TIniFile& ini, const TCalcSettings& settings);

}  // namespace app
