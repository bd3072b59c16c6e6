// The C++ interface: conversion in memory and from file to file.
#include "entry/convert_api.hpp"

#include <string>

#include "deck/deck_file.hpp"
#include "deck/deck_loader.hpp"
#include "entry/conversion_run.hpp"
#include "entry/output_file.hpp"

namespace qalt2morv {

const char* status_text(Status status) {
  switch (status) {
    case Status::ok:
      return "converted";
    case Status::deck_unreadable:
      return "the deck is missing or cannot be read";
    case Status::deck_malformed:
      return "a deck field breaks its edit rule";
    case Status::output_failed:
      return "the keyword file cannot be written";
    case Status::internal_error:
      return "internal failure";
  }
  return "unknown status";
}

ConvertResult convert_text(std::string_view deck_bytes, std::string& keyword_text,
                           const ConvertOptions& options) {
  const DeckReader reader = [deck_bytes](ConversionState& s) {
    deck::LineSplitter splitter(s);
    splitter.feed(deck_bytes.data(), deck_bytes.size());
    splitter.finish();
  };
  return run_conversion(reader, resolve_line_end(options.line_ending), keyword_text,
                        silent_host_services());
}

ConvertResult convert_file_to_text(const std::string& deck_path, std::string& keyword_text,
                                   const ConvertOptions& options) {
  const DeckReader reader = [&deck_path](ConversionState& s) {
    read_deck_file(deck_path.c_str(), s);
  };
  return run_conversion(reader, resolve_line_end(options.line_ending), keyword_text,
                        silent_host_services());
}

namespace {

// Converts and writes the keyword file in one piece. The output path is looked at once,
// before the conversion; an old keyword file there stays until the new one is ready to take
// its place, and is removed when the conversion fails. deck_path, when given, is the deck's
// own file, which the output must not name.
ConvertResult convert_into(const DeckReader& reader, const char* deck_path, const char* output_path,
                           LineEnding line_end, const HostServices& services) {
  ConvertResult r;
  if (output_path == nullptr || *output_path == '\0') {
    r.status = static_cast<Status>(services.filter_failure(1502, "no keyword file path given"));
    r.message = "no keyword file path given";
    return r;
  }
  const OutputPath output(output_path);
  if (output.is_deck(deck_path)) {
    r.status = static_cast<Status>(
        services.filter_failure(1502, "the keyword file path names the deck itself"));
    r.message = "the keyword file path names the deck itself";
    return r;
  }
  try {
    std::string text;
    r = run_conversion(reader, line_end, text, services);
    if (!r.ok()) {
      output.remove_old();
      return r;
    }
    std::string cause = output.write(text);
    if (!cause.empty()) {
      output.remove_old();
      r.status = static_cast<Status>(services.filter_failure(1502, cause));
      r.message = std::move(cause);
    }
    return r;
  } catch (...) {
    output.remove_old();
    r.status = Status::internal_error;
    r.message = "out of memory";
    return r;
  }
}

}  // namespace

ConvertResult convert_file_with(const char* deck_path, const char* output_path, LineEnding line_end,
                                const HostServices& services) {
  const DeckReader reader = [deck_path](ConversionState& s) { read_deck_file(deck_path, s); };
  return convert_into(reader, deck_path, output_path, line_end, services);
}

ConvertResult convert_text_to_file(std::string_view deck_bytes, const std::string& output_path,
                                   const ConvertOptions& options) {
  const DeckReader reader = [deck_bytes](ConversionState& s) {
    deck::LineSplitter splitter(s);
    splitter.feed(deck_bytes.data(), deck_bytes.size());
    splitter.finish();
  };
  return convert_into(reader, nullptr, output_path.c_str(), resolve_line_end(options.line_ending),
                      silent_host_services());
}

ConvertResult convert_file(const std::string& deck_path, const std::string& output_path,
                           const ConvertOptions& options) {
  return convert_file_with(deck_path.c_str(), output_path.c_str(),
                           resolve_line_end(options.line_ending), silent_host_services());
}

}  // namespace qalt2morv
