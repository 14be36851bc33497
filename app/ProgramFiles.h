#pragma once
// The files of the program folder, and window bounds kept in the settings file.

#include <QString>

class QWidget;

namespace app {

// The program folder followed by "Vexal": the base of Vexal.INI, Vexal.HST and Vexal.CON.
QString ProgramBase();
QString SettingsFileName();   // Vexal.INI
QString HistoryFileName();    // Vexal.HST
QString ConstantsFileName();  // Vexal.CON
QString HelpFileName();       // Vexal.hlp
QString DefaultVariablesFile();  // Vexal.USR
QString DefaultFunctionsFile();  // Vexal.FNC

// Left, Top, Width, Height of a window in the settings section named after it (0, 0, 640, 480).
void LoadFormPosition(QWidget& form);
void SaveFormPosition(const QWidget& form);

}  // namespace app
