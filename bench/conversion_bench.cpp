// Conversion speed for every example deck and a few generated ones of 499 and 1000 lines: in
// memory, file to file through the exported function, and the file I/O floor (read the deck,
// remove the output, write the same bytes with one write). Prints the ratio of file-to-file
// time to the floor. Also in memory: 500 different generated decks one after another.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "qalt2morv/convert.hpp"
#include "qalt2morv/qalt2morv.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string output_path(const std::string& name) {
  return (fs::temp_directory_path() / ("qalt2morv_bench_" + name + ".kw")).string();
}

void in_memory(benchmark::State& state, const std::string& deck_path) {
  const std::string deck = read_file(deck_path);
  std::string text;
  for (auto _ : state) {
    qalt2morv::convert_text(deck, text);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * deck.size()));
}

// One deck after another from a set in which every deck differs, as a batch converts them:
// the branch predictor cannot learn one deck's path through the converter.
void in_memory_varied(benchmark::State& state, const std::vector<std::string>& decks) {
  std::string text;
  std::size_t next = 0;
  for (auto _ : state) {
    qalt2morv::convert_text(decks[next], text);
    benchmark::DoNotOptimize(text.data());
    next = next + 1 == decks.size() ? 0 : next + 1;
  }
}

void file_to_file(benchmark::State& state, const std::string& deck_path, const std::string& name) {
  const std::string out = output_path(name);
  for (auto _ : state) {
    if (QALT2MORV(deck_path.c_str(), out.c_str(), 0) != 0) state.SkipWithError("conversion failed");
  }
}

// What any converter of this deck must at least do: read the deck, replace the output file
// with the same number of bytes, close it.
void io_floor(benchmark::State& state, const std::string& deck_path, const std::string& name) {
  const std::string out = output_path(name);
  QALT2MORV(deck_path.c_str(), out.c_str(), 0);
  const std::string keywords = read_file(out);
  std::vector<char> buffer(1 << 16);
  for (auto _ : state) {
#if !defined(_WIN32)
    // The same system calls the converter needs at the least: open, read to the end, close;
    // unlink; open, one write, close.
    const int in = ::open(deck_path.c_str(), O_RDONLY | O_CLOEXEC);
    while (::read(in, buffer.data(), buffer.size()) > 0) benchmark::DoNotOptimize(buffer.data());
    ::close(in);
    ::unlink(out.c_str());
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (::write(fd, keywords.data(), keywords.size()) != static_cast<ssize_t>(keywords.size())) {
      state.SkipWithError("write failed");
    }
    ::close(fd);
#else
    std::FILE* in = std::fopen(deck_path.c_str(), "rb");
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0)
      benchmark::DoNotOptimize(buffer.data());
    std::fclose(in);
    std::remove(out.c_str());
    std::FILE* f = std::fopen(out.c_str(), "wb");
    std::fwrite(keywords.data(), 1, keywords.size(), f);
    std::fclose(f);
#endif
  }
}

// Collects the times per benchmark name, then prints the ratio file-to-file / floor.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& r : runs) {
      if (r.run_type == Run::RT_Iteration && !r.error_occurred)
        times_[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::cout << "\nfile-to-file / I/O floor (goal: at most 1.5)\n";
    for (const auto& [name, t] : times_) {
      if (name.rfind("file_to_file/", 0) != 0) continue;
      const std::string deck = name.substr(13);
      const auto floor = times_.find("io_floor/" + deck);
      const auto memory = times_.find("in_memory/" + deck);
      if (floor == times_.end()) continue;
      // Times are in the benchmarks' unit, microseconds.
      std::printf("  %-32s %5.2f   (in memory %.1f us, file to file %.1f us, floor %.1f us)\n",
                  deck.c_str(), t / floor->second, memory != times_.end() ? memory->second : 0.0, t,
                  floor->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> decks;
  for (const auto& e : fs::directory_iterator(QALT2MORV_EXAMPLES_DIR)) {
    if (e.path().extension() == ".deck") decks.push_back(e.path().string());
  }
  // Generated decks of 499 and 1000 lines: the examples are shorter and cleaner than most
  // real decks. One the converter rejects (a malformed number) is no conversion to time.
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(QALT2MORV_GENERATED_DECKS_DIR, ec)) {
    std::string text;
    if (e.path().extension() == ".txt" &&
        qalt2morv::convert_text(read_file(e.path().string()), text).ok()) {
      decks.push_back(e.path().string());
    }
  }
  std::sort(decks.begin(), decks.end());
  std::vector<std::string> varied;
  for (const auto& e : fs::directory_iterator(QALT2MORV_GENERATED_DECKS_DIR "/varied", ec)) {
    std::string deck = read_file(e.path().string());
    std::string text;
    if (qalt2morv::convert_text(deck, text).ok()) varied.push_back(std::move(deck));
  }
  if (!varied.empty()) {
    benchmark::RegisterBenchmark("in_memory/varied_499", in_memory_varied, varied)
        ->Unit(benchmark::kMicrosecond);
  }
  for (const auto& d : decks) {
    const std::string name = fs::path(d).stem().string();
    benchmark::RegisterBenchmark(("in_memory/" + name).c_str(), in_memory, d)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("file_to_file/" + name).c_str(), file_to_file, d, name)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("io_floor/" + name).c_str(), io_floor, d, name)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  for (const auto& d : decks) std::remove(output_path(fs::path(d).stem().string()).c_str());
  return 0;
}
