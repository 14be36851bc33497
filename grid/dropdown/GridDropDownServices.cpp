// The grid's combo and date-time services, answered by its drop-downs.

#include "grid/dropdown/GridDropDowns.h"

namespace grid {

void TtsBaseGrid::DropDownsDeleter::operator()(TtsGridDropDowns* dropDowns) const { delete dropDowns; }

TtsGridDropDowns& TtsBaseGrid::DropDowns()
{
  if (!dropDowns_)
    dropDowns_.reset(new TtsGridDropDowns(*this));
  return *dropDowns_;
}

std::unique_ptr<TtsCombo> TtsBaseGrid::CreateCombo() { return DropDowns().CreateCombo(); }

void TtsBaseGrid::EnsureCombo()
{
  if (!model_.IsComboGrid)
    DropDowns().EnsureCombo();
}

void TtsBaseGrid::ComboChanged(TtsCombo& combo, bool refresh)
{
  if (dropDowns_)
    dropDowns_->ComboChanged(combo, refresh);
}

void TtsBaseGrid::CloseComboDropDown(const TtsCombo& combo)
{
  if (dropDowns_)
    dropDowns_->CloseComboDropDownFor(combo);
}

void TtsBaseGrid::DropComboState(bool refresh)
{
  if (dropDowns_)
    dropDowns_->DropComboState(refresh);
}

void TtsBaseGrid::DropDateTimeState()
{
  if (dropDowns_)
    dropDowns_->ForgetDateTimeDef();
}

void TtsBaseGrid::DropDateTimeStateFor(const TtsDateTimeDefComponent* definition)
{
  if (dropDowns_)
    dropDowns_->ForgetDateTimeDefIf(definition);
}

}  // namespace grid
