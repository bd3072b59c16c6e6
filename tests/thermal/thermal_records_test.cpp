// Stream allocation and the thermal records: which side is hot for each record group, unit
// factors, application types, the program-mode default and the record order.
#include "thermal/thermal_records.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/keyword_writer.hpp"
#include "support/case_table.hpp"
#include "support/deck_builder.hpp"
#include "support/test_files.hpp"

namespace qalt2morv::thermal {
namespace {

using qalt2morv::testing::CaseName;

using qalt2morv::testing::Lines;
using qalt2morv::testing::lines_of;

// The lines whose key is one of keys, in output order.
Lines records_with_keys(const std::string& text, const Lines& keys) {
  Lines kept;
  for (const std::string& line : lines_of(text)) {
    for (const std::string& key : keys) {
      if (line.rfind(key + ",", 0) == 0) kept.push_back(line);
    }
  }
  return kept;
}

using testing::set_text;

std::string thermal_text(ConversionState& s) {
  KeywordWriter out;
  write_thermal_records(s, out);
  return out.text();
}

TEST(ThermalRecords, AllTwentyFourInOrder) {
  auto s = std::make_unique<ConversionState>();
  s->unit_system = 1;
  s->shell_inlet_temperature = 150;
  s->shell_outlet_temperature = 100;
  s->tube_inlet_temperature = 30;
  s->tube_outlet_temperature = 60;
  s->shell_flow_rate = 10;
  s->tube_flow_rate = 20;
  s->shell_inlet_pressure = 300;
  s->tube_inlet_pressure = 400;
  s->shell_allowed_pressure_drop = 5;
  s->tube_allowed_pressure_drop = 7;
  s->shell_fouling_resistance = 0.001f;
  s->tube_fouling_resistance = 0.002f;
  s->hot_side_code = 1;
  s->shell_quantity_a_in = 100;  // hot a
  s->shell_quantity_b_in = 50;   // hot c
  s->tube_quantity_a_out = 40;   // cold e
  s->tube_quantity_b_out = 50;   // cold f
  s->program_mode = 3;
  set_text(s->hot_fluid_name, "OIL");
  set_text(s->cold_fluid_name, "WATER");
  s->qalt_baffle_type_code = 5;
  s->shells_in_series = 2;
  s->shells_in_parallel = 3;
  s->belt_impingement_types = {3, 3};
  s->belt_slot_areas = {4.5f, 0};
  s->belt_diametral_clearances = {0.5f, 0.75f};
  s->belt_lengths = {0, 12};

  const Lines expected = {
      "FoulResHS,0.001000,0",
      "FoulResCS,0.002000,0",
      "PrDrAlloHS,5.000000,0",
      "PrDrAlloCS,7.000000,0",
      "FlRaHS,10.000000,0",
      "FlRaCS,20.000000,0",
      "TempInHS,150.000000,0",
      "TempInCS,30.000000,0",
      "TempOutHS,100.000000,0",
      "TempOutCS,60.000000,0",
      "PresOperInHS,300.000000,0",
      "PresOperInCS,400.000000,0",
      "ApplTypeCS,1.000000,0",
      "ApplTypeHS,3.000000,0",
      "WurtProgMode,3.000000,0",
      "FluidNamHS,\"OIL                 \",0",
      "FluidNamCS,\"WATER               \",0",
      "BafTypeQALT,5.000000,0",
      "ShlSerNum,2.000000,0",
      "ShlParNum,3.000000,0",
      "NozImpTypeSS,0,2",
      "3.000000, ",
      "3.000000, ",
      "NozVapBltSlotAreaSS,0,1",
      "4.500000, ",
      "NozVapBltDiamClrSS,0,2",
      "0.500000, ",
      "0.750000, ",
      "NozVapBltAxialLengSS,0,2",
      " , ",
      "12.000000, ",
  };
  EXPECT_EQ(lines_of(thermal_text(*s)), expected);
}

// Every case has shell side: flow 10, outlet 100, pressure 300, drop 5, fouling 0.001 and
// tube side: flow 20, outlet 60, pressure 400, drop 7, fouling 0.002.
struct AllocationCase {
  const char* name;
  float shell_inlet_temperature;
  float tube_inlet_temperature;
  float hot_side_code;
  Lines expected;
};

class ThermalAllocation : public ::testing::TestWithParam<AllocationCase> {};

TEST_P(ThermalAllocation, EachGroupFollowsItsOwnRule) {
  const AllocationCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->unit_system = 1;
  s->shell_inlet_temperature = c.shell_inlet_temperature;
  s->tube_inlet_temperature = c.tube_inlet_temperature;
  s->hot_side_code = c.hot_side_code;
  s->shell_outlet_temperature = 100;
  s->tube_outlet_temperature = 60;
  s->shell_flow_rate = 10;
  s->tube_flow_rate = 20;
  s->shell_inlet_pressure = 300;
  s->tube_inlet_pressure = 400;
  s->shell_allowed_pressure_drop = 5;
  s->tube_allowed_pressure_drop = 7;
  s->shell_fouling_resistance = 0.001f;
  s->tube_fouling_resistance = 0.002f;
  const Lines keys = {"FoulResHS", "FoulResCS", "PrDrAlloHS",   "PrDrAlloCS",
                      "FlRaHS",    "FlRaCS",    "TempInHS",     "TempInCS",
                      "TempOutHS", "TempOutCS", "PresOperInHS", "PresOperInCS"};
  EXPECT_EQ(records_with_keys(thermal_text(*s), keys), c.expected);
}

const Lines kShellHotShellCode = {"FoulResHS,0.001000,0", "FoulResCS,0.002000,0",
                                  "PrDrAlloHS,5.000000,0", "PrDrAlloCS,7.000000,0"};
const Lines kTubeHotTubeCode = {"FoulResHS,0.002000,0", "FoulResCS,0.001000,0",
                                "PrDrAlloHS,7.000000,0", "PrDrAlloCS,5.000000,0"};

Lines concat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Thermal, ThermalAllocation,
    ::testing::Values(
        AllocationCase{
            "ShellHot", 150, 30, 1,
            concat(kShellHotShellCode,
                   {"FlRaHS,10.000000,0", "FlRaCS,20.000000,0", "TempInHS,150.000000,0",
                    "TempInCS,30.000000,0", "TempOutHS,100.000000,0", "TempOutCS,60.000000,0",
                    "PresOperInHS,300.000000,0", "PresOperInCS,400.000000,0"})},
        AllocationCase{
            "TubeHot", 30, 150, 2,
            concat(kTubeHotTubeCode,
                   {"FlRaHS,20.000000,0", "FlRaCS,10.000000,0", "TempInHS,150.000000,0",
                    "TempInCS,30.000000,0", "TempOutHS,60.000000,0", "TempOutCS,100.000000,0",
                    "PresOperInHS,400.000000,0", "PresOperInCS,300.000000,0"})},
        AllocationCase{
            "EqualInletsMakeTubeHot", 80, 80, 2,
            concat(kTubeHotTubeCode,
                   {"FlRaHS,20.000000,0", "FlRaCS,10.000000,0", "TempInHS,80.000000,0",
                    "TempInCS,80.000000,0", "TempOutHS,60.000000,0", "TempOutCS,100.000000,0",
                    "PresOperInHS,400.000000,0", "PresOperInCS,300.000000,0"})},
        // The two rules disagree: fouling and drops follow deck line 247, the rest the
        // temperatures.
        AllocationCase{
            "ShellHotByTemperatureTubeByCode", 150, 30, 2,
            concat(kTubeHotTubeCode,
                   {"FlRaHS,10.000000,0", "FlRaCS,20.000000,0", "TempInHS,150.000000,0",
                    "TempInCS,30.000000,0", "TempOutHS,100.000000,0", "TempOutCS,60.000000,0",
                    "PresOperInHS,300.000000,0", "PresOperInCS,400.000000,0"})},
        AllocationCase{
            "TubeHotByTemperatureCodeZeroMeansShell", 30, 150, 0,
            concat(kShellHotShellCode,
                   {"FlRaHS,20.000000,0", "FlRaCS,10.000000,0", "TempInHS,150.000000,0",
                    "TempInCS,30.000000,0", "TempOutHS,60.000000,0", "TempOutCS,100.000000,0",
                    "PresOperInHS,400.000000,0", "PresOperInCS,300.000000,0"})}),
    CaseName());

// Shell side hot: flow 12.5, pressure 500, drop 35; tube side: flow 4, pressure 250, drop 12.
struct UnitCase {
  const char* name;
  float unit_system;
  Lines expected;
};

class ThermalUnitFactors : public ::testing::TestWithParam<UnitCase> {};

TEST_P(ThermalUnitFactors, PressuresAndFlowsScaled) {
  const UnitCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->unit_system = c.unit_system;
  s->shell_inlet_temperature = 150;
  s->tube_inlet_temperature = 30;
  s->hot_side_code = 1;
  s->shell_flow_rate = 12.5f;
  s->tube_flow_rate = 4;
  s->shell_inlet_pressure = 500;
  s->tube_inlet_pressure = 250;
  s->shell_allowed_pressure_drop = 35;
  s->tube_allowed_pressure_drop = 12;
  const Lines keys = {"PrDrAlloHS", "PrDrAlloCS",   "FlRaHS",
                      "FlRaCS",     "PresOperInHS", "PresOperInCS"};
  EXPECT_EQ(records_with_keys(thermal_text(*s), keys), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Thermal, ThermalUnitFactors,
    ::testing::Values(
        UnitCase{"UsCustomaryUnscaled",
                 1,
                 {"PrDrAlloHS,35.000000,0", "PrDrAlloCS,12.000000,0", "FlRaHS,12.500000,0",
                  "FlRaCS,4.000000,0", "PresOperInHS,500.000000,0", "PresOperInCS,250.000000,0"}},
        UnitCase{"SiPressuresHundredth",
                 2,
                 {"PrDrAlloHS,0.350000,0", "PrDrAlloCS,0.120000,0", "FlRaHS,12.500000,0",
                  "FlRaCS,4.000000,0", "PresOperInHS,5.000000,0", "PresOperInCS,2.500000,0"}},
        UnitCase{
            "MetricFlowsThousandfold",
            3,
            {"PrDrAlloHS,35.000000,0", "PrDrAlloCS,12.000000,0", "FlRaHS,12500.000000,0",
             "FlRaCS,4000.000000,0", "PresOperInHS,500.000000,0", "PresOperInCS,250.000000,0"}},
        UnitCase{"NoUnitSystemUnscaled",
                 0,
                 {"PrDrAlloHS,35.000000,0", "PrDrAlloCS,12.000000,0", "FlRaHS,12.500000,0",
                  "FlRaCS,4.000000,0", "PresOperInHS,500.000000,0", "PresOperInCS,250.000000,0"}}),
    CaseName());

// Deck lines 65 to 72: flow quantities A and B at inlet and outlet, shell then tube side.
struct ApplicationCase {
  const char* name;
  bool shell_hot;
  float a_in_shell, a_in_tube, a_out_shell, a_out_tube, b_in_shell, b_in_tube, b_out_shell,
      b_out_tube;
  Lines expected;
};

class ThermalApplicationType : public ::testing::TestWithParam<ApplicationCase> {};

TEST_P(ThermalApplicationType, CodesFromFlowQuantities) {
  const ApplicationCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->unit_system = 3;  // the factor applies to all quantities alike
  s->shell_inlet_temperature = c.shell_hot ? 150.0f : 30.0f;
  s->tube_inlet_temperature = c.shell_hot ? 30.0f : 150.0f;
  s->shell_quantity_a_in = c.a_in_shell;
  s->tube_quantity_a_in = c.a_in_tube;
  s->shell_quantity_a_out = c.a_out_shell;
  s->tube_quantity_a_out = c.a_out_tube;
  s->shell_quantity_b_in = c.b_in_shell;
  s->tube_quantity_b_in = c.b_in_tube;
  s->shell_quantity_b_out = c.b_out_shell;
  s->tube_quantity_b_out = c.b_out_tube;
  EXPECT_EQ(records_with_keys(thermal_text(*s), {"ApplTypeCS", "ApplTypeHS"}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Thermal, ThermalApplicationType,
    ::testing::Values(
        // Shell side hot: hot a, b, c are lines 65, 67, 69; cold d, e, f are lines 66, 68, 72.
        ApplicationCase{
            "HotAAboveBWins", true, 100, 0, 0, 0, 50, 0, 0, 0, {"ApplTypeHS,3.000000,0"}},
        ApplicationCase{
            "HotANoOutletBelowB", true, 40, 0, 0, 0, 50, 0, 0, 0, {"ApplTypeHS,2.000000,0"}},
        ApplicationCase{"HotOutletOnly", true, 0, 0, 20, 0, 0, 0, 0, 0, {"ApplTypeHS,1.000000,0"}},
        ApplicationCase{"HotNoRuleApplies", true, 40, 0, 10, 0, 50, 0, 0, 0, {}},
        ApplicationCase{
            "ColdEAboveFWins", true, 0, 0, 0, 100, 0, 0, 0, 50, {"ApplTypeCS,3.000000,0"}},
        ApplicationCase{
            "ColdENoInletBelowF", true, 0, 0, 0, 40, 0, 0, 0, 50, {"ApplTypeCS,1.000000,0"}},
        ApplicationCase{"ColdInletOnly", true, 0, 20, 0, 0, 0, 0, 0, 0, {"ApplTypeCS,2.000000,0"}},
        ApplicationCase{"ColdNoRuleApplies", true, 0, 10, 0, 40, 0, 0, 0, 50, {}},
        // Tube side hot: hot a, b, c are lines 66, 68, 70; cold d, e, f are lines 65, 67, 71.
        // Lines 69 and 72 hold values that would change both codes if read for this side.
        ApplicationCase{"TubeHotSidesSwap",
                        false,
                        0,
                        40,
                        40,
                        0,
                        10,
                        50,
                        50,
                        10,
                        {"ApplTypeCS,1.000000,0", "ApplTypeHS,2.000000,0"}}),
    CaseName());

struct ProgramModeCase {
  const char* name;
  float program_mode;
  float expected;
  const char* expected_line;
};

class ThermalProgramMode : public ::testing::TestWithParam<ProgramModeCase> {};

TEST_P(ThermalProgramMode, MissingModeIsRating) {
  const ProgramModeCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->program_mode = c.program_mode;
  const std::string text = thermal_text(*s);
  EXPECT_EQ(records_with_keys(text, {"WurtProgMode"}), Lines{c.expected_line});
  EXPECT_EQ(s->program_mode, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Thermal, ThermalProgramMode,
    ::testing::Values(ProgramModeCase{"NotNamed", 0, 2, "WurtProgMode,2.000000,0"},
                      ProgramModeCase{"Negative", -1, 2, "WurtProgMode,2.000000,0"},
                      ProgramModeCase{"Design", 1, 1, "WurtProgMode,1.000000,0"},
                      ProgramModeCase{"Simulation", 3, 3, "WurtProgMode,3.000000,0"}),
    CaseName());

TEST(ThermalRecords, BlankLedHotNameWritesNoName) {
  auto s = std::make_unique<ConversionState>();
  set_text(s->hot_fluid_name, " OIL");
  set_text(s->cold_fluid_name, "WATER");
  EXPECT_EQ(records_with_keys(thermal_text(*s), {"FluidNamHS", "FluidNamCS"}),
            Lines{"FluidNamCS,\"WATER               \",0"});
}

struct BeltListCase {
  const char* name;
  std::array<float, 2> slot_areas;
  Lines expected;
};

class ThermalBeltList : public ::testing::TestWithParam<BeltListCase> {};

TEST_P(ThermalBeltList, TrailingZeroDroppedAllZeroSkipped) {
  const BeltListCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->program_mode = 1;
  s->belt_slot_areas = c.slot_areas;
  Lines expected = {"WurtProgMode,1.000000,0"};
  expected.insert(expected.end(), c.expected.begin(), c.expected.end());
  EXPECT_EQ(lines_of(thermal_text(*s)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Thermal, ThermalBeltList,
    ::testing::Values(
        BeltListCase{"FirstOnly", {4.5f, 0}, {"NozVapBltSlotAreaSS,0,1", "4.500000, "}},
        BeltListCase{"SecondOnly", {0, 2}, {"NozVapBltSlotAreaSS,0,2", " , ", "2.000000, "}},
        BeltListCase{"None", {0, 0}, {}}),
    CaseName());

TEST(ThermalDeck, EqualInletTemperaturesPutNamesAndValuesOnTheTubeSide) {
  const std::string deck = testing::build_deck({{63, "10."},
                                                {64, "20."},
                                                {150, "80"},
                                                {152, "80"},
                                                {276, "SHELL FLUID"},
                                                {277, "TUBE FLUID"}});
  const Lines thermal = records_with_keys(
      testing::convert_ok(deck), {"FlRaHS", "FlRaCS", "TempInHS", "FluidNamHS", "FluidNamCS"});
  const Lines expected = {"FlRaHS,20.000000,0", "FlRaCS,10.000000,0", "TempInHS,80.000000,0",
                          "FluidNamHS,\"TUBE FLUID          \",0",
                          "FluidNamCS,\"SHELL FLUID         \",0"};
  EXPECT_EQ(thermal, expected);
}

}  // namespace
}  // namespace qalt2morv::thermal
