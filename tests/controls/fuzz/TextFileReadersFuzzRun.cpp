// A short, repeatable run of the editor library's file reader fuzz targets over hostile files.
#include "tests/controls/fuzz/TextFileReadersFuzzTarget.h"
#include "tests/support/HostileInputs.h"

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
