// The nozzle layout: places every shell-side and tube-side nozzle in the fifteen-slot table
// (A to O) by shell type, stream sides, phases, baffles and position, and every vapour belt
// in the three-slot dome table. Everything is single precision; codes compare exactly.
#include "mechanical/nozzle_layout.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <span>

#include "core/numeric_helpers.hpp"

namespace qalt2morv::mechanical {

namespace {

// Nozzle functions as the host codes them.
constexpr float kInlet = 1.0f;
constexpr float kOutlet = 2.0f;
constexpr float kSeparateOutlet = 5.0f;

constexpr float kVapourBelt = 4.0f;
// The deck names no shell material; the domes get the default material code.
constexpr float kShellMaterial = 1.0f;

// The angle an orientation code stands for; any other code keeps the angle as it is.
float apply_orientation(float angle, float code) {
  if (code == 1.0f) return 0.0f;
  if (code == 2.0f) return 90.0f;
  if (code == 3.0f) return 180.0f;
  if (code == 4.0f) return 270.0f;
  return angle;
}

// Offsets of at most 270 added to an angle of at most 360 overshoot by one turn at most.
float reduce(float angle) { return angle >= 360.0f ? angle - 360.0f : angle; }

// Location of the i-th of n nozzles spread evenly between 2.5 and 7.5 along the shell,
// evaluated in exactly this order so that every platform lands on the same float.
float spread_location(int i, int n) {
  const float d = 5.0f / (2.0f * static_cast<float>(n));
  return static_cast<float>(2 * i) * d + (2.5f + d);
}

// Whole part of a count held as a real, limited to [low, high]. The limit is taken on the
// float so that a huge (or not-a-number) count never reaches an integer conversion.
int whole_count(float count, int low, int high) {
  const float whole = std::trunc(count);
  if (!(whole >= static_cast<float>(low))) return low;
  if (whole > static_cast<float>(high)) return high;
  return static_cast<int>(whole);
}

bool is_even(float count) { return 2.0f * std::trunc(count / 2.0f) == count; }

bool hot_shell(const ConversionState& s) { return s.hot_side_code == 1.0f; }
bool vertical(const ConversionState& s) { return s.position_code == 2.0f; }
bool counter_current(const ConversionState& s) { return s.flow_arrangement_code <= 1.0f; }
bool j_shell_with_two_inlets(const ConversionState& s) {
  return s.shell_type_code == 5.0f && s.shell_inlet_nozzle_count == 2.0f;
}

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

// A fixed shell-side pattern: which slot is an inlet or an outlet, and where it sits.
struct PatternSlot {
  float function;
  float location;
};

constexpr std::array<PatternSlot, 2> kFShell = {{{kInlet, 3.0f}, {kOutlet, 3.0f}}};
constexpr std::array<PatternSlot, 2> kGShell = {{{kInlet, 5.0f}, {kOutlet, 5.0f}}};
constexpr std::array<PatternSlot, 4> kHShell = {
    {{kInlet, 3.75f}, {kInlet, 6.25f}, {kOutlet, 3.75f}, {kOutlet, 6.25f}}};
// J shell fed at mid-shell and drained at both ends, or fed at both ends and drained mid-shell.
constexpr std::array<PatternSlot, 3> kJShellOneInlet = {{{kInlet, 5.0f}, {kOutlet, 3.0f}, {kOutlet, 7.0f}}};
constexpr std::array<PatternSlot, 3> kJShellTwoInlets = {{{kInlet, 3.0f}, {kInlet, 7.0f}, {kOutlet, 5.0f}}};

// Kettle outlets when the rear end is a removable bundle: by outlet count, in slot order.
constexpr std::array<std::array<float, 4>, 4> kKettleOutletLocations = {{
    {5.0f, 0.0f, 0.0f, 0.0f},
    {5.0f, 7.0f, 0.0f, 0.0f},
    {5.5f, 7.0f, 4.0f, 0.0f},
    {5.0f, 7.0f, 4.0f, 6.0f},
}};

template <std::size_t N>
void place_pattern(SlotFiller& slots, const ConversionState& s, const std::array<PatternSlot, N>& pattern,
                   float inlet_angle, float outlet_angle) {
  for (const PatternSlot& p : pattern) {
    const bool inlet = p.function == kInlet;
    slots.add(p.function, inlet ? s.shell_inlet_nozzle_nps : s.shell_outlet_nozzle_nps, p.location,
              inlet ? inlet_angle : outlet_angle);
  }
}

void place_x_shell(SlotFiller& slots, const ConversionState& s) {
  // Cross flow: one outlet opposite each inlet, so the outlet count on the deck is not used.
  const int n = whole_count(s.shell_inlet_nozzle_count, 1, 5);
  const float inlet_angle = hot_shell(s) ? 0.0f : 180.0f;
  const float outlet_angle = hot_shell(s) ? 180.0f : 0.0f;
  for (int i = 0; i < n; ++i) slots.add(kInlet, s.shell_inlet_nozzle_nps, spread_location(i, n), inlet_angle);
  for (int i = 0; i < n; ++i) slots.add(kOutlet, s.shell_outlet_nozzle_nps, spread_location(i, n), outlet_angle);
}

void place_j_shell(SlotFiller& slots, const ConversionState& s) {
  float inlet_angle = 180.0f;
  float outlet_angle = 0.0f;
  if (hot_shell(s)) {
    inlet_angle = 0.0f;
    // A condensing hot stream with a separate vapour outlet drains its liquid from the bottom.
    outlet_angle = (s.hot_phase_code >= 3.0f && s.shell_split_outlet_nps > 0.0f) ? 0.0f : 180.0f;
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
    const float location = n == 1 ? 3.0f : spread_location(i, n);
    slots.add(kInlet, s.shell_inlet_nozzle_nps, location, 180.0f);
  }
  const int m = whole_count(s.shell_outlet_nozzle_count, 1, 4);
  for (int j = 0; j < m; ++j) {
    const float location = s.rear_head_code <= 3.0f
                               ? spread_location(j, m)
                               : kKettleOutletLocations[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(j)];
    slots.add(kOutlet, s.shell_outlet_nozzle_nps, location, 0.0f);
  }
}

// On every shell but the E shell the deck's orientation codes have the last word.
void override_shell_angles(SlotFiller& slots, const ConversionState& s) {
  for (NozzleSlot& slot : slots.filled()) {
    if (slot.function == kInlet) slot.angle = apply_orientation(slot.angle, s.shell_nozzle_orientations[0]);
    if (slot.function == kOutlet) slot.angle = apply_orientation(slot.angle, s.shell_nozzle_orientations[1]);
  }
}

struct EShellEnds {
  float inlet_location;
  float outlet_location;
  float inlet_angle;
  float outlet_angle;
};

EShellEnds e_shell_ends(const ConversionState& s) {
  EShellEnds e{};
  const bool vert = vertical(s);
  // Deck line 488 asks for the nozzles of a vertical unit at the other end.
  const bool ends_swapped = vert && (s.nozzle_end_setting == 2.0f || s.nozzle_end_setting == 3.0f);
  if (!hot_shell(s)) {
    const bool counter = counter_current(s);
    e.inlet_location = counter ? 7.0f : 3.0f;
    e.outlet_location = counter ? 3.0f : 7.0f;
    e.inlet_angle = 180.0f;
    e.outlet_angle = 0.0f;
    // The outlet leaves on the side where the last baffle window opens.
    if ((s.cold_phase_code <= 2.0f || vert) && s.baffle_orientation_code == 1.0f) {
      e.outlet_angle = is_even(s.baffle_count) ? 0.0f : 180.0f;
    }
  } else {
    bool inlet_at_rear = counter_current(s);
    if (ends_swapped) inlet_at_rear = !inlet_at_rear;
    e.inlet_location = inlet_at_rear ? 7.0f : 3.0f;
    e.outlet_location = inlet_at_rear ? 3.0f : 7.0f;
    e.inlet_angle = 0.0f;
    e.outlet_angle = 180.0f;
    if ((s.hot_phase_code <= 2.0f || vert) && s.baffle_orientation_code == 1.0f) {
      e.outlet_angle = is_even(s.baffle_count) ? 180.0f : 0.0f;
    }
    if (s.hot_phase_code >= 3.0f && s.shell_split_outlet_nps > 0.0f) e.outlet_angle = 0.0f;
    if (s.cold_phase_code > 2.0f && vert) {
      const bool counter = counter_current(s);
      e.inlet_location = counter ? 3.0f : 7.0f;
      e.outlet_location = counter ? 7.0f : 3.0f;
    }
    // A condensing hot stream in a vertical shell enters at the top and drains at the bottom.
    if (s.hot_phase_code > 2.0f && vert) {
      e.inlet_location = 3.0f;
      e.outlet_location = 7.0f;
    }
  }
  // U-tube nozzle setting 2 moves the rear-end nozzle out over the U-bends.
  if (s.rear_head_code == 7.0f && s.u_tube_nozzle_setting == 2.0f) {
    if (e.inlet_location == 7.0f) e.inlet_location = 7.5f;
    if (e.outlet_location == 7.0f) e.outlet_location = 7.5f;
  }
  e.inlet_angle = apply_orientation(e.inlet_angle, s.shell_nozzle_orientations[0]);
  e.outlet_angle = apply_orientation(e.outlet_angle, s.shell_nozzle_orientations[1]);
  return e;
}

// Angles of the nozzles of one group around the shell, by group size.
constexpr std::array<std::array<float, 4>, 4> kGroupAngleOffsets = {{
    {0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 180.0f, 0.0f, 0.0f},
    {0.0f, 90.0f, 180.0f, 0.0f},
    {0.0f, 90.0f, 180.0f, 270.0f},
}};

void place_e_group(SlotFiller& slots, float function, float diameter, float location, float angle, int count) {
  for (int i = 0; i < count; ++i) {
    const float offset = kGroupAngleOffsets[static_cast<std::size_t>(count - 1)][static_cast<std::size_t>(i)];
    slots.add(function, diameter, location, reduce(angle + offset));
  }
}

void place_e_shell(SlotFiller& slots, const ConversionState& s) {
  const int inlets = whole_count(s.shell_inlet_nozzle_count, 0, 4);
  const int outlets = whole_count(s.shell_outlet_nozzle_count, 0, 4);
  const EShellEnds e = e_shell_ends(s);
  place_e_group(slots, kInlet, s.shell_inlet_nozzle_nps, e.inlet_location, e.inlet_angle, inlets);
  place_e_group(slots, kOutlet, s.shell_outlet_nozzle_nps, e.outlet_location, e.outlet_angle, outlets);
}

void place_shell_side(SlotFiller& slots, const ConversionState& s) {
  const float hot_in = hot_shell(s) ? 0.0f : 180.0f;
  const float hot_out = hot_shell(s) ? 180.0f : 0.0f;
  const float type = s.shell_type_code;
  if (type == 1.0f) {
    place_e_shell(slots, s);
    return;
  }
  if (type == 7.0f) {
    place_x_shell(slots, s);
  } else if (type == 2.0f) {
    place_pattern(slots, s, kFShell, hot_in, hot_out);
  } else if (type == 3.0f) {
    place_pattern(slots, s, kGShell, hot_in, hot_out);
  } else if (type == 4.0f) {
    place_pattern(slots, s, kHShell, hot_in, hot_out);
  } else if (type == 5.0f) {
    place_j_shell(slots, s);
  } else if (type == 6.0f) {
    place_k_shell(slots, s);
  } else {
    return;
  }
  override_shell_angles(slots, s);
}

// Vapour belts sit over the first shell-side nozzle(s) and the second; a J shell with two
// inlets or two outlets gets a belt over each of them. A fourth belt (J shell with two of
// each and both belts) has no dome slot in the host's records and is dropped.
void place_domes(ConversionState& s) {
  std::size_t k = 0;
  auto add_dome = [&](float belt_diameter, float belt_length, float nozzle_nps, float location) {
    if (k >= s.domes.size()) return;
    DomeSlot& d = s.domes[k++];
    d.type = kVapourBelt;
    d.cylinder_material = kShellMaterial;
    d.material = kShellMaterial;
    d.location = location;
    d.diameter = round_to_step(belt_diameter, 0.0f, 2.0f);
    d.belt_width = belt_length > 0.0f ? belt_length : 4.0f + nozzle_nps;
  };
  const bool j_shell = s.shell_type_code == 5.0f;
  const bool two_inlets = j_shell_with_two_inlets(s);
  if (s.layout_belt_diameter_1 > 0.0f) {
    add_dome(s.layout_belt_diameter_1, s.layout_belt_length_1, s.shell_inlet_nozzle_nps, s.nozzles[0].location);
    if (two_inlets) {
      add_dome(s.layout_belt_diameter_1, s.layout_belt_length_1, s.shell_inlet_nozzle_nps, s.nozzles[1].location);
    }
  }
  if (s.layout_belt_diameter_2 > 0.0f) {
    const float first_outlet = two_inlets ? s.nozzles[2].location : s.nozzles[1].location;
    add_dome(s.layout_belt_diameter_2, s.layout_belt_length_2, s.shell_outlet_nozzle_nps, first_outlet);
    if (j_shell && s.shell_outlet_nozzle_count == 2.0f) {
      add_dome(s.layout_belt_diameter_2, s.layout_belt_length_2, s.shell_outlet_nozzle_nps, s.nozzles[2].location);
    }
  }
}

void place_shell_separate_outlet(SlotFiller& slots, const ConversionState& s) {
  const float nps = s.shell_split_outlet_nps;
  if (!(nps > 0.0f)) return;
  if (s.shell_type_code == 5.0f) {
    if (j_shell_with_two_inlets(s)) {
      slots.add(kSeparateOutlet, nps, 5.0f, 180.0f);
    } else {
      slots.add(kSeparateOutlet, nps, 3.0f, 180.0f);
      slots.add(kSeparateOutlet, nps, 7.0f, 180.0f);
    }
    return;
  }
  // Opposite end from the first shell-side nozzle.
  float location = s.nozzles[0].location == 3.0f ? 7.0f : 3.0f;
  if (vertical(s) && hot_shell(s) && s.hot_phase_code > 2.0f) {
    location = s.rear_head_code > 4.0f ? 9.0f : 7.0f;
  }
  if (s.shell_type_code == 6.0f && s.rear_head_code > 4.0f) location = 8.0f;
  slots.add(kSeparateOutlet, nps, location, location == 9.0f ? 360.0f : 180.0f);
}

struct TubeNozzle {
  float location = 0.0f;
  float angle = 0.0f;
};

struct TubeNozzles {
  TubeNozzle inlet, outlet, separate_outlet;
};

TubeNozzles tube_side_nozzles(const ConversionState& s, bool has_separate_outlet) {
  TubeNozzles t;
  const bool odd = 2.0f * std::trunc(s.tube_passes / 2.0f) != s.tube_passes;
  const bool axial = s.axial_nozzle_flag == 1.0f;
  const bool vert = vertical(s);

  // An odd pass count leaves the tube-side stream at the rear end.
  t.inlet.location = axial ? 1.0f : 2.0f;
  if (odd) {
    t.outlet.location = axial ? 9.0f : 8.0f;
  } else {
    t.outlet.location = axial ? 1.0f : 2.0f;
  }
  t.separate_outlet.location = odd ? t.outlet.location : 2.0f;

  if (s.rear_head_code != 7.0f) {
    if (vert) {
      if (s.hot_side_code == 2.0f && s.hot_phase_code >= 3.0f) {
        t.inlet.location = 2.0f;
        t.outlet.location = 8.0f;
        t.separate_outlet.location = 9.0f;
      }
      if (hot_shell(s) && s.hot_phase_code > 2.0f && counter_current(s)) {
        t.inlet.location = 8.0f;
        t.outlet.location = odd ? 2.0f : 8.0f;
      }
      if (hot_shell(s) && s.cold_phase_code > 2.0f) {
        t.inlet.location = axial ? 9.0f : 8.0f;
        t.outlet.location = axial ? 1.0f : 2.0f;
      }
    }
    // A floating head (S or T) has no rear channel: a radial rear nozzle goes to the cover.
    if (s.rear_head_code == 5.0f || s.rear_head_code == 6.0f) {
      if (t.inlet.location == 8.0f) t.inlet.location = 9.0f;
      if (t.outlet.location == 8.0f) t.outlet.location = 9.0f;
    }
  }

  if (s.hot_side_code == 2.0f) {
    t.inlet.angle = 0.0f;
    t.outlet.angle = 180.0f;
    if (s.hot_phase_code >= 3.0f && has_separate_outlet) {
      t.separate_outlet.angle = 180.0f;
      t.outlet.angle = 0.0f;
    }
  } else {
    t.inlet.angle = 180.0f;
    t.outlet.angle = 0.0f;
    if (vert && s.cold_phase_code >= 3.0f) t.outlet.angle = 180.0f;
  }

  for (TubeNozzle* n : {&t.inlet, &t.outlet, &t.separate_outlet}) {
    if (n->location == 1.0f || n->location == 9.0f) n->angle = 360.0f;
  }
  t.inlet.angle = apply_orientation(t.inlet.angle, s.tube_nozzle_orientations[0]);
  t.outlet.angle = apply_orientation(t.outlet.angle, s.tube_nozzle_orientations[1]);

  // A single pass ends at the rear, so the separate outlet goes there too.
  if (s.tube_passes == 1.0f && has_separate_outlet) {
    t.separate_outlet = vert ? TubeNozzle{9.0f, 360.0f} : TubeNozzle{8.0f, 180.0f};
  }
  return t;
}

// Angles of the second to fourth nozzle of an additional tube-side group, from the first.
constexpr std::array<float, 3> kAdditionalAngleOffsets = {180.0f, 90.0f, 270.0f};

void place_additional(SlotFiller& slots, float function, float diameter, const TubeNozzle& first, int count) {
  for (int i = 0; i + 1 < count; ++i) {
    slots.add(function, diameter, first.location,
              reduce(first.angle + kAdditionalAngleOffsets[static_cast<std::size_t>(i)]));
  }
}

void place_tube_side(SlotFiller& slots, const ConversionState& s) {
  const bool has_separate_outlet = s.tube_split_outlet_nps > 0.0f;
  const TubeNozzles t = tube_side_nozzles(s, has_separate_outlet);
  slots.add(kInlet, s.tube_inlet_nozzle_nps, t.inlet.location, t.inlet.angle);
  slots.add(kOutlet, s.tube_outlet_nozzle_nps, t.outlet.location, t.outlet.angle);
  if (has_separate_outlet) {
    slots.add(kSeparateOutlet, s.tube_split_outlet_nps, t.separate_outlet.location, t.separate_outlet.angle);
  }

  // Extra tube-side nozzles go in only when the whole group fits in the table; when the
  // inlets do not fit, the outlets are left out as well.
  const int inlets = whole_count(s.tube_inlet_nozzle_count, 0, 4);
  const int outlets = whole_count(s.tube_outlet_nozzle_count, 0, 4);
  if (inlets > 1) {
    if (slots.next() + inlets > kNozzleSlots) return;
    place_additional(slots, kInlet, s.tube_inlet_nozzle_nps, t.inlet, inlets);
  }
  if (outlets > 1 && slots.next() + outlets <= kNozzleSlots) {
    place_additional(slots, kOutlet, s.tube_outlet_nozzle_nps, t.outlet, outlets);
  }
}

}  // namespace

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
