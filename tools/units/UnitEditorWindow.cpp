#include "tools/units/UnitEditorWindow.h"

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"
#include "platform/ClipboardText.h"
#include "platform/Color.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "tools/units/UnitFactorEntry.h"

#include <QHBoxLayout>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tools {

namespace {

constexpr int kLabelCol = 1;  // the factor grid's column of unit names

// A heading shows "&" as it stands, not as an accelerator mark.
std::string HeadingOf(const std::string& name)
{
  std::string heading;
  for (const char c : name) {
    heading += c;
    if (c == '&')
      heading += '&';
  }
  return heading;
}

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setToolTip(hint);
  return button;
}

grid::TtsGrid* OneColumnGrid(QWidget* parent, const char* name, const char* heading)
{
  auto* grid = new grid::TtsGrid(parent);
  grid->SetName(name);
  grid->setObjectName(QString::fromLatin1(name));
  grid->SetStoreData(true);
  grid->SetCols(1);
  grid->SetRows(0);
  grid->Model().Col(1).SetHeading(heading);
  return grid;
}

bool Question(const QString& text)
{
  return platform::MessageDlg(text, platform::mtWarning, platform::mbYes | platform::mbNo) == platform::mrYes;
}

}  // namespace

std::string TfrmUnitDef::Numbered(const char* prefix, int number) { return prefix + std::to_string(number); }

TfrmUnitDef::TfrmUnitDef(TUnitConverter& converter, const QString& folder, std::function<void(TUnitSet)> reload,
                         QWidget* parent)
    : Form(parent, true), converter_(converter), folder_(folder), reload_(std::move(reload))
{
  setObjectName(QStringLiteral("frmUnitDef"));
  setWindowTitle(QStringLiteral("Custom unit editor"));
  auto* column = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  sbtSave = ToolButton(this, "sbtSave", QStringLiteral("Save"), QStringLiteral("Save"));
  spbNew = ToolButton(this, "spbNew", QStringLiteral("New"), QStringLiteral("Create new category"));
  buttons->addWidget(sbtSave);
  buttons->addWidget(spbNew);
  buttons->addStretch();
  column->addLayout(buttons);

  auto* grids = new QHBoxLayout;
  auto* names = new QVBoxLayout;
  tsgCat = OneColumnGrid(this, "tsgCat", "Categories");
  tsgUnit = OneColumnGrid(this, "tsgUnit", "Units");
  names->addWidget(tsgCat, 1);
  names->addWidget(tsgUnit, 1);
  grids->addLayout(names, 1);
  tsgCoef = new grid::TtsGrid(this);
  grids->addWidget(tsgCoef, 3);
  for (QWidget* grid : {tsgCat, tsgUnit, tsgCoef})
    grid->setMinimumSize(120, 80);
  column->addLayout(grids, 1);
  BuildGrids();

  pumCat = std::make_unique<platform::TPopupMenu>();
  pumCat->Items()
      .Add(QStringLiteral("miDeleteCategory"), QStringLiteral("Delete category"), [this] { AskDeleteCategory(); })
      .SetShortCut(platform::ShortCut(platform::VK_DELETE, platform::ssCtrl));
  pumUnit = std::make_unique<platform::TPopupMenu>();
  pumUnit->Items()
      .Add(QStringLiteral("miDeleteUnit"), QStringLiteral("Delete unit"), [this] { AskDeleteUnit(); })
      .SetShortCut(platform::ShortCut(platform::VK_DELETE, platform::ssCtrl));
  pumUnit->Items()
      .Add(QStringLiteral("miAddUnit"), QStringLiteral("Add unit"), [this] { AddUnit(); })
      .SetShortCut(platform::ShortCut(platform::VK_DOWN, 0));
  WireGrids();

  connect(sbtSave, &QToolButton::clicked, this, [this] { SaveAndReload(); });
  connect(spbNew, &QToolButton::clicked, this, [this] { NewCategory(); });
  resize(640, 420);
}

TfrmUnitDef::~TfrmUnitDef() = default;

void TfrmUnitDef::BuildGrids()
{
  tsgCoef->SetName("tsgCoef");
  tsgCoef->setObjectName(QStringLiteral("tsgCoef"));
  tsgCoef->SetStoreData(true);
  tsgCoef->SetCols(1);
  tsgCoef->SetRows(0);
  grid::TtsCol& labels = tsgCoef->Model().Col(kLabelCol);
  labels.SetReadOnly(true);
  labels.SetColor(platform::clBtnFace);
}

void TfrmUnitDef::WireGrids()
{
  const auto popupOn = [](grid::TtsGrid& grid, platform::TPopupMenu& menu) {
    grid.OnMouseDown = [&grid, &menu](grid::TtsBaseGrid&, platform::TMouseButton button, platform::TShiftState, int x,
                                      int y) {
      if (button != platform::mbRight)
        return;
      const QPoint at = grid.mapToGlobal(QPoint(x, y));
      menu.Popup(at.x(), at.y());
    };
  };
  popupOn(*tsgCat, *pumCat);
  popupOn(*tsgUnit, *pumUnit);

  // Down on the last row adds one; Ctrl+Delete deletes the row after asking.
  const auto keys = [](grid::TtsGrid& grid, std::function<void()> add, std::function<void()> remove) {
    grid.OnKeyDown = [&grid, add = std::move(add), remove = std::move(remove)](grid::TtsBaseGrid&, int& key,
                                                                              platform::TShiftState shift) {
      const platform::TShiftState modifiers = shift & (platform::ssShift | platform::ssAlt | platform::ssCtrl);
      if (key == platform::VK_DOWN && modifiers == 0 && grid.CurrentDataRow() >= grid.Rows()) {
        key = 0;
        add();
      } else if (key == platform::VK_DELETE && modifiers == platform::ssCtrl) {
        key = 0;
        remove();
      }
    };
  };
  keys(*tsgCat, [this] { AddCategoryRow(); }, [this] { AskDeleteCategory(); });
  keys(*tsgUnit, [this] { AddUnit(); }, [this] { AskDeleteUnit(); });

  tsgCat->OnRowChanged = [this](grid::TtsBaseGrid&, int oldRow, int newRow) {
    if (!busy_)
      ChangeCategory(oldRow, newRow);
  };
  tsgCat->OnEndCellEdit = [this](grid::TtsBaseGrid&, int, int row, bool&) {
    if (!busy_)
      CategoryNameEdited(row);
  };
  tsgCat->OnExit = [this](grid::TtsBaseGrid& grid) {
    if (!busy_)
      CategoryNameEdited(grid.CurrentDataRow());
  };
  tsgUnit->OnEndCellEdit = [this](grid::TtsBaseGrid&, int, int row, bool&) {
    if (!busy_)
      UnitNameEdited(row);
  };
  tsgUnit->OnExit = [this](grid::TtsBaseGrid& grid) {
    if (!busy_)
      UnitNameEdited(grid.CurrentDataRow());
  };
  tsgCoef->OnEndCellEdit = [this](grid::TtsBaseGrid&, int col, int row, bool&) {
    if (!busy_)
      FactorEdited(col, row);
  };
}

QString TfrmUnitDef::TablePath() const
{
  return folder_ + (set_ == TUnitSet::General ? QStringLiteral("Vexal.gun") : QStringLiteral("Vexal.unt"));
}

// Opening and filling --------------------------------------------------------------------------------

void TfrmUnitDef::Open(TUnitSet set)
{
  set_ = set;
  categoriesChanged_ = false;
  unitsChanged_ = false;
  current_ = 0;
  busy_ = true;
  for (grid::TtsGrid* grid : {tsgCat, tsgUnit, tsgCoef})
    grid->EndEdit(false);
  FillCategoryNames();
  if (StoredCount() > 0) {
    tsgCat->SetCurrentDataCell(1, 1);
    FillCategory(0);
  } else {
    tsgUnit->SetRows(0);
    tsgCoef->SetRows(0);
    tsgCoef->SetCols(1);
  }
  busy_ = false;
  Show();
  Layout();
}

void TfrmUnitDef::FillCategoryNames()
{
  const auto& categories = Stored().Categories;
  tsgCat->BeginUpdate();
  tsgCat->SetRows(static_cast<int>(categories.size()));
  for (std::size_t i = 0; i < categories.size(); ++i)
    tsgCat->SetCell(1, static_cast<int>(i) + 1, categories[i].Name);
  tsgCat->EndUpdate();
}

void TfrmUnitDef::FillCategory(int index)
{
  const TUnitCategory& category = Stored().Categories[static_cast<std::size_t>(index)];
  const int units = static_cast<int>(category.Units.size());
  tsgUnit->BeginUpdate();
  tsgUnit->SetRows(0);
  tsgUnit->SetRows(units);
  for (int row = 1; row <= units; ++row)
    tsgUnit->SetCell(1, row, category.Units[static_cast<std::size_t>(row - 1)]);
  tsgUnit->EndUpdate();

  tsgCoef->BeginUpdate();
  tsgCoef->SetRows(0);
  tsgCoef->SetCols(1);
  tsgCoef->SetCols(units + 1);
  tsgCoef->SetRows(units);
  for (int u = 1; u <= units; ++u) {
    const std::string& name = category.Units[static_cast<std::size_t>(u - 1)];
    tsgCoef->Model().Col(u + 1).SetHeading(HeadingOf(name));
    tsgCoef->SetCell(kLabelCol, u, name);
    const auto& from = category.Factors[static_cast<std::size_t>(u - 1)];
    for (int t = 1; t <= units; ++t)
      tsgCoef->SetCell(u + 1, t, FactorCellText(from[static_cast<std::size_t>(t - 1)]));
  }
  tsgCoef->EndUpdate();
}

void TfrmUnitDef::ShowNewCategory()
{
  tsgUnit->SetRows(0);
  tsgUnit->SetRows(1);
  tsgCoef->SetRows(0);
  tsgCoef->SetCols(1);
}

void TfrmUnitDef::ChangeCategory(int oldRow, int newRow)
{
  busy_ = true;  // the question takes the focus: leaving the grids edits nothing now
  if (categoriesChanged_ || unitsChanged_) {
    categoriesChanged_ = false;
    unitsChanged_ = false;
    if (Question(QStringLiteral("Data may be not saved! Save?"))) {
      busy_ = false;
      for (grid::TtsGrid* grid : {tsgUnit, tsgCoef})
        grid->EndEdit(false);
      busy_ = true;
      if (Save(oldRow))
        reload_(set_);
    }
  }
  categoriesChanged_ = false;
  unitsChanged_ = false;
  current_ = newRow - 1;
  if (current_ >= StoredCount()) {
    ShowNewCategory();
  } else {
    // Rows not saved are dropped, and names not saved come back as stored.
    FillCategoryNames();
    FillCategory(current_);
  }
  busy_ = false;
  Layout();
}

// Edits ----------------------------------------------------------------------------------------------

void TfrmUnitDef::CategoryNameEdited(int row)
{
  if (row < 1 || row > tsgCat->Rows())
    return;
  const std::string name = tsgCat->Cell(1, row).AsString();
  if (row > StoredCount()) {
    if (name.empty())
      tsgCat->SetCell(1, row, Numbered("Category #", row));
    unitsChanged_ = true;
  } else if (name != Stored().Categories[static_cast<std::size_t>(row - 1)].Name) {
    unitsChanged_ = true;
  }
}

bool TfrmUnitDef::CoverUnits(int n)
{
  const int rows = tsgCoef->Rows();
  const int cols = tsgCoef->Cols();
  if (rows >= n && cols >= n + 1)
    return false;
  tsgCoef->BeginUpdate();
  tsgCoef->SetCols(std::max(cols, n + 1));
  tsgCoef->SetRows(std::max(rows, n));
  for (int u = 1; u <= n; ++u) {
    for (int t = 1; t <= n; ++t)
      if (u + 1 > cols || t > rows)
        tsgCoef->SetCell(u + 1, t, u == t ? "1" : "0");
    if (u <= tsgUnit->Rows())
      NameUnit(u, tsgUnit->Cell(1, u).AsString());
  }
  tsgCoef->EndUpdate();
  return true;
}

void TfrmUnitDef::NameUnit(int row, const std::string& name)
{
  if (row + 1 <= tsgCoef->Cols())
    tsgCoef->Model().Col(row + 1).SetHeading(HeadingOf(name));
  if (row <= tsgCoef->Rows())
    tsgCoef->SetCell(kLabelCol, row, name);
}

void TfrmUnitDef::UnitNameEdited(int row)
{
  if (row < 1 || row > tsgUnit->Rows())
    return;
  if (CoverUnits(tsgUnit->Rows()))
    unitsChanged_ = true;
  std::string name = tsgUnit->Cell(1, row).AsString();
  if (name.empty()) {
    name = Numbered("Unit #", row);
    tsgUnit->SetCell(1, row, name);
  }
  NameUnit(row, name);
  if (current_ < StoredCount()) {
    const auto& units = Stored().Categories[static_cast<std::size_t>(current_)].Units;
    if (row > static_cast<int>(units.size()) || units[static_cast<std::size_t>(row - 1)] != name)
      unitsChanged_ = true;
  }
}

void TfrmUnitDef::FactorEdited(int col, int row)
{
  if (col <= kLabelCol || col > tsgCoef->Cols() || row < 1 || row > tsgCoef->Rows())
    return;
  unitsChanged_ = true;
  if (col == row + 1) {
    tsgCoef->SetCell(col, row, "1");
    return;
  }
  TFactorReader reader;
  const engine::Extended x = reader.Read(tsgCoef->Cell(col, row).AsString());
  if (x != 0 && row + 1 <= tsgCoef->Cols() && col - 1 <= tsgCoef->Rows())
    tsgCoef->SetCell(row + 1, col - 1, ReciprocalText(x));
}

// Rows added and deleted -----------------------------------------------------------------------------

void TfrmUnitDef::NewCategory()
{
  if (tsgCat->Rows() > 0)
    tsgCat->SetCurrentDataRow(tsgCat->Rows());
  AddCategoryRow();
  tsgCat->setFocus();
}

void TfrmUnitDef::AddCategoryRow()
{
  if (StoredCount() < tsgCat->Rows())
    return;  // one new category at a time
  tsgCat->SetRows(tsgCat->Rows() + 1);
  tsgCat->SetCurrentDataRow(tsgCat->Rows());
  categoriesChanged_ = true;
}

void TfrmUnitDef::AddUnit()
{
  tsgUnit->EndEdit(false);
  const int units = tsgUnit->Rows();
  CoverUnits(units);
  if (units > 0 && tsgUnit->Cell(1, units).AsString().empty()) {
    tsgUnit->SetCell(1, units, Numbered("Unit #", units));
    NameUnit(units, tsgUnit->Cell(1, units).AsString());
  }
  tsgUnit->SetRows(units + 1);
  tsgUnit->SetCurrentDataRow(units + 1);
  CoverUnits(units + 1);
  unitsChanged_ = true;
}

void TfrmUnitDef::AskDeleteUnit()
{
  const int row = tsgUnit->CurrentDataRow();
  if (row < 1 || row > tsgUnit->Rows())
    return;
  const QString name = platform::FromLatin1(tsgUnit->Cell(1, row).AsString());
  if (!Question(QStringLiteral("Do you realy want to delete the unit \"") + name + QStringLiteral("\"")))
    return;
  busy_ = true;
  for (grid::TtsGrid* grid : {tsgUnit, tsgCoef})
    grid->EndEdit(false);
  RemoveUnit(row);
  busy_ = false;
  unitsChanged_ = true;
}

// The unit's row goes from both grids, and its column from the factors.
void TfrmUnitDef::RemoveUnit(int row)
{
  tsgUnit->DeleteRows(row, row);
  tsgCoef->BeginUpdate();
  tsgCoef->DeleteCols(row + 1, row + 1);
  tsgCoef->DeleteRows(row, row);
  tsgCoef->EndUpdate();
}

void TfrmUnitDef::AskDeleteCategory()
{
  const int row = tsgCat->CurrentDataRow();
  if (row < 1 || row > tsgCat->Rows())
    return;
  const QString name = platform::FromLatin1(tsgCat->Cell(1, row).AsString());
  if (!Question(QStringLiteral("Do you realy want to delete the category \"") + name + QStringLiteral("\"")))
    return;
  EndEdits();
  if (!Save(row))
    return;
  reload_(set_);
  // The category goes by its row, whatever other categories share its name.
  TUnitTable table = Stored();
  if (row <= static_cast<int>(table.Categories.size()))
    table.Categories.erase(table.Categories.begin() + (row - 1));
  if (WriteTable(table))
    reload_(set_);
  Open(set_);
}

// Layout ---------------------------------------------------------------------------------------------

void TfrmUnitDef::resizeEvent(QResizeEvent* event)
{
  Form::resizeEvent(event);
  Layout();
}

void TfrmUnitDef::Layout()
{
  if (!tsgCoef)
    return;
  for (grid::TtsGrid* grid : {tsgCat, tsgUnit})
    grid->SetDefaultColWidth(std::max(1, grid->width() - 34));
  if (tsgUnit->Rows() == 0)
    return;
  const int cols = std::max(1, tsgCoef->Cols());
  tsgCoef->SetDefaultColWidth(width() < 34 + 50 * cols ? 50 : (width() - 44) / cols);
}

}  // namespace tools
