// The qalt2morv command: one deck to stdout or a file, or a batch of decks into a folder
// on worker threads, with a summary and a non-zero exit when any deck failed.
#include "cli_app.hpp"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <thread>

#if defined(_WIN32)
#include <io.h>
#define QALT2MORV_ISATTY _isatty
#define QALT2MORV_STDERR_FD 2
#else
#include <unistd.h>
#define QALT2MORV_ISATTY isatty
#define QALT2MORV_STDERR_FD STDERR_FILENO
#endif

#include "commands.hpp"
#include "qalt2morv/convert.hpp"

namespace qalt2morv::cli {

namespace fs = std::filesystem;

namespace {

#ifndef QALT2MORV_VERSION
#define QALT2MORV_VERSION "0"
#endif

struct Settings {
  std::vector<std::string> decks;
  std::string output;
  std::string out_dir;
  std::string ext = ".kw";
  unsigned jobs = 0;
  bool crlf = false;
  bool warnings = false;
  bool quiet = false;
};

// The command line writes the same bytes on every platform: "\n" line ends unless --crlf
// asks for the CRLF of a Windows host (whose import reads either).
ConvertOptions options_for(const Settings& st) {
  ConvertOptions options;
  options.line_ending = st.crlf ? LineEnding::crlf : LineEnding::lf;
  return options;
}

struct Job {
  std::string deck;
  std::string output;
  ConvertResult result;
};

// "pump.deck: line 148: ..." for a deck error; the message already names the deck when
// the deck itself could not be read.
std::string describe_failure(const std::string& deck, const ConvertResult& r) {
  if (r.status == Status::deck_unreadable) return r.message;
  return deck + ": " + r.message;
}

void print_notes(std::ostream& err, const std::string& deck, const ConvertResult& r) {
  for (const auto& n : r.notes) {
    err << "qalt2morv: " << deck << ": line " << n.line << ": warning: \"" << n.found << "\" not recognised";
    if (!n.expected.empty()) err << " (expected " << n.expected << ")";
    err << '\n';
  }
}

bool read_all(std::istream& in, std::string& text) {
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int convert_one_to_stream(const Settings& st, std::ostream& out, std::ostream& err) {
  const std::string& deck = st.decks.front();
  const ConvertOptions options = options_for(st);
  std::string text;
  ConvertResult r;
  if (deck == "-") {
    std::string bytes;
    if (!read_all(std::cin, bytes)) {
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

int convert_one_to_file(const Settings& st, std::ostream& err) {
  const std::string& deck = st.decks.front();
  const ConvertOptions options = options_for(st);
  const ConvertResult r = convert_file(deck, st.output, options);
  if (st.warnings) print_notes(err, deck, r);
  if (!r.ok()) {
    if (r.status == Status::output_failed) {
      err << "qalt2morv: " << st.output << ": " << r.message << '\n';
    } else {
      err << "qalt2morv: " << describe_failure(deck, r) << '\n';
    }
    return kExitConversionFailed;
  }
  return kExitOk;
}

// The deck files a batch converts: files as given, folders as the regular files in them.
bool collect_decks(const std::vector<std::string>& args, std::vector<std::string>& decks, std::ostream& err) {
  for (const auto& a : args) {
    std::error_code ec;
    if (fs::is_directory(a, ec)) {
      std::vector<std::string> in_folder;
      for (fs::directory_iterator it(a, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fe;
        if (it->is_regular_file(fe)) in_folder.push_back(it->path().string());
      }
      if (ec) {
        err << "qalt2morv: " << a << ": cannot list the folder: " << ec.message() << '\n';
        return false;
      }
      std::sort(in_folder.begin(), in_folder.end());
      decks.insert(decks.end(), in_folder.begin(), in_folder.end());
    } else {
      decks.push_back(a);
    }
  }
  return true;
}

std::string format_duration(double seconds) {
  const long s = static_cast<long>(seconds + 0.5);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld:%02ld", s / 60, s % 60);
  return buf;
}

int convert_batch(const Settings& st, std::ostream& err, bool err_is_terminal) {
  std::vector<std::string> decks;
  if (!collect_decks(st.decks, decks, err)) return kExitUsage;
  std::error_code ec;
  fs::create_directories(st.out_dir, ec);
  if (!fs::is_directory(st.out_dir, ec)) {
    err << "qalt2morv: " << st.out_dir << ": cannot create the output folder\n";
    return kExitConversionFailed;
  }

  std::vector<Job> jobs(decks.size());
  std::map<std::string, std::size_t> claimed;  // output name -> first deck that takes it
  for (std::size_t i = 0; i < decks.size(); ++i) {
    jobs[i].deck = decks[i];
    fs::path name = fs::path(decks[i]).filename();
    name.replace_extension(st.ext);
    jobs[i].output = (fs::path(st.out_dir) / name).string();
  }

  const ConvertOptions options = options_for(st);
  // Two decks that would write the same keyword file: the later one fails instead of
  // overwriting the earlier one's result.
  std::vector<bool> collides(jobs.size(), false);
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    auto [it, inserted] = claimed.emplace(jobs[i].output, i);
    if (!inserted) collides[i] = true;
  }

  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  const auto worker = [&]() {
    for (;;) {
      const std::size_t i = next.fetch_add(1);
      if (i >= jobs.size()) return;
      Job& job = jobs[i];
      if (collides[i]) {
        job.result.status = Status::output_failed;
        job.result.message = job.output + ": another deck of this batch writes the same keyword file";
      } else {
        job.result = convert_file(job.deck, job.output, options);
        if (job.result.status == Status::output_failed) job.result.message = job.output + ": " + job.result.message;
      }
      done.fetch_add(1);
    }
  };

  unsigned workers = st.jobs != 0 ? st.jobs : std::max(1u, std::thread::hardware_concurrency());
  workers = static_cast<unsigned>(std::min<std::size_t>(workers, std::max<std::size_t>(jobs.size(), 1)));
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> threads;
  threads.reserve(workers);
  for (unsigned t = 0; t < workers; ++t) threads.emplace_back(worker);

  const bool progress = err_is_terminal && !st.quiet;
  if (progress) {
    while (done.load() < jobs.size()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      const std::size_t d = done.load();
      const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const double rate = elapsed > 0 ? static_cast<double>(d) / elapsed : 0.0;
      const double left = rate > 0 ? static_cast<double>(jobs.size() - d) / rate : 0.0;
      err << "\r" << d << "/" << jobs.size() << " decks, " << static_cast<long>(rate) << "/s, "
          << format_duration(left) << " left   " << std::flush;
    }
    err << "\r" << std::string(60, ' ') << "\r";
  }
  for (auto& t : threads) t.join();
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::size_t failed = 0;
  for (const auto& job : jobs) {
    if (st.warnings) print_notes(err, job.deck, job.result);
    if (!job.result.ok()) {
      ++failed;
      if (job.result.status == Status::output_failed) {
        err << "qalt2morv: " << job.result.message << '\n';
      } else {
        err << "qalt2morv: " << describe_failure(job.deck, job.result) << '\n';
      }
    }
  }
  if (!st.quiet || failed > 0) {
    err << "qalt2morv: converted " << (jobs.size() - failed) << ", failed " << failed << " (" << jobs.size()
        << " decks in " << format_duration(elapsed) << ")\n";
  }
  return failed == 0 ? kExitOk : kExitConversionFailed;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const bool err_is_terminal = (&err == &std::cerr) && QALT2MORV_ISATTY(QALT2MORV_STDERR_FD) != 0;
  CLI::App app{"Converts heat-exchanger design decks into keyword files for the host design program.", "qalt2morv"};
  app.set_version_flag("--version", std::string("qalt2morv ") + QALT2MORV_VERSION);
  app.require_subcommand(1);
  // Options begin with '-' on every platform: on Windows a path such as /decks/E-101.deck
  // is a deck, not a /-style option (subcommands inherit this).
  app.allow_windows_style_options(false);
  Settings st;
  CLI::App* convert = app.add_subcommand("convert", "Convert one deck (to OUT or standard output) or many (into --out-dir).");
  convert->add_option("decks", st.decks, "Deck files, folders of decks, or - for standard input")->required();
  auto* output = convert->add_option("-o,--output", st.output, "Keyword file for a single deck; - or absent: standard output");
  auto* out_dir = convert->add_option("--out-dir", st.out_dir, "Folder for the keyword files of a batch (named after each deck)");
  convert->add_option("--ext", st.ext, "Extension of the keyword files written into --out-dir")->capture_default_str();
  convert->add_option("-j,--jobs", st.jobs, "Worker threads for a batch (default: the number of cores)")
      ->check(CLI::Range(1u, 1024u));
  convert->add_flag("--crlf", st.crlf, "Write CRLF line ends (keyword files headed to a Windows host)");
  convert->add_flag("--warnings", st.warnings, "Print what the deck held that was not recognised, with its deck line");
  convert->add_flag("-q,--quiet", st.quiet, "No progress and no summary line");
  output->excludes(out_dir);
  std::string format = "keyword";
  convert->add_option("--format", format, "keyword (the keyword file) or json (its records as JSON)")
      ->check(CLI::IsMember({"keyword", "json"}));
  const std::vector<Command> commands = add_commands(app);

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
  if (st.decks.size() > 1) {
    err << "qalt2morv: several decks need --out-dir\ntry 'qalt2morv --help'\n";
    return kExitUsage;
  }
  if (st.output.empty() || st.output == "-") return convert_one_to_stream(st, out, err);
  if (st.decks.front() == "-") {
    std::string bytes;
    read_all(std::cin, bytes);
    std::string text;
    const ConvertOptions options = options_for(st);
    const ConvertResult r = convert_text(bytes, text, options);
    if (st.warnings) print_notes(err, "-", r);
    if (!r.ok()) {
      err << "qalt2morv: -: " << r.message << '\n';
      return kExitConversionFailed;
    }
    std::FILE* f = std::fopen(st.output.c_str(), "wb");
    const bool written = f != nullptr && std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const bool closed = f != nullptr && std::fclose(f) == 0;
    if (!written || !closed) {
      std::error_code ec;
      if (fs::is_regular_file(st.output, ec)) fs::remove(st.output, ec);
      err << "qalt2morv: " << st.output << ": cannot write the keyword file\n";
      return kExitConversionFailed;
    }
    return kExitOk;
  }
  return convert_one_to_file(st, err);
}

}  // namespace qalt2morv::cli
