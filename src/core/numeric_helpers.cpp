// Nominal pipe size from a diameter, and rounding to a step with a tolerance for float
// noise. Single precision throughout, so the results match on every platform.
#include "core/numeric_helpers.hpp"

#include <cmath>

namespace qalt2morv {

namespace {

struct PipeRow {
  float outside_diameter;  // inches
  float nominal_size;      // inches
};

// Standard pipe sizes, searched in this order. The 8-inch row carries 8.626 rather than
// 8.625 so that an 8.625 inside diameter still lands on the 8-inch pipe.
constexpr PipeRow kPipeRows[] = {
    {1.315f, 1.0f}, {1.66f, 1.25f},  {1.9f, 1.5f},    {2.375f, 2.0f}, {2.875f, 2.5f},
    {3.5f, 3.0f},   {4.0f, 3.5f},    {4.5f, 4.0f},    {5.563f, 5.0f}, {6.625f, 6.0f},
    {8.626f, 8.0f}, {10.75f, 10.0f}, {12.75f, 12.0f}, {14.0f, 14.0f}, {16.0f, 16.0f},
    {18.0f, 18.0f}, {20.0f, 20.0f},  {22.0f, 22.0f},  {24.0f, 24.0f}, {26.0f, 26.0f},
    {28.0f, 28.0f}, {30.0f, 30.0f},
};

constexpr float kMillimetresPerInch = 25.4f;
constexpr float kRoundingTolerance = 0.00001f;

}  // namespace

float nominal_pipe_size(float diameter, float unit_system) {
  // SI and metric decks give millimetres; the table is in inches.
  const bool millimetres = unit_system >= 2.0f;
  const float c = millimetres ? kMillimetresPerInch : 1.0f;
  const float fallback_offset = millimetres ? 1.0f : 0.5f;

  const float d = diameter / c;
  if (d <= 0.0f) return 0.0f;
  for (const PipeRow& row : kPipeRows) {
    if (row.outside_diameter > d) return c * row.nominal_size;
  }
  // Beyond the table: a rolled shell rather than a pipe, sized a little above the diameter.
  return std::trunc((d + 0.75f) * c + fallback_offset);
}

float round_to_step(float value, float direction, float step) {
  // The tolerance pulls a value that misses a multiple by float noise onto that multiple.
  const float shifted = value - kRoundingTolerance * direction;
  const float lower = step * std::floor(shifted / step);
  const float increment = direction < 0.0f ? 0.0f : step;
  if (shifted > lower) return lower + increment;
  return shifted;
}

}  // namespace qalt2morv
