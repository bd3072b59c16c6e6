// Deck lines 133 to 214: the tolerant reads of pressures and temperatures, and the position
// code from the inclination.
#include <gtest/gtest.h>

#include <string>

#include "support/deck_builder.hpp"

namespace qalt2morv {
namespace {

using testing::build_deck;
using testing::decode_only;

TEST(DeckProcessConditions, PositionCodeOnlyForHorizontalAndVertical) {
  struct Case {
    std::string angle;
    int line_count;
    float expected;
  };
  const Case cases[] = {
      {"90.0", 499, 2.0f},  {"90", 499, 0.0f},  // without a point: 0.0009
      {"45.0", 499, 0.0f},  {"0.0", 499, 1.0f},  {"", 499, 1.0f},
      {"-90.0", 499, 0.0f}, {"90.0", 153, 1.0f},  // line 214 absent
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{214, c.angle}}, c.line_count));
    EXPECT_EQ(s->position_code, c.expected)
        << "\"" << c.angle << "\" in " << c.line_count << " lines";
  }
}

TEST(DeckProcessConditions, PressuresAndTemperaturesAreTolerant) {
  const auto s = decode_only(build_deck({{133, "150"},
                                         {134, "150.5"},
                                         {141, "10"},
                                         {142, "0.7"},
                                         {150, "350"},
                                         {151, "120.25"},
                                         {152, "-40"},
                                         {153, "80"},
                                         {155, "250"},
                                         {171, "0.002"}}));
  EXPECT_EQ(s->shell_inlet_pressure, 150.0f);
  EXPECT_EQ(s->tube_inlet_pressure, 150.5f);
  EXPECT_EQ(s->shell_allowed_pressure_drop, 10.0f);
  EXPECT_EQ(s->tube_allowed_pressure_drop, 0.7f);
  EXPECT_EQ(s->shell_inlet_temperature, 350.0f);
  EXPECT_EQ(s->shell_outlet_temperature, 120.25f);
  EXPECT_EQ(s->tube_inlet_temperature, -40.0f);
  EXPECT_EQ(s->tube_outlet_temperature, 80.0f);
  // Real fields keep the five implied decimals.
  EXPECT_EQ(s->shell_metal_temperature, 0.0025f);
  EXPECT_EQ(s->shell_fouling_resistance, 0.002f);
}

TEST(DeckProcessConditions, ADeckOf172LinesStopsAfterLine171) {
  const auto s = decode_only(build_deck({{171, "0.001"}, {172, "9.9"}}, 172));
  EXPECT_EQ(s->shell_fouling_resistance, 0.001f);
  EXPECT_EQ(s->tube_fouling_resistance, 0.0f);
  EXPECT_EQ(s->orientation_angle, 0.0f);
  EXPECT_EQ(s->position_code, 1.0f);
}

}  // namespace
}  // namespace qalt2morv
