// The built-in code page table agrees with the data file it was generated from, and on
// Windows with the platform's own OEM-to-ANSI conversion.
#include "core/code_page.hpp"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#endif

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
  const Case cases[] = {{'A', 'A'},   {0x7F, 0x7F}, {0x82, 0xE9}, {0x81, 0xFC},
                        {0xE1, 0xDF}, {0x9C, 0xA3}, {0xB3, 0xA6}};
  for (const auto& c : cases) EXPECT_EQ(oem_to_ansi(c.oem), c.ansi) << int(c.oem);
}

#if defined(_WIN32)
// Quoted texts go through the platform's conversion on Windows: on a host with code pages 437
// and 1252 (Wine under LC_ALL=C.UTF-8) it must agree with the table for every byte, both
// OemToCharA on a zero-terminated text and the counted form the writer uses.
TEST(CodePage, PlatformConversionAgreesWithTheTableForAll256Bytes) {
  if (GetOEMCP() != 437 || GetACP() != 1252) {
    GTEST_SKIP() << "host code pages " << GetOEMCP() << "/" << GetACP() << ", not 437/1252";
  }
  char counted[256];
  char zero_terminated[256];  // bytes 1 to 255, then the terminator
  for (int b = 0; b < 256; ++b) counted[b] = static_cast<char>(b);
  for (int b = 1; b < 256; ++b) zero_terminated[b - 1] = static_cast<char>(b);
  zero_terminated[255] = '\0';
  char converted[256];
  ASSERT_TRUE(OemToCharA(zero_terminated, converted));
  oem_to_ansi_in_place(counted, sizeof counted);
  for (int b = 0; b < 256; ++b) {
    const unsigned char expected = oem_to_ansi(static_cast<unsigned char>(b));
    EXPECT_EQ(static_cast<unsigned char>(counted[b]), expected)
        << "byte " << b << " through oem_to_ansi_in_place";
    if (b > 0) {
      EXPECT_EQ(static_cast<unsigned char>(converted[b - 1]), expected)
          << "byte " << b << " through OemToCharA";
    }
  }
}
#endif

// Keyword texts are code page 1252; as UTF-8 each byte is one character, the five bytes the
// code page leaves undefined included (as their C1 code points), so nothing is lost.
TEST(CodePage, AnsiTextAsUtf8) {
  struct Case {
    const char* name;
    std::string ansi;
    std::string utf8;
  };
  const Case cases[] = {
      {"ascii", "CRUDE OIL  ", "CRUDE OIL  "},
      {"euro sign", "\x80", "\xE2\x82\xAC"},
      {"undefined 0x81 as U+0081", "\x81", "\xC2\x81"},
      {"e acute", "\xE9", "\xC3\xA9"},
      {"y diaeresis at 0x9F", "\x9F", "\xC5\xB8"},
      {"no-break space", "\xA0", "\xC2\xA0"},
      {"control bytes kept", std::string("a\x1A\0b", 4), std::string("a\x1A\0b", 4)},
  };
  for (const auto& c : cases) EXPECT_EQ(ansi_to_utf8(c.ansi), c.utf8) << c.name;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    EXPECT_EQ(undefined_in_ansi(byte),
              ansi_code_point(byte) >= 0x80 && ansi_code_point(byte) < 0xA0)
        << "byte " << b;
  }
}

}  // namespace
}  // namespace qalt2morv
