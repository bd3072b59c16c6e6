// SVG elements as text; coordinates rounded to a tenth, which is finer than a screen pixel
// at any size the page is shown.
#include "entry/svg_builder.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qalt2morv::page {

std::string svg_number(double value) {
  if (!std::isfinite(value)) return "0";
  double rounded = std::round(value * 10.0) / 10.0;
  if (rounded == 0.0) rounded = 0.0;  // no "-0"
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", rounded);
  std::string s = text;
  if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
  return s;
}

namespace {

std::string attr(std::string_view name, double value) {
  return std::string(" ") + std::string(name) + "=\"" + svg_number(value) + "\"";
}

std::string class_attr(std::string_view css_class) {
  return css_class.empty() ? std::string() : " class=\"" + std::string(css_class) + "\"";
}

}  // namespace

void SvgBuilder::rect(double x, double y, double width, double height, std::string_view css_class) {
  out_ += "<rect" + attr("x", x) + attr("y", y) + attr("width", std::max(width, 0.0)) +
          attr("height", std::max(height, 0.0)) + class_attr(css_class) + "/>";
}

void SvgBuilder::line(double x1, double y1, double x2, double y2, std::string_view css_class) {
  out_ += "<line" + attr("x1", x1) + attr("y1", y1) + attr("x2", x2) + attr("y2", y2) +
          class_attr(css_class) + "/>";
}

void SvgBuilder::circle(double cx, double cy, double r, std::string_view css_class) {
  out_ += "<circle" + attr("cx", cx) + attr("cy", cy) + attr("r", r) + class_attr(css_class) + "/>";
}

void SvgBuilder::ellipse(double cx, double cy, double rx, double ry, std::string_view css_class) {
  out_ += "<ellipse" + attr("cx", cx) + attr("cy", cy) + attr("rx", rx) + attr("ry", ry) +
          class_attr(css_class) + "/>";
}

void SvgBuilder::path(std::string_view d, std::string_view css_class) {
  out_ += "<path d=\"" + std::string(d) + "\"" + class_attr(css_class) + "/>";
}

void SvgBuilder::text(double x, double y, std::string_view escaped_text, std::string_view anchor,
                      std::string_view css_class) {
  out_ += "<text" + attr("x", x) + attr("y", y) + " text-anchor=\"" + std::string(anchor) + "\"" +
          class_attr(css_class) + ">" + std::string(escaped_text) + "</text>";
}

PathData& PathData::move(double x, double y) {
  d_ += "M" + svg_number(x) + " " + svg_number(y);
  return *this;
}

PathData& PathData::line(double x, double y) {
  d_ += "L" + svg_number(x) + " " + svg_number(y);
  return *this;
}

PathData& PathData::arc(double rx, double ry, int sweep, double x, double y) {
  d_ += "A" + svg_number(rx) + " " + svg_number(ry) + " 0 0 " + std::to_string(sweep) + " " +
        svg_number(x) + " " + svg_number(y);
  return *this;
}

PathData& PathData::close() {
  d_ += "Z";
  return *this;
}

}  // namespace qalt2morv::page
