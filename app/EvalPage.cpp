// The "Eval it" page: a text of expressions evaluated into its output through the work files and back to
// the source; loading, saving and printing the text; find and replace.

#include "app/CalculationScope.h"
#include "app/ControlPrinting.h"
#include "app/EngineText.h"
#include "app/EvalText.h"
#include "app/MainWindow.h"

#include "controls/editor/Exceptions.h"
#include "controls/textfile/TextFileEditor.h"
#include "platform/Application.h"
#include "platform/ClipboardText.h"
#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/MessageDlg.h"
#include "platform/TextFile.h"

#include <QComboBox>
#include <QPushButton>
#include <optional>

namespace app {
namespace {

const QString kTextFilter = QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*");

QString WorkFile(const char* name) { return platform::ProgramFolder() + QString::fromLatin1(name); }

// Runs a file or editor operation; a failure is shown with its message and the result is false.
template <typename Operation>
bool Reported(Operation operation)
{
  try {
    operation();
    return true;
  } catch (const platform::EFileError& error) {
    platform::MessageDlg(error.Message(), platform::mtError, platform::mbOK);
  } catch (const controls::EOvcException& error) {
    platform::MessageDlg(QString::fromLatin1(error.what()), platform::mtError, platform::mbOK);
  }
  return false;
}

void ShowNotFound(const QString& text)
{
  platform::MessageDlg(QStringLiteral("Search string \"") + text + QStringLiteral("\" not found"),
                       platform::mtInformation, platform::mbOK);
}

// The 8-bit form of a find or replace text; nothing when it holds a character the text can't hold.
std::optional<std::string> EightBitOrNothing(const QString& text)
{
  for (const QChar c : text)
    if (c.unicode() > 255 && EngineChar(c) == 0)
      return std::nullopt;
  return EightBitExpressionText(text);
}

}  // namespace

void TfmCalc::SpeedButton7Click()
{
  // The evaluation pumps the window's events: nothing else calculates meanwhile.
  if (calculating_)
    return;
  const QString in = WorkFile("temp.in");
  const QString out = WorkFile("temp.out");
  const TEvalFormat format(platform::ToLatin1(cmbFormat->currentText()));
  TEvalOutcome outcome;
  bool evaluated = false;
  {
    const CalculationScope scope(*this, calculating_);
    evaluated = Reported([&] {
      OE->SaveToFile(in);
      // The engine reads Latin-1: a UTF-8 source is evaluated as its characters and written back so.
      const QByteArray bytes = platform::ReadFileBytes(in);
      std::string source = bytes.toStdString();
      if (OE->Utf8())
        source = platform::Latin1FromFileBytes(source).Text;
      outcome = EvalLines(source, format);
    });
  }
  if (!evaluated)
    return;
  if (outcome.End == TEvalEnd::TooLarge)
    platform::MessageDlg(QStringLiteral("The evaluated text would be larger than %1 MB: it is not shown")
                             .arg(kEvalOutputLimit >> 20),
                         platform::mtError, platform::mbOK);
  if (outcome.End != TEvalEnd::Done)
    return;
  // Nothing is shown unless the output file is written and reads back whole.
  const bool shown = Reported([&] {
    platform::WriteFileAtomic(out, QByteArray::fromStdString(platform::FileBytesFromLatin1(outcome.Text, OE->Utf8())));
    outcome.Text.clear();
    platform::ReadFileBytes(out);
    OE->LoadFromFile(out);
  });
  if (!shown)
    return;
  SpeedButton39->setEnabled(true);
  SpeedButton7->setEnabled(false);
  OE->setFocus();
}

void TfmCalc::SpeedButton39Click()
{
  if (!Reported([&] { OE->LoadFromFile(WorkFile("temp.in")); }))
    return;
  SpeedButton39->setEnabled(false);
  SpeedButton7->setEnabled(true);
}

void TfmCalc::sbtNewProjectClick()
{
  platform::TOpenDialog dialog;
  dialog.Filter = kTextFilter;
  dialog.Options = platform::ofHideReadOnly | platform::ofFileMustExist;
  dialog.FileName = OE->FileName();
  if (!dialog.Execute())
    return;
  OE->SetIsOpen(false);
  OE->SetFileName(dialog.FileName);
  // A loaded text is a source: "Eval it" evaluates it rather than "Edit source" replacing it.
  if (Reported([&] { OE->SetIsOpen(true); })) {
    SpeedButton7->setEnabled(true);
    SpeedButton39->setEnabled(false);
  }
  OE->setFocus();
}

void TfmCalc::spbSaveClick()
{
  platform::TSaveDialog dialog;
  dialog.Filter = kTextFilter;
  dialog.Options = platform::ofOverwritePrompt | platform::ofHideReadOnly | platform::ofPathMustExist;
  if (dialog.Execute())
    Reported([&] { OE->SaveToFile(dialog.FileName); });
  OE->setFocus();
}

void TfmCalc::SpeedButton36Click()
{
  const QString title = SpeedButton7->isEnabled() ? QStringLiteral("Source") : QStringLiteral("Result");
  PrintControl(OE, title, QStringLiteral("The text was printed to the file "));
}

void TfmCalc::SpeedButton20Click()
{
  OE->setFocus();
  if (!frmFindReplace.Execute(TfrmFindReplace::kFind, platform::FromLatin1(OE->GetCurrentWord())))
    return;
  const QString text = frmFindReplace.cmbFind->currentText();
  const std::optional<std::string> find = EightBitOrNothing(text);
  if (!find || !OE->Search(*find, frmFindReplace.Options()))
    ShowNotFound(text);
}

void TfmCalc::SpeedButton24Click()
{
  OE->setFocus();
  if (!frmFindReplace.Execute(TfrmFindReplace::kReplace, platform::FromLatin1(OE->GetCurrentWord())))
    return;
  const QString text = frmFindReplace.cmbFind->currentText();
  const std::optional<std::string> find = EightBitOrNothing(text);
  if (!find) {
    ShowNotFound(text);
    return;
  }
  const QString replacementText = frmFindReplace.cmbReplace->currentText();
  const std::optional<std::string> replacement = EightBitOrNothing(replacementText);
  if (!replacement) {
    platform::MessageDlg(QStringLiteral("The text can't hold the replacement \"") + replacementText +
                             QStringLiteral("\": nothing was replaced"),
                         platform::mtError, platform::mbOK);
    return;
  }
  const controls::TEditorSearchOptions options = frmFindReplace.Options();
  Reported([&] {
    const int result = OE->Replace(*find, *replacement, options);
    if (result == -1) {
      ShowNotFound(text);
      return;
    }
    // A first call that only selected the next match is followed by one that replaces it, so that each
    // confirmation replaces one occurrence.
    constexpr controls::TEditorSearchOptions kReplaceOne = 0x10;
    if (result == 0 && (options & kReplaceOne) != 0)
      OE->Replace(*find, *replacement, options);
  });
}

void TfmCalc::OEKeyDown(int& key, platform::TShiftState shift)
{
  using namespace platform;
  const TShiftState mods = shift & (ssCtrl | ssAlt | ssShift);
  if (mods == ssAlt && key == VK_BACK) {
    OE->Undo();
  } else if (mods != ssCtrl) {
    return;
  } else if (key == VK_BACK) {
    OE->Redo();
  } else if (key == 'A') {
    OE->SelectAll(true);
  } else if (key == 'C') {
    OE->CopyToClipboard();
  } else if (key == 'F') {
    SpeedButton20Click();
  } else if (key == 'P') {
    OE->PasteFromClipboard();
  } else if (key == 'R') {
    SpeedButton24Click();
  } else {
    return;
  }
  key = 0;
}

}  // namespace app
