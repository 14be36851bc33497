#include "grid/model/Definitions.h"

#include <algorithm>

namespace grid {

TtsMask* TtsMaskLink::FindMask(const std::string& name) const
{
  if (name.empty() || !Component())
    return nullptr;
  return Component()->FindMask(name);
}

void TtsDateTimeLink::Attach(TtsDateTimeDefComponent* component)
{
  if (component)
    component->AddLink(*this);
}

void TtsDateTimeLink::Detach(TtsDateTimeDefComponent* component)
{
  if (component)
    component->RemoveLink(*this, false);
}

TtsDateTimeDefComponent::~TtsDateTimeDefComponent()
{
  const std::vector<Entry> links = links_;
  for (const Entry& entry : links)
    entry.Link->ComponentDestroying(*this);
}

void TtsDateTimeDefComponent::AddLink(TtsDateTimeLink& link)
{
  const auto found = std::find_if(links_.begin(), links_.end(), [&](const Entry& e) { return e.Link == &link; });
  if (found != links_.end())
    ++found->Count;
  else
    links_.push_back({&link, 1});
}

void TtsDateTimeDefComponent::RemoveLink(TtsDateTimeLink& link, bool all)
{
  const auto found = std::find_if(links_.begin(), links_.end(), [&](const Entry& e) { return e.Link == &link; });
  if (found == links_.end())
    return;
  if (all || --found->Count <= 0)
    links_.erase(found);
}

int TtsDateTimeDefComponent::CountOf(const TtsDateTimeLink& link) const
{
  const auto found = std::find_if(links_.begin(), links_.end(), [&](const Entry& e) { return e.Link == &link; });
  return found == links_.end() ? 0 : found->Count;
}

}  // namespace grid
