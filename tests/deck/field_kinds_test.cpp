// The deck's number fields against Fortran formatted input (gfortran's F11.5 and I9 over a
// table of tricky fields), and the guarded and tolerant reads.
#include "deck/field_kinds.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/conversion_error.hpp"
#include "deck/deck_loader.hpp"
#include "qalt2morv/convert.hpp"
#include "support/deck_builder.hpp"

namespace qalt2morv::deck {
namespace {

DeckLine line_with(const std::string& text) {
  DeckLine line;
  line.fill(' ');
  std::memcpy(line.data(), text.data(), std::min(text.size(), line.size()));
  return line;
}

struct FortranCase {
  std::string field;  // 11 columns
  std::string real;   // bit pattern in hex, or ERR
  std::string integer;
};

std::vector<FortranCase> load_fortran_table() {
  std::vector<FortranCase> cases;
  std::ifstream in(QALT2MORV_TEST_DATA_DIR "/fortran_fields.tsv");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] != '[') continue;
    const auto close = line.find("]\t");
    const auto tab = line.find('\t', close + 2);
    cases.push_back(
        {line.substr(1, close - 1), line.substr(close + 2, tab - close - 2), line.substr(tab + 1)});
  }
  return cases;
}

TEST(DeckFieldKinds, RealAndIntegerFieldsReadAsFortranInputDoes) {
  const auto cases = load_fortran_table();
  ASSERT_GT(cases.size(), 2000u);
  int checked = 0;
  for (const auto& c : cases) {
    const DeckLine line = line_with(c.field);
    // gfortran reads a real beyond single precision as infinity; the converter refuses it.
    const bool overflow = c.real == "7F800000" || c.real == "FF800000";
    if (c.real == "ERR" || overflow) {
      EXPECT_THROW(parse_real_field(line, 7), DeckFieldError) << "[" << c.field << "]";
    } else {
      float v = 0;
      EXPECT_NO_THROW(v = parse_real_field(line, 7)) << "[" << c.field << "]";
      EXPECT_EQ(std::bit_cast<std::uint32_t>(v), std::stoul(c.real, nullptr, 16))
          << "[" << c.field << "] gives " << v;
    }
    if (c.integer == "ERR") {
      EXPECT_THROW(parse_integer_field(line, 7), DeckFieldError) << "[" << c.field << "]";
    } else {
      std::int64_t v = 0;
      EXPECT_NO_THROW(v = parse_integer_field(line, 7)) << "[" << c.field << "]";
      EXPECT_EQ(v, std::stoll(c.integer)) << "[" << c.field << "]";
    }
    ++checked;
  }
  EXPECT_EQ(checked, static_cast<int>(cases.size()));
}

// Short decimals, where most deck values lie, against the C library's correctly rounded
// strtof of the same exact decimal.
TEST(DeckFieldKinds, ShortDecimalsRoundOnceToSinglePrecision) {
  std::mt19937 rng(99);
  for (int i = 0; i < 200000; ++i) {
    const int digits = 1 + static_cast<int>(rng() % 9);
    std::string mantissa;
    for (int d = 0; d < digits; ++d) mantissa += static_cast<char>('0' + rng() % 10);
    const int point =
        static_cast<int>(rng() % static_cast<unsigned>(digits + 2)) - 1;  // -1: no point
    std::string field = mantissa;
    int fraction = 5;
    if (point >= 0) {
      field.insert(static_cast<std::size_t>(point), ".");
      fraction = digits - point;
    }
    int exponent = 0;
    if (field.size() <= 8 && rng() % 3 == 0) {
      exponent = static_cast<int>(rng() % 25) - 12;
      field += "E" + std::to_string(exponent);
    }
    if (rng() % 4 == 0) field = "-" + field;
    if (field.size() > 11) continue;
    const std::string exact =
        (field[0] == '-' ? "-" : "") + mantissa + "e" + std::to_string(exponent - fraction);
    const float expected = std::strtof(exact.c_str(), nullptr);
    const float got = parse_real_field(line_with(field), 1);
    ASSERT_EQ(std::bit_cast<std::uint32_t>(got), std::bit_cast<std::uint32_t>(expected))
        << field << " = " << exact;
  }
}

TEST(DeckFieldKinds, MalformedFieldNamesLineAndText) {
  struct Case {
    std::string text;
    bool integer;
    std::string message;
  };
  const Case cases[] = {
      {"12a4", false, "line 148: \"12a4\" is not a number: \"a\" in column 3"},
      {"  1.5.2   ", false, "line 148: \"1.5.2\" is not a number: \".\" in column 6"},
      {"1.5E+-2", false, "line 148: \"1.5E+-2\" is not a number: \"-\" in column 6"},
      {"1 2 E", false, "line 148: \"1 2 E\" is not a number"},  // ends before the exponent
      {"\xA0"
       "9000.0",
       false, "line 148: \"\\xA09000.0\" is not a number: \"\\xA0\" in column 1"},
      {"12\t4", false, "line 148: \"12\\x094\" is not a number: \"\\x09\" in column 3"},
      {"9.9e99", false, "line 148: \"9.9e99\" is too large for a single-precision real"},
      {"1.5", true, "line 148: \"1.5\" is not a whole number: \".\" in column 2"},
      {"-", true, "line 148: \"-\" is not a whole number"},
      {"+-3", true, "line 148: \"+-3\" is not a whole number: \"-\" in column 2"},
  };
  for (const auto& c : cases) {
    const DeckLine line = line_with(c.text);
    try {
      if (c.integer) {
        parse_integer_field(line, 148);
      } else {
        parse_real_field(line, 148);
      }
      ADD_FAILURE() << c.text << " was accepted";
    } catch (const DeckFieldError& e) {
      EXPECT_EQ(e.line(), 148);
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST(DeckFieldKinds, ColumnsBeyondTheFieldAreIgnored) {
  // Column 12 onward is not part of a real field, column 10 onward not of an integer field.
  EXPECT_EQ(parse_real_field(line_with("1.5        xyz"), 1), 1.5f);
  EXPECT_EQ(parse_integer_field(line_with("42       x"), 1), 42);
}

TEST(DeckFieldKinds, TolerantReadChoosesTheRuleByAPointInColumnsOneToForty) {
  struct Case {
    std::string text;
    float expected;
  };
  const Case cases[] = {
      {"1500", 1500.0f},
      {"1500.", 1500.0f},
      {"2.5", 2.5f},
      {"", 0.0f},
      // 150 in columns 1 to 3 and a point further right: the real rule reads 0.0015.
      {"150                    2.5", 0.0015f},
  };
  for (const auto& c : cases) {
    auto s = testing::decode_only(testing::build_deck({{24, c.text}}, 30));
    float v = -1;
    decode_tolerant_real(*s, 24, v);
    EXPECT_EQ(v, c.expected) << c.text;
  }
}

TEST(DeckFieldKinds, TolerantReadOfAMissingLineKeepsTheSearchCopyAndGivesZero) {
  auto s = testing::decode_only(testing::build_deck({{10, "7.5"}}, 10));
  float v = -1;
  decode_tolerant_real(*s, 10, v);
  EXPECT_EQ(v, 7.5f);
  decode_tolerant_real(*s, 20, v);  // beyond the line count
  EXPECT_EQ(v, 0.0f);
  EXPECT_EQ(std::string(s->search_copy.data(), 3), "7.5");
  float kept = 9.0f;
  decode_tolerant_real_if_present(*s, 20, kept);
  EXPECT_EQ(kept, 9.0f);
}

TEST(DeckFieldKinds, GuardedReadsKeepTheValueBeyondTheLineCount) {
  auto s = testing::decode_only(testing::build_deck({{5, "3.0"}, {6, "12"}}, 6));
  float r = 4.0f;
  std::int64_t i = 5;
  decode_real(*s, 7, r);
  decode_integer(*s, 7, i);
  EXPECT_EQ(r, 4.0f);
  EXPECT_EQ(i, 5);
  decode_real(*s, 5, r);
  decode_integer(*s, 6, i);
  EXPECT_EQ(r, 3.0f);
  EXPECT_EQ(i, 12);
}

// The message a whole conversion gives points at the character at fault, with the column
// counted in the deck file, and says why the tolerant rule wanted a whole number.
TEST(DeckFieldKinds, ConversionMessagePointsAtTheFault) {
  struct Case {
    std::string line_1;
    int line;
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"U", 148, "12a4",
       "line 148 (reserved_148, feeds no record): \"12a4\" is not a number: \"a\" in column 3"},
      // Deck line 1 begins with two blanks: every line is read two columns to the left.
      {"  U", 148, "  12a4",
       "line 148 (reserved_148, feeds no record): \"12a4\" is not a number: \"a\" in column 5"},
      {"U", 66,
       "\xA0"
       "9000.0",
       "line 66 (tube_quantity_a_in): \"\\xA09000.0\" is not a number: \"\\xA0\" in column 1"},
      {"U", 46, "4000E+02",
       "line 46 (tube_count): \"4000E+02\" is not a whole number (with no decimal point in columns "
       "1 to 40 the "
       "line is read "
       "as a whole number): \"E\" in column 5"},
  };
  for (const auto& c : cases) {
    std::string keywords;
    const ConvertResult r =
        convert_text(testing::build_deck({{1, c.line_1}, {c.line, c.text}}), keywords);
    EXPECT_EQ(r.status, Status::deck_malformed) << c.text;
    EXPECT_EQ(r.line, c.line) << c.text;
    EXPECT_EQ(r.message, c.message);
  }
}

}  // namespace
}  // namespace qalt2morv::deck
