// The stop flag set by SIGINT and SIGTERM; the only state a signal handler may touch.
#include "signals.hpp"

#include <atomic>
#include <csignal>

namespace qalt2morv::cli {

namespace {

// The signal number, or 0: written by the handler, read by the worker threads. Lock-free,
// so the handler may touch it and the threads read it without a race.
std::atomic<int> g_stop_signal{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void record_stop_signal(int signal_number) {
  if (g_stop_signal.exchange(signal_number) != 0) {
    // A second Ctrl-C: the user will not wait for the decks in flight. Their temporary
    // files stay behind, never taken for keyword files, and the next batch removes them.
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
  }
}

}  // namespace

StopSignals::StopSignals() {
  g_stop_signal.store(0);
  old_int_ = std::signal(SIGINT, record_stop_signal);
  old_term_ = std::signal(SIGTERM, record_stop_signal);
}

StopSignals::~StopSignals() {
  std::signal(SIGINT, old_int_ == SIG_ERR ? SIG_DFL : old_int_);
  std::signal(SIGTERM, old_term_ == SIG_ERR ? SIG_DFL : old_term_);
}

int StopSignals::received() const { return g_stop_signal.load(); }

}  // namespace qalt2morv::cli
