// The stop flag set by SIGINT and SIGTERM; the only state a signal handler may touch.
#include "signals.hpp"

#include <csignal>

namespace qalt2morv::cli {

namespace {

// The signal number, or 0: written only by the handler, read by the batch.
volatile std::sig_atomic_t g_stop_signal = 0;

extern "C" void record_stop_signal(int signal_number) { g_stop_signal = signal_number; }

}  // namespace

StopSignals::StopSignals() {
  g_stop_signal = 0;
  old_int_ = std::signal(SIGINT, record_stop_signal);
  old_term_ = std::signal(SIGTERM, record_stop_signal);
}

StopSignals::~StopSignals() {
  std::signal(SIGINT, old_int_ == SIG_ERR ? SIG_DFL : old_int_);
  std::signal(SIGTERM, old_term_ == SIG_ERR ? SIG_DFL : old_term_);
}

int StopSignals::received() const { return static_cast<int>(g_stop_signal); }

}  // namespace qalt2morv::cli
