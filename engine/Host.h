#pragma once
// What the engine asks of the main window. The defaults serve headless use and tests; the main window
// installs its own host.

namespace engine {

class EngineHost {
public:
  virtual ~EngineHost() = default;

  // Bits per group of binary results.
  virtual int DigitGroup() const { return 32; }
};

// The installed host, or the default one.
EngineHost& Host();
// Installs a host (nullptr restores the default); the caller keeps it alive while it is installed.
void SetHost(EngineHost* host);

}  // namespace engine
