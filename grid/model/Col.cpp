#include "grid/model/Col.h"

#include "grid/model/CheckValues.h"
#include "grid/model/GridModel.h"
#include "grid/model/TextRoutines.h"

namespace grid {

TtsCol::TtsCol(TtsGridModel& grid, int displayCol, int width, int serial)
    : TtsColRowBase(grid), displayCol_(displayCol), width_(width), assignedWidth_(width), serial_(serial)
{
}

int TtsCol::DataCol() const { return Grid().DataColOf(displayCol_); }

void TtsCol::SetDisplayCol(int position)
{
  if (position == displayCol_ || position < 1 || position > Grid().Cols())
    return;
  Grid().MoveColumn(displayCol_, position);
}

void TtsCol::Invalidate() { Grid().InvalidateDisplayCol(displayCol_); }

bool TtsCol::Repaint() { return Grid().RepaintDisplayCol(displayCol_); }

bool TtsCol::HoldsCurrentCell() const { return Grid().CurrentDisplayCol() == displayCol_; }

void TtsCol::InvalidateHeading() { Grid().InvalidateCell(displayCol_, 0); }

void TtsCol::SetHeading(const std::string& text)
{
  int position = 0;
  std::string stripped = StripAccelerators(text, position);
  if (stripped == heading_ && position == acceleratorPos_)
    return;
  heading_ = std::move(stripped);
  acceleratorPos_ = position;
  InvalidateHeading();
}

void TtsCol::RecheckStoredValues() { Grid().Services().RecheckStoredValues(DataCol(), -1); }

std::string TtsCol::HeadingWithMarks() const
{
  std::string text;
  for (std::size_t i = 0; i < heading_.size(); ++i) {
    if (int(i) + 1 == acceleratorPos_)
      text.push_back('&');
    text.push_back(heading_[i]);
    if (heading_[i] == '&')
      text.push_back('&');
  }
  return text;
}

void TtsCol::SetHeadingColor(platform::TColor color)
{
  if (color == headingColor_)
    return;
  headingColor_ = color;
  InvalidateHeading();
}

void TtsCol::SetHeadingHorzAlignment(TtsHorzAlignment alignment)
{
  if (alignment == headingHorzAlignment_)
    return;
  headingHorzAlignment_ = alignment;
  headingAlignment_ = ToAlignment(alignment);
  headingAlign_ = alignment != htaDefault;
  InvalidateHeading();
}

void TtsCol::SetHeadingLegacyAlignment(TAlignment alignment, bool align)
{
  if (alignment == headingAlignment_ && align == headingAlign_)
    return;
  headingAlignment_ = alignment;
  headingAlign_ = align;
  headingHorzAlignment_ = ToHorzAlignment(alignment, align);
  InvalidateHeading();
}

void TtsCol::SetHeadingAlignment(TAlignment alignment) { SetHeadingLegacyAlignment(alignment, headingAlign_); }

void TtsCol::SetHeadingAlign(bool align) { SetHeadingLegacyAlignment(headingAlignment_, align); }

void TtsCol::SetHeadingVertAlignment(TtsVertAlignment alignment)
{
  if (alignment == headingVertAlignment_)
    return;
  headingVertAlignment_ = alignment;
  InvalidateHeading();
}

void TtsCol::SetHeadingWordWrap(TtsWordWrap wrap)
{
  if (wrap == headingWordWrap_)
    return;
  headingWordWrap_ = wrap;
  InvalidateHeading();
}

void TtsCol::SetHeadingButton(TtsColHeadingButton button)
{
  if (button == headingButton_)
    return;
  headingButton_ = button;
  InvalidateHeading();
}

void TtsCol::SetSortPicture(TtsSortPicture picture)
{
  if (picture == sortPicture_)
    return;
  sortPicture_ = picture;
  InvalidateHeading();
}

platform::TFont* TtsCol::HeadingFont() { return ReadFont(headingFont_, headingParentFont_, Grid().HeadingFont); }

void TtsCol::SetHeadingFont(const platform::TFont* font)
{
  if (font && font == headingFont_.get())
    return;
  if (font)
    CopyOwnFont(headingFont_, *font);
  else
    headingFont_.reset();
  headingParentFont_ = !headingFont_;
  InvalidateHeading();
}

void TtsCol::SetHeadingParentFont(bool on)
{
  if (on == headingParentFont_)
    return;
  headingParentFont_ = on;
  if (SwitchParentFont(headingFont_, on, Grid().HeadingFont))
    InvalidateHeading();
}

void TtsCol::RenewHeadingFontCopy()
{
  if (headingParentFont_ && headingFont_)
    CopyOwnFont(headingFont_, Grid().HeadingFont);
}

void TtsCol::OwnFontChanged(bool heading)
{
  if (!heading) {
    TtsColRowBase::OwnFontChanged(false);
    return;
  }
  headingParentFont_ = false;
  InvalidateHeading();
}

void TtsCol::SetAllowGrayed(bool on)
{
  if (on == allowGrayed_)
    return;
  allowGrayed_ = on;
  Invalidate();
  RefreshEditorIfCurrent();
}

void TtsCol::SetCheckBoxValues(const std::string& values)
{
  if (values == checkBoxValues_)
    return;
  if (!IsValidCheckValues(values))
    Grid().GridError(
        "Invalid CheckBoxValues. CheckBoxValues have the format 'Checked|Unchecked|Grayed'. The Grayed value is optional");
  checkBoxValues_ = values;
  if (HoldsCurrentCell()) {
    Grid().RefreshEditor();
    Invalidate();
  }
}

void TtsCol::SetMaxLength(int length)
{
  length = length < 0 ? 0 : length;
  if (length == maxLength_)
    return;
  maxLength_ = length;
  RefreshEditorIfCurrent();
}

void TtsCol::ApplyWidth()
{
  TtsGridModel& grid = Grid();
  const int pixels = visible_ ? width_ : 0;
  if (grid.ColWidth(displayCol_) != pixels || (visible_ && grid.ColWidth(displayCol_) != width_))
    grid.StoreColWidth(displayCol_, pixels);
  grid.Services().ColResized(DataCol());
  grid.Services().UpdateScrollBars();
  grid.RefreshEditor();
}

void TtsCol::SetWidth(int width)
{
  assignedWidth_ = width;
  if (width == width_)
    return;
  width_ = width;
  ApplyWidth();
}

void TtsCol::SetShownWidth(int width)
{
  if (width == width_)
    return;
  width_ = width;
  ApplyWidth();
}

bool TtsCol::WidthStored() const { return width_ != kPublishedColWidth || width_ != Grid().DefaultColWidth(); }

void TtsCol::SetVisible(bool visible)
{
  if (visible == visible_)
    return;
  if (HoldsCurrentCell() && !Grid().Services().CanLeaveCurrentCell())
    return;
  visible_ = visible;
  Grid().ColumnVisibilityChanged(*this);
}

void TtsCol::SetKeepFontCopy(bool on)
{
  if (on == attr_.KeepFontCopy)
    return;
  attr_.KeepFontCopy = on;
  TtsIntegerList& list = Grid().KeepCopyCols();
  if (on) {
    list.Add(DataCol());
    return;
  }
  list.Remove(DataCol());
  if (attr_.ParentFont)
    font_.reset();
  if (headingParentFont_)
    headingFont_.reset();
}

bool TtsCol::IsDefault() const
{
  return DataCol() == displayCol_ && IsAttributeDefault() && !headingFont_ && headingParentFont_ && visible_ &&
         !allowGrayed_ && heading_.empty() && fieldName_.empty() && checkBoxValues_.empty() && maxLength_ == 0 &&
         headingColor_ == platform::clNone && headingHorzAlignment_ == htaDefault &&
         headingAlignment_ == taLeftJustify && !headingAlign_ &&
         headingVertAlignment_ == vtaDefault && headingWordWrap_ == wwDefault && headingButton_ == cbGrid &&
         sortPicture_ == spNone && width_ == Grid().DefaultColWidth();
}

void TtsCol::CopyProperties(const TtsCol& source)
{
  CopyAttributes(source);
  heading_ = source.heading_;
  acceleratorPos_ = source.acceleratorPos_;
  width_ = source.width_;
  assignedWidth_ = source.width_;
  visible_ = source.visible_;
  allowGrayed_ = source.allowGrayed_;
  headingButton_ = source.headingButton_;
  headingHorzAlignment_ = source.headingHorzAlignment_;
  headingAlignment_ = source.headingAlignment_;
  headingAlign_ = source.headingAlign_;
  headingVertAlignment_ = source.headingVertAlignment_;
  headingWordWrap_ = source.headingWordWrap_;
  headingColor_ = source.headingColor_;
  sortPicture_ = source.sortPicture_;
  maxLength_ = source.maxLength_;
  fieldName_ = source.fieldName_;
  checkBoxValues_ = source.checkBoxValues_;
  headingParentFont_ = source.headingParentFont_;
  if (headingParentFont_)
    RenewHeadingFontCopy();
  else if (source.headingFont_)
    CopyOwnFont(headingFont_, *source.headingFont_);
}

void TtsCol::Assign(const TtsCol& source)
{
  const int before = width_;
  CopyProperties(source);
  if (width_ != before)
    ApplyWidth();
  Repaint();
  RefreshEditorIfCurrent();
}

void TtsCol::Reset(TtsPropMask mask)
{
  if (HasProp(mask, piColor))
    SetHeadingColor(platform::clNone);
  ResetAttributes(mask);
  if (HasProp(mask, piVisible))
    SetVisible(true);
  if (HasProp(mask, piColWidth))
    SetShownWidth(assignedWidth_);
  if (HasProp(mask, piDisplayPos))
    SetDisplayCol(DataCol());
  if (HasProp(mask, piSortPicture))
    SetSortPicture(spNone);
  if (HasProp(mask, piHeadingButton))
    SetHeadingButton(cbGrid);
  if (HasProp(mask, piMaxLength))
    SetMaxLength(0);
  if (HasProp(mask, piSelected))
    Grid().ColSelection().Set(displayCol_, false);
}

void TtsCol::ComboMade(TtsCombo& combo) { combo.SetDefaultColWidth(width_ + 10); }

void TtsCol::PlaceCurrentCell()
{
  const int current = Grid().CurrentDisplayCol();
  if (current == displayCol_ || current < 1 || current > Grid().Cols())
    Grid().Services().PlaceCurrentCol(current == displayCol_ ? displayCol_ : 1);
}

}  // namespace grid
