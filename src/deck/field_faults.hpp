// What is wrong with a malformed number field, for the message: the field as written and
// the first character that breaks the edit rule, with its column.
#pragma once

#include <string>

#include "core/conversion_error.hpp"
#include "core/conversion_state.hpp"

namespace qalt2morv::deck {

// The first `columns` columns of a line, surrounding blanks dropped, with every byte that
// does not print (control bytes, bytes from 0x7F up) shown as \xNN.
std::string shown_field_text(const DeckLine& line, int columns);

// Errors for a real field (11 columns) or an integer field (9 columns) of deck line k that
// the edit rule rejects.
DeckFieldError real_field_error(const DeckLine& line, int k);
DeckFieldError real_too_large_error(const DeckLine& line, int k);
DeckFieldError integer_field_error(const DeckLine& line, int k);

// The same error, saying that the tolerant rule read the line as a whole number because no
// decimal point stood in its first 40 columns.
DeckFieldError read_as_whole_number(const DeckFieldError& e);

}  // namespace qalt2morv::deck
