// How the drawing reads the nozzle table: which side each slot belongs to, where a location
// code stands along the axis, which way an angle points, and that crowded nozzles and labels
// never stand on one another.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "core/host_codes.hpp"
#include "entry/drawing_frame.hpp"
#include "entry/exchanger_outline.hpp"
#include "entry/label_row.hpp"
#include "entry/nozzle_placement.hpp"
#include "entry/nozzle_table.hpp"
#include "entry/svg_builder.hpp"
#include "support/case_table.hpp"

namespace qalt2morv::page {
namespace {

// A table from (function, location, angle) triples as the keyword file writes them.
NozzleTables table(const std::vector<std::vector<std::string>>& slots) {
  NozzleTables t;
  char slot = 'A';
  for (const auto& s : slots) t.nozzles.push_back({slot++, s[0], "6.000000", s[1], s[2]});
  assign_sides(t.nozzles);
  return t;
}

std::string sides(const NozzleTables& t) {
  std::string s;
  for (const TableNozzle& n : t.nozzles) s += n.side == Side::shell ? 'S' : 'T';
  return s;
}

const std::string kIn = "1.000000", kOut = "2.000000", kSep = "5.000000";

struct SideCase {
  std::string name;
  std::vector<std::vector<std::string>> slots;  // function, location, angle
  std::string sides;
};

// Failures name the case, not its bytes.
void PrintTo(const SideCase& c, std::ostream* os) { *os << c.name; }

class NozzleSides : public ::testing::TestWithParam<SideCase> {};

TEST_P(NozzleSides, FollowTheOrderTheLayoutFillsTheSlots) {
  EXPECT_EQ(sides(table(GetParam().slots)), GetParam().sides);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, NozzleSides,
    ::testing::Values(
        SideCase{"EShellThenTwoPassTubeSide",
                 {{kIn, "7.000000", ""},
                  {kOut, "3.000000", ""},
                  {kIn, "2.000000", "180.000000"},
                  {kOut, "2.000000", ""}},
                 "SSTT"},
        // A kettle's separate outlet on the rear end cylinder is still the shell's.
        SideCase{"KettleSeparateOutletOnTheRearEnd",
                 {{kIn, "3.000000", "180.000000"},
                  {kOut, "5.000000", ""},
                  {kOut, "7.000000", ""},
                  {kSep, "8.000000", "180.000000"},
                  {kIn, "2.000000", "180.000000"},
                  {kOut, "2.000000", ""}},
                 "SSSSTT"},
        // A vertical unit's separate outlet axial at the rear, then an axial tube inlet.
        SideCase{"VerticalSeparateOutletAxialAtTheRear",
                 {{kIn, "3.000000", ""},
                  {kOut, "7.000000", "180.000000"},
                  {kSep, "9.000000", "360.000000"},
                  {kIn, "9.000000", "360.000000"},
                  {kOut, "1.000000", "360.000000"}},
                 "SSSTT"},
        // The tube side's own separate outlet comes after its inlet and is the tubes'.
        SideCase{"TubeSideSeparateOutletOnTheRearEnd",
                 {{kIn, "3.000000", ""},
                  {kOut, "7.000000", "180.000000"},
                  {kIn, "2.000000", "180.000000"},
                  {kOut, "8.000000", ""},
                  {kSep, "8.000000", "180.000000"}},
                 "SSTTT"},
        SideCase{"DividedFlowWithTwoSeparateOutlets",
                 {{kIn, "5.000000", ""},
                  {kOut, "3.000000", "180.000000"},
                  {kOut, "7.000000", "180.000000"},
                  {kSep, "3.000000", "180.000000"},
                  {kSep, "7.000000", "180.000000"},
                  {kIn, "2.000000", "180.000000"},
                  {kOut, "2.000000", ""}},
                 "SSSSSTT"},
        SideCase{
            "NoShellSideNozzles", {{kIn, "2.000000", "180.000000"}, {kOut, "2.000000", ""}}, "TT"},
        SideCase{"OverTheUBends",
                 {{kIn, "7.500000", ""},
                  {kOut, "3.000000", "180.000000"},
                  {kIn, "2.000000", "180.000000"},
                  {kOut, "2.000000", ""}},
                 "SSTT"}),
    testing::CaseName());

Frame a_frame() {
  SvgBuilder svg;
  return draw_shell_and_tube({front_head::kA, shell_type::kE, rear_head::kS}, HeadRoom{}, svg);
}

TEST(LocationAlongTheAxis, EachCodeHasItsPlaceInOrder) {
  const Frame f = a_frame();
  EXPECT_EQ(x_of_location(f, 1.0), f.front_axial_x);
  EXPECT_EQ(x_of_location(f, 2.0), f.front_cylinder_x);
  EXPECT_EQ(x_of_location(f, 2.5), f.shell_start_x);
  EXPECT_EQ(x_of_location(f, 5.0), (f.shell_start_x + f.shell_end_x) / 2);
  EXPECT_EQ(x_of_location(f, 7.5), f.shell_end_x);
  EXPECT_EQ(x_of_location(f, 8.0), f.rear_cylinder_x);
  EXPECT_EQ(x_of_location(f, 9.0), f.rear_axial_x);
  EXPECT_LT(f.front_axial_x, f.front_cylinder_x);
  EXPECT_LT(f.front_cylinder_x, f.shell_start_x);
  EXPECT_LT(f.shell_end_x, f.rear_cylinder_x);
  EXPECT_LT(f.rear_cylinder_x, f.rear_axial_x);
}

TEST(NozzlePlacement, AnglesPointToTheirSides) {
  const Frame f = a_frame();
  const NozzleTables t = table({{kIn, "3.000000", ""},
                                {kOut, "7.000000", "180.000000"},
                                {kIn, "5.000000", "90.000000"},
                                {kOut, "5.000000", "270.000000"},
                                {kIn, "1.000000", "360.000000"},
                                {kOut, "9.000000", "360.000000"}});
  const std::vector<PlacedNozzle> p = place_nozzles(t, 0.0, f, {});
  ASSERT_EQ(p.size(), 6u);
  EXPECT_EQ(p[0].facing, Facing::top);  // a blank angle is 0
  EXPECT_LT(p[0].tip_y, p[0].y);
  EXPECT_EQ(p[1].facing, Facing::bottom);
  EXPECT_GT(p[1].tip_y, p[1].y);
  EXPECT_EQ(p[2].facing, Facing::near_side);
  EXPECT_EQ(p[3].facing, Facing::far_side);
  EXPECT_EQ(p[4].facing, Facing::axial_front);
  EXPECT_LT(p[4].tip_x, p[4].x);
  EXPECT_EQ(p[5].facing, Facing::axial_rear);
  EXPECT_GT(p[5].tip_x, p[5].x);
  EXPECT_LT(p[0].x, p[1].x);  // 3 before 7
  EXPECT_EQ(p[0].label, "A in 6");
}

TEST(NozzlePlacement, CrowdedNozzlesStandApartInSlotOrder) {
  // Five nozzles on top of the front head cylinder and two near-side ones beside them.
  const Frame f = a_frame();
  std::vector<std::vector<std::string>> slots(5, {kIn, "2.000000", ""});
  slots.push_back({kOut, "2.000000", "90.000000"});
  slots.push_back({kOut, "2.000000", "180.000000"});
  const std::vector<PlacedNozzle> p = place_nozzles(table(slots), 0.0, f, {});
  for (std::size_t i = 1; i < 5; ++i) {
    EXPECT_GE(p[i].x - p[i - 1].x, (p[i].width + p[i - 1].width) / 2) << i;
  }
  EXPECT_GE(std::abs(p[6].x - p[5].x), (p[5].width + p[6].width) / 2);
  for (const PlacedNozzle& n : p) {
    EXPECT_GE(n.x - n.width / 2, f.left);
    EXPECT_LE(n.x + n.width / 2, f.right);
  }
}

// A head carrying more radial nozzles than its own proportions hold is drawn longer, so that
// they stand on the head and none is pushed over the tubesheet onto the shell.
TEST(NozzlePlacement, ACrowdedHeadIsDrawnLongEnoughToHoldItsNozzles) {
  struct Case {
    const char* name;
    const char* location;
    float front, shell, rear;
  };
  const Case cases[] = {
      {"channel, front", "2.000000", front_head::kA, shell_type::kE, rear_head::kS},
      {"bonnet, front, kettle", "2.000000", front_head::kB, shell_type::kK, rear_head::kU},
      {"floating head, rear", "8.000000", front_head::kA, shell_type::kE, rear_head::kT},
  };
  for (const Case& c : cases) {
    std::vector<std::vector<std::string>> slots(3, {kIn, c.location, ""});
    slots.push_back({kOut, c.location, "180.000000"});
    NozzleTables t = table(slots);
    for (TableNozzle& n : t.nozzles) n.diameter = "24.000000";  // half the shell's 48
    SvgBuilder svg;
    const Frame plain = draw_shell_and_tube({c.front, c.shell, c.rear}, HeadRoom{}, svg);
    const HeadRoom room = head_room(t, 48.0, kDrawnShellDiameter);
    const Frame f = draw_shell_and_tube({c.front, c.shell, c.rear}, room, svg);
    const bool front = std::string(c.location) == "2.000000";
    EXPECT_GT(front ? plain.front_axial_x - f.front_axial_x : f.rear_axial_x - plain.rear_axial_x,
              0.0)
        << c.name << ": the head is longer";
    for (const PlacedNozzle& n : place_nozzles(t, 48.0, f, {})) {
      if (front) {
        EXPECT_LE(n.x + n.width / 2, f.shell_start_x) << c.name << " " << n.label;
        EXPECT_GE(n.x - n.width / 2, f.front_axial_x) << c.name << " " << n.label;
      } else {
        EXPECT_GE(n.x - n.width / 2, f.shell_end_x) << c.name << " " << n.label;
        EXPECT_LE(n.x + n.width / 2, f.rear_axial_x) << c.name << " " << n.label;
      }
    }
  }
  // Nozzles along the shell or axial ones ask no room of a head.
  const HeadRoom none = head_room(table({{kIn, "5.000000", ""}, {kOut, "1.000000", "360.000000"}}),
                                  48.0, kDrawnShellDiameter);
  EXPECT_EQ(none.front, 0.0);
  EXPECT_EQ(none.rear, 0.0);
}

TEST(NozzlePlacement, NozzlesStandOnTheirBelt) {
  const Frame f = a_frame();
  NozzleTables t = table({{kIn, "3.000000", ""}});
  t.domes.push_back({'A', "3.000000", "50.000000", "14.000000"});
  const std::vector<PlacedBelt> belts = place_belts(t, 44.0, f);
  ASSERT_EQ(belts.size(), 1u);
  EXPECT_LT(belts[0].top, f.top_at(x_of_location(f, 3.0)));
  EXPECT_EQ(place_nozzles(t, 44.0, f, belts)[0].y, belts[0].top);
}

struct RowCase {
  std::string name;
  std::vector<RowLabel> labels;
};

// Failures name the case, not its bytes.
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class LabelRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(LabelRow, KeepsOrderRoomAndTheEdges) {
  const auto& labels = GetParam().labels;
  const std::vector<double> c = spread_in_row(labels, 4.0, 996.0, 10.0);
  ASSERT_EQ(c.size(), labels.size());
  for (std::size_t i = 0; i < c.size(); ++i) {
    EXPECT_GE(c[i] - labels[i].width / 2, 4.0 - 1e-9) << i;
    EXPECT_LE(c[i] + labels[i].width / 2, 996.0 + 1e-9) << i;
    if (i > 0) {
      EXPECT_GE(c[i] - c[i - 1], (labels[i].width + labels[i - 1].width) / 2 + 10 - 1e-9);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LabelRow,
    ::testing::Values(RowCase{"FarApartStayPut", {{100, 50}, {500, 50}}},
                      RowCase{"AllAtOnePoint", {{300, 60}, {300, 60}, {300, 80}, {300, 60}}},
                      RowCase{"CrowdedAtTheLeftEdge", {{0, 90}, {2, 90}, {5, 90}}},
                      RowCase{"CrowdedAtTheRightEdge", {{990, 90}, {995, 90}, {1000, 90}}}),
    testing::CaseName());

TEST(LabelRow, ALabelWithRoomStaysOverWhatItNames) {
  const std::vector<double> c = spread_in_row({{100, 50}, {500, 50}}, 4.0, 996.0, 10.0);
  EXPECT_EQ(c, (std::vector<double>{100, 500}));
}

}  // namespace
}  // namespace qalt2morv::page
