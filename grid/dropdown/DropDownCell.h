#pragma once
// What the drop-downs ask of the grid's current cell: its text, a value given as the user's edit,
// the caret and the selection of its editor, and the editor's window. Without an in-cell editor the
// grid's stored value stands in; an editor adapter gives the text as edited.

#include "grid/model/CellValue.h"

#include <string>

class QWidget;

namespace grid {

class TtsBaseGrid;
class TtsCustomGridControl;

class TtsDropDownCell {
 public:
  virtual ~TtsDropDownCell() = default;
  virtual std::string Text() const = 0;
  virtual TtsCellValue Value() const = 0;
  virtual void ChangeValue(const TtsCellValue& value) = 0;
  virtual int CaretPos() const = 0;
  virtual void Select(int start, int length) = 0;
  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  virtual QWidget* EditorWindow() const { return nullptr; }
};

// The text of a value as a cell shows it (empty and null give "").
std::string CellValueText(const TtsCellValue& value);

// The current cell's stored value; the selection is only remembered.
class TtsStoredDropDownCell : public TtsDropDownCell {
 public:
  explicit TtsStoredDropDownCell(TtsBaseGrid& grid) : grid_(grid) {}
  std::string Text() const override { return CellValueText(Value()); }
  TtsCellValue Value() const override;
  void ChangeValue(const TtsCellValue& value) override;
  int CaretPos() const override { return selStart_; }
  void Select(int start, int length) override;
  int SelStart() const override { return selStart_; }
  int SelLength() const override { return selLength_; }

 private:
  TtsBaseGrid& grid_;
  int selStart_ = 0;
  int selLength_ = 0;
};

// The in-cell editor's value and selection.
class TtsEditorDropDownCell : public TtsDropDownCell {
 public:
  explicit TtsEditorDropDownCell(TtsCustomGridControl& editor) : editor_(editor) {}
  std::string Text() const override { return CellValueText(Value()); }
  TtsCellValue Value() const override;
  void ChangeValue(const TtsCellValue& value) override;
  int CaretPos() const override;
  void Select(int start, int length) override;
  int SelStart() const override;
  int SelLength() const override;
  QWidget* EditorWindow() const override;

 private:
  TtsCustomGridControl& editor_;
};

}  // namespace grid
