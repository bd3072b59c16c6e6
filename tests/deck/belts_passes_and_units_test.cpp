// Deck lines 251 to 285: vapour belts, pass layout type, the unit-system fallback and the
// scaling after it, central spacing and unbaffled shells, nozzle sizes, third-cut count.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "support/deck_builder.hpp"

namespace qalt2morv {
namespace {

using testing::build_deck;
using testing::decode_only;

TEST(DeckBeltsPassesAndUnits, BeltNozzlesChooseWhichBeltsReachTheLayout) {
  struct Case {
    std::string belts;
    std::array<float, 2> impingement;
    float length_1, diameter_1, length_2, diameter_2;
  };
  const Case cases[] = {
      {"1", {3, 0}, 10, 32, 0, 0}, {"2", {0, 3}, 0, 0, 20, 36}, {"3", {3, 3}, 10, 32, 20, 36},
      {"0", {0, 0}, 0, 0, 0, 0},   {"4", {0, 0}, 0, 0, 0, 0},   {"-1", {0, 0}, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck(
        {{248, "30."}, {251, c.belts}, {252, "1."}, {253, "10."}, {284, "3."}, {285, "20."}}));
    EXPECT_EQ(s->belt_impingement_types, c.impingement) << c.belts;
    EXPECT_EQ(s->layout_belt_length_1, c.length_1) << c.belts;
    EXPECT_EQ(s->layout_belt_diameter_1, c.diameter_1) << c.belts;
    EXPECT_EQ(s->layout_belt_length_2, c.length_2) << c.belts;
    EXPECT_EQ(s->layout_belt_diameter_2, c.diameter_2) << c.belts;
    // The belt lists carry clearances and lengths whatever line 251 says.
    EXPECT_EQ(s->belt_diametral_clearances, (std::array<float, 2>{2.0f, 6.0f})) << c.belts;
    EXPECT_EQ(s->belt_lengths, (std::array<float, 2>{10.0f, 20.0f})) << c.belts;
  }
}

// The belt diameter builds on deck line 248, not on the pipe-sized shell cylinder.
TEST(DeckBeltsPassesAndUnits, BeltDiameterUsesTheDeckShellDiameter) {
  const auto s =
      decode_only(build_deck({{19, "AKT"}, {236, "15.4"}, {248, "30."}, {251, "1"}, {252, "2."}}));
  EXPECT_EQ(s->layout_belt_diameter_1, 34.0f);
}

TEST(DeckBeltsPassesAndUnits, SlotAreasUseTheUnitOfLineOne) {
  struct Case {
    std::string unit, fallback, area;
    float expected;
  };
  const Case cases[] = {
      {"U", "", "144.", 1.0f},
      {"S", "", "1000000.", 1.0f},
      {"M", "", "2000000.", 2.0f},
      {"X", "2", "144.", 1.0f},  // the fallback comes after the slot areas
  };
  for (const Case& c : cases) {
    const auto s =
        decode_only(build_deck({{1, c.unit}, {254, c.area}, {255, c.area}, {278, c.fallback}}));
    EXPECT_FLOAT_EQ(s->belt_slot_areas[0], c.expected) << c.unit << " " << c.area;
    EXPECT_FLOAT_EQ(s->belt_slot_areas[1], c.expected) << c.unit << " " << c.area;
  }
}

TEST(DeckBeltsPassesAndUnits, PassLayoutTypeForMoreThanThreePasses) {
  struct Case {
    std::string passes, type, style, variant;
    int line_count;
    float expected;
  };
  const Case cases[] = {
      {"4", "AES", "0", "", 499, 3},  {"4", "AES", "1", "2", 499, 2},
      {"4", "AES", "1", "1", 499, 1}, {"4", "AES", "5", "2", 499, 1},
      {"4", "AES", "-2", "", 499, 3}, {"4", "AEU", "0", "", 499, 1},
      {"4", "AEU", "1", "2", 499, 1}, {"2", "AES", "0", "", 499, 0},
      {"3", "AES", "1", "2", 499, 0}, {"6", "AES", "", "", 255, 3},
      {"6", "AEU", "", "", 255, 1},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(
        build_deck({{19, c.type}, {39, c.passes}, {256, c.style}, {257, c.variant}}, c.line_count));
    EXPECT_EQ(s->pass_layout_type, c.expected)
        << c.passes << " passes " << c.type << " style " << c.style << " variant " << c.variant;
  }
}

TEST(DeckBeltsPassesAndUnits, ThirdCutCountKeepsItsSign) {
  struct Case {
    std::string text;
    int line_count;
    std::int64_t expected;
  };
  const Case cases[] = {
      {"1", 499, 1},
      {"3", 499, 3},
      {"2.7", 499, 2},
      {"-2.7", 499, -2},
      {"0.9", 499, 0},
      {"150          2.5", 499, 0},  // the point lies beyond column 11: 0.0015 by the real rule
      {"1.0E30", 499, std::numeric_limits<std::int64_t>::max()},
      {"-1.0E30", 499, std::numeric_limits<std::int64_t>::min()},
      {"5", 260, 0},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{261, c.text}}, c.line_count));
    EXPECT_EQ(s->third_cut_count, c.expected) << c.text;
  }
}

// With no unit letter on line 1, deck line 278 sets the unit system, and the scaling that
// follows it (design pressures, tube lengths, nozzle sizes) uses the new system.
TEST(DeckBeltsPassesAndUnits, UnitFallbackFromLine278) {
  const auto s = decode_only(build_deck({{1, "X"},
                                         {53, "6."},
                                         {231, "500."},
                                         {232, "800."},
                                         {278, "2"},
                                         {279, "150."},
                                         {280, "150."}}));
  EXPECT_EQ(s->unit_system, 2.0f);
  EXPECT_EQ(s->shell_design_pressure, 5.0f);
  EXPECT_EQ(s->tube_design_pressure, 8.0f);
  EXPECT_EQ(s->tube_design_pressure_as_given, 800.0f);
  EXPECT_EQ(s->tube_length_scaled, 6000.0f);
  EXPECT_FLOAT_EQ(s->tube_inlet_nozzle_nps, 152.4f);  // 6 in
  EXPECT_FLOAT_EQ(s->tube_outlet_nozzle_nps, 152.4f);
}

TEST(DeckBeltsPassesAndUnits, UnitScalingPerSystem) {
  struct Case {
    std::string unit, fallback;
    float unit_system, design_pressure, tube_length;
  };
  const Case cases[] = {
      {"U", "2", 1, 500, 240},  // line 1 wins over line 278
      {"S", "", 2, 5, 20000},  {"M", "", 3, 500, 20},  {"X", "3", 3, 500, 20},
      {"X", "", 0, 500, 20},   {"X", "7", 7, 500, 20},  // an unlisted code becomes the unit system
                                                        // but scales nothing
  };
  for (const Case& c : cases) {
    const auto s =
        decode_only(build_deck({{1, c.unit}, {53, "20"}, {231, "500"}, {278, c.fallback}}));
    EXPECT_EQ(s->unit_system, c.unit_system) << c.unit << "/" << c.fallback;
    EXPECT_EQ(s->shell_design_pressure, c.design_pressure) << c.unit << "/" << c.fallback;
    EXPECT_EQ(s->tube_length_scaled, c.tube_length) << c.unit << "/" << c.fallback;
  }
}

TEST(DeckBeltsPassesAndUnits, CentralBaffleSpacingFromEqualEndSpacings) {
  struct Case {
    std::string central, inlet, outlet, spaces;
    float expected;
  };
  const Case cases[] = {
      {"", "24", "24", "10", 23.25f},          // (19.5 ft x 12 - 48) / 8
      {"", "24", "24.005", "10", 23.249375f},  // differ by less than 0.01
      {"", "24", "30", "10", 0.0f},
      {"18", "24", "24", "10", 18.0f},
      {"", "24", "24", "2", 0.0f},  // no central spaces: no division
      {"", "24", "24", "1", 0.0f},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{19, "AES"},
                                           {32, c.central},
                                           {33, c.inlet},
                                           {34, c.outlet},
                                           {36, "SEGMENTAL"},
                                           {38, c.spaces},
                                           {53, "20"},
                                           {54, "19.5"}}));
    EXPECT_FLOAT_EQ(s->baffle_spacing, c.expected)
        << c.central << " " << c.inlet << " " << c.outlet << " " << c.spaces;
  }
}

TEST(DeckBeltsPassesAndUnits, UnbaffledShells) {
  struct Case {
    std::string type, central, spaces, supports;
    float count, spacing;
  };
  const Case cases[] = {
      {"AES", "", "", "4", 4, 48},  // 240 in spread over 5 spaces
      {"AES", "30", "7", "4", 6, 240.0f / 7.0f},
      {"AES", "", "", "-1", -1, 0},  // no spaces to spread over: spacing stays
      {"AES", "", "", "-3", -3, 0},
      {"AKT", "24", "", "4", 9, 24},  // 240 / 24 - 1
      {"AKT", "25", "", "", 8, 25},   // 240 / 25 - 1 = 8.6, truncated
      {"AKT", "", "", "4", 0, 0},     // no spacing: no division
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{19, c.type},
                                           {32, c.central},
                                           {36, "NONE"},
                                           {38, c.spaces},
                                           {53, "20"},
                                           {272, c.supports}}));
    const std::string what =
        c.type + " spacing " + c.central + " spaces " + c.spaces + " supports " + c.supports;
    EXPECT_EQ(s->baffle_count, c.count) << what;
    EXPECT_FLOAT_EQ(s->baffle_spacing, c.spacing) << what;
  }
}

TEST(DeckBeltsPassesAndUnits, TubeSideAndSeparateOutletNozzleSizes) {
  const auto s = decode_only(build_deck({{279, "6.065"}, {280, ""}, {282, ""}, {283, "3.0"}}));
  EXPECT_EQ(s->tube_nozzle_ids, (std::array<float, 2>{6.065f, 0.0f}));
  EXPECT_EQ(s->tube_inlet_nozzle_nps, 6.0f);
  EXPECT_EQ(s->tube_outlet_nozzle_nps, 0.0f);
  EXPECT_EQ(s->tube_split_outlet_nps, 0.0f);
  EXPECT_EQ(s->shell_split_outlet_nps, 3.0f);

  const auto negative = decode_only(build_deck({{282, "-4."}, {283, "-4."}}));
  EXPECT_EQ(negative->tube_split_outlet_nps, 0.0f);
  EXPECT_EQ(negative->shell_split_outlet_nps, 0.0f);
}

}  // namespace
}  // namespace qalt2morv
