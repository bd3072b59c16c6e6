// qalt2morv records: every key the conversion can write, in keyword-file order, with what it
// holds, when it is written and what its codes mean.
#include <algorithm>
#include <string>
#include <vector>

#include "commands.hpp"
#include "json_records.hpp"
#include "qalt2morv/keyword_records.hpp"

namespace qalt2morv::cli {
namespace {

struct RecordsSettings {
  std::vector<std::string> keys;
  std::string format = "text";
};

nlohmann::ordered_json record_json(const KeywordRecordInfo& r) {
  nlohmann::ordered_json row = {{"key", r.key}, {"kind", r.kind}, {"holds", r.holds}};
  if (!r.when.empty()) row["when"] = r.when;
  row["block"] = r.block;
  if (!r.codes.empty()) {
    nlohmann::ordered_json codes = nlohmann::ordered_json::object();
    for (const KeywordCodeMeaning& c : r.codes) codes[c.code] = c.meaning;
    row["codes"] = std::move(codes);
  }
  return row;
}

std::string code_list(const KeywordRecordInfo& r) {
  std::string text;
  for (std::size_t i = 0; i < r.codes.size(); ++i)
    text += (i ? ", " : "") + r.codes[i].code + " " + std::string(r.codes[i].meaning);
  return text;
}

void print_record(std::ostream& out, const KeywordRecordInfo& r) {
  out << r.key << " (" << r.kind << ", " << r.block << "): " << r.holds << '\n';
  if (!r.when.empty()) out << "  written when: " << r.when << '\n';
  if (r.codes.empty()) return;
  out << "  codes: " << code_list(r) << '\n';
}

// The reference page docs/keyword-records.md is this output.
void print_markdown(std::ostream& out, const std::vector<const KeywordRecordInfo*>& chosen) {
  out << "# Keyword records\n\nEvery key the conversion can write, in keyword-file order "
         "(`qalt2morv records --format markdown`). "
      << kKeywordRecordRules
      << "\n\n| key | kind | block | holds | written when | codes |\n|---|---|---|---|---|---|\n";
  for (const KeywordRecordInfo* r : chosen) {
    out << "| `" << r->key << "` | " << r->kind << " | " << r->block << " | " << r->holds << " | "
        << r->when << " | " << code_list(*r) << " |\n";
  }
}

int run_records(const RecordsSettings& st, std::ostream& out, std::ostream& err) {
  std::vector<const KeywordRecordInfo*> chosen;
  for (const KeywordRecordInfo& r : keyword_records()) {
    if (st.keys.empty() || std::find(st.keys.begin(), st.keys.end(), r.key) != st.keys.end())
      chosen.push_back(&r);
  }
  int status = 0;
  for (const std::string& key : st.keys) {
    const bool known = std::any_of(chosen.begin(), chosen.end(),
                                   [&](const KeywordRecordInfo* r) { return r->key == key; });
    if (!known) {
      err << "qalt2morv: \"" << key << "\" is not a key the conversion writes\n";
      status = 1;
    }
  }
  if (st.format == "json") {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const KeywordRecordInfo* r : chosen) rows.push_back(record_json(*r));
    out << nlohmann::ordered_json{{"records", std::move(rows)}, {"rules", kKeywordRecordRules}}
               .dump()
        << '\n';
    return status;
  }
  if (st.format == "markdown") {
    print_markdown(out, chosen);
    return status;
  }
  if (st.keys.empty()) out << kKeywordRecordRules << "\n\n";
  for (const KeywordRecordInfo* r : chosen) print_record(out, *r);
  return status;
}

}  // namespace

Command add_records_command(CLI::App& app) {
  auto st = std::make_shared<RecordsSettings>();
  CLI::App* sub = app.add_subcommand(
      "records", "Show every key the conversion can write: what it holds, when, its codes.");
  sub->add_option("key", st->keys, "Only these keys");
  sub->add_option("--format", st->format, "text, json or markdown")
      ->check(CLI::IsMember({"text", "json", "markdown"}))
      ->capture_default_str();
  return {sub,
          [st](std::ostream& out, std::ostream& err, bool) { return run_records(*st, out, err); }};
}

}  // namespace qalt2morv::cli
