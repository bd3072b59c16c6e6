// explain, check and convert --format json through run(args, out, err): exit codes, the JSON
// documents' keys and values, and that check and explain write nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.hpp"
#include "cli_app.hpp"
#include "qalt2morv/convert.hpp"
#include "qalt2morv/explain.hpp"
#include "qalt2morv/keyword_reader.hpp"
#include "support/test_files.hpp"

namespace fs = std::filesystem;
using nlohmann::json;

namespace qalt2morv::cli {
namespace {

const std::string kExample = QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck";

using testing::read_file;

// The example deck with deck line `line` replaced.
std::string example_with(int line, const std::string& text) {
  std::istringstream in(read_file(kExample));
  std::string deck, l;
  for (int k = 1; std::getline(in, l); ++k) deck += (k == line ? text : l) + "\n";
  return deck;
}

class CliJson : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           (std::string("qalt2morv_cli_json_") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    good_ = (dir_ / "good.deck").string();
    noted_ = (dir_ / "noted.deck").string();
    malformed_ = (dir_ / "malformed.deck").string();
    std::ofstream(good_, std::ios::binary) << read_file(kExample);
    std::ofstream(noted_, std::ios::binary) << example_with(17, "plain");
    std::ofstream(malformed_, std::ios::binary) << example_with(41, "N/A");
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::size_t files_in_dir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  fs::path dir_;
  std::string good_, noted_, malformed_;
};

TEST_F(CliJson, ExplainJsonIsTheExplanation) {
  const CliRun r = run_cli({"explain", good_, "--format", "json"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  const json doc = json::parse(r.out);
  EXPECT_EQ(doc["deck"], good_);
  EXPECT_EQ(doc["status"], 0);
  // The command line writes "\n" line ends on every platform.
  ConvertOptions lf;
  lf.line_ending = LineEnding::lf;
  const Explanation e = explain_file(good_, lf);
  ASSERT_EQ(doc["records"].size(), e.records.size());
  for (std::size_t i = 0; i < e.records.size(); ++i) {
    const json& rec = doc["records"][i];
    EXPECT_EQ(rec["key"], e.records[i].key);
    EXPECT_EQ(rec["occurrence"], e.records[i].occurrence);
    EXPECT_EQ(rec["lines"].get<std::vector<int>>(), e.records[i].lines);
    EXPECT_EQ(rec["text"].get<std::string>() + "\n", e.records[i].text)
        << "the text without its last line end";
  }
  ASSERT_EQ(doc["absent"].size(), e.absent.size());
  EXPECT_EQ(doc["failing_lines"].get<std::vector<int>>(), e.failing_lines);
  EXPECT_EQ(doc["records"][0]["text"], "QALTUoM,1.000000,0");
}

TEST_F(CliJson, ExplainSelectsByKeyAndByLine) {
  const json by_key = json::parse(run_cli({"explain", good_, "TempInSS", "--format", "json"}).out);
  ASSERT_EQ(by_key["records"].size(), 1u);
  EXPECT_EQ(by_key["records"][0]["key"], "TempInSS");
  const json by_line =
      json::parse(run_cli({"explain", good_, "--line", "150", "--format", "json"}).out);
  ASSERT_FALSE(by_line["records"].empty());
  for (const json& rec : by_line["records"]) {
    const auto lines = rec["lines"].get<std::vector<int>>();
    EXPECT_NE(std::find(lines.begin(), lines.end(), 150), lines.end()) << rec["key"];
  }
  const CliRun text = run_cli({"explain", good_, "TempInSS"});
  EXPECT_EQ(text.code, kExitOk);
  EXPECT_NE(text.out.find("TempInSS = 450.000000\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("  line 150 (shell_inlet_temperature): 450.0\n"), std::string::npos)
      << text.out;
}

TEST_F(CliJson, BadDecksGiveAStatusAndWriteNothing) {
  struct Case {
    std::string deck;
    int status;
    int line;
  };
  const Case cases[] = {
      {(dir_ / "missing.deck").string(), 1500, 0},
      {dir_.string(), 1500, 0},
      {malformed_, 1501, 41},
  };
  for (const Case& c : cases) {
    const std::size_t before = files_in_dir();
    const CliRun r = run_cli({"explain", c.deck, "--format", "json"});
    EXPECT_EQ(r.code, kExitConversionFailed) << c.deck;
    const json doc = json::parse(r.out);
    EXPECT_EQ(doc["status"], c.status) << c.deck;
    EXPECT_EQ(doc["line"], c.line) << c.deck;
    EXPECT_FALSE(doc["message"].get<std::string>().empty());
    EXPECT_TRUE(doc["records"].empty() && doc["absent"].empty() && doc["failing_lines"].empty());
    EXPECT_EQ(run_cli({"check", c.deck}).code, kExitConversionFailed) << c.deck;
    EXPECT_EQ(files_in_dir(), before) << c.deck;
  }
  EXPECT_EQ(run_cli({"explain"}).code, kExitUsage);
  EXPECT_EQ(run_cli({"explain", good_, "--format", "xml"}).code, kExitUsage);
  EXPECT_EQ(run_cli({"check"}).code, kExitUsage);
}

TEST_F(CliJson, CheckExitStatusesAndJsonLines) {
  struct Case {
    std::vector<std::string> args;
    int code;
  };
  const Case cases[] = {
      {{"check", good_}, kExitOk},
      {{"check", noted_}, kExitOk},
      {{"check", noted_, "--strict"}, kExitConversionFailed},
      {{"check", good_, "--strict"}, kExitOk},
      {{"check", good_, malformed_}, kExitConversionFailed},
  };
  for (const Case& c : cases)
    EXPECT_EQ(run_cli(c.args).code, c.code) << c.args[1] << " " << c.args.back();

  const std::size_t before = files_in_dir();
  const CliRun r = run_cli({"check", good_, noted_, malformed_, "--format", "json", "-j", "2"});
  EXPECT_EQ(r.code, kExitConversionFailed);
  EXPECT_EQ(files_in_dir(), before) << "check writes no keyword file";
  std::istringstream lines(r.out);
  std::vector<json> docs;
  for (std::string l; std::getline(lines, l);) docs.push_back(json::parse(l));
  ASSERT_EQ(docs.size(), 3u);
  EXPECT_EQ(docs[0]["deck"], good_);
  EXPECT_EQ(docs[0]["status"], 0);
  EXPECT_TRUE(docs[0]["notes"].empty());
  ASSERT_EQ(docs[1]["notes"].size(), 1u);
  EXPECT_EQ(docs[1]["notes"][0]["line"], 17);
  EXPECT_EQ(docs[1]["notes"][0]["found"], "plain");
  EXPECT_EQ(docs[2]["status"], 1501);
  EXPECT_EQ(docs[2]["line"], 41);

  const CliRun folder = run_cli({"check", dir_.string()});
  EXPECT_NE(folder.out.find("checked 3 decks: 2 converted, 1 failed, 1 with notes\n"),
            std::string::npos)
      << folder.out;
  EXPECT_NE(folder.out.find("  line 17: 1 notes\n"), std::string::npos) << folder.out;
}

TEST_F(CliJson, ConvertJsonHoldsTheKeywordFileRecordByRecord) {
  const CliRun r = run_cli({"convert", good_, "--format", "json"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  const json doc = json::parse(r.out);
  std::string text;
  ConvertOptions lf;
  lf.line_ending = LineEnding::lf;
  ASSERT_TRUE(convert_file_to_text(good_, text, lf).ok());
  const std::vector<Record> records = read_keyword_text(text);
  ASSERT_EQ(doc["records"].size(), records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const json& j = doc["records"][i];
    const Record& rec = records[i];
    EXPECT_EQ(j["key"], rec.key);
    EXPECT_EQ(j["occurrence"], rec.occurrence);
    if (rec.kind == RecordKind::number) {
      EXPECT_EQ(j["kind"], "number");
      EXPECT_EQ(j["value"].get<double>(), std::stod(rec.value)) << rec.key;
    } else if (rec.kind == RecordKind::text) {
      EXPECT_EQ(j["kind"], "text");
      EXPECT_EQ(j["value"], rec.value) << "texts keep their trailing blanks";
    } else {
      EXPECT_EQ(j["kind"], "list");
      ASSERT_EQ(j["values"].size(), rec.values.size()) << rec.key;
      for (std::size_t k = 0; k < rec.values.size(); ++k) {
        if (rec.values[k].empty()) {
          EXPECT_TRUE(j["values"][k].is_null()) << rec.key;
        } else {
          EXPECT_EQ(j["values"][k].get<double>(), std::stod(rec.values[k])) << rec.key;
        }
      }
    }
  }

  const fs::path out_dir = dir_ / "out";
  EXPECT_EQ(
      run_cli({"convert", good_, noted_, "--out-dir", out_dir.string(), "--format", "json"}).code,
      kExitOk);
  EXPECT_EQ(json::parse(read_file(out_dir / "good.json")), doc);
  EXPECT_TRUE(fs::exists(out_dir / "noted.json"));
  EXPECT_EQ(run_cli({"convert", malformed_, "--format", "json"}).code, kExitConversionFailed);
}

}  // namespace
}  // namespace qalt2morv::cli
