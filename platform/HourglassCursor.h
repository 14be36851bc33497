#pragma once
// The hourglass cursor while a long piece of work runs (no widgets needed).

namespace platform {

// The hourglass cursor while it lives (nests).
class HourglassCursor {
 public:
  HourglassCursor();
  ~HourglassCursor();
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;
};

}  // namespace platform
