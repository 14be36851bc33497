#pragma once
// Evaluation of a whole text: every blank-separated item that is an expression replaced by its value.

#include <string>

namespace app {

// How "Eval it" writes a real: "W:D" (right-aligned in W characters with D decimals), a kind with
// precision and digits ("ffFixed,6,2"; blanks and letter case free), or scientific in 23 characters.
class TEvalFormat {
 public:
  explicit TEvalFormat(const std::string& text);
  std::string Format(long double value) const;

 private:
  enum TForm { fmDefault, fmWidth, fmKind };
  TForm form_ = fmDefault;
  int kind_ = 0;  // general, exponent, fixed, number, currency
  int width_ = 0, decimals_ = 0, precision_ = 0;
};

// The evaluated text of a Latin-1 text of lines ending in CR LF, LF or CR; the output ends its lines
// with CR LF and has no line end after the last line.
std::string EvalLines(const std::string& source, const TEvalFormat& format);

}  // namespace app
