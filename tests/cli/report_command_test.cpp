// qalt2morv report through run(args, out, err): one page to standard output or a file, a
// batch into a folder with its index, and the exit status and messages of each failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.hpp"
#include "cli_app.hpp"
#include "support/test_files.hpp"

namespace fs = std::filesystem;

namespace qalt2morv::cli {
namespace {

using testing::read_file;
using testing::write_file;

const fs::path kExamples = QALT2MORV_EXAMPLES_DIR;
const std::string kExample = (kExamples / "aes_crude_preheat.deck").string();
const std::string kMalformed = "U\n" + std::string(146, '\n') + "12a4\n";

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class Report : public testing::TempDirTest {
 protected:
  Report() : TempDirTest("qalt2morv_report") {}
};

TEST_F(Report, OneDeckToStandardOutputOrAFile) {
  const CliRun to_stdout = run_cli({"report", kExample});
  EXPECT_EQ(to_stdout.code, kExitOk) << to_stdout.err;
  EXPECT_EQ(to_stdout.out.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(to_stdout.err, "");
  EXPECT_EQ(run_cli({"report", kExample, "-o", "-"}).out, to_stdout.out);

  const fs::path page = dir_ / "E-101.html";
  const CliRun to_file = run_cli({"report", kExample, "-o", page.string()});
  EXPECT_EQ(to_file.code, kExitOk);
  EXPECT_EQ(to_file.out, "");
  EXPECT_EQ(read_file(page), to_stdout.out);
  EXPECT_EQ(files_under(dir_), std::vector<std::string>{"E-101.html"});  // no temporary left

#if !defined(_WIN32)
  // A device is written to, never replaced by a page.
  if (fs::exists("/dev/null")) {
    EXPECT_EQ(run_cli({"report", kExample, "-o", "/dev/null"}).code, kExitOk);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
  }
#endif
}

TEST_F(Report, Failures) {
  const fs::path bad = dir_ / "pump.deck";
  write_file(bad, kMalformed);
  const fs::path page = dir_ / "pump.html";
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string in_err;
    bool page_written;
  };
  const Case cases[] = {
      // A malformed deck's page shows the error; the status says it failed.
      {{"report", bad.string(), "-o", page.string()},
       kExitConversionFailed,
       "pump.deck: line 148 (reserved_148, feeds no record): \"12a4\" is not a number",
       true},
      {{"report", (dir_ / "missing.deck").string(), "-o", page.string()},
       kExitConversionFailed,
       "missing.deck: deck not found",
       false},
      {{"report", dir_.string(), "-o", page.string()},
       kExitConversionFailed,
       "is a directory",
       false},
      {{"report", kExample, bad.string()}, kExitUsage, "need --out-dir", false},
      {{"report", kExample, "-o", page.string(), "--out-dir", dir_.string()},
       kExitUsage,
       "excludes",
       false},
      {{"report", kExample, "-o", (dir_ / "no" / "such" / "folder.html").string()},
       kExitConversionFailed,
       "folder.html: cannot create page: ",  // and the system's cause
       false},
  };
  for (const Case& c : cases) {
    fs::remove(page);
    const CliRun r = run_cli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[1] << "\n" << r.err;
    EXPECT_NE(r.err.find(c.in_err), std::string::npos) << r.err;
    EXPECT_EQ(fs::exists(page), c.page_written) << c.args[1];
  }
  const std::string error_page =
      (run_cli({"report", bad.string(), "-o", page.string()}), read_file(page));
  EXPECT_NE(error_page.find("12a4"), std::string::npos);
  EXPECT_EQ(error_page.find("<svg"), std::string::npos);
}

TEST_F(Report, BatchWritesAPagePerDeckAndTheIndex) {
  const fs::path more = dir_ / "more";
  fs::create_directories(more);
  write_file(more / "pump.deck", kMalformed);
  const fs::path out = dir_ / "pages";
  const CliRun r = run_cli({"report", kExamples.string(), (more / "pump.deck").string(),
                            "--out-dir", out.string(), "-j", "2"});
  EXPECT_EQ(r.code, kExitConversionFailed) << r.err;  // one deck failed
  EXPECT_NE(r.err.find("pump.deck: line 148"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("pages 4 converted, 1 failed"), std::string::npos) << r.err;
  EXPECT_EQ(files_under(out),
            (std::vector<std::string>{"aes_crude_preheat.html", "air_cooler_product.html",
                                      "ajs_vertical_condenser.html", "bku_kettle_reboiler.html",
                                      "index.html", "pump.html"}));
  const std::string index = read_file(out / "index.html");
  EXPECT_EQ(count(index, "<tr class=\"deck\""), 5u);
  EXPECT_EQ(count(index, "data-status=\"failed\""), 1u);
  EXPECT_NE(index.find("<a href=\"pump.html\">"), std::string::npos);
  EXPECT_NE(index.find("<td>BKU</td><td>SI</td>"), std::string::npos);
  EXPECT_NE(read_file(out / "pump.html").find("<dd class=\"found\">12a4</dd>"), std::string::npos);
}

TEST_F(Report, BatchPagesThatWouldTakeOneNameAreNotWritten) {
  for (const char* folder : {"a", "b"}) {
    fs::create_directories(dir_ / folder);
    fs::copy_file(kExample, dir_ / folder / "E-101.deck");
  }
  fs::copy_file(kExample, dir_ / "a" / "index.deck");  // its page would be the index
  const fs::path out = dir_ / "pages";
  const CliRun r = run_cli({"report", (dir_ / "a").string(), (dir_ / "b" / "E-101.deck").string(),
                            "--out-dir", out.string(), "-q"});
  EXPECT_EQ(r.code, kExitConversionFailed);
  EXPECT_EQ(count(r.err, "takes this page's name"), 2u) << r.err;
  EXPECT_EQ(files_under(out), (std::vector<std::string>{"E-101.html", "index.html"}));
  // Every deck is listed; those without a page as failed, with the reason.
  const std::string index = read_file(out / "index.html");
  EXPECT_EQ(count(index, "<tr class=\"deck\""), 3u);
  EXPECT_EQ(count(index, "data-status=\"failed\""), 2u);
  EXPECT_EQ(count(index, "<td>no page</td>"), 2u);
}

TEST_F(Report, BatchOfAMissingDeckWritesNothing) {
  const fs::path out = dir_ / "pages";
  const CliRun r =
      run_cli({"report", kExample, (dir_ / "missing.deck").string(), "--out-dir", out.string()});
  EXPECT_EQ(r.code, kExitConversionFailed);
  EXPECT_NE(r.err.find("missing.deck"), std::string::npos);
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace qalt2morv::cli
