// Resolution of cell attributes: the cell, then its row and column in DrawOverlap order, then the
// grid. Data column 0 (the row bar) and data row 0 (the heading row) take the heading attributes.

#include "grid/model/GridModel.h"

namespace grid {

namespace {

const TtsAttributes kUnset;

}  // namespace

const TtsAttributes& TtsGridModel::RowLevel(int dataRow) const
{
  const TtsRow* row = RowAt(dataRow);
  return row ? row->Attributes() : kUnset;
}

TtsGridModel::Levels TtsGridModel::OverlapLevels(int dataCol, int dataRow) const
{
  const TtsCol* col = ColAt(dataCol);
  const TtsAttributes* rowLevel = &RowLevel(dataRow);
  const TtsAttributes* colLevel = col ? &col->Attributes() : &kUnset;
  if (Level.DrawOverlap == doDrawRowOnTop)
    return {rowLevel, colLevel};
  return {colLevel, rowLevel};
}

TtsControlType TtsGridModel::ResolveControlType(int dataCol, int dataRow) const
{
  if (dataCol < 1 || dataCol > cols_ || dataRow < 1 || dataRow > RowCount() - 1)
    return ctNone;
  if (const TtsCellElement* cell = Element(dataCol, dataRow); cell && cell->Attributes().ControlType != ctDefault)
    return cell->Attributes().ControlType;
  const Levels levels = OverlapLevels(dataCol, dataRow);
  for (const TtsAttributes* level : {levels.first, levels.second}) {
    if (level->ControlType != ctDefault)
      return level->ControlType;
  }
  return ctText;
}

platform::TColor TtsGridModel::ResolveColor(int dataCol, int dataRow, bool is3D) const
{
  if (IsFixedCell(dataCol, dataRow)) {
    const TtsCol* col = dataCol > 0 ? ColAt(dataCol) : nullptr;
    return col && col->HeadingColor() != platform::clNone ? col->HeadingColor() : Level.HeadingColor;
  }
  if (const TtsCellElement* cell = Element(dataCol, dataRow); cell && cell->Attributes().Color != platform::clNone)
    return cell->Attributes().Color;
  const Levels levels = OverlapLevels(dataCol, dataRow);
  for (const TtsAttributes* level : {levels.first, levels.second}) {
    if (level->Color != platform::clNone)
      return level->Color;
  }
  if (Level.Color != platform::clNone && Level.Color != platform::clWindow)
    return Level.Color;
  return is3D ? platform::clBtnFace : Level.Color;
}

const platform::TFont& TtsGridModel::ResolveFont(int dataCol, int dataRow) const
{
  if (IsFixedCell(dataCol, dataRow)) {
    const TtsCol* col = dataCol > 0 ? ColAt(dataCol) : nullptr;
    return col && col->OwnHeadingFont() ? *col->OwnHeadingFont() : HeadingFont;
  }
  if (const TtsCellElement* cell = Element(dataCol, dataRow);
      cell && cell->OwnFont() && !cell->Attributes().ParentFont)
    return *cell->OwnFont();
  const TtsRow* row = RowAt(dataRow);
  const TtsCol* col = ColAt(dataCol);
  const TtsColRowBase* first = Level.DrawOverlap == doDrawRowOnTop ? static_cast<const TtsColRowBase*>(row) : col;
  const TtsColRowBase* second = Level.DrawOverlap == doDrawRowOnTop ? static_cast<const TtsColRowBase*>(col) : row;
  for (const TtsColRowBase* level : {first, second}) {
    if (level && level->OwnFont() && !level->ParentFont())
      return *level->OwnFont();
  }
  return Font;
}

TtsHorzAlignment TtsGridModel::ResolveHorzAlignment(int dataCol, int dataRow) const
{
  const TtsCol* col = ColAt(dataCol);
  TtsHorzAlignment result = htaDefault;
  if (IsFixedCell(dataCol, dataRow)) {
    result = col ? col->HeadingHorzAlignment() : htaDefault;
    if (result == htaDefault)
      result = Level.HeadingHorzAlignment;
  } else {
    const TtsCellElement* cell = Element(dataCol, dataRow);
    result = cell ? cell->Attributes().HorzAlignment : htaDefault;
    const Levels levels = OverlapLevels(dataCol, dataRow);
    for (const TtsAttributes* level : {levels.first, levels.second}) {
      if (result == htaDefault)
        result = level->HorzAlignment;
    }
    // The column's legacy alignment counts when it is right or centre.
    if (result == htaDefault && col && col->Alignment() != taLeftJustify)
      result = ToHorzAlignment(col->Alignment(), true);
  }
  if (result == htaDefault)
    result = Level.HorzAlignment;
  return result == htaDefault ? htaLeft : result;
}

TtsVertAlignment TtsGridModel::ResolveVertAlignment(int dataCol, int dataRow) const
{
  TtsVertAlignment result = vtaDefault;
  if (IsFixedCell(dataCol, dataRow)) {
    const TtsCol* col = dataCol > 0 ? ColAt(dataCol) : nullptr;
    result = col ? col->HeadingVertAlignment() : vtaDefault;
    if (result == vtaDefault)
      result = Level.HeadingVertAlignment;
  } else {
    const TtsCellElement* cell = Element(dataCol, dataRow);
    result = cell ? cell->Attributes().VertAlignment : vtaDefault;
    const Levels levels = OverlapLevels(dataCol, dataRow);
    for (const TtsAttributes* level : {levels.first, levels.second}) {
      if (result == vtaDefault)
        result = level->VertAlignment;
    }
  }
  if (result == vtaDefault)
    result = Level.VertAlignment;
  return result == vtaDefault ? vtaTop : result;
}

TtsWordWrap TtsGridModel::ResolveWordWrap(int dataCol, int dataRow) const
{
  if (IsFixedCell(dataCol, dataRow)) {
    const TtsCol* col = dataCol > 0 ? ColAt(dataCol) : nullptr;
    return col && col->HeadingWordWrap() != wwDefault ? col->HeadingWordWrap() : Level.HeadingWordWrap;
  }
  if (const TtsCellElement* cell = Element(dataCol, dataRow); cell && cell->Attributes().WordWrap != wwDefault)
    return cell->Attributes().WordWrap;
  const Levels levels = OverlapLevels(dataCol, dataRow);
  for (const TtsAttributes* level : {levels.first, levels.second}) {
    if (level->WordWrap != wwDefault)
      return level->WordWrap;
  }
  return Level.WordWrap;
}

bool TtsGridModel::ResolveIs3D(int dataCol, int dataRow) const
{
  if (IsFixedCell(dataCol, dataRow))
    return Level.Heading3D;
  if (Level.Is3D)
    return true;
  const Levels levels = OverlapLevels(dataCol, dataRow);
  if (levels.first->Is3D || levels.second->Is3D)
    return true;
  const TtsCellElement* cell = Element(dataCol, dataRow);
  return cell && cell->Attributes().Is3D;
}

bool TtsGridModel::IsCellReadOnly(int dataCol, int dataRow) const
{
  if (dataCol < 1 || dataCol > cols_ || dataRow < 1 || dataRow > rows_)
    return false;
  if (Level.GridMode != gmEdit && Level.GridMode != gmEditInsert)
    return true;
  if (const TtsCellElement* cell = Element(dataCol, dataRow); cell && cell->CellReadOnly() != roDefault)
    return cell->CellReadOnly() == roOn;
  const TtsRow* row = RowAt(dataRow);
  return Level.ReadOnly || Col(dataCol).ReadOnly() || (row && row->ReadOnly());
}

TtsButtonType TtsGridModel::ResolveButtonType(int dataCol, int dataRow, TtsDropDownStyle& style) const
{
  style = ddDropDown;
  if (dataCol < 1 || dataCol > cols_ || dataRow < 1 || dataRow > RowCount() - 1)
    return btNone;
  if (!Level.ReadOnlyButton && IsCellReadOnly(dataCol, dataRow))
    return btNone;
  const TtsCellElement* cell = Element(dataCol, dataRow);
  const Levels levels = OverlapLevels(dataCol, dataRow);
  for (const TtsAttributes* level : {cell ? &cell->Attributes() : &kUnset, levels.first, levels.second}) {
    if (level->ButtonType != btDefault) {
      style = level->DropDownStyle;
      return level->ButtonType;
    }
  }
  return btNone;
}

TtsSpinOptions TtsGridModel::ResolveSpinOptions(int dataCol, int dataRow) const
{
  const TtsCellElement* cell = Element(dataCol, dataRow);
  const Levels levels = OverlapLevels(dataCol, dataRow);
  for (const TtsAttributes* level : {cell ? &cell->Attributes() : &kUnset, levels.first, levels.second}) {
    if (IsSpinButton(level->ButtonType))
      return level->SpinOptions;
  }
  return 0;
}

double TtsGridModel::ResolveSpinIncrement(int dataCol, int dataRow) const
{
  const TtsCellElement* cell = Element(dataCol, dataRow);
  const Levels levels = OverlapLevels(dataCol, dataRow);
  for (const TtsAttributes* level : {cell ? &cell->Attributes() : &kUnset, levels.first, levels.second}) {
    if (IsSpinButton(level->ButtonType))
      return level->SpinIncrement;
  }
  return 0;
}

TtsDrawOption TtsGridModel::ResolvePicture(int dataCol, int dataRow, TtsPictureOption option) const
{
  if (IsFixedCell(dataCol, dataRow))
    return dopDefault;
  const TtsCellElement* cell = Element(dataCol, dataRow);
  const Levels levels = OverlapLevels(dataCol, dataRow);
  for (const TtsAttributes* level : {cell ? &cell->Attributes() : &kUnset, levels.first, levels.second}) {
    if (level->Picture(option) != dopDefault)
      return level->Picture(option);
  }
  return dopDefault;
}

std::string TtsGridModel::ResolveMaskName(int dataCol, int dataRow) const
{
  if (dataCol < 1 || dataCol > cols_ || dataRow < 1 || dataRow > rows_)
    return {};
  const TtsCellElement* cell = Element(dataCol, dataRow);
  const Levels levels = OverlapLevels(dataCol, dataRow);
  for (const TtsAttributes* level : {cell ? &cell->Attributes() : &kUnset, levels.first, levels.second}) {
    if (!level->MaskName.empty())
      return level->MaskName;
  }
  return {};
}

std::string TtsGridModel::ResolveCheckBoxValues(int dataCol, int) const
{
  const TtsCol* col = ColAt(dataCol);
  return col && !col->CheckBoxValues().empty() ? col->CheckBoxValues() : Level.CheckBoxValues;
}

bool TtsGridModel::HasHeadingButton(int displayCol) const
{
  const TtsCol* col = ColAt(DataColOf(displayCol));
  const TtsColHeadingButton button = col ? col->HeadingButton() : cbGrid;
  return button == cbButton || (button == cbGrid && Level.HeadingButton == hbButton);
}

bool TtsGridModel::HeadingIsButton(int displayCol) const
{
  const TtsCol* col = ColAt(DataColOf(displayCol));
  const TtsColHeadingButton button = col ? col->HeadingButton() : cbGrid;
  return button == cbCell || (button == cbGrid && Level.HeadingButton == hbCell);
}

TtsCombo* TtsGridModel::ResolveCombo(int dataCol, int dataRow) const
{
  if (dataCol < 1 || dataCol > cols_ || dataRow < 1 || dataRow > RowCount() - 1)
    return nullptr;
  if (const TtsCellElement* cell = Element(dataCol, dataRow); cell && cell->Attributes().ButtonType == btCombo) {
    if (!cell->Attributes().ParentCombo || Designing)
      return cell->Combo();
  }
  const TtsColRowBase* row = RowAt(dataRow);
  const TtsColRowBase* col = ColAt(dataCol);
  const TtsColRowBase* first = Level.DrawOverlap == doDrawRowOnTop ? row : col;
  const TtsColRowBase* second = first == row ? col : row;
  auto isCombo = [](const TtsColRowBase* level) { return level && level->ButtonType() == btCombo; };
  if (isCombo(first) && (!first->ParentCombo() || Designing))
    return first->Combo();
  if (isCombo(second))
    return second->Combo();
  return nullptr;
}

int TtsGridModel::ResolveHorzAlignmentCode(int dataCol, int dataRow) const
{
  switch (ResolveHorzAlignment(dataCol, dataRow)) {
    case htaRight:
      return 1;
    case htaCenter:
      return 2;
    default:
      return 0;
  }
}

int TtsGridModel::CheckedCell(int dataCol, const TtsCellValue& dataRow) const
{
  if (dataCol < 1 || dataCol > cols_)
    GridError("Column index " + std::to_string(dataCol) + " out of range");
  const int row = dataRow.AsInteger();
  if (row < 1 || row > RowCount() - 1)
    GridError("Row index " + std::to_string(row) + " out of range");
  return row;
}

TtsControlType TtsGridModel::CellControlType(int dataCol, const TtsCellValue& dataRow) const
{
  return ResolveControlType(dataCol, CheckedCell(dataCol, dataRow));
}

TtsCombo* TtsGridModel::CellCombo(int dataCol, const TtsCellValue& dataRow) const
{
  return ResolveCombo(dataCol, CheckedCell(dataCol, dataRow));
}

}  // namespace grid
