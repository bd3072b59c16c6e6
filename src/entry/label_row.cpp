// Spreading labels along a row: a pass to the right pushes each label clear of the one before,
// a pass to the left pulls the row back inside the right edge, and the left edge wins last.
#include "entry/label_row.hpp"

#include <algorithm>
#include <cstddef>

namespace qalt2morv::page {

double label_width(std::size_t characters) {
  // Labels are set at 12 px in a sans-serif face: about 7.4 px a character, with a margin.
  return 7.4 * static_cast<double>(characters) + 6.0;
}

std::vector<double> spread_in_row(const std::vector<RowLabel>& labels, double left, double right,
                                  double gap) {
  std::vector<double> centre(labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const double half = labels[i].width / 2;
    centre[i] = std::clamp(labels[i].anchor_x, left + half, std::max(left + half, right - half));
    if (i > 0) {
      const double least = centre[i - 1] + labels[i - 1].width / 2 + gap + half;
      centre[i] = std::max(centre[i], least);
    }
  }
  for (std::size_t i = labels.size(); i-- > 0;) {
    const double half = labels[i].width / 2;
    double most = right - half;
    if (i + 1 < labels.size()) most = centre[i + 1] - labels[i + 1].width / 2 - gap - half;
    centre[i] = std::min(centre[i], most);
  }
  for (std::size_t i = 0; i < labels.size(); ++i) {
    double least = left + labels[i].width / 2;
    if (i > 0) least = centre[i - 1] + labels[i - 1].width / 2 + gap + labels[i].width / 2;
    centre[i] = std::max(centre[i], least);
  }
  return centre;
}

}  // namespace qalt2morv::page
