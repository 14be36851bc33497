#include "platform/Form.h"
#include "platform/Menus.h"
#include "ScriptReporter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Menus, APopupInsideAModalDialogIsAnsweredByItemName)
{
  QStringList events;
  TPopupMenu popup;
  popup.OnPopup = [&] { events << "popup"; };
  popup.Items().Add("miCopy", "&Copy", [&] { events << "copy"; });
  popup.Items().AddLine();
  TMenuItem& more = popup.Items().Add("miMore", "&More");
  more.Add("miPaste", "&Paste", [&] { events << "paste"; });
  Form dialog;
  ModalScript script(testing::FailTest());
  script.Act([&](Form& form) {
          EXPECT_TRUE(popup.Popup(10, 10));
          events << "after copy";
          EXPECT_TRUE(popup.Popup(10, 10));  // a sub-menu item, by its caption
          form.SetModalResult(mrOk);
        })
      .ChooseItem("miCopy")
      .ChooseItem("Paste");
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(events, QStringList({"popup", "copy", "after copy", "popup", "paste"}));
  EXPECT_EQ(script.StepsLeft(), 0);
}

TEST(Menus, DisabledOrHiddenItemsCannotBeChosenAndEscapeChoosesNothing)
{
  int clicks = 0;
  TPopupMenu popup;
  popup.Items().Add("miPrint", "&Print", [&] { ++clicks; }).SetEnabled(false);
  TMenuItem& sub = popup.Items().Add("miSub", "Sub");
  sub.Add("miHidden", "Hidden", [&] { ++clicks; });
  sub.SetVisible(false);
  QStringList reports;
  {
    ModalScript script([&](const QString& m) { reports << m; });
    script.ChooseItem("miPrint").ChooseItem("miHidden").Dismiss(ModalKind::PopupMenu);
    EXPECT_FALSE(popup.Popup(0, 0));
    EXPECT_FALSE(popup.Popup(0, 0));
    EXPECT_FALSE(popup.Popup(0, 0));
  }
  EXPECT_EQ(clicks, 0);
  ASSERT_EQ(reports.size(), 2);
  EXPECT_TRUE(reports[0].contains("Print (disabled)")) << reports[0].toStdString();
}

TEST(Menus, RadioItemsOfOneGroupExcludeEachOther)
{
  TMenuItem root("root", {});
  const auto radio = [&](const char* name, int group) -> TMenuItem& {
    TMenuItem& item = root.Add(name, name);
    item.SetRadioItem(true);
    item.SetGroupIndex(group);
    return item;
  };
  TMenuItem& linear = radio("miLinear", 1);
  TMenuItem& log = radio("miLog", 1);
  TMenuItem& grid = radio("miGrid", 2);
  grid.SetChecked(true);
  linear.SetChecked(true);
  log.SetChecked(true);
  EXPECT_FALSE(linear.Checked());
  EXPECT_TRUE(log.Checked());
  EXPECT_TRUE(grid.Checked());  // another group
  EXPECT_EQ(root.Find("miGrid"), &grid);
  EXPECT_EQ(root.Find("nothing"), nullptr);
}

TEST(Menus, MainMenuBuildsTheBarAndRunsShortcuts)
{
  Form window;
  TMainMenu menu(window);
  int prints = 0;
  int exits = 0;
  TMenuItem& file = menu.Items().Add("miFile", "&File");
  TMenuItem& print = file.Add("miPrint", "&Print...", [&] { ++prints; });
  print.SetShortCut(ShortCut('P', ssCtrl));
  file.AddLine();
  file.Add("miExit", "E&xit", [&] { ++exits; }).SetShortCut(ShortCut(VK_F1 + 3, ssAlt));
  TMenuItem& view = menu.Items().Add("miView", "&View");
  view.Add("miGrid", "&Grid").SetChecked(true);

  const QList<QAction*> top = menu.Bar().actions();
  ASSERT_EQ(top.size(), 2);
  EXPECT_EQ(top[0]->text(), "&File");
  const QList<QAction*> fileActions = top[0]->menu()->actions();
  ASSERT_EQ(fileActions.size(), 3);
  EXPECT_EQ(fileActions[0]->text(), "&Print...\tCtrl+P");
  EXPECT_TRUE(fileActions[1]->isSeparator());
  EXPECT_TRUE(top[1]->menu()->actions()[0]->isChecked());

  EXPECT_TRUE(menu.IsShortCut('P', ssCtrl));
  EXPECT_TRUE(menu.IsShortCut(VK_F1 + 3, ssAlt));
  EXPECT_FALSE(menu.IsShortCut('P', 0));
  print.SetEnabled(false);
  EXPECT_FALSE(menu.IsShortCut('P', ssCtrl));
  EXPECT_FALSE(menu.Bar().actions()[0]->menu()->actions()[0]->isEnabled());  // rebuilt
  menu.Bar().actions()[0]->menu()->actions()[2]->trigger();  // the user picks Exit
  EXPECT_EQ(prints, 1);
  EXPECT_EQ(exits, 2);
}

TEST(Menus, ShortcutsOfTheMainMenuComeBeforeTheFocusedControlAndOnlyThroughTheMenu)
{
  QWidget window;
  auto* edit = new QLineEdit(&window);
  TMainMenu menu(window);
  int prints = 0;
  TMenuItem& print = menu.Items().Add("miFile", "&File").Add("miPrint", "&Print...", [&] { ++prints; });
  print.SetShortCut(ShortCut('P', ssCtrl));
  window.show();
  edit->setFocus();
  ASSERT_EQ(window.focusWidget(), edit);
  const auto press = [&](int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(edit, &event);
  };
  press(Qt::Key_P, Qt::ControlModifier, QStringLiteral("\x10"));
  EXPECT_EQ(prints, 1);
  press(Qt::Key_P, Qt::NoModifier, QStringLiteral("p"));
  EXPECT_EQ(prints, 1);
  EXPECT_EQ(edit->text(), QStringLiteral("p"));
  print.SetEnabled(false);  // a disabled item leaves the key to the control
  press(Qt::Key_P, Qt::ControlModifier, QStringLiteral("\x10"));
  EXPECT_EQ(prints, 1);
  for (const QAction* action : menu.Bar().actions()[0]->menu()->actions())
    EXPECT_TRUE(action->shortcut().isEmpty());  // Qt itself knows no shortcut of the menu
}

}  // namespace
}  // namespace platform
