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

template <class T>
struct TtsPublishedProperty {
  const char* Name;
  TtsTypeKind Kind;
  std::function<void(T& destination, const T& source)> Copy;
};

// A published property read by `get` and written by `set` (member functions of T).
template <class T, class Get, class Set>
TtsPublishedProperty<T> Published(const char* name, TtsTypeKind kind, Get get, Set set)
{
  return {name, kind, [get, set](T& destination, const T& source) { (destination.*set)((source.*get)()); }};
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
