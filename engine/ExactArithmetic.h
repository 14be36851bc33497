#pragma once
// Error-free transformations of Extended arithmetic: the rounding error of a sum or a product as a
// second Extended, for results that must keep more than 64 bits on the way.

#include "engine/Extended.h"

namespace engine {

// pi = Pi + PiLow to 128 bits.
inline constexpr Extended PiLow = -5.016557612668332023557327e-20L;

// a + b = sum + error exactly.
inline void TwoSum(Extended a, Extended b, Extended& sum, Extended& error)
{
  sum = a + b;
  const Extended bv = sum - a;
  error = (a - (sum - bv)) + (b - bv);
}

// a * b = product + error exactly (Dekker), while the product neither overflows nor underflows.
inline void TwoProduct(Extended a, Extended b, Extended& product, Extended& error)
{
  constexpr Extended Splitter = 4294967297.0L;  // 2^32 + 1
  const auto split = [](Extended v, Extended& high, Extended& low) {
    const Extended t = Splitter * v;
    high = t - (t - v);
    low = v - high;
  };
  Extended ah = 0, al = 0, bh = 0, bl = 0;
  split(a, ah, al);
  split(b, bh, bl);
  product = a * b;
  error = ((ah * bh - product) + ah * bl + al * bh) + al * bl;
}

}  // namespace engine
