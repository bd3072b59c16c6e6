// Replays deck files (the committed fuzz corpus) through the fuzzer's checks without
// libFuzzer, so an ordinary build and its sanitizers run them as tests.
// Usage: qalt2morv_fuzz_replay FILE_OR_DIR...   Exit 0 when every deck passes.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "keyword_file_shape.hpp"

namespace {

bool read_bytes(const std::filesystem::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE_OR_DIR...\n", argv[0]);
    return 2;
  }
  std::vector<std::filesystem::path> decks;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path arg(argv[i]);
    std::error_code ec;
    if (std::filesystem::is_directory(arg, ec)) {
      for (const auto& entry : std::filesystem::directory_iterator(arg)) {
        if (entry.is_regular_file()) decks.push_back(entry.path());
      }
    } else {
      decks.push_back(arg);
    }
  }
  std::sort(decks.begin(), decks.end());
  if (decks.empty()) {
    std::fprintf(stderr, "no deck to replay\n");
    return 2;
  }

  int failed = 0;
  for (const auto& path : decks) {
    std::string bytes;
    if (!read_bytes(path, bytes)) {
      std::fprintf(stderr, "%s: cannot be read\n", path.string().c_str());
      ++failed;
      continue;
    }
    const std::string error = qalt2morv::fuzz::conversion_error(bytes);
    if (!error.empty()) {
      std::fprintf(stderr, "%s: %s\n", path.string().c_str(), error.c_str());
      ++failed;
    }
  }
  std::printf("%zu decks replayed, %d failed\n", decks.size(), failed);
  return failed == 0 ? 0 : 1;
}
