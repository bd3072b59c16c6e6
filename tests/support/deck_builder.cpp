#include "support/deck_builder.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "core/keyword_writer.hpp"
#include "deck/deck_decoding.hpp"
#include "deck/deck_loader.hpp"
#include "qalt2morv/convert.hpp"
#include "thermal/post_decoding.hpp"

namespace qalt2morv::testing {

std::string build_deck(std::initializer_list<DeckLineText> lines, int line_count) {
  std::vector<std::string> text(static_cast<std::size_t>(line_count));
  if (line_count > 0) text[0] = "U";
  for (const auto& l : lines) {
    if (l.line >= 1 && l.line <= line_count) text[static_cast<std::size_t>(l.line - 1)] = l.text;
  }
  std::string deck;
  for (const auto& t : text) {
    deck += t;
    deck += '\n';
  }
  return deck;
}

std::unique_ptr<ConversionState> decode_only(const std::string& deck_text) {
  auto s = std::make_unique<ConversionState>();
  KeywordWriter out;
  deck::load_deck(*s, deck_text);
  deck::decode_deck(*s, out);
  return s;
}

std::unique_ptr<ConversionState> decode_and_derive(const std::string& deck_text) {
  auto s = decode_only(deck_text);
  thermal::derive_after_decoding(*s);
  return s;
}

std::string convert_ok(const std::string& deck_text) {
  std::string out;
  ConvertOptions options;
  options.line_ending = LineEnding::lf;
  const ConvertResult r = convert_text(deck_text, out, options);
  EXPECT_EQ(r.status, Status::ok) << r.message;
  return out;
}

}  // namespace qalt2morv::testing
