#pragma once
// Registry key paths of whole-grid saves ("\\HKEY_CURRENT_USER\Software\..."); the settings file
// that stands in for the registry takes the root name and key path as its section.

#include <stdexcept>
#include <string>

namespace grid {

enum class TtsRegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

struct TtsRegistryPath {
  TtsRegistryRoot Root = TtsRegistryRoot::CurrentUser;
  std::string RootName;  // uppercased; empty for the default root
  std::string KeyPath;   // from its first backslash
};

// A registry path that names an unknown root ("Unknown registry key %s").
class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// False for a root name that is not one of the four; a text without the leading two backslashes
// is a key path under the default root.
bool ParseRegistryPath(const std::string& text, TtsRegistryPath& path);
// "HKEY_CURRENT_USER" and the other three.
const char* RegistryRootName(TtsRegistryRoot root);
// ParseRegistryPath, raising ERegistryException for an unknown root; an empty key path gives "\".
TtsRegistryPath ResolveRegistryPath(const std::string& text);

}  // namespace grid
