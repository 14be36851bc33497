#include "app/EvalText.h"

#include "engine/ComplexEvaluator.h"
#include "engine/Engine.h"
#include "engine/Evaluator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

namespace app {
namespace {

std::optional<int> Whole(std::string_view text)
{
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 0 || value > 1000)
    return std::nullopt;
  return value;
}

// A real printed with a width and a precision ("%*.*Lf" and the like).
// Sized by a first count, so a long value (a fixed form of 1E+4000 has 4001 digits) is never cut.
std::string Printed(const char* pattern, int width, int precision, long double value)
{
  const int length = std::snprintf(nullptr, 0, pattern, width, precision, value);
  if (length <= 0)
    return {};
  std::string text(std::size_t(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), pattern, width, precision, value);
  text.resize(std::size_t(length));
  return text;
}

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// Leading blanks and tabs, the item after them, and the rest.
struct TSplit {
  std::string_view blanks, item, rest;
};

TSplit Split(std::string_view text)
{
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  std::size_t j = i;
  while (j < text.size() && !IsBlank(text[j]))
    ++j;
  return {text.substr(0, i), text.substr(i, j - i), text.substr(j)};
}

std::string EvalItem(std::string_view item, const TEvalFormat& format)
{
  engine::ErrorPos = 0;
  engine::ErrorSpan = 0;
  engine::ErrorCode = 0;
  engine::ErrorFlag = false;
  // Success is told by the error state, so a value equal to any marker is shown as well.
  const engine::Extended value = engine::EvalText(std::string(item));
  if (!engine::ErrorFlag)
    return format.Format(value);
  engine::ErrorFlag = false;
  std::string text(item);
  bool failed = false;
  int pos = 0, span = 0;
  const engine::TComplex z = engine::EvaluateComplexChecked(text, failed, pos, span);
  if (failed)
    return std::string(item);
  if (z.Form == engine::cfPolar)
    return format.Format(z.X) + "*exp(" + format.Format(z.Y) + "*i)";
  return format.Format(z.X) + "+i*(" + format.Format(z.Y) + ")";
}

}  // namespace

TEvalFormat::TEvalFormat(const std::string& text)
{
  std::string s;
  for (const char ch : text)
    if (ch != ' ')
      s += char(std::toupper(static_cast<unsigned char>(ch)));
  if (const std::size_t colon = s.find(':'); colon != std::string::npos) {
    const auto w = Whole(std::string_view(s).substr(0, colon));
    const auto d = Whole(std::string_view(s).substr(colon + 1));
    if (w && d) {
      form_ = fmWidth;
      width_ = *w;
      decimals_ = *d;
    }
    return;
  }
  if (s.find("FF") == std::string::npos)
    return;
  static constexpr std::array<std::string_view, 5> kinds = {"FFGENERAL", "FFEXPONENT", "FFFIXED", "FFNUMBER",
                                                            "FFCURRENCY"};
  const std::size_t comma = s.find(',');
  const auto kind = std::find(kinds.begin(), kinds.end(), std::string_view(s).substr(0, comma));
  if (comma == std::string::npos || kind == kinds.end())
    return;
  const std::string_view numbers = std::string_view(s).substr(comma + 1);
  const std::size_t next = numbers.find(',');
  if (next == std::string_view::npos)
    return;
  const auto p = Whole(numbers.substr(0, next));
  const auto d = Whole(numbers.substr(next + 1));
  if (p && d) {
    form_ = fmKind;
    kind_ = int(kind - kinds.begin());
    precision_ = std::clamp(*p, 1, 18);
    decimals_ = std::min(*d, 18);
  }
}

std::string TEvalFormat::Format(long double value) const
{
  switch (form_) {
    case fmWidth: return Printed("%*.*Lf", width_, decimals_, value);
    case fmKind:
      switch (kind_) {
        case 0: return Printed("%*.*Lg", 0, precision_, value);
        case 1: return Printed("%*.*LE", 0, precision_ - 1, value);
        default: return Printed("%*.*Lf", 0, decimals_, value);
      }
    default: return Printed("%*.*LE", 23, 15, value);
  }
}

std::string EvalLines(const std::string& source, const TEvalFormat& format)
{
  std::string out;
  std::size_t start = 0;
  while (start <= source.size()) {
    std::size_t end = source.find_first_of("\r\n", start);
    const bool last = end == std::string::npos;
    if (last)
      end = source.size();
    if (last && start == end && start > 0)
      break;  // the source's final line end
    TSplit piece = Split(std::string_view(source).substr(start, end - start));
    while (!piece.blanks.empty() || !piece.item.empty() || !piece.rest.empty()) {
      out.append(piece.blanks);
      if (!piece.item.empty())
        out += EvalItem(piece.item, format);
      piece = Split(piece.rest);
    }
    if (last)
      break;
    start = end + (source.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    if (start < source.size())
      out += "\r\n";
  }
  return out;
}

}  // namespace app
