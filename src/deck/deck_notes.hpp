// Notes for the user about deck content the conversion did not recognise. A note never
// changes a value or a record; it tells why a record the user expected is missing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/conversion_state.hpp"

namespace qalt2morv::deck {

// The first columns of deck line k as a note shows them: trailing blanks dropped.
std::string shown_columns(const ConversionState& s, int k, std::size_t columns);

// Adds a note for deck line k showing its first columns; nothing when the deck lacks the line.
void note_line(ConversionState& s, int k, std::size_t columns, std::string_view expected);

// Integer field columns and text field columns, for the notes' found text.
constexpr std::size_t kIntegerFieldColumns = 9;
constexpr std::size_t kTextFieldColumns = 40;

}  // namespace qalt2morv::deck
