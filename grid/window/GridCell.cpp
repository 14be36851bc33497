#include "grid/window/GridCell.h"

#include "grid/window/Grid.h"

namespace grid {

const TtsCellElement* TtsCell::Element() const { return grid_.Model().CellProps().Find(col_, row_); }

TtsCellElement* TtsCell::MutableElement() { return grid_.Model().CellProps().Find(col_, row_); }

void TtsCell::Set(TtsPropId id, const TtsCellValue& value)
{
  grid_.CheckCol(col_);
  grid_.CheckRow(row_);
  grid_.Model().CellProps().SetProp(col_, row_, id, value);
}

TtsControlType TtsCell::ControlType() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().ControlType : ctDefault;
}

void TtsCell::SetControlType(TtsControlType type)
{
  if (type == ControlType())
    return;
  Set(piControlType, int(type));
  grid_.RecheckStoredValues(col_, row_);
}

platform::TColor TtsCell::Color() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().Color : platform::clNone;
}

void TtsCell::SetColor(platform::TColor color) { Set(piColor, int(color)); }

TAlignment TtsCell::Alignment() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().Alignment : TAlignment(0);
}

void TtsCell::SetAlignment(TAlignment alignment) { Set(piAlignment, int(alignment)); }

bool TtsCell::Align() const
{
  const TtsCellElement* e = Element();
  return e && e->Attributes().Align;
}

void TtsCell::SetAlign(bool align) { Set(piAlign, align); }

TtsHorzAlignment TtsCell::HorzAlignment() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().HorzAlignment : htaDefault;
}

void TtsCell::SetHorzAlignment(TtsHorzAlignment alignment) { Set(piHorzAlignment, int(alignment)); }

TtsVertAlignment TtsCell::VertAlignment() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().VertAlignment : vtaDefault;
}

void TtsCell::SetVertAlignment(TtsVertAlignment alignment) { Set(piVertAlignment, int(alignment)); }

bool TtsCell::Is3D() const
{
  const TtsCellElement* e = Element();
  return e && e->Attributes().Is3D;
}

void TtsCell::SetIs3D(bool on) { Set(piIs3D, on); }

TtsReadOnly TtsCell::ReadOnly() const
{
  const TtsCellElement* e = Element();
  return e ? e->CellReadOnly() : roDefault;
}

void TtsCell::SetReadOnly(TtsReadOnly readOnly) { Set(piCellReadOnly, int(readOnly)); }

TtsWordWrap TtsCell::WordWrap() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().WordWrap : wwDefault;
}

void TtsCell::SetWordWrap(TtsWordWrap wrap) { Set(piWordWrap, int(wrap)); }

TtsButtonType TtsCell::ButtonType() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().ButtonType : btDefault;
}

void TtsCell::SetButtonType(TtsButtonType type) { Set(piButtonType, int(type)); }

TtsDropDownStyle TtsCell::DropDownStyle() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().DropDownStyle : ddDropDown;
}

void TtsCell::SetDropDownStyle(TtsDropDownStyle style) { Set(piDropDownStyle, int(style)); }

std::string TtsCell::MaskName() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().MaskName : std::string();
}

void TtsCell::SetMaskName(const std::string& name) { Set(piMaskName, name); }

TtsSpinOptions TtsCell::SpinOptions() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().SpinOptions : kAllSpinOptions;
}

void TtsCell::SetSpinOptions(TtsSpinOptions options) { Set(piSpinOptions, int(options)); }

double TtsCell::SpinIncrement() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().SpinIncrement : 1.0;
}

void TtsCell::SetSpinIncrement(double increment) { Set(piSpinIncrement, increment); }

const platform::TFont* TtsCell::Font() const
{
  const TtsCellElement* e = Element();
  return e && !e->Attributes().ParentFont ? e->OwnFont() : nullptr;
}

void TtsCell::SetFont(const platform::TFont& font)
{
  platform::TFont copy;  // the caller's font may be the one about to be replaced
  copy.Assign(font);
  Set(piParentFont, false);
  if (TtsCellElement* e = MutableElement())
    e->SetFont(&copy);
  grid_.Model().InvalidateCell(grid_.Model().DisplayColOf(col_), grid_.Model().DisplayRowOf(row_));
}

bool TtsCell::ParentFont() const
{
  const TtsCellElement* e = Element();
  return !e || e->Attributes().ParentFont;
}

void TtsCell::SetParentFont(bool on)
{
  if (on == ParentFont())
    return;
  if (on) {
    Set(piParentFont, true);
    return;
  }
  SetFont(grid_.Model().ResolveFont(col_, row_));
}

}  // namespace grid
