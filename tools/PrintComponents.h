#pragma once
// Printing what a control holds: the lines of a memo, list box, text-file editor or text-file viewer page
// by page under the header "<title> page <n>", or the cells of a string grid or grid component as a
// table of boxed cells under the title, going on on further pages under the title when it is long.

#include <QString>

class QWidget;

namespace tools {

// Page margins in millimetres: left, top, right, bottom.
inline constexpr int PrintMarginsMm[4] = {25, 12, 12, 12};

// Prints the control's contents on the program's printer in one job; a control of another kind prints
// nothing. Printer errors propagate as exceptions.
void PrintControlContents(QWidget* control, const QString& title);

}  // namespace tools
