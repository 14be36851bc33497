#include "engine/FunctionTable.h"

#include "engine/CharClasses.h"

#include <array>
#include <cstdint>
#include <string>

namespace engine {

namespace {

constexpr std::array<TFunctionEntry, 132> Entries{{
    {"min(", 0, 3},        {"sin(", 1, 1},        {"arcsin(", 2, 1},    {"arccos(", 3, 1},
    {"arctan(", 4, 1},     {"arcsinh(", 5, 1},    {"arccosh(", 6, 1},   {"arctanh(", 7, 1},
    {"sinh(", 8, 1},       {"cosh(", 9, 1},       {"tanh(", 10, 1},     {"random", 11, 0},
    {"cos(", 12, 1},       {"tan(", 13, 1},       {"exp(", 14, 1},      {"sqrt(", 15, 1},
    {"ln(", 16, 1},        {"log(", 17, 1},       {"Jn(", 18, 2},       {"Yn(", 19, 2},
    {"In(", 20, 2},        {"Kn(", 21, 2},        {"solve(", 22, 3},    {"Ci(", 23, 1},
    {"Si(", 24, 1},        {"erf(", 25, 1},       {"gamma(", 26, 1},    {"integral(", 27, 3},
    {"\xB6", 28, 0},       {"pi", 29, 0},         {"e", 30, 0},         {"n!(", 31, 1},
    {"eFD(", 32, 2},       {"abs(", 33, 1},       {"round(", 34, 1},    {"frac(", 35, 1},
    {"trunc(", 36, 1},     {"max(", 37, 3},       {"mean(", 38, 1},     {"std(", 39, 1},
    {"sqr(", 40, 1},       {"sum(", 41, 1},       {"gauss(", 42, 2},    {"poly(", 43, 1},
    {"stat(", 44, 2},      {"ft_m(", 45, 1},      {"m_ft(", 46, 1},     {"ml_km(", 47, 1},
    {"km_ml(", 48, 1},     {"lb_g(", 49, 1},      {"g_lb(", 50, 1},     {"pt_l(", 51, 1},
    {"l_pt(", 52, 1},      {"gl_l(", 53, 1},      {"l_gl(", 54, 1},     {"yd_m(", 55, 1},
    {"m_yd(", 56, 1},      {"in_m(", 57, 1},      {"m_in(", 58, 1},     {"oc_g(", 59, 1},
    {"g_oc(", 60, 1},      {"br_l(", 61, 1},      {"br_oc(", 62, 1},    {"usgl_cm(", 63, 1},
    {"cm_usgl(", 64, 1},   {"bigl_cm(", 65, 1},   {"cm_bigl(", 66, 1},  {"x", 67, 0},
    {"y", 68, 0},          {"z", 69, 0},          {"v", 70, 0},         {"w", 71, 0},
    {"i", 72, 0},          {"j", 73, 0},          {"k", 74, 0},         {"m", 75, 0},
    {"n", 76, 0},          {"X", 77, 0},          {"Y", 78, 0},         {"Z", 79, 0},
    {"V", 80, 0},          {"W", 81, 0},          {"I", 82, 0},         {"J", 83, 0},
    {"K", 84, 0},          {"M", 85, 0},          {"N", 86, 0},         {"10^(", 87, 1},
    {"if(", 88, 1},        {"arctan2(", 89, 2},   {"ceil(", 90, 1},     {"floor(", 91, 1},
    {"ctan(", 92, 1},      {"logN(", 93, 2},      {"hmn(", 94, 1},      {"mant(", 95, 1},
    {"expon(", 96, 1},     {"norm(", 97, 1},      {"psd(", 98, 1},      {"pnv(", 99, 1},
    {"sos(", 100, 1},      {"variance(", 101, 1}, {"ssqr(", 102, 2},    {"bnml(", 103, 2},
    {"igamma(", 104, 2},   {"jgamma(", 105, 2},   {"beta(", 106, 2},    {"gmn(", 107, 1},
    {"sec(", 108, 1},      {"pnorm(", 109, 1},    {"pstud(", 110, 2},   {"csc(", 111, 1},
    {"sech(", 112, 1},     {"ibeta(", 113, 3},    {"erfc(", 114, 1},    {"lgamma(", 115, 1},
    {"csch(", 116, 1},     {"lcm(", 117, 2},      {"gcd(", 118, 2},     {"sign(", 119, 1},
    {"sgamma(", 120, 1},   {"log2(", 121, 1},     {"lexp(", 122, 2},    {"perm(", 123, 2},
    {"2^(", 124, 1},       {"pkhi(", 125, 2},     {"psned(", 126, 3},   {"cx(", 127, 1},
    {"sx(", 128, 1},       {"ei(", 129, 1},       {"minx", 130, 0},     {"maxx", 130, 0},
}};

// The upper-cased names, hashed: each key keeps its first entry in table order.
class NameIndex {
public:
  NameIndex()
  {
    slots_.fill(-1);
    for (int i = 0; i < static_cast<int>(Entries.size()); ++i) {
      std::string key(Entries[static_cast<std::size_t>(i)].Name);
      for (char& c : key)
        c = static_cast<char>(ToUpperAscii(static_cast<unsigned char>(c)));
      std::size_t slot = Hash(key);
      while (slots_[slot] >= 0 && keys_[slot] != key)
        slot = (slot + 1) % SlotCount;
      if (slots_[slot] < 0) {
        slots_[slot] = i;
        keys_[slot] = key;
      }
    }
  }

  // The index of the entry with this upper-cased key, or -1.
  int Find(std::string_view key) const
  {
    for (std::size_t slot = Hash(key);; slot = (slot + 1) % SlotCount) {
      if (slots_[slot] < 0 || keys_[slot] == key)
        return slots_[slot];
    }
  }

private:
  static constexpr std::size_t SlotCount = 512;

  static std::size_t Hash(std::string_view key)
  {
    std::uint32_t h = 2166136261u;
    for (const char c : key)
      h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h % SlotCount;
  }

  std::array<int, SlotCount> slots_{};
  std::array<std::string, SlotCount> keys_;
};

const NameIndex& Index()
{
  static const NameIndex index;
  return index;
}

constexpr int MaxCode = 130;

constexpr std::array<signed char, MaxCode + 1> KindsByCode = [] {
  std::array<signed char, MaxCode + 1> kinds{};
  for (const TFunctionEntry& entry : Entries)
    kinds[static_cast<std::size_t>(entry.Code)] = static_cast<signed char>(entry.ArgKind);
  return kinds;
}();

}  // namespace

std::span<const TFunctionEntry> FunctionTable()
{
  return Entries;
}

const TFunctionEntry* FindFunctionEntry(std::string_view upperName)
{
  if (upperName.empty())
    return nullptr;
  int found = Index().Find(upperName);
  if (found >= 0 && Entries[static_cast<std::size_t>(found)].ArgKind == akNone)
    found = -1;
  int constant = Index().Find(upperName.substr(0, upperName.size() - 1));
  if (constant >= 0 && Entries[static_cast<std::size_t>(constant)].ArgKind != akNone)
    constant = -1;
  if (found < 0 || (constant >= 0 && constant < found))
    found = constant;
  return found < 0 ? nullptr : &Entries[static_cast<std::size_t>(found)];
}

int ArgKindOf(int code)
{
  return code >= 0 && code <= MaxCode ? KindsByCode[static_cast<std::size_t>(code)] : akNone;
}

}  // namespace engine
