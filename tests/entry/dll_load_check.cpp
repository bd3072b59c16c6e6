// The Windows DLL as the host loads it: LoadLibraryA, GetProcAddress("QALT2MORV") and a call
// with the C calling convention. The keyword file has CRLF line ends and otherwise the bytes
// of an in-process conversion with LF line ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "qalt2morv/convert.hpp"
#include "qalt2morv/qalt2morv.h"
#include "support/test_files.hpp"

namespace fs = std::filesystem;

namespace {

using qalt2morv::testing::read_file;
using qalt2morv::testing::write_file;

using ConvertFunction = int32_t(__cdecl*)(const char*, const char*, int32_t);

// The example deck with OEM (code page 437) texts as the two fluid names.
std::string example_with_oem_fluid_names() {
  std::istringstream in(read_file(QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck"));
  std::string deck;
  std::string line;
  for (int k = 1; std::getline(in, line); ++k) {
    if (k == 276)
      line =
          "\x9A"
          "BERHITZTES \x99"
          "L";  // ÜBERHITZTES ÖL
    if (k == 277)
      line =
          "K\x8E"
          "LTEMITTEL \xB3 3/4\"";  // KÄLTEMITTEL │ 3/4"
    deck += line + "\n";
  }
  return deck;
}

class LoadedDll : public qalt2morv::testing::TempDirTest {
 protected:
  LoadedDll() : TempDirTest("qalt2morv_dll") {}
  void SetUp() override {
    TempDirTest::SetUp();
    module_ = LoadLibraryA(QALT2MORV_DLL_PATH);
    ASSERT_NE(module_, nullptr) << "LoadLibraryA(" QALT2MORV_DLL_PATH ") failed with error "
                                << GetLastError();
    convert_ = reinterpret_cast<ConvertFunction>(
        reinterpret_cast<void*>(GetProcAddress(module_, "QALT2MORV")));
    ASSERT_NE(convert_, nullptr) << "no export QALT2MORV";
  }
  void TearDown() override {
    if (module_ != nullptr) {
      EXPECT_TRUE(FreeLibrary(module_));
    }
    TempDirTest::TearDown();
  }
  HMODULE module_ = nullptr;
  ConvertFunction convert_ = nullptr;
};

TEST_F(LoadedDll, KeywordFileHasCrlfLineEndsAndOtherwiseTheInProcessBytes) {
  const fs::path deck = dir_ / "E-101.deck";
  const fs::path out = dir_ / "E-101.kw";
  write_file(deck, example_with_oem_fluid_names());
  write_file(out, "OLD CONTENT\r\n");
  ASSERT_EQ(convert_(deck.string().c_str(), out.string().c_str(), 0), QALT2MORV_OK);
  const std::string bytes = read_file(out);
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.find("OLD CONTENT"), std::string::npos) << "replaced, not appended to";

  std::string lf;  // the file with each CRLF made LF; a CR anywhere else is a fault
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
      continue;
    }
    if (bytes[i] == '\n') {
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "LF without CR at byte " << i;
    }
    lf += bytes[i];
  }
  std::string expected;
  qalt2morv::ConvertOptions lf_options;
  lf_options.line_ending = qalt2morv::LineEnding::lf;
  ASSERT_TRUE(qalt2morv::convert_file_to_text(deck.string(), expected, lf_options).ok());
  EXPECT_EQ(lf, expected);

  // The fluid names went through the OEM-to-ANSI conversion (437 to 1252 on this host) and
  // the inch mark became "in".
  if (GetOEMCP() == 437 && GetACP() == 1252) {
    EXPECT_NE(bytes.find("\"\xDC"
                         "BERHITZTES \xD6"
                         "L"),
              std::string::npos);
    EXPECT_NE(bytes.find("\"K\xC4"
                         "LTEMITTEL \xA6 3/4in"),
              std::string::npos);
  }
}

TEST_F(LoadedDll, Statuses) {
  const fs::path out = dir_ / "out.kw";
  const fs::path malformed = dir_ / "malformed.deck";
  write_file(malformed, "U\n" + std::string(148, '\n') + "12a4\n");
  const std::string example = QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck";
  const std::string missing = (dir_ / "no_such.deck").string();
  const std::string malformed_s = malformed.string();
  const std::string out_s = out.string();
  const std::string in_missing_dir = (dir_ / "no_such_dir" / "out.kw").string();
  struct Case {
    const char* name;
    const char* deck;
    const char* output;
    int32_t status;
  };
  const Case cases[] = {
      {"converted, option ignored", example.c_str(), out_s.c_str(), QALT2MORV_OK},
      {"missing deck", missing.c_str(), out_s.c_str(), QALT2MORV_DECK_UNREADABLE},
      {"malformed number", malformed_s.c_str(), out_s.c_str(), QALT2MORV_DECK_MALFORMED},
      {"output in a missing folder", example.c_str(), in_missing_dir.c_str(),
       QALT2MORV_OUTPUT_FAILED},
  };
  for (const auto& c : cases) {
    write_file(out, "old");
    EXPECT_EQ(convert_(c.deck, c.output, 987), c.status) << c.name;
    if (c.output == out_s.c_str()) {
      EXPECT_EQ(fs::exists(out), c.status == QALT2MORV_OK)
          << c.name << ": a keyword file only after success";
    }
  }
}

}  // namespace
