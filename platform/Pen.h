#pragma once
// The pen: colour, style, width and the raster operation it draws with.

#include "platform/Color.h"

#include <functional>

namespace platform {

// psAlternate: every other pixel (thin pens only).
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psAlternate };

// How pen pixels combine with the pixels beneath (the binary raster operations).
enum class TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

struct TPenData {
  TColor Color = clBlack;
  TPenStyle Style = TPenStyle::psSolid;
  int Width = 1;  // 0: one device pixel whatever the mapping
  TPenMode Mode = TPenMode::pmCopy;
  friend bool operator==(const TPenData&, const TPenData&) = default;
};

class TPen {
public:
  TColor Color() const { return data_.Color; }
  TPenStyle Style() const { return data_.Style; }
  int Width() const { return data_.Width; }
  TPenMode Mode() const { return data_.Mode; }
  void SetColor(TColor color);
  void SetStyle(TPenStyle style);
  void SetWidth(int width);  // negative widths become 0
  void SetMode(TPenMode mode);

  const TPenData& Data() const { return data_; }
  void SetData(const TPenData& data);
  void Assign(const TPen& other) { SetData(other.data_); }

  std::function<void()> OnChange;  // after every change of a value

private:
  void Change(const TPenData& data);
  TPenData data_;
};

}  // namespace platform
