#include "tools/units/UnitEditorWindow.h"

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"
#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/MessageDlg.h"
#include "tools/units/UnitFactorEntry.h"
#include "tools/units/UnitTableWriter.h"

namespace tools {

namespace {

std::string Trimmed(const std::string& text)
{
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos)
    return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

// Saving: the grids and the converter's tables written as one file.

void TfrmUnitDef::EndEdits()
{
  for (grid::TtsGrid* grid : {tsgCat, tsgUnit, tsgCoef})
    grid->EndEdit(false);
  if (!busy_) {
    CategoryNameEdited(tsgCat->CurrentDataRow());
    UnitNameEdited(tsgUnit->CurrentDataRow());
  }
}

void TfrmUnitDef::SaveAndReload()
{
  EndEdits();
  if (!Save(current_ + 1))
    return;
  categoriesChanged_ = false;
  unitsChanged_ = false;
  reload_(set_);
}

TUnitCategory TfrmUnitDef::EditedCategory(const std::string& name) const
{
  TUnitCategory category;
  category.Name = name;
  const int units = tsgUnit->Rows();
  for (int row = 1; row <= units; ++row) {
    std::string unit = Trimmed(tsgUnit->Cell(1, row).AsString());
    category.Units.push_back(unit.empty() ? Numbered("Unit #", row) : unit);
  }
  // Every unit gets a row and a column of factors, whatever the grid holds.
  category.Factors.assign(static_cast<std::size_t>(units), std::vector<double>(static_cast<std::size_t>(units), 0.0));
  TFactorReader reader;
  for (int u = 1; u <= units; ++u) {
    for (int t = 1; t <= units; ++t) {
      double factor = u == t ? 1.0 : 0.0;
      if (u != t && u + 1 <= tsgCoef->Cols() && t <= tsgCoef->Rows())
        factor = static_cast<double>(reader.Read(tsgCoef->Cell(u + 1, t).AsString()));
      category.Factors[static_cast<std::size_t>(u - 1)][static_cast<std::size_t>(t - 1)] = factor;
    }
  }
  return category;
}

bool TfrmUnitDef::Save(int editedRow)
{
  const auto& stored = Stored().Categories;
  TUnitTable table;
  for (int row = 1; row <= tsgCat->Rows(); ++row) {
    if (row != editedRow && row > static_cast<int>(stored.size()))
      continue;  // a new row not yet edited holds nothing to keep
    std::string name = tsgCat->Cell(1, row).AsString();
    if (name.empty()) {
      name = Numbered("Category #", row);
      tsgCat->SetCell(1, row, name);
    }
    if (row == editedRow) {
      table.Categories.push_back(EditedCategory(name));
    } else {
      table.Categories.push_back(stored[static_cast<std::size_t>(row - 1)]);
      table.Categories.back().Name = name;
    }
  }
  return WriteTable(table);
}

bool TfrmUnitDef::WriteTable(const TUnitTable& table)
{
  const QString path = TablePath();
  try {
    const std::string bytes = WriteUnitTable(table);
    platform::WriteFileAtomic(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return true;
  } catch (const platform::EFileError&) {
    platform::MessageDlg(QStringLiteral("Can not create or rewrite file <") + path + QStringLiteral(">"),
                         platform::mtError, platform::mbOK);
    return false;
  }
}

}  // namespace tools
