// Nozzles and belts as SVG: each nozzle a group carrying its slot's values from the keyword
// file, coloured by side, with an arrow for its function and a label on a leader line. The
// labels of nozzles pointing up (or away) share a row above the drawing, those pointing down
// (or toward the viewer) and the belts' a row below; axial nozzles are labelled beside them.
#include "entry/nozzle_drawing.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/host_codes.hpp"
#include "entry/label_row.hpp"
#include "entry/nozzle_placement.hpp"
#include "entry/page_text.hpp"

namespace qalt2morv::page {
namespace {

constexpr double kRowClearance = 36.0;  // from the outermost point drawn to a row's baseline
constexpr double kKneeClearance = 6.0;  // from the outermost point drawn to the leaders' knees
constexpr double kTextHeight = 12.0;
constexpr double kFlangeThickness = 5.0;

struct LabelSpot {
  double x = 0, y = 0;  // centre of the text's baseline
  double width = 0;
  bool placed = false;
};

const char* side_class(const TableNozzle& n) {
  return n.side == Side::shell ? "nozzle shell-side" : "nozzle tube-side";
}

bool in_top_row(Facing f) { return f == Facing::top || f == Facing::far_side; }
bool in_bottom_row(Facing f) { return f == Facing::bottom || f == Facing::near_side; }

// The outward direction of a nozzle that sticks out of the outline.
void outward(Facing f, double& dx, double& dy) {
  dx = f == Facing::axial_front ? -1 : f == Facing::axial_rear ? 1 : 0;
  dy = f == Facing::top ? -1 : f == Facing::bottom ? 1 : 0;
}

void draw_arrow(const PlacedNozzle& p, SvgBuilder& svg) {
  double dx = 0, dy = 0;
  outward(p.facing, dx, dy);
  if (number_or(p.nozzle->function, 0.0) == code(nozzle_function::kInlet)) {
    dx = -dx;
    dy = -dy;
  }
  const double cx = (p.x + p.tip_x) / 2, cy = (p.y + p.tip_y) / 2;
  const double s = std::clamp(p.width * 0.3, 3.0, 6.0);
  svg.path(PathData()
               .move(cx + dx * s, cy + dy * s)
               .line(cx - dx * s - dy * s, cy - dy * s + dx * s)
               .line(cx - dx * s + dy * s, cy - dy * s - dx * s)
               .close()
               .str(),
           "flow");
}

void draw_body(const PlacedNozzle& p, SvgBuilder& svg) {
  const double w = p.width, t = kFlangeThickness;
  switch (p.facing) {
    case Facing::top:
      svg.rect(p.x - w / 2, p.tip_y + t, w, p.y - p.tip_y - t, "body");
      svg.rect(p.x - w / 2 - 4, p.tip_y, w + 8, t, "body");
      break;
    case Facing::bottom:
      svg.rect(p.x - w / 2, p.y, w, p.tip_y - t - p.y, "body");
      svg.rect(p.x - w / 2 - 4, p.tip_y - t, w + 8, t, "body");
      break;
    case Facing::axial_front:
      svg.rect(p.tip_x + t, p.y - w / 2, p.x - p.tip_x - t, w, "body");
      svg.rect(p.tip_x, p.y - w / 2 - 4, t, w + 8, "body");
      break;
    case Facing::axial_rear:
      svg.rect(p.x, p.y - w / 2, p.tip_x - t - p.x, w, "body");
      svg.rect(p.tip_x - t, p.y - w / 2 - 4, t, w + 8, "body");
      break;
    case Facing::near_side:
      svg.circle(p.x, p.y, w / 2, "body");
      svg.circle(p.x, p.y, 2.5, "marker");  // toward the viewer: the arrow's point
      return;
    case Facing::far_side: {
      svg.circle(p.x, p.y, w / 2, "body");
      const double c = std::max(2.5, w / 2 * 0.6);  // away from the viewer: the arrow's tail
      svg.line(p.x - c, p.y - c, p.x + c, p.y + c, "marker-line");
      svg.line(p.x - c, p.y + c, p.x + c, p.y - c, "marker-line");
      return;
    }
  }
  draw_arrow(p, svg);
}

std::string nozzle_attributes(const TableNozzle& n) {
  return " data-slot=\"" + std::string(1, n.slot) + "\" data-function=\"" + escaped(n.function) +
         "\" data-diameter=\"" + escaped(n.diameter) + "\" data-location=\"" + escaped(n.location) +
         "\" data-angle=\"" + escaped(n.angle) + "\"";
}

std::string nozzle_title(const TableNozzle& n) {
  std::string t = std::string(1, n.slot) + ": " +
                  (n.side == Side::shell ? "shell-side " : "tube-side ") +
                  function_name(n.function);
  t += ", nominal size " + (n.diameter.empty() ? std::string("blank") : short_number(n.diameter));
  t += ", location " + (n.location.empty() ? std::string("blank") : short_number(n.location));
  t += ", angle " + (n.angle.empty() ? std::string("0") : short_number(n.angle));
  return escaped(t);
}

// Labels of one row, spread in the order of what they name; returns the spots by index.
void spread_row(const std::vector<double>& anchors, const std::vector<std::size_t>& texts_length,
                const std::vector<std::size_t>& owners, double y, double left, double right,
                std::vector<LabelSpot>& spots) {
  std::vector<std::size_t> order(anchors.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return anchors[a] < anchors[b]; });
  std::vector<RowLabel> row;
  for (const std::size_t i : order) row.push_back({anchors[i], label_width(texts_length[i])});
  const std::vector<double> centres = spread_in_row(row, left, right, 10.0);
  for (std::size_t k = 0; k < order.size(); ++k)
    spots[owners[order[k]]] = {centres[k], y, row[k].width, true};
}

struct Row {
  std::vector<double> anchors;
  std::vector<std::size_t> lengths;
  std::vector<std::size_t> owners;  // index into nozzles, then belts after them
  void add(double x, std::size_t length, std::size_t owner) {
    anchors.push_back(x);
    lengths.push_back(length);
    owners.push_back(owner);
  }
};

// A belt's leader leaves it near its front edge, clear of the nozzle standing on its middle.
double belt_leader_x(const PlacedBelt& b) { return b.x0 + std::min(5.0, (b.x1 - b.x0) / 4); }

std::string belt_label(const TableDome& d) { return std::string("belt ") + d.slot; }

// A leader runs straight out of the drawing to a knee beyond everything drawn, then across
// to its label: the nozzles stand in columns of their own and the labels keep their order,
// so no leader crosses another or passes over a nozzle.
void draw_leader(double x1, double y1, const LabelSpot& spot, double knee, bool above,
                 SvgBuilder& svg) {
  const double end = above ? spot.y + 4 : spot.y - kTextHeight;
  svg.path(PathData().move(x1, y1).line(x1, knee).line(spot.x, end).str(), "leader");
}

}  // namespace

Extent draw_nozzles_and_belts(const NozzleTables& tables, double shell_diameter, const Frame& frame,
                              SvgBuilder& behind, SvgBuilder& svg) {
  const std::vector<PlacedBelt> belts = place_belts(tables, shell_diameter, frame);
  const std::vector<PlacedNozzle> nozzles = place_nozzles(tables, shell_diameter, frame, belts);

  double highest = frame.highest(), lowest = frame.lowest();
  Row top, bottom;
  for (std::size_t i = 0; i < nozzles.size(); ++i) {
    const PlacedNozzle& p = nozzles[i];
    highest = std::min({highest, p.tip_y, p.y - p.width / 2});
    lowest = std::max({lowest, p.tip_y, p.y + p.width / 2});
    if (in_top_row(p.facing)) top.add(p.tip_x, p.label.size(), i);
    if (in_bottom_row(p.facing)) bottom.add(p.tip_x, p.label.size(), i);
  }
  for (std::size_t i = 0; i < belts.size(); ++i) {
    highest = std::min(highest, belts[i].top);
    lowest = std::max(lowest, belts[i].bottom);
    bottom.add(belt_leader_x(belts[i]), belt_label(*belts[i].dome).size(), nozzles.size() + i);
  }
  Extent extent{frame.left - 20, highest - 10, frame.right + 20, lowest + 10};
  const double top_y = highest - kRowClearance;
  const double bottom_y = lowest + kRowClearance + kTextHeight;
  std::vector<LabelSpot> spots(nozzles.size() + belts.size());
  spread_row(top.anchors, top.lengths, top.owners, top_y, 4.0, kDrawingWidth - 4.0, spots);
  spread_row(bottom.anchors, bottom.lengths, bottom.owners, bottom_y, 4.0, kDrawingWidth - 4.0,
             spots);
  if (!top.anchors.empty()) extent.top = top_y - kTextHeight - 4;
  if (!bottom.anchors.empty()) extent.bottom = bottom_y + 6;

  for (std::size_t i = 0; i < belts.size(); ++i) {
    const PlacedBelt& b = belts[i];
    behind.raw("<g class=\"dome\" data-dome=\"" + std::string(1, b.dome->slot) +
               "\" data-location=\"" + escaped(b.dome->location) + "\"><title>" +
               escaped(belt_label(*b.dome) + ": vapour belt, location " +
                       short_number(b.dome->location) + ", width " + short_number(b.dome->width)) +
               "</title>");
    behind.rect(b.x0, b.top, b.x1 - b.x0, b.bottom - b.top, "belt");
    const LabelSpot& spot = spots[nozzles.size() + i];
    draw_leader(belt_leader_x(b), b.bottom, spot, lowest + kKneeClearance, false, behind);
    behind.text(spot.x, spot.y, escaped(belt_label(*b.dome)), "middle", "label");
    behind.raw("</g>");
  }
  for (std::size_t i = 0; i < nozzles.size(); ++i) {
    const PlacedNozzle& p = nozzles[i];
    svg.raw("<g class=\"" + std::string(side_class(*p.nozzle)) + "\"" +
            nozzle_attributes(*p.nozzle) + "><title>" + nozzle_title(*p.nozzle) + "</title>");
    draw_body(p, svg);
    const std::string label = escaped(p.label);
    if (spots[i].placed) {
      const bool above = in_top_row(p.facing);
      draw_leader(p.tip_x, p.tip_y, spots[i],
                  above ? highest - kKneeClearance : lowest + kKneeClearance, above, svg);
      svg.text(spots[i].x, spots[i].y, label, "middle", "label");
    } else if (p.facing == Facing::axial_front) {
      svg.text(p.tip_x - 6, p.y + 4, label, "end", "label");
      extent.left = std::min(extent.left, p.tip_x - 6 - label_width(p.label.size()));
    } else {
      svg.text(p.tip_x + 6, p.y + 4, label, "start", "label");
      extent.right = std::max(extent.right, p.tip_x + 6 + label_width(p.label.size()));
    }
    svg.raw("</g>");
  }
  for (const LabelSpot& s : spots) {
    extent.left = std::min(extent.left, s.x - s.width / 2);
    extent.right = std::max(extent.right, s.x + s.width / 2);
  }
  extent.left = std::min(extent.left, 0.0);
  extent.right = std::max(extent.right, kDrawingWidth);
  return extent;
}

}  // namespace qalt2morv::page
