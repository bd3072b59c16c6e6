// Heads as schematic shapes. Distances are measured outward from the joint with the shell,
// so one shape serves the front (drawn leftward) and the rear (drawn rightward).
#include "entry/head_shapes.hpp"

#include <algorithm>
#include <cmath>

#include "core/host_codes.hpp"

namespace qalt2morv::page {
namespace {

constexpr double kFlange = 7.0;  // how far a flange stands out of its cylinder

// Draws in distances from the joint: d grows outward, y is measured from the head's axis.
class HeadPen {
 public:
  HeadPen(const HeadPlace& place, SvgBuilder& svg, Frame& frame)
      : p_(place), svg_(svg), frame_(frame) {}

  double x(double d) const { return p_.joint_x + p_.outward * d * p_.stretch; }
  double radius() const { return p_.radius; }

  // A block from d0 to d1, half-height h, that nozzles may stand on.
  void block(double d0, double d1, double h, const char* css_class, bool solid = true) {
    const double xa = std::min(x(d0), x(d1));
    const double xb = std::max(x(d0), x(d1));
    svg_.rect(xa, p_.centre_y - h, xb - xa, 2 * h, css_class);
    if (solid)
      frame_.spans.push_back(
          {xa, xb, p_.centre_y - h, p_.centre_y - h, p_.centre_y + h, p_.centre_y + h});
  }
  // A band across the top and the bottom of a cylinder (packing, lantern ring).
  void bands(double d0, double d1, double h, double thickness, const char* css_class) {
    const double xa = std::min(x(d0), x(d1));
    const double w = std::abs(x(d1) - x(d0));
    svg_.rect(xa, p_.centre_y - h - thickness / 2, w, thickness, css_class);
    svg_.rect(xa, p_.centre_y + h - thickness / 2, w, thickness, css_class);
  }
  // A dished end closing a cylinder of half-height h at d, bulging outward by depth.
  void dished(double d, double depth, double h, const char* css_class, bool solid = true) {
    const int sweep = p_.outward > 0 ? 1 : 0;
    svg_.path(PathData()
                  .move(x(d), p_.centre_y - h)
                  .arc(depth * p_.stretch, h, sweep, x(d), p_.centre_y + h)
                  .close()
                  .str(),
              css_class);
    if (!solid) return;
    // Nozzles on the dish stand on a chord a third of the way out.
    const double xa = std::min(x(d), x(d + depth));
    const double xb = std::max(x(d), x(d + depth));
    frame_.spans.push_back({xa, xb, p_.centre_y - h * 0.75, p_.centre_y - h * 0.75,
                            p_.centre_y + h * 0.75, p_.centre_y + h * 0.75});
  }
  double centre_y() const { return p_.centre_y; }

 private:
  const HeadPlace& p_;
  SvgBuilder& svg_;
  Frame& frame_;
};

// A, L: a channel, flanged to the shell, with a flanged flat cover. C, N (front or rear):
// the channel is integral with the tubesheet; N's cover is not removable either.
DrawnHead channel(HeadPen& pen, bool flanged_joint, bool removable_cover) {
  const double r = pen.radius();
  pen.block(0, 82, r, "outline");
  if (flanged_joint) pen.block(0, 6, r + kFlange, "outline flange");
  if (removable_cover) pen.block(76, 82, r + kFlange, "outline flange");
  pen.block(82, 90, r + kFlange, "outline cover");
  return {pen.x(41), pen.x(90), r * 0.7, pen.x(0), false};
}

// B, M: a short cylinder closed by a dished end.
DrawnHead bonnet(HeadPen& pen) {
  const double r = pen.radius();
  pen.block(0, 50, r, "outline");
  pen.dished(50, 36, r, "outline");
  pen.block(0, 6, r + kFlange, "outline flange");
  return {pen.x(28), pen.x(86), r * 0.5, pen.x(0), false};
}

// D: a thick-walled channel closed by a plug held by a ring.
DrawnHead high_pressure_closure(HeadPen& pen) {
  const double r = pen.radius();
  pen.block(0, 84, r + 12, "outline heavy");
  pen.block(0, 84, r - 6, "bore", false);
  pen.block(70, 92, r - 10, "outline cover");
  pen.bands(76, 84, r - 2, 6, "ring");
  return {pen.x(40), pen.x(92), r * 0.55, pen.x(0), false};
}

// P: the floating tubesheet passes through a packed gland beyond the shell flange and is
// closed by its own dished cover.
DrawnHead outside_packed(HeadPen& pen) {
  const double r = pen.radius();
  const double cover = r * 0.88;
  pen.block(0, 6, r + kFlange, "outline flange");
  pen.block(6, 26, r + 4, "outline packing");
  pen.block(26, 70, cover, "outline");
  pen.block(64, 70, cover + kFlange, "outline flange");
  pen.dished(70, 30, cover, "outline");
  pen.block(14, 20, cover, "tubesheet", false);
  return {pen.x(47), pen.x(100), cover * 0.5, pen.x(14), false};
}

// S and T: a shell cover, larger than the shell, enclosing the floating head: with a split
// backing ring (S), or a floating head as large as the shell (T).
DrawnHead floating_head(HeadPen& pen, bool backing_device) {
  const double r = pen.radius();
  const double cover = backing_device ? r + 8 : r + 14;
  const double floating = backing_device ? r * 0.78 : r * 0.94;
  pen.block(0, 6, cover + kFlange, "outline flange");
  pen.block(6, 62, cover, "outline");
  pen.dished(62, 36, cover, "outline");
  pen.block(22, 28, floating, "inner");
  pen.dished(28, 18, floating, "inner", false);
  if (backing_device) pen.bands(16, 22, floating, 6, "ring");
  return {pen.x(44), pen.x(98), cover * 0.5, pen.x(22), false};
}

// U: a dished shell cover over the U-bends; no rear tubesheet.
DrawnHead u_tube_cover(HeadPen& pen) {
  const double r = pen.radius();
  pen.block(0, 6, r + kFlange, "outline flange");
  pen.block(6, 56, r, "outline");
  pen.dished(56, 36, r, "outline");
  return {pen.x(31), pen.x(92), r * 0.5, pen.x(30), true};
}

// W: a short channel; the floating tubesheet is sealed by lantern ring packing.
DrawnHead lantern_ring(HeadPen& pen) {
  DrawnHead head = channel(pen, true, true);
  pen.bands(10, 22, pen.radius(), 10, "packing");
  pen.block(14, 19, pen.radius() - 4, "tubesheet", false);
  head.bundle_end_x = pen.x(14);
  head.cylinder_x = pen.x(50);
  return head;
}

}  // namespace

DrawnHead draw_front_head(float code, const HeadPlace& place, SvgBuilder& svg, Frame& frame) {
  HeadPen pen(place, svg, frame);
  if (code == front_head::kB) return bonnet(pen);
  if (code == front_head::kC) return channel(pen, false, true);
  if (code == front_head::kN) return channel(pen, false, false);
  if (code == front_head::kD) return high_pressure_closure(pen);
  return channel(pen, true, true);
}

DrawnHead draw_rear_head(float code, const HeadPlace& place, SvgBuilder& svg, Frame& frame) {
  HeadPen pen(place, svg, frame);
  if (code == rear_head::kM) return bonnet(pen);
  if (code == rear_head::kN) return channel(pen, false, false);
  if (code == rear_head::kP) return outside_packed(pen);
  if (code == rear_head::kS) return floating_head(pen, true);
  if (code == rear_head::kT) return floating_head(pen, false);
  if (code == rear_head::kU) return u_tube_cover(pen);
  if (code == rear_head::kW) return lantern_ring(pen);
  return channel(pen, true, true);
}

}  // namespace qalt2morv::page
