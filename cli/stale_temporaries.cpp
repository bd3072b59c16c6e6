// A temporary keyword file lives from its creation to its rename, a few microseconds; one
// that stays was left by a process that was killed. Another batch or the host may be writing
// into the same folder at the same moment, so a temporary is removed only when the process
// that wrote it is gone.
#include "stale_temporaries.hpp"

#include <cerrno>
#include <climits>
#include <system_error>

#include "batch_inputs.hpp"
#include "qalt2morv/convert.hpp"

#if defined(_WIN32)
#include <windows.h>
#else
#include <signal.h>
#endif

namespace qalt2morv::cli {

namespace fs = std::filesystem;

namespace {

// The writer's process id from what follows the prefix, or 0 when it holds none.
unsigned long long writer_of(std::string_view rest) {
  unsigned long long pid = 0;
  std::size_t i = 0;
  for (; i < rest.size() && rest[i] != '-'; ++i) {
    const char c = rest[i];
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0 || pid > (ULLONG_MAX >> 4)) return 0;
    pid = pid * 16 + static_cast<unsigned>(digit);
  }
  return i < rest.size() ? pid : 0;
}

bool process_runs(unsigned long long pid) {
#if defined(_WIN32)
  if (pid > ULONG_MAX) return false;
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (process == nullptr) return ::GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = ::GetExitCodeProcess(process, &code) != 0 && code == STILL_ACTIVE;
  ::CloseHandle(process);
  return running;
#else
  // Beyond the largest process id no process runs (and kill must never see -1 or 0).
  if (pid > static_cast<unsigned long long>(INT_MAX)) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

}  // namespace

bool is_stale_temporary(std::string_view name) {
  const std::string_view prefix = kTemporaryFilePrefix;
  if (name.substr(0, prefix.size()) != prefix) return false;
  const unsigned long long pid = writer_of(name.substr(prefix.size()));
  return pid == 0 || !process_runs(pid);
}

void remove_stale_temporaries(const std::set<fs::path>& folders) {
  for (const auto& folder : folders) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      if (!is_stale_temporary(file_name_of(it->path()))) continue;
      std::error_code fe;
      if (it->is_regular_file(fe)) fs::remove(it->path(), fe);
    }
  }
}

}  // namespace qalt2morv::cli
