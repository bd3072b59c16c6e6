// The keyword file reader: every record shape the writer produces, read back, and joined
// again into the same bytes (golden keyword files included).
#include "qalt2morv/keyword_reader.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/keyword_writer.hpp"

namespace qalt2morv {
namespace {

std::string joined(const std::vector<Record>& records) {
  std::string text;
  for (const Record& r : records) text += r.text;
  return text;
}

std::string read_file(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Case {
  const char* name;
  void (*write)(KeywordWriter&);
  RecordKind kind;
  std::string value;
  std::vector<std::string> values;
};

const Case kCases[] = {
    {"real",
     [](KeywordWriter& w) { w.put_real("TempInSS", 450.0f); },
     RecordKind::number,
     "450.000000",
     {}},
    {"negative real",
     [](KeywordWriter& w) { w.put_real("K", -2.5e-7f); },
     RecordKind::number,
     "-0.000000",
     {}},
    {"int", [](KeywordWriter& w) { w.put_int("K", -42); }, RecordKind::number, "-42", {}},
    {"int zero: not a list header",
     [](KeywordWriter& w) { w.put_int_always("K", 0); },
     RecordKind::number,
     "0",
     {}},
    {"real zero always",
     [](KeywordWriter& w) { w.put_real_always("K", 0.0f); },
     RecordKind::number,
     "0.000000",
     {}},
    {"text with trailing blanks",
     [](KeywordWriter& w) { w.put_text("FluidNamHS", "CRUDE OIL   ", 12); },
     RecordKind::text,
     "CRUDE OIL   ",
     {}},
    {"text with a comma and a control byte",
     [](KeywordWriter& w) { w.put_text("K", "A,\r\x1A", 4); },
     RecordKind::text,
     "A,\r\x1A",
     {}},
    {"text ending in CR",
     [](KeywordWriter& w) { w.put_text("K", "AB\r", 3); },
     RecordKind::text,
     "AB\r",
     {}},
    {"trimmed list with a blank entry",
     [](KeywordWriter& w) {
       const float v[] = {7.0f, 0.0f, 3.0f};
       w.put_real_list("NozLocA-O", v);
     },
     RecordKind::list,
     "",
     {"7.000000", "", "3.000000"}},
    {"tagged list",
     [](KeywordWriter& w) {
       const float v[] = {1.5f, 0.0f, 2.0f};
       const char t[] = {'F', 'G', 'H'};
       w.put_real_tag_list("K", v, t);
     },
     RecordKind::list,
     "",
     {"1.500000,F", "", "2.000000,H"}},
    {"long list",
     [](KeywordWriter& w) {
       const std::int64_t v[] = {12, 0, -3};
       w.put_long_list("K", v);
     },
     RecordKind::list,
     "",
     {"12", "", "-3"}},
    {"untrimmed arrays keep zeros",
     [](KeywordWriter& w) {
       const std::int32_t v[] = {0, 7};
       w.put_int_array("K", v);
     },
     RecordKind::list,
     "",
     {"0", "7"}},
    {"tagged array",
     [](KeywordWriter& w) {
       const float v[] = {0.0f, 2.0f};
       const char t[] = {'A', 'B'};
       w.put_real_tag_array("K", v, t);
     },
     RecordKind::list,
     "",
     {"0.000000,A", "2.000000,B"}},
    {"text list",
     [](KeywordWriter& w) { w.put_text_list("K", "    AB  ", 4, 2); },
     RecordKind::list,
     "",
     {"    ", "AB  "}},
    {"message line",
     [](KeywordWriter& w) { w.put_message(12, 5, 1.0f, 4, 2.0f, 5, 3); },
     RecordKind::text,
     "Note;  12; 3;1.000000; 4;2.000000; 5",
     {}},
    {"raw line", [](KeywordWriter& w) { w.put_raw("free text\n"); }, RecordKind::text, "", {}},
};

TEST(KeywordReader, EveryWriterShapeReadsBackAndRejoins) {
  for (const LineEnding end : {LineEnding::lf, LineEnding::crlf}) {
    for (const Case& c : kCases) {
      KeywordWriter w(end);
      w.put_real("Before", 1.0f);
      c.write(w);
      w.put_real("Before", 2.0f);
      const std::vector<Record> records = read_keyword_text(w.text());
      ASSERT_EQ(records.size(), 3u) << c.name;
      const Record& r = records[1];
      EXPECT_EQ(r.kind, c.kind) << c.name;
      EXPECT_EQ(r.value, c.value) << c.name;
      EXPECT_EQ(r.values, c.values) << c.name;
      EXPECT_EQ(records[2].key, "Before");
      EXPECT_EQ(records[2].occurrence, 2) << "the same key again counts on";
      EXPECT_EQ(joined(records), w.text()) << c.name;
    }
  }
}

TEST(KeywordReader, RecordTextsAreTheirOwnLines) {
  const std::string text = "A,1.000000,0\r\nL,0,2\r\n , \r\n2.000000, \r\nA,\"X\",0\r\n";
  const std::vector<Record> r = read_keyword_text(text);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[1].key, "L");
  EXPECT_EQ(r[1].text, "L,0,2\r\n , \r\n2.000000, \r\n");
  EXPECT_EQ(r[2].key, "A");
  EXPECT_EQ(r[2].occurrence, 2);
  EXPECT_EQ(r[2].kind, RecordKind::text);
}

TEST(KeywordReader, TextOfNoKnownShapeStillRejoins) {
  const std::string texts[] = {
      "",
      "no line end,1.0,0",
      "\n\n,,\n",
      "L,0,5\n1.0, \n",  // a list cut short
      "L,0,999999999999\nx\n",
      "K,\"unterminated\n",
      std::string("K,\0,0\n", 6),
  };
  for (const std::string& t : texts) EXPECT_EQ(joined(read_keyword_text(t)), t) << t;
  EXPECT_TRUE(read_keyword_text("").empty());
  const std::vector<Record> cut = read_keyword_text("L,0,5\n1.0, \n");
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].values, std::vector<std::string>{"1.0"});
}

TEST(KeywordReader, GoldenKeywordFilesRoundTrip) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(
           std::filesystem::path(QALT2MORV_TEST_DATA_DIR) / "golden")) {
    if (entry.path().extension() != ".kw") continue;
    const std::string text = read_file(entry.path());
    const std::vector<Record> records = read_keyword_text(text);
    EXPECT_EQ(joined(records), text) << entry.path();
    for (const Record& r : records) {
      EXPECT_FALSE(r.key.empty()) << entry.path();
      if (r.kind == RecordKind::list) {
        EXPECT_FALSE(r.values.empty()) << r.key;
      }
    }
    ++files;
  }
  EXPECT_GE(files, 4);
}

}  // namespace
}  // namespace qalt2morv
