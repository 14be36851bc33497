#pragma once
// While it lives, the window is calculating: no second calculation starts, and the pages are disabled
// unless the calculation runs on a page of its own (the Variables page keeps its focus).

#include "app/MainWindow.h"

namespace app {

class CalculationScope {
 public:
  CalculationScope(TfmCalc& window, bool& calculating, bool disablePages = true)
      : window_(window), calculating_(calculating), disablePages_(disablePages)
  {
    calculating_ = true;
    if (disablePages_)
      window_.DisablePages();
  }
  ~CalculationScope()
  {
    calculating_ = false;
    if (disablePages_)
      window_.EnablePages();
    window_.CalculationEnded();
  }
  CalculationScope(const CalculationScope&) = delete;
  CalculationScope& operator=(const CalculationScope&) = delete;

 private:
  TfmCalc& window_;
  bool& calculating_;
  bool disablePages_;
};

}  // namespace app
