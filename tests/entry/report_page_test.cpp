// The report page against the keyword file it is built from: every nozzle and dome element
// carries its slot's entries exactly as the lists write them; the heading, notes, error page,
// records and escaping; and the index page.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "qalt2morv/keyword_reader.hpp"
#include "qalt2morv/report.hpp"
#include "support/case_table.hpp"
#include "support/deck_builder.hpp"
#include "support/test_files.hpp"

namespace qalt2morv {
namespace {

namespace fs = std::filesystem;
using testing::build_deck;
using testing::convert_ok;
using testing::read_file;
using Attributes = std::map<std::string, std::string>;

// The attributes of every start tag that has attribute `marker`, in document order.
std::vector<Attributes> tags_with(const std::string& html, const std::string& marker) {
  std::vector<Attributes> tags;
  for (std::size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
    const std::size_t end = html.find('>', at);
    const std::string tag = html.substr(at, end - at);
    if (tag.find(" " + marker + "=\"") == std::string::npos) continue;
    Attributes a;
    for (std::size_t eq = tag.find("=\""); eq != std::string::npos; eq = tag.find("=\"", eq + 2)) {
      const std::size_t name_start = tag.rfind(' ', eq) + 1;
      const std::size_t value_end = tag.find('"', eq + 2);
      a[tag.substr(name_start, eq - name_start)] = tag.substr(eq + 2, value_end - eq - 2);
      eq = value_end - 1;
    }
    tags.push_back(std::move(a));
  }
  return tags;
}

std::vector<std::string> list_of(const std::vector<Record>& records, std::string_view key) {
  for (const Record& r : records) {
    if (r.key == key) return r.values;
  }
  return {};
}

std::string entry(const std::vector<std::string>& list, std::size_t i) {
  return i < list.size() ? list[i] : std::string();
}

struct DeckCase {
  std::string name;
  std::string deck;
};

// Failures name the case, not its bytes.
void PrintTo(const DeckCase& c, std::ostream* os) { *os << c.name; }

std::string example(const char* file) { return read_file(fs::path(QALT2MORV_EXAMPLES_DIR) / file); }

// One deck per shell type and the cases of the layout that reach far: split outlets, belts,
// many tube-side nozzles, a vertical unit, a kettle with its outlets on the rear end.
std::vector<DeckCase> deck_cases() {
  return {
      {"AesExample", example("aes_crude_preheat.deck")},
      {"AirCoolerExample", example("air_cooler_product.deck")},
      {"AjsVerticalExample", example("ajs_vertical_condenser.deck")},
      {"BkuKettleExample", example("bku_kettle_reboiler.deck")},
      {"FShell",
       build_deck({{19, "AFT"}, {39, "2"}, {55, "8"}, {56, "8"}, {279, "6"}, {280, "6"}})},
      {"GShell", build_deck({{19, "BGM"}, {39, "1"}, {55, "10"}, {56, "10"}, {279, "4"}})},
      {"HShell", build_deck({{19, "AHL"}, {55, "6"}, {56, "6"}, {283, "3"}})},
      {"JShellTwoInletsWithBelts",
       build_deck(
           {{19, "AJ21S"}, {451, "2"}, {251, "3"}, {252, "1"}, {284, "1"}, {55, "12"}, {56, "6"}})},
      {"KShellSplitOutletOnTheRearEnd",
       build_deck({{19, "BKT"}, {451, "1"}, {452, "3"}, {283, "4"}, {55, "8"}, {56, "12"}})},
      {"XShellThreeInlets", build_deck({{19, "AXP"}, {451, "3"}, {55, "6"}, {56, "8"}})},
      {"EShellVerticalManyTubeNozzles", build_deck({{19, "AEW"},
                                                    {214, "90"},
                                                    {247, "1"},
                                                    {451, "4"},
                                                    {452, "2"},
                                                    {453, "3"},
                                                    {454, "3"},
                                                    {55, "4"},
                                                    {56, "4"}})},
      {"XShellFullTable", build_deck({{19, "BXU"},
                                      {451, "5"},
                                      {453, "4"},
                                      {454, "4"},
                                      {283, "3"},
                                      {55, "30"},
                                      {56, "30"},
                                      {279, "30"},
                                      {280, "30"},
                                      {251, "3"},
                                      {252, "1"}})},
      {"KettleFiveInletsFourOutlets",
       build_deck(
           {{19, "DKS"}, {451, "5"}, {452, "4"}, {453, "2"}, {283, "6"}, {55, "20"}, {56, "20"}})},
      {"AirCoolerInducedDraftAxialNozzles", build_deck({{235, "AXIAL"},
                                                        {485, "6"},
                                                        {480, "INDUCED"},
                                                        {226, "3"},
                                                        {39, "1"},
                                                        {453, "2"},
                                                        {454, "2"},
                                                        {279, "6"},
                                                        {280, "6"}})},
  };
}

class NozzleElements : public ::testing::TestWithParam<DeckCase> {};

TEST_P(NozzleElements, CarryTheKeywordListsEntryByEntry) {
  const std::vector<Record> records = read_keyword_text(convert_ok(GetParam().deck));
  const ReportPage page = build_report_page(GetParam().deck, "case.deck");
  ASSERT_TRUE(page.summary.result.ok()) << page.summary.result.message;

  const auto functions = list_of(records, "NozFunctionA-O");
  const auto diameters = list_of(records, "NozcylODA-O");
  const auto locations = list_of(records, "NozLocA-O");
  const auto angles = list_of(records, "NozOriAngA-O");
  ASSERT_FALSE(functions.empty()) << "the case places no nozzle";
  const std::vector<Attributes> nozzles = tags_with(page.html, "data-slot");
  ASSERT_EQ(nozzles.size(), functions.size());
  for (std::size_t i = 0; i < nozzles.size(); ++i) {
    Attributes a = nozzles[i];
    SCOPED_TRACE("slot " + std::string(1, static_cast<char>('A' + i)));
    EXPECT_EQ(a["data-slot"], std::string(1, static_cast<char>('A' + i)));
    EXPECT_EQ(a["data-function"], entry(functions, i));
    EXPECT_EQ(a["data-diameter"], entry(diameters, i));
    EXPECT_EQ(a["data-location"], entry(locations, i));
    EXPECT_EQ(a["data-angle"], entry(angles, i));
  }

  const auto dome_types = list_of(records, "NozDomType");
  const auto dome_locations = list_of(records, "NozDomLoc");
  const std::vector<Attributes> domes = tags_with(page.html, "data-dome");
  ASSERT_EQ(domes.size(), dome_types.size());
  for (std::size_t i = 0; i < domes.size(); ++i) {
    Attributes a = domes[i];
    EXPECT_EQ(a["data-dome"], std::string(1, static_cast<char>('A' + i)));
    EXPECT_EQ(a["data-location"], entry(dome_locations, i));
  }
}

INSTANTIATE_TEST_SUITE_P(Decks, NozzleElements, ::testing::ValuesIn(deck_cases()),
                         testing::CaseName());

// The drawing's labels: "x", "y" and "text-anchor" of each <text class="label">, its width as
// the page sets it (about 7.4 px a character and a margin).
struct DrawnLabel {
  double left = 0, right = 0, baseline = 0;
  std::string text;
};

std::vector<DrawnLabel> drawn_labels(const std::string& html) {
  std::vector<DrawnLabel> labels;
  for (std::size_t at = html.find("<text "); at != std::string::npos;
       at = html.find("<text ", at + 1)) {
    const std::size_t close = html.find('>', at);
    const std::string tag = html.substr(at, close - at);
    if (tag.find("class=\"label\"") == std::string::npos) continue;
    const auto attribute = [&](const std::string& name) {
      const std::size_t v = tag.find(" " + name + "=\"") + name.size() + 3;
      return tag.substr(v, tag.find('"', v) - v);
    };
    DrawnLabel l;
    l.text = html.substr(close + 1, html.find("</text>", close) - close - 1);
    const double width = 7.4 * static_cast<double>(l.text.size()) + 6.0;
    const double x = std::stod(attribute("x"));
    const std::string anchor = attribute("text-anchor");
    l.left = anchor == "start" ? x : anchor == "end" ? x - width : x - width / 2;
    l.right = l.left + width;
    l.baseline = std::stod(attribute("y"));
    labels.push_back(l);
  }
  return labels;
}

TEST_P(NozzleElements, LabelsStayInThePictureAndApart) {
  const std::string html = build_report_page(GetParam().deck, "case.deck").html;
  const std::size_t view = html.find("viewBox=\"") + 9;
  std::istringstream box(html.substr(view, html.find('"', view) - view));
  double left = 0, top = 0, width = 0, height = 0;
  box >> left >> top >> width >> height;
  const std::vector<DrawnLabel> labels = drawn_labels(html);
  ASSERT_FALSE(labels.empty());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const DrawnLabel& a = labels[i];
    EXPECT_GE(a.left, left) << a.text;
    EXPECT_LE(a.right, left + width) << a.text;
    EXPECT_GE(a.baseline - 12, top) << a.text;
    EXPECT_LE(a.baseline, top + height) << a.text;
    for (std::size_t j = i + 1; j < labels.size(); ++j) {
      const DrawnLabel& b = labels[j];
      const bool same_band = std::abs(a.baseline - b.baseline) < 13;
      EXPECT_FALSE(same_band && a.left < b.right && b.left < a.right)
          << a.text << " over " << b.text;
    }
  }
}

TEST(NozzleElementsOfATrimmedList, AreEmptyWhereTheListStops) {
  // The crude preheater's angle list ends at slot C (slot D's angle is 0): D's is "".
  const ReportPage page = build_report_page(example("aes_crude_preheat.deck"), "E-101.deck");
  const std::vector<Attributes> nozzles = tags_with(page.html, "data-slot");
  ASSERT_EQ(nozzles.size(), 4u);
  EXPECT_EQ(nozzles[3].at("data-angle"), "");
  EXPECT_EQ(nozzles[3].at("data-function"), "2.000000");
}

TEST(ReportHeading, NamesTheDeckItsTypeUnitsAndStatus) {
  const ReportPage page = build_report_page(example("ajs_vertical_condenser.deck"), "E-210.deck");
  EXPECT_EQ(page.summary.exchanger_type, "AJS");  // AJ21S: the rear head letter is in column 5
  EXPECT_EQ(page.summary.units, "US customary");
  EXPECT_NE(page.html.find("<h1>E-210.deck</h1>"), std::string::npos);
  EXPECT_NE(page.html.find("OVERHEAD CONDENSER E-210"), std::string::npos);
  EXPECT_NE(page.html.find("VERTICAL, DIVIDED FLOW"), std::string::npos);
  EXPECT_NE(page.html.find("converted"), std::string::npos);
  EXPECT_EQ(build_report_page(example("bku_kettle_reboiler.deck"), "k").summary.units, "SI");
}

// Two leading blanks on deck line 1 shift every line two columns left, so "  AKW" on deck
// line 19 is an AKW exchanger, as the conversion reads it.
TEST(ReportHeading, TypeIsReadAfterTheLeadingBlankShift) {
  std::string deck = "  U\n";
  for (int line = 2; line < 19; ++line) deck += "\n";
  deck += "  AKW\n";
  const ReportPage page = build_report_page(deck, "shifted.deck");
  EXPECT_EQ(page.summary.exchanger_type, "AKW");
  EXPECT_NE(page.html.find("K: kettle"), std::string::npos);
}

TEST(ReportDrawing, HasATitleAndADescriptionForScreenReaders) {
  const ReportPage page = build_report_page(example("aes_crude_preheat.deck"), "E-101.deck");
  EXPECT_NE(page.html.find("<title id=\"drawing-title\">E-101.deck: AES exchanger"),
            std::string::npos);
  EXPECT_NE(page.html.find("<desc id=\"drawing-desc\">Side elevation"), std::string::npos);
  EXPECT_NE(page.html.find("Nozzle A: shell-side inlet"), std::string::npos);
  EXPECT_NE(page.html.find("Nozzle C: tube-side inlet"), std::string::npos);
}

TEST(ReportPage, ShowsTheNotesWithTheirDeckLines) {
  std::string deck = example("aes_crude_preheat.deck");
  const std::size_t line_19 = [&] {
    std::size_t at = 0;
    for (int l = 1; l < 19; ++l) at = deck.find('\n', at) + 1;
    return at;
  }();
  deck.replace(line_19, 3, "AQS");  // Q is no shell letter
  const ReportPage page = build_report_page(deck, "E-101.deck");
  ASSERT_TRUE(page.summary.result.ok());
  ASSERT_EQ(page.summary.result.notes.size(), 1u);
  const std::vector<Attributes> notes = tags_with(page.html, "data-line");
  ASSERT_FALSE(notes.empty());
  EXPECT_EQ(notes.front().at("data-line"), "19");
  EXPECT_NE(page.html.find("<td class=\"found\">AQS</td>"), std::string::npos);
  EXPECT_NE(page.html.find("shell E, L, F, G, H, J, K or X in column 2"), std::string::npos);
}

TEST(ReportPage, OfAMalformedDeckShowsTheErrorAndNoDrawing) {
  const std::string deck = "U\n" + std::string(146, '\n') + "12a4\n";
  const ReportPage page = build_report_page(deck, "bad.deck");
  EXPECT_EQ(page.summary.result.status, Status::deck_malformed);
  EXPECT_NE(page.html.find("<dt>Deck line</dt><dd>148</dd>"), std::string::npos);
  EXPECT_NE(page.html.find("reserved_148"), std::string::npos);
  EXPECT_NE(page.html.find("<dd class=\"found\">12a4</dd>"), std::string::npos);
  EXPECT_NE(page.html.find("is not a number"), std::string::npos);
  EXPECT_EQ(page.html.find("<svg"), std::string::npos);
  EXPECT_EQ(page.html.find("data-slot"), std::string::npos);
  EXPECT_NE(page.html.find("data-status=\"failed\""), std::string::npos);
}

TEST(ReportPage, OfAMissingDeckSaysSo) {
  const ReportPage page = build_report_page_from_file("no/such/deck.deck");
  EXPECT_EQ(page.summary.result.status, Status::deck_unreadable);
  EXPECT_EQ(page.summary.deck_name, "deck.deck");
  EXPECT_NE(page.html.find("not found"), std::string::npos);
  EXPECT_EQ(page.html.find("<svg"), std::string::npos);
}

// A deck of 2000 lines whose line 2 alone is 16 MB: the page quotes what a deck line can hold.
class HugeDeck : public testing::TempDirTest {
 protected:
  HugeDeck() : TempDirTest("qalt2morv_huge_deck") {}
};

TEST_F(HugeDeck, GivesAPageOfOrdinarySize) {
  std::string deck = example("aes_crude_preheat.deck");
  deck.insert(deck.find('\n') + 1, std::string(16 << 20, 'Z'));
  deck += std::string(2000, '\n');
  const fs::path path = dir_ / "huge.deck";
  testing::write_file(path, deck);
  for (const ReportPage& page :
       {build_report_page_from_file(path.string()), build_report_page(deck, "huge.deck")}) {
    EXPECT_LT(page.html.size(), 1u << 20);
    EXPECT_NE(page.html.find("<dd>" + std::string(256, 'Z') + "</dd>"), std::string::npos);
  }
}

TEST(ReportPage, FromAFileMatchesTheSameBytesInMemory) {
  const fs::path deck = fs::path(QALT2MORV_EXAMPLES_DIR) / "bku_kettle_reboiler.deck";
  EXPECT_EQ(build_report_page_from_file(deck.string()).html,
            build_report_page(read_file(deck), "bku_kettle_reboiler.deck").html);
}

TEST(ReportRecords, AreGroupedByBlockWithTheDeckLinesBehindThem) {
  const ReportPage page = build_report_page(example("aes_crude_preheat.deck"), "E-101.deck");
  std::vector<std::string> blocks;
  for (const Attributes& t : tags_with(page.html, "data-block"))
    blocks.push_back(t.at("data-block"));
  EXPECT_EQ(blocks, (std::vector<std::string>{"mechanical", "nozzles", "thermal"}));
  // HdFrType comes from deck line 19, shown by number and field, its text on hover.
  // Records of one side are marked in its colour.
  EXPECT_NE(page.html.find("<tr data-key=\"TempInSS\" class=\"shell-side\">"), std::string::npos);
  EXPECT_NE(page.html.find("<tr data-key=\"TempInTS\" class=\"tube-side\">"), std::string::npos);
  const std::size_t row = page.html.find("<tr data-key=\"HdFrType\">");
  ASSERT_NE(row, std::string::npos);
  const std::string cells = page.html.substr(row, page.html.find("</tr>", row) - row);
  EXPECT_NE(cells.find("data-line=\"19\" title=\"AES\">19 exchanger_type_word</span>"),
            std::string::npos)
      << cells;
}

std::string escape_case_deck() {
  return build_deck({{2, "<script>&\"' \x80\x81\x01\xe9"}, {3, "</td>"}, {19, "AES"}});
}

TEST(ReportEscaping, DeckTextIsEscapedAndBecomesUtf8) {
  const ReportPage page = build_report_page(escape_case_deck(), "a<b&c.deck");
  EXPECT_EQ(page.html.find("<script>"), std::string::npos);
  EXPECT_EQ(page.html.find("</td>\n"), std::string::npos);
  EXPECT_NE(
      page.html.find("&lt;script&gt;&amp;&quot;&#39; \xe2\x82\xac\xef\xbf\xbd\xef\xbf\xbd\xc3\xa9"),
      std::string::npos);
  EXPECT_NE(page.html.find("<h1>a&lt;b&amp;c.deck</h1>"), std::string::npos);
}

// A deck's file name heads its page: UTF-8 (as Linux names files) stays as it is, other bytes
// are read as code page 1252; either way the page shows the same letters.
TEST(ReportEscaping, FileNamesInUtf8OrCodePage1252ShowTheirLetters) {
  struct Case {
    const char* name;
    std::string deck_name;
    std::string heading;
  };
  const Case cases[] = {
      {"utf-8", "W\xc3\xa4rme&Co.deck", "<h1>W\xc3\xa4rme&amp;Co.deck</h1>"},
      {"code page 1252", "W\xe4rme.deck", "<h1>W\xc3\xa4rme.deck</h1>"},
      {"a broken sequence is not utf-8", "W\xc3(.deck", "<h1>W\xc3\x83(.deck</h1>"},
      {"an overlong form is not utf-8", "\xc0\xaf.deck", "<h1>\xc3\x80\xc2\xaf.deck</h1>"},
  };
  for (const auto& c : cases) {
    const ReportPage page = build_report_page(escape_case_deck(), c.deck_name);
    EXPECT_NE(page.html.find(c.heading), std::string::npos) << c.name;
  }
}

struct TextCase {
  std::string name;
  std::string cp1252;
  std::string html;
};

// Failures name the case, not its bytes.
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class HtmlText : public ::testing::TestWithParam<TextCase> {};

TEST_P(HtmlText, EscapesAndTranscodes) { EXPECT_EQ(html_text(GetParam().cp1252), GetParam().html); }

INSTANTIATE_TEST_SUITE_P(Bytes, HtmlText,
                         ::testing::Values(TextCase{"Markup", "<a href=\"x\">&'",
                                                    "&lt;a href=&quot;x&quot;&gt;&amp;&#39;"},
                                           TextCase{"EuroSign", "\x80", "\xe2\x82\xac"},
                                           TextCase{"HoleOfTheCodePage", "\x81", "\xef\xbf\xbd"},
                                           TextCase{"ControlCharacter", "a\x01z\x7f",
                                                    "a\xef\xbf\xbdz\xef\xbf\xbd"},
                                           TextCase{"TabAndLineEnds", "a\tb\r\n", "a\tb\r\n"},
                                           TextCase{"Latin1Letter", "\xe9", "\xc3\xa9"},
                                           TextCase{"NulByte", std::string("a\0b", 3),
                                                    "a\xef\xbf\xbd"
                                                    "b"}),
                         testing::CaseName());

TEST(ReportIndex, ListsEveryDeckWithItsStatusAndLink) {
  const ReportPage ok = build_report_page(example("aes_crude_preheat.deck"), "E-101.deck");
  const ReportPage bad = build_report_page("U\n" + std::string(146, '\n') + "12a4\n", "x&y.deck");
  const std::string index =
      build_report_index({{ok.summary, "E-101.html"}, {bad.summary, "sub dir/x&y.html"}});
  const std::vector<Attributes> rows = tags_with(index, "data-status");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].at("data-status"), "converted");
  EXPECT_EQ(rows[1].at("data-status"), "failed");
  EXPECT_NE(index.find("<td>E-101.deck</td><td class=\"status-ok\">converted</td><td>AES</td>"
                       "<td>US customary</td><td>0</td><td><a href=\"E-101.html\">"),
            std::string::npos);
  EXPECT_NE(index.find("<a href=\"sub%20dir/x&amp;y.html\">"), std::string::npos);
  EXPECT_NE(index.find("line 148"), std::string::npos);
  EXPECT_NE(index.find("2 decks, 1 failed"), std::string::npos);
  EXPECT_EQ(index.find("no page"), std::string::npos);
  EXPECT_NE(build_report_index({{ok.summary, ""}}).find("<td>no page</td>"), std::string::npos);
}

}  // namespace
}  // namespace qalt2morv
