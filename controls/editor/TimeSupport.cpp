#include "controls/editor/TimeSupport.h"

#include <chrono>

namespace controls {

std::uint64_t TickCount64()
{
  using namespace std::chrono;
  return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::uint64_t TicksSince(std::uint64_t last, std::uint64_t now) { return now > last ? now - last : 0; }

int CurrentCentury()
{
  using namespace std::chrono;
  const year_month_day today{floor<days>(system_clock::now())};
  return int(today.year()) / 100 * 100;
}

}  // namespace controls
