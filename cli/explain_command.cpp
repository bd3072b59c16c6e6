// qalt2morv explain: the deck lines behind each record of a deck's keyword file, the
// absent records a line would bring in, and the lines whose change fails the conversion.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "commands.hpp"
#include "json_records.hpp"
#include "qalt2morv/deck_layout.hpp"
#include "qalt2morv/explain.hpp"
#include "qalt2morv/keyword_reader.hpp"

namespace qalt2morv::cli {
namespace {

struct ExplainSettings {
  std::string deck;
  std::vector<std::string> keys;
  bool missing = false;
  int line = 0;
  std::string format = "text";
};

// The deck's lines as the loader counts them, each without its line end and trailing blanks.
std::vector<std::string> deck_line_texts(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size() && lines.size() < 1000) {
    std::size_t feed = bytes.find('\n', start);
    const std::size_t end = feed == std::string::npos ? bytes.size() : feed;
    std::string text = bytes.substr(start, end - start);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.pop_back();
    lines.push_back(std::move(text));
    if (feed == std::string::npos) break;
    start = feed + 1;
  }
  return lines;
}

std::string without_last_line_end(std::string text) {
  if (!text.empty() && text.back() == '\n') text.pop_back();
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

bool holds(const std::vector<int>& lines, int line) {
  return std::binary_search(lines.begin(), lines.end(), line);
}

struct Selection {
  const ExplainSettings& st;
  bool key_wanted(const std::string& key) const {
    return st.keys.empty() || std::find(st.keys.begin(), st.keys.end(), key) != st.keys.end();
  }
  bool lines_wanted(const std::vector<int>& lines) const {
    return st.line == 0 || holds(lines, st.line);
  }
};

std::string values_as_written(const Record& r) {
  if (r.kind == RecordKind::number) return r.value;
  if (r.kind == RecordKind::text) return "\"" + r.value + "\"";
  std::string s;
  for (std::size_t i = 0; i < r.values.size(); ++i)
    s += (i ? ", " : "") + (r.values[i].empty() ? "(blank)" : r.values[i]);
  return s;
}

std::string record_name(const std::string& key, int occurrence) {
  return occurrence > 1 ? key + " (" + std::to_string(occurrence) + ")" : key;
}

void print_lines(std::ostream& out, const std::vector<int>& lines,
                 const std::vector<std::string>& texts) {
  for (const int l : lines) {
    out << "  " << line_and_field(l);
    if (l >= 1 && static_cast<std::size_t>(l) <= texts.size())
      out << ": " << texts[static_cast<std::size_t>(l) - 1];
    out << '\n';
  }
}

void print_text(std::ostream& out, const Explanation& e, const std::vector<std::string>& texts,
                const Selection& sel) {
  const std::vector<Record> records = read_keyword_text(e.keyword_text);
  for (std::size_t i = 0; i < e.records.size() && i < records.size(); ++i) {
    const ExplainedRecord& r = e.records[i];
    if (!sel.key_wanted(r.key) || !sel.lines_wanted(r.lines)) continue;
    out << record_name(r.key, r.occurrence) << " = " << values_as_written(records[i]) << '\n';
    if (r.lines.empty()) out << "  (no deck line changes it)\n";
    print_lines(out, r.lines, texts);
  }
  if (sel.st.missing || sel.st.line != 0) {
    for (const AbsentRecord& a : e.absent) {
      if (!sel.key_wanted(a.key) || !sel.lines_wanted(a.lines)) continue;
      out << "absent: " << record_name(a.key, a.occurrence)
          << ", written when one of these lines changes\n";
      print_lines(out, a.lines, texts);
    }
  }
  for (const int l : e.failing_lines) {
    if (sel.st.line == 0 || l == sel.st.line)
      out << "line " << l << ": a change here can fail the conversion\n";
  }
}

nlohmann::ordered_json lines_json(const std::vector<int>& lines) {
  return nlohmann::ordered_json(lines);
}

// Beside "lines": the field each of those lines fills, in the same order.
nlohmann::ordered_json fields_json(const std::vector<int>& lines) {
  nlohmann::ordered_json fields = nlohmann::ordered_json::array();
  for (const int l : lines) {
    const DeckLineField* f = deck_line_field(l);
    fields.push_back(f != nullptr ? std::string(f->name) : std::string());
  }
  return fields;
}

void print_json(std::ostream& out, const ExplainSettings& st, const Explanation& e,
                const Selection& sel) {
  nlohmann::ordered_json doc = {{"deck", cp1252_to_utf8(st.deck)},
                                {"status", static_cast<int>(e.result.status)}};
  if (!e.result.ok()) {
    doc["message"] = cp1252_to_utf8(e.result.message);
    doc["line"] = e.result.line;
  }
  nlohmann::ordered_json records = nlohmann::ordered_json::array();
  for (const ExplainedRecord& r : e.records) {
    if (!sel.key_wanted(r.key) || !sel.lines_wanted(r.lines)) continue;
    records.push_back({{"key", cp1252_to_utf8(r.key)},
                       {"occurrence", r.occurrence},
                       {"text", cp1252_to_utf8(without_last_line_end(r.text))},
                       {"lines", lines_json(r.lines)},
                       {"fields", fields_json(r.lines)}});
  }
  nlohmann::ordered_json absent = nlohmann::ordered_json::array();
  for (const AbsentRecord& a : e.absent) {
    if (!sel.key_wanted(a.key) || !sel.lines_wanted(a.lines)) continue;
    absent.push_back({{"key", cp1252_to_utf8(a.key)},
                      {"occurrence", a.occurrence},
                      {"lines", lines_json(a.lines)},
                      {"fields", fields_json(a.lines)}});
  }
  nlohmann::ordered_json failing = nlohmann::ordered_json::array();
  for (const int l : e.failing_lines) {
    if (st.line == 0 || l == st.line) failing.push_back(l);
  }
  doc["records"] = std::move(records);
  doc["absent"] = std::move(absent);
  doc["failing_lines"] = std::move(failing);
  out << doc.dump() << '\n';
}

int run_explain(const ExplainSettings& st, std::ostream& out, std::ostream& err) {
  ConvertOptions options;
  options.line_ending = LineEnding::lf;
  std::string bytes;
  Explanation e;
  if (st.deck == "-") {
    bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    e = explain_text(bytes, options);
  } else {
    e = explain_file(st.deck, options);
    if (e.result.ok() && st.format != "json") {
      // Only the lines the loader reads are shown: the rest of a huge deck stays unread.
      std::ifstream in(st.deck, std::ios::binary);
      std::string line;
      for (int k = 0; k < 1000 && std::getline(in, line); ++k) bytes += line + '\n';
    }
  }
  const Selection sel{st};
  if (st.format == "json") {
    print_json(out, st, e, sel);
  } else if (e.result.ok()) {
    print_text(out, e, deck_line_texts(bytes), sel);
  }
  if (!e.result.ok()) {
    err << "qalt2morv: " << (e.result.status == Status::deck_unreadable ? "" : st.deck + ": ")
        << e.result.message << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

Command add_explain_command(CLI::App& app) {
  auto st = std::make_shared<ExplainSettings>();
  CLI::App* sub = app.add_subcommand(
      "explain", "Show the deck lines behind each record of a deck's keyword file.");
  sub->add_option("deck", st->deck, "Deck file, or - for standard input")->required();
  sub->add_option("keys", st->keys, "Only the records of these keys");
  sub->add_flag("--missing", st->missing,
                "Also the absent records and the lines that would bring them in");
  sub->add_option("--line", st->line, "Only what deck line N is behind or would bring in")
      ->check(CLI::Range(1, 1000));
  sub->add_option("--format", st->format, "text or json")
      ->check(CLI::IsMember({"text", "json"}))
      ->capture_default_str();
  return {sub,
          [st](std::ostream& out, std::ostream& err, bool) { return run_explain(*st, out, err); }};
}

}  // namespace qalt2morv::cli
