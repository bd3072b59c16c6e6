// The air-cooled exchanger block: present only with tube rows, its conditional rows, the
// derived fin and bundle values, and values written as the deck states them.
#include "thermal/air_cooler_records.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

// The header of list record key and its entry lines; empty when the list is absent.
Lines list_record(const std::string& text, const std::string& key) {
  const Lines lines = lines_of(text);
  const std::string header = key + ",0,";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind(header, 0) != 0) continue;
    const std::size_t entries = std::stoul(lines[i].substr(header.size()));
    return Lines(
        lines.begin() + static_cast<std::ptrdiff_t>(i),
        lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), i + 1 + entries)));
  }
  return {};
}

Lines scalar_records(const std::string& text, const std::string& key) {
  Lines kept;
  for (const std::string& line : lines_of(text)) {
    if (line.rfind(key + ",", 0) == 0) kept.push_back(line);
  }
  return kept;
}

using testing::set_text;

std::string air_cooler_text(const ConversionState& s) {
  KeywordWriter out;
  write_air_cooler_records(s, out);
  return out.text();
}

TEST(AirCoolerRecords, AllThirtyThreeInOrder) {
  auto s = std::make_unique<ConversionState>();
  s->unit_system = 3;  // no unit factor here, unlike the thermal records
  s->tube_rows = 4;
  s->program_mode = 1;
  s->shell_flow_rate = 12.5f;
  s->tube_flow_rate = 4;
  s->shell_inlet_temperature = 35;
  s->shell_outlet_temperature = 60;
  s->shell_inlet_pressure = 150;
  s->tube_inlet_pressure = 250;
  s->tube_design_pressure = 999;  // the defaulted value must not be written here
  s->tube_design_pressure_as_given = 300;
  s->tube_design_temperature = 888;
  s->tube_design_temperature_as_given = 200;
  s->fin_height = 0.625f;
  s->tube_od = 1.0f;
  s->shell_fouling_resistance = 0.0005f;
  s->bays_in_parallel = 2;
  s->bundles_in_parallel = 3;
  s->fans_per_bay = 2;
  s->fan_diameter = 12;
  s->draft_type_code = 1;
  s->tube_length = 20;
  s->tube_length_scaled = 240;
  s->tube_length_strict = 0.0002f;
  s->effective_tube_length_strict = 0.00019f;
  s->tube_count = 120;
  s->tube_passes = 2;
  s->odd_row_tubes = 31;
  s->even_row_tubes = 30;
  s->tube_pitch = 2.5f;
  s->tube_layout_angle = 30;
  s->tube_type_code = 3;
  s->fin_density = 10;
  s->fin_thickness = 0.016f;
  s->tube_inlet_nozzle_count = 1;
  s->tube_outlet_nozzle_count = 2;
  s->tube_nozzle_ids = {6.065f, 4.026f};
  set_text(s->shell_fluid_name, "AIR");
  set_text(s->tube_fluid_name, "HYDROCARBON");

  const Lines expected = {
      "FenzProgMode,1.000000,0",
      "FlRaAirSide,12.500000,0",
      "FlRaTS,4.000000,0",
      "TempAirInlet,35.000000,0",
      "TempAirOutlet,60.000000,0",
      "XsidePressureSpec,2.000000,0",
      "PresOperInOT,150.000000,0",
      "PresOperInTS,250.000000,0",
      "PresDsgnTS,300.000000,0",
      "TempDsgnTS,200.000000,0",
      "FoulOptionOT,3.000000,0",
      "FoulResOT,0.000500,0",
      "BayPar,2,0",
      "BundPar,3,0",
      "FanPerBay,2,0",
      "FanOD,12.000000,0",
      "DraftType,1,0",
      "TubeLng,0.000200,0",
      "EffTubeLng,0.000190,0",
      "TubePerBund,120.000000,0",
      "TubeRowDeep,4,0",
      "TubePassPerBund,2.000000,0",
      "TypeBundle,5,0",
      "TubePitFR,2.500000,0",
      "AngTubeLayOut,30.000000,0",
      "arFinType,0,1",
      "2.000000, ",
      "arFinFrequency,0,1",
      "10.000000, ",
      "arFinTipDia,0,1",
      "2.250000, ",
      "arFinThk,0,1",
      "0.016000, ",
      "NozNumTS,0,2",
      "1.000000, ",
      "2.000000, ",
      "NozActualIDTS,0,2",
      "6.065000, ",
      "4.026000, ",
      "FluidNameOT,\"AIR" + std::string(37, ' ') + "\",0",
      "FluidNameTS,\"HYDROCARBON" + std::string(29, ' ') + "\",0",
  };
  EXPECT_EQ(lines_of(air_cooler_text(*s)), expected);
}

struct PresenceCase {
  const char* name;
  std::int64_t tube_rows;
  Lines expected;
};

class AirCoolerPresence : public ::testing::TestWithParam<PresenceCase> {};

TEST_P(AirCoolerPresence, BlockOnlyWithTubeRows) {
  const PresenceCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->tube_rows = c.tube_rows;
  s->shell_flow_rate = 12.5f;
  EXPECT_EQ(lines_of(air_cooler_text(*s)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AirCooler, AirCoolerPresence,
    ::testing::Values(
        PresenceCase{"NoTubeRows", 0, {}}, PresenceCase{"NegativeTubeRows", -3, {}},
        PresenceCase{"FourTubeRows", 4, {"FlRaAirSide,12.500000,0", "TubeRowDeep,4,0"}},
        // The block is there, but the row count's low 32 bits are 0.
        PresenceCase{"RowsBeyond32Bits", std::int64_t{1} << 32, {"FlRaAirSide,12.500000,0"}}),
    CaseName());

// One tube row and a tube outside diameter of 1 in every case.
struct ConditionalCase {
  const char* name;
  float shell_inlet_pressure;
  float fin_height;
  std::int64_t odd_row_tubes;
  std::int64_t even_row_tubes;
  Lines expected;
};

class AirCoolerConditionalRows : public ::testing::TestWithParam<ConditionalCase> {};

TEST_P(AirCoolerConditionalRows, WrittenOnlyWhenTheirConditionHolds) {
  const ConditionalCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->tube_rows = 1;
  s->tube_od = 1.0f;
  s->shell_inlet_pressure = c.shell_inlet_pressure;
  s->fin_height = c.fin_height;
  s->odd_row_tubes = c.odd_row_tubes;
  s->even_row_tubes = c.even_row_tubes;
  EXPECT_EQ(lines_of(air_cooler_text(*s)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AirCooler, AirCoolerConditionalRows,
    ::testing::Values(
        ConditionalCase{
            "NoneHolds", 0, 0, 3, 3, {"TubeRowDeep,1,0", "arFinTipDia,0,1", "1.000000, "}},
        ConditionalCase{"PressureGiven",
                        150,
                        0,
                        3,
                        3,
                        {"XsidePressureSpec,2.000000,0", "PresOperInOT,150.000000,0",
                         "TubeRowDeep,1,0", "arFinTipDia,0,1", "1.000000, "}},
        // A negative pressure is still written, but does not count as given.
        ConditionalCase{
            "NegativePressure",
            -5,
            0,
            3,
            3,
            {"PresOperInOT,-5.000000,0", "TubeRowDeep,1,0", "arFinTipDia,0,1", "1.000000, "}},
        ConditionalCase{
            "Finned",
            0,
            0.625f,
            3,
            3,
            {"FoulOptionOT,3.000000,0", "TubeRowDeep,1,0", "arFinTipDia,0,1", "2.250000, "}},
        ConditionalCase{"MoreTubesInOddRows",
                        0,
                        0,
                        2,
                        1,
                        {"TubeRowDeep,1,0", "TypeBundle,5,0", "arFinTipDia,0,1", "1.000000, "}},
        ConditionalCase{"FewerTubesInOddRows",
                        0,
                        0,
                        1,
                        2,
                        {"TubeRowDeep,1,0", "TypeBundle,4,0", "arFinTipDia,0,1", "1.000000, "}}),
    CaseName());

struct FinTypeCase {
  const char* name;
  float tube_type_code;
  Lines expected;
};

class AirCoolerFinType : public ::testing::TestWithParam<FinTypeCase> {};

TEST_P(AirCoolerFinType, HostFinTypeFromTubeType) {
  const FinTypeCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->tube_rows = 1;
  s->tube_type_code = c.tube_type_code;
  EXPECT_EQ(list_record(air_cooler_text(*s), "arFinType"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AirCooler, AirCoolerFinType,
    ::testing::Values(FinTypeCase{"Plain", 1, {"arFinType,0,1", "8.000000, "}},
                      FinTypeCase{"Finned", 2, {"arFinType,0,1", "10.000000, "}},
                      FinTypeCase{"HighFin", 3, {"arFinType,0,1", "2.000000, "}},
                      FinTypeCase{"StudFinned", 4, {"arFinType,0,1", "11.000000, "}},
                      FinTypeCase{"NotGiven", 0, {}},
                      FinTypeCase{"OtherCodePassesThrough", 6, {"arFinType,0,1", "6.000000, "}}),
    CaseName());

struct NozzleCountCase {
  const char* name;
  float inlet_count;
  float outlet_count;
  Lines expected;
};

class AirCoolerNozzleCounts : public ::testing::TestWithParam<NozzleCountCase> {};

TEST_P(AirCoolerNozzleCounts, TwoEntryListTrimmed) {
  const NozzleCountCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->tube_rows = 1;
  s->tube_inlet_nozzle_count = c.inlet_count;
  s->tube_outlet_nozzle_count = c.outlet_count;
  EXPECT_EQ(list_record(air_cooler_text(*s), "NozNumTS"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AirCooler, AirCoolerNozzleCounts,
    ::testing::Values(NozzleCountCase{"OutletOnly", 0, 1, {"NozNumTS,0,2", " , ", "1.000000, "}},
                      NozzleCountCase{"InletOnly", 1, 0, {"NozNumTS,0,1", "1.000000, "}},
                      NozzleCountCase{"None", 0, 0, {}}),
    CaseName());

struct IntegerCase {
  const char* name;
  std::int64_t bays_in_parallel;
  Lines expected;
};

class AirCoolerIntegerRecords : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(AirCoolerIntegerRecords, LowThirtyTwoBits) {
  const IntegerCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->tube_rows = 1;
  s->bays_in_parallel = c.bays_in_parallel;
  EXPECT_EQ(scalar_records(air_cooler_text(*s), "BayPar"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AirCooler, AirCoolerIntegerRecords,
    ::testing::Values(IntegerCase{"Small", 3, {"BayPar,3,0"}},
                      IntegerCase{"Negative", -1, {"BayPar,-1,0"}},
                      IntegerCase{"HighBitsDropped", (std::int64_t{1} << 32) + 3, {"BayPar,3,0"}},
                      IntegerCase{"LowBitsZero", std::int64_t{1} << 32, {}},
                      IntegerCase{
                          "WrapsToNegative", std::int64_t{1} << 31, {"BayPar,-2147483648,0"}}),
    CaseName());

// A metric deck with four tube rows, no calculation mode and line 53 written without a
// point: the block sits between the mechanical and the thermal records, unscaled, with the
// real-field tube length, and without the program mode that the thermal records default.
TEST(AirCoolerDeck, BlockBetweenMechanicalAndThermalRecords) {
  const std::string deck = testing::build_deck({{1, "M"},
                                                {53, "20"},
                                                {63, "12.5"},
                                                {64, "4."},
                                                {150, "100"},
                                                {151, "60"},
                                                {152, "50"},
                                                {485, "4"},
                                                {486, "2"},
                                                {487, "1"}});
  const Lines lines = lines_of(testing::convert_ok(deck));
  const auto first_air = std::find(lines.begin(), lines.end(), "FlRaAirSide,12.500000,0");
  const auto first_thermal = std::find(lines.begin(), lines.end(), "FlRaHS,12500.000000,0");
  ASSERT_NE(first_air, lines.end());
  ASSERT_NE(first_thermal, lines.end());
  ASSERT_LT(first_air, first_thermal);
  const Lines air_block(first_air, first_thermal);
  const Lines expected = {"FlRaAirSide,12.500000,0",
                          "FlRaTS,4.000000,0",
                          "TempAirInlet,100.000000,0",
                          "TempAirOutlet,60.000000,0",
                          "TubeLng,0.000200,0",
                          "TubeRowDeep,4,0",
                          "TypeBundle,5,0"};
  EXPECT_EQ(air_block, expected);
  EXPECT_NE(std::find(first_thermal, lines.end(), "WurtProgMode,2.000000,0"), lines.end());
}

TEST(AirCoolerDeck, NoBlockWithoutTubeRows) {
  const std::string deck = testing::build_deck({{63, "12.5"}, {485, "0"}});
  const Lines lines = lines_of(testing::convert_ok(deck));
  EXPECT_EQ(std::find(lines.begin(), lines.end(), "FlRaAirSide,12.500000,0"), lines.end());
}

}  // namespace
}  // namespace qalt2morv::thermal
