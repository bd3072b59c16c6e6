// The shell between the heads: a plain cylinder, with longitudinal baffles for F, G and H,
// and for K a small cylinder over the tubesheet widening by an eccentric cone to the kettle.
#include "entry/exchanger_outline.hpp"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/host_codes.hpp"
#include "entry/head_shapes.hpp"

namespace qalt2morv::page {
namespace {

constexpr double kRadius = kDrawnShellDiameter / 2;  // the shell's radius
constexpr double kKettleRadius = 102.0;              // the kettle's enlarged shell
constexpr double kShellStart = 240.0;                // the front tubesheet
constexpr double kShellEnd = 760.0;                  // the shell's rear flange

struct PartName {
  float code;
  std::string_view letter;
  std::string_view words;
};

constexpr PartName kFrontHeads[] = {{front_head::kA, "A", "channel with a flat cover"},
                                    {front_head::kB, "B", "bonnet"},
                                    {front_head::kC, "C", "channel integral with the tubesheet"},
                                    {front_head::kN, "N", "channel integral, fixed bundle"},
                                    {front_head::kD, "D", "high-pressure closure"}};
constexpr PartName kShells[] = {
    {shell_type::kE, "E", "one-pass shell"}, {shell_type::kF, "F", "two-pass shell"},
    {shell_type::kG, "G", "split flow"},     {shell_type::kH, "H", "double split flow"},
    {shell_type::kJ, "J", "divided flow"},   {shell_type::kK, "K", "kettle"},
    {shell_type::kX, "X", "cross flow"}};
constexpr PartName kRearHeads[] = {{rear_head::kL, "L", "fixed tubesheet, flat cover"},
                                   {rear_head::kM, "M", "fixed tubesheet, bonnet"},
                                   {rear_head::kN, "N", "fixed tubesheet, integral"},
                                   {rear_head::kP, "P", "outside-packed floating head"},
                                   {rear_head::kS, "S", "floating head with backing device"},
                                   {rear_head::kT, "T", "pull-through floating head"},
                                   {rear_head::kU, "U", "U-tube bundle"},
                                   {rear_head::kW, "W", "externally sealed floating tubesheet"}};

template <std::size_t N>
std::string caption(const PartName (&names)[N], float code) {
  for (const PartName& n : names) {
    if (n.code == code) return std::string(n.letter) + ": " + std::string(n.words);
  }
  return "?";
}

void add_span(Frame& f, double x0, double x1, double top0, double top1, double bottom) {
  f.spans.push_back({x0, x1, top0, top1, bottom, bottom});
}

// The kettle: over the tubesheet the shell's own diameter, then an eccentric cone (flush at
// the bottom) up to the larger diameter that leaves vapour space above the bundle.
void draw_kettle(SvgBuilder& svg, Frame& f) {
  const double neck_end = kShellStart + 24;
  const double cone_end = neck_end + 44;
  const double top = kRadius - 2 * kKettleRadius;
  svg.path(PathData()
               .move(kShellStart, -kRadius)
               .line(neck_end, -kRadius)
               .line(cone_end, top)
               .line(kShellEnd, top)
               .line(kShellEnd, kRadius)
               .line(kShellStart, kRadius)
               .close()
               .str(),
           "outline");
  add_span(f, kShellStart, neck_end, -kRadius, -kRadius, kRadius);
  add_span(f, neck_end, cone_end, -kRadius, top, kRadius);
  add_span(f, cone_end, kShellEnd, top, top, kRadius);
}

// Longitudinal baffles, seen edge-on along the axis.
void draw_baffles(float shell, SvgBuilder& svg) {
  const double mid = (kShellStart + kShellEnd) / 2;
  const double quarter = (kShellEnd - kShellStart) / 4;
  if (shell == shell_type::kF) svg.line(kShellStart + 3, 0, kShellEnd - 60, 0, "baffle");
  if (shell == shell_type::kG) svg.line(mid - 80, 0, mid + 80, 0, "baffle");
  if (shell == shell_type::kH) {
    svg.line(kShellStart + quarter - 60, 0, kShellStart + quarter + 60, 0, "baffle");
    svg.line(kShellEnd - quarter - 60, 0, kShellEnd - quarter + 60, 0, "baffle");
  }
}

// Two tubes stand for the bundle, from the front tubesheet to where the rear head ends them.
void draw_bundle(const DrawnHead& rear, SvgBuilder& svg) {
  const double y = kRadius * 0.5;
  PathData tubes;
  tubes.move(kShellStart, -y).line(rear.bundle_end_x, -y);
  if (rear.u_bends) {
    tubes.arc(y, y, 1, rear.bundle_end_x, y);
  } else {
    tubes.move(rear.bundle_end_x, y);
  }
  tubes.line(kShellStart, y);
  svg.path(tubes.str(), "tubes");
}

// A head drawn as long as its nozzles need: its length at its own proportions is measured
// with a drawing that is thrown away, then it is drawn stretched to at least room.
template <typename DrawHead>
DrawnHead draw_head_with_room(DrawHead draw, HeadPlace place, double room, SvgBuilder& svg,
                              Frame& f) {
  SvgBuilder scratch_svg;
  Frame scratch_frame;
  const double length = std::abs(draw(place, scratch_svg, scratch_frame).axial_x - place.joint_x);
  constexpr double kLongestStretch = 4.0;
  if (length > 0) place.stretch = std::clamp(room / length, 1.0, kLongestStretch);
  return draw(place, svg, f);
}

}  // namespace

Frame draw_shell_and_tube(const TemaCodes& codes, const HeadRoom& room, SvgBuilder& svg) {
  Frame f;
  f.shell_start_x = kShellStart;
  f.shell_end_x = kShellEnd;
  f.shell_diameter = 2 * kRadius;
  const bool kettle = codes.shell == shell_type::kK;
  if (kettle) {
    draw_kettle(svg, f);
  } else {
    svg.rect(kShellStart, -kRadius, kShellEnd - kShellStart, 2 * kRadius, "outline");
    add_span(f, kShellStart, kShellEnd, -kRadius, -kRadius, kRadius);
  }
  draw_baffles(codes.shell, svg);

  const DrawnHead front = draw_head_with_room(
      [&](const HeadPlace& place, SvgBuilder& out, Frame& frame) {
        return draw_front_head(codes.front, place, out, frame);
      },
      {kShellStart, -1, 0, kRadius}, room.front, svg, f);
  const double rear_radius = kettle ? kKettleRadius : kRadius;
  const double rear_centre = kettle ? kRadius - kKettleRadius : 0.0;
  const DrawnHead rear = draw_head_with_room(
      [&](const HeadPlace& place, SvgBuilder& out, Frame& frame) {
        return draw_rear_head(codes.rear, place, out, frame);
      },
      {kShellEnd, 1, rear_centre, rear_radius}, room.rear, svg, f);
  draw_bundle(rear, svg);
  svg.rect(kShellStart - 3, -kRadius - 4, 6, 2 * kRadius + 8, "tubesheet");
  if (!rear.u_bends && rear.bundle_end_x == kShellEnd)
    svg.rect(kShellEnd - 3, -kRadius - 4, 6, 2 * kRadius + 8, "tubesheet");

  f.front_axial_x = front.axial_x;
  f.front_cylinder_x = front.cylinder_x;
  f.front_cover_half = front.cover_half;
  f.rear_cylinder_x = rear.cylinder_x;
  f.rear_axial_x = rear.axial_x;
  f.rear_cover_half = rear.cover_half;
  f.rear_axis_y = rear_centre;
  f.left = front.axial_x;
  f.right = rear.axial_x;
  return f;
}

std::string front_head_caption(float code) { return caption(kFrontHeads, code); }
std::string shell_caption(float code) { return caption(kShells, code); }
std::string rear_head_caption(float code) { return caption(kRearHeads, code); }

}  // namespace qalt2morv::page
