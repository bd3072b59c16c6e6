// The subcommands beside convert, and convert's JSON output.
#include "commands.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "json_records.hpp"
#include "qalt2morv/convert.hpp"
#include "qalt2morv/deck_layout.hpp"

namespace qalt2morv::cli {

Command add_explain_command(CLI::App& app);
Command add_check_command(CLI::App& app);
Command add_lines_command(CLI::App& app);
Command add_records_command(CLI::App& app);
Command add_report_command(CLI::App& app);

std::vector<Command> add_commands(CLI::App& app) {
  return {add_explain_command(app), add_check_command(app), add_lines_command(app),
          add_records_command(app), add_report_command(app)};
}

std::string line_and_field(int line) {
  const std::string_view label = deck_line_label(line);
  std::string text = "line " + std::to_string(line);
  if (!label.empty()) text += " (" + std::string(label) + ")";
  return text;
}

std::string field_name_of(int line) {
  const DeckLineField* f = deck_line_field(line);
  return f != nullptr ? std::string(f->name) : std::string();
}

namespace {

namespace fs = std::filesystem;

// Converts one deck and writes its records as JSON to out; false (with a message) on failure.
bool write_json(const std::string& deck, std::ostream& out, std::ostream& err) {
  ConvertOptions options;
  options.line_ending = LineEnding::lf;
  std::string text;
  const ConvertResult r = convert_file_to_text(deck, text, options);
  if (!r.ok()) {
    err << "qalt2morv: " << (r.status == Status::deck_unreadable ? "" : deck + ": ") << r.message
        << '\n';
    return false;
  }
  out << records_json(text).dump() << '\n';
  return true;
}

bool write_json_file(const std::string& deck, const std::string& path, std::ostream& err) {
  std::ostringstream doc;
  if (!write_json(deck, doc, err)) return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << doc.str();
  file.close();
  if (!file) {
    err << "qalt2morv: " << path << ": cannot write the JSON file\n";
    std::error_code ec;
    fs::remove(path, ec);
    return false;
  }
  return true;
}

}  // namespace

int convert_to_json(const std::vector<std::string>& decks, const std::string& output,
                    const std::string& out_dir, std::ostream& out, std::ostream& err) {
  if (out_dir.empty()) {
    if (decks.size() != 1) {
      err << "qalt2morv: several decks need --out-dir\ntry 'qalt2morv --help'\n";
      return 2;
    }
    if (output.empty() || output == "-") return write_json(decks.front(), out, err) ? 0 : 1;
    return write_json_file(decks.front(), output, err) ? 0 : 1;
  }
  std::error_code ec;
  fs::create_directories(out_dir, ec);
  std::size_t failed = 0;
  for (const std::string& arg : decks) {
    std::vector<std::string> files;
    if (fs::is_directory(arg, ec)) {
      for (const auto& entry : fs::directory_iterator(arg, ec)) {
        if (entry.is_regular_file(ec)) files.push_back(entry.path().string());
      }
      std::sort(files.begin(), files.end());
    } else {
      files.push_back(arg);
    }
    for (const std::string& deck : files) {
      fs::path name = fs::path(deck).filename();
      name.replace_extension(".json");
      if (!write_json_file(deck, (fs::path(out_dir) / name).string(), err)) ++failed;
    }
  }
  return failed == 0 ? 0 : 1;
}

}  // namespace qalt2morv::cli
