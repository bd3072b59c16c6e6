// Deck lines 133 to 214: the operating conditions of the shell side and the tube side, and
// the position of the exchanger from its inclination.
#include "deck/deck_decoding.hpp"
#include "deck/deck_steps.hpp"

namespace qalt2morv::deck {

namespace {

// Only exactly horizontal and exactly vertical exchangers have a host position; an absent
// line 214 reads as 0 and so as horizontal.
void set_position_code(State& s) {
  if (s.orientation_angle == 0.0f) s.position_code = 1.0f;
  if (s.orientation_angle == 90.0f) s.position_code = 2.0f;
}

constexpr DeckStep kProcessConditions[] = {
    tolerant(133, &State::shell_inlet_pressure),
    tolerant(134, &State::tube_inlet_pressure),
    tolerant(141, &State::shell_allowed_pressure_drop),
    tolerant(142, &State::tube_allowed_pressure_drop),
    real(148, &State::reserved_148),
    real(149, &State::reserved_149),
    tolerant(150, &State::shell_inlet_temperature),
    tolerant(151, &State::shell_outlet_temperature),
    tolerant(152, &State::tube_inlet_temperature),
    tolerant(153, &State::tube_outlet_temperature),
    real(154, &State::reserved_154),
    real(155, &State::shell_metal_temperature),
    real(156, &State::reserved_156),
    real(157, &State::tube_metal_temperature),
    real(159, &State::reserved_159),
    real(166, &State::shell_film_coefficient),
    real(168, &State::tube_film_coefficient),
    real(171, &State::shell_fouling_resistance),
    // Line 208 is read ahead of line 173: of two malformed values there, 208 is the one named.
    real(208, &State::reserved_208),
    real(173, &State::tube_fouling_resistance),
    real(214, &State::orientation_angle),
    rule(set_position_code),
};
static_assert(!writes_records(kProcessConditions));

}  // namespace

void decode_process_conditions(ConversionState& s) { run_steps(kProcessConditions, s, nullptr); }

}  // namespace qalt2morv::deck
