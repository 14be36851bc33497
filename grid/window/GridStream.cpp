// Whole-grid saves and loads: the grid's settings, its column, row and cell collections and its
// stored values as named values of the grid stream, to memory, a file or a registry value.

#include "grid/window/Grid.h"
#include "grid/dropdown/ComboStream.h"
#include "grid/window/GridCell.h"
#include "grid/window/GridStreamSettings.h"
#include "grid/model/StreamValues.h"

#include "platform/AtomicFile.h"
#include "platform/TextFile.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <functional>

namespace grid {

namespace {

// What an item's references are resolved against: date-time definitions by name, among those the
// grid used before the load (there is no other place to find a definition by its name), and
// whether own combos may be read (not in a combo's list, whose cells have none).
struct StreamReferences {
  bool CombosAllowed = true;
  std::vector<TtsDateTimeDefComponent*> Definitions;

  void Add(TtsDateTimeDefComponent* definition)
  {
    if (definition && !definition->Name().empty() &&
        std::find(Definitions.begin(), Definitions.end(), definition) == Definitions.end())
      Definitions.push_back(definition);
  }
  // The definition a "<name>" value names; none for a name the grid didn't use.
  TtsDateTimeDefComponent* Definition(const TtsStreamValue& value) const
  {
    const std::string name = CheckedStreamText(value);
    for (TtsDateTimeDefComponent* definition : Definitions) {
      if (SameTextIgnoringCase(definition->Name(), name))
        return definition;
    }
    return nullptr;
  }
};

}  // namespace

struct TtsBaseGrid::StreamLoad {
  bool MatchByDataCol = true;
  TtsPropKinds Kinds = 0;
  TtsPropMask Filter = kAllProperties;
  StreamReferences References;
  std::vector<int> ColumnMap;  // by stream data column - 1, when matched by field name
  std::unique_ptr<TtsGrid> Scratch;  // takes the items of columns the grid lacks
};

namespace {

// Counts and sizes a stream may give: the "Data" stream's limits.
constexpr int kMaxStreamCols = 1 << 16;
constexpr int kMaxStreamRows = 1 << 20;
constexpr int kMaxStreamSize = 1 << 16;
// Own combos a stream may carry: each is a grid of its own, so a damaged stream must not make
// thousands of them.
constexpr std::size_t kMaxStreamCombos = 1024;

int CheckedNumber(const TtsStreamValue& value, int last) { return CheckedStreamNumber(value, 0, last); }

// The properties of an object that differ from a new one's, each named "Prefix.Name".
template <class T>
void AddChangedProperties(TtsStreamItem& item, const char* prefix, const T& object, const T& fresh,
                          std::initializer_list<const char*> skipped = {})
{
  for (const TtsPublishedProperty<T>& property : T::PublishedProperties()) {
    if (!property.Get ||
        std::any_of(skipped.begin(), skipped.end(), [&](const char* name) { return SameTextIgnoringCase(name, property.Name); }))
      continue;
    TtsStreamValue value = property.Get(object);
    if (value != property.Get(fresh))
      item.emplace_back(std::string(prefix) + "." + property.Name, std::move(value));
  }
}

// An own font as "<prefix>.*" values.
void AddOwnFont(TtsStreamItem& item, const char* prefix, const platform::TFont* font)
{
  if (font)
    AddFontValues(item, prefix, *font);
}

// The font of "<prefix>.*" values, starting from the grid's; none when the item holds none.
std::unique_ptr<platform::TFont> ReadOwnFont(const TtsStreamItem& item, const char* prefix,
                                             const platform::TFont& gridFont)
{
  auto font = std::make_unique<platform::TFont>();
  font->Assign(gridFont);
  if (!ReadFontValues(item, prefix, *font))
    return nullptr;
  return font;
}

// Applies the "Prefix.Name" values of an item to an object; names it doesn't publish are skipped.
template <class T>
void ApplyProperties(const TtsStreamItem& item, const std::string& prefix, T& object)
{
  for (const auto& [name, value] : item) {
    if (name.size() <= prefix.size() + 1 || !SameTextIgnoringCase(name.substr(0, prefix.size() + 1), prefix + "."))
      continue;
    const std::string property = name.substr(prefix.size() + 1);
    for (const TtsPublishedProperty<T>& published : T::PublishedProperties()) {
      if (!published.Set || !SameTextIgnoringCase(published.Name, property))
        continue;
      CheckPropertyValue(property, published.Get(object), value);
      published.Set(object, value);
    }
  }
}

// An own combo in its stream form, when the object stores one.
template <class T>
void AddOwnCombo(TtsStreamItem& item, const char* name, const T& object)
{
  if (!object.ComboStored())
    return;
  std::string bytes = ComboStreamBytes(*object.Combo());
  if (!bytes.empty())
    item.emplace_back(name, std::move(bytes));
}

// The own combo of an item's "<name>" value made on the object and read into it.
template <class T>
void ReadOwnCombo(const TtsStreamItem& item, const char* name, T& object, bool allowed)
{
  const TtsStreamValue* value = FindStreamValue(item, name);
  if (!value)
    return;
  const std::string* bytes = std::get_if<std::string>(value);
  if (!bytes || !allowed)
    throw EReadError();
  object.MakeCombo();
  if (!object.Combo())
    throw EReadError();
  ReadComboStream(*object.Combo(), std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
}

// The own combos that the items of a stream carry.
std::size_t CountCombos(const std::vector<TtsStreamEntry>& entries)
{
  std::size_t count = 0;
  for (const TtsStreamEntry& entry : entries)
    for (const TtsStreamItem& item : entry.Items)
      for (const auto& [name, value] : item)
        count += name.size() > 6 && SameTextIgnoringCase(name.substr(name.size() - 6), ".Combo");
  return count;
}

// The named definitions a grid uses: its own, its columns', rows' and cells'.
void CollectDefinitions(const TtsGridModel& model, StreamReferences& references)
{
  references.Add(model.DateTimeDef());
  for (int c = 1; c <= model.Cols(); ++c)
    references.Add(model.Col(c).DateTimeDef());
  for (int r = 1; r <= model.Rows(); ++r) {
    if (const TtsRow* row = model.GridRows().At(r))
      references.Add(row->DateTimeDef());
    for (int c = 1; c <= model.Cols(); ++c) {
      if (const TtsCellElement* element = model.CellProps().Find(c, r))
        references.Add(element->Attributes().DateTimeDef);
    }
  }
}

// A definition by its name, when it has one.
void AddDefinitionName(TtsStreamItem& item, const char* name, const TtsDateTimeDefComponent* definition)
{
  if (definition && !definition->Name().empty())
    item.emplace_back(name, definition->Name());
}

// The definition an item's "<name>" value names, set on the object.
template <class T>
void ReadDefinitionName(const TtsStreamItem& item, const char* name, T& object, const StreamReferences& references)
{
  if (const TtsStreamValue* value = FindStreamValue(item, name))
    object.SetDateTimeDef(references.Definition(*value));
}

// A column's properties, its own fonts, its definition and its own combo.
void ApplyColItem(const TtsStreamItem& item, TtsCol& col, const platform::TFont& gridFont,
                  const StreamReferences& references)
{
  ApplyProperties(item, "Col", col);
  if (const auto font = ReadOwnFont(item, "Col.Font", gridFont))
    col.SetFont(font.get());
  if (const auto font = ReadOwnFont(item, "Col.HeadingFont", gridFont))
    col.SetHeadingFont(font.get());
  ReadDefinitionName(item, "Col.DateTimeDef", col, references);
  ReadOwnCombo(item, "Col.Combo", col, references.CombosAllowed);
}

std::int32_t RequiredNumber(const TtsStreamItem& item, const char* name)
{
  const TtsStreamValue* value = FindStreamValue(item, name);
  if (!value || !std::holds_alternative<std::int32_t>(*value))
    throw EReadError();
  return std::get<std::int32_t>(*value);
}

TtsStreamValue MaskText(TtsPropMask mask)
{
  std::string text(4, '\0');
  for (int i = 0; i < 4; ++i)
    text[std::size_t(i)] = char((mask >> (8 * i)) & 0xFF);
  return text;
}

constexpr TtsPropMask kAlignmentBits = 0x100000C0;

}  // namespace

void TtsBaseGrid::SaveGridToStream(TtsByteWriter& stream, TtsPropKinds kinds, TtsPropMask properties, bool saveData)
{
  properties &= kAllProperties;
  if (properties & kAlignmentBits)
    properties |= kAlignmentBits;
  const bool allProperties = properties == kAllProperties;

  TtsGridStreamWriter writer;
  writer.WriteValue("SavePropKinds", std::int32_t(kinds & kAllPropKinds));
  writer.WriteValue("SaveData", saveData);
  writer.WriteValue("Properties", MaskText(properties));
  writer.WriteValue("AllProperties", allProperties);
  writer.WriteValue("ResetProps", true);

  if (HasPropKind(kinds, pkGrid))
    writer.WriteBinary("Grid", WriteStreamItem(GridSettingsItem(*this)));

  // A filtered save writes from a copy whose properties outside the filter are at their defaults.
  std::unique_ptr<TtsGrid> clone;
  TtsBaseGrid* source = this;
  if (!allProperties) {
    clone = std::make_unique<TtsGrid>();
    clone->Assign(*this);
    const TtsPropMask others = kAllProperties & ~properties;
    if (HasPropKind(kinds, pkCols)) {
      for (int c = 1; c <= clone->Cols(); ++c)
        clone->model_.Col(c).Reset(others);
    }
    if (HasPropKind(kinds, pkRows)) {
      for (int r = 1; r <= clone->Rows(); ++r)
        clone->model_.ChangeRow(r, [others](TtsRow& row) { row.Reset(others); });
    }
    if (HasPropKind(kinds, pkCells))
      clone->model_.CellProps().ResetAll(others, false);
    source = clone.get();
  }
  TtsBaseGrid& from = *source;

  if (HasPropKind(kinds, pkCols))
    writer.WriteValue("Cols", std::int32_t(from.Cols()));
  if (HasPropKind(kinds, pkRows) && !HasPropKind(kinds, pkGrid))
    writer.WriteValue("Rows", std::int32_t(from.Rows()));
  if (HasPropKind(kinds, pkCols) && !HasPropKind(kinds, pkGrid) && HasProp(properties, piColWidth))
    writer.WriteValue("DefaultColWidth", std::int32_t(from.DefaultColWidth()));
  if (HasPropKind(kinds, pkRows) && !HasPropKind(kinds, pkGrid) && HasProp(properties, piRowHeight))
    writer.WriteValue("DefaultRowHeight", std::int32_t(from.DefaultRowHeight()));

  // Items carry the published values that differ from a new object's, own fonts and own combos.
  TtsGrid fresh;  // the defaults of every column, row and cell
  if (HasPropKind(kinds, pkCols)) {
    std::vector<int> order(std::size_t(from.Cols()));
    for (int c = 1; c <= from.Cols(); ++c)
      order[std::size_t(c - 1)] = c;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return from.DisplayColOfData(a) < from.DisplayColOfData(b); });
    std::vector<TtsStreamItem> items;
    for (int c : order) {
      const TtsCol& col = from.model_.Col(c);
      const int displayCol = from.DisplayColOfData(c);
      if (col.IsDefault() && displayCol == c)
        continue;
      // Items go in display order, each placing its column in turn.
      TtsStreamItem item{{"DataCol", std::int32_t(c)}, {"FieldName", col.FieldName()},
                         {"Col.DisplayCol", std::int32_t(displayCol)}};
      AddChangedProperties(item, "Col", col, fresh.model_.Col(1), {"FieldName", "DisplayCol"});
      AddOwnFont(item, "Col.Font", col.ParentFont() ? nullptr : col.OwnFont());
      AddOwnFont(item, "Col.HeadingFont", col.HeadingParentFont() ? nullptr : col.OwnHeadingFont());
      AddDefinitionName(item, "Col.DateTimeDef", col.DateTimeDef());
      AddOwnCombo(item, "Col.Combo", col);
      items.push_back(std::move(item));
    }
    writer.WriteCollection("ColProperties", items);
  }
  if (HasPropKind(kinds, pkRows)) {
    const TtsRow freshRow(fresh.model_, 1, from.DefaultRowHeight());
    std::vector<TtsStreamItem> items;
    for (int r = 1; r <= from.Rows(); ++r) {
      const TtsRow* row = from.model_.GridRows().At(r);
      const int displayRow = from.DisplayRowOfData(r);
      if (displayRow == r && (!row || row->IsDefault()))
        continue;
      TtsStreamItem item{{"DataRow", std::int32_t(r)}, {"DisplayRow", std::int32_t(displayRow)}};
      if (from.IsRowSelected(r))
        item.emplace_back("Selected", true);
      if (row) {
        AddChangedProperties(item, "Row", *row, freshRow, {"DisplayRow"});
        AddOwnFont(item, "Row.Font", row->ParentFont() ? nullptr : row->OwnFont());
        AddDefinitionName(item, "Row.DateTimeDef", row->DateTimeDef());
        AddOwnCombo(item, "Row.Combo", *row);
      }
      items.push_back(std::move(item));
    }
    writer.WriteCollection("RowProperties", items);
  }
  if (HasPropKind(kinds, pkCells)) {
    const TtsCell freshCell = fresh.CellAt(1, 1);
    std::vector<TtsStreamItem> items;
    for (int c = 1; c <= from.Cols(); ++c) {
      for (int r = 1; r <= from.model_.Rows(); ++r) {
        const TtsCellElement* element = from.model_.CellProps().Find(c, r);
        if (!element || element->IsDefault())
          continue;
        TtsStreamItem item{{"DataCol", std::int32_t(c)}, {"DataRow", std::int32_t(r)}};
        const TtsCell cell = from.CellAt(c, r);
        AddChangedProperties(item, "Cell", cell, freshCell);
        AddOwnFont(item, "Cell.Font", cell.ParentFont() ? nullptr : cell.Font());
        AddDefinitionName(item, "Cell.DateTimeDef", cell.DateTimeDef());
        AddOwnCombo(item, "Cell.Combo", *element);
        items.push_back(std::move(item));
      }
    }
    writer.WriteCollection("CellProperties", items);
  }
  if (saveData && from.store_) {
    TtsByteWriter data;
    from.store_->SaveToStream(data);
    writer.WriteBinary("Data", data.Bytes());
  }
  stream.WriteBytes(writer.Bytes());
}

void TtsBaseGrid::LoadGridFromStream(std::span<const std::uint8_t> bytes, bool matchByDataCol)
{
  const std::vector<TtsStreamEntry> entries = ReadGridStream(bytes);
  if (CountCombos(entries) > kMaxStreamCombos)
    throw EReadError();
  // Everything is read into a copy, which the grid takes only when the whole stream applied.
  TtsGrid work;
  work.Assign(*this);
  work.model_.Name = model_.Name;
  StreamLoad load;
  load.MatchByDataCol = matchByDataCol;
  load.References.CombosAllowed = !model_.IsComboGrid;
  CollectDefinitions(model_, load.References);
  work.SetLoading(true);
  for (const TtsStreamEntry& entry : entries)
    work.ApplyStreamEntry(entry, load);
  work.SetLoading(false);
  Assign(work);
}

void TtsBaseGrid::ApplyStreamEntry(const TtsStreamEntry& entry, StreamLoad& load)
{
  const std::string& name = entry.Name;
  const auto needKind = [&](TtsStreamEntryKind kind) {
    if (entry.Kind != kind)
      throw EReadError();
  };
  if (SameTextIgnoringCase(name, "SavePropKinds")) {
    load.Kinds = TtsPropKinds(FromStreamValue<std::int32_t>(entry.Value) & kAllPropKinds);
  } else if (SameTextIgnoringCase(name, "Properties")) {
    if (const std::string* text = std::get_if<std::string>(&entry.Value)) {
      load.Filter = 0;
      for (std::size_t i = 0; i < std::min<std::size_t>(4, text->size()); ++i)
        load.Filter |= TtsPropMask(std::uint8_t((*text)[i])) << (8 * i);
    } else {
      load.Filter = kAllProperties;  // an older form names the properties: all of them were saved
    }
  } else if (SameTextIgnoringCase(name, "AllProperties")) {
    if (FromStreamValue<bool>(entry.Value))
      load.Filter = kAllProperties;
  } else if (SameTextIgnoringCase(name, "ResetProps")) {
    if (FromStreamValue<bool>(entry.Value))
      ResetForStream(load);
  } else if (SameTextIgnoringCase(name, "Grid")) {
    needKind(seBinary);
    const TtsStreamItem settings = ReadStreamItem(entry.Binary);
    ApplyGridSettings(*this, settings, load.MatchByDataCol);
    if (const TtsStreamValue* definition = FindStreamValue(settings, "DateTimeDef"))
      SetDateTimeDef(load.References.Definition(*definition));
  } else if (SameTextIgnoringCase(name, "Cols")) {
    if (load.MatchByDataCol)
      SetCols(CheckedNumber(entry.Value, kMaxStreamCols));
  } else if (SameTextIgnoringCase(name, "Rows")) {
    SetRows(CheckedNumber(entry.Value, kMaxStreamRows));
  } else if (SameTextIgnoringCase(name, "DefaultColWidth")) {
    SetDefaultColWidth(CheckedNumber(entry.Value, kMaxStreamSize));
  } else if (SameTextIgnoringCase(name, "DefaultRowHeight")) {
    SetDefaultRowHeight(CheckedNumber(entry.Value, kMaxStreamSize));
  } else if (SameTextIgnoringCase(name, "ColProperties")) {
    needKind(seCollection);
    for (const TtsStreamItem& item : entry.Items)
      ReadColItem(item, load);
  } else if (SameTextIgnoringCase(name, "RowProperties")) {
    needKind(seCollection);
    for (const TtsStreamItem& item : entry.Items)
      ReadRowItem(item, load);
  } else if (SameTextIgnoringCase(name, "CellProperties")) {
    needKind(seCollection);
    for (const TtsStreamItem& item : entry.Items)
      ReadCellItem(item, load);
  } else if (SameTextIgnoringCase(name, "Data")) {
    needKind(seBinary);
    SetStoreData(true);
    TtsByteReader reader(entry.Binary);
    Tts2DStorage values;
    values.LoadFromStream(reader, load.MatchByDataCol ? nullptr : &load.ColumnMap);
    store_->Assign(values);
  }
}

void TtsBaseGrid::ResetForStream(const StreamLoad& load)
{
  if (load.Filter != kAllProperties) {
    if (HasPropKind(load.Kinds, pkCols) && load.MatchByDataCol)
      ResetColProperties(load.Filter);
    if (HasPropKind(load.Kinds, pkRows))
      ResetRowProperties(load.Filter);
    if (HasPropKind(load.Kinds, pkCells))
      ResetCellProperties(load.Filter);
    return;
  }
  TtsPropKinds kinds = load.Kinds;
  if (!load.MatchByDataCol) {
    if (kinds == PropKindBit(pkCols))
      return;
    kinds &= TtsPropKinds(~PropKindBit(pkCols));  // columns are reset as their items find them
  }
  ResetGridParts(kinds);
}

void TtsBaseGrid::ReadColItem(const TtsStreamItem& item, StreamLoad& load)
{
  const std::int32_t dataCol = RequiredNumber(item, "DataCol");
  if (load.MatchByDataCol) {
    CheckCol(dataCol);
    TtsCol& col = model_.Col(dataCol);
    if (const TtsStreamValue* fieldName = FindStreamValue(item, "FieldName"))
      col.SetFieldName(CheckedStreamText(*fieldName));
    ApplyColItem(item, col, model_.Font, load.References);
    return;
  }
  // By field name: the stored values of stream column DataCol follow the column of that name, or
  // are dropped when there is none.
  if (dataCol < 1 || std::size_t(dataCol) > std::max<std::size_t>(load.ColumnMap.size() + 1, 1u << 16))
    throw EReadError();
  const TtsStreamValue* fieldName = FindStreamValue(item, "FieldName");
  const std::string name = fieldName ? CheckedStreamText(*fieldName) : std::string();
  int found = 0;
  for (int c = 1; c <= Cols() && !found && !name.empty(); ++c) {
    if (SameTextIgnoringCase(model_.Col(c).FieldName(), name))
      found = c;
  }
  if (load.ColumnMap.size() < std::size_t(dataCol))
    load.ColumnMap.resize(std::size_t(dataCol), 0);
  load.ColumnMap[std::size_t(dataCol - 1)] = found;
  if (!found) {
    // A column the grid lacks: its properties go to a scratch grid, checked and then forgotten.
    if (!load.Scratch)
      load.Scratch = std::make_unique<TtsGrid>();
    ApplyColItem(item, load.Scratch->model_.Col(1), model_.Font, load.References);
    return;
  }
  TtsCol& col = model_.Col(found);
  col.Reset(load.Filter);
  const int displayCol = DisplayColOfData(found);
  ApplyColItem(item, col, model_.Font, load.References);
  if (DisplayColOfData(found) != displayCol)
    SetDisplayColOfData(found, displayCol);  // positions of the stream's own columns don't apply here
}

void TtsBaseGrid::ReadRowItem(const TtsStreamItem& item, const StreamLoad& load)
{
  const std::int32_t dataRow = RequiredNumber(item, "DataRow");
  const std::int32_t displayRow = RequiredNumber(item, "DisplayRow");
  if (dataRow < 1 || dataRow > Rows() || displayRow < 1 || displayRow > Rows())
    GridError("Row index " + std::to_string(dataRow < 1 || dataRow > Rows() ? dataRow : displayRow) + " out of range");
  const auto font = ReadOwnFont(item, "Row.Font", model_.Font);
  ChangeRowChecked(dataRow, [&](TtsRow& row) {
    ApplyProperties(item, "Row", row);
    if (font)
      row.SetFont(font.get());
    ReadDefinitionName(item, "Row.DateTimeDef", row, load.References);
    ReadOwnCombo(item, "Row.Combo", row, load.References.CombosAllowed);
  });
  MoveRowTo(dataRow, displayRow);
  const TtsStreamValue* selected = FindStreamValue(item, "Selected");
  if (selected && CheckedStreamFlag(*selected))
    SetRowSelected(dataRow, true);
}

void TtsBaseGrid::ReadCellItem(const TtsStreamItem& item, const StreamLoad& load)
{
  const std::int32_t dataCol = RequiredNumber(item, "DataCol");
  const std::int32_t dataRow = RequiredNumber(item, "DataRow");
  CheckCol(dataCol);
  CheckRow(dataRow);
  TtsCell cell = CellAt(dataCol, dataRow);
  ApplyProperties(item, "Cell", cell);
  if (const auto font = ReadOwnFont(item, "Cell.Font", model_.Font))
    cell.SetFont(*font);
  ReadDefinitionName(item, "Cell.DateTimeDef", cell, load.References);
  ReadOwnCombo(item, "Cell.Combo", cell, load.References.CombosAllowed);
}

void TtsBaseGrid::SaveGridToFile(const std::string& fileName, TtsPropKinds kinds, TtsPropMask properties, bool saveData)
{
  TtsByteWriter writer;
  SaveGridToStream(writer, kinds, properties, saveData);
  const auto& bytes = writer.Bytes();
  platform::WriteFileAtomic(QString::fromStdString(fileName),
                            QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
}

void TtsBaseGrid::LoadGridFromFile(const std::string& fileName, bool matchByDataCol)
{
  const QByteArray bytes = platform::ReadFileBytes(QString::fromStdString(fileName));
  LoadGridFromStream(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())),
                     matchByDataCol);
}

void TtsBaseGrid::SaveGridToRegistry(const std::string& key, const std::string& valueName, const std::string& fileName,
                                     TtsPropKinds kinds, TtsPropMask properties, bool saveData,
                                     const std::string& settingsFile)
{
  const std::unique_ptr<TtsRegistryKey> opened = OpenRegistryPath(key, true, settingsFile);
  if (!opened)
    throw ERegistryException("Failed to create key " + key);
  if (!fileName.empty()) {
    const std::string path = QFileInfo(QString::fromStdString(fileName)).absoluteFilePath().toStdString();
    SaveGridToFile(path, kinds, properties, saveData);
    opened->WriteString(valueName, path);
  } else {
    TtsByteWriter writer;
    SaveGridToStream(writer, kinds, properties, saveData);
    opened->WriteBinary(valueName, writer.Bytes());
  }
}

bool TtsBaseGrid::LoadGridFromRegistry(const std::string& key, const std::string& valueName, bool matchByDataCol,
                                       const std::string& settingsFile)
{
  const std::unique_ptr<TtsRegistryKey> opened = OpenRegistryPath(key, false, settingsFile);
  if (!opened)
    return false;
  switch (opened->DataType(valueName)) {
    case rdString: {
      const std::string path = opened->ReadString(valueName);
      if (path.empty())
        return false;
      LoadGridFromFile(path, matchByDataCol);
      return true;
    }
    case rdBinary:
      LoadGridFromStream(opened->ReadBinary(valueName), matchByDataCol);
      return true;
    default:
      return false;
  }
}

}  // namespace grid
