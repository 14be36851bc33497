// The grid's settings as named stream values.

#include "grid/window/GridStreamSettings.h"

#include "grid/model/GridUnitRoutines.h"
#include "grid/model/StreamValues.h"
#include "grid/window/Grid.h"

#include <functional>
#include <sstream>

namespace grid {
namespace {

using G = TtsBaseGrid;
using V = TtsStreamValue;

// Counts and sizes a stream may give: the "Data" stream's limits, and sizes a screen can show.
constexpr int kMaxStreamCols = 1 << 16;
constexpr int kMaxStreamRows = 1 << 20;
constexpr int kMaxStreamSize = 1 << 16;

struct GridSetting {
  const char* Name;
  std::function<V(const G&)> Get;
  std::function<void(G&, const V&)> Set;
};

GridSetting Size(const char* name, int (G::*get)() const, void (G::*set)(int), int last = kMaxStreamSize)
{
  return {name, [get](const G& g) { return V(std::int32_t((g.*get)())); },
          [set, last](G& g, const V& v) { (g.*set)(CheckedStreamNumber(v, 0, last)); }};
}

GridSetting Flag(const char* name, bool G::*field)
{
  return {name, [field](const G& g) { return V(g.*field); },
          [field](G& g, const V& v) {
            g.*field = CheckedStreamFlag(v);
            g.Changed();
          }};
}

GridSetting Flag(const char* name, bool (G::*get)() const, void (G::*set)(bool))
{
  return {name, [get](const G& g) { return V((g.*get)()); },
          [set](G& g, const V& v) { (g.*set)(CheckedStreamFlag(v)); }};
}

GridSetting Colour(const char* name, platform::TColor G::*field)
{
  return {name, [field](const G& g) { return ToStreamValue(g.*field); },
          [field](G& g, const V& v) {
            g.*field = CheckedStreamColour(v);
            g.Changed();
          }};
}

GridSetting Colour(const char* name, platform::TColor (G::*get)() const, void (G::*set)(platform::TColor))
{
  return {name, [get](const G& g) { return ToStreamValue((g.*get)()); },
          [set](G& g, const V& v) { (g.*set)(CheckedStreamColour(v)); }};
}

template <class E>
GridSetting Choice(const char* name, E G::*field, E last)
{
  return {name, [field](const G& g) { return ToStreamValue(g.*field); },
          [field, last](G& g, const V& v) {
            g.*field = CheckedStreamEnum(v, last);
            g.Changed();
          }};
}

template <class E>
GridSetting Choice(const char* name, E (G::*get)() const, void (G::*set)(E), E last)
{
  return {name, [get](const G& g) { return V(std::int32_t((g.*get)())); },
          [set, last](G& g, const V& v) { (g.*set)(CheckedStreamEnum(v, last)); }};
}

// A grid-level attribute of the model that columns, rows and cells may leave to the grid.
template <class E>
GridSetting Level(const char* name, E TtsGridLevel::*field, E last)
{
  return {name, [field](const G& g) { return ToStreamValue(g.Model().Level.*field); },
          [field, last](G& g, const V& v) {
            if constexpr (std::is_same_v<E, bool>)
              g.Model().Level.*field = CheckedStreamFlag(v);
            else
              g.Model().Level.*field = CheckedStreamEnum(v, last);
            g.Changed();
          }};
}

GridSetting Number(const char* name, int G::*field, int first, int last)
{
  return {name, [field](const G& g) { return V(std::int32_t(g.*field)); },
          [field, first, last](G& g, const V& v) {
            g.*field = CheckedStreamNumber(v, first, last);
            g.Changed();
          }};
}

const std::vector<GridSetting>& GridSettings()
{
  static const std::vector<GridSetting> list = {
      Size("Cols", &G::Cols, &G::SetCols, kMaxStreamCols),
      Size("Rows", &G::Rows, &G::SetRows, kMaxStreamRows),
      Size("DefaultColWidth", &G::DefaultColWidth, &G::SetDefaultColWidth),
      Size("DefaultRowHeight", &G::DefaultRowHeight, &G::SetDefaultRowHeight),
      Size("FixedColCount", &G::FixedColCount, &G::SetFixedColCount, kMaxStreamCols),
      Size("FixedRowCount", &G::FixedRowCount, &G::SetFixedRowCount, kMaxStreamRows),
      Flag("HeadingOn", &G::HeadingOn, &G::SetHeadingOn),
      Size("HeadingHeight", &G::HeadingHeight, &G::SetHeadingHeight),
      Flag("RowBarOn", &G::RowBarOn, &G::SetRowBarOn),
      Size("RowBarWidth", &G::RowBarWidth, &G::SetRowBarWidth),
      Flag("RowBarIndicator", &G::RowBarIndicator),
      Choice("RowChangedIndicator", &G::RowChangedIndicator, &G::SetRowChangedIndicator, riAutoReset),
      Choice("ScrollBars", &G::ScrollBars, &G::SetScrollBars, TScrollStyle::ssBoth),
      Choice("AlwaysShowScrollBar", &G::AlwaysShowScrollBar, &G::SetAlwaysShowScrollBar, TScrollStyle::ssBoth),
      Choice("ScrollSpeed", &G::ScrollSpeed, spVariable),
      Flag("ThumbTracking", &G::ThumbTracking),
      Choice("ResizeCols", &G::ResizeCols, rcAll),
      Choice("ResizeRows", &G::ResizeRows, rrAll),
      Flag("ResizeColsInGrid", &G::ResizeColsInGrid),
      Flag("ResizeRowsInGrid", &G::ResizeRowsInGrid),
      Flag("ColMoving", &G::ColMoving),
      Flag("RowMoving", &G::RowMoving),
      Flag("AutoScale", &G::AutoScale, &G::SetAutoScale),
      Colour("Color", &G::GridColor, &G::SetGridColor),
      Colour("LineColor", &G::LineColor),
      Colour("FixedLineColor", &G::FixedLineColor),
      Choice("GridLines", &G::GridLines, &G::SetGridLines, glBoth),
      Flag("Is3D", &G::Is3D, &G::SetIs3D),
      Flag("Heading3D", &G::Heading3D, &G::SetHeading3D),
      Colour("HeadingColor", &G::HeadingColor, &G::SetHeadingColor),
      Level("HeadingHorzAlignment", &TtsGridLevel::HeadingHorzAlignment, htaDefault),
      Level("HeadingVertAlignment", &TtsGridLevel::HeadingVertAlignment, vtaDefault),
      Level("HeadingWordWrap", &TtsGridLevel::HeadingWordWrap, wwDefault),
      Level("HeadingButton", &TtsGridLevel::HeadingButton, hbNone),
      Level("HorzAlignment", &TtsGridLevel::HorzAlignment, htaDefault),
      Level("VertAlignment", &TtsGridLevel::VertAlignment, vtaDefault),
      Choice("RowBarAlignment", &G::RowBarAlignment, vtaDefault),
      Level("WordWrap", &TtsGridLevel::WordWrap, wwDefault),
      Colour("EditColor", &G::EditColor),
      Colour("EditFontColor", &G::EditFontColor),
      Choice("SelectionType", &G::SelectionType, sltColor),
      Colour("SelectionColor", &G::SelectionColor),
      Colour("SelectionFontColor", &G::SelectionFontColor),
      Choice("FocusBorder", &G::FocusBorder, fbDouble),
      Colour("FocusColor", &G::FocusColor),
      Colour("FocusFontColor", &G::FocusFontColor),
      Flag("AlwaysShowFocus", &G::AlwaysShowFocus),
      {"BorderStyle", [](const G& g) { return V(std::int32_t(g.BorderStyle())); },
       [](G& g, const V& v) { g.SetBorderStyle(CheckedStreamEnum(v, gbsSingle)); }},
      Level("StretchPicture", &TtsGridLevel::StretchPicture, true),
      Level("ShrinkPicture", &TtsGridLevel::ShrinkPicture, true),
      Level("CenterPicture", &TtsGridLevel::CenterPicture, true),
      Level("KeepAspectRatio", &TtsGridLevel::KeepAspectRatio, true),
      Colour("TransparentColor", &G::TransparentColor),
      Choice("CheckBoxStyle", &G::CheckBoxStyle, stCross),
      {"CheckBoxValues", [](const G& g) { return V(g.CheckBoxValues()); },
       [](G& g, const V& v) { g.SetCheckBoxValues(CheckedStreamText(v)); }},
      Flag("FlatButtons", &G::FlatButtons),
      Number("ButtonEdgeWidth", &G::ButtonEdgeWidth, 0, kMaxStreamSize),
      Number("DefaultButtonWidth", &G::DefaultButtonWidth, 0, kMaxStreamSize),
      Number("DefaultButtonHeight", &G::DefaultButtonHeight, 0, kMaxStreamSize),
      Number("SpinButtonWidth", &G::SpinButtonWidth, 0, kMaxStreamSize),
      Number("SpinButtonHeight", &G::SpinButtonHeight, 0, kMaxStreamSize),
      Size("SpinStartDelay", &G::SpinStartDelay, &G::SetSpinStartDelay),
      Size("SpinRepeatDelay", &G::SpinRepeatDelay, &G::SetSpinRepeatDelay),
      Choice("InactiveButtonState", &G::InactiveButtonState, ibsNone),
      Level("ReadOnlyButton", &TtsGridLevel::ReadOnlyButton, true),
      Choice("GridMode", &G::GridMode, &G::SetGridMode, gmBrowse),
      Flag("StoreData", &G::StoreData, &G::SetStoreData),
      Flag("AlwaysShowEditor", &G::AlwaysShowEditor),
      Flag("SkipReadOnly", &G::SkipReadOnly),
      Flag("WantTabs", &G::WantTabs),
      Flag("TabRowWrap", &G::TabRowWrap),
      Choice("CellSelectMode", &G::CellSelectMode, cmRange),
      Choice("ColSelectMode", &G::ColSelectMode, csMulti),
      Choice("RowSelectMode", &G::RowSelectMode, &G::SetRowSelectMode, rsMulti),
      Flag("SelectFixed", &G::SelectFixed),
      Choice("DrawOverlap", &G::DrawOverlap, &G::SetDrawOverlap, doDrawRowOnTop),
      Number("ComboRowHeight", &G::ComboRowHeight, 0, kMaxStreamSize),
      {"HeadingParentFont", [](const G& g) { return V(g.HeadingParentFont); },
       [](G& g, const V& v) { g.SetHeadingParentFont(CheckedStreamFlag(v)); }},
  };
  return list;
}

// The numbers of a legacy list ("64,80,30"); EReadError for anything else.
std::vector<int> NumberList(const std::string& text)
{
  std::vector<int> numbers;
  std::istringstream in(text);
  std::string part;
  while (std::getline(in, part, ',')) {
    std::size_t used = 0;
    int number = 0;
    try {
      number = std::stoi(part, &used);
    } catch (const std::exception&) {
      throw EReadError();
    }
    if (used != part.size() || number < 0 || number > kMaxStreamSize)
      throw EReadError();
    numbers.push_back(number);
  }
  return numbers;
}

// The heading alignment of an older stream: left-justified leaves it to the columns.
TtsHorzAlignment LegacyHeadingAlignment(const std::string& identifier)
{
  const TtsHorzAlignment alignment = ReadLegacyAlignment(identifier);
  return alignment == htaLeft ? htaDefault : alignment;
}

// Settings older grids wrote; true when the name was one of them.
bool ApplyLegacySetting(G& g, const std::string& name, const V& value)
{
  if (SameTextIgnoringCase(name, "EditMode")) {
    g.SetGridMode(GridModeOfEditMode(CheckedStreamText(value)));
  } else if (SameTextIgnoringCase(name, "HeadingAlignment")) {
    g.Model().Level.HeadingHorzAlignment = LegacyHeadingAlignment(CheckedStreamText(value));
    if (g.HeadingOn())
      g.Changed();
  } else if (SameTextIgnoringCase(name, "ColWidths")) {
    const std::vector<int> widths = NumberList(CheckedStreamText(value));
    // Display column 0, 1, 2 ... in turn; entries past the last column are dropped.
    for (int d = 0; d < int(widths.size()) && d <= g.Cols(); ++d)
      g.Model().Col(g.Model().DataColOf(d)).SetWidth(widths[std::size_t(d)]);
  } else if (SameTextIgnoringCase(name, "RowHeights")) {
    const std::vector<int> heights = NumberList(CheckedStreamText(value));
    for (int d = 0; d < int(heights.size()) && d <= g.Rows(); ++d) {
      if (d == 0)
        g.SetHeadingHeight(heights[0]);
      else
        g.SetRowHeightOf(g.Model().DataRowOf(d), heights[std::size_t(d)]);
    }
  } else {
    return false;
  }
  return true;
}

}  // namespace

TtsStreamItem GridSettingsItem(TtsBaseGrid& grid)
{
  TtsStreamItem item;
  item.emplace_back("Version", std::string(TtsBaseGrid::Version()));
  for (const GridSetting& setting : GridSettings())
    item.emplace_back(setting.Name, setting.Get(grid));
  AddFontValues(item, "Font", grid.Model().Font);
  if (!grid.HeadingParentFont)
    AddFontValues(item, "HeadingFont", grid.HeadingFont());
  if (!grid.ImageListIds().Empty())
    item.emplace_back("ImageListIds", grid.ImageListIds().CommaText());
  // Read back by the whole-grid load, which finds the definition by its name.
  if (const TtsDateTimeDefComponent* definition = grid.DateTimeDef(); definition && !definition->Name().empty())
    item.emplace_back("DateTimeDef", definition->Name());
  return item;
}

void ApplyGridSettings(TtsBaseGrid& grid, const TtsStreamItem& settings, bool applyCols)
{
  for (const auto& [name, value] : settings) {
    if (SameTextIgnoringCase(name, "ImageListIds")) {
      grid.ImageListIds().SetCommaText(CheckedStreamText(value));
      continue;
    }
    if (ApplyLegacySetting(grid, name, value))
      continue;
    for (const GridSetting& setting : GridSettings()) {
      if (SameTextIgnoringCase(name, setting.Name) && (applyCols || !SameTextIgnoringCase(name, "Cols")))
        setting.Set(grid, value);
    }
  }
  platform::TFont font;
  font.Assign(grid.Model().Font);
  if (ReadFontValues(settings, "Font", font))
    grid.Model().Font.Assign(font);
  font.Assign(grid.HeadingFont());
  if (ReadFontValues(settings, "HeadingFont", font))
    grid.HeadingFont().Assign(font);  // a font of its own: HeadingParentFont goes off
}

}  // namespace grid
