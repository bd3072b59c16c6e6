// The conversion run: load, decode, derive, mechanical records, air-cooled exchanger
// records, thermal records. Records reach the keyword text in that order.
#include "entry/conversion_run.hpp"

#include <memory>
#include <new>

#include "core/conversion_error.hpp"
#include "deck/deck_decoding.hpp"
#include "deck/deck_loader.hpp"
#include "mechanical/mechanical_records.hpp"
#include "qalt2morv/deck_layout.hpp"
#include "thermal/air_cooler_records.hpp"
#include "thermal/post_decoding.hpp"
#include "thermal/thermal_records.hpp"

namespace qalt2morv {

LineEnding resolve_line_end(LineEnding ending) {
  switch (ending) {
    case LineEnding::lf:
      return LineEnding::lf;
    case LineEnding::crlf:
      return LineEnding::crlf;
    case LineEnding::platform:
      break;
  }
  return platform_line_end();
}

namespace {

void run_phases(ConversionState& s, const DeckReader& read_deck, KeywordWriter& out) {
  read_deck(s);                                                    // 1. load the deck ...
  deck::normalise_and_read_unit_letter(s);                         //    ... and normalise it
  deck::decode_deck(s, out);                                       // 2. deck lines 2 to 499
  thermal::derive_after_decoding(s);                               // 3. derived codes and values
  mechanical::write_mechanical_records(s, out);                    // 4. construction, nozzles
  if (s.tube_rows > 0) thermal::write_air_cooler_records(s, out);  // 5. air-cooled exchanger
  thermal::write_thermal_records(s, out);  // 6. hot and cold streams, always last
}

ConvertResult failure(const HostServices& services, Status status, std::string message,
                      int line = 0) {
  ConvertResult r;
  r.status =
      static_cast<Status>(services.filter_failure(static_cast<std::int32_t>(status), message));
  r.message = std::move(message);
  r.line = line;
  return r;
}

}  // namespace

ConvertResult run_conversion(const DeckReader& read_deck, LineEnding line_end,
                             std::string& keyword_text, const HostServices& services) {
  keyword_text.clear();
  try {
    auto state = std::make_unique<ConversionState>();
    KeywordWriter out(line_end);
    try {
      run_phases(*state, read_deck, out);
    } catch (const DeckUnreadable& e) {
      services.report_error(static_cast<std::int32_t>(Status::deck_unreadable), e.what());
      ConvertResult r;
      r.status = Status::deck_unreadable;
      r.message = e.what();
      return r;
    } catch (const DeckFieldError& e) {
      return failure(services, Status::deck_malformed,
                     e.message(state->leading_blank_shift, deck_line_label(e.line())), e.line());
    } catch (const NonFiniteValue& e) {
      return failure(services, Status::deck_malformed, e.what());
    }
    ConvertResult r;
    r.notes.reserve(state->notes.size());
    for (auto& n : state->notes)
      r.notes.push_back({n.line, std::move(n.found), std::move(n.expected)});
    keyword_text = out.take();
    return r;
  } catch (const std::bad_alloc&) {
    keyword_text.clear();
    return failure(services, Status::internal_error, "out of memory");
  } catch (const std::exception& e) {
    keyword_text.clear();
    return failure(services, Status::internal_error, e.what());
  } catch (...) {
    keyword_text.clear();
    return failure(services, Status::internal_error, "unknown internal failure");
  }
}

}  // namespace qalt2morv
