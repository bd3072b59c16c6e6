// Tube-side nozzles: radial or axial by passes and heads, the separate outlet of a condensing
// stream, the additional tube-side nozzles and the slot limit.
#include <gtest/gtest.h>

#include <string>

#include "nozzle_layout_cases.hpp"

namespace qalt2morv::mechanical::layout_test {
namespace {

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
     {In(4, 2, 180), Out(6, 2, 0), In(4, 2, 0), In(4, 2, 270), Out(6, 2, 180), Out(6, 2, 90),
      Out(6, 2, 270)}},
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
     {In(8, 3, 0), In(8, 4, 0), In(8, 5, 0), In(8, 6, 0), In(8, 7, 0), Out(10, 3, 180),
      Out(10, 4, 180), Out(10, 5, 180), Out(10, 6, 180), Out(10, 7, 180), In(4, 2, 180),
      Out(6, 2, 0), Sep(3, 2, 0)}},
    {"OneMoreInletFillsTableOutletsThenDoNotFit",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 5;
       s.tube_split_outlet_nps = 3;
       s.tube_inlet_nozzle_count = 2;
       s.tube_outlet_nozzle_count = 2;
     },
     {In(8, 3, 0), In(8, 4, 0), In(8, 5, 0), In(8, 6, 0), In(8, 7, 0), Out(10, 3, 180),
      Out(10, 4, 180), Out(10, 5, 180), Out(10, 6, 180), Out(10, 7, 180), In(4, 2, 180),
      Out(6, 2, 0), Sep(3, 2, 0), In(4, 2, 0)}},
    {"LargestPatternFillsFourteenSlots",
     [](ConversionState& s) {
       s.shell_type_code = 7;
       s.shell_inlet_nozzle_count = 5;
       s.shell_split_outlet_nps = 4;
       s.tube_split_outlet_nps = 3;
       s.tube_inlet_nozzle_count = 4;
       s.tube_outlet_nozzle_count = 4;
     },
     {In(8, 3, 0), In(8, 4, 0), In(8, 5, 0), In(8, 6, 0), In(8, 7, 0), Out(10, 3, 180),
      Out(10, 4, 180), Out(10, 5, 180), Out(10, 6, 180), Out(10, 7, 180), Sep(4, 7, 180),
      In(4, 2, 180), Out(6, 2, 0), Sep(3, 2, 0)}},
};

INSTANTIATE_TEST_SUITE_P(NozzleLayoutTubeSide, NozzleLayoutTable, ::testing::ValuesIn(kTubeCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace qalt2morv::mechanical::layout_test
