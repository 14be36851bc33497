#include "tools/units/UnitTableWriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tools {
namespace {

void AppendLine(std::string& out, const std::string& text)
{
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    out += code < 32 || code == 127 ? ' ' : c;
  }
  out += "\r\n";
}

double FactorAt(const TUnitCategory& category, std::size_t from, std::size_t to)
{
  if (from < category.Factors.size() && to < category.Factors[from].size())
    return category.Factors[from][to];
  return from == to ? 1.0 : 0.0;
}

}  // namespace

std::string FormatTableFactor(double value)
{
  if (!std::isfinite(value) || value == 0)
    value = 0;  // no "-0": a zero is written with a blank sign
  char text[48];
  std::snprintf(text, sizeof text, "%.14E", std::fabs(value));  // "d.ddddddddddddddE+xx"
  const char* e = std::strchr(text, 'E');
  const int exponent = std::atoi(e + 1);
  char field[48];
  std::snprintf(field, sizeof field, "%c%.*sE%c%04d", value < 0 ? '-' : ' ', static_cast<int>(e - text), text,
                exponent < 0 ? '-' : '+', std::abs(exponent));
  return field;
}

std::string WriteUnitTable(const TUnitTable& table)
{
  std::string out;
  AppendLine(out, std::to_string(table.Categories.size()));
  for (const TUnitCategory& category : table.Categories) {
    AppendLine(out, category.Name);
    const std::size_t units = category.Units.size();
    AppendLine(out, std::to_string(units));
    for (const std::string& unit : category.Units)
      AppendLine(out, unit);
    out.reserve(out.size() + units * (units * 24 + 2));
    for (std::size_t k = 0; k < units; ++k) {
      for (std::size_t j = 0; j < units; ++j) {
        out += FormatTableFactor(FactorAt(category, j, k));
        out += ' ';
      }
      out += "\r\n";
    }
  }
  return out;
}

}  // namespace tools
