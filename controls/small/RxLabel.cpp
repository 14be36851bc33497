#include "controls/small/RxLabel.h"

#include "platform/Canvas.h"
#include "platform/CanvasImage.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace controls {

using platform::TCanvas;
using platform::TColor;
using platform::TRect;

namespace {

// The lines of a text: split at line ends, and with wordWrap at blanks so that each fits the width.
QStringList TextLines(const TCanvas& canvas, const QString& text, int width, bool wordWrap)
{
  QStringList lines;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    if (!wordWrap) {
      lines << paragraph;
      continue;
    }
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
      const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (!line.isEmpty() && canvas.TextWidth(longer) > width) {
        lines << line;
        line = word;
      } else {
        line = longer;
      }
    }
    lines << line;
  }
  return lines;
}

}  // namespace

int DrawShadowText(TCanvas& canvas, const QString& text, TRect& rect, int size, TColor shadowColor,
                   TShadowPosition position, TLabelAlignment alignment, bool measure, bool wordWrap)
{
  if (text.isEmpty())
    return 0;
  const QStringList lines = TextLines(canvas, text, rect.Width(), wordWrap);
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
  UpdateShortcut();
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
  UpdateShortcut();
  Invalidate();
}

void TRxLabel::SetWordWrap(bool on)
{
  wordWrap_ = on;
  AdjustBounds();
  Invalidate();
}

void TRxLabel::SetShowFocus(bool on)
{
  showFocus_ = on;
  Invalidate();
}

void TRxLabel::SetFocusControl(QWidget* control)
{
  focusControl_ = control;
  UpdateShortcut();
}

QChar TRxLabel::AccelChar() const
{
  for (int i = 0; i + 1 < caption_.size(); ++i) {
    if (caption_[i] != QLatin1Char('&'))
      continue;
    if (caption_[i + 1] != QLatin1Char('&'))
      return caption_[i + 1];
    ++i;  // "&&" shows one "&"
  }
  return {};
}

void TRxLabel::UpdateShortcut()
{
  delete shortcut_;
  const QChar accel = AccelChar();
  if (!focusControl_ || !showAccelChar_ || accel.isNull())
    return;
  shortcut_ = new QShortcut(QKeySequence(Qt::ALT | QKeySequence(accel.toUpper())[0].key()), this);
  shortcut_->setContext(Qt::WindowShortcut);
  connect(shortcut_, &QShortcut::activated, this, [this] {
    if (isEnabled() && focusControl_ && focusControl_->isEnabled())
      focusControl_->setFocus(Qt::ShortcutFocusReason);
  });
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
  TRect r{1, 0, wordWrap_ ? std::max(width() - 1, 2) : 1, 0};
  DrawShadowText(canvas, DrawnText(), r, shadowSize_, shadowColor_, shadowPos_, alignment_, true, wordWrap_);
  return {wordWrap_ ? width() : r.Width() + 2, r.Height()};
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

void TRxLabel::Paint(TCanvas& canvas)
{
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
    DrawShadowText(canvas, DrawnText(), measured, size, shadow, position, alignment_, true, wordWrap_);
    const int offset = height() - measured.Bottom;
    r.Top += layout_ == tlCenter ? offset / 2 : offset;
  }
  const TRect text = r;
  DrawShadowText(canvas, DrawnText(), r, size, shadow, position, alignment_, false, wordWrap_);
  if (showFocus_ && focusControl_ && focusControl_->hasFocus())
    canvas.DrawFocusRect({text.Left - 1, text.Top, text.Right + 1, text.Bottom});
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
