#include "platform/FontCache.h"

namespace platform {

bool SameQtFont(const TFontData& a, const TFontData& b)
{
  return a.Height == b.Height && a.Style == b.Style && a.Pitch == b.Pitch && a.Name == b.Name;
}

const TQtFontCache::TEntry& TQtFontCache::For(const TFontData& font)
{
  if (recent_ && SameQtFont(recent_->Key, font))
    return recent_->Entry;
  if (previous_ && SameQtFont(previous_->Key, font)) {
    std::swap(recent_, previous_);
    return recent_->Entry;
  }
  QFont q = ToQFont(font);
  const QFontMetrics m(q);
  TSlot built{font, TEntry{q, m, m.ascent(), m.descent()}};
  previous_ = std::move(recent_);
  recent_.emplace(std::move(built));
  return recent_->Entry;
}

}  // namespace platform
