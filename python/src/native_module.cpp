// The native half of the Python package: conversions through the C++ interface with the
// interpreter lock released; results go back as plain tuples that qalt2morv/__init__.py
// turns into objects. Texts that hold deck or keyword bytes go back as bytes, never decoded
// here, so no code page question and no decoding failure can arise at this boundary.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "qalt2morv/convert.hpp"
#include "qalt2morv/explain.hpp"
#include "qalt2morv/keyword_reader.hpp"

namespace py = pybind11;

namespace {

struct Outcome {
  qalt2morv::ConvertResult result;
  std::string keywords;
};

qalt2morv::ConvertOptions options_for(bool crlf) {
  qalt2morv::ConvertOptions options;
  options.line_ending = crlf ? qalt2morv::LineEnding::crlf : qalt2morv::LineEnding::lf;
  return options;
}

// The C++ interface reports failures as statuses; anything thrown past it (it should not
// happen) becomes the internal-failure status rather than leaving a worker thread.
template <typename Convert>
Outcome guarded(Convert convert) {
  Outcome o;
  try {
    o.result = convert(o.keywords);
  } catch (...) {
    o.keywords.clear();
    o.result = {};
    o.result.status = qalt2morv::Status::internal_error;
    o.result.message = "internal failure";
  }
  return o;
}

// (status, message, line, keyword bytes, [(line, found, expected)]); message and found as bytes.
py::tuple to_python(const Outcome& o) {
  py::list notes;
  for (const qalt2morv::ConversionNote& n : o.result.notes) {
    notes.append(py::make_tuple(n.line, py::bytes(n.found), py::bytes(n.expected)));
  }
  return py::make_tuple(static_cast<int>(o.result.status), py::bytes(o.result.message),
                        o.result.line, py::bytes(o.keywords), std::move(notes));
}

std::string_view view_of(const py::bytes& data) {
  char* buffer = nullptr;
  Py_ssize_t size = 0;
  if (PyBytes_AsStringAndSize(data.ptr(), &buffer, &size) != 0) throw py::error_already_set();
  return {buffer, static_cast<std::size_t>(size)};
}

py::tuple convert_bytes(const py::bytes& deck, bool crlf) {
  const std::string_view bytes =
      view_of(deck);  // the bytes object is immutable and held by the caller
  Outcome o;
  {
    py::gil_scoped_release unlocked;
    o = guarded(
        [&](std::string& out) { return qalt2morv::convert_text(bytes, out, options_for(crlf)); });
  }
  return to_python(o);
}

py::tuple convert_path(std::string deck_path, bool crlf) {
  Outcome o;
  {
    py::gil_scoped_release unlocked;
    o = guarded([&](std::string& out) {
      return qalt2morv::convert_file_to_text(deck_path, out, options_for(crlf));
    });
  }
  return to_python(o);
}

py::tuple convert_file(std::string deck_path, std::string output_path, bool crlf) {
  Outcome o;
  {
    py::gil_scoped_release unlocked;
    o = guarded([&](std::string&) {
      return qalt2morv::convert_file(deck_path, output_path, options_for(crlf));
    });
  }
  return to_python(o);
}

// A batch of deck paths that converts on threads of its own from the moment it is made, so
// that the interpreter can hand out the results of the batch before it meanwhile. The
// threads never touch a Python object.
class PathBatch {
 public:
  // `threads` threads of its own (none: results() converts them all).
  PathBatch(std::vector<std::string> deck_paths, int threads, bool crlf)
      : paths_(std::move(deck_paths)), outcomes_(paths_.size()), crlf_(crlf) {
    const std::size_t workers =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(threads, 0)), paths_.size());
    try {
      for (std::size_t t = 0; t < workers; ++t) threads_.emplace_back([this] { work(); });
    } catch (const std::exception&) {
      // No more threads to be had: the ones started, and results(), share the work.
    }
  }
  // Joining under the interpreter lock cannot deadlock: the threads never take it.
  ~PathBatch() { join(); }
  PathBatch(const PathBatch&) = delete;
  PathBatch& operator=(const PathBatch&) = delete;

  // Waits for the batch, converting what is left on the calling thread too.
  py::list results() {
    {
      py::gil_scoped_release unlocked;
      work();
      join();
    }
    py::list results;
    for (const Outcome& o : outcomes_) results.append(to_python(o));
    return results;
  }

 private:
  void work() {
    for (std::size_t i = next_++; i < paths_.size(); i = next_++) {
      outcomes_[i] = guarded([&](std::string& out) {
        return qalt2morv::convert_file_to_text(paths_[i], out, options_for(crlf_));
      });
    }
  }
  void join() {
    for (std::thread& t : threads_) {
      if (t.joinable()) t.join();
    }
  }

  std::vector<std::string> paths_;
  std::vector<Outcome> outcomes_;
  bool crlf_;
  std::atomic<std::size_t> next_{0};
  std::vector<std::thread> threads_;  // last: started once everything above is in place
};

// Converts every deck path on `jobs` threads, this one among them, the interpreter lock
// released throughout; results come back in the order of the paths.
py::list convert_paths(std::vector<std::string> deck_paths, int jobs, bool crlf) {
  PathBatch batch(std::move(deck_paths), jobs - 1, crlf);  // this thread is one of the jobs
  return batch.results();
}

// The keyword file's records as (key, occurrence, kind, value, [(entry, quoted)]), texts as
// bytes; kind is 0 number, 1 text, 2 list. `quoted` tells a text entry from a number entry,
// which the entry's value alone cannot when a text holds digits.
py::list read_records(const py::bytes& keyword_text) {
  const std::string_view text = view_of(keyword_text);
  std::vector<qalt2morv::Record> records;
  {
    py::gil_scoped_release unlocked;
    records = qalt2morv::read_keyword_text(text);
  }
  py::list result;
  for (const qalt2morv::Record& r : records) {
    py::list entries;
    if (r.kind == qalt2morv::RecordKind::list) {
      std::string_view lines = r.text;
      lines.remove_prefix(std::min(lines.size(), lines.find('\n') + 1));  // the header
      for (const std::string& value : r.values) {
        const bool quoted = !lines.empty() && lines.front() == '"';
        lines.remove_prefix(std::min(lines.size(), lines.find('\n') + 1));
        entries.append(py::make_tuple(py::bytes(value), quoted));
      }
    }
    result.append(py::make_tuple(py::bytes(r.key), r.occurrence, static_cast<int>(r.kind),
                                 py::bytes(r.value), std::move(entries)));
  }
  return result;
}

// (conversion tuple, deck line count, [(key, occurrence, lines)] per record,
// [(key, occurrence, lines)] per absent record, failing lines).
template <typename Explain>
py::tuple explain_with(Explain explain) {
  qalt2morv::Explanation e;
  {
    py::gil_scoped_release unlocked;
    try {
      e = explain();
    } catch (...) {
      e = {};
      e.result.status = qalt2morv::Status::internal_error;
      e.result.message = "internal failure";
    }
  }
  py::list records;
  for (const qalt2morv::ExplainedRecord& r : e.records) {
    records.append(py::make_tuple(py::bytes(r.key), r.occurrence, r.lines));
  }
  py::list absent;
  for (const qalt2morv::AbsentRecord& r : e.absent) {
    absent.append(py::make_tuple(py::bytes(r.key), r.occurrence, r.lines));
  }
  Outcome o{std::move(e.result), std::move(e.keyword_text)};
  return py::make_tuple(to_python(o), e.deck_lines, std::move(records), std::move(absent),
                        e.failing_lines);
}

py::tuple explain_bytes(const py::bytes& deck, bool crlf) {
  const std::string_view bytes = view_of(deck);
  return explain_with([&] { return qalt2morv::explain_text(bytes, options_for(crlf)); });
}

py::tuple explain_path(std::string deck_path, bool crlf) {
  return explain_with([&] { return qalt2morv::explain_file(deck_path, options_for(crlf)); });
}

}  // namespace

PYBIND11_MODULE(_native, m) {
  m.doc() = "Native conversions for the qalt2morv package; use the package, not this module.";
  m.attr("version") = QALT2MORV_VERSION;
  m.def("convert_bytes", &convert_bytes, py::arg("deck"), py::arg("crlf"));
  m.def("convert_path", &convert_path, py::arg("deck_path"), py::arg("crlf"));
  m.def("convert_file", &convert_file, py::arg("deck_path"), py::arg("output_path"),
        py::arg("crlf"));
  m.def("explain_bytes", &explain_bytes, py::arg("deck"), py::arg("crlf"));
  m.def("explain_path", &explain_path, py::arg("deck_path"), py::arg("crlf"));
  m.def("read_records", &read_records, py::arg("keyword_text"));
  m.def("convert_paths", &convert_paths, py::arg("deck_paths"), py::arg("jobs"), py::arg("crlf"));
  py::class_<PathBatch>(m, "PathBatch")
      .def(py::init<std::vector<std::string>, int, bool>(), py::arg("deck_paths"),
           py::arg("threads"), py::arg("crlf"))
      .def("results", &PathBatch::results);
}
