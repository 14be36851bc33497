#include "platform/ModalRun.h"

#include "platform/CommonDialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Form.h"
#include "platform/InputBox.h"
#include "platform/Menus.h"
#include "platform/MessageDlg.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

ModalScript* activeScript = nullptr;

void Abort(const QString& message)
{
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  std::fflush(stderr);
  std::abort();
}

template <typename Subject>
Subject* As(ModalSubject& subject, const ModalScript& script, const char* wanted)
{
  auto* typed = dynamic_cast<Subject*>(&subject);
  if (!typed)
    script.Report(QStringLiteral("Modal script expected %1, got %2").arg(QString::fromLatin1(wanted), subject.Describe()));
  return typed;
}

}  // namespace

QString ModalKindName(ModalKind kind)
{
  switch (kind) {
    case ModalKind::MessageBox: return QStringLiteral("message box");
    case ModalKind::OpenDialog: return QStringLiteral("open dialog");
    case ModalKind::SaveDialog: return QStringLiteral("save dialog");
    case ModalKind::ColorDialog: return QStringLiteral("colour dialog");
    case ModalKind::FontDialog: return QStringLiteral("font dialog");
    case ModalKind::PrintDialog: return QStringLiteral("print dialog");
    case ModalKind::PrinterSetupDialog: return QStringLiteral("printer set-up dialog");
    case ModalKind::PageSetupDialog: return QStringLiteral("page set-up dialog");
    case ModalKind::InputBox: return QStringLiteral("input box");
    case ModalKind::Window: return QStringLiteral("window");
    case ModalKind::PopupMenu: return QStringLiteral("popup menu");
  }
  return QStringLiteral("modal");
}

bool IsHeadless()
{
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return true;  // no windows at all
  const QString name = QGuiApplication::platformName();
  return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

TModalResult RunModal(ModalSubject& subject, const std::function<TModalResult()>& showForReal)
{
  if (activeScript)
    return activeScript->Answer(subject);
  if (IsHeadless())
    Abort(QStringLiteral("Unanswered modal run (no script answers it): ") + subject.Describe());
  return showForReal();
}

ModalScript::ModalScript(Reporter reporter) : reporter_(std::move(reporter)), outer_(activeScript)
{
  activeScript = this;
}

ModalScript::~ModalScript()
{
  activeScript = outer_;
  if (!steps_.empty())
    Report(QStringLiteral("Modal script ended with %1 unused step(s)").arg(steps_.size()));
}

void ModalScript::Report(const QString& message) const
{
  if (reporter_)
    reporter_(message);
  else
    Abort(message);
}

TModalResult ModalScript::Answer(ModalSubject& subject)
{
  if (steps_.empty()) {
    Report(QStringLiteral("Unanswered modal run (the script has no step left): ") + subject.Describe());
    return mrCancel;
  }
  // Pop before running: the step may open a nested modal run, which takes the next step.
  Step step = std::move(steps_.front());
  steps_.pop_front();
  answered_.append(subject.Describe());
  subject.BeginScripted();
  const TModalResult result = step(subject);
  subject.EndScripted();
  return result;
}

ModalScript& ModalScript::Then(Step step)
{
  steps_.push_back(std::move(step));
  return *this;
}

ModalScript& ModalScript::Press(TModalResult button)
{
  return Then([this, button](ModalSubject& subject) {
    if (auto* form = dynamic_cast<Form*>(&subject))
      form->SetModalResult(button);
    if (auto* box = dynamic_cast<MessageBoxSubject*>(&subject); box && !box->Allows(button))
      Report(QStringLiteral("Modal script pressed a button the box does not have: ") + subject.Describe());
    return button;
  });
}

ModalScript& ModalScript::PressOn(ModalKind kind, TModalResult button)
{
  return Then([this, kind, button](ModalSubject& subject) {
    if (subject.Kind() != kind) {
      Report(QStringLiteral("Modal script expected a %1, got %2").arg(ModalKindName(kind), subject.Describe()));
      return mrCancel;
    }
    if (auto* form = dynamic_cast<Form*>(&subject))
      form->SetModalResult(button);
    return button;
  });
}

ModalScript& ModalScript::ExpectMessage(const QString& text, TModalResult button)
{
  return Then([this, text, button](ModalSubject& subject) {
    auto* box = As<MessageBoxSubject>(subject, *this, "a message box");
    if (!box)
      return mrCancel;
    if (box->Text() != text)
      Report(QStringLiteral("Modal script expected the message \"%1\", got \"%2\"").arg(text, box->Text()));
    return button;
  });
}

ModalScript& ModalScript::Fill(const QString& text)
{
  return Then([this, text](ModalSubject& subject) {
    auto* box = As<InputBoxSubject>(subject, *this, "an input box");
    if (!box)
      return mrCancel;
    box->SetValue(text);
    return mrOk;
  });
}

ModalScript& ModalScript::Choose(const QString& fileName, int filterIndex)
{
  return Then([this, fileName, filterIndex](ModalSubject& subject) {
    auto* dialog = As<TFileDialog>(subject, *this, "an open or save dialog");
    if (!dialog)
      return mrCancel;
    dialog->FileName = fileName;
    if (filterIndex > 0)
      dialog->FilterIndex = filterIndex;
    return mrOk;
  });
}

ModalScript& ModalScript::PickColor(TColor color)
{
  return Then([this, color](ModalSubject& subject) {
    auto* dialog = As<TColorDialog>(subject, *this, "a colour dialog");
    if (!dialog)
      return mrCancel;
    dialog->Color = color;
    return mrOk;
  });
}

ModalScript& ModalScript::PickFont(const QFont& font, TColor color)
{
  return Then([this, font, color](ModalSubject& subject) {
    auto* dialog = As<TFontDialog>(subject, *this, "a font dialog");
    if (!dialog)
      return mrCancel;
    dialog->Font = font;
    dialog->Color = color;
    return mrOk;
  });
}

ModalScript& ModalScript::ChooseItem(const QString& name)
{
  return Then([this, name](ModalSubject& subject) {
    auto* menu = As<TPopupMenu>(subject, *this, "a popup menu");
    if (!menu)
      return mrCancel;
    if (!menu->ChooseItem(name)) {
      Report(QStringLiteral("Modal script found no enabled item \"%1\" in the %2").arg(name, subject.Describe()));
      return mrCancel;
    }
    return mrOk;
  });
}

ModalScript& ModalScript::Dismiss(ModalKind kind)
{
  return Then([this, kind](ModalSubject& subject) {
    if (subject.Kind() != kind)
      Report(QStringLiteral("Modal script expected a %1, got %2").arg(ModalKindName(kind), subject.Describe()));
    return mrCancel;
  });
}

ModalScript& ModalScript::Act(std::function<void(Form&)> action)
{
  return Then([this, action = std::move(action)](ModalSubject& subject) {
    auto* form = As<Form>(subject, *this, "a window");
    if (!form)
      return mrCancel;
    action(*form);
    if (form->ModalResult() == mrNone) {
      Report(QStringLiteral("Modal script left the window open: ") + subject.Describe());
      return mrCancel;
    }
    return form->ModalResult();
  });
}

}  // namespace platform
