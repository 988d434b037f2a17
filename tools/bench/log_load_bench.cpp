// Peak memory of loading a blocked log of 8 MiB of empty lines (4 Mi lines, far more
// than the log keeps): the load's rise of the peak resident size, beside the size
// of what the log keeps.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/list_files.h"

namespace {

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main() {
  char folder[] = "/tmp/log-load-bench-XXXXXX";
  if (!mkdtemp(folder)) return 1;
  const std::string path = hushwall::ListFilePath(folder, hushwall::kBlockedLogFileName);
  {
    std::string chunk;
    for (int line = 0; line < 32 * 1024; ++line) chunk += "\r\n";
    std::ofstream file(path, std::ios::binary);
    for (int step = 0; step < 128; ++step) file << chunk;
  }
  const long before = PeakKilobytes();
  hushwall::BlockingState state;
  const hushwall::ListFilesLoad load = hushwall::LoadListFiles(state, folder);
  const long after = PeakKilobytes();
  const hushwall::EntryList& log = state.BlockedLog();
  const std::size_t kept = log.TextBytes() + std::size_t(log.Count()) * sizeof(std::string);
  std::printf("lines kept %d, left out %d; kept size %zu KiB; peak rose by %ld KiB (%.1f times the kept size)\n",
              log.Count(), load.log.not_loaded, kept / 1024, after - before, double(after - before) * 1024 / double(kept));
  unlink(path.c_str());
  rmdir(folder);
  return 0;
}
