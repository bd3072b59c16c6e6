// Labels in a row beside the drawing: each as near to what it names as it can be, in the
// same order along the row, never over another.
#pragma once

#include <vector>

namespace qalt2morv::page {

struct RowLabel {
  double anchor_x = 0;  // where the label would stand on its own (its centre)
  double width = 0;
};

// The centres of labels given in ascending anchor order, at least gap apart, within
// [left, right] when they fit; when they do not, they run on to the right from left.
std::vector<double> spread_in_row(const std::vector<RowLabel>& labels, double left, double right,
                                  double gap);

// The width a label of this many characters takes at the page's label size.
double label_width(std::size_t characters);

}  // namespace qalt2morv::page
