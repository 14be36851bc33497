#include "grid/dropdown/GridDropDowns.h"

#include "grid/dropdown/Finally.h"
#include "grid/model/ValueRoutines.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <chrono>

namespace grid {

namespace {

constexpr QPoint kNoCell{-1, -1};

std::int64_t SteadyMilliseconds()
{
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

QPoint PlaceBelowCell(QPoint point, QSize size, int cellTop, QSize screen)
{
  if (point.x() + size.width() > screen.width())
    point.setX(std::max(0, screen.width() - size.width()));
  if (point.y() + size.height() > screen.height())
    point.setY(std::max(0, cellTop - size.height()));
  return point;
}

QPoint CentreOnScreen(QSize size, QSize screen)
{
  // A window larger than the screen keeps its caption on it.
  return {std::max(0, (screen.width() - size.width()) / 2), std::max(0, (screen.height() - size.height()) / 2)};
}

TtsGridDropDowns::TtsGridDropDowns(TtsBaseGrid& grid)
    : Clock(SteadyMilliseconds),
      DateFormat(SystemDateFormat()),
      grid_(grid),
      storedCell_(std::make_unique<TtsStoredDropDownCell>(grid))
{
}

TtsGridDropDowns::~TtsGridDropDowns()
{
  UnregisterDropDownGridAll(*this);
  dateTimeControl_.reset();
  dateTimeForm_.reset();
  gridCombo_.reset();
  comboForm_.reset();
}

QSize TtsGridDropDowns::ScreenSize() const
{
  if (screenSize_.isValid())
    return screenSize_;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1024, 768);
}

// The working combo and its form ------------------------------------------------------------------------------

std::unique_ptr<TtsCombo> TtsGridDropDowns::CreateCombo()
{
  if (grid_.Model().IsComboGrid)
    return nullptr;
  return std::make_unique<TtsComboBox>(grid_);
}

TtsComboBox& TtsGridDropDowns::GridCombo()
{
  if (!gridCombo_) {
    gridCombo_ = std::make_unique<TtsComboBox>(grid_);
    gridCombo_->ComboGrid().show();  // shown inside the hidden form
  }
  return *gridCombo_;
}

TtsDropDownForm& TtsGridDropDowns::ComboDropDownForm()
{
  if (!comboForm_) {
    comboForm_ = std::make_unique<TtsDropDownForm>(&grid_);
    SetupDropDownForm(*comboForm_);
  }
  return *comboForm_;
}

void TtsGridDropDowns::SetupDropDownForm(TtsDropDownForm& form)
{
  form.hide();
  form.setEnabled(false);
  form.setFont(grid_.font());
}

void TtsGridDropDowns::SetupComboGrid(TtsComboGrid& list)
{
  list.LockLayout(false);
  Finally unlock([&] { list.LockLayout(true); });
  list.SetGridColor(grid_.GridColor());
  list.setCursor(grid_.cursor());
  list.DefaultButtonHeight = grid_.DefaultButtonHeight;
  list.DefaultButtonWidth = grid_.DefaultButtonWidth;
  list.SetDefaultRowHeight(grid_.ComboRowHeight);
  list.EditColor = grid_.EditColor;
  list.EditFontColor = grid_.EditFontColor;
  list.SelectionColor = grid_.SelectionColor;
  list.SelectionFontColor = grid_.SelectionFontColor;
  list.SelectionType = grid_.SelectionType;
  list.Model().Font = grid_.Model().Font;
  list.setFont(grid_.font());
  const bool designing = grid_.Designing();
  list.SetCols(designing ? 2 : 1);
  list.SetRowChangedIndicator(riAutoReset);
  list.SetHeadingOn(false);
  list.SetRowBarOn(false);
  list.SetHeadingHeight(15);
  list.SetRowBarWidth(14);
  list.SetScrollBars(TScrollStyle::ssVertical);
  list.setFocusPolicy(Qt::NoFocus);
  list.SetThumbTracking(true);
  // The list's own guard keeps its mode; the owner sets it.
  list.Model().IsComboGrid = false;
  Finally comboAgain([&] { list.Model().IsComboGrid = true; });
  list.SetRowSelectMode(designing ? rsMulti : rsSingle);
  list.ColSelectMode = designing ? csMulti : csNone;
  list.SetGridMode(designing ? gmEdit : gmListBox);
  list.RowMoving = designing;
  list.ColMoving = designing;
  list.AlwaysShowEditor = !designing;
  list.AlwaysShowFocus = designing;
  list.FocusBorder = designing ? fbDouble : fbDot;
  list.ResizeCols = designing ? rcSingle : rcNone;
  list.ResizeRows = designing ? rrAll : rrNone;
}

void TtsGridDropDowns::InitCombo(TtsComboBox& combo)
{
  TtsComboGrid& list = combo.ComboGrid();
  const bool designing = grid_.Designing();
  list.SetRows(designing ? 4 : 0);
  list.SetCols(designing ? 2 : 1);
  list.SetDropDownRows(4);
  list.SetDropDownCols(designing ? 2 : 1);
  list.ValueCol = 1;
  list.CompareType = ctCaseInsensitive;
  list.SetStoreData(false);
}

// Open or not ----------------------------------------------------------------------------------------------

bool TtsGridDropDowns::IsComboDroppedDown() const
{
  if (!gridCombo_)
    return false;
  return comboForm_->isVisible() || gridCombo_->ComboGrid().parentWidget() != comboForm_.get();
}

bool TtsGridDropDowns::CloseComboDropDown(bool showParentForm, bool updateNow)
{
  if (!IsComboDroppedDown())
    return false;
  comboForm_->hide();
  comboForm_->setEnabled(false);
  TtsComboGrid& list = gridCombo_->ComboGrid();
  if (list.parentWidget() != comboForm_.get()) {
    list.setParent(comboForm_.get());
    list.show();  // shown again inside the hidden form
  }
  if (updateNow)
    grid_.update();
  Unregister();
  if (showParentForm && grid_.window()->isActiveWindow())
    grid_.window()->raise();
  return true;
}

void TtsGridDropDowns::CloseDropDowns(bool showParentForm)
{
  if (CloseComboDropDown(showParentForm, true)) {
    EndComboDropDown();
    return;
  }
  if (CloseDateTimeDropDown(showParentForm, true))
    ClearDropDownCell();
}

void TtsGridDropDowns::Unregister()
{
  if (!registered_)
    return;
  registered_ = false;
  UnregisterDropDownGrid(*this);
}

bool TtsGridDropDowns::OwnsDropDownWindow(const QWidget* window) const
{
  if (!window)
    return false;
  // The forms themselves: a press the list or the chooser leaves goes on to them.
  if (window == &grid_ || window == comboForm_.get() || window == dateTimeForm_.get())
    return true;
  if (gridCombo_ && window == &gridCombo_->ComboGrid())
    return true;
  if (const QWidget* editor = Cell().EditorWindow(); editor && window == editor)
    return true;
  return IsDateTimeControlWindow(window);
}

bool TtsGridDropDowns::IgnoredByDropDownHooks() const
{
  return grid_.Designing() && !(dateTimeForm_ && dateTimeForm_->isVisible());
}

// Opening, sizing and placing the list ---------------------------------------------------------------------

void TtsGridDropDowns::ToggleComboDropDown(int dataCol, int dataRow)
{
  if (IsComboDroppedDown() && dropDownCell_ == QPoint(dataCol, dataRow)) {
    CloseDropDowns(false);
    return;
  }
  OpenComboDropDown(dataCol, dataRow);
}

void TtsGridDropDowns::OpenComboDropDown(int dataCol, int dataRow)
{
  if (dropDownCell_ != QPoint(dataCol, dataRow) || !IsComboDroppedDown())
    CloseDropDowns(false);
  ShowComboDropDown(dataCol, dataRow);
  FocusGrid();
  if (!registered_) {
    registered_ = true;
    RegisterDropDownGrid(*this);
  }
}

void TtsGridDropDowns::ShowComboDropDown(int dataCol, int dataRow)
{
  TtsDropDownForm& form = ComboDropDownForm();
  TtsComboGrid& list = GridCombo().ComboGrid();
  LoadComboForCell(dataCol, dataRow);
  if (list.Rows() > 0) {
    list.SetTopLeftLimited(list.LeftCol(), list.FixedRows());
    list.SetCurrentDataRow(1);
  }
  BeginComboDropDown(dataCol, dataRow);
  list.SizeDropDown(list.DropDownCols(), list.DropDownRows());
  SyncComboToCell();
  static_cast<TtsBaseGrid&>(list).SelectionFollowsRow();
  PlaceDropDown(list, list.width(), list.height());
  if (grid_.Designing()) {
    // Being designed, the list lies on the grid's own form, where it can be worked on in place.
    list.show();
    list.raise();
  } else {
    form.setEnabled(true);
    list.show();
    form.show();
  }
  grid_.update();
  list.update();
}

void TtsGridDropDowns::ResizeDropDown(int cols, int rows, bool force)
{
  TtsComboGrid& list = GridCombo().ComboGrid();
  const QSize extent = list.DropDownExtent(cols, rows);
  if (!force && extent == list.size())
    return;
  if (IsComboDroppedDown()) {
    PlaceDropDown(list, extent.width(), extent.height());
    return;
  }
  list.resize(extent);
}

void TtsGridDropDowns::ListSizeChanged(TtsComboGrid& list)
{
  if (!gridCombo_ || list.ResizeHeld())
    return;
  if (&list != &gridCombo_->ComboGrid()) {
    // A cell's own combo: an open list showing it is loaded again at its new size.
    if (list.Combo())
      ComboChanged(*list.Combo(), true);
    return;
  }
  if (IsComboDroppedDown())
    ResizeDropDown(list.DropDownCols(), list.DropDownRows(), false);
}

QRect TtsGridDropDowns::ScreenCellRect(int dataCol, int dataRow) const
{
  const int displayCol = grid_.Model().DisplayColOf(dataCol);
  const int displayRow = grid_.DisplayRowOfData(dataRow);
  const QRect cell = grid_.CellBounds(displayCol, displayRow);
  return cell.translated(grid_.mapToGlobal(QPoint(0, 0)));
}

bool TtsGridDropDowns::ListOnOwnersForm() const
{
  return gridCombo_ && comboForm_ && gridCombo_->ComboGrid().parentWidget() == grid_.window() &&
         grid_.window() != &grid_;
}

QPoint TtsGridDropDowns::AnchorCell() const
{
  if (dropDownCell_ != kNoCell && comboForm_ && (comboForm_->isVisible() || ListOnOwnersForm()))
    return dropDownCell_;
  return {grid_.CurrentDataCol(), grid_.CurrentDataRow()};
}

void TtsGridDropDowns::PlaceDropDown(QWidget& control, int width, int height)
{
  const QPoint anchor = AnchorCell();
  const QRect cell = ScreenCellRect(anchor.x(), anchor.y());
  QPoint point(cell.left(), cell.top() + cell.height());
  const int colWidth = grid_.Model().ColWidth(grid_.Model().DisplayColOf(anchor.x()));
  if (width < colWidth)
    point.rx() += colWidth - width;
  const int rowHeight = grid_.Model().RowHeight(grid_.DisplayRowOfData(anchor.y()));
  const int cellTop = point.y() + grid_.HorzLineWidth() - rowHeight;
  if (grid_.Designing() && grid_.window() != &grid_ && &control == &GridCombo().ComboGrid()) {
    PlaceOnOwnersForm(control, grid_.window()->mapFromGlobal(point), width, height);
    return;
  }
  control.move(0, 0);
  point = PlaceBelowCell(point, QSize(width, height), cellTop, ScreenSize());
  if (control.size() != QSize(width, height)) {
    control.resize(width, height);
    if (auto* list = dynamic_cast<TtsBaseGrid*>(&control))
      list->UpdateScrollBars();
  }
  QWidget* form = control.window();
  if (form != &control && form != grid_.window())
    static_cast<TtsDropDownForm*>(form)->PlaceOnScreen(point.x(), point.y(), width, height);
}

void TtsGridDropDowns::PlaceOnOwnersForm(QWidget& list, QPoint point, int width, int height)
{
  if (list.parentWidget() != grid_.window())
    list.setParent(grid_.window());
  list.setGeometry(point.x(), point.y(), width, height);
  if (auto* grid = dynamic_cast<TtsBaseGrid*>(&list))
    grid->UpdateScrollBars();
}

void TtsGridDropDowns::LoadComboForCell(int dataCol, int dataRow)
{
  const int colWidth = grid_.Model().ColWidth(grid_.Model().DisplayColOf(dataCol));
  if (layoutValid_ && !grid_.Designing() && layoutCell_ == QPoint(dataCol, dataRow) && layoutColWidth_ == colWidth)
    return;
  TtsComboBox& working = GridCombo();
  TtsComboGrid& list = working.ComboGrid();
  TtsCombo* combo = grid_.Model().ResolveCombo(dataCol, dataRow);
  if (combo) {
    if (combo != activeCombo_ || grid_.Designing())
      working.Assign(*combo);
  } else {
    if (grid_.Designing() || activeCombo_)
      working.Reset();
    else
      SetupComboGrid(list);
    TtsDropDownStyle style = ddDropDown;
    grid_.Model().ResolveButtonType(dataCol, dataRow, style);
    list.SetDropDownStyle(style);
    list.SetDefaultColWidth(colWidth + 10);
    list.SetDefaultRowHeight(std::max(grid_.ComboRowHeight, list.TextLineHeight()));
    list.UpdateScrollBars();
  }
  activeCombo_ = combo;
  comboLoaded_ = true;
  FireComboEvent(OnComboInit, dataCol, dataRow);
  layoutValid_ = true;
  layoutCell_ = {dataCol, dataRow};
  layoutColWidth_ = colWidth;
}

void TtsGridDropDowns::BeginComboDropDown(int dataCol, int dataRow)
{
  if (dropDownCell_ != kNoCell)
    return;
  ClearComboSearch();
  FireComboEvent(OnComboDropDown, dataCol, dataRow);
  dropDownCell_ = {dataCol, dataRow};
}

void TtsGridDropDowns::EndComboDropDown()
{
  if (dropDownCell_ == kNoCell)
    return;
  ClearComboSearch();
  const QPoint cell = dropDownCell_;
  dropDownCell_ = kNoCell;
  FireComboEvent(OnComboRollUp, cell.x(), cell.y());
}

void TtsGridDropDowns::FireComboEvent(const TtsComboCellEvent& event, int dataCol, int dataRow)
{
  grid_.Fire(event, static_cast<TtsCombo&>(GridCombo()), dataCol, dataRow);
}

void TtsGridDropDowns::FocusGrid()
{
  if (!grid_.hasFocus() && !(Cell().EditorWindow() && Cell().EditorWindow()->hasFocus()))
    grid_.setFocus();
}

// Choosing a row -----------------------------------------------------------------------------------------------

void TtsGridDropDowns::ComboRowChosen(int /*dataColDown*/, int dataRowDown, int /*dataColUp*/, int /*dataRowUp*/)
{
  if (dataRowDown == 0)
    return;
  TtsComboGrid& list = GridCombo().ComboGrid();
  if (list.Rows() <= 0 || list.Cols() <= 0 || list.RowSelectMode() == rsNone) {
    CloseDropDowns(false);
    FocusGrid();
    return;
  }
  const int valueCol = list.ValueCol > list.Cols() ? 0 : list.ValueCol;
  const bool wasDroppedDown = CloseComboDropDown(false, true);
  Finally finish([&] {
    if (wasDroppedDown)
      EndComboDropDown();
    FocusGrid();
  });
  SetComboValue(ComboValue(valueCol));
}

TtsCellValue TtsGridDropDowns::ValueFromGetValue(int comboRow, const TtsCellValue& fallback)
{
  TtsCellValue value;
  grid_.Fire(OnComboGetValue, static_cast<TtsCombo&>(GridCombo()), grid_.CurrentDataCol(), grid_.CurrentDataRow(),
             comboRow, value);
  return value.IsEmpty() ? fallback : value;
}

TtsCellValue TtsGridDropDowns::ComboValue(int valueCol)
{
  TtsComboGrid& list = GridCombo().ComboGrid();
  const int row = list.CurrentDataRow();
  if (row <= 0 || (row <= list.FixedRowCount() && !list.SelectFixed))
    return {};
  TtsCellValue value = ValueFromGetValue(row, {});
  const TtsControlType type = grid_.Model().CurrentControlType();
  if (!value.IsEmpty())
    return type == ctText ? TtsBaseGrid::ConvertCellValue(type, value) : value;
  if (type == ctNone || valueCol == 0)
    return value;
  value = list.Cell(valueCol, row);
  if (value.IsEmpty() && list.StoreData() && type == ctText)
    value = TtsCellValue(std::string());
  return value;
}

void TtsGridDropDowns::SetComboValue(const TtsCellValue& value)
{
  if (!value.IsEmpty())
    grid_.CheckCellValue(grid_.Model().CurrentControlType(), value);
  SetCurrentCellValue(value, true);
}

void TtsGridDropDowns::SetCurrentCellValue(const TtsCellValue& value, bool selectText)
{
  if (value.IsEmpty() || SameValue(Cell().Value(), value))
    return;
  Finally select([&] {
    if (selectText && grid_.Model().CurrentControlType() == ctText)
      Cell().Select(0, int(CellValueText(value).size()));
  });
  Cell().ChangeValue(value);
}

// Bookkeeping ---------------------------------------------------------------------------------------------------

void TtsGridDropDowns::ComboGone(const TtsCombo& combo)
{
  if (&combo == activeCombo_)
    ClearActiveCombo();
}

void TtsGridDropDowns::ResetGridCombo()
{
  if (grid_.Model().IsComboGrid)
    return;
  if (gridCombo_)
    gridCombo_->Reset();
  comboLoaded_ = false;
  ClearActiveCombo();
}

void TtsGridDropDowns::UnloadCombo(bool reset)
{
  if (grid_.Model().IsComboGrid)
    return;
  if (comboLoaded_) {
    comboLoaded_ = false;
    if (reset && activeCombo_ && gridCombo_)
      gridCombo_->Reset();
  }
  ClearActiveCombo();
}

void TtsGridDropDowns::UnloadComboIfActive(const TtsCombo& combo, bool reset)
{
  if (!grid_.Model().IsComboGrid && activeCombo_ && &combo == activeCombo_)
    UnloadCombo(reset);
}

void TtsGridDropDowns::ComboChanged(TtsCombo& combo, bool refresh)
{
  if (&combo == activeCombo_)
    DropComboState(refresh);
}

void TtsGridDropDowns::CloseComboDropDownFor(const TtsCombo& combo)
{
  if (&combo != activeCombo_)
    return;
  CloseDropDowns(false);
  UnloadCombo(false);
}

void TtsGridDropDowns::DropComboState(bool refresh)
{
  if (grid_.Model().IsComboGrid)
    return;
  layoutValid_ = false;
  const bool reload = refresh && activeCombo_ && IsComboDroppedDown();
  UnloadCombo(false);
  if (!reload)
    return;
  LoadComboForCell(dropDownCell_.x(), dropDownCell_.y());
  TtsComboGrid& list = GridCombo().ComboGrid();
  ResizeDropDown(list.DropDownCols(), list.DropDownRows(), true);
}

}  // namespace grid
