// Nozzle layout as a whole: the table of slots filled in order for every case (the cases are
// in shell_nozzles_test.cpp and tube_nozzles_test.cpp), and both tables rebuilt on each call.
#include "mechanical/nozzle_layout.hpp"

#include <gtest/gtest.h>

#include "nozzle_layout_cases.hpp"

namespace qalt2morv::mechanical::layout_test {
namespace {

TEST_P(NozzleLayoutTable, FillsSlotsInOrder) {
  auto s = base_state();
  GetParam().setup(*s);
  lay_out_nozzles(*s);
  expect_table(*s, GetParam().expected);
}

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

}  // namespace
}  // namespace qalt2morv::mechanical::layout_test
