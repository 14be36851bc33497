#pragma once
// The number validators of the properties dialog: one per numeric edit the dialog holds, made from
// one table of edit names, kinds, ranges and captions.

#include "plot/support/GraphValidates.h"

#include <QString>
#include <map>
#include <memory>

class QLineEdit;
class QWidget;

namespace plotui {

class TPropertiesValidators {
public:
  // Makes the validators of the table's edits found among form's children.
  explicit TPropertiesValidators(QWidget& form);
  ~TPropertiesValidators();

  // The validator of an edit; nullptr when it has none of that kind.
  plot::TRealValidate* Real(const QLineEdit* edit) const;
  plot::TIntValidate* Int(const QLineEdit* edit) const;

private:
  std::map<const QLineEdit*, std::unique_ptr<plot::TRealValidate>> reals_;
  std::map<const QLineEdit*, std::unique_ptr<plot::TIntValidate>> ints_;
};

}  // namespace plotui
