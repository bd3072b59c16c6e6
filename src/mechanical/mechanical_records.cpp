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
// A state field as a record's value, named after the field.
#define FIELD_VALUE(member) field<&State::member>, #member

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
bool segmental_baffles(const State& s) { return baffle_type_is<1>(s); }
bool double_segmental_baffles(const State& s) { return baffle_type_is<2>(s); }
bool triple_segmental_baffles(const State& s) { return baffle_type_is<3>(s); }

bool finned_tubes(const State& s) { return s.tube_type_code == tube_type::kFinned; }
bool rear_head_not_u_tube(const State& s) { return !u_tube_bundle(s); }
bool kettle(const State& s) { return s.shell_type_code == shell_type::kK; }
// Small shells are pipe and named by their outside diameter; large ones by the inside.
bool shell_named_by_inside(const State& s) { return s.shell_cylinder_id > s.shell_cylinder_nps; }
bool shell_named_by_outside(const State& s) { return !shell_named_by_inside(s); }
bool expansion_joint_given(const State& s) { return s.expansion_joint_code > 0.0f; }

// From the unit system to the kettle diameters and impingement protection.
constexpr auto kConstructionRecords = std::to_array<Row>({
    Row::real("QALTUoM", FIELD_VALUE(unit_system)),
    Row::real("LocFluidHS", FIELD_VALUE(hot_side_code)),
    Row::real("ExchPosi", FIELD_VALUE(position_code)),
    Row::real("ExchVess", NAMED(one)),
    Row::real("TEMAClass", FIELD_VALUE(tema_class_code)),
    Row::real("HdFrType", FIELD_VALUE(front_head_code)),
    Row::real("ShlType", FIELD_VALUE(shell_type_code)),
    Row::real("HdReType", FIELD_VALUE(rear_head_code)),
    Row::real("TempInSS", FIELD_VALUE(shell_inlet_temperature)),
    Row::real("TempInTS", FIELD_VALUE(tube_inlet_temperature)),
    Row::real("TempOutSS", FIELD_VALUE(shell_outlet_temperature)),
    Row::real("TempOutTS", FIELD_VALUE(tube_outlet_temperature)),
    Row::real("FilmCoefSS", FIELD_VALUE(shell_film_coefficient)),
    Row::real("FilmCoefTS", FIELD_VALUE(tube_film_coefficient)),
    Row::real("ShlMeanMetalTemp", FIELD_VALUE(shell_metal_temperature)),
    Row::real("TubeMeanMetalTemp", FIELD_VALUE(tube_metal_temperature)),
    Row::real("DesTempSS", FIELD_VALUE(shell_design_temperature)),
    Row::real("DesTempTS", FIELD_VALUE(tube_design_temperature)),
    Row::real("DesPressSS", FIELD_VALUE(shell_design_pressure)),
    Row::real("DesPressTS", FIELD_VALUE(tube_design_pressure)),
    Row::real("PresDsgnHS", FIELD_VALUE(shell_design_pressure), NAMED(hot_side_shell_or_unstated)),
    Row::real("PresDsgnCS", FIELD_VALUE(tube_design_pressure), NAMED(hot_side_shell_or_unstated)),
    Row::real("TempDsgnHS", FIELD_VALUE(shell_design_temperature),
              NAMED(hot_side_shell_or_unstated)),
    Row::real("TempDsgnCS", FIELD_VALUE(tube_design_temperature),
              NAMED(hot_side_shell_or_unstated)),
    Row::real("PresDsgnCS", FIELD_VALUE(shell_design_pressure), NAMED(hot_in_tubes)),
    Row::real("PresDsgnHS", FIELD_VALUE(tube_design_pressure), NAMED(hot_in_tubes)),
    Row::real("TempDsgnCS", FIELD_VALUE(shell_design_temperature), NAMED(hot_in_tubes)),
    Row::real("TempDsgnHS", FIELD_VALUE(tube_design_temperature), NAMED(hot_in_tubes)),
    Row::real("TubeOTL", FIELD_VALUE(otl_diameter)),
    Row::real("OTLDia", FIELD_VALUE(otl_diameter)),
    Row::real("DistDownFromTop", FIELD_VALUE(dist_down_from_top)),
    Row::real("DistUpFromBottom", FIELD_VALUE(dist_up_from_bottom)),
    Row::real("BafType", FIELD_VALUE(baffle_type_code)),
    Row::real("BafCutPerc", NAMED(first_cut), NAMED(segmental_baffles)),
    Row::real("BafCut1DblSeg", NAMED(first_cut), NAMED(double_segmental_baffles)),
    Row::real("BafCut2DblSeg", NAMED(second_cut), NAMED(double_segmental_baffles)),
    Row::real("BafCutPerc", NAMED(first_cut), NAMED(double_segmental_baffles)),
    Row::real("BafCutPercInner", NAMED(second_cut), NAMED(double_segmental_baffles)),
    Row::real("BafCut1TriSeg", NAMED(first_cut), NAMED(triple_segmental_baffles)),
    Row::real("BafCut2TriSeg", NAMED(second_cut), NAMED(triple_segmental_baffles)),
    Row::real("BafCut3TriSeg", NAMED(third_cut), NAMED(triple_segmental_baffles)),
    Row::real("BafOri", FIELD_VALUE(baffle_orientation_code)),
    Row::real("BafThk", FIELD_VALUE(baffle_thickness)),
    Row::real("TubePassLoutType", FIELD_VALUE(pass_layout_type)),
    Row::real("TubeType", FIELD_VALUE(tube_type_code)),
    Row::real("TubeFinDens", NAMED(whole_fin_density), NAMED(finned_tubes)),
    Row::real("TubeFinHt", FIELD_VALUE(fin_height), NAMED(finned_tubes)),
    Row::real("TubeFinThk", FIELD_VALUE(fin_thickness), NAMED(finned_tubes)),
    Row::real("TshType", FIELD_VALUE(tubesheet_type_code)),
    Row::real("TubeOD", FIELD_VALUE(tube_od)),
    Row::real("TubePitch", FIELD_VALUE(tube_pitch)),
    Row::real("TubePattern", FIELD_VALUE(tube_layout_angle)),
    Row::real("TubeWallThk", FIELD_VALUE(tube_wall_thickness)),
    Row::real("HdFrCovMtl", NAMED(head_material)),
    Row::real("HdReCovMtl", NAMED(head_material), NAMED(rear_head_not_u_tube)),
    Row::real("ShlCylMtl", NAMED(shell_material)),
    Row::real("BafMtl", NAMED(shell_material)),
    Row::real("ShlCovMtl", NAMED(shell_material), NAMED(rear_end_beyond_packed_head)),
    Row::real("ShlCovCylMtl", NAMED(shell_material), NAMED(floating_head_without_channel)),
    Row::real("KetlCylMtl", NAMED(shell_material), NAMED(kettle)),
    Row::real("KetlRedMtl", NAMED(shell_material), NAMED(kettle)),
    Row::real("TshMtl", NAMED(head_material)),
    Row::real("TubeMtl", FIELD_VALUE(tube_material_code)),
    Row::real("SSFlgMtl", NAMED(shell_material), NAMED(rear_end_beyond_packed_head)),
    Row::real("TSSFlgMtl", NAMED(head_material)),
    Row::real("SSNozCylMtl", NAMED(shell_material)),
    Row::real("TSNozCylMtl", NAMED(head_material)),
    Row::real("ShlCylOD", FIELD_VALUE(shell_cylinder_nps)),
    Row::real("ShlCylID", FIELD_VALUE(shell_cylinder_id)),
    Row::real("ShlID", FIELD_VALUE(shell_cylinder_id), NAMED(shell_named_by_inside)),
    Row::real("ShlOD", FIELD_VALUE(shell_cylinder_nps), NAMED(shell_named_by_outside)),
    Row::real("BafSpc", FIELD_VALUE(baffle_spacing)),
    Row::real("BafSpcCC", FIELD_VALUE(baffle_spacing)),
    Row::real("BafSpcIn", FIELD_VALUE(inlet_baffle_spacing)),
    Row::real("BafSpcOut", FIELD_VALUE(outlet_baffle_spacing)),
    Row::real("BafNum", FIELD_VALUE(baffle_count)),
    Row::real("TubeLenInches", FIELD_VALUE(tube_length_scaled)),
    Row::real("TubeLng", FIELD_VALUE(tube_length_scaled)),
    Row::real("TubeNum", FIELD_VALUE(tube_count)),
    Row::real("TubePasses", FIELD_VALUE(tube_passes)),
    Row::real("TubePassNum", FIELD_VALUE(tube_passes)),
    Row::real("KetlOD", FIELD_VALUE(kettle_nps)),
    Row::real("KetlID", FIELD_VALUE(kettle_id)),
    Row::real("ImpProtType", FIELD_VALUE(impingement_protection_code)),
});

// After the nozzles: head and shell-cover cylinders, expansion joint, supports, pass lanes.
// "ShlCovCylMtl" appears a second time here on purpose: the host reads both.
constexpr auto kCylinderAndSupportRecords = std::to_array<Row>({
    Row::real("HdFrCylInd", NAMED(front_cylinder_indicator)),
    Row::real("HdFrCylMtl", FIELD_VALUE(front_cylinder_material)),
    Row::real("HdReCylMtl", FIELD_VALUE(rear_cylinder_material)),
    Row::real("HdReCylInd", NAMED(rear_cylinder_indicator)),
    Row::real("ShlCovCylMtl", FIELD_VALUE(shell_cover_cylinder_material)),
    Row::real("EJInd", FIELD_VALUE(expansion_joint_code), NAMED(expansion_joint_given)),
    Row::real("SupMtl", NAMED(one)),
    Row::real("PaPaLaneClr", NAMED(lane_clearance)),
    Row::real("TubeMinUbendDia", FIELD_VALUE(min_u_bend_diameter)),
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

template <class Rows>
std::vector<RecordDescription> describe_rows(const Rows& rows) {
  std::vector<RecordDescription> described;
  for (const Row& row : rows) described.push_back(describe(row));
  return described;
}

MechanicalRecordList describe_mechanical_records() {
  return {describe_rows(kConstructionRecords), describe_nozzle_table(), describe_domes(),
          describe_rows(kCylinderAndSupportRecords), describe_nozzle_summary()};
}

}  // namespace qalt2morv::mechanical
