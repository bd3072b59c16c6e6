// Nozzles stand on the outline at the x of their location code and point by their angle: up
// (0), down (180), toward the viewer (90) or away (270), seen end-on as a circle, or along the
// axis (360) out of the head's cover.
#include "entry/nozzle_placement.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/host_codes.hpp"
#include "entry/page_text.hpp"

namespace qalt2morv::page {
namespace {

// The quarter turn a radial nozzle points to: 0 top, 90 near side, 180 bottom, 270 far side.
Facing radial_facing(double angle) {
  const double turn = code(angle::kFullTurn);
  const double turned = std::fmod(std::fmod(angle, turn) + turn, turn);
  switch (static_cast<int>(std::lround(turned / code(angle::kQuarter))) % 4) {
    case 1:
      return Facing::near_side;
    case 2:
      return Facing::bottom;
    case 3:
      return Facing::far_side;
    default:
      return Facing::top;
  }
}

bool axial(const TableNozzle& n) {
  return number_or(n.angle, 0.0) == code(angle::kAxial);  // a blank entry is 0: on top
}

Facing facing_of(const TableNozzle& n, const Frame& frame) {
  if (axial(n)) {
    const double x = x_of_location(frame, number_or(n.location, 0.0));
    return x < (frame.shell_start_x + frame.shell_end_x) / 2 ? Facing::axial_front
                                                             : Facing::axial_rear;
  }
  return radial_facing(number_or(n.angle, 0.0));
}

std::string function_word(const std::string& function) {
  const double f = number_or(function, 0.0);
  if (f == code(nozzle_function::kInlet)) return "in";
  if (f == code(nozzle_function::kOutlet)) return "out";
  if (f == code(nozzle_function::kSeparateOutlet)) return "sep out";
  return "?";
}

double nozzle_width(const TableNozzle& n, double shell_diameter, double drawn_shell_diameter) {
  const double nominal = number_or(n.diameter, 0.0);
  if (shell_diameter <= 0 || nominal <= 0) return 14.0;
  return std::clamp(nominal / shell_diameter * drawn_shell_diameter, 9.0,
                    drawn_shell_diameter * 0.4);
}

// How far along the axis a nozzle may be moved aside: one on the shell stays on the shell,
// one on a head stays on its head (which is drawn long enough for its nozzles).
void bounds_of(const PlacedNozzle& p, const Frame& frame, double& left, double& right) {
  const double location = number_or(p.nozzle->location, 0.0);
  left = frame.left;
  right = frame.right;
  if (location < code(location::kShellStart)) {
    right = frame.shell_start_x;
  } else if (location > code(location::kShellEnd)) {
    left = frame.shell_end_x;
  } else {
    left = frame.shell_start_x;
    right = frame.shell_end_x;
  }
}

constexpr double kNozzleGap = 12.0;     // between the flanges of neighbouring nozzles
constexpr double kEndClearance = 10.0;  // between a radial nozzle and an outer face

bool crowded(const std::vector<PlacedNozzle*>& row) {
  for (std::size_t i = 1; i < row.size(); ++i) {
    const double need = (row[i - 1]->width + row[i]->width) / 2 + kNozzleGap;
    if (row[i]->x - row[i - 1]->x < need - 0.5) return true;
  }
  return false;
}

// Neighbours closer than their half widths and a gap move apart, each by half of what they
// lack, then back within their bounds, until none lacks room; own_bounds false lets a nozzle
// go anywhere along the outline.
void push_apart(std::vector<PlacedNozzle*>& row, const Frame& frame, bool own_bounds) {
  for (int pass = 0; pass < 60; ++pass) {
    bool moved = false;
    for (std::size_t i = 1; i < row.size(); ++i) {
      const double need = (row[i - 1]->width + row[i]->width) / 2 + kNozzleGap;
      const double lack = need - (row[i]->x - row[i - 1]->x);
      if (lack > 0.01) {
        row[i - 1]->x -= lack / 2;
        row[i]->x += lack / 2;
        moved = true;
      }
    }
    for (PlacedNozzle* p : row) {
      double left = frame.left, right = frame.right;
      if (own_bounds) bounds_of(*p, frame, left, right);
      const double half = p->width / 2 + kEndClearance;
      p->x = std::clamp(p->x, left + half, std::max(left + half, right - half));
    }
    if (!moved) break;
  }
}

// Keeps nozzles that share a row of labels from standing on one another. A head is drawn long
// enough for its nozzles (head_room); only past the longest head drawn do they spread beyond
// it.
void keep_apart(std::vector<PlacedNozzle*>& row, const Frame& frame) {
  std::sort(row.begin(), row.end(), [](const PlacedNozzle* a, const PlacedNozzle* b) {
    return a->x != b->x ? a->x < b->x : a->nozzle->slot < b->nozzle->slot;
  });
  std::vector<double> wanted;
  for (const PlacedNozzle* p : row) wanted.push_back(p->x);
  push_apart(row, frame, true);
  if (!crowded(row)) return;
  for (std::size_t i = 0; i < row.size(); ++i) row[i]->x = wanted[i];
  push_apart(row, frame, false);
}

double top_with_belts(double x, const Frame& frame, const std::vector<PlacedBelt>& belts) {
  double top = frame.top_at(x);
  for (const PlacedBelt& b : belts) {
    if (x >= b.x0 && x <= b.x1) top = std::min(top, b.top);
  }
  return top;
}

double bottom_with_belts(double x, const Frame& frame, const std::vector<PlacedBelt>& belts) {
  double bottom = frame.bottom_at(x);
  for (const PlacedBelt& b : belts) {
    if (x >= b.x0 && x <= b.x1) bottom = std::max(bottom, b.bottom);
  }
  return bottom;
}

// Axial nozzles at one end share its cover, spread evenly from top to bottom.
void spread_axial(std::vector<PlacedNozzle*>& at_end, double x, double centre, double half,
                  double outward) {
  double widest = 0.0;
  for (const PlacedNozzle* p : at_end) widest = std::max(widest, p->width);
  const double step =
      at_end.size() > 1
          ? std::max({22.0, widest + 14.0, 2 * half / static_cast<double>(at_end.size() - 1)})
          : 0.0;
  double y = centre - step * static_cast<double>(at_end.size() - 1) / 2;
  for (PlacedNozzle* p : at_end) {
    p->x = x;
    p->y = y;
    p->tip_x = x + outward * kNozzleStub;
    p->tip_y = y;
    y += step;
  }
}

}  // namespace

std::vector<PlacedBelt> place_belts(const NozzleTables& tables, double shell_diameter,
                                    const Frame& frame) {
  std::vector<PlacedBelt> belts;
  for (const TableDome& d : tables.domes) {
    const double x = x_of_location(frame, number_or(d.location, location::kMidShell));
    const double scale = shell_diameter > 0 ? frame.shell_diameter / shell_diameter : 0.0;
    const double width = std::clamp(number_or(d.width, 0.0) * scale, 18.0, 120.0);
    const double rise =
        std::clamp((number_or(d.diameter, 0.0) - shell_diameter) / 2 * scale, 8.0, 24.0);
    const double x0 = x - width / 2, x1 = x + width / 2;
    // Over a kettle's cone the belt clears the higher end.
    const double top = std::min({frame.top_at(x0), frame.top_at(x), frame.top_at(x1)});
    const double bottom = std::max({frame.bottom_at(x0), frame.bottom_at(x), frame.bottom_at(x1)});
    belts.push_back({&d, x0, x1, top - rise, bottom + rise});
  }
  return belts;
}

HeadRoom head_room(const NozzleTables& tables, double shell_diameter, double drawn_shell_diameter) {
  // Widths and gaps of each head's two rows: [head][row], head 0 front, 1 rear; row 0 up or
  // far side, 1 down or near side.
  double rows[2][2] = {{0, 0}, {0, 0}};
  int counts[2][2] = {{0, 0}, {0, 0}};
  for (const TableNozzle& n : tables.nozzles) {
    const double location = number_or(n.location, 0.0);
    if (axial(n) ||
        (location >= code(location::kShellStart) && location <= code(location::kShellEnd)))
      continue;
    const int head = location < code(location::kShellStart) ? 0 : 1;
    const Facing facing = radial_facing(number_or(n.angle, 0.0));
    const int row = facing == Facing::top || facing == Facing::far_side ? 0 : 1;
    rows[head][row] += nozzle_width(n, shell_diameter, drawn_shell_diameter) +
                       (counts[head][row] > 0 ? kNozzleGap : 0.0);
    ++counts[head][row];
  }
  const auto room = [&](int head) {
    const double fuller = std::max(rows[head][0], rows[head][1]);
    return fuller > 0 ? fuller + 2 * kEndClearance : 0.0;
  };
  return {room(0), room(1)};
}

std::vector<PlacedNozzle> place_nozzles(const NozzleTables& tables, double shell_diameter,
                                        const Frame& frame, const std::vector<PlacedBelt>& belts) {
  std::vector<PlacedNozzle> placed;
  for (const TableNozzle& n : tables.nozzles) {
    PlacedNozzle p;
    p.nozzle = &n;
    p.facing = facing_of(n, frame);
    p.x = x_of_location(frame, number_or(n.location, 0.0));
    p.width = nozzle_width(n, shell_diameter, frame.shell_diameter);
    p.label = std::string(1, n.slot) + " " + function_word(n.function);
    if (!n.diameter.empty()) p.label += " " + short_number(n.diameter);
    placed.push_back(std::move(p));
  }
  // Nozzles labelled in the same row stand in columns of their own, so that no leader
  // crosses another nozzle: those pointing up with those seen from the far side (their
  // labels go above), those pointing down with those seen from the near side (below).
  const std::vector<std::vector<Facing>> columns = {{Facing::top, Facing::far_side},
                                                    {Facing::bottom, Facing::near_side},
                                                    {Facing::axial_front},
                                                    {Facing::axial_rear}};
  for (const std::vector<Facing>& facings : columns) {
    std::vector<PlacedNozzle*> same;
    for (PlacedNozzle& p : placed) {
      if (std::find(facings.begin(), facings.end(), p.facing) != facings.end()) same.push_back(&p);
    }
    const Facing facing = facings.front();
    if (facing == Facing::axial_front) {
      spread_axial(same, frame.front_axial_x, frame.front_axis_y, frame.front_cover_half, -1);
      continue;
    }
    if (facing == Facing::axial_rear) {
      spread_axial(same, frame.rear_axial_x, frame.rear_axis_y, frame.rear_cover_half, 1);
      continue;
    }
    keep_apart(same, frame);
    for (PlacedNozzle* p : same) {
      const double top = top_with_belts(p->x, frame, belts);
      const double bottom = bottom_with_belts(p->x, frame, belts);
      const double middle = (frame.top_at(p->x) + frame.bottom_at(p->x)) / 2;
      const double half = (frame.bottom_at(p->x) - frame.top_at(p->x)) / 2;
      p->tip_x = p->x;
      if (p->facing == Facing::top) {
        p->y = top;
        p->tip_y = top - kNozzleStub;
      } else if (p->facing == Facing::bottom) {
        p->y = bottom;
        p->tip_y = bottom + kNozzleStub;
      } else {
        p->y = middle + (p->facing == Facing::near_side ? 0.4 : -0.4) * half;
        p->tip_y = p->y + (p->facing == Facing::near_side ? 1 : -1) * p->width / 2;
      }
    }
  }
  return placed;
}

double number_or(const std::string& written, double fallback) {
  double v = 0.0;
  return parse_number(written, v) ? v : fallback;
}

std::string function_name(const std::string& function) {
  const double f = number_or(function, 0.0);
  if (f == code(nozzle_function::kInlet)) return "inlet";
  if (f == code(nozzle_function::kOutlet)) return "outlet";
  if (f == code(nozzle_function::kSeparateOutlet)) return "separate outlet";
  return "nozzle of function \"" + function + "\"";
}

}  // namespace qalt2morv::page
