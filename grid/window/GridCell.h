#pragma once
// TtsCell: the attributes of one cell by data column and data row. Reading gives the cell's own
// value or the default (no error outside the grid); writing checks the indexes ("Column index %d
// out of range", "Row index %d out of range") and keeps a record only while a value is set.

#include "grid/model/Attributes.h"
#include "grid/model/CellValue.h"
#include "grid/model/Combo.h"
#include "grid/model/PublishedProperties.h"

#include "platform/Font.h"

namespace grid {

class TtsBaseGrid;
class TtsCellElement;

class TtsCell {
 public:
  TtsCell(TtsBaseGrid& grid, int dataCol, int dataRow) : grid_(grid), col_(dataCol), row_(dataRow) {}

  int DataCol() const { return col_; }
  int DataRow() const { return row_; }
  bool HasRecord() const { return Element() != nullptr; }

  // Changing the control type drops a stored value whose kind does not suit the new type.
  TtsControlType ControlType() const;
  void SetControlType(TtsControlType type);
  platform::TColor Color() const;
  void SetColor(platform::TColor color);
  TAlignment Alignment() const;
  void SetAlignment(TAlignment alignment);
  bool Align() const;
  void SetAlign(bool align);
  TtsHorzAlignment HorzAlignment() const;
  void SetHorzAlignment(TtsHorzAlignment alignment);
  TtsVertAlignment VertAlignment() const;
  void SetVertAlignment(TtsVertAlignment alignment);
  bool Is3D() const;
  void SetIs3D(bool on);
  TtsReadOnly ReadOnly() const;
  void SetReadOnly(TtsReadOnly readOnly);
  TtsWordWrap WordWrap() const;
  void SetWordWrap(TtsWordWrap wrap);
  TtsButtonType ButtonType() const;
  void SetButtonType(TtsButtonType type);
  TtsDropDownStyle DropDownStyle() const;
  void SetDropDownStyle(TtsDropDownStyle style);
  std::string MaskName() const;
  void SetMaskName(const std::string& name);
  TtsSpinOptions SpinOptions() const;
  void SetSpinOptions(TtsSpinOptions options);
  double SpinIncrement() const;
  void SetSpinIncrement(double increment);
  // The cell's own font (none while it follows its row, column or grid). Leaving ParentFont keeps
  // the font the cell is drawn with, which then no longer follows the others.
  const platform::TFont* Font() const;
  void SetFont(const platform::TFont& font);
  bool ParentFont() const;
  void SetParentFont(bool on);
  // Whether the cell keeps a copy of the font it inherits (false without an element).
  bool KeepFontCopy() const;
  void SetKeepFontCopy(bool on);
  TtsDrawOption Picture(TtsPictureOption option) const;
  void SetPicture(TtsPictureOption option, TtsDrawOption value);
  TtsDateTimeDefComponent* DateTimeDef() const;
  void SetDateTimeDef(TtsDateTimeDefComponent* definition);
  // The cell's own combo: made by the grid, a copy of another, or none.
  TtsCombo* Combo() const;
  void SetCombo(const TtsCombo* combo);
  void MakeCombo();
  bool ParentCombo() const;
  void SetParentCombo(bool on);

  // Every published property but the font, then the combo, then ParentFont and the cell's own
  // font when it keeps one.
  void Assign(const TtsCell& source);
  // The published properties, in the order the stream writes them.
  static std::span<const TtsPublishedProperty<TtsCell>> PublishedProperties();

 private:
  const TtsCellElement* Element() const;
  TtsCellElement* MutableElement();
  void Set(TtsPropId id, const TtsCellValue& value, int subIndex = 0);
  void CheckCell() const;

  TtsBaseGrid& grid_;
  int col_;
  int row_;
};

}  // namespace grid
