#include "plotui/properties/PropertiesValidators.h"

#include <QLineEdit>
#include <QWidget>
#include <limits>

namespace plotui {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct TValidatorRow {
  const char* edit;
  bool integer;
  double min, max;
  const char* caption;  // empty: the edit's name
};

const TValidatorRow kValidators[] = {
    {"edExaggerate", false, 0, 1e30, "Exaggerate"},
    {"edZoomPerStep", false, 0, 1000, "Zoom per Step"},
    {"edZoomSteps", true, 0, 1000, "Zoom Steps"},
    {"edDegree", true, 1, 40, "Polynomial degree"},
    {"edGeneral", true, 1, 40, "Genegal Number of Digits"},
    {"edPos", true, 0, 10, "Decimal position"},
    {"edInt", false, 0, 1e31, "Contour Integval"},
    {"edNum", true, 1, 100, "The number of Contours"},
    {"edLblInt", true, 1, 100, "Labeling Contour Intervel"},
    {"edView3D", false, 0, 100, "3D-View value"},
    {"edXMin", false, -1e30, 1e30, "Min"},
    {"edXMin2", false, -1e30, 1e30, "Min"},
    {"edYMin2", false, -1e30, 1e30, "Min"},
    {"edMin", false, -1e30, 1e30, "Min"},
    {"edRMin", false, -1e30, 1e30, "Min"},
    {"edXMax", false, -1e30, 1e30, "Max"},
    {"edXMax2", false, -1e30, 1e30, "Max"},
    {"edYMax2", false, -1e30, 1e30, "Max"},
    {"edMax", false, -1e30, 1e30, "Max"},
    {"edRMax", false, -1e30, 1e30, "Max"},
    {"edYMin", false, -1e30, 1e30, "YMin"},
    {"edYMax", false, -1e30, 1e30, "YMax"},
    {"edMinLog", false, 0, kInfinity, "Min Logarith scale"},
    {"edLoColor", false, 0, 1e30, "Low Color"},
    {"edHiColor", false, 0, 1e30, "Hi Color"},
    {"edXPos", false, -kInfinity, kInfinity, ""},
    {"edXPos2", false, -kInfinity, kInfinity, ""},
    {"edYPos", false, -kInfinity, kInfinity, ""},
    {"edYPos2", false, -kInfinity, kInfinity, ""},
};

}  // namespace

TPropertiesValidators::TPropertiesValidators(QWidget& form)
{
  for (const TValidatorRow& row : kValidators) {
    auto* edit = form.findChild<QLineEdit*>(QLatin1String(row.edit));
    if (!edit)
      continue;
    const QString caption = QLatin1String(row.caption);
    if (row.integer)
      ints_[edit] = std::make_unique<plot::TIntValidate>(int(row.min), int(row.max), edit, &form, caption);
    else
      reals_[edit] = std::make_unique<plot::TRealValidate>(row.min, row.max, edit, &form, caption);
  }
}

TPropertiesValidators::~TPropertiesValidators() = default;

plot::TRealValidate* TPropertiesValidators::Real(const QLineEdit* edit) const
{
  const auto it = reals_.find(edit);
  return it == reals_.end() ? nullptr : it->second.get();
}

plot::TIntValidate* TPropertiesValidators::Int(const QLineEdit* edit) const
{
  const auto it = ints_.find(edit);
  return it == ints_.end() ? nullptr : it->second.get();
}

}  // namespace plotui
