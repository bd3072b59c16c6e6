// Shell-side nozzles for each shell type: inlets, outlets and split outlets, their locations
// and angles, and the tube-side nozzles that follow them in the table.
#include <gtest/gtest.h>

#include <string>

#include "nozzle_layout_cases.hpp"

namespace qalt2morv::mechanical::layout_test {
namespace {

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

}  // namespace
}  // namespace qalt2morv::mechanical::layout_test
