#include "MainWindowFixture.h"

#include "tests/support/MouseInput.h"

#include "grid/window/Grid.h"
#include "platform/Shell.h"
#include "tools/PeriodicTableWindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include <map>

namespace app::testing {
namespace {

using testing_support::Click;

TEST_F(MainWindowTest, ThePeriodicTableHasAButtonForEachElementWithItsNameAndNumber)
{
  Open();
  std::map<int, QList<QToolButton*>> byTag;
  for (QToolButton* button : window->TabSheet2->findChildren<QToolButton*>())
    byTag[button->property("Tag").toInt()] << button;
  int count = 0;
  for (const auto& [tag, buttons] : byTag)
    count += int(buttons.size());
  EXPECT_EQ(count, 111);
  ASSERT_EQ(byTag.size(), 109u);
  EXPECT_EQ(byTag.begin()->first, 1);
  EXPECT_EQ(byTag.rbegin()->first, 109);
  EXPECT_EQ(byTag[57].size(), 2);  // lanthanum and actinium also head their rows
  EXPECT_EQ(byTag[89].size(), 2);
  struct Case {
    int tag;
    const char* symbol;
    const char* hint;
  };
  const Case cases[] = {{1, "H", "Hydogen"},    {18, "Ar", "Argon "},      {26, "Fe", "Iron"},
                        {36, "Kr", "Kriptone"}, {58, "Ce", "Celenium"},    {59, "Pr", "Preseodymium"},
                        {89, "Ac", "Actinuim"}, {92, "U", "Uranium"},      {109, "Mt", "Meitnerium"}};
  for (const Case& c : cases)
    for (QToolButton* button : byTag[c.tag]) {
      EXPECT_EQ(button->text(), QString::fromLatin1(c.symbol)) << c.tag;
      EXPECT_EQ(button->toolTip(), QString::fromLatin1(c.hint)) << c.tag;
      EXPECT_TRUE(button->isEnabled()) << c.tag;
    }
  QStringList labels;
  for (const QLabel* label : window->TabSheet2->findChildren<QLabel*>())
    labels << label->text();
  for (const char* label : {"IA", "IIA", "VIIIB", "IB", "VIIIA", "1", "7", "Lanthanoids", "Actinoids"})
    EXPECT_TRUE(labels.contains(QString::fromLatin1(label))) << label;
  EXPECT_EQ(window->pcCalc->tabText(window->pcCalc->indexOf(window->TabSheet2)), QStringLiteral("Periodic table"));
}

// The shipped element files in the program folder; a click on a button shows its element.
TEST_F(MainWindowTest, AnElementButtonShowsItsElementInTheElementWindow)
{
  for (const char* name : {"Vexal.prt", "Vexal.txt"})
    ASSERT_TRUE(QFile::copy(QDir::cleanPath(QStringLiteral(VEXAL_TEST_DATA_DIR "../../../data/") + name),
                            QDir(folder.path()).filePath(name)));
  Open();
  window->pcCalc->setCurrentWidget(window->TabSheet2);
  QApplication::processEvents();
  std::map<int, QList<QToolButton*>> byTag;
  for (QToolButton* button : window->TabSheet2->findChildren<QToolButton*>())
    byTag[button->property("Tag").toInt()] << button;

  Click(*byTag[26].front());
  ASSERT_TRUE(window->frnPT->isVisible());
  EXPECT_EQ(window->frnPT->windowTitle(), "Propeties - [Iron]");
  EXPECT_EQ(window->frnPT->tsgPT->Cell(2, 2).AsString(), "Fe");

  for (QToolButton* lanthanum : byTag[57]) {
    window->frnPT->ShowElement(1);
    Click(*lanthanum);
    EXPECT_EQ(window->frnPT->windowTitle(), "Propeties - [Lanthanum]");
    EXPECT_EQ(window->frnPT->CurrentElement(), 57);
  }
  Click(*byTag[79].front());
  EXPECT_EQ(window->frnPT->tsgPT->Cell(2, 5).AsString(), "11");  // gold's group
}

TEST_F(MainWindowTest, TheAboutPageMailButtonsOpenMailLinks)
{
  Open();
  QList<QUrl> opened;
  platform::SetUrlOpener([&opened](const QUrl& url) {
    opened << url;
    return true;
  });
  window->pcCalc->setCurrentWidget(window->tsAbout);
  Click(*window->BitBtn6);
  Click(*window->BitBtn10);
  platform::SetUrlOpener({});
  ASSERT_EQ(opened.size(), 2);
  EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
  EXPECT_TRUE(opened[0].path().contains(QLatin1Char('@'))) << opened[0].toString().toStdString();
  EXPECT_TRUE(opened[0].query().isEmpty());
  EXPECT_EQ(opened[1].scheme(), QStringLiteral("mailto"));
  EXPECT_FALSE(opened[1].path().endsWith(QLatin1Char(' ')));
  EXPECT_EQ(opened[1].query(), QStringLiteral("subject=Techsupport"));
  EXPECT_NE(opened[0].path(), opened[1].path());
}

}  // namespace
}  // namespace app::testing
