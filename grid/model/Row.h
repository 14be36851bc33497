#pragma once
// TtsRow: the attributes of one data row (data row 0 is the heading row), made only for rows that
// set something and freed again when everything is back at its default.

#include "grid/model/ColRowBase.h"
#include "grid/model/PublishedProperties.h"

#include <span>

namespace grid {

class TtsRow : public TtsColRowBase {
 public:
  TtsRow(TtsGridModel& grid, int dataRow, int height);

  int DataRow() const { return dataRow_; }
  void StoreDataRow(int row) { dataRow_ = row; }
  int DisplayRow() const;
  // Moves the row in display order; ignored outside 1..Rows and for its own place.
  void SetDisplayRow(int position);
  bool DisplayRowStored() const { return DisplayRow() != dataRow_; }

  int Height() const { return height_; }
  void SetHeight(int height);
  int AssignedHeight() const { return assignedHeight_; }
  void SetShownHeight(int height);
  void StoreHeight(int height) { height_ = height; }  // no effects
  void StoreAssignedHeight(int height) { assignedHeight_ = height; }
  // As for column widths: written whenever it differs from 14 or from the grid's default height.
  bool HeightStored() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool RowChanged() const { return rowChanged_; }
  void SetRowChanged(bool changed) { rowChanged_ = changed; }

  // The published properties, in the order the stream writes them.
  static std::span<const TtsPublishedProperty<TtsRow>> PublishedProperties();

  void SetKeepFontCopy(bool on) override;
  bool IsDefault() const;
  bool CanFree() const { return IsDefault(); }
  void CopyProperties(const TtsRow& source);
  void Assign(const TtsRow& source);
  void Reset(TtsPropMask mask);

 protected:
  void Invalidate() override;
  bool Repaint() override;
  bool HoldsCurrentCell() const override;
  void RecheckStoredValues() override;
  void PlaceCurrentCell() override;
  void CloseComboOnRemove(TtsCombo& combo) override;

 private:
  void ApplyHeight();

  int dataRow_;
  int height_;
  int assignedHeight_;
  bool visible_ = true;
  bool rowChanged_ = false;
};

}  // namespace grid
