#include "engine/BesselLargeOrder.h"

#include "engine/MathConstants.h"

#include <cmath>
#include <iterator>

namespace engine {

namespace {

// The polynomials u_k(p) = p^k (c0 + c1 p^2 + c2 p^4 + ...), k = 1 .. 8, of the expansion.
constexpr Extended U1[] = {0.125L, -0.2083333333333333333333L};
constexpr Extended U2[] = {0.0703125L, -0.4010416666666666666667L, 0.3342013888888888888889L};
constexpr Extended U3[] = {0.0732421875L, -0.8912109375L, 1.846462673611111111111L, -1.025812596450617283951L};
constexpr Extended U4[] = {0.112152099609375L, -2.3640869140625L, 8.78912353515625L, -11.20700261622299382716L,
                           4.669584423426247427984L};
constexpr Extended U5[] = {0.227108001708984375L, -7.368794359479631696429L, 42.53499874538845486111L,
                           -91.81824154324001736111L, 84.6362176746007346322L, -28.2120725582002448774L};
constexpr Extended U6[] = {0.5725014209747314453125L, -26.49143048695155552455L, 218.1905117442115904793L,
                           -699.5796273761325412326L, 1059.99045252799987793L, -765.2524681411816422995L,
                           212.570130039217122861L};
constexpr Extended U7[] = {1.727727502584457397461L, -108.0909197883946555001L, 1200.902913216352462769L,
                           -5305.646978613403108385L, 11655.39333686453324777L, -13586.55000643413743855L,
                           8061.722181737309384502L, -1919.45766231840699631L};
constexpr Extended U8[] = {6.074042001273483037949L, -493.9153047730880124228L, 7109.514302489363721439L,
                           -41192.65496889755129814L, 122200.4649830174597877L, -203400.1772804155342782L,
                           192547.0012325315323591L, -96980.59838863751348857L, 20204.29133096614864345L};

template <std::size_t N>
Extended EvenPolynomial(const Extended (&c)[N], Extended p2)
{
  Extended sum = 0;
  for (auto it = std::rbegin(c); it != std::rend(c); ++it)
    sum = sum * p2 + *it;
  return sum;
}

}  // namespace

Extended LnBesselKLargeOrder(Extended n, Extended t)
{
  // K_n(n z) ~ sqrt(pi / (2n)) e^(-n eta) / (1 + z^2)^(1/4) times the sum of (-1)^k u_k(p) / n^k,
  // with p = 1 / sqrt(1 + z^2) and eta = sqrt(1 + z^2) + ln(z / (1 + sqrt(1 + z^2))).
  const Extended z = t / n;
  const Extended root = std::hypot(Extended(1), z);
  const Extended p = 1 / root;
  const Extended eta = root + std::log(z / (1 + root));
  const Extended p2 = p * p;
  const Extended x = -p / n;  // each term carries (-p/n)^k
  const Extended sum =
      1 + x * (EvenPolynomial(U1, p2) +
               x * (EvenPolynomial(U2, p2) +
                    x * (EvenPolynomial(U3, p2) +
                         x * (EvenPolynomial(U4, p2) +
                              x * (EvenPolynomial(U5, p2) +
                                   x * (EvenPolynomial(U6, p2) + x * (EvenPolynomial(U7, p2) + x * EvenPolynomial(U8, p2))))))));
  return 0.5L * std::log(Pi / (2 * n)) - n * eta - 0.5L * std::log(root) + std::log(sum);
}

}  // namespace engine
