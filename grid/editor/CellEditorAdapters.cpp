#include "grid/editor/CellEditorAdapters.h"

#include "platform/Canvas.h"

namespace grid {

namespace {

// A Null value shows as empty text instead of failing the conversion.
std::string TextOf(const TtsCellValue& value) { return value.IsNull() ? std::string() : value.AsString(); }

template <class Window>
std::unique_ptr<TtsGridControl> MakeWindow(QWidget* grid)
{
  auto window = std::make_unique<Window>(grid);
  window->hide();
  window->resize(1, 1);
  return window;
}

}  // namespace

TtsCustomGridControl::TtsCustomGridControl(std::unique_ptr<TtsGridControl> window) : window_(std::move(window)) {}

TtsCustomGridControl::~TtsCustomGridControl() = default;

platform::TColor TtsCustomGridControl::Color() const { return window_->Color(); }

void TtsCustomGridControl::SetColor(platform::TColor color) { window_->SetColor(color); }

void TtsCustomGridControl::SetFont(const platform::TFont& font)
{
  window_->Font().Assign(font);
  window_->Invalidate();
}

void TtsCustomGridControl::SetVisible(bool on)
{
  if (window_->isVisible() != on)
    window_->setVisible(on);
}

void TtsCustomGridControl::SetLeft(int value)
{
  if (value != Left())
    window_->move(value, Top());
}

void TtsCustomGridControl::SetTop(int value)
{
  if (value != Top())
    window_->move(Left(), value);
}

void TtsCustomGridControl::SetWidth(int value)
{
  if (value != Width())
    window_->resize(value, Height());
}

void TtsCustomGridControl::SetHeight(int value)
{
  if (value != Height())
    window_->resize(Width(), value);
}

void TtsCustomGridControl::SetParent(QWidget* parent)
{
  if (parent != Parent())
    window_->setParent(parent);
}

TtsDefaultGridControl::TtsDefaultGridControl(QWidget* grid)
    : TtsCustomGridControl(MakeWindow<TtsGridControl>(grid))
{
}

TtsEditGridControl::TtsEditGridControl(QWidget* grid) : TtsCustomGridControl(MakeWindow<TtsGridEditBox>(grid)) {}

void TtsEditGridControl::SetValue(const TtsCellValue& value) { Box().SetValue(TextOf(value)); }

void TtsEditGridControl::SetEditedValue(const TtsCellValue& value, bool byUser)
{
  Box().SetEditedValue(TextOf(value), byUser);
}

void TtsEditGridControl::PaintCell(platform::TCanvas& canvas, int height, const platform::TRect& rect, int x, int y,
                                   bool focused)
{
  Box().PaintText(canvas, height, rect, x, y, focused || ShowFocus());
}

void TtsEditGridControl::RefreshSelection()
{
  const int start = Box().SelStart();
  const int length = Box().SelLength();
  Box().SetSelStart(start);
  Box().SetSelLength(length);
}

TtsCheckGridControl::TtsCheckGridControl(QWidget* grid)
    : TtsCustomGridControl(MakeWindow<TtsGridCheckBox>(grid))
{
  Box().setFocusPolicy(Qt::ClickFocus);  // not a tab stop
}

void TtsCheckGridControl::SetMouseCapture(bool on)
{
  TtsCustomGridControl::SetMouseCapture(on);
  if (!on)
    Box().EndPress();
}

TtsCheckGridControl::TtsCheckGlyph TtsCheckGridControl::Glyph(TCheckBoxState state, bool pressed) const
{
  const int cell = Box().GlyphCell(state, pressed);
  return {CheckGlyphBitmap(), {0, cell * kCheckGlyphSize, kCheckGlyphSize, (cell + 1) * kCheckGlyphSize},
          CheckGlyphRop(cell)};
}

void TtsCheckGridControl::PaintCell(platform::TCanvas& canvas, int, const platform::TRect& rect, int x, int y,
                                    bool focused)
{
  const platform::TRect at{x, y, x + (rect.Right - rect.Left), y + (rect.Bottom - rect.Top)};
  Box().PaintGlyph(canvas, at, focused);
}

}  // namespace grid
