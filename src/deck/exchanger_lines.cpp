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
  const TemaLetters letters = tema_letters(s.exchanger_type_word);
  set_from_letter(s, letters.front, kFrontHeadLetters, s.front_head_code,
                  "front head A, B, C, N or D in column 1");
  set_from_letter(s, letters.shell, kShellLetters, s.shell_type_code,
                  "shell E, L, F, G, H, J, K or X in column 2");
  set_from_letter(s, letters.rear, kRearHeadLetters, s.rear_head_code,
                  letters.shell == 'J'
                      ? "rear head L, M, N, P, S, T, U or W in column 5 of a J shell"
                      : "rear head L, M, N, P, S, T, U or W in column 3");
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

constexpr RecordDescription kTubesInBaffleWindow = {
    "TubesInBafWindow", "number", "2 (yes)",
    "deck line 36 holds a baffle form without tubes in the window"};

// The host learns of tube-free baffle windows only from this record, written as the baffle
// form is read, so it stands ahead of every other record.
void set_baffle_form(State& s, KeywordWriter& out) {
  if (const BaffleForm* form = find_baffle_form(s.baffle_type_word)) {
    s.baffle_type_code = form->baffle_type_code;
    s.qalt_baffle_type_code = form->qalt_baffle_type_code;
    if (form->no_tubes_in_window) out.put_real(kTubesInBaffleWindow.key, choice::kYes);
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
    text(2, DECK_FIELD(reserved_2)),
    text(3, DECK_FIELD(reserved_3)),
    text(13, DECK_FIELD(program_mode_word)),
    rule(set_program_mode),
    text(14, DECK_FIELD(flow_arrangement_word)),
    rule(set_flow_arrangement),
    text(17, DECK_FIELD(tube_type_word)),
    rule(set_tube_type),
    text(19, DECK_FIELD(exchanger_type_word)),
    rule(set_exchanger_type),
    integer(20, DECK_FIELD(shells_in_parallel)),
    integer(21, DECK_FIELD(shells_in_series)),
    integer(22, DECK_FIELD(reserved_22)),
    real(23, DECK_FIELD(reserved_23)),
    tolerant(24, DECK_FIELD(reserved_24)),
    real(25, DECK_FIELD(reserved_25)),
    real(26, DECK_FIELD(reserved_26)),
    text(27, DECK_FIELD(impingement_word)),
    rule(set_impingement_protection),
    real(28, DECK_FIELD(reserved_28)),
    real(29, DECK_FIELD(reserved_29)),
    real(30, DECK_FIELD(reserved_30)),
    real(31, DECK_FIELD(baffle_cut)),
    tolerant(32, DECK_FIELD(baffle_spacing)),
    tolerant(33, DECK_FIELD(inlet_baffle_spacing)),
    tolerant(34, DECK_FIELD(outlet_baffle_spacing)),
    real(35, DECK_FIELD(baffle_cut_angle)),
    text(36, DECK_FIELD(baffle_type_word)),
    record_rule(set_baffle_form),
    real(37, DECK_FIELD(baffle_thickness)),
    integer(38, DECK_FIELD(baffle_space_count)),
    rule(set_baffle_count),
    integer(39, DECK_FIELD(tube_pass_count)),
    rule(set_tube_passes),
    real(40, DECK_FIELD(tube_od)),
    real(41, DECK_FIELD(reserved_41)),
    tolerant(42, DECK_FIELD(tube_layout_angle)),
    real(43, DECK_FIELD(tube_pitch)),
    real(44, DECK_FIELD(reserved_44)),
    integer(45, DECK_FIELD(tube_material_index)),
    rule(set_tube_material),
    tolerant_if_present(46, DECK_FIELD(tube_count)),
    real(47, DECK_FIELD(reserved_47)),
    real(48, DECK_FIELD(reserved_48)),
    real(49, DECK_FIELD(fin_density)),
    real(50, DECK_FIELD(fin_height)),
    real(51, DECK_FIELD(fin_thickness)),
    text(52, DECK_FIELD(reserved_52)),
    // Lines 53 and 54 are read twice: the tolerant form feeds the shell-and-tube records,
    // the strict form (five implied decimals) the air-cooler records.
    tolerant(53, DECK_FIELD(tube_length)),
    real(53, DECK_FIELD(tube_length_strict)),
    tolerant(54, DECK_FIELD(effective_tube_length)),
    real(54, DECK_FIELD(effective_tube_length_strict)),
    real(55, DECK_FIELD(shell_inlet_nozzle_id)),
    real(56, DECK_FIELD(shell_outlet_nozzle_id)),
    real(57, DECK_FIELD(reserved_57)),
    real(58, DECK_FIELD(tube_field_distance_1)),
    real(59, DECK_FIELD(tube_field_distance_2)),
    reading_rule(60, 62, StepKind::real, "reserved", decode_reserved_60_to_62),
    real(63, DECK_FIELD(shell_flow_rate)),
    real(64, DECK_FIELD(tube_flow_rate)),
    real(65, DECK_FIELD(shell_quantity_a_in)),
    real(66, DECK_FIELD(tube_quantity_a_in)),
    real(67, DECK_FIELD(shell_quantity_a_out)),
    real(68, DECK_FIELD(tube_quantity_a_out)),
    real(69, DECK_FIELD(shell_quantity_b_in)),
    real(70, DECK_FIELD(tube_quantity_b_in)),
    real(71, DECK_FIELD(shell_quantity_b_out)),
    real(72, DECK_FIELD(tube_quantity_b_out)),
    reading_rule(97, 132, StepKind::real, "reserved", decode_reserved_97_to_132),
};

}  // namespace

std::span<const DeckStep> exchanger_line_steps() { return kExchangerLines; }

void decode_exchanger_lines(ConversionState& s, KeywordWriter& out) {
  run_steps(kExchangerLines, s, &out);
}

std::vector<RecordDescription> describe_records_while_decoding() { return {kTubesInBaffleWindow}; }

}  // namespace qalt2morv::deck
