#pragma once
// The chart's default font: size and face from the message table, with the rule for Japanese
// systems.

#include "platform/Font.h"

#include <functional>
#include <memory>

namespace chart {

inline constexpr int kJapaneseLanguage = 17;  // the system's primary language number

// The vertical pixels per inch of the screen.
int ScreenPixelsPerInch();
// The primary language number of the system (17 on a Japanese system).
int SystemPrimaryLanguage();

// Size 8 on a Japanese system becomes the point size of the class library's default font (which
// is 8 again at the screen's fixed resolution, so the rule changes nothing in practice).
void AdjustFontSizeForLocale(int& size, int language = SystemPrimaryLanguage());
int DefaultFontSize(int language = SystemPrimaryLanguage());
QString DefaultFontName(int language = SystemPrimaryLanguage());

// Default size and name, black, no style, default character set.
bool IsStandardFont(const platform::TFont& font);
// A new default font that tells onChange of its changes; the caller owns it.
std::unique_ptr<platform::TFont> NewChartFont(std::function<void()> onChange);

}  // namespace chart
