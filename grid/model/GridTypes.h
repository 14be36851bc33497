#pragma once
// The grid's attribute enumerations (the ordinal is what streams store) and the property numbering
// shared by the per-cell store, the resets and the grid stream.

#include "grid/model/Alignments.h"

#include <cstdint>

namespace grid {

enum TtsControlType : std::uint8_t { ctNone, ctText, ctCheck, ctPicture, ctDefault };
enum TtsWordWrap : std::uint8_t { wwOn, wwOff, wwDefault };
enum TtsDrawOption : std::uint8_t { dopOn, dopOff, dopDefault };
enum TtsButtonType : std::uint8_t {
  btCombo,
  btNormal,
  btNone,
  btDefault,
  btVertSpin,
  btHorzSpin,
  btDateTimeDropDown,
  btDateTimePopup,
};
enum TtsDropDownStyle : std::uint8_t { ddDropDown, ddDropDownList };
enum TtsColHeadingButton : std::uint8_t { cbCell, cbButton, cbGrid, cbNone };
enum TtsSortPicture : std::uint8_t { spUp, spDown, spBullet, spNone };
enum TtsReadOnly : std::uint8_t { roOn, roOff, roDefault };

// A set of spin options: bit 1 auto repeat, 2 auto increment, 4 key edit.
using TtsSpinOptions = std::uint8_t;
inline constexpr TtsSpinOptions spoAutoRepeat = 1;
inline constexpr TtsSpinOptions spoAutoIncrement = 2;
inline constexpr TtsSpinOptions spoKeyEdit = 4;
inline constexpr TtsSpinOptions kAllSpinOptions = 7;

constexpr bool IsSpinButton(TtsButtonType type) { return type == btVertSpin || type == btHorzSpin; }

// Property identifiers: bit n of a TtsPropMask stands for identifier n.
enum TtsPropId : std::uint8_t {
  piColor = 0,
  piFont = 1,
  piDisplayPos = 2,
  piColWidth = 3,
  piRowHeight = 4,
  piReadOnly = 5,
  piAlign = 6,
  piAlignment = 7,
  piIs3D = 8,
  piSelected = 9,
  piVisible = 10,
  piRowChanged = 11,
  piHeadingButton = 12,
  piSortPicture = 13,
  piMaxLength = 14,
  piWordWrap = 15,
  piButtonType = 16,
  piDropDownStyle = 17,
  piCellReadOnly = 18,
  // bit 19: no attribute
  piParentFont = 20,
  piMaskName = 21,
  piCombo = 22,
  piParentCombo = 23,
  piPictures = 24,
  piControlType = 25,
  piSpinOptions = 26,
  piSpinIncrement = 27,
  piHorzAlignment = 28,
  piVertAlignment = 29,
  piDateTimeDef = 30,
};

using TtsPropMask = std::uint32_t;
inline constexpr TtsPropMask kAllProperties = 0x7FFFFFFF;

constexpr TtsPropMask PropBit(TtsPropId id) { return TtsPropMask(1) << id; }
constexpr bool HasProp(TtsPropMask mask, TtsPropId id) { return (mask & PropBit(id)) != 0; }

// Sub-indexes of piPictures.
enum TtsPictureOption : std::uint8_t { poStretch = 1, poShrink = 2, poCenter = 3, poKeepAspectRatio = 4 };

}  // namespace grid
