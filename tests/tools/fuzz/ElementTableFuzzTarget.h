#pragma once
// Fuzz target of the element data file reader (Vexal.prt).

#include <string_view>

namespace fuzz {

// Any file loads whole or gives no data at all; what loaded reads back the same when written again.
void ElementTableTarget(std::string_view bytes);

}  // namespace fuzz
