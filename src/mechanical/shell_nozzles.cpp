// Shell-side nozzles by shell type, and the shell side's separate outlets.
#include "mechanical/nozzle_placement.hpp"

namespace qalt2morv::mechanical {

namespace {

using nozzle_function::kInlet;
using nozzle_function::kOutlet;
using nozzle_function::kSeparateOutlet;

// A fixed shell-side pattern: which slot is an inlet or an outlet, and where it sits.
struct PatternSlot {
  float function;
  float location;
};

constexpr std::array<PatternSlot, 2> kFShell = {
    {{kInlet, location::kNearFrontTubesheet}, {kOutlet, location::kNearFrontTubesheet}}};
constexpr std::array<PatternSlot, 2> kGShell = {
    {{kInlet, location::kMidShell}, {kOutlet, location::kMidShell}}};
// Two inlets and two outlets at a quarter and three quarters of the shell.
constexpr std::array<PatternSlot, 4> kHShell = {
    {{kInlet, 3.75f}, {kInlet, 6.25f}, {kOutlet, 3.75f}, {kOutlet, 6.25f}}};
// J shell fed at mid-shell and drained at both ends, or fed at both ends and drained mid-shell.
constexpr std::array<PatternSlot, 3> kJShellOneInlet = {{{kInlet, location::kMidShell},
                                                         {kOutlet, location::kNearFrontTubesheet},
                                                         {kOutlet, location::kNearRearTubesheet}}};
constexpr std::array<PatternSlot, 3> kJShellTwoInlets = {{{kInlet, location::kNearFrontTubesheet},
                                                          {kInlet, location::kNearRearTubesheet},
                                                          {kOutlet, location::kMidShell}}};

// Kettle outlets when the rear end is a removable bundle: by outlet count, in slot order.
constexpr std::array<std::array<float, 4>, 4> kKettleOutletLocations = {{
    {5.0f, 0.0f, 0.0f, 0.0f},
    {5.0f, 7.0f, 0.0f, 0.0f},
    {5.5f, 7.0f, 4.0f, 0.0f},
    {5.0f, 7.0f, 4.0f, 6.0f},
}};

// Angles of the nozzles of one E-shell group around the shell, by group size.
constexpr std::array<std::array<float, 4>, 4> kGroupAngleOffsets = {{
    {0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 180.0f, 0.0f, 0.0f},
    {0.0f, 90.0f, 180.0f, 0.0f},
    {0.0f, 90.0f, 180.0f, 270.0f},
}};

// The hot stream enters at the top and leaves at the bottom; a cold one the other way.
float shell_inlet_angle(const ConversionState& s) {
  return hot_side_declared_shell(s) ? angle::kTop : angle::kBottom;
}
float shell_outlet_angle(const ConversionState& s) {
  return hot_side_declared_shell(s) ? angle::kBottom : angle::kTop;
}

template <std::size_t N>
void place_pattern(SlotFiller& slots, const ConversionState& s,
                   const std::array<PatternSlot, N>& pattern, float inlet_angle,
                   float outlet_angle) {
  for (const PatternSlot& p : pattern) {
    const bool inlet = p.function == kInlet;
    slots.add(p.function, inlet ? s.shell_inlet_nozzle_nps : s.shell_outlet_nozzle_nps, p.location,
              inlet ? inlet_angle : outlet_angle);
  }
}

void place_x_shell(SlotFiller& slots, const ConversionState& s) {
  // Cross flow: one outlet opposite each inlet, so the outlet count on the deck is not used.
  const int n = whole_count(s.shell_inlet_nozzle_count, 1, 5);
  for (int i = 0; i < n; ++i) {
    slots.add(kInlet, s.shell_inlet_nozzle_nps, spread_location(i, n), shell_inlet_angle(s));
  }
  for (int i = 0; i < n; ++i) {
    slots.add(kOutlet, s.shell_outlet_nozzle_nps, spread_location(i, n), shell_outlet_angle(s));
  }
}

void place_j_shell(SlotFiller& slots, const ConversionState& s) {
  float inlet_angle = angle::kBottom;
  float outlet_angle = angle::kTop;
  if (hot_side_declared_shell(s)) {
    inlet_angle = angle::kTop;
    // A condensing hot stream with a separate vapour outlet drains its liquid from the bottom.
    outlet_angle = (condensing_hot_stream(s) && s.shell_split_outlet_nps > 0.0f) ? angle::kTop
                                                                                 : angle::kBottom;
  }
  if (s.shell_inlet_nozzle_count > 1.0f) {
    place_pattern(slots, s, kJShellTwoInlets, inlet_angle, outlet_angle);
  } else {
    place_pattern(slots, s, kJShellOneInlet, inlet_angle, outlet_angle);
  }
}

void place_k_shell(SlotFiller& slots, const ConversionState& s) {
  const int n = whole_count(s.shell_inlet_nozzle_count, 1, 5);
  for (int i = 0; i < n; ++i) {
    const float at = n == 1 ? location::kNearFrontTubesheet : spread_location(i, n);
    slots.add(kInlet, s.shell_inlet_nozzle_nps, at, angle::kBottom);
  }
  const int m = whole_count(s.shell_outlet_nozzle_count, 1, 4);
  for (int j = 0; j < m; ++j) {
    const float at =
        rear_end_is_shell_cover(s)
            ? kKettleOutletLocations[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(j)]
            : spread_location(j, m);
    slots.add(kOutlet, s.shell_outlet_nozzle_nps, at, angle::kTop);
  }
}

// On every shell but the E shell the deck's orientation codes have the last word.
void override_shell_angles(SlotFiller& slots, const ConversionState& s) {
  for (NozzleSlot& slot : slots.filled()) {
    if (slot.function == kInlet)
      slot.angle = apply_orientation(slot.angle, s.shell_nozzle_orientations[0]);
    if (slot.function == kOutlet)
      slot.angle = apply_orientation(slot.angle, s.shell_nozzle_orientations[1]);
  }
}

struct EShellEnds {
  float inlet_location;
  float outlet_location;
  float inlet_angle;
  float outlet_angle;
};

// The outlet leaves on the side where the last baffle window opens.
bool outlet_follows_last_window(const ConversionState& s, float phase_code) {
  return (phase_code < phase::kMostlyQuantityA || vertical(s)) &&
         s.baffle_orientation_code == baffle_orientation::kHorizontalCut;
}

EShellEnds cold_e_shell_ends(const ConversionState& s) {
  EShellEnds e{};
  const bool counter = counter_current(s);
  e.inlet_location = counter ? location::kNearRearTubesheet : location::kNearFrontTubesheet;
  e.outlet_location = counter ? location::kNearFrontTubesheet : location::kNearRearTubesheet;
  e.inlet_angle = angle::kBottom;
  e.outlet_angle = angle::kTop;
  if (outlet_follows_last_window(s, s.cold_phase_code)) {
    e.outlet_angle = is_even(s.baffle_count) ? angle::kTop : angle::kBottom;
  }
  return e;
}

EShellEnds hot_e_shell_ends(const ConversionState& s) {
  EShellEnds e{};
  const bool vert = vertical(s);
  // Deck line 488 asks for the nozzles of a vertical unit at the other end.
  const bool ends_swapped = vert && (s.nozzle_end_setting == kNozzlesAtOtherEnd ||
                                     s.nozzle_end_setting == kNozzlesAtOtherEndToo);
  bool inlet_at_rear = counter_current(s);
  if (ends_swapped) inlet_at_rear = !inlet_at_rear;
  e.inlet_location = inlet_at_rear ? location::kNearRearTubesheet : location::kNearFrontTubesheet;
  e.outlet_location = inlet_at_rear ? location::kNearFrontTubesheet : location::kNearRearTubesheet;
  e.inlet_angle = angle::kTop;
  e.outlet_angle = angle::kBottom;
  if (outlet_follows_last_window(s, s.hot_phase_code)) {
    e.outlet_angle = is_even(s.baffle_count) ? angle::kBottom : angle::kTop;
  }
  if (condensing_hot_stream(s) && s.shell_split_outlet_nps > 0.0f) e.outlet_angle = angle::kTop;
  if (boiling_cold_stream(s) && vert) {
    const bool counter = counter_current(s);
    e.inlet_location = counter ? location::kNearFrontTubesheet : location::kNearRearTubesheet;
    e.outlet_location = counter ? location::kNearRearTubesheet : location::kNearFrontTubesheet;
  }
  // A condensing hot stream in a vertical shell enters at the top and drains at the bottom.
  if (condensing_hot_stream(s) && vert) {
    e.inlet_location = location::kNearFrontTubesheet;
    e.outlet_location = location::kNearRearTubesheet;
  }
  return e;
}

EShellEnds e_shell_ends(const ConversionState& s) {
  EShellEnds e = hot_side_declared_shell(s) ? hot_e_shell_ends(s) : cold_e_shell_ends(s);
  // U-tube nozzle setting 2 moves the rear-end nozzle out over the U-bends.
  if (u_tube_bundle(s) && s.u_tube_nozzle_setting == kUTubeNozzleOverBends) {
    if (e.inlet_location == location::kNearRearTubesheet) e.inlet_location = location::kOverUBends;
    if (e.outlet_location == location::kNearRearTubesheet)
      e.outlet_location = location::kOverUBends;
  }
  e.inlet_angle = apply_orientation(e.inlet_angle, s.shell_nozzle_orientations[0]);
  e.outlet_angle = apply_orientation(e.outlet_angle, s.shell_nozzle_orientations[1]);
  return e;
}

void place_e_group(SlotFiller& slots, float function, float diameter, float at, float first_angle,
                   int count) {
  for (int i = 0; i < count; ++i) {
    const float offset =
        kGroupAngleOffsets[static_cast<std::size_t>(count - 1)][static_cast<std::size_t>(i)];
    slots.add(function, diameter, at, within_one_turn(first_angle + offset));
  }
}

void place_e_shell(SlotFiller& slots, const ConversionState& s) {
  const int inlets = whole_count(s.shell_inlet_nozzle_count, 0, 4);
  const int outlets = whole_count(s.shell_outlet_nozzle_count, 0, 4);
  const EShellEnds e = e_shell_ends(s);
  place_e_group(slots, kInlet, s.shell_inlet_nozzle_nps, e.inlet_location, e.inlet_angle, inlets);
  place_e_group(slots, kOutlet, s.shell_outlet_nozzle_nps, e.outlet_location, e.outlet_angle,
                outlets);
}

}  // namespace

void place_shell_side(SlotFiller& slots, const ConversionState& s) {
  const float type = s.shell_type_code;
  if (type == shell_type::kE) {
    place_e_shell(slots, s);
    return;
  }
  if (type == shell_type::kX) {
    place_x_shell(slots, s);
  } else if (type == shell_type::kF) {
    place_pattern(slots, s, kFShell, shell_inlet_angle(s), shell_outlet_angle(s));
  } else if (type == shell_type::kG) {
    place_pattern(slots, s, kGShell, shell_inlet_angle(s), shell_outlet_angle(s));
  } else if (type == shell_type::kH) {
    place_pattern(slots, s, kHShell, shell_inlet_angle(s), shell_outlet_angle(s));
  } else if (type == shell_type::kJ) {
    place_j_shell(slots, s);
  } else if (type == shell_type::kK) {
    place_k_shell(slots, s);
  } else {
    return;
  }
  override_shell_angles(slots, s);
}

void place_shell_separate_outlet(SlotFiller& slots, const ConversionState& s) {
  const float nps = s.shell_split_outlet_nps;
  if (!(nps > 0.0f)) return;
  if (j_shell(s)) {
    if (j_shell_with_two_inlets(s)) {
      slots.add(kSeparateOutlet, nps, location::kMidShell, angle::kBottom);
    } else {
      slots.add(kSeparateOutlet, nps, location::kNearFrontTubesheet, angle::kBottom);
      slots.add(kSeparateOutlet, nps, location::kNearRearTubesheet, angle::kBottom);
    }
    return;
  }
  // Opposite end from the first shell-side nozzle.
  float at = s.nozzles[0].location == location::kNearFrontTubesheet ? location::kNearRearTubesheet
                                                                    : location::kNearFrontTubesheet;
  if (vertical(s) && hot_side_declared_shell(s) && condensing_hot_stream(s)) {
    at = rear_end_beyond_packed_head(s) ? location::kRearEndAxial : location::kNearRearTubesheet;
  }
  if (s.shell_type_code == shell_type::kK && rear_end_beyond_packed_head(s))
    at = location::kRearEndCylinder;
  slots.add(kSeparateOutlet, nps, at,
            at == location::kRearEndAxial ? angle::kAxial : angle::kBottom);
}

}  // namespace qalt2morv::mechanical
