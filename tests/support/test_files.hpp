// Files, folders and fixed-length texts for the tests. Header-only on the standard library and
// gtest alone, so test programs that link only the shared library can use it too.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

namespace qalt2morv::testing {

// The bytes of a file as they are on disk (no line-end translation); "" when it cannot be read.
inline std::string read_file(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write_file(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

// A blank-padded field (the conversion state's fixed-length texts) holding text, cut to fit.
// Any type with a static size(), operator[] and a blank default will do, so this header need
// not know the conversion state.
template <class Field>
void set_text(Field& field, std::string_view text) {
  field = Field();
  for (std::size_t i = 0; i < text.size() && i < Field::size(); ++i) field[i] = text[i];
}

// A fresh, empty folder per test, removed afterwards. Named for the program's prefix, the run's
// random seed and the test, so runs side by side (ctest -j, two build folders) do not meet.
class TempDirTest : public ::testing::Test {
 protected:
  explicit TempDirTest(std::string prefix) : prefix_(std::move(prefix)) {}
  void SetUp() override {
    const auto* unit = ::testing::UnitTest::GetInstance();
    dir_ = std::filesystem::temp_directory_path() /
           (prefix_ + "_" + std::to_string(unit->random_seed()) + "_" +
            unit->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;

 private:
  std::string prefix_;
};

}  // namespace qalt2morv::testing
