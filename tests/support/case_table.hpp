// Small helpers shared by the table-driven tests.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace qalt2morv::testing {

// Names each instantiated case of a TEST_P table after its entry's name field.
struct CaseName {
  template <class Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& case_info) const {
    return case_info.param.name;
  }
};

using Lines = std::vector<std::string>;

// The lines of a keyword text, without their line ends.
inline Lines lines_of(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace qalt2morv::testing
