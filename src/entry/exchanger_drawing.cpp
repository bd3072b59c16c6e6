// Assembles the SVG: outline, centre line, belts and nozzles, then a caption naming the parts
// and a legend for the colours and marks; the view box takes in whatever was drawn.
#include "entry/exchanger_drawing.hpp"

#include <string>

#include "core/host_codes.hpp"
#include "entry/air_cooler_outline.hpp"
#include "entry/exchanger_outline.hpp"
#include "entry/nozzle_drawing.hpp"
#include "entry/nozzle_placement.hpp"
#include "entry/nozzle_table.hpp"
#include "entry/page_text.hpp"
#include "entry/svg_builder.hpp"

namespace qalt2morv::page {
namespace {

constexpr double kLineGap = 20.0;

float code_of(const std::vector<Record>& records, std::string_view key) {
  return static_cast<float>(number_or(number_value(records, key), 0.0));
}

double shell_diameter_of(const std::vector<Record>& records) {
  for (const char* key : {"ShlCylID", "ShlID", "ShlCylOD", "ShlOD"}) {
    const double d = number_or(number_value(records, key), 0.0);
    if (d > 0) return d;
  }
  return 0.0;
}

// "2 fans", "1 bay": a count from the file with its noun.
std::string count_text(const std::vector<Record>& records, std::string_view key,
                       std::string_view noun) {
  const std::string v = number_value(records, key);
  const std::string n = v.empty() ? std::string("0") : short_number(v);
  return n + " " + std::string(noun) + (n == "1" ? "" : "s");
}

void draw_legend(double y, SvgBuilder& svg) {
  double x = 20;
  svg.rect(x, y - 10, 14, 10, "swatch shell-side-swatch");
  svg.text(x + 20, y, "shell side", "start", "legend");
  x += 110;
  svg.rect(x, y - 10, 14, 10, "swatch tube-side-swatch");
  svg.text(x + 20, y, "tube side", "start", "legend");
  x += 100;
  svg.text(x, y, "in / out / sep out: inlet, outlet, separate outlet (arrow: flow)", "start",
           "legend");
  x += 450;
  svg.circle(x, y - 4, 6, "body-legend");
  svg.circle(x, y - 4, 2.5, "marker");
  svg.text(x + 10, y, "near side", "start", "legend");
  x += 90;
  svg.circle(x, y - 4, 6, "body-legend");
  svg.line(x - 3.5, y - 7.5, x + 3.5, y - 0.5, "marker-line");
  svg.line(x - 3.5, y - 0.5, x + 3.5, y - 7.5, "marker-line");
  svg.text(x + 10, y, "far side", "start", "legend");
  svg.text(20, y + kLineGap,
           "Sizes are nominal, in the deck's length unit. Not to scale; the order along the "
           "axis and the sides are as the nozzle table gives them.",
           "start", "legend");
}

void draw_axis(const Frame& f, SvgBuilder& svg) {
  svg.line(f.left - 14, 0, f.right + 14, 0, "axis");
}

std::string description(const NozzleTables& tables) {
  std::string d = "Side elevation, front head on the left, rear on the right.";
  for (const TableNozzle& n : tables.nozzles) {
    d += " Nozzle " + std::string(1, n.slot) + ": " +
         (n.side == Side::shell ? "shell-side " : "tube-side ") + function_name(n.function) +
         ", size " + short_number(n.diameter) + ", location " + short_number(n.location) +
         ", angle " + (n.angle.empty() ? std::string("0") : short_number(n.angle)) + ".";
  }
  for (const TableDome& b : tables.domes)
    d +=
        " Vapour belt " + std::string(1, b.slot) + " at location " + short_number(b.location) + ".";
  return escaped(d);
}

std::string svg_root(const Extent& e, double bottom, std::string_view title,
                     const std::string& desc, const std::string& body) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" class=\"drawing\" viewBox=\"" +
         svg_number(e.left) + " " + svg_number(e.top) + " " + svg_number(e.right - e.left) + " " +
         svg_number(bottom - e.top) + "\" aria-labelledby=\"drawing-title drawing-desc\">" +
         "<title id=\"drawing-title\">" + std::string(title) +
         "</title><desc id=\"drawing-desc\">" + desc + "</desc>" + body + "</svg>";
}

}  // namespace

bool is_air_cooler(const std::vector<Record>& records) {
  return number_or(number_value(records, "TubeRowDeep"), 0.0) > 0;
}

std::string exchanger_svg(const std::vector<Record>& records, std::string_view title) {
  const NozzleTables tables = read_nozzle_tables(records);
  SvgBuilder svg;
  std::string caption, caption_2;
  Frame frame;
  if (is_air_cooler(records)) {
    const AirCoolerCounts counts{
        static_cast<int>(number_or(number_value(records, "TubeRowDeep"), 0.0)),
        static_cast<int>(number_or(number_value(records, "FanPerBay"), 0.0)),
        code_of(records, "DraftType") == fan_draft::kInduced};
    frame = draw_air_cooler(counts, svg);
    caption = "Air cooler: " + count_text(records, "BayPar", "bay") + ", " +
              count_text(records, "BundPar", "bundle") + " in parallel, " +
              count_text(records, "FanPerBay", "fan") + " per bay, " +
              (counts.induced_draft ? "induced draft (fans above)" : "forced draft (fans below)") +
              ", " + count_text(records, "TubeRowDeep", "tube row") + "; nozzles on the headers.";
  } else {
    const TemaCodes codes{code_of(records, "HdFrType"), code_of(records, "ShlType"),
                          code_of(records, "HdReType")};
    frame = draw_shell_and_tube(
        codes, head_room(tables, shell_diameter_of(records), kDrawnShellDiameter), svg);
    caption =
        "Front head " + front_head_caption(codes.front) + " | shell " + shell_caption(codes.shell);
    caption_2 = "Rear head " + rear_head_caption(codes.rear) + " | axis from front to rear";
    if (code_of(records, "ExchPosi") == position::kVertical)
      caption_2 += " | set vertical, drawn lying";
  }
  if (!is_air_cooler(records)) draw_axis(frame, svg);
  SvgBuilder belts;
  const Extent extent =
      draw_nozzles_and_belts(tables, shell_diameter_of(records), frame, belts, svg);
  const double caption_y = extent.bottom + kLineGap;
  svg.text(20, caption_y, escaped(caption), "start", "caption");
  const double legend_y = caption_y + (caption_2.empty() ? 0 : kLineGap) + kLineGap;
  if (!caption_2.empty())
    svg.text(20, caption_y + kLineGap, escaped(caption_2), "start", "caption");
  draw_legend(legend_y, svg);
  return svg_root(extent, legend_y + 2 * kLineGap, title, description(tables),
                  belts.take() + svg.take());
}

}  // namespace qalt2morv::page
