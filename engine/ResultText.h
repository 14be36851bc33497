#pragma once
// Values as display text: by a format value, or by the modes of the working state (FormatResult).

#include "engine/EngineState.h"
#include "engine/Extended.h"

#include <cstdint>
#include <string>

namespace engine {

// How a value is shown. For decimal notations the digit count is about the width of the text.
struct TNumberFormat {
  int Notation = nmScn;
  int Base = nbDecimal;
  int Digits = 12;
  int DigitGroup = 32;  // bits per group of binary results
};

// The display text of a value by NotationMode, NumberBase and the host's digit group. Records error 11
// (hexadecimal or binary beyond 31 bits) or 23 (Sxg beyond 2147483647 seconds).
std::string FormatResult(int digits, Extended value);
// The format FormatResult uses: the modes with this digit count.
TNumberFormat CurrentNumberFormat(int digits);
// The display text of a value in a format of its own; reads and writes no engine state. False when the
// format cannot show the value: errorCode is 11 or 23 and the text "0.0" or "0:0:0".
bool FormatNumber(const TNumberFormat& format, Extended value, std::string& text, int& errorCode);

// The shortest decimal scientific text that reads back as exactly this value ("." decimals, "E"
// exponent), for files; "-" in front of a negative value.
std::string ExactNumberText(Extended value);

// The decimal text of a magnitude x in a format's notation: FixedText with Digits - q places when
// fixed, else a two-pass scientific text about Digits wide, q characters left for a sign; engineering
// form in Eng; trimmed.
std::string MagnitudeText(Extended x, const TNumberFormat& format, int q, bool fixed);

// The steps of FormatResult
// x with d digits after the point, right-aligned in w characters.
std::string FixedText(Extended x, int w, int d);
// Scientific text of w characters: w - 8 significant digits (2..18), a four-digit exponent.
std::string SciText(Extended x, int w);
// Deletes leading blanks and surplus trailing zeros (and in Fix a zero exponent); returns the number
// of leading blanks deleted.
int TrimNumberText(std::string& text, int notation);
// Deletes up to three leading zeros of the exponent; returns how many.
int TrimExponentZeros(std::string& text);
// d.dddE[sign]nnnn to an exponent that is a multiple of 3.
std::string ToEngineering(const std::string& text);
// h:m:s of a number of hours (whole seconds, rounded half to even); false with "0:0:0" beyond
// 2147483647 seconds.
bool ToSexagesimal(Extended x, std::string& text);
// The digits of a non-negative integer in a radix of 2..16.
std::string IntToBaseText(std::uint64_t n, int radix);

}  // namespace engine
