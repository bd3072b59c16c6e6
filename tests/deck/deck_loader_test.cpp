// The deck loader: line ends, long lines, the 1000-line limit, the leading-blank shift, the
// star prefix and the unit letter.
#include "deck/deck_loader.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "deck/field_kinds.hpp"

namespace qalt2morv::deck {
namespace {

std::unique_ptr<ConversionState> load(const std::string& bytes) {
  auto s = std::make_unique<ConversionState>();
  load_deck(*s, bytes);
  return s;
}

std::string line_text(const ConversionState& s, int k, std::size_t width = 12) {
  // As the decoders see it: an empty line, or one the deck lacks, reads blank.
  return std::string(line_of(s, k).data(), width);
}

TEST(DeckLoader, LineEnds) {
  struct Case {
    const char* name;
    std::string bytes;
    int line_count;
    std::string line2;  // first 12 columns of deck line 2 ("" when absent)
  };
  const Case cases[] = {
      {"lf", "U\nab\n", 2, "ab          "},
      {"crlf", "U\r\nab\r\n", 2, "ab          "},
      {"no final newline", "U\nab", 2, "ab          "},
      {"cr at the very end", "U\nab\r", 2, "ab          "},
      {"lone cr inside a line is data", "U\na\rb\n", 2, "a\rb         "},
      {"empty deck", "", 0, ""},
      {"blank line counts", "U\n\n", 2, "            "},
      {"only a cr after the last line", "U\nab\n\r", 2, "ab          "},
  };
  for (const auto& c : cases) {
    auto s = load(c.bytes);
    EXPECT_EQ(s->line_count, c.line_count) << c.name;
    if (!c.line2.empty()) {
      EXPECT_EQ(line_text(*s, 2), c.line2) << c.name;
    }
  }
}

// A deck file arrives in pieces; where a piece ends (between a CR and its LF, say) must not
// change the line store.
TEST(DeckLoader, PiecesOfAnySizeGiveTheSameLines) {
  std::string deck = "U\r\nDESIGN\r\nx\ry\r\n" + std::string(95, 'z') + "\r\n\r\nlast\r";
  auto whole = load(deck);
  for (std::size_t piece = 1; piece <= 9; ++piece) {
    auto s = std::make_unique<ConversionState>();
    LineSplitter splitter(*s);
    for (std::size_t at = 0; at < deck.size(); at += piece) {
      splitter.feed(deck.data() + at, std::min(piece, deck.size() - at));
    }
    splitter.finish();
    ASSERT_EQ(s->line_count, whole->line_count) << piece;
    for (int k = 0; k < whole->line_count; ++k) {
      EXPECT_EQ(line_of(*s, k + 1), line_of(*whole, k + 1)) << piece << " line " << k + 1;
    }
  }
  EXPECT_EQ(whole->line_count, 6);
  EXPECT_EQ(line_text(*whole, 3, 4), "x\ry ");
  EXPECT_EQ(line_text(*whole, 6, 5), "last ");
}

TEST(DeckLoader, LongLinesAreCutAfterColumnNinety) {
  std::string long_line(200, 'x');
  long_line[89] = 'y';
  auto s = load("U\n" + long_line + "\nz\n");
  EXPECT_EQ(s->line_count, 3);
  EXPECT_EQ(s->lines[1][89], 'y');
  EXPECT_EQ(s->lines[2][0], 'z');
}

TEST(DeckLoader, AtMostAThousandLinesAreRead) {
  std::string deck;
  for (int k = 1; k <= 1200; ++k) deck += std::to_string(k) + "\n";
  auto s = load(deck);
  EXPECT_EQ(s->line_count, 1000);
  EXPECT_EQ(line_text(*s, 1000, 4), "1000");
}

TEST(DeckLoader, LeadingBlankShiftMovesEveryLineAndDuplicatesTheLastColumns) {
  std::string line2(80, '.');
  line2[0] = 'A';
  line2[1] = 'B';
  line2[78] = 'Y';
  line2[79] = 'Z';
  line2 += "0123456789";  // columns 81 to 90 are not touched
  {
    auto s = load(" U\n" + line2 + "\n");
    EXPECT_EQ(s->unit_system, 1.0f);
    EXPECT_EQ(s->lines[1][0], 'B');
    EXPECT_EQ(s->lines[1][78], 'Z');  // from column 80
    EXPECT_EQ(s->lines[1][79], 'Z');  // kept: appears twice
    EXPECT_EQ(std::string(s->lines[1].data() + 80, 10), "0123456789");
  }
  {
    auto s = load("  **U\nDESIGN\n");
    EXPECT_EQ(s->unit_system, 1.0f);  // **U after the shift, stars become blanks
    EXPECT_EQ(line_text(*s, 1, 5), "  U  ");
    EXPECT_EQ(line_text(*s, 2, 6), "SIGN  ");
  }
}

TEST(DeckLoader, UnitLetter) {
  struct Case {
    std::string line1;
    float unit_system;
  };
  const Case cases[] = {
      {"U", 1.0f},
      {"S", 2.0f},
      {"M", 3.0f},
      {"X", 0.0f},
      {"u", 0.0f},
      {"***S", 2.0f},
      {"", 0.0f},
      {std::string(90, '*'), 0.0f},  // stars to the last column: no letter beyond column 90
  };
  for (const auto& c : cases) {
    auto s = load(c.line1 + "\n");
    EXPECT_EQ(s->unit_system, c.unit_system) << c.line1;
  }
}

}  // namespace
}  // namespace qalt2morv::deck
