#pragma once
// The attributes that a column, a row and a single cell can each set for their cells; the default
// of every one means "not set here": the next level decides.

#include "grid/model/GridTypes.h"

#include "platform/Color.h"

#include <array>
#include <string>

namespace grid {

class TtsDateTimeDefComponent;

struct TtsAttributes {
  platform::TColor Color = platform::clNone;
  bool ParentFont = true;
  TAlignment Alignment = taLeftJustify;  // the legacy pair, in step with HorzAlignment
  bool Align = false;
  TtsHorzAlignment HorzAlignment = htaDefault;
  TtsVertAlignment VertAlignment = vtaDefault;
  TtsWordWrap WordWrap = wwDefault;
  bool Is3D = false;
  bool ReadOnly = false;
  TtsButtonType ButtonType = btDefault;
  TtsDropDownStyle DropDownStyle = ddDropDown;
  std::string MaskName;
  bool KeepFontCopy = false;
  bool ParentCombo = true;
  std::array<TtsDrawOption, 4> Pictures = {dopDefault, dopDefault, dopDefault, dopDefault};  // by TtsPictureOption - 1
  TtsControlType ControlType = ctDefault;
  TtsSpinOptions SpinOptions = kAllSpinOptions;
  double SpinIncrement = 1.0;
  TtsDateTimeDefComponent* DateTimeDef = nullptr;

  // HorzAlignment and the legacy pair set together.
  void SetHorzAlignment(TtsHorzAlignment value)
  {
    HorzAlignment = value;
    Alignment = ToAlignment(value);
    Align = value != htaDefault;
  }
  void SetLegacyAlignment(TAlignment alignment, bool align)
  {
    Alignment = alignment;
    Align = align;
    HorzAlignment = ToHorzAlignment(alignment, align);
  }
  // A definition that goes away is let go of.
  void Forget(const TtsDateTimeDefComponent& definition)
  {
    if (DateTimeDef == &definition)
      DateTimeDef = nullptr;
  }
  TtsDrawOption Picture(TtsPictureOption option) const { return Pictures[std::size_t(option - 1)]; }

  friend bool operator==(const TtsAttributes&, const TtsAttributes&) = default;
};

}  // namespace grid
