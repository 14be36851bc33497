#include "controls/editor/Caret.h"

#include <algorithm>

namespace controls {

void TOvcCaret::SetShape(TOvcCaretShape shape)
{
  shape_ = shape;
  switch (shape) {
    case csBlock:
      align_ = caLeft;
      break;
    case csHalfBlock:
      align_ = caBottom;
      break;
    case csVertLine:
      align_ = caLeft;
      caretWidth_ = 2;
      break;
    case csHorzLine:
      align_ = caBottom;
      caretHeight_ = 2;
      break;
    case csBitmap:
      if (!bitmap_.Empty()) {
        caretHeight_ = bitmap_.Height;
        caretWidth_ = bitmap_.Width;
      }
      break;
    case csCustom:
      break;
  }
  Changed();
}

void TOvcCaret::SetAlign(TOvcCaretAlign align)
{
  align_ = align;
  Changed();
}

void TOvcCaret::SetBlinkTime(std::uint16_t milliseconds)
{
  blinkTime_ = milliseconds;
  Changed();
}

void TOvcCaret::SetCaretHeight(int height)
{
  if (height <= 0)
    return;
  caretHeight_ = height;
  Changed();
}

void TOvcCaret::SetCaretWidth(int width)
{
  if (width <= 0)
    return;
  caretWidth_ = width;
  Changed();
}

void TOvcCaret::SetIsGray(bool gray)
{
  isGray_ = gray;
  Changed();
}

void TOvcCaret::SetBitmap(const TCaretBitmap& bitmap)
{
  bitmap_ = bitmap;
  Changed();
}

void TOvcCaret::SetBitmapHotSpotX(int x)
{
  hotSpotX_ = x;
  if (shape_ == csBitmap)
    Changed();
}

void TOvcCaret::SetBitmapHotSpotY(int y)
{
  hotSpotY_ = y;
  if (shape_ == csBitmap)
    Changed();
}

int TOvcCaret::Subscribe(std::function<void()> onChange)
{
  hooks_.emplace_back(nextHook_, std::move(onChange));
  return nextHook_++;
}

void TOvcCaret::Unsubscribe(int id)
{
  std::erase_if(hooks_, [id](const auto& hook) { return hook.first == id; });
}

void TOvcCaret::Changed()
{
  const auto hooks = hooks_;
  for (const auto& [id, hook] : hooks)
    if (hook)
      hook();
}

}  // namespace controls
