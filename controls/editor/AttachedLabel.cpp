#include "controls/editor/AttachedLabel.h"

#include "controls/editor/Exceptions.h"
#include "controls/editor/LibraryStringIds.h"
#include "controls/editor/LibraryStrings.h"

#include <QApplication>
#include <cctype>

namespace controls {

namespace {

bool IsIdentifier(const std::string& text)
{
  if (text.empty() || !(std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_'))
    return false;
  for (const char ch : text)
    if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '_')
      return false;
  return true;
}

bool FormHasName(const QWidget& form, const QString& name)
{
  if (form.objectName().compare(name, Qt::CaseInsensitive) == 0)
    return true;
  for (const QObject* child : form.findChildren<QObject*>())
    if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
      return true;
  return false;
}

}  // namespace

std::string UniqueComponentName(const QWidget& form, const std::string& base)
{
  if (!IsIdentifier(base))
    throw EOvcException("'" + base + "' is not a valid component name");
  for (int i = 1;; ++i) {
    const std::string name = base + std::to_string(i);
    if (!FormHasName(form, QString::fromStdString(name)))
      return name;
  }
}

TOvcAttachedLabel::TOvcAttachedLabel(QWidget* parent, QWidget* control) : QLabel(parent), control_(control)
{
  setAutoFillBackground(true);
  setBuddy(control);
}

TOvcLabelInfo::TOvcLabelInfo(QWidget& control) : control_(control) {}

TOvcLabelInfo::~TOvcLabelInfo() { Destroy(); }

void TOvcLabelInfo::SetOffsetX(int x)
{
  offsetX_ = x;
  Place();
}

void TOvcLabelInfo::SetOffsetY(int y)
{
  offsetY_ = y;
  Place();
}

void TOvcLabelInfo::SetBelow(bool below)
{
  below_ = below;
  Place();
}

void TOvcLabelInfo::SetVisible(bool visible)
{
  if (!visible) {
    Destroy();
    return;
  }
  QWidget* parent = control_.parentWidget();
  if (!parent)
    return;
  Destroy();
  const std::string name = UniqueComponentName(*control_.window(), control_.objectName().toStdString() + "Label");
  label_ = new TOvcAttachedLabel(parent, &control_);
  label_->setObjectName(QString::fromStdString(name));
  label_->setText(QString::fromStdString(name));
  label_->setFont(parent->font());
  label_->adjustSize();
  // A label deleted on its own is forgotten.
  labelGone_ = QObject::connect(label_, &QObject::destroyed, [this] { label_ = nullptr; });
  offsetX_ = offsetY_ = 0;
  Place();
  label_->raise();
  label_->setVisible(!control_.isHidden());
}

void TOvcLabelInfo::Destroy()
{
  QObject::disconnect(labelGone_);
  delete label_.data();
  label_ = nullptr;
}

TOvcAttachedLabel& TOvcLabelInfo::Label() const
{
  if (!label_)
    throw EOvcException(GetLibraryString(SCLabelNotAttached));
  return *label_;
}

void TOvcLabelInfo::Place()
{
  if (!label_)
    return;
  const QRect box = control_.geometry();
  const int top = below_ ? box.top() + box.height() + offsetY_ : box.top() + offsetY_ - label_->height();
  label_->move(box.left() + offsetX_, top);
}

void TOvcLabelInfo::ControlShown(bool shown)
{
  if (label_)
    label_->setVisible(shown);
}

}  // namespace controls
