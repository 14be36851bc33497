#pragma once
// The Qt font and metrics of a font description, built once and kept while the face, height,
// style and pitch stay the same (colour, character set and escapement don't change the Qt font).
// The last two fonts are kept, so text that switches between two fonts (plain and bold, say)
// builds neither again. Each canvas keeps its own: nothing is shared between canvases or threads.

#include "platform/Font.h"

#include <QFont>
#include <QFontMetrics>
#include <optional>
#include <utility>

namespace platform {

class TQtFontCache {
public:
  struct TEntry {
    QFont Font;
    QFontMetrics Metrics;
    int Ascent;
    int Descent;
  };

  // The entry for the font, built when it is neither of the last two asked for.
  const TEntry& For(const TFontData& font);

private:
  struct TSlot {
    TFontData Key;
    TEntry Entry;
  };
  std::optional<TSlot> recent_;    // the last font asked for
  std::optional<TSlot> previous_;  // the one before
};

// Whether the two descriptions make the same Qt font (ToQFont reads only these values).
bool SameQtFont(const TFontData& a, const TFontData& b);

}  // namespace platform
