#pragma once
// Message boxes: an icon by type, a set of buttons, the modal result of the button pressed.

#include "platform/ModalRun.h"

#include <QString>

namespace platform {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

using TMsgDlgButtons = unsigned;
inline constexpr TMsgDlgButtons mbYes = 0x01;
inline constexpr TMsgDlgButtons mbNo = 0x02;
inline constexpr TMsgDlgButtons mbOK = 0x04;
inline constexpr TMsgDlgButtons mbCancel = 0x08;
inline constexpr TMsgDlgButtons mbAbort = 0x10;
inline constexpr TMsgDlgButtons mbRetry = 0x20;
inline constexpr TMsgDlgButtons mbIgnore = 0x40;
inline constexpr TMsgDlgButtons mbAll = 0x80;
inline constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
inline constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
inline constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

// A message box as a modal subject (what a script step sees).
class MessageBoxSubject : public ModalSubject {
 public:
  MessageBoxSubject(QString text, TMsgDlgType type, TMsgDlgButtons buttons, QString caption);
  ModalKind Kind() const override { return ModalKind::MessageBox; }
  QString Describe() const override;

  const QString& Text() const { return text_; }
  const QString& Caption() const { return caption_; }
  TMsgDlgType Type() const { return type_; }
  TMsgDlgButtons Buttons() const { return buttons_; }
  bool Allows(TModalResult result) const;  // one of the buttons gives this result

  TModalResult ShowForReal() const;

 private:
  QString text_;
  TMsgDlgType type_;
  TMsgDlgButtons buttons_;
  QString caption_;
};

// Shows a message box captioned by its type ("Error", "Warning", ...); returns the button's modal result.
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
// The same with a caption of the caller's.
TModalResult MessageBoxCaptioned(const QString& text, const QString& caption, TMsgDlgType type,
                                 TMsgDlgButtons buttons);

void ShowMessage(const QString& text);  // information text with OK, captioned by the application title
void ShowError(const QString& text);    // error icon, OK
bool Confirm(const QString& text);      // warning icon, Yes and No; true for Yes

}  // namespace platform
