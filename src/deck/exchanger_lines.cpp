// Deck lines 2 to 132: the case header and the exchanger itself (mode, flow arrangement,
// TEMA type, baffles, tubes, shell-side nozzles and the flows of both sides).
#include "core/host_codes.hpp"
#include "deck/deck_decoding.hpp"
#include "deck/deck_notes.hpp"
#include "deck/deck_steps.hpp"
#include "deck/deck_words.hpp"
#include "deck/field_kinds.hpp"

namespace qalt2morv::deck {

namespace {

void set_program_mode(State& s) {
  const WordCode* word = find_word(s.program_mode_word, kProgramModeWords);
  const WordCode* older = find_word(s.program_mode_word, kProgramModeOlderWords);
  if (word != nullptr) s.program_mode = word->code;
  if (s.program_mode <= 0.0f && older != nullptr) s.program_mode = older->code;
  if (word == nullptr && older == nullptr && !field_is_blank(s.program_mode_word)) {
    note_line(s, 13, kTextFieldColumns, "DESIGN, RATING or SIMULATION");
  }
}

void set_flow_arrangement(State& s) {
  if (const WordCode* w = find_word(s.flow_arrangement_word, kFlowArrangementWords)) {
    s.flow_arrangement_code = w->code;
  } else if (!field_is_blank(s.flow_arrangement_word)) {
    note_line(s, 14, kTextFieldColumns, "COUNTERCURRENT or COCURRENT");
  }
}

void set_tube_type(State& s) {
  if (const WordCode* w = find_word(s.tube_type_word, kTubeTypeWords)) {
    s.tube_type_code = w->code;
  } else if (!field_is_blank(s.tube_type_word)) {
    note_line(s, 17, kTextFieldColumns, "PLAIN, FINNED, Low-finned, High-Fin or Stud-finned");
  }
}

// One letter of the TEMA designation sets its code; a blank or unknown letter leaves it.
void set_from_letter(State& s, char letter, std::span<const LetterCode> letters, float& code,
                     std::string_view expected) {
  if (const LetterCode* l = find_letter(letter, letters)) {
    code = l->code;
  } else if (letter != ' ') {
    note_line(s, 19, kTextFieldColumns, expected);
  }
}

void set_exchanger_type(State& s) {
  const Text40& t = s.exchanger_type_word;
  set_from_letter(s, t[0], kFrontHeadLetters, s.front_head_code,
                  "front head A, B, C, N or D in column 1");
  set_from_letter(s, t[1], kShellLetters, s.shell_type_code,
                  "shell E, L, F, G, H, J, K or X in column 2");
  // A J shell carries two digits after its letter (AJ21S), which push the rear head letter
  // to column 5.
  if (t[1] == 'J') {
    set_from_letter(s, t[4], kRearHeadLetters, s.rear_head_code,
                    "rear head L, M, N, P, S, T, U or W in column 5 of a J shell");
  } else {
    set_from_letter(s, t[2], kRearHeadLetters, s.rear_head_code,
                    "rear head L, M, N, P, S, T, U or W in column 3");
  }
}

// Only the first three columns count, so YESTERDAY still reads as YES while NONE is neither.
void set_impingement_protection(State& s) {
  const Text40& t = s.impingement_word;
  if (t[0] == 'N' && t[1] == 'O' && t[2] == ' ') {
    s.impingement_protection_code = choice::kNo;
  } else if (t[0] == 'Y' && t[1] == 'E' && t[2] == 'S') {
    s.impingement_protection_code = choice::kYes;
  } else if (!field_is_blank(t)) {
    note_line(s, 27, kTextFieldColumns, "NO or YES");
  }
}

// The host learns of tube-free baffle windows only from this record, written as the baffle
// form is read, so it stands ahead of every other record.
void set_baffle_form(State& s, KeywordWriter& out) {
  if (const BaffleForm* form = find_baffle_form(s.baffle_type_word)) {
    s.baffle_type_code = form->baffle_type_code;
    s.qalt_baffle_type_code = form->qalt_baffle_type_code;
    if (form->no_tubes_in_window) out.put_real("TubesInBafWindow", choice::kYes);
  } else if (!field_is_blank(s.baffle_type_word)) {
    note_line(s, 36, kTextFieldColumns,
              "SEGMENTAL, DOUBLE-SEGMENTAL, TRIPLE-SEGMENTAL, NO-TUBES-IN-WINDOW SEGMENTAL, "
              "ROD RING RODBAFFLE, PLATE RING RODBAFFLE or NONE");
  }
}

// Deck line 38 counts baffle spaces; the baffles stand between them.
void set_baffle_count(State& s) {
  s.baffle_count = 0.0f;
  if (s.baffle_type_code >= 1.0f && s.baffle_type_code <= 8.0f && s.baffle_space_count >= 1) {
    s.baffle_count = static_cast<float>(s.baffle_space_count - 1);
  }
}

void set_tube_passes(State& s) { s.tube_passes = static_cast<float>(s.tube_pass_count); }

// Deck material numbers 1, 2, 3 map to the host's tube materials 1, 2, 4; a number the
// table does not hold falls back to the first material.
void set_tube_material(State& s) {
  constexpr float kMaterialByIndex[] = {1.0f, 2.0f, 4.0f};
  const std::int64_t n = s.tube_material_index;
  s.tube_material_code = (n >= 1 && n <= 3) ? kMaterialByIndex[n - 1] : 1.0f;
}

void decode_reserved_60_to_62(State& s) {
  for (int k = 60; k <= 62; ++k)
    decode_real(s, k, s.reserved_60_to_62[static_cast<std::size_t>(k - 60)]);
}

void decode_reserved_97_to_132(State& s) {
  for (int k = 97; k <= 132; ++k)
    decode_real(s, k, s.reserved_97_to_132[static_cast<std::size_t>(k - 97)]);
}

constexpr DeckStep kExchangerLines[] = {
    text(2, &State::reserved_2),
    text(3, &State::reserved_3),
    text(13, &State::program_mode_word),
    rule(set_program_mode),
    text(14, &State::flow_arrangement_word),
    rule(set_flow_arrangement),
    text(17, &State::tube_type_word),
    rule(set_tube_type),
    text(19, &State::exchanger_type_word),
    rule(set_exchanger_type),
    integer(20, &State::shells_in_parallel),
    integer(21, &State::shells_in_series),
    integer(22, &State::reserved_22),
    real(23, &State::reserved_23),
    tolerant(24, &State::reserved_24),
    real(25, &State::reserved_25),
    real(26, &State::reserved_26),
    text(27, &State::impingement_word),
    rule(set_impingement_protection),
    real(28, &State::reserved_28),
    real(29, &State::reserved_29),
    real(30, &State::reserved_30),
    real(31, &State::baffle_cut),
    tolerant(32, &State::baffle_spacing),
    tolerant(33, &State::inlet_baffle_spacing),
    tolerant(34, &State::outlet_baffle_spacing),
    real(35, &State::baffle_cut_angle),
    text(36, &State::baffle_type_word),
    record_rule(set_baffle_form),
    real(37, &State::baffle_thickness),
    integer(38, &State::baffle_space_count),
    rule(set_baffle_count),
    integer(39, &State::tube_pass_count),
    rule(set_tube_passes),
    real(40, &State::tube_od),
    real(41, &State::reserved_41),
    tolerant(42, &State::tube_layout_angle),
    real(43, &State::tube_pitch),
    real(44, &State::reserved_44),
    integer(45, &State::tube_material_index),
    rule(set_tube_material),
    tolerant_if_present(46, &State::tube_count),
    real(47, &State::reserved_47),
    real(48, &State::reserved_48),
    real(49, &State::fin_density),
    real(50, &State::fin_height),
    real(51, &State::fin_thickness),
    text(52, &State::reserved_52),
    // Lines 53 and 54 are read twice: the tolerant form feeds the shell-and-tube records,
    // the strict form (five implied decimals) the air-cooler records.
    tolerant(53, &State::tube_length),
    real(53, &State::tube_length_strict),
    tolerant(54, &State::effective_tube_length),
    real(54, &State::effective_tube_length_strict),
    real(55, &State::shell_inlet_nozzle_id),
    real(56, &State::shell_outlet_nozzle_id),
    real(57, &State::reserved_57),
    real(58, &State::tube_field_distance_1),
    real(59, &State::tube_field_distance_2),
    rule(decode_reserved_60_to_62),
    real(63, &State::shell_flow_rate),
    real(64, &State::tube_flow_rate),
    real(65, &State::shell_quantity_a_in),
    real(66, &State::tube_quantity_a_in),
    real(67, &State::shell_quantity_a_out),
    real(68, &State::tube_quantity_a_out),
    real(69, &State::shell_quantity_b_in),
    real(70, &State::tube_quantity_b_in),
    real(71, &State::shell_quantity_b_out),
    real(72, &State::tube_quantity_b_out),
    rule(decode_reserved_97_to_132),
};

}  // namespace

void decode_exchanger_lines(ConversionState& s, KeywordWriter& out) {
  run_steps(kExchangerLines, s, &out);
}

}  // namespace qalt2morv::deck
