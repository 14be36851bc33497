#pragma once
// Per-cell properties: one element for each cell that sets an attribute of its own, kept in one
// ordered set keyed by (data row, data column) and removed as soon as it holds only defaults.

#include "grid/model/Attributes.h"
#include "grid/model/CellValue.h"
#include "grid/model/Combo.h"
#include "grid/model/ObjectSet.h"

#include "platform/Font.h"

#include <memory>

namespace grid {

class TtsGridModel;

class TtsCellElement : public TtsSetElement {
 public:
  TtsCellElement(TtsGridModel& grid, int dataCol, int dataRow);
  // Lets go of its date-time definition and of its combo (which the grid stops showing).
  ~TtsCellElement() override;

  int DataCol() const { return dataCol_; }
  int DataRow() const { return dataRow_; }
  const TtsAttributes& Attributes() const { return attr_; }
  TtsReadOnly CellReadOnly() const { return cellReadOnly_; }
  const platform::TFont* OwnFont() const { return font_.get(); }
  TtsCombo* Combo() const { return combo_.get(); }
  // The stream holds the combo only for a combo cell that has one.
  bool ComboStored() const { return combo_ && attr_.ButtonType == btCombo; }
  TtsDropDownStyle DropDownStyle() const { return combo_ ? combo_->DropDownStyle() : attr_.DropDownStyle; }

  // A property by identifier (sub-index for the picture options); empty for one it doesn't hold.
  TtsCellValue GetProp(TtsPropId id, int subIndex = 0) const;
  void SetProp(TtsPropId id, const TtsCellValue& value, int subIndex = 0);
  void SetFont(const platform::TFont* font);
  void SetKeepFontCopy(bool on) { attr_.KeepFontCopy = on; }
  // Moves the reference at the grid's date-time link; ForgetDateTimeDef lets go of one that goes.
  void SetDateTimeDef(TtsDateTimeDefComponent* definition);
  void ForgetDateTimeDef(const TtsDateTimeDefComponent& definition);
  // The own combo (made by the grid, taking the element's style), a copy of another, or none.
  void MakeCombo();
  void SetCombo(const TtsCombo* combo);
  void RenewFontCopy();
  bool IsDefault() const;
  void CopyFrom(const TtsCellElement& source);  // coordinates included
  void Renumber(int dataCol, int dataRow)
  {
    dataCol_ = dataCol;
    dataRow_ = dataRow;
  }

  TtsCompareResult CompareElement(const TtsSetElement& other) const override;
  TtsCompareResult CompareKeys(TtsSetKey key) const override;

 private:
  void SetParentFont(bool on);
  void CopyOwnFont(const platform::TFont& source);
  void OwnFontChanged();
  void RemoveCombo();

  TtsGridModel& grid_;
  int dataCol_;
  int dataRow_;
  TtsAttributes attr_;
  TtsReadOnly cellReadOnly_ = roDefault;
  std::unique_ptr<platform::TFont> font_;
  int fontLock_ = 0;
  std::unique_ptr<TtsCombo> combo_;
};

class TtsCellPropSet : public TtsObjectSet {
 public:
  explicit TtsCellPropSet(TtsGridModel& grid) : grid_(grid) {}

  // The element of a cell, or none. The last cell looked up is remembered until an element comes
  // or goes; a column or row without elements answers at once.
  TtsCellElement* Find(int dataCol, int dataRow) const;
  // Sets a property of a cell: no element is made for a default value, and an element that holds
  // only defaults afterwards is removed. Answers whether the value changed.
  bool SetProp(int dataCol, int dataRow, TtsPropId id, const TtsCellValue& value, int subIndex = 0, bool repaint = true);
  void SetKeepFontCopy(int dataCol, int dataRow, bool on);
  // Properties that a cell value can't carry: the definition and the combo (none removes them).
  void SetDateTimeDef(int dataCol, int dataRow, TtsDateTimeDefComponent* definition);
  void SetCombo(int dataCol, int dataRow, const TtsCombo* combo);
  void MakeCombo(int dataCol, int dataRow);
  void ForgetDateTimeDef(const TtsDateTimeDefComponent& definition);
  // Every property the mask names back to its default; the cell repainted at most once.
  void Reset(int dataCol, int dataRow, TtsPropMask mask, bool repaint = true);
  void ResetAll(TtsPropMask mask, bool repaint = true);
  void Assign(const TtsCellPropSet& source);
  void Clear();
  // Removes the element of a cell (with its index entries).
  void RemoveElement(int dataCol, int dataRow);
  // Gives a cell's element to another (free) cell, index entries included.
  void MoveElement(int fromCol, int fromRow, int toCol, int toRow);

 protected:
  std::unique_ptr<TtsSetElement> CloneElement(const TtsSetElement& source) const override;

 private:
  TtsCellElement& InsertElement(int dataCol, int dataRow);
  void RemoveIfDefault(int dataCol, int dataRow);
  void AfterChange(int dataCol, int dataRow, TtsPropId id);
  void IndexAll(bool add);

  TtsGridModel& grid_;
  struct Cache {
    bool Valid = false;
    int Col = 0;
    int Row = 0;
    TtsCellElement* Element = nullptr;
  };
  mutable Cache cache_;
};

}  // namespace grid
