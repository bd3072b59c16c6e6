// The explanation of a keyword file: the deck is read once, then each variant (one deck line
// emptied, or set to "7") is converted from a copy of that line store, and its records are
// held against the original's by key and occurrence.
#include "qalt2morv/explain.hpp"

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "deck/deck_file.hpp"
#include "deck/deck_loader.hpp"
#include "deck/field_kinds.hpp"
#include "entry/conversion_run.hpp"
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

// What one variant changed: judged on a worker, merged afterwards in deck-line order.
struct Outcome {
  bool failed = false;
  std::vector<std::size_t> changed;                // original records whose text differs or is gone
  std::vector<std::pair<std::string, int>> added;  // records only the variant writes
};

// A worker's buffers, kept from one variant to the next.
struct Scratch {
  std::string text;
  std::vector<RecordSpan> spans;
};

// Variants are independent conversions: two workers halve the time on a machine with two
// cores, and the merge in deck-line order keeps the result the same whatever their number.
constexpr unsigned kMaxWorkers = 2;

class Explainer {
 public:
  Explainer(const LoadedDeck& deck, LineEnding line_end, Explanation& e)
      : deck_(deck), line_end_(line_end), e_(e) {
    split_record_spans(e_.keyword_text, original_);
    std::unordered_map<std::string_view, int> seen;
    for (std::size_t i = 0; i < original_.size(); ++i) {
      const int occurrence = ++seen[original_[i].key];
      by_name_.emplace(RecordName(original_[i].key, occurrence), i);
      e_.records.push_back(
          {std::string(original_[i].key), occurrence, std::string(original_[i].text), {}});
    }
  }

  void run() {
    const int last = std::min(deck_.line_count, kLastVariedLine);
    // Variant 2(L-1) empties line L, variant 2(L-1)+1 sets it to "7".
    std::vector<Outcome> outcomes(static_cast<std::size_t>(std::max(last, 0)) * 2);
    std::atomic<std::size_t> next{0};
    const auto work = [&]() {
      Scratch scratch;
      for (std::size_t v; (v = next.fetch_add(1)) < outcomes.size();) {
        outcomes[v] = evaluate(static_cast<int>(v / 2) + 1,
                               v % 2 == 0 ? Variant::emptied : Variant::seven, scratch);
      }
    };
    const unsigned workers =
        std::min(kMaxWorkers, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    try {
      for (unsigned t = 1; t < workers; ++t) threads.emplace_back(work);
    } catch (const std::system_error&) {
      // No thread to be had: this one does all the variants.
    }
    work();
    for (auto& t : threads) t.join();
    std::map<std::pair<std::string, int>, std::vector<int>> absent;
    for (std::size_t v = 0; v < outcomes.size(); ++v) {
      const int line = static_cast<int>(v / 2) + 1;
      Outcome& o = outcomes[v];
      if (o.failed) add_line(e_.failing_lines, line);
      for (const std::size_t i : o.changed) add_line(e_.records[i].lines, line);
      for (auto& name : o.added) add_line(absent[std::move(name)], line);
    }
    for (auto& [name, lines] : absent)
      e_.absent.push_back({name.first, name.second, std::move(lines)});
  }

 private:
  Outcome evaluate(int line, Variant variant, Scratch& scratch) const {
    Outcome o;
    // The conversion reads the line store alone: a variant whose store is the deck's own (a
    // blank line emptied, a "7" set to "7") writes the original keyword file.
    const DeckLine replacement = variant_line(variant == Variant::seven);
    if (deck_.lines[static_cast<std::size_t>(line - 1)] == replacement) return o;
    const DeckReader reader = [&](ConversionState& s) {
      // A line beyond the line count is never taken from the store: only those before are
      // copied, each as a whole line.
      for (int k = 0; k < deck_.line_count; ++k)
        deck::stored_line(s, k) = deck_.lines[static_cast<std::size_t>(k)];
      s.line_count = deck_.line_count;
      deck::stored_line(s, line - 1) = replacement;
    };
    if (!run_conversion(reader, line_end_, scratch.text, silent_host_services()).ok()) {
      o.failed = true;
      return o;
    }
    if (scratch.text == e_.keyword_text) return o;
    split_record_spans(scratch.text, scratch.spans);
    if (same_keys(scratch.spans)) {
      // The common case: values changed, the record list did not.
      for (std::size_t i = 0; i < scratch.spans.size(); ++i) {
        if (scratch.spans[i].text != original_[i].text) o.changed.push_back(i);
      }
      return o;
    }
    compare_by_name(scratch.spans, o);
    return o;
  }

  bool same_keys(const std::vector<RecordSpan>& spans) const {
    if (spans.size() != original_.size()) return false;
    for (std::size_t i = 0; i < spans.size(); ++i) {
      if (spans[i].key != original_[i].key) return false;
    }
    return true;
  }

  void compare_by_name(const std::vector<RecordSpan>& spans, Outcome& o) const {
    std::vector<bool> present(original_.size(), false);
    std::unordered_map<std::string_view, int> seen;
    for (const RecordSpan& span : spans) {
      const int occurrence = ++seen[span.key];
      const auto found = by_name_.find(RecordName(span.key, occurrence));
      if (found == by_name_.end()) {
        o.added.emplace_back(std::string(span.key), occurrence);
        continue;
      }
      present[found->second] = true;
      if (span.text != original_[found->second].text) o.changed.push_back(found->second);
    }
    for (std::size_t i = 0; i < present.size(); ++i) {
      if (!present[i]) o.changed.push_back(i);
    }
    std::sort(o.changed.begin(), o.changed.end());
  }

  const LoadedDeck& deck_;
  LineEnding line_end_;
  Explanation& e_;
  std::vector<RecordSpan> original_;
  std::map<RecordName, std::size_t> by_name_;
};

Explanation explain_with(const DeckReader& read_deck, const ConvertOptions& options) {
  Explanation e;
  auto deck = std::make_unique<LoadedDeck>();
  const DeckReader keep_loaded = [&](ConversionState& s) {
    read_deck(s);
    // An empty line is kept as the blank line it reads as.
    for (int k = 0; k < s.line_count; ++k)
      deck->lines[static_cast<std::size_t>(k)] = deck::line_of(s, k + 1);
    deck->line_count = s.line_count;
  };
  const LineEnding line_end = resolve_line_end(options.line_ending);
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
  return explain_with([&deck_path](ConversionState& s) { read_deck_file(deck_path.c_str(), s); },
                      options);
}

}  // namespace qalt2morv
