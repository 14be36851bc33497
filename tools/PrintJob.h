#pragma once
// A print job of a window: the "PDF file" printer writes a new file each time (never replacing an earlier
// one) and says where; a failure is shown in an error box.

#include <QString>
#include <functional>

namespace tools {

// The path itself when no file is there, else the first free "name (n).ext" beside it.
QString FreeFileName(const QString& path);

// print prints the job; printedTo is the start of the message that names the file written, e.g.
// "The tape was printed to the file ".
void RunPrintJob(const QString& title, const QString& printedTo, const std::function<void()>& print);

}  // namespace tools
