// Deck lines 451 to 499: nozzle counts, placement codes, fan draft, baffle cuts from edge
// distances, orientation code.
#include <gtest/gtest.h>

#include <string>

#include "support/deck_builder.hpp"

namespace qalt2morv {
namespace {

using testing::build_deck;
using testing::decode_only;

TEST(DeckNozzleCountsAndCuts, NozzleCountsComeFromTheirLinesAlone) {
  const auto s =
      decode_only(build_deck({{19, "AJ21S"}, {451, "2"}, {452, "1"}, {453, "3"}, {454, "4"}}));
  EXPECT_EQ(s->shell_inlet_nozzle_count, 2.0f);
  EXPECT_EQ(s->shell_outlet_nozzle_count, 1.0f);
  EXPECT_EQ(s->tube_inlet_nozzle_count, 3.0f);
  EXPECT_EQ(s->tube_outlet_nozzle_count, 4.0f);

  const auto short_deck = decode_only(build_deck({{19, "AJ21S"}}, 450));
  EXPECT_EQ(short_deck->shell_inlet_nozzle_count, 0.0f);
  EXPECT_EQ(short_deck->shell_outlet_nozzle_count, 0.0f);
  EXPECT_EQ(short_deck->tube_inlet_nozzle_count, 0.0f);
  EXPECT_EQ(short_deck->tube_outlet_nozzle_count, 0.0f);
}

TEST(DeckNozzleCountsAndCuts, PlacementCodesAndDraft) {
  struct Case {
    std::string code, draft;
    int line_count;
    float u_tube, nozzle_end;
    std::int64_t draft_type;
  };
  const Case cases[] = {
      {"0", "FORCED", 499, 1, 0, 1},   {"1", "INDUCED", 499, 0, 2, 2},
      {"2", "forced", 499, 2, 3, 0},   {"3", "", 499, 0, 0, 0},
      {"-1", " FORCED", 499, 0, 0, 0}, {"", "INDUCED DRAFT", 499, 1, 0, 0},
      {"1", "FORCED", 477, 1, 0, 0},  // lines 478 onward absent: line 478 reads as 0
  };
  for (const Case& c : cases) {
    const auto s =
        decode_only(build_deck({{478, c.code}, {480, c.draft}, {488, c.code}}, c.line_count));
    const std::string what = "code " + c.code + " draft " + c.draft;
    EXPECT_EQ(s->u_tube_nozzle_setting, c.u_tube) << what;
    EXPECT_EQ(s->nozzle_end_setting, c.nozzle_end) << what;
    EXPECT_EQ(s->draft_type_code, c.draft_type) << what;
  }
}

TEST(DeckNozzleCountsAndCuts, BaffleCutsFromEdgeDistances) {
  struct Case {
    std::string form, diameter, d1, d2, d3, third_count;
    float first, second, third;
  };
  const Case cases[] = {
      {"SEGMENTAL", "32.", "8.", "", "", "", 25, 0, 0},
      {"SEGMENTAL", "32.", "", "", "", "", 20, 0, 0},  // the cut of line 31 stays
      {"NO-TUBES-IN-WINDOW SEGMENTAL", "32.", "4.", "", "", "", 37.5f, 0, 0},
      {"DOUBLE-SEGMENTAL", "32.", "8.", "4.", "", "", 25, 25, 0},
      {"DOUBLE-SEGMENTAL", "32.", "", "4.", "", "", 25, 0, 0},
      {"TRIPLE-SEGMENTAL", "32.", "8.", "12.", "4.", "1", 25, 12.5f, 50},
      {"TRIPLE-SEGMENTAL", "32.", "8.", "12.", "4.", "0", 25, 12.5f, 0},
      {"TRIPLE-SEGMENTAL", "32.", "", "12.", "4.", "1", 25, 0, 75},  // third cut without d1
      {"TRIPLE-SEGMENTAL", "32.", "8.", "", "4.", "1", 25, 0, 0},    // no d2: neither cut
      {"ROD RING RODBAFFLE", "32.", "8.", "4.", "4.", "1", 20, 0, 0},
      {"SEGMENTAL", "", "8.", "", "", "", 20, 0, 0},  // no shell diameter: no division
      {"SEGMENTAL", "-32.", "8.", "", "", "", 20, 0, 0},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{31, "20."},
                                           {36, c.form},
                                           {248, c.diameter},
                                           {261, c.third_count},
                                           {494, c.d1},
                                           {495, c.d2},
                                           {496, c.d3}}));
    const std::string what = c.form + " D " + c.diameter + " d " + c.d1 + "," + c.d2 + "," + c.d3;
    EXPECT_FLOAT_EQ(s->baffle_cut, c.first) << what;
    EXPECT_FLOAT_EQ(s->second_baffle_cut, c.second) << what;
    EXPECT_FLOAT_EQ(s->third_baffle_cut, c.third) << what;
  }
  // A deck without lines 494 to 496 keeps the cut of line 31.
  const auto s = decode_only(build_deck({{31, "20."}, {36, "SEGMENTAL"}, {248, "32."}}, 493));
  EXPECT_EQ(s->baffle_cut, 20.0f);
}

TEST(DeckNozzleCountsAndCuts, OrientationCodeIsTolerant) {
  struct Case {
    std::string text;
    int line_count;
    float expected;
  };
  const Case cases[] = {{"1", 499, 1.0f}, {"2.0", 499, 2.0f}, {"", 499, 0.0f}, {"2", 498, 0.0f}};
  for (const Case& c : cases) {
    EXPECT_EQ(decode_only(build_deck({{499, c.text}}, c.line_count))->orientation_code, c.expected)
        << c.text;
  }
}

}  // namespace
}  // namespace qalt2morv
