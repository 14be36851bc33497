#include "controls/small/RxSwitch.h"

#include "platform/Canvas.h"

#include <QEvent>
#include <QPainter>

namespace controls {

using platform::TBitmap;
using platform::TCanvas;
using platform::TColor;
using platform::TRect;

namespace {

constexpr TColor kMagenta = 0xFF00FF;

}  // namespace

TBitmap CreateDisabledBitmapEx(const TBitmap& source, TColor outlineColor, TColor backColor, bool drawHighlight,
                               TColor shadowColor, TColor highlightColor)
{
  const QImage& image = source.Image();
  const QRgb outline = platform::ColorToQColor(outlineColor).rgb() & 0xFFFFFF;
  TBitmap result(source.Width(), source.Height());
  QImage out(source.Width(), source.Height(), QImage::Format_RGB32);
  out.fill(platform::ColorToQColor(backColor));
  auto foreground = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && (image.pixel(x, y) & 0xFFFFFF) != outline;
  };
  const QRgb shadow = platform::ColorToQColor(shadowColor).rgb();
  const QRgb highlight = platform::ColorToQColor(highlightColor).rgb();
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      if (foreground(x, y))
        out.setPixel(x, y, shadow);
      else if (drawHighlight && foreground(x - 1, y - 1))
        out.setPixel(x, y, highlight);
    }
  result.SetImage(out);
  return result;
}

TBitmap CreateDisabledBitmap(const TBitmap& source, TColor outlineColor)
{
  return CreateDisabledBitmapEx(source, outlineColor, platform::clBtnFace, true, platform::clBtnShadow,
                                platform::clBtnHighlight);
}

TBitmap DefaultSwitchGlyph(bool on)
{
  TBitmap glyph(32, 48);
  TCanvas& c = glyph.Canvas();
  c.Brush().SetColor(kMagenta);
  c.FillRect({0, 0, 32, 48});
  // The frame of the switch.
  c.Pen().SetColor(platform::clBlack);
  c.Brush().SetColor(0x404040);
  c.RoundRect(4, 2, 28, 46, 6, 6);
  // The rocker: the pressed half is dark, the raised half light.
  const TRect upper{7, 5, 25, 24};
  const TRect lower{7, 24, 25, 43};
  c.Brush().SetColor(on ? 0xE0E0E0 : 0x909090);
  c.FillRect(upper);
  c.Brush().SetColor(on ? 0x909090 : 0xE0E0E0);
  c.FillRect(lower);
  c.Pen().SetColor(platform::clBlack);
  c.MoveTo(7, 24);
  c.LineTo(25, 24);
  // The mark of the on state: red on the raised half.
  if (on) {
    c.Brush().SetColor(platform::clRed);
    c.FillRect({12, 9, 20, 13});
  } else {
    c.Brush().SetColor(0x606060);
    c.FillRect({14, 34, 18, 38});
  }
  glyph.SetTransparentColor(kMagenta);
  glyph.SetTransparent(true);
  return glyph;
}

TRxSwitch::TRxSwitch(QWidget* parent)
    : CustomControl(parent), glyphOff_(DefaultSwitchGlyph(false)), glyphOn_(DefaultSwitchGlyph(true)),
      toggleKey_(platform::VK_SPACE)
{
  resize(50, 60);
  SetColor(platform::FromQColor(palette().color(QPalette::Window)));
  setFocusPolicy(Qt::StrongFocus);
  UpdateDisabled();
}

void TRxSwitch::SetStateOn(bool on)
{
  if (stateOn_ == on)
    return;
  stateOn_ = on;
  Repaint();
  if (on && OnOn)
    OnOn();
  if (!on && OnOff)
    OnOff();
}

void TRxSwitch::SetGlyph(bool on, const TBitmap& glyph)
{
  TBitmap& target = on ? glyphOn_ : glyphOff_;
  bool& custom = on ? customOn_ : customOff_;
  custom = !glyph.Empty();
  target = custom ? glyph : DefaultSwitchGlyph(on);
  if (custom) {
    target.SetTransparent(true);
  }
  UpdateDisabled();
  Invalidate();
}

void TRxSwitch::SetTextPosition(TTextPos position)
{
  textPosition_ = position;
  Invalidate();
}

void TRxSwitch::SetCaption(const QString& caption)
{
  caption_ = caption;
  Invalidate();
}

void TRxSwitch::SetShowFocus(bool on)
{
  showFocus_ = on;
  Invalidate();
}

void TRxSwitch::UpdateDisabled()
{
  disabledOff_ = CreateDisabledBitmap(glyphOff_, glyphOff_.TransparentColor());
  disabledOn_ = CreateDisabledBitmap(glyphOn_, glyphOn_.TransparentColor());
  disabledOff_.SetTransparentColor(platform::clBtnFace);
  disabledOff_.SetTransparent(true);
  disabledOn_.SetTransparentColor(platform::clBtnFace);
  disabledOn_.SetTransparent(true);
}

void TRxSwitch::changeEvent(QEvent* event)
{
  if (event->type() == QEvent::EnabledChange)
    Invalidate();
  CustomControl::changeEvent(event);
}

void TRxSwitch::MouseDown(platform::TMouseButton button, platform::TShiftState, int, int)
{
  if (button != platform::mbLeft)
    return;
  if (focusPolicy() != Qt::NoFocus)
    setFocus();
  pressed_ = true;
  Toggle();
}

void TRxSwitch::MouseUp(platform::TMouseButton button, platform::TShiftState, int x, int y)
{
  if (button != platform::mbLeft || !pressed_)
    return;
  pressed_ = false;
  if (rect().contains(x, y) && OnClick)
    OnClick();
}

void TRxSwitch::KeyDown(int& key, platform::TShiftState shift)
{
  if (key == toggleKey_ && shift == 0) {
    key = 0;
    Toggle();
  }
}

void TRxSwitch::Paint(TCanvas& canvas)
{
  const TBitmap& glyph = !isEnabled() ? (stateOn_ ? disabledOn_ : disabledOff_) : (stateOn_ ? glyphOn_ : glyphOff_);
  const int w = width();
  const int h = height();
  const int gw = glyph.Width();
  const int gh = glyph.Height();
  TRect text{0, 0, w, h};
  int x = (w - gw) / 2;
  int y = 0;
  switch (textPosition_) {
    case tpNone:
      break;
    case tpLeft:
      x = w - gw;
      text.Right -= gw;
      break;
    case tpRight:
      x = 0;
      text.Left += gw;
      break;
    case tpAbove:
      y = h - gh;
      text.Bottom -= gh;
      break;
    case tpBelow:
      text.Top += gh;
      break;
  }
  canvas.Draw(x, y, glyph);
  if (hasFocus() && showFocus_ && focusPolicy() != Qt::NoFocus)
    canvas.DrawFocusRect({x, y, x + gw, y + gh});
  if (textPosition_ == tpNone || caption_.isEmpty())
    return;
  canvas.SetBkMode(platform::TBkMode::bmTransparent);
  canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
  QString shown = caption_;
  shown.remove(QLatin1Char('&'));
  const int tw = canvas.TextWidth(shown);
  const int th = canvas.TextHeight(QStringLiteral("W"));
  canvas.TextOut(text.Left + (text.Width() - tw) / 2, text.Top + (text.Height() - th) / 2, shown);
}

}  // namespace controls
