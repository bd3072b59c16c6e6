// The exported function as the host calls it: statuses, what is left at the output path,
// and what must stay true after every kind of bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#if !defined(_WIN32)
#include <dirent.h>
#endif

#include "qalt2morv/qalt2morv.h"
#include "support/test_files.hpp"

namespace fs = std::filesystem;

namespace {

using qalt2morv::testing::read_file;
using qalt2morv::testing::write_file;

std::string example_deck() { return QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck"; }

class ExportedFunction : public qalt2morv::testing::TempDirTest {
 protected:
  ExportedFunction() : TempDirTest("qalt2morv_exported") {}
};

// A deck of the given lines (line 1 "U"), every other line blank, 499 lines.
std::string deck_with(int line, const std::string& text) {
  std::string deck;
  for (int k = 1; k <= 499; ++k)
    deck += (k == 1 ? std::string("U") : k == line ? text : std::string()) + "\n";
  return deck;
}

TEST_F(ExportedFunction, ConvertsTheExampleAndReplacesAnExistingKeywordFile) {
  const fs::path out = dir_ / "out.kw";
  write_file(out, "OLD CONTENT THAT MUST GO\n");
  ASSERT_EQ(QALT2MORV(example_deck().c_str(), out.string().c_str(), 0), QALT2MORV_OK);
  const std::string first = read_file(out);
  EXPECT_EQ(first.find("OLD CONTENT"), std::string::npos);
#if defined(_WIN32)
  EXPECT_EQ(first.rfind("QALTUoM,1.000000,0\r\n", 0), 0u);  // the platform's line end
#else
  EXPECT_EQ(first.rfind("QALTUoM,1.000000,0\n", 0), 0u);
#endif
  // Again over the same path, with another option value: the same bytes, not appended.
  ASSERT_EQ(QALT2MORV(example_deck().c_str(), out.string().c_str(), 12345), QALT2MORV_OK);
  EXPECT_EQ(read_file(out), first);
}

// A host without a console sees only the failure line: it must say which deck, which line.
TEST_F(ExportedFunction, FailureLineNamesTheDeckTheLineAndTheStatus) {
  struct Case {
    std::string deck_name;
    std::string deck_bytes;  // empty: no deck file at all
    std::string line;
  };
  const Case cases[] = {
      {"pump.deck", deck_with(148, "12a4"),
       "pump.deck: line 148 (reserved_148, feeds no record): \"12a4\" is not a number: \"a\" in "
       "column 3 (status 1501)\n"},
      {"missing.deck", "", "missing.deck: deck not found (status 1500)\n"},
  };
  for (const Case& c : cases) {
    const fs::path deck = dir_ / c.deck_name;
    if (!c.deck_bytes.empty()) write_file(deck, c.deck_bytes);
    ::testing::internal::CaptureStderr();
    QALT2MORV(deck.string().c_str(), (dir_ / "out.kw").string().c_str(), 0);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "qalt2morv: " + deck.string() + ": " + c.line.substr(c.deck_name.size() + 2))
        << said;
  }
}

TEST_F(ExportedFunction, SuccessiveConversionsAreIndependent) {
  const fs::path long_deck = dir_ / "long.deck";
  const fs::path short_deck = dir_ / "short.deck";
  write_file(long_deck, deck_with(150, "450.0"));
  write_file(short_deck, "U\n");
  const fs::path a = dir_ / "a.kw";
  const fs::path b = dir_ / "b.kw";
  const fs::path c = dir_ / "c.kw";
  ASSERT_EQ(QALT2MORV(short_deck.string().c_str(), a.string().c_str(), 0), 0);
  ASSERT_EQ(QALT2MORV(long_deck.string().c_str(), b.string().c_str(), 0), 0);
  ASSERT_EQ(QALT2MORV(short_deck.string().c_str(), c.string().c_str(), 0), 0);
  EXPECT_NE(read_file(b).find("TempInSS,450.000000,0"), std::string::npos);
  EXPECT_EQ(read_file(a), read_file(c));  // nothing of the long deck survives
}

enum class Output { fresh, existing };

struct BadInputCase {
  const char* name;
  std::string deck_bytes;  // written to the deck path unless deck_path is set
  const char* deck_path;   // special deck path: nullptr means use the written file
  int status;
};

TEST_F(ExportedFunction, BadDecks) {
  std::string garbage(20000, '\0');
  std::mt19937 rng(7);
  for (auto& c : garbage) c = static_cast<char>(rng());
  std::string many_lines;
  for (int k = 0; k < 200000; ++k) many_lines += "0\n";  // valid in every field kind
  const BadInputCase cases[] = {
      {"empty deck converts", "", nullptr, QALT2MORV_OK},
      {"one 10 MB line", std::string(10 * 1024 * 1024, 'U'), nullptr, QALT2MORV_OK},
      {"200000 lines", "U\n" + many_lines, nullptr, QALT2MORV_OK},
      {"NUL bytes in a text line", deck_with(276, std::string("CRUDE\0OIL", 9)), nullptr,
       QALT2MORV_OK},
      {"NUL byte in a number", deck_with(150, std::string("45\0", 3)), nullptr,
       QALT2MORV_DECK_MALFORMED},
      {"malformed number on a used line", deck_with(150, "12a4"), nullptr,
       QALT2MORV_DECK_MALFORMED},
      {"malformed number on an unused line", deck_with(148, "12a4"), nullptr,
       QALT2MORV_DECK_MALFORMED},
      {"real beyond single precision", deck_with(63, "9.9E99"), nullptr, QALT2MORV_DECK_MALFORMED},
      {"binary garbage", garbage, nullptr, -1},  // 0 or 1501, never anything else
  };
  for (const auto& c : cases) {
    const fs::path deck = dir_ / "bad.deck";
    const fs::path out = dir_ / "bad.kw";
    write_file(deck, c.deck_bytes);
    write_file(out, "old");
    const int status = QALT2MORV(deck.string().c_str(), out.string().c_str(), 0);
    if (c.status == -1) {
      EXPECT_TRUE(status == QALT2MORV_OK || status == QALT2MORV_DECK_MALFORMED)
          << c.name << ": " << status;
    } else {
      EXPECT_EQ(status, c.status) << c.name;
    }
    EXPECT_EQ(fs::exists(out), status == QALT2MORV_OK)
        << c.name << ": a keyword file only after success";
    if (status == QALT2MORV_OK) {
      EXPECT_NE(read_file(out), "old") << c.name;
    }
    EXPECT_TRUE(fs::exists(deck)) << c.name;
  }
}

TEST_F(ExportedFunction, BadPaths) {
  const fs::path out = dir_ / "out.kw";
  const std::string deck = example_deck();
  const fs::path sub = dir_ / "a_directory";
  fs::create_directories(sub / "inside");
  struct Case {
    const char* name;
    const char* deck;
    const char* output;
    int status;
  };
  const std::string missing = (dir_ / "no_such.deck").string();
  const std::string out_s = out.string();
  const std::string sub_s = sub.string();
  const std::string missing_dir_out = (dir_ / "no_such_dir" / "out.kw").string();
  const Case cases[] = {
      {"missing deck", missing.c_str(), out_s.c_str(), QALT2MORV_DECK_UNREADABLE},
      {"null deck path", nullptr, out_s.c_str(), QALT2MORV_DECK_UNREADABLE},
      {"directory as deck", sub_s.c_str(), out_s.c_str(), QALT2MORV_DECK_UNREADABLE},
      {"null output path", deck.c_str(), nullptr, QALT2MORV_OUTPUT_FAILED},
      {"empty output path", deck.c_str(), "", QALT2MORV_OUTPUT_FAILED},
      {"output in a missing directory", deck.c_str(), missing_dir_out.c_str(),
       QALT2MORV_OUTPUT_FAILED},
      {"output path is a directory", deck.c_str(), sub_s.c_str(), QALT2MORV_OUTPUT_FAILED},
  };
  for (const auto& c : cases) {
    write_file(out, "old");
    EXPECT_EQ(QALT2MORV(c.deck, c.output, 0), c.status) << c.name;
    if (c.output == out_s.c_str()) {
      EXPECT_FALSE(fs::exists(out))
          << c.name << ": the old keyword file is gone and no new one written";
    }
  }
  EXPECT_TRUE(fs::is_directory(sub / "inside"))
      << "a directory at the output path is never removed";
  EXPECT_FALSE(fs::exists(dir_ / "no_such_dir"));
}

TEST_F(ExportedFunction, OutputPathNamingTheDeckLeavesTheDeckAlone) {
  const fs::path deck = dir_ / "deck.txt";
  const std::string bytes = read_file(example_deck());
  write_file(deck, bytes);
  EXPECT_EQ(QALT2MORV(deck.string().c_str(), deck.string().c_str(), 0), QALT2MORV_OUTPUT_FAILED);
  EXPECT_EQ(read_file(deck), bytes);
}

TEST_F(ExportedFunction, Devices) {
#if defined(_WIN32)
  GTEST_SKIP() << "POSIX devices";
#endif
  if (!fs::exists("/dev/null") || !fs::exists("/dev/full"))
    GTEST_SKIP() << "no /dev/null or /dev/full";
  EXPECT_EQ(QALT2MORV(example_deck().c_str(), "/dev/null", 0), QALT2MORV_OK);
  EXPECT_EQ(QALT2MORV(example_deck().c_str(), "/dev/full", 0), QALT2MORV_OUTPUT_FAILED);
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(ExportedFunction, SymbolicLinkAtTheOutputPathIsReplacedNotFollowed) {
#if defined(_WIN32)
  GTEST_SKIP() << "symbolic links need privileges on Windows";
#endif
  const fs::path target = dir_ / "target.txt";
  const fs::path link = dir_ / "link.kw";
  write_file(target, "keep me");
  fs::create_symlink(target, link);
  ASSERT_EQ(QALT2MORV(example_deck().c_str(), link.string().c_str(), 0), QALT2MORV_OK);
  EXPECT_EQ(read_file(target), "keep me");
  EXPECT_FALSE(fs::is_symlink(link));
  EXPECT_NE(read_file(link).find("QALTUoM"), std::string::npos);
}

// Files the process has open, where the platform can tell.
int open_descriptors() {
#if defined(__linux__)
  int n = 0;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    (void)entry;
    ++n;
  }
  return n;
#else
  return -1;
#endif
}

TEST_F(ExportedFunction, ThreadsConvertSideBySideAndNoFileHandleLeaks) {
  const std::string example = read_file(example_deck());
  // Eight different decks: the example with another shell inlet temperature each.
  std::vector<fs::path> decks;
  std::vector<std::string> alone;
  for (int i = 0; i < 8; ++i) {
    std::string deck = example;
    const std::size_t at = deck.find("450.0");
    deck.replace(at, 5, std::to_string(400 + 10 * i) + ".0");
    decks.push_back(dir_ / ("d" + std::to_string(i) + ".deck"));
    write_file(decks.back(), deck);
    const fs::path out = dir_ / ("alone" + std::to_string(i) + ".kw");
    ASSERT_EQ(QALT2MORV(decks.back().string().c_str(), out.string().c_str(), 0), 0);
    alone.push_back(read_file(out));
  }
  const int descriptors_before = open_descriptors();
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int n = 0; n < 200; ++n) {
        const std::size_t i = static_cast<std::size_t>(n + t) % decks.size();
        const fs::path out = dir_ / ("t" + std::to_string(t) + "_" + std::to_string(i) + ".kw");
        if (QALT2MORV(decks[i].string().c_str(), out.string().c_str(), 0) != 0 ||
            read_file(out) != alone[i]) {
          ++failures[static_cast<std::size_t>(t)];
        }
      }
    });
  }
  for (auto& th : threads) th.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(failures[static_cast<std::size_t>(t)], 0) << "thread " << t;
  EXPECT_EQ(open_descriptors(), descriptors_before);
}

}  // namespace
