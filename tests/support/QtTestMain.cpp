// Test main for tests that need a Qt application object (headless with QT_QPA_PLATFORM=offscreen),
// with the program's standard look so that layouts are the same on every machine, and the program's own
// delivery of events.
#include "platform/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  platform::Application app(argc, argv);
  platform::ApplyStandardLook(app);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
