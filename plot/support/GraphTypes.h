#pragma once
// The enumerations of the plotting library, with the names and ordinal values they are stored by.

#include <cstdint>
#include <initializer_list>

namespace plot {

enum TAxisLabelsStyle { asFloat, asDate, asInteger };
enum TAxisLabelsDirection { ldHorizontal, ldVertical };
enum TAxisLocation { alOutside, alInside };
enum TBarStyle { bsClustered, bsZOrdered, bsStacked, bs100Stacked };
enum TGradientStyle { gsNone, gsLeftRight, gsTopBottom };
enum TInfoPosition { ipRightTop, ipTopCenter, ipLeftTop, ipRightBottom, ipBottomCenter, ipLeftBottom };
enum TInfoStyle { isRoundRect, isRectangle, isNoBubble };
enum TLegendStyle { lsRight, lsLeft, lsBottom, lsTop, lsInside };
enum TPictureStyle { psStretch, psFix, psTile, psAsIsInside };
enum TPopupMenuItem { piProperties, piCopyToClipboard, piPrint, piSaveAs, piHelp, piZoomIn, piZoomOut };
enum TTitleStyle { tsNormal, tsLowered, tsRaised };
enum TTicksDirection { tdOut, tdIN };
enum TZoomStyle { zsIn, zsOut };

// A set of popup entries: bit n for the entry of ordinal n.
class TPopupMenuItems {
public:
  constexpr TPopupMenuItems() = default;
  constexpr TPopupMenuItems(std::initializer_list<TPopupMenuItem> items)
  {
    for (const TPopupMenuItem item : items)
      bits_ |= Bit(item);
  }
  constexpr bool Contains(TPopupMenuItem item) const { return (bits_ & Bit(item)) != 0; }
  constexpr void Include(TPopupMenuItem item) { bits_ |= Bit(item); }
  constexpr void Exclude(TPopupMenuItem item) { bits_ &= std::uint8_t(~Bit(item)); }
  constexpr std::uint8_t Bits() const { return bits_; }
  friend constexpr bool operator==(TPopupMenuItems, TPopupMenuItems) = default;

private:
  static constexpr std::uint8_t Bit(TPopupMenuItem item) { return std::uint8_t(1u << item); }
  std::uint8_t bits_ = 0;
};

}  // namespace plot
