#pragma once
// Numbers inside texts, for spin buttons: thousands separators, stepping the number at a position
// and keeping the width of what the user typed.

#include <string>

namespace grid {

struct TtsNumberFormat {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
};

// Removes separators that stand in valid places (each followed by exactly three digits, none first);
// a separator in a wrong place leaves the text unchanged. Answers whether any was removed.
bool RemoveThousands(std::string& text, const TtsNumberFormat& format = {});
// Inserts a separator every three digits left of the first non-digit after the leading digits.
void InsertThousands(std::string& text, const TtsNumberFormat& format = {});
bool IsNumberText(const std::string& text, const TtsNumberFormat& format = {});
// The number plus the amount in its shortest general form (separators kept when the text had
// them); an empty text gives the amount; a text that is no number gives itself.
std::string AddToNumberText(const std::string& text, double amount, const TtsNumberFormat& format = {});
// The number around a 1-based position: start (1-based) and length; false when there is none.
bool FindNumberAt(const std::string& text, int position, int& start, int& length, const TtsNumberFormat& format = {});
// Adds the amount to the number at the position, keeping at least its decimals; start and length
// give the new number's place. No number: the text unchanged.
std::string SpinNumberAt(const std::string& text, int position, int& start, int& length, double amount,
                         const TtsNumberFormat& format = {});
// The new text with at least the old one's decimals.
std::string KeepDecimals(const std::string& oldText, std::string newText, const TtsNumberFormat& format = {});
// KeepDecimals, then leading zeros (or separators where the old text has them) up to the old
// text's integer width.
std::string KeepIntegerWidth(const std::string& oldText, const std::string& newText, const TtsNumberFormat& format = {});

}  // namespace grid
