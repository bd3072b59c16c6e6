// Where each nozzle and vapour belt goes on an outline: the x of its location code, the side
// its angle points to, a width from its nominal size against the shell's, kept clear of its
// neighbours.
#pragma once

#include <string>
#include <vector>

#include "entry/drawing_frame.hpp"
#include "entry/nozzle_table.hpp"

namespace qalt2morv::page {

inline constexpr double kNozzleStub = 36.0;  // a nozzle's length out of the outline

enum class Facing { top, bottom, near_side, far_side, axial_front, axial_rear };

struct PlacedNozzle {
  const TableNozzle* nozzle = nullptr;
  Facing facing = Facing::top;
  double x = 0, y = 0;          // where it meets the outline (a circle's centre when end-on)
  double tip_x = 0, tip_y = 0;  // its flange face, where its leader starts
  double width = 0;
  std::string label;  // "A in 8"
};

struct PlacedBelt {
  const TableDome* dome = nullptr;
  double x0 = 0, x1 = 0, top = 0, bottom = 0;
};

std::vector<PlacedBelt> place_belts(const NozzleTables& tables, double shell_diameter,
                                    const Frame& frame);

// The room the radial nozzles of each head need along the axis: the fuller of its two rows
// (those pointing up or seen from the far side, those pointing down or seen from the near
// side), their widths, the gaps between them and the clearance at the ends added up.
// drawn_shell_diameter: the shell's diameter in the drawing.
HeadRoom head_room(const NozzleTables& tables, double shell_diameter, double drawn_shell_diameter);

std::vector<PlacedNozzle> place_nozzles(const NozzleTables& tables, double shell_diameter,
                                        const Frame& frame, const std::vector<PlacedBelt>& belts);

// "inlet", "outlet", "separate outlet" for a function as the keyword file writes it.
std::string function_name(const std::string& function);

// A number as written, or fallback for a blank entry or text.
double number_or(const std::string& written, double fallback);

}  // namespace qalt2morv::page
