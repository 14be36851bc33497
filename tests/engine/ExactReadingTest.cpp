// Literals read exactly, whole-number powers by multiplication, error positions mapped onto the typed
// text, and built-in names found through the index: each checked against the plain definition.
#include "EngineFixture.h"

#include "engine/CharClasses.h"

#include <algorithm>
#include <cstdlib>
#include <random>

namespace engine {
namespace {

class ExactReadingTest : public EngineFixture {};

std::string RandomDigits(std::mt19937& random, int count)
{
  std::string digits;
  for (int i = 0; i < count; ++i)
    digits += static_cast<char>('0' + random() % 10);
  return digits;
}

TEST_F(ExactReadingTest, DecimalLiteralsReadAsTheCorrectlyRoundedValue)
{
  const char* const literals[] = {
      "0.1",  "0.3",  "1.5",  "123456789012345678.9", "9999999999999999999", "18446744073709551615",
      "1E27", "1E28", "1E-27", "1E-28", "1.7976931348623157E308", ".000000000000000000000000001",
      "0.0",  "0E99999", "3.14159265358979323846", "12345678901234567891E-5", "5E-4951", "1E4932"};
  for (const char* literal : literals) {
    const Extended expected = std::strtold(literal, nullptr);
    EXPECT_EQ(Value(literal), expected) << literal;
  }

  // Random literals of 1 to 22 digits with and without a point and an exponent.
  std::mt19937 random(12);
  for (int i = 0; i < 20000; ++i) {
    std::string text = RandomDigits(random, 1 + static_cast<int>(random() % 12));
    if (random() % 2)
      text += "." + RandomDigits(random, 1 + static_cast<int>(random() % 10));
    if (random() % 2)
      text += "E" + std::string(random() % 2 ? "-" : "") + std::to_string(random() % 40);
    const Extended expected = std::strtold(text.c_str(), nullptr);
    ASSERT_EQ(Value(text), expected) << text;
  }
}

TEST_F(ExactReadingTest, WholeNumberPowers)
{
  const Extended x = 1.0000000000000000001L;
  VarValues[1] = x;
  EXPECT_EQ(Value("x^2"), x * x);
  EXPECT_EQ(Value("x^-1"), 1 / x);
  VarValues[1] = 0.1L;
  EXPECT_EQ(Value("x^2"), 0.1L * 0.1L);
  EXPECT_EQ(Value("(0-2)^3"), -8);
  EXPECT_EQ(Value("(0-2)^-2"), 0.25L);
  EXPECT_EQ(Value("2^4"), 16);
  EXPECT_EQ(Value("7^0"), 1);
  EXPECT_EQ(Value("3^64"), 3433683820292512484657849089281.0L);

  // Beyond the range the logarithmic path decides as before.
  EXPECT_EQ(Value("1E-3000^2"), 0);  // below the smallest normal value: 0 without an error
  EXPECT_EQ(Error("1E3000^2"), ecOverflow);
  EXPECT_EQ(Error("0^0"), ecDivisionByZero);
  EXPECT_EQ(Error("0^-2"), ecDivisionByZero);
  EXPECT_EQ(Error("(0-2)^0.5"), ecArgumentNegative);
}

// The typed text with its first `count` blanks deleted.
std::string WithoutFirstBlanks(const std::string& typed, int count)
{
  std::string result;
  for (const char c : typed) {
    if (c == ' ' && count > 0)
      --count;
    else
      result += c;
  }
  return result;
}

// The characters [pos, pos + count) of a text (1-based), cut at its end.
std::string Part(const std::string& text, int pos, int count)
{
  const auto start = static_cast<std::size_t>(std::max(pos - 1, 0));
  return start >= text.size() || count <= 0 ? std::string() : text.substr(start, static_cast<std::size_t>(count));
}

// MapEvalErrorPosition by its definition: the fewest deleted blanks, in order, after which the error's
// prefix and then its span read as in the stripped text.
void MapByDefinition(const std::string& typed, const std::string& stripped, int& pos, int& span)
{
  const int blanks = static_cast<int>(std::count(typed.begin(), typed.end(), ' '));
  int before = 0;
  while (before < blanks && Part(WithoutFirstBlanks(typed, before), 1, pos) != Part(stripped, 1, pos))
    ++before;
  int all = before;
  while (all < blanks && Part(WithoutFirstBlanks(typed, all), pos, span) != Part(stripped, pos, span))
    ++all;
  pos += before;
  span += all - before;
}

TEST_F(ExactReadingTest, ErrorPositionsMapOntoTheTypedTextAsByDeletingBlanks)
{
  std::mt19937 random(7);
  for (int i = 0; i < 3000; ++i) {
    std::string typed;
    const int length = static_cast<int>(random() % 30);
    for (int k = 0; k < length; ++k)
      typed += random() % 3 == 0 ? ' ' : static_cast<char>('a' + random() % 3);
    std::string stripped = typed;
    std::erase(stripped, ' ');
    const int pos = static_cast<int>(random() % (stripped.size() + 3));
    const int span = static_cast<int>(random() % 5);
    int expectedPos = pos;
    int expectedSpan = span;
    MapByDefinition(typed, stripped, expectedPos, expectedSpan);
    ExprString = stripped;
    ErrorPos = pos;
    ErrorSpan = span;
    MapEvalErrorPosition(typed);
    ASSERT_EQ(ErrorPos, expectedPos) << '"' << typed << "\" " << pos << ' ' << span;
    ASSERT_EQ(ErrorSpan, expectedSpan) << '"' << typed << "\" " << pos << ' ' << span;
  }
}

TEST_F(ExactReadingTest, EveryBuiltinNameIsFoundAsByASearchInTableOrder)
{
  const auto table = FunctionTable();
  auto upper = [](std::string_view text) {
    std::string result(text);
    for (char& c : result)
      c = static_cast<char>(ToUpperAscii(static_cast<unsigned char>(c)));
    return result;
  };
  auto search = [&](const std::string& name) -> const TFunctionEntry* {
    for (const TFunctionEntry& entry : table) {
      const std::string key = entry.ArgKind == akNone ? name.substr(0, name.size() - 1) : name;
      if (upper(entry.Name) == key)
        return &entry;
    }
    return nullptr;
  };
  std::vector<std::string> names;
  for (const TFunctionEntry& entry : table) {
    const std::string name = upper(entry.Name);
    names.push_back(entry.ArgKind == akNone ? name + "+" : name);
    names.push_back(name + ")");
    names.push_back(name.substr(0, name.size() - 1) + "(");
  }
  for (const char* other : {"NOSUCH(", "SINH", "S(", "(", "PI(", "XX+"})
    names.emplace_back(other);
  for (const std::string& name : names) {
    const TFunctionEntry* entry = search(name);
    EXPECT_EQ(FindFunctionEntry(name), entry) << name;
    if (entry != nullptr) {
      EXPECT_EQ(ArgKindOf(entry->Code), entry->ArgKind) << name;
    }
  }
}

}  // namespace
}  // namespace engine
