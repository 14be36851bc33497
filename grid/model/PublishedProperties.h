#pragma once
// Published properties as data: a class lists its published properties (name, type kind and how
// one object's value goes to another), and the copy routines work from that list. Grid and cell
// assignment and the grid's persistence copy through them.

#include "grid/model/TextRoutines.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace grid {

enum TtsTypeKind : std::uint8_t {
  tkUnknown,
  tkInteger,
  tkChar,
  tkEnumeration,
  tkFloat,
  tkString,
  tkSet,
  tkClass,
  tkMethod,
  tkWChar,
  tkLString,
  tkWString,
  tkVariant,
};

using TtsTypeKinds = std::uint32_t;  // a set of TtsTypeKind, bit n for kind n
constexpr TtsTypeKinds TypeKindBit(TtsTypeKind kind) { return TtsTypeKinds(1) << kind; }
inline constexpr TtsTypeKinds kAllTypeKinds = (TtsTypeKinds(1) << (tkVariant + 1)) - 1;

// A property value as a stream holds it: a flag, a whole number (enumerations and sets too), a
// floating-point number or a text.
using TtsStreamValue = std::variant<bool, std::int32_t, double, std::string>;

template <class T>
struct TtsPublishedProperty {
  const char* Name;
  TtsTypeKind Kind;
  std::function<void(T& destination, const T& source)> Copy;
  // Reading and writing the value for a stream; properties whose value is an object have neither.
  std::function<TtsStreamValue(const T& object)> Get = {};
  std::function<void(T& object, const TtsStreamValue& value)> Set = {};
};

// The stream form of a value of type V, and V from it (a value of another form gives V's default).
template <class V>
constexpr bool IsStreamable = std::is_arithmetic_v<V> || std::is_enum_v<V> || std::is_same_v<V, std::string>;

template <class V>
TtsStreamValue ToStreamValue(const V& value)
{
  if constexpr (std::is_same_v<V, bool>)
    return value;
  else if constexpr (std::is_floating_point_v<V>)
    return double(value);
  else if constexpr (std::is_same_v<V, std::string>)
    return value;
  else
    return std::int32_t(value);
}

template <class V>
V FromStreamValue(const TtsStreamValue& value)
{
  if constexpr (std::is_same_v<V, bool>)
    return std::holds_alternative<bool>(value) && std::get<bool>(value);
  else if constexpr (std::is_floating_point_v<V>)
    return std::holds_alternative<double>(value) ? V(std::get<double>(value)) : V();
  else if constexpr (std::is_same_v<V, std::string>)
    return std::holds_alternative<std::string>(value) ? std::get<std::string>(value) : std::string();
  else
    return std::holds_alternative<std::int32_t>(value) ? V(std::get<std::int32_t>(value)) : V();
}

// A published property read by `get` and written by `set` (member functions of T).
template <class T, class Get, class Set>
TtsPublishedProperty<T> Published(const char* name, TtsTypeKind kind, Get get, Set set)
{
  TtsPublishedProperty<T> property{
      name, kind, [get, set](T& destination, const T& source) { (destination.*set)((source.*get)()); }};
  using V = std::decay_t<decltype((std::declval<const T&>().*get)())>;
  if constexpr (IsStreamable<V>) {
    property.Get = [get](const T& object) { return ToStreamValue<V>((object.*get)()); };
    property.Set = [set](T& object, const TtsStreamValue& value) { (object.*set)(FromStreamValue<V>(value)); };
  }
  return property;
}

// Whether the copy routines carry a property of this kind across.
constexpr bool IsCopiedKind(TtsTypeKind kind) { return kind != tkUnknown; }

// Copies one published property by its kind; kinds without a copy are left alone.
template <class T>
void CopyPublishedProperty(const TtsPublishedProperty<T>& property, T& destination, const T& source)
{
  if (IsCopiedKind(property.Kind) && property.Copy)
    property.Copy(destination, source);
}

// The published properties of T of the given kinds, in the class's order.
template <class T>
std::vector<const TtsPublishedProperty<T>*> GetPropList(TtsTypeKinds kinds)
{
  std::vector<const TtsPublishedProperty<T>*> list;
  for (const TtsPublishedProperty<T>& property : T::PublishedProperties()) {
    if (kinds & TypeKindBit(property.Kind))
      list.push_back(&property);
  }
  return list;
}

// Copies the property of that name (any case) when T publishes one; answers whether it did.
template <class T>
bool CopyPropertyByName(std::string_view name, T& destination, const T& source)
{
  for (const TtsPublishedProperty<T>& property : T::PublishedProperties()) {
    if (SameTextIgnoringCase(property.Name, name)) {
      CopyPublishedProperty(property, destination, source);
      return true;
    }
  }
  return false;
}

// The names of a ";"-separated list, each trimmed; empty ones dropped.
std::vector<std::string> SplitPropertyNames(std::string_view names);

// Copies every published property but those named in `exclusions` (";"-separated, any case);
// methods and properties of unknown kind are never copied this way.
template <class T>
void CopyPropertiesExcept(T& destination, const T& source, std::string_view exclusions)
{
  const std::vector<std::string> excluded = SplitPropertyNames(exclusions);
  for (const TtsPublishedProperty<T>* property : GetPropList<T>(kAllTypeKinds & ~TypeKindBit(tkMethod))) {
    bool skip = false;
    for (const std::string& name : excluded)
      skip = skip || SameTextIgnoringCase(property->Name, name);
    if (!skip)
      CopyPublishedProperty(*property, destination, source);
  }
}

}  // namespace grid
