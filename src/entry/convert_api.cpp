// The C++ interface: conversion in memory and from file to file.
#include "entry/convert_api.hpp"

#include <cstdint>
#include <string>
#include <utility>

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

ConvertResult output_failure(const HostServices& services, std::string message) {
  ConvertResult r;
  r.status = static_cast<Status>(
      services.filter_failure(static_cast<std::int32_t>(Status::output_failed), message));
  r.message = std::move(message);
  return r;
}

// Converts and writes the keyword file in one piece. The output path is looked at once,
// before the conversion; an old keyword file there stays until the new one is ready to take
// its place, and is removed when the conversion fails. names_deck(output) tells, before the
// deck is read, whether the output path names the deck's own file, which is never touched.
template <class NamesDeck>
ConvertResult convert_into(const DeckReader& reader, const char* output_path,
                           const NamesDeck& names_deck, LineEnding line_end,
                           const HostServices& services) {
  if (output_path == nullptr || *output_path == '\0')
    return output_failure(services, "no keyword file path given");
  const OutputPath output(output_path);
  if (names_deck(output))
    return output_failure(services, "the keyword file path names the deck itself");
  ConvertResult r;
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
      ConvertResult failed = output_failure(services, std::move(cause));
      failed.notes = std::move(r.notes);
      return failed;
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
  // The deck is opened before it is read, so its identity settles whether the output path
  // names it without another look at its path.
  OpenedDeck deck(deck_path);
  const DeckReader reader = [&deck](ConversionState& s) { deck.read_into(s); };
  const auto names_deck = [&](const OutputPath& output) {
    return output.is_deck(deck_path, deck.identity());
  };
  return convert_into(reader, output_path, names_deck, line_end, services);
}

ConvertResult convert_text_to_file(std::string_view deck_bytes, const std::string& output_path,
                                   const ConvertOptions& options) {
  const DeckReader reader = [deck_bytes](ConversionState& s) {
    deck::LineSplitter splitter(s);
    splitter.feed(deck_bytes.data(), deck_bytes.size());
    splitter.finish();
  };
  const auto names_no_deck = [](const OutputPath&) { return false; };
  return convert_into(reader, output_path.c_str(), names_no_deck,
                      resolve_line_end(options.line_ending), silent_host_services());
}

ConvertResult convert_file(const std::string& deck_path, const std::string& output_path,
                           const ConvertOptions& options) {
  return convert_file_with(deck_path.c_str(), output_path.c_str(),
                           resolve_line_end(options.line_ending), silent_host_services());
}

}  // namespace qalt2morv
