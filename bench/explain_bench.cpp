// Explaining an example deck: up to 998 variant conversions and their comparison with the
// original keyword file. The goal is under 20 ms per ordinary deck.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "qalt2morv/explain.hpp"

namespace fs = std::filesystem;

namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void explain(benchmark::State& state, const std::string& deck_path) {
  const std::string deck = read_file(deck_path);
  for (auto _ : state) {
    const qalt2morv::Explanation e = qalt2morv::explain_text(deck);
    if (!e.result.ok()) state.SkipWithError("conversion failed");
    benchmark::DoNotOptimize(e.records.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> decks;
  for (const auto& e : fs::directory_iterator(QALT2MORV_EXAMPLES_DIR)) {
    if (e.path().extension() == ".deck") decks.push_back(e.path().string());
  }
  std::sort(decks.begin(), decks.end());
  for (const auto& d : decks) {
    benchmark::RegisterBenchmark(("explain/" + fs::path(d).stem().string()).c_str(), explain, d)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
