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
    tolerant(133, DECK_FIELD(shell_inlet_pressure)),
    tolerant(134, DECK_FIELD(tube_inlet_pressure)),
    tolerant(141, DECK_FIELD(shell_allowed_pressure_drop)),
    tolerant(142, DECK_FIELD(tube_allowed_pressure_drop)),
    real(148, DECK_FIELD(reserved_148)),
    real(149, DECK_FIELD(reserved_149)),
    tolerant(150, DECK_FIELD(shell_inlet_temperature)),
    tolerant(151, DECK_FIELD(shell_outlet_temperature)),
    tolerant(152, DECK_FIELD(tube_inlet_temperature)),
    tolerant(153, DECK_FIELD(tube_outlet_temperature)),
    real(154, DECK_FIELD(reserved_154)),
    real(155, DECK_FIELD(shell_metal_temperature)),
    real(156, DECK_FIELD(reserved_156)),
    real(157, DECK_FIELD(tube_metal_temperature)),
    real(159, DECK_FIELD(reserved_159)),
    real(166, DECK_FIELD(shell_film_coefficient)),
    real(168, DECK_FIELD(tube_film_coefficient)),
    real(171, DECK_FIELD(shell_fouling_resistance)),
    // Line 208 is read ahead of line 173: of two malformed values there, 208 is the one named.
    real(208, DECK_FIELD(reserved_208)),
    real(173, DECK_FIELD(tube_fouling_resistance)),
    real(214, DECK_FIELD(orientation_angle)),
    rule(set_position_code),
};
static_assert(!writes_records(kProcessConditions));

}  // namespace

std::span<const DeckStep> process_condition_steps() { return kProcessConditions; }

void decode_process_conditions(ConversionState& s) { run_steps(kProcessConditions, s, nullptr); }

}  // namespace qalt2morv::deck
