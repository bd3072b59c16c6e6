// The record writer: record shapes, skip rules, trimming, texts, messages, and "%f"
// formatting that matches the C run time byte for byte.
#include "core/keyword_writer.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/conversion_error.hpp"

namespace qalt2morv {
namespace {

TEST(KeywordWriter, Scalars) {
  struct Case {
    const char* name;
    void (*write)(KeywordWriter&);
    std::string expected;
  };
  const Case cases[] = {
      {"real", [](KeywordWriter& w) { w.put_real("Key", 1.5f); }, "Key,1.500000,0\n"},
      {"real zero skipped", [](KeywordWriter& w) { w.put_real("Key", 0.0f); }, ""},
      {"real minus zero skipped", [](KeywordWriter& w) { w.put_real("Key", -0.0f); }, ""},
      {"tiny real is not zero", [](KeywordWriter& w) { w.put_real("Key", 0.0000001f); },
       "Key,0.000000,0\n"},
      {"tiny negative", [](KeywordWriter& w) { w.put_real("Key", -2.5e-7f); }, "Key,-0.000000,0\n"},
      {"0.1", [](KeywordWriter& w) { w.put_real("Key", 0.1f); }, "Key,0.100000,0\n"},
      {"float widened", [](KeywordWriter& w) { w.put_real("Key", 152.3f); }, "Key,152.300003,0\n"},
      {"largest float",
       [](KeywordWriter& w) { w.put_real("K", std::numeric_limits<float>::max()); },
       "K,340282346638528859811704183484516925440.000000,0\n"},
      {"real always writes zero", [](KeywordWriter& w) { w.put_real_always("Key", 0.0f); },
       "Key,0.000000,0\n"},
      {"int", [](KeywordWriter& w) { w.put_int("Key", -42); }, "Key,-42,0\n"},
      {"int zero skipped", [](KeywordWriter& w) { w.put_int("Key", 0); }, ""},
      {"int always writes zero", [](KeywordWriter& w) { w.put_int_always("Key", 0); }, "Key,0,0\n"},
      {"raw", [](KeywordWriter& w) { w.put_raw("abc,1\n"); }, "abc,1\n"},
  };
  for (const auto& c : cases) {
    KeywordWriter w;
    c.write(w);
    EXPECT_EQ(w.text(), c.expected) << c.name;
  }
}

TEST(KeywordWriter, Lists) {
  struct Case {
    const char* name;
    void (*write)(KeywordWriter&);
    std::string expected;
  };
  const Case cases[] = {
      {"trimmed with inner zero",
       [](KeywordWriter& w) {
         const float v[] = {1.5f, 0.0f, 2.0f, 0.0f, 0.0f};
         w.put_real_list("Key", v);
       },
       "Key,0,3\n1.500000, \n , \n2.000000, \n"},
      {"all zero: nothing, not even the header",
       [](KeywordWriter& w) {
         const float v[] = {0.0f, -0.0f, 0.0f};
         w.put_real_list("Key", v);
       },
       ""},
      {"count 0", [](KeywordWriter& w) { w.put_real_list("Key", std::span<const float>()); }, ""},
      {"leading zero kept as blank entry",
       [](KeywordWriter& w) {
         const float v[] = {0.0f, 1.0f};
         w.put_real_list("NozNumTS", v);
       },
       "NozNumTS,0,2\n , \n1.000000, \n"},
      {"tagged",
       [](KeywordWriter& w) {
         const float v[] = {1.5f, 0.0f, 2.0f};
         const char t[] = {'F', 'G', 'H'};
         w.put_real_tag_list("Key", v, t);
       },
       "Key,0,3\n1.500000,F\n , \n2.000000,H\n"},
      {"long list",
       [](KeywordWriter& w) {
         const std::int64_t v[] = {12, 0, -3, 0};
         w.put_long_list("Key", v);
       },
       "Key,0,3\n12, \n , \n-3, \n"},
      {"untrimmed real array",
       [](KeywordWriter& w) {
         const float v[] = {1.5f, 0.0f};
         w.put_real_array("Key", v);
       },
       "Key,0,2\n1.500000, \n0.000000, \n"},
      {"untrimmed tagged array",
       [](KeywordWriter& w) {
         const float v[] = {0.0f, 2.0f};
         const char t[] = {'A', 'B'};
         w.put_real_tag_array("Key", v, t);
       },
       "Key,0,2\n0.000000,A\n2.000000,B\n"},
      {"int array",
       [](KeywordWriter& w) {
         const std::int32_t v[] = {0, 7};
         w.put_int_array("Key", v);
       },
       "Key,0,2\n0, \n7, \n"},
      {"empty array",
       [](KeywordWriter& w) { w.put_int_array("Key", std::span<const std::int32_t>()); }, ""},
      {"text list: blank entries before the last present one are written in full",
       [](KeywordWriter& w) { w.put_text_list("Key", "    AB  \0\0\0\0", 4, 3); },
       "Key,0,2\n\"    \", \n\"AB  \", \n"},
      {"text list with no present entry",
       [](KeywordWriter& w) { w.put_text_list("Key", "    \0   ", 4, 2); }, ""},
  };
  for (const auto& c : cases) {
    KeywordWriter w;
    c.write(w);
    EXPECT_EQ(w.text(), c.expected) << c.name;
  }
}

TEST(KeywordWriter, Texts) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"WATER     ", "Key,\"WATER     \",0\n"},  // trailing blanks are part of the text
      {" WATER", ""},                            // a leading blank: nothing
      {"3/4\" TUBE", "Key,\"3/4in TUBE\",0\n"},  // inch marks
      {"1\" x 2\"", "Key,\"1in x 2in\",0\n"},
      {std::string("AB\0CD", 5), "Key,\"AB\",0\n"},  // ends at a zero byte
      {"\x81\x82\xB3", "Key,\"\xFC\xE9\xA6\",0\n"},  // code page 437 to 1252
  };
  for (const auto& c : cases) {
    KeywordWriter w;
    w.put_text("Key", c.text.data(), c.text.size());
    EXPECT_EQ(w.text(), c.expected) << c.text;
  }
}

TEST(KeywordWriter, LineEndsCrlf) {
  KeywordWriter w(LineEnding::crlf);
  const float v[] = {1.0f, 0.0f, 2.0f};
  w.put_real("A", 1.0f);
  w.put_real_list("B", v);
  EXPECT_EQ(w.text(), "A,1.000000,0\r\nB,0,3\r\n1.000000, \r\n , \r\n2.000000, \r\n");
}

TEST(KeywordWriter, Messages) {
  KeywordWriter w;
  w.put_message(12, 5, 1.0f, 4, 2.0f, 5, 3);
  w.put_message(1, 0, 1.0f, 1, 1.0f, 1, 1);
  w.put_message(1, 6, 1.0f, 1, 1.0f, 1, 1);
  w.put_message(1234, 1, -0.5f, -1, 0.0f, 10, 99);
  EXPECT_EQ(w.text(),
            "Message,Note;  12; 3;1.000000; 4;2.000000; 5,0\n"
            "Message,Warning;1234;99;-0.500000;-1;0.000000;10,0\n");
  char buffer[kMessageBufferSize] = "unchanged";
  EXPECT_EQ(format_message(buffer, 1, 7, 0, 0, 0, 0, 0), 0u);
  EXPECT_STREQ(buffer, "unchanged");
  EXPECT_GT(format_message(buffer, 3, 3, 0, 0, 0, 0, 0), 0u);
  EXPECT_STREQ(buffer, "Message,Error;   3; 0;0.000000; 0;0.000000; 0,0\n");
}

TEST(KeywordWriter, TextFunctions) {
  EXPECT_EQ(replace_inch_marks("3/4\" \"x\""), "3/4in inxin");
  char out[16];
  std::fill(std::begin(out), std::end(out), '#');
  EXPECT_EQ(text_before_double_blank(out, "CRUDE OIL  FEED", 12), 9u);
  EXPECT_EQ(std::string(out, 10), "CRUDE OIL#");
  std::fill(std::begin(out), std::end(out), '#');
  EXPECT_EQ(text_before_double_blank(out, "NO DOUBLE BLANK", 5), 5u);
  EXPECT_EQ(std::string(out, 6), "NO DO#");  // no terminator is added
}

TEST(KeywordWriter, NonFiniteValuesAreNeverWritten) {
  KeywordWriter w;
  EXPECT_THROW(w.put_real("Key", std::numeric_limits<float>::infinity()), NonFiniteValue);
  EXPECT_THROW(w.put_real("Key", std::nanf("")), NonFiniteValue);
  const float v[] = {1.0f, std::numeric_limits<float>::infinity()};
  EXPECT_THROW(w.put_real_list("Key", v), NonFiniteValue);
  try {
    w.put_real("TubeLng", -std::numeric_limits<float>::infinity());
  } catch (const NonFiniteValue& e) {
    EXPECT_EQ(e.key(), "TubeLng");
  }
}

// Our formatting against the C run time's "%f" over a spread of float bit patterns.
TEST(KeywordWriter, FixedFormattingMatchesPrintf) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<std::uint32_t> bits;
  int compared = 0;
  for (int i = 0; i < 200000; ++i) {
    float v = std::bit_cast<float>(bits(rng));
    if (i % 4 == 1) v = static_cast<float>(bits(rng) % 2000000) / 1000.0f;  // ordinary magnitudes
    if (i % 4 == 2)
      v = static_cast<float>(bits(rng) % 100000) * 0.00001f;  // around the sixth decimal
    if (!std::isfinite(v) || v == 0.0f) continue;
    KeywordWriter w;
    w.put_real("K", v);
    char expected[128];
    std::snprintf(expected, sizeof expected, "K,%f,0\n", static_cast<double>(v));
    ASSERT_EQ(w.text(), expected) << std::bit_cast<std::uint32_t>(v);
    ++compared;
  }
  EXPECT_GT(compared, 100000);
}

// Values exactly halfway between two sixth decimals (k / 2^m), and the edges of the exact
// range, against "%f".
TEST(KeywordWriter, HalfwayValuesRoundToEvenAsPrintfDoes) {
  std::vector<float> values = {0.0078125f, 0.0234375f,   0.0390625f, 999999999.0f,
                               1e9f,       1.0000001e9f, 8388607.5f, -0.0078125f,
                               1.5e-45f,   -3.0e-7f,     0.0000005f, 0.0000015f};
  for (int m = 7; m <= 12; ++m) {
    for (int k = 1; k < 4096; k += 2) values.push_back(std::ldexp(static_cast<float>(k), -m));
  }
  for (const float v : values) {
    KeywordWriter w;
    w.put_real_always("K", v);
    char expected[128];
    std::snprintf(expected, sizeof expected, "K,%f,0\n", static_cast<double>(v));
    EXPECT_EQ(w.text(), expected) << v;
  }
}

}  // namespace
}  // namespace qalt2morv
