// Conversions side by side: many different decks on several threads give exactly what each
// gives alone, and repeated conversions keep no memory or state between calls.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "qalt2morv/convert.hpp"
#include "support/test_files.hpp"

namespace qalt2morv {
namespace {

// Variants of the example deck: each changes a few lines so the keyword files differ.
std::vector<std::string> deck_variants(int count) {
  const std::string base = testing::read_file(QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck");
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t nl; (nl = base.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(base.substr(start, nl - start));
  }
  const char* shells[] = {"AES", "BEM", "AKT", "AJ21S", "NXU", "AFM", "CGS", "DHU"};
  std::vector<std::string> decks;
  for (int i = 0; i < count; ++i) {
    auto v = lines;
    v[18] = shells[i % 8];
    v[149] = std::to_string(300 + i) + ".0";  // shell inlet temperature
    v[150] = std::to_string(100 + 7 * i) + ".0";
    v[450] = std::to_string(i % 6);  // shell inlet nozzles
    v[0] = i % 3 == 0 ? "U" : i % 3 == 1 ? "S" : "M";
    std::string deck;
    for (const auto& l : v) deck += l + "\n";
    decks.push_back(deck);
  }
  return decks;
}

TEST(Concurrency, ThreadsGiveTheSameKeywordFilesAsOneAtATime) {
  const auto decks = deck_variants(48);
  std::vector<std::string> alone(decks.size());
  for (std::size_t i = 0; i < decks.size(); ++i) ASSERT_TRUE(convert_text(decks[i], alone[i]).ok());

  constexpr int kThreads = 4;
  std::vector<std::vector<std::string>> together(kThreads, std::vector<std::string>(decks.size()));
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 5; ++round) {
        for (std::size_t i = 0; i < decks.size(); ++i) {
          const std::size_t k =
              (i + static_cast<std::size_t>(t) * 11) % decks.size();  // different orders
          std::string text;
          if (convert_text(decks[k], text).ok()) together[static_cast<std::size_t>(t)][k] = text;
        }
      }
    });
  }
  for (auto& th : threads) th.join();
  for (int t = 0; t < kThreads; ++t) {
    for (std::size_t i = 0; i < decks.size(); ++i) {
      EXPECT_EQ(together[static_cast<std::size_t>(t)][i], alone[i])
          << "thread " << t << " deck " << i;
    }
  }
}

TEST(Concurrency, TenThousandConversionsInOneProcessStayIndependent) {
  const auto decks = deck_variants(8);
  std::vector<std::string> first(decks.size());
  for (std::size_t i = 0; i < decks.size(); ++i) ASSERT_TRUE(convert_text(decks[i], first[i]).ok());
  std::string text;
  for (int n = 0; n < 10000; ++n) {
    const std::size_t i = static_cast<std::size_t>(n) % decks.size();
    ASSERT_TRUE(convert_text(decks[i], text).ok());
    ASSERT_EQ(text, first[i]) << "conversion " << n;
  }
}

}  // namespace
}  // namespace qalt2morv
