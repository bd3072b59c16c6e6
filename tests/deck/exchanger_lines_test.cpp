// Deck lines 2 to 132: word codes, TEMA letters, baffle forms with their record, baffle
// count, tube passes and material, the double reads of lines 46, 53 and 54.
#include <gtest/gtest.h>

#include <string>

#include "core/keyword_writer.hpp"
#include "deck/deck_decoding.hpp"
#include "deck/deck_loader.hpp"
#include "support/deck_builder.hpp"

namespace qalt2morv {
namespace {

using testing::build_deck;
using testing::decode_only;

struct WordCase {
  int line;
  std::string text;
  float ConversionState::*code;
  float expected;
};

TEST(DeckExchangerLines, WordsGiveTheirCodesOnlyWhenTheWholeFieldMatches) {
  using S = ConversionState;
  const WordCase cases[] = {
      {13, "DESIGN", &S::program_mode, 1.0f},
      {13, "RATING", &S::program_mode, 2.0f},
      {13, "SIMULATION", &S::program_mode, 3.0f},
      {13, " Design", &S::program_mode, 1.0f},
      {13, " Rating", &S::program_mode, 2.0f},
      {13, " Simulation", &S::program_mode, 3.0f},
      {13, "design", &S::program_mode, 0.0f},
      {13, "Design", &S::program_mode, 0.0f},
      {13, "DESIGN RUN", &S::program_mode, 0.0f},
      {13, "DESIGN                                  X", &S::program_mode,
       1.0f},  // column 41 is outside
      {14, "COUNTERCURRENT", &S::flow_arrangement_code, 1.0f},
      {14, "COCURRENT", &S::flow_arrangement_code, 2.0f},
      {14, " COCURRENT", &S::flow_arrangement_code, 0.0f},
      {17, "PLAIN", &S::tube_type_code, 1.0f},
      {17, "FINNED", &S::tube_type_code, 2.0f},
      {17, "Low-finned", &S::tube_type_code, 2.0f},
      {17, "High-Fin", &S::tube_type_code, 3.0f},
      {17, "Stud-finned", &S::tube_type_code, 4.0f},
      {17, "HIGH-FIN", &S::tube_type_code, 0.0f},
      {27, "NO", &S::impingement_protection_code, 1.0f},
      {27, "YES", &S::impingement_protection_code, 2.0f},
      {27, "YESTERDAY", &S::impingement_protection_code, 2.0f},
      {27, "NO PLATE", &S::impingement_protection_code, 1.0f},
      {27, "NONE", &S::impingement_protection_code, 0.0f},
      {27, "yes", &S::impingement_protection_code, 0.0f},
  };
  for (const WordCase& c : cases) {
    const auto s = decode_only(build_deck({{c.line, c.text}}));
    EXPECT_EQ((*s).*c.code, c.expected) << "line " << c.line << " \"" << c.text << "\"";
  }
}

TEST(DeckExchangerLines, TemaLettersSetTheirCodesIndependently) {
  struct Case {
    std::string type;
    float front, shell, rear;
  };
  const Case cases[] = {
      {"AES", 1, 1, 5}, {"BEM", 2, 1, 2}, {"AJ21S", 1, 5, 5},  // J shell: rear letter in column 5
      {"NKU", 4, 6, 7}, {"QES", 0, 1, 5}, {"DXW", 5, 7, 8},   {"CLT", 3, 1, 6},
      {"AFN", 1, 2, 3}, {"BGP", 2, 3, 4}, {"AHL", 1, 4, 1},   {"AJS", 1, 5, 0},  // column 5 blank
      {"aes", 0, 0, 0}, {"", 0, 0, 0},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{19, c.type}}));
    EXPECT_EQ(s->front_head_code, c.front) << c.type;
    EXPECT_EQ(s->shell_type_code, c.shell) << c.type;
    EXPECT_EQ(s->rear_head_code, c.rear) << c.type;
  }
}

TEST(DeckExchangerLines, BaffleFormsGiveBothCodes) {
  struct Case {
    std::string word;
    float baffle_type, qalt_type;
  };
  const Case cases[] = {
      {"SEGMENTAL", 1, 1},
      {"DOUBLE-SEGMENTAL", 2, 2},
      {"TRIPLE-SEGMENTAL", 3, 3},
      {"NO-TUBES-IN-WINDOW SEGMENTAL", 1, 5},
      {"ROD RING RODBAFFLE", 5, 6},
      {"PLATE RING RODBAFFLE", 5, 6},
      {"NONE", 4, 8},
      {"SEGMENTED", 0, 0},
      {"segmental", 0, 0},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{36, c.word}}));
    EXPECT_EQ(s->baffle_type_code, c.baffle_type) << c.word;
    EXPECT_EQ(s->qalt_baffle_type_code, c.qalt_type) << c.word;
  }
}

std::string records_of_decoding(const std::string& deck) {
  ConversionState s;
  KeywordWriter out;
  deck::load_deck(s, deck);
  deck::decode_deck(s, out);
  return out.text();
}

TEST(DeckExchangerLines, OnlyTheNoTubesInWindowFormWritesARecord) {
  EXPECT_EQ(records_of_decoding(build_deck({{36, "NO-TUBES-IN-WINDOW SEGMENTAL"}})),
            "TubesInBafWindow,2.000000,0\n");
  EXPECT_EQ(records_of_decoding(build_deck({{36, "SEGMENTAL"}})), "");
  EXPECT_EQ(records_of_decoding(build_deck({{36, "NO-TUBES-IN-WINDOW"}})), "");
}

TEST(DeckExchangerLines, BaffleCountNeedsARecognisedForm) {
  struct Case {
    std::string form;
    std::string spaces;
    float expected;
  };
  const Case cases[] = {
      {"SEGMENTAL", "7", 6.0f},
      {"SEGMENTAL", "0", 0.0f},
      {"SEGMENTAL", "-3", 0.0f},
      {"DOUBLE-SEGMENTAL", "1", 0.0f},
      {"ROD RING RODBAFFLE", "12", 11.0f},
      {"UNKNOWN", "7", 0.0f},
      {"", "7", 0.0f},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{19, "AES"}, {36, c.form}, {38, c.spaces}}));
    EXPECT_EQ(s->baffle_count, c.expected) << c.form << " / " << c.spaces;
  }
}

TEST(DeckExchangerLines, TubePassesAndMaterial) {
  struct Case {
    std::string material;
    float expected;
  };
  const Case cases[] = {{"0", 1.0f}, {"1", 1.0f},  {"2", 2.0f}, {"3", 4.0f},
                        {"4", 1.0f}, {"-1", 1.0f}, {"", 1.0f}};
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{39, "4"}, {45, c.material}}));
    EXPECT_EQ(s->tube_material_code, c.expected) << c.material;
    EXPECT_EQ(s->tube_passes, 4.0f);
  }
  // The material rule runs on a deck that stops before line 45 too.
  EXPECT_EQ(decode_only(build_deck({}, 40))->tube_material_code, 1.0f);
}

TEST(DeckExchangerLines, TubeCountAndLengthsByTheirFieldKinds) {
  struct Case {
    std::string text;
    float tolerant;
    float strict;
  };
  const Case cases[] = {
      {"1200", 1200.0f, 0.012f}, {"1200.", 1200.0f, 1200.0f},
      {"12.5", 12.5f, 12.5f},    {"20", 20.0f, 0.0002f},
      {"", 0.0f, 0.0f},
  };
  for (const Case& c : cases) {
    const auto s = decode_only(build_deck({{46, c.text}, {53, c.text}, {54, c.text}}));
    EXPECT_EQ(s->tube_count, c.tolerant) << c.text;
    EXPECT_EQ(s->tube_length, c.tolerant) << c.text;
    EXPECT_EQ(s->tube_length_strict, c.strict) << c.text;
    EXPECT_EQ(s->effective_tube_length, c.tolerant) << c.text;
    EXPECT_EQ(s->effective_tube_length_strict, c.strict) << c.text;
  }
  EXPECT_EQ(decode_only(build_deck({}, 45))->tube_count, 0.0f);
}

TEST(DeckExchangerLines, ADeckOfTwelveLinesLeavesEveryCodeAtZero) {
  const auto s = decode_only(build_deck({{12, "DESIGN"}}, 12));
  EXPECT_EQ(s->program_mode, 0.0f);
  EXPECT_EQ(s->front_head_code, 0.0f);
  EXPECT_EQ(s->baffle_type_code, 0.0f);
  EXPECT_EQ(s->baffle_count, 0.0f);
  EXPECT_TRUE(s->notes.empty());
}

}  // namespace
}  // namespace qalt2morv
