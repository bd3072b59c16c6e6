// Deck lines 226 to 250: design-condition defaults, yes/no choices, hot side and phase codes,
// shell and kettle diameters.
#include <gtest/gtest.h>

#include <string>

#include "support/deck_builder.hpp"

namespace qalt2morv {
namespace {

using testing::build_deck;
using testing::decode_only;

// Metric decks keep their design pressures as computed (SI ones are scaled later).
constexpr const char* kMetric = "M";

TEST(DeckDesignConditions, DesignPressureDefaultsFromTheOperatingPressure) {
  struct Case {
    std::string operating;
    float expected;
  };
  const Case cases[] = {
      {"", 75.0f},       {"83.9", 75.0f},   {"-10.", 75.0f}, {"84", 80.0f},   {"100", 100.0f},
      {"114.6", 110.0f}, {"114.7", 120.0f}, {"150", 150.0f}, {"200", 210.0f}, {"1000", 1090.0f},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{1, kMetric}, {133, c.operating}, {134, c.operating}}));
    EXPECT_EQ(s->shell_design_pressure, c.expected) << c.operating;
    EXPECT_EQ(s->tube_design_pressure, c.expected) << c.operating;
    EXPECT_EQ(s->tube_design_pressure_as_given, 0.0f) << c.operating;
  }
}

TEST(DeckDesignConditions, GivenDesignPressuresStay) {
  struct Case {
    std::string given;
    float expected;
  };
  const Case cases[] = {{"150", 150.0f}, {"150.5", 150.5f}, {"-5.", -5.0f}, {"0.0", 75.0f}};
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{1, kMetric}, {231, c.given}, {232, c.given}}));
    EXPECT_EQ(s->shell_design_pressure, c.expected) << c.given;
    EXPECT_EQ(s->tube_design_pressure, c.expected) << c.given;
  }
  const auto s = decode_only(build_deck({{1, kMetric}, {232, "120."}}));
  EXPECT_EQ(s->tube_design_pressure_as_given, 120.0f);
}

TEST(DeckDesignConditions, DesignTemperatureDefaultsFromTheHotterEnd) {
  struct Case {
    std::string in, out;
    float expected;
  };
  const Case cases[] = {
      {"150", "200", 260.0f},   {"200.1", "", 260.0f},  {"200.2", "", 270.0f},
      {"", "", 60.0f},          {"-20", "-45", -30.0f}, {"-5", "-10", -20.0f},
      {"-50.", "-60.", -60.0f}, {"0.05", "-3.", 60.0f}, {"40.1", "35.", 100.0f},
      {"40.2", "35.", 110.0f},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{150, c.in}, {151, c.out}, {152, c.in}, {153, c.out}}));
    EXPECT_EQ(s->shell_design_temperature, c.expected) << c.in << " / " << c.out;
    EXPECT_EQ(s->tube_design_temperature, c.expected) << c.in << " / " << c.out;
    EXPECT_EQ(s->tube_design_temperature_as_given, 0.0f);
  }
}

TEST(DeckDesignConditions, GivenDesignTemperaturesStayExceptZero) {
  const auto s = decode_only(build_deck({{150, "150"}, {151, "200"}, {233, "0.0"}, {234, "300"}}));
  EXPECT_EQ(s->shell_design_temperature, 260.0f);
  EXPECT_EQ(s->tube_design_temperature, 300.0f);
  EXPECT_EQ(s->tube_design_temperature_as_given, 300.0f);
}

TEST(DeckDesignConditions, ShortDeckTakesAllFourDefaults) {
  const auto s = decode_only(build_deck({{133, "200"}, {150, "100"}}, 230));
  EXPECT_EQ(s->shell_design_pressure, 210.0f);
  EXPECT_EQ(s->tube_design_pressure, 75.0f);
  EXPECT_EQ(s->shell_design_temperature, 160.0f);
  EXPECT_EQ(s->tube_design_temperature, 60.0f);
}

TEST(DeckDesignConditions, YesNoChoices) {
  struct Case {
    std::string text;
    float axial, tubesheet, joint;
  };
  const Case cases[] = {
      {"AXIAL", 1, 1, 1}, {"YES", 0, 2, 2}, {"NO", 0, 1, 1},      {"", 0, 1, 1},
      {" YES", 0, 1, 1},  {"yes", 0, 1, 1}, {"YES SIR", 0, 1, 1}, {" AXIAL", 0, 1, 1},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{235, c.text}, {237, c.text}, {239, c.text}}));
    EXPECT_EQ(s->axial_nozzle_flag, c.axial) << c.text;
    EXPECT_EQ(s->tubesheet_type_code, c.tubesheet) << c.text;
    EXPECT_EQ(s->expansion_joint_code, c.joint) << c.text;
  }
  const auto short_deck = decode_only(build_deck({}, 230));
  EXPECT_EQ(short_deck->tubesheet_type_code, 1.0f);
  EXPECT_EQ(short_deck->expansion_joint_code, 1.0f);
}

TEST(DeckDesignConditions, HotSideChoosesWhichQuantitiesGiveThePhases) {
  struct Case {
    std::string hot_side;
    std::string shell_a, tube_a, shell_b, tube_b;  // lines 65, 66, 69, 70
    float hot_phase, cold_phase;
  };
  const Case cases[] = {
      {"1", "5.", "", "2.", "", 3, 1}, {"1", "5.", "", "5.", "", 2, 1},
      {"1", "", "", "", "", 1, 1},     {"1", "", "2.", "", "3.", 1, 3},
      {"1", "", "2.", "", "1.", 1, 2}, {"2", "5.", "", "2.", "", 1, 2},
      {"2", "", "5.", "", "2.", 3, 1}, {"2", "4.", "", "6.", "", 1, 3},
      {"0", "5.", "", "2.", "", 1, 2}, {"", "", "5.", "", "5.", 2, 1},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck(
        {{65, c.shell_a}, {66, c.tube_a}, {69, c.shell_b}, {70, c.tube_b}, {247, c.hot_side}}));
    const std::string what = "hot side " + c.hot_side + " quantities " + c.shell_a + "," +
                             c.tube_a + "," + c.shell_b + "," + c.tube_b;
    EXPECT_EQ(s->hot_phase_code, c.hot_phase) << what;
    EXPECT_EQ(s->cold_phase_code, c.cold_phase) << what;
  }
  EXPECT_EQ(decode_only(build_deck({{247, "2"}}))->hot_side_code, 2.0f);
}

TEST(DeckDesignConditions, ShellAndKettleDiameters) {
  struct Case {
    std::string unit, type, diameter, otl;
    float cylinder_id, cylinder_nps, kettle_id, kettle_nps;
  };
  const Case cases[] = {
      {"U", "AES", "10.02", "", 10.02f, 10.0f, 0.0f, 0.0f},
      {"U", "AKT", "30.", "15.4", 15.0f, 16.0f, 30.0f, 0.0f},
      {"U", "AKT", "19.25", "", 0.0f, 0.0f, 0.0f, 20.0f},
      {"U", "AES", "16.", "", 16.0f, 18.0f, 0.0f, 0.0f},
      {"U", "AES", "", "15.4", 15.0f, 16.0f, 0.0f, 0.0f},
      {"U", "AES", "30", "", 30.0f, 0.0f, 0.0f, 0.0f},
      {"S", "AES", "500", "", 500.0f, 0.0f, 0.0f, 0.0f},
      {"S", "AES", "20.", "", 20.0f, 25.4f, 0.0f, 0.0f},
  };
  for (const Case& c : cases) {
    const auto s =
        decode_only(build_deck({{1, c.unit}, {19, c.type}, {236, c.otl}, {248, c.diameter}}));
    const std::string what = c.unit + " " + c.type + " " + c.diameter + " otl " + c.otl;
    EXPECT_EQ(s->shell_cylinder_id, c.cylinder_id) << what;
    EXPECT_EQ(s->shell_cylinder_nps, c.cylinder_nps) << what;
    EXPECT_EQ(s->kettle_id, c.kettle_id) << what;
    EXPECT_EQ(s->kettle_nps, c.kettle_nps) << what;
  }
}

// The pipe sizes of line 248 use the unit system known at that line: deck line 278 comes
// later and does not reach back.
TEST(DeckDesignConditions, ShellPipeSizeUsesTheUnitOfLineOne) {
  const auto s = decode_only(build_deck({{1, "X"}, {19, "AES"}, {248, "10.02"}, {278, "2"}}));
  EXPECT_EQ(s->shell_cylinder_nps, 10.0f);
  EXPECT_EQ(s->unit_system, 2.0f);
}

}  // namespace
}  // namespace qalt2morv
