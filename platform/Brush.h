#pragma once
// The brush: a solid colour, no fill, a hatch pattern, or a bitmap pattern.

#include "platform/Color.h"

#include <QImage>
#include <functional>

namespace platform {

class TBitmap;

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

struct TBrushData {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
  QImage Pattern;  // a bitmap brush when not null (overrides Style)
  friend bool operator==(const TBrushData& a, const TBrushData& b)
  {
    return a.Color == b.Color && a.Style == b.Style && a.Pattern == b.Pattern;
  }
};

class TBrush {
public:
  TColor Color() const { return data_.Color; }
  TBrushStyle Style() const { return data_.Style; }
  bool HasBitmap() const { return !data_.Pattern.isNull(); }
  void SetColor(TColor color);  // a clear brush becomes solid, as it does on the system
  void SetStyle(TBrushStyle style);
  void SetBitmap(const TBitmap* bitmap);  // copies the picture; nullptr removes it

  const TBrushData& Data() const { return data_; }
  void SetData(const TBrushData& data);
  void Assign(const TBrush& other) { SetData(other.data_); }

  std::function<void()> OnChange;  // after every change of a value

private:
  void Change(const TBrushData& data);
  TBrushData data_;
};

}  // namespace platform
