// Picture names of picture cells through the image list: stored with the list and the picture's
// identity, read back under the picture's present name.

#include "grid/window/Grid.h"

namespace grid {
namespace {

// A picture's name as cells show it: "Category.Name", or the name alone.
std::string ShownPictureName(const std::string& category, const std::string& name)
{
  return category.empty() ? name : category + "." + name;
}

}  // namespace

TtsCellValue TtsBaseGrid::ReadPictureName(int dataCol, int dataRow, const TtsCellValue& stored)
{
  if (!stored.IsString())
    return stored;
  const TtsStoredPictureName parts = ParseStoredPictureName(stored.Text());
  TtsImageListComponent* const list = ImageList();
  if (!list || !store_)
    return TtsCellValue(parts.Name);
  const std::string listName = list->ListName();
  if (parts.ListIndex >= 0 && imageListIds_.NameAt(parts.ListIndex) == listName) {
    std::string category;
    std::string name;
    if (list->FindPictureName(parts.Identity, category, name)) {
      // The picture may have been renamed since: the cell follows it.
      const std::string present = ShownPictureName(category, name);
      if (present != parts.Name)
        store_->SetValue(dataCol, dataRow, skImageName,
                         TtsCellValue(StoredPictureName(present, parts.ListIndex, parts.Identity)));
      return TtsCellValue(present);
    }
  }
  if (Designing()) {
    const int identity = list->FindPictureId(parts.Name);
    if (identity >= 0)
      store_->SetValue(dataCol, dataRow, skImageName,
                       TtsCellValue(StoredPictureName(parts.Name, imageListIds_.Add(listName), identity)));
  }
  return TtsCellValue(parts.Name);
}

TtsCellValue TtsBaseGrid::PictureNameToStore(const TtsCellValue& name)
{
  TtsImageListComponent* const list = ImageList();
  if (!list || !name.IsString() || !Designing())
    return name;
  const int identity = list->FindPictureId(name.Text());
  if (identity < 0)
    return name;
  return TtsCellValue(StoredPictureName(name.Text(), imageListIds_.Add(list->ListName()), identity));
}

}  // namespace grid
