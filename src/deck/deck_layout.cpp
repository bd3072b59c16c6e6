// The deck layout, gathered once from the sections' steps: each read step names its line, a
// rule that reads lines itself names them, and deck line 1 is read by the loader.
#include "qalt2morv/deck_layout.hpp"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "deck/deck_steps.hpp"

namespace qalt2morv {

namespace {

using deck::DeckStep;
using deck::StepKind;

struct KindText {
  std::string_view kind;
  std::string_view columns;
};

KindText kind_text(StepKind kind) {
  switch (kind) {
    case StepKind::text40:
      return {"text of 40 columns", "1-40"};
    case StepKind::text80:
      return {"text of 80 columns", "1-80"};
    case StepKind::real:
      return {"real", "1-11"};
    case StepKind::integer:
      return {"integer", "1-9"};
    case StepKind::tolerant_real:
      return {"tolerant real", "1-40"};
    case StepKind::tolerant_real_if_present:
      return {"tolerant real on present lines", "1-40"};
    case StepKind::rule:
    case StepKind::record_rule:
      break;
  }
  return {};
}

// Reserved fields are read, so a malformed one fails the conversion, but no record carries
// them: blanking such a line repairs a deck without changing its keyword file.
bool reserved(std::string_view name) { return name.starts_with("reserved"); }

class Layout {
 public:
  Layout() {
    // The loader reads deck line 1: leading blanks and asterisks, then the unit letter.
    add(1, {"unit letter after leading blanks and asterisks", "1-8"}, "unit_letter_text");
    for (auto section : {deck::exchanger_line_steps(), deck::process_condition_steps(),
                         deck::design_condition_steps(), deck::belt_pass_and_unit_steps(),
                         deck::nozzle_count_and_cut_steps()}) {
      for (const DeckStep& step : section) add_step(step);
    }
    std::stable_sort(
        fields_.begin(), fields_.end(),
        [](const DeckLineField& a, const DeckLineField& b) { return a.line < b.line; });
  }

  std::span<const DeckLineField> fields() const { return fields_; }

 private:
  void add_step(const DeckStep& step) {
    if (step.kind == StepKind::rule && step.line > 0) {
      const bool series = step.last_line > step.line;
      for (int k = step.line; k <= step.last_line; ++k) {
        add(k, kind_text(step.reads),
            series ? keep(std::string(step.name) + "_" + std::to_string(k)) : step.name);
      }
      return;
    }
    if (step.kind == StepKind::rule || step.kind == StepKind::record_rule) return;
    add(step.line, kind_text(step.kind), step.name);
  }

  // A line read twice (by two field kinds) keeps one entry naming both.
  void add(int line, KindText kind, std::string_view name) {
    for (DeckLineField& f : fields_) {
      if (f.line != line) continue;
      f.kind = keep(std::string(f.kind) + ", then " + std::string(kind.kind));
      if (f.columns != kind.columns)
        f.columns = keep(std::string(f.columns) + ", then " + std::string(kind.columns));
      f.also_fills = name;
      f.feeds_no_record = f.feeds_no_record && reserved(name);
      return;
    }
    fields_.push_back({line, kind.kind, kind.columns, name, reserved(name), {}});
  }

  std::string_view keep(std::string text) { return texts_.emplace_back(std::move(text)); }

  std::deque<std::string> texts_;  // a deque: its strings never move once added
  std::vector<DeckLineField> fields_;
};

const Layout& layout() {
  static const Layout kLayout;
  return kLayout;
}

}  // namespace

std::span<const DeckLineField> deck_layout() { return layout().fields(); }

const DeckLineField* deck_line_field(int line) {
  const auto fields = deck_layout();
  const auto it = std::lower_bound(fields.begin(), fields.end(), line,
                                   [](const DeckLineField& f, int k) { return f.line < k; });
  return it != fields.end() && it->line == line ? &*it : nullptr;
}

std::string_view deck_line_label(int line) {
  static const std::vector<std::string> kLabels = [] {
    std::vector<std::string> labels;
    for (const DeckLineField& f : deck_layout()) {
      labels.push_back(std::string(f.name) + (f.feeds_no_record ? ", feeds no record" : ""));
    }
    return labels;
  }();
  const DeckLineField* f = deck_line_field(line);
  if (f == nullptr) return {};
  return kLabels[static_cast<std::size_t>(f - deck_layout().data())];
}

}  // namespace qalt2morv
