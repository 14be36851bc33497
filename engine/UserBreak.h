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
// One step of a long calculation: pumps events when the pump interval has passed since the last
// pump, then CheckUserBreak.
bool PumpAndCheckBreak();
// The next step pumps at once: each evaluation that starts outside any other begins so.
void ResetPumpClock();

}  // namespace engine
