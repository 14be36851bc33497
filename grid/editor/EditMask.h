#pragma once
// What the in-cell text editor needs of an edit mask, and the lookup of masks by name that the grid's
// mask definitions provide.

#include <functional>
#include <string>

namespace grid {

class TtsEditMask {
 public:
  virtual ~TtsEditMask() = default;
  virtual int GetMaskOptions() const = 0;  // bit 0: the flag of the typing check
  virtual int GetCheckModes() const = 0;   // bit 0: check while typing
  // Whether keys may go in at the 1-based position of text; the mask may change the keys.
  virtual bool Validate(const std::string& text, std::string& keys, int position, bool final, bool flag) = 0;
};

// The mask of a name, or none. The mask stays owned by the definitions.
using TtsMaskLookup = std::function<TtsEditMask*(const std::string& name)>;

}  // namespace grid
