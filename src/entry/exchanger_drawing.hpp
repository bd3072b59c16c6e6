// The drawing of a converted deck as inline SVG: a shell-and-tube exchanger after its TEMA
// letters, or an air cooler's bay when the file has tube rows, with every nozzle and belt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "qalt2morv/keyword_reader.hpp"

namespace qalt2morv::page {

// records: the keyword file's records; title: what the drawing is of (escaped HTML).
std::string exchanger_svg(const std::vector<Record>& records, std::string_view title);

// An air-cooled exchanger's file has its tube rows ("TubeRowDeep" greater than 0).
bool is_air_cooler(const std::vector<Record>& records);

}  // namespace qalt2morv::page
