// A short, repeatable run of the editor library's file reader fuzz targets over hostile files.
#include "tests/controls/fuzz/TextFileReadersFuzzTarget.h"

#include "controls/editor/CommandTable.h"
#include "controls/editor/Exceptions.h"
#include "controls/textfile/ViewerLines.h"
#include "tests/support/HostileInputs.h"
#include "tests/support/ScratchFile.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kTextFiles = {
    "first line\r\n\tsecond\tline\r\n\r\nlast without end",
    "a\rb\nc\r\n\x1a" "after the end",
    std::string("nul\0in a line\r\n", 16),
};

TEST(TextFileReadersFuzz, HostileFilesSplitIntoLines)
{
  for (const std::string& bytes : testsupport::HostileFiles(kTextFiles))
    fuzz::TextFileLinesTarget(bytes);
}

TEST(TextFileReadersFuzz, HostileFilesLoadIntoTheViewer)
{
  for (const std::string& bytes : testsupport::HostileFiles(kTextFiles, 600))
    fuzz::ViewerFileTarget(bytes);
}

TEST(TextFileReadersFuzz, HostileFilesLoadIntoTheEditor)
{
  for (const std::string& bytes : testsupport::HostileFiles(kTextFiles, 300))
    fuzz::EditorFileTarget(bytes);
}

TEST(TextFileReadersFuzz, HostileCommandTableFiles)
{
  const std::vector<std::string> valid = {"Custom\r\n  65   4   0   0     7\r\n  13   0   0   0    12\r\n\r\n",
                                          "Two keys\n 81 4 70 0 30\n"};
  for (const std::string& bytes : testsupport::HostileFiles(valid))
    fuzz::CommandTableFileTarget(bytes);
}

}  // namespace

namespace {

// A folder given as a file is refused, and the table stays as it was.
TEST(TextFileReadersFuzz, AFolderIsNoCommandTableFile)
{
  controls::TOvcCommandTable table;
  table.TableName = "Old";
  table.AddCommand({65, 4, 0, 0, controls::TOvcCommand(7)});
  const QString folder = QFileInfo(testsupport::ScratchPath("any")).absolutePath();
  EXPECT_THROW(table.LoadFromFile(QFile::encodeName(folder).toStdString()), controls::ECommandTableFileError);
  EXPECT_EQ(table.TableName, "Old");
  EXPECT_EQ(table.Count(), 1);
}

}  // namespace

namespace {

// A folder given as a file is refused by the viewer with the library's error text.
TEST(TextFileReadersFuzz, AFolderIsNoViewerFile)
{
  std::int64_t size = -1;
  const QString folder = QFileInfo(testsupport::ScratchPath("any")).absolutePath();
  EXPECT_THROW(controls::LoadViewerLines(folder, size), controls::EInOutError);
}

}  // namespace
