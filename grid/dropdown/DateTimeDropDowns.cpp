// The date-time drop-downs of date-time cells.

#include "grid/dropdown/GridDropDowns.h"

#include "grid/dropdown/DateTimeCellText.h"
#include "grid/dropdown/Finally.h"
#include "grid/model/DateTimeText.h"

#include <typeinfo>

namespace grid {

namespace {

constexpr QPoint kNoCell{-1, -1};

bool IsDateTimeButton(TtsButtonType type) { return type == btDateTimeDropDown || type == btDateTimePopup; }

}  // namespace

TtsDateTimeChooserDef* TtsGridDropDowns::ResolveDateTimeDef(int dataCol, int dataRow) const
{
  const TtsGridModel& model = grid_.Model();
  if (dataCol < 1 || dataCol > grid_.Cols() || dataRow < 1 || dataRow > grid_.Rows())
    return nullptr;
  TtsDateTimeDefComponent* definition = nullptr;
  const TtsCellElement* cell = model.CellProps().Find(dataCol, dataRow);
  if (cell && IsDateTimeButton(cell->Attributes().ButtonType)) {
    definition = cell->Attributes().DateTimeDef;
  } else {
    const TtsAttributes& row = model.RowLevel(dataRow);
    const TtsAttributes& col = model.Col(dataCol).Attributes();
    const bool rowOnTop = model.Level.DrawOverlap == doDrawRowOnTop;
    if (rowOnTop)
      definition = IsDateTimeButton(row.ButtonType) ? row.DateTimeDef : col.DateTimeDef;
    else
      definition = IsDateTimeButton(col.ButtonType) ? col.DateTimeDef : row.DateTimeDef;
  }
  if (!definition)
    definition = model.DateTimeDef();
  return dynamic_cast<TtsDateTimeChooserDef*>(definition);
}

bool TtsGridDropDowns::ToggleDateTimeDropDown(int dataCol, int dataRow)
{
  if (dropDownCell_ == QPoint(dataCol, dataRow) && IsDateTimeDroppedDown()) {
    CloseDropDowns(false);
    return true;
  }
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType type = grid_.Model().ResolveButtonType(dataCol, dataRow, style);
  const TtsGridMode mode = grid_.GridMode();
  if (!IsDateTimeButton(type) || grid_.Model().IsCellReadOnly(dataCol, dataRow) ||
      (mode != gmEdit && mode != gmEditInsert) || !ResolveDateTimeDef(dataCol, dataRow))
    return false;
  return DropDownDateTime(dataCol, dataRow);
}

bool TtsGridDropDowns::DropDownDateTime(int dataCol, int dataRow)
{
  CloseDropDowns(false);
  OpenDateTimeDropDown(dataCol, dataRow);
  if (dateTimeForm_->DropDownStyle() && dateTimeControl_ && !registered_) {
    registered_ = true;
    RegisterDropDownGrid(*this);
  }
  return true;
}

void TtsGridDropDowns::PrepareChooser(TtsDateTimeChooserDef* definition)
{
  if (!definition || (dateTimeControl_ && std::type_index(typeid(*dateTimeControl_)) != definition->ChooserType())) {
    dateTimeControl_.reset();
    loadedDateTimeDef_ = nullptr;
  }
  if (!definition || dateTimeControl_)
    return;
  dateTimeControl_ = definition->CreateChooser(dateTimeForm_.get());
  if (QWidget* window = dateTimeControl_->Window()) {
    window->setParent(dateTimeForm_.get());
    window->show();
  }
  dateTimeControl_->OnAccept = [this] { DateTimeAccept(); };
  dateTimeControl_->OnCancel = [this] { DateTimeCancel(); };
}

void TtsGridDropDowns::OpenDateTimeDropDown(int dataCol, int dataRow)
{
  if (!dateTimeForm_) {
    dateTimeForm_ = std::make_unique<TtsDropDownForm>(&grid_);
    SetupDropDownForm(*dateTimeForm_);
  }
  TtsDateTimeChooserDef* definition = ResolveDateTimeDef(dataCol, dataRow);
  PrepareChooser(definition);
  if (!dateTimeControl_)
    return;
  TtsDateTimeChooser& chooser = *dateTimeControl_;
  chooser.ClearValue();
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType type = grid_.Model().ResolveButtonType(dataCol, dataRow, style);
  if (!dateTimeInitialised_) {
    if (definition != loadedDateTimeDef_) {
      loadedDateTimeDef_ = definition;
      chooser.AssignFrom(*definition);
    }
    chooser.SetPopup(type == btDateTimePopup);
    chooser.Initialise();
    FireDateTimeEvent(OnDateTimeInit, dataCol, dataRow);
    dateTimeInitialised_ = true;
  }
  if (dropDownCell_ == kNoCell) {
    FireDateTimeEvent(OnDateTimeDropDown, dataCol, dataRow);
    dropDownCell_ = {dataCol, dataRow};
  }
  dateTimeForm_->SetDropDownStyle(type != btDateTimePopup);
  if (type == btDateTimePopup)
    dateTimeForm_->setWindowTitle(QString::fromLatin1(chooser.Caption().c_str()));
  if (chooser.Value().IsEmpty())
    chooser.SetValue(ValueToDateTime(Cell().Value(), DateFormat, NowDateTime()));
  PlaceDateTimeForm();
  ShowDateTimeForm();
  grid_.update();
  if (QWidget* window = chooser.Window())
    window->repaint();
}

void TtsGridDropDowns::PlaceDateTimeForm()
{
  TtsDropDownForm& form = *dateTimeForm_;
  QWidget* window = dateTimeControl_ ? dateTimeControl_->Window() : nullptr;
  const int displayCol = grid_.Model().DisplayColOf(dropDownCell_.x());
  const int colWidth = grid_.Model().ColWidth(displayCol);
  int width = window ? window->width() : colWidth;
  int height = window ? window->height() : 15;
  width += form.FrameWidth();
  height += form.FrameHeight();
  const QRect cell = ScreenCellRect(dropDownCell_.x(), dropDownCell_.y());
  QPoint point(cell.left(), cell.top() + cell.height());
  if (width < colWidth)
    point.rx() += colWidth - width;
  if (window)
    window->move(0, 0);
  if (form.DropDownStyle()) {
    const int rowHeight = grid_.Model().RowHeight(grid_.DisplayRowOfData(dropDownCell_.y()));
    point = PlaceBelowCell(point, QSize(width, height), point.y() + grid_.HorzLineWidth() - rowHeight, ScreenSize());
  } else {
    point = CentreOnScreen(QSize(width, height), ScreenSize());
  }
  form.PlaceOnScreen(point.x(), point.y(), width, height);
}

void TtsGridDropDowns::ShowDateTimeForm()
{
  TtsDropDownForm& form = *dateTimeForm_;
  form.setEnabled(true);
  if (form.DropDownStyle()) {
    form.show();
    dateTimeControl_->Activate();
    return;
  }
  dateTimeAccepted_ = false;
  dateTimeCancelled_ = false;
  dateTimeModal_ = true;
  form.OnModalShow = [this] {
    if (dateTimeControl_)
      dateTimeControl_->Activate();
  };
  form.OnModalClose = [this] { DateTimeCancel(); };
  {
    Finally after([&] {
      form.OnModalShow = nullptr;
      form.OnModalClose = nullptr;
    });
    form.RunModalPopup();
  }
  Finally endModal([&] { dateTimeModal_ = false; });
  if (dateTimeAccepted_)
    ApplyDateTimeValue();
  else if (dateTimeCancelled_)
    CancelDateTime();
}

bool TtsGridDropDowns::IsDateTimeDroppedDown() const
{
  if (dateTimeForm_ && dateTimeForm_->isVisible())
    return true;
  QWidget* window = dateTimeControl_ ? dateTimeControl_->Window() : nullptr;
  return window && window->parentWidget() != dateTimeForm_.get();
}

bool TtsGridDropDowns::IsDateTimeControlWindow(const QWidget* window) const
{
  const QWidget* control = dateTimeControl_ ? dateTimeControl_->Window() : nullptr;
  return control && window && (window == control || control->isAncestorOf(window));
}

bool TtsGridDropDowns::CloseDateTimeDropDown(bool showParentForm, bool updateNow)
{
  const bool open = IsDateTimeDroppedDown() || dateTimeModal_;
  if (!open)
    return false;
  dateTimeInitialised_ = false;
  if (dateTimeForm_) {
    dateTimeForm_->hide();
    dateTimeForm_->setEnabled(false);
    if (dateTimeForm_->DropDownStyle())
      Unregister();
    else
      dateTimeForm_->EndModal(platform::mrCancel);
  }
  dateTimeModal_ = false;
  if (updateNow)
    grid_.update();
  if (showParentForm && grid_.window()->isActiveWindow())
    grid_.window()->raise();
  return open;
}

TtsCellValue TtsGridDropDowns::GetDateTimeText(int dataCol, int dataRow)
{
  if (!dateTimeControl_)
    return {};
  TtsCellValue value = dateTimeControl_->Value();
  grid_.Fire(OnDateTimeGetValue, *dateTimeControl_, dataCol, TtsCellValue(dataRow), value);
  if (!value.IsFloat())
    return value;
  const double dateTime = value.AsDouble();
  std::string datePattern = ExpandYearFormat(BuildDateFormat(true, DateFormat));
  std::string timePattern = HasAmPm(DateFormat) ? DateFormat.LongTimeFormat : RemoveAmPm(DateFormat.LongTimeFormat);
  std::string pattern;
  switch (dateTimeControl_->Kind()) {
    case dtkDate:
      pattern = datePattern;
      break;
    case dtkTime:
      pattern = timePattern;
      break;
    default:
      pattern = HasTimeOfDay(dateTime) ? datePattern + " " + timePattern : datePattern;
      break;
  }
  return TtsCellValue(FormatDateTimeText(pattern, dateTime, DateFormat.TimeAMString, DateFormat.TimePMString));
}

void TtsGridDropDowns::ApplyDateTimeValue()
{
  if (!dateTimeControl_ || dateTimeControl_->Value().IsEmpty() || (grid_.Designing() && !grid_.StoreData())) {
    CloseDropDowns(false);
    FocusGrid();
    dateTimeAccepted_ = false;
    return;
  }
  const bool wasOpen = CloseDateTimeDropDown(false, true);
  Finally finish([&] {
    if (wasOpen)
      ClearDropDownCell();
    FocusGrid();
    dateTimeAccepted_ = false;
  });
  const TtsCellValue text = GetDateTimeText(grid_.CurrentDataCol(), grid_.CurrentDataRow());
  if (text.IsEmpty())
    return;
  grid_.CheckCellValue(grid_.Model().CurrentControlType(), text);
  SetCurrentCellValue(text, true);
}

void TtsGridDropDowns::CancelDateTime()
{
  CloseDropDowns(false);
  FocusGrid();
  dateTimeCancelled_ = false;
}

void TtsGridDropDowns::DateTimeAccept()
{
  dateTimeAccepted_ = true;
  if (dateTimeForm_ && !dateTimeForm_->DropDownStyle()) {
    dateTimeForm_->EndModal(platform::mrOk);
    return;
  }
  ApplyDateTimeValue();
}

void TtsGridDropDowns::DateTimeCancel()
{
  dateTimeCancelled_ = true;
  if (dateTimeForm_ && !dateTimeForm_->DropDownStyle()) {
    dateTimeForm_->EndModal(platform::mrCancel);
    return;
  }
  CancelDateTime();
}

void TtsGridDropDowns::ClearDropDownCell()
{
  if (dropDownCell_ == kNoCell)
    return;
  const QPoint cell = dropDownCell_;
  dropDownCell_ = kNoCell;
  FireDateTimeEvent(OnDateTimeRollUp, cell.x(), cell.y());
}

void TtsGridDropDowns::FireDateTimeEvent(const TtsDateTimeCellEvent& event, int dataCol, int dataRow)
{
  if (dateTimeControl_)
    grid_.Fire(event, *dateTimeControl_, dataCol, TtsCellValue(dataRow));
}

void TtsGridDropDowns::ForgetDateTimeDef()
{
  dateTimeInitialised_ = false;
  loadedDateTimeDef_ = nullptr;
}

void TtsGridDropDowns::ForgetDateTimeDefIf(const TtsDateTimeDefComponent* definition)
{
  if (definition && definition == loadedDateTimeDef_)
    ForgetDateTimeDef();
}

}  // namespace grid
