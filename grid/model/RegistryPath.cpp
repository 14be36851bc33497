#include "grid/model/RegistryPath.h"

#include <algorithm>
#include <cctype>

namespace grid {

namespace {

const std::pair<const char*, TtsRegistryRoot> kRoots[] = {
    {"HKEY_CLASSES_ROOT", TtsRegistryRoot::ClassesRoot},
    {"HKEY_CURRENT_USER", TtsRegistryRoot::CurrentUser},
    {"HKEY_LOCAL_MACHINE", TtsRegistryRoot::LocalMachine},
    {"HKEY_USERS", TtsRegistryRoot::Users},
};

}  // namespace

const char* RegistryRootName(TtsRegistryRoot root)
{
  for (const auto& [name, value] : kRoots) {
    if (value == root)
      return name;
  }
  return "HKEY_CURRENT_USER";
}

bool ParseRegistryPath(const std::string& text, TtsRegistryPath& path)
{
  path = {};
  if (text.rfind("\\\\", 0) != 0) {
    path.KeyPath = text;
    return true;
  }
  const auto end = text.find('\\', 2);
  path.RootName = text.substr(2, end == std::string::npos ? std::string::npos : end - 2);
  std::transform(path.RootName.begin(), path.RootName.end(), path.RootName.begin(),
                 [](unsigned char c) { return char(std::toupper(c)); });
  path.KeyPath = end == std::string::npos ? std::string() : text.substr(end);
  for (const auto& [name, root] : kRoots) {
    if (path.RootName == name) {
      path.Root = root;
      return true;
    }
  }
  return false;
}

TtsRegistryPath ResolveRegistryPath(const std::string& text)
{
  TtsRegistryPath path;
  if (!ParseRegistryPath(text, path)) {
    std::string message = "Unknown registry key ";
    message.append(path.RootName);
    throw ERegistryException(message);
  }
  if (path.KeyPath.empty())
    path.KeyPath.push_back('\\');
  return path;
}

}  // namespace grid
