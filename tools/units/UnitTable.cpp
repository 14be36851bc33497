#include "tools/units/UnitTable.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace tools {
namespace {

// The runtime's text-file reading: whole lines, and numbers that skip blanks and line ends.
class TTableText {
public:
  explicit TTableText(std::string_view bytes) : text_(bytes) {}

  std::optional<std::string> Line()
  {
    if (at_ >= text_.size()) return std::nullopt;
    const auto end = text_.find_first_of("\r\n", at_);
    std::string line(text_.substr(at_, end == std::string_view::npos ? std::string_view::npos : end - at_));
    at_ = end == std::string_view::npos ? text_.size() : end;
    SkipLineEnd();
    return line;
  }

  void SkipRestOfLine()
  {
    while (at_ < text_.size() && text_[at_] != '\r' && text_[at_] != '\n') ++at_;
    SkipLineEnd();
  }

  std::optional<double> Number()
  {
    const auto token = Token();
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || error != std::errc() || end != token.data() + token.size()) return std::nullopt;
    return value;
  }

  // A count: a whole number from 0 to kMaxUnitCount.
  std::optional<int> Count()
  {
    const auto token = Token();
    int value = -1;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || error != std::errc() || end != token.data() + token.size()) return std::nullopt;
    if (value < 0 || value > kMaxUnitCount) return std::nullopt;
    return value;
  }

private:
  std::string_view Token()
  {
    while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
    const auto start = at_;
    while (at_ < text_.size() && !IsBlank(text_[at_])) ++at_;
    std::string_view token = text_.substr(start, at_ - start);
    if (!token.empty() && token.front() == '+') token.remove_prefix(1);  // from_chars takes no plus sign
    return token;
  }

  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\x1a'; }

  void SkipLineEnd()
  {
    if (at_ < text_.size() && text_[at_] == '\r') ++at_;
    if (at_ < text_.size() && text_[at_] == '\n') ++at_;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

std::optional<TUnitCategory> ReadCategory(TTableText& text)
{
  TUnitCategory category;
  auto name = text.Line();
  const auto count = text.Count();
  if (!name || !count) return std::nullopt;
  category.Name = std::move(*name);
  text.SkipRestOfLine();
  const int units = *count;
  for (int i = 0; i < units; ++i) {
    auto unit = text.Line();
    if (!unit) return std::nullopt;
    category.Units.push_back(std::move(*unit));
  }
  category.Factors.assign(units, std::vector<double>(units, 0.0));
  for (int k = 0; k < units; ++k) {
    for (int j = 0; j < units; ++j) {
      const auto factor = text.Number();
      if (!factor) return std::nullopt;
      category.Factors[j][k] = *factor;
    }
  }
  if (units > 0)  // a category without units has no factor line to finish
    text.SkipRestOfLine();
  return category;
}

}  // namespace

TUnitTableRead ReadUnitTable(std::string_view bytes)
{
  TUnitTableRead read;
  TTableText text(bytes);
  const auto count = text.Count();
  if (!count) {
    read.Damaged = !bytes.empty();
    return read;
  }
  text.SkipRestOfLine();
  for (int i = 0; i < *count; ++i) {
    auto category = ReadCategory(text);
    if (!category) {
      read.Damaged = true;
      break;
    }
    read.Table.Categories.push_back(std::move(*category));
  }
  return read;
}

TUnitTableFile LoadUnitTable(const std::string& path)
{
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return {};
  return {true, ReadUnitTable(bytes)};
}

}  // namespace tools
