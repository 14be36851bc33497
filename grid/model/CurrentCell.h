#pragma once
// TtsCurrentCell: the grid's current cell for callers. Its data column and row, its value (read
// once through the grid and cached until the cell moves or the edit ends), its control type, the
// selection in its editor, the clipboard commands, setting a value as if typed and the jump to
// the insert row. What needs the window goes through TtsCurrentCellHost.

#include "grid/model/CellValue.h"
#include "grid/model/GridTypes.h"
#include "platform/Color.h"

#include <functional>
#include <string>

namespace grid {

class TtsGridModel;

// The window's side of the current cell.
class TtsCurrentCellHost {
 public:
  virtual ~TtsCurrentCellHost() = default;
  virtual bool WindowExists() const = 0;
  // The grid's Cell getter.
  virtual TtsCellValue ReadCell(int dataCol, int dataRow) = 0;
  // Shows the value in the in-cell editor; the loader stores it back with TtsCurrentCell::Store.
  virtual void LoadEditorValue(const TtsCellValue& value) = 0;
  virtual void ReloadEditorDisplay() = 0;
  virtual void SetEditorSelection(int start, int length) = 0;
  virtual bool EditorCopy() = 0;
  virtual bool EditorCut(bool byUser) = 0;
  virtual bool EditorPaste(bool byUser) = 0;
  virtual bool EditorShowing() const = 0;
  // The grid's start-edit test: puts the current cell into edit mode.
  virtual bool StartEdit() = 0;
  // The start events of the cell and row edit; false when a handler cancels.
  virtual bool StartCellAndRowEdit() = 0;
  virtual bool CurrentColEditable() const = 0;
  virtual void MarkEditorValueChanged() = 0;
  // Loads the value into the editor as a change by the user.
  virtual void TypeEditorValue(const TtsCellValue& value) = 0;
  virtual void InvalidateCurrentCell() = 0;
  virtual void FreePicture(const TtsCellValue& picture) = 0;
  // Pixel height and line count of the text wrapped to the current column less its button.
  struct TextExtent {
    int height = 0;
    int lines = 0;
  };
  virtual TextExtent WrappedTextExtent(const std::string& text) = 0;
  virtual bool InsertPending() const = 0;
  virtual bool CanLeaveCurrentCell() = 0;
  // Prepares the insert row, moves there, scrolls it into view, shows the editor and updates the
  // row indicators, scroll bars and status.
  virtual void EnterInsertRow(int displayCol, int displayRow) = 0;
  virtual void ScrollCellIntoView(int displayCol, int displayRow) = 0;
};

// The picture options of the current cell where the cell, row and column leave them.
struct TtsCurrentPictureOptions {
  bool Stretch = true;
  bool Shrink = true;
  platform::TColor TransparentColor = 0x1FFFFFFF;
  bool Center = true;
  bool KeepAspectRatio = false;
};

class TtsCurrentCell {
 public:
  TtsCurrentCell(TtsGridModel& grid, TtsCurrentCellHost& host) : grid_(grid), host_(host) {}
  TtsCurrentCell(const TtsCurrentCell&) = delete;
  TtsCurrentCell& operator=(const TtsCurrentCell&) = delete;
  ~TtsCurrentCell() { ClearValue(); }

  // Not designed, with at least one data column and row; valid: the current cell is a data cell.
  bool Usable() const;
  bool Valid() const;
  int DataCol() const;  // -1 when not valid
  int DataRow() const;
  TtsControlType ControlType() const;

  void LoadValue();
  TtsCellValue GetValue();
  // The editor value loader's store of the value it loaded.
  void Store(const TtsCellValue& value, bool ownsPicture);
  void ClearValue();
  bool IsCachedFor(int dataCol, int dataRow) const;
  // A data column or row deleted: the value kept for it goes, one kept for a later one moves along.
  void ColDeleted(int dataCol);
  void RowDeleted(int dataRow);
  void RefreshValue();
  // Raised while the value is read: the grid holds back its read-only test for the current column.
  bool ReadingValue() const { return reading_ > 0; }

  int SelStart();
  int SelLength();
  void SetSelStart(int start);
  void SetSelLength(int length);
  // The editor's report of its selection.
  void EditorSelectionChanged(int start, int length)
  {
    selStart_ = start;
    selLength_ = length;
  }
  bool AllSelected();

  bool CopyToClipboard();
  bool CutToClipboard(bool byUser);
  bool PasteFromClipboard(bool byUser);
  // The forms that first put the grid into edit mode.
  bool EditAndCutToClipboard(bool byUser);
  bool EditAndPasteFromClipboard(bool byUser);

  // Sets the value as if typed; false when the grid is unusable or refuses the edit.
  bool SetValue(const TtsCellValue& value, bool showEditor, bool repaint);
  int TextHeight();
  int TextLines();
  void MoveToInsertRow(int dataCol);
  void MakeVisible();

  TtsCurrentPictureOptions& PictureOptions() { return pictures_; }
  // The resolved option for the current cell, the own one where cell, row and column leave it.
  bool PictureOption(TtsPictureOption option) const;

 private:
  // A cut or paste in a usable grid's text cell; the cell repaints unless the editor shows.
  template <class Action>
  bool ChangeByEditor(Action action);
  TtsCurrentCellHost::TextExtent TextExtent();

  TtsGridModel& grid_;
  TtsCurrentCellHost& host_;
  TtsCellValue value_;
  int cachedCol_ = -1;
  int cachedRow_ = -1;
  bool ownsPicture_ = false;
  int selStart_ = 0;
  int selLength_ = 0;
  int reading_ = 0;
  TtsCurrentPictureOptions pictures_;
};

}  // namespace grid
