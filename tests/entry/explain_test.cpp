// The explanation against a plain reading of its definition: every variant built as deck
// bytes and converted on its own, records matched by key and occurrence.
#include "qalt2morv/explain.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "qalt2morv/keyword_reader.hpp"
#include "support/deck_builder.hpp"

namespace qalt2morv {
namespace {

std::string read_file(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using Name = std::pair<std::string, int>;

struct Reference {
  std::map<Name, std::vector<int>> behind;
  std::map<Name, std::vector<int>> absent;
  std::vector<int> failing;
};

void add(std::vector<int>& lines, int line) {
  if (lines.empty() || lines.back() != line) lines.push_back(line);
}

std::map<Name, std::string> records_by_name(const std::string& keyword_text) {
  std::map<Name, std::string> m;
  for (const Record& r : read_keyword_text(keyword_text)) m[{r.key, r.occurrence}] = r.text;
  return m;
}

// The definition, step by step, on bytes.
Reference explain_by_definition(const std::string& deck) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t feed; (feed = deck.find('\n', start)) != std::string::npos; start = feed + 1) {
    pieces.push_back(deck.substr(start, feed - start));
  }
  if (start < deck.size()) pieces.push_back(deck.substr(start));
  Reference ref;
  std::string original_text;
  ConvertOptions lf;
  lf.line_ending = LineEnding::lf;
  EXPECT_TRUE(convert_text(deck, original_text, lf).ok());
  const auto original = records_by_name(original_text);
  for (const auto& [name, text] : original) ref.behind[name];
  const int last = std::min<int>(static_cast<int>(std::min<std::size_t>(pieces.size(), 1000)), 499);
  for (int line = 1; line <= last; ++line) {
    for (const char* replacement : {"", "7"}) {
      std::string variant;
      for (std::size_t i = 0; i < pieces.size(); ++i) {
        variant += i + 1 == static_cast<std::size_t>(line) ? std::string(replacement) : pieces[i];
        variant += '\n';
      }
      std::string text;
      if (!convert_text(variant, text, lf).ok()) {
        add(ref.failing, line);
        continue;
      }
      const auto changed = records_by_name(text);
      for (const auto& [name, record_text] : original) {
        const auto found = changed.find(name);
        if (found == changed.end() || found->second != record_text) add(ref.behind[name], line);
      }
      for (const auto& [name, record_text] : changed) {
        if (!original.count(name)) add(ref.absent[name], line);
      }
    }
  }
  return ref;
}

void expect_matches_definition(const std::string& deck, const std::string& label) {
  ConvertOptions lf;
  lf.line_ending = LineEnding::lf;
  const Explanation e = explain_text(deck, lf);
  ASSERT_TRUE(e.result.ok()) << label << ": " << e.result.message;
  const Reference ref = explain_by_definition(deck);
  std::map<Name, std::vector<int>> behind;
  for (const ExplainedRecord& r : e.records) behind[{r.key, r.occurrence}] = r.lines;
  EXPECT_EQ(behind, ref.behind) << label;
  std::map<Name, std::vector<int>> absent;
  for (const AbsentRecord& r : e.absent) absent[{r.key, r.occurrence}] = r.lines;
  EXPECT_EQ(absent, ref.absent) << label;
  EXPECT_EQ(e.failing_lines, ref.failing) << label;
  std::vector<Name> order;
  for (const AbsentRecord& r : e.absent) order.emplace_back(r.key, r.occurrence);
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end()))
      << label << ": absent records by key, then occurrence";
}

std::string crlf(const std::string& deck) {
  std::string out;
  for (const char c : deck) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(Explain, ExampleDecksMatchTheDefinition) {
  int decks = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QALT2MORV_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".deck") continue;
    expect_matches_definition(read_file(entry.path()), entry.path().filename().string());
    ++decks;
  }
  EXPECT_GE(decks, 4);
}

TEST(Explain, DeckShapesMatchTheDefinition) {
  const std::string deck =
      read_file(std::filesystem::path(QALT2MORV_EXAMPLES_DIR) / "aes_crude_preheat.deck");
  std::string no_final_feed = deck;
  while (!no_final_feed.empty() && no_final_feed.back() == '\n') no_final_feed.pop_back();
  const struct {
    const char* label;
    std::string deck;
  } cases[] = {
      {"CRLF line ends", crlf(deck)},
      {"no line feed after the last line", no_final_feed},
      {"line 1 shifted by a leading blank", " " + deck},
      {"a short deck", testing::build_deck({{150, "450"}, {151, "100"}}, 160)},
  };
  for (const auto& c : cases) expect_matches_definition(c.deck, c.label);
}

TEST(Explain, ThePlainCaseNamesItsLines) {
  const Explanation e =
      explain_file(std::string(QALT2MORV_EXAMPLES_DIR) + "/aes_crude_preheat.deck");
  ASSERT_TRUE(e.result.ok());
  EXPECT_GT(e.deck_lines, 0);
  for (const ExplainedRecord& r : e.records) {
    EXPECT_TRUE(std::is_sorted(r.lines.begin(), r.lines.end())) << r.key;
  }
  const auto found = std::find_if(e.records.begin(), e.records.end(),
                                  [](const ExplainedRecord& r) { return r.key == "QALTUoM"; });
  ASSERT_NE(found, e.records.end());
  EXPECT_NE(std::find(found->lines.begin(), found->lines.end(), 1), found->lines.end())
      << "the unit letter of deck line 1 writes the unit system record";
}

TEST(Explain, AFailedDeckGivesItsStatusAndNoLists) {
  const struct {
    const char* label;
    Explanation e;
    Status status;
  } cases[] = {
      {"missing deck", explain_file("/nonexistent/deck.deck"), Status::deck_unreadable},
      {"directory", explain_file(QALT2MORV_EXAMPLES_DIR), Status::deck_unreadable},
      {"malformed field", explain_text(testing::build_deck({{41, "N/A"}})), Status::deck_malformed},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.e.result.status, c.status) << c.label;
    EXPECT_FALSE(c.e.result.message.empty()) << c.label;
    EXPECT_TRUE(c.e.records.empty() && c.e.absent.empty() && c.e.failing_lines.empty()) << c.label;
    EXPECT_TRUE(c.e.keyword_text.empty()) << c.label;
  }
}

}  // namespace
}  // namespace qalt2morv
