#pragma once
// A form holding a controller and one editor control, shown headless with the focus in the editor.

#include "controls/editor/Controller.h"
#include "controls/editor/Editor.h"
#include "platform/ScrollBars.h"
#include "tests/controls/TextStoreHelpers.h"

#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

namespace controls::test {

class EditorWindow {
 public:
  // An editor of width pixels and rows full rows of text.
  explicit EditorWindow(int rows = 10, int width = 300)
  {
    form.resize(width + 40, 800);
    editor = new TOvcCustomEditor(&form);
    editor->move(0, 0);
    form.show();
    QApplication::setActiveWindow(&form);
    editor->HandleNeeded();
    SetRows(rows, width);
    editor->setFocus();
    QApplication::processEvents();
  }

  void SetRows(int rows, int width)
  {
    // The width and rows are the client area's, inside the frame.
    const int bar = editor->ScrollBarShown(platform::SB_HORZ) ? platform::kScrollBarSize : 0;
    const int frame = 2 * editor->FrameWidth();
    editor->resize(width + frame, rows * editor->LineHeight() + bar + frame);
    QApplication::processEvents();
  }

  // Loads paragraphs as a file loader does (no undo), then refreshes the view.
  void Load(const std::vector<std::string>& paras)
  {
    Fill(editor->Core().ParaList(), paras);
    editor->RefreshView(false);
  }
  std::vector<std::string> Text() const { return Paras(editor->Core().ParaList()); }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
  {
    QTest::keyClick(editor, key, modifiers);
  }
  void Type(const char* text) { QTest::keyClicks(editor, QString::fromLatin1(text)); }

  // The top-left pixel of the character cell at a display line and column in view, in client coordinates
  // (those of the painted buffer and of the mouse handlers).
  QPoint Cell(int line, int column) const
  {
    return {editor->LeftMargin() + (column - 1 - editor->Core().HorizontalOffset()) * editor->CharWidth(),
            (line - editor->Core().TopLine()) * editor->LineHeight()};
  }
  // The middle of the gap before that cell, where a click puts the caret, in client coordinates.
  QPoint Gap(int line, int column) const
  {
    return Cell(line, column) + QPoint(1, editor->LineHeight() / 2);
  }
  // A client point in the control's coordinates, where Qt's mouse events and the caret are placed.
  QPoint OnWidget(QPoint client) const { return client + QPoint(editor->FrameWidth(), editor->FrameWidth()); }

  QWidget form;
  TOvcController controller{&form};
  TOvcCustomEditor* editor = nullptr;  // owned by the form
};

}  // namespace controls::test
