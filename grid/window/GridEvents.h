#pragma once
// The grid's events: handlers called with the grid as sender. A handler that is not set is not
// called. A handler's exception never leaves the grid: it is shown, a Cancel-style event counts it
// as refused, and the grid's operation goes on to a consistent state.

#include "grid/model/CellValue.h"
#include "grid/window/CellPaintInfo.h"

#include <cstdint>
#include <functional>
#include <string>

namespace grid {

class TtsBaseGrid;

enum TtsSelectType : std::uint8_t { stRows, stCols, stCellRange };
enum TtsGridStatus : std::uint8_t { gsNoSelection, gsColsSelected, gsRowsSelected, gsRangeSelected };

using TtsNotifyEvent = std::function<void(TtsBaseGrid& sender)>;
using TtsRowLoadedEvent = std::function<void(TtsBaseGrid& sender, int dataRow)>;
using TtsCellLoadedEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, TtsCellValue& value)>;
using TtsColMovedEvent = std::function<void(TtsBaseGrid& sender, int toDisplayCol, int count, bool byUser)>;
using TtsRowMovedEvent = std::function<void(TtsBaseGrid& sender, int toDisplayRow, int count, bool byUser)>;
using TtsCellEditEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, bool byUser)>;
using TtsUndoCellEditEvent =
    std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, bool byUser, bool& cancel)>;
using TtsUndoRowEditEvent = std::function<void(TtsBaseGrid& sender, int dataRow, bool byUser, bool& cancel)>;
using TtsCellEditingEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, bool& cancel)>;
using TtsRowEditingEvent = std::function<void(TtsBaseGrid& sender, int dataRow, bool& cancel)>;
using TtsShowEditorEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, bool& cancel)>;
using TtsTopLeftChangedEvent =
    std::function<void(TtsBaseGrid& sender, int oldCol, int oldRow, int newCol, int newRow, bool byUser)>;
using TtsCellChangedEvent = std::function<void(TtsBaseGrid& sender, int oldCol, int newCol, int oldRow, int newRow)>;
using TtsRowChangedEvent = std::function<void(TtsBaseGrid& sender, int oldRow, int newRow)>;
using TtsColChangedEvent = std::function<void(TtsBaseGrid& sender, int oldCol, int newCol)>;
using TtsSelectChangedEvent = std::function<void(TtsBaseGrid& sender, TtsSelectType selectType, bool byUser)>;
using TtsGridStatusChangedEvent =
    std::function<void(TtsBaseGrid& sender, TtsGridStatus oldStatus, TtsGridStatus newStatus)>;
using TtsCountChangedEvent = std::function<void(TtsBaseGrid& sender, int oldCount, int newCount)>;
using TtsResizedEvent = std::function<void(TtsBaseGrid& sender, int rowColnr)>;
using TtsDeleteColEvent = std::function<void(TtsBaseGrid& sender, int dataCol, bool byUser)>;
using TtsInsertColEvent = TtsDeleteColEvent;
using TtsDeleteRowEvent = std::function<void(TtsBaseGrid& sender, int dataRow, bool byUser)>;
using TtsInsertRowEvent = TtsDeleteRowEvent;
using TtsHeadingClickEvent = std::function<void(TtsBaseGrid& sender, int dataCol)>;
using TtsInvalidCellValueEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, bool& accept)>;
using TtsInvalidCellKeysEvent =
    std::function<void(TtsBaseGrid& sender, const std::string& keys, int dataCol, int dataRow, bool& accept)>;
using TtsEditTextResizedEvent = std::function<void(TtsBaseGrid& sender, bool byUser)>;
using TtsButtonEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow)>;
using TtsGetDrawInfoEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, TtsDrawInfo& drawInfo)>;
using TtsPaintCellEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, const platform::TRect& rect,
                                             TtsPaintCellState state, bool& cancel)>;
using TtsMouseWheelUpDownEvent = std::function<void(TtsBaseGrid& sender, std::uint8_t shift, int x, int y, bool& handled)>;
// A spin step's new value (spin button 1 the upper or right half, 2 the other); Accept false refuses it.
using TtsSpinIncrementEvent = std::function<void(TtsBaseGrid& sender, int dataCol, int dataRow, int spinButton,
                                                 TtsCellValue& value, int& pos, int& len, bool& accept)>;

// The event properties of the grid.
struct TtsGridEvents {
  TtsRowLoadedEvent OnRowLoaded;
  TtsCellLoadedEvent OnCellLoaded;
  TtsColMovedEvent OnColMoved;
  TtsRowMovedEvent OnRowMoved;
  TtsCellEditEvent OnCellEdit;
  TtsUndoCellEditEvent OnUndoCellEdit;
  TtsUndoRowEditEvent OnUndoRowEdit;
  TtsCellEditingEvent OnStartCellEdit;
  TtsCellEditingEvent OnEndCellEdit;
  TtsRowEditingEvent OnStartRowEdit;
  TtsRowEditingEvent OnEndRowEdit;
  TtsShowEditorEvent OnShowEditor;
  TtsTopLeftChangedEvent OnTopLeftChanged;
  TtsCellChangedEvent OnCellChanged;
  TtsRowChangedEvent OnRowChanged;
  TtsColChangedEvent OnColChanged;
  TtsSelectChangedEvent OnSelectChanged;
  TtsGridStatusChangedEvent OnGridStatusChanged;
  TtsCountChangedEvent OnColCountChanged;
  TtsCountChangedEvent OnRowCountChanged;
  TtsResizedEvent OnColResized;
  TtsResizedEvent OnRowResized;
  TtsDeleteColEvent OnDeleteCol;
  TtsInsertColEvent OnInsertCol;  // never fired
  TtsDeleteRowEvent OnDeleteRow;
  TtsInsertRowEvent OnInsertRow;
  TtsHeadingClickEvent OnHeadingClick;
  TtsHeadingClickEvent OnHeadingDown;
  TtsHeadingClickEvent OnHeadingUp;
  TtsButtonEvent OnButtonClick;
  TtsButtonEvent OnButtonDown;
  TtsButtonEvent OnButtonUp;
  TtsInvalidCellValueEvent OnInvalidMaskValue;
  TtsInvalidCellKeysEvent OnInvalidMaskEdit;
  TtsEditTextResizedEvent OnEditTextResized;
  TtsNotifyEvent OnPaint;
  TtsGetDrawInfoEvent OnGetDrawInfo;
  TtsPaintCellEvent OnPaintCell;
  TtsNotifyEvent OnResize;
  TtsMouseWheelUpDownEvent OnMouseWheelDown;
  TtsMouseWheelUpDownEvent OnMouseWheelUp;
  TtsSpinIncrementEvent OnSpinIncrement;
};

}  // namespace grid
