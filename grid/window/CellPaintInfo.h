#pragma once
// The record that carries one cell through painting, what OnGetDrawInfo may change of it, and the
// state OnPaintCell is told.

#include "grid/model/Alignments.h"
#include "grid/model/GridTypes.h"
#include "platform/CanvasTypes.h"
#include "platform/Color.h"
#include "platform/Font.h"

#include <cstdint>

namespace grid {

// The transparent colour that means "the picture's own".
inline constexpr platform::TColor kPictureOwnTransparent = 0x20000000;

struct TtsCellPaintInfo {
  int DisplayCol = 0;
  int DisplayRow = 0;
  int DataCol = 0;
  int DataRow = 0;
  TtsControlType ControlType = ctNone;
  platform::TRect CellRect{};   // without the grid lines
  platform::TRect PaintRect{};  // with them; all zero when off screen
  platform::TRect TextRect{};
  platform::TRect ButtonRect{};
  bool HasButton = false;
  const platform::TFont* Font = nullptr;
  bool Is3D = false;
  TtsHorzAlignment HorzAlignment = htaLeft;
  TtsVertAlignment VertAlignment = vtaTop;
  platform::TColor Color = platform::clWindow;
  bool Editing = false;
  TtsWordWrap WordWrap = wwOff;
  TtsButtonType ButtonType = btNone;
  TtsDropDownStyle DropDownStyle = ddDropDown;
  platform::TColor TransparentColor = kPictureOwnTransparent;
};

struct TtsDrawInfo {
  platform::TFont Font;
  platform::TColor Color = platform::clWindow;
  TtsWordWrap WordWrap = wwOff;
  platform::TColor TransparentColor = kPictureOwnTransparent;
  TtsVertAlignment VertAlignment = vtaTop;
  TtsHorzAlignment HorzAlignment = htaLeft;
};

// Bits of the state OnPaintCell is told.
using TtsPaintCellState = std::uint8_t;
inline constexpr TtsPaintCellState kPaintCurrent = 1;
inline constexpr TtsPaintCellState kPaintSelected = 2;
inline constexpr TtsPaintCellState kPaintFixed = 4;

}  // namespace grid
