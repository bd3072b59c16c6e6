// Stand-ins for the host's support library: an error service and an exception filter
// service. The conversion reports through them; they hold no state of their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qalt2morv {

class HostServices {
 public:
  virtual ~HostServices() = default;
  // Error service: the deck is missing or unreadable (error number 1500). The run stops
  // after it returns.
  virtual void report_error(std::int32_t number, std::string_view message) const noexcept = 0;
  // Exception filter service: a failure left the conversion run. Returns the status the
  // entry point returns (the proposed one unless the service decides otherwise).
  virtual std::int32_t filter_failure(std::int32_t proposed_status,
                                      std::string_view message) const noexcept = 0;
};

// Reports every failure as one line on stderr (and, on Windows, to the debugger channel,
// since a GUI host has no console), naming the deck. Used by the exported function, one
// per call.
class ReportingHostServices final : public HostServices {
 public:
  explicit ReportingHostServices(const char* deck_path);
  void report_error(std::int32_t number, std::string_view message) const noexcept override;
  std::int32_t filter_failure(std::int32_t proposed_status,
                              std::string_view message) const noexcept override;

 private:
  std::string_view deck_;
};

// Reports nothing; the caller reads the status and message from the result.
const HostServices& silent_host_services();

}  // namespace qalt2morv
