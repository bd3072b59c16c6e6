// What the placement of shell-side nozzles, domes and tube-side nozzles shares: the slot
// filler, the angle and location arithmetic, and the rules on stream sides and position.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <span>

#include "core/conversion_state.hpp"
#include "core/host_codes.hpp"
#include "core/stream_sides.hpp"

namespace qalt2morv::mechanical {

// Fills the nozzle table from slot A without gaps; a slot past O is never written.
class SlotFiller {
 public:
  explicit SlotFiller(std::array<NozzleSlot, kNozzleSlots>& slots) : slots_(slots) {}

  int next() const { return static_cast<int>(next_); }

  void add(float function, float diameter, float location, float angle) {
    if (next_ >= slots_.size()) return;
    slots_[next_++] = NozzleSlot{function, diameter, location, angle};
  }

  std::span<NozzleSlot> filled() { return std::span<NozzleSlot>(slots_.data(), next_); }

 private:
  std::array<NozzleSlot, kNozzleSlots>& slots_;
  std::size_t next_ = 0;
};

// The angle a nozzle orientation code stands for; any other code keeps the angle as it is.
float apply_orientation(float angle, float code);

// Offsets of at most 270 added to an angle of at most 360 overshoot by one turn at most.
inline float within_one_turn(float angle) {
  return angle >= angle::kFullTurn ? angle - angle::kFullTurn : angle;
}

// Location of the i-th of n nozzles spread evenly between 2.5 and 7.5 along the shell.
float spread_location(int i, int n);

// Whole part of a count held as a real, limited to [low, high].
int whole_count(float count, int low, int high);

inline bool is_even(float count) { return 2.0f * std::trunc(count / 2.0f) == count; }

inline bool vertical(const ConversionState& s) { return s.position_code == position::kVertical; }
inline bool counter_current(const ConversionState& s) {
  return s.flow_arrangement_code <= flow_arrangement::kCounterCurrent;
}
inline bool condensing_hot_stream(const ConversionState& s) {
  return s.hot_phase_code >= phase::kMostlyQuantityA;
}
inline bool boiling_cold_stream(const ConversionState& s) {
  return s.cold_phase_code >= phase::kMostlyQuantityA;
}
inline bool rear_end_is_shell_cover(const ConversionState& s) {
  return s.rear_head_code > rear_head::kLastFixedChannel;
}
inline bool rear_end_beyond_packed_head(const ConversionState& s) {
  return s.rear_head_code > rear_head::kP;  // S, T, U, W
}
inline bool u_tube_bundle(const ConversionState& s) { return s.rear_head_code == rear_head::kU; }
inline bool floating_head_without_channel(const ConversionState& s) {
  return s.rear_head_code == rear_head::kS || s.rear_head_code == rear_head::kT;
}
inline bool j_shell(const ConversionState& s) { return s.shell_type_code == shell_type::kJ; }
inline bool j_shell_with_two_inlets(const ConversionState& s) {
  return j_shell(s) && s.shell_inlet_nozzle_count == 2.0f;
}

void place_shell_side(SlotFiller& slots, const ConversionState& s);
void place_shell_separate_outlet(SlotFiller& slots, const ConversionState& s);
void place_domes(ConversionState& s);
void place_tube_side(SlotFiller& slots, const ConversionState& s);

}  // namespace qalt2morv::mechanical
