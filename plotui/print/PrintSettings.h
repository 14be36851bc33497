#pragma once
// The saved page margins of printed plots and how the print dialog shows them: millimetres, or tenths
// of an inch. The margins are kept in millimetres whatever is shown; the settings file holds them in
// section "Print" with the units last shown.

#include <QString>

namespace plotui {

// Page margins in millimetres.
struct TPrintMargins {
  int Left = 25;
  int Top = 10;
  int Right = 20;
  int Bottom = 10;
  friend bool operator==(const TPrintMargins&, const TPrintMargins&) = default;
};

inline constexpr double kUnitsMm = 25.4;
inline constexpr double kUnitsInch = 1;

// What the settings file holds of the page.
struct TSavedMargins {
  double Units = kUnitsMm;  // 25.4 millimetres, 1 tenths of an inch
  TPrintMargins Margins;
};

// Section "Print": "Units" (not a number: 25.4) and the four margins (not numbers: the defaults).
TSavedMargins ReadDefaultMargins(const QString& iniFile);
void WriteDefaultMargins(const QString& iniFile, const TSavedMargins& saved);

inline bool ShowsMillimetres(double units) { return units >= 10; }
// A margin as its edit shows it, and a value typed in an edit as millimetres.
int ShownMargin(int mm, double units);
int MarginFromShown(int shown, double units);

// "Page Size :" text of a page of width x height dots at the resolutions given.
QString PageSizeText(int width, int height, int resolutionX, int resolutionY, double units);

}  // namespace plotui
