// The outline as spans, and location codes placed along the axis.
#include "entry/drawing_frame.hpp"

#include <algorithm>
#include <limits>

#include "core/host_codes.hpp"
#include "entry/page_text.hpp"

namespace qalt2morv::page {
namespace {

double along(double x, double x0, double x1, double y0, double y1) {
  if (x1 <= x0) return y0;
  return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

// Halfway between two location codes: the boundary between the places they stand for.
constexpr double midway(float a, float b) { return (code(a) + code(b)) / 2.0; }

}  // namespace

double Frame::top_at(double x) const {
  double top = std::numeric_limits<double>::max();
  for (const OutlineSpan& s : spans) {
    if (x >= s.x0 && x <= s.x1) top = std::min(top, along(x, s.x0, s.x1, s.top0, s.top1));
  }
  return top == std::numeric_limits<double>::max() ? 0.0 : top;
}

double Frame::bottom_at(double x) const {
  double bottom = std::numeric_limits<double>::lowest();
  for (const OutlineSpan& s : spans) {
    if (x >= s.x0 && x <= s.x1)
      bottom = std::max(bottom, along(x, s.x0, s.x1, s.bottom0, s.bottom1));
  }
  return bottom == std::numeric_limits<double>::lowest() ? 0.0 : bottom;
}

double Frame::highest() const {
  double top = furniture_top;
  for (const OutlineSpan& s : spans) top = std::min({top, s.top0, s.top1});
  return top;
}

double Frame::lowest() const {
  double bottom = furniture_bottom;
  for (const OutlineSpan& s : spans) bottom = std::max({bottom, s.bottom0, s.bottom1});
  return bottom;
}

double x_of_location(const Frame& frame, double location) {
  if (location < midway(location::kFrontHeadAxial, location::kFrontHeadCylinder))
    return frame.front_axial_x;
  if (location < code(location::kShellStart)) return frame.front_cylinder_x;
  if (location <= code(location::kShellEnd)) {
    const double share = (location - code(location::kShellStart)) /
                         (code(location::kShellEnd) - code(location::kShellStart));
    return frame.shell_start_x + share * (frame.shell_end_x - frame.shell_start_x);
  }
  if (location < midway(location::kRearEndCylinder, location::kRearEndAxial))
    return frame.rear_cylinder_x;
  return frame.rear_axial_x;
}

}  // namespace qalt2morv::page
