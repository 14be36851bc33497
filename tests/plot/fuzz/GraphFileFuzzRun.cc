// A short, repeatable run of the graph text file fuzz target: every truncation of a valid file,
// hostile lines in every place, and repeatable random edits.
#include "../fuzz/FileLayers.h"

#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

const char* const kValidFile =
    "3\r\n"
    "TLayer\r\n"
    "255 1 -1 0  1.00000000000000E-0002 0 first layer\r\n"
    "TLayer\r\n"
    "TPointsLayer\r\n"
    "TPointsLayer\r\n"
    "16711680 0 7 1  0.00000000000000E+0000 1 points\r\n"
    "TPointsLayer\r\n"
    "2\r\n"
    " 1.00000000000000E+0000  2.00000000000000E+0000\r\n"
    "-3.50000000000000E-0001  4.00000000000000E+0010\r\n"
    "TPointsLayer\r\n"
    "TLayer\r\n"
    "-16777201 1 2 1 5e-3 0\r\n"
    "TLayer\r\n";

void Feed(const std::string& text)
{
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

TEST(GraphFileFuzz, EveryTruncationOfAValidFileFailsCleanly)
{
  const std::string file = kValidFile;
  for (std::size_t length = 0; length <= file.size(); ++length)
    Feed(file.substr(0, length));
}

TEST(GraphFileFuzz, HostileLinesInEveryPlaceFailCleanly)
{
  const char* const hostile[] = {"", " ", "-1", "2147483647", "99999999999999999999", "1e400", "nan", "inf",
                                 "TLayer", "TPointsLayer", "TSeries", "0 0 0 0 0 0", "1 1 1 1 x 1 n",
                                 "100001", "\x01\x02\xff", "3 junk"};
  std::vector<std::string> lines = platform::SplitLines(kValidFile);
  for (std::size_t at = 0; at <= lines.size(); ++at)
    for (const char* line : hostile) {
      std::vector<std::string> edited = lines;
      edited.insert(edited.begin() + std::ptrdiff_t(at), line);
      std::string text;
      for (const auto& l : edited)
        text += l + "\n";
      Feed(text);
      if (at < lines.size()) {
        edited.erase(edited.begin() + std::ptrdiff_t(at) + 1);  // in place of the line
        text.clear();
        for (const auto& l : edited)
          text += l + "\n";
        Feed(text);
      }
    }
}

TEST(GraphFileFuzz, RandomEditsFailCleanly)
{
  std::mt19937 random(2718);
  const std::string file = kValidFile;
  const char pieces[] = {'0', '9', '-', '+', '.', 'E', ' ', '\n', '\r', '\0', 'T', '\xff'};
  for (int round = 0; round < 3000; ++round) {
    std::string text = file;
    const int edits = 1 + int(random() % 4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const std::size_t at = random() % text.size();
      switch (random() % 3) {
      case 0: text[at] = pieces[random() % sizeof pieces]; break;
      case 1: text.erase(at, 1 + random() % 8); break;
      default: text.insert(at, 1, pieces[random() % sizeof pieces]); break;
      }
    }
    Feed(text);
  }
}

}  // namespace
