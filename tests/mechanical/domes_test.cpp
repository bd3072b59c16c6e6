// Vapour-belt domes: a belt over each shell-side nozzle that asks for one, its diameter and
// width, and the three dome records the host names.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "nozzle_layout_cases.hpp"
#include "support/deck_builder.hpp"

namespace qalt2morv::mechanical::layout_test {
namespace {

struct DomeCase {
  const char* name;
  Setup setup;
  std::vector<DomeSlot> expected;
};

void PrintTo(const DomeCase& c, std::ostream* os) { *os << c.name; }

constexpr DomeSlot Belt(float diameter, float location, float width) {
  return {4, 1, 1, diameter, location, width};
}

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
      {248, "30.0"},  // shell diameter
      {251, "3"},     // belts at both shell-side nozzles
      {252, "2.0"},   // belt clearances: belt diameter 30 + 2 x 2
      {284, "2.0"},
      {451, "2"},
      {452, "2"},
  }));
  EXPECT_NE(text.find("NozDomType,0,3\n4.000000, \n4.000000, \n4.000000, \n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("NozDomDia,0,3\n34.000000, \n34.000000, \n34.000000, \n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("NozDomLoc,0,3\n3.000000, \n7.000000, \n5.000000, \n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("NozDomCylMtlC,1.000000,0\n"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(NozzleLayoutBelts, NozzleLayoutDomes, ::testing::ValuesIn(kDomeCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace qalt2morv::mechanical::layout_test
