// Notes on deck content the conversion did not recognise: which lines get one, what they
// show, and that a recognised or blank deck gets none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/deck_builder.hpp"

namespace qalt2morv {
namespace {

using testing::build_deck;
using testing::decode_only;

struct NoteCase {
  std::vector<testing::DeckLineText> lines;
  int note_line;  // 0: no note expected
  std::string found;
};

std::unique_ptr<ConversionState> decode_lines(const std::vector<testing::DeckLineText>& lines) {
  std::vector<std::string> text(499);
  text[0] = "U";
  for (const auto& l : lines) text[static_cast<std::size_t>(l.line - 1)] = l.text;
  std::string deck;
  for (const auto& t : text) deck += t + "\n";
  return decode_only(deck);
}

TEST(DeckNotes, UnrecognisedContentGetsOneNoteNamingItsLine) {
  const NoteCase cases[] = {
      {{{13, "design   "}}, 13, "design"},
      {{{13, " Design"}}, 0, ""},
      {{{14, "PARALLEL"}}, 14, "PARALLEL"},
      {{{17, "plain"}}, 17, "plain"},
      {{{19, "QES"}}, 19, "QES"},
      {{{19, "AEZ"}}, 19, "AEZ"},
      {{{19, "AE"}}, 0, ""},  // a blank letter is no letter
      {{{19, "AJ21Q"}}, 19, "AJ21Q"},
      {{{27, "NONE"}}, 27, "NONE"},
      {{{27, "YESTERDAY"}}, 0, ""},
      {{{36, "SEGMENTED"}}, 36, "SEGMENTED"},
      {{{235, "axial"}}, 235, "axial"},
      {{{235, "NO"}}, 0, ""},
      {{{237, "yes"}}, 237, "yes"},
      {{{237, "NO"}}, 0, ""},
      {{{239, "Y"}}, 239, "Y"},
      {{{480, "forced"}}, 480, "forced"},
      {{{251, "4"}}, 251, "4"},
      {{{251, "3"}}, 0, ""},
      {{{39, "4"}, {256, "5"}}, 256, "5"},
      {{{39, "4"}, {257, "3"}}, 257, "3"},
      {{{39, "2"}, {256, "5"}}, 0, ""},  // two passes: the style is not used
      {{{278, "7"}}, 278, "7"},
      {{{478, "3"}}, 478, "3"},
      {{{488, "5"}}, 488, "5"},
      {{{488, "0"}}, 0, ""},
      {{{499, "3"}}, 499, "3"},
      {{{499, "1.5"}}, 499, "1.5"},
  };
  for (const NoteCase& c : cases) {
    const auto s = decode_lines(c.lines);
    const std::string what =
        "line " + std::to_string(c.lines.back().line) + " \"" + c.lines.back().text + "\"";
    if (c.note_line == 0) {
      EXPECT_TRUE(s->notes.empty()) << what << " got a note for line " << s->notes.front().line;
      continue;
    }
    ASSERT_EQ(s->notes.size(), 1u) << what;
    EXPECT_EQ(s->notes[0].line, c.note_line) << what;
    EXPECT_EQ(s->notes[0].found, c.found) << what;
    EXPECT_FALSE(s->notes[0].expected.empty()) << what;
  }
}

TEST(DeckNotes, EachUnknownTemaLetterIsNoted) {
  const auto s = decode_lines({{19, "QQQ"}});
  ASSERT_EQ(s->notes.size(), 3u);
  for (const Note& n : s->notes) EXPECT_EQ(n.line, 19);
  EXPECT_EQ(s->front_head_code, 0.0f);
}

TEST(DeckNotes, NotesComeInDeckLineOrderAndChangeNoValue) {
  const auto s =
      decode_lines({{13, "RUN"}, {36, "BAFFLED"}, {38, "7"}, {237, "YEP"}, {480, "NATURAL"}});
  ASSERT_EQ(s->notes.size(), 4u);
  EXPECT_EQ(s->notes[0].line, 13);
  EXPECT_EQ(s->notes[1].line, 36);
  EXPECT_EQ(s->notes[2].line, 237);
  EXPECT_EQ(s->notes[3].line, 480);
  EXPECT_EQ(s->program_mode, 0.0f);
  EXPECT_EQ(s->baffle_type_code, 0.0f);
  EXPECT_EQ(s->baffle_count, 0.0f);
  EXPECT_EQ(s->tubesheet_type_code, 1.0f);
  EXPECT_EQ(s->draft_type_code, 0);
}

TEST(DeckNotes, ARecognisedDeckHasNone) {
  const auto s = decode_only(build_deck({{13, "RATING"},
                                         {14, "COUNTERCURRENT"},
                                         {17, "PLAIN"},
                                         {19, "AES"},
                                         {27, "YES"},
                                         {36, "SEGMENTAL"},
                                         {39, "4"},
                                         {235, "AXIAL"},
                                         {237, "NO"},
                                         {239, "YES"},
                                         {251, "3"},
                                         {256, "1"},
                                         {257, "2"},
                                         {278, "1"},
                                         {478, "2"},
                                         {480, "INDUCED"},
                                         {488, "1"},
                                         {499, "2"}}));
  EXPECT_TRUE(s->notes.empty());
  EXPECT_TRUE(decode_only(build_deck({}))->notes.empty());
}

}  // namespace
}  // namespace qalt2morv
