// Date-time cells: the definition that governs a cell, the chooser's drop-down under the cell or its
// popup in the middle of the screen, the accepted value as the cell's text, and closing.
#include "ComboFixture.h"

#include "grid/dropdown/DateTimeCellText.h"
#include "grid/model/DateTimeText.h"
#include "platform/ModalRun.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QPointer>
#include <gtest/gtest.h>

namespace {

using namespace grid;

// A chooser with a window of 120 x 90 and a value set by the test.
class TestChooser : public TtsDateTimeChooser {
 public:
  TestChooser() : window_(new QWidget) { window_->resize(120, 90); }
  ~TestChooser() override { delete window_.data(); }
  void AssignFrom(const TtsDateTimeChooserDef& definition) override;
  QWidget* Window() const override { return window_; }
  TtsCellValue Value() const override { return value_; }
  void SetValue(double dateTime) override { value_ = TtsCellValue::Date(dateTime); }
  void ClearValue() override { value_ = {}; }
  void SetPopup(bool popup) override { popup_ = popup; }
  void Initialise() override { ++initialised; }
  void Activate() override { ++activated; }
  std::string Caption() const override { return caption_; }
  TtsDateTimeKind Kind() const override { return kind_; }

  int initialised = 0;
  int activated = 0;
  bool popup_ = false;
  std::string caption_;
  TtsDateTimeKind kind_ = dtkDate;

 private:
  QPointer<QWidget> window_;
  TtsCellValue value_;
};

class TestChooserDef : public TtsDateTimeChooserDef {
 public:
  explicit TestChooserDef(TtsDateTimeKind kind = dtkDate) : kind(kind) {}
  std::unique_ptr<TtsDateTimeChooser> CreateChooser(QWidget*) const override
  {
    return std::make_unique<TestChooser>();
  }
  std::type_index ChooserType() const override { return typeid(TestChooser); }
  TtsDateTimeKind kind;
  std::string caption = "Pick a date";
};

void TestChooser::AssignFrom(const TtsDateTimeChooserDef& definition)
{
  const auto& def = static_cast<const TestChooserDef&>(definition);
  kind_ = def.kind;
  caption_ = def.caption;
}

double Date(int y, int m, int d) { return *EncodeDate(y, m, d); }

struct DateTimeFixture : ComboFixture {
  explicit DateTimeFixture(TtsButtonType type = btDateTimeDropDown, TtsDateTimeKind kind = dtkDate)
      : ComboFixture(ddDropDown), definition(kind)
  {
    grid.Model().Col(3).SetButtonType(type);
    grid.Model().Col(3).SetDateTimeDef(&definition);
    grid.SetCurrentDataCol(3);
    AttachEditor(true);
    drops().DateFormat.ShortDateFormat = "M/d/yyyy";
    drops().DateFormat.LongTimeFormat = "hh:nn:ss";
    drops().DateFormat.DateSeparator = '/';
    drops().DateFormat.TimeAMString.clear();
    drops().DateFormat.TimePMString.clear();
    drops().SetScreenSize({3000, 3000});
  }
  TestChooser& chooser() { return static_cast<TestChooser&>(*drops().DateTimeControl()); }

  TestChooserDef definition;
};

TEST(DateTimeDropDown, TheDefinitionOfTheColumnGovernsWhenTheRowHasNoDateTimeButton)
{
  DateTimeFixture f;
  TestChooserDef rowDef;
  f.grid.SetRowDateTimeDef(2, &rowDef);
  EXPECT_EQ(f.drops().ResolveDateTimeDef(3, 2), &f.definition);
  f.grid.SetDrawOverlap(doDrawRowOnTop);
  EXPECT_EQ(f.drops().ResolveDateTimeDef(3, 2), &f.definition);
  f.grid.Model().ChangeRow(2, [](TtsRow& row) { row.SetButtonType(btDateTimePopup); });
  EXPECT_EQ(f.drops().ResolveDateTimeDef(3, 2), &rowDef);

  TestChooserDef cellDef;
  f.grid.Model().CellProps().SetProp(1, 1, piButtonType, TtsCellValue(int(btDateTimeDropDown)));
  f.grid.Model().CellProps().SetDateTimeDef(1, 1, &cellDef);
  EXPECT_EQ(f.drops().ResolveDateTimeDef(1, 1), &cellDef);

  TestChooserDef gridDef;
  f.grid.SetDateTimeDef(&gridDef);
  EXPECT_EQ(f.drops().ResolveDateTimeDef(1, 3), &gridDef);  // nothing else: the grid's
  EXPECT_EQ(f.drops().ResolveDateTimeDef(0, 3), nullptr);
  f.grid.SetRowDateTimeDef(2, nullptr);
  f.grid.SetDateTimeDef(nullptr);
}

TEST(DateTimeDropDown, DropsDownUnderTheCellAndTheAcceptedDateBecomesTheCellsText)
{
  DateTimeFixture f;
  std::vector<std::string> events;
  auto record = [&](const char* name) {
    return [&events, name](TtsBaseGrid&, TtsDateTimeChooser&, int c, const TtsCellValue& r) {
      events.push_back(std::string(name) + " " + std::to_string(c) + "," + std::to_string(r.AsInteger()));
    };
  };
  f.drops().OnDateTimeInit = record("init");
  f.drops().OnDateTimeDropDown = record("down");
  f.drops().OnDateTimeRollUp = record("up");
  f.grid.Model().Col(3).SetWidth(200);
  ASSERT_TRUE(f.drops().ToggleDateTimeDropDown(3, 2));
  ASSERT_TRUE(f.drops().IsDateTimeDroppedDown());
  EXPECT_TRUE(DropDownHooksInstalled());
  EXPECT_EQ(f.chooser().activated, 1);
  EXPECT_FALSE(f.chooser().popup_);

  const QRect cell = f.grid.CellBounds(f.grid.Model().DisplayColOf(3), f.grid.DisplayRowOfData(2));
  const QPoint at = f.grid.mapToGlobal(cell.topLeft());
  const QRect form = f.drops().DateTimeForm()->geometry();
  EXPECT_EQ(form, QRect(at.x() + 200 - 120, at.y() + cell.height(), 120, 90));

  f.chooser().SetValue(Date(2024, 3, 15));
  f.chooser().OnAccept();
  EXPECT_EQ(f.EditorText(), "3/15/2024");
  EXPECT_FALSE(f.drops().IsDateTimeDroppedDown());
  EXPECT_FALSE(DropDownHooksInstalled());
  EXPECT_EQ(events, (std::vector<std::string>{"init 3,2", "down 3,2", "up 3,2"}));
}

TEST(DateTimeDropDown, DateAndTimeTextsLeaveMidnightOut)
{
  DateTimeFixture f(btDateTimeDropDown, dtkDateTime);
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {Date(2024, 3, 15), "3/15/2024"},
      {Date(2024, 3, 15) + (14 * 3600 + 30 * 60 + 5) / 86400.0, "3/15/2024 14:30:05"},
      {Date(1899, 12, 30), "12/30/1899"},
  };
  for (const Case& c : cases) {
    f.drops().ToggleDateTimeDropDown(3, 2);
    f.chooser().SetValue(c.value);
    EXPECT_EQ(CellValueText(f.drops().GetDateTimeText(3, 2)), c.text);
    f.drops().CloseDropDowns(false);
  }
  f.drops().OnDateTimeGetValue = [](TtsBaseGrid&, TtsDateTimeChooser&, int, const TtsCellValue&, TtsCellValue& v) {
    v = TtsCellValue("handler");
  };
  f.drops().ToggleDateTimeDropDown(3, 2);
  EXPECT_EQ(CellValueText(f.drops().GetDateTimeText(3, 2)), "handler");  // not a date: as it is
}

TEST(DateTimeDropDown, TimeTextsFollowTheLongTimeFormat)
{
  DateTimeFixture f(btDateTimeDropDown, dtkTime);
  const double when = Date(2024, 3, 15) + (14 * 3600 + 30 * 60 + 5) / 86400.0;
  struct Case {
    const char* format;
    bool amPm;  // the system has AM and PM texts
    const char* text;
  } cases[] = {
      {"hh:nn:ss", true, "14:30:05"},
      {"h:nn:ss am/pm", true, "2:30:05 PM"},
      {"h:nn:ss am/pm", false, "14:30:05"},
      {"hh.nn \"Uhr\"", false, "14.30 Uhr"},
  };
  for (const Case& c : cases) {
    f.drops().DateFormat.LongTimeFormat = c.format;
    f.drops().DateFormat.TimeAMString = c.amPm ? "AM" : "";
    f.drops().DateFormat.TimePMString = c.amPm ? "PM" : "";
    f.drops().ToggleDateTimeDropDown(3, 2);
    f.chooser().SetValue(when);
    EXPECT_EQ(CellValueText(f.drops().GetDateTimeText(3, 2)), c.text) << c.format;
    f.drops().CloseDropDowns(false);
  }
}

TEST(DateTimeDropDown, PressingTheButtonOfTheOpenCellClosesIt)
{
  DateTimeFixture f;
  EXPECT_TRUE(f.drops().ToggleDateTimeDropDown(3, 2));
  EXPECT_TRUE(f.drops().ToggleDateTimeDropDown(3, 2));
  EXPECT_FALSE(f.drops().IsDateTimeDroppedDown());
  EXPECT_EQ(f.drops().DropDownCell(), QPoint(-1, -1));
}

TEST(DateTimeDropDown, AClickOutsideClosesItAndAClickInTheChooserDoesNot)
{
  DateTimeFixture f;
  QWidget other;
  other.show();
  ASSERT_TRUE(f.drops().ToggleDateTimeDropDown(3, 2));
  ASSERT_TRUE(f.drops().IsDateTimeDroppedDown());
  testing_support::Click(*f.chooser().Window());
  EXPECT_TRUE(f.drops().IsDateTimeDroppedDown());
  testing_support::Click(other);
  EXPECT_FALSE(f.drops().IsDateTimeDroppedDown());
}

TEST(DateTimeDropDown, APopupCellRunsTheChooserCentredAndModal)
{
  DateTimeFixture f(btDateTimePopup);
  f.drops().SetScreenSize({1000, 800});
  QRect shownAt;
  platform::ModalScript script;
  script.Then([&](platform::ModalSubject&) {
    shownAt = f.drops().DateTimeForm()->geometry();
    f.chooser().SetValue(Date(2001, 2, 3));
    f.chooser().OnAccept();
    return platform::mrOk;
  });
  EXPECT_TRUE(f.drops().ToggleDateTimeDropDown(3, 2));
  const TtsDropDownForm& form = *f.drops().DateTimeForm();
  const QSize size(120 + form.FrameWidth(), 90 + form.FrameHeight());
  EXPECT_EQ(shownAt.topLeft(), CentreOnScreen(size, {1000, 800}));
  EXPECT_EQ(form.windowTitle().toStdString(), "Pick a date");
  EXPECT_TRUE(f.chooser().popup_);
  EXPECT_EQ(f.EditorText(), "2/3/2001");
  EXPECT_FALSE(f.drops().DateTimeModal());
  EXPECT_EQ(f.drops().DropDownCell(), QPoint(-1, -1));
}

TEST(DateTimeDropDown, ACancelledPopupLeavesTheCell)
{
  DateTimeFixture f(btDateTimePopup);
  f.editor->SetValue(TtsCellValue("before"));
  platform::ModalScript script;
  script.Then([&](platform::ModalSubject&) {
    f.chooser().SetValue(Date(2001, 2, 3));
    f.chooser().OnCancel();
    return platform::mrCancel;
  });
  f.drops().ToggleDateTimeDropDown(3, 2);
  EXPECT_EQ(f.EditorText(), "before");
  EXPECT_FALSE(f.drops().IsDateTimeDroppedDown());
}

TEST(DateTimeDropDown, TheChooserStartsFromTheCellsValue)
{
  DateTimeFixture f;
  f.editor->SetValue(TtsCellValue("12/24/2023"));
  f.drops().DateFormat = TtsDateFormat{};
  f.drops().ToggleDateTimeDropDown(3, 2);
  ASSERT_TRUE(f.chooser().Value().IsFloat());
  EXPECT_DOUBLE_EQ(f.chooser().Value().AsDouble(), Date(2023, 12, 24));
}

TEST(DateTimeDropDown, ACellWithoutADefinitionFreesTheChooserAndOpensNothing)
{
  DateTimeFixture f;
  f.drops().ToggleDateTimeDropDown(3, 2);
  f.drops().CloseDropDowns(false);
  ASSERT_NE(f.drops().DateTimeControl(), nullptr);
  f.grid.Model().Col(1).SetButtonType(btDateTimeDropDown);
  EXPECT_FALSE(f.drops().ToggleDateTimeDropDown(1, 2));  // no definition: not allowed
  f.drops().OpenDateTimeDropDown(1, 2);
  EXPECT_EQ(f.drops().DateTimeControl(), nullptr);
  EXPECT_FALSE(f.drops().IsDateTimeDroppedDown());
}

TEST(DateTimeDropDown, ReadOnlyCellsAndBrowsingGridsOpenNothing)
{
  DateTimeFixture f;
  f.grid.Model().Col(3).SetReadOnly(true);
  EXPECT_FALSE(f.drops().ToggleDateTimeDropDown(3, 2));
  f.grid.Model().Col(3).SetReadOnly(false);
  f.grid.SetGridMode(gmBrowse);
  EXPECT_FALSE(f.drops().ToggleDateTimeDropDown(3, 2));
}

TEST(DateTimeDropDown, OpeningTheComboListClosesTheDateTimeDropDown)
{
  DateTimeFixture f;
  f.drops().ToggleDateTimeDropDown(3, 2);
  f.drops().OpenComboDropDown(2, 2);
  EXPECT_FALSE(f.drops().IsDateTimeDroppedDown());
  EXPECT_TRUE(f.drops().IsComboDroppedDown());
  f.drops().CloseDropDowns(false);
  EXPECT_FALSE(DropDownHooksInstalled());
}

TEST(DateTimeDropDown, ADestroyedDefinitionIsForgottenEverywhere)
{
  DateTimeFixture f;
  auto shared = std::make_unique<TestChooserDef>();
  f.grid.SetDateTimeDef(shared.get());
  f.grid.Model().Col(1).SetDateTimeDef(shared.get());
  f.grid.Model().Col(2).SetDateTimeDef(shared.get());
  f.grid.Model().CellProps().SetDateTimeDef(1, 1, shared.get());
  EXPECT_EQ(shared->CountOf(f.grid.Model().DateTimeLink()), 4);
  shared.reset();
  EXPECT_EQ(f.grid.DateTimeDef(), nullptr);
  EXPECT_EQ(f.grid.Model().Col(1).DateTimeDef(), nullptr);
  EXPECT_EQ(f.grid.Model().Col(2).DateTimeDef(), nullptr);
  const TtsCellElement* cell = f.grid.Model().CellProps().Find(1, 1);
  EXPECT_TRUE(!cell || !cell->Attributes().DateTimeDef);
}

// Keys typed into the grid itself: F4 and Alt+Down open the chooser, F4 closes it and Tab closes it
// and moves on.
TEST(DateTimeDropDown, TheGridsKeysOpenAndCloseTheChooser)
{
  DateTimeFixture f;
  f.grid.SetCurrentDataCol(2);
  f.grid.SetCurrentDataCol(3);
  testing_support::PressKey(f.grid, Qt::Key_F4);
  ASSERT_TRUE(f.drops().IsDateTimeDroppedDown());
  testing_support::PressKey(f.grid, Qt::Key_F4);
  EXPECT_FALSE(f.drops().IsDateTimeDroppedDown());

  testing_support::PressKey(f.grid, Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(f.drops().IsDateTimeDroppedDown());
  testing_support::PressKey(f.grid, Qt::Key_Tab);
  EXPECT_FALSE(f.drops().IsDateTimeDroppedDown());
  EXPECT_EQ(f.grid.CurrentDataRow(), 3) << "Tab went on past the last column";
}

TEST(DateTimeCellText, PatternsCases)
{
  const double when = Date(2024, 3, 5) + (9 * 3600 + 7 * 60 + 3) / 86400.0;
  struct Case {
    const char* pattern;
    const char* text;
  } cases[] = {
      {"D/M/YYYY", "5/3/2024"},   {"DD.MM.yy", "05.03.24"},   {"hh:nn:ss", "09:07:03"},
      {"h:nn am/pm", "9:07 AM"},  {"\"at\" h", "at 9"},       {"yyyy-mm-dd", "2024-03-05"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatDateTimeText(c.pattern, when), c.text) << c.pattern;
  EXPECT_EQ(FormatDateTimeText("h am/pm", Date(2024, 3, 5) + 0.75), "6 PM");
  EXPECT_FALSE(HasTimeOfDay(Date(2024, 3, 5)));
  EXPECT_TRUE(HasTimeOfDay(when));
}

}  // namespace
