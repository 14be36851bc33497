#include "platform/Application.h"
#include "platform/ExceptionBoundary.h"
#include "platform/Exceptions.h"
#include "platform/Shell.h"
#include "ScriptReporter.h"

#include <QFile>
#include <QFontInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Application, ProgramFolderEndsWithASeparatorAndCanBeSet)
{
  EXPECT_TRUE(ProgramFolder().endsWith(QLatin1Char('/')));
  SetProgramFolder(QStringLiteral("/tmp/vexal"));
  EXPECT_EQ(ProgramFolder(), QStringLiteral("/tmp/vexal/"));
  SetProgramFolder(QString());
  EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

TEST(Application, PumpMessagesRunsPendingEventsAndReportsAPendingQuit)
{
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  EXPECT_TRUE(PumpMessages());
  EXPECT_TRUE(ran);
  QTimer::singleShot(0, [] { RequestQuit(); });
  EXPECT_FALSE(PumpMessages());
  EXPECT_TRUE(QuitPending());
  ClearQuitPending();
}

// A control that hands every key on to another one, which may be itself or its parent.
class KeyForwarder : public QWidget {
 public:
  using QWidget::QWidget;
  QWidget* forwardTo = this;
  int presses = 0;

 protected:
  void keyPressEvent(QKeyEvent* event) override
  {
    ++presses;
    QApplication::sendEvent(forwardTo, event);
    event->accept();
  }
};

TEST(Application, AKeySentBackToAControlHandlingItIsRefused)
{
  KeyForwarder alone;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(&alone, &press);
  EXPECT_EQ(alone.presses, 1);

  // A child that leaves the key to its parent, which hands it to the child again.
  KeyForwarder parent;
  KeyForwarder child(&parent);
  child.forwardTo = &parent;
  parent.forwardTo = &child;
  QApplication::sendEvent(&child, &press);
  EXPECT_EQ(child.presses, 1);
  EXPECT_EQ(parent.presses, 1);

  // A second key is delivered as usual.
  QApplication::sendEvent(&alone, &press);
  EXPECT_EQ(alone.presses, 2);
}

TEST(Application, HourglassCursorIsScoped)
{
  {
    HourglassCursor outer;
    {
      HourglassCursor inner;
      EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Application, StandardLookIsFusionWithAFixedFont)
{
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  ASSERT_NE(app, nullptr);
  const QFont before = QApplication::font();
  ApplyStandardLook(*app);
  EXPECT_EQ(app->style()->name().toLower(), QStringLiteral("fusion"));
  EXPECT_EQ(QApplication::font().pixelSize(), 12);
  EXPECT_EQ(QApplication::font().family(), QStringLiteral("Liberation Sans"));
  QApplication::setFont(before);
}

TEST(ExceptionBoundary, ShowsTheMessageAndGoesOn)
{
  ModalScript script(testing::FailTest());
  script.ExpectMessage(QStringLiteral("Can not Multiply"), mrOk)
      .ExpectMessage(QStringLiteral("Can't create file /x"), mrOk);
  EXPECT_FALSE(Guard([] { throw std::runtime_error("Can not Multiply"); }));
  auto handler = Guarded([](int code) {
    if (code)
      throw EFileError(QString::fromLatin1(kCantCreateFile), QStringLiteral("/x"));
  });
  handler(1);
  handler(0);
  EXPECT_TRUE(Guard([] {}));
}

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ASSERT_TRUE(dir_.isValid());
    SetProgramFolder(dir_.path());
    SetUrlOpener([this](const QUrl& url) {
      opened_.append(url);
      return true;
    });
  }
  void TearDown() override
  {
    SetProgramFolder(QString());
    SetUrlOpener({});
  }

  QTemporaryDir dir_;
  QList<QUrl> opened_;
};

TEST_F(HelpTest, ShowsThePageFromTheProgramFolder)
{
  QFile page(dir_.filePath(QStringLiteral("Vexal.html")));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  EXPECT_TRUE(ShowHelp(QStringLiteral("Vexal.hlp")));
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_EQ(opened_[0], QUrl::fromLocalFile(dir_.filePath(QStringLiteral("Vexal.html"))));
}

TEST_F(HelpTest, WithoutAPageSaysNoHelpIsInstalled)
{
  ModalScript script(testing::FailTest());
  script.ExpectMessage(QStringLiteral("No help is installed."), mrOk);
  EXPECT_FALSE(ShowHelp(QStringLiteral("Plot.HLP")));
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(HelpTest, OpeningAMissingFileReportsIt)
{
  ModalScript script(testing::FailTest());
  const QString missing = dir_.filePath(QStringLiteral("Vexal.CON"));
  script.ExpectMessage(QStringLiteral("Can't open file ") + missing, mrOk);
  EXPECT_FALSE(OpenDocument(missing));
  EXPECT_TRUE(OpenUrl(QStringLiteral("https://example.org/")));
}

}  // namespace
}  // namespace platform
