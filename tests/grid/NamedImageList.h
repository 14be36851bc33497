#pragma once
// An image list of named pictures for tests: each picture "Category.Name" or a bare name, by
// identity; steps go in identity order, and a step from no picture starts at either end.

#include "grid/model/Definitions.h"

#include <iterator>
#include <map>
#include <string>

namespace grid {

class NamedImageList : public TtsImageListComponent {
 public:
  void AddLink(TtsComponentLink<TtsImageListComponent>& link) override { link.StoreComponent(this); }
  void RemoveLink(TtsComponentLink<TtsImageListComponent>& link) override { link.StoreComponent(nullptr); }
  TtsCellValue FindImage(const TtsCellValue&) override { return {}; }
  std::string ListName() const override { return "Weather"; }
  int FindPictureId(const std::string& name) override
  {
    for (const auto& [identity, shown] : pictures)
      if (shown == name)
        return identity;
    return -1;
  }
  bool FindPictureName(int identity, std::string& category, std::string& name) override
  {
    const auto found = pictures.find(identity);
    if (found == pictures.end())
      return false;
    const std::size_t dot = found->second.find('.');
    category = dot == std::string::npos ? "" : found->second.substr(0, dot);
    name = dot == std::string::npos ? found->second : found->second.substr(dot + 1);
    return true;
  }
  int StepPictureId(const std::string& name, bool forward) override
  {
    if (pictures.empty())
      return -1;
    const int at = FindPictureId(name);
    if (at < 0)
      return forward ? pictures.begin()->first : pictures.rbegin()->first;
    const auto found = pictures.find(at);
    if (forward)
      return std::next(found) == pictures.end() ? -1 : std::next(found)->first;
    return found == pictures.begin() ? -1 : std::prev(found)->first;
  }

  std::map<int, std::string> pictures;
};

}  // namespace grid
