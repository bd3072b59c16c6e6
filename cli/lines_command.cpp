// qalt2morv lines: the deck layout as the conversion reads it, one row per deck line: the
// field kind, the columns read and the name of the field the line fills.
#include <iomanip>
#include <string>
#include <vector>

#include "commands.hpp"
#include "json_records.hpp"
#include "qalt2morv/deck_layout.hpp"

namespace qalt2morv::cli {
namespace {

struct LinesSettings {
  std::vector<int> lines;
  std::string format = "text";
};

nlohmann::ordered_json line_json(const DeckLineField& f) {
  nlohmann::ordered_json row = {{"line", f.line},
                                {"kind", f.kind},
                                {"columns", f.columns},
                                {"name", f.name},
                                {"feeds_no_record", f.feeds_no_record}};
  if (!f.also_fills.empty()) row["also_fills"] = f.also_fills;
  return row;
}

void print_row(std::ostream& out, const DeckLineField& f) {
  out << std::setw(4) << f.line << "  " << std::left << std::setw(48) << f.kind << std::setw(14)
      << f.columns << f.name << std::right;
  if (!f.also_fills.empty()) out << ", then " << f.also_fills;
  if (f.feeds_no_record) out << "  (feeds no record)";
  out << '\n';
}

std::vector<const DeckLineField*> chosen_lines(const LinesSettings& st, std::ostream& err,
                                               bool& all_found) {
  std::vector<const DeckLineField*> chosen;
  all_found = true;
  if (st.lines.empty()) {
    for (const DeckLineField& f : deck_layout()) chosen.push_back(&f);
    return chosen;
  }
  for (const int line : st.lines) {
    const DeckLineField* f = deck_line_field(line);
    if (f == nullptr) {
      err << "qalt2morv: deck line " << line << " is not read by the conversion\n";
      all_found = false;
      continue;
    }
    chosen.push_back(f);
  }
  return chosen;
}

// The reference page docs/deck-lines.md is this output.
void print_markdown(std::ostream& out, const std::vector<const DeckLineField*>& chosen) {
  out << "# Deck lines\n\nEvery deck line the conversion reads (`qalt2morv lines --format "
         "markdown`). A line marked *feeds no record* is read and checked, but no record "
         "carries it: blanking it repairs a deck without changing its keyword file.\n\n"
         "| line | kind | columns | field |\n|---:|---|---|---|\n";
  for (const DeckLineField* f : chosen) {
    out << "| " << f->line << " | " << f->kind << " | " << f->columns << " | `" << f->name << "`";
    if (!f->also_fills.empty()) out << ", then `" << f->also_fills << "`";
    if (f->feeds_no_record) out << " *feeds no record*";
    out << " |\n";
  }
}

int run_lines(const LinesSettings& st, std::ostream& out, std::ostream& err) {
  bool all_found = true;
  const std::vector<const DeckLineField*> chosen = chosen_lines(st, err, all_found);
  if (st.format == "json") {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const DeckLineField* f : chosen) rows.push_back(line_json(*f));
    out << nlohmann::ordered_json{{"lines", std::move(rows)}}.dump() << '\n';
  } else if (st.format == "markdown") {
    print_markdown(out, chosen);
  } else {
    if (!chosen.empty()) {
      out << "line  " << std::left << std::setw(48) << "kind" << std::setw(14) << "columns"
          << "name" << std::right << '\n';
    }
    for (const DeckLineField* f : chosen) print_row(out, *f);
  }
  return all_found ? 0 : 1;
}

}  // namespace

Command add_lines_command(CLI::App& app) {
  auto st = std::make_shared<LinesSettings>();
  CLI::App* sub = app.add_subcommand(
      "lines", "Show the deck layout: every deck line the conversion reads, and its field.");
  sub->add_option("line", st->lines, "Only these deck lines")->check(CLI::Range(1, 1000));
  sub->add_option("--format", st->format, "text, json or markdown")
      ->check(CLI::IsMember({"text", "json", "markdown"}))
      ->capture_default_str();
  return {sub,
          [st](std::ostream& out, std::ostream& err, bool) { return run_lines(*st, out, err); }};
}

}  // namespace qalt2morv::cli
