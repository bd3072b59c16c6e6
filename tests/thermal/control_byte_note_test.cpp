// A control byte that a fluid name carries into a quoted text of the keyword file: a note
// naming the deck line and the byte, and the text written as it stands.
#include <gtest/gtest.h>

#include <string>

#include "support/deck_builder.hpp"

namespace qalt2morv {
namespace {

using testing::build_deck;
using testing::decode_and_derive;

TEST(ControlByteNote, NamesTheLineAndTheByteOfWhatIsWritten) {
  const std::string long_name =
      std::string(24, 'W') + "\x1A";  // column 25: written for air coolers only
  const struct {
    const char* label;
    std::string deck;
    int note_line;  // 0: no note
    std::string byte;
  } cases[] = {
      {"end-of-file byte in the shell-side name",
       build_deck({{276,
                    "AB\x1A"
                    "CD"}}),
       276, "column 3 holds byte 0x1A"},
      {"tab in the tube-side name", build_deck({{277, "X\tY"}}), 277, "column 2 holds byte 0x09"},
      {"lone CR", build_deck({{276, "A\rB"}}), 276, "column 2 holds byte 0x0D"},
      {"a name led by a blank is not written", build_deck({{276, " A\x1A"}}), 0, ""},
      {"beyond the 20 characters written", build_deck({{276, long_name}}), 0, ""},
      {"air-cooler records write all 40", build_deck({{276, long_name}, {485, "2"}}), 276,
       "column 25 holds byte 0x1A"},
      {"plain names", build_deck({{276, "CRUDE OIL"}, {277, "WATER"}}), 0, ""},
  };
  for (const auto& c : cases) {
    const auto s = decode_and_derive(c.deck);
    int found = 0;
    for (const Note& n : s->notes) {
      if (n.line != 276 && n.line != 277) continue;
      ++found;
      EXPECT_EQ(n.line, c.note_line) << c.label;
      EXPECT_NE(n.expected.find(c.byte), std::string::npos) << c.label << ": " << n.expected;
    }
    EXPECT_EQ(found, c.note_line == 0 ? 0 : 1) << c.label;
  }
}

TEST(ControlByteNote, TheTextIsWrittenAsItStands) {
  const std::string text = testing::convert_ok(build_deck({{276,
                                                            "AB\x1A"
                                                            "CD"}}));
  EXPECT_NE(text.find("\"AB\x1A"
                      "CD"),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace qalt2morv
