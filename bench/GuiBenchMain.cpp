// The main of the benchmark programs that need a GUI application (windows, fonts) on the offscreen platform.

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
