// Mechanical emitter: record order and skip rules, design conditions by hot side, baffle
// cuts, fins, materials, head and shell-cover cylinders and the pass-lane clearance.
#include "mechanical/mechanical_records.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace qalt2morv::mechanical {
namespace {

std::string key_of(const std::string& line) { return line.substr(0, line.find(',')); }

// The output lines whose key is one of keys, in output order.
std::vector<std::string> lines_with_keys(const std::string& text,
                                         const std::vector<std::string>& keys) {
  std::vector<std::string> picked;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    for (const std::string& k : keys) {
      if (key_of(line) == k) picked.push_back(line);
    }
  }
  return picked;
}

std::string emit(ConversionState& s) {
  KeywordWriter out;
  write_mechanical_records(s, out);
  return out.text();
}

// A fresh state: only the constant records, the default materials, the two tube-side
// nozzles the layout always places, and the cylinder indicators are written.
TEST(MechanicalRecords, SparseStateWritesOnlyNonzeroRecordsInOrder) {
  auto s = std::make_unique<ConversionState>();
  EXPECT_EQ(emit(*s),
            "ExchVess,1.000000,0\n"
            "HdFrCovMtl,1.000000,0\n"
            "HdReCovMtl,1.000000,0\n"
            "ShlCylMtl,1.000000,0\n"
            "BafMtl,1.000000,0\n"
            "TshMtl,1.000000,0\n"
            "TSSFlgMtl,1.000000,0\n"
            "SSNozCylMtl,1.000000,0\n"
            "TSNozCylMtl,1.000000,0\n"
            "NozFunctionA-O,0,2\n1.000000, \n2.000000, \n"
            "NozLocA-O,0,2\n2.000000, \n2.000000, \n"
            "NozOriAngA-O,0,1\n180.000000, \n"
            "HdFrCylInd,2.000000,0\n"
            "HdFrCylMtl,1.000000,0\n"
            "HdReCylInd,1.000000,0\n"
            "SupMtl,1.000000,0\n");
}

TEST(MechanicalRecords, NozzleRecordsSitBetweenConstructionAndCylinderRecords) {
  auto s = std::make_unique<ConversionState>();
  s->impingement_protection_code = 2;
  s->shell_type_code = 2;
  s->hot_side_code = 1;
  s->shell_inlet_nozzle_nps = 8;
  s->layout_belt_diameter_1 = 40;
  s->shells_in_series = 1;
  s->shell_split_outlet_nps = 6;
  s->rear_head_code = 1;
  s->tube_passes = 2;
  s->pass_lane_1 = 0.5f;
  const std::vector<std::string> keys = {"ImpProtType",  "NozFunctionA-O",  "NozDomType",
                                         "HdFrCylInd",   "TubeMinUbendDia", "NozSepLVOutHS",
                                         "NozNomDiamSS", "PaPaLaneClr"};
  const std::vector<std::string> lines = lines_with_keys(emit(*s), keys);
  std::vector<std::string> order;
  for (const std::string& l : lines) order.push_back(key_of(l));
  EXPECT_EQ(order,
            (std::vector<std::string>{"ImpProtType", "NozFunctionA-O", "NozDomType", "HdFrCylInd",
                                      "PaPaLaneClr", "NozSepLVOutHS", "NozNomDiamSS"}));
}

struct RecordCase {
  const char* name;
  void (*setup)(ConversionState&);
  std::vector<std::string> keys;      // the records looked at
  std::vector<std::string> expected;  // every line of those records, in output order
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

class MechanicalRecordsTable : public ::testing::TestWithParam<RecordCase> {};

TEST_P(MechanicalRecordsTable, WritesTheseRecords) {
  auto s = std::make_unique<ConversionState>();
  GetParam().setup(*s);
  EXPECT_EQ(lines_with_keys(emit(*s), GetParam().keys), GetParam().expected);
}

const std::vector<std::string> kDesignKeys = {"PresDsgnHS", "PresDsgnCS", "TempDsgnHS",
                                              "TempDsgnCS"};

void design_conditions(ConversionState& s) {
  s.shell_design_pressure = 150;
  s.tube_design_pressure = 300;
  s.shell_design_temperature = 400;
  s.tube_design_temperature = 500;
}

const std::vector<std::string> kCutKeys = {"BafCutPerc",      "BafCut1DblSeg", "BafCut2DblSeg",
                                           "BafCutPercInner", "BafCut1TriSeg", "BafCut2TriSeg",
                                           "BafCut3TriSeg"};

void three_cuts(ConversionState& s) {
  s.baffle_cut = 20.04f;
  s.second_baffle_cut = 40.56f;
  s.third_baffle_cut = 30.0f;
}

const std::vector<std::string> kFinKeys = {"TubeFinDens", "TubeFinHt", "TubeFinThk"};

void fins(ConversionState& s) {
  s.fin_density = 19.8f;
  s.fin_height = 0.0625f;
  s.fin_thickness = 0.012f;
}

const std::vector<std::string> kMaterialKeys = {
    "HdFrCovMtl",  "HdReCovMtl",  "ShlCylMtl",  "BafMtl",    "ShlCovMtl", "ShlCovCylMtl",
    "KetlCylMtl",  "KetlRedMtl",  "TshMtl",     "TubeMtl",   "SSFlgMtl",  "TSSFlgMtl",
    "SSNozCylMtl", "TSNozCylMtl", "HdFrCylMtl", "HdReCylMtl"};

const std::vector<std::string> kCylinderKeys = {"HdFrCylInd", "HdFrCylMtl", "HdReCylMtl",
                                                "HdReCylInd", "ShlCovCylMtl"};

const std::vector<std::string> kLaneKeys = {"PaPaLaneClr", "TubeMinUbendDia"};

const RecordCase kCases[] = {
    {"HotShellDesignConditions",
     [](ConversionState& s) {
       design_conditions(s);
       s.hot_side_code = 1;
     },
     kDesignKeys,
     {"PresDsgnHS,150.000000,0", "PresDsgnCS,300.000000,0", "TempDsgnHS,400.000000,0",
      "TempDsgnCS,500.000000,0"}},
    {"AbsentHotSideActsAsHotShell",
     design_conditions,
     kDesignKeys,
     {"PresDsgnHS,150.000000,0", "PresDsgnCS,300.000000,0", "TempDsgnHS,400.000000,0",
      "TempDsgnCS,500.000000,0"}},
    {"HotTubesDesignConditions",
     [](ConversionState& s) {
       design_conditions(s);
       s.hot_side_code = 2;
     },
     kDesignKeys,
     {"PresDsgnCS,150.000000,0", "PresDsgnHS,300.000000,0", "TempDsgnCS,400.000000,0",
      "TempDsgnHS,500.000000,0"}},

    {"SegmentalCutToOneDecimal",
     [](ConversionState& s) {
       s.baffle_type_code = 1;
       s.baffle_cut = 25.67f;
     },
     kCutKeys,
     {"BafCutPerc,25.600000,0"}},
    {"DoubleSegmentalCuts",
     [](ConversionState& s) {
       three_cuts(s);
       s.baffle_type_code = 2;
     },
     kCutKeys,
     {"BafCut1DblSeg,20.000000,0", "BafCut2DblSeg,40.500000,0", "BafCutPerc,20.000000,0",
      "BafCutPercInner,40.500000,0"}},
    {"FractionalBaffleTypeTruncated",
     [](ConversionState& s) {
       three_cuts(s);
       s.baffle_type_code = 2.7f;
     },
     kCutKeys,
     {"BafCut1DblSeg,20.000000,0", "BafCut2DblSeg,40.500000,0", "BafCutPerc,20.000000,0",
      "BafCutPercInner,40.500000,0"}},
    {"TripleSegmentalCuts",
     [](ConversionState& s) {
       three_cuts(s);
       s.baffle_type_code = 3;
     },
     kCutKeys,
     {"BafCut1TriSeg,20.000000,0", "BafCut2TriSeg,40.500000,0", "BafCut3TriSeg,30.000000,0"}},
    {"OtherBaffleTypeWritesNoCut",
     [](ConversionState& s) {
       three_cuts(s);
       s.baffle_type_code = 4;
     },
     kCutKeys,
     {}},

    {"FinnedTubes",
     [](ConversionState& s) {
       fins(s);
       s.tube_type_code = 2;
     },
     kFinKeys,
     {"TubeFinDens,19.000000,0", "TubeFinHt,0.062500,0", "TubeFinThk,0.012000,0"}},
    {"HighFinTubesWriteNoFinRecord",
     [](ConversionState& s) {
       fins(s);
       s.tube_type_code = 3;
     },
     kFinKeys,
     {}},

    {"TubeMaterialOnTubeSidePartsOnly",
     [](ConversionState& s) {
       s.tube_material_code = 4;
       s.front_head_code = 1;
       s.rear_head_code = 1;
       s.shell_type_code = 1;
     },
     kMaterialKeys,
     {"HdFrCovMtl,4.000000,0", "HdReCovMtl,4.000000,0", "ShlCylMtl,1.000000,0", "BafMtl,1.000000,0",
      "TshMtl,4.000000,0", "TubeMtl,4.000000,0", "TSSFlgMtl,4.000000,0", "SSNozCylMtl,1.000000,0",
      "TSNozCylMtl,4.000000,0", "HdFrCylMtl,4.000000,0", "HdReCylMtl,4.000000,0"}},
    {"UnknownTubeMaterialGivesDefaultHeads",
     [](ConversionState& s) {
       s.tube_material_code = 50;
       s.front_head_code = 2;
       s.rear_head_code = 2;
       s.tube_passes = 2;
     },
     kMaterialKeys,
     {"HdFrCovMtl,1.000000,0", "HdReCovMtl,1.000000,0", "ShlCylMtl,1.000000,0", "BafMtl,1.000000,0",
      "TshMtl,1.000000,0", "TubeMtl,50.000000,0", "TSSFlgMtl,1.000000,0", "SSNozCylMtl,1.000000,0",
      "TSNozCylMtl,1.000000,0", "HdFrCylMtl,1.000000,0"}},
    {"UTubeRearEnd",
     [](ConversionState& s) {
       s.rear_head_code = 7;
       s.tube_passes = 2;
       s.tube_material_code = 4;
     },
     kMaterialKeys,
     {"HdFrCovMtl,4.000000,0", "ShlCylMtl,1.000000,0", "BafMtl,1.000000,0", "ShlCovMtl,1.000000,0",
      "TshMtl,4.000000,0", "TubeMtl,4.000000,0", "SSFlgMtl,1.000000,0", "TSSFlgMtl,4.000000,0",
      "SSNozCylMtl,1.000000,0", "TSNozCylMtl,4.000000,0", "HdFrCylMtl,4.000000,0"}},
    {"PullThroughFloatingHeadWritesShellCoverCylinderTwice",
     [](ConversionState& s) {
       s.rear_head_code = 6;
       s.tube_passes = 2;
     },
     {"ShlCovMtl", "ShlCovCylMtl", "SSFlgMtl"},
     {"ShlCovMtl,1.000000,0", "ShlCovCylMtl,1.000000,0", "SSFlgMtl,1.000000,0",
      "ShlCovCylMtl,1.000000,0"}},
    {"SplitRingFloatingHeadWithoutRearNozzle",
     [](ConversionState& s) {
       s.rear_head_code = 5;
       s.tube_passes = 2;
     },
     {"ShlCovCylMtl"},
     {"ShlCovCylMtl,1.000000,0"}},
    {"KettleMaterials",
     [](ConversionState& s) { s.shell_type_code = 6; },
     {"KetlCylMtl", "KetlRedMtl"},
     {"KetlCylMtl,1.000000,0", "KetlRedMtl,1.000000,0"}},

    {"BonnetFrontOnePassAxialNeedsNoCylinder",
     [](ConversionState& s) {
       s.tube_material_code = 4;
       s.front_head_code = 2;
       s.rear_head_code = 2;
       s.tube_passes = 1;
       s.axial_nozzle_flag = 1;
     },
     kCylinderKeys,
     {"HdFrCylInd,1.000000,0", "HdReCylInd,1.000000,0"}},
    {"BonnetFrontTwoPassesNeedsCylinder",
     [](ConversionState& s) {
       s.tube_material_code = 4;
       s.front_head_code = 2;
       s.rear_head_code = 2;
       s.tube_passes = 2;
       s.axial_nozzle_flag = 1;
     },
     kCylinderKeys,
     {"HdFrCylInd,2.000000,0", "HdFrCylMtl,4.000000,0", "HdReCylInd,1.000000,0"}},
    {"SinglePassSeparateOutletNeedsRearCylinder",
     [](ConversionState& s) {
       s.tube_material_code = 4;
       s.front_head_code = 2;
       s.rear_head_code = 2;
       s.tube_passes = 1;
       s.axial_nozzle_flag = 1;
       s.tube_split_outlet_nps = 3;  // a single pass sends it radially to the rear head
       s.shell_type_code = 2;        // F shell nozzles sit on the shell, not on the heads
     },
     kCylinderKeys,
     {"HdFrCylInd,1.000000,0", "HdReCylMtl,4.000000,0", "HdReCylInd,2.000000,0"}},
    {"RadialNozzlesNeedBothBonnetCylinders",
     [](ConversionState& s) {
       s.tube_material_code = 4;
       s.front_head_code = 2;
       s.rear_head_code = 2;
       s.tube_passes = 1;
     },
     kCylinderKeys,
     {"HdFrCylInd,2.000000,0", "HdFrCylMtl,4.000000,0", "HdReCylMtl,4.000000,0",
      "HdReCylInd,2.000000,0"}},
    {"ChannelRearHeadAlwaysHasCylinder",
     [](ConversionState& s) {
       s.tube_material_code = 4;
       s.front_head_code = 1;
       s.rear_head_code = 3;
       s.tube_passes = 2;
     },
     kCylinderKeys,
     {"HdFrCylInd,2.000000,0", "HdFrCylMtl,4.000000,0", "HdReCylMtl,4.000000,0",
      "HdReCylInd,2.000000,0"}},
    {"OutsidePackedHeadRadialOutletNeedsShellCoverCylinder",
     [](ConversionState& s) {
       s.tube_material_code = 4;
       s.front_head_code = 1;
       s.rear_head_code = 4;
       s.tube_passes = 1;
     },
     kCylinderKeys,
     {"HdFrCylInd,2.000000,0", "HdFrCylMtl,4.000000,0", "HdReCylInd,1.000000,0",
      "ShlCovCylMtl,1.000000,0"}},

    {"UTubeLaneAndBendDiameter",
     [](ConversionState& s) {
       s.rear_head_code = 7;
       s.pass_lane_1 = 0.625f;
       s.pass_lane_2 = 0.5f;
       s.tube_od = 0.75f;
     },
     kLaneKeys,
     {"PaPaLaneClr,0.500000,0", "TubeMinUbendDia,1.375000,0"}},
    {"StraightTubesTakeWiderLane",
     [](ConversionState& s) {
       s.rear_head_code = 5;
       s.pass_lane_1 = 0.5f;
       s.pass_lane_2 = 0.625f;
       s.tube_od = 0.75f;
     },
     kLaneKeys,
     {"PaPaLaneClr,0.625000,0"}},

    {"PipeShellNamedByOutsideDiameter",
     [](ConversionState& s) {
       s.shell_cylinder_id = 23.25f;
       s.shell_cylinder_nps = 24;
     },
     {"ShlID", "ShlOD"},
     {"ShlOD,24.000000,0"}},
    {"RolledShellNamedByInsideDiameter",
     [](ConversionState& s) { s.shell_cylinder_id = 37; },
     {"ShlID", "ShlOD"},
     {"ShlID,37.000000,0"}},
    {"NoExpansionJointCodeOneIsWritten",
     [](ConversionState& s) { s.expansion_joint_code = 1; },
     {"EJInd"},
     {"EJInd,1.000000,0"}},
    {"NegativeExpansionJointCodeNotWritten",
     [](ConversionState& s) { s.expansion_joint_code = -2; },
     {"EJInd"},
     {}},
};

INSTANTIATE_TEST_SUITE_P(MechanicalRules, MechanicalRecordsTable, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace qalt2morv::mechanical
