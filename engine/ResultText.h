#pragma once
// Values as display text, by NotationMode, NumberBase and a digit count.

#include "engine/Extended.h"

#include <cstdint>
#include <string>

namespace engine {

// The display text of a value. For decimal notations the digit count is about the width of the text.
// Records error 11 (hexadecimal or binary beyond 31 bits) or 23 (Sxg beyond 2147483647 seconds).
std::string FormatResult(int digits, Extended value);

// The shortest decimal scientific text that reads back as exactly this value ("." decimals, "E"
// exponent), for files; "-" in front of a negative value.
std::string ExactNumberText(Extended value);

// The decimal text of a magnitude x: FixedText with digits - q places when fixed, else a two-pass
// scientific text about digits wide, q characters left for a sign; engineering form in Eng; trimmed.
std::string MagnitudeText(Extended x, int digits, int q, bool fixed);

// The steps of FormatResult
// x with d digits after the point, right-aligned in w characters.
std::string FixedText(Extended x, int w, int d);
// Scientific text of w characters: w - 8 significant digits (2..18), a four-digit exponent.
std::string SciText(Extended x, int w);
// Deletes leading blanks and surplus trailing zeros; returns the number of leading blanks deleted.
int TrimNumberText(std::string& text);
// Deletes up to three leading zeros of the exponent; returns how many.
int TrimExponentZeros(std::string& text);
// d.dddE[sign]nnnn to an exponent that is a multiple of 3.
std::string ToEngineering(const std::string& text);
// h:m:s of a non-negative number of hours.
std::string ToSexagesimal(Extended x);
// The digits of a non-negative integer in a radix of 2..16.
std::string IntToBaseText(std::uint64_t n, int radix);

}  // namespace engine
