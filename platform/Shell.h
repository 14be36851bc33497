#pragma once
// Stand-ins for the shell: opening a URL or a file with the desktop's handler, and context help.

#include <QString>
#include <functional>

class QUrl;

namespace platform {

// Opens a web address, mail address or file with the desktop's handler; shows an error box when it can't
// (for a file that exists but that no program is set to open, it says so).
bool OpenUrl(const QString& url);
bool OpenDocument(const QString& path);

// Context help: shows "<name>.html" from the program folder, where name is the help file's base name
// ("Vexal.hlp" -> "Vexal.html"); without it, a message that no help is installed.
bool ShowHelp(const QString& helpFile);

// Tests replace the desktop handler; an empty function restores it.
void SetUrlOpener(std::function<bool(const QUrl&)> opener);

inline const char* const kNoHelpInstalled = "No help is installed.";
inline const char* const kNoProgramToOpen = "No program is set to open the file ";

}  // namespace platform
