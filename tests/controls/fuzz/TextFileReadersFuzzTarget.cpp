#include "tests/controls/fuzz/TextFileReadersFuzzTarget.h"

#include "controls/editor/CommandTable.h"
#include "controls/editor/Controller.h"
#include "controls/editor/Exceptions.h"
#include "controls/textfile/TextFileEditor.h"
#include "controls/textfile/TextFileLines.h"
#include "controls/textfile/ViewerLines.h"
#include "tests/support/FuzzCheck.h"
#include "tests/support/ScratchFile.h"

#include <QFile>
#include <QWidget>

namespace fuzz {

using testsupport::Require;

void TextFileLinesTarget(std::string_view bytes)
{
  for (const std::string& line : controls::SplitTextFileLines(bytes))
    Require(line.find_first_of("\r\x1a") == std::string::npos, "a line holds no CR and no end-of-file code");
}

void ViewerFileTarget(std::string_view bytes)
{
  std::int64_t size = -1;
  const controls::TVwrStringList lines = controls::LoadViewerLines(testsupport::ScratchFile("fuzz.vwr", bytes), size);
  Require(size == std::int64_t(bytes.size()), "the viewer gives the file's size");
  Require(lines.Count() == int(controls::SplitTextFileLines(bytes).size()) + 1, "the viewer has a line per line");
  for (int i = 0; i < lines.Count(); ++i) {
    Require(lines.Line(i).size() <= std::size_t(controls::ViewerLineLimit), "a viewer line is within its limit");
    const std::string shown = controls::ShownLine(lines.Line(i), true, 8, 255);
    Require(shown.size() <= 255, "a shown line is within its width");
    for (const char c : shown)
      Require(static_cast<unsigned char>(c) >= 32, "a shown line holds no control code");
  }
}

void EditorFileTarget(std::string_view bytes)
{
  QWidget form;
  controls::TOvcController controller(&form);
  auto* editor = new controls::TOvcTextFileEditor(&form);
  editor->SetController(&controller);
  std::size_t textSize = 0;
  for (const std::string& line : controls::SplitTextFileLines(bytes))
    textSize += line.size();
  try {
    editor->LoadFromFile(testsupport::ScratchFile("fuzz.edt", bytes));
  } catch (const controls::EEditorError&) {
    Require(!editor->IsOpen(), "an editor that could not load is closed");
    return;
  }
  Require(editor->IsOpen(), "a loaded editor is open");
  std::size_t loaded = 0;
  for (int i = 1; i <= editor->Core().ParaList().ParaCount(); ++i)
    loaded += editor->Core().ParaList().GetParaLength(i);
  Require(loaded <= textSize, "the editor holds no more than the file");
}

void CommandTableFileTarget(std::string_view bytes)
{
  controls::TOvcCommandTable table;
  table.TableName = "Old";
  table.AddCommand({65, 4, 0, 0, controls::TOvcCommand(7)});
  const std::string path = QFile::encodeName(testsupport::ScratchFile("fuzz.cmd", bytes)).toStdString();
  try {
    table.LoadFromFile(path);
  } catch (const controls::ECommandTableFileError&) {
    Require(table.TableName == "Old" && table.Count() == 1 && table.GetCommand(0).Command == 7,
            "a refused command table file keeps the table");
    return;
  }
  const std::string copy = QFile::encodeName(testsupport::ScratchPath("fuzz-copy.cmd")).toStdString();
  table.SaveToFile(copy);
  controls::TOvcCommandTable again;
  again.LoadFromFile(copy);
  Require(again.TableName == table.TableName && again.Count() == table.Count(), "a saved command table reads back");
  for (int i = 0; i < table.Count(); ++i)
    Require(again.GetCommand(i).KeySequence() == table.GetCommand(i).KeySequence() &&
                again.GetCommand(i).Command == table.GetCommand(i).Command,
            "a saved command table reads back row by row");
}

}  // namespace fuzz
