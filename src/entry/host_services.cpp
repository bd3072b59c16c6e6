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

void report_line(std::string_view what, std::int32_t number, std::string_view message) noexcept {
  try {
    std::string line = "qalt2morv: ";
    line += what;
    line += ' ';
    line += std::to_string(number);
    line += ": ";
    line += message;
    line += '\n';
    std::fputs(line.c_str(), stderr);
#if defined(_WIN32)
    OutputDebugStringA(line.c_str());
#endif
  } catch (...) {
    // Out of memory while reporting: the status still reaches the caller.
  }
}

class ReportingHostServices final : public HostServices {
 public:
  void report_error(std::int32_t number, std::string_view message) const noexcept override {
    report_line("error", number, message);
  }
  std::int32_t filter_failure(std::int32_t proposed_status, std::string_view message) const noexcept override {
    report_line("conversion failed with status", proposed_status, message);
    return proposed_status;
  }
};

class SilentHostServices final : public HostServices {
 public:
  void report_error(std::int32_t, std::string_view) const noexcept override {}
  std::int32_t filter_failure(std::int32_t proposed_status, std::string_view) const noexcept override {
    return proposed_status;
  }
};

// Stateless: safe to share between threads.
const ReportingHostServices kReporting;
const SilentHostServices kSilent;

}  // namespace

const HostServices& reporting_host_services() { return kReporting; }
const HostServices& silent_host_services() { return kSilent; }

}  // namespace qalt2morv
