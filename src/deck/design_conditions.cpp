// Deck lines 226 to 250: fan data, design pressures and temperatures with their defaults,
// the yes/no construction choices, the hot side with the phase codes, shell and kettle sizes.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/host_codes.hpp"
#include "core/numeric_helpers.hpp"
#include "deck/deck_decoding.hpp"
#include "deck/deck_notes.hpp"
#include "deck/deck_steps.hpp"
#include "deck/deck_words.hpp"

namespace qalt2morv::deck {

namespace {

// A design pressure the deck leaves at 0 is set some 10 % above the operating pressure
// (taken as absolute, hence the 14.7), rounded down to a multiple of 10, and never below 75.
float default_design_pressure(float operating_pressure) {
  if (operating_pressure < 84.0f) return 75.0f;
  return 10.0f * std::trunc(((operating_pressure - 14.7f) * 1.1f + 10.0f) / 10.0f);
}

// A design temperature the deck leaves at 0 lies a margin beyond the hotter of inlet and
// outlet, rounded away from zero to a multiple of 10.
float default_design_temperature(float inlet, float outlet) {
  const float t = std::max(inlet, outlet);
  if (t >= 0.0f) return round_to_step(t + 59.9f, 1.0f, 10.0f);
  return round_to_step(t - 9.9f, -1.0f, 10.0f);
}

void default_shell_design_pressure(State& s) {
  if (s.shell_design_pressure == 0.0f)
    s.shell_design_pressure = default_design_pressure(s.shell_inlet_pressure);
}

void default_tube_design_pressure(State& s) {
  // The air-cooler records want the tube-side value the deck gave, before any default.
  s.tube_design_pressure_as_given = s.tube_design_pressure;
  if (s.tube_design_pressure == 0.0f)
    s.tube_design_pressure = default_design_pressure(s.tube_inlet_pressure);
}

void default_shell_design_temperature(State& s) {
  if (s.shell_design_temperature == 0.0f) {
    s.shell_design_temperature =
        default_design_temperature(s.shell_inlet_temperature, s.shell_outlet_temperature);
  }
}

void default_tube_design_temperature(State& s) {
  s.tube_design_temperature_as_given = s.tube_design_temperature;
  if (s.tube_design_temperature == 0.0f) {
    s.tube_design_temperature =
        default_design_temperature(s.tube_inlet_temperature, s.tube_outlet_temperature);
  }
}

// A yes/no line holds its one word or anything else; anything else reads as "no". A text
// that is neither blank, the word nor NO is worth a note, since it may be a misspelt yes.
bool yes_word(State& s, int line, const Text40& field, std::string_view word) {
  if (field_is_word(field, word)) return true;
  if (!field_is_blank(field) && !field_is_word(field, "NO")) {
    note_line(s, line, kTextFieldColumns, std::string(word) + " or NO");
  }
  return false;
}

void set_axial_nozzle_flag(State& s) {
  s.axial_nozzle_flag = yes_word(s, 235, s.tube_nozzle_form, "AXIAL") ? kAxialNozzles : 0.0f;
}

void set_tubesheet_type(State& s) {
  s.tubesheet_type_code = yes_word(s, 237, s.double_tubesheet, "YES") ? choice::kYes : choice::kNo;
}

void set_expansion_joint(State& s) {
  s.expansion_joint_code = yes_word(s, 239, s.expansion_joint, "YES") ? choice::kYes : choice::kNo;
}

// Phase code of one stream: 3 when the first inlet quantity exceeds the second, else 2 when
// quantity A is present, else 1. The hot stream compares A with B, the cold one B with A.
float phase_code(float first, float second, float quantity_a) {
  if (first > second) return phase::kMostlyQuantityA;
  if (quantity_a > 0.0f) return phase::kSomeQuantityA;
  return phase::kNoQuantityA;
}

// Any hot side other than 1, an absent line 247 included, counts as the tube side here.
void set_hot_side_and_phases(State& s) {
  s.hot_side_code = static_cast<float>(s.hot_fluid_side);
  const float shell_a = s.shell_quantity_a_in;
  const float shell_b = s.shell_quantity_b_in;
  const float tube_a = s.tube_quantity_a_in;
  const float tube_b = s.tube_quantity_b_in;
  if (s.hot_side_code == hot_side::kShell) {
    s.hot_phase_code = phase_code(shell_a, shell_b, shell_a);
    s.cold_phase_code = phase_code(tube_b, tube_a, tube_a);
  } else {
    s.hot_phase_code = phase_code(tube_a, tube_b, tube_a);
    s.cold_phase_code = phase_code(shell_b, shell_a, shell_a);
  }
}

// A kettle's deck diameter is the kettle's own; its tube bundle sits in a cylinder sized
// from the outer tube limit. Diameters below 24 deck length units are taken as pipe. The
// unit system is the one deck line 1 gave: the fallback of deck line 278 comes later.
void set_shell_and_kettle_diameters(State& s) {
  s.shell_cylinder_id = s.shell_diameter;
  if (s.shell_type_code == shell_type::kK) {
    s.kettle_id = s.shell_diameter;
    s.shell_cylinder_id = std::trunc(s.otl_diameter + 0.5f);
  }
  if (s.shell_cylinder_id <= 0.0f) s.shell_cylinder_id = std::trunc(s.otl_diameter + 0.5f);
  if (s.shell_cylinder_id < 24.0f)
    s.shell_cylinder_nps = nominal_pipe_size(s.shell_cylinder_id, s.unit_system);
  if (s.kettle_id < 24.0f) {
    s.kettle_nps = nominal_pipe_size(s.kettle_id, s.unit_system);
    s.kettle_id = 0.0f;
  }
}

constexpr DeckStep kDesignConditions[] = {
    integer(226, DECK_FIELD(fans_per_bay)),
    real(227, DECK_FIELD(fan_diameter)),
    real(230, DECK_FIELD(tube_wall_thickness)),
    tolerant_if_present(231, DECK_FIELD(shell_design_pressure)),
    rule(default_shell_design_pressure),
    tolerant_if_present(232, DECK_FIELD(tube_design_pressure)),
    rule(default_tube_design_pressure),
    tolerant_if_present(233, DECK_FIELD(shell_design_temperature)),
    rule(default_shell_design_temperature),
    tolerant_if_present(234, DECK_FIELD(tube_design_temperature)),
    rule(default_tube_design_temperature),
    text(235, DECK_FIELD(tube_nozzle_form)),
    rule(set_axial_nozzle_flag),
    real(236, DECK_FIELD(otl_diameter)),
    text(237, DECK_FIELD(double_tubesheet)),
    rule(set_tubesheet_type),
    text(238, DECK_FIELD(reserved_238)),
    text(239, DECK_FIELD(expansion_joint)),
    rule(set_expansion_joint),
    real(245, DECK_FIELD(reserved_245)),
    integer(247, DECK_FIELD(hot_fluid_side)),
    rule(set_hot_side_and_phases),
    tolerant_if_present(248, DECK_FIELD(shell_diameter)),
    rule(set_shell_and_kettle_diameters),
    integer(249, DECK_FIELD(reserved_249)),
    real(250, DECK_FIELD(reserved_250)),
};
static_assert(!writes_records(kDesignConditions));

}  // namespace

std::span<const DeckStep> design_condition_steps() { return kDesignConditions; }

void decode_design_conditions(ConversionState& s) { run_steps(kDesignConditions, s, nullptr); }

}  // namespace qalt2morv::deck
