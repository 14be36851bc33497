// Fuzz target of the "Data" stream reader: any bytes either load or fail with the read error, and
// what loads saves and loads again.
#include "grid/model/CellStorage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  grid::Tts2DStorage store;
  grid::TtsByteReader reader(std::span(data, size));
  try {
    store.LoadFromStream(reader);
  } catch (const grid::EReadError&) {
    return 0;
  }
  grid::TtsByteWriter writer;
  store.SaveToStream(writer);
  grid::Tts2DStorage again;
  grid::TtsByteReader second(writer.Bytes());
  again.LoadFromStream(second);  // must not raise: what was saved reads back
  if (second.Remaining() != 0)
    std::abort();
  return 0;
}
