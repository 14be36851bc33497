#pragma once
// The parts behind the grid's in-cell editing: its four editor adapters and the window services of
// its current-cell object. Only the grid's own sources include this.

#include "grid/dropdown/DropDownCell.h"
#include "grid/window/Grid.h"

#include <array>
#include <map>
#include <memory>

namespace grid {

// Sets a flag for a scope, whatever way the scope is left.
struct TtsFlagScope {
  explicit TtsFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~TtsFlagScope() { flag_ = false; }
  TtsFlagScope(const TtsFlagScope&) = delete;
  TtsFlagScope& operator=(const TtsFlagScope&) = delete;
  bool& flag_;
};

// The mask definitions' mask as the text editor sees it.
class TtsEditorMask : public TtsEditMask {
 public:
  explicit TtsEditorMask(TtsMask& mask) : mask_(mask) {}
  int GetMaskOptions() const override { return mask_.GetMaskOptions(); }
  int GetCheckModes() const override { return mask_.GetCheckModes(); }
  bool Validate(const std::string& text, std::string& keys, int position, bool final, bool flag) override
  {
    return mask_.Validate(text, keys, position, final, flag);
  }

 private:
  TtsMask& mask_;
};

struct TtsBaseGrid::Editors {
  explicit Editors(QWidget* grid) : text(grid), check(grid), picture(grid), other(grid) {}
  ~Editors()
  {
    for (TtsCustomGridControl* editor : All())
      editor->Hooks() = {};
  }
  Editors(const Editors&) = delete;
  Editors& operator=(const Editors&) = delete;
  std::array<TtsCustomGridControl*, 4> All() { return {&text, &check, &picture, &other}; }
  // The drop-downs' view of an editor.
  TtsEditorDropDownCell& DropDownCellOf(const TtsCustomGridControl& editor)
  {
    if (&editor == &check)
      return checkCell;
    if (&editor == &picture)
      return pictureCell;
    if (&editor == &other)
      return otherCell;
    return textCell;
  }
  bool IsDropDownCell(const TtsDropDownCell* cell) const
  {
    return cell == &textCell || cell == &checkCell || cell == &pictureCell || cell == &otherCell;
  }

  TtsEditGridControl text;
  TtsCheckGridControl check;
  TtsDefaultGridControl picture;  // picture cells
  TtsDefaultGridControl other;    // cells without a control
  std::map<const TtsMask*, std::unique_ptr<TtsEditorMask>> masks;
  TtsEditorDropDownCell textCell{text};
  TtsEditorDropDownCell checkCell{check};
  TtsEditorDropDownCell pictureCell{picture};
  TtsEditorDropDownCell otherCell{other};
};

// What the current-cell object asks of the window.
class TtsBaseGrid::CellHost final : public TtsCurrentCellHost {
 public:
  explicit CellHost(TtsBaseGrid& grid) : grid_(grid) {}

  bool WindowExists() const override { return true; }
  TtsCellValue ReadCell(int dataCol, int dataRow) override;
  void LoadEditorValue(const TtsCellValue& value) override;
  void ReloadEditorDisplay() override;
  void SetEditorSelection(int start, int length) override;
  bool EditorCopy() override;
  bool EditorCut(bool byUser) override;
  bool EditorPaste(bool byUser) override;
  bool EditorShowing() const override;
  bool StartEdit() override;
  bool StartCellAndRowEdit() override;
  bool CurrentColEditable() const override;
  void MarkEditorValueChanged() override;
  void TypeEditorValue(const TtsCellValue& value) override;
  void InvalidateCurrentCell() override;
  void FreePicture(const TtsCellValue&) override {}
  TextExtent WrappedTextExtent(const std::string& text) override;
  bool InsertPending() const override;
  bool CanLeaveCurrentCell() override;
  void EnterInsertRow(int displayCol, int displayRow) override;
  void ScrollCellIntoView(int displayCol, int displayRow) override;

 private:
  TtsBaseGrid& grid_;
};

}  // namespace grid
