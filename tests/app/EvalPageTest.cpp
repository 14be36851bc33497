#include "tests/app/MainWindowFixture.h"

#include "controls/textfile/TextFileEditor.h"
#include "platform/ClipboardText.h"
#include "platform/Color.h"
#include "platform/Printer.h"
#include "platform/TextFile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

namespace app::testing {
namespace {

using Lines = std::vector<std::string>;

Lines Paras(const controls::TOvcCustomEditor& editor)
{
  Lines out;
  for (int p = 1; p <= editor.GetParaCount(); ++p)
    out.emplace_back(editor.Core().GetParaText(p));
  return out;
}

class EvalPageTest : public MainWindowTest {
 protected:
  void OpenOnPage()
  {
    Open();
    window->pcCalc->setCurrentWidget(window->tsEval);
    window->OE->setFocus();
  }

  void TypeIntoEditor(const QString& text)
  {
    window->OE->setFocus();
    for (const QChar c : text) {
      const bool enter = c == QLatin1Char('\n');
      QKeyEvent press(QEvent::KeyPress, enter ? Qt::Key_Return : 0, Qt::NoModifier,
                      enter ? QStringLiteral("\r") : QString(c));
      QApplication::sendEvent(window->OE, &press);
    }
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
  {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(window->OE, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(window->OE, &release);
  }

  void WriteFile(const QString& name, const QByteArray& bytes)
  {
    QFile file(File(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QByteArray ReadFile(const QString& name) const
  {
    QFile file(File(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  // The selected text of the editor.
  std::string Selection() const
  {
    const auto& core = window->OE->Core();
    if (core.SelStart().Para != core.SelEnd().Para)
      return "<several paragraphs>";
    return std::string(core.GetParaText(core.SelStart().Para)
                           .substr(std::size_t(core.SelStart().Pos - 1), std::size_t(core.SelEnd().Pos - core.SelStart().Pos)));
  }

  // Answers the find and replace dialog: checks the text it was given, fills it and presses a button.
  static void AnswerDialog(platform::ModalScript& script, const QString& seeded, const QString& find,
                           const QString& replacement, QPushButton* TfrmFindReplace::*button, bool wholeWords = false,
                           bool backward = false)
  {
    script.Act([=](platform::Form& form) {
      auto& dialog = dynamic_cast<TfrmFindReplace&>(form);
      EXPECT_EQ(dialog.cmbFind->currentText(), seeded);
      dialog.cmbFind->setCurrentText(find);
      dialog.cmbReplace->setCurrentText(replacement);
      dialog.chbWholeWords->setChecked(wholeWords);
      dialog.grbDirections->SetItemIndex(backward ? 1 : 0);
      (dialog.*button)->click();
    });
  }
};

TEST_F(EvalPageTest, EvalItShowsTheOutputAndEditSourceTheSourceAgain)
{
  OpenOnPage();
  TypeIntoEditor(QStringLiteral("total 1+2\n\nc: comp(1,2)*comp(3,4)"));
  window->OE->InsertString("\tword");
  ASSERT_EQ(Paras(*window->OE), (Lines{"total 1+2", "", "c: comp(1,2)*comp(3,4)\tword"}));
  EXPECT_EQ(window->cmbFormat->currentText(), QStringLiteral("10:3"));
  EXPECT_FALSE(window->SpeedButton39->isEnabled());

  window->SpeedButton7->click();
  // The work files hold the source (tabs as blanks) and the output; the editor shows the output file.
  EXPECT_EQ(ReadFile(QStringLiteral("temp.in")), QByteArray("total 1+2\r\n\r\nc: comp(1,2)*comp(3,4) word\r\n"));
  EXPECT_EQ(Paras(*window->OE), (Lines{"total      3.000", "", "c:     -5.000+i*(    10.000) word", ""}));
  EXPECT_FALSE(window->SpeedButton7->isEnabled());
  EXPECT_TRUE(window->SpeedButton39->isEnabled());

  window->SpeedButton39->click();
  EXPECT_EQ(Paras(*window->OE), (Lines{"total 1+2", "", "c: comp(1,2)*comp(3,4) word", ""}));
  EXPECT_TRUE(window->SpeedButton7->isEnabled());
  EXPECT_FALSE(window->SpeedButton39->isEnabled());
}

TEST_F(EvalPageTest, AValueOfThousandsOfDigitsIsWrittenWhole)
{
  OpenOnPage();
  TypeIntoEditor(QStringLiteral("big 2^6000 end"));
  window->SpeedButton7->click();
  const Lines output = Paras(*window->OE);
  ASSERT_EQ(output.size(), 2u);
  // 2^6000 exactly: 1807 digits before the point and three after it.
  const std::string& line = output[0];
  ASSERT_EQ(line.size(), std::string("big ").size() + 1807 + 4 + std::string(" end").size());
  EXPECT_EQ(line.substr(0, 20), "big 1513470582304237");
  EXPECT_EQ(line.substr(line.size() - 14), "869376.000 end");
}

TEST_F(EvalPageTest, OneStopEndsTheWholeRunAfterOneQuestion)
{
  OpenOnPage();
  std::string source;
  for (int i = 0; i < 20; ++i)
    source += "(J=1)*0+(K=20000)*0+(M=1)*0+for J to K step M do(sin(J)) ";
  window->OE->InsertString(source);
  const Lines before = Paras(*window->OE);
  int questions = 0;
  platform::ModalScript script([&](const QString&) { ++questions; });  // a further question is counted
  script.Then([&](platform::ModalSubject& subject) {
    EXPECT_TRUE(subject.Describe().contains(QStringLiteral("Do you really want to stop the calculation?")));
    ++questions;
    return platform::mrYes;
  });
  QTimer::singleShot(0, window.get(), [&] { window->sbStop->click(); });
  window->SpeedButton7->click();
  EXPECT_EQ(questions, 1);
  // The source stays, ready for another run, and the engine is left without an error or a stop.
  EXPECT_EQ(Paras(*window->OE), before);
  EXPECT_TRUE(window->SpeedButton7->isEnabled());
  EXPECT_FALSE(window->SpeedButton39->isEnabled());
  EXPECT_TRUE(window->pcCalc->isEnabled());
  EXPECT_FALSE(engine::ErrorFlag);
  EXPECT_EQ(engine::ErrorCode, 0);
  EXPECT_EQ(engine::StopFlag, 0);
}

TEST_F(EvalPageTest, AnOutputTooLargeToShowIsRefusedWithAMessage)
{
  OpenOnPage();
  // 1 MB of items at 1000 characters each would give about 500 MB.
  QByteArray big;
  while (big.size() < (1 << 20))
    big += QByteArray("1 ").repeated(50) + "\r\n";
  WriteFile(QStringLiteral("big.txt"), big);
  window->OE->LoadFromFile(File(QStringLiteral("big.txt")));
  const int paras = window->OE->GetParaCount();
  window->cmbFormat->setCurrentText(QStringLiteral("1000:2"));
  platform::ModalScript script;
  script.ExpectMessage(QStringLiteral("The evaluated text would be larger than 8 MB: it is not shown"), platform::mrOk);
  window->SpeedButton7->click();
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(window->OE->GetParaCount(), paras);
  EXPECT_EQ(window->OE->Core().GetParaText(1).substr(0, 4), "1 1 ");
  EXPECT_TRUE(window->SpeedButton7->isEnabled());
  EXPECT_FALSE(QFile::exists(File(QStringLiteral("temp.out"))));
}

TEST_F(EvalPageTest, TheEditorDrawsTheFrameItsBorderStyleAsksForInsideItsArea)
{
  OpenOnPage();
  TypeIntoEditor(QStringLiteral("1+1"));
  QApplication::processEvents();
  auto shown = [&] {
    const QImage image = window->grab().toImage();
    const QPoint origin = window->OE->mapTo(window.get(), QPoint(0, 0));
    return image.copy(QRect(origin, window->OE->size()));
  };
  const auto color = [](platform::TColor c) { return platform::ColorToQColor(c).rgb(); };
  // bsSingle: the sunken client edge along the editor's own rectangle, the text inside it.
  QImage editor = shown();
  const int right = editor.width() - 1;
  const int bottom = editor.height() - 1;
  EXPECT_EQ(editor.pixel(0, 0), color(platform::clBtnShadow));
  EXPECT_EQ(editor.pixel(1, 1), color(platform::cl3DDkShadow));
  EXPECT_EQ(editor.pixel(right, bottom), color(platform::clBtnHighlight));
  EXPECT_EQ(editor.pixel(right - 1, bottom - 1), color(platform::cl3DLight));
  EXPECT_EQ(editor.pixel(2, editor.height() / 2), color(platform::clWindow));
  EXPECT_EQ(window->OE->ClientWidth(), window->OE->width() - 4 - (window->OE->ScrollBarShown(platform::SB_VERT) ? platform::kScrollBarSize : 0));

  // bsNone: no frame, the text area reaches the edges.
  window->OE->SetBorderStyle(controls::bsNone);
  QApplication::processEvents();
  editor = shown();
  EXPECT_EQ(editor.pixel(0, 0), color(platform::clWindow));
  EXPECT_EQ(editor.pixel(editor.width() / 2, 0), color(platform::clWindow));
}

TEST_F(EvalPageTest, AWorkFileThatCannotBeWrittenIsReportedAndNothingStaleIsShown)
{
  Open();
  TypeIntoEditor(QStringLiteral("1+1"));
  for (const QString& name : {QStringLiteral("temp.in"), QStringLiteral("temp.out")}) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(QDir(folder.path()).mkdir(name));  // a folder where the file should be
    platform::ModalScript script;
    script.ExpectMessage(QStringLiteral("Can't create file ") + QDir::toNativeSeparators(File(name)), platform::mrOk);
    window->SpeedButton7->click();
    EXPECT_EQ(script.StepsLeft(), 0);
    EXPECT_EQ(Paras(*window->OE), (Lines{"1+1"}));
    EXPECT_TRUE(window->SpeedButton7->isEnabled());
    EXPECT_FALSE(window->SpeedButton39->isEnabled());
    ASSERT_TRUE(QDir(folder.path()).rmdir(name));
  }
}

TEST_F(EvalPageTest, FindFromTheButtonAndTheKeySeedsTheWordAtTheCaret)
{
  OpenOnPage();
  TypeIntoEditor(QStringLiteral("concat cat dog cat"));
  window->OE->Core().MoveCaretToPara(1, 2, false);  // in "concat"
  {
    platform::ModalScript script;
    AnswerDialog(script, QStringLiteral("concat"), QStringLiteral("cat"), {}, &TfrmFindReplace::btOk, true);
    window->SpeedButton20->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->OE->Core().SelStart().Pos, 8);  // the whole word, not the end of "concat"
  EXPECT_EQ(Selection(), "cat");
  EXPECT_FALSE(window->frmFindReplace.cmbReplace->isVisible());
  EXPECT_NE(window->frmFindReplace.cmbFind->findText(QStringLiteral("cat")), -1);  // kept in the list

  window->OE->Core().MoveCaretToPara(1, 12, false);  // on "dog"
  {
    platform::ModalScript script;
    AnswerDialog(script, QStringLiteral("dog"), QStringLiteral("bird"), {}, &TfrmFindReplace::btOk);
    script.ExpectMessage(QStringLiteral("Search string \"bird\" not found"), platform::mrOk);
    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->Edit1->text(), QString());  // the window's Ctrl+F did not insert erf
  {
    platform::ModalScript script;  // backward from the end of the text
    window->OE->Core().MoveCaretToPara(1, 19, false);
    AnswerDialog(script, QString(), QStringLiteral("cat"), {}, &TfrmFindReplace::btOk, false, true);
    Key(Qt::Key_F, Qt::ControlModifier);
  }
  EXPECT_EQ(window->OE->Core().SelStart().Pos, 16);
  {
    platform::ModalScript script;  // Cancel searches nothing
    const QString shots = QStringLiteral(VEXAL_TEST_OUTPUT_DIR "screenshots");
    QDir().mkpath(shots);
    for (const char* name : {"find_dialog.png", "replace_dialog.png"})
      script.Act([=](platform::Form& form) {
        auto& dialog = dynamic_cast<TfrmFindReplace&>(form);
        EXPECT_EQ(dialog.cmbReplace->isVisibleTo(&dialog), name[0] == 'r');
        // The window's title is the form's caption, never its object name.
        EXPECT_EQ(dialog.windowTitle(), name[0] == 'r' ? QStringLiteral("Find and replace") : QStringLiteral("Find"));
        dialog.grab().save(shots + QLatin1Char('/') + QString::fromLatin1(name));
        dialog.btCancel->click();
      });
    window->SpeedButton20->click();
    window->SpeedButton24->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->OE->Core().SelStart().Pos, 16);
}

TEST_F(EvalPageTest, ReplaceFromTheButtonAndTheKeyReplacesOneOrAll)
{
  OpenOnPage();
  TypeIntoEditor(QStringLiteral("a+a a+a"));
  window->OE->Core().MoveCaretToPara(1, 1, false);
  {
    platform::ModalScript script;  // one confirmation replaces one occurrence
    AnswerDialog(script, QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("xyz"), &TfrmFindReplace::btOk);
    window->SpeedButton24->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Paras(*window->OE), (Lines{"xyz+a a+a"}));
  EXPECT_TRUE(window->frmFindReplace.cmbReplace->isVisible() || !window->frmFindReplace.isVisible());
  {
    platform::ModalScript script;  // Replace All from the caret on
    AnswerDialog(script, QString(), QStringLiteral("A"), QStringLiteral("b"), &TfrmFindReplace::btReplaceAll);
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Paras(*window->OE), (Lines{"xyz+b b+b"}));
  Key(Qt::Key_Backspace, Qt::AltModifier);  // one undo reverts one replacement
  EXPECT_EQ(Paras(*window->OE), (Lines{"xyz+b b+a"}));
  Key(Qt::Key_Backspace, Qt::ControlModifier);  // and redo
  EXPECT_EQ(Paras(*window->OE), (Lines{"xyz+b b+b"}));
  {
    platform::ModalScript script;
    window->OE->Core().MoveCaretToPara(1, 1, false);
    AnswerDialog(script, QStringLiteral("xyz"), QStringLiteral("q"), QStringLiteral("r"), &TfrmFindReplace::btOk);
    script.ExpectMessage(QStringLiteral("Search string \"q\" not found"), platform::mrOk);
    window->SpeedButton24->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(window->Edit1->text(), QString());
}

TEST_F(EvalPageTest, FindAndReplaceTextsBeyondLatin1NeverStandForQuestionMarks)
{
  OpenOnPage();
  TypeIntoEditor(QStringLiteral("?*2 ? 1"));
  const QString cjk = QStringLiteral("\u6570");
  struct Case {
    QString find, replacement, message;
  };
  const Case cases[] = {
      {cjk, QStringLiteral("x"), QStringLiteral("Search string \"") + cjk + QStringLiteral("\" not found")},
      {QStringLiteral("?"), cjk, QStringLiteral("The text can't hold the replacement \"") + cjk +
                                     QStringLiteral("\": nothing was replaced")},
  };
  for (const Case& c : cases) {
    window->OE->Core().MoveCaretToPara(1, 1, false);
    platform::ModalScript script;
    AnswerDialog(script, QString(), c.find, c.replacement, &TfrmFindReplace::btReplaceAll);
    script.ExpectMessage(c.message, platform::mrOk);
    window->SpeedButton24->click();
    EXPECT_EQ(script.StepsLeft(), 0);
    EXPECT_EQ(Paras(*window->OE), (Lines{"?*2 ? 1"}));
  }
  {
    window->OE->Core().MoveCaretToPara(1, 1, false);
    platform::ModalScript script;
    AnswerDialog(script, QString(), cjk, QString(), &TfrmFindReplace::btOk);
    script.ExpectMessage(QStringLiteral("Search string \"") + cjk + QStringLiteral("\" not found"), platform::mrOk);
    window->SpeedButton20->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  // A sign with a meaning finds its engine form.
  window->OE->Core().MoveCaretToPara(1, 1, false);
  TypeIntoEditor(QStringLiteral("\u03C0 "));
  window->OE->Core().MoveCaretToPara(1, 1, false);
  platform::ModalScript script;
  AnswerDialog(script, QStringLiteral("\u00B6"), QStringLiteral("\u03C0"), QStringLiteral("3"),
               &TfrmFindReplace::btReplaceAll);
  window->SpeedButton24->click();
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(Paras(*window->OE), (Lines{"3 ?*2 ? 1"}));
}

TEST_F(EvalPageTest, EditingKeysAndButtons)
{
  OpenOnPage();
  TypeIntoEditor(QStringLiteral("12+3"));
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Selection(), "12+3");
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(platform::ClipboardText().value_or(""), "12+3");
  Key(Qt::Key_End);
  Key(Qt::Key_P, Qt::ControlModifier);  // paste
  EXPECT_EQ(Paras(*window->OE), (Lines{"12+312+3"}));
  window->SpeedButton40->click();
  EXPECT_EQ(Paras(*window->OE), (Lines{"12+3"}));
  window->SpeedButton65->click();
  EXPECT_EQ(Paras(*window->OE), (Lines{"12+312+3"}));
  window->OE->SelectAll(true);
  window->SpeedButton81->click();
  window->SpeedButton82->click();
  window->SpeedButton82->click();
  EXPECT_EQ(Paras(*window->OE), (Lines{"12+312+312+312+3"}));
}

TEST_F(EvalPageTest, SignsBeyondLatin1TypedOrPastedKeepTheirMeaning)
{
  engine::LastResult = 42;  // what "?" reads
  OpenOnPage();
  TypeIntoEditor(QStringLiteral("\u22125+2 9\u221A \u03C0*2 a\u6570b"));
  EXPECT_EQ(Paras(*window->OE), (Lines{"-5+2 9\xBD \xB6*2 a b"}));
  Key(Qt::Key_End);
  QGuiApplication::clipboard()->setText(QStringLiteral(" \u2212\u03C0 1\U0001F6002"));
  Key(Qt::Key_V, Qt::ControlModifier);
  window->SpeedButton82->click();  // the Paste button
  ASSERT_EQ(Paras(*window->OE), (Lines{"-5+2 9\xBD \xB6*2 a b -\xB6 1 2 -\xB6 1 2"}));
  window->SpeedButton7->click();
  EXPECT_EQ(Paras(*window->OE)[0],
            "    -3.000      3.000      6.283 a b     -3.142      1.000      2.000     -3.142      1.000      2.000");
}

TEST_F(EvalPageTest, OpenAndSaveTheSource)
{
  OpenOnPage();
  WriteFile(QStringLiteral("in.txt"), "x 1+1\r\ny\r\n");
  window->SpeedButton7->click();  // the result is shown; opening a file shows a source again
  {
    platform::ModalScript script;
    script.Then([&](platform::ModalSubject& subject) {
      auto& dialog = dynamic_cast<platform::TOpenDialog&>(subject);
      EXPECT_EQ(dialog.Filter, QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*"));
      dialog.FileName = File(QStringLiteral("in.txt"));
      return platform::mrOk;
    });
    window->sbtNewProject->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  EXPECT_EQ(Paras(*window->OE), (Lines{"x 1+1", "y", ""}));
  EXPECT_EQ(window->OE->FileName(), File(QStringLiteral("in.txt")));
  EXPECT_TRUE(window->SpeedButton7->isEnabled());
  EXPECT_FALSE(window->SpeedButton39->isEnabled());

  window->OE->Core().MoveCaretToPara(2, 2, false);
  window->OE->InsertString("\tz");
  {
    platform::ModalScript script;
    script.Choose(File(QStringLiteral("out.txt")));
    window->spbSave->click();
  }
  EXPECT_EQ(ReadFile(QStringLiteral("out.txt")), QByteArray("x 1+1\r\ny z\r\n"));
  {
    platform::ModalScript script;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("dir.txt")));  // a folder where the file should be
    script.Choose(File(QStringLiteral("dir.txt")));
    script.PressOn(platform::ModalKind::MessageBox, platform::mrYes);  // replace it
    script.ExpectMessage(QStringLiteral("Can't create file ") + File(QStringLiteral("dir.txt")), platform::mrOk);
    window->spbSave->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  {
    platform::ModalScript script;  // a file that vanished: reported, the text stays
    script.Choose(File(QStringLiteral("gone.txt")));
    script.Press(platform::mrOk);
    window->sbtNewProject->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
}

// The text pdftotext reads from a PDF; empty (and a skip message) when it is not installed.
QString PdfText(const QString& pdf)
{
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(30000))
    return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(EvalPageTest, AFileOfLineFeedsAndUtf8IsReadAsLinesAndCharactersAndSavedAsRead)
{
  OpenOnPage();
  WriteFile(QStringLiteral("made here.txt"), "caf\xC3\xA9 1+1\nd\xC3\xA9j\xC3\xA0 2*3\n");
  {
    platform::ModalScript script;
    script.Choose(File(QStringLiteral("made here.txt")));
    window->sbtNewProject->click();
  }
  // The lines the editor shows are the lines "Eval it" evaluates.
  EXPECT_EQ(Paras(*window->OE), (Lines{"caf\xE9 1+1", "d\xE9j\xE0 2*3", ""}));
  window->SpeedButton7->click();
  EXPECT_EQ(Paras(*window->OE), (Lines{"caf\xE9      2.000", "d\xE9j\xE0      6.000", ""}));
  EXPECT_EQ(ReadFile(QStringLiteral("temp.out")), QByteArray("caf\xC3\xA9      2.000\r\nd\xC3\xA9j\xC3\xA0      6.000"));
  window->SpeedButton39->click();
  EXPECT_EQ(Paras(*window->OE), (Lines{"caf\xE9 1+1", "d\xE9j\xE0 2*3", ""}));
  {
    platform::ModalScript script;
    script.Choose(File(QStringLiteral("saved.txt")));
    window->spbSave->click();
  }
  EXPECT_EQ(ReadFile(QStringLiteral("saved.txt")), QByteArray("caf\xC3\xA9 1+1\r\nd\xC3\xA9j\xC3\xA0 2*3\r\n"));
}

TEST_F(EvalPageTest, PrintingTheEditorAndTheTapeCalculatorGivesHeadedPages)
{
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext is not installed";
  OpenOnPage();
  platform::TPrinter& printer = platform::Printer();
  printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
  TypeIntoEditor(QStringLiteral("sum 2+2"));
  const auto print = [&](QPushButton* button, const QString& file, const QString& message) {
    printer.SetFileName(File(file));
    platform::ModalScript script;
    script.ExpectMessage(message + QDir::toNativeSeparators(File(file)), platform::mrOk);
    button->click();
    EXPECT_EQ(script.StepsLeft(), 0);
    return PdfText(File(file));
  };
  const QString source = print(window->SpeedButton36, QStringLiteral("source.pdf"), QStringLiteral("The text was printed to the file "));
  EXPECT_TRUE(source.contains(QStringLiteral("Source page 1"))) << source.toStdString();
  EXPECT_TRUE(source.contains(QStringLiteral("sum 2+2")));
  window->SpeedButton7->click();
  const QString result = print(window->SpeedButton36, QStringLiteral("result.pdf"), QStringLiteral("The text was printed to the file "));
  EXPECT_TRUE(result.contains(QStringLiteral("Result page 1"))) << result.toStdString();
  EXPECT_TRUE(result.contains(QRegularExpression(QStringLiteral("sum +4\\.000")))) << result.toStdString();

  window->pcCalc->setCurrentWidget(window->tsTapeCalc);
  window->OET->setPlainText(QStringLiteral("1+\n2"));
  const QString tape = print(window->SpeedButton89, QStringLiteral("tape.pdf"),
                             QStringLiteral("The tape calculator was printed to the file "));
  EXPECT_TRUE(tape.contains(QStringLiteral("Tape calc page 1"))) << tape.toStdString();
  EXPECT_TRUE(tape.contains(QStringLiteral("1+")));
}

TEST_F(EvalPageTest, TheTapeCalculatorLoadsAndSavesItsLines)
{
  Open();
  window->pcCalc->setCurrentWidget(window->tsTapeCalc);
  WriteFile(QStringLiteral("tape.txt"), "1+\r\n2\r\n");
  window->OET->setPlainText(QStringLiteral("3*"));
  {
    platform::ModalScript script;
    script.Choose(File(QStringLiteral("tape.txt")));
    window->SpeedButton83->click();
  }
  EXPECT_EQ(window->OET->toPlainText(), QStringLiteral("3*\n1+\n2"));
  window->SpeedButton85->click();
  EXPECT_EQ(window->OET->toPlainText().split(QLatin1Char('\n')).value(3), QStringLiteral("----------------------"));
  {
    platform::ModalScript script;
    script.Choose(File(QStringLiteral("saved.txt")));
    window->SpeedButton84->click();
  }
  const auto saved = platform::ReadTextLines(File(QStringLiteral("saved.txt")));
  ASSERT_EQ(saved.size(), 5u);
  EXPECT_EQ(saved[0], "3*");
  EXPECT_EQ(saved[3], "----------------------");
  {
    platform::ModalScript script;  // a file that can't be written is reported
    script.Choose(File(QStringLiteral("gone/saved.txt")));
    script.Press(platform::mrOk);
    window->SpeedButton84->click();
    EXPECT_EQ(script.StepsLeft(), 0);
  }
}

}  // namespace
}  // namespace app::testing
