#include "platform/StringGridEditor.h"

#include "platform/ExceptionBoundary.h"
#include "platform/KeyTranslation.h"
#include "platform/StringGrid.h"

#include <QKeyEvent>

namespace platform {

TInplaceEdit::TInplaceEdit(TStringGrid& grid) : QLineEdit(&grid), grid_(grid)
{
  setFrame(false);
  hide();
  connect(this, &QLineEdit::textChanged, this, Guarded([this](const QString& text) {
            if (!quiet_)
              grid_.EditorTextChanged(text);
          }));
}

void TInplaceEdit::SetTextQuietly(const QString& text)
{
  quiet_ = true;
  setText(text);
  quiet_ = false;
}

bool TInplaceEdit::PassedOn(const QEvent* event)
{
  const bool passed = event == passedOn_;
  passedOn_ = nullptr;
  return passed;
}

bool TInplaceEdit::event(QEvent* event)
{
  const bool handled = QLineEdit::event(event);
  if (event->type() == QEvent::KeyPress)
    passedOn_ = event->isAccepted() ? nullptr : event;
  return handled;
}

// Up, Down and the page keys always move between cells, Ctrl+Home and Ctrl+End too, Tab with goTabs;
// Left, Right, Home and End only with goAlwaysShowEditor and the caret at the text's edge.
bool TInplaceEdit::GoesToGrid(int key, unsigned shift) const
{
  switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      return true;
    case VK_TAB:
      return grid_.HasOption(goTabs) && (shift & ssAlt) == 0;
    case VK_HOME:
    case VK_END:
      if ((shift & ssCtrl) != 0)
        return true;
      [[fallthrough]];
    case VK_LEFT:
    case VK_RIGHT: {
      if (!grid_.HasOption(goAlwaysShowEditor) || hasSelectedText())
        return false;
      const bool backwards = key == VK_LEFT || key == VK_HOME;
      return backwards ? cursorPosition() == 0 : cursorPosition() == text().size();
    }
    default:
      return false;
  }
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event)
{
  event->accept();
  Guard([&] {
    const QPointer<TInplaceEdit> alive(this);
    int key = VirtualKeyFromQt(event->key(), event->modifiers());
    const TShiftState shift = ShiftStateFromQt(event->modifiers());
    bool consumed = false;
    if (key != 0) {
      if (grid_.OnKeyDown)
        grid_.OnKeyDown(key, shift);
      if (!alive)
        return;
      consumed = key == 0;
      if (!consumed && key == VK_ESCAPE) {
        grid_.CancelEdit();
        return;
      }
      if (!consumed && GoesToGrid(key, shift)) {
        grid_.Navigate(key, shift);
        return;
      }
    }
    std::string typed = TypedCharacters(*event);
    bool changed = false;
    for (char& c : typed) {
      const char before = c;
      if (grid_.OnKeyPress)
        grid_.OnKeyPress(c);
      if (!alive || isHidden())
        return;
      if (c == 0)
        return;
      changed = changed || c != before;
      if (c == '\r') {
        if (grid_.HasOption(goAlwaysShowEditor))
          selectAll();
        else
          grid_.HideEditor();
        return;
      }
    }
    if (!consumed && !changed) {
      QLineEdit::keyPressEvent(event);
      return;
    }
    for (const char c : typed)
      if (static_cast<unsigned char>(c) >= 32)
        insert(QString(QChar(static_cast<unsigned char>(c))));
  });
}

void TInplaceEdit::focusInEvent(QFocusEvent* event)
{
  QLineEdit::focusInEvent(event);
  Guard([&] { grid_.FocusWithinChanged(); });
}

void TInplaceEdit::focusOutEvent(QFocusEvent* event)
{
  QLineEdit::focusOutEvent(event);
  Guard([&] { grid_.FocusWithinChanged(); });
}

}  // namespace platform
