// Fuzz target of the graph text file reader: any text either loads whole or stops with exactly one
// message, what loads saves and loads again to the same lines, and no layer outlives its graph.
#include "../fuzz/FileLayers.h"

#include "platform/ModalRun.h"
#include "platform/TextFile.h"

#include "tests/support/GraphImages.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Loads the lines into a fresh graph; the number of messages shown, and the file saved after.
std::vector<std::string> LoadAndSave(std::vector<std::string> lines, int& messages, bool& loaded)
{
  messages = 0;
  platform::ModalScript script([&messages](const QString&) { ++messages; });
  testing_support::TRecordingGraphImage image(200, 100);
  plot::TGraph graph(nullptr, image, nullptr);
  plot::TGraphFileReader reader(std::move(lines));
  loaded = graph.LoadFromFile(reader);
  plot::TGraphFileWriter writer;
  graph.SaveToFile(writer);
  return writer.Lines();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  plot::test::TPointsLayer::Register();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  int messages = 0;
  bool loaded = false;
  const std::vector<std::string> saved = LoadAndSave(platform::SplitLines(text), messages, loaded);
  if (messages != (loaded ? 0 : 1) || plot::test::TPointsLayer::Live() != 0)
    std::abort();
  const std::vector<std::string> again = LoadAndSave(saved, messages, loaded);
  if (!loaded || messages != 0 || again != saved || plot::test::TPointsLayer::Live() != 0)
    std::abort();
  return 0;
}
