// qalt2morv report: a page per deck (the exchanger drawn with its nozzles, the records beside
// their deck lines), to standard output or a file, or for a batch into a folder with an index.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "batch_inputs.hpp"
#include "cli_app.hpp"
#include "commands.hpp"
#include "qalt2morv/report.hpp"

namespace qalt2morv::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kIndexName = "index.html";

struct ReportSettings {
  std::vector<std::string> decks;
  std::string output;
  std::string out_dir;
  std::string glob;
  bool recursive = false;
  unsigned jobs = 0;
  bool quiet = false;
};

struct PageJob {
  std::string deck;
  fs::path page;          // where the page goes
  std::string link;       // the page relative to the index
  std::string collision;  // why the page cannot be written, when another takes its name
  ReportPage report;
};

// Writes text to path whole (the library's rule for every file it writes).
bool write_whole(const fs::path& path, const std::string& text, std::string& cause) {
  cause = write_report_file(path.string(), text);
  return cause.empty();
}

std::string failure_line(const std::string& deck, const ConvertResult& r) {
  return "qalt2morv: " + (r.status == Status::deck_unreadable ? "" : deck + ": ") + r.message;
}

int report_one(const ReportSettings& st, std::ostream& out, std::ostream& err) {
  const std::string& deck = st.decks.front();
  ReportPage page;
  if (deck == "-") {
    const std::string bytes(std::istreambuf_iterator<char>(std::cin), {});
    page = build_report_page(bytes, "standard input");
  } else {
    page = build_report_page_from_file(deck);
  }
  const ConvertResult& r = page.summary.result;
  if (!r.ok()) err << failure_line(deck, r) << '\n';
  // Nothing to show for a deck that cannot be read: no page.
  if (r.status == Status::deck_unreadable) return kExitConversionFailed;
  if (st.output.empty() || st.output == "-") {
    out << page.html;
    out.flush();
    if (!out) {
      err << "qalt2morv: cannot write the page to standard output\n";
      return kExitConversionFailed;
    }
  } else {
    std::string cause;
    if (!write_whole(st.output, page.html, cause)) {
      err << "qalt2morv: " << st.output << ": " << cause << '\n';
      return kExitConversionFailed;
    }
  }
  return r.ok() ? kExitOk : kExitConversionFailed;
}

// The pages' paths, named after the decks (E-101.deck -> E-101.html); a deck whose page name
// another deck (or the index) has taken gets no page.
std::vector<PageJob> plan_pages(const std::vector<DeckInput>& inputs, const fs::path& out_dir) {
  std::vector<PageJob> jobs(inputs.size());
  std::map<fs::path, std::size_t> taken{{out_dir / kIndexName, inputs.size()}};
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    fs::path name = fs::path(inputs[i].deck).filename();
    name.replace_extension(".html");
    fs::path relative = inputs[i].sub_folder.empty() ? name : fs::path(inputs[i].sub_folder) / name;
    jobs[i].deck = inputs[i].deck;
    jobs[i].page = out_dir / relative;
    jobs[i].link = relative.generic_string();
    if (!taken.emplace(jobs[i].page, i).second)
      jobs[i].collision = jobs[i].page.string() + ": another deck of this batch, or the index, " +
                          "takes this page's name";
  }
  return jobs;
}

// Builds the pages on worker threads; the count of pages done goes to err while they run
// when err is a terminal (and not --quiet).
void build_pages(std::vector<PageJob>& jobs, unsigned requested, std::ostream* progress) {
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  const auto worker = [&]() {
    for (std::size_t i; (i = next.fetch_add(1)) < jobs.size();) {
      jobs[i].report = build_report_page_from_file(jobs[i].deck);
      done.fetch_add(1);
    }
  };
  unsigned workers = requested != 0 ? requested : std::max(1u, std::thread::hardware_concurrency());
  workers =
      static_cast<unsigned>(std::min<std::size_t>(workers, std::max<std::size_t>(jobs.size(), 1)));
  std::vector<std::thread> threads;
  for (unsigned t = 0; t < workers; ++t) threads.emplace_back(worker);
  if (progress != nullptr) {
    while (done.load() < jobs.size()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      *progress << "\r" << done.load() << "/" << jobs.size() << " pages" << std::flush;
    }
    *progress << "\r" << std::string(40, ' ') << "\r";
  }
  for (auto& t : threads) t.join();
}

int report_batch(const ReportSettings& st, std::ostream& err, bool err_is_terminal) {
  std::vector<DeckInput> inputs;
  if (!find_decks(st.decks, InputRules{st.glob, st.recursive}, inputs, err))
    return kExitConversionFailed;
  const fs::path out_dir(st.out_dir);
  std::error_code ec;
  fs::create_directories(out_dir, ec);
  if (!fs::is_directory(out_dir, ec)) {
    err << "qalt2morv: " << st.out_dir << ": cannot create the output folder\n";
    return kExitConversionFailed;
  }
  std::vector<PageJob> jobs = plan_pages(inputs, out_dir);
  build_pages(jobs, st.jobs, err_is_terminal && !st.quiet ? &err : nullptr);

  std::size_t failed = 0;
  std::vector<ReportIndexEntry> index;
  for (PageJob& job : jobs) {
    std::string cause = job.collision;
    if (cause.empty()) {
      fs::create_directories(job.page.parent_path(), ec);
      if (write_whole(job.page, job.report.html, cause))
        cause.clear();
      else
        cause = job.page.string() + ": " + cause;
    }
    const ConvertResult& r = job.report.summary.result;
    if (!r.ok()) err << failure_line(job.deck, r) << '\n';
    if (!cause.empty()) err << "qalt2morv: " << cause << '\n';
    if (!r.ok() || !cause.empty()) ++failed;
    if (cause.empty()) {
      index.push_back({job.report.summary, job.link});
    } else {
      // Listed all the same, failed, with the reason it has no page.
      ReportSummary unwritten = job.report.summary;
      unwritten.result.status = Status::output_failed;
      unwritten.result.message = cause;
      index.push_back({unwritten, ""});
    }
  }
  std::string cause;
  if (!write_whole(out_dir / kIndexName, build_report_index(index), cause)) {
    err << "qalt2morv: " << (out_dir / kIndexName).string() << ": " << cause << '\n';
    return kExitConversionFailed;
  }
  if (!st.quiet || failed > 0)
    err << "qalt2morv: pages " << jobs.size() - failed << " converted, " << failed << " failed; "
        << (out_dir / kIndexName).string() << '\n';
  return failed == 0 ? kExitOk : kExitConversionFailed;
}

int run_report(const ReportSettings& st, std::ostream& out, std::ostream& err,
               bool err_is_terminal) {
  if (st.out_dir.empty()) {
    if (st.decks.size() != 1 || !st.glob.empty() || st.recursive) {
      err << "qalt2morv: several decks, a folder, --glob and --recursive need --out-dir\n"
             "try 'qalt2morv --help'\n";
      return kExitUsage;
    }
    return report_one(st, out, err);
  }
  if (std::find(st.decks.begin(), st.decks.end(), "-") != st.decks.end()) {
    err << "qalt2morv: standard input cannot be part of a batch\ntry 'qalt2morv --help'\n";
    return kExitUsage;
  }
  return report_batch(st, err, err_is_terminal);
}

}  // namespace

Command add_report_command(CLI::App& app) {
  auto st = std::make_shared<ReportSettings>();
  CLI::App* sub = app.add_subcommand(
      "report",
      "Write a page per deck: the exchanger drawn with its nozzles, the records beside their deck "
      "lines.");
  sub->add_option("decks", st->decks, "Deck files, folders of decks (with --out-dir), or -")
      ->required();
  auto* output = sub->add_option("-o,--output", st->output,
                                 "The page of a single deck; - or absent: "
                                 "standard output");
  auto* out_dir = sub->add_option("--out-dir", st->out_dir,
                                  "Folder for one page per deck (NAME.html) and index.html");
  sub->add_option("--glob", st->glob, "Names a folder contributes (default: *.deck)");
  sub->add_flag("-r,--recursive", st->recursive, "Descend into sub-folders");
  sub->add_option("-j,--jobs", st->jobs, "Worker threads (default: the number of cores)")
      ->check(CLI::Range(1u, 1024u));
  sub->add_flag("-q,--quiet", st->quiet, "No progress and no summary line");
  output->excludes(out_dir);
  return {sub, [st](std::ostream& out, std::ostream& err, bool err_is_terminal) {
            return run_report(*st, out, err, err_is_terminal);
          }};
}

}  // namespace qalt2morv::cli
