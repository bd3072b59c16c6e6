// The deck gives every process value per side (shell, tube); the host wants them per stream
// (hot, cold). This allocates the sides to the streams and writes the thermal records.
#include "thermal/thermal_records.hpp"

#include <array>

#include "core/emission_table.hpp"
#include "core/host_codes.hpp"
#include "core/stream_sides.hpp"

namespace qalt2morv::thermal {
namespace {

// Only the thermal records convert units: the host's SI pressure unit is a hundred times the
// deck's, its metric flow unit a thousandth of it. Temperatures and fouling pass unchanged.
struct UnitFactors {
  float pressure = 1.0f;  // operating inlet pressures and allowed pressure drops
  float flow = 1.0f;      // flow rates and flow quantities
};

UnitFactors unit_factors(float units) {
  UnitFactors f;
  if (units == unit_system::kSi) f.pressure = 0.01f;
  if (units == unit_system::kMetric) f.flow = 1000.0f;
  return f;
}

struct HotCold {
  float hot = 0.0f;
  float cold = 0.0f;
};

HotCold allocate(bool shell_hot, float shell_value, float tube_value) {
  return shell_hot ? HotCold{shell_value, tube_value} : HotCold{tube_value, shell_value};
}

struct StreamValues {
  HotCold flow_rate;
  HotCold inlet_temperature;
  HotCold outlet_temperature;
  HotCold operating_pressure;
  HotCold fouling_resistance;
  HotCold allowed_pressure_drop;
};

// Flow quantities A and B of both sides (deck lines 65 to 72), already in host units.
struct FlowQuantities {
  float hot_a_in = 0.0f, hot_a_out = 0.0f, hot_b_in = 0.0f;
  float cold_a_in = 0.0f, cold_a_out = 0.0f, cold_b_out = 0.0f;
};

FlowQuantities allocate_flow_quantities(const ConversionState& s, bool shell_hot, float flow) {
  FlowQuantities q;
  if (shell_hot) {
    q.hot_a_in = s.shell_quantity_a_in * flow;
    q.hot_a_out = s.shell_quantity_a_out * flow;
    q.hot_b_in = s.shell_quantity_b_in * flow;
    q.cold_a_in = s.tube_quantity_a_in * flow;
    q.cold_a_out = s.tube_quantity_a_out * flow;
    q.cold_b_out = s.tube_quantity_b_out * flow;
  } else {
    q.hot_a_in = s.tube_quantity_a_in * flow;
    q.hot_a_out = s.tube_quantity_a_out * flow;
    q.hot_b_in = s.tube_quantity_b_in * flow;
    q.cold_a_in = s.shell_quantity_a_in * flow;
    q.cold_a_out = s.shell_quantity_a_out * flow;
    q.cold_b_out = s.shell_quantity_b_out * flow;
  }
  return q;
}

// The hot stream is judged at its inlet against quantity B there; a code that no branch
// sets keeps the value it had.
float hot_application_type(float current, float a_in, float a_out, float b_in) {
  float code = current;
  if (a_in > 0.0f) {
    if (a_out == 0.0f && b_in > 0.0f) code = 2.0f;
    if (a_in > b_in) code = 3.0f;
  } else if (a_in <= 0.0f && a_out > 0.0f) {
    code = 1.0f;
  }
  return code;
}

// The cold stream mirrors the hot one at its outlet, with codes 1 and 2 swapped.
float cold_application_type(float current, float a_in, float a_out, float b_out) {
  float code = current;
  if (a_out > 0.0f) {
    if (a_in == 0.0f && b_out > 0.0f) code = 1.0f;
    if (a_out > b_out) code = 3.0f;
  } else if (a_out <= 0.0f && a_in > 0.0f) {
    code = 2.0f;
  }
  return code;
}

// Two rules decide the sides. Flows, temperatures and operating pressures follow the inlet
// temperatures; fouling and allowed pressure drop follow deck line 247 (hot fluid side, the
// same code the mechanical records write as LocFluidHS). A deck may make them disagree.
StreamValues allocate_streams(const ConversionState& s, const UnitFactors& f) {
  const bool shell_hot = shell_inlet_hotter(s);
  const bool shell_hot_by_code = hot_side_shell_or_unstated(s);
  StreamValues v;
  v.flow_rate = allocate(shell_hot, s.shell_flow_rate * f.flow, s.tube_flow_rate * f.flow);
  v.inlet_temperature = allocate(shell_hot, s.shell_inlet_temperature, s.tube_inlet_temperature);
  v.outlet_temperature = allocate(shell_hot, s.shell_outlet_temperature, s.tube_outlet_temperature);
  v.operating_pressure =
      allocate(shell_hot, s.shell_inlet_pressure * f.pressure, s.tube_inlet_pressure * f.pressure);
  v.fouling_resistance =
      allocate(shell_hot_by_code, s.shell_fouling_resistance, s.tube_fouling_resistance);
  v.allowed_pressure_drop = allocate(shell_hot_by_code, s.shell_allowed_pressure_drop * f.pressure,
                                     s.tube_allowed_pressure_drop * f.pressure);
  return v;
}

struct ThermalSource {
  const ConversionState& s;
  StreamValues v;
};
using Row = RecordRow<ThermalSource>;
using T = ThermalSource;

constexpr std::array kThermalRecords = {
    Row::real(
        "FoulResHS", [](const T& t) { return t.v.fouling_resistance.hot; },
        "fouling_resistance.hot"),
    Row::real(
        "FoulResCS", [](const T& t) { return t.v.fouling_resistance.cold; },
        "fouling_resistance.cold"),
    Row::real(
        "PrDrAlloHS", [](const T& t) { return t.v.allowed_pressure_drop.hot; },
        "allowed_pressure_drop.hot"),
    Row::real(
        "PrDrAlloCS", [](const T& t) { return t.v.allowed_pressure_drop.cold; },
        "allowed_pressure_drop.cold"),
    Row::real(
        "FlRaHS", [](const T& t) { return t.v.flow_rate.hot; }, "flow_rate.hot"),
    Row::real(
        "FlRaCS", [](const T& t) { return t.v.flow_rate.cold; }, "flow_rate.cold"),
    Row::real(
        "TempInHS", [](const T& t) { return t.v.inlet_temperature.hot; }, "inlet_temperature.hot"),
    Row::real(
        "TempInCS", [](const T& t) { return t.v.inlet_temperature.cold; },
        "inlet_temperature.cold"),
    Row::real(
        "TempOutHS", [](const T& t) { return t.v.outlet_temperature.hot; },
        "outlet_temperature.hot"),
    Row::real(
        "TempOutCS", [](const T& t) { return t.v.outlet_temperature.cold; },
        "outlet_temperature.cold"),
    Row::real(
        "PresOperInHS", [](const T& t) { return t.v.operating_pressure.hot; },
        "operating_pressure.hot"),
    Row::real(
        "PresOperInCS", [](const T& t) { return t.v.operating_pressure.cold; },
        "operating_pressure.cold"),
    Row::real(
        "ApplTypeCS", [](const T& t) { return t.s.cold_appl_type; }, "cold_appl_type"),
    Row::real(
        "ApplTypeHS", [](const T& t) { return t.s.hot_appl_type; }, "hot_appl_type"),
    Row::real(
        "WurtProgMode", [](const T& t) { return t.s.program_mode; }, "program_mode"),
    Row::text(
        "FluidNamHS", [](const T& t) { return whole_text(t.s.hot_fluid_name); }, "hot_fluid_name"),
    Row::text(
        "FluidNamCS", [](const T& t) { return whole_text(t.s.cold_fluid_name); },
        "cold_fluid_name"),
    Row::real(
        "BafTypeQALT", [](const T& t) { return t.s.qalt_baffle_type_code; },
        "qalt_baffle_type_code"),
    Row::real(
        "ShlSerNum", [](const T& t) { return static_cast<float>(t.s.shells_in_series); },
        "shells_in_series"),
    Row::real(
        "ShlParNum", [](const T& t) { return static_cast<float>(t.s.shells_in_parallel); },
        "shells_in_parallel"),
    Row::real_list(
        "NozImpTypeSS", [](const T& t) { return two_entries(t.s.belt_impingement_types); },
        "belt_impingement_types"),
    Row::real_list(
        "NozVapBltSlotAreaSS", [](const T& t) { return two_entries(t.s.belt_slot_areas); },
        "belt_slot_areas"),
    Row::real_list(
        "NozVapBltDiamClrSS", [](const T& t) { return two_entries(t.s.belt_diametral_clearances); },
        "belt_diametral_clearances"),
    Row::real_list(
        "NozVapBltAxialLengSS", [](const T& t) { return two_entries(t.s.belt_lengths); },
        "belt_lengths"),
};

}  // namespace

void write_thermal_records(ConversionState& s, KeywordWriter& out) {
  const UnitFactors factors = unit_factors(s.unit_system);
  const FlowQuantities q = allocate_flow_quantities(s, shell_inlet_hotter(s), factors.flow);
  s.hot_appl_type = hot_application_type(s.hot_appl_type, q.hot_a_in, q.hot_a_out, q.hot_b_in);
  s.cold_appl_type =
      cold_application_type(s.cold_appl_type, q.cold_a_in, q.cold_a_out, q.cold_b_out);
  // A deck that names no calculation mode is taken as a rating case.
  if (s.program_mode <= 0.0f) s.program_mode = program_mode::kRating;

  const ThermalSource source{s, allocate_streams(s, factors)};
  write_records<ThermalSource>(kThermalRecords, source, out);
}

std::vector<RecordDescription> describe_thermal_records() {
  std::vector<RecordDescription> d;
  for (const auto& row : kThermalRecords) d.push_back(describe(row));
  return d;
}

}  // namespace qalt2morv::thermal
