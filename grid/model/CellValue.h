#pragma once
// TtsCellValue: the variant that carries cell values and property values through the grid: empty
// (Unassigned), Null, a number of one of the usual variant types, a Boolean or an 8-bit text.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace grid {

enum class TVarType : std::uint8_t {
  varEmpty,
  varNull,
  varSmallint,
  varInteger,
  varSingle,
  varDouble,
  varCurrency,
  varDate,
  varBoolean,
  varByte,
  varInt64,
  varString,
};

// A value that can't be converted to the type asked for ("Invalid variant type conversion").
class EVariantTypeCastError : public std::runtime_error {
 public:
  EVariantTypeCastError();
};

class TtsCellValue {
 public:
  TtsCellValue() = default;  // Unassigned
  TtsCellValue(int value) : type_(TVarType::varInteger), int_(value) {}
  TtsCellValue(double value) : type_(TVarType::varDouble), real_(value) {}
  TtsCellValue(bool value) : type_(TVarType::varBoolean), int_(value) {}
  TtsCellValue(std::string value) : type_(TVarType::varString), text_(std::move(value)) {}
  TtsCellValue(const char* value) : TtsCellValue(std::string(value)) {}

  static TtsCellValue Null();
  static TtsCellValue Smallint(std::int16_t value);
  static TtsCellValue Byte(std::uint8_t value);
  static TtsCellValue Int64(std::int64_t value);
  static TtsCellValue Single(float value);
  static TtsCellValue Currency(double value);  // kept to four decimals
  static TtsCellValue Date(double value);      // days since 30 December 1899

  TVarType Type() const { return type_; }
  bool IsEmpty() const { return type_ == TVarType::varEmpty; }
  bool IsNull() const { return type_ == TVarType::varNull; }
  bool IsString() const { return type_ == TVarType::varString; }
  bool IsOrdinal() const;  // small integer, integer, byte, 64-bit integer or Boolean
  bool IsFloat() const;    // single, double, currency or date

  // Conversions; Null (and a text that is no number) raise EVariantTypeCastError.
  std::string AsString() const;  // Unassigned gives the empty text
  std::int32_t AsInteger() const;
  std::int64_t AsInt64() const;
  double AsDouble() const;
  bool AsBoolean() const;

  // The stored text of a string value, without conversion.
  const std::string& Text() const { return text_; }

  // Same type and value (the plain variant comparison of the grid's SameValue rules).
  friend bool operator==(const TtsCellValue& a, const TtsCellValue& b);

 private:
  TVarType type_ = TVarType::varEmpty;
  std::int64_t int_ = 0;  // ordinal types; Boolean as 0 or 1
  double real_ = 0;       // floating types
  std::string text_;
};

}  // namespace grid
