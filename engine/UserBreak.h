#pragma once
// Keeping the window live during long calculations, and stopping them.

namespace engine {

// Lets the main window process its pending events.
void PumpMessages();
// Asks "Do you really want to stop the calculation?"; true for Yes.
bool ConfirmStop();
// After the stop button: asks, and on Yes records error 22 and returns true. On No the question
// comes again at the next step.
bool CheckUserBreak();

}  // namespace engine
