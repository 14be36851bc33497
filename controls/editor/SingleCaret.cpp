#include "controls/editor/SingleCaret.h"

namespace controls {

TOvcSingleCaret::TOvcSingleCaret(TOvcCaretHost* host) : host_(host)
{
  SetCaret(std::make_shared<TOvcCaret>());
}

TOvcSingleCaret::~TOvcSingleCaret()
{
  if (caret_)
    caret_->Unsubscribe(hook_);
  if (linked_ && host_)
    host_->DestroyCaret();
}

void TOvcSingleCaret::SetCaret(std::shared_ptr<TOvcCaret> caret)
{
  if (!caret || caret == caret_)
    return;
  if (caret_)
    caret_->Unsubscribe(hook_);
  caret_ = std::move(caret);
  hook_ = caret_->Subscribe([this] { CaretChanged(); });
  CaretChanged();
}

void TOvcSingleCaret::CaretChanged()
{
  const bool wasLinked = linked_;
  if (wasLinked)
    SetLinked(false);
  ComputeGeometry();
  if (wasLinked)
    SetLinked(true);
}

void TOvcSingleCaret::ComputeGeometry()
{
  const TOvcCaret& c = *caret_;
  height_ = c.CaretHeight();
  width_ = c.CaretWidth();
  switch (c.Shape()) {
    case csBlock:
      height_ = cellHeight_;
      width_ = cellWidth_;
      break;
    case csHalfBlock:
      height_ = cellHeight_ / 2;
      width_ = cellWidth_;
      break;
    case csVertLine:
      height_ = cellHeight_;
      break;
    case csHorzLine:
      width_ = cellWidth_;
      break;
    case csCustom:
    case csBitmap:
      break;
  }
  const int dW = cellWidth_ - width_;
  const int dH = cellHeight_ - height_;
  int x = 0;
  int y = 0;
  switch (c.Align()) {
    case caLeft:
      y = dH / 2;
      break;
    case caTop:
      x = dW / 2;
      break;
    case caRight:
      x = dW;
      y = dH / 2;
      break;
    case caBottom:
      x = dW / 2;
      y = dH;
      break;
    case caCenter:
      x = dW / 2;
      y = dH / 2;
      break;
  }
  if (c.Shape() == csBitmap) {
    x -= c.BitmapHotSpotX();
    y -= c.BitmapHotSpotY();
  }
  const bool moved = x != offsetX_ || y != offsetY_;
  offsetX_ = x;
  offsetY_ = y;
  if (moved && linked_)
    MoveSystemCaret();
}

void TOvcSingleCaret::MoveSystemCaret()
{
  const int x = x_ == CaretOffScreen ? CaretOffScreen : x_ + offsetX_;
  const int y = y_ == CaretOffScreen ? CaretOffScreen : y_ + offsetY_;
  host_->SetCaretPos(x, y);
}

void TOvcSingleCaret::SetLinked(bool linked)
{
  if (!host_)
    return;
  if (!linked) {
    if (linked_)
      host_->DestroyCaret();
    linked_ = false;
    return;
  }
  if (linked_ || !host_->HasWindow())
    return;
  const TOvcCaret& c = *caret_;
  const bool fromBitmap = c.Shape() == csBitmap && !c.Bitmap().Empty();
  host_->CreateCaret(fromBitmap ? &c.Bitmap() : nullptr, width_, height_, c.IsGray());
  // The blink time belongs to this caret; the system-wide setting is never touched.
  host_->SetCaretBlinkTime(c.BlinkTime());
  linked_ = true;
  if (visible_)
    host_->ShowCaret();
  MoveSystemCaret();
}

void TOvcSingleCaret::SetVisible(bool visible)
{
  if (visible == visible_)
    return;
  visible_ = visible;
  if (!linked_)
    return;
  if (visible)
    host_->ShowCaret();
  else
    host_->HideCaret();
}

void TOvcSingleCaret::SetPosition(int x, int y)
{
  x_ = x < 0 ? CaretOffScreen : x;
  y_ = y < 0 ? CaretOffScreen : y;
  if (linked_)
    MoveSystemCaret();
}

void TOvcSingleCaret::SetCellHeight(int height)
{
  if (height <= 0)
    return;
  cellHeight_ = height;
  ComputeGeometry();
}

void TOvcSingleCaret::SetCellWidth(int width)
{
  if (width <= 0)
    return;
  cellWidth_ = width;
  ComputeGeometry();
}

TOvcCaretPair::TOvcCaretPair(TOvcCaretHost* host)
    : TOvcSingleCaret(host), insCaret_(std::make_shared<TOvcCaret>()), ovrCaret_(std::make_shared<TOvcCaret>())
{
  ovrCaret_->SetShape(csBlock);
  SetCaret(insCaret_);
}

void TOvcCaretPair::SetInsertMode(bool insertMode)
{
  insertMode_ = insertMode;
  SetCaret(insertMode ? insCaret_ : ovrCaret_);
}

void TOvcCaretPair::SetInsCaret(std::shared_ptr<TOvcCaret> caret)
{
  if (!caret)
    return;
  insCaret_ = std::move(caret);
  if (insertMode_)
    SetCaret(insCaret_);
}

void TOvcCaretPair::SetOvrCaret(std::shared_ptr<TOvcCaret> caret)
{
  if (!caret)
    return;
  ovrCaret_ = std::move(caret);
  if (!insertMode_)
    SetCaret(ovrCaret_);
}

}  // namespace controls
