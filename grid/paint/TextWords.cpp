#include "grid/paint/TextWords.h"

#include "grid/model/TextRoutines.h"

#include <algorithm>

namespace grid {
namespace {

int Clip(std::string_view text, int n) { return std::clamp(n, 0, int(text.size())); }

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsWordCharAt(std::string_view text, int i)
{
  return i >= 0 && i < int(text.size()) && !IsBlank(text[std::size_t(i)]) && !IsLineBreakAt(text, i) &&
         text[std::size_t(i)] != '\0';
}

int LastBlank(std::string_view text, int n)
{
  for (int i = Clip(text, n) - 1; i >= 0; --i)
    if (IsBlank(text[std::size_t(i)]))
      return i;
  return -1;
}

int SkipBlanks(std::string_view text, int i)
{
  i = Clip(text, i);
  while (i < int(text.size()) && IsBlank(text[std::size_t(i)]))
    ++i;
  return i;
}

int LastWordCharBefore(std::string_view text, int offset)
{
  for (int i = Clip(text, offset) - 1; i >= 0; --i)
    if (IsWordCharAt(text, i))
      return i;
  return -1;
}

int NextWordDistance(std::string_view text, int offset)
{
  const int start = Clip(text, offset);
  int i = start;
  while (IsWordCharAt(text, i))
    ++i;
  while (i < int(text.size()) && !IsWordCharAt(text, i))
    ++i;
  return i - start;
}

int PreviousWordDistance(std::string_view text, int offset)
{
  const int start = Clip(text, offset);
  int i = start;
  while (i > 0 && !IsWordCharAt(text, i - 1))
    --i;
  while (i > 0 && IsWordCharAt(text, i - 1))
    --i;
  return start - i;
}

bool IsLineBreakBefore(std::string_view text, int offset)
{
  return offset > 0 && offset <= int(text.size()) && IsLineBreakAt(text, offset - 1);
}

int CharsToBytes(std::string_view text, int n) { return Clip(text, n); }
int CharsToBytesFromEnd(std::string_view text, int n) { return Clip(text, n); }
int BytesToChars(std::string_view text, int n) { return Clip(text, n); }

}  // namespace grid
