#include "grid/model/CellProps.h"

#include "grid/model/GridModel.h"
#include "grid/model/GridUnitRoutines.h"
#include "grid/model/ValueRoutines.h"

namespace grid {

TtsCellElement::TtsCellElement(TtsGridModel& grid, int dataCol, int dataRow)
    : grid_(grid), dataCol_(dataCol), dataRow_(dataRow)
{
}

TtsCellElement::~TtsCellElement()
{
  grid_.DateTimeLinkRemove(attr_.DateTimeDef);
  if (grid_.Destroying())
    return;
  if (combo_)
    grid_.Services().CloseComboDropDown(*combo_);
  grid_.Services().DropDateTimeStateFor(attr_.DateTimeDef);
}

void TtsCellElement::SetDateTimeDef(TtsDateTimeDefComponent* definition)
{
  TtsDateTimeDefComponent* const old = attr_.DateTimeDef;
  if (definition == old)
    return;
  grid_.Services().DropDateTimeStateFor(old);
  grid_.ReplaceDateTimeDef(attr_.DateTimeDef, definition);
}

void TtsCellElement::ForgetDateTimeDef(const TtsDateTimeDefComponent& definition) { attr_.Forget(definition); }

void TtsCellElement::MakeCombo()
{
  if (combo_)
    return;
  grid_.MakeOwnCombo(combo_, attr_);
  if (dataCol_ >= 1 && dataCol_ <= grid_.Cols())
    combo_->SetDefaultColWidth(grid_.Col(dataCol_).Width() + 10);
}

void TtsCellElement::SetCombo(const TtsCombo* combo)
{
  if (combo == combo_.get())
    return;
  if (!combo) {
    RemoveCombo();
    return;
  }
  MakeCombo();
  combo_->Assign(*combo);
  grid_.Services().ComboChanged(*combo_, grid_.CurrentDataCol() == dataCol_ && grid_.CurrentDataRow() == dataRow_);
}

void TtsCellElement::RemoveCombo()
{
  if (!combo_)
    return;
  grid_.Services().CloseComboDropDown(*combo_);
  combo_.reset();
}

TtsCompareResult TtsCellElement::CompareKeys(TtsSetKey key) const
{
  // Keys are (data column, data row); cells order by row first.
  if (key.size() < 2)
    return TtsCompareResult::crEqual;
  const std::int64_t swapped[] = {key[1], key[0]};
  const std::int64_t fields[] = {dataRow_, dataCol_};
  return CompareKeyFields(swapped, fields);
}

TtsCompareResult TtsCellElement::CompareElement(const TtsSetElement& other) const
{
  const auto& cell = static_cast<const TtsCellElement&>(other);
  const std::int64_t key[] = {cell.dataCol_, cell.dataRow_};
  return CompareKeys(key);
}

TtsCellValue TtsCellElement::GetProp(TtsPropId id, int subIndex) const
{
  switch (id) {
    case piColor:
      return int(attr_.Color);
    case piFont:
      return font_ ? 1 : 0;
    case piParentFont:
      return attr_.ParentFont;
    case piAlignment:
      return int(attr_.Alignment);
    case piAlign:
      return attr_.Align;
    case piHorzAlignment:
      return int(attr_.HorzAlignment);
    case piVertAlignment:
      return int(attr_.VertAlignment);
    case piIs3D:
      return attr_.Is3D;
    case piReadOnly:
      return attr_.ReadOnly;
    case piWordWrap:
      return int(attr_.WordWrap);
    case piButtonType:
      return int(attr_.ButtonType);
    case piDropDownStyle:
      return int(DropDownStyle());
    case piCellReadOnly:
      return int(cellReadOnly_);
    case piMaskName:
      return attr_.MaskName;
    case piCombo:
      return combo_ ? 1 : 0;
    case piParentCombo:
      return attr_.ParentCombo;
    case piPictures:
      return subIndex >= 1 && subIndex <= 4 ? TtsCellValue(int(attr_.Pictures[std::size_t(subIndex - 1)])) : TtsCellValue();
    case piControlType:
      return int(attr_.ControlType);
    case piSpinOptions:
      return int(attr_.SpinOptions);
    case piSpinIncrement:
      return attr_.SpinIncrement;
    case piDateTimeDef:
      return attr_.DateTimeDef ? 1 : 0;
    default:
      return {};
  }
}

void TtsCellElement::SetProp(TtsPropId id, const TtsCellValue& value, int subIndex)
{
  switch (id) {
    case piColor:
      attr_.Color = platform::TColor(value.AsInteger());
      break;
    case piFont:
      if (value.AsInteger() == 0)
        SetFont(nullptr);
      break;
    case piParentFont:
      SetParentFont(value.AsBoolean());
      break;
    case piAlignment:
      attr_.SetLegacyAlignment(TAlignment(value.AsInteger()), attr_.Align);
      break;
    case piAlign:
      attr_.SetLegacyAlignment(attr_.Alignment, value.AsBoolean());
      break;
    case piHorzAlignment:
      attr_.SetHorzAlignment(TtsHorzAlignment(value.AsInteger()));
      break;
    case piVertAlignment:
      attr_.VertAlignment = TtsVertAlignment(value.AsInteger());
      break;
    case piIs3D:
      attr_.Is3D = value.AsBoolean();
      break;
    case piReadOnly:
      attr_.ReadOnly = value.AsBoolean();
      break;
    case piWordWrap:
      attr_.WordWrap = TtsWordWrap(value.AsInteger());
      break;
    case piButtonType:
      attr_.ButtonType = TtsButtonType(value.AsInteger());
      if (attr_.ButtonType == btDateTimeDropDown || attr_.ButtonType == btDateTimePopup)
        grid_.Services().DropDateTimeState();
      if (attr_.ButtonType == btCombo)
        grid_.Services().EnsureCombo();
      break;
    case piDropDownStyle:
      attr_.DropDownStyle = TtsDropDownStyle(value.AsInteger());
      if (combo_)
        combo_->SetDropDownStyle(attr_.DropDownStyle);
      break;
    case piCellReadOnly:
      cellReadOnly_ = TtsReadOnly(value.AsInteger());
      break;
    case piMaskName:
      attr_.MaskName = value.AsString();
      break;
    case piParentCombo:
      if (value.AsBoolean())
        RemoveCombo();
      attr_.ParentCombo = value.AsBoolean();
      break;
    case piCombo:
      if (value.AsInteger() == 0)
        RemoveCombo();
      break;
    case piPictures:
      if (subIndex >= 1 && subIndex <= 4)
        attr_.Pictures[std::size_t(subIndex - 1)] = TtsDrawOption(value.AsInteger());
      break;
    case piControlType:
      attr_.ControlType = TtsControlType(value.AsInteger());
      break;
    case piSpinOptions:
      attr_.SpinOptions = TtsSpinOptions(value.AsInteger());
      break;
    case piSpinIncrement:
      attr_.SpinIncrement = value.AsDouble();
      break;
    case piDateTimeDef:
      if (value.AsInteger() == 0)
        SetDateTimeDef(nullptr);
      break;
    default:
      break;
  }
}

void TtsCellElement::CopyOwnFont(const platform::TFont& source)
{
  ++fontLock_;
  if (!font_) {
    font_ = std::make_unique<platform::TFont>();
    font_->OnChange = [this] {
      if (fontLock_ == 0)
        OwnFontChanged();
    };
  }
  font_->Assign(source);
  fontLock_ = fontLock_ > 0 ? fontLock_ - 1 : 0;
}

void TtsCellElement::OwnFontChanged()
{
  attr_.ParentFont = false;
  grid_.RepaintCell(grid_.DisplayColOf(dataCol_), grid_.DisplayRowOf(dataRow_));
}

void TtsCellElement::SetFont(const platform::TFont* font)
{
  if (font)
    CopyOwnFont(*font);
  else
    font_.reset();
  attr_.ParentFont = !font_;
}

void TtsCellElement::SetParentFont(bool on)
{
  if (on == attr_.ParentFont)
    return;
  attr_.ParentFont = on;
  if (!on)
    CopyOwnFont(grid_.Font);  // the grid's font, not the row's or column's
  else if (attr_.KeepFontCopy && font_)
    CopyOwnFont(grid_.Font);
  else
    font_.reset();
}

void TtsCellElement::RenewFontCopy()
{
  if (attr_.ParentFont && font_) {
    CopyOwnFont(grid_.ResolveFont(dataCol_, dataRow_));  // the row's or column's by DrawOverlap, else the grid's
  }
}

bool TtsCellElement::IsDefault() const
{
  return !font_ && !combo_ && cellReadOnly_ == roDefault && attr_ == TtsAttributes();
}

void TtsCellElement::CopyFrom(const TtsCellElement& source)
{
  dataCol_ = source.dataCol_;
  dataRow_ = source.dataRow_;
  const bool keep = attr_.KeepFontCopy;
  TtsDateTimeDefComponent* const definition = attr_.DateTimeDef;
  attr_ = source.attr_;
  attr_.KeepFontCopy = keep;
  attr_.DateTimeDef = definition;
  SetDateTimeDef(source.attr_.DateTimeDef);
  SetCombo(source.combo_.get());
  attr_.ParentCombo = source.attr_.ParentCombo;
  cellReadOnly_ = source.cellReadOnly_;
  if (source.font_ && !source.attr_.ParentFont)
    CopyOwnFont(*source.font_);
}

TtsCellElement* TtsCellPropSet::Find(int dataCol, int dataRow) const
{
  if (cache_.Valid && cache_.Col == dataCol && cache_.Row == dataRow)
    return cache_.Element;
  TtsCellElement* element = nullptr;
  if (grid_.MayHaveCellProps(dataCol, dataRow)) {
    const std::int64_t key[] = {dataCol, dataRow};
    element = static_cast<TtsCellElement*>(TtsObjectSet::Find(key));
  }
  cache_ = {true, dataCol, dataRow, element};
  return element;
}

TtsCellElement& TtsCellPropSet::InsertElement(int dataCol, int dataRow)
{
  cache_.Valid = false;
  auto* element = static_cast<TtsCellElement*>(Add(std::make_unique<TtsCellElement>(grid_, dataCol, dataRow)));
  grid_.IndexCellProps(dataCol, dataRow);
  return *element;
}

void TtsCellPropSet::RemoveElement(int dataCol, int dataRow)
{
  cache_.Valid = false;
  grid_.UnindexCellProps(dataCol, dataRow);
  const std::int64_t key[] = {dataCol, dataRow};
  Remove(key);
}

void TtsCellPropSet::IndexAll(bool add)
{
  const auto list = ToList();
  for (int i = 1; i <= list.Count(); ++i) {
    const auto* element = static_cast<const TtsCellElement*>(list.Get(i));
    if (add)
      grid_.IndexCellProps(element->DataCol(), element->DataRow());
    else
      grid_.UnindexCellProps(element->DataCol(), element->DataRow());
  }
}

void TtsCellPropSet::Clear()
{
  cache_.Valid = false;
  IndexAll(false);
  TtsObjectSet::Clear();
}

void TtsCellPropSet::MoveElement(int fromCol, int fromRow, int toCol, int toRow)
{
  const TtsCellElement* source = Find(fromCol, fromRow);
  if (!source || Find(toCol, toRow))
    return;
  TtsCellElement& target = InsertElement(toCol, toRow);
  target.CopyFrom(*source);
  target.Renumber(toCol, toRow);
  target.SetKeepFontCopy(source->Attributes().KeepFontCopy);
  RemoveElement(fromCol, fromRow);
}

void TtsCellPropSet::RemoveIfDefault(int dataCol, int dataRow)
{
  const TtsCellElement* element = Find(dataCol, dataRow);
  if (element && element->IsDefault())
    RemoveElement(dataCol, dataRow);
}

bool TtsCellPropSet::SetProp(int dataCol, int dataRow, TtsPropId id, const TtsCellValue& value, int subIndex,
                             bool repaint)
{
  TtsCellElement* element = Find(dataCol, dataRow);
  const TtsCellValue present = element ? element->GetProp(id, subIndex) : PropertyDefault(id);
  if (SameValueLoose(present, value))
    return false;
  if (element) {
    element->SetProp(id, value, subIndex);
    if (SameValueLoose(value, PropertyDefault(id)))
      RemoveIfDefault(dataCol, dataRow);
  } else {
    InsertElement(dataCol, dataRow).SetProp(id, value, subIndex);
  }
  if (id == piMaskName) {
    if (grid_.CurrentDataCol() == dataCol && grid_.CurrentDataRow() == dataRow)
      grid_.RefreshEditor();
    return true;
  }
  if (repaint)
    AfterChange(dataCol, dataRow, id);
  return true;
}

void TtsCellPropSet::AfterChange(int dataCol, int dataRow, TtsPropId id)
{
  if (grid_.Services().Updating() || dataCol < 0 || dataCol > grid_.Cols() || dataRow < 0 || dataRow > grid_.Rows())
    return;
  const int displayCol = grid_.DisplayColOf(dataCol);
  const int displayRow = grid_.DisplayRowOf(dataRow);
  static constexpr TtsPropMask paintTested = PropBit(piColor) | PropBit(piFont) | PropBit(piAlign) |
                                             PropBit(piAlignment) | PropBit(piWordWrap) | PropBit(piParentFont) |
                                             PropBit(piPictures);
  bool done = true;
  if (HasProp(paintTested, id))
    done = grid_.RepaintCell(displayCol, displayRow);
  else
    grid_.InvalidateCell(displayCol, displayRow);
  if (done && grid_.CurrentDisplayCol() == displayCol && grid_.CurrentDisplayRow() == displayRow)
    grid_.RefreshEditor();
}

void TtsCellPropSet::SetKeepFontCopy(int dataCol, int dataRow, bool on)
{
  TtsCellElement* element = Find(dataCol, dataRow);
  if (on == (element && element->Attributes().KeepFontCopy))
    return;
  if (!element)
    element = &InsertElement(dataCol, dataRow);
  element->SetKeepFontCopy(on);
  if (on) {
    grid_.KeepCopyCells().Add(dataCol, dataRow);
    return;
  }
  grid_.KeepCopyCells().Remove(dataCol, dataRow);
  if (element->Attributes().ParentFont)
    element->SetFont(nullptr);
  RemoveIfDefault(dataCol, dataRow);
}

void TtsCellPropSet::SetDateTimeDef(int dataCol, int dataRow, TtsDateTimeDefComponent* definition)
{
  TtsCellElement* element = Find(dataCol, dataRow);
  if (definition == (element ? element->Attributes().DateTimeDef : nullptr))
    return;
  if (!element)
    element = &InsertElement(dataCol, dataRow);
  element->SetDateTimeDef(definition);
  if (!definition)
    RemoveIfDefault(dataCol, dataRow);
}

void TtsCellPropSet::SetCombo(int dataCol, int dataRow, const TtsCombo* combo)
{
  TtsCellElement* element = Find(dataCol, dataRow);
  if (!combo && (!element || !element->Combo()))
    return;
  if (!element)
    element = &InsertElement(dataCol, dataRow);
  element->SetCombo(combo);
  if (!combo)
    RemoveIfDefault(dataCol, dataRow);
}

void TtsCellPropSet::MakeCombo(int dataCol, int dataRow)
{
  TtsCellElement* element = Find(dataCol, dataRow);
  if (element && element->Combo())
    return;
  if (!element)
    element = &InsertElement(dataCol, dataRow);
  try {
    element->MakeCombo();
  } catch (...) {
    RemoveIfDefault(dataCol, dataRow);  // no combo made: no element left for it
    throw;
  }
  if (grid_.CurrentDataCol() == dataCol && grid_.CurrentDataRow() == dataRow)
    grid_.Services().DropComboState(false);
}

void TtsCellPropSet::ForgetDateTimeDef(const TtsDateTimeDefComponent& definition)
{
  const auto list = ToList();
  for (int i = 1; i <= list.Count(); ++i)
    static_cast<TtsCellElement*>(list.Get(i))->ForgetDateTimeDef(definition);
}

void TtsCellPropSet::Reset(int dataCol, int dataRow, TtsPropMask mask, bool repaint)
{
  struct Step {
    TtsPropId id;
    int subIndex;
  };
  static constexpr Step steps[] = {
      {piColor, 0},        {piFont, 0},          {piIs3D, 0},         {piAlign, 0},           {piAlignment, 0},
      {piHorzAlignment, 0}, {piVertAlignment, 0}, {piReadOnly, 0},     {piWordWrap, 0},        {piButtonType, 0},
      {piDropDownStyle, 0}, {piCellReadOnly, 0},  {piParentFont, 0},   {piCombo, 0},           {piParentCombo, 0},
      {piPictures, 1},      {piPictures, 2},      {piPictures, 3},     {piPictures, 4},        {piControlType, 0},
      {piSpinOptions, 0},   {piSpinIncrement, 0}, {piDateTimeDef, 0},  {piMaskName, 0},        {piSelected, 0},
  };
  for (const Step& step : steps) {
    if (!HasProp(mask, step.id))
      continue;
    if (!Find(dataCol, dataRow))
      return;  // it became default and went
    const bool ask = repaint && step.id != piDateTimeDef;
    if (SetProp(dataCol, dataRow, step.id, PropertyDefault(step.id), step.subIndex, ask) && ask)
      repaint = false;
  }
}

void TtsCellPropSet::ResetAll(TtsPropMask mask, bool repaint)
{
  if (mask == 0)
    return;
  std::vector<std::pair<int, int>> cells;
  const auto list = ToList();
  for (int i = 1; i <= list.Count(); ++i) {
    const auto* element = static_cast<const TtsCellElement*>(list.Get(i));
    cells.emplace_back(element->DataCol(), element->DataRow());
  }
  for (const auto& [col, row] : cells)
    Reset(col, row, mask, repaint);
}

void TtsCellPropSet::Assign(const TtsCellPropSet& source)
{
  cache_.Valid = false;
  IndexAll(false);
  AssignTree(source);
  IndexAll(true);
}

std::unique_ptr<TtsSetElement> TtsCellPropSet::CloneElement(const TtsSetElement& source) const
{
  const auto& cell = static_cast<const TtsCellElement&>(source);
  auto copy = std::make_unique<TtsCellElement>(grid_, cell.DataCol(), cell.DataRow());
  copy->CopyFrom(cell);
  return copy;
}

}  // namespace grid
