// The deck layout as a whole: every listed line is decoded by its field kind, the unused
// ones included, and in the order that decides which malformed line is named.
#include <gtest/gtest.h>

#include <string>

#include "core/conversion_error.hpp"
#include "support/deck_builder.hpp"

namespace qalt2morv {
namespace {

using testing::build_deck;
using testing::decode_only;

struct DeckText {
  int line;
  std::string text;
};

// The line the decoding fails on, or 0 when it does not fail.
int failing_line(const std::string& deck) {
  try {
    decode_only(deck);
  } catch (const DeckFieldError& e) {
    return e.line();
  }
  return 0;
}

TEST(DeckLayout, MalformedValueOnAnUnusedLineNamesTheLine) {
  const DeckText cases[] = {
      {22, "1.5"},  {23, "12X"}, {24, "1.2.3"}, {41, "ABC"},    {61, "1,5"},  {120, "A1"},
      {148, "12X"}, {149, "5Q"}, {245, "1.5Q"}, {249, "2.0"},   {250, "x"},   {281, "1..2"},
      {483, "ten"}, {484, "#"},  {226, "4.5"},  {261, "1.2.3"}, {499, "1x."}, {132, "1.5.5"},
  };
  for (const DeckText& c : cases) {
    EXPECT_EQ(failing_line(build_deck({{c.line, c.text}})), c.line) << "\"" << c.text << "\"";
  }
}

TEST(DeckLayout, LinesOutsideTheLayoutAreNotRead) {
  for (int line : {4,   12,  15,  16,  18,  73,  96,  135, 158, 213,
                   215, 228, 246, 260, 262, 286, 450, 455, 481, 500}) {
    EXPECT_EQ(failing_line(build_deck({{line, "12X"}}, 510)), 0) << "line " << line;
  }
}

TEST(DeckLayout, Line208IsDecodedBeforeLine173) {
  EXPECT_EQ(failing_line(build_deck({{173, "12X"}, {208, "12X"}})), 208);
}

TEST(DeckLayout, DecodingGoesInIncreasingLineOrder) {
  EXPECT_EQ(failing_line(build_deck({{38, "1.5"}, {39, "1.5"}})), 38);
  EXPECT_EQ(failing_line(build_deck({{132, "X"}, {133, "X"}})), 132);
  EXPECT_EQ(failing_line(build_deck({{214, "X"}, {226, "X"}})), 214);
  EXPECT_EQ(failing_line(build_deck({{250, "X"}, {251, "X"}})), 250);
  EXPECT_EQ(failing_line(build_deck({{285, "X"}, {451, "X"}})), 285);
}

}  // namespace
}  // namespace qalt2morv
