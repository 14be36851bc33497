#pragma once
// Fuzz targets of the main window's files: any bytes as the history, variables, user-variables and
// settings files.

#include <string_view>

namespace fuzz {

// The history reads what it can, entries no longer than the limit, and writes and reads back the same.
void HistoryFileTarget(std::string_view bytes);
// The variables get numbers or stay undefined; what they hold saves and reads back without a message.
void VariablesFileTarget(std::string_view bytes);
// User variables read are named, finite, and read back the same when written.
void UserVariablesFileTarget(std::string_view bytes);
// Each line of a user-functions file parses into an entry, valid or not.
void FunctionsFileTarget(std::string_view bytes);
// The settings read from any file save and read back the same.
void SettingsFileTarget(std::string_view bytes);

}  // namespace fuzz
