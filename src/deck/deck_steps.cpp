// Runs a section of the deck layout: every read under the line-count guard of its field kind,
// every rule on the fields' current content whether or not their lines were read.
#include "deck/deck_steps.hpp"

#include <cassert>

#include "deck/field_kinds.hpp"

namespace qalt2morv::deck {

void run_steps(std::span<const DeckStep> steps, State& s, KeywordWriter* out) {
  for (const DeckStep& step : steps) {
    switch (step.kind) {
      case StepKind::text40:
        decode_text(s, step.line, s.*step.text40);
        break;
      case StepKind::text80:
        decode_text(s, step.line, s.*step.text80);
        break;
      case StepKind::real:
        decode_real(s, step.line, s.*step.real);
        break;
      case StepKind::integer:
        decode_integer(s, step.line, s.*step.integer);
        break;
      case StepKind::tolerant_real:
        decode_tolerant_real(s, step.line, s.*step.real);
        break;
      case StepKind::tolerant_real_if_present:
        decode_tolerant_real_if_present(s, step.line, s.*step.real);
        break;
      case StepKind::rule:
        step.rule(s);
        break;
      case StepKind::record_rule:
        assert(out != nullptr);
        step.record_rule(s, *out);
        break;
    }
  }
}

}  // namespace qalt2morv::deck
