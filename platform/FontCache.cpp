#include "platform/FontCache.h"

namespace platform {

bool SameQtFont(const TFontData& a, const TFontData& b)
{
  return a.Height == b.Height && a.Style == b.Style && a.Pitch == b.Pitch && a.Name == b.Name;
}

const TQtFontCache::TEntry& TQtFontCache::For(const TFontData& font)
{
  if (!entry_ || !SameQtFont(key_, font)) {
    QFont q = ToQFont(font);
    const QFontMetrics m(q);
    entry_.emplace(TEntry{q, m, m.ascent(), m.descent()});
    key_ = font;
  }
  return *entry_;
}

}  // namespace platform
