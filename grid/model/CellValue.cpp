#include "grid/model/CellValue.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace grid {

namespace {

// Shortest general form with up to 15 significant digits, "." as the decimal separator; an
// exponent ("1.5E+20", "1E-5") only below 1E-4 or from 1E15 on.
std::string FloatText(double value)
{
  if (value == 0)
    return "0";
  char buffer[64];
  int digits = 1;
  for (; digits < 15; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    if (std::strtod(buffer, nullptr) == value)
      break;
  }
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
  const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
  if (exponent < -4 || exponent >= 15) {
    std::string mantissa(buffer, std::strchr(buffer, 'e'));
    return mantissa + "E" + (exponent < 0 ? "-" : "+") + std::to_string(std::abs(exponent));
  }
  std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, digits - 1 - exponent), value);
  return buffer;
}

double ParseNumber(const std::string& text)
{
  std::size_t begin = text.find_first_not_of(" \t");
  std::size_t end = text.find_last_not_of(" \t");
  if (begin == std::string::npos)
    throw EVariantTypeCastError();
  const std::string trimmed = text.substr(begin, end - begin + 1);
  char* stop = nullptr;
  const double value = std::strtod(trimmed.c_str(), &stop);
  if (stop != trimmed.c_str() + trimmed.size() || !std::isfinite(value))
    throw EVariantTypeCastError();
  return value;
}

std::int64_t RoundToInt64(double value)
{
  const double rounded = std::nearbyint(value);  // half to even
  if (!(rounded >= -9.2233720368547758e18 && rounded < 9.2233720368547758e18))
    throw EVariantTypeCastError();
  return std::int64_t(rounded);
}

}  // namespace

EVariantTypeCastError::EVariantTypeCastError() : std::runtime_error("Invalid variant type conversion") {}

TtsCellValue TtsCellValue::Null()
{
  TtsCellValue v;
  v.type_ = TVarType::varNull;
  return v;
}

TtsCellValue TtsCellValue::Smallint(std::int16_t value)
{
  TtsCellValue v{int(value)};
  v.type_ = TVarType::varSmallint;
  return v;
}

TtsCellValue TtsCellValue::Byte(std::uint8_t value)
{
  TtsCellValue v{int(value)};
  v.type_ = TVarType::varByte;
  return v;
}

TtsCellValue TtsCellValue::Int64(std::int64_t value)
{
  TtsCellValue v;
  v.type_ = TVarType::varInt64;
  v.int_ = value;
  return v;
}

TtsCellValue TtsCellValue::Single(float value)
{
  TtsCellValue v{double(value)};
  v.type_ = TVarType::varSingle;
  return v;
}

TtsCellValue TtsCellValue::Currency(double value)
{
  TtsCellValue v(std::nearbyint(value * 10000) / 10000);
  v.type_ = TVarType::varCurrency;
  return v;
}

TtsCellValue TtsCellValue::Date(double value)
{
  TtsCellValue v(value);
  v.type_ = TVarType::varDate;
  return v;
}

bool TtsCellValue::IsOrdinal() const
{
  switch (type_) {
    case TVarType::varSmallint:
    case TVarType::varInteger:
    case TVarType::varByte:
    case TVarType::varInt64:
    case TVarType::varBoolean:
      return true;
    default:
      return false;
  }
}

bool TtsCellValue::IsFloat() const
{
  return type_ == TVarType::varSingle || type_ == TVarType::varDouble || type_ == TVarType::varCurrency ||
         type_ == TVarType::varDate;
}

std::string TtsCellValue::AsString() const
{
  switch (type_) {
    case TVarType::varEmpty:
      return {};
    case TVarType::varNull:
      throw EVariantTypeCastError();
    case TVarType::varString:
      return text_;
    case TVarType::varBoolean:
      return int_ ? "True" : "False";
    default:
      return IsOrdinal() ? std::to_string(int_) : FloatText(real_);
  }
}

std::int64_t TtsCellValue::AsInt64() const
{
  switch (type_) {
    case TVarType::varEmpty:
      return 0;
    case TVarType::varNull:
      throw EVariantTypeCastError();
    case TVarType::varString:
      return RoundToInt64(ParseNumber(text_));
    default:
      return IsOrdinal() ? int_ : RoundToInt64(real_);
  }
}

std::int32_t TtsCellValue::AsInteger() const
{
  const std::int64_t value = AsInt64();
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
    throw EVariantTypeCastError();
  return std::int32_t(value);
}

double TtsCellValue::AsDouble() const
{
  switch (type_) {
    case TVarType::varEmpty:
      return 0;
    case TVarType::varNull:
      throw EVariantTypeCastError();
    case TVarType::varString:
      return ParseNumber(text_);
    default:
      return IsOrdinal() ? double(int_) : real_;
  }
}

bool TtsCellValue::AsBoolean() const
{
  if (type_ == TVarType::varString) {
    if (text_.size() == 4 && (text_ == "True" || text_ == "true" || text_ == "TRUE"))
      return true;
    if (text_.size() == 5 && (text_ == "False" || text_ == "false" || text_ == "FALSE"))
      return false;
  }
  return AsDouble() != 0;
}

bool operator==(const TtsCellValue& a, const TtsCellValue& b)
{
  if (a.type_ != b.type_)
    return false;
  if (a.IsString())
    return a.text_ == b.text_;
  if (a.IsOrdinal())
    return a.int_ == b.int_;
  return a.real_ == b.real_;
}

}  // namespace grid
