// The mechanical emitter: the construction records in the host's order, with the nozzle
// layout and the nozzle records in their place. The record list is data: key, value, and
// the condition under which the host expects the record.
#include "mechanical/mechanical_records.hpp"

#include <array>
#include <cmath>
#include <span>
#include <string_view>

#include "mechanical/nozzle_layout.hpp"
#include "mechanical/nozzle_records.hpp"

namespace qalt2morv::mechanical {

namespace {

using State = ConversionState;
using Value = float (*)(const State&);
using Condition = bool (*)(const State&);

struct Row {
  std::string_view key;
  Value value;
  Condition when = nullptr;  // none: the writer's zero rule alone decides
};

template <float State::*Field>
float field(const State& s) {
  return s.*Field;
}

float one(const State&) { return 1.0f; }

// Tube-side pressure parts are made of the tube material; an unknown code means the
// default material 1.
float head_material(const State& s) {
  return (s.tube_material_code > 0.0f && s.tube_material_code < 50.0f) ? s.tube_material_code : 1.0f;
}

// The deck carries no shell material: shell-side parts, baffles included, get material 1.
float shell_material(const State&) { return 1.0f; }

// The host takes baffle cuts to one decimal, cut toward zero (25.67 % becomes 25.6 %).
float one_decimal(float cut) { return std::trunc(10.0f * cut) / 10.0f; }
float first_cut(const State& s) { return one_decimal(s.baffle_cut); }
float second_cut(const State& s) { return one_decimal(s.second_baffle_cut); }
float third_cut(const State& s) { return one_decimal(s.third_baffle_cut); }

float whole_fin_density(const State& s) { return std::trunc(s.fin_density); }

float front_cylinder_indicator(const State& s) { return s.front_cylinder_material > 0.0f ? 2.0f : 1.0f; }
float rear_cylinder_indicator(const State& s) { return s.rear_cylinder_material > 0.0f ? 2.0f : 1.0f; }

float wider_pass_lane(const State& s) { return s.pass_lane_1 > s.pass_lane_2 ? s.pass_lane_1 : s.pass_lane_2; }
float narrower_pass_lane(const State& s) { return s.pass_lane_1 < s.pass_lane_2 ? s.pass_lane_1 : s.pass_lane_2; }

// In a U-tube bundle the wider lane is taken up by the bends, so the narrower one is the
// clearance the host checks.
float lane_clearance(const State& s) {
  return s.rear_head_code == 7.0f ? narrower_pass_lane(s) : wider_pass_lane(s);
}

// Deck line 247: 1 (or absent) puts the hot stream on the shell side.
bool hot_on_shell_side(const State& s) { return s.hot_side_code <= 1.0f; }
bool hot_in_tubes(const State& s) { return !hot_on_shell_side(s); }

template <int Type>
bool baffle_type_is(const State& s) {
  return std::trunc(s.baffle_type_code) == static_cast<float>(Type);
}

bool finned_tubes(const State& s) { return s.tube_type_code == 2.0f; }
bool rear_head_not_u_tube(const State& s) { return s.rear_head_code != 7.0f; }
bool rear_head_has_shell_cover(const State& s) { return s.rear_head_code >= 5.0f; }
bool floating_head(const State& s) { return s.rear_head_code == 5.0f || s.rear_head_code == 6.0f; }
bool kettle(const State& s) { return s.shell_type_code == 6.0f; }
bool shell_side_flanged(const State& s) { return s.rear_head_code > 4.0f; }
// Small shells are pipe and named by their outside diameter; large ones by the inside.
bool shell_named_by_inside(const State& s) { return s.shell_cylinder_id > s.shell_cylinder_nps; }
bool shell_named_by_outside(const State& s) { return !shell_named_by_inside(s); }
bool expansion_joint_given(const State& s) { return s.expansion_joint_code > 0.0f; }

// From the unit system to the kettle diameters and impingement protection.
constexpr auto kConstructionRecords = std::to_array<Row>({
    {"QALTUoM", field<&State::unit_system>},
    {"LocFluidHS", field<&State::hot_side_code>},
    {"ExchPosi", field<&State::position_code>},
    {"ExchVess", one},
    {"TEMAClass", field<&State::tema_class_code>},
    {"HdFrType", field<&State::front_head_code>},
    {"ShlType", field<&State::shell_type_code>},
    {"HdReType", field<&State::rear_head_code>},
    {"TempInSS", field<&State::shell_inlet_temperature>},
    {"TempInTS", field<&State::tube_inlet_temperature>},
    {"TempOutSS", field<&State::shell_outlet_temperature>},
    {"TempOutTS", field<&State::tube_outlet_temperature>},
    {"FilmCoefSS", field<&State::shell_film_coefficient>},
    {"FilmCoefTS", field<&State::tube_film_coefficient>},
    {"ShlMeanMetalTemp", field<&State::shell_metal_temperature>},
    {"TubeMeanMetalTemp", field<&State::tube_metal_temperature>},
    {"DesTempSS", field<&State::shell_design_temperature>},
    {"DesTempTS", field<&State::tube_design_temperature>},
    {"DesPressSS", field<&State::shell_design_pressure>},
    {"DesPressTS", field<&State::tube_design_pressure>},
    {"PresDsgnHS", field<&State::shell_design_pressure>, hot_on_shell_side},
    {"PresDsgnCS", field<&State::tube_design_pressure>, hot_on_shell_side},
    {"TempDsgnHS", field<&State::shell_design_temperature>, hot_on_shell_side},
    {"TempDsgnCS", field<&State::tube_design_temperature>, hot_on_shell_side},
    {"PresDsgnCS", field<&State::shell_design_pressure>, hot_in_tubes},
    {"PresDsgnHS", field<&State::tube_design_pressure>, hot_in_tubes},
    {"TempDsgnCS", field<&State::shell_design_temperature>, hot_in_tubes},
    {"TempDsgnHS", field<&State::tube_design_temperature>, hot_in_tubes},
    {"TubeOTL", field<&State::otl_diameter>},
    {"OTLDia", field<&State::otl_diameter>},
    {"DistDownFromTop", field<&State::dist_down_from_top>},
    {"DistUpFromBottom", field<&State::dist_up_from_bottom>},
    {"BafType", field<&State::baffle_type_code>},
    {"BafCutPerc", first_cut, baffle_type_is<1>},
    {"BafCut1DblSeg", first_cut, baffle_type_is<2>},
    {"BafCut2DblSeg", second_cut, baffle_type_is<2>},
    {"BafCutPerc", first_cut, baffle_type_is<2>},
    {"BafCutPercInner", second_cut, baffle_type_is<2>},
    {"BafCut1TriSeg", first_cut, baffle_type_is<3>},
    {"BafCut2TriSeg", second_cut, baffle_type_is<3>},
    {"BafCut3TriSeg", third_cut, baffle_type_is<3>},
    {"BafOri", field<&State::baffle_orientation_code>},
    {"BafThk", field<&State::baffle_thickness>},
    {"TubePassLoutType", field<&State::pass_layout_type>},
    {"TubeType", field<&State::tube_type_code>},
    {"TubeFinDens", whole_fin_density, finned_tubes},
    {"TubeFinHt", field<&State::fin_height>, finned_tubes},
    {"TubeFinThk", field<&State::fin_thickness>, finned_tubes},
    {"TshType", field<&State::tubesheet_type_code>},
    {"TubeOD", field<&State::tube_od>},
    {"TubePitch", field<&State::tube_pitch>},
    {"TubePattern", field<&State::tube_layout_angle>},
    {"TubeWallThk", field<&State::tube_wall_thickness>},
    {"HdFrCovMtl", head_material},
    {"HdReCovMtl", head_material, rear_head_not_u_tube},
    {"ShlCylMtl", shell_material},
    {"BafMtl", shell_material},
    {"ShlCovMtl", shell_material, rear_head_has_shell_cover},
    {"ShlCovCylMtl", shell_material, floating_head},
    {"KetlCylMtl", shell_material, kettle},
    {"KetlRedMtl", shell_material, kettle},
    {"TshMtl", head_material},
    {"TubeMtl", field<&State::tube_material_code>},
    {"SSFlgMtl", shell_material, shell_side_flanged},
    {"TSSFlgMtl", head_material},
    {"SSNozCylMtl", shell_material},
    {"TSNozCylMtl", head_material},
    {"ShlCylOD", field<&State::shell_cylinder_nps>},
    {"ShlCylID", field<&State::shell_cylinder_id>},
    {"ShlID", field<&State::shell_cylinder_id>, shell_named_by_inside},
    {"ShlOD", field<&State::shell_cylinder_nps>, shell_named_by_outside},
    {"BafSpc", field<&State::baffle_spacing>},
    {"BafSpcCC", field<&State::baffle_spacing>},
    {"BafSpcIn", field<&State::inlet_baffle_spacing>},
    {"BafSpcOut", field<&State::outlet_baffle_spacing>},
    {"BafNum", field<&State::baffle_count>},
    {"TubeLenInches", field<&State::tube_length_scaled>},
    {"TubeLng", field<&State::tube_length_scaled>},
    {"TubeNum", field<&State::tube_count>},
    {"TubePasses", field<&State::tube_passes>},
    {"TubePassNum", field<&State::tube_passes>},
    {"KetlOD", field<&State::kettle_nps>},
    {"KetlID", field<&State::kettle_id>},
    {"ImpProtType", field<&State::impingement_protection_code>},
});

// After the nozzles: head and shell-cover cylinders, expansion joint, supports, pass lanes.
// "ShlCovCylMtl" appears a second time here on purpose: the host reads both.
constexpr auto kCylinderAndSupportRecords = std::to_array<Row>({
    {"HdFrCylInd", front_cylinder_indicator},
    {"HdFrCylMtl", field<&State::front_cylinder_material>},
    {"HdReCylMtl", field<&State::rear_cylinder_material>},
    {"HdReCylInd", rear_cylinder_indicator},
    {"ShlCovCylMtl", field<&State::shell_cover_cylinder_material>},
    {"EJInd", field<&State::expansion_joint_code>, expansion_joint_given},
    {"SupMtl", one},
    {"PaPaLaneClr", lane_clearance},
    {"TubeMinUbendDia", field<&State::min_u_bend_diameter>},
});

void write_rows(std::span<const Row> rows, const State& s, KeywordWriter& out) {
  for (const Row& row : rows) {
    if (row.when != nullptr && !row.when(s)) continue;
    out.put_real(row.key, row.value(s));
  }
}

struct NozzleEnds {
  bool front_head = false;   // a nozzle on the front head cylinder
  bool rear_head = false;    // a radial rear nozzle on a rear head cylinder (L, M, N)
  bool shell_cover = false;  // a radial rear nozzle on the shell cover (P to W)
};

NozzleEnds nozzle_ends(const State& s) {
  std::size_t used = 0;
  for (const NozzleSlot& slot : s.nozzles) {
    if (slot.function != 0.0f) ++used;
  }
  NozzleEnds ends;
  for (std::size_t i = 0; i < used; ++i) {
    const float location = s.nozzles[i].location;
    if (location == 2.0f) ends.front_head = true;
    if (location == 8.0f && s.rear_head_code <= 3.0f) ends.rear_head = true;
    if (location == 8.0f && s.rear_head_code > 3.0f) ends.shell_cover = true;
  }
  return ends;
}

// A head or cover needs a cylinder when a nozzle sits on it, or when its type or the pass
// partitions demand one; the U-tube bend sets the smallest bend diameter.
void settle_cylinders_and_u_bend(State& s) {
  const NozzleEnds ends = nozzle_ends(s);
  s.front_cylinder_material = 0.0f;
  s.rear_cylinder_material = 0.0f;
  s.shell_cover_cylinder_material = 0.0f;
  s.min_u_bend_diameter = 0.0f;
  if (s.front_head_code != 2.0f || s.tube_passes > 1.0f || ends.front_head) {
    s.front_cylinder_material = head_material(s);
  }
  if (s.rear_head_code == 1.0f || s.rear_head_code == 3.0f || ends.rear_head) {
    s.rear_cylinder_material = head_material(s);
  }
  if (s.rear_head_code == 6.0f || ends.shell_cover) {
    s.shell_cover_cylinder_material = shell_material(s);
  }
  if (s.rear_head_code == 7.0f) s.min_u_bend_diameter = s.tube_od + wider_pass_lane(s);
}

}  // namespace

void write_mechanical_records(ConversionState& s, KeywordWriter& out) {
  write_rows(kConstructionRecords, s, out);
  lay_out_nozzles(s);
  write_nozzle_table(s, out);
  write_domes(s, out);
  settle_cylinders_and_u_bend(s);
  write_rows(kCylinderAndSupportRecords, s, out);
  write_nozzle_summary(s, out);
}

}  // namespace qalt2morv::mechanical
