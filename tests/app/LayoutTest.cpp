#include "MainWindowFixture.h"

#include <QDir>
#include <QHelpEvent>
#include <QImage>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>

namespace app::testing {
namespace {

// Every visible child lies inside its parent, and no two visible siblings overlap.
void ExpectTidy(QWidget* parent)
{
  const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  std::vector<QWidget*> shown;
  for (QWidget* child : children)
    if (child->isVisible() && !child->isWindow())
      shown.push_back(child);
  for (QWidget* child : shown) {
    EXPECT_TRUE(parent->rect().contains(child->geometry()))
        << child->metaObject()->className() << " " << child->objectName().toStdString() << " clipped in "
        << parent->objectName().toStdString();
    ExpectTidy(child);
  }
  // Siblings of layouts only (scroll areas and views place their own children).
  if (parent->inherits("QAbstractScrollArea") || parent->inherits("QTabBar") || parent->inherits("QComboBox"))
    return;
  for (std::size_t i = 0; i < shown.size(); ++i)
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
          << shown[i]->objectName().toStdString() << "/" << shown[i]->metaObject()->className() << " overlaps "
          << shown[j]->objectName().toStdString() << "/" << shown[j]->metaObject()->className();
}

TEST_F(MainWindowTest, PagesAreTidyAtTheDefaultSizeAndOneAndAHalfTimesIt)
{
  platform::ApplyStandardLook(*qApp);
  Open();
  const QSize base = window->size();
  const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
  QDir().mkpath(shots);
  for (const double scale : {1.0, 1.5}) {
    window->resize(base * scale);
    for (int page = 0; page < window->pcCalc->count(); ++page) {
      window->pcCalc->setCurrentIndex(page);
      QApplication::processEvents();
      SCOPED_TRACE(window->pcCalc->tabText(page).toStdString() + " at " + std::to_string(scale));
      ExpectTidy(window.get());
      window->grab().save(shots + QStringLiteral("/page%1_%2.png").arg(page).arg(int(scale * 10)));
    }
  }
}

TEST_F(MainWindowTest, NoStripIsLeftBelowThePageControl)
{
  Open();
  for (const QSize size : {window->size(), window->size() * 3 / 2}) {
    window->resize(size);
    QApplication::processEvents();
    // The page control's frame is the last row the window shows: no bar of a few pixels under it.
    EXPECT_EQ(window->pcCalc->geometry().bottom(), window->rect().bottom());
    const QImage shown = window->grab().toImage();
    const int y = window->pcCalc->geometry().bottom();
    EXPECT_NE(shown.pixelColor(shown.width() / 2, y), shown.pixelColor(shown.width() / 2, y - 3))
        << "the bottom row is the page's frame";
  }
}

TEST_F(MainWindowTest, TheMatrixAndUnitsButtonsShowTheirHints)
{
  Open();
  const struct {
    const char* caption;
    const char* hint;
  } cases[] = {{"Matrix", "Matrix Operations"}, {"Units", "Unit Convertor"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    QToolButton* button = nullptr;
    for (QToolButton* b : window->tsCalc->findChildren<QToolButton*>())
      if (b->text() == QLatin1String(c.caption))
        button = b;
    ASSERT_NE(button, nullptr);
    QHelpEvent help(QEvent::ToolTip, button->rect().center(), button->mapToGlobal(button->rect().center()));
    QApplication::sendEvent(button, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromLatin1(c.hint));
    QToolTip::hideText();
  }
}

}  // namespace
}  // namespace app::testing
