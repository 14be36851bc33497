#pragma once
// The program folder, where the settings and the shipped data files live (no widgets needed).

#include <QString>

namespace platform {

// The folder of the executable with its trailing separator; tests may point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);  // adds the trailing separator when missing

}  // namespace platform
