#include "engine/UserVariables.h"

#include "engine/CharClasses.h"

#include <algorithm>
#include <utility>

namespace engine {

namespace {

bool SameName(std::string_view a, std::string_view b)
{
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return ToUpperAscii(static_cast<unsigned char>(x)) == ToUpperAscii(static_cast<unsigned char>(y));
         });
}

}  // namespace

int TUserVariables::Set(std::string_view name, Extended value)
{
  name = name.substr(0, MaxNameLength);
  if (TUserVariable* entry = FindMutable(name)) {
    entry->Name = std::string(name);  // spelled as given now
    entry->Value = value;
    return entry->Code;
  }
  items_.insert(items_.begin(), TUserVariable{std::string(name), nextCode_, value});
  return nextCode_++;
}

bool TUserVariables::Remove(int code)
{
  return std::erase_if(items_, [code](const TUserVariable& v) { return v.Code == code; }) > 0;
}

void TUserVariables::Clear()
{
  items_.clear();
  nextCode_ = FirstCode;
}

const TUserVariable* TUserVariables::Find(std::string_view name) const
{
  const auto it = std::find_if(items_.begin(), items_.end(), [name](const TUserVariable& v) { return SameName(v.Name, name); });
  return it == items_.end() ? nullptr : &*it;
}

TUserVariable* TUserVariables::FindMutable(std::string_view name)
{
  return const_cast<TUserVariable*>(std::as_const(*this).Find(name));
}

const TUserVariable* TUserVariables::ByCode(int code) const
{
  const auto it = std::find_if(items_.begin(), items_.end(), [code](const TUserVariable& v) { return v.Code == code; });
  return it == items_.end() ? nullptr : &*it;
}

}  // namespace engine
