// The qalt2morv command: exit codes, where output and diagnostics go, batch conversion.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "batch_inputs.hpp"
#include "cli/cli_run.hpp"
#include "cli_app.hpp"
#include "qalt2morv/convert.hpp"
#include "stale_temporaries.hpp"
#include "support/test_files.hpp"

#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace qalt2morv::cli {
namespace {

using testing::read_file;
using testing::write_file;

const std::string kExample = QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck";

unsigned long this_process_id() {
#if defined(_WIN32)
  return static_cast<unsigned long>(::_getpid());
#else
  return static_cast<unsigned long>(::getpid());
#endif
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
      {{"frobnicate"}, kExitUsage, "", "unknown command \"frobnicate\"\ntry 'qalt2morv --help'"},
      {{"conver", kExample},
       kExitUsage,
       "",
       "unknown command \"conver\"; did you mean \"convert\"?"},
      {{"Convert"}, kExitUsage, "", "did you mean \"convert\"?"},
      {{"convert", kExample, "--recursive"}, kExitUsage, "", "need --out-dir"},
      {{"convert", kExample, "--out-dir", "y", "--report", "r.txt"},
       kExitUsage,
       "",
       "must end in .csv or .jsonl"},
      {{"convert"}, kExitUsage, "", "try 'qalt2morv --help'"},
      {{"convert", kExample, "--bogus"}, kExitUsage, "", "try 'qalt2morv --help'"},
      {{"convert", kExample, kExample}, kExitUsage, "", "several decks need --out-dir"},
      {{"convert", kExample, "-o", "x", "--out-dir", "y"},
       kExitUsage,
       "",
       "try 'qalt2morv --help'"},
      {{"convert", kExample, "-j", "0", "--out-dir", "y"},
       kExitUsage,
       "",
       "try 'qalt2morv --help'"},
      {{"convert", missing}, kExitConversionFailed, "", "missing.deck: deck not found"},
      {{"convert", bad.string()},
       kExitConversionFailed,
       "",
       "pump.deck: line 148 (reserved_148, feeds no record): \"12a4\" is not a number"},
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
  EXPECT_NE(loud.err.find("odd.deck: line 13 (program_mode_word): warning: \"design\""),
            std::string::npos)
      << loud.err;
  EXPECT_EQ(loud.out, quiet.out);  // notes never change the keyword file
}

TEST_F(Cli, BatchConvertsEveryDeckAndReportsFailures) {
  const fs::path in = dir_ / "in";
  const fs::path out = dir_ / "out";
  fs::create_directories(in);
  const std::string example = read_file(kExample);
  for (int i = 0; i < 6; ++i) write_file(in / ("deck" + std::to_string(i) + ".txt"), example);
  write_file(in / "broken.txt", "U\n" + std::string(146, '\n') + "1.5.2\n");
  const CliRun r =
      run_cli({"convert", in.string(), "--glob", "*.txt", "--out-dir", out.string(), "-j", "2"});
  EXPECT_EQ(r.code, kExitConversionFailed);
  EXPECT_NE(r.err.find("converted 6, failed 1"), std::string::npos) << r.err;
  EXPECT_NE(
      r.err.find("broken.txt: line 148 (reserved_148, feeds no record): \"1.5.2\" is not a number"),
      std::string::npos)
      << r.err;
  const std::string expected = expected_keywords(kExample);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(read_file(out / ("deck" + std::to_string(i) + ".kw")), expected) << i;
  EXPECT_FALSE(fs::exists(out / "broken.kw"));

  const CliRun ok = run_cli(
      {"convert", (in / "deck0.txt").string(), "--out-dir", out.string(), "--ext", ".key", "-q"});
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
  const CliRun r = run_cli({"convert", (a / "e101.deck").string(), (b / "e101.deck").string(),
                            "--out-dir", (dir_ / "out").string()});
  EXPECT_EQ(r.code, kExitConversionFailed);
  EXPECT_NE(r.err.find("another deck of this batch writes the same keyword file"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(read_file(dir_ / "out" / "e101.kw"), expected_keywords(kExample));
}

TEST(DeckNames, Patterns) {
  struct Case {
    const char* pattern;
    const char* name;
    bool case_blind;
    bool matches;
  };
  const Case cases[] = {
      {"*.deck", "E-101.deck", true, true},
      {"*.deck", "E-101.DECK", true, true},
      {"*.deck", "E-101.Deck", false, false},
      {"*.deck", "E-101.deck.bak", true, false},
      {"*.deck", "notes.md", true, false},
      {"*.deck", ".deck", true, true},
      {"E-1??.dat", "E-101.dat", false, true},
      {"E-1??.dat", "E-1011.dat", false, false},
      {"[AE]-*", "A-7", false, true},
      {"[AE]-*", "B-7", false, false},
      {"[!A]-*", "B-7", false, true},
      {"[a-c]*.txt", "b1.txt", false, true},
      {"[a-c]*.txt", "d1.txt", false, false},
      {"*a*b*c", "xxaxxbxxc", false, true},
      {"*a*b*c", "xxaxxcxxb", false, false},
      {"[unclosed", "[unclosed", false, true},
      {"*", "", false, true},
      {"?", "", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(name_matches(c.pattern, c.name, c.case_blind), c.matches)
        << c.pattern << " " << c.name;
  }
}

// The batch names keyword files after the last component of a deck's path; its own cut must
// agree with the standard library's for every shape of path.
TEST(DeckNames, FileNameIsTheLastComponentAsFilenameGivesIt) {
  for (const std::string path : {"plant/E-101.deck", "E-101.deck", "/abs/dir/x.deck", "dir/", "/",
                                 "", ".", "a/..", "dir//x.deck", ".hidden"}) {
    EXPECT_EQ(file_name_of(std::string_view(path)), fs::path(path).filename().string()) << path;
    EXPECT_EQ(file_name_of(fs::path(path)), fs::path(path).filename().string()) << path;
  }
}

TEST_F(Cli, ArchiveOfPlantFoldersIsMirroredDecksOnly) {
  const fs::path archive = dir_ / "archive";
  const fs::path out = dir_ / "out";
  const std::string example = read_file(kExample);
  fs::create_directories(archive / "plant-a" / "unit-2");
  fs::create_directories(archive / "plant-b");
  fs::create_directories(archive / ".git");
  write_file(archive / "plant-a" / "E-101.deck", example);
  write_file(archive / "plant-a" / "unit-2" / "E-201.DECK", example);
  write_file(archive / "plant-b" / "E-301.Deck", example);
  write_file(archive / "plant-a" / "notes.md", "hi\n");
  write_file(archive / "plant-b" / ".hidden.deck", example);
  write_file(archive / ".git" / "x.deck", example);
  write_file(archive / "README", "archive\n");

  // Without -r the top folder holds no deck: an error naming it, and nothing created.
  const CliRun flat = run_cli({"convert", archive.string(), "--out-dir", out.string()});
  EXPECT_EQ(flat.code, kExitConversionFailed);
  EXPECT_NE(
      flat.err.find(archive.string() +
                    ": no deck in this folder (looked for *.deck); -r searches its sub-folders"),
      std::string::npos)
      << flat.err;
  EXPECT_FALSE(fs::exists(out));

  const CliRun r =
      run_cli({"convert", archive.string(), "-r", "--out-dir", out.string(), "-j", "2"});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(r.err.find("converted 3, failed 0"), std::string::npos) << r.err;
  const std::vector<std::string> expected_names = {"plant-a/E-101.kw", "plant-a/unit-2/E-201.kw",
                                                   "plant-b/E-301.kw"};
  EXPECT_EQ(files_under(out), expected_names);
  for (const auto& n : expected_names)
    EXPECT_EQ(read_file(out / n), expected_keywords(kExample)) << n;

  // --glob takes other names; a pattern matching nothing is the same error as no deck.
  const CliRun notes = run_cli({"convert", (archive / "plant-a").string(), "--glob", "*.md",
                                "--out-dir", (dir_ / "notes").string()});
  EXPECT_EQ(notes.code, kExitOk) << notes.err;
  EXPECT_TRUE(fs::exists(dir_ / "notes" / "notes.kw"));
  const CliRun none =
      run_cli({"convert", archive.string(), "-r", "--glob", "*.dat", "--out-dir", out.string()});
  EXPECT_EQ(none.code, kExitConversionFailed);
  EXPECT_NE(none.err.find("no deck in this folder (looked for *.dat, in sub-folders too)"),
            std::string::npos)
      << none.err;
}

TEST_F(Cli, BatchChecksEveryInputBeforeCreatingAnything) {
  const fs::path out = dir_ / "out";
  const fs::path file = dir_ / "a_file";
  write_file(file, "x");
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string in_err;
  };
  const Case cases[] = {
      {"missing deck",
       {"convert", kExample, (dir_ / "missing.deck").string(), "--out-dir", out.string()},
       "missing.deck: deck not found"},
      {"empty folder",
       {"convert", dir_.string() + "/empty", "--out-dir", out.string()},
       "no deck in this folder"},
      {"output folder is a file",
       {"convert", kExample, "--out-dir", file.string()},
       "a_file: cannot create the output folder: File exists"},
      {"output folder under a file",
       {"convert", kExample, "--out-dir", (file / "sub").string()},
#if defined(_WIN32)
       "cannot create the output folder: "},
#else
       "cannot create the output folder: Not a directory"},
#endif
  };
  fs::create_directories(dir_ / "empty");
  for (const auto& c : cases) {
    const CliRun r = run_cli(c.args);
    EXPECT_EQ(r.code, kExitConversionFailed) << c.name;
    EXPECT_NE(r.err.find(c.in_err), std::string::npos) << c.name << ": " << r.err;
    EXPECT_FALSE(fs::exists(out)) << c.name;
  }
  EXPECT_EQ(read_file(file), "x");
}

TEST_F(Cli, UpdateConvertsOnlyMissingOrOlderKeywordFiles) {
  const fs::path in = dir_ / "in";
  const fs::path out = dir_ / "out";
  fs::create_directories(in);
  for (int i = 0; i < 4; ++i)
    write_file(in / ("E-" + std::to_string(i) + ".deck"), read_file(kExample));
  ASSERT_EQ(run_cli({"convert", in.string(), "--out-dir", out.string()}).code, kExitOk);
  fs::remove(out / "E-1.kw");
  write_file(out / "E-2.kw", "stale");
  fs::last_write_time(out / "E-2.kw", fs::last_write_time(in / "E-2.deck") - std::chrono::hours(1));
  write_file(out / "E-3.kw", "newer than its deck, kept");
  const CliRun r = run_cli({"convert", in.string(), "--out-dir", out.string(), "--update"});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(r.err.find("converted 2, failed 0, skipped 2 up to date"), std::string::npos) << r.err;
  EXPECT_EQ(read_file(out / "E-1.kw"), expected_keywords(kExample));
  EXPECT_EQ(read_file(out / "E-2.kw"), expected_keywords(kExample));
  EXPECT_EQ(read_file(out / "E-3.kw"), "newer than its deck, kept");
}

// A temporary is removed only when the process named in it has ended: another batch or the
// host may be writing into the same folder at this moment.
TEST_F(Cli, BatchRemovesTemporaryFilesOfAKilledRunOnly) {
  const fs::path out = dir_ / "out";
  fs::create_directories(out);
  std::ostringstream own;
  own << std::hex << this_process_id();
  const std::string prefix = kTemporaryFilePrefix;
  const std::string ended = prefix + "7ffffff0-1a2b-3c4d-0";  // beyond any process id
  const std::string nameless = prefix + "1234";               // says no writer
  const std::string running = prefix + own.str() + "-1a2b-3c4d-0";
  for (const auto& name : {ended, nameless, running}) write_file(out / name, "half a keyword fi");
  write_file(out / "keep.txt", "not ours");
  EXPECT_TRUE(is_stale_temporary(ended));
  EXPECT_TRUE(is_stale_temporary(nameless));
  EXPECT_FALSE(is_stale_temporary(running));
  EXPECT_FALSE(is_stale_temporary("keep.txt"));
  ASSERT_EQ(run_cli({"convert", kExample, "--out-dir", out.string(), "-q"}).code, kExitOk);
  EXPECT_EQ(files_under(out),
            (std::vector<std::string>{running, "aes_crude_preheat.kw", "keep.txt"}));
}

TEST_F(Cli, ReportsListEveryDeckWithItsStatus) {
  const fs::path in = dir_ / "in";
  const fs::path out = dir_ / "out";
  fs::create_directories(in);
  write_file(in / "a.deck", read_file(kExample));
  write_file(in / "b.deck", "U\n" + std::string(146, '\n') + "1.5.2\n");
  write_file(in / "c.deck", "U\n" + std::string(11, '\n') + "design\n");  // one note, deck line 13
  const std::string a_kw = (out / "a.kw").string();
  const fs::path csv = dir_ / "report.csv";
  const CliRun r = run_cli(
      {"convert", in.string(), "--out-dir", out.string(), "--report", csv.string(), "-j", "1"});
  EXPECT_EQ(r.code, kExitConversionFailed);
  EXPECT_NE(r.err.find("report: " + csv.string()), std::string::npos) << r.err;
  // Quotes escaped in JSON.
  const std::string b_message =
      "line 148 (reserved_148, feeds no record): \\\"1.5.2\\\" is not a number";
  const std::string csv_text = read_file(csv);
  const std::string expected_csv = "deck,keyword_file,status,line,field,message,notes\n" +  //
                                   (in / "a.deck").string() + "," + a_kw + ",converted,,,,0\n" +
                                   (in / "b.deck").string() + "," + (out / "b.kw").string() +
                                   ",failed,148,reserved_148,";
  EXPECT_EQ(csv_text.substr(0, expected_csv.size()), expected_csv) << csv_text;
  EXPECT_NE(csv_text.find("is not a number"), std::string::npos) << csv_text;
  EXPECT_NE(
      csv_text.find((in / "c.deck").string() + "," + (out / "c.kw").string() + ",converted,,,,1\n"),
      std::string::npos)
      << csv_text;

  const fs::path jsonl = dir_ / "report.JSONL";
  ASSERT_EQ(run_cli({"convert", in.string(), "--out-dir", out.string(), "--report", jsonl.string(),
                     "--update", "-q"})
                .code,
            kExitConversionFailed);
  std::istringstream lines(read_file(jsonl));
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);) rows.push_back(line);
  ASSERT_EQ(rows.size(), 3u);
  // A JSON string doubles every backslash (Windows paths).
  const auto json_text = [](std::string s) {
    for (std::size_t i = 0; (i = s.find('\\', i)) != std::string::npos; i += 2)
      s.insert(i, 1, '\\');
    return s;
  };
  EXPECT_EQ(rows[0], "{\"deck\":\"" + json_text((in / "a.deck").string()) +
                         "\",\"keyword_file\":\"" + json_text(a_kw) +
                         "\",\"status\":\"up to "
                         "date\",\"line\":null,\"field\":\"\",\"message\":\"\",\"notes\":0}");
  EXPECT_NE(rows[1].find("\"line\":148,\"field\":\"reserved_148\","), std::string::npos) << rows[1];
  EXPECT_NE(rows[1].find(b_message), std::string::npos) << rows[1];
  EXPECT_NE(rows[1].find("\"status\":\"failed\""), std::string::npos) << rows[1];
}

TEST_F(Cli, DeckFromStandardInputToAFileIsWrittenInOnePiece) {
  const fs::path out = dir_ / "e101.kw";
  const std::string deck = read_file(kExample);
  ASSERT_EQ(run_cli({"convert", "-", "-o", out.string()}, deck).code, kExitOk);
  EXPECT_EQ(read_file(out), expected_keywords(kExample));
  EXPECT_EQ(files_under(dir_), std::vector<std::string>{"e101.kw"});

  // A malformed deck leaves no keyword file, not even the old one.
  const CliRun bad =
      run_cli({"convert", "-", "-o", out.string()}, "U\n" + std::string(146, '\n') + "12a4\n");
  EXPECT_EQ(bad.code, kExitConversionFailed);
  EXPECT_NE(bad.err.find("-: line 148"), std::string::npos) << bad.err;
  EXPECT_FALSE(fs::exists(out));
  EXPECT_TRUE(files_under(dir_).empty()) << "no temporary file is left behind either";

#if !defined(_WIN32)
  // A symbolic link at the output path is replaced; what it pointed to is left alone.
  const fs::path target = dir_ / "target.txt";
  write_file(target, "keep me");
  fs::create_symlink(target, out);
  ASSERT_EQ(run_cli({"convert", "-", "-o", out.string()}, deck).code, kExitOk);
  EXPECT_FALSE(fs::is_symlink(out));
  EXPECT_EQ(read_file(target), "keep me");
  EXPECT_EQ(read_file(out), expected_keywords(kExample));
  EXPECT_EQ(files_under(dir_),
            (std::vector<std::string>{"e101.kw", "target.txt"}));  // no temporary left
#endif
}

}  // namespace
}  // namespace qalt2morv::cli
