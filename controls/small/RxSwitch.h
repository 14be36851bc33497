#pragma once
// A two-state switch drawn as a picture per state (a rocker switch by default), with an optional caption.

#include "platform/Bitmap.h"
#include "platform/CustomControl.h"

#include <QString>
#include <functional>

namespace controls {

enum TTextPos { tpNone, tpLeft, tpRight, tpAbove, tpBelow };

// The embossed "disabled" copy of a bitmap: the pixels that are not outlineColor drawn in shadowColor,
// with highlightColor one pixel right and down beneath them, on backColor.
platform::TBitmap CreateDisabledBitmapEx(const platform::TBitmap& source, platform::TColor outlineColor,
                                         platform::TColor backColor, bool drawHighlight,
                                         platform::TColor shadowColor, platform::TColor highlightColor);
platform::TBitmap CreateDisabledBitmap(const platform::TBitmap& source, platform::TColor outlineColor);

// The default pictures (32 x 48 on magenta, which drawing leaves out).
platform::TBitmap DefaultSwitchGlyph(bool on);

class TRxSwitch : public platform::CustomControl {
 public:
  explicit TRxSwitch(QWidget* parent = nullptr);

  bool StateOn() const { return stateOn_; }
  void SetStateOn(bool on);  // repaints, then fires OnOn or OnOff
  void Toggle() { SetStateOn(!stateOn_); }

  const platform::TBitmap& GlyphOff() const { return glyphOff_; }
  const platform::TBitmap& GlyphOn() const { return glyphOn_; }
  void SetGlyph(bool on, const platform::TBitmap& glyph);  // an empty bitmap restores the default
  bool GlyphCustom(bool on) const { return on ? customOn_ : customOff_; }

  TTextPos TextPosition() const { return textPosition_; }
  void SetTextPosition(TTextPos position);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  int ToggleKey() const { return toggleKey_; }
  void SetToggleKey(int key) { toggleKey_ = key; }
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool on);

  std::function<void()> OnOn;
  std::function<void()> OnOff;
  std::function<void()> OnClick;  // after the mouse button is released over the switch

 protected:
  void Paint(platform::TCanvas& canvas) override;
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void KeyDown(int& key, platform::TShiftState shift) override;
  void FocusIn() override { Invalidate(); }
  void FocusOut() override { Invalidate(); }
  void changeEvent(QEvent* event) override;

 private:
  void UpdateDisabled();

  bool stateOn_ = false;
  platform::TBitmap glyphOff_;
  platform::TBitmap glyphOn_;
  platform::TBitmap disabledOff_;
  platform::TBitmap disabledOn_;
  bool customOff_ = false;
  bool customOn_ = false;
  TTextPos textPosition_ = tpNone;
  QString caption_;
  int toggleKey_;
  bool showFocus_ = true;
  bool pressed_ = false;
};

}  // namespace controls
