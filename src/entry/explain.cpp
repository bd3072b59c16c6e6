// The explanation of a keyword file: the deck is read once, then each variant (one deck line
// emptied, or set to "7") is converted from a copy of that line store, and its records are
// held against the original's by key and occurrence.
#include "qalt2morv/explain.hpp"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "entry/conversion_run.hpp"
#include "entry/deck_file.hpp"
#include "deck/deck_loader.hpp"
#include "entry/record_spans.hpp"

namespace qalt2morv {
namespace {

// Deck lines beyond this one are not decoded as fields: no variant is made for them.
constexpr int kLastVariedLine = 499;

// The line store as the loader left it, before the normalisation that deck line 1 decides,
// so that a variant of line 1 is normalised as its own deck would be.
struct LoadedDeck {
  std::array<DeckLine, kDeckMaxLines> lines;
  int line_count = 0;
};

// The line store a variant of a line gives, for comparison with the deck's own.
DeckLine variant_line(bool seven) {
  DeckLine line;
  line.fill(' ');
  if (seven) line[0] = '7';
  return line;
}

enum class Variant { emptied, seven };

using RecordName = std::pair<std::string_view, int>;

// Adds line to a list built in ascending order of lines, once.
void add_line(std::vector<int>& lines, int line) {
  if (lines.empty() || lines.back() != line) lines.push_back(line);
}

class Explainer {
 public:
  Explainer(const LoadedDeck& deck, LineEnd line_end, Explanation& e) : deck_(deck), line_end_(line_end), e_(e) {
    split_record_spans(e_.keyword_text, original_);
    std::unordered_map<std::string_view, int> seen;
    for (std::size_t i = 0; i < original_.size(); ++i) {
      const int occurrence = ++seen[original_[i].key];
      by_name_.emplace(RecordName(original_[i].key, occurrence), i);
      e_.records.push_back({std::string(original_[i].key), occurrence, std::string(original_[i].text), {}});
    }
  }

  void run() {
    const int last = std::min(deck_.line_count, kLastVariedLine);
    for (int line = 1; line <= last; ++line) {
      compare(line, Variant::emptied);
      compare(line, Variant::seven);
    }
    for (auto& [name, lines] : absent_) e_.absent.push_back({name.first, name.second, std::move(lines)});
  }

 private:
  void compare(int line, Variant variant) {
    // The conversion reads the line store alone: a variant whose store is the deck's own (a
    // blank line emptied, a "7" set to "7") writes the original keyword file.
    const DeckLine replacement = variant_line(variant == Variant::seven);
    if (deck_.lines[static_cast<std::size_t>(line - 1)] == replacement) return;
    const DeckReader reader = [&](ConversionState& s) {
      // A line beyond the line count is never taken from the store: only those before are copied.
      std::copy_n(deck_.lines.begin(), deck_.line_count, s.lines.begin());
      s.line_count = deck_.line_count;
      s.lines[static_cast<std::size_t>(line - 1)] = replacement;
    };
    const ConvertResult r = run_conversion(reader, line_end_, text_, silent_host_services());
    if (!r.ok()) {
      add_line(e_.failing_lines, line);
      return;
    }
    if (text_ == e_.keyword_text) return;
    split_record_spans(text_, spans_);
    if (same_keys()) {
      // The common case: values changed, the record list did not.
      for (std::size_t i = 0; i < spans_.size(); ++i) {
        if (spans_[i].text != original_[i].text) add_line(e_.records[i].lines, line);
      }
      return;
    }
    compare_by_name(line);
  }

  bool same_keys() const {
    if (spans_.size() != original_.size()) return false;
    for (std::size_t i = 0; i < spans_.size(); ++i) {
      if (spans_[i].key != original_[i].key) return false;
    }
    return true;
  }

  void compare_by_name(int line) {
    std::vector<bool> present(original_.size(), false);
    std::unordered_map<std::string_view, int> seen;
    for (const RecordSpan& span : spans_) {
      const int occurrence = ++seen[span.key];
      const auto found = by_name_.find(RecordName(span.key, occurrence));
      if (found == by_name_.end()) {
        add_line(absent_[{std::string(span.key), occurrence}], line);
        continue;
      }
      present[found->second] = true;
      if (span.text != original_[found->second].text) add_line(e_.records[found->second].lines, line);
    }
    for (std::size_t i = 0; i < present.size(); ++i) {
      if (!present[i]) add_line(e_.records[i].lines, line);
    }
  }

  const LoadedDeck& deck_;
  LineEnd line_end_;
  Explanation& e_;
  std::vector<RecordSpan> original_;
  std::map<RecordName, std::size_t> by_name_;
  std::map<std::pair<std::string, int>, std::vector<int>> absent_;
  std::string text_;
  std::vector<RecordSpan> spans_;
};

Explanation explain_with(const DeckReader& read_deck, const ConvertOptions& options) {
  Explanation e;
  auto deck = std::make_unique<LoadedDeck>();
  const DeckReader keep_loaded = [&](ConversionState& s) {
    read_deck(s);
    std::copy_n(s.lines.begin(), s.line_count, deck->lines.begin());
    deck->line_count = s.line_count;
  };
  const LineEnd line_end = resolve_line_end(options.line_ending);
  e.result = run_conversion(keep_loaded, line_end, e.keyword_text, silent_host_services());
  if (!e.result.ok()) return e;
  e.deck_lines = deck->line_count;
  Explainer(*deck, line_end, e).run();
  return e;
}

}  // namespace

Explanation explain_text(std::string_view deck_bytes, const ConvertOptions& options) {
  return explain_with(
      [deck_bytes](ConversionState& s) {
        deck::LineSplitter splitter(s);
        splitter.feed(deck_bytes.data(), deck_bytes.size());
        splitter.finish();
      },
      options);
}

Explanation explain_file(const std::string& deck_path, const ConvertOptions& options) {
  return explain_with([&deck_path](ConversionState& s) { read_deck_file(deck_path.c_str(), s); }, options);
}

}  // namespace qalt2morv
