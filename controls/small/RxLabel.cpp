#include "controls/small/RxLabel.h"

#include "controls/small/CanvasPaint.h"

#include "platform/Canvas.h"
#include "platform/CanvasImage.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace controls {

using platform::TCanvas;
using platform::TColor;
using platform::TRect;

int DrawShadowText(TCanvas& canvas, const QString& text, TRect& rect, int size, TColor shadowColor,
                   TShadowPosition position, TLabelAlignment alignment, bool measure)
{
  if (text.isEmpty())
    return 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  const int lineHeight = canvas.TextHeight(QStringLiteral("Wg"));
  int widest = 0;
  for (const QString& line : lines)
    widest = std::max(widest, canvas.TextWidth(line));
  const int height = lineHeight * int(lines.size());
  const int dx = position == spLeftTop || position == spLeftBottom ? -size : size;
  const int dy = position == spLeftTop || position == spRightTop ? -size : size;
  if (measure) {
    rect.Right = rect.Left + widest;
    rect.Bottom = rect.Top + height;
  }
  const TRect shadow{rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
  if (!measure) {
    canvas.SetBkMode(platform::TBkMode::bmTransparent);
    canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    const TColor textColor = canvas.Font().Color();
    auto draw = [&](const TRect& r) {
      int y = r.Top;
      for (const QString& line : lines) {
        const int w = canvas.TextWidth(line);
        int x = r.Left;
        if (alignment == taRightJustify)
          x = r.Right - w;
        else if (alignment == taCenter)
          x = r.Left + (r.Width() - w) / 2;
        canvas.TextOut(x, y, line);
        y += lineHeight;
      }
    };
    if (size > 0) {
      canvas.Font().SetColor(shadowColor);
      draw(shadow);
      canvas.Font().SetColor(textColor);
    }
    draw(rect);
  }
  rect = {std::min(rect.Left, shadow.Left), std::min(rect.Top, shadow.Top), std::max(rect.Right, shadow.Right),
          std::max(rect.Bottom, shadow.Bottom)};
  return height + size;
}

TRxLabel::TRxLabel(QWidget* parent, const QString& caption) : CustomControl(parent), caption_(caption)
{
  resize(65, 17);
  setFocusPolicy(Qt::NoFocus);
  SetColor(Background());
  font_.SetName(QStringLiteral("MS Sans Serif"));
  font_.SetSize(8);
  font_.OnChange = [this] {
    AdjustBounds();
    Invalidate();
  };
  AdjustBounds();
}

void TRxLabel::SetCaption(const QString& caption)
{
  caption_ = caption;
  AdjustBounds();
  Invalidate();
}

void TRxLabel::SetShadowColor(TColor color)
{
  shadowColor_ = color;
  Invalidate();
}

void TRxLabel::SetShadowSize(int size)
{
  shadowSize_ = std::clamp(size, 0, 255);
  AdjustBounds();
  Invalidate();
}

void TRxLabel::SetShadowPos(TShadowPosition position)
{
  shadowPos_ = position;
  Invalidate();
}

void TRxLabel::SetAlignment(TLabelAlignment alignment)
{
  alignment_ = alignment;
  Invalidate();
}

void TRxLabel::SetLayout(TTextLayout layout)
{
  layout_ = layout;
  Invalidate();
}

void TRxLabel::SetAutoSize(bool on)
{
  autoSize_ = on;
  AdjustBounds();
}

void TRxLabel::SetShowAccelChar(bool on)
{
  showAccelChar_ = on;
  AdjustBounds();
  Invalidate();
}

QString TRxLabel::DrawnText() const
{
  QString text = caption_;
  if (showAccelChar_) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
      if (text[i] == QLatin1Char('&') && i + 1 < text.size())
        ++i;
      else if (text[i] == QLatin1Char('&'))
        continue;
      out += text[i];
    }
    text = out;
  }
  return text.isEmpty() ? QStringLiteral(" ") : text;
}

QSize TRxLabel::TextSize()
{
  QImage probe(1, 1, QImage::Format_RGB32);
  platform::TImageCanvas canvas(probe);
  canvas.Font().Assign(font_);
  TRect r{1, 0, 1, 0};
  DrawShadowText(canvas, DrawnText(), r, shadowSize_, shadowColor_, shadowPos_, alignment_, true);
  return {r.Width() + 2, r.Height()};
}

QSize TRxLabel::sizeHint() const
{
  return autoSize_ ? const_cast<TRxLabel*>(this)->TextSize() : size();
}

void TRxLabel::AdjustBounds()
{
  if (!autoSize_)
    return;
  const QSize size = TextSize();
  if (alignment_ == taRightJustify)
    setGeometry(geometry().right() + 1 - size.width(), y(), size.width(), size.height());
  else
    resize(size);
  updateGeometry();
}

TColor TRxLabel::Background() const
{
  return platform::FromQColor(palette().color(QPalette::Window));
}

void TRxLabel::Paint(QPainter& painter)
{
  PaintThroughCanvas(painter, width(), height(), Color(), [this](TCanvas& canvas) {
    canvas.Font().Assign(font_);
    TColor shadow = shadowColor_;
    int size = shadowSize_;
    TShadowPosition position = shadowPos_;
    if (!isEnabled()) {
      canvas.Font().SetColor(platform::clGrayText);
      shadow = platform::clBtnHighlight;
      if (size == 0) {
        size = 1;
        position = spRightBottom;
      }
    }
    const int dx = position == spLeftTop || position == spLeftBottom ? size : 0;
    const int dy = position == spLeftTop || position == spRightTop ? size : 0;
    TRect r{1 + dx, dy, width() - 1, height()};
    if (layout_ != tlTop) {
      TRect measured = r;
      DrawShadowText(canvas, DrawnText(), measured, size, shadow, position, alignment_, true);
      const int offset = height() - measured.Bottom;
      r.Top += layout_ == tlCenter ? offset / 2 : offset;
    }
    DrawShadowText(canvas, DrawnText(), r, size, shadow, position, alignment_, false);
  });
}

void TRxLabel::MouseEnter()
{
  if (!isEnabled() || mouseInControl_)
    return;
  mouseInControl_ = true;
  if (OnMouseEnter)
    OnMouseEnter();
}

void TRxLabel::MouseLeave()
{
  if (!isEnabled() || !mouseInControl_)
    return;
  mouseInControl_ = false;
  if (OnMouseLeave)
    OnMouseLeave();
}

void TRxLabel::MouseDown(platform::TMouseButton button, platform::TShiftState, int, int)
{
  if (button == platform::mbLeft && focusControl_ && focusControl_->isEnabled())
    focusControl_->setFocus();
}

void TRxLabel::changeEvent(QEvent* event)
{
  if (event->type() == QEvent::PaletteChange)
    SetColor(Background());
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
    Invalidate();
  CustomControl::changeEvent(event);
}

}  // namespace controls
