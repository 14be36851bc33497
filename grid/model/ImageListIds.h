#pragma once
// The names of the image lists whose pictures stored cells refer to. A stored picture reference
// carries the index of its list's name here, so a name keeps its index once added. The table is
// kept as comma text ("ImageListIds"): names separated by commas, quoted with '"' where needed.

#include <string>
#include <vector>

namespace grid {

class TtsImageListIds {
 public:
  int Count() const { return int(names_.size()); }
  bool Empty() const { return names_.empty(); }
  // The index of a name (exact match), -1 when absent.
  int IndexOf(const std::string& name) const;
  // The index of a name, added at the end when absent.
  int Add(const std::string& name);
  // The name at an index; empty outside the table.
  std::string NameAt(int index) const;
  void Clear() { names_.clear(); }

  std::string CommaText() const;
  // Clears the table and fills it from comma text (repeated names kept once).
  void SetCommaText(const std::string& text);

 private:
  std::vector<std::string> names_;
};

// A picture name as a picture cell stores it with its image list: the name, character 1, the index
// of the list's name in the table, character 1, and the picture's identity in that list.
std::string StoredPictureName(const std::string& name, int listIndex, int identity);
struct TtsStoredPictureName {
  std::string Name;
  int ListIndex = -1;  // -1 (and Identity -1) when the text carries no valid numbers
  int Identity = -1;
};
// The parts of a stored text; a text without the numbers is a plain name.
TtsStoredPictureName ParseStoredPictureName(const std::string& text);

}  // namespace grid
