// The qalt2morv command: exit codes, where output and diagnostics go, batch conversion.
#include "cli_app.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "qalt2morv/convert.hpp"
#include "support/test_files.hpp"

namespace fs = std::filesystem;

namespace qalt2morv::cli {
namespace {

using testing::read_file;
using testing::write_file;

const std::string kExample = QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck";

struct CliRun {
  int code;
  std::string out, err;
};

CliRun run_cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = run(args, out, err);
  return {code, out.str(), err.str()};
}

std::string expected_keywords(const std::string& deck_path, LineEnding ending = LineEnding::lf) {
  std::string text;
  ConvertOptions o;
  o.line_ending = ending;
  EXPECT_TRUE(convert_file_to_text(deck_path, text, o).ok());
  return text;
}

class Cli : public testing::TempDirTest {
 protected:
  Cli() : TempDirTest("qalt2morv_cli") {}
};

TEST_F(Cli, ExitCodesAndStreams) {
  const std::string missing = (dir_ / "missing.deck").string();
  const fs::path bad = dir_ / "pump.deck";
  write_file(bad, "U\n" + std::string(146, '\n') + "12a4\n");
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string in_out;  // expected in stdout ("" = stdout empty)
    std::string in_err;  // expected in stderr ("" = stderr empty)
  };
  const Case cases[] = {
      {{"--help"}, kExitOk, "convert", ""},
      {{"--version"}, kExitOk, "qalt2morv ", ""},
      {{}, kExitUsage, "", "try 'qalt2morv --help'"},
      {{"frobnicate"}, kExitUsage, "", "try 'qalt2morv --help'"},
      {{"convert"}, kExitUsage, "", "try 'qalt2morv --help'"},
      {{"convert", kExample, "--bogus"}, kExitUsage, "", "try 'qalt2morv --help'"},
      {{"convert", kExample, kExample}, kExitUsage, "", "several decks need --out-dir"},
      {{"convert", kExample, "-o", "x", "--out-dir", "y"}, kExitUsage, "", "try 'qalt2morv --help'"},
      {{"convert", kExample, "-j", "0", "--out-dir", "y"}, kExitUsage, "", "try 'qalt2morv --help'"},
      {{"convert", missing}, kExitConversionFailed, "", "missing.deck: deck not found"},
      {{"convert", bad.string()}, kExitConversionFailed, "", "pump.deck: line 148: \"12a4\" is not a number"},
      {{"convert", kExample}, kExitOk, "QALTUoM,1.000000,0\n", ""},
      {{"convert", kExample, "-o", "-"}, kExitOk, "QALTUoM,1.000000,0\n", ""},
  };
  for (const auto& c : cases) {
    const CliRun r = run_cli(c.args);
    std::string line;
    for (const auto& a : c.args) line += a + " ";
    EXPECT_EQ(r.code, c.code) << line << "\n" << r.err;
    if (c.in_out.empty()) {
      EXPECT_EQ(r.out, "") << line;
    } else {
      EXPECT_NE(r.out.find(c.in_out), std::string::npos) << line << "\n" << r.out.substr(0, 200);
    }
    if (c.in_err.empty()) {
      EXPECT_EQ(r.err, "") << line;
    } else {
      EXPECT_NE(r.err.find(c.in_err), std::string::npos) << line << "\n" << r.err;
    }
  }
}

TEST_F(Cli, OutputFileAndCrlf) {
  const fs::path out = dir_ / "e101.kw";
  ASSERT_EQ(run_cli({"convert", kExample, "-o", out.string()}).code, kExitOk);
  EXPECT_EQ(read_file(out), expected_keywords(kExample));  // "\n" on every platform
  ASSERT_EQ(run_cli({"convert", kExample, "-o", out.string(), "--crlf"}).code, kExitOk);
  const std::string crlf = read_file(out);
  EXPECT_NE(crlf.find("QALTUoM,1.000000,0\r\n"), std::string::npos);
  std::string stripped;
  for (char c : crlf) {
    if (c != '\r') stripped += c;
  }
  EXPECT_EQ(stripped, expected_keywords(kExample, LineEnding::lf));
  const CliRun to_stdout = run_cli({"convert", kExample, "--crlf"});
  EXPECT_EQ(to_stdout.out, crlf);
}

TEST_F(Cli, WarningsNameTheLineOfWhatWasNotRecognised) {
  const fs::path deck = dir_ / "odd.deck";
  write_file(deck, "U\n" + std::string(11, '\n') + "design\n");  // deck line 13 in lower case
  const CliRun quiet = run_cli({"convert", deck.string()});
  EXPECT_EQ(quiet.code, kExitOk);
  EXPECT_EQ(quiet.err, "");
  const CliRun loud = run_cli({"convert", deck.string(), "--warnings"});
  EXPECT_EQ(loud.code, kExitOk);
  EXPECT_NE(loud.err.find("odd.deck: line 13: warning: \"design\""), std::string::npos) << loud.err;
  EXPECT_EQ(loud.out, quiet.out);  // notes never change the keyword file
}

TEST_F(Cli, BatchConvertsEveryDeckAndReportsFailures) {
  const fs::path in = dir_ / "in";
  const fs::path out = dir_ / "out";
  fs::create_directories(in);
  const std::string example = read_file(kExample);
  for (int i = 0; i < 6; ++i) write_file(in / ("deck" + std::to_string(i) + ".txt"), example);
  write_file(in / "broken.txt", "U\n" + std::string(146, '\n') + "1.5.2\n");
  const CliRun r = run_cli({"convert", in.string(), (dir_ / "missing.deck").string(), "--out-dir", out.string(), "-j", "2"});
  EXPECT_EQ(r.code, kExitConversionFailed);
  EXPECT_NE(r.err.find("converted 6, failed 2"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("broken.txt: line 148: \"1.5.2\" is not a number"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("missing.deck: deck not found"), std::string::npos) << r.err;
  const std::string expected = expected_keywords(kExample);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(read_file(out / ("deck" + std::to_string(i) + ".kw")), expected) << i;
  EXPECT_FALSE(fs::exists(out / "broken.kw"));

  const CliRun ok = run_cli({"convert", (in / "deck0.txt").string(), "--out-dir", out.string(), "--ext", ".key", "-q"});
  EXPECT_EQ(ok.code, kExitOk);
  EXPECT_EQ(ok.err, "");
  EXPECT_EQ(read_file(out / "deck0.key"), expected);
}

TEST_F(Cli, BatchRefusesTwoDecksWritingTheSameKeywordFile) {
  const fs::path a = dir_ / "a";
  const fs::path b = dir_ / "b";
  fs::create_directories(a);
  fs::create_directories(b);
  write_file(a / "e101.deck", read_file(kExample));
  write_file(b / "e101.deck", "U\n");
  const CliRun r = run_cli({"convert", (a / "e101.deck").string(), (b / "e101.deck").string(), "--out-dir",
                         (dir_ / "out").string()});
  EXPECT_EQ(r.code, kExitConversionFailed);
  EXPECT_NE(r.err.find("another deck of this batch writes the same keyword file"), std::string::npos) << r.err;
  EXPECT_EQ(read_file(dir_ / "out" / "e101.kw"), expected_keywords(kExample));
}

}  // namespace
}  // namespace qalt2morv::cli
