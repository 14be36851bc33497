// Fuzz target of the whole-grid stream reader: any bytes either load into a grid or fail with the
// read error or the grid's own error and leave the grid (its combo column's list too) exactly as it
// was; what loads saves and loads again. Built as a libFuzzer program with VEXAL_GRID_STREAM_LIBFUZZER.
#include "grid/dropdown/ComboGrid.h"
#include "grid/window/Grid.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace {

std::vector<std::uint8_t> Saved(grid::TtsBaseGrid& grid)
{
  grid::TtsByteWriter writer;
  grid.SaveGridToStream(writer, true);
  return writer.Bytes();
}

}  // namespace

int GridStreamFuzzInput(const std::uint8_t* data, std::size_t size)
{
  grid::TtsGrid grid;
  grid.SetStoreData(true);
  grid.SetCell(2, 3, grid::TtsCellValue(std::string("kept")));
  grid.Model().Col(1).SetFieldName("A");
  grid.Model().Col(3).SetButtonType(grid::btCombo);
  grid.Model().Col(3).MakeCombo();
  grid::TtsComboGrid* list = grid::ComboGridOf(grid.Model().Col(3).Combo());
  list->SetStoreData(true);
  list->SetRows(1);
  list->SetCell(1, 1, grid::TtsCellValue(std::string("kept too")));
  const std::vector<std::uint8_t> before = Saved(grid);
  for (bool byDataCol : {true, false}) {
    try {
      grid.LoadGridFromStream(std::span(data, size), byDataCol);
    } catch (const grid::EReadError&) {
      if (Saved(grid) != before)
        std::abort();
      continue;
    } catch (const grid::EInvalidGridOperation&) {
      if (Saved(grid) != before)
        std::abort();
      continue;
    }
    grid::TtsGrid again;
    again.LoadGridFromStream(Saved(grid), true);  // must not raise: what was saved reads back
    return 0;
  }
  return 0;
}

#ifdef VEXAL_GRID_STREAM_LIBFUZZER
#include <QApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  return GridStreamFuzzInput(data, size);
}
#endif
