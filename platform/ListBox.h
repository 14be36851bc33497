#pragma once
// A list box whose horizontal scroll range is set by the program (its horizontal extent in pixels),
// as lists of long lines need, instead of following the item widths. Owner-drawn, it draws its items
// through OnDrawItem on one platform canvas: the item's rectangle is filled with the highlight or the
// window colour and the font set to match before the handler runs; the focused item gets a focus
// rectangle after it. Without a handler the text is drawn 2 pixels in.

#include "platform/CanvasTypes.h"
#include "platform/Color.h"

#include <QListWidget>
#include <functional>

namespace platform {

class TCanvas;

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

// The state of an item being drawn.
using TOwnerDrawState = unsigned;
inline constexpr TOwnerDrawState odSelected = 0x1;
inline constexpr TOwnerDrawState odDisabled = 0x4;
inline constexpr TOwnerDrawState odFocused = 0x10;

class ListBox : public QListWidget {
 public:
  explicit ListBox(QWidget* parent = nullptr);
  ~ListBox() override;

  void SetHorizontalExtent(int pixels);  // 0: no horizontal scrolling
  int HorizontalExtent() const { return extent_; }

  // Owner draw
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle style);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int pixels);  // of every item when fixed, the default when variable
  std::function<void(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state)> OnDrawItem;
  std::function<void(int index, int& height)> OnMeasureItem;  // variable heights
  int MeasuredHeight(int index) const;
  TRect ItemRect(int index) const;  // in the list's client (viewport) pixels
  // The visible items as the owner draw shows them.
  QImage DrawItems();

  // Selection of several items
  void SetMultiSelect(bool on, bool extended = false);
  bool Selected(int index) const;
  void SetSelected(int index, bool on);
  int SelCount() const;

 protected:
  void updateGeometries() override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  class HeightDelegate;
  void UpdateRange();
  void DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);

  int extent_ = 0;
  TListBoxStyle style_ = TListBoxStyle::lbStandard;
  int itemHeight_ = 16;
  TColor color_ = clWindow;
  HeightDelegate* heights_ = nullptr;  // a child of the list
};

}  // namespace platform
