// The field kinds by which one deck line becomes a value, and the guard every read obeys:
// a line is decoded only when the deck has it.
#pragma once

#include <cstdint>

#include "core/conversion_state.hpp"

namespace qalt2morv::deck {

// The columns a real field (F11.5) and an integer field (I9) read.
inline constexpr int kRealColumns = 11;
inline constexpr int kIntegerColumns = 9;

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

// True when the deck has line k (1 <= k <= line count).
inline bool has_line(const ConversionState& s, int k) { return k >= 1 && k <= s.line_count; }

constexpr DeckLine make_blank_line() {
  DeckLine line{};
  for (char& c : line) c = ' ';
  return line;
}
inline constexpr DeckLine kBlankLine = make_blank_line();

// Deck line k; a line the deck lacks, or an empty one, is blank.
inline const DeckLine& line_of(const ConversionState& s, int k) {
  return has_line(s, k) ? s.lines[s.line_place[static_cast<std::size_t>(k - 1)]] : kBlankLine;
}

// Real edit rule over columns 1 to 11 of deck line k (blanks ignored, five implied decimals
// when no point is written). Throws DeckFieldError naming line k when malformed.
float parse_real_field(const DeckLine& line, int k);

// Integer edit rule over columns 1 to 9 of deck line k. Throws DeckFieldError when malformed.
std::int64_t parse_integer_field(const DeckLine& line, int k);

// Guarded reads: the destination keeps its value when the deck lacks line k.
template <std::size_t N>
void decode_text(const ConversionState& s, int k, FixedText<N>& field) {
  if (!has_line(s, k)) return;
  const DeckLine& line = line_of(s, k);
  for (std::size_t i = 0; i < N; ++i) field[i] = line[i];
}
void decode_real(const ConversionState& s, int k, float& field);
void decode_integer(const ConversionState& s, int k, std::int64_t& field);

// One tolerant read of deck line k: when the deck has the line, columns 1 to 40 go into the
// search copy (otherwise the copy keeps the previous text); a point in the copy selects the
// real edit rule, none the integer edit rule. A line the deck lacks is blank, so its value is 0.
struct TolerantRead {
  bool has_point = false;    // the real edit rule was used
  float real = 0.0f;         // the value as a real (the integer converted when !has_point)
  std::int64_t integer = 0;  // the integer when !has_point
};
TolerantRead tolerant_read(ConversionState& s, int k);

// Tolerant real field: decoded whatever the line count.
void decode_tolerant_real(ConversionState& s, int k, float& field);

// Tolerant real field (present lines only): nothing happens when the deck lacks line k.
void decode_tolerant_real_if_present(ConversionState& s, int k, float& field);

}  // namespace qalt2morv::deck
