#pragma once
// A label that draws its caption with a shadow offset by a few pixels.

#include "platform/CustomControl.h"
#include "platform/Font.h"

#include <QPointer>
#include <QShortcut>
#include <QString>
#include <functional>

namespace platform {
class TCanvas;
struct TRect;
}  // namespace platform

namespace controls {

enum TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
enum TLabelAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// Draws text (lines split at line ends, and at word ends to fit the width with wordWrap) in rect with its
// shadow in shadowColor offset by size towards position; rect becomes the union of both. With measure
// nothing is drawn. Returns the text height plus size (0 for no text).
int DrawShadowText(platform::TCanvas& canvas, const QString& text, platform::TRect& rect, int size,
                   platform::TColor shadowColor, TShadowPosition position, TLabelAlignment alignment,
                   bool measure, bool wordWrap = false);

class TRxLabel : public platform::CustomControl {
 public:
  explicit TRxLabel(QWidget* parent = nullptr, const QString& caption = {});

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  platform::TFont& Font() { return font_; }
  platform::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(platform::TColor color);
  int ShadowSize() const { return shadowSize_; }
  void SetShadowSize(int size);
  TShadowPosition ShadowPos() const { return shadowPos_; }
  void SetShadowPos(TShadowPosition position);
  TLabelAlignment Alignment() const { return alignment_; }
  void SetAlignment(TLabelAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool on);
  // The accelerator of the caption (Alt + the letter after "&") focuses this control.
  void SetFocusControl(QWidget* control);
  QWidget* FocusControl() const { return focusControl_; }
  QChar AccelChar() const;  // the letter after a single "&", or null
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool on);

  // The caption as drawn: accelerator marks removed, a blank for an empty caption.
  QString DrawnText() const;
  // The size the caption needs, shadow included.
  QSize TextSize();

  bool MouseInControl() const { return mouseInControl_; }
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

  QSize sizeHint() const override;

 protected:
  void Paint(platform::TCanvas& canvas) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void changeEvent(QEvent* event) override;

 private:
  void AdjustBounds();
  void UpdateShortcut();
  platform::TColor Background() const;

  QString caption_;
  platform::TFont font_;
  platform::TColor shadowColor_ = platform::clBtnHighlight;
  int shadowSize_ = 1;
  TShadowPosition shadowPos_ = spLeftTop;
  TLabelAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool showFocus_ = false;
  bool mouseInControl_ = false;
  QPointer<QWidget> focusControl_;
  QPointer<QShortcut> shortcut_;
};

}  // namespace controls
