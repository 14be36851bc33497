#include "grid/model/ImageListIds.h"

#include <algorithm>

namespace grid {
namespace {

bool NeedsQuotes(const std::string& name)
{
  return name.empty() || std::any_of(name.begin(), name.end(), [](char c) {
           return static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"';
         });
}

bool IsSeparator(char c) { return c == ',' || static_cast<unsigned char>(c) <= ' '; }

}  // namespace

int TtsImageListIds::IndexOf(const std::string& name) const
{
  const auto found = std::find(names_.begin(), names_.end(), name);
  return found == names_.end() ? -1 : int(found - names_.begin());
}

int TtsImageListIds::Add(const std::string& name)
{
  const int index = IndexOf(name);
  if (index >= 0)
    return index;
  names_.push_back(name);
  return Count() - 1;
}

std::string TtsImageListIds::NameAt(int index) const
{
  return index >= 0 && index < Count() ? names_[std::size_t(index)] : std::string();
}

std::string TtsImageListIds::CommaText() const
{
  std::string text;
  for (const std::string& name : names_) {
    if (!text.empty())
      text += ',';
    if (!NeedsQuotes(name)) {
      text += name;
      continue;
    }
    text += '"';
    for (char c : name) {
      if (c == '"')
        text += '"';
      text += c;
    }
    text += '"';
  }
  return text;
}

void TtsImageListIds::SetCommaText(const std::string& text)
{
  names_.clear();
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    while (i < n && IsSeparator(text[i]))
      ++i;
    if (i >= n)
      break;
    std::string name;
    if (text[i] == '"') {
      for (++i; i < n; ++i) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            name += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        name += text[i];
      }
    } else {
      while (i < n && !IsSeparator(text[i]))
        name += text[i++];
    }
    Add(name);
  }
}

namespace {

constexpr char kPictureNameSeparator = '\x01';

// A decimal number of at most nine digits, else -1.
int DecimalNumber(const std::string& text)
{
  if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return -1;
  return std::stoi(text);
}

}  // namespace

std::string StoredPictureName(const std::string& name, int listIndex, int identity)
{
  return name + kPictureNameSeparator + std::to_string(listIndex) + kPictureNameSeparator + std::to_string(identity);
}

TtsStoredPictureName ParseStoredPictureName(const std::string& text)
{
  const std::size_t first = text.find(kPictureNameSeparator);
  if (first == std::string::npos)
    return {text};
  TtsStoredPictureName parts{text.substr(0, first)};
  const std::size_t second = text.find(kPictureNameSeparator, first + 1);
  if (second == std::string::npos)
    return parts;
  const int listIndex = DecimalNumber(text.substr(first + 1, second - first - 1));
  const int identity = DecimalNumber(text.substr(second + 1));
  if (listIndex >= 0 && identity >= 0) {
    parts.ListIndex = listIndex;
    parts.Identity = identity;
  }
  return parts;
}

}  // namespace grid
