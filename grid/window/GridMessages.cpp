// What the grid does with window messages of its own: its cursor handed to the in-cell editors, the
// parent's font taken by the headings, the cursor and hit test while the grid is designed, and the
// grid's font given to its open drop-downs.

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"
#include "grid/window/GridEditorParts.h"
#include "grid/window/ScopeEnd.h"

#include <QEvent>
#include <QFont>

namespace grid {

void TtsBaseGrid::SetCursor(platform::TCursor cursor)
{
  Cursor = cursor;
  SetCursorNumber(cursor);
  if (!editors_)
    return;
  TextEditor().SetCursor(cursor);
  CheckEditor().SetCursor(cursor);
}

void TtsBaseGrid::changeEvent(QEvent* event)
{
  TCustomGrid_ts::changeEvent(event);
  // A font the grid did not set itself came from its parent.
  if (event->type() == QEvent::FontChange && !testAttribute(Qt::WA_SetFont) && parentWidget() != nullptr)
    ParentFontChanged(parentWidget()->font());
}

void TtsBaseGrid::ParentFontChanged(const QFont& font)
{
  if (!HeadingParentFont)
    return;
  copyingHeadingFont_ = true;
  AtScopeEnd done{[this] { copyingHeadingFont_ = false; }};
  platform::TFont& heading = model_.HeadingFont;
  heading.SetName(font.family());
  if (font.pointSize() > 0)
    heading.SetSize(font.pointSize());
  else if (font.pixelSize() > 0)
    heading.SetHeight(-font.pixelSize());
  platform::TFontStyles style = 0;
  if (font.bold())
    style |= platform::fsBold;
  if (font.italic())
    style |= platform::fsItalic;
  if (font.underline())
    style |= platform::fsUnderline;
  if (font.strikeOut())
    style |= platform::fsStrikeOut;
  heading.SetStyle(style);
}

void TtsBaseGrid::DropDownFontChanged()
{
  if (!dropDowns_)
    return;
  const QFont font = platform::ToQFont(model_.Font.Data());
  if (dropDowns_->IsComboDroppedDown())
    dropDowns_->ComboDropDownForm().setFont(font);
  if (dropDowns_->IsDateTimeDroppedDown() && dropDowns_->DateTimeForm() != nullptr)
    dropDowns_->DateTimeForm()->setFont(font);
}

// Design time -------------------------------------------------------------------------------------------

TtsMouseStatus TtsBaseGrid::DesignSpotAt(int x, int y)
{
  if (x < 0 || y < 0 || x > ClientWidth() || y > ClientHeight())
    return msNone;
  const platform::TPoint cell = grid::CellAtPoint(*this, x, y);
  // The zone test sets the resize fields; a design-time question leaves them as they were.
  const TtsMouseState kept = mouse_;
  const TtsMouseStatus spot = SizingHit(x, y, cell.Y, cell.X);
  mouse_ = kept;
  return spot;
}

platform::TCursor TtsBaseGrid::DesignCursorAt(int x, int y)
{
  const TtsMouseStatus spot = DesignSpotAt(x, y);
  if (IsRowSizing(spot))
    return platform::crVSplit;
  if (IsColSizing(spot))
    return platform::crHSplit;
  return platform::crArrow;
}

bool TtsBaseGrid::DesignHitTest(int x, int y)
{
  if (!DesignTime())
    return false;
  if (IsRowSizing(mouse_.Status) || IsColSizing(mouse_.Status))
    return true;
  return DesignSpotAt(x, y) != msNone;
}

}  // namespace grid
