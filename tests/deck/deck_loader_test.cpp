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

// Every length of line, with LF or CRLF, between other lines and as the last line of the
// deck (where fewer bytes follow than a short line's copy takes): the stored line is the
// text, cut after column 90, padded with blanks; an empty line reads blank.
TEST(DeckLoader, EveryLineLengthIsStoredAsItsTextPaddedWithBlanks) {
  for (const std::size_t length : {0, 1, 2, 7, 14, 15, 16, 17, 18, 31, 32, 33, 89, 90, 91, 120}) {
    for (const char* eol : {"\n", "\r\n"}) {
      std::string text;
      for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
      DeckLine expected;
      expected.fill(' ');
      std::copy_n(text.begin(), std::min<std::size_t>(length, kDeckColumns), expected.begin());
      const std::string middle =
          "U" + std::string(eol) + "\n" + text + eol + text + eol + "next line of text" + eol;
      const std::string last = "U" + std::string(eol) + "\n" + text + eol;
      const std::string unended = "U" + std::string(eol) + "\n" + text;
      for (const std::string& deck : {middle, last, unended}) {
        auto s = load(deck);
        const std::string label = std::to_string(length) + (eol[0] == '\r' ? " crlf " : " lf ") +
                                  std::to_string(deck.size());
        EXPECT_EQ(line_of(*s, 3), expected) << label;
        EXPECT_EQ(line_text(*s, 2), std::string(12, ' ')) << label;
        if (&deck == &middle) {
          EXPECT_EQ(line_of(*s, 4), expected) << label;
          EXPECT_EQ(line_text(*s, 5, 18), "next line of text ") << label;
          EXPECT_EQ(line_text(*s, 6), std::string(12, ' ')) << label << ": beyond the deck";
        }
      }
    }
  }
}

TEST(DeckLoader, LongLinesAreCutAfterColumnNinety) {
  std::string long_line(200, 'x');
  long_line[89] = 'y';
  auto s = load("U\n" + long_line + "\nz\n");
  EXPECT_EQ(s->line_count, 3);
  EXPECT_EQ(line_of(*s, 2)[89], 'y');
  EXPECT_EQ(line_of(*s, 3)[0], 'z');
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
    EXPECT_EQ(line_of(*s, 2)[0], 'B');
    EXPECT_EQ(line_of(*s, 2)[78], 'Z');  // from column 80
    EXPECT_EQ(line_of(*s, 2)[79], 'Z');  // kept: appears twice
    EXPECT_EQ(std::string(line_of(*s, 2).data() + 80, 10), "0123456789");
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
