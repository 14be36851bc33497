#pragma once
// Evaluation of a whole text: every blank-separated item that is an expression replaced by its value.

#include <cstddef>
#include <string>

namespace app {

// How "Eval it" writes a real: "W:D" (right-aligned in W characters with D decimals), a kind with
// precision and digits ("ffFixed,6,2"; blanks and letter case free), or scientific in 23 characters.
// The kinds: general and exponent with P significant digits; fixed with D decimals of at most P
// significant digits (scientific once the whole part has more than P digits); number as fixed with
// thousands separators; currency as number after the currency sign.
class TEvalFormat {
 public:
  explicit TEvalFormat(const std::string& text);
  std::string Format(long double value) const;
  // The length Format gives, without building the text.
  std::size_t Length(long double value) const;

 private:
  enum TForm { fmDefault, fmWidth, fmKind };
  enum TKind { kGeneral, kExponent, kFixed, kNumber, kCurrency };
  std::string Fixed(long double value) const;
  TForm form_ = fmDefault;
  TKind kind_ = kGeneral;
  int width_ = 0, decimals_ = 0, precision_ = 0;
};

// How an evaluation of a text ended.
enum class TEvalEnd {
  Done,
  Stopped,   // the user stopped it; nothing of the output is kept
  TooLarge,  // the output would pass the limit; nothing beyond the limit was built
};

struct TEvalOutcome {
  std::string Text;  // the output when Done
  TEvalEnd End = TEvalEnd::Done;
};

// The largest output an evaluation builds: one the editor loads within a moment.
inline constexpr std::size_t kEvalOutputLimit = std::size_t(8) << 20;

// The evaluated text of a Latin-1 text of lines ending in CR LF, LF or CR; the output ends its lines
// with CR LF and has no line end after the last line. Between items the window's events are pumped and
// the stop button is honoured. An item holding a control character or the engine's end marker is no
// expression and stays as it is. The engine's error state is clear afterwards.
TEvalOutcome EvalLines(const std::string& source, const TEvalFormat& format,
                       std::size_t outputLimit = kEvalOutputLimit);

}  // namespace app
