// qalt2morv check: converts each deck in memory, writes no keyword file, and reports the
// errors and notes of an archive with a summary of its most frequent problem lines.
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "commands.hpp"
#include "json_records.hpp"
#include "qalt2morv/convert.hpp"

namespace qalt2morv::cli {
namespace {

namespace fs = std::filesystem;

struct CheckSettings {
  std::vector<std::string> decks;
  bool strict = false;
  std::string format = "text";
  unsigned jobs = 0;
};

// Files as given; a folder as the regular files in it, sorted.
std::vector<std::string> expand_decks(const std::vector<std::string>& args) {
  std::vector<std::string> decks;
  for (const std::string& a : args) {
    std::error_code ec;
    if (!fs::is_directory(a, ec)) {
      decks.push_back(a);
      continue;
    }
    std::vector<std::string> in_folder;
    for (fs::directory_iterator it(a, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code fe;
      if (it->is_regular_file(fe)) in_folder.push_back(it->path().string());
    }
    std::sort(in_folder.begin(), in_folder.end());
    decks.insert(decks.end(), in_folder.begin(), in_folder.end());
  }
  return decks;
}

std::vector<ConvertResult> check_all(const std::vector<std::string>& decks, unsigned jobs) {
  std::vector<ConvertResult> results(decks.size());
  std::atomic<std::size_t> next{0};
  const auto worker = [&]() {
    std::string text;
    for (std::size_t i; (i = next.fetch_add(1)) < decks.size();)
      results[i] = convert_file_to_text(decks[i], text);
  };
  unsigned workers = jobs != 0 ? jobs : std::max(1u, std::thread::hardware_concurrency());
  workers =
      static_cast<unsigned>(std::min<std::size_t>(workers, std::max<std::size_t>(decks.size(), 1)));
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < workers; ++t) threads.emplace_back(worker);
  worker();
  for (auto& t : threads) t.join();
  return results;
}

void print_deck_text(std::ostream& out, const std::string& deck, const ConvertResult& r) {
  if (!r.ok()) out << (r.status == Status::deck_unreadable ? "" : deck + ": ") << r.message << '\n';
  for (const ConversionNote& n : r.notes) {
    out << deck << ": " << line_and_field(n.line) << ": note: \"" << n.found << "\" not recognised";
    if (!n.expected.empty()) out << " (expected " << n.expected << ")";
    out << '\n';
  }
}

void print_summary(std::ostream& out, const std::vector<ConvertResult>& results) {
  std::size_t failed = 0, noted = 0;
  std::map<int, std::size_t> by_line;
  for (const ConvertResult& r : results) {
    if (!r.ok()) ++failed;
    if (!r.notes.empty()) ++noted;
    for (const ConversionNote& n : r.notes) ++by_line[n.line];
  }
  out << "checked " << results.size() << " decks: " << (results.size() - failed) << " converted, "
      << failed << " failed, " << noted << " with notes\n";
  std::vector<std::pair<int, std::size_t>> lines(by_line.begin(), by_line.end());
  std::stable_sort(lines.begin(), lines.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  if (lines.size() > 5) lines.resize(5);
  for (const auto& [line, count] : lines) out << "  line " << line << ": " << count << " notes\n";
}

nlohmann::ordered_json deck_json(const std::string& deck, const ConvertResult& r) {
  nlohmann::ordered_json notes = nlohmann::ordered_json::array();
  for (const ConversionNote& n : r.notes) {
    notes.push_back({{"line", n.line},
                     {"found", cp1252_to_utf8(n.found)},
                     {"expected", cp1252_to_utf8(n.expected)},
                     {"field", field_name_of(n.line)}});
  }
  return {{"deck", cp1252_to_utf8(deck)},
          {"status", static_cast<int>(r.status)},
          {"message", cp1252_to_utf8(r.message)},
          {"line", r.line},
          {"notes", std::move(notes)}};
}

int run_check(const CheckSettings& st, std::ostream& out, std::ostream& err, bool err_is_terminal) {
  const std::vector<std::string> decks = expand_decks(st.decks);
  if (err_is_terminal) err << "checking " << decks.size() << " decks\r" << std::flush;
  const std::vector<ConvertResult> results = check_all(decks, st.jobs);
  if (err_is_terminal) err << std::string(40, ' ') << '\r' << std::flush;
  bool clean = true;
  for (std::size_t i = 0; i < decks.size(); ++i) {
    if (st.format == "json") {
      out << deck_json(decks[i], results[i]).dump() << '\n';
    } else {
      print_deck_text(out, decks[i], results[i]);
    }
    if (!results[i].ok() || (st.strict && !results[i].notes.empty())) clean = false;
  }
  if (st.format != "json") print_summary(out, results);
  return clean ? 0 : 1;
}

}  // namespace

Command add_check_command(CLI::App& app) {
  auto st = std::make_shared<CheckSettings>();
  CLI::App* sub = app.add_subcommand(
      "check", "Convert decks in memory and report errors and notes; writes nothing.");
  sub->add_option("decks", st->decks, "Deck files or folders of decks")->required();
  sub->add_flag("--strict", st->strict, "Fail (exit 1) also when a deck has a note");
  sub->add_option("--format", st->format, "text or json (JSON Lines, one object per deck)")
      ->check(CLI::IsMember({"text", "json"}))
      ->capture_default_str();
  sub->add_option("-j,--jobs", st->jobs, "Worker threads (default: the number of cores)")
      ->check(CLI::Range(1u, 1024u));
  return {sub, [st](std::ostream& out, std::ostream& err, bool terminal) {
            return run_check(*st, out, err, terminal);
          }};
}

}  // namespace qalt2morv::cli
