#include "platform/CommonDialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Form.h"
#include "platform/InputBox.h"
#include "platform/MessageDlg.h"
#include "ScriptReporter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace platform {
namespace {

// A dialog with an edit and OK, Cancel and "Colour..." buttons; the colour button opens a colour dialog.
class NameDialog : public Form {
 public:
  NameDialog()
  {
    setObjectName(QStringLiteral("NameDialog"));
    setWindowTitle(QStringLiteral("Name"));
    edName = new QLineEdit(this);
    btOk = new QPushButton(QStringLiteral("OK"), this);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btColor = new QPushButton(QStringLiteral("Colour..."), this);
    BindModalButton(btCancel, mrCancel);
    SetCancelButton(btCancel);
    connect(btOk, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(btColor, &QPushButton::clicked, this, [this] {
      TColorDialog dialog;
      dialog.Color = color;
      if (dialog.Execute())
        color = dialog.Color;
    });
  }

  void OkClick()
  {
    if (edName->text().isEmpty()) {
      MessageDlg(QStringLiteral("Enter a name"), mtError, mbOK);
      return;
    }
    SetModalResult(mrOk);
  }

  QLineEdit* edName;
  QPushButton* btOk;
  QPushButton* btCancel;
  QPushButton* btColor;
  TColor color = clBlack;
};

TEST(ModalRun, ADialogOpenedFromAHandlerIsAnsweredWithoutBlocking)
{
  NameDialog dialog;
  TModalResult result = mrNone;
  bool shownDuringRun = false;
  ModalScript script(testing::FailTest());
  script.Act([&](Form& form) {
    auto& d = static_cast<NameDialog&>(form);
    shownDuringRun = d.isVisible();
    d.btColor->click();  // a nested colour dialog, answered by the next step
    d.edName->setText(QStringLiteral("abc"));
    d.btOk->click();
  });
  script.PickColor(clTeal);

  // The dialog is opened from an event handler, as a button's click would.
  QTimer::singleShot(0, [&] { result = dialog.ShowModal(); });
  while (result == mrNone)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

  EXPECT_EQ(result, mrOk);
  EXPECT_TRUE(shownDuringRun);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.color, clTeal);
  EXPECT_EQ(dialog.edName->text(), QStringLiteral("abc"));
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(script.Answered().size(), 2);
}

TEST(ModalRun, AValidationMessageInsideADialogIsAnsweredToo)
{
  NameDialog dialog;
  ModalScript script(testing::FailTest());
  script.Act([](Form& form) {
    auto& d = static_cast<NameDialog&>(form);
    d.btOk->click();  // empty name: a message box, and the dialog stays open
    EXPECT_EQ(d.ModalResult(), mrNone);
    d.btCancel->click();
  });
  script.ExpectMessage(QStringLiteral("Enter a name"), mrOk);
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST(ModalRun, AnUnansweredModalFailsWithAClearMessage)
{
  QStringList reports;
  {
    ModalScript script([&](const QString& message) { reports.append(message); });
    EXPECT_EQ(MessageDlg(QStringLiteral("Really?"), mtConfirmation, mbYesNo), mrCancel);
  }
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].contains(QStringLiteral("Unanswered modal run"))) << reports[0].toStdString();
  EXPECT_TRUE(reports[0].contains(QStringLiteral("Really?")));
}

TEST(ModalRun, ScriptMistakesAreReported)
{
  QStringList reports;
  {
    ModalScript script([&](const QString& message) { reports.append(message); });
    script.Press(mrYes).PickColor(clRed).Press(mrOk);
    MessageDlg(QStringLiteral("Done"), mtInformation, mbOK);  // no Yes button here
    InputBox(QStringLiteral("Title"), QStringLiteral("Name:"), QString());  // not a colour dialog
  }  // one step left unused
  ASSERT_EQ(reports.size(), 3);
  EXPECT_TRUE(reports[0].contains(QStringLiteral("does not have")));
  EXPECT_TRUE(reports[1].contains(QStringLiteral("colour dialog")));
  EXPECT_TRUE(reports[2].contains(QStringLiteral("1 unused step")));
}

using ModalRunDeathTest = ::testing::Test;

TEST_F(ModalRunDeathTest, WithoutAScriptAHeadlessModalRunEndsAtOnce)
{
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(MessageDlg(QStringLiteral("Anybody there?"), mtWarning, mbYesNo),
               "Unanswered modal run.*Anybody there\\?");
}

TEST(ModalRun, MessageBoxesHaveTheirTypeCaptionsAndButtons)
{
  ModalScript script(testing::FailTest());
  script.Then([](ModalSubject& subject) {
    auto& box = dynamic_cast<MessageBoxSubject&>(subject);
    EXPECT_EQ(box.Caption(), QStringLiteral("Warning"));
    EXPECT_EQ(box.Buttons(), mbYesNo);
    return mrNo;
  });
  script.Press(mrYes);
  EXPECT_FALSE(Confirm(QStringLiteral("Stop?")));
  EXPECT_TRUE(Confirm(QStringLiteral("Stop?")));
}

TEST(ModalRun, InputBoxKeepsTheDefaultOnCancel)
{
  ModalScript script(testing::FailTest());
  script.Fill(QStringLiteral("new")).Press(mrCancel);
  EXPECT_EQ(InputBox(QStringLiteral("Change Series Title"), QStringLiteral("New Series Title:"),
                     QStringLiteral("old")),
            QStringLiteral("new"));
  QString value = QStringLiteral("old");
  EXPECT_FALSE(InputQuery(QStringLiteral("Change Series Title"), QStringLiteral("New Series Title:"), value));
  EXPECT_EQ(value, QStringLiteral("old"));
}

TEST(ModalRun, EveryCommonDialogGoesThroughTheEntryPoint)
{
  ModalScript script(testing::FailTest());
  TFontDialog font;
  script.Then([](ModalSubject& s) {
    dynamic_cast<TFontDialog&>(s).Color = clRed;
    return mrOk;
  });
  EXPECT_TRUE(font.Execute());
  EXPECT_EQ(font.Color, clRed);

  TPrintDialog print;
  script.Then([](ModalSubject& s) {
    auto& d = dynamic_cast<TPrintDialog&>(s);
    d.Copies = 3;
    d.PrintRange = prPageNums;
    return mrOk;
  });
  EXPECT_TRUE(print.Execute());
  EXPECT_EQ(print.Copies, 3);
  EXPECT_EQ(print.PrintRange, prPageNums);

  TPrinterSetupDialog setup;
  script.PressOn(ModalKind::PrinterSetupDialog, mrCancel);
  EXPECT_FALSE(setup.Execute());

  TColorDialog color;
  color.Color = clBlue;
  script.PressOn(ModalKind::ColorDialog, mrCancel);
  EXPECT_FALSE(color.Execute());
  EXPECT_EQ(color.Color, clBlue);
}

TEST(FileDialogs, FilterBecomesQtNameFilters)
{
  TOpenDialog dialog;
  dialog.Filter = QStringLiteral("User functions (*.FNC)|*.FNC|Text|*.txt;*.asc|All files|*.*");
  EXPECT_EQ(dialog.QtNameFilters(),
            (QStringList{QStringLiteral("User functions (*.FNC) (*.FNC)"), QStringLiteral("Text (*.txt *.asc)"),
                         QStringLiteral("All files (*.*)")}));
}

TEST(FileDialogs, SaveAddsTheDefaultExtensionAndAsksBeforeReplacing)
{
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile existing(dir.filePath(QStringLiteral("old.usr")));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();

  TSaveDialog dialog;
  dialog.InitialDir = dir.path();
  dialog.DefaultExt = QStringLiteral("usr");
  dialog.Options = ofOverwritePrompt | ofPathMustExist;

  ModalScript script(testing::FailTest());
  script.Choose(QStringLiteral("new"), 2);
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, dir.filePath(QStringLiteral("new.usr")));
  EXPECT_EQ(dialog.FilterIndex, 2);

  script.Choose(QStringLiteral("old")).PressOn(ModalKind::MessageBox, mrNo);
  EXPECT_FALSE(dialog.Execute());
  script.Choose(QStringLiteral("old")).PressOn(ModalKind::MessageBox, mrYes);
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, dir.filePath(QStringLiteral("old.usr")));

  script.Choose(dir.filePath(QStringLiteral("missing/x.usr"))).PressOn(ModalKind::MessageBox, mrOk);
  EXPECT_FALSE(dialog.Execute());
}

TEST(FileDialogs, OpenNeedsAnExistingFileWhenAsked)
{
  TOpenDialog dialog;
  dialog.Options = ofFileMustExist;
  ModalScript script(testing::FailTest());
  script.Choose(QDir::temp().filePath(QStringLiteral("no-such-file.fnc"))).PressOn(ModalKind::MessageBox, mrOk);
  EXPECT_FALSE(dialog.Execute());
  script.PressOn(ModalKind::OpenDialog, mrCancel);
  EXPECT_FALSE(dialog.Execute());
}

TEST(Form, ClosingALongLivedWindowHidesIt)
{
  Form window(nullptr, true);
  QPointer<Form> guard(&window);
  window.Show();
  EXPECT_TRUE(window.isVisible());
  window.close();
  ASSERT_TRUE(guard);
  EXPECT_FALSE(window.isVisible());
  window.Show();
  EXPECT_TRUE(window.isVisible());
  window.Hide();
}

TEST(Form, EscapeClicksTheCancelButtonOnly)
{
  NameDialog dialog;
  bool cancelled = false;
  QObject::connect(dialog.btCancel, &QPushButton::clicked, [&] { cancelled = true; });
  dialog.Show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&dialog, &escape);
  EXPECT_TRUE(cancelled);

  Form plain(nullptr, true);
  plain.Show();
  QApplication::sendEvent(&plain, &escape);
  EXPECT_TRUE(plain.isVisible());
  plain.Hide();
  dialog.Hide();
}

// A window with an edit; its key preview takes Enter and F1 before the edit.
class PreviewForm : public Form {
 public:
  PreviewForm() : Form(nullptr, true), edit(new QLineEdit(this)) { SetKeyPreview(true); }
  QLineEdit* edit;
  std::vector<int> downs;
  std::vector<int> presses;

 protected:
  void FormKeyDown(int& key, TShiftState) override
  {
    downs.push_back(key);
    if (key == VK_F1)
      key = 0;
  }
  void FormKeyPress(char& key) override
  {
    presses.push_back(static_cast<unsigned char>(key));
    if (key == '#')
      key = 0;
  }
};

TEST(Form, KeyPreviewSeesKeysBeforeTheFocusedControl)
{
  PreviewForm form;
  form.Show();
  QApplication::setActiveWindow(&form);
  form.edit->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), form.edit);

  QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(form.edit, &a);
  QKeyEvent hash(QEvent::KeyPress, Qt::Key_NumberSign, Qt::ShiftModifier, QStringLiteral("#"));
  QApplication::sendEvent(form.edit, &hash);
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(form.edit, &f1);

  EXPECT_EQ(form.downs, (std::vector<int>{'A', '3', VK_F1}));
  EXPECT_EQ(form.presses, (std::vector<int>{'a', '#'}));
  EXPECT_EQ(form.edit->text(), QStringLiteral("a"));  // '#' was consumed by the window

  form.SetKeyPreview(false);
  QApplication::sendEvent(form.edit, &a);
  EXPECT_EQ(form.downs.size(), 3u);
  EXPECT_EQ(form.edit->text(), QStringLiteral("aa"));
  form.Hide();
}

}  // namespace
}  // namespace platform
