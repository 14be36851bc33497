#pragma once
// The in-place editor of a string grid: a line edit over the current cell. Its keys go first to the
// grid's OnKeyDown and OnKeyPress; the keys that move between cells (and Escape, which cancels the
// edit) go on to the grid.

#include <QLineEdit>

namespace platform {

class TStringGrid;

class TInplaceEdit : public QLineEdit {
public:
  explicit TInplaceEdit(TStringGrid& grid);
  void SetTextQuietly(const QString& text);  // no change reaches the grid
  // True once for the key event the editor left unhandled, which Qt passes on to the grid next.
  bool PassedOn(const QEvent* event);

protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  bool GoesToGrid(int key, unsigned shift) const;
  TStringGrid& grid_;
  bool quiet_ = false;
  const QEvent* passedOn_ = nullptr;
};

}  // namespace platform
