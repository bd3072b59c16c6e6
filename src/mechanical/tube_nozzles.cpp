// Tube-side nozzles: inlet, outlet and separate outlet on the heads, by pass count, axial
// nozzles, position and phases; then the additional nozzles of each group.
#include "mechanical/nozzle_placement.hpp"

namespace qalt2morv::mechanical {

namespace {

using nozzle_function::kInlet;
using nozzle_function::kOutlet;
using nozzle_function::kSeparateOutlet;

struct TubeNozzle {
  float location = 0.0f;
  float angle = 0.0f;
};

struct TubeNozzles {
  TubeNozzle inlet, outlet, separate_outlet;
};

bool odd_pass_count(const ConversionState& s) {
  return 2.0f * std::trunc(s.tube_passes / 2.0f) != s.tube_passes;
}
bool axial_nozzles(const ConversionState& s) { return s.axial_nozzle_flag == kAxialNozzles; }

float front_end(bool axial) {
  return axial ? location::kFrontHeadAxial : location::kFrontHeadCylinder;
}
float rear_end(bool axial) { return axial ? location::kRearEndAxial : location::kRearEndCylinder; }

// An odd pass count leaves the tube-side stream at the rear end.
void place_on_heads_by_passes(TubeNozzles& t, const ConversionState& s) {
  const bool axial = axial_nozzles(s);
  const bool odd = odd_pass_count(s);
  t.inlet.location = front_end(axial);
  t.outlet.location = odd ? rear_end(axial) : front_end(axial);
  t.separate_outlet.location = odd ? t.outlet.location : location::kFrontHeadCylinder;
}

// A vertical unit moves the tube-side nozzles to suit a condensing or boiling stream.
void move_for_vertical_phases(TubeNozzles& t, const ConversionState& s) {
  const bool axial = axial_nozzles(s);
  if (hot_side_declared_tube(s) && condensing_hot_stream(s)) {
    t.inlet.location = location::kFrontHeadCylinder;
    t.outlet.location = location::kRearEndCylinder;
    t.separate_outlet.location = location::kRearEndAxial;
  }
  if (hot_side_declared_shell(s) && condensing_hot_stream(s) && counter_current(s)) {
    t.inlet.location = location::kRearEndCylinder;
    t.outlet.location =
        odd_pass_count(s) ? location::kFrontHeadCylinder : location::kRearEndCylinder;
  }
  if (hot_side_declared_shell(s) && boiling_cold_stream(s)) {
    t.inlet.location = rear_end(axial);
    t.outlet.location = front_end(axial);
  }
}

// A floating head (S or T) has no rear channel: a radial rear nozzle goes to the cover.
void move_off_floating_head(TubeNozzles& t) {
  if (t.inlet.location == location::kRearEndCylinder) t.inlet.location = location::kRearEndAxial;
  if (t.outlet.location == location::kRearEndCylinder) t.outlet.location = location::kRearEndAxial;
}

// The hot stream enters at the top; a condensing one with a separate outlet leaves its
// vapour at the top and its condensate at the bottom.
void set_angles(TubeNozzles& t, const ConversionState& s, bool has_separate_outlet) {
  if (hot_side_declared_tube(s)) {
    t.inlet.angle = angle::kTop;
    t.outlet.angle = angle::kBottom;
    if (condensing_hot_stream(s) && has_separate_outlet) {
      t.separate_outlet.angle = angle::kBottom;
      t.outlet.angle = angle::kTop;
    }
  } else {
    t.inlet.angle = angle::kBottom;
    t.outlet.angle = angle::kTop;
    if (vertical(s) && boiling_cold_stream(s)) t.outlet.angle = angle::kBottom;
  }
  for (TubeNozzle* n : {&t.inlet, &t.outlet, &t.separate_outlet}) {
    if (n->location == location::kFrontHeadAxial || n->location == location::kRearEndAxial)
      n->angle = angle::kAxial;
  }
  t.inlet.angle = apply_orientation(t.inlet.angle, s.tube_nozzle_orientations[0]);
  t.outlet.angle = apply_orientation(t.outlet.angle, s.tube_nozzle_orientations[1]);
}

TubeNozzles tube_side_nozzles(const ConversionState& s, bool has_separate_outlet) {
  TubeNozzles t;
  place_on_heads_by_passes(t, s);
  if (!u_tube_bundle(s)) {
    if (vertical(s)) move_for_vertical_phases(t, s);
    if (floating_head_without_channel(s)) move_off_floating_head(t);
  }
  set_angles(t, s, has_separate_outlet);
  // A single pass ends at the rear, so the separate outlet goes there too.
  if (s.tube_passes == 1.0f && has_separate_outlet) {
    t.separate_outlet = vertical(s) ? TubeNozzle{location::kRearEndAxial, angle::kAxial}
                                    : TubeNozzle{location::kRearEndCylinder, angle::kBottom};
  }
  return t;
}

// Angles of the second to fourth nozzle of an additional tube-side group, from the first.
constexpr std::array<float, 3> kAdditionalAngleOffsets = {180.0f, 90.0f, 270.0f};

void place_additional(SlotFiller& slots, float function, float diameter, const TubeNozzle& first,
                      int count) {
  for (int i = 0; i + 1 < count; ++i) {
    slots.add(function, diameter, first.location,
              within_one_turn(first.angle + kAdditionalAngleOffsets[static_cast<std::size_t>(i)]));
  }
}

}  // namespace

void place_tube_side(SlotFiller& slots, const ConversionState& s) {
  const bool has_separate_outlet = s.tube_split_outlet_nps > 0.0f;
  const TubeNozzles t = tube_side_nozzles(s, has_separate_outlet);
  slots.add(kInlet, s.tube_inlet_nozzle_nps, t.inlet.location, t.inlet.angle);
  slots.add(kOutlet, s.tube_outlet_nozzle_nps, t.outlet.location, t.outlet.angle);
  if (has_separate_outlet) {
    slots.add(kSeparateOutlet, s.tube_split_outlet_nps, t.separate_outlet.location,
              t.separate_outlet.angle);
  }

  // Extra tube-side nozzles go in only when the whole group fits in the table; when the
  // inlets do not fit, the outlets are left out as well.
  const int inlets = whole_count(s.tube_inlet_nozzle_count, 0, 4);
  const int outlets = whole_count(s.tube_outlet_nozzle_count, 0, 4);
  if (inlets > 1) {
    if (slots.next() + inlets > kNozzleSlots) return;
    place_additional(slots, kInlet, s.tube_inlet_nozzle_nps, t.inlet, inlets);
  }
  if (outlets > 1 && slots.next() + outlets <= kNozzleSlots) {
    place_additional(slots, kOutlet, s.tube_outlet_nozzle_nps, t.outlet, outlets);
  }
}

}  // namespace qalt2morv::mechanical
