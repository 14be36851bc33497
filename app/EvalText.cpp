#include "app/EvalText.h"

#include "engine/ComplexEvaluator.h"
#include "engine/Engine.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/Host.h"
#include "engine/UserBreak.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

constexpr char kThousandSeparator = ',';
constexpr const char* kCurrencySign = "$";

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

// A byte the engine can't be given: a control character or its end marker.
bool NotAllowed(char ch)
{
  const auto code = static_cast<unsigned char>(ch);
  return code < 32 || code == 127;
}

// The output under construction: nothing is appended beyond the limit.
class TOutput {
 public:
  explicit TOutput(std::size_t limit) : limit_(limit) {}

  bool Fits(std::size_t more) const { return !full_ && more <= limit_ - text_.size(); }
  void Append(std::string_view piece)
  {
    if (Fits(piece.size()))
      text_.append(piece);
    else
      full_ = true;
  }
  void AppendValue(const TEvalFormat& format, long double value)
  {
    if (Fits(format.Length(value)))
      text_ += format.Format(value);
    else
      full_ = true;
  }
  bool Full() const { return full_; }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
  std::size_t limit_;
  bool full_ = false;
};

// The stop button confirmed, or the window closing, as opposed to a variable's question cancelled.
bool Stopped()
{
  return engine::ErrorFlag && engine::ErrorCode == engine::ecUserBreak &&
         (engine::StopFlag != 0 || engine::Host().QuitRequested());
}

// Writes the item's value, its complex value or the item itself; false when the user stopped.
bool EvalItem(std::string_view item, const TEvalFormat& format, TOutput& out)
{
  if (std::any_of(item.begin(), item.end(), NotAllowed)) {
    out.Append(item);
    return true;
  }
  engine::ErrorPos = 0;
  engine::ErrorSpan = 0;
  engine::ErrorCode = 0;
  engine::ErrorFlag = false;
  // Success is told by the error state, so a value equal to any marker is shown as well.
  const engine::Extended value = engine::EvalText(std::string(item));
  if (!engine::ErrorFlag) {
    out.AppendValue(format, value);
    return true;
  }
  if (Stopped())
    return false;
  engine::ErrorFlag = false;
  std::string text(item);
  bool failed = false;
  int pos = 0, span = 0;
  const engine::TComplex z = engine::EvaluateComplexChecked(text, failed, pos, span);
  if (Stopped())
    return false;
  if (failed) {
    out.Append(item);
    return true;
  }
  const bool polar = z.Form == engine::cfPolar;
  out.AppendValue(format, z.X);
  out.Append(polar ? "*exp(" : "+i*(");
  out.AppendValue(format, z.Y);
  out.Append(polar ? "*i)" : ")");
  return true;
}

void ClearErrorState()
{
  engine::ErrorFlag = false;
  engine::ErrorCode = 0;
  engine::ErrorPos = 0;
  engine::ErrorSpan = 0;
}

// A real rounded to at most digits significant digits, as "%.*Lf" with the decimals that leaves (never
// more than decimals); nothing when the whole part has more digits than that.
std::optional<std::string> RoundedFixed(long double value, int digits, int decimals)
{
  if (value == 0 || !std::isfinite(value))
    return Printed("%*.*Lf", 0, decimals, value);
  const std::string scientific = Printed("%*.*LE", 0, digits - 1, value);
  const int exponent = std::atoi(scientific.c_str() + scientific.find('E') + 1);
  if (exponent + 1 > digits)
    return std::nullopt;
  std::string text = Printed("%*.*Lf", 0, std::min(decimals, digits - 1 - exponent), value);
  if (decimals > 0 && text.find('.') == std::string::npos)
    text += '.';
  const std::size_t point = text.find('.');
  if (point != std::string::npos)
    text.append(std::size_t(decimals) - (text.size() - point - 1), '0');
  return text;
}

// Scientific with at most digits significant digits, the mantissa's trailing zeros dropped.
std::string ShortScientific(long double value, int digits)
{
  std::string text = Printed("%*.*LE", 0, digits - 1, value);
  const std::size_t e = text.find('E');
  std::size_t end = e;
  while (end > 0 && text[end - 1] == '0')
    --end;
  if (end > 0 && text[end - 1] == '.')
    --end;
  return text.erase(end, e - end);
}

// Thousands separators in the whole part of a fixed text.
std::string WithThousands(const std::string& text)
{
  const std::size_t digitsStart = text[0] == '-' ? 1 : 0;
  const std::size_t point = std::min(text.find('.'), text.size());
  std::string out = text.substr(0, digitsStart);
  for (std::size_t i = digitsStart; i < point; ++i) {
    out += text[i];
    const std::size_t left = point - i - 1;
    if (left > 0 && left % 3 == 0)
      out += kThousandSeparator;
  }
  return out.append(text, point);
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
    kind_ = TKind(kind - kinds.begin());
    precision_ = std::clamp(*p, 1, 18);
    decimals_ = std::min(*d, 18);
  }
}

std::string TEvalFormat::Fixed(long double value) const
{
  const std::optional<std::string> fixed = RoundedFixed(value, precision_, decimals_);
  if (!fixed)
    return ShortScientific(value, precision_);
  if (kind_ == kFixed)
    return *fixed;
  std::string number = WithThousands(*fixed);
  if (kind_ == kNumber)
    return number;
  if (number[0] == '-')
    return "-" + std::string(kCurrencySign) + number.substr(1);
  return kCurrencySign + number;
}

std::string TEvalFormat::Format(long double value) const
{
  switch (form_) {
    case fmWidth: return Printed("%*.*Lf", width_, decimals_, value);
    case fmKind:
      switch (kind_) {
        case kGeneral: return Printed("%*.*Lg", 0, precision_, value);
        case kExponent: return Printed("%*.*LE", 0, precision_ - 1, value);
        default: return Fixed(value);
      }
    default: return Printed("%*.*LE", 23, 15, value);
  }
}

std::size_t TEvalFormat::Length(long double value) const
{
  // The width form may print thousands of digits (1E+4000 fixed); the others are short.
  if (form_ == fmWidth)
    return std::size_t(std::max(std::snprintf(nullptr, 0, "%*.*Lf", width_, decimals_, value), 0));
  return Format(value).size();
}

TEvalOutcome EvalLines(const std::string& source, const TEvalFormat& format, std::size_t outputLimit)
{
  engine::StopFlag = 0;
  engine::ResetPumpClock();
  TOutput out(outputLimit);
  TEvalEnd end = TEvalEnd::Done;
  std::size_t start = 0;
  while (start <= source.size() && end == TEvalEnd::Done) {
    std::size_t stop = source.find_first_of("\r\n", start);
    const bool last = stop == std::string::npos;
    if (last)
      stop = source.size();
    if (last && start == stop && start > 0)
      break;  // the source's final line end
    TSplit piece = Split(std::string_view(source).substr(start, stop - start));
    while (!piece.blanks.empty() || !piece.item.empty() || !piece.rest.empty()) {
      out.Append(piece.blanks);
      // Between items the window stays live and the stop button is asked about once.
      if (engine::PumpAndCheckBreak() || (!piece.item.empty() && !EvalItem(piece.item, format, out))) {
        end = TEvalEnd::Stopped;
        break;
      }
      if (out.Full()) {
        end = TEvalEnd::TooLarge;
        break;
      }
      piece = Split(piece.rest);
    }
    if (last)
      break;
    start = stop + (source.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
    if (start < source.size())
      out.Append("\r\n");
  }
  if (out.Full())
    end = TEvalEnd::TooLarge;
  ClearErrorState();
  engine::StopFlag = 0;
  if (end != TEvalEnd::Done)
    return {{}, end};
  return {out.Take(), end};
}

}  // namespace app
