// The built-in code page table agrees with the data file it was generated from.
#include "entry/code_page.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace qalt2morv {
namespace {

TEST(CodePage, TableMatchesDataFileForAll256Bytes) {
  std::ifstream in(QALT2MORV_DATA_DIR "/oem437_to_ansi1252.tsv");
  ASSERT_TRUE(in) << "data/oem437_to_ansi1252.tsv";
  std::string line;
  int rows = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    unsigned oem = 0;
    unsigned ansi = 0;
    fields >> std::hex >> oem >> ansi;
    EXPECT_EQ(oem_to_ansi(static_cast<unsigned char>(oem)), ansi) << "byte " << oem;
    ++rows;
  }
  EXPECT_EQ(rows, 256);
}

TEST(CodePage, KnownMappings) {
  struct Case {
    unsigned char oem, ansi;
  };
  const Case cases[] = {{'A', 'A'}, {0x7F, 0x7F}, {0x82, 0xE9}, {0x81, 0xFC}, {0xE1, 0xDF}, {0x9C, 0xA3}, {0xB3, 0xA6}};
  for (const auto& c : cases) EXPECT_EQ(oem_to_ansi(c.oem), c.ansi) << int(c.oem);
}

}  // namespace
}  // namespace qalt2morv
