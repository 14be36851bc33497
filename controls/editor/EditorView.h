#pragma once
// What the editing core asks of the window that shows it. The defaults serve a core without a window.

#include <optional>
#include <string>

namespace controls {

class TOvcEditorView {
 public:
  virtual ~TOvcEditorView() = default;

  // Rows and columns in view; 0 rows: no window yet.
  virtual int Rows() const { return 0; }
  virtual int Columns() const { return 1; }
  // Repaint the rows of display lines first..last (either order), or everything.
  virtual void InvalidateLines(int /*first*/, int /*last*/) {}
  virtual void InvalidateAll() {}
  // The top line or the horizontal offset changed by these amounts.
  virtual void ViewScrolled(int /*deltaCols*/, int /*deltaLines*/) {}
  // Place the system caret and report the status.
  virtual void PositionCaret() {}
  // The text changed through another editor of the ring: scroll ranges and positions are stale.
  virtual void ScrollStateStale() {}
  // The layout of the whole text changed (re-wrap, new text).
  virtual void RefreshView() {}
  virtual void Beep() {}
  // Show the busy cursor (true) or the normal one again (false) around a long scan.
  virtual void ShowBusy(bool /*busy*/) {}
  // Clipboard text in Latin-1; the default is the system clipboard.
  virtual void SetClipboardText(const std::string& text);
  virtual std::optional<std::string> ClipboardText();
};

}  // namespace controls
