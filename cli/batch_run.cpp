// The batch: find the decks, check everything before creating anything, convert on worker
// threads until done or told to stop, then summarise and write the report.
#include "batch_run.hpp"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>
#include <thread>
#include <unordered_map>

#include "batch_inputs.hpp"
#include "batch_report.hpp"
#include "cli_app.hpp"
#include "commands.hpp"
#include "signals.hpp"
#include "stale_temporaries.hpp"

namespace qalt2morv::cli {

namespace fs = std::filesystem;

namespace {

enum class Outcome { pending, converted, failed, up_to_date };

struct Job {
  std::string deck;
  std::string output;
  bool collides = false;  // another deck of the batch writes the same keyword file
  Outcome outcome = Outcome::pending;
  ConvertResult result;
};

std::string format_duration(double seconds) {
  const long s = static_cast<long>(seconds + 0.5);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld:%02ld", s / 60, s % 60);
  return buf;
}

// The keyword file is at least as new as its deck: an earlier run converted it.
bool up_to_date(const std::string& deck, const std::string& output) {
  std::error_code a, b;
  const auto out_time = fs::last_write_time(output, a);
  const auto deck_time = fs::last_write_time(deck, b);
  return !a && !b && fs::is_regular_file(output, a) && out_time >= deck_time;
}

// Creates the output folders; false with the system's cause on err.
bool create_folders(const std::set<fs::path>& folders, std::ostream& err) {
  for (const auto& folder : folders) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) continue;
    if (fs::exists(fs::symlink_status(folder, ec))) {
      ec = std::make_error_code(std::errc::file_exists);
    } else {
      fs::create_directories(folder, ec);
    }
    if (ec || !fs::is_directory(folder, ec)) {
      err << "qalt2morv: " << folder.string() << ": cannot create the output folder: "
          << (ec ? ec.message() : std::string("not a folder")) << '\n';
      return false;
    }
  }
  return true;
}

// Where each deck's keyword file goes, and the folders they go into; the deck paths move
// from inputs into jobs. Two decks that would write the same keyword file: the later one
// fails instead of overwriting the earlier one's result.
void plan_outputs(const Settings& st, std::vector<DeckInput>& inputs, std::vector<Job>& jobs,
                  std::set<fs::path>& folders) {
  std::unordered_map<std::string_view, std::size_t> claimed;  // output -> first deck taking it
  claimed.reserve(inputs.size());
  const std::string* sub_folder = nullptr;
  std::string folder;  // the output folder of sub_folder, ending in a separator
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    // Decks come folder by folder: the output folder is worked out once per folder.
    if (sub_folder == nullptr || *sub_folder != inputs[i].sub_folder) {
      sub_folder = &inputs[i].sub_folder;
      fs::path path = fs::path(st.out_dir);
      if (!sub_folder->empty()) path /= fs::path(*sub_folder);
      folders.insert(path);
      folder = (path / "").string();
    }
    fs::path name(file_name_of(std::string_view(inputs[i].deck)));  // before the deck moves
    name.replace_extension(st.ext);
    jobs[i].deck = std::move(inputs[i].deck);
    jobs[i].output = folder + name.string();
  }
  // The jobs are all in place: their output texts stay where they are from here on.
  for (std::size_t i = 0; i < jobs.size(); ++i)
    jobs[i].collides = !claimed.emplace(jobs[i].output, i).second;
}

const char* status_word(Outcome o) {
  switch (o) {
    case Outcome::converted:
      return "converted";
    case Outcome::failed:
      return "failed";
    case Outcome::up_to_date:
      return "up to date";
    case Outcome::pending:
      return "not converted";
  }
  return "not converted";
}

}  // namespace

ConvertOptions options_for(const Settings& st) {
  ConvertOptions options;
  options.line_ending = st.crlf ? LineEnding::crlf : LineEnding::lf;
  return options;
}

std::string describe_failure(const std::string& deck, const ConvertResult& r) {
  if (r.status == Status::deck_unreadable) return r.message;
  return deck + ": " + r.message;
}

void print_notes(std::ostream& err, const std::string& deck, const ConvertResult& r) {
  for (const auto& n : r.notes) {
    err << "qalt2morv: " << deck << ": " << line_and_field(n.line) << ": warning: \"" << n.found
        << "\" not recognised";
    if (!n.expected.empty()) err << " (expected " << n.expected << ")";
    err << '\n';
  }
}

int convert_batch(const Settings& st, std::ostream& err, bool err_is_terminal) {
  // From the start: a Ctrl-C while a large archive is still being listed stops the batch
  // with its summary like one during the conversions.
  const StopSignals signals;
  const ReportFormat format = st.report.empty() ? ReportFormat::none : report_format(st.report);
  if (!st.report.empty() && format == ReportFormat::none) {
    err << "qalt2morv: " << st.report
        << ": the report must end in .csv or .jsonl\ntry 'qalt2morv --help'\n";
    return kExitUsage;
  }
  std::vector<DeckInput> inputs;
  if (!find_decks(st.decks, InputRules{st.glob, st.recursive}, inputs, err))
    return kExitConversionFailed;

  std::vector<Job> jobs(inputs.size());
  std::set<fs::path> folders{fs::path(st.out_dir)};
  plan_outputs(st, inputs, jobs, folders);
  if (!create_folders(folders, err)) return kExitConversionFailed;
  remove_stale_temporaries(folders);

  std::size_t skipped = 0;
  if (st.update) {
    for (auto& job : jobs) {
      if (!job.collides && up_to_date(job.deck, job.output)) {
        job.outcome = Outcome::up_to_date;
        ++skipped;
      }
    }
  }

  const ConvertOptions options = options_for(st);
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  const auto worker = [&]() {
    for (;;) {
      if (signals.received() != 0) return;  // decks in flight finish; no new one starts
      const std::size_t i = next.fetch_add(1);
      if (i >= jobs.size()) return;
      Job& job = jobs[i];
      if (job.outcome == Outcome::up_to_date) {
        done.fetch_add(1);
        continue;
      }
      if (job.collides) {
        job.result.status = Status::output_failed;
        job.result.message =
            job.output + ": another deck of this batch writes the same keyword file";
      } else {
        job.result = convert_file(job.deck, job.output, options);
        if (job.result.status == Status::output_failed)
          job.result.message = job.output + ": " + job.result.message;
      }
      job.outcome = job.result.ok() ? Outcome::converted : Outcome::failed;
      done.fetch_add(1);
    }
  };

  unsigned workers = st.jobs != 0 ? st.jobs : std::max(1u, std::thread::hardware_concurrency());
  workers =
      static_cast<unsigned>(std::min<std::size_t>(workers, std::max<std::size_t>(jobs.size(), 1)));
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> threads;
  threads.reserve(workers);
  for (unsigned t = 0; t < workers; ++t) threads.emplace_back(worker);

  if (err_is_terminal && !st.quiet) {
    while (done.load() < jobs.size() && signals.received() == 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      const std::size_t d = done.load();
      const double elapsed =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const double rate = elapsed > 0 ? static_cast<double>(d) / elapsed : 0.0;
      const double left = rate > 0 ? static_cast<double>(jobs.size() - d) / rate : 0.0;
      err << "\r" << d << "/" << jobs.size() << " decks, " << static_cast<long>(rate) << "/s, "
          << format_duration(left) << " left   " << std::flush;
    }
    err << "\r" << std::string(60, ' ') << "\r";
  }
  for (auto& t : threads) t.join();
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const int stop_signal = signals.received();

  std::size_t converted = 0, failed = 0, pending = 0;
  std::vector<ReportRow> rows;
  for (const auto& job : jobs) {
    if (st.warnings) print_notes(err, job.deck, job.result);
    switch (job.outcome) {
      case Outcome::converted:
        ++converted;
        break;
      case Outcome::up_to_date:
        break;
      case Outcome::pending:
        ++pending;
        break;
      case Outcome::failed:
        ++failed;
        err << "qalt2morv: "
            << (job.result.status == Status::output_failed ? job.result.message
                                                           : describe_failure(job.deck, job.result))
            << '\n';
        break;
    }
    if (format != ReportFormat::none) {
      ReportRow row{job.deck,
                    job.output,
                    status_word(job.outcome),
                    job.result.line,
                    field_name_of(job.result.line),
                    job.result.message,
                    job.result.notes.size()};
      if (job.outcome == Outcome::pending)
        row.message = "the batch was interrupted before this deck";
      rows.push_back(std::move(row));
    }
  }
  std::string report_cause;
  if (format != ReportFormat::none) report_cause = write_report(st.report, format, rows);

  if (!st.quiet || failed > 0 || stop_signal != 0 || !report_cause.empty()) {
    err << "qalt2morv: converted " << converted << ", failed " << failed;
    if (st.update) err << ", skipped " << skipped << " up to date";
    if (stop_signal != 0) err << ", not converted " << pending << " (interrupted)";
    err << " (" << jobs.size() << " decks in " << format_duration(elapsed) << ")\n";
    if (format != ReportFormat::none && report_cause.empty())
      err << "qalt2morv: report: " << st.report << '\n';
  }
  if (!report_cause.empty()) err << "qalt2morv: " << st.report << ": " << report_cause << '\n';
  if (stop_signal != 0) return StopSignals::exit_status(stop_signal);
  return failed == 0 && report_cause.empty() ? kExitOk : kExitConversionFailed;
}

}  // namespace qalt2morv::cli
