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

// The window's standard events, which the grid points at its own handlers; each is called only when
// set. Drags go through the platform's drag events of the window.
struct TtsEditorWindowEvents {
  std::function<void(TtsGridControl& sender)> OnEnter;
  std::function<void(TtsGridControl& sender)> OnExit;
  std::function<void(TtsGridControl& sender, int& key, platform::TShiftState shift)> OnKeyDown;
  std::function<void(TtsGridControl& sender, int& key, platform::TShiftState shift)> OnKeyUp;
  std::function<void(TtsGridControl& sender, char& key)> OnKeyPress;
  std::function<void(TtsGridControl& sender)> OnClick;
  std::function<void(TtsGridControl& sender)> OnDblClick;
  std::function<void(TtsGridControl& sender, platform::TMouseButton button, platform::TShiftState shift, int x, int y)>
      OnMouseDown;
  std::function<void(TtsGridControl& sender, platform::TShiftState shift, int x, int y)> OnMouseMove;
  std::function<void(TtsGridControl& sender, platform::TMouseButton button, platform::TShiftState shift, int x, int y)>
      OnMouseUp;
};

class TtsGridControl : public platform::CustomControl {
 public:
  explicit TtsGridControl(QWidget* parent = nullptr);
  ~TtsGridControl() override;

  TtsEditorHooks Hooks;
  TtsEditorWindowEvents Events;

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
  // Whether the dialog manager gives the key to the editor (Enter always, Esc when the grid wants it);
  // an Esc it does not want and leaves alone goes on to the parent.
  bool WantsDialogKey(int key, platform::TShiftState shift);
  // The window's double-click processing, as a double click on the cell under edit runs it.
  void RunDblClick();
  // The sunken 3-D look of the cell (the check box draws a raised inner edge along its top).
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool on);

 protected:
  // Draws the editor into the shared off-screen canvas; the base draws nothing beyond its colour.
  virtual void PaintEditor(platform::TCanvas& canvas);
  virtual void SwitchesChanged() {}  // AllowEdit or AllowSelect was set
  void Paint(platform::TCanvas& canvas) final;

  // The second left button-down at the same point within the double-click time counts as a double
  // click; a button-down without the left-button flag breaks the pair.
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) final;
  void MouseMove(platform::TShiftState shift, int x, int y) final;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) final;
  // The editor's own handling, after the window events that come first (keys) or before those
  // that follow (mouse). A left button-down here is not the second of a double click.
  virtual void EditorMouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
  virtual void EditorMouseMove(platform::TShiftState shift, int x, int y);
  virtual void EditorMouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
  virtual void EditorDblClick();
  virtual void Click();
  void KeyDown(int& key, platform::TShiftState shift) final;
  void KeyPress(char& key) final;
  void KeyUp(int& key, platform::TShiftState shift) final;
  virtual void EditorKeyDown(int& key, platform::TShiftState shift);
  virtual void EditorKeyPress(char& key);
  virtual void EditorKeyUp(int& key, platform::TShiftState shift);
  void FocusOut() override;
  void moveEvent(QMoveEvent* event) override;
  bool event(QEvent* event) override;
  // The focus comes only while the focus owner can have it; Enter and Exit follow the focus.
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

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
  bool ctl3D_ = false;
  bool focusRefused_ = false;
  platform::TFont font_;
};

}  // namespace grid
