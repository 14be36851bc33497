#pragma once
// Registry keys of whole-grid saves, kept in a settings file in the program folder: a key is a
// section named by its root and path ("[HKEY_CURRENT_USER\Software\Vexal]"), its values are the
// section's lines, each holding its type (a string or bytes) with the value.

#include "grid/model/RegistryPath.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class TIniFile;
}

namespace grid {

enum TtsRegDataType : std::uint8_t { rdUnknown, rdString, rdBinary };

class TtsRegistryKey {
 public:
  TtsRegistryKey(std::unique_ptr<platform::TIniFile> file, std::string section);
  ~TtsRegistryKey();

  const std::string& KeyName() const { return section_; }

  // rdUnknown for a missing value or one that is neither a string nor well-formed bytes.
  TtsRegDataType DataType(const std::string& name) const;
  bool ValueExists(const std::string& name) const;
  // Reads raise ERegistryException "Invalid data type for '%s'" for a value of another type.
  std::string ReadString(const std::string& name) const;
  std::vector<std::uint8_t> ReadBinary(const std::string& name) const;
  // Writes go to the file at once; a name the file cannot hold raises
  // ERegistryException "Failed to set data for '%s'".
  void WriteString(const std::string& name, const std::string& value);
  void WriteBinary(const std::string& name, const std::vector<std::uint8_t>& bytes);

 private:
  std::string RawValue(const std::string& name) const;
  void WriteRaw(const std::string& name, const std::string& text);

  std::unique_ptr<platform::TIniFile> file_;
  std::string section_;
};

// The settings file that holds the keys: "Registry.INI" in the program folder.
std::string RegistryFileName();

// Opens the key a registry path names ("\\HKEY_CURRENT_USER\Software\..."; without the root, under
// the current user; "\" when no path is given), creating it first when asked. An unknown root
// raises ERegistryException "Unknown registry key %s"; a key that is missing, or that cannot be
// created, gives none.
std::unique_ptr<TtsRegistryKey> OpenRegistryPath(const std::string& text, bool create,
                                                 const std::string& fileName = RegistryFileName());

}  // namespace grid
