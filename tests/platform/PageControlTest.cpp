#include "platform/MessageDlg.h"
#include "platform/PageControl.h"
#include "ScriptReporter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTabBar>
#include <gtest/gtest.h>

namespace platform {
namespace {

// The series editor's tabs, every event written down in the order it comes.
class SeriesPages : public ::testing::Test {
protected:
  SeriesPages()
  {
    for (const auto& [name, caption] : {std::pair{"TheTabSheet", "Format"}, std::pair{"TabGeneral", "General"},
                                        std::pair{"TabMarks", "Marks"}, std::pair{"TabDataSource", "Data Source"}}) {
      TTabSheet& sheet = pages.AddPage(name, caption);
      sheet.OnShow = [this, n = QString(name)] { events << "show " + n; };
      sheet.OnHide = [this, n = QString(name)] { events << "hide " + n; };
    }
    pages.OnChanging = [this](bool& allow) {
      events << "changing from " + pages.ActivePage()->objectName();
      allow = allowChange;
    };
    pages.OnChange = [this] { events << "change to " + pages.ActivePage()->objectName(); };
    pages.resize(400, 300);
    events.clear();
  }

  TPageControl pages;
  QStringList events;
  bool allowChange = true;
};

TEST_F(SeriesPages, AChangeByTheUserAsksFirstThenShowsHidesAndReports)
{
  EXPECT_EQ(pages.ActivePage()->objectName(), "TheTabSheet");
  EXPECT_TRUE(pages.SelectPage("TabMarks"));
  EXPECT_EQ(events, QStringList({"changing from TheTabSheet", "show TabMarks", "hide TheTabSheet",
                                 "change to TabMarks"}));
  EXPECT_EQ(pages.ActivePageIndex(), 2);
  EXPECT_EQ(pages.TabBar().currentIndex(), 2);
}

TEST_F(SeriesPages, ARefusedChangeKeepsThePageAndItsTab)
{
  allowChange = false;
  EXPECT_FALSE(pages.SelectTab(1));
  EXPECT_EQ(events, QStringList({"changing from TheTabSheet"}));
  EXPECT_EQ(pages.ActivePageIndex(), 0);
  EXPECT_EQ(pages.TabBar().currentIndex(), 0);
}

TEST_F(SeriesPages, AClickOnATabGoesThroughTheSameEvents)
{
  pages.show();
  QTabBar& bar = pages.TabBar();
  const QPointF at = bar.tabRect(3).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, bar.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&bar, &press);
  EXPECT_EQ(events, QStringList({"changing from TheTabSheet", "show TabDataSource", "hide TheTabSheet",
                                 "change to TabDataSource"}));
}

TEST_F(SeriesPages, AChangeByProgramOnlyShowsAndHides)
{
  pages.SetActivePageIndex(1);
  pages.SetActivePage(pages.FindPage("TabGeneral"));  // already active: nothing
  EXPECT_EQ(events, QStringList({"show TabGeneral", "hide TheTabSheet"}));
  EXPECT_TRUE(pages.SelectTab(1));  // the active one: no events
  EXPECT_FALSE(pages.SelectTab(7));
  EXPECT_EQ(events.size(), 2);
}

TEST_F(SeriesPages, LeavingAskedInAMessageBoxThatTheTestAnswers)
{
  pages.OnChanging = [](bool& allow) {
    allow = MessageDlg("Apply Changes?", mtConfirmation, mbYesNoCancel) != mrCancel;
  };
  ModalScript script(testing::FailTest());
  script.ExpectMessage("Apply Changes?", mrCancel).ExpectMessage("Apply Changes?", mrNo);
  EXPECT_FALSE(pages.SelectTab(2));
  EXPECT_TRUE(pages.SelectTab(2));
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST_F(SeriesPages, HiddenTabsAreLeftOutOfTheTabRow)
{
  pages.Page(1).SetTabVisible(false);
  EXPECT_EQ(pages.TabCount(), 3);
  EXPECT_EQ(pages.TabBar().tabText(1), "Marks");
  EXPECT_EQ(pages.Page(2).TabIndex(), 1);
  EXPECT_EQ(pages.Page(1).TabIndex(), -1);
  EXPECT_TRUE(pages.SelectTab(1));
  EXPECT_EQ(pages.ActivePage()->objectName(), "TabMarks");
  events.clear();
  pages.ActivePage()->SetTabVisible(false);  // the next visible sheet takes over
  EXPECT_EQ(pages.ActivePage()->objectName(), "TabDataSource");
  EXPECT_EQ(events, QStringList({"show TabDataSource", "hide TabMarks"}));
  EXPECT_EQ(pages.TabBar().currentIndex(), 1);
}

TEST_F(SeriesPages, ADisabledControlRefusesTheUser)
{
  pages.setEnabled(false);
  EXPECT_FALSE(pages.SelectTab(1));
  EXPECT_TRUE(events.isEmpty());
}

TEST_F(SeriesPages, SheetsComeAndGo)
{
  TTabSheet& extra = pages.InsertPage(1, "TabExtra", "Extra");
  extra.OnHide = [this] { events << "hide TabExtra"; };
  EXPECT_EQ(extra.PageIndex(), 1);
  EXPECT_EQ(pages.TabBar().tabText(1), "Extra");
  EXPECT_EQ(pages.ActivePageIndex(), 0);
  pages.SetActivePage(&extra);
  events.clear();
  pages.DeletePage(extra);
  EXPECT_EQ(pages.PageCount(), 4);
  EXPECT_EQ(pages.ActivePage()->objectName(), "TabGeneral");
  EXPECT_EQ(events, QStringList({"show TabGeneral", "hide TabExtra"}));
  EXPECT_EQ(pages.TabBar().currentIndex(), 1);
}

}  // namespace
}  // namespace platform
