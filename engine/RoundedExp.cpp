#include "engine/RoundedExp.h"

#include "engine/DoubleExtendedMath.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>

namespace engine {

namespace {

constexpr int Steps = 64;  // table points per doubling
constexpr Extended StepsPerLn2 = 0xb8aa3b295c17f0bcp-57L;  // 64 / ln 2
// ln 2 / 64 in pieces: the first two of 40 bits, whose products with a step count below 2^21 are
// exact, and the rest to 64 bits.
constexpr Extended StepPiece1 = 0xb17217f7d1p-46L;
constexpr Extended StepPiece2 = 0xcf79abc9e3p-86L;
constexpr Extended StepPiece3 = 0xb39803f2f6af40f3p-150L;

// 2^(j/64) for j = 0 .. 63, from the 85-bit kernels.
const std::array<DoubleExtended, Steps>& Table()
{
  static const std::array<DoubleExtended, Steps> table = [] {
    std::array<DoubleExtended, Steps> t{};
    for (int j = 0; j < Steps; ++j) {
      const DoubleExtended exponent = ScaledBy(Ln2() * Exactly(j), -6);
      const ScaledExp e = ExpScaled(exponent);
      t[static_cast<std::size_t>(j)] = ScaledBy(e.m, e.n);
    }
    return t;
  }();
  return table;
}

// 2^n for |n| <= 16000 built from its bits: cheaper than ldexp.
Extended PowerOfTwo(int n)
{
  struct Bits {
    std::uint64_t mantissa;
    std::uint16_t signAndExponent;
  };
  static_assert(sizeof(Extended) >= sizeof(Bits::mantissa) + sizeof(Bits::signAndExponent));
  const Bits bits{0x8000000000000000u, static_cast<std::uint16_t>(n + 16383)};
  Extended value = 0;
  std::memcpy(&value, &bits.mantissa, sizeof bits.mantissa);
  std::memcpy(reinterpret_cast<unsigned char*>(&value) + sizeof bits.mantissa, &bits.signAndExponent, sizeof bits.signAndExponent);
  return value;
}

}  // namespace

Extended RoundedExp(Extended x)
{
  // x = k ln2/64 + h with |h| <= ln2/128, k = 64 n + j: e^x = 2^n T (1 + h + q), T = 2^(j/64),
  // q = e^h - 1 - h. x - k piece1 is exact (the two lie within a factor of 2), and so are the next
  // product and its subtraction. T + T h is summed exactly; the rest is below 2^-50 of the value.
  const Extended k = NearestWhole(x * StepsPerLn2);
  Extended h = 0, hError = 0;
  TwoSum(x - k * StepPiece1, -(k * StepPiece2), h, hError);
  const Extended hLow = hError - k * StepPiece3;
  const Extended q = h * h * (0.5L + h * (1.0L / 6 + h * (1.0L / 24 + h * (1.0L / 120 + h * (1.0L / 720 + h * (1.0L / 5040))))));
  const long long whole = WholeToInteger(k);
  const DoubleExtended& t = Table()[static_cast<std::size_t>(whole & (Steps - 1))];
  Extended product = 0, productError = 0, sum = 0, sumError = 0;
  TwoProduct(t.hi, h, product, productError);
  TwoSum(t.hi, product, sum, sumError);
  const Extended rest = sumError + (productError + t.lo + t.hi * (hLow + q) + t.lo * h);
  const int n = static_cast<int>(whole >> 6);
  if (std::abs(n) > 16000)
    return std::ldexp(sum + rest, n);  // near the ends of the range, where 2^n alone may not exist
  return (sum + rest) * PowerOfTwo(n);
}

}  // namespace engine
