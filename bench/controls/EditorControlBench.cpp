// The editor control in a window: typing through key events, and painting and scrolling a full window
// of a 1 MB text.
#include "controls/editor/Controller.h"
#include "controls/editor/Editor.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using controls::TOvcController;
using controls::TOvcCustomEditor;

// The benchmarks share one headless application, made on first use.
void NeedApplication()
{
  static int argc = 1;
  static char name[] = "controls_bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QApplication> app;
  if (app)
    return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  app = std::make_unique<QApplication>(argc, argv);
}

// An 800 x 600 editor on a shown form with its controller.
struct Window {
  Window()
  {
    NeedApplication();
    form = std::make_unique<QWidget>();
    controller = std::make_unique<TOvcController>(form.get());
    editor = new TOvcCustomEditor(form.get());
    editor->setGeometry(0, 0, 800, 600);
    form->resize(800, 600);
    form->show();
    editor->HandleNeeded();
    editor->setFocus();
    QApplication::processEvents();
  }
  ~Window() { editor->Core().ClearText(false); }

  void Key(int key, const QString& text = {})
  {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(editor, &press);
  }

  std::unique_ptr<QWidget> form;
  std::unique_ptr<TOvcController> controller;
  TOvcCustomEditor* editor = nullptr;
};

// About 1 MB: 16384 lines of 62 characters with a tab.
void LoadMegabyte(TOvcCustomEditor& editor)
{
  const std::string line = "x = sin(alpha) * 2.5e-3\tresult := value + cos(beta) / 7.25;;;";
  for (int i = 0; i < 16384; ++i)
    editor.Core().ParaList().AddPara(line, false);
  editor.RefreshView(false);
}

void BM_TypeTenThousandCharacters(benchmark::State& state)
{
  Window w;
  const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789 +-*/()");
  for (auto _ : state) {
    for (int i = 0; i < 10000; ++i) {
      if (i % 80 == 79) {
        w.Key(Qt::Key_Return, QStringLiteral("\r"));
        continue;
      }
      const QChar ch = letters[i % letters.size()];
      w.Key(ch.toUpper().unicode(), QString(ch));
    }
    state.PauseTiming();
    w.editor->ClearText(false);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_TypeTenThousandCharacters)->Unit(benchmark::kMillisecond);

void BM_PaintFullWindowOfMegabyte(benchmark::State& state)
{
  Window w;
  LoadMegabyte(*w.editor);
  w.editor->Core().MoveCaretTo(8000, 1, false);
  w.editor->SetSelection(8000, 5, 8020, 9, true);
  for (auto _ : state)
    benchmark::DoNotOptimize(w.editor->PaintToImage());
}
BENCHMARK(BM_PaintFullWindowOfMegabyte)->Unit(benchmark::kMicrosecond);

void BM_PageDownAndPaintThroughMegabyte(benchmark::State& state)
{
  Window w;
  LoadMegabyte(*w.editor);
  for (auto _ : state) {
    w.Key(Qt::Key_PageDown);
    if (w.editor->Core().CaretLine() >= w.editor->GetLineCount())
      w.editor->Core().MoveCaretTo(1, 1, false);
    benchmark::DoNotOptimize(w.editor->PaintToImage());
  }
}
BENCHMARK(BM_PageDownAndPaintThroughMegabyte)->Unit(benchmark::kMicrosecond);

}  // namespace
