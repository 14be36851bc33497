#pragma once
// The font families of the screen.

#include <string>
#include <vector>

namespace platform {

// Families whose pitch is fixed, in the order the font system lists them (empty without a GUI application).
std::vector<std::string> FixedPitchFontFamilies();
// The family of the platform's fixed font; "monospace" without a GUI application.
std::string SystemFixedFontFamily();

}  // namespace platform
