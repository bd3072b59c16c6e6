// Look-ups in the tables of deck words and TEMA letters.
#include "deck/deck_words.hpp"

namespace qalt2morv::deck {

const BaffleForm* find_baffle_form(const Text40& field) {
  for (const BaffleForm& form : kBaffleForms) {
    if (field_is_word(field, form.word)) return &form;
  }
  return nullptr;
}

TemaLetters tema_letters(const Text40& word) {
  return {word[0], word[1], word[1] == 'J' ? word[4] : word[2]};
}

const LetterCode* find_letter(char letter, std::span<const LetterCode> letters) {
  for (const LetterCode& l : letters) {
    if (l.letter == letter) return &l;
  }
  return nullptr;
}

}  // namespace qalt2morv::deck
