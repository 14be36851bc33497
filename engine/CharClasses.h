#pragma once
// Character classes of the expression language (8-bit, Latin-1).

namespace engine {

inline constexpr unsigned char chSquare = 178;  // "²"
inline constexpr unsigned char chCube = 179;    // "³"
inline constexpr unsigned char chPilcrow = 182; // "¶", the name of pi in the table
inline constexpr unsigned char chRoot = 189;    // the keypad's root sign

constexpr bool IsAddOp(unsigned char c) { return c == '+' || c == '-' || c == '&' || c == '|' || c == '\\'; }
constexpr bool IsMulOp(unsigned char c) { return c == '*' || c == '/' || c == '%'; }
constexpr bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
constexpr bool IsPostfixSign(unsigned char c) { return c == chSquare || c == chCube || c == chRoot; }

// Characters that end a name: the name includes its terminator.
constexpr bool IsNameTerminator(unsigned char c)
{
  return IsAddOp(c) || IsMulOp(c) || c == '(' || c == ')' || c == ',' || c == '=' || c == '^' || c == 127 ||
         IsPostfixSign(c);
}

constexpr unsigned char ToUpperAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }

}  // namespace engine
