// The edit rules of the deck's fixed-column numbers, as Fortran formatted input (F11.5 and
// I9 with blanks ignored) reads them, and the guarded reads built on them.
#include "deck/field_kinds.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "core/conversion_error.hpp"
#include "deck/field_faults.hpp"

namespace qalt2morv::deck {

namespace {

constexpr int kRealColumns = 11;
constexpr int kIntegerColumns = 9;
constexpr int kSearchColumns = 40;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

float parse_real_field(const DeckLine& line, int k) {
  // Blanks anywhere in the field are ignored. A deck nearly always writes the number in one
  // piece: then the field is the text between the blanks, read where it stands.
  const char* const columns = line.data();
  int first = 0;
  while (first < kRealColumns && columns[first] == ' ') ++first;
  if (first == kRealColumns) return 0.0f;
  int last = kRealColumns;
  while (columns[last - 1] == ' ') --last;
  const char* field = columns + first;
  int n = last - first;
  char squeezed[kRealColumns];
  if (std::memchr(field, ' ', static_cast<std::size_t>(n)) != nullptr) {
    n = 0;
    for (int i = first; i < last; ++i) {
      if (columns[i] != ' ') squeezed[n++] = columns[i];
    }
    field = squeezed;
  }

  const auto malformed = [&]() { return real_field_error(line, k); };

  int pos = 0;
  bool negative = false;
  if (field[pos] == '+' || field[pos] == '-') negative = field[pos++] == '-';

  // Mantissa digits (the point removed) and how many of them stand right of the point.
  char digits[kRealColumns];
  int digit_count = 0;
  int fraction_digits = 0;
  bool point = false;
  std::int64_t mantissa = 0;  // at most eleven digits
  for (; pos < n; ++pos) {
    const char c = field[pos];
    if (is_digit(c)) {
      digits[digit_count++] = c;
      mantissa = mantissa * 10 + (c - '0');
      if (point) ++fraction_digits;
    } else if (c == '.') {
      if (point) throw malformed();
      point = true;
    } else {
      break;
    }
  }
  // Without a point the rightmost five digits are the fraction.
  if (!point) fraction_digits = 5;

  // Exponent: E or D with an optionally signed integer, or a sign directly followed by one.
  std::int64_t exponent = 0;
  if (pos < n) {
    const char c = field[pos];
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
      ++pos;
    } else if (c != '+' && c != '-') {
      throw malformed();
    }
    bool exponent_negative = false;
    if (pos < n && (field[pos] == '+' || field[pos] == '-')) exponent_negative = field[pos++] == '-';
    if (pos == n) throw malformed();
    for (; pos < n; ++pos) {
      if (!is_digit(field[pos])) throw malformed();
      exponent = exponent * 10 + (field[pos] - '0');  // at most ten digits
    }
    if (exponent_negative) exponent = -exponent;
  }

  // Fortran input takes an exponent, after the scaling of the five implied decimals, of
  // at most four digits; a longer one is no number.
  if (std::abs(exponent - (point ? 0 : 5)) > 9999) throw malformed();

  // A field of only a sign, a point or an exponent reads as zero, as Fortran input does.
  // (A lone minus sign reads as +0, a minus with a point or an exponent as -0.)
  if (digit_count == 0) return negative && n > 1 ? -0.0f : 0.0f;

  // Round once, from the exact decimal, to single precision. Most deck values have few
  // digits: when the digits fit the float mantissa exactly and the power of ten is exact
  // too, one float multiplication or division rounds correctly (no double rounding).
  const std::int64_t scale = exponent - fraction_digits;
  if (digit_count <= 7 && scale >= -10 && scale <= 10) {
    static constexpr float kPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                             1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const float m = static_cast<float>(static_cast<std::int32_t>(mantissa));  // below 10^7: exact
    const float value = scale >= 0 ? m * kPowersOfTen[static_cast<std::size_t>(scale)]
                                   : m / kPowersOfTen[static_cast<std::size_t>(-scale)];
    return negative ? -value : value;
  }
  char normalised[kRealColumns + 24];
  int m = 0;
  for (int i = 0; i < digit_count; ++i) normalised[m++] = digits[i];
  normalised[m++] = 'e';
  const auto r = std::to_chars(normalised + m, normalised + sizeof normalised, scale);
  const char* end = r.ptr;
  float value = 0.0f;
  const auto parsed = std::from_chars(normalised, end, value, std::chars_format::scientific);
  if (parsed.ec == std::errc::result_out_of_range) {
    // Out of range either way: beyond the largest single-precision real is an error; below
    // the smallest it is zero.
    int leading_zeros = 0;
    while (leading_zeros < digit_count && digits[leading_zeros] == '0') ++leading_zeros;
    const std::int64_t magnitude = (digit_count - leading_zeros) + exponent - fraction_digits;
    if (magnitude > 0) throw real_too_large_error(line, k);
    value = 0.0f;
  } else if (parsed.ec != std::errc() || !std::isfinite(value)) {
    throw real_too_large_error(line, k);
  }
  return negative ? -value : value;
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

void decode_real(const ConversionState& s, int k, float& field) {
  if (has_line(s, k)) field = parse_real_field(line_of(s, k), k);
}

void decode_integer(const ConversionState& s, int k, std::int64_t& field) {
  if (has_line(s, k)) field = parse_integer_field(line_of(s, k), k);
}

TolerantRead tolerant_read(ConversionState& s, int k) {
  static_assert(kSearchColumns == Text40::size());
  if (has_line(s, k)) std::memcpy(s.search_copy.data(), line_of(s, k).data(), kSearchColumns);
  const bool point = std::memchr(s.search_copy.data(), '.', kSearchColumns) != nullptr;

  // A line the deck lacks is blank in the store, so either rule gives 0 for it.
  const DeckLine& line = line_of(s, k);

  TolerantRead r;
  r.has_point = point;
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

void decode_tolerant_real(ConversionState& s, int k, float& field) { field = tolerant_read(s, k).real; }

void decode_tolerant_real_if_present(ConversionState& s, int k, float& field) {
  if (has_line(s, k)) field = tolerant_read(s, k).real;
}

}  // namespace qalt2morv::deck
