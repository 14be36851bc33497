#pragma once
// The buttons of cells: a combo arrow, a plain button, vertical and horizontal spin arrows and the
// date-time buttons. A grid keeps one object per kind, made on first use, and asks it for the
// picture it shows and its size. A button given its kind's default picture keeps none of its own;
// any other picture is copied, so later changes to the bitmap passed in do not reach it.

#include "grid/model/GridTypes.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"

#include <memory>

namespace grid {

class TtsBaseGrid;

// The shared default pictures ("TSARROWCOMBO", "TSBUTDETAIL").
const platform::TBitmap& ComboArrowPicture();
const platform::TBitmap& PlainButtonPicture();

class TtsCustomButton {
 public:
  TtsCustomButton(const TtsBaseGrid& grid, const platform::TBitmap* picture, platform::TColor color, int width,
                  int height);
  virtual ~TtsCustomButton() = default;
  TtsCustomButton(const TtsCustomButton&) = delete;
  TtsCustomButton& operator=(const TtsCustomButton&) = delete;

  virtual const platform::TBitmap* Picture() const { return picture_; }
  virtual void SetPicture(const platform::TBitmap* picture) { picture_ = picture; }
  int Height() const { return height_; }
  void SetHeight(int height) { height_ = height; }
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor color) { color_ = color; }
  // The face and its edges (the grid's ButtonEdgeWidth on each side).
  virtual int OuterWidth() const;
  virtual int OuterHeight() const;
  virtual bool IsDefaultPicture() const { return true; }

 protected:
  const TtsBaseGrid& grid_;

 private:
  const platform::TBitmap* picture_;
  int width_;
  int height_;
  platform::TColor color_;
};

// A button whose picture defaults to one of the shared pictures.
class TtsPictureButton : public TtsCustomButton {
 public:
  TtsPictureButton(const TtsBaseGrid& grid, const platform::TBitmap& defaultPicture, const platform::TBitmap* picture,
                   platform::TColor color, int width, int height);
  const platform::TBitmap* Picture() const override { return own_ ? own_.get() : &default_; }
  void SetPicture(const platform::TBitmap* picture) override;
  bool IsDefaultPicture() const override { return !own_; }
  bool HasOwnCopy() const { return own_ != nullptr; }

 private:
  const platform::TBitmap& default_;
  std::unique_ptr<platform::TBitmap> own_;
};

class TtsComboButton : public TtsPictureButton {
 public:
  TtsComboButton(const TtsBaseGrid& grid, const platform::TBitmap* picture, platform::TColor color, int width,
                 int height)
      : TtsPictureButton(grid, ComboArrowPicture(), picture, color, width, height)
  {
  }
};

class TtsNormalButton : public TtsPictureButton {
 public:
  TtsNormalButton(const TtsBaseGrid& grid, const platform::TBitmap* picture, platform::TColor color, int width,
                  int height)
      : TtsPictureButton(grid, PlainButtonPicture(), picture, color, width, height)
  {
  }
};

// Two faces stacked (the grid draws the arrows): no edges.
class TtsVertSpinButton : public TtsCustomButton {
 public:
  using TtsCustomButton::TtsCustomButton;
  int OuterHeight() const override { return 2 * Height() + 1; }
};

// Two faces side by side.
class TtsHorzSpinButton : public TtsCustomButton {
 public:
  using TtsCustomButton::TtsCustomButton;
  int OuterWidth() const override { return 2 * Width() + 1; }
};

// The plain-button picture or the combo arrow, whichever it was made with, is its default.
class TtsDateTimeButton : public TtsCustomButton {
 public:
  TtsDateTimeButton(const TtsBaseGrid& grid, const platform::TBitmap* picture, platform::TColor color, int width,
                    int height);
  const platform::TBitmap* Picture() const override;
  void SetPicture(const platform::TBitmap* picture) override;
  bool IsDefaultPicture() const override { return !own_; }
  bool PlainDefault() const { return plainDefault_; }

 private:
  bool plainDefault_ = false;
  std::unique_ptr<platform::TBitmap> own_;
};

// The grid's button of a kind, with the grid's sizes and the unset colour: the combo and plain buttons
// DefaultButtonWidth by DefaultButtonHeight, the vertical spin SpinButtonWidth by SpinButtonHeight
// and the horizontal one the two swapped, the date-time drop-down button with the combo arrow and
// the popup button with the plain picture. None for btNone.
std::unique_ptr<TtsCustomButton> MakeCellButton(const TtsBaseGrid& grid, TtsButtonType type);

}  // namespace grid
