// What the nozzle-layout tests share: a base exchanger, the slot shorthands and the table of
// expected nozzle slots, instantiated by the shell-side and tube-side case files.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "mechanical/nozzle_layout.hpp"

// Not in an unnamed namespace: the table's test and its instantiations live in different files.
namespace qalt2morv::mechanical::layout_test {

using Setup = void (*)(ConversionState&);

constexpr NozzleSlot In(float diameter, float location, float angle) {
  return {1.0f, diameter, location, angle};
}
constexpr NozzleSlot Out(float diameter, float location, float angle) {
  return {2.0f, diameter, location, angle};
}
constexpr NozzleSlot Sep(float diameter, float location, float angle) {
  return {5.0f, diameter, location, angle};
}

// Shell-side sizes 8 (inlet) and 10 (outlet), tube-side 4 and 6, two tube passes, so the
// tube-side inlet and outlet sit radially on the front head: (4, 2, 180) and (6, 2, 0)
// unless the hot stream is in the tubes.
inline std::unique_ptr<ConversionState> base_state() {
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

inline std::string describe(const NozzleSlot& n) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "(%g, %g, %.7g, %g)", static_cast<double>(n.function),
                static_cast<double>(n.diameter), static_cast<double>(n.location),
                static_cast<double>(n.angle));
  return buf;
}

inline std::string describe(const std::vector<NozzleSlot>& slots) {
  std::string text;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    text += static_cast<char>('A' + i);
    text += ' ' + describe(slots[i]) + '\n';
  }
  return text;
}

inline bool same(const NozzleSlot& a, const NozzleSlot& b) {
  return a.function == b.function && a.diameter == b.diameter && a.location == b.location &&
         a.angle == b.angle;
}

// The whole table must match: the listed slots in order, every later slot empty.
inline void expect_table(const ConversionState& s, const std::vector<NozzleSlot>& expected) {
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

inline void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class NozzleLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

// Spread locations as single precision gives them: 5/6 steps from 2.5 + 5/6.
inline constexpr float kThird = 3.3333333f;
inline constexpr float kTwoThirds = 6.6666665f;

}  // namespace qalt2morv::mechanical::layout_test
