#pragma once
// The program-title block of printed plots, filled in when the main window starts.

namespace app {

void SetProgramTitleDefaults();

}  // namespace app
