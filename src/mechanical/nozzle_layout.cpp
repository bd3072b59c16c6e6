// The nozzle layout: places every shell-side and tube-side nozzle in the fifteen-slot table
// (A to O) by shell type, stream sides, phases, baffles and position, and every vapour belt
// in the three-slot dome table. Everything is single precision; codes compare exactly.
#include "mechanical/nozzle_layout.hpp"

#include "mechanical/nozzle_placement.hpp"

namespace qalt2morv::mechanical {

float apply_orientation(float angle, float code) {
  if (code == nozzle_orientation::kTop) return angle::kTop;
  if (code == nozzle_orientation::kQuarter) return angle::kQuarter;
  if (code == nozzle_orientation::kBottom) return angle::kBottom;
  if (code == nozzle_orientation::kThreeQuarters) return angle::kThreeQuarters;
  return angle;
}

// Evaluated in exactly this order so that every platform lands on the same float.
float spread_location(int i, int n) {
  const float d = 5.0f / (2.0f * static_cast<float>(n));
  return static_cast<float>(2 * i) * d + (location::kShellStart + d);
}

// The limit is taken on the float so that a huge (or not-a-number) count never reaches an
// integer conversion.
int whole_count(float count, int low, int high) {
  const float whole = std::trunc(count);
  if (!(whole >= static_cast<float>(low))) return low;
  if (whole > static_cast<float>(high)) return high;
  return static_cast<int>(whole);
}

// The domes follow the shell-side nozzles they sit over; the separate outlets come after
// the shell-side nozzles, then the tube side.
void lay_out_nozzles(ConversionState& s) {
  s.nozzles.fill(NozzleSlot{});
  s.domes.fill(DomeSlot{});
  SlotFiller slots(s.nozzles);
  place_shell_side(slots, s);
  place_domes(s);
  place_shell_separate_outlet(slots, s);
  place_tube_side(slots, s);
}

}  // namespace qalt2morv::mechanical
