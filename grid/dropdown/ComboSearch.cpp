#include "grid/dropdown/ComboSearch.h"

#include "grid/dropdown/DropDownCell.h"

#include <algorithm>
#include <cctype>

namespace grid {

namespace {

template <class Fold>
int CompareFolded(const std::string& a, const std::string& b, int n, Fold fold)
{
  if (n <= 0) {
    if (a.empty() && b.empty())
      return 0;
    return a.empty() ? -1 : 1;
  }
  for (int i = 0; i < n; ++i) {
    const int ca = i < int(a.size()) ? fold(static_cast<unsigned char>(a[std::size_t(i)])) : 0;
    const int cb = i < int(b.size()) ? fold(static_cast<unsigned char>(b[std::size_t(i)])) : 0;
    if (ca != cb)
      return ca - cb;
    if (ca == 0)
      return 0;
  }
  return 0;
}

// Latin-1 letters fold to upper case (ß and ÿ stay).
int FoldCase(unsigned char c)
{
  if (c >= 'a' && c <= 'z')
    return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
    return c - 32;
  return c;
}

}  // namespace

int CompareTextCase(const std::string& a, const std::string& b, int n)
{
  return CompareFolded(a, b, n, [](unsigned char c) { return int(c); });
}

int CompareTextNoCase(const std::string& a, const std::string& b, int n) { return CompareFolded(a, b, n, FoldCase); }

int TtsComboSearch::Compare(const std::string& a, const std::string& b, int n) const
{
  switch (list_.CompareType) {
    case ctCaseSensitive:
      return CompareTextCase(a, b, n);
    case ctOwn:
      return own_ ? own_(a, b, n) : 0;
    default:
      return CompareTextNoCase(a, b, n);
  }
}

bool TtsComboSearch::SameText(const std::string& a, const std::string& b) const
{
  return a.size() == b.size() && Compare(a, b, int(a.size())) == 0;
}

std::string TtsComboSearch::ValueOf(int row) const
{
  if (list_.ValueCol < 1 || list_.ValueCol > list_.Cols() || row < 1 || row > list_.Rows())
    return {};
  return CellValueText(list_.Cell(list_.ValueCol, row));
}

bool TtsComboSearch::BeginsWith(const std::string& value, const std::string& text) const
{
  return value.size() >= text.size() && Compare(value, text, int(text.size())) == 0;
}

int TtsComboSearch::LinearSearch(const std::string& text, int from, int to, bool& found) const
{
  const int t = int(text.size());
  int best = 0;
  int result = 0;
  for (int row = from; row <= to; ++row) {
    const std::string s = ValueOf(row);
    const int n = std::min(t, int(s.size()));
    if (n > best && Compare(text, s, n) == 0) {
      result = row;
      found = true;
      best = n;
      if (n == t)
        break;
    }
  }
  return result;
}

int TtsComboSearch::FindComboRow(const std::string& text, bool wholeText, bool& found) const
{
  found = false;
  const int rows = list_.Rows();
  int result = text.empty() ? std::min(1, rows) : list_.CurrentDataRow();
  if (text.empty())
    return result;
  if (!list_.ValueColSorted) {
    const int row = LinearSearch(text, 1, rows, found);
    return found ? row : result;
  }
  int best = wholeText ? int(text.size()) : 1;
  int lo = 1;
  int hi = rows;
  while (hi >= lo) {
    const int mid = (lo + hi) / 2;
    const std::string s = ValueOf(mid);
    const int n = std::min(int(s.size()), int(text.size()));
    const int c = Compare(s, text, n);
    if (c > 0) {
      hi = mid - 1;
    } else if (c < 0 || n < best) {
      lo = mid + 1;
    } else {
      result = mid;
      found = true;
      best = n;
      if (text.size() < s.size())
        hi = mid - 1;
      else if (s.size() < text.size())
        lo = mid + 1;
      else
        break;
    }
  }
  if (!found)
    result = std::max(1, std::min(lo - 1, rows));
  return result;
}

int TtsComboSearch::FindNextComboRow(const std::string& text, bool& found) const
{
  found = false;
  const int at = list_.CurrentDataRow();
  const int rows = list_.Rows();
  if (list_.ValueColSorted) {
    if (at < rows) {
      const std::string next = ValueOf(at + 1);
      if (!next.empty() && SameText(next.substr(0, 1), text)) {
        found = true;
        return at + 1;
      }
    }
    return FindComboRow(text, false, found);
  }
  int row = LinearSearch(text, at + 1, rows, found);
  if (!found)
    row = LinearSearch(text, 1, at - 1, found);
  return found ? row : at;
}

int TtsComboSearch::FindComboRowByKey(char key, const std::string& cellText, bool& found) const
{
  const std::string k(1, key);
  if (cellText.empty() || !SameText(cellText.substr(0, 1), k))
    return FindComboRow(k, false, found);
  const int current = list_.CurrentDataRow();
  if (current >= 1 && SameText(cellText, ValueOf(current)))
    return FindNextComboRow(k, found);
  const int row = FindComboRow(cellText, false, found);
  if (BeginsWith(ValueOf(row), k))
    return FindNextComboRow(k, found);
  return FindComboRow(k, false, found);
}

int TtsComboSearch::IncrementalComboFind(char key, const std::string& cellText, bool& found, std::string& searchText,
                                         std::int64_t& searchTick, std::int64_t now) const
{
  found = false;
  if (searchTick != 0 && now - searchTick >= kSearchLifetime) {
    searchText.clear();
    searchTick = 0;
  }
  const std::string k(1, key);
  int row = 0;
  if (!searchText.empty()) {
    const std::string grown = searchText + key;
    row = FindComboRow(grown, true, found);
    if (found && BeginsWith(ValueOf(row), grown)) {
      searchText = grown;
    } else {
      found = false;
      if (searchText.size() == 1 && SameText(searchText, k)) {
        row = FindComboRowByKey(key, cellText, found);
        if (found)
          searchText = k;
      }
    }
  } else {
    row = FindComboRow(k, true, found);
    if (found)
      searchText = k;
  }
  searchTick = now;
  return row;
}

}  // namespace grid
