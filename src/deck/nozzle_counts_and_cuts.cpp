// Deck lines 451 to 499, the last the conversion reads: nozzle counts, nozzle placement
// codes, air-cooler bundle data, the baffle cuts from edge distances, the orientation code.
#include "core/host_codes.hpp"
#include "deck/deck_decoding.hpp"
#include "deck/deck_notes.hpp"
#include "deck/deck_steps.hpp"
#include "deck/deck_words.hpp"
#include "deck/field_kinds.hpp"

namespace qalt2morv::deck {

namespace {

using baffle_type::kDoubleSegmental;
using baffle_type::kSegmental;
using baffle_type::kTripleSegmental;

void set_nozzle_counts(State& s) {
  s.shell_inlet_nozzle_count = static_cast<float>(s.shell_inlet_nozzle_count_int);
  s.shell_outlet_nozzle_count = static_cast<float>(s.shell_outlet_nozzle_count_int);
  s.tube_inlet_nozzle_count = static_cast<float>(s.tube_inlet_nozzle_count_int);
  s.tube_outlet_nozzle_count = static_cast<float>(s.tube_outlet_nozzle_count_int);
}

// The deck's code and the layout's setting count differently: a blank line (0) is the
// layout's first placement.
void set_u_tube_nozzle_setting(State& s) {
  switch (s.u_tube_nozzle_code) {
    case 0:
      s.u_tube_nozzle_setting = 1.0f;
      break;
    case 1:
      s.u_tube_nozzle_setting = 0.0f;
      break;
    case 2:
      s.u_tube_nozzle_setting = 2.0f;
      break;
    default:
      s.u_tube_nozzle_setting = 0.0f;
      note_line(s, 478, kIntegerFieldColumns, "0, 1 or 2");
      break;
  }
}

void set_draft_type(State& s) {
  if (const WordCode* w = find_word(s.fan_draft, kFanDraftWords)) {
    s.draft_type_code = static_cast<std::int64_t>(w->code);
  } else if (!field_is_blank(s.fan_draft)) {
    note_line(s, 480, kTextFieldColumns, "FORCED or INDUCED");
  }
}

void set_nozzle_end_setting(State& s) {
  if (s.nozzle_end_code == 1) s.nozzle_end_setting = 2.0f;
  if (s.nozzle_end_code == 2) s.nozzle_end_setting = 3.0f;
  if (s.nozzle_end_code < 0 || s.nozzle_end_code > 2)
    note_line(s, 488, kIntegerFieldColumns, "0, 1 or 2");
}

// The deck gives the baffle edges as distances; the host wants cuts in percent of the
// shell diameter. A distance of 0 or below keeps the cut as it was, and without a shell
// diameter there is nothing to take a percentage of.
void derive_baffle_cuts(State& s) {
  const float d = s.shell_diameter;
  const float d1 = s.cut_distance_1;
  const float d2 = s.cut_distance_2;
  const float d3 = s.cut_distance_3;
  if (!(d > 0.0f)) return;
  if (s.baffle_type_code == kSegmental) {
    if (d1 > 0.0f) s.baffle_cut = (0.5f * d - d1) / d * 100.0f;
  } else if (s.baffle_type_code == kDoubleSegmental) {
    if (d2 > 0.0f) s.baffle_cut = (d2 + d2) / d * 100.0f;
    if (d1 > 0.0f) s.second_baffle_cut = (0.5f * d - d1) / d * 100.0f;
  } else if (s.baffle_type_code == kTripleSegmental) {
    if (d3 > 0.0f) s.baffle_cut = (d3 + d3) / d * 100.0f;
    if (d2 > 0.0f) {
      if (d1 > 0.0f) s.second_baffle_cut = (d2 - d1) / d * 100.0f;
      if (s.third_cut_count > 0) s.third_baffle_cut = (d - d1 + d3 - d2) / d * 100.0f;
    }
  }
}

void check_orientation_code(State& s) {
  const float c = s.orientation_code;
  if (c != 0.0f && c != 1.0f && c != 2.0f) note_line(s, 499, kTextFieldColumns, "0, 1 or 2");
}

constexpr DeckStep kNozzleCountsAndCuts[] = {
    integer(451, DECK_FIELD(shell_inlet_nozzle_count_int)),
    integer(452, DECK_FIELD(shell_outlet_nozzle_count_int)),
    integer(453, DECK_FIELD(tube_inlet_nozzle_count_int)),
    integer(454, DECK_FIELD(tube_outlet_nozzle_count_int)),
    rule(set_nozzle_counts),
    integer(478, DECK_FIELD(u_tube_nozzle_code)),
    rule(set_u_tube_nozzle_setting),
    text(479, DECK_FIELD(reserved_479)),
    text(480, DECK_FIELD(fan_draft)),
    rule(set_draft_type),
    real(483, DECK_FIELD(reserved_483)),
    real(484, DECK_FIELD(reserved_484)),
    integer(485, DECK_FIELD(tube_rows)),
    integer(486, DECK_FIELD(odd_row_tubes)),
    integer(487, DECK_FIELD(even_row_tubes)),
    integer(488, DECK_FIELD(nozzle_end_code)),
    rule(set_nozzle_end_setting),
    integer(489, DECK_FIELD(bundles_in_parallel)),
    integer(490, DECK_FIELD(bays_in_parallel)),
    text(491, DECK_FIELD(reserved_491)),
    text(492, DECK_FIELD(reserved_492)),
    text(493, DECK_FIELD(reserved_493)),
    real(494, DECK_FIELD(cut_distance_1)),
    real(495, DECK_FIELD(cut_distance_2)),
    real(496, DECK_FIELD(cut_distance_3)),
    rule(derive_baffle_cuts),
    text(497, DECK_FIELD(u_bend_baffle)),
    text(498, DECK_FIELD(reserved_498)),
    tolerant_if_present(499, DECK_FIELD(orientation_code)),
    rule(check_orientation_code),
};
static_assert(!writes_records(kNozzleCountsAndCuts));

}  // namespace

std::span<const DeckStep> nozzle_count_and_cut_steps() { return kNozzleCountsAndCuts; }

void decode_nozzle_counts_and_cuts(ConversionState& s) {
  run_steps(kNozzleCountsAndCuts, s, nullptr);
}

}  // namespace qalt2morv::deck
