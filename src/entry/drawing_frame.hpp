// Where the parts of a drawn exchanger are: the x of each nozzle location code along the
// axis, and the outline's top and bottom at any x, so that nozzles stand on the outline.
#pragma once

#include <vector>

namespace qalt2morv::page {

// The drawing's width in SVG units; heights follow from what is drawn.
inline constexpr double kDrawingWidth = 1000.0;

// A stretch of the outline between x0 and x1 whose top and bottom run straight from
// (x0, top0) to (x1, top1) and from (x0, bottom0) to (x1, bottom1); y grows downward.
struct OutlineSpan {
  double x0 = 0, x1 = 0;
  double top0 = 0, top1 = 0;
  double bottom0 = 0, bottom1 = 0;
};

struct Frame {
  double front_axial_x = 0;     // outer face of the front head (location 1)
  double front_cylinder_x = 0;  // middle of the front head cylinder (location 2)
  double shell_start_x = 0;     // location 2.5
  double shell_end_x = 0;       // location 7.5
  double rear_cylinder_x = 0;   // middle of the rear end cylinder (location 8)
  double rear_axial_x = 0;      // outer face of the rear end (location 9)
  double front_axis_y = 0;      // centre of the front cover, where axial nozzles sit
  double rear_axis_y = 0;       // centre of the rear cover (a kettle's is above the axis)
  double front_cover_half = 0;  // half the height of the cover that takes axial nozzles
  double rear_cover_half = 0;
  double shell_diameter = 0;               // the shell's diameter in SVG units, for nozzle widths
  double left = 0, right = kDrawingWidth;  // the outline's extent along x
  std::vector<OutlineSpan> spans;
  // What is drawn beyond the outline that labels must clear (an air cooler's fans).
  double furniture_top = 0, furniture_bottom = 0;

  double top_at(double x) const;     // the outline's top at x (the highest one)
  double bottom_at(double x) const;  // the outline's bottom at x (the lowest one)
  double highest() const;            // the smallest y of the outline and furniture
  double lowest() const;             // the largest y of the outline and furniture
};

// How much of the axis the radial nozzles on each head need side by side, in drawing units;
// a head shorter than that is drawn longer.
struct HeadRoom {
  double front = 0;
  double rear = 0;
};

// The x of a location code: 1 and 9 at the outer faces, 2 and 8 on the head cylinders,
// 2.5 to 7.5 in proportion along the shell. Between those points it takes the nearest.
double x_of_location(const Frame& frame, double location);

}  // namespace qalt2morv::page
