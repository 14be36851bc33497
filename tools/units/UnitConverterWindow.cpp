#include "tools/units/UnitConverterWindow.h"

#include "engine/ResultText.h"
#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"
#include "platform/ClipboardText.h"
#include "platform/Color.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "tools/units/UnitEditorWindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tools {

namespace {

constexpr int kNameCol = 1;
constexpr int kValueCol = 2;

// Resizing the panel gives each grid column half its width less the row bar and the borders.
class TPanelWidth : public QObject {
public:
  TPanelWidth(QWidget& panel, grid::TtsGrid& grid) : QObject(&panel), grid_(grid) { panel.installEventFilter(this); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (event->type() == QEvent::Resize)
      grid_.SetDefaultColWidth(std::max(1, (static_cast<QWidget*>(watched)->width() - 35) / 2));
    return false;
  }

private:
  grid::TtsGrid& grid_;
};

// A category name as a menu caption: "&" is no accelerator mark there.
QString MenuCaption(const std::string& name)
{
  return platform::FromLatin1(name).replace(QStringLiteral("&"), QStringLiteral("&&"));
}

}  // namespace

TfmConv::TfmConv(std::function<int()> displayDigits, const QString& folder, QWidget* parent)
    : Form(parent, true), displayDigits_(std::move(displayDigits)), folder_(folder)
{
  setObjectName(QStringLiteral("fmConv"));
  setWindowTitle(QStringLiteral("Units Convertor"));
  auto* column = new QVBoxLayout(this);
  MainMenu1 = std::make_unique<platform::TMainMenu>(*this);
  BuildMenus();

  auto* labels = new QHBoxLayout;
  lbUnit = new QLabel(QStringLiteral("Length"), this);
  lbUnit->setObjectName(QStringLiteral("lbUnit"));
  QFont bold = lbUnit->font();
  bold.setBold(true);
  lbUnit->setFont(bold);
  lbTo = new QLabel(this);
  lbTo->setObjectName(QStringLiteral("lbTo"));
  labels->addWidget(lbUnit);
  labels->addWidget(lbTo, 1);
  column->addLayout(labels);

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  auto* panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  tsgUnit = new grid::TtsGrid(Panel1);
  panelLayout->addWidget(tsgUnit);
  column->addWidget(Panel1, 1);
  BuildGrid();
  new TPanelWidth(*Panel1, *tsgUnit);

  busy_ = true;
  LoadUnits(TUnitSet::Custom);
  LoadUnits(TUnitSet::General);
  busy_ = false;
  frmUnitDef_ = std::make_unique<TfrmUnitDef>(converter_, folder_, [this](TUnitSet set) { ReloadUnits(set); });
  column->setMenuBar(&MainMenu1->Bar());
  resize(420, 440);
}

TfmConv::~TfmConv() = default;

void TfmConv::BuildMenus()
{
  platform::TMenuItem& root = MainMenu1->Items();
  root.Add(QStringLiteral("mmiFile"), QStringLiteral("&File")).Add(QStringLiteral("mmiExit"), QStringLiteral("E&xit"), [this] {
    close();
  });
  mmiGCat = &root.Add(QStringLiteral("mmiGCat"), QStringLiteral("&General"));
  mmiGUser = &root.Add(QStringLiteral("mmiGUser"), QStringLiteral("&Custom"));
  platform::TMenuItem& edit = root.Add(QStringLiteral("mmiEdit"), QStringLiteral("&Create/edit categories"));
  edit.Add(QStringLiteral("mmiEditGeneral"), QStringLiteral("&General"), [this] { frmUnitDef_->Open(TUnitSet::General); });
  edit.Add(QStringLiteral("mmiEditCustom"), QStringLiteral("&Custom"), [this] { frmUnitDef_->Open(TUnitSet::Custom); });
}

void TfmConv::BuildGrid()
{
  tsgUnit->SetName("tsgUnit");
  tsgUnit->setObjectName(QStringLiteral("tsgUnit"));
  tsgUnit->SetStoreData(true);
  tsgUnit->SetCols(2);
  tsgUnit->SetRows(0);  // no rows until a category is chosen
  grid::TtsCol& names = tsgUnit->Model().Col(kNameCol);
  names.SetHeading("Unit name");
  names.SetHeadingHorzAlignment(grid::htaCenter);
  names.SetReadOnly(true);
  names.SetColor(platform::clBtnFace);
  grid::TtsCol& values = tsgUnit->Model().Col(kValueCol);
  values.SetHeading("Value");
  values.SetHeadingHorzAlignment(grid::htaCenter);
  tsgUnit->OnCellEdit = [this](grid::TtsBaseGrid&, int dataCol, int dataRow, bool) {
    if (dataCol == kValueCol)
      ValueEdited(dataRow);
  };
  tsgUnit->OnCellChanged = [this](grid::TtsBaseGrid&, int, int, int, int newRow) { ShowUnitOfRow(newRow); };
}

QString TfmConv::TablePath(TUnitSet set) const
{
  return folder_ + (set == TUnitSet::Custom ? QStringLiteral("Vexal.unt") : QStringLiteral("Vexal.gun"));
}

// The menu's items are kept from one reading to the next: those beyond the categories are hidden.
void TfmConv::LoadUnits(TUnitSet set)
{
  TUnitTable& table = set == TUnitSet::Custom ? converter_.Custom : converter_.General;
  table = {};
  const TUnitTableFile file = LoadUnitTable(TablePath(set).toStdString());
  if (file.Opened)
    table = file.Read.Table;
  platform::TMenuItem& menu = set == TUnitSet::Custom ? *mmiGUser : *mmiGCat;
  const QString prefix = set == TUnitSet::Custom ? QStringLiteral("miUnit") : QStringLiteral("mmiGCat");
  const int count = static_cast<int>(table.Categories.size());
  for (int i = 0; i < std::max(count, menu.Count()); ++i) {
    if (i >= count) {
      menu.Item(i).SetVisible(false);
      continue;
    }
    const QString caption = MenuCaption(table.Categories[static_cast<std::size_t>(i)].Name);
    if (i < menu.Count()) {
      menu.Item(i).SetCaption(caption);
      menu.Item(i).SetVisible(true);
      continue;
    }
    platform::TMenuItem& item = menu.Add(prefix + QString::number(i + 1), caption);
    item.Tag = i;
    item.OnClick = [this, &item, set] { ShowCategory(item, set); };
  }
  if (!file.Opened)
    return;
  if (file.Read.Damaged)
    platform::MessageDlg(set == TUnitSet::Custom ? QStringLiteral("User define units invalid!")
                                                 : QStringLiteral("General category is invalid!"),
                         platform::mtWarning, platform::mbOK);
}

void TfmConv::ReloadUnits(TUnitSet set)
{
  const bool shown = converter_.Shown() != nullptr && converter_.ShownSet() == set;
  const int index = converter_.ShownIndex();
  busy_ = true;
  LoadUnits(set);
  busy_ = false;
  if (!shown)
    return;
  platform::TMenuItem& menu = set == TUnitSet::Custom ? *mmiGUser : *mmiGCat;
  if (index < static_cast<int>(converter_.Table(set).Categories.size()))
    ShowCategory(menu.Item(index), set);
  else
    ShowNone();
}

void TfmConv::ShowNone()
{
  converter_.ChooseNone();
  if (shownItem_)
    shownItem_->SetChecked(false);
  shownItem_ = nullptr;
  busy_ = true;
  tsgUnit->EndEdit(false);
  tsgUnit->SetRows(0);
  busy_ = false;
  lbUnit->clear();
  lbTo->clear();
}

void TfmConv::ShowCategory(platform::TMenuItem& item, TUnitSet set)
{
  if (!converter_.Choose(set, item.Tag))
    return;
  if (shownItem_)
    shownItem_->SetChecked(false);
  item.SetChecked(true);
  shownItem_ = &item;
  const TUnitCategory& category = *converter_.Shown();
  lbUnit->setText(platform::FromLatin1(category.Name) + QStringLiteral(": "));

  busy_ = true;
  tsgUnit->EndEdit(false);
  const int rows = static_cast<int>(category.Units.size());
  tsgUnit->BeginUpdate();
  tsgUnit->SetRows(rows);
  for (int row = 1; row <= rows; ++row) {
    tsgUnit->SetCell(kNameCol, row, category.Units[static_cast<std::size_t>(row - 1)]);
    tsgUnit->SetCell(kValueCol, row, grid::TtsCellValue());
    SetValueColor(row, true);
  }
  tsgUnit->EndUpdate();
  busy_ = false;
  ShowUnitOfRow(1);
  if (rows > 0) {
    tsgUnit->SetCurrentDataCell(kValueCol, 1);
    tsgUnit->RefreshEditor(false);
  }
}

void TfmConv::ShowUnitOfRow(int dataRow)
{
  const TUnitCategory* category = converter_.Shown();
  if (!category || dataRow < 1 || dataRow > static_cast<int>(category->Units.size()))
    return;
  lbTo->setText(platform::FromLatin1(category->Units[static_cast<std::size_t>(dataRow - 1)]) + QStringLiteral(" to ..."));
}

void TfmConv::SetValueColor(int dataRow, bool number)
{
  tsgUnit->CellAt(kValueCol, dataRow).SetColor(number ? platform::clWindow : platform::clRed);
}

void TfmConv::ValueEdited(int dataRow)
{
  const TUnitCategory* category = converter_.Shown();
  if (busy_ || !category || dataRow < 1 || dataRow > static_cast<int>(category->Units.size()))
    return;
  const TUnitEdit edit = converter_.Edit(dataRow - 1, tsgUnit->Cell(kValueCol, dataRow).AsString());
  SetValueColor(dataRow, edit.Kind != TUnitEdit::NotANumber);
  if (edit.Kind != TUnitEdit::Converted)
    return;
  busy_ = true;
  const int digits = displayDigits_ ? displayDigits_() : 12;
  for (std::size_t t = 0; t < edit.Results.size(); ++t) {
    const TUnitResult& result = edit.Results[t];
    if (result.Kind == TUnitResult::Unchanged)
      continue;
    const int row = static_cast<int>(t) + 1;
    tsgUnit->SetCell(kValueCol, row,
                     result.Kind == TUnitResult::Value ? engine::FormatResult(digits, result.Number) : std::string());
    SetValueColor(row, true);
  }
  busy_ = false;
}

}  // namespace tools
