// The edit rules of the deck's fixed-column numbers, as Fortran formatted input (F11.5 and
// I9 with blanks ignored) reads them, and the guarded reads built on them.
#include "deck/field_kinds.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

#include "core/conversion_error.hpp"
#include "deck/field_faults.hpp"

namespace qalt2morv::deck {

namespace {

constexpr int kSearchColumns = 40;

}  // namespace

namespace {

// The field's text with the blanks taken out. A deck nearly always writes the number in one
// piece: then it is the text between the blanks, read where it stands.
std::string_view field_without_blanks(const DeckLine& line, char (&squeezed)[kRealColumns]) {
  const char* const columns = line.data();
  int first = 0;
  while (first < kRealColumns && columns[first] == ' ') ++first;
  if (first == kRealColumns) return {};
  int last = kRealColumns;
  while (columns[last - 1] == ' ') --last;
  const auto n = static_cast<std::size_t>(last - first);
  // Blanks inside the number: all blanks of the field less those around it, counted over the
  // fixed eleven columns (no library call, no jump that depends on the number's length).
  int blanks = 0;
  for (int i = 0; i < kRealColumns; ++i) blanks += columns[i] == ' ';
  if (blanks == kRealColumns - static_cast<int>(n)) return std::string_view(columns + first, n);
  std::size_t m = 0;
  for (int i = first; i < last; ++i) {
    if (columns[i] != ' ') squeezed[m++] = columns[i];
  }
  return std::string_view(squeezed, m);
}

// A real as its digits: the mantissa digits (the point removed), how many of them stand
// right of the point, and the exponent.
struct RealDigits {
  bool negative = false;
  bool point = false;
  char digits[kRealColumns] = {};
  int digit_count = 0;
  int fraction_digits = 0;
  std::int64_t mantissa = 0;  // at most eleven digits
  std::int64_t exponent = 0;
};

// An optional sign, then digits with at most one point. False for a second point.
bool read_mantissa(std::string_view field, std::size_t& pos, RealDigits& r) {
  if (field[pos] == '+' || field[pos] == '-') r.negative = field[pos++] == '-';
  for (; pos < field.size(); ++pos) {
    const char c = field[pos];
    if (is_digit(c)) {
      r.digits[r.digit_count++] = c;
      r.mantissa = r.mantissa * 10 + (c - '0');
      if (r.point) ++r.fraction_digits;
    } else if (c == '.') {
      if (r.point) return false;
      r.point = true;
    } else {
      break;
    }
  }
  // Without a point the rightmost five digits are the fraction.
  if (!r.point) r.fraction_digits = 5;
  return true;
}

// What follows the mantissa: E or D with an optionally signed integer, or a sign directly
// followed by one. False when anything else follows, or no digit does.
bool read_exponent(std::string_view field, std::size_t pos, RealDigits& r) {
  if (pos == field.size()) return true;
  const char c = field[pos];
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    ++pos;
  } else if (c != '+' && c != '-') {
    return false;
  }
  bool negative = false;
  if (pos < field.size() && (field[pos] == '+' || field[pos] == '-'))
    negative = field[pos++] == '-';
  if (pos == field.size()) return false;
  for (; pos < field.size(); ++pos) {
    if (!is_digit(field[pos])) return false;
    r.exponent = r.exponent * 10 + (field[pos] - '0');  // at most ten digits
  }
  if (negative) r.exponent = -r.exponent;
  return true;
}

// Rounds once, from the exact decimal, to single precision. Most deck values have few
// digits: when the digits fit the float mantissa exactly and the power of ten is exact too,
// one float multiplication or division rounds correctly (no double rounding). Sets
// too_large for a value beyond the largest single-precision real; one below the smallest
// is zero.
float round_to_single(const RealDigits& r, bool& too_large) {
  const std::int64_t scale = r.exponent - r.fraction_digits;
  if (r.digit_count <= 7 && scale >= -10 && scale <= 10) {
    static constexpr float kPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                             1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const float m = static_cast<float>(static_cast<std::int32_t>(r.mantissa));  // below 10^7: exact
    return scale >= 0 ? m * kPowersOfTen[static_cast<std::size_t>(scale)]
                      : m / kPowersOfTen[static_cast<std::size_t>(-scale)];
  }
  char normalised[kRealColumns + 24];
  int m = 0;
  for (int i = 0; i < r.digit_count; ++i) normalised[m++] = r.digits[i];
  normalised[m++] = 'e';
  const char* end = std::to_chars(normalised + m, normalised + sizeof normalised, scale).ptr;
  float value = 0.0f;
  const auto parsed = std::from_chars(normalised, end, value, std::chars_format::scientific);
  if (parsed.ec == std::errc::result_out_of_range) {
    int leading_zeros = 0;
    while (leading_zeros < r.digit_count && r.digits[leading_zeros] == '0') ++leading_zeros;
    const std::int64_t magnitude = (r.digit_count - leading_zeros) + scale;
    too_large = magnitude > 0;
    return 0.0f;
  }
  too_large = parsed.ec != std::errc() || !std::isfinite(value);
  return value;
}

}  // namespace

float parse_real_field(const DeckLine& line, int k) {
  char squeezed[kRealColumns];
  const std::string_view field = field_without_blanks(line, squeezed);
  if (field.empty()) return 0.0f;

  RealDigits r;
  std::size_t pos = 0;
  if (!read_mantissa(field, pos, r) || !read_exponent(field, pos, r))
    throw real_field_error(line, k);
  // Fortran input takes an exponent, after the scaling of the five implied decimals, of
  // at most four digits; a longer one is no number.
  if (std::abs(r.exponent - (r.point ? 0 : 5)) > 9999) throw real_field_error(line, k);

  // A field of only a sign, a point or an exponent reads as zero, as Fortran input does.
  // (A lone minus sign reads as +0, a minus with a point or an exponent as -0.)
  if (r.digit_count == 0) return r.negative && field.size() > 1 ? -0.0f : 0.0f;

  bool too_large = false;
  const float value = round_to_single(r, too_large);
  if (too_large) throw real_too_large_error(line, k);
  return r.negative ? -value : value;
}

std::int64_t parse_integer_field(const DeckLine& line, int k) {
  char field[kIntegerColumns];
  int n = 0;
  for (int i = 0; i < kIntegerColumns; ++i) {
    const char c = line[static_cast<std::size_t>(i)];
    if (c != ' ') field[n++] = c;
  }
  if (n == 0) return 0;
  int pos = 0;
  bool negative = false;
  if (field[pos] == '+' || field[pos] == '-') negative = field[pos++] == '-';
  if (pos == n) throw integer_field_error(line, k);
  std::int64_t value = 0;  // at most nine digits
  for (; pos < n; ++pos) {
    if (!is_digit(field[pos])) throw integer_field_error(line, k);
    value = value * 10 + (field[pos] - '0');
  }
  return negative ? -value : value;
}

namespace {

// Most deck lines are empty, and an empty or missing line reads 0 by either edit rule: its
// blank columns need not be parsed.
bool reads_blank(const ConversionState& s, int k) {
  return !has_line(s, k) || s.line_place[static_cast<std::size_t>(k - 1)] == 0;
}

}  // namespace

void decode_real(const ConversionState& s, int k, float& field) {
  if (has_line(s, k)) field = reads_blank(s, k) ? 0.0f : parse_real_field(line_of(s, k), k);
}

void decode_integer(const ConversionState& s, int k, std::int64_t& field) {
  if (has_line(s, k)) field = reads_blank(s, k) ? 0 : parse_integer_field(line_of(s, k), k);
}

TolerantRead tolerant_read(ConversionState& s, int k) {
  static_assert(kSearchColumns == Text40::size());
  if (has_line(s, k)) std::memcpy(s.search_copy.data(), line_of(s, k).data(), kSearchColumns);
  int points = 0;  // counted over all forty columns: no jump on where the point stands
  for (const char c : s.search_copy.c) points += c == '.';
  const bool point = points != 0;

  // A line the deck lacks reads blank, so either rule gives 0 for it.
  TolerantRead r;
  r.has_point = point;
  if (reads_blank(s, k)) return r;
  const DeckLine& line = line_of(s, k);
  if (point) {
    r.real = parse_real_field(line, k);
  } else {
    try {
      r.integer = parse_integer_field(line, k);
    } catch (const DeckFieldError& e) {
      throw read_as_whole_number(e);
    }
    r.real = static_cast<float>(r.integer);
  }
  return r;
}

void decode_tolerant_real(ConversionState& s, int k, float& field) {
  field = tolerant_read(s, k).real;
}

void decode_tolerant_real_if_present(ConversionState& s, int k, float& field) {
  if (has_line(s, k)) field = tolerant_read(s, k).real;
}

}  // namespace qalt2morv::deck
