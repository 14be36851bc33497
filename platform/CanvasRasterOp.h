#pragma once
// How a pen pixel combines with the pixel beneath (the binary raster operations) on 32-bit RGB.

#include "platform/Color.h"
#include "platform/Pen.h"

#include <QColor>

namespace platform {

class RasterOp2 {
public:
  RasterOp2(TPenMode mode, TColor color) : mode_(mode), pen_(ColorToQColor(color).rgb() & kRgb) {}

  QRgb Apply(QRgb beneath) const
  {
    const QRgb d = beneath & kRgb;
    const QRgb p = pen_;
    QRgb r = p;
    switch (mode_) {
    case TPenMode::pmBlack: r = 0; break;
    case TPenMode::pmWhite: r = kRgb; break;
    case TPenMode::pmNop: r = d; break;
    case TPenMode::pmNot: r = ~d; break;
    case TPenMode::pmCopy: r = p; break;
    case TPenMode::pmNotCopy: r = ~p; break;
    case TPenMode::pmMergePenNot: r = p | ~d; break;
    case TPenMode::pmMaskPenNot: r = p & ~d; break;
    case TPenMode::pmMergeNotPen: r = ~p | d; break;
    case TPenMode::pmMaskNotPen: r = ~p & d; break;
    case TPenMode::pmMerge: r = p | d; break;
    case TPenMode::pmNotMerge: r = ~(p | d); break;
    case TPenMode::pmMask: r = p & d; break;
    case TPenMode::pmNotMask: r = ~(p & d); break;
    case TPenMode::pmXor: r = p ^ d; break;
    case TPenMode::pmNotXor: r = ~(p ^ d); break;
    }
    return (r & kRgb) | 0xFF000000u;
  }

private:
  static constexpr QRgb kRgb = 0x00FFFFFFu;
  TPenMode mode_;
  QRgb pen_;
};

}  // namespace platform
