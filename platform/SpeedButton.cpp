#include "platform/SpeedButton.h"

#include "platform/Canvas.h"
#include "platform/CanvasEdge.h"
#include "platform/Hints.h"

#include <QEvent>

namespace platform {

namespace {

constexpr int kSpacing = 4;  // between glyph and caption

// The face of a button that stays down: button face and highlight in a checker.
const TBitmap& DownPattern()
{
  static const TBitmap pattern = [] {
    TBitmap b(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        b.Canvas().SetPixel(x, y, (x + y) % 2 == 0 ? ColorToRGB(clBtnFace) : ColorToRGB(clBtnHighlight));
    return b;
  }();
  return pattern;
}

// One image of a glyph strip, its background colour (the bottom-left pixel's) left out.
TBitmap GlyphPart(const TBitmap& glyph, int index, int count)
{
  const int width = glyph.Width() / count;
  TBitmap part;
  part.SetImage(glyph.Image().copy(index * width, 0, width, glyph.Height()));
  part.SetTransparent(true);
  return part;
}

// The disabled look of an image: its dark pixels embossed, white below right and shadow on top.
void DrawEmbossed(TCanvas& canvas, int x, int y, const TBitmap& picture)
{
  const QImage& source = picture.Image();
  const QRgb background = source.pixel(0, source.height() - 1);
  constexpr TColor kMark = RGB(255, 0, 255);
  for (const auto& [dx, color] : {std::pair{1, ColorToRGB(clBtnHighlight)}, std::pair{0, ColorToRGB(clBtnShadow)}}) {
    TBitmap mask(source.width(), source.height());
    mask.Canvas().Brush().SetColor(kMark);
    mask.Canvas().FillRect({0, 0, source.width(), source.height()});
    for (int py = 0; py < source.height(); ++py)
      for (int px = 0; px < source.width(); ++px) {
        const QRgb p = source.pixel(px, py);
        if (p != background && qGray(p) < 192)
          mask.Canvas().SetPixel(px, py, color);
      }
    mask.SetTransparent(true);
    mask.SetTransparentColor(kMark);
    canvas.Draw(x + dx, y + dx, mask);
  }
}

}  // namespace

TSpeedButton::TSpeedButton(QWidget* parent) : CustomControl(parent)
{
  setFocusPolicy(Qt::NoFocus);
  SetColor(clBtnFace);
  resize(23, 22);
}

void TSpeedButton::SetCaption(const QString& caption)
{
  caption_ = caption;
  Invalidate();
}

void TSpeedButton::SetGlyph(const TBitmap& glyph, int numGlyphs)
{
  glyph_ = glyph;
  numGlyphs_ = glyph.Empty() ? 1 : std::clamp(numGlyphs, 1, 4);
  Invalidate();
}

template <typename Action>
void TSpeedButton::ForEachInGroup(Action action) const
{
  if (group_ == 0 || parentWidget() == nullptr)
    return;
  // A checked cast: the class has no meta-object of its own, so a meta-object cast would take any
  // sibling widget (a check box, say) for a speed button and write into it.
  for (QObject* child : parentWidget()->children())
    if (auto* other = dynamic_cast<TSpeedButton*>(child); other != nullptr && other != this && other->group_ == group_)
      action(*other);
}

void TSpeedButton::ReleaseOthers()
{
  ForEachInGroup([](TSpeedButton& other) {
    if (other.down_) {
      other.down_ = false;
      other.Invalidate();
    }
  });
}

void TSpeedButton::SetGroupIndex(int group)
{
  group_ = std::max(group, 0);
  if (group_ == 0)
    down_ = false;
  else if (down_)
    ReleaseOthers();
  Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool on)
{
  allowAllUp_ = on;
  ForEachInGroup([on](TSpeedButton& other) { other.allowAllUp_ = on; });
}

void TSpeedButton::SetDown(bool on)
{
  if (group_ == 0)
    on = false;
  if (on == down_ || (down_ && !allowAllUp_))
    return;
  down_ = on;
  if (on)
    ReleaseOthers();
  Invalidate();
}

void TSpeedButton::SetFlat(bool on)
{
  flat_ = on;
  Invalidate();
}

void TSpeedButton::SetEnabled(bool on)
{
  setEnabled(on);
  Invalidate();
}

void TSpeedButton::SetHint(const QString& hint)
{
  platform::SetHint(*this, hint);
}

QString TSpeedButton::Hint() const
{
  return platform::Hint(*this);
}

void TSpeedButton::SetShowHint(bool on)
{
  platform::SetShowHint(*this, on);
}

void TSpeedButton::Click()
{
  if (!isEnabled() || isHidden())
    return;
  if (group_ != 0)
    SetDown(!down_);
  if (OnClick)
    OnClick();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState, int, int)
{
  if (button != mbLeft || !isEnabled())
    return;
  pressed_ = tracking_ = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState, int x, int y)
{
  if (!tracking_)
    return;
  const bool inside = rect().contains(x, y);
  if (inside != pressed_) {
    pressed_ = inside;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState, int x, int y)
{
  if (button != mbLeft || !tracking_)
    return;
  tracking_ = pressed_ = false;
  Invalidate();
  if (rect().contains(x, y))
    Click();
}

void TSpeedButton::MouseEnter()
{
  mouseIn_ = true;
  if (flat_)
    Invalidate();
}

void TSpeedButton::MouseLeave()
{
  mouseIn_ = false;
  if (flat_)
    Invalidate();
}

void TSpeedButton::changeEvent(QEvent* event)
{
  if (event->type() == QEvent::EnabledChange) {
    tracking_ = pressed_ = false;
    Invalidate();
  }
  CustomControl::changeEvent(event);
}

int TSpeedButton::GlyphIndex() const
{
  if (!isEnabled())
    return numGlyphs_ > 1 ? 1 : 0;
  if (pressed_ && numGlyphs_ > 2)
    return 2;
  if (down_ && numGlyphs_ > 3)
    return 3;
  return 0;
}

void TSpeedButton::Paint(TCanvas& canvas)
{
  const bool sunken = pressed_ || down_;
  PaintFace(canvas, sunken);
  PaintContent(canvas, sunken ? 1 : 0);
}

void TSpeedButton::PaintFace(TCanvas& canvas, bool sunken) const
{
  TRect r{0, 0, width(), height()};
  if (flat_) {
    if (sunken)
      DrawEdge(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    else if (mouseIn_ && isEnabled())
      DrawEdge(canvas, r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  } else {
    DrawEdge(canvas, r, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST | (sunken ? 0 : BF_SOFT));
  }
  if (down_ && !pressed_) {
    canvas.Brush().SetBitmap(&DownPattern());
    canvas.FillRect(r);
    canvas.Brush().SetBitmap(nullptr);
  }
}

void TSpeedButton::PaintContent(TCanvas& canvas, int offset) const
{
  const bool hasGlyph = !glyph_.Empty();
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const TSize text = caption_.isEmpty() ? TSize{} : canvas.TextExtent(caption_);
  const int glyphWidth = hasGlyph ? glyph_.Width() / numGlyphs_ : 0;
  const int spacing = hasGlyph && !caption_.isEmpty() ? kSpacing : 0;
  int x = (width() - glyphWidth - spacing - text.cx) / 2 + offset;
  if (hasGlyph) {
    const int y = (height() - glyph_.Height()) / 2 + offset;
    const int index = GlyphIndex();
    if (!isEnabled() && index == 0)
      DrawEmbossed(canvas, x, y, GlyphPart(glyph_, 0, numGlyphs_));
    else
      canvas.Draw(x, y, GlyphPart(glyph_, index, numGlyphs_));
    x += glyphWidth + spacing;
  }
  if (caption_.isEmpty())
    return;
  const int y = (height() - text.cy) / 2 + offset;
  if (!isEnabled()) {
    canvas.Font().SetColor(clBtnHighlight);
    canvas.TextOut(x + 1, y + 1, caption_);
    canvas.Font().SetColor(clBtnShadow);
  } else {
    canvas.Font().SetColor(clBtnText);
  }
  canvas.TextOut(x, y, caption_);
}

}  // namespace platform
