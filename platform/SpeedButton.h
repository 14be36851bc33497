#pragma once
// The speed button of tool bars: self-drawn, never takes the focus. Buttons of one parent that share
// a GroupIndex above 0 exclude each other (at most one is down); a button of a group stays down once
// pressed, and only a press of another button of its group, or of the same one when the group
// AllowAllUp, releases it. A button of group 0 never stays down.

#include "platform/Bitmap.h"
#include "platform/CustomControl.h"

#include <QString>
#include <functional>

namespace platform {

class TSpeedButton : public CustomControl {
public:
  explicit TSpeedButton(QWidget* parent = nullptr);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  // The picture: NumGlyphs images side by side (up, disabled, pressed, down); the pixels of the
  // bottom-left pixel's colour are left out. Without a disabled image the up one is drawn embossed.
  void SetGlyph(const TBitmap& glyph, int numGlyphs = 1);
  const TBitmap& Glyph() const { return glyph_; }

  int GroupIndex() const { return group_; }
  void SetGroupIndex(int group);  // a button that was down and now joins a group releases the others
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool on);    // for the whole group
  bool Down() const { return down_; }
  // Ignored in group 0, and for releasing the down button of a group that does not AllowAllUp.
  void SetDown(bool on);

  bool Flat() const { return flat_; }
  void SetFlat(bool on);  // no frame until the mouse is over it or it is down
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool on);

  // The short and long hint ("Short|Long") and whether it shows (unset: as the parent).
  void SetHint(const QString& hint);
  QString Hint() const;
  void SetShowHint(bool on);

  // The user's press: down in the group's rules, then OnClick. Nothing when disabled or hidden.
  void Click();
  std::function<void()> OnClick;

  bool MouseInControl() const { return mouseIn_; }

protected:
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void changeEvent(QEvent* event) override;

private:
  template <typename Action>
  void ForEachInGroup(Action action) const;
  void ReleaseOthers();
  void PaintFace(TCanvas& canvas, bool sunken) const;
  void PaintContent(TCanvas& canvas, int offset) const;
  int GlyphIndex() const;

  QString caption_;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  int group_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
  bool flat_ = false;
  bool pressed_ = false;  // the left button went down on it and is held over it
  bool tracking_ = false; // the left button went down on it and is held
  bool mouseIn_ = false;
};

}  // namespace platform
