#include "grid/window/GridCell.h"

#include "grid/window/Grid.h"

namespace grid {

const TtsCellElement* TtsCell::Element() const { return grid_.Model().CellProps().Find(col_, row_); }

TtsCellElement* TtsCell::MutableElement() { return grid_.Model().CellProps().Find(col_, row_); }

void TtsCell::CheckCell() const
{
  grid_.CheckCol(col_);
  grid_.CheckRow(row_);
}

void TtsCell::Set(TtsPropId id, const TtsCellValue& value, int subIndex)
{
  CheckCell();
  grid_.Model().CellProps().SetProp(col_, row_, id, value, subIndex);
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
  return e ? e->DropDownStyle() : ddDropDown;
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

bool TtsCell::KeepFontCopy() const
{
  const TtsCellElement* e = Element();
  return e && e->Attributes().KeepFontCopy;
}

void TtsCell::SetKeepFontCopy(bool on)
{
  CheckCell();
  grid_.Model().CellProps().SetKeepFontCopy(col_, row_, on);
}

TtsDrawOption TtsCell::Picture(TtsPictureOption option) const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().Picture(option) : dopDefault;
}

void TtsCell::SetPicture(TtsPictureOption option, TtsDrawOption value) { Set(piPictures, int(value), option); }

TtsDateTimeDefComponent* TtsCell::DateTimeDef() const
{
  const TtsCellElement* e = Element();
  return e ? e->Attributes().DateTimeDef : nullptr;
}

void TtsCell::SetDateTimeDef(TtsDateTimeDefComponent* definition)
{
  CheckCell();
  grid_.Model().CellProps().SetDateTimeDef(col_, row_, definition);
}

TtsCombo* TtsCell::Combo() const
{
  const TtsCellElement* e = Element();
  return e ? e->Combo() : nullptr;
}

void TtsCell::SetCombo(const TtsCombo* combo)
{
  CheckCell();
  grid_.Model().CellProps().SetCombo(col_, row_, combo);
}

void TtsCell::MakeCombo()
{
  CheckCell();
  grid_.Model().CellProps().MakeCombo(col_, row_);
}

bool TtsCell::ParentCombo() const
{
  const TtsCellElement* e = Element();
  return !e || e->Attributes().ParentCombo;
}

void TtsCell::SetParentCombo(bool on) { Set(piParentCombo, on); }

void TtsCell::Assign(const TtsCell& source)
{
  if (&source == this)
    return;
  CopyPropertiesExcept(*this, source, "Font;ParentFont");
  SetCombo(source.Combo());
  SetParentFont(source.ParentFont());
  if (!ParentFont() && source.Font())
    SetFont(*source.Font());
}

namespace {

TtsPublishedProperty<TtsCell> CellPicture(const char* name, TtsPictureOption option)
{
  return {name, tkEnumeration, [option](TtsCell& to, const TtsCell& from) { to.SetPicture(option, from.Picture(option)); },
          [option](const TtsCell& cell) { return ToStreamValue(cell.Picture(option)); },
          [option](TtsCell& cell, const TtsStreamValue& value) {
            cell.SetPicture(option, FromStreamValue<TtsDrawOption>(value));
          }};
}

}  // namespace

std::span<const TtsPublishedProperty<TtsCell>> TtsCell::PublishedProperties()
{
  using C = TtsCell;
  static const std::vector<TtsPublishedProperty<C>> list = {
      Published<C>("ButtonType", tkEnumeration, &C::ButtonType, &C::SetButtonType),
      Published<C>("DateTimeDef", tkClass, &C::DateTimeDef, &C::SetDateTimeDef),
      CellPicture("CenterPicture", poCenter),
      Published<C>("Color", tkInteger, &C::Color, &C::SetColor),
      Published<C>("ControlType", tkEnumeration, &C::ControlType, &C::SetControlType),
      Published<C>("DropDownStyle", tkEnumeration, &C::DropDownStyle, &C::SetDropDownStyle),
      {"Font", tkClass,
       [](C& to, const C& from) {
         if (from.Font())
           to.SetFont(*from.Font());
         else
           to.SetParentFont(true);
       }},
      Published<C>("HorzAlignment", tkEnumeration, &C::HorzAlignment, &C::SetHorzAlignment),
      Published<C>("Is3D", tkEnumeration, &C::Is3D, &C::SetIs3D),
      CellPicture("KeepAspectRatio", poKeepAspectRatio),
      Published<C>("MaskName", tkLString, &C::MaskName, &C::SetMaskName),
      Published<C>("ParentCombo", tkEnumeration, &C::ParentCombo, &C::SetParentCombo),
      Published<C>("ParentFont", tkEnumeration, &C::ParentFont, &C::SetParentFont),
      Published<C>("ReadOnly", tkEnumeration, &C::ReadOnly, &C::SetReadOnly),
      CellPicture("ShrinkPicture", poShrink),
      Published<C>("SpinIncrement", tkFloat, &C::SpinIncrement, &C::SetSpinIncrement),
      Published<C>("SpinOptions", tkSet, &C::SpinOptions, &C::SetSpinOptions),
      CellPicture("StretchPicture", poStretch),
      Published<C>("VertAlignment", tkEnumeration, &C::VertAlignment, &C::SetVertAlignment),
      Published<C>("WordWrap", tkEnumeration, &C::WordWrap, &C::SetWordWrap),
  };
  return list;
}

}  // namespace grid
