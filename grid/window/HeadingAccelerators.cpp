// Heading accelerators: the letter after "&" in a column's heading, pressed with Alt anywhere in
// the grid's window, clicks that heading.

#include "grid/window/HeadingAccelerators.h"

#include "grid/window/Grid.h"
#include "platform/ExceptionBoundary.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <cctype>

namespace grid {

namespace {

// The letter or digit of an Alt key (no Ctrl), 0 for any other key.
char AltLetter(const QKeyEvent& key)
{
  if ((key.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) != Qt::AltModifier)
    return 0;
  const int code = key.key();
  if ((code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9))
    return char(code);
  return 0;
}

class HeadingAcceleratorFilter final : public QObject {
 public:
  explicit HeadingAcceleratorFilter(TtsBaseGrid& grid) : grid_(&grid) { qApp->installEventFilter(this); }
  ~HeadingAcceleratorFilter() override { qApp->removeEventFilter(this); }
  HeadingAcceleratorFilter(const HeadingAcceleratorFilter&) = delete;
  HeadingAcceleratorFilter& operator=(const HeadingAcceleratorFilter&) = delete;

  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (event->type() != QEvent::KeyPress || !grid_)
      return false;
    const char letter = AltLetter(*static_cast<QKeyEvent*>(event));
    if (letter == 0 || watched != Receiver())
      return false;
    bool used = false;
    platform::Guard([&] { used = grid_->HeadingAcceleratorKey(letter); });
    return used;
  }

 private:
  // A key travels up the parents when unused: it is offered once, where it arrived first.
  QObject* Receiver() const
  {
    QWidget* window = grid_->window();
    QWidget* focus = window->focusWidget();
    return focus != nullptr ? focus : window;
  }

  QPointer<TtsBaseGrid> grid_;
};

}  // namespace

std::unique_ptr<QObject> WatchHeadingAccelerators(TtsBaseGrid& grid)
{
  return std::make_unique<HeadingAcceleratorFilter>(grid);
}

bool TtsBaseGrid::HeadingAcceleratorKey(char letter)
{
  if (!isVisible() || !isEnabled() || focusPolicy() == Qt::NoFocus)
    return false;
  const int upper = std::toupper(static_cast<unsigned char>(letter));
  for (int displayCol = 1; displayCol <= Cols(); ++displayCol) {
    const int dataCol = model_.DataColOf(displayCol);
    const TtsCol& col = model_.Col(dataCol);
    const std::string& heading = col.HeadingText();
    const int position = col.AcceleratorPos();
    if (position < 1 || position > int(heading.size()) ||
        std::toupper(static_cast<unsigned char>(heading[std::size_t(position - 1)])) != upper)
      continue;
    Fire(OnHeadingClick, dataCol);
    return true;
  }
  return false;
}

}  // namespace grid
