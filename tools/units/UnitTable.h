#pragma once
// The unit tables of the converter (Vexal.gun, Vexal.unt): categories, their units and the square
// table of factors, read from the file form the unit-table editor writes. No widgets.

#include <string>
#include <string_view>
#include <vector>

namespace tools {

struct TUnitCategory {
  std::string Name;
  std::vector<std::string> Units;
  std::vector<std::vector<double>> Factors;  // [from unit][to unit]: x of unit s is x * Factors[s][t] of unit t
};

struct TUnitTable {
  std::vector<TUnitCategory> Categories;
};

struct TUnitTableRead {
  TUnitTable Table;     // the categories read whole, in the file's order
  bool Damaged = false;  // reading stopped at a category that could not be read; it is left out
};

// Counts beyond this, or beyond the numbers the file holds, are damage.
inline constexpr int kMaxUnitCount = 1000;

// Reads the file form: C; then per category its name line, U, U name lines and U lines of factors
// (line k holds Factors[j][k] for every j). Lines end in CR LF, LF or CR; numbers read in the C locale.
TUnitTableRead ReadUnitTable(std::string_view bytes);

// Reads the file at the path; Opened is false (and the table empty) when it cannot be opened.
struct TUnitTableFile {
  bool Opened = false;
  TUnitTableRead Read;
};
TUnitTableFile LoadUnitTable(const std::string& path);

}  // namespace tools
