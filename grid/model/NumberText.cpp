#include "grid/model/NumberText.h"

#include "grid/model/CellValue.h"

#include <cmath>
#include <cstdlib>

namespace grid {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumberChar(char c, const TtsNumberFormat& f)
{
  return IsDigit(c) || c == '+' || c == '-' || c == f.ThousandSeparator || c == f.DecimalSeparator;
}

bool ParseNumber(const std::string& text, const TtsNumberFormat& format, double& value)
{
  std::string plain = text;
  RemoveThousands(plain, format);
  const auto begin = plain.find_first_not_of(' ');
  const auto end = plain.find_last_not_of(' ');
  if (begin == std::string::npos)
    return false;
  plain = plain.substr(begin, end - begin + 1);
  for (char& c : plain) {
    if (c == format.DecimalSeparator)
      c = '.';
    else if (c == '.' || c == 'x' || c == 'X' || c == 'p' || c == 'P' || c == 'n' || c == 'N' || c == 'i' || c == 'I')
      return false;  // no hexadecimal, infinity or not-a-number forms
  }
  char* stop = nullptr;
  value = std::strtod(plain.c_str(), &stop);
  return stop == plain.c_str() + plain.size() && std::isfinite(value);
}

std::string GeneralText(double value, const TtsNumberFormat& format)
{
  std::string text = TtsCellValue(value).AsString();
  for (char& c : text) {
    if (c == '.')
      c = format.DecimalSeparator;
  }
  return text;
}

std::size_t IntegerEnd(const std::string& text, const TtsNumberFormat& format)
{
  const auto at = text.find(format.DecimalSeparator);
  return at == std::string::npos ? text.size() : at;
}

}  // namespace

bool RemoveThousands(std::string& text, const TtsNumberFormat& format)
{
  std::string result;
  bool removed = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != format.ThousandSeparator) {
      result += c;
      continue;
    }
    const bool afterDigit = i > 0 && IsDigit(text[i - 1]);
    std::size_t digits = 0;
    while (i + 1 + digits < text.size() && IsDigit(text[i + 1 + digits]))
      ++digits;
    if (!afterDigit || digits != 3)
      return false;
    removed = true;
  }
  text = result;
  return removed;
}

void InsertThousands(std::string& text, const TtsNumberFormat& format)
{
  std::size_t begin = text.empty() || IsDigit(text[0]) ? 0 : 1;
  std::size_t end = begin;
  while (end < text.size() && IsDigit(text[end]))
    ++end;
  for (std::size_t at = end; at > begin + 3;) {
    at -= 3;
    text.insert(at, 1, format.ThousandSeparator);
  }
}

bool IsNumberText(const std::string& text, const TtsNumberFormat& format)
{
  double value = 0;
  return ParseNumber(text, format, value);
}

std::string AddToNumberText(const std::string& text, double amount, const TtsNumberFormat& format)
{
  if (text.empty())
    return GeneralText(amount, format);
  double value = 0;
  if (!ParseNumber(text, format, value))
    return text;
  std::string result = GeneralText(value + amount, format);
  if (text.find(format.ThousandSeparator) != std::string::npos)
    InsertThousands(result, format);
  return result;
}

bool FindNumberAt(const std::string& text, int position, int& start, int& length, const TtsNumberFormat& format)
{
  const int size = int(text.size());
  auto runAround = [&](auto inRun, int& first, int& last) {
    int at = position - 1;  // the character at the position, else the one before it
    if (at >= size || at < 0 || !inRun(text[std::size_t(at)]))
      --at;
    if (at < 0 || at >= size || !inRun(text[std::size_t(at)]))
      return false;
    first = at;
    last = at;
    while (first > 0 && inRun(text[std::size_t(first - 1)]))
      --first;
    while (last + 1 < size && inRun(text[std::size_t(last + 1)]))
      ++last;
    return true;
  };
  int first = 0;
  int last = 0;
  if (runAround([&](char c) { return IsNumberChar(c, format); }, first, last) &&
      IsNumberText(text.substr(std::size_t(first), std::size_t(last - first + 1)), format)) {
    start = first + 1;
    length = last - first + 1;
    return true;
  }
  if (!runAround([](char c) { return IsDigit(c); }, first, last))
    return false;
  if (first > 0 && (text[std::size_t(first - 1)] == '-' || text[std::size_t(first - 1)] == '+') &&
      (first < 2 || !IsDigit(text[std::size_t(first - 2)])))
    --first;
  start = first + 1;
  length = last - first + 1;
  return true;
}

std::string KeepDecimals(const std::string& oldText, std::string newText, const TtsNumberFormat& format)
{
  const auto oldAt = oldText.find(format.DecimalSeparator);
  if (oldAt == std::string::npos)
    return newText;
  const std::size_t decimals = oldText.size() - oldAt - 1;
  auto newAt = newText.find(format.DecimalSeparator);
  if (newAt == std::string::npos) {
    newText += format.DecimalSeparator;
    newAt = newText.size() - 1;
  }
  while (newText.size() - newAt - 1 < decimals)
    newText += '0';
  return newText;
}

std::string KeepIntegerWidth(const std::string& oldText, const std::string& newText, const TtsNumberFormat& format)
{
  std::string result = KeepDecimals(oldText, newText, format);
  const std::size_t oldWidth = IntegerEnd(oldText, format);
  while (IntegerEnd(result, format) < oldWidth) {
    const std::size_t distance = IntegerEnd(result, format);  // characters before the decimal separator
    const char old = oldText[oldWidth - distance - 1];
    result.insert(0, 1, old == format.ThousandSeparator ? format.ThousandSeparator : '0');
  }
  return result;
}

std::string SpinNumberAt(const std::string& text, int position, int& start, int& length, double amount,
                         const TtsNumberFormat& format)
{
  int foundLength = 0;
  if (!FindNumberAt(text, position, start, foundLength, format)) {
    length = 0;
    return text;
  }
  const std::string number = text.substr(std::size_t(start - 1), std::size_t(foundLength));
  std::string stepped = AddToNumberText(number, amount, format);
  length = foundLength;
  if (stepped == number)
    return text;
  stepped = KeepDecimals(number, stepped, format);
  length = int(stepped.size());
  return text.substr(0, std::size_t(start - 1)) + stepped + text.substr(std::size_t(start - 1 + foundLength));
}

}  // namespace grid
