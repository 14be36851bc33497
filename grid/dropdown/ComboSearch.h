#pragma once
// Searching a combo's list for typed text: the comparisons by compare type, the row of a text
// (a binary search over a sorted value column, else the longest prefix match), the next row that
// begins with a key (wrapping), and the incremental search of sorted lists, whose text lives for two
// seconds between keys.

#include "grid/dropdown/ComboGrid.h"

#include <cstdint>
#include <functional>
#include <string>

namespace grid {

// Over the first n characters; with n 0: 0 when both are empty, else positive when a is not empty.
int CompareTextCase(const std::string& a, const std::string& b, int n);
int CompareTextNoCase(const std::string& a, const std::string& b, int n);

class TtsComboSearch {
 public:
  // ctOwn: the owner's comparison events (a, b, n).
  using OwnCompare = std::function<int(const std::string& a, const std::string& b, int n)>;
  using Clock = std::function<std::int64_t()>;  // milliseconds
  static constexpr std::int64_t kSearchLifetime = 2000;

  TtsComboSearch(TtsComboGrid& list, OwnCompare own) : list_(list), own_(std::move(own)) {}

  int Compare(const std::string& a, const std::string& b, int n) const;
  bool SameText(const std::string& a, const std::string& b) const;
  // The value of a list row (its ValueCol), as text.
  std::string ValueOf(int row) const;

  int FindComboRow(const std::string& text, bool wholeText, bool& found) const;
  int FindNextComboRow(const std::string& text, bool& found) const;
  int FindComboRowByKey(char key, const std::string& cellText, bool& found) const;
  // Sorted lists: the search text grows with each key that still matches.
  int IncrementalComboFind(char key, const std::string& cellText, bool& found, std::string& searchText,
                           std::int64_t& searchTick, std::int64_t now) const;

 private:
  int LinearSearch(const std::string& text, int from, int to, bool& found) const;
  bool BeginsWith(const std::string& value, const std::string& text) const;

  TtsComboGrid& list_;
  OwnCompare own_;
};

}  // namespace grid
