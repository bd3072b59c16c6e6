// Diagnosis of malformed number fields. Runs only once a field has been rejected, so it
// walks the field again, column by column, to find the character at fault.
#include "deck/field_faults.hpp"

#include <cstdio>

#include "deck/field_kinds.hpp"

namespace qalt2morv::deck {

namespace {

bool is_sign(char c) { return c == '+' || c == '-'; }
bool is_exponent_letter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }
bool prints(unsigned char u) { return u >= 0x20 && u < 0x7F; }

std::string shown_byte(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (prints(u)) return std::string(1, c);
  char hex[5];
  std::snprintf(hex, sizeof hex, "\\x%02X", u);
  return hex;
}

// The character at fault and its column within the field (from 1); column 0 when no single
// character is (the field ends too early, or its exponent is too long).
struct Fault {
  int column = 0;
  char byte = 0;
};

// Blanks are ignored anywhere; then an optional sign, digits with at most one point, and an
// optional exponent: a letter E or D with an optional sign, or a sign alone, then digits.
Fault find_real_fault(const DeckLine& line) {
  enum class At { start, mantissa, exponent_letter, exponent_sign, exponent_digits } at = At::start;
  bool point = false;
  for (int i = 0; i < kRealColumns; ++i) {
    const char c = line[static_cast<std::size_t>(i)];
    if (c == ' ') continue;
    const Fault here{i + 1, c};
    switch (at) {
      case At::start:
        at = At::mantissa;
        if (is_sign(c)) break;
        [[fallthrough]];
      case At::mantissa:
        if (is_digit(c)) break;
        if (c == '.' && !point) {
          point = true;
          break;
        }
        if (is_exponent_letter(c)) {
          at = At::exponent_letter;
          break;
        }
        if (is_sign(c)) {
          at = At::exponent_sign;
          break;
        }
        return here;
      case At::exponent_letter:
        if (is_sign(c)) {
          at = At::exponent_sign;
          break;
        }
        [[fallthrough]];
      case At::exponent_sign:
      case At::exponent_digits:
        if (!is_digit(c)) return here;
        at = At::exponent_digits;
        break;
    }
  }
  return {};
}

// An optional sign, then digits; blanks are ignored anywhere.
Fault find_integer_fault(const DeckLine& line) {
  bool first = true;
  for (int i = 0; i < kIntegerColumns; ++i) {
    const char c = line[static_cast<std::size_t>(i)];
    if (c == ' ') continue;
    if (!(is_digit(c) || (first && is_sign(c)))) return {i + 1, c};
    first = false;
  }
  return {};
}

DeckFieldError with_fault(int k, std::string text, std::string cause, Fault f) {
  if (f.column == 0) return DeckFieldError(k, std::move(text), std::move(cause));
  return DeckFieldError(k, std::move(text), std::move(cause), f.column,
                        "\"" + shown_byte(f.byte) + "\"");
}

}  // namespace

std::string shown_field_text(const DeckLine& line, int columns) {
  int first = 0;
  int last = columns;
  while (first < last && line[static_cast<std::size_t>(first)] == ' ') ++first;
  while (last > first && line[static_cast<std::size_t>(last - 1)] == ' ') --last;
  std::string text;
  for (int i = first; i < last; ++i) text += shown_byte(line[static_cast<std::size_t>(i)]);
  return text;
}

DeckFieldError real_field_error(const DeckLine& line, int k) {
  return with_fault(k, shown_field_text(line, kRealColumns), "is not a number",
                    find_real_fault(line));
}

DeckFieldError real_too_large_error(const DeckLine& line, int k) {
  return DeckFieldError(k, shown_field_text(line, kRealColumns),
                        "is too large for a single-precision real");
}

DeckFieldError integer_field_error(const DeckLine& line, int k) {
  return with_fault(k, shown_field_text(line, kIntegerColumns), "is not a whole number",
                    find_integer_fault(line));
}

DeckFieldError read_as_whole_number(const DeckFieldError& e) {
  return DeckFieldError(
      e.line(), e.text(),
      e.cause() + " (with no decimal point in columns 1 to 40 the line is read as a whole number)",
      e.column(), e.culprit());
}

}  // namespace qalt2morv::deck
