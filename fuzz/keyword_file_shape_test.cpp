// The fuzzer's record-shape checker must accept every shape the writer produces and reject
// each way a keyword line can be broken; otherwise the fuzzer would miss what it looks for.
#include "keyword_file_shape.hpp"

#include <gtest/gtest.h>

#include <qalt2morv/convert.hpp>
#include <string>

#include "support/test_files.hpp"

namespace qalt2morv::fuzz {
namespace {

using namespace std::string_literals;

struct ShapeCase {
  const char* name;
  std::string text;
  const char* error;  // nullptr when the text is well formed, else a part of the cause
};

const ShapeCase kShapeCases[] = {
    {"empty text", "", nullptr},
    {"real record", "TempInSS,150.000000,0\n", nullptr},
    {"negative real record", "TempInSS,-40.500000,0\n", nullptr},
    {"tiny negative real prints as -0", "TempInSS,-0.000000,0\n", nullptr},
    {"integer record", "ShlParNum,2,0\n", nullptr},
    {"text record", "FluidNamHS,\"CRUDE OIL , 3/4in\",0\n", nullptr},
    {"empty text record", "FluidNamHS,\"\",0\n", nullptr},
    {"list with a zero entry", "NozLocA-O,0,3\n1.500000, \n , \n2.000000, \n", nullptr},
    {"text and integer entries", "Names,0,2\n\"A\", \n12, \n", nullptr},
    {"list then a record", "BafCutPerc,0,1\n25.000000, \nBafNum,6.000000,0\n", nullptr},

    {"no final line end", "TempInSS,150.000000,0", "does not end with a line end"},
    {"nan", "TempInSS,nan,0\n", "neither a real"},
    {"inf", "TempInSS,-inf,0\n", "neither a real"},
    {"five decimals", "TempInSS,1.50000,0\n", "neither a real"},
    {"exponent", "TempInSS,1.5e+02,0\n", "neither a real"},
    {"zero integer", "ShlParNum,0,0\n", "not a count of at least 1"},
    {"integer with leading zero", "ShlParNum,02,0\n", "neither a real"},
    {"third field not 0", "TempInSS,1.000000,1\n", "not 0"},
    {"two fields", "TempInSS,1.000000\n", "fewer than three fields"},
    {"four fields", "TempInSS,1.000000,0,0\n", "not 0"},
    {"no comma", "TempInSS\n", "no comma"},
    {"key with a blank", "Temp In,1.000000,0\n", "not a key"},
    {"empty key", ",1.000000,0\n", "not a key"},
    {"key starting with a digit", "1Temp,1.000000,0\n", "not a key"},
    {"blank line", "TempInSS,1.000000,0\n\n", "no comma"},
    {"unterminated text", "FluidNamHS,\"WATER,0\n", "unterminated"},
    {"text not followed by ,0", "FluidNamHS,\"WATER\",1\n", "not followed"},
    {"quote inside a text", "FluidNamHS,\"3/4\" TUBE\",0\n", "not followed"},
    {"zero byte inside a text", "FluidNamHS,\"WA\0ER\",0\n"s, "zero byte"},
    {"header of zero entries", "NozLocA-O,0,0\n", "at least 1"},
    {"header with a negative count", "NozLocA-O,0,-1\n1.000000, \n", "at least 1"},
    {"list one entry short", "NozLocA-O,0,2\n1.000000, \n", "short of its last list"},
    {"list one entry long", "NozLocA-O,0,1\n1.000000, \n2.000000, \n", "keyword line 3"},
    {"list ending with the zero entry", "NozLocA-O,0,2\n1.000000, \n , \n",
     "ends with the zero entry"},
    {"entry without its blank", "NozLocA-O,0,1\n1.000000,\n", "does not end with"},
    {"nan entry", "NozLocA-O,0,1\nnan, \n", "neither a real"},
    {"zero entry without blanks", "NozLocA-O,0,2\n,\n1.000000, \n", "does not end with"},
    {"text entry without its blank", "Names,0,1\n\"A\",\n", "text entry"},
    {"record where an entry belongs", "NozLocA-O,0,2\n1.000000, \nBafNum,6.000000,0\n",
     "does not end with"},
};

TEST(KeywordFileShape, AcceptsTheWriterShapesAndRejectsBrokenLines) {
  for (const ShapeCase& c : kShapeCases) {
    const std::string error = keyword_file_shape_error(c.text);
    if (c.error == nullptr) {
      EXPECT_EQ(error, "") << c.name;
    } else {
      EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": got \"" << error << "\"";
    }
  }
}

TEST(KeywordFileShape, NamesTheBrokenLine) {
  EXPECT_EQ(keyword_file_shape_error("TempInSS,1.000000,0\nTempOutSS,nan,0\n").substr(0, 15),
            "keyword line 2:");
}

using qalt2morv::testing::read_file;

// Decks whose conversion keeps every promise: converted ones and malformed ones alike.
TEST(ConversionCheck, PassesConvertedAndMalformedDecks) {
  const std::string example = read_file(QALT2MORV_EXAMPLES_DIR "/aes_crude_preheat.deck");
  ASSERT_FALSE(example.empty());
  std::string crlf_example;
  for (const char c : example) {
    if (c == '\n') crlf_example += '\r';
    crlf_example += c;
  }
  std::string malformed = example;
  malformed.replace(malformed.find("\n1\n2\n"), 5, "\n1\nx2\n");  // deck line 21, an integer field

  struct Case {
    const char* name;
    std::string deck;
    Status status;
  };
  const Case cases[] = {
      {"example deck", example, Status::ok},
      {"example deck with CRLF", crlf_example, Status::ok},
      {"empty deck", "", Status::ok},
      {"letter in an integer field", malformed, Status::deck_malformed},
  };
  for (const Case& c : cases) {
    std::string keywords;
    EXPECT_EQ(convert_text(c.deck, keywords).status, c.status) << c.name;
    EXPECT_EQ(conversion_error(c.deck), "") << c.name;
  }
}

}  // namespace
}  // namespace qalt2morv::fuzz
