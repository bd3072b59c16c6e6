// The mechanical emitter: the construction records in the host's order, with the nozzle
// layout and the nozzle records in their place. The record list is data: key, value, and
// the condition under which the host expects the record.
#include "mechanical/mechanical_records.hpp"

#include <array>
#include <cmath>
#include <span>
#include <string_view>

#include "core/emission_table.hpp"
#include "mechanical/nozzle_layout.hpp"
#include "mechanical/nozzle_placement.hpp"
#include "mechanical/nozzle_records.hpp"

namespace qalt2morv::mechanical {

namespace {

using State = ConversionState;

using Row = RecordRow<State>;

template <float State::*Field>
float field(const State& s) {
  return s.*Field;
}

float one(const State&) { return 1.0f; }

// Tube-side pressure parts are made of the tube material; an unknown code means the
// default material 1.
float head_material(const State& s) {
  return (s.tube_material_code > 0.0f && s.tube_material_code < 50.0f) ? s.tube_material_code
                                                                       : kDefaultMaterial;
}

// The deck carries no shell material: shell-side parts, baffles included, get material 1.
float shell_material(const State&) { return kDefaultMaterial; }

// The host takes baffle cuts to one decimal, cut toward zero (25.67 % becomes 25.6 %).
float one_decimal(float cut) { return std::trunc(10.0f * cut) / 10.0f; }
float first_cut(const State& s) { return one_decimal(s.baffle_cut); }
float second_cut(const State& s) { return one_decimal(s.second_baffle_cut); }
float third_cut(const State& s) { return one_decimal(s.third_baffle_cut); }

float whole_fin_density(const State& s) { return std::trunc(s.fin_density); }

float front_cylinder_indicator(const State& s) {
  return s.front_cylinder_material > 0.0f ? choice::kYes : choice::kNo;
}
float rear_cylinder_indicator(const State& s) {
  return s.rear_cylinder_material > 0.0f ? choice::kYes : choice::kNo;
}

float wider_pass_lane(const State& s) {
  return s.pass_lane_1 > s.pass_lane_2 ? s.pass_lane_1 : s.pass_lane_2;
}
float narrower_pass_lane(const State& s) {
  return s.pass_lane_1 < s.pass_lane_2 ? s.pass_lane_1 : s.pass_lane_2;
}

// In a U-tube bundle the wider lane is taken up by the bends, so the narrower one is the
// clearance the host checks.
float lane_clearance(const State& s) {
  return u_tube_bundle(s) ? narrower_pass_lane(s) : wider_pass_lane(s);
}

// Deck line 247: 1 (or blank, or absent) puts the hot stream on the shell side.
bool hot_in_tubes(const State& s) { return !hot_side_shell_or_unstated(s); }

template <int Type>
bool baffle_type_is(const State& s) {
  return std::trunc(s.baffle_type_code) == static_cast<float>(Type);
}

bool finned_tubes(const State& s) { return s.tube_type_code == tube_type::kFinned; }
bool rear_head_not_u_tube(const State& s) { return !u_tube_bundle(s); }
bool rear_head_has_shell_cover(const State& s) { return s.rear_head_code >= rear_head::kS; }
bool floating_head(const State& s) { return floating_head_without_channel(s); }
bool kettle(const State& s) { return s.shell_type_code == shell_type::kK; }
bool shell_side_flanged(const State& s) { return rear_end_beyond_packed_head(s); }
// Small shells are pipe and named by their outside diameter; large ones by the inside.
bool shell_named_by_inside(const State& s) { return s.shell_cylinder_id > s.shell_cylinder_nps; }
bool shell_named_by_outside(const State& s) { return !shell_named_by_inside(s); }
bool expansion_joint_given(const State& s) { return s.expansion_joint_code > 0.0f; }

// From the unit system to the kettle diameters and impingement protection.
constexpr auto kConstructionRecords = std::to_array<Row>({
    Row::real("QALTUoM", field<&State::unit_system>),
    Row::real("LocFluidHS", field<&State::hot_side_code>),
    Row::real("ExchPosi", field<&State::position_code>),
    Row::real("ExchVess", one),
    Row::real("TEMAClass", field<&State::tema_class_code>),
    Row::real("HdFrType", field<&State::front_head_code>),
    Row::real("ShlType", field<&State::shell_type_code>),
    Row::real("HdReType", field<&State::rear_head_code>),
    Row::real("TempInSS", field<&State::shell_inlet_temperature>),
    Row::real("TempInTS", field<&State::tube_inlet_temperature>),
    Row::real("TempOutSS", field<&State::shell_outlet_temperature>),
    Row::real("TempOutTS", field<&State::tube_outlet_temperature>),
    Row::real("FilmCoefSS", field<&State::shell_film_coefficient>),
    Row::real("FilmCoefTS", field<&State::tube_film_coefficient>),
    Row::real("ShlMeanMetalTemp", field<&State::shell_metal_temperature>),
    Row::real("TubeMeanMetalTemp", field<&State::tube_metal_temperature>),
    Row::real("DesTempSS", field<&State::shell_design_temperature>),
    Row::real("DesTempTS", field<&State::tube_design_temperature>),
    Row::real("DesPressSS", field<&State::shell_design_pressure>),
    Row::real("DesPressTS", field<&State::tube_design_pressure>),
    Row::real("PresDsgnHS", field<&State::shell_design_pressure>, hot_side_shell_or_unstated),
    Row::real("PresDsgnCS", field<&State::tube_design_pressure>, hot_side_shell_or_unstated),
    Row::real("TempDsgnHS", field<&State::shell_design_temperature>, hot_side_shell_or_unstated),
    Row::real("TempDsgnCS", field<&State::tube_design_temperature>, hot_side_shell_or_unstated),
    Row::real("PresDsgnCS", field<&State::shell_design_pressure>, hot_in_tubes),
    Row::real("PresDsgnHS", field<&State::tube_design_pressure>, hot_in_tubes),
    Row::real("TempDsgnCS", field<&State::shell_design_temperature>, hot_in_tubes),
    Row::real("TempDsgnHS", field<&State::tube_design_temperature>, hot_in_tubes),
    Row::real("TubeOTL", field<&State::otl_diameter>),
    Row::real("OTLDia", field<&State::otl_diameter>),
    Row::real("DistDownFromTop", field<&State::dist_down_from_top>),
    Row::real("DistUpFromBottom", field<&State::dist_up_from_bottom>),
    Row::real("BafType", field<&State::baffle_type_code>),
    Row::real("BafCutPerc", first_cut, baffle_type_is<1>),
    Row::real("BafCut1DblSeg", first_cut, baffle_type_is<2>),
    Row::real("BafCut2DblSeg", second_cut, baffle_type_is<2>),
    Row::real("BafCutPerc", first_cut, baffle_type_is<2>),
    Row::real("BafCutPercInner", second_cut, baffle_type_is<2>),
    Row::real("BafCut1TriSeg", first_cut, baffle_type_is<3>),
    Row::real("BafCut2TriSeg", second_cut, baffle_type_is<3>),
    Row::real("BafCut3TriSeg", third_cut, baffle_type_is<3>),
    Row::real("BafOri", field<&State::baffle_orientation_code>),
    Row::real("BafThk", field<&State::baffle_thickness>),
    Row::real("TubePassLoutType", field<&State::pass_layout_type>),
    Row::real("TubeType", field<&State::tube_type_code>),
    Row::real("TubeFinDens", whole_fin_density, finned_tubes),
    Row::real("TubeFinHt", field<&State::fin_height>, finned_tubes),
    Row::real("TubeFinThk", field<&State::fin_thickness>, finned_tubes),
    Row::real("TshType", field<&State::tubesheet_type_code>),
    Row::real("TubeOD", field<&State::tube_od>),
    Row::real("TubePitch", field<&State::tube_pitch>),
    Row::real("TubePattern", field<&State::tube_layout_angle>),
    Row::real("TubeWallThk", field<&State::tube_wall_thickness>),
    Row::real("HdFrCovMtl", head_material),
    Row::real("HdReCovMtl", head_material, rear_head_not_u_tube),
    Row::real("ShlCylMtl", shell_material),
    Row::real("BafMtl", shell_material),
    Row::real("ShlCovMtl", shell_material, rear_head_has_shell_cover),
    Row::real("ShlCovCylMtl", shell_material, floating_head),
    Row::real("KetlCylMtl", shell_material, kettle),
    Row::real("KetlRedMtl", shell_material, kettle),
    Row::real("TshMtl", head_material),
    Row::real("TubeMtl", field<&State::tube_material_code>),
    Row::real("SSFlgMtl", shell_material, shell_side_flanged),
    Row::real("TSSFlgMtl", head_material),
    Row::real("SSNozCylMtl", shell_material),
    Row::real("TSNozCylMtl", head_material),
    Row::real("ShlCylOD", field<&State::shell_cylinder_nps>),
    Row::real("ShlCylID", field<&State::shell_cylinder_id>),
    Row::real("ShlID", field<&State::shell_cylinder_id>, shell_named_by_inside),
    Row::real("ShlOD", field<&State::shell_cylinder_nps>, shell_named_by_outside),
    Row::real("BafSpc", field<&State::baffle_spacing>),
    Row::real("BafSpcCC", field<&State::baffle_spacing>),
    Row::real("BafSpcIn", field<&State::inlet_baffle_spacing>),
    Row::real("BafSpcOut", field<&State::outlet_baffle_spacing>),
    Row::real("BafNum", field<&State::baffle_count>),
    Row::real("TubeLenInches", field<&State::tube_length_scaled>),
    Row::real("TubeLng", field<&State::tube_length_scaled>),
    Row::real("TubeNum", field<&State::tube_count>),
    Row::real("TubePasses", field<&State::tube_passes>),
    Row::real("TubePassNum", field<&State::tube_passes>),
    Row::real("KetlOD", field<&State::kettle_nps>),
    Row::real("KetlID", field<&State::kettle_id>),
    Row::real("ImpProtType", field<&State::impingement_protection_code>),
});

// After the nozzles: head and shell-cover cylinders, expansion joint, supports, pass lanes.
// "ShlCovCylMtl" appears a second time here on purpose: the host reads both.
constexpr auto kCylinderAndSupportRecords = std::to_array<Row>({
    Row::real("HdFrCylInd", front_cylinder_indicator),
    Row::real("HdFrCylMtl", field<&State::front_cylinder_material>),
    Row::real("HdReCylMtl", field<&State::rear_cylinder_material>),
    Row::real("HdReCylInd", rear_cylinder_indicator),
    Row::real("ShlCovCylMtl", field<&State::shell_cover_cylinder_material>),
    Row::real("EJInd", field<&State::expansion_joint_code>, expansion_joint_given),
    Row::real("SupMtl", one),
    Row::real("PaPaLaneClr", lane_clearance),
    Row::real("TubeMinUbendDia", field<&State::min_u_bend_diameter>),
});

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
    if (location == location::kFrontHeadCylinder) ends.front_head = true;
    if (location == location::kRearEndCylinder && !rear_end_is_shell_cover(s))
      ends.rear_head = true;
    if (location == location::kRearEndCylinder && rear_end_is_shell_cover(s))
      ends.shell_cover = true;
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
  if (s.front_head_code != front_head::kB || s.tube_passes > 1.0f || ends.front_head) {
    s.front_cylinder_material = head_material(s);
  }
  if (s.rear_head_code == rear_head::kL || s.rear_head_code == rear_head::kN || ends.rear_head) {
    s.rear_cylinder_material = head_material(s);
  }
  if (s.rear_head_code == rear_head::kT || ends.shell_cover) {
    s.shell_cover_cylinder_material = shell_material(s);
  }
  if (u_tube_bundle(s)) s.min_u_bend_diameter = s.tube_od + wider_pass_lane(s);
}

}  // namespace

void write_mechanical_records(ConversionState& s, KeywordWriter& out) {
  write_records<State>(kConstructionRecords, s, out);
  lay_out_nozzles(s);
  write_nozzle_table(s, out);
  write_domes(s, out);
  settle_cylinders_and_u_bend(s);
  write_records<State>(kCylinderAndSupportRecords, s, out);
  write_nozzle_summary(s, out);
}

}  // namespace qalt2morv::mechanical
