// Nozzle layout: the nozzle and dome tables built for each shell type, the tube-side rules,
// the additional tube-side nozzles and their slot limit.
#include "mechanical/nozzle_layout.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/deck_builder.hpp"

namespace qalt2morv::mechanical {
namespace {

using Setup = void (*)(ConversionState&);

constexpr NozzleSlot In(float diameter, float location, float angle) { return {1.0f, diameter, location, angle}; }
constexpr NozzleSlot Out(float diameter, float location, float angle) { return {2.0f, diameter, location, angle}; }
constexpr NozzleSlot Sep(float diameter, float location, float angle) { return {5.0f, diameter, location, angle}; }

// Shell-side sizes 8 (inlet) and 10 (outlet), tube-side 4 and 6, two tube passes, so the
// tube-side inlet and outlet sit radially on the front head: (4, 2, 180) and (6, 2, 0)
// unless the hot stream is in the tubes.
std::unique_ptr<ConversionState> base_state() {
  auto s = std::make_unique<ConversionState>();
  s->shell_inlet_nozzle_nps = 8.0f;
  s->shell_outlet_nozzle_nps = 10.0f;
  s->tube_inlet_nozzle_nps = 4.0f;
  s->tube_outlet_nozzle_nps = 6.0f;
  s->tube_passes = 2.0f;
  s->hot_side_code = 1.0f;
  s->flow_arrangement_code = 1.0f;
  s->position_code = 1.0f;
  return s;
}

std::string describe(const NozzleSlot& n) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "(%g, %g, %.7g, %g)", static_cast<double>(n.function),
                static_cast<double>(n.diameter), static_cast<double>(n.location), static_cast<double>(n.angle));
  return buf;
}

std::string describe(const std::vector<NozzleSlot>& slots) {
  std::string text;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    text += static_cast<char>('A' + i);
    text += ' ' + describe(slots[i]) + '\n';
  }
  return text;
}

bool same(const NozzleSlot& a, const NozzleSlot& b) {
  return a.function == b.function && a.diameter == b.diameter && a.location == b.location && a.angle == b.angle;
}

// The whole table must match: the listed slots in order, every later slot empty.
void expect_table(const ConversionState& s, const std::vector<NozzleSlot>& expected) {
  std::vector<NozzleSlot> actual(s.nozzles.begin(), s.nozzles.end());
  std::vector<NozzleSlot> wanted = expected;
  wanted.resize(kNozzleSlots);
  bool equal = true;
  for (std::size_t i = 0; i < actual.size(); ++i) equal = equal && same(actual[i], wanted[i]);
  EXPECT_TRUE(equal) << "expected\n" << describe(wanted) << "actual\n" << describe(actual);
}

struct LayoutCase {
  const char* name;
  Setup setup;
  std::vector<NozzleSlot> expected;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class NozzleLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(NozzleLayoutTable, FillsSlotsInOrder) {
  auto s = base_state();
  GetParam().setup(*s);
  lay_out_nozzles(*s);
  expect_table(*s, GetParam().expected);
}

// Spread locations as single precision gives them: 5/6 steps from 2.5 + 5/6.
constexpr float kThird = 3.3333333f;
constexpr float kTwoThirds = 6.6666665f;

const LayoutCase kShellCases[] = {
    {"XShellThreeInletsHotShell",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 3;
       s.shell_outlet_nozzle_count = 1;  // an X shell has one outlet per inlet
     },
     {In(8, kThird, 0), In(8, 5, 0), In(8, kTwoThirds, 0), Out(10, kThird, 180), Out(10, 5, 180),
      Out(10, kTwoThirds, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"XShellOrientationCodesOverride",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 3;
       s.shell_nozzle_orientations = {2, 4};
     },
     {In(8, kThird, 90), In(8, 5, 90), In(8, kTwoThirds, 90), Out(10, kThird, 270), Out(10, 5, 270),
      Out(10, kTwoThirds, 270), In(4, 2, 180), Out(6, 2, 0)}},
    {"XShellNoCountGivesOnePairColdShell",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.hot_side_code = 2;
     },
     {In(8, 5, 180), Out(10, 5, 0), In(4, 2, 0), Out(6, 2, 180)}},
    {"XShellCountNineLimitedToFive",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 9;
     },
     {In(8, 3, 0), In(8, 4, 0), In(8, 5, 0), In(8, 6, 0), In(8, 7, 0), Out(10, 3, 180), Out(10, 4, 180),
      Out(10, 5, 180), Out(10, 6, 180), Out(10, 7, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"XShellHugeCountLimitedToFive",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 3.0e38f;
     },
     {In(8, 3, 0), In(8, 4, 0), In(8, 5, 0), In(8, 6, 0), In(8, 7, 0), Out(10, 3, 180), Out(10, 4, 180),
      Out(10, 5, 180), Out(10, 6, 180), Out(10, 7, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"XShellFourInlets",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 4.9f;
     },
     {In(8, 3.125f, 0), In(8, 4.375f, 0), In(8, 5.625f, 0), In(8, 6.875f, 0), Out(10, 3.125f, 180),
      Out(10, 4.375f, 180), Out(10, 5.625f, 180), Out(10, 6.875f, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"FShellHotShell", [](ConversionState& s) { s.shell_type_code = 2; },
     {In(8, 3, 0), Out(10, 3, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"GShellColdShell",
     [](ConversionState& s) {
       s.shell_type_code = 3;
       s.hot_side_code = 0;
     },
     {In(8, 5, 180), Out(10, 5, 0), In(4, 2, 180), Out(6, 2, 0)}},
    {"HShellTwoOfEach", [](ConversionState& s) { s.shell_type_code = 4; },
     {In(8, 3.75f, 0), In(8, 6.25f, 0), Out(10, 3.75f, 180), Out(10, 6.25f, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"JShellOneInletCondensingWithSeparateOutlets",
     [](ConversionState& s) {
       s.shell_type_code = 5;
       s.shell_inlet_nozzle_count = 1;
       s.hot_phase_code = 3;
       s.shell_split_outlet_nps = 4;
     },
     {In(8, 5, 0), Out(10, 3, 0), Out(10, 7, 0), Sep(4, 3, 180), Sep(4, 7, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"JShellOutletCodeOverridesCondensingAngle",
     [](ConversionState& s) {
       s.shell_type_code = 5;
       s.shell_inlet_nozzle_count = 1;
       s.hot_phase_code = 3;
       s.shell_split_outlet_nps = 4;
       s.shell_nozzle_orientations = {1, 3};
     },
     {In(8, 5, 0), Out(10, 3, 180), Out(10, 7, 180), Sep(4, 3, 180), Sep(4, 7, 180), In(4, 2, 180),
      Out(6, 2, 0)}},
    {"JShellHotShellWithoutSeparateOutlet",
     [](ConversionState& s) {
       s.shell_type_code = 5;
       s.hot_phase_code = 3;
     },
     {In(8, 5, 0), Out(10, 3, 180), Out(10, 7, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"JShellTwoInletsOneSeparateOutletMidShell",
     [](ConversionState& s) {
       s.shell_type_code = 5;
       s.shell_inlet_nozzle_count = 2;
       s.shell_split_outlet_nps = 4;
     },
     {In(8, 3, 0), In(8, 7, 0), Out(10, 5, 180), Sep(4, 5, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"JShellThreeInletsTwoSeparateOutlets",
     [](ConversionState& s) {
       s.shell_type_code = 5;
       s.shell_inlet_nozzle_count = 3;
       s.shell_split_outlet_nps = 4;
       s.hot_side_code = 2;
     },
     {In(8, 3, 180), In(8, 7, 180), Out(10, 5, 0), Sep(4, 3, 180), Sep(4, 7, 180), In(4, 2, 0),
      Out(6, 2, 180)}},
    {"KShellRemovableBundleOutlets",
     [](ConversionState& s) {
       s.shell_type_code = 6;
       s.rear_head_code = 5;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 2;
     },
     {In(8, 3, 180), Out(10, 5, 0), Out(10, 7, 0), In(4, 2, 180), Out(6, 2, 0)}},
    {"KShellFixedRearHeadSpreadsOutlets",
     [](ConversionState& s) {
       s.shell_type_code = 6;
       s.rear_head_code = 1;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 2;
     },
     {In(8, 3, 180), Out(10, 3.75f, 0), Out(10, 6.25f, 0), In(4, 2, 180), Out(6, 2, 0)}},
    {"KShellThreeOutletsAndSpreadInlets",
     [](ConversionState& s) {
       s.shell_type_code = 6;
       s.rear_head_code = 5;
       s.shell_inlet_nozzle_count = 2;
       s.shell_outlet_nozzle_count = 3;
     },
     {In(8, 3.75f, 180), In(8, 6.25f, 180), Out(10, 5.5f, 0), Out(10, 7, 0), Out(10, 4, 0), In(4, 2, 180),
      Out(6, 2, 0)}},
    {"KShellFourOutletsAndSeparateOutletOnCover",
     [](ConversionState& s) {
       s.shell_type_code = 6;
       s.rear_head_code = 6;
       s.shell_outlet_nozzle_count = 7;
       s.shell_split_outlet_nps = 4;
       s.shell_nozzle_orientations = {2, 4};
     },
     {In(8, 3, 90), Out(10, 5, 270), Out(10, 7, 270), Out(10, 4, 270), Out(10, 6, 270), Sep(4, 8, 180),
      In(4, 2, 180), Out(6, 2, 0)}},
    {"EShellHotInTubesOddBaffleCount",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.hot_side_code = 2;
       s.shell_inlet_nozzle_count = 2;
       s.shell_outlet_nozzle_count = 2;
       s.baffle_orientation_code = 1;
       s.baffle_count = 5;
       s.cold_phase_code = 1;
     },
     {In(8, 7, 180), In(8, 7, 0), Out(10, 3, 180), Out(10, 3, 0), In(4, 2, 0), Out(6, 2, 180)}},
    {"EShellHotInTubesEvenBaffleCount",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.hot_side_code = 2;
       s.shell_inlet_nozzle_count = 2;
       s.shell_outlet_nozzle_count = 2;
       s.baffle_orientation_code = 1;
       s.baffle_count = 6;
       s.cold_phase_code = 1;
     },
     {In(8, 7, 180), In(8, 7, 0), Out(10, 3, 0), Out(10, 3, 180), In(4, 2, 0), Out(6, 2, 180)}},
    {"EShellBoilingColdStreamIgnoresBaffleParity",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.hot_side_code = 2;
       s.flow_arrangement_code = 2;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 1;
       s.baffle_orientation_code = 1;
       s.baffle_count = 5;
       s.cold_phase_code = 3;
     },
     {In(8, 3, 180), Out(10, 7, 0), In(4, 2, 0), Out(6, 2, 180)}},
    {"EShellNoInletOutletTakesSlotA",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.shell_inlet_nozzle_count = 0;
       s.shell_outlet_nozzle_count = 1;
     },
     {Out(10, 3, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"EShellNegativeCountsPlaceNoShellNozzle",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.shell_inlet_nozzle_count = -3;
       s.shell_outlet_nozzle_count = -1.0e38f;
     },
     {In(4, 2, 180), Out(6, 2, 0)}},
    {"EShellGroupsOfFourAndThreeGoRoundTheShell",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.hot_side_code = 2;
       s.shell_inlet_nozzle_count = 6;
       s.shell_outlet_nozzle_count = 3;
     },
     {In(8, 7, 180), In(8, 7, 270), In(8, 7, 0), In(8, 7, 90), Out(10, 3, 0), Out(10, 3, 90), Out(10, 3, 180),
      In(4, 2, 0), Out(6, 2, 180)}},
    {"EShellVerticalCondensingHotShell",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.position_code = 2;
       s.hot_phase_code = 3;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 1;
     },
     // The tube side of a vertical unit with a condensing shell stream enters at the rear.
     {In(8, 3, 0), Out(10, 7, 180), In(4, 8, 180), Out(6, 8, 0)}},
    {"EShellVerticalNozzleEndSettingSwapsEnds",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.position_code = 2;
       s.nozzle_end_setting = 3;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 1;
     },
     {In(8, 3, 0), Out(10, 7, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"EShellVerticalBoilingColdStreamCoCurrent",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.position_code = 2;
       s.flow_arrangement_code = 2;
       s.cold_phase_code = 3;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 1;
     },
     // Vertical with a boiling tube stream: the tube side enters at the rear, leaves in front
     // (outlet turned to 180 by the boiling stream).
     {In(8, 7, 0), Out(10, 3, 180), In(4, 8, 180), Out(6, 2, 180)}},
    {"EShellUTubeSettingMovesRearNozzleOverBends",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.rear_head_code = 7;
       s.u_tube_nozzle_setting = 2;
       s.hot_side_code = 2;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 1;
     },
     {In(8, 7.5f, 180), Out(10, 3, 0), In(4, 2, 0), Out(6, 2, 180)}},
    {"EShellCondensingWithSeparateOutletAtOtherEnd",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.flow_arrangement_code = 2;
       s.hot_phase_code = 3;
       s.shell_split_outlet_nps = 4;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 1;
       s.shell_nozzle_orientations = {2, 0};
     },
     {In(8, 3, 90), Out(10, 7, 0), Sep(4, 7, 180), In(4, 2, 180), Out(6, 2, 0)}},
    {"EShellVerticalCondensingSeparateOutletAxialOnFloatingHead",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.position_code = 2;
       s.hot_phase_code = 3;
       s.rear_head_code = 5;
       s.shell_split_outlet_nps = 4;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 1;
     },
     // On a floating head the radial rear nozzles become axial (9, angle 360).
     {In(8, 3, 0), Out(10, 7, 0), Sep(4, 9, 360), In(4, 9, 360), Out(6, 9, 360)}},
    {"UnknownShellTypePlacesTubeSideFromSlotA",
     [](ConversionState& s) {
       s.shell_type_code = 9;
       s.shell_inlet_nozzle_count = 3;
       s.shell_split_outlet_nps = 4;
     },
     {Sep(4, 3, 180), In(4, 2, 180), Out(6, 2, 0)}},
};

INSTANTIATE_TEST_SUITE_P(NozzleLayoutShellSide, NozzleLayoutTable, ::testing::ValuesIn(kShellCases),
                         [](const auto& p) { return std::string(p.param.name); });

const LayoutCase kTubeCases[] = {
    {"TwoPassesRadial", [](ConversionState&) {}, {In(4, 2, 180), Out(6, 2, 0)}},
    {"OnePassAxial",
     [](ConversionState& s) {
       s.tube_passes = 1;
       s.axial_nozzle_flag = 1;
     },
     {In(4, 1, 360), Out(6, 9, 360)}},
    {"OnePassAxialWithOrientationCodes",
     [](ConversionState& s) {
       s.tube_passes = 1;
       s.axial_nozzle_flag = 1;
       s.tube_nozzle_orientations = {3, 1};
     },
     {In(4, 1, 180), Out(6, 9, 0)}},
    {"FloatingHeadTurnsRadialRearOutletAxial",
     [](ConversionState& s) {
       s.tube_passes = 1;
       s.rear_head_code = 5;
     },
     {In(4, 2, 180), Out(6, 9, 360)}},
    {"UTubeKeepsRearOutletRadial",
     [](ConversionState& s) {
       s.tube_passes = 3;
       s.rear_head_code = 7;
       s.position_code = 2;
       s.hot_phase_code = 3;
     },
     {In(4, 2, 180), Out(6, 8, 0)}},
    {"VerticalCondensingInTubesSeparateOutletBelow",
     [](ConversionState& s) {
       s.position_code = 2;
       s.hot_side_code = 2;
       s.hot_phase_code = 3;
       s.tube_passes = 1;
       s.tube_split_outlet_nps = 3;
       s.rear_head_code = 4;
     },
     {In(4, 2, 0), Out(6, 8, 0), Sep(3, 9, 360)}},
    {"HorizontalSinglePassSeparateOutletAtRear",
     [](ConversionState& s) {
       s.tube_passes = 1;
       s.axial_nozzle_flag = 1;
       s.tube_split_outlet_nps = 3;
     },
     {In(4, 1, 360), Out(6, 9, 360), Sep(3, 8, 180)}},
    {"EvenPassesSeparateOutletOnFrontHead",
     [](ConversionState& s) {
       s.hot_side_code = 2;
       s.hot_phase_code = 3;
       s.tube_split_outlet_nps = 3;
     },
     {In(4, 2, 0), Out(6, 2, 0), Sep(3, 2, 180)}},
    {"VerticalCondensingHotShellOddPasses",
     [](ConversionState& s) {
       s.position_code = 2;
       s.hot_phase_code = 3;
       s.tube_passes = 3;
     },
     {In(4, 8, 180), Out(6, 2, 0)}},
    {"VerticalBoilingTubesAxialEntersFromBelow",
     [](ConversionState& s) {
       s.position_code = 2;
       s.cold_phase_code = 3;
       s.axial_nozzle_flag = 1;
     },
     {In(4, 9, 360), Out(6, 1, 360)}},
    {"AdditionalInletsAndOutlets",
     [](ConversionState& s) {
       s.tube_inlet_nozzle_count = 3;
       s.tube_outlet_nozzle_count = 4;
     },
     {In(4, 2, 180), Out(6, 2, 0), In(4, 2, 0), In(4, 2, 270), Out(6, 2, 180), Out(6, 2, 90), Out(6, 2, 270)}},
    {"AdditionalCountsLimitedToFour",
     [](ConversionState& s) {
       s.tube_inlet_nozzle_count = 1.0e30f;
       s.tube_outlet_nozzle_count = 1;
     },
     {In(4, 2, 180), Out(6, 2, 0), In(4, 2, 0), In(4, 2, 270), In(4, 2, 90)}},
    // Thirteen slots used (five X-shell pairs, tube inlet, outlet and separate outlet): three
    // inlets do not fit, and then the two outlets, which would, are left out too.
    {"InletsThatDoNotFitKeepOutletsOut",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 5;
       s.tube_split_outlet_nps = 3;
       s.tube_inlet_nozzle_count = 3;
       s.tube_outlet_nozzle_count = 2;
     },
     {In(8, 3, 0), In(8, 4, 0), In(8, 5, 0), In(8, 6, 0), In(8, 7, 0), Out(10, 3, 180), Out(10, 4, 180),
      Out(10, 5, 180), Out(10, 6, 180), Out(10, 7, 180), In(4, 2, 180), Out(6, 2, 0), Sep(3, 2, 0)}},
    {"OneMoreInletFillsTableOutletsThenDoNotFit",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 5;
       s.tube_split_outlet_nps = 3;
       s.tube_inlet_nozzle_count = 2;
       s.tube_outlet_nozzle_count = 2;
     },
     {In(8, 3, 0), In(8, 4, 0), In(8, 5, 0), In(8, 6, 0), In(8, 7, 0), Out(10, 3, 180), Out(10, 4, 180),
      Out(10, 5, 180), Out(10, 6, 180), Out(10, 7, 180), In(4, 2, 180), Out(6, 2, 0), Sep(3, 2, 0),
      In(4, 2, 0)}},
    {"LargestPatternFillsFourteenSlots",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 5;
       s.shell_split_outlet_nps = 4;
       s.tube_split_outlet_nps = 3;
       s.tube_inlet_nozzle_count = 4;
       s.tube_outlet_nozzle_count = 4;
     },
     {In(8, 3, 0), In(8, 4, 0), In(8, 5, 0), In(8, 6, 0), In(8, 7, 0), Out(10, 3, 180), Out(10, 4, 180),
      Out(10, 5, 180), Out(10, 6, 180), Out(10, 7, 180), Sep(4, 7, 180), In(4, 2, 180), Out(6, 2, 0),
      Sep(3, 2, 0)}},
};

INSTANTIATE_TEST_SUITE_P(NozzleLayoutTubeSide, NozzleLayoutTable, ::testing::ValuesIn(kTubeCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(NozzleLayout, RebuildsBothTablesFromScratch) {
  auto s = base_state();
  s->shell_type_code = 7;
  s->shell_inlet_nozzle_count = 5;
  s->layout_belt_diameter_1 = 40;
  s->layout_belt_diameter_2 = 40;
  lay_out_nozzles(*s);
  ASSERT_EQ(s->nozzles[11].function, 2.0f);
  ASSERT_EQ(s->domes[1].type, 4.0f);

  s->shell_type_code = 2;
  s->layout_belt_diameter_1 = 0;
  s->layout_belt_diameter_2 = 0;
  lay_out_nozzles(*s);
  expect_table(*s, {In(8, 3, 0), Out(10, 3, 180), In(4, 2, 180), Out(6, 2, 0)});
  for (const DomeSlot& d : s->domes) EXPECT_EQ(d.type, 0.0f);
}

// ---- Vapour-belt domes ----

struct DomeCase {
  const char* name;
  Setup setup;
  std::vector<DomeSlot> expected;
};

void PrintTo(const DomeCase& c, std::ostream* os) { *os << c.name; }

constexpr DomeSlot Belt(float diameter, float location, float width) { return {4, 1, 1, diameter, location, width}; }

class NozzleLayoutDomes : public ::testing::TestWithParam<DomeCase> {};

TEST_P(NozzleLayoutDomes, PlacesBeltsOverTheirNozzles) {
  auto s = base_state();
  GetParam().setup(*s);
  lay_out_nozzles(*s);
  std::vector<DomeSlot> wanted = GetParam().expected;
  wanted.resize(kDomeSlots);
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const DomeSlot& a = s->domes[i];
    const DomeSlot& e = wanted[i];
    EXPECT_EQ(a.type, e.type) << "dome " << i;
    EXPECT_EQ(a.cylinder_material, e.cylinder_material) << "dome " << i;
    EXPECT_EQ(a.material, e.material) << "dome " << i;
    EXPECT_EQ(a.diameter, e.diameter) << "dome " << i;
    EXPECT_EQ(a.location, e.location) << "dome " << i;
    EXPECT_EQ(a.belt_width, e.belt_width) << "dome " << i;
  }
}

const DomeCase kDomeCases[] = {
    {"NoBelt", [](ConversionState& s) { s.shell_type_code = 2; }, {}},
    {"InletBeltDiameterRoundedUpWidthFromNozzle",
     [](ConversionState& s) {
       s.shell_type_code = 2;
       s.layout_belt_diameter_1 = 41.3f;
     },
     {Belt(42, 3, 12)}},
    {"InletBeltEvenDiameterKeptWidthFromDeck",
     [](ConversionState& s) {
       s.shell_type_code = 3;
       s.layout_belt_diameter_1 = 42;
       s.layout_belt_length_1 = 16;
     },
     {Belt(42, 5, 16)}},
    {"OutletBeltOnlyTakesSlotBAndFirstDome",
     [](ConversionState& s) {
       s.shell_type_code = 1;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 1;
       s.layout_belt_diameter_2 = 39;
     },
     {Belt(40, 3, 14)}},
    {"JShellTwoInletsBothBelts",
     [](ConversionState& s) {
       s.shell_type_code = 5;
       s.shell_inlet_nozzle_count = 2;
       s.shell_outlet_nozzle_count = 1;
       s.layout_belt_diameter_1 = 40;
       s.layout_belt_diameter_2 = 44;
       s.layout_belt_length_2 = 20;
     },
     {Belt(40, 3, 12), Belt(40, 7, 12), Belt(44, 5, 20)}},
    {"JShellTwoOfEachBothBeltsDropsFourthDome",
     [](ConversionState& s) {
       s.shell_type_code = 5;
       s.shell_inlet_nozzle_count = 2;
       s.shell_outlet_nozzle_count = 2;
       s.layout_belt_diameter_1 = 40;
       s.layout_belt_diameter_2 = 44;
     },
     {Belt(40, 3, 12), Belt(40, 7, 12), Belt(44, 5, 14)}},
    {"JShellOneInletTwoOutletsBeltOverEachOutlet",
     [](ConversionState& s) {
       s.shell_type_code = 5;
       s.shell_inlet_nozzle_count = 1;
       s.shell_outlet_nozzle_count = 2;
       s.layout_belt_diameter_2 = 44;
     },
     {Belt(44, 3, 14), Belt(44, 7, 14)}},
};

// A J shell with two inlets, two outlets and a belt on each side asks for four domes; the
// host names dome records A to C only, so the keyword file carries the first three.
TEST(NozzleLayout, DeckAskingForFourDomesGetsThree) {
  const std::string text = testing::convert_ok(testing::build_deck({
      {19, "AJS"},
      {248, "30.0"},   // shell diameter
      {251, "3"},      // belts at both shell-side nozzles
      {252, "2.0"},    // belt clearances: belt diameter 30 + 2 x 2
      {284, "2.0"},
      {451, "2"},
      {452, "2"},
  }));
  EXPECT_NE(text.find("NozDomType,0,3\n4.000000, \n4.000000, \n4.000000, \n"), std::string::npos) << text;
  EXPECT_NE(text.find("NozDomDia,0,3\n34.000000, \n34.000000, \n34.000000, \n"), std::string::npos) << text;
  EXPECT_NE(text.find("NozDomLoc,0,3\n3.000000, \n7.000000, \n5.000000, \n"), std::string::npos) << text;
  EXPECT_NE(text.find("NozDomCylMtlC,1.000000,0\n"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(NozzleLayoutBelts, NozzleLayoutDomes, ::testing::ValuesIn(kDomeCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace qalt2morv::mechanical
