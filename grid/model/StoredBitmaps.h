#pragma once
// The process-wide, reference-counted table of the pictures that cell stores made while reading
// streams, and the plain bitmap set that a stream writer numbers its pictures with.

#include "grid/model/ObjectSet.h"
#include "grid/model/PictureHandles.h"

namespace grid {

class TtsBitmapElement : public TtsSetElement {
 public:
  explicit TtsBitmapElement(TtsPictureHandle bitmap) : Bitmap(bitmap) {}

  TtsCompareResult CompareElement(const TtsSetElement& other) const override;
  TtsCompareResult CompareKeys(TtsSetKey key) const override;

  TtsPictureHandle Bitmap;
  int RefCount = 0;      // cells holding the picture
  int StreamNumber = 0;  // 1-based number in the stream being written; 0 when not written yet
  TtsPicturePtr Owned;   // set when the element owns its picture (freed with the element)
};

class TtsBitmapSet : public TtsObjectSet {
 public:
  TtsBitmapElement* AddElement(std::unique_ptr<TtsBitmapElement> element);
  TtsBitmapElement* FindElement(TtsPictureHandle bitmap) const;
  // The existing element, or a new one (count 0, number 0, not owning).
  TtsBitmapElement* FindOrAdd(TtsPictureHandle bitmap);
  // One reference fewer; at 0 the element goes (an owning one frees its picture).
  void ReleaseBitmap(TtsPictureHandle bitmap);
};

// A new empty picture owned by the process-wide table.
TtsBitmapElement& NewStoredBitmap();
TtsBitmapElement* FindStoredBitmap(TtsPictureHandle bitmap);
// A cell took (release false) or dropped (release true) a picture; pictures without an element
// in the table are the application's and are left alone.
void RefStoredBitmap(TtsPictureHandle bitmap, bool release);
// Removes the picture's element when no cell holds it (pictures made for cells a load dropped).
void DropUnreferencedStoredBitmap(TtsPictureHandle bitmap);
// Number of pictures in the process-wide table (0 before the first).
int StoredBitmapCount();

}  // namespace grid
