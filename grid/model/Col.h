#pragma once
// TtsCol: the attributes of one data column (data column 0 is the row bar), its heading, width,
// visibility and display position.

#include "grid/model/ColRowBase.h"
#include "grid/model/PublishedProperties.h"

#include <span>

namespace grid {

class TtsCol : public TtsColRowBase {
 public:
  TtsCol(TtsGridModel& grid, int displayCol, int width, int serial);

  int DataCol() const;
  int DisplayCol() const { return displayCol_; }
  // Moves the column in display order; ignored outside 1..Cols and for its own place.
  void SetDisplayCol(int position);
  void StoreDisplayCol(int position) { displayCol_ = position; }  // display-order bookkeeping
  int Serial() const { return serial_; }
  bool DisplayColStored() const { return displayCol_ != DataCol(); }

  // The heading: accelerator marks removed; the field name while the heading is empty.
  std::string Heading() const { return heading_.empty() ? fieldName_ : heading_; }
  void SetHeading(const std::string& text);
  // The heading text with its accelerator mark put back ("&" doubled): SetHeading of it gives the same.
  std::string HeadingWithMarks() const;
  const std::string& HeadingText() const { return heading_; }
  int AcceleratorPos() const { return acceleratorPos_; }
  bool HeadingStored() const { return !heading_.empty(); }
  const std::string& FieldName() const { return fieldName_; }
  void SetFieldName(const std::string& name) { fieldName_ = name; }

  platform::TColor HeadingColor() const { return headingColor_; }
  void SetHeadingColor(platform::TColor color);
  TtsHorzAlignment HeadingHorzAlignment() const { return headingHorzAlignment_; }
  void SetHeadingHorzAlignment(TtsHorzAlignment alignment);
  // The heading's legacy pair, kept in step with HeadingHorzAlignment; each setter alone keeps
  // the other half, so the pair may be read in either order.
  TAlignment HeadingAlignment() const { return headingAlignment_; }
  void SetHeadingAlignment(TAlignment alignment);
  bool HeadingAlign() const { return headingAlign_; }
  void SetHeadingAlign(bool align);
  void SetHeadingLegacyAlignment(TAlignment alignment, bool align);
  TtsVertAlignment HeadingVertAlignment() const { return headingVertAlignment_; }
  void SetHeadingVertAlignment(TtsVertAlignment alignment);
  TtsWordWrap HeadingWordWrap() const { return headingWordWrap_; }
  void SetHeadingWordWrap(TtsWordWrap wrap);
  TtsColHeadingButton HeadingButton() const { return headingButton_; }
  void SetHeadingButton(TtsColHeadingButton button);
  TtsSortPicture SortPicture() const { return sortPicture_; }
  void SetSortPicture(TtsSortPicture picture);
  platform::TFont* HeadingFont();
  const platform::TFont* OwnHeadingFont() const { return headingFont_.get(); }
  void SetHeadingFont(const platform::TFont* font);
  bool HeadingParentFont() const { return headingParentFont_; }
  void SetHeadingParentFont(bool on);
  void RenewHeadingFontCopy();

  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool on);
  const std::string& CheckBoxValues() const { return checkBoxValues_; }
  // Raises the grid error for a text that is not "Checked|Unchecked|Grayed"; the old value stays.
  void SetCheckBoxValues(const std::string& values);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);  // negative gives 0

  // Width: the width in effect, and the width last given through SetWidth.
  int Width() const { return width_; }
  void SetWidth(int width);
  int AssignedWidth() const { return assignedWidth_; }
  void SetShownWidth(int width);  // sizing by mouse or a reset: the assigned width stays
  // Whether the stream writes the width: whenever it differs from the published default 64, and
  // also when it differs from the grid's default width (a new column would get that one).
  bool WidthStored() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // The published properties, in the order the stream writes them.
  static std::span<const TtsPublishedProperty<TtsCol>> PublishedProperties();

  void SetKeepFontCopy(bool on) override;
  bool IsDefault() const;
  bool CanFree() const { return IsDefault(); }
  void CopyProperties(const TtsCol& source);
  void Assign(const TtsCol& source);
  void Reset(TtsPropMask mask);

 protected:
  void Invalidate() override;
  bool Repaint() override;
  bool HoldsCurrentCell() const override;
  void RecheckStoredValues() override;
  void PlaceCurrentCell() override;
  void ComboMade(TtsCombo& combo) override;
  void OwnFontChanged(bool heading) override;

 private:
  void InvalidateHeading();
  void ApplyWidth();

  int displayCol_;
  int width_;
  int assignedWidth_;
  int serial_;
  bool visible_ = true;
  bool allowGrayed_ = false;
  std::string heading_;
  int acceleratorPos_ = 0;
  std::string fieldName_;
  platform::TColor headingColor_ = platform::clNone;
  TtsHorzAlignment headingHorzAlignment_ = htaDefault;
  TAlignment headingAlignment_ = taLeftJustify;
  bool headingAlign_ = false;
  TtsVertAlignment headingVertAlignment_ = vtaDefault;
  TtsWordWrap headingWordWrap_ = wwDefault;
  TtsColHeadingButton headingButton_ = cbGrid;
  TtsSortPicture sortPicture_ = spNone;
  std::unique_ptr<platform::TFont> headingFont_;
  bool headingParentFont_ = true;
  std::string checkBoxValues_;
  int maxLength_ = 0;
};

inline constexpr int kPublishedColWidth = 64;
inline constexpr int kPublishedRowHeight = 14;

}  // namespace grid
