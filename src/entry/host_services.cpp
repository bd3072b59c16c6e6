// The default host services: report on stderr (and OutputDebugStringA on Windows) and let the
// run end with the failure's status.
#include "entry/host_services.hpp"

#include <cstdio>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace qalt2morv {

namespace {

// One line: the deck, what went wrong (naming the deck line), and the status. A message that
// already begins with the deck's path does not name it twice.
void report_line(std::string_view deck, std::int32_t number, std::string_view message) noexcept {
  try {
    std::string line = "qalt2morv: ";
    if (!deck.empty() &&
        !(message.substr(0, deck.size()) == deck && message.substr(deck.size(), 2) == ": ")) {
      line += deck;
      line += ": ";
    }
    line += message;
    line += " (status ";
    line += std::to_string(number);
    line += ")\n";
    std::fputs(line.c_str(), stderr);
#if defined(_WIN32)
    OutputDebugStringA(line.c_str());
#endif
  } catch (...) {
    // Out of memory while reporting: the status still reaches the caller.
  }
}

class SilentHostServices final : public HostServices {
 public:
  void report_error(std::int32_t, std::string_view) const noexcept override {}
  std::int32_t filter_failure(std::int32_t proposed_status,
                              std::string_view) const noexcept override {
    return proposed_status;
  }
};

// Stateless: safe to share between threads.
const SilentHostServices kSilent;

}  // namespace

ReportingHostServices::ReportingHostServices(const char* deck_path)
    : deck_(deck_path != nullptr ? deck_path : "") {}

void ReportingHostServices::report_error(std::int32_t number,
                                         std::string_view message) const noexcept {
  report_line(deck_, number, message);
}

std::int32_t ReportingHostServices::filter_failure(std::int32_t proposed_status,
                                                   std::string_view message) const noexcept {
  report_line(deck_, proposed_status, message);
  return proposed_status;
}

const HostServices& silent_host_services() { return kSilent; }

}  // namespace qalt2morv
