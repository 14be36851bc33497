#include "controls/textfile/TextFileViewer.h"

#include "platform/Application.h"

#include <algorithm>

namespace controls {

TOvcCustomTextFileViewer::TOvcCustomTextFileViewer(QWidget* parent) : TOvcBaseViewer(parent) {}

void TOvcCustomTextFileViewer::SetFileName(const QString& name)
{
  const bool wasOpen = IsOpen();
  SetIsOpen(false);
  fileName_ = name;
  if (wasOpen)
    SetIsOpen(true);
}

void TOvcCustomTextFileViewer::SetIsOpen(bool open)
{
  if (open == IsOpen())
    return;
  if (!open) {
    lines_.reset();
    fileSize_ = 0;
    SetLineCount(0);
    return;
  }
  if (fileName_.isEmpty())
    return;
  const platform::HourglassCursor busy;
  SetLineCount(0);
  try {
    lines_ = LoadViewerLines(fileName_, fileSize_);
  } catch (...) {
    lines_.reset();
    fileSize_ = 0;
    throw;
  }
  SetLineCount(lines_->Count());
}

std::string_view TOvcCustomTextFileViewer::GetLinePtr(int line) const
{
  return lines_ ? lines_->Line(line) : std::string_view();
}

int TOvcCustomTextFileViewer::ValidLine(int line) const
{
  return std::clamp(line, 0, std::max(LineCount() - 1, 0));
}

}  // namespace controls
