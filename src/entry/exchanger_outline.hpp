// The outline of a shell-and-tube exchanger after its TEMA letters: front head, shell, rear
// head and the tube bundle, on an axis from front (left) to rear (right).
#pragma once

#include <string>

#include "entry/drawing_frame.hpp"
#include "entry/svg_builder.hpp"

namespace qalt2morv::page {

// The codes of "HdFrType", "ShlType" and "HdReType"; 0 when the file has none.
struct TemaCodes {
  float front = 0;
  float shell = 0;
  float rear = 0;
};

// The shell's diameter in the drawing, against which nozzle widths are scaled.
inline constexpr double kDrawnShellDiameter = 120.0;

// Draws the outline into svg and returns where its parts are. A head is drawn longer than its
// own proportions when the radial nozzles on it need more room (room, in drawing units).
Frame draw_shell_and_tube(const TemaCodes& codes, const HeadRoom& room, SvgBuilder& svg);

// "A: channel with a flat cover" for the legend; "?" when the code is none of the letters.
std::string front_head_caption(float code);
std::string shell_caption(float code);
std::string rear_head_caption(float code);

}  // namespace qalt2morv::page
