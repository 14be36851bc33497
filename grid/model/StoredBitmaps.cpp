#include "grid/model/StoredBitmaps.h"

#include "platform/Bitmap.h"

namespace grid {

namespace {

std::unique_ptr<TtsBitmapSet>& Table()
{
  static std::unique_ptr<TtsBitmapSet> table;
  return table;
}

}  // namespace

TtsCompareResult TtsBitmapElement::CompareElement(const TtsSetElement& other) const
{
  const std::int64_t key[] = {static_cast<const TtsBitmapElement&>(other).Bitmap};
  return CompareKeys(key);
}

TtsCompareResult TtsBitmapElement::CompareKeys(TtsSetKey key) const
{
  const std::int64_t fields[] = {Bitmap};
  return CompareKeyFields(key, fields);
}

TtsBitmapElement* TtsBitmapSet::AddElement(std::unique_ptr<TtsBitmapElement> element)
{
  return static_cast<TtsBitmapElement*>(Add(std::move(element)));
}

TtsBitmapElement* TtsBitmapSet::FindElement(TtsPictureHandle bitmap) const
{
  const std::int64_t key[] = {bitmap};
  return static_cast<TtsBitmapElement*>(Find(key));
}

TtsBitmapElement* TtsBitmapSet::FindOrAdd(TtsPictureHandle bitmap)
{
  if (TtsBitmapElement* found = FindElement(bitmap))
    return found;
  return AddElement(std::make_unique<TtsBitmapElement>(bitmap));
}

void TtsBitmapSet::ReleaseBitmap(TtsPictureHandle bitmap)
{
  TtsBitmapElement* element = FindElement(bitmap);
  if (!element)
    return;
  if (--element->RefCount <= 0) {
    const std::int64_t key[] = {bitmap};
    Remove(key);
  }
}

TtsBitmapElement& NewStoredBitmap()
{
  auto& table = Table();
  if (!table)
    table = std::make_unique<TtsBitmapSet>();
  auto picture = std::make_shared<TtsPicture>();
  TtsBitmapElement* element = table->FindOrAdd(RegisterPicture(picture));
  element->Owned = std::move(picture);
  return *element;
}

TtsBitmapElement* FindStoredBitmap(TtsPictureHandle bitmap)
{
  const auto& table = Table();
  return table ? table->FindElement(bitmap) : nullptr;
}

void RefStoredBitmap(TtsPictureHandle bitmap, bool release)
{
  auto& table = Table();
  if (!table)
    return;
  if (release) {
    table->ReleaseBitmap(bitmap);
    return;
  }
  if (TtsBitmapElement* element = table->FindElement(bitmap))
    ++element->RefCount;
}

void DropUnreferencedStoredBitmap(TtsPictureHandle bitmap)
{
  auto& table = Table();
  const TtsBitmapElement* element = table ? table->FindElement(bitmap) : nullptr;
  if (element && element->RefCount <= 0) {
    const std::int64_t key[] = {bitmap};
    table->Remove(key);
  }
}

int StoredBitmapCount()
{
  const auto& table = Table();
  return table ? table->Count() : 0;
}

}  // namespace grid
