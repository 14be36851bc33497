#pragma once
// What the engine asks of the main window. The defaults serve headless use and tests; the main window
// installs its own host.

#include "engine/Extended.h"

#include <chrono>
#include <string>

namespace engine {

class EngineHost {
public:
  virtual ~EngineHost() = default;

  // Bits per group of binary results.
  virtual int DigitGroup() const { return 32; }

  // Variables
  // Asks the user for a value of variable i (1..12); true after OK. The dialog evaluates what the
  // user typed with EvalVariableText. The default answers Cancel.
  virtual bool AskVariableValue(int i);
  // Re-evaluates variable i from its defining expression. The default is EvaluateVariableDefinition.
  virtual void EvalVariableEdit(int i);
  // Creates or updates a named user variable; returns its code. The default updates UserVariables.
  virtual int SetUserVariable(const std::string& name, Extended value);

  // User-function files
  // Lets the user choose a user-functions file; empty when cancelled. The default cancels.
  virtual std::string ChooseFunctionsFile() { return {}; }
  // An error box with an OK button. The default shows nothing.
  virtual void ShowError(const std::string& message) { (void)message; }

  // Long calculations
  // Processes pending window events. The default does nothing.
  virtual void PumpMessages() {}
  // Long calculations pump at their first step and then once this much time has passed.
  virtual std::chrono::milliseconds PumpInterval() const { return std::chrono::milliseconds(5); }
  // "Do you really want to stop the calculation?": true for Yes. The default says Yes.
  virtual bool ConfirmStop() { return true; }
  // A request to end the program came while pumping: the calculation stops without asking.
  virtual bool QuitRequested() const { return false; }
  // The text of the precision edit: the digits an integral's passes are compared on.
  virtual std::string PrecisionText() const { return "9"; }
  // An integral's estimate after a pass, shown in the result line.
  virtual void ShowIntermediateResult(const std::string& text) { (void)text; }
};

// The installed host, or the default one.
EngineHost& Host();
// Installs a host in the current context (nullptr restores the default); the caller keeps it alive
// while it is installed.
void SetHost(EngineHost* host);

}  // namespace engine
