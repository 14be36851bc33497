#include "grid/model/TextRoutines.h"

#include <algorithm>
#include <cctype>

namespace grid {

namespace {

char At(std::string_view text, int i) { return i >= 0 && i < int(text.size()) ? text[std::size_t(i)] : '\0'; }

bool IsBreakChar(char c) { return c == '\r' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool SameTextIgnoringCase(std::string_view a, std::string_view b)
{
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string StripAccelerators(const std::string& text, int& position)
{
  position = 0;
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      result += text[i];
      continue;
    }
    if (i + 1 == text.size())
      break;  // a final "&" is dropped
    ++i;
    result += text[i];
    if (text[i] != '&' && position == 0)
      position = int(result.size());
  }
  return result;
}

bool SplitAt(std::string& text, std::string& head, char separator)
{
  const auto at = text.find(separator);
  if (at == std::string::npos) {
    head = std::move(text);
    text.clear();
    return false;
  }
  head = text.substr(0, at);
  text.erase(0, at + 1);
  return true;
}

std::string MakeImageRef(const std::string& name, int listNumber, int imageNumber)
{
  return name + '\1' + std::to_string(listNumber) + '\1' + std::to_string(imageNumber);
}

void ParseImageRef(const std::string& text, int& listNumber, int& imageNumber, std::string& name)
{
  listNumber = -1;
  imageNumber = -1;
  std::string rest = text;
  if (!SplitAt(rest, name, '\1'))
    return;
  std::string list;
  SplitAt(rest, list, '\1');
  listNumber = std::atoi(list.c_str());
  imageNumber = std::atoi(rest.c_str());
}

int ScanByte(std::string_view text, char byte, int length)
{
  const int n = std::min(length, int(text.size()));
  for (int i = 0; i < n; ++i) {
    if (text[std::size_t(i)] == byte)
      return i;
  }
  return -1;
}

int ScanByteBack(std::string_view text, char byte, int length)
{
  for (int i = std::min(length, int(text.size())) - 1; i >= 0; --i) {
    if (text[std::size_t(i)] == byte)
      return i;
  }
  return -1;
}

// Single-byte characters only: the double-byte skips of these searches never apply.
int FindChar(std::string_view text, char byte, int length) { return ScanByte(text, byte, length); }
int FindCharBack(std::string_view text, char byte, int length) { return ScanByteBack(text, byte, length); }

bool IsLineBreakAt(std::string_view text, int i) { return IsBreakChar(At(text, i)); }

bool SkipLineBreak(std::string_view text, int& i)
{
  const char c = At(text, i);
  if (!IsBreakChar(c))
    return false;
  const char next = At(text, i + 1);
  i += IsBreakChar(next) && next != c ? 2 : 1;
  return true;
}

int CharLenAt(std::string_view text, int i)
{
  if (At(text, i) == '\0')
    return 0;
  int end = i;
  return SkipLineBreak(text, end) ? end - i : 1;
}

int CharLenBefore(std::string_view text, int n)
{
  if (n <= 0)
    return 0;
  if (n == 1)
    return 1;
  int end = n - 2;
  return SkipLineBreak(text, end) && end == n ? 2 : 1;
}

int SkipDigits(std::string_view text, int index, int step)
{
  while (index >= 0 && index < int(text.size()) && IsDigit(text[std::size_t(index)]))
    index += step;
  return index;
}

int SkipNonDigits(std::string_view text, int index)
{
  while (index >= 0 && index < int(text.size()) && !IsDigit(text[std::size_t(index)]))
    ++index;
  return index;
}

}  // namespace grid
