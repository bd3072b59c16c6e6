// The elevation of an air-cooled exchanger's bay: the tube bundle between its two headers,
// a line per tube row, and the fans below it (forced draft) or above it (induced draft).
#pragma once

#include <string>

#include "entry/drawing_frame.hpp"
#include "entry/svg_builder.hpp"

namespace qalt2morv::page {

struct AirCoolerCounts {
  int tube_rows = 0;
  int fans_per_bay = 0;
  bool induced_draft = false;
};

// Draws the bay into svg; the headers take the tube-side nozzles (1 and 2 on the inlet
// header at the left, 8 and 9 on the return header at the right).
Frame draw_air_cooler(const AirCoolerCounts& counts, SvgBuilder& svg);

}  // namespace qalt2morv::page
