// An air cooler's bay, schematic: the bundle's rows as lines, headers as boxes, each fan as a
// ring seen edge-on with its hub and drive, in a plenum between the fans and the bundle.
#include "entry/air_cooler_outline.hpp"

#include <algorithm>

namespace qalt2morv::page {
namespace {

constexpr double kBundleStart = 220.0;
constexpr double kBundleEnd = 780.0;
constexpr double kHeader = 50.0;      // a header box's length along the bay
constexpr double kBundleHalf = 36.0;  // half the bundle's depth
constexpr double kHeaderHalf = 46.0;  // half a header box's depth
constexpr double kFanOffset = 74.0;   // from the bundle's face to the fan ring
constexpr int kMostRowsDrawn = 12;    // more rows than this are drawn as this many
constexpr int kMostFansDrawn = 6;

void draw_rows(int rows, SvgBuilder& svg) {
  const int drawn = std::clamp(rows, 1, kMostRowsDrawn);
  const double step = 2 * kBundleHalf / (drawn + 1);
  for (int i = 1; i <= drawn; ++i) {
    const double y = -kBundleHalf + step * i;
    svg.line(kBundleStart, y, kBundleEnd, y, "tubes");
  }
}

// side: -1 fans above the bundle (induced draft), +1 below (forced draft).
void draw_fans(int fans, double side, SvgBuilder& svg) {
  if (fans <= 0) return;  // a file without fans draws none
  const int drawn = std::min(fans, kMostFansDrawn);
  const double pitch = (kBundleEnd - kBundleStart) / drawn;
  const double ring_y = side * (kBundleHalf + kFanOffset);
  const double face_y = side * kBundleHalf;
  for (int i = 0; i < drawn; ++i) {
    const double cx = kBundleStart + pitch * (i + 0.5);
    const double half = std::min(pitch * 0.38, 90.0);
    svg.path(PathData()
                 .move(cx - pitch * 0.48, face_y)
                 .line(cx - half, ring_y)
                 .move(cx + pitch * 0.48, face_y)
                 .line(cx + half, ring_y)
                 .str(),
             "plenum");
    svg.ellipse(cx, ring_y, half, 7, "fan");
    svg.circle(cx, ring_y, 5, "outline");
    svg.line(cx, ring_y, cx, ring_y + side * 22, "shaft");
    svg.rect(cx - 9, ring_y + side * 22 - (side < 0 ? 14 : 0), 18, 14, "outline");
  }
}

}  // namespace

Frame draw_air_cooler(const AirCoolerCounts& counts, SvgBuilder& svg) {
  Frame f;
  f.shell_start_x = kBundleStart;
  f.shell_end_x = kBundleEnd;
  f.front_axial_x = kBundleStart - kHeader;
  f.front_cylinder_x = kBundleStart - kHeader / 2;
  f.rear_cylinder_x = kBundleEnd + kHeader / 2;
  f.rear_axial_x = kBundleEnd + kHeader;
  f.front_cover_half = f.rear_cover_half = kHeaderHalf * 0.6;
  f.shell_diameter = 2 * kHeaderHalf;
  f.left = f.front_axial_x;
  f.right = f.rear_axial_x;

  const double side = counts.induced_draft ? -1.0 : 1.0;
  draw_fans(counts.fans_per_bay, side, svg);
  svg.rect(kBundleStart, -kBundleHalf, kBundleEnd - kBundleStart, 2 * kBundleHalf, "outline");
  draw_rows(counts.tube_rows, svg);
  svg.rect(f.front_axial_x, -kHeaderHalf, kHeader, 2 * kHeaderHalf, "outline header");
  svg.rect(kBundleEnd, -kHeaderHalf, kHeader, 2 * kHeaderHalf, "outline header");
  f.spans.push_back(
      {f.front_axial_x, kBundleStart, -kHeaderHalf, -kHeaderHalf, kHeaderHalf, kHeaderHalf});
  f.spans.push_back(
      {kBundleStart, kBundleEnd, -kBundleHalf, -kBundleHalf, kBundleHalf, kBundleHalf});
  f.spans.push_back(
      {kBundleEnd, f.rear_axial_x, -kHeaderHalf, -kHeaderHalf, kHeaderHalf, kHeaderHalf});
  const double fan_reach = kBundleHalf + kFanOffset + 36.0;
  if (counts.induced_draft) {
    f.furniture_top = -fan_reach;
  } else {
    f.furniture_bottom = fan_reach;
  }
  return f;
}

}  // namespace qalt2morv::page
