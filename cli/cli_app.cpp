// The qalt2morv command line: parsing, and one deck to standard output or a file; a batch
// of decks into a folder is in batch_run.cpp.
#include "cli_app.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <iterator>

#if defined(_WIN32)
#include <io.h>
#define QALT2MORV_ISATTY _isatty
#define QALT2MORV_STDERR_FD 2
#else
#include <unistd.h>
#define QALT2MORV_ISATTY isatty
#define QALT2MORV_STDERR_FD STDERR_FILENO
#endif

#include "batch_run.hpp"
#include "commands.hpp"
#include "qalt2morv/convert.hpp"

namespace qalt2morv::cli {

namespace {

#ifndef QALT2MORV_VERSION
#define QALT2MORV_VERSION "0"
#endif

bool read_all(std::istream& in, std::string& text) {
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int convert_one_to_stream(const Settings& st, std::istream& in, std::ostream& out,
                          std::ostream& err) {
  const std::string& deck = st.decks.front();
  const ConvertOptions options = options_for(st);
  std::string text;
  ConvertResult r;
  if (deck == "-") {
    std::string bytes;
    if (!read_all(in, bytes)) {
      err << "qalt2morv: -: cannot read the deck from standard input\n";
      return kExitConversionFailed;
    }
    r = convert_text(bytes, text, options);
  } else {
    r = convert_file_to_text(deck, text, options);
  }
  if (st.warnings) print_notes(err, deck, r);
  if (!r.ok()) {
    err << "qalt2morv: " << describe_failure(deck, r) << '\n';
    return kExitConversionFailed;
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (!out) {
    err << "qalt2morv: cannot write the keyword file to standard output\n";
    return kExitConversionFailed;
  }
  return kExitOk;
}

int report_one_to_file(const Settings& st, const std::string& deck, const ConvertResult& r,
                       std::ostream& err) {
  if (st.warnings) print_notes(err, deck, r);
  if (r.ok()) return kExitOk;
  if (r.status == Status::output_failed) {
    err << "qalt2morv: " << st.output << ": " << r.message << '\n';
  } else {
    err << "qalt2morv: " << describe_failure(deck, r) << '\n';
  }
  return kExitConversionFailed;
}

int convert_one_to_file(const Settings& st, std::ostream& err) {
  const std::string& deck = st.decks.front();
  return report_one_to_file(st, deck, convert_file(deck, st.output, options_for(st)), err);
}

// Edit distance, for suggesting the command a typing slip meant.
std::size_t distance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = up;
    }
  }
  return row[b.size()];
}

// The first argument when it is neither an option nor one of the commands: a message
// naming it, with the nearest command when one is close.
bool unknown_command(const CLI::App& app, const std::vector<std::string>& args, std::ostream& err) {
  if (args.empty() || args.front().empty() || args.front()[0] == '-') return false;
  std::string nearest;
  std::size_t best = 3;  // farther than two edits is no longer a slip
  for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
    if (sub->check_name(args.front())) return false;
    const std::size_t d = distance(args.front(), sub->get_name());
    if (d < best) {
      best = d;
      nearest = sub->get_name();
    }
  }
  err << "qalt2morv: unknown command \"" << args.front() << "\"";
  if (!nearest.empty()) err << "; did you mean \"" << nearest << "\"?";
  err << "\ntry 'qalt2morv --help'\n";
  return true;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return run(args, std::cin, out, err);
}

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
  const bool err_is_terminal = (&err == &std::cerr) && QALT2MORV_ISATTY(QALT2MORV_STDERR_FD) != 0;
  CLI::App app{
      "Converts heat-exchanger design decks into keyword files for the host design program.",
      "qalt2morv"};
  app.set_version_flag("--version", std::string("qalt2morv ") + QALT2MORV_VERSION);
  app.require_subcommand(1);
  // Options begin with '-' on every platform: on Windows a path such as /decks/E-101.deck
  // is a deck, not a /-style option (subcommands inherit this).
  app.allow_windows_style_options(false);
  Settings st;
  CLI::App* convert = app.add_subcommand(
      "convert", "Convert one deck (to OUT or standard output) or many (into --out-dir).");
  convert->add_option("decks", st.decks, "Deck files, folders of decks, or - for standard input")
      ->required();
  auto* output = convert->add_option(
      "-o,--output", st.output, "Keyword file for a single deck; - or absent: standard output");
  auto* out_dir = convert->add_option(
      "--out-dir", st.out_dir, "Folder for the keyword files of a batch (named after each deck)");
  convert->add_option("--ext", st.ext, "Extension of the keyword files written into --out-dir")
      ->capture_default_str();
  convert->add_option("--glob", st.glob,
                      "Names a folder contributes (default: *.deck in any letter case)");
  convert->add_flag("-r,--recursive", st.recursive,
                    "Descend into sub-folders, mirroring them under --out-dir");
  convert->add_flag("--update", st.update,
                    "Convert only decks whose keyword file is missing or older than the deck");
  convert->add_option("--report", st.report,
                      "Write one row per deck to FILE: CSV (.csv) or JSON Lines (.jsonl)");
  convert
      ->add_option("-j,--jobs", st.jobs,
                   "Worker threads for a batch (default: the number of cores)")
      ->check(CLI::Range(1u, 1024u));
  convert->add_flag("--crlf", st.crlf,
                    "Write CRLF line ends (keyword files headed to a Windows host)");
  convert->add_flag("--warnings", st.warnings,
                    "Print what the deck held that was not recognised, with its deck line");
  convert->add_flag("-q,--quiet", st.quiet, "No progress and no summary line");
  output->excludes(out_dir);
  std::string format = "keyword";
  convert
      ->add_option("--format", format, "keyword (the keyword file) or json (its records as JSON)")
      ->check(CLI::IsMember({"keyword", "json"}));
  const std::vector<Command> commands = add_commands(app);
  if (unknown_command(app, args, err)) return kExitUsage;

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return kExitOk;
  } catch (const CLI::CallForVersion&) {
    out << "qalt2morv " << QALT2MORV_VERSION << '\n';
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    err << "qalt2morv: " << e.what() << "\ntry 'qalt2morv --help'\n";
    return kExitUsage;
  }

  for (const Command& c : commands) {
    if (c.app->parsed()) return c.run(out, err, err_is_terminal);
  }
  if (format == "json") return convert_to_json(st.decks, st.output, st.out_dir, out, err);
  if (!st.out_dir.empty()) {
    if (std::find(st.decks.begin(), st.decks.end(), "-") != st.decks.end()) {
      err << "qalt2morv: standard input cannot be part of a batch\ntry 'qalt2morv --help'\n";
      return kExitUsage;
    }
    return convert_batch(st, err, err_is_terminal);
  }
  if (!st.glob.empty() || st.recursive || st.update || !st.report.empty()) {
    err << "qalt2morv: --glob, --recursive, --update and --report need --out-dir\ntry 'qalt2morv "
           "--help'\n";
    return kExitUsage;
  }
  if (st.decks.size() > 1) {
    err << "qalt2morv: several decks need --out-dir\ntry 'qalt2morv --help'\n";
    return kExitUsage;
  }
  if (st.output.empty() || st.output == "-") return convert_one_to_stream(st, in, out, err);
  if (st.decks.front() == "-") {
    std::string bytes;
    if (!read_all(in, bytes)) {
      err << "qalt2morv: -: cannot read the deck from standard input\n";
      return kExitConversionFailed;
    }
    return report_one_to_file(st, "-", convert_text_to_file(bytes, st.output, options_for(st)),
                              err);
  }
  return convert_one_to_file(st, err);
}

}  // namespace qalt2morv::cli
