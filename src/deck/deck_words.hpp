// The words and letters the deck writes in its text fields, with the codes they stand for,
// and the one way a field is matched against a word.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "core/conversion_state.hpp"
#include "core/host_codes.hpp"

namespace qalt2morv::deck {

// The whole field equals the word followed by blanks only. Exact and case-sensitive: a
// leading blank, a lower-case letter or any further text is another word.
template <std::size_t N>
bool field_is_word(const FixedText<N>& field, std::string_view word) {
  if (word.size() > N) return false;
  for (std::size_t i = 0; i < N; ++i) {
    const char expected = i < word.size() ? word[i] : ' ';
    if (field[i] != expected) return false;
  }
  return true;
}

template <std::size_t N>
bool field_is_blank(const FixedText<N>& field) {
  return field_is_word(field, "");
}

struct WordCode {
  std::string_view word;
  float code;
};

// Deck line 13. The title-case words with a leading blank come from older decks and count
// only when none of the upper-case words did.
constexpr WordCode kProgramModeWords[] = {{"DESIGN", program_mode::kDesign},
                                          {"RATING", program_mode::kRating},
                                          {"SIMULATION", program_mode::kSimulation}};
constexpr WordCode kProgramModeOlderWords[] = {{" Design", program_mode::kDesign},
                                               {" Rating", program_mode::kRating},
                                               {" Simulation", program_mode::kSimulation}};

// Deck line 14.
constexpr WordCode kFlowArrangementWords[] = {{"COUNTERCURRENT", flow_arrangement::kCounterCurrent},
                                              {"COCURRENT", flow_arrangement::kCoCurrent}};

// Deck line 17: 1 plain, 2 finned (low fins included), 3 high-fin, 4 stud-finned.
constexpr WordCode kTubeTypeWords[] = {
    {"PLAIN", tube_type::kPlain},
    {"FINNED", tube_type::kFinned},
    {"Low-finned", tube_type::kFinned},
    {"High-Fin", tube_type::kHighFin},
    {"Stud-finned", tube_type::kStudFinned},
};

// Deck line 36: the host's baffle type, the baffle form as the deck program counts it, and
// whether the form leaves the baffle windows without tubes.
struct BaffleForm {
  std::string_view word;
  float baffle_type_code;
  float qalt_baffle_type_code;
  bool no_tubes_in_window;
};
constexpr BaffleForm kBaffleForms[] = {
    {"SEGMENTAL", baffle_type::kSegmental, host_baffle_type::kSegmental, false},
    {"DOUBLE-SEGMENTAL", baffle_type::kDoubleSegmental, host_baffle_type::kDoubleSegmental, false},
    {"TRIPLE-SEGMENTAL", baffle_type::kTripleSegmental, host_baffle_type::kTripleSegmental, false},
    {"NO-TUBES-IN-WINDOW SEGMENTAL", baffle_type::kSegmental, host_baffle_type::kNoTubesInWindow,
     true},
    {"ROD RING RODBAFFLE", baffle_type::kRod, host_baffle_type::kRod, false},
    {"PLATE RING RODBAFFLE", baffle_type::kRod, host_baffle_type::kRod, false},
    {"NONE", baffle_type::kNone, host_baffle_type::kNone, false},
};

// Deck line 480.
constexpr WordCode kFanDraftWords[] = {{"FORCED", fan_draft::kForced},
                                       {"INDUCED", fan_draft::kInduced}};

// Deck line 19, the three-letter TEMA designation: front head, shell, rear head.
struct LetterCode {
  char letter;
  float code;
};
constexpr LetterCode kFrontHeadLetters[] = {{'A', front_head::kA},
                                            {'B', front_head::kB},
                                            {'C', front_head::kC},
                                            {'N', front_head::kN},
                                            {'D', front_head::kD}};
constexpr LetterCode kShellLetters[] = {
    {'E', shell_type::kE}, {'L', shell_type::kE}, {'F', shell_type::kF}, {'G', shell_type::kG},
    {'H', shell_type::kH}, {'J', shell_type::kJ}, {'K', shell_type::kK}, {'X', shell_type::kX}};
constexpr LetterCode kRearHeadLetters[] = {
    {'L', rear_head::kL}, {'M', rear_head::kM}, {'N', rear_head::kN}, {'P', rear_head::kP},
    {'S', rear_head::kS}, {'T', rear_head::kT}, {'U', rear_head::kU}, {'W', rear_head::kW}};

// The row whose word the field holds, or null.
template <std::size_t N>
const WordCode* find_word(const FixedText<N>& field, std::span<const WordCode> words) {
  for (const WordCode& w : words) {
    if (field_is_word(field, w.word)) return &w;
  }
  return nullptr;
}

const BaffleForm* find_baffle_form(const Text40& field);
const LetterCode* find_letter(char letter, std::span<const LetterCode> letters);

// The letters of the exchanger type word (deck line 19) for the front head, the shell and the
// rear head: columns 1, 2 and 3, or 1, 2 and 5 for a J shell, whose letter carries two digits
// (AJ21S).
struct TemaLetters {
  char front = ' ';
  char shell = ' ';
  char rear = ' ';
};
TemaLetters tema_letters(const Text40& word);

}  // namespace qalt2morv::deck
