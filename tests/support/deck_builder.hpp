// Test helpers: build a deck from {line, text} pairs and run a conversion or part of one.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "core/conversion_state.hpp"

namespace qalt2morv::testing {

struct DeckLineText {
  int line;
  std::string text;
};

// A deck of line_count lines; the lines given hold their text, every other line is blank.
// Line 1 holds "U" (US customary units) unless it is given.
std::string build_deck(std::initializer_list<DeckLineText> lines, int line_count = 499);

// Loads the deck and runs the deck decoding (phases 1 and 2) only.
std::unique_ptr<ConversionState> decode_only(const std::string& deck);

// Loads, decodes and runs the post-decoding derivations (phases 1 to 3).
std::unique_ptr<ConversionState> decode_and_derive(const std::string& deck);

// A whole conversion in memory with "\n" line ends; fails the test unless the status is 0.
std::string convert_ok(const std::string& deck);

}  // namespace qalt2morv::testing
