// Complete conversions of the realistic example decks against their golden keyword files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "qalt2morv/convert.hpp"
#include "support/test_files.hpp"

namespace qalt2morv {
namespace {

using testing::read_file;

TEST(Golden, ExampleDecksConvertToTheirGoldenKeywordFiles) {
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QALT2MORV_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".deck") continue;
    const auto golden =
        std::filesystem::path(QALT2MORV_TEST_DATA_DIR) / "golden" / entry.path().stem();
    ASSERT_TRUE(std::filesystem::exists(golden.string() + ".kw"))
        << "no golden file for " << entry.path();
    std::string text;
    ConvertOptions options;
    options.line_ending = LineEnding::lf;
    const ConvertResult r = convert_file_to_text(entry.path().string(), text, options);
    ASSERT_TRUE(r.ok()) << entry.path() << ": " << r.message;
    EXPECT_EQ(text, read_file(golden.string() + ".kw")) << entry.path();
    EXPECT_TRUE(r.notes.empty()) << entry.path()
                                 << ": a realistic deck leaves nothing unrecognised";
    ++compared;
  }
  EXPECT_GE(compared, 4);
}

}  // namespace
}  // namespace qalt2morv
