// Derivations after decoding: baffle orientation, baffle parity with the U-bend baffle,
// nozzle orientations and tube-field distances, fluid names by hot side, nozzle sizes.
#include "thermal/post_decoding.hpp"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "support/case_table.hpp"
#include "support/deck_builder.hpp"
#include "support/test_files.hpp"

namespace qalt2morv::thermal {
namespace {

using qalt2morv::testing::CaseName;

using testing::set_text;

template <std::size_t N>
std::string as_string(const FixedText<N>& text) {
  return std::string(text.data(), N);
}

struct BaffleOrientationCase {
  const char* name;
  float baffle_type_code;
  float orientation_code;
  float angle;
  float expected;
};

class PostDecodingBaffleOrientation : public ::testing::TestWithParam<BaffleOrientationCase> {};

TEST_P(PostDecodingBaffleOrientation, CodeFollowsAngleAndArrangement) {
  const BaffleOrientationCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->baffle_type_code = c.baffle_type_code;
  s->orientation_code = c.orientation_code;
  s->baffle_cut_angle = c.angle;
  s->baffle_orientation_code = 9.0f;  // a stale value must not survive
  derive_after_decoding(*s);
  EXPECT_EQ(s->baffle_orientation_code, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PostDecoding, PostDecodingBaffleOrientation,
    ::testing::Values(BaffleOrientationCase{"SegmentalTopAngle90", 1, 0, 90, 1},
                      BaffleOrientationCase{"SegmentalTopAngle45", 1, 0, 45, 3},
                      BaffleOrientationCase{"SegmentalTopAngle0", 1, 0, 0, 2},
                      BaffleOrientationCase{"SegmentalBottomAngle90", 1, 2, 90, 1},
                      BaffleOrientationCase{"SideEntryAngle90", 1, 1, 90, 2},
                      BaffleOrientationCase{"SideEntryAngle0", 1, 1, 0, 1},
                      BaffleOrientationCase{"SideEntryAngle45", 3, 1, 45, 3},
                      BaffleOrientationCase{"UnrecognisedAngle", 1, 0, 30, 0},
                      BaffleOrientationCase{"AngleJustOff90", 1, 0, 90.001f, 0},
                      BaffleOrientationCase{"NoBaffleWordCounts", 0, 0, 90, 1},
                      BaffleOrientationCase{"RodBaffle", 5, 1, 90, 2},
                      BaffleOrientationCase{"UnbaffledShell", 4, 0, 90, 0},
                      BaffleOrientationCase{"BaffleCodeAboveRod", 6, 0, 90, 0},
                      BaffleOrientationCase{"UnknownArrangement", 1, 3, 90, 0}),
    CaseName());

// Deck line 58 holds 11.5 and line 59 holds 7.25 in every case.
struct OrientationCase {
  const char* name;
  float shell_type_code;
  float rear_head_code;
  const char* u_bend_baffle;
  float baffle_count;
  float orientation_code;
  float parity;
  std::array<float, 2> shell_orientations;
  std::array<float, 2> tube_orientations;
  float dist_down_from_top;
  float dist_up_from_bottom;
};

class PostDecodingOrientation : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(PostDecodingOrientation, NozzlesAndTubeFieldDistances) {
  const OrientationCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->shell_type_code = c.shell_type_code;
  s->rear_head_code = c.rear_head_code;
  set_text(s->u_bend_baffle, c.u_bend_baffle);
  s->baffle_count = c.baffle_count;
  s->orientation_code = c.orientation_code;
  s->tube_field_distance_1 = 11.5f;
  s->tube_field_distance_2 = 7.25f;
  derive_after_decoding(*s);
  EXPECT_EQ(s->baffle_parity_code, c.parity);
  EXPECT_EQ(s->shell_nozzle_orientations, c.shell_orientations);
  EXPECT_EQ(s->tube_nozzle_orientations, c.tube_orientations);
  EXPECT_EQ(s->dist_down_from_top, c.dist_down_from_top);
  EXPECT_EQ(s->dist_up_from_bottom, c.dist_up_from_bottom);
}

INSTANTIATE_TEST_SUITE_P(
    PostDecoding, PostDecodingOrientation,
    ::testing::Values(
        // E shell, inlet on top: the outlet side follows the baffle parity.
        OrientationCase{"EShellTopEven", 1, 5, "", 6, 0, 2, {1, 3}, {0, 0}, 11.5f, 7.25f},
        OrientationCase{"EShellTopOdd", 1, 5, "", 5, 0, 1, {1, 1}, {0, 0}, 11.5f, 0},
        // A baffle at the U-bend counts only with a U-tube rear head and the exact word.
        OrientationCase{"UBendBaffleMakesEven", 1, 7, "YES", 5, 0, 2, {1, 3}, {0, 0}, 11.5f, 7.25f},
        OrientationCase{"UBendWordWithoutUTube", 1, 5, "YES", 5, 0, 1, {1, 1}, {0, 0}, 11.5f, 0},
        OrientationCase{"UBendWordLeadingBlank", 1, 7, " YES", 5, 0, 1, {1, 1}, {0, 0}, 11.5f, 0},
        OrientationCase{"UBendWordTooLong", 1, 7, "YESS", 5, 0, 1, {1, 1}, {0, 0}, 11.5f, 0},
        OrientationCase{"UBendBaffleMakesOdd", 1, 7, "YES", 6, 0, 1, {1, 1}, {0, 0}, 11.5f, 0},
        OrientationCase{"EShellBottomEven", 1, 5, "", 6, 2, 2, {3, 1}, {0, 0}, 7.25f, 11.5f},
        OrientationCase{"EShellBottomOdd", 1, 5, "", 5, 2, 1, {3, 3}, {0, 0}, 0, 11.5f},
        // F and J shells set the tube nozzles on top; at the bottom only the F shell does.
        OrientationCase{"FShellTop", 2, 5, "", 5, 0, 1, {1, 3}, {3, 1}, 11.5f, 0},
        OrientationCase{"FShellBottom", 2, 5, "", 5, 2, 1, {3, 1}, {1, 3}, 0, 11.5f},
        OrientationCase{"JShellTop", 5, 5, "", 6, 0, 2, {1, 3}, {3, 1}, 11.5f, 7.25f},
        OrientationCase{"JShellBottom", 5, 5, "", 6, 2, 2, {3, 1}, {0, 0}, 7.25f, 11.5f},
        OrientationCase{"GShellTop", 3, 5, "", 5, 0, 1, {1, 3}, {0, 0}, 11.5f, 0},
        OrientationCase{"XShellBottom", 7, 5, "", 5, 2, 1, {3, 1}, {0, 0}, 0, 11.5f},
        OrientationCase{"ShellTypeNotGiven", 0, 0, "", 0, 0, 2, {1, 0}, {0, 0}, 11.5f, 7.25f},
        OrientationCase{"SideEntry", 2, 5, "", 6, 1, 2, {2, 4}, {0, 0}, 0, 0},
        OrientationCase{"UnknownArrangement", 1, 5, "", 6, 3, 2, {0, 0}, {0, 0}, 0, 0}),
    CaseName());

struct FluidNameCase {
  const char* name;
  float shell_inlet_temperature;
  float tube_inlet_temperature;
  bool shell_name_is_hot;
};

class PostDecodingFluidNames : public ::testing::TestWithParam<FluidNameCase> {};

TEST_P(PostDecodingFluidNames, NamesFollowTheHotSide) {
  const FluidNameCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  set_text(s->shell_fluid_name, "CRUDE OIL FROM THE ATMOSPHERIC COLUMN 12");
  set_text(s->tube_fluid_name, "COOLING WATER");
  s->shell_inlet_temperature = c.shell_inlet_temperature;
  s->tube_inlet_temperature = c.tube_inlet_temperature;
  derive_after_decoding(*s);
  const std::string shell = "CRUDE OIL FROM THE A";  // the first 20 of 40 characters
  const std::string tube = "COOLING WATER       ";
  EXPECT_EQ(as_string(s->hot_fluid_name), c.shell_name_is_hot ? shell : tube);
  EXPECT_EQ(as_string(s->cold_fluid_name), c.shell_name_is_hot ? tube : shell);
}

INSTANTIATE_TEST_SUITE_P(PostDecoding, PostDecodingFluidNames,
                         ::testing::Values(FluidNameCase{"ShellHotter", 150, 30, true},
                                           FluidNameCase{"TubeHotter", 30, 150, false},
                                           FluidNameCase{"EqualGoesToTube", 120, 120, false},
                                           FluidNameCase{"BothBlank", 0, 0, false}),
                         CaseName());

struct NozzleSizeCase {
  const char* name;
  float unit_system;
  float inlet_id;
  float outlet_id;
  float inlet_nps;
  float outlet_nps;
};

class PostDecodingNozzleSizes : public ::testing::TestWithParam<NozzleSizeCase> {};

TEST_P(PostDecodingNozzleSizes, ShellNozzlesGetNominalSizes) {
  const NozzleSizeCase& c = GetParam();
  auto s = std::make_unique<ConversionState>();
  s->unit_system = c.unit_system;
  s->shell_inlet_nozzle_id = c.inlet_id;
  s->shell_outlet_nozzle_id = c.outlet_id;
  derive_after_decoding(*s);
  EXPECT_EQ(s->shell_inlet_nozzle_nps, c.inlet_nps);
  EXPECT_EQ(s->shell_outlet_nozzle_nps, c.outlet_nps);
}

INSTANTIATE_TEST_SUITE_P(PostDecoding, PostDecodingNozzleSizes,
                         ::testing::Values(NozzleSizeCase{"UsInches", 1, 10.02f, 6.065f, 10, 6},
                                           NozzleSizeCase{"SiMillimetres", 2, 25.0f, 600, 25.4f,
                                                          609.6f},
                                           NozzleSizeCase{"NoDiameter", 1, 0, 0, 0, 0}),
                         CaseName());

TEST(PostDecodingDeck, DerivesFromTheDeckLines) {
  // A U-tube E shell with 7 baffle spaces (6 baffles) and a U-bend baffle: 7 baffles, odd.
  const std::string deck = testing::build_deck({{19, "AEU"},
                                                {35, "90."},
                                                {36, "SEGMENTAL"},
                                                {38, "7"},
                                                {55, "10.02"},
                                                {56, "6.065"},
                                                {58, "11.5"},
                                                {59, "7.25"},
                                                {150, "40."},
                                                {152, "180."},
                                                {276, "COOLING WATER"},
                                                {277, "STEAM"},
                                                {497, "YES"},
                                                {499, "2"}});
  const auto s = testing::decode_and_derive(deck);
  EXPECT_EQ(s->baffle_orientation_code, 1.0f);
  EXPECT_EQ(s->u_bend_flag, 1.0f);
  EXPECT_EQ(s->baffle_parity_code, 1.0f);
  EXPECT_EQ(s->shell_nozzle_orientations, (std::array<float, 2>{3, 3}));
  EXPECT_EQ(s->dist_up_from_bottom, 11.5f);
  EXPECT_EQ(s->dist_down_from_top, 0.0f);
  EXPECT_EQ(s->tema_class_code, 3.0f);
  EXPECT_EQ(as_string(s->hot_fluid_name), "STEAM               ");
  EXPECT_EQ(as_string(s->cold_fluid_name), "COOLING WATER       ");
  EXPECT_EQ(s->shell_inlet_nozzle_nps, 10.0f);
  EXPECT_EQ(s->shell_outlet_nozzle_nps, 6.0f);
}

}  // namespace
}  // namespace qalt2morv::thermal
