// The deck loader: deck bytes into the line store (at most 1000 lines of 90 columns), the
// leading-blank shift, the star prefix and the unit letter of deck line 1.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/conversion_state.hpp"

namespace qalt2morv::deck {

// Splits deck bytes into lines as they arrive: a line ends at LF, a CR directly before the
// LF (or at the very end) is dropped, columns beyond 90 are skipped, a last line without a
// newline counts, lines after the 1000th are not read.
class LineSplitter {
 public:
  explicit LineSplitter(ConversionState& s) : s_(s) {}
  // Feeds the next bytes; returns false once 1000 lines are complete (nothing more is needed).
  bool feed(const char* data, std::size_t size);
  // Ends the deck: a pending last line without a newline counts.
  void finish();

 private:
  // Stores the lines of [p, end) that end in it while no line is open; returns where the
  // rest begins.
  const char* store_whole_lines(const char* p, const char* end);
  void append(const char* text, std::size_t length);
  void end_line();

  static constexpr std::size_t kLfBatch = 256;      // line ends found per round
  static constexpr std::size_t kLfSpan = 1u << 15;  // bytes looked at per round (fit 16 bits)

  ConversionState& s_;
  int column_ = 0;
  bool in_line_ = false;
  bool pending_cr_ = false;
  bool full_ = false;
};

// The store's copy of line index (deck line index + 1), given a blank place first when the
// line had none: for the loader and for whoever sets a line's text.
DeckLine& stored_line(ConversionState& s, int index);

// Normalises deck line 1 and the store (leading-blank shift, star prefix) and decodes the
// unit letter. Runs once, after the lines are read.
void normalise_and_read_unit_letter(ConversionState& s);

// Loads deck bytes held in memory: splitting, normalisation and unit letter.
void load_deck(ConversionState& s, std::string_view deck_bytes);

}  // namespace qalt2morv::deck
