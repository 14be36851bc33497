#pragma once
// A list of named user variables. Each keeps a unique code from 1000 on, by order of creation.

#include "engine/Extended.h"

#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct TUserVariable {
  std::string Name;  // at most 20 characters, the case as typed
  int Code = 0;
  Extended Value = 0;
};

class TUserVariables {
public:
  static constexpr int FirstCode = 1000;
  static constexpr std::size_t MaxNameLength = 20;

  // Updates the entry of that name (any case; the name takes the new spelling) or creates one in front;
  // returns its code.
  int Set(std::string_view name, Extended value);
  // Removes the entry with this code; the other codes stay as they are.
  bool Remove(int code);
  // Empties the list; codes start again at 1000.
  void Clear();

  const TUserVariable* Find(std::string_view name) const;  // case-insensitive
  const TUserVariable* ByCode(int code) const;
  const std::vector<TUserVariable>& Items() const { return items_; }  // newest first
  std::size_t Count() const { return items_.size(); }

private:
  TUserVariable* FindMutable(std::string_view name);

  std::vector<TUserVariable> items_;
  int nextCode_ = FirstCode;
};

}  // namespace engine
