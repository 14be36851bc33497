#pragma once
// Enables or disables a group of controls at once.

#include <QWidget>
#include <initializer_list>

namespace chart {

inline void EnableControls(bool enable, std::initializer_list<QWidget*> controls)
{
  for (QWidget* control : controls)
    if (control)
      control->setEnabled(enable);
}

}  // namespace chart
