// The front and rear heads after their TEMA letters, drawn outward from the joint with the
// shell: the front head to the left, the rear head to the right.
#pragma once

#include "entry/drawing_frame.hpp"
#include "entry/svg_builder.hpp"

namespace qalt2morv::page {

struct HeadPlace {
  double joint_x = 0;   // where the head meets the shell
  double outward = 1;   // -1: the head runs to the left (front), +1: to the right (rear)
  double centre_y = 0;  // the head's axis
  double radius = 0;    // the shell's radius at the joint
  double stretch = 1;   // how much longer than its own proportions the head is drawn
};

struct DrawnHead {
  double cylinder_x = 0;    // middle of the head's cylinder (location 2 or 8)
  double axial_x = 0;       // outer face (location 1 or 9)
  double cover_half = 0;    // half the height axial nozzles may spread over
  double bundle_end_x = 0;  // rear heads: where the tubes end (rear or floating tubesheet)
  bool u_bends = false;     // rear heads: the tubes turn back in the head
};

// code: the "HdFrType" or "HdReType" value; an unknown one is drawn as a channel with a
// flat cover. The outline's spans go into frame.
DrawnHead draw_front_head(float code, const HeadPlace& place, SvgBuilder& svg, Frame& frame);
DrawnHead draw_rear_head(float code, const HeadPlace& place, SvgBuilder& svg, Frame& frame);

}  // namespace qalt2morv::page
