#pragma once
// The base of the grid's in-cell editor windows: the cell's alignment and wrap settings, the switches
// that allow editing, the hooks through which an editor reports to its grid, the gate every change
// passes first, a synthesised double click, and painting through the shared editor canvas.

#include "grid/model/Alignments.h"
#include "grid/model/GridTypes.h"
#include "platform/CustomControl.h"
#include "platform/Font.h"

#include <QElapsedTimer>
#include <functional>
#include <string>

namespace grid {

class TtsGridControl;

// The grid's editor handlers; each is called only when set.
struct TtsEditorHooks {
  std::function<void(TtsGridControl& sender, int& key, platform::TShiftState shift)> OnEditKeyDown;
  std::function<void(TtsGridControl& sender, int& key, platform::TShiftState shift)> OnEditKeyUp;
  std::function<void(TtsGridControl& sender, char& key)> OnEditKeyPress;
  std::function<void(TtsGridControl& sender, bool& cancel)> OnStartModify;
  std::function<void(TtsGridControl& sender, bool byUser, bool& cancel)> OnCanModify;
  std::function<void(TtsGridControl& sender, bool textChanged)> OnEditChange;
  std::function<void(TtsGridControl& sender, bool modified, bool byUser, bool typed)> OnEditValueChanged;
  std::function<void(TtsGridControl& sender, bool byUser, bool& handled)> OnUndoRequest;
  std::function<void(TtsGridControl& sender)> OnEditLeave;
  std::function<void(TtsGridControl& sender, int key, bool& want)> OnWantKey;
  // Unset: a refusal of the edit mask stands.
  std::function<void(TtsGridControl& sender, const std::string& keys, bool& accept)> OnInvalidKeys;
  std::function<void(TtsGridControl& sender, bool byUser)> OnTextResized;
};

class TtsGridControl : public platform::CustomControl {
 public:
  explicit TtsGridControl(QWidget* parent = nullptr);
  ~TtsGridControl() override;

  TtsEditorHooks Hooks;

  // The window the form treats as focused while this editor has the focus (the grid).
  QWidget* FocusOwner() const { return focusOwner_; }
  void SetFocusOwner(QWidget* owner) { focusOwner_ = owner; }

  TtsHorzAlignment HorzAlignment() const { return horzAlignment_; }
  TtsVertAlignment VertAlignment() const { return vertAlignment_; }
  TtsWordWrap WordWrap() const { return wordWrap_; }
  virtual void SetHorzAlignment(TtsHorzAlignment value) { horzAlignment_ = value; }
  virtual void SetVertAlignment(TtsVertAlignment value) { vertAlignment_ = value; }
  virtual void SetWordWrap(TtsWordWrap value) { wordWrap_ = value; }
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int value) { textOffset_ = value; }

  bool AllowEdit() const { return allowEdit_; }
  void SetAllowEdit(bool on)
  {
    allowEdit_ = on;
    SwitchesChanged();
  }
  bool AllowSelect() const { return allowSelect_; }
  void SetAllowSelect(bool on)
  {
    allowSelect_ = on;
    SwitchesChanged();
  }
  bool EditWantTabs() const { return editWantTabs_; }
  void SetEditWantTabs(bool on);
  bool EditShowFocus() const { return editShowFocus_; }
  void SetEditShowFocus(bool on) { editShowFocus_ = on; }
  bool SynthesizeDblClick() const { return synthesizeDblClick_; }
  void SetSynthesizeDblClick(bool on) { synthesizeDblClick_ = on; }

  platform::TFont& Font() { return font_; }
  const platform::TFont& Font() const { return font_; }

  // The grid's answer whether the value may change now.
  virtual bool CanModify(bool byUser);
  // Every user edit asks this first; without AllowEdit a user edit fails without asking the grid.
  virtual bool BeginModify(bool byUser);
  virtual bool IsEditChar(char ch) const;

  // Takes the focus only when the window does not have it yet.
  void SetFocus();
  // Whether this editor or its focus owner has the focus.
  bool ShowsFocus() const;
  // Whether the dialog manager gives the key to the editor (Enter always, Esc when the grid wants it).
  bool WantsDialogKey(int key, platform::TShiftState shift);
  // The window's double-click processing, as a double click on the cell under edit runs it.
  void RunDblClick() { EditorDblClick(); }

 protected:
  // Draws the editor into the shared off-screen canvas; the base draws nothing beyond its colour.
  virtual void PaintEditor(platform::TCanvas& canvas);
  virtual void SwitchesChanged() {}  // AllowEdit or AllowSelect was set
  void Paint(platform::TCanvas& canvas) final;

  // The second left button-down at the same point within the double-click time counts as a double
  // click; a button-down without the left-button flag breaks the pair.
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  // A left button-down that was not the second of a double click.
  virtual void EditorMouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
  virtual void EditorMouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
  virtual void EditorDblClick();
  virtual void Click();
  void FocusOut() override;
  void moveEvent(QMoveEvent* event) override;
  bool event(QEvent* event) override;

  void CallEditChange(bool textChanged);
  void CallEditValueChanged(bool modified, bool byUser, bool typed);
  void CallTextResized(bool byUser);
  bool CallUndoRequest();  // handled by the grid

  bool clicked_ = false;

 private:
  void ForgetLastClick() { lastClickValid_ = false; }

  QWidget* focusOwner_ = nullptr;
  QElapsedTimer lastClickTimer_;
  bool lastClickValid_ = false;
  int lastClickX_ = 0;
  int lastClickY_ = 0;
  TtsHorzAlignment horzAlignment_ = htaLeft;
  TtsVertAlignment vertAlignment_ = vtaDefault;
  TtsWordWrap wordWrap_ = wwOn;
  int textOffset_ = 0;
  bool allowEdit_ = true;
  bool synthesizeDblClick_ = true;
  bool editWantTabs_ = true;
  bool editShowFocus_ = false;
  bool allowSelect_ = true;
  bool canvasAttached_ = false;
  platform::TFont font_;
};

}  // namespace grid
