#pragma once
// The combo definition of a grid, a column, a row or a cell: what its drop-down list offers. The
// grid component makes them (a grid without a window makes none); columns, rows and cells keep an
// own combo through this face.

#include "grid/model/GridTypes.h"

namespace grid {

class TtsCombo {
 public:
  virtual ~TtsCombo() = default;

  virtual TtsDropDownStyle DropDownStyle() const = 0;
  virtual void SetDropDownStyle(TtsDropDownStyle style) = 0;
  // The default column width of the drop-down grid.
  virtual void SetDefaultColWidth(int width) = 0;
  // Takes the settings (and the drop-down grid) of another combo.
  virtual void Assign(const TtsCombo& source) = 0;
};

}  // namespace grid
