// The words and letters the deck writes in its text fields, with the codes they stand for,
// and the one way a field is matched against a word.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "core/conversion_state.hpp"

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
constexpr WordCode kProgramModeWords[] = {{"DESIGN", 1.0f}, {"RATING", 2.0f}, {"SIMULATION", 3.0f}};
constexpr WordCode kProgramModeOlderWords[] = {
    {" Design", 1.0f}, {" Rating", 2.0f}, {" Simulation", 3.0f}};

// Deck line 14.
constexpr WordCode kFlowArrangementWords[] = {{"COUNTERCURRENT", 1.0f}, {"COCURRENT", 2.0f}};

// Deck line 17: 1 plain, 2 finned (low fins included), 3 high-fin, 4 stud-finned.
constexpr WordCode kTubeTypeWords[] = {
    {"PLAIN", 1.0f},    {"FINNED", 2.0f},      {"Low-finned", 2.0f},
    {"High-Fin", 3.0f}, {"Stud-finned", 4.0f},
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
    {"SEGMENTAL", 1.0f, 1.0f, false},
    {"DOUBLE-SEGMENTAL", 2.0f, 2.0f, false},
    {"TRIPLE-SEGMENTAL", 3.0f, 3.0f, false},
    {"NO-TUBES-IN-WINDOW SEGMENTAL", 1.0f, 5.0f, true},
    {"ROD RING RODBAFFLE", 5.0f, 6.0f, false},
    {"PLATE RING RODBAFFLE", 5.0f, 6.0f, false},
    {"NONE", 4.0f, 8.0f, false},
};

// Deck line 480.
constexpr WordCode kFanDraftWords[] = {{"FORCED", 1.0f}, {"INDUCED", 2.0f}};

// Deck line 19, the three-letter TEMA designation: front head, shell, rear head.
struct LetterCode {
  char letter;
  float code;
};
constexpr LetterCode kFrontHeadLetters[] = {{'A', 1.0f}, {'B', 2.0f}, {'C', 3.0f}, {'N', 4.0f}, {'D', 5.0f}};
constexpr LetterCode kShellLetters[] = {{'E', 1.0f}, {'L', 1.0f}, {'F', 2.0f}, {'G', 3.0f},
                                        {'H', 4.0f}, {'J', 5.0f}, {'K', 6.0f}, {'X', 7.0f}};
constexpr LetterCode kRearHeadLetters[] = {{'L', 1.0f}, {'M', 2.0f}, {'N', 3.0f}, {'P', 4.0f},
                                           {'S', 5.0f}, {'T', 6.0f}, {'U', 7.0f}, {'W', 8.0f}};

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

}  // namespace qalt2morv::deck
