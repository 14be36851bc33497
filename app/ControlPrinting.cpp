#include "app/ControlPrinting.h"

#include "tools/PrintComponents.h"
#include "tools/PrintJob.h"

namespace app {

void PrintControl(QWidget* control, const QString& title, const QString& printedTo)
{
  tools::RunPrintJob(title, printedTo, [&] { tools::PrintControlContents(control, title); });
}

}  // namespace app
