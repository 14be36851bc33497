// The "Eval it" page: a text of expressions evaluated into its output, and back to the source.

#include "app/EvalText.h"
#include "app/MainWindow.h"

#include "controls/editor/Editor.h"
#include "platform/Application.h"
#include "platform/ClipboardText.h"
#include "platform/Exceptions.h"
#include "platform/MessageDlg.h"
#include "platform/TextFile.h"

#include <QComboBox>
#include <QPushButton>

namespace app {
namespace {

QString WorkFile(const char* name) { return platform::ProgramFolder() + QString::fromLatin1(name); }

std::string EditorText(const controls::TOvcCustomEditor& editor)
{
  std::string text;
  for (int para = 1; para <= editor.GetParaCount(); ++para) {
    if (para > 1)
      text += "\r\n";
    text += editor.Core().GetParaText(para);
  }
  return text;
}

void SetEditorText(controls::TOvcCustomEditor& editor, const std::vector<std::string>& lines)
{
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i)
    text += (i ? "\r\n" : "") + lines[i];
  editor.ClearText(false);
  editor.InsertString(text);
  editor.Core().MoveCaretToPara(1, 1, false);
  editor.SetModified(false);
  editor.InvalidateAll(false);
}

void ShowFileError(const platform::EFileError& error)
{
  platform::MessageDlg(error.Message(), platform::mtError, platform::mbOK);
}

}  // namespace

void TfmCalc::SpeedButton7Click()
{
  const std::string source = EditorText(*OE);
  const std::string output = EvalLines(source, TEvalFormat(platform::ToLatin1(cmbFormat->currentText())));
  // The source is kept for "Edit source"; nothing is shown unless both files are written and read back.
  std::vector<std::string> shown;
  try {
    platform::WriteTextLines(WorkFile("temp.in"), platform::SplitLines(source));
    platform::WriteFileAtomic(WorkFile("temp.out"), QByteArray::fromStdString(output));
    shown = platform::ReadTextLines(WorkFile("temp.out"));
  } catch (const platform::EFileError& error) {
    ShowFileError(error);
    return;
  }
  SetEditorText(*OE, shown);
  SpeedButton39->setEnabled(true);
  SpeedButton7->setEnabled(false);
  OE->setFocus();
}

void TfmCalc::SpeedButton39Click()
{
  try {
    SetEditorText(*OE, platform::ReadTextLines(WorkFile("temp.in")));
  } catch (const platform::EFileError& error) {
    ShowFileError(error);
    return;
  }
  SpeedButton39->setEnabled(false);
  SpeedButton7->setEnabled(true);
}

}  // namespace app
