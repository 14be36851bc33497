#include "grid/dropdown/CellButtons.h"

#include "grid/paint/Glyphs.h"
#include "grid/window/Grid.h"

namespace grid {

namespace {

constexpr platform::TColor kUnsetColor = 0x1FFFFFFF;

bool IsPicture(const platform::TBitmap* picture, const platform::TBitmap& shared) { return picture == &shared; }

std::unique_ptr<platform::TBitmap> CopyOf(const platform::TBitmap* picture)
{
  return picture ? std::make_unique<platform::TBitmap>(*picture) : nullptr;
}

}  // namespace

const platform::TBitmap& ComboArrowPicture()
{
  static const platform::TBitmap picture = MakeGlyph(TtsGlyph::ArrowCombo);
  return picture;
}

const platform::TBitmap& PlainButtonPicture()
{
  static const platform::TBitmap picture = MakeGlyph(TtsGlyph::ButDetail);
  return picture;
}

TtsCustomButton::TtsCustomButton(const TtsBaseGrid& grid, const platform::TBitmap* picture, platform::TColor color,
                                 int width, int height)
    : grid_(grid), picture_(picture), width_(width), height_(height), color_(color)
{
}

int TtsCustomButton::OuterWidth() const { return 2 * grid_.ButtonEdgeWidth + width_; }

int TtsCustomButton::OuterHeight() const { return 2 * grid_.ButtonEdgeWidth + height_; }

TtsPictureButton::TtsPictureButton(const TtsBaseGrid& grid, const platform::TBitmap& defaultPicture,
                                   const platform::TBitmap* picture, platform::TColor color, int width, int height)
    : TtsCustomButton(grid, nullptr, color, width, height), default_(defaultPicture)
{
  SetPicture(picture);
}

void TtsPictureButton::SetPicture(const platform::TBitmap* picture)
{
  own_ = IsPicture(picture, default_) ? nullptr : CopyOf(picture);
}

TtsDateTimeButton::TtsDateTimeButton(const TtsBaseGrid& grid, const platform::TBitmap* picture,
                                     platform::TColor color, int width, int height)
    : TtsCustomButton(grid, nullptr, color, width, height)
{
  SetPicture(picture);
}

const platform::TBitmap* TtsDateTimeButton::Picture() const
{
  if (own_)
    return own_.get();
  return plainDefault_ ? &PlainButtonPicture() : &ComboArrowPicture();
}

void TtsDateTimeButton::SetPicture(const platform::TBitmap* picture)
{
  plainDefault_ = IsPicture(picture, PlainButtonPicture());
  const bool shared = plainDefault_ || IsPicture(picture, ComboArrowPicture());
  own_ = shared ? nullptr : CopyOf(picture);
}

std::unique_ptr<TtsCustomButton> MakeCellButton(const TtsBaseGrid& grid, TtsButtonType type)
{
  const int width = grid.DefaultButtonWidth;
  const int height = grid.DefaultButtonHeight;
  switch (type) {
    case btCombo:
      return std::make_unique<TtsComboButton>(grid, &ComboArrowPicture(), kUnsetColor, width, height);
    case btNormal:
      return std::make_unique<TtsNormalButton>(grid, &PlainButtonPicture(), kUnsetColor, width, height);
    case btVertSpin:
      return std::make_unique<TtsVertSpinButton>(grid, nullptr, kUnsetColor, grid.SpinButtonWidth,
                                                 grid.SpinButtonHeight);
    case btHorzSpin:
      return std::make_unique<TtsHorzSpinButton>(grid, nullptr, kUnsetColor, grid.SpinButtonHeight,
                                                 grid.SpinButtonWidth);
    case btDateTimeDropDown:
      return std::make_unique<TtsDateTimeButton>(grid, &ComboArrowPicture(), kUnsetColor, width, height);
    case btDateTimePopup:
      return std::make_unique<TtsDateTimeButton>(grid, &PlainButtonPicture(), kUnsetColor, width, height);
    default:
      return nullptr;
  }
}

}  // namespace grid
