// The published properties of columns and rows, in the order the stream writes them.

#include "grid/model/Col.h"
#include "grid/model/PublishedProperties.h"
#include "grid/model/Row.h"

namespace grid {

namespace {

using B = TtsColRowBase;

template <class T>
TtsPublishedProperty<T> PictureProperty(const char* name, TtsPictureOption option)
{
  return {name, tkEnumeration, [option](T& to, const T& from) { to.SetPicture(option, from.Picture(option)); },
          [option](const T& object) { return ToStreamValue(object.Picture(option)); },
          [option](T& object, const TtsStreamValue& value) {
            object.SetPicture(option, FromStreamValue<TtsDrawOption>(value));
          }};
}

// The font a column or row holds of its own; none while it follows the grid's.
template <class T>
TtsPublishedProperty<T> FontProperty()
{
  return {"Font", tkClass, [](T& to, const T& from) { to.SetFont(from.ParentFont() ? nullptr : from.OwnFont()); }};
}

}  // namespace

std::span<const TtsPublishedProperty<TtsCol>> TtsCol::PublishedProperties()
{
  using C = TtsCol;
  static const std::vector<TtsPublishedProperty<C>> list = {
      Published<C>("AllowGrayed", tkEnumeration, &C::AllowGrayed, &C::SetAllowGrayed),
      Published<C>("ButtonType", tkEnumeration, &B::ButtonType, &B::SetButtonType),
      Published<C>("CheckBoxValues", tkLString, &C::CheckBoxValues, &C::SetCheckBoxValues),
      Published<C>("DateTimeDef", tkClass, &B::DateTimeDef, &B::SetDateTimeDef),
      PictureProperty<C>("CenterPicture", poCenter),
      Published<C>("Color", tkInteger, &B::Color, &B::SetColor),
      Published<C>("ControlType", tkEnumeration, &B::ControlType, &B::SetControlType),
      Published<C>("DisplayCol", tkInteger, &C::DisplayCol, &C::SetDisplayCol),
      Published<C>("DropDownStyle", tkEnumeration, &B::DropDownStyle, &B::SetDropDownStyle),
      Published<C>("FieldName", tkLString, &C::FieldName, &C::SetFieldName),
      FontProperty<C>(),
      Published<C>("Heading", tkLString, &C::HeadingWithMarks, &C::SetHeading),
      Published<C>("HeadingButton", tkEnumeration, &C::HeadingButton, &C::SetHeadingButton),
      {"HeadingFont", tkClass,
       [](C& to, const C& from) { to.SetHeadingFont(from.HeadingParentFont() ? nullptr : from.OwnHeadingFont()); }},
      Published<C>("HeadingHorzAlignment", tkEnumeration, &C::HeadingHorzAlignment, &C::SetHeadingHorzAlignment),
      Published<C>("HeadingParentFont", tkEnumeration, &C::HeadingParentFont, &C::SetHeadingParentFont),
      Published<C>("HeadingVertAlignment", tkEnumeration, &C::HeadingVertAlignment, &C::SetHeadingVertAlignment),
      Published<C>("HeadingWordWrap", tkEnumeration, &C::HeadingWordWrap, &C::SetHeadingWordWrap),
      Published<C>("HeadingColor", tkInteger, &C::HeadingColor, &C::SetHeadingColor),
      Published<C>("Is3D", tkEnumeration, &B::Is3D, &B::SetIs3D),
      PictureProperty<C>("KeepAspectRatio", poKeepAspectRatio),
      Published<C>("MaskName", tkLString, &B::MaskName, &B::SetMaskName),
      Published<C>("MaxLength", tkInteger, &C::MaxLength, &C::SetMaxLength),
      Published<C>("ParentCombo", tkEnumeration, &B::ParentCombo, &B::SetParentCombo),
      Published<C>("ParentFont", tkEnumeration, &B::ParentFont, &B::SetParentFont),
      Published<C>("ReadOnly", tkEnumeration, &B::ReadOnly, &B::SetReadOnly),
      PictureProperty<C>("ShrinkPicture", poShrink),
      Published<C>("SortPicture", tkEnumeration, &C::SortPicture, &C::SetSortPicture),
      Published<C>("SpinIncrement", tkFloat, &B::SpinIncrement, &B::SetSpinIncrement),
      Published<C>("SpinOptions", tkSet, &B::SpinOptions, &B::SetSpinOptions),
      PictureProperty<C>("StretchPicture", poStretch),
      Published<C>("HorzAlignment", tkEnumeration, &B::HorzAlignment, &B::SetHorzAlignment),
      Published<C>("VertAlignment", tkEnumeration, &B::VertAlignment, &B::SetVertAlignment),
      Published<C>("Visible", tkEnumeration, &C::Visible, &C::SetVisible),
      Published<C>("Width", tkInteger, &C::Width, &C::SetWidth),
      Published<C>("WordWrap", tkEnumeration, &B::WordWrap, &B::SetWordWrap),
  };
  return list;
}

std::span<const TtsPublishedProperty<TtsRow>> TtsRow::PublishedProperties()
{
  using R = TtsRow;
  static const std::vector<TtsPublishedProperty<R>> list = {
      Published<R>("ButtonType", tkEnumeration, &B::ButtonType, &B::SetButtonType),
      Published<R>("DateTimeDef", tkClass, &B::DateTimeDef, &B::SetDateTimeDef),
      PictureProperty<R>("CenterPicture", poCenter),
      Published<R>("Color", tkInteger, &B::Color, &B::SetColor),
      Published<R>("ControlType", tkEnumeration, &B::ControlType, &B::SetControlType),
      Published<R>("DisplayRow", tkInteger, &R::DisplayRow, &R::SetDisplayRow),
      Published<R>("DropDownStyle", tkEnumeration, &B::DropDownStyle, &B::SetDropDownStyle),
      FontProperty<R>(),
      Published<R>("Height", tkInteger, &R::Height, &R::SetHeight),
      Published<R>("HorzAlignment", tkEnumeration, &B::HorzAlignment, &B::SetHorzAlignment),
      Published<R>("Is3D", tkEnumeration, &B::Is3D, &B::SetIs3D),
      PictureProperty<R>("KeepAspectRatio", poKeepAspectRatio),
      Published<R>("MaskName", tkLString, &B::MaskName, &B::SetMaskName),
      Published<R>("ParentCombo", tkEnumeration, &B::ParentCombo, &B::SetParentCombo),
      Published<R>("ParentFont", tkEnumeration, &B::ParentFont, &B::SetParentFont),
      Published<R>("ReadOnly", tkEnumeration, &B::ReadOnly, &B::SetReadOnly),
      PictureProperty<R>("ShrinkPicture", poShrink),
      Published<R>("SpinIncrement", tkFloat, &B::SpinIncrement, &B::SetSpinIncrement),
      Published<R>("SpinOptions", tkSet, &B::SpinOptions, &B::SetSpinOptions),
      PictureProperty<R>("StretchPicture", poStretch),
      Published<R>("VertAlignment", tkEnumeration, &B::VertAlignment, &B::SetVertAlignment),
      Published<R>("Visible", tkEnumeration, &R::Visible, &R::SetVisible),
      Published<R>("WordWrap", tkEnumeration, &B::WordWrap, &B::SetWordWrap),
  };
  return list;
}

}  // namespace grid
