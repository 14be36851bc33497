#include "platform/MessageDlg.h"

#include "platform/Application.h"

#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <utility>

namespace platform {

namespace {

struct ButtonInfo {
  TMsgDlgButtons bit;
  TModalResult result;
  QMessageBox::StandardButton standard;
};

// In the order the buttons appear.
constexpr std::array<ButtonInfo, 8> kButtons{{
    {mbYes, mrYes, QMessageBox::Yes},
    {mbNo, mrNo, QMessageBox::No},
    {mbOK, mrOk, QMessageBox::Ok},
    {mbCancel, mrCancel, QMessageBox::Cancel},
    {mbAbort, mrAbort, QMessageBox::Abort},
    {mbRetry, mrRetry, QMessageBox::Retry},
    {mbIgnore, mrIgnore, QMessageBox::Ignore},
    {mbAll, mrAll, QMessageBox::YesToAll},
}};

QString TypeCaption(TMsgDlgType type)
{
  switch (type) {
    case mtWarning: return QStringLiteral("Warning");
    case mtError: return QStringLiteral("Error");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: return QStringLiteral("Confirm");
    case mtCustom: break;
  }
  return ApplicationTitle();
}

QMessageBox::Icon TypeIcon(TMsgDlgType type)
{
  switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    case mtCustom: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MessageBoxSubject::MessageBoxSubject(QString text, TMsgDlgType type, TMsgDlgButtons buttons, QString caption)
    : text_(std::move(text)), type_(type), buttons_(buttons ? buttons : mbOK), caption_(std::move(caption))
{
}

QString MessageBoxSubject::Describe() const
{
  return QStringLiteral("message box \"%1\": %2").arg(caption_, text_);
}

bool MessageBoxSubject::Allows(TModalResult result) const
{
  for (const ButtonInfo& b : kButtons)
    if ((buttons_ & b.bit) && b.result == result)
      return true;
  return false;
}

TModalResult MessageBoxSubject::ShowForReal() const
{
  QMessageBox box(TypeIcon(type_), caption_, text_, QMessageBox::NoButton, ActiveWindowOrNull());
  QPushButton* first = nullptr;
  for (const ButtonInfo& b : kButtons) {
    if (!(buttons_ & b.bit))
      continue;
    QPushButton* button = box.addButton(b.standard);
    button->setProperty("modalResult", b.result);
    if (!first)
      first = button;
    if (b.bit == mbCancel || (b.bit == mbNo && !(buttons_ & mbCancel)))
      box.setEscapeButton(button);
  }
  box.setDefaultButton(first);
  box.exec();
  const auto* clicked = box.clickedButton();
  if (!clicked)
    return (buttons_ & mbCancel) ? mrCancel : (buttons_ & mbNo) ? mrNo : mrOk;
  return clicked->property("modalResult").toInt();
}

TModalResult MessageBoxCaptioned(const QString& text, const QString& caption, TMsgDlgType type,
                                 TMsgDlgButtons buttons)
{
  MessageBoxSubject subject(text, type, buttons, caption);
  return RunModal(subject, [&] { return subject.ShowForReal(); });
}

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
  return MessageBoxCaptioned(text, TypeCaption(type), type, buttons);
}

void ShowMessage(const QString& text)
{
  MessageBoxCaptioned(text, ApplicationTitle(), mtCustom, mbOK);
}

void ShowError(const QString& text)
{
  MessageDlg(text, mtError, mbOK);
}

bool Confirm(const QString& text)
{
  return MessageDlg(text, mtWarning, mbYesNo) == mrYes;
}

}  // namespace platform
