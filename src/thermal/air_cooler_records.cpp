// The air-cooled exchanger block. The deck's shell side is the air side (OT, outside the
// tubes); values go out as the deck states them, with no unit factor and no hot/cold choice.
#include "thermal/air_cooler_records.hpp"

#include <array>

#include "core/emission_table.hpp"
#include "core/host_codes.hpp"

namespace qalt2morv::thermal {
namespace {

// The host numbers fin types differently from the deck's tube types (plain, finned,
// high-fin, stud-finned); a code outside those passes through unchanged.
float fin_type_code(float tube_type_code) {
  if (tube_type_code == tube_type::kPlain) return 8.0f;
  if (tube_type_code == tube_type::kFinned) return 10.0f;
  if (tube_type_code == tube_type::kHighFin) return 2.0f;
  if (tube_type_code == tube_type::kStudFinned) return 11.0f;
  return tube_type_code;
}

float fin_tip_diameter(const ConversionState& s) { return 2.0f * s.fin_height + s.tube_od; }

// More tubes in the odd rows than in the even rows is bundle type 5, fewer is type 4.
bool rows_differ(const ConversionState& s) { return s.odd_row_tubes != s.even_row_tubes; }
std::int32_t bundle_type(const ConversionState& s) {
  return s.odd_row_tubes > s.even_row_tubes ? 5 : 4;
}

using S = ConversionState;
using Row = RecordRow<S>;

constexpr std::array kAirCoolerRecords = {
    // The program mode as decoded: the thermal records apply its default only later.
    Row::real(
        "FenzProgMode", [](const S& s) { return s.program_mode; }, "program_mode"),
    Row::real(
        "FlRaAirSide", [](const S& s) { return s.shell_flow_rate; }, "shell_flow_rate"),
    Row::real(
        "FlRaTS", [](const S& s) { return s.tube_flow_rate; }, "tube_flow_rate"),
    Row::real(
        "TempAirInlet", [](const S& s) { return s.shell_inlet_temperature; },
        "shell_inlet_temperature"),
    Row::real(
        "TempAirOutlet", [](const S& s) { return s.shell_outlet_temperature; },
        "shell_outlet_temperature"),
    Row::real(
        "XsidePressureSpec", [](const S&) { return 2.0f; }, "2",
        [](const S& s) { return s.shell_inlet_pressure > 0.0f; }, "shell_inlet_pressure > 0"),
    Row::real(
        "PresOperInOT", [](const S& s) { return s.shell_inlet_pressure; }, "shell_inlet_pressure"),
    Row::real(
        "PresOperInTS", [](const S& s) { return s.tube_inlet_pressure; }, "tube_inlet_pressure"),
    // The design conditions as the deck gives them, before any default.
    Row::real(
        "PresDsgnTS", [](const S& s) { return s.tube_design_pressure_as_given; },
        "tube_design_pressure_as_given"),
    Row::real(
        "TempDsgnTS", [](const S& s) { return s.tube_design_temperature_as_given; },
        "tube_design_temperature_as_given"),
    Row::real(
        "FoulOptionOT", [](const S&) { return 3.0f; }, "3",
        [](const S& s) { return s.fin_height > 0.0f; }, "fin_height > 0"),
    Row::real(
        "FoulResOT", [](const S& s) { return s.shell_fouling_resistance; },
        "shell_fouling_resistance"),
    Row::integer(
        "BayPar", [](const S& s) { return low_32_bits(s.bays_in_parallel); }, "bays_in_parallel"),
    Row::integer(
        "BundPar", [](const S& s) { return low_32_bits(s.bundles_in_parallel); },
        "bundles_in_parallel"),
    Row::integer(
        "FanPerBay", [](const S& s) { return low_32_bits(s.fans_per_bay); }, "fans_per_bay"),
    Row::real(
        "FanOD", [](const S& s) { return s.fan_diameter; }, "fan_diameter"),
    Row::integer(
        "DraftType", [](const S& s) { return low_32_bits(s.draft_type_code); }, "draft_type_code"),
    // Deck lines 53 and 54 by the real edit rule, unscaled: 20 without a point is 0.0002.
    Row::real(
        "TubeLng", [](const S& s) { return s.tube_length_strict; }, "tube_length_strict"),
    Row::real(
        "EffTubeLng", [](const S& s) { return s.effective_tube_length_strict; },
        "effective_tube_length_strict"),
    Row::real(
        "TubePerBund", [](const S& s) { return s.tube_count; }, "tube_count"),
    Row::integer(
        "TubeRowDeep", [](const S& s) { return low_32_bits(s.tube_rows); }, "tube_rows"),
    Row::real(
        "TubePassPerBund", [](const S& s) { return s.tube_passes; }, "tube_passes"),
    Row::integer("TypeBundle", NAMED(bundle_type), NAMED(rows_differ)),
    Row::real(
        "TubePitFR", [](const S& s) { return s.tube_pitch; }, "tube_pitch"),
    Row::real(
        "AngTubeLayOut", [](const S& s) { return s.tube_layout_angle; }, "tube_layout_angle"),
    Row::real_list(
        "arFinType", [](const S& s) { return one_entry(fin_type_code(s.tube_type_code)); },
        "fin_type_code of tube_type_code"),
    Row::real_list(
        "arFinFrequency", [](const S& s) { return one_entry(s.fin_density); }, "fin_density"),
    Row::real_list(
        "arFinTipDia", [](const S& s) { return one_entry(fin_tip_diameter(s)); },
        "fin_tip_diameter"),
    Row::real_list(
        "arFinThk", [](const S& s) { return one_entry(s.fin_thickness); }, "fin_thickness"),
    Row::real_list(
        "NozNumTS",
        [](const S& s) {
          return two_entries(s.tube_inlet_nozzle_count, s.tube_outlet_nozzle_count);
        },
        "tube_inlet_nozzle_count, tube_outlet_nozzle_count"),
    Row::real_list(
        "NozActualIDTS", [](const S& s) { return two_entries(s.tube_nozzle_ids); },
        "tube_nozzle_ids"),
    Row::text(
        "FluidNameOT", [](const S& s) { return whole_text(s.shell_fluid_name); },
        "shell_fluid_name"),
    Row::text(
        "FluidNameTS", [](const S& s) { return whole_text(s.tube_fluid_name); }, "tube_fluid_name"),
};

}  // namespace

void write_air_cooler_records(const ConversionState& s, KeywordWriter& out) {
  // Deck line 485 marks an air-cooled exchanger; without tube rows there is no block at all.
  if (s.tube_rows <= 0) return;
  write_records<ConversionState>(kAirCoolerRecords, s, out);
}

std::vector<RecordDescription> describe_air_cooler_records() {
  std::vector<RecordDescription> d;
  for (const auto& row : kAirCoolerRecords) d.push_back(describe(row));
  return d;
}

}  // namespace qalt2morv::thermal
