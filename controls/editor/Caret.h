#pragma once
// The description of a caret: shape, alignment in the character cell, size, blink time, bitmap.

#include <cstdint>
#include <functional>
#include <vector>

namespace controls {

enum TOvcCaretShape : std::uint8_t { csBlock, csHalfBlock, csVertLine, csHorzLine, csCustom, csBitmap };
enum TOvcCaretAlign : std::uint8_t { caLeft, caTop, caRight, caBottom, caCenter };

// A caret picture: 0xAARRGGBB pixels, row by row.
struct TCaretBitmap {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;
  bool Empty() const { return Width <= 0 || Height <= 0; }
  bool operator==(const TCaretBitmap&) const = default;
};

// Shared by the controls that hold it (std::shared_ptr); every change notifies the holders.
class TOvcCaret {
 public:
  TOvcCaretShape Shape() const { return shape_; }
  TOvcCaretAlign Align() const { return align_; }
  std::uint16_t BlinkTime() const { return blinkTime_; }  // 0: the system's blink time
  int CaretHeight() const { return caretHeight_; }
  int CaretWidth() const { return caretWidth_; }
  bool IsGray() const { return isGray_; }
  const TCaretBitmap& Bitmap() const { return bitmap_; }
  int BitmapHotSpotX() const { return hotSpotX_; }
  int BitmapHotSpotY() const { return hotSpotY_; }

  void SetShape(TOvcCaretShape shape);
  void SetAlign(TOvcCaretAlign align);
  void SetBlinkTime(std::uint16_t milliseconds);
  void SetCaretHeight(int height);  // values <= 0 are ignored
  void SetCaretWidth(int width);
  void SetIsGray(bool gray);
  void SetBitmap(const TCaretBitmap& bitmap);
  void SetBitmapHotSpotX(int x);
  void SetBitmapHotSpotY(int y);

  // Holders' change hooks.
  int Subscribe(std::function<void()> onChange);
  void Unsubscribe(int id);

 private:
  void Changed();

  TOvcCaretShape shape_ = csVertLine;
  TOvcCaretAlign align_ = caLeft;
  std::uint16_t blinkTime_ = 0;
  int caretHeight_ = 10;
  int caretWidth_ = 2;
  bool isGray_ = false;
  TCaretBitmap bitmap_;
  int hotSpotX_ = 0;
  int hotSpotY_ = 0;
  std::vector<std::pair<int, std::function<void()>>> hooks_;
  int nextHook_ = 1;
};

}  // namespace controls
