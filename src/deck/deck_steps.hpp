// A section of the deck layout held as data: each step reads one deck line by its field kind
// into its field of the conversion state, or runs the rule that follows the lines before it.
#pragma once

#include <cstdint>
#include <span>

#include "core/conversion_state.hpp"
#include "core/keyword_writer.hpp"

namespace qalt2morv::deck {

using State = ConversionState;
using Rule = void (*)(State&);
using RecordRule = void (*)(State&, KeywordWriter&);

enum class StepKind {
  text40,
  text80,
  real,
  integer,
  tolerant_real,             // decoded whatever the line count
  tolerant_real_if_present,  // decoded only when the deck has the line
  rule,
  record_rule,  // a rule that writes a record at once
};

struct DeckStep {
  StepKind kind = StepKind::rule;
  int line = 0;
  Text40 State::*text40 = nullptr;
  Text80 State::*text80 = nullptr;
  float State::*real = nullptr;
  std::int64_t State::*integer = nullptr;
  Rule rule = nullptr;
  RecordRule record_rule = nullptr;
};

constexpr DeckStep text(int line, Text40 State::*field) {
  DeckStep s;
  s.kind = StepKind::text40;
  s.line = line;
  s.text40 = field;
  return s;
}
constexpr DeckStep text(int line, Text80 State::*field) {
  DeckStep s;
  s.kind = StepKind::text80;
  s.line = line;
  s.text80 = field;
  return s;
}
constexpr DeckStep real(int line, float State::*field) {
  DeckStep s;
  s.kind = StepKind::real;
  s.line = line;
  s.real = field;
  return s;
}
constexpr DeckStep integer(int line, std::int64_t State::*field) {
  DeckStep s;
  s.kind = StepKind::integer;
  s.line = line;
  s.integer = field;
  return s;
}
constexpr DeckStep tolerant(int line, float State::*field) {
  DeckStep s;
  s.kind = StepKind::tolerant_real;
  s.line = line;
  s.real = field;
  return s;
}
constexpr DeckStep tolerant_if_present(int line, float State::*field) {
  DeckStep s;
  s.kind = StepKind::tolerant_real_if_present;
  s.line = line;
  s.real = field;
  return s;
}
constexpr DeckStep rule(Rule r) {
  DeckStep s;
  s.kind = StepKind::rule;
  s.rule = r;
  return s;
}
constexpr DeckStep record_rule(RecordRule r) {
  DeckStep s;
  s.kind = StepKind::record_rule;
  s.record_rule = r;
  return s;
}

// Lets a section that has no writer prove at compile time that it needs none.
constexpr bool writes_records(std::span<const DeckStep> steps) {
  for (const DeckStep& step : steps) {
    if (step.kind == StepKind::record_rule) return true;
  }
  return false;
}

// Runs the steps in order. out may be null only for steps that write no records.
void run_steps(std::span<const DeckStep> steps, State& s, KeywordWriter* out);

}  // namespace qalt2morv::deck
