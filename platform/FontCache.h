#pragma once
// The Qt font and metrics of a font description, built once and kept while the face, height,
// style and pitch stay the same (colour, character set and escapement don't change the Qt font).
// Each canvas keeps its own: nothing is shared between canvases or threads.

#include "platform/Font.h"

#include <QFont>
#include <QFontMetrics>
#include <optional>

namespace platform {

class TQtFontCache {
public:
  struct TEntry {
    QFont Font;
    QFontMetrics Metrics;
    int Ascent;
    int Descent;
  };

  // The entry for the font, rebuilt when it differs from the last one asked for.
  const TEntry& For(const TFontData& font);

private:
  TFontData key_;
  std::optional<TEntry> entry_;
};

// Whether the two descriptions make the same Qt font (ToQFont reads only these values).
bool SameQtFont(const TFontData& a, const TFontData& b);

}  // namespace platform
