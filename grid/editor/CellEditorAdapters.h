#pragma once
// The adapters through which a grid drives its in-cell editors: one per editor kind, every operation a
// virtual call, so swapping the active adapter changes the kind of cell editor without touching the
// grid. Each adapter owns its editor window, created hidden with the grid as parent.

#include "grid/editor/GridCheckBox.h"
#include "grid/editor/GridEditBox.h"
#include "grid/model/CellValue.h"
#include "platform/Color.h"
#include "platform/DragDrop.h"

#include <memory>
#include <string>

namespace grid {

// The colour that means "none": the cell keeps the grid's colour.
inline constexpr platform::TColor kNoEditorColor = 0x1FFFFFFF;

class TtsCustomGridControl {
 public:
  virtual ~TtsCustomGridControl();
  TtsCustomGridControl(const TtsCustomGridControl&) = delete;
  TtsCustomGridControl& operator=(const TtsCustomGridControl&) = delete;

  TtsGridControl& Window() const { return *window_; }
  // The hooks to the grid, the window's standard events and its drag events: each set is read back
  // as it was stored, an unset one as empty.
  TtsEditorHooks& Hooks() { return window_->Hooks; }
  TtsEditorWindowEvents& Events() { return window_->Events; }
  platform::TDragEvents& DragEvents() { return platform::DragEvents(*window_); }
  // The window, or none while it has no parent.
  QWidget* Handle() const { return window_->parentWidget() != nullptr ? window_.get() : nullptr; }

  QWidget* FocusOwner() const { return window_->FocusOwner(); }
  void SetFocusOwner(QWidget* owner) { window_->SetFocusOwner(owner); }
  virtual platform::TColor Color() const;
  virtual void SetColor(platform::TColor color);
  platform::TFont& Font() const { return window_->Font(); }
  virtual void SetFont(const platform::TFont& font);
  bool Visible() const { return window_->isVisible(); }
  void SetVisible(bool on);
  virtual void SetMouseCapture(bool on) { window_->SetMouseCapture(on); }
  bool MouseCapture() const { return window_->MouseCapture(); }

  virtual void SetValue(const TtsCellValue& value) = 0;
  virtual void SetEditedValue(const TtsCellValue& value, bool byUser) = 0;
  virtual TtsCellValue Value() const = 0;
  virtual int SelStart() const { return 0; }
  virtual int SelLength() const { return 0; }
  virtual std::string SelText() const { return {}; }
  virtual void SetSelStart(int) {}
  virtual void SetSelLength(int) {}
  virtual void SetSelText(const std::string&) {}
  virtual int MaxLength() const { return 0; }
  virtual void SetMaxLength(int) {}
  virtual std::string MaskName() const { return {}; }
  virtual void SetMaskName(const std::string&) {}
  virtual void SetMaskDefs(TtsMaskLookup) {}

  bool AllowEdit() const { return window_->AllowEdit(); }
  void SetAllowEdit(bool on) { window_->SetAllowEdit(on); }
  bool AllowSelect() const { return window_->AllowSelect(); }
  void SetAllowSelect(bool on) { window_->SetAllowSelect(on); }
  platform::TCursor Cursor() const { return window_->CursorNumber(); }
  void SetCursor(platform::TCursor cursor) { window_->SetCursorNumber(cursor); }
  bool WantTabs() const { return window_->EditWantTabs(); }
  void SetWantTabs(bool on) { window_->SetEditWantTabs(on); }
  bool ShowFocus() const { return window_->EditShowFocus(); }
  void SetShowFocus(bool on) { window_->SetEditShowFocus(on); }

  void Hide() { SetVisible(false); }
  void Show() { SetVisible(true); }
  void Repaint() { window_->Repaint(); }
  void Invalidate() { window_->Invalidate(); }
  // Paints the cell under the editor as the editor shows it: text origin (x, y), clipped to rect.
  virtual void PaintCell(platform::TCanvas& canvas, int height, const platform::TRect& rect, int x, int y,
                         bool focused) = 0;
  void SetFocus() { window_->SetFocus(); }
  bool CanFocus() const { return window_->isEnabled() && window_->focusPolicy() != Qt::NoFocus; }
  bool Focused() const { return window_->hasFocus(); }
  QPoint ScreenToClient(const QPoint& point) const { return window_->mapFromGlobal(point); }
  virtual void RefreshSelection() {}
  virtual bool UsesEditColors() const = 0;
  bool IsEditChar(char ch) const { return window_->IsEditChar(ch); }
  virtual bool IsMultiLine() const { return false; }
  virtual void CutToClipboard(bool) {}
  virtual void CopyToClipboard() {}
  virtual void PasteFromClipboard(bool) {}
  virtual void SelectAll() {}
  void DblClick() { window_->RunDblClick(); }

  // Placement: the window changes only when a value differs.
  int Left() const { return window_->x(); }
  int Top() const { return window_->y(); }
  int Width() const { return window_->width(); }
  int Height() const { return window_->height(); }
  void SetLeft(int value);
  void SetTop(int value);
  void SetWidth(int value);
  void SetHeight(int value);
  QWidget* Parent() const { return window_->parentWidget(); }
  void SetParent(QWidget* parent);
  // A grid without a parent control gives its own window: to Qt both are the parent widget.
  QWidget* ParentWindow() const { return Parent(); }
  void SetParentWindow(QWidget* window) { SetParent(window); }
  void SetCtl3D(bool on) { window_->SetCtl3D(on); }

  TtsHorzAlignment HorzAlignment() const { return window_->HorzAlignment(); }
  TtsVertAlignment VertAlignment() const { return window_->VertAlignment(); }
  TtsWordWrap WordWrap() const { return window_->WordWrap(); }
  void SetHorzAlignment(TtsHorzAlignment value) { window_->SetHorzAlignment(value); }
  void SetVertAlignment(TtsVertAlignment value) { window_->SetVertAlignment(value); }
  void SetWordWrap(TtsWordWrap value) { window_->SetWordWrap(value); }
  void SetTextOffset(int value) { window_->SetTextOffset(value); }

 protected:
  explicit TtsCustomGridControl(std::unique_ptr<TtsGridControl> window);

 private:
  std::unique_ptr<TtsGridControl> window_;
};

// Cells without an editor: no value, no colour, value and selection operations ignored.
class TtsDefaultGridControl final : public TtsCustomGridControl {
 public:
  explicit TtsDefaultGridControl(QWidget* grid);
  platform::TColor Color() const override { return kNoEditorColor; }
  void SetColor(platform::TColor) override {}
  void SetFont(const platform::TFont&) override {}
  void SetValue(const TtsCellValue&) override {}
  void SetEditedValue(const TtsCellValue&, bool) override {}
  TtsCellValue Value() const override { return {}; }
  void PaintCell(platform::TCanvas&, int, const platform::TRect&, int, int, bool) override {}
  bool UsesEditColors() const override { return false; }
};

// Text cells.
class TtsEditGridControl final : public TtsCustomGridControl {
 public:
  explicit TtsEditGridControl(QWidget* grid);
  TtsGridEditBox& Box() const { return static_cast<TtsGridEditBox&>(Window()); }

  void SetValue(const TtsCellValue& value) override;
  void SetEditedValue(const TtsCellValue& value, bool byUser) override;
  TtsCellValue Value() const override { return Box().Value(); }
  int SelStart() const override { return Box().SelStart(); }
  int SelLength() const override { return Box().SelLength(); }
  std::string SelText() const override { return Box().SelText(); }
  void SetSelStart(int start) override { Box().SetSelStart(start); }
  void SetSelLength(int length) override { Box().SetSelLength(length); }
  void SetSelText(const std::string& text) override { Box().SetSelText(text); }
  int MaxLength() const override { return Box().EditMaxLength(); }
  void SetMaxLength(int value) override { Box().SetEditMaxLength(value); }
  std::string MaskName() const override { return Box().MaskName(); }
  void SetMaskName(const std::string& name) override { Box().SetMaskName(name); }
  void SetMaskDefs(TtsMaskLookup lookup) override { Box().SetMaskDefs(std::move(lookup)); }
  void PaintCell(platform::TCanvas& canvas, int height, const platform::TRect& rect, int x, int y,
                 bool focused) override;
  void RefreshSelection() override;
  bool UsesEditColors() const override { return true; }
  bool IsMultiLine() const override { return Box().LineCount() > 1; }
  void CutToClipboard(bool byUser) override { Box().CutToClipboard(byUser); }
  void CopyToClipboard() override { Box().CopyToClipboard(); }
  void PasteFromClipboard(bool byUser) override { Box().PasteFromClipboard(byUser); }
  void SelectAll() override { Box().SelectAll(); }
};

// Check-box cells.
class TtsCheckGridControl final : public TtsCustomGridControl {
 public:
  explicit TtsCheckGridControl(QWidget* grid);
  TtsGridCheckBox& Box() const { return static_cast<TtsGridCheckBox&>(Window()); }

  void SetMouseCapture(bool on) override;
  void SetValue(const TtsCellValue& value) override { Box().SetValue(value); }
  void SetEditedValue(const TtsCellValue& value, bool byUser) override { Box().SetEditedValue(value, byUser); }
  TtsCellValue Value() const override { return Box().Value(); }
  void PaintCell(platform::TCanvas& canvas, int height, const platform::TRect& rect, int x, int y,
                 bool focused) override;
  bool UsesEditColors() const override { return false; }

  void SetCheckBoxStyle(TtsCheckBoxStyle style) { Box().SetStyle(style); }
  // What the grid paints a check cell from: the shared glyph bitmap, the cell of a state (pressed:
  // while the box shows its pressed look) and the raster operation.
  struct TtsCheckGlyph {
    const platform::TBitmap& Bitmap;
    platform::TRect Source;
    platform::TCopyMode Rop;
  };
  TtsCheckGlyph Glyph(TCheckBoxState state, bool pressed) const;
  void SetAllowGrayed(bool on) { Box().SetAllowGrayed(on); }
  const std::string& CheckBoxValues() const { return Box().CheckBoxValues(); }
  void SetCheckBoxValues(const std::string& values) { Box().SetCheckBoxValues(values); }
};

}  // namespace grid
