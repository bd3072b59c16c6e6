// Ctrl-C and SIGTERM during a batch: the handler only records the signal; the batch asks
// between decks whether to stop taking new ones. A second signal ends the process at once.
#pragma once

namespace qalt2morv::cli {

// Installs the handlers for its lifetime and restores the previous ones after.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signal received since construction (SIGINT or SIGTERM), or 0.
  int received() const;
  // The conventional exit status for it: 128 + the signal number.
  static int exit_status(int signal_number) { return 128 + signal_number; }

 private:
  using Handler = void (*)(int);
  Handler old_int_ = nullptr;
  Handler old_term_ = nullptr;
};

}  // namespace qalt2morv::cli
