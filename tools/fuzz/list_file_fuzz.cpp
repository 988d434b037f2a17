// libFuzzer target for the list file reader: any bytes are read without harm, no
// entry holds a line break, and writing the entries back gives the same bytes
// (with a final CR LF added when the input lacked it).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/list_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> entries = hushwall::ParseListFile(bytes);

  hushwall::EntryList list;
  const int appended = hushwall::AppendEntries(list, entries);
  if (appended != static_cast<int>(entries.size())) return 0;  // beyond a list's limit
  for (const std::string& entry : entries) {
    if (entry.find("\r\n") != std::string::npos) std::abort();
  }
  const std::string written = hushwall::FormatListFile(list);
  const bool complete = bytes.empty() || bytes.ends_with("\r\n");
  if (written != (complete ? std::string(bytes) : std::string(bytes) + "\r\n")) std::abort();
  if (hushwall::ParseListFile(written) != entries) std::abort();
  return 0;
}
