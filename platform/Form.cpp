#include "platform/Form.h"

#include "platform/ExceptionBoundary.h"
#include "platform/KeyTranslation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace platform {

// Sees every key event of the application and hands those meant for the form's focused control to the form
// first.
class KeyPreviewFilter : public QObject {
 public:
  explicit KeyPreviewFilter(Form& form) : form_(form) { qApp->installEventFilter(this); }
  ~KeyPreviewFilter() override { qApp->removeEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
      return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &form_)
      return false;
    // A key travels up the parents when unhandled; preview it once, at the widget that got it first. That is
    // the form's own focus widget, which stays while a dialog has the application's focus: a key whose
    // handler ran a dialog then reaches the form as it travels on, and must not be seen a second time.
    QWidget* target = form_.focusWidget();
    if (widget != (target ? target : static_cast<QWidget*>(&form_)))
      return false;
    return form_.PreviewKey(*static_cast<QKeyEvent*>(event));
  }

 private:
  Form& form_;
};

Form::Form(QWidget* parent, bool longLived) : QDialog(parent)
{
  if (longLived)
    setWindowFlags(Qt::Window);
}

Form::~Form() = default;

void Form::Show()
{
  show();
  if (IsHeadless())
    return;  // nothing to raise or activate without a screen
  raise();
  activateWindow();
}

void Form::Hide()
{
  hide();
}

TModalResult Form::ShowModal()
{
  modalResult_ = mrNone;
  return RunModal(*this, [this] {
    runningModal_ = true;
    exec();
    runningModal_ = false;
    if (modalResult_ == mrNone)
      modalResult_ = mrCancel;
    return modalResult_;
  });
}

void Form::SetModalResult(TModalResult result)
{
  modalResult_ = result;
  if (runningModal_ && result != mrNone)
    done(result);
}

void Form::BindModalButton(QAbstractButton* button, TModalResult result)
{
  connect(button, &QAbstractButton::clicked, this, [this, result] { SetModalResult(result); });
}

void Form::SetCancelButton(QAbstractButton* button)
{
  cancelButton_ = button;
}

void Form::SetDefaultButton(QAbstractButton* button)
{
  defaultButton_ = button;
}

void Form::SetKeyPreview(bool on)
{
  if (on && !preview_)
    preview_ = std::make_unique<KeyPreviewFilter>(*this);
  else if (!on)
    preview_.reset();
}

QString Form::Describe() const
{
  return QStringLiteral("window \"%1\" (%2)").arg(windowTitle(), objectName());
}

void Form::BeginScripted()
{
  modalResult_ = mrNone;
  show();
}

void Form::EndScripted()
{
  hide();
}

void Form::FormKeyDown(int&, TShiftState) {}
void Form::FormKeyPress(char&) {}
void Form::FormKeyUp(int&, TShiftState) {}

bool Form::CloseQuery()
{
  return true;
}

bool Form::PreviewKey(QKeyEvent& event)
{
  bool consumed = false;
  Guard([&] {
    const TShiftState shift = ShiftStateFromQt(event.modifiers());
    int key = VirtualKeyFromQt(event.key(), event.modifiers());
    if (event.type() == QEvent::KeyRelease) {
      if (key != 0 && !event.isAutoRepeat()) {
        FormKeyUp(key, shift);
        consumed = key == 0;
      }
      return;
    }
    if (key != 0) {
      FormKeyDown(key, shift);
      if (key == 0) {
        consumed = true;
        return;
      }
    }
    for (char c : TypedCharacters(event)) {
      FormKeyPress(c);
      if (c == 0)
        consumed = true;
    }
  });
  return consumed;
}

void Form::closeEvent(QCloseEvent* event)
{
  bool canClose = true;
  Guard([&] { canClose = CloseQuery(); });
  if (!canClose) {
    event->ignore();
    return;
  }
  if (runningModal_ && modalResult_ == mrNone)
    modalResult_ = mrCancel;
  QDialog::closeEvent(event);
}

void Form::keyPressEvent(QKeyEvent* event)
{
  const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
  if (plain && event->key() == Qt::Key_Escape) {
    // Escape closes nothing unless a cancel button is set.
    if (cancelButton_ && cancelButton_->isEnabled())
      cancelButton_->click();
    event->accept();
    return;
  }
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && defaultButton_ &&
      defaultButton_->isEnabled()) {
    defaultButton_->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void Form::reject()
{
  if (runningModal_) {
    SetModalResult(mrCancel);
    return;
  }
  hide();
}

}  // namespace platform
