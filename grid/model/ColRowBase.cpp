#include "grid/model/ColRowBase.h"

#include "grid/model/GridModel.h"

namespace grid {

namespace {

template <class T>
bool Change(T& field, const T& value)
{
  if (field == value)
    return false;
  field = value;
  return true;
}

}  // namespace

TtsColRowBase::~TtsColRowBase()
{
  grid_.DateTimeLinkRemove(attr_.DateTimeDef);
  if (grid_.Destroying())
    return;
  if (combo_) {
    grid_.Services().CloseComboDropDown(*combo_);
    grid_.Services().DropComboState(false);
  }
  grid_.Services().DropDateTimeStateFor(attr_.DateTimeDef);
}

void TtsColRowBase::RefreshEditorIfCurrent()
{
  if (HoldsCurrentCell())
    grid_.RefreshEditor();
}

void TtsColRowBase::RepaintAndRefresh()
{
  if (Repaint())
    RefreshEditorIfCurrent();
}

void TtsColRowBase::SetColor(platform::TColor color)
{
  if (Change(attr_.Color, color))
    RepaintAndRefresh();
}

void TtsColRowBase::SetHorzAlignment(TtsHorzAlignment alignment)
{
  if (alignment == attr_.HorzAlignment)
    return;
  attr_.SetHorzAlignment(alignment);
  RepaintAndRefresh();
}

void TtsColRowBase::SetAlignment(TAlignment alignment)
{
  if (alignment == attr_.Alignment)
    return;
  attr_.SetLegacyAlignment(alignment, attr_.Align);
  RepaintAndRefresh();
}

void TtsColRowBase::SetAlign(bool align)
{
  if (align == attr_.Align)
    return;
  attr_.SetLegacyAlignment(attr_.Alignment, align);
  RepaintAndRefresh();
}

void TtsColRowBase::SetVertAlignment(TtsVertAlignment alignment)
{
  if (Change(attr_.VertAlignment, alignment))
    RepaintAndRefresh();
}

void TtsColRowBase::SetWordWrap(TtsWordWrap wrap)
{
  if (Change(attr_.WordWrap, wrap))
    RepaintAndRefresh();
}

void TtsColRowBase::SetIs3D(bool on)
{
  if (!Change(attr_.Is3D, on))
    return;
  Invalidate();
  RefreshEditorIfCurrent();
}

void TtsColRowBase::SetReadOnly(bool on)
{
  if (!Change(attr_.ReadOnly, on))
    return;
  Invalidate();
  PlaceCurrentCell();
}

void TtsColRowBase::SetButtonType(TtsButtonType type)
{
  if (grid_.IsComboGrid || !Change(attr_.ButtonType, type))
    return;
  if (type == btCombo)
    grid_.Services().EnsureCombo();
  Invalidate();
  if (!HoldsCurrentCell())
    return;
  grid_.RefreshEditor();
  if (type == btDateTimeDropDown || type == btDateTimePopup)
    grid_.Services().DropDateTimeState();
}

void TtsColRowBase::SetDropDownStyle(TtsDropDownStyle style)
{
  if (style == DropDownStyle())
    return;
  attr_.DropDownStyle = style;
  if (combo_)
    combo_->SetDropDownStyle(style);
  RefreshEditorIfCurrent();
}

void TtsColRowBase::SetControlType(TtsControlType type)
{
  if (type == attr_.ControlType)
    return;
  const bool current = HoldsCurrentCell();
  if (current)
    grid_.InvalidateCell(grid_.CurrentDisplayCol(), grid_.CurrentDisplayRow());
  attr_.ControlType = type;
  Invalidate();
  if (current)
    RefreshEditorIfCurrent();
  RecheckStoredValues();
}

void TtsColRowBase::SetMaskName(const std::string& name)
{
  if (Change(attr_.MaskName, name))
    RefreshEditorIfCurrent();
}

void TtsColRowBase::SetPicture(TtsPictureOption option, TtsDrawOption value)
{
  if (Change(attr_.Pictures[std::size_t(option - 1)], value))
    Repaint();
}

void TtsColRowBase::SetDateTimeDef(TtsDateTimeDefComponent* definition)
{
  TtsDateTimeDefComponent* const old = attr_.DateTimeDef;
  if (definition == old)
    return;
  if (HoldsCurrentCell())
    grid_.Services().DropDateTimeState();
  else
    grid_.Services().DropDateTimeStateFor(old);
  grid_.ReplaceDateTimeDef(attr_.DateTimeDef, definition);
  RefreshEditorIfCurrent();
}

void TtsColRowBase::ForgetDateTimeDef(const TtsDateTimeDefComponent& definition) { attr_.Forget(definition); }

void TtsColRowBase::SetParentCombo(bool on)
{
  if (on)
    RemoveCombo();
  attr_.ParentCombo = on;
}

void TtsColRowBase::MakeCombo()
{
  if (combo_)
    return;
  grid_.MakeOwnCombo(combo_, attr_);
  ComboMade(*combo_);
  if (HoldsCurrentCell())
    grid_.Services().DropComboState(false);
}

void TtsColRowBase::CloseComboOnRemove(TtsCombo& combo) { grid_.Services().CloseComboDropDown(combo); }

void TtsColRowBase::RemoveCombo()
{
  if (!combo_)
    return;
  if (HoldsCurrentCell())
    grid_.RefreshEditor();
  CloseComboOnRemove(*combo_);
  combo_.reset();
}

void TtsColRowBase::SetCombo(const TtsCombo* combo)
{
  if (grid_.IsComboGrid || (combo && combo == combo_.get()))
    return;
  if (!combo) {
    RemoveCombo();
    return;
  }
  MakeCombo();
  combo_->Assign(*combo);
  grid_.Services().ComboChanged(*combo_, HoldsCurrentCell());
}

void TtsColRowBase::CopyOwnFont(std::unique_ptr<platform::TFont>& target, const platform::TFont& source)
{
  ++fontLock_;
  if (!target) {
    target = std::make_unique<platform::TFont>();
    AttachFontNotice(target, &target != &font_);
  }
  target->Assign(source);
  fontLock_ = fontLock_ > 0 ? fontLock_ - 1 : 0;
}

void TtsColRowBase::AttachFontNotice(std::unique_ptr<platform::TFont>& font, bool heading)
{
  font->OnChange = [this, heading] {
    if (fontLock_ == 0)
      OwnFontChanged(heading);
  };
}

void TtsColRowBase::OwnFontChanged(bool)
{
  attr_.ParentFont = false;
  RepaintAndRefresh();
  grid_.RenewCellFontCopies();
}

platform::TFont* TtsColRowBase::ReadFont(std::unique_ptr<platform::TFont>& font, bool parentFont,
                                         const platform::TFont& source)
{
  if (parentFont && grid_.WritingStream)
    return nullptr;  // the stream holds no inherited font
  if (!font && (grid_.ReadingStream || attr_.KeepFontCopy)) {
    CopyOwnFont(font, source);
    return font.get();
  }
  if (!font || !parentFont || attr_.KeepFontCopy || grid_.ReadingStream)
    return font.get();
  font.reset();
  return nullptr;
}

platform::TFont* TtsColRowBase::Font() { return ReadFont(font_, attr_.ParentFont, grid_.Font); }

void TtsColRowBase::SetFont(const platform::TFont* font)
{
  if (font && font == font_.get())
    return;
  if (font)
    CopyOwnFont(font_, *font);
  else
    font_.reset();
  attr_.ParentFont = !font_;
  RepaintAndRefresh();
}

bool TtsColRowBase::SwitchParentFont(std::unique_ptr<platform::TFont>& font, bool on, const platform::TFont& source)
{
  if (!on) {
    CopyOwnFont(font, source);  // looks the same: nothing to repaint
    return false;
  }
  if (attr_.KeepFontCopy && font)
    CopyOwnFont(font, source);
  else
    font.reset();
  return true;
}

void TtsColRowBase::SetParentFont(bool on)
{
  if (on == attr_.ParentFont)
    return;
  attr_.ParentFont = on;
  if (SwitchParentFont(font_, on, grid_.Font))
    RepaintAndRefresh();
}

void TtsColRowBase::RenewFontCopy()
{
  if (attr_.ParentFont && font_)
    CopyOwnFont(font_, grid_.Font);
}

void TtsColRowBase::CopyAttributes(const TtsColRowBase& source)
{
  const TtsAttributes& from = source.attr_;
  TtsDateTimeDefComponent* const definition = from.DateTimeDef;
  TtsDateTimeDefComponent* const definitionBefore = attr_.DateTimeDef;
  const TtsButtonType button = from.ButtonType;
  const bool keep = attr_.KeepFontCopy;
  const bool parentFont = attr_.ParentFont;
  attr_ = from;
  attr_.KeepFontCopy = keep;
  attr_.ParentFont = parentFont;
  attr_.ButtonType = btDefault;
  attr_.DateTimeDef = nullptr;
  grid_.DateTimeLinkRemove(definitionBefore);
  SetButtonType(button);
  SetDateTimeDef(definition);
  SetCombo(source.combo_.get());
  if (from.ParentFont) {
    attr_.ParentFont = true;
    if (font_)
      CopyOwnFont(font_, grid_.Font);
  } else {
    attr_.ParentFont = false;
    if (source.font_)
      CopyOwnFont(font_, *source.font_);
  }
}

void TtsColRowBase::ResetAttributes(std::uint32_t mask)
{
  if (HasProp(mask, piColor))
    SetColor(platform::clNone);
  if (HasProp(mask, piFont))
    SetFont(nullptr);
  if (HasProp(mask, piIs3D))
    SetIs3D(false);
  if (HasProp(mask, piAlign))
    SetAlign(false);
  if (HasProp(mask, piAlignment))
    SetAlignment(taLeftJustify);
  if (HasProp(mask, piHorzAlignment))
    SetHorzAlignment(htaDefault);
  if (HasProp(mask, piVertAlignment))
    SetVertAlignment(vtaDefault);
  if (HasProp(mask, piReadOnly))
    SetReadOnly(false);
  if (HasProp(mask, piWordWrap))
    SetWordWrap(wwDefault);
  if (HasProp(mask, piMaskName))
    SetMaskName({});
  if (HasProp(mask, piButtonType))
    SetButtonType(btDefault);
  if (HasProp(mask, piCombo))
    RemoveCombo();
  if (HasProp(mask, piParentCombo))
    SetParentCombo(true);
  if (HasProp(mask, piPictures)) {
    for (TtsPictureOption option : {poStretch, poShrink, poCenter, poKeepAspectRatio})
      SetPicture(option, dopDefault);
  }
  if (HasProp(mask, piSpinOptions))
    attr_.SpinOptions = kAllSpinOptions;
  if (HasProp(mask, piSpinIncrement))
    attr_.SpinIncrement = 1.0;
  if (HasProp(mask, piDateTimeDef))
    SetDateTimeDef(nullptr);
}

bool TtsColRowBase::IsAttributeDefault() const { return !font_ && !combo_ && attr_ == TtsAttributes(); }

}  // namespace grid
