#pragma once
// Printing a control's contents from the main window: the "PDF file" printer writes a new file each
// time (never replacing an earlier one) and says where; a failure is shown in an error box.

#include <QString>

class QWidget;

namespace app {

// printedTo is the start of the message that names the file written, e.g. "The tape was printed to the file ".
void PrintControl(QWidget* control, const QString& title, const QString& printedTo);

}  // namespace app
