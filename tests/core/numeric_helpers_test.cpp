// Nominal pipe size and step rounding: table rows, unit handling, the fallback beyond the
// table and the rounding tolerance.
#include "core/numeric_helpers.hpp"

#include <gtest/gtest.h>

namespace qalt2morv {
namespace {

constexpr float kUs = 1.0f;
constexpr float kSi = 2.0f;
constexpr float kMetric = 3.0f;

struct PipeCase {
  float diameter;
  float unit_system;
  float expected;
};

TEST(NumericHelpersPipeSize, InchDiametersLandOnTheRowAboveThem) {
  const PipeCase cases[] = {
      {1.049f, kUs, 1.0f},   {1.315f, kUs, 1.25f},  // equal to a row's outside diameter: next row
      {1.5f, kUs, 1.25f},    {6.065f, kUs, 6.0f},  {8.625f, kUs, 8.0f},  // the 8-inch row is 8.626
      {8.626f, kUs, 10.0f},  {13.25f, kUs, 14.0f}, {16.0f, kUs, 18.0f},
      {29.0f, kUs, 30.0f},   {0.5f, 0.0f, 1.0f},  // no unit code counts as inches
      {10.02f, 1.5f, 10.0f},                      // below 2 is still inches
  };
  for (const PipeCase& c : cases) {
    EXPECT_EQ(nominal_pipe_size(c.diameter, c.unit_system), c.expected)
        << c.diameter << " unit " << c.unit_system;
  }
}

TEST(NumericHelpersPipeSize, BeyondTheTableIsAWholeNumberAboveTheDiameter) {
  const PipeCase cases[] = {
      {30.0f, kUs, 31.0f},     {36.0f, kUs, 37.0f},   {42.5f, kUs, 43.0f},
      {1000.0f, kSi, 1020.0f}, {762.0f, kSi, 782.0f}, {914.4f, kMetric, 934.0f},
  };
  for (const PipeCase& c : cases) {
    EXPECT_EQ(nominal_pipe_size(c.diameter, c.unit_system), c.expected)
        << c.diameter << " unit " << c.unit_system;
  }
}

TEST(NumericHelpersPipeSize, MillimetreDiametersGiveMillimetreSizes) {
  const PipeCase cases[] = {
      {25.0f, kSi, 25.4f},      // row 1
      {33.4f, kMetric, 25.4f},  // just under 1.315 in
      {40.0f, kSi, 31.75f},     // 1.25 in
      {600.0f, kSi, 609.6f},    // 24 in
  };
  for (const PipeCase& c : cases) {
    EXPECT_FLOAT_EQ(nominal_pipe_size(c.diameter, c.unit_system), c.expected) << c.diameter;
  }
}

TEST(NumericHelpersPipeSize, NoDiameterGivesNoSize) {
  for (float unit : {0.0f, kUs, kSi, kMetric}) {
    EXPECT_EQ(nominal_pipe_size(0.0f, unit), 0.0f);
    EXPECT_EQ(nominal_pipe_size(-3.0f, unit), 0.0f);
  }
}

struct StepCase {
  float value;
  float direction;
  float step;
  float expected;
};

TEST(NumericHelpersRoundToStep, RoundsWithATolerancePerDirection) {
  const StepCase cases[] = {
      {153.2f, 1.0f, 10.0f, 160.0f},
      {159.9f, 1.0f, 10.0f, 160.0f},
      {160.0f, 1.0f, 10.0f, 160.0f},
      {160.001f, 1.0f, 10.0f, 170.0f},
      {160.00001f, 1.0f, 10.0f, 160.0f},  // one float step above: within the tolerance
      {160.00001f, 0.0f, 10.0f, 170.0f},  // direction 0 has no tolerance
      {-49.9f, -1.0f, 10.0f, -50.0f},
      {-40.0f, -1.0f, 10.0f, -40.0f},
      {25.0f, -1.0f, 10.0f, 20.0f},
      {-40.00001f, -1.0f, 10.0f, -40.0f},  // one float step below: within the tolerance
      {-40.0001f, -1.0f, 10.0f, -50.0f},
      {3.0f, 0.0f, 2.0f, 4.0f},
      {4.0f, 0.0f, 2.0f, 4.0f},
      {4.001f, 0.0f, 2.0f, 6.0f},
  };
  for (const StepCase& c : cases) {
    EXPECT_EQ(round_to_step(c.value, c.direction, c.step), c.expected)
        << c.value << " direction " << c.direction << " step " << c.step;
  }
}

}  // namespace
}  // namespace qalt2morv
