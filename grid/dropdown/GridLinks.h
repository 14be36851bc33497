#pragma once
// The grid's links to shared mask and image-list definitions: each knows the grid it serves. A mask
// definition's notices change nothing; an image list's make the grid paint its whole window again.
// (The date-time link is the grid model's: it clears every reference to a definition that goes.)

#include "grid/model/Definitions.h"

#include <QWidget>

namespace grid {

class TtsGridMaskLink : public TtsMaskLink {
 public:
  explicit TtsGridMaskLink(QWidget& grid) : grid_(grid) {}
  QWidget& Grid() const { return grid_; }

 private:
  QWidget& grid_;
};

class TtsGridImageLink : public TtsImageLink {
 public:
  explicit TtsGridImageLink(QWidget& grid) : grid_(grid) {}
  QWidget& Grid() const { return grid_; }
  void ContentsChanged() override { grid_.update(); }
  void ComponentChanged() override { grid_.update(); }

 private:
  QWidget& grid_;
};

}  // namespace grid
