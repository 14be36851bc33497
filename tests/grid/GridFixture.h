#pragma once
// A grid model with recording services: what it asked the window to do, and its events.

#include "grid/model/GridModel.h"

#include <string>
#include <vector>

namespace grid {

// A combo that remembers its settings and where it was copied from.
class TestCombo : public TtsCombo {
 public:
  TtsDropDownStyle DropDownStyle() const override { return style; }
  void SetDropDownStyle(TtsDropDownStyle value) override { style = value; }
  void SetDefaultColWidth(int width) override { defaultColWidth = width; }
  void Assign(const TtsCombo& source) override { rows = static_cast<const TestCombo&>(source).rows; }

  TtsDropDownStyle style = ddDropDown;
  int defaultColWidth = 0;
  int rows = 0;
};

class RecordingServices : public TtsGridServices {
 public:
  bool Painting() const override { return painting; }
  void InvalidateGrid() override { log.push_back("grid"); }
  void InvalidateCol(int displayCol) override { log.push_back("col " + std::to_string(displayCol)); }
  void InvalidateRow(int displayRow) override { log.push_back("row " + std::to_string(displayRow)); }
  void InvalidateCell(int c, int r) override { log.push_back("cell " + std::to_string(c) + "," + std::to_string(r)); }
  void RefreshEditor() override { log.push_back("editor"); }
  bool CanLeaveCurrentCell() override { return canLeave; }
  void ColMoved(int to, int count, bool byUser) override { events.push_back({"ColMoved", to, count, byUser}); }
  void RowMoved(int to, int count, bool byUser) override { events.push_back({"RowMoved", to, count, byUser}); }
  // The window's bookkeeping, recorded apart from the repaints.
  void UpdateScrollRange(bool keepPainting) override { calls.push_back(keepPainting ? "range" : "range held"); }
  void ReapplyTopLeft(bool) override { calls.push_back("top-left"); }
  bool ColOnScreen(int displayCol) const override { return displayCol <= lastColOnScreen; }
  bool RowOnScreen(int displayRow) const override { return displayRow <= lastRowOnScreen; }
  int FirstScrolledCol() const override { return firstScrolled; }
  int FirstScrolledRow() const override { return firstScrolled; }
  void RecheckStoredValues(int c, int r) override
  {
    calls.push_back("recheck " + std::to_string(c) + "," + std::to_string(r));
  }
  void SelectionChanged(int kind) override { calls.push_back("selection " + std::to_string(kind)); }
  void FirePendingSelectChanged() override { calls.push_back("fire"); }
  void UpdateStatus() override { calls.push_back("status"); }
  void SelectionFollowsRow() override { calls.push_back("follow"); }
  void PlaceCurrentCol(int displayCol) override { calls.push_back("place col " + std::to_string(displayCol)); }
  void PlaceCurrentRow(int displayRow) override { calls.push_back("place row " + std::to_string(displayRow)); }
  std::unique_ptr<TtsCombo> CreateCombo() override
  {
    return makesCombos ? std::make_unique<TestCombo>() : nullptr;
  }
  void EnsureCombo() override { calls.push_back("ensure combo"); }
  void ComboChanged(TtsCombo&, bool refresh) override { calls.push_back(refresh ? "combo shown" : "combo forgotten"); }
  void CloseComboDropDown(const TtsCombo&) override { calls.push_back("combo closed"); }
  void DropComboState(bool) override { calls.push_back("combo state"); }
  void DropDateTimeState() override { calls.push_back("date-time state"); }
  void DropDateTimeStateFor(const TtsDateTimeDefComponent* definition) override
  {
    if (definition)
      calls.push_back("date-time state if shown");
  }

  struct Event {
    std::string name;
    int to;
    int count;
    bool byUser;
    friend bool operator==(const Event&, const Event&) = default;
  };
  std::vector<std::string> log;
  std::vector<Event> events;
  std::vector<std::string> calls;
  int lastColOnScreen = 1000;
  int lastRowOnScreen = 1000;
  int firstScrolled = 1;
  bool makesCombos = false;
  bool painting = false;
  bool canLeave = true;
};

struct GridFixture {
  explicit GridFixture(int cols = 5, int rows = 5) : grid(services, cols, rows) {}

  // Data columns in display order 1..Cols.
  std::vector<int> DisplayOrder() const
  {
    std::vector<int> order;
    for (int c = 1; c <= grid.Cols(); ++c)
      order.push_back(grid.DataColOf(c));
    return order;
  }
  std::vector<int> VisibleCols() const
  {
    std::vector<int> list;
    for (int i = 1; i <= grid.VisibleCols().VisibleCount(); ++i)
      list.push_back(grid.VisibleCols().Get(i));
    return list;
  }

  RecordingServices services;
  TtsGridModel grid;
};

}  // namespace grid
