// The keyword file on disk: written under a temporary name and renamed into place, so that
// the output path never holds part of one, with threads writing into the same folder at once.
#include "entry/output_file.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "qalt2morv/convert.hpp"

namespace qalt2morv {
namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

std::vector<std::string> names_in(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class OutputFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           (std::string("qalt2morv_output_") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(OutputFile, ReplacesAnOldFileAndLeavesNoTemporary) {
  const fs::path out = dir_ / "e101.kw";
  write_file(out, "a much longer old keyword file than the new one");
  EXPECT_EQ(write_keyword_file(out.string().c_str(), "new"), "");
  EXPECT_EQ(read_file(out), "new");
  EXPECT_EQ(names_in(dir_), std::vector<std::string>{"e101.kw"});
}

TEST_F(OutputFile, FailuresLeaveNothingAndSayWhy) {
  fs::create_directories(dir_ / "a_directory");
  struct Case {
    const char* name;
    fs::path path;
    const char* cause;
  };
  const Case cases[] = {
      {"missing folder", dir_ / "no_such" / "e101.kw",
       "cannot create keyword file: No such file or directory"},
      {"a directory", dir_ / "a_directory", "cannot create keyword file: Is a directory"},
  };
  for (const auto& c : cases) {
    const std::string cause = write_keyword_file(c.path.string().c_str(), "text");
#if defined(_WIN32)
    EXPECT_EQ(cause.rfind("cannot create keyword file: ", 0), 0u)
        << c.name << ": " << cause;  // the C run time's words
#else
    EXPECT_EQ(cause, c.cause) << c.name;
#endif
  }
  EXPECT_EQ(names_in(dir_), std::vector<std::string>{"a_directory"});
  EXPECT_TRUE(fs::is_empty(dir_ / "a_directory"));
}

TEST_F(OutputFile, ThreadsWritingIntoOneFolderEachGetTheirOwnTemporary) {
  constexpr int kThreads = 4;
  constexpr int kFiles = 50;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([this, t] {
      for (int i = 0; i < kFiles; ++i) {
        const std::string name = std::to_string(t) + "-" + std::to_string(i);
        // Every thread also rewrites one shared name: the last rename wins, whole.
        const std::string text(static_cast<std::size_t>(1000 + i), static_cast<char>('a' + t));
        write_keyword_file((dir_ / (name + ".kw")).string().c_str(), text);
        write_keyword_file((dir_ / "shared.kw").string().c_str(),
                           std::string(5000, static_cast<char>('a' + t)));
      }
    });
  }
  for (auto& th : threads) th.join();
  const auto names = names_in(dir_);
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kThreads * kFiles + 1));
  for (int t = 0; t < kThreads; ++t) {
    for (int i = 0; i < kFiles; ++i) {
      const std::string name = std::to_string(t) + "-" + std::to_string(i) + ".kw";
      const std::string text(static_cast<std::size_t>(1000 + i), static_cast<char>('a' + t));
      EXPECT_EQ(read_file(dir_ / name), text) << name;
    }
  }
  const std::string shared = read_file(dir_ / "shared.kw");
  ASSERT_EQ(shared.size(), 5000u);
  EXPECT_EQ(shared, std::string(5000, shared[0]));
}

TEST_F(OutputFile, DeckTextToFileKeepsTheFileContract) {
  std::ifstream in(QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck", std::ios::binary);
  const std::string deck((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string expected;
  ASSERT_TRUE(convert_text(deck, expected).ok());
  const fs::path out = dir_ / "e101.kw";
  write_file(out, "old");
  ASSERT_TRUE(convert_text_to_file(deck, out.string()).ok());
  EXPECT_EQ(read_file(out), expected);
  EXPECT_EQ(names_in(dir_), std::vector<std::string>{"e101.kw"}) << "the old file replaced";

  const ConvertResult bad =
      convert_text_to_file("U\n" + std::string(146, '\n') + "12a4\n", out.string());
  EXPECT_EQ(bad.status, Status::deck_malformed);
  EXPECT_EQ(bad.line, 148);
  EXPECT_FALSE(fs::exists(out)) << "the old keyword file is gone and no new one written";
  EXPECT_TRUE(names_in(dir_).empty()) << "no temporary file is left behind either";

  EXPECT_EQ(convert_text_to_file(deck, "").status, Status::output_failed);
  EXPECT_EQ(convert_text_to_file(deck, (dir_ / "no_such" / "x.kw").string()).status,
            Status::output_failed);
#if !defined(_WIN32)
  const fs::path target = dir_ / "target.txt";
  write_file(target, "keep me");
  fs::create_symlink(target, out);
  ASSERT_TRUE(convert_text_to_file(deck, out.string()).ok());
  EXPECT_FALSE(fs::is_symlink(out));
  EXPECT_EQ(read_file(target), "keep me");
  EXPECT_EQ(read_file(out), expected);
  if (fs::exists("/dev/null")) {
    EXPECT_TRUE(convert_text_to_file(deck, "/dev/null").ok());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
  }
  EXPECT_EQ(names_in(dir_), (std::vector<std::string>{"e101.kw", "target.txt"}));
#endif
}

// A keyword file path that leads to the deck itself is refused before anything is written or
// removed, whatever the deck holds; a symbolic link to the deck is only a link and is replaced.
TEST_F(OutputFile, APathToTheDeckItselfIsRefusedAndTheDeckKept) {
  const std::string example = read_file(QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck");
  const std::string malformed = "U\n" + std::string(146, '\n') + "12a4\n";
  struct Case {
    const char* name;
    std::string deck_bytes;
    bool hard_link;      // the output is a second name of the deck's file
    bool through_link;   // the output names the deck through a linked folder
    bool symbolic_link;  // the output is a symbolic link to the deck
    bool refused;
  };
  const Case cases[] = {
    {"same path", example, false, false, false, true},
    {"same path, malformed deck", malformed, false, false, false, true},
#if !defined(_WIN32)
    {"hard link", example, true, false, false, true},
    {"linked folder", malformed, false, true, false, true},
    {"symbolic link", example, false, false, true, false},
#endif
  };
  for (const auto& c : cases) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const fs::path deck = dir_ / "e101.deck";
    write_file(deck, c.deck_bytes);
    fs::path out = deck;
    if (c.hard_link) fs::create_hard_link(deck, out = dir_ / "e101.kw");
    if (c.symbolic_link) fs::create_symlink(deck, out = dir_ / "e101.kw");
    if (c.through_link) {
      fs::create_directory_symlink(dir_, dir_ / "linked");
      out = dir_ / "linked" / "e101.deck";
    }
    const ConvertResult r = convert_file(deck.string(), out.string());
    if (c.refused) {
      EXPECT_EQ(r.status, Status::output_failed) << c.name;
      EXPECT_EQ(r.message, "the keyword file path names the deck itself") << c.name;
    } else {
      EXPECT_TRUE(r.ok()) << c.name << ": " << r.message;
      EXPECT_FALSE(fs::is_symlink(out)) << c.name;
    }
    EXPECT_EQ(read_file(deck), c.deck_bytes) << c.name << ": the deck is untouched";
  }
}

}  // namespace
}  // namespace qalt2morv
