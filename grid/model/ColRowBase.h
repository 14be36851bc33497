#pragma once
// What columns and rows share: the attributes they set for their cells, their own fonts with the
// lock that tells the object's own copies from a caller's changes, and the setters of the shared
// attributes. A column repaints its column, a row its row.

#include "grid/model/Attributes.h"
#include "grid/model/Combo.h"

#include "platform/Font.h"

#include <memory>

namespace grid {

class TtsGridModel;

class TtsColRowBase {
 public:
  explicit TtsColRowBase(TtsGridModel& grid) : grid_(grid) {}
  TtsColRowBase(const TtsColRowBase&) = delete;
  TtsColRowBase& operator=(const TtsColRowBase&) = delete;
  // Lets go of its date-time definition and of its combo (which the grid stops showing).
  virtual ~TtsColRowBase();

  TtsGridModel& Grid() const { return grid_; }
  const TtsAttributes& Attributes() const { return attr_; }

  platform::TColor Color() const { return attr_.Color; }
  void SetColor(platform::TColor color);
  TAlignment Alignment() const { return attr_.Alignment; }
  void SetAlignment(TAlignment alignment);
  bool Align() const { return attr_.Align; }
  void SetAlign(bool align);
  TtsHorzAlignment HorzAlignment() const { return attr_.HorzAlignment; }
  void SetHorzAlignment(TtsHorzAlignment alignment);
  TtsVertAlignment VertAlignment() const { return attr_.VertAlignment; }
  void SetVertAlignment(TtsVertAlignment alignment);
  TtsWordWrap WordWrap() const { return attr_.WordWrap; }
  void SetWordWrap(TtsWordWrap wrap);
  bool Is3D() const { return attr_.Is3D; }
  void SetIs3D(bool on);
  bool ReadOnly() const { return attr_.ReadOnly; }
  void SetReadOnly(bool on);
  TtsButtonType ButtonType() const { return attr_.ButtonType; }
  void SetButtonType(TtsButtonType type);
  // The own combo's style while there is one.
  TtsDropDownStyle DropDownStyle() const { return combo_ ? combo_->DropDownStyle() : attr_.DropDownStyle; }
  void SetDropDownStyle(TtsDropDownStyle style);
  TtsControlType ControlType() const { return attr_.ControlType; }
  void SetControlType(TtsControlType type);
  const std::string& MaskName() const { return attr_.MaskName; }
  void SetMaskName(const std::string& name);
  TtsDrawOption Picture(TtsPictureOption option) const { return attr_.Picture(option); }
  void SetPicture(TtsPictureOption option, TtsDrawOption value);
  TtsSpinOptions SpinOptions() const { return attr_.SpinOptions; }
  void SetSpinOptions(TtsSpinOptions options) { attr_.SpinOptions = options; }
  double SpinIncrement() const { return attr_.SpinIncrement; }
  void SetSpinIncrement(double increment) { attr_.SpinIncrement = increment; }
  bool SpinIncrementStored() const { return attr_.SpinIncrement != 1.0; }
  TtsDateTimeDefComponent* DateTimeDef() const { return attr_.DateTimeDef; }
  // Moves the reference at the grid's date-time link from the old definition to the new one.
  void SetDateTimeDef(TtsDateTimeDefComponent* definition);
  // The definition is going away: the field lets go of it, nothing else happens.
  void ForgetDateTimeDef(const TtsDateTimeDefComponent& definition);
  bool ParentCombo() const { return attr_.ParentCombo; }
  void SetParentCombo(bool on);  // on removes the own combo
  // The own combo: made by the grid (which raises the grid error when it makes none), taking
  // this object's drop-down style; SetCombo copies a combo into it, none removes it.
  TtsCombo* Combo() const { return combo_.get(); }
  // The stream holds the combo only for a combo cell that has one.
  bool ComboStored() const { return combo_ && attr_.ButtonType == btCombo; }
  void MakeCombo();
  void SetCombo(const TtsCombo* combo);
  void RemoveCombo();

  // Fonts. Font() follows the reading rules: it may make or free the own font.
  platform::TFont* Font();
  const platform::TFont* OwnFont() const { return font_.get(); }
  void SetFont(const platform::TFont* font);
  bool ParentFont() const { return attr_.ParentFont; }
  void SetParentFont(bool on);
  bool KeepFontCopy() const { return attr_.KeepFontCopy; }
  virtual void SetKeepFontCopy(bool on) = 0;
  // Renews a font that follows the grid's from the grid's font.
  void RenewFontCopy();

 protected:
  // Effects on the cells of this column or row.
  virtual void Invalidate() = 0;
  virtual bool Repaint() = 0;  // false when the request was dropped
  virtual bool HoldsCurrentCell() const = 0;
  // A new own combo takes what the column or row gives it besides the style.
  virtual void ComboMade(TtsCombo& /*combo*/) {}
  // Closes the drop-down when it shows the own combo about to go.
  virtual void CloseComboOnRemove(TtsCombo& combo);
  // After a read-only change: the current cell finds the column (row) it may stand in.
  virtual void PlaceCurrentCell() = 0;
  // Drops the stored values of this column (row) that no longer suit their control type.
  virtual void RecheckStoredValues() = 0;
  void RefreshEditorIfCurrent();
  void RepaintAndRefresh();

  void CopyAttributes(const TtsColRowBase& source);
  // Puts the attributes that a mask names back to their defaults (shared rows of the reset table).
  void ResetAttributes(std::uint32_t mask);
  bool IsAttributeDefault() const;

  // Copies the font as the object's own, not as a caller's change.
  void CopyOwnFont(std::unique_ptr<platform::TFont>& target, const platform::TFont& source);
  // The reading rules of a font that follows `source` while parentFont holds: it may be made or freed.
  platform::TFont* ReadFont(std::unique_ptr<platform::TFont>& font, bool parentFont, const platform::TFont& source);
  // A parent-font switch: off copies the source (no repaint); on renews a kept copy or frees the
  // font. Answers whether the look may have changed.
  bool SwitchParentFont(std::unique_ptr<platform::TFont>& font, bool on, const platform::TFont& source);
  void AttachFontNotice(std::unique_ptr<platform::TFont>& font, bool heading);
  virtual void OwnFontChanged(bool heading);

  TtsAttributes attr_;
  std::unique_ptr<platform::TFont> font_;
  int fontLock_ = 0;
  std::unique_ptr<TtsCombo> combo_;

 private:
  TtsGridModel& grid_;
};

}  // namespace grid
