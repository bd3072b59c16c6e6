// Deck lines 251 to 285: vapour belts, tube-pass layout, fluid names, the unit system's
// second place (line 278) and the unit scaling it unlocks, tube-side and separate-outlet
// nozzle sizes.
#include <cmath>
#include <limits>

#include "core/host_codes.hpp"
#include "core/numeric_helpers.hpp"
#include "deck/deck_decoding.hpp"
#include "deck/deck_notes.hpp"
#include "deck/deck_steps.hpp"
#include "deck/field_kinds.hpp"

namespace qalt2morv::deck {

namespace {

using unit_system::kMetric;
using unit_system::kSi;
using unit_system::kUsCustomary;

bool first_nozzle_has_belt(const State& s) { return s.belt_nozzles == 1 || s.belt_nozzles == 3; }
bool second_nozzle_has_belt(const State& s) { return s.belt_nozzles == 2 || s.belt_nozzles == 3; }

void set_belt_impingement_types(State& s) {
  s.belt_impingement_types[0] = first_nozzle_has_belt(s) ? kImpingementVapourBelt : 0.0f;
  s.belt_impingement_types[1] = second_nozzle_has_belt(s) ? kImpingementVapourBelt : 0.0f;
  if (s.belt_nozzles < 0 || s.belt_nozzles > 3)
    note_line(s, 251, kIntegerFieldColumns, "0 (no belt), 1, 2 or 3");
}

void set_first_belt(State& s) {
  s.belt_diametral_clearances[0] = 2.0f * s.belt_clearance_1;
  s.belt_lengths[0] = s.belt_length_1;
}

// Slot areas go to the host in square feet or square metres. The unit system here is the
// one deck line 1 gave: line 278 has not been read yet.
void set_belt_slot_areas(State& s) {
  const bool millimetres = s.unit_system == kSi || s.unit_system == kMetric;
  const float f = millimetres ? 0.000001f : 1.0f / 144.0f;
  s.belt_slot_areas[0] = s.belt_slot_area_1 * f;
  s.belt_slot_areas[1] = s.belt_slot_area_2 * f;
}

// Only bundles of more than three passes have a layout type; a U-tube bundle always takes
// the first one.
void set_pass_layout_type(State& s) {
  s.pass_layout_type = 0.0f;
  if (!(s.tube_passes > 3.0f)) return;
  if (s.pass_layout_style <= 0) {
    s.pass_layout_type = 3.0f;
  } else if (s.pass_layout_style == 1 && s.pass_layout_variant == 2) {
    s.pass_layout_type = 2.0f;
  } else {
    s.pass_layout_type = 1.0f;
  }
  if (s.rear_head_code == rear_head::kU) s.pass_layout_type = 1.0f;

  if (s.pass_layout_style > 1) note_line(s, 256, kIntegerFieldColumns, "0 or 1");
  if (s.pass_layout_variant < 0 || s.pass_layout_variant > 2)
    note_line(s, 257, kIntegerFieldColumns, "0, 1 or 2");
}

// Only the sign of this count matters later, so a huge real is clamped rather than cast
// out of the integer range.
std::int64_t whole_count(float value) {
  constexpr float kLimit = 0x1p63f;  // exactly 2^63
  const float t = std::trunc(value);
  if (std::isnan(t)) return 0;
  if (t >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (t < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(t);
}

// Deck line 261, read only when the deck has it; a real written with a point counts by its
// whole part.
void decode_third_cut_count(State& s) {
  if (!has_line(s, 261)) return;
  const TolerantRead r = tolerant_read(s, 261);
  s.third_cut_count = r.has_point ? whole_count(r.real) : r.integer;
}

// Deck line 1 may carry no unit letter; line 278 then supplies the unit system, and from
// here on every unit-dependent value uses it.
void take_unit_system_fallback(State& s) {
  if (s.unit_system <= 0.0f) s.unit_system = static_cast<float>(s.unit_system_fallback);
  if (s.unit_system_fallback < 0 || s.unit_system_fallback > 3) {
    note_line(s, 278, kIntegerFieldColumns, "1 (US customary), 2 (SI) or 3 (metric)");
  }
}

// The host takes SI design pressures in a unit a hundred times the deck's (kPa to bar).
// The as-given tube value, which the air-cooler records carry, stays as the deck wrote it.
void scale_si_design_pressures(State& s) {
  if (s.unit_system != kSi) return;
  s.shell_design_pressure = s.shell_design_pressure / 100.0f;
  s.tube_design_pressure = s.tube_design_pressure / 100.0f;
}

// Tube lengths come in feet or metres; the host wants inches or millimetres.
void scale_tube_lengths(State& s) {
  float factor = 1.0f;
  if (s.unit_system == kUsCustomary) factor = 12.0f;
  if (s.unit_system == kSi) factor = 1000.0f;
  s.tube_length_scaled = s.tube_length * factor;
  s.effective_tube_length_scaled = s.effective_tube_length * factor;
}

// A deck without a central spacing but with equal end spacings shares the effective length
// left over by the end spacings among the N - 2 central spaces.
void derive_central_baffle_spacing(State& s) {
  if (!(s.baffle_spacing <= 0.0f)) return;
  if (!(std::fabs(s.inlet_baffle_spacing - s.outlet_baffle_spacing) < 0.01f)) return;
  const std::int64_t central_spaces = s.baffle_space_count - 2;
  if (central_spaces <= 0) return;
  s.baffle_spacing =
      (s.effective_tube_length_scaled - s.inlet_baffle_spacing - s.outlet_baffle_spacing) /
      static_cast<float>(central_spaces);
}

// An unbaffled shell still needs a spacing and a count for the host: a kettle counts the
// spacings along its tubes; any other shell spreads its tube supports evenly.
void derive_unbaffled_shell(State& s) {
  if (s.baffle_type_code != baffle_type::kNone) return;
  if (s.shell_type_code == shell_type::kK) {
    if (s.baffle_spacing > 0.0f)
      s.baffle_count = std::trunc(s.tube_length_scaled / s.baffle_spacing - 1.0f);
    return;
  }
  if (s.baffle_count <= 0.0f) s.baffle_count = static_cast<float>(s.support_count);
  const float spaces = s.baffle_count + 1.0f;
  if (spaces > 0.0f) s.baffle_spacing = s.tube_length_scaled / spaces;
}

void after_unit_system(State& s) {
  take_unit_system_fallback(s);
  scale_si_design_pressures(s);
  scale_tube_lengths(s);
  derive_central_baffle_spacing(s);
  derive_unbaffled_shell(s);
}

void set_tube_nozzle_sizes(State& s) {
  s.tube_nozzle_ids = {s.tube_inlet_nozzle_id, s.tube_outlet_nozzle_id};
  s.tube_inlet_nozzle_nps = nominal_pipe_size(s.tube_inlet_nozzle_id, s.unit_system);
  s.tube_outlet_nozzle_nps = nominal_pipe_size(s.tube_outlet_nozzle_id, s.unit_system);
}

void set_separate_outlet_sizes(State& s) {
  if (s.tube_split_outlet_id > 0.0f) {
    s.tube_split_outlet_nps = nominal_pipe_size(s.tube_split_outlet_id, s.unit_system);
  }
  if (s.shell_split_outlet_id > 0.0f) {
    s.shell_split_outlet_nps = nominal_pipe_size(s.shell_split_outlet_id, s.unit_system);
  }
}

void set_second_belt(State& s) {
  s.belt_diametral_clearances[1] = 2.0f * s.belt_clearance_2;
  s.belt_lengths[1] = s.belt_length_2;
}

// The nozzle layout sees a belt only where deck line 251 puts one. Its diameter builds on
// the shell diameter of deck line 248, not on the pipe-sized shell cylinder.
void set_layout_belts(State& s) {
  if (first_nozzle_has_belt(s)) {
    s.layout_belt_length_1 = s.belt_length_1;
    s.layout_belt_diameter_1 = s.shell_diameter + 2.0f * s.belt_clearance_1;
  }
  if (second_nozzle_has_belt(s)) {
    s.layout_belt_length_2 = s.belt_length_2;
    s.layout_belt_diameter_2 = s.shell_diameter + 2.0f * s.belt_clearance_2;
  }
}

constexpr DeckStep kBeltsPassesAndUnits[] = {
    integer(251, DECK_FIELD(belt_nozzles)),
    rule(set_belt_impingement_types),
    real(252, DECK_FIELD(belt_clearance_1)),
    real(253, DECK_FIELD(belt_length_1)),
    rule(set_first_belt),
    real(254, DECK_FIELD(belt_slot_area_1)),
    real(255, DECK_FIELD(belt_slot_area_2)),
    rule(set_belt_slot_areas),
    integer(256, DECK_FIELD(pass_layout_style)),
    integer(257, DECK_FIELD(pass_layout_variant)),
    rule(set_pass_layout_type),
    real(258, DECK_FIELD(pass_lane_1)),
    real(259, DECK_FIELD(pass_lane_2)),
    reading_rule(261, 261, StepKind::tolerant_real_if_present, "third_cut_count",
                 decode_third_cut_count),
    integer(272, DECK_FIELD(support_count)),
    text(276, DECK_FIELD(shell_fluid_name)),
    text(277, DECK_FIELD(tube_fluid_name)),
    integer(278, DECK_FIELD(unit_system_fallback)),
    rule(after_unit_system),
    real(279, DECK_FIELD(tube_inlet_nozzle_id)),
    real(280, DECK_FIELD(tube_outlet_nozzle_id)),
    rule(set_tube_nozzle_sizes),
    real(281, DECK_FIELD(reserved_281)),
    real(282, DECK_FIELD(tube_split_outlet_id)),
    real(283, DECK_FIELD(shell_split_outlet_id)),
    rule(set_separate_outlet_sizes),
    real(284, DECK_FIELD(belt_clearance_2)),
    real(285, DECK_FIELD(belt_length_2)),
    rule(set_second_belt),
    rule(set_layout_belts),
};
static_assert(!writes_records(kBeltsPassesAndUnits));

}  // namespace

std::span<const DeckStep> belt_pass_and_unit_steps() { return kBeltsPassesAndUnits; }

void decode_belts_passes_and_units(ConversionState& s) {
  run_steps(kBeltsPassesAndUnits, s, nullptr);
}

}  // namespace qalt2morv::deck
