#include "platform/StatusBar.h"

#include "platform/Canvas.h"
#include "platform/CanvasEdge.h"

namespace platform {

namespace {

constexpr int kTopBorder = 2;  // above the fields
constexpr int kGap = 2;        // between two fields
constexpr int kTextInset = 3;  // between a field's frame and its text
constexpr int kGripSize = 12;

}  // namespace

TStatusBar::TStatusBar(QWidget* parent) : CustomControl(parent)
{
  setFocusPolicy(Qt::NoFocus);
  setFixedHeight(20);
  SetColor(clBtnFace);
}

TStatusPanel& TStatusBar::AddPanel(const QString& text, int width)
{
  panels_.push_back({text, width});
  Changed();
  return panels_.back();
}

void TStatusBar::SetPanelText(int index, const QString& text)
{
  if (index < 0 || index >= PanelCount() || panels_[std::size_t(index)].Text == text)
    return;
  panels_[std::size_t(index)].Text = text;
  Changed();
}

void TStatusBar::SetPanelWidth(int index, int width)
{
  if (index < 0 || index >= PanelCount())
    return;
  panels_[std::size_t(index)].Width = std::max(width, 0);
  Changed();
}

void TStatusBar::SetPanel(int index, const TStatusPanel& panel)
{
  if (index < 0 || index >= PanelCount())
    return;
  panels_[std::size_t(index)] = panel;
  Changed();
}

void TStatusBar::ClearPanels()
{
  panels_.clear();
  Changed();
}

void TStatusBar::BeginUpdate()
{
  ++updating_;
}

void TStatusBar::EndUpdate()
{
  if (updating_ > 0 && --updating_ == 0)
    Changed();
}

void TStatusBar::SetSimplePanel(bool on)
{
  if (on == simplePanel_)
    return;
  simplePanel_ = on;
  Changed();
}

void TStatusBar::SetSimpleText(const QString& text)
{
  if (text == simpleText_)
    return;
  simpleText_ = text;
  if (simplePanel_)
    Changed();
}

void TStatusBar::SetSizeGrip(bool on)
{
  if (on == sizeGrip_)
    return;
  sizeGrip_ = on;
  Changed();
}

void TStatusBar::Changed()
{
  if (updating_ == 0)
    Invalidate();
}

int TStatusBar::FieldsRight() const
{
  return width() - (sizeGrip_ ? kGripSize : 0);
}

TRect TStatusBar::PanelRect(int index) const
{
  if (index < 0 || index >= PanelCount())
    return {};
  int left = 0;
  for (int i = 0; i < index; ++i)
    left += panels_[std::size_t(i)].Width;
  const bool last = index == PanelCount() - 1;
  const int right = last ? std::max(left, FieldsRight()) : left + panels_[std::size_t(index)].Width - kGap;
  return {left, kTopBorder, std::max(left, right), height()};
}

void TStatusBar::Paint(TCanvas& canvas)
{
  canvas.Font().SetColor(clBtnText);
  if (simplePanel_)
    PaintField(canvas, {0, kTopBorder, FieldsRight(), height()}, simpleText_, TAlignment::taLeftJustify,
               TStatusPanelBevel::pbNone);
  else
    for (int i = 0; i < PanelCount(); ++i) {
      const TStatusPanel& panel = panels_[std::size_t(i)];
      PaintField(canvas, PanelRect(i), panel.Text, panel.Alignment, panel.Bevel);
    }
  if (sizeGrip_)
    PaintGrip(canvas);
}

void TStatusBar::PaintField(TCanvas& canvas, TRect r, const QString& text, TAlignment alignment,
                            TStatusPanelBevel bevel)
{
  if (r.IsEmpty())
    return;
  if (bevel != TStatusPanelBevel::pbNone)
    DrawEdge(canvas, r, bevel == TStatusPanelBevel::pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
             BF_RECT | BF_ADJUST);
  if (text.isEmpty())
    return;
  const TSize extent = canvas.TextExtent(text);
  int x = r.Left + kTextInset;
  if (alignment == TAlignment::taRightJustify)
    x = r.Right - kTextInset - extent.cx;
  else if (alignment == TAlignment::taCenter)
    x = (r.Left + r.Right - extent.cx) / 2;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.TextRect(r, x, (r.Top + r.Bottom - extent.cy) / 2, text);
}

void TStatusBar::PaintGrip(TCanvas& canvas) const
{
  // Three pairs of diagonal lines, shadow beside highlight, in the bottom-right corner.
  const int right = width();
  const int bottom = height();
  for (int step = 0; step < 3; ++step) {
    const int d = 4 * step + 2;
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(right - d - 1, bottom);
    canvas.LineTo(right, bottom - d - 2);
    canvas.MoveTo(right - d, bottom);
    canvas.LineTo(right, bottom - d - 1);
    canvas.Pen().SetColor(clBtnHighlight);
    canvas.MoveTo(right - d - 2, bottom);
    canvas.LineTo(right, bottom - d - 3);
  }
}

}  // namespace platform
