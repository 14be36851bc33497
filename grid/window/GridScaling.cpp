// Scaling with the form: the heading, the row bar, widths, heights and own fonts follow a scale of
// m / d when AutoScale is on.

#include "grid/window/Grid.h"

#include "platform/Font.h"

#include <vector>

namespace grid {

namespace {

// The nearest integer to value * m / d (d above 0), halves away from zero.
int MulDiv(int value, int m, int d)
{
  const long long product = static_cast<long long>(value) * m;
  return static_cast<int>((product + (product >= 0 ? d / 2 : -d / 2)) / d);
}

}  // namespace

void TtsBaseGrid::ScaleFont(platform::TFont& font, int m, int d) const { font.SetSize(MulDiv(font.Size(), m, d)); }

void TtsBaseGrid::ChangeScale(int m, int d)
{
  if (m == d || d == 0 || !autoScale_)
    return;
  if (!HeadingParentFont)
    ScaleFont(model_.HeadingFont, m, d);
  SetHeadingHeight(MulDiv(HeadingHeight(), m, d));
  if (!Designing())
    ComboRowHeight = MulDiv(ComboRowHeight, m, d);
  SetRowBarWidth(MulDiv(RowBarWidth(), m, d));
  ScaleCols(m, d, sfWidth | sfFont);
  ScaleRows(m, d, sfHeight | sfFont);
  ScaleCells(m, d, sfFont);
  model_.RefreshEditor();
}

namespace {

// A scaled copy of an own font that does not follow its parent; none otherwise.
template <class Owner>
std::unique_ptr<platform::TFont> ScaledOwnFont(const Owner& owner, int m, int d)
{
  const platform::TFont* own = owner.OwnFont();
  if (own == nullptr || owner.Attributes().ParentFont)
    return nullptr;
  auto font = std::make_unique<platform::TFont>();
  font->Assign(*own);
  font->SetSize(MulDiv(own->Size(), m, d));
  return font;
}

}  // namespace

void TtsBaseGrid::ScaleCols(int m, int d, unsigned flags)
{
  if (m == d || d == 0)
    return;
  struct Relayout {
    TtsBaseGrid& grid;
    ~Relayout() { grid.UpdateScrollRange(false); }
  } relayout{*this};
  if ((flags & sfWidth) != 0) {
    // Columns at the default width follow it: each scales from its width before.
    std::vector<int> widths;
    for (int c = 1; c <= Cols(); ++c)
      widths.push_back(model_.Col(c).Width());
    SetDefaultColWidth(MulDiv(DefaultColWidth(), m, d));
    for (int c = 1; c <= Cols(); ++c)
      model_.Col(c).SetWidth(MulDiv(widths[std::size_t(c - 1)], m, d));
  }
  if ((flags & sfFont) == 0)
    return;
  for (int c = 1; c <= Cols(); ++c) {
    TtsCol& col = model_.Col(c);
    if (const auto font = ScaledOwnFont(col, m, d))
      col.SetFont(font.get());
  }
}

void TtsBaseGrid::ScaleRows(int m, int d, unsigned flags)
{
  if (m == d || d == 0)
    return;
  // Rows at the default height follow it: each scales from its height before.
  std::vector<int> heights;
  for (int r = 1; r <= Rows() + InsertRowPresent(); ++r)
    heights.push_back(model_.GridRows().HeightOf(r));
  if ((flags & sfHeight) != 0)
    SetDefaultRowHeight(MulDiv(DefaultRowHeight(), m, d));
  for (int r = 1; r <= Rows() + InsertRowPresent(); ++r) {
    const TtsRow* row = model_.GridRows().At(r);
    if (row == nullptr)
      continue;
    const int height = heights[std::size_t(r - 1)];
    auto font = (flags & sfFont) != 0 ? ScaledOwnFont(*row, m, d) : nullptr;
    model_.ChangeRow(r, [&](TtsRow& changed) {
      if ((flags & sfHeight) != 0)
        changed.SetHeight(MulDiv(height, m, d));
      if (font)
        changed.SetFont(font.get());
    });
  }
  if ((flags & sfHeight) != 0)
    UpdateScrollRange(false);
}

void TtsBaseGrid::ScaleCells(int m, int d, unsigned flags)
{
  if (m == d || d == 0 || (flags & sfFont) == 0)
    return;
  const auto cells = model_.CellProps().ToList();
  for (int i = 1; i <= cells.Count(); ++i) {
    auto* cell = static_cast<TtsCellElement*>(cells.Get(i));
    if (const auto font = ScaledOwnFont(*cell, m, d))
      cell->SetFont(font.get());
  }
}

}  // namespace grid
