#include "plot/support/GraphUndo.h"
#include "plot/support/GraphValidates.h"

#include "platform/Menus.h"
#include "platform/MessageDlg.h"
#include "platform/ModalRun.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

namespace plot {
namespace {

TEST(GraphValidates, BadCharacterPositions)
{
  const std::pair<const char*, int> integers[] = {
      {"", 0}, {"-", 0}, {"+12", 0}, {"123", 0}, {"1a", 2}, {"12-", 3}, {"1-2", 2}, {"--", 2}, {"1 ", 2}, {"\u00b2", 1},
  };
  for (const auto& [text, position] : integers)
    EXPECT_EQ(FindBadIntegerChar(QString::fromUtf8(text)), position) << text;
  const std::pair<const char*, int> reals[] = {
      {"", 0},       {"12.5e-3", 0}, {"-.5", 0},  {".", 0},    {"1E+5", 0}, {"-", 0},    {"1.2.3", 4}, {"1e5e", 4},
      {"1-2", 2},    {"2.5.", 4},    {"1.-5", 3}, {"1e5.5", 4}, {"x", 1},   {"1,5", 2},  {"1.5e+-3", 6},
  };
  for (const auto& [text, position] : reals)
    EXPECT_EQ(FindBadRealChar(QString::fromLatin1(text)), position) << text;
}

TEST(GraphValidates, IntegerFieldFiltersAndChecks)
{
  QLineEdit edit(QStringLiteral("1"));
  TIntValidate steps(2, 16000, &edit, nullptr, QStringLiteral("Number of Steps"));
  edit.setText(QStringLiteral("1a"));
  steps.FilterInput();
  EXPECT_EQ(edit.text(), QStringLiteral("1"));
  EXPECT_EQ(edit.cursorPosition(), 1);
  edit.setText(QStringLiteral("-"));  // a lone sign passes the filter
  steps.FilterInput();
  EXPECT_EQ(steps.LastText(), QStringLiteral("-"));
  edit.setText(QStringLiteral("-5"));
  steps.FilterInput();
  EXPECT_EQ(edit.text(), QStringLiteral("-5"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Number of Steps must be in the range [2..16000]"), platform::mrOk);
    EXPECT_FALSE(steps.Check());
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(steps.GetValue(), -5);
  edit.setText(QStringLiteral("300"));
  EXPECT_TRUE(steps.Check());
  EXPECT_TRUE(steps.CheckSilent());
  edit.setText(QStringLiteral("16001"));
  EXPECT_FALSE(steps.CheckSilent());  // beeps, no message box
  edit.setText(QStringLiteral("99999999999"));  // beyond the integers: no value
  EXPECT_FALSE(steps.CheckSilent());
  EXPECT_EQ(steps.GetValue(), 16001);

  steps.SetMin(20000);
  EXPECT_EQ(steps.Max(), 20000);
  steps.SetMax(5);
  EXPECT_EQ(steps.Min(), 5);
  steps.SetRange(10, 1);
  EXPECT_EQ(steps.Min(), 1);
  EXPECT_EQ(steps.Max(), 1);
}

TEST(GraphValidates, IntegerFieldStartsFromTheReadablePart)
{
  const std::pair<const char*, const char*> starts[] = {
      {"12a3", "123"}, {"abc", ""}, {"-", ""}, {"1-2", "12"}, {"42", "42"}, {"", ""},
  };
  for (const auto& [text, last] : starts) {
    QLineEdit edit(QString::fromLatin1(text));
    edit.setObjectName(QStringLiteral("edSteps"));
    const TIntValidate v(1, 2, &edit, nullptr, QString());
    EXPECT_EQ(v.LastText(), QString::fromLatin1(last)) << text;
    EXPECT_EQ(edit.text(), QString::fromLatin1(text));  // the edit is not changed
    EXPECT_EQ(v.Caption(), QStringLiteral("edSteps"));
  }
}

TEST(GraphValidates, RealFieldFiltersAndChecks)
{
  QLineEdit edit(QStringLiteral("abc"));
  TRealValidate from(-115425.2, 115425.2, &edit, nullptr, QStringLiteral("Minimum X-coordinate"));
  EXPECT_EQ(edit.text(), QString());  // no number: emptied
  for (const char* typed : {"1", "12", "12.", "12.5", "12.5e", "12.5e-", "12.5e-3"}) {
    edit.setText(QString::fromLatin1(typed));
    from.FilterInput();
    EXPECT_EQ(edit.text(), QString::fromLatin1(typed));
  }
  EXPECT_DOUBLE_EQ(from.GetValue(), 12.5e-3);
  edit.setText(QStringLiteral("2.5"));
  from.FilterInput();
  edit.setText(QStringLiteral("2.5."));
  from.FilterInput();
  EXPECT_EQ(edit.text(), QStringLiteral("2.5"));
  EXPECT_EQ(edit.cursorPosition(), 3);
  edit.setText(QStringLiteral("2."));  // deleting is never refused
  from.FilterInput();
  EXPECT_EQ(from.LastText(), QStringLiteral("2."));
  edit.setText(QStringLiteral("-.5"));
  from.FilterInput();
  EXPECT_TRUE(from.Check());
  EXPECT_DOUBLE_EQ(from.GetValue(), -0.5);

  edit.setText(QStringLiteral("200000"));
  {
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Minimum X-coordinate must be in the range [-115425.2 ... 115425.2]"),
                         platform::mrOk);
    EXPECT_FALSE(from.Check());
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  edit.clear();
  EXPECT_FALSE(from.Check());  // empty: no message (an unanswered box would fail the run)
  EXPECT_FALSE(from.CheckSilent());
}

TEST(GraphUndo, AddEnablesAndClearDisablesBoth)
{
  QPushButton button;
  platform::TMenuItem item(QStringLiteral("Undo1"), QStringLiteral("&Undo"));
  button.setEnabled(true);
  item.SetEnabled(true);
  TGraphUndo undo(&button, &item);
  EXPECT_FALSE(button.isEnabled());
  EXPECT_FALSE(item.Enabled());

  int series = 0;
  undo.Add(&series, 2);
  undo.Add(&series, 11);
  ASSERT_EQ(undo.Items().size(), 4u);
  EXPECT_EQ(undo.Items()[0].Kind, kUndoGroupMarker);
  EXPECT_EQ(undo.Items()[1].Kind, 2);
  EXPECT_EQ(undo.Items()[1].Object, &series);
  EXPECT_EQ(undo.Items()[2].Kind, kUndoGroupMarker);
  EXPECT_EQ(undo.Items()[3].Kind, 11);
  EXPECT_TRUE(button.isEnabled());
  EXPECT_TRUE(item.Enabled());

  undo.Clear();
  EXPECT_TRUE(undo.IsEmpty());
  EXPECT_FALSE(button.isEnabled());
  EXPECT_FALSE(item.Enabled());  // the menu item no longer offers an empty undo

  TGraphUndo bare(nullptr, nullptr);  // the graph's own list
  bare.Add(nullptr, 0);
  bare.Clear();
}

TEST(GraphUndo, UndoRunsTheLastEntryNewestFirstAndDisablesWhenEmpty)
{
  QPushButton button;
  TGraphUndo undo(&button, nullptr);
  std::vector<bool> heard;
  undo.OnEnabledChange = [&](bool on) { heard.push_back(on); };
  std::vector<int> ran;
  undo.Add(nullptr, 11, [&] { ran.push_back(1); });
  undo.Add(nullptr, 3, [&] { ran.push_back(2); });
  undo.Append(nullptr, 0, [&] { ran.push_back(3); });  // same entry as 2
  undo.Add(nullptr, 2);                                  // a record with no step
  EXPECT_TRUE(undo.Undo());
  EXPECT_TRUE(ran.empty());
  EXPECT_TRUE(undo.Undo());
  EXPECT_EQ(ran, (std::vector<int>{3, 2}));
  EXPECT_TRUE(button.isEnabled());
  // A step that records again (an edit replayed by the undo) lands in a fresh entry.
  undo.Clear();
  undo.Add(nullptr, 11, [&] { undo.Add(nullptr, 11, [&] { ran.push_back(5); }); ran.push_back(4); });
  EXPECT_TRUE(undo.Undo());
  EXPECT_EQ(ran, (std::vector<int>{3, 2, 4}));
  EXPECT_TRUE(undo.Undo());
  EXPECT_EQ(ran, (std::vector<int>{3, 2, 4, 5}));
  EXPECT_FALSE(undo.Undo());
  EXPECT_FALSE(button.isEnabled());
  EXPECT_FALSE(heard.empty());
  EXPECT_FALSE(heard.back());
}

}  // namespace
}  // namespace plot
