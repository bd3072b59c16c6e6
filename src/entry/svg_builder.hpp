// A small writer of SVG elements: shapes with a class, numbers with one decimal, text that is
// already escaped for HTML.
#pragma once

#include <string>
#include <string_view>

namespace qalt2morv::page {

// 12.5, 40, -3.2: one decimal at most, no trailing zeros.
std::string svg_number(double value);

class SvgBuilder {
 public:
  void rect(double x, double y, double width, double height, std::string_view css_class);
  void line(double x1, double y1, double x2, double y2, std::string_view css_class);
  void circle(double cx, double cy, double r, std::string_view css_class);
  void ellipse(double cx, double cy, double rx, double ry, std::string_view css_class);
  void path(std::string_view d, std::string_view css_class);
  // anchor: "start", "middle" or "end"; text is escaped HTML.
  void text(double x, double y, std::string_view escaped_text, std::string_view anchor,
            std::string_view css_class);
  void raw(std::string_view markup) { out_ += markup; }
  const std::string& markup() const { return out_; }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

// Path data from points and commands: PathData().move(x, y).line(x, y).close().
class PathData {
 public:
  PathData& move(double x, double y);
  PathData& line(double x, double y);
  // An elliptical arc to (x, y) with radii rx, ry; sweep 1 turns clockwise on screen.
  PathData& arc(double rx, double ry, int sweep, double x, double y);
  PathData& close();
  const std::string& str() const { return d_; }

 private:
  std::string d_;
};

}  // namespace qalt2morv::page
