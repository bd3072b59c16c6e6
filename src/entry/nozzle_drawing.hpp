// The nozzles of the nozzle table and the vapour belts of the dome table, drawn on an outline
// with their labels: each element carries the table's values as data attributes.
#pragma once

#include "entry/drawing_frame.hpp"
#include "entry/nozzle_table.hpp"
#include "entry/svg_builder.hpp"

namespace qalt2morv::page {

// How far the nozzles, belts and their labels reach: the drawing's extent beyond the outline.
struct Extent {
  double left = 0;
  double top = 0;
  double right = kDrawingWidth;
  double bottom = 0;
};

// shell_diameter: the shell's diameter in the keyword file's length unit (0 when unknown),
// against which nozzle and belt sizes are scaled. Belts go into behind, to lie under the
// outline (they show only where they stand out of it), nozzles into over.
Extent draw_nozzles_and_belts(const NozzleTables& tables, double shell_diameter, const Frame& frame,
                              SvgBuilder& behind, SvgBuilder& over);

}  // namespace qalt2morv::page
