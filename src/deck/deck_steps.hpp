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

// A state field with its name, so that the deck layout names each line after the field it
// fills: real(227, DECK_FIELD(fan_diameter)).
#define DECK_FIELD(member) &State::member, #member

struct DeckStep {
  StepKind kind = StepKind::rule;
  int line = 0;
  // The field's name. A rule that reads deck lines itself names them too: lines line to
  // last_line, read as reads.
  const char* name = nullptr;
  int last_line = 0;
  StepKind reads = StepKind::rule;
  Text40 State::*text40 = nullptr;
  Text80 State::*text80 = nullptr;
  float State::*real = nullptr;
  std::int64_t State::*integer = nullptr;
  Rule rule = nullptr;
  RecordRule record_rule = nullptr;
};

constexpr DeckStep text(int line, Text40 State::*field, const char* name) {
  DeckStep s;
  s.kind = StepKind::text40;
  s.line = line;
  s.text40 = field;
  s.name = name;
  return s;
}
constexpr DeckStep text(int line, Text80 State::*field, const char* name) {
  DeckStep s;
  s.kind = StepKind::text80;
  s.line = line;
  s.text80 = field;
  s.name = name;
  return s;
}
constexpr DeckStep real(int line, float State::*field, const char* name) {
  DeckStep s;
  s.kind = StepKind::real;
  s.line = line;
  s.real = field;
  s.name = name;
  return s;
}
constexpr DeckStep integer(int line, std::int64_t State::*field, const char* name) {
  DeckStep s;
  s.kind = StepKind::integer;
  s.line = line;
  s.integer = field;
  s.name = name;
  return s;
}
constexpr DeckStep tolerant(int line, float State::*field, const char* name) {
  DeckStep s;
  s.kind = StepKind::tolerant_real;
  s.line = line;
  s.real = field;
  s.name = name;
  return s;
}
constexpr DeckStep tolerant_if_present(int line, float State::*field, const char* name) {
  DeckStep s;
  s.kind = StepKind::tolerant_real_if_present;
  s.line = line;
  s.real = field;
  s.name = name;
  return s;
}
constexpr DeckStep rule(Rule r) {
  DeckStep s;
  s.kind = StepKind::rule;
  s.rule = r;
  return s;
}
// A rule that reads deck lines first to last itself, by the field kind reads; a series of
// lines is named "NAME_LINE".
constexpr DeckStep reading_rule(int first, int last, StepKind reads, const char* name, Rule r) {
  DeckStep s = rule(r);
  s.line = first;
  s.last_line = last;
  s.reads = reads;
  s.name = name;
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

// The steps of each section of the deck layout, in deck-line order.
std::span<const DeckStep> exchanger_line_steps();
std::span<const DeckStep> process_condition_steps();
std::span<const DeckStep> design_condition_steps();
std::span<const DeckStep> belt_pass_and_unit_steps();
std::span<const DeckStep> nozzle_count_and_cut_steps();

// Runs the steps in order. out may be null only for steps that write no records.
void run_steps(std::span<const DeckStep> steps, State& s, KeywordWriter* out);

}  // namespace qalt2morv::deck
