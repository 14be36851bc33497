#pragma once
// One control's caret: the current caret description placed in the character cell.

#include "controls/editor/Caret.h"
#include "controls/editor/CaretHost.h"

#include <memory>

namespace controls {

inline constexpr int CaretOffScreen = 2147483647;

class TOvcSingleCaret {
 public:
  explicit TOvcSingleCaret(TOvcCaretHost* host);
  virtual ~TOvcSingleCaret();
  TOvcSingleCaret(const TOvcSingleCaret&) = delete;
  TOvcSingleCaret& operator=(const TOvcSingleCaret&) = delete;

  // Settings.
  void SetLinked(bool linked);
  void SetVisible(bool visible);
  void SetPosition(int x, int y);  // top-left of the cell; negative: off-screen
  void SetCellHeight(int height);  // values <= 0 are ignored
  void SetCellWidth(int width);
  void SetCaret(std::shared_ptr<TOvcCaret> caret);

  // State.
  const std::shared_ptr<TOvcCaret>& Caret() const { return caret_; }
  bool Linked() const { return linked_; }
  bool Visible() const { return visible_; }
  int X() const { return x_; }
  int Y() const { return y_; }
  int CellHeight() const { return cellHeight_; }
  int CellWidth() const { return cellWidth_; }
  // Size of the caret as shown and its offset in the cell.
  int CaretHeight() const { return height_; }
  int CaretWidth() const { return width_; }
  int OffsetX() const { return offsetX_; }
  int OffsetY() const { return offsetY_; }

 private:
  void CaretChanged();
  void ComputeGeometry();
  void MoveSystemCaret();

  TOvcCaretHost* host_;
  std::shared_ptr<TOvcCaret> caret_;
  int hook_ = 0;
  int cellHeight_ = 10;
  int cellWidth_ = 10;
  int x_ = 0;
  int y_ = 0;
  bool linked_ = false;
  bool visible_ = false;
  int height_ = 10;
  int width_ = 2;
  int offsetX_ = 0;
  int offsetY_ = 0;
};

// The editor's carets: one for insert mode, one (a block) for overwrite mode.
class TOvcCaretPair : public TOvcSingleCaret {
 public:
  explicit TOvcCaretPair(TOvcCaretHost* host);

  void SetInsertMode(bool insertMode);
  void SetInsCaret(std::shared_ptr<TOvcCaret> caret);
  void SetOvrCaret(std::shared_ptr<TOvcCaret> caret);
  bool InsertMode() const { return insertMode_; }
  const std::shared_ptr<TOvcCaret>& InsCaret() const { return insCaret_; }
  const std::shared_ptr<TOvcCaret>& OvrCaret() const { return ovrCaret_; }

 private:
  std::shared_ptr<TOvcCaret> insCaret_;
  std::shared_ptr<TOvcCaret> ovrCaret_;
  bool insertMode_ = true;
};

}  // namespace controls
