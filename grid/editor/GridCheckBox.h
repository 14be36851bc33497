#pragma once
// The in-cell check box: shows one of three states and toggles it at the end of a mouse press inside
// the box or of a space press; values map to states through the column's check-box value text.

#include "grid/editor/CheckGlyphs.h"
#include "grid/editor/GridControl.h"
#include "grid/model/CellValue.h"
#include "grid/model/CheckValues.h"

#include <string>

namespace grid {

class TtsGridCheckBox : public TtsGridControl {
 public:
  explicit TtsGridCheckBox(QWidget* parent = nullptr);

  bool IsEditChar(char ch) const override { return ch == ' '; }

  void SetValue(const TtsCellValue& value);
  void SetEditedValue(const TtsCellValue& value, bool byUser);
  const TtsCellValue& Value() const { return value_; }
  TCheckBoxState State() const { return state_; }
  bool Modified() const { return modified_; }
  // Clears the undo state; Null, empty and texts map through CheckBoxValues, numbers are states.
  void SetCheckValue(const TtsCellValue& value, bool modified, bool byUser);

  TtsCheckBoxStyle Style() const { return style_; }
  void SetStyle(TtsCheckBoxStyle style);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool on) { allowGrayed_ = on; }
  const std::string& CheckBoxValues() const { return checkBoxValues_; }
  void SetCheckBoxValues(const std::string& values) { checkBoxValues_ = values; }
  bool Pressed() const { return mouseOver_ || spaceDown_; }
  void EndPress();  // the capture went elsewhere: the pressed look ends

  // The glyph cell and raster operation of a state (pressed: the pressed look while the box shows it).
  int GlyphCell(TCheckBoxState state, bool pressed) const;
  // Draws the glyph centred in rect, with the focus rectangle when focused; with Ctl3D the glyph sits
  // a pixel lower and a raised inner edge runs along the top.
  void PaintGlyph(platform::TCanvas& canvas, const platform::TRect& rect, bool focused) const;

 protected:
  void PaintEditor(platform::TCanvas& canvas) override;
  void EditorMouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void EditorMouseMove(platform::TShiftState shift, int x, int y) override;
  void EditorMouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void EditorKeyDown(int& key, platform::TShiftState shift) override;
  void EditorKeyPress(char& key) override;
  void EditorKeyUp(int& key, platform::TShiftState shift) override;
  void FocusIn() override;
  void FocusOut() override;

 private:
  void Toggle();
  bool Undo();
  void Changed();

  TCheckBoxState savedState_ = cbUnchecked;
  TtsCellValue savedValue_;
  bool modified_ = false;
  TCheckBoxState state_ = cbUnchecked;
  TtsCellValue value_ = 0;
  TtsCheckBoxStyle style_ = stCheck;
  bool mouseOver_ = false;
  bool mouseTracking_ = false;
  bool spaceDown_ = false;
  bool spaceRefused_ = false;
  bool allowGrayed_ = false;
  std::string checkBoxValues_;
};

}  // namespace grid
